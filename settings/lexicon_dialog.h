#pragma once
#include <windows.h>

// "Benutzerlexikon": switch the user lexicon on and off, create or choose its
// file; on OK the lexicon is opened and its subject areas taken over.
void RunUserLexiconDialog(HWND frame);

INT_PTR CALLBACK UserLexiconDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
