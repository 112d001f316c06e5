#pragma once
#include <windows.h>

#include <string>

// Plain-text files of the input and output windows: loading, saving, the save
// question, the window titles and the file dialogs. Files are byte streams: what
// the edit control holds is what is written, and the other way round.

// The file name of the input and output window, upper-cased; empty: none yet.
extern char g_fileName[2][160];

// Filters of the file dialogs: pairs of display text and pattern.
// The file dialogs' filters for text files.
std::string TextOpenFilter();
std::string TextSaveFilter();

// The caption of a new text window: "[unbenannt]", and no file name.
void ComposeWindowTitle(int kind);
// Rebuilds the caption of the input (0) or output (1) window from its file name.
void UpdateWindowTitle(int kind);

// Fills the window with the file's bytes; reports its own failures.
bool LoadTextFile(HWND window, const char* path);
// Writes the window's text to its file through a temporary file, so a failed
// write leaves the old file as it was. Reports failures; true when written.
bool WriteTextFile(HWND window);
// Command 1003 as the text window receives it: ask for a name if there is none,
// write, and clear the changed mark when the write succeeded.
void SaveTextWindow(HWND window);
// Command 1002: choose a file and load it into the active text window.
void OpenTextFile(HWND owner);

// True when the caller may throw the window's text away.
bool QuerySaveChanges(HWND window);

// The save dialog for a text window (or, without one, for the file-translation
// target). True when a name was chosen and stored.
bool ChooseSaveName(HWND window, bool saveAs);
// The open dialog; the chosen full path goes to result (160 bytes).
bool ChooseOpenFile(const char* title, char* result, const char* filter);
// The save dialog for a new file; path (160 bytes) holds the proposal and gets
// the chosen path, upper-cased.
bool ChooseSaveFile(const char* title, char* path, const char* filter, const char* extension);

// File names compare equal when they differ only in the case of A to Z.
bool SameFileName(const char* a, const char* b);

// The window of a kind (0 input, 1 output) and the other text window's kind.
HWND TextWindowOfKind(int kind);
inline int OtherTextKind(int kind) { return kind == 0 ? 1 : 0; }
