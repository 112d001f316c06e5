#pragma once
#include <windows.h>

// The program's help calls, by the classic help commands (HELP_CONTEXT, ...).
void CallHelp(UINT command, ULONG_PTR data);

// Help for the current help context: F1, command 139 and the lexicon editor.
void ShowContextHelp();
void WINAPI HelpCallback();
