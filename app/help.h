#pragma once
#include <windows.h>

#include "help/help_request.h"

// The program's help calls, by the classic help commands (HELP_CONTEXT, ...). They
// go to our help viewer (help/), which shows the help file; HELP_QUIT closes it.
void CallHelp(UINT command, ULONG_PTR data);

// Help for the current help context: F1, command 139 and the lexicon editor.
void ShowContextHelp();
void WINAPI HelpCallback();

// The viewer's request for a help command on helpFile; false for a command the
// viewer does not know.
bool HelpRequestFor(UINT command, ULONG_PTR data, const char* helpFile, HelpRequest* request);
