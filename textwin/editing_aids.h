#pragma once
#include <windows.h>

// Sentence marking, find and the context menus of the text windows.

// The current search text, shared by the find dialog and the find commands.
extern char g_searchText[160];
// The find dialog's "Groß- Kleinschreibung beachten".
extern bool g_matchCase;

// Marks the sentence at the end of the input window's selection.
void MarkSentence();
// Extends the input window's marking by the next sentence.
void ExtendMarking();

enum FindResult { kFound = 0, kNotFound = 1, kFindNoMemory = 2 };
// Searches the active edit forward (+1) or backward (-1) from its selection start.
int FindNext(int direction);
// True when the search text matches the text at position p.
bool MatchAt(const char* text, int length, int p);

// Command 3001: the find dialog, pre-filled with the selected word.
void RunFindDialog(HWND frame);
// Commands 3002 and 3003 with their messages.
void FindCommand(HWND frame, int direction);
