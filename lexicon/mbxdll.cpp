// placeholder
#include <windows.h>
extern "C" {
namespace { HWND g_first, g_second; }
void WINAPI LexiconEditorWindows(HWND** first, HWND** second) { *first = &g_first; *second = &g_second; }
int WINAPI LexiconEditor(HWND, const char*, int, const char*, int*, void(WINAPI*)(void), int) { return 0; }
}
