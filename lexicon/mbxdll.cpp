// MBXDLL.dll: the lexicon editor. Ordinal 3 opens its two modeless windows on the
// user lexicon; ordinal 6 tells the program where their handles are kept.
#include <windows.h>

#include "lexicon/editor_windows.h"

namespace {
HINSTANCE g_instance;  // the dialog templates are this library's resources
}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}

// The program's message loop reads the handles through these addresses, so they
// must be the library's own variables, which the editor sets and clears. The first
// holds the entry window, the second the list window.
void WINAPI LexiconEditorWindows(HWND** first, HWND** second) {
    if (first) *first = EntryWindowVariable();
    if (second) *second = ListWindowVariable();
}

// Returns at once; the windows stay open on their own. The result (1 when the
// windows are open, else 0) is for tests: the program ignores it. The mode is
// always 2 from the program and changes nothing.
int WINAPI LexiconEditor(HWND owner, const char* path, int, const char* word, int* helpContext,
                         void(WINAPI* help)(void), int fromSelection) {
    try {
        EditorRequest request{owner, path, word, helpContext, help, fromSelection};
        return OpenLexiconEditorWindows(g_instance, request) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
