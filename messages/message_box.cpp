#include "messages/message_box.h"

#include <string.h>

#include "app/shell_state.h"
#include "resources/resource_ids.h"

namespace {
HINSTANCE ResourceInstance() {
    return g_shell.instance ? g_shell.instance : GetModuleHandleA(nullptr);
}
}  // namespace

int LoadProgramString(int id, char* buffer, int size) {
    buffer[0] = '\0';
    return LoadStringA(ResourceInstance(), static_cast<UINT>(id & 0xFFFF), buffer, size);
}

std::string ProgramString(int id) {
    char text[256];
    LoadProgramString(id, text, sizeof text);
    return text;
}

std::string FileFilterEntry(int nameId, const char* pattern) {
    std::string entry = ProgramString(nameId);
    entry += '\0';
    entry += pattern;
    entry += '\0';
    return entry;
}

void FormatMessageText(const char* format, const char* argument, char (&text)[160]) {
    // Only "%s" takes the argument; every other byte, a lone '%' included, is copied.
    size_t out = 0;
    const size_t room = sizeof text - 1;
    for (const char* p = format; *p && out < room; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            for (const char* a = argument ? argument : ""; *a && out < room; ++a) text[out++] = *a;
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            text[out++] = '%';
            ++p;
        } else {
            text[out++] = *p;
        }
    }
    text[out] = '\0';
}

int ShowMessage(HWND owner, UINT style, int id, const char* argument) {
    char format[128];
    char text[160];
    char title[45];
    LoadProgramString(id, format, sizeof format);
    FormatMessageText(format, argument, text);
    LoadProgramString(IDS_PRODUCT, title, sizeof title);
    return MessageBoxA(owner, text, title, style & 0xFFFF);
}

void CenterWindow(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int x = ((GetSystemMetrics(SM_CXSCREEN) - width) / 2 + 4) & ~7;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
}

void BringToFront(HWND window) {
    if (window && IsWindow(window)) BringWindowToTop(window);
}

void PrepareNoticeDialog(HWND dialog) {
    char title[45];
    LoadProgramString(IDS_PRODUCT, title, sizeof title);
    SetWindowTextA(dialog, title);
    CenterWindow(dialog);
}

INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        PrepareNoticeDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: EndDialog(dialog, 1); return TRUE;
        case IDCANCEL: EndDialog(dialog, 2); return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}

int ShowNoticeDialog(int dialogId, HWND owner) {
    return static_cast<int>(DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(dialogId), owner,
                                            NoticeDialogProc, 0));
}
