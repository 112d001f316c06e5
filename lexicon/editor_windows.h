#pragma once
// The lexicon editor's two modeless windows: one edits an entry, the other lists
// the lexicon's entries. The program's message loop gives them keyboard
// navigation through the two handle variables below.
#include <windows.h>

struct EditorRequest {
    HWND owner;
    const char* path;
    const char* word;  // may be empty
    int* helpContext;  // may be null
    void(WINAPI* help)(void);
    int fromSelection;  // 1: the word came from the selection, 0: from the clipboard
};

// Opens both windows on the request's lexicon, or brings them forward and shows the
// new word. A lexicon that cannot be edited is refused with a message and opens
// nothing. Returns whether the windows are open.
bool OpenLexiconEditorWindows(HINSTANCE instance, const EditorRequest& request);

// The variables holding the entry window and the list window; null while closed.
HWND* EntryWindowVariable();
HWND* ListWindowVariable();
