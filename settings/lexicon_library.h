#pragma once
#include <windows.h>

#include "lexicon/subject_area.h"

// The lexicon libraries, imported by ordinal (the names are ours).
extern "C" {
// MBXLLDB ordinal 7: mode 1 opens, mode 2 creates with the given list; tag may be null.
int WINAPI LexiconOpen(const char* path, int mode, SubjectArea* list, const char* tag);
// MBXLLDB ordinal 8.
int WINAPI LexiconClose(int unused);
// MBXLLDB ordinal 15: the open lexicon's subject areas; pass the list it gave last time.
SubjectArea* WINAPI LexiconSubjectAreas(SubjectArea* last);
// MBXDLL ordinal 6: the addresses of the editor's two window-handle variables.
void WINAPI LexiconEditorWindows(HWND** first, HWND** second);
// MBXDLL ordinal 3: opens the editor on path with a start word.
int WINAPI LexiconEditor(HWND owner, const char* path, int mode, const char* word,
                         int* helpContext, void(WINAPI* help)(void), int fromSelection);
}

constexpr int kLexiconOpen = 1;
constexpr int kLexiconCreate = 2;
