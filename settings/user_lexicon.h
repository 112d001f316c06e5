#pragma once
#include <windows.h>

#include "lexicon/subject_area.h"

// The user's own lexicon: its path and whether it is in use.
struct UserLexicon {
    char path[160];
    int inUse;
    bool listFromLexicon;  // the subject-area list in use came from the lexicon store
};

extern UserLexicon g_userLexicon;

// Start-up: the first-start writes of "Lexikon", the stored lexicon opened, and
// its path published under "DavAri"/"Lexica2". owner is the window that owns a
// failure message (none at start-up).
void OpenStoredUserLexicon(const char* programDir, HWND owner);

// The open lexicon's subject areas become the list in use.
void AdoptLexiconSubjectAreas();
// The build's own table becomes the list in use again.
void UseBuiltinSubjectAreas();
