#pragma once
#include <windows.h>

// Translations of the input window started by the user: the sentence at the
// caret, the marked text, everything, or a file. Runs of several sentences go
// through commands the frame posts to itself, one sentence per pass through
// the message queue, so the program stays usable and the run can be cancelled.
void TranslateAllCommand(HWND frame);       // 104
void TranslateMarkedCommand(HWND frame);    // 138
void TranslateSentenceCommand(HWND frame);  // 143
void ContinueRunCommand(HWND frame);        // 1025: mark the next sentence
void TranslateStepCommand(HWND frame);      // 1026: translate the marked text
void StopRunCommand();                      // 141
void TranslateFileCommand();                // 144

// The exchange file of the word-processor link.
constexpr char kExchangeFile[] = "QDPLUS.OUT";
