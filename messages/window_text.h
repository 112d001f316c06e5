#pragma once
#include <windows.h>

#include <string>

// A copy of an edit window's whole text in a zero-filled block one byte longer
// than the text, with its selection. None when the window is empty, and none
// after message 39 when memory is short. The caller frees the block.
HGLOBAL WindowTextSnapshot(HWND edit, DWORD* selectionStart, DWORD* selectionEnd);

// The word in the window's selection (at most maximum characters of it, trimmed
// of everything that is no word character). 1 and the word in destination, or 0
// with destination untouched.
int SelectedWord(HWND edit, char* destination, int maximum);

// Letters and digits of Windows-1252 that make up a word here.
bool IsWordChar(unsigned char c);

// The clipboard's plain text (CF_TEXT), or empty when it offers none.
std::string ClipboardText(HWND owner);
