// MBXDLL.dll: the lexicon editor. Its two modeless windows are not there yet, so
// the handles the program looks at stay null and opening the editor does nothing.
#include <windows.h>

namespace {
HWND g_editorWindow;
HWND g_entryWindow;
}  // namespace

extern "C" {

// The program's message loop reads the handles through these addresses, so they
// must be the library's own variables, which the editor will set and clear.
void WINAPI LexiconEditorWindows(HWND** first, HWND** second) {
    if (first) *first = &g_editorWindow;
    if (second) *second = &g_entryWindow;
}

int WINAPI LexiconEditor(HWND, const char*, int, const char*, int*, void(WINAPI*)(void), int) {
    return 0;
}

}  // extern "C"
