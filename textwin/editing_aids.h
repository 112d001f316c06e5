#pragma once
// Sentence marking, find and the context menus of the text windows.

// The current search text, shared by the find dialog and the find commands.
extern char g_searchText[160];
