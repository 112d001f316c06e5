#include "messages/window_text.h"

#include <string.h>

#include "app/shell_state.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"

bool IsWordChar(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return c >= 192 || c == 138 || c == 140 || c == 154 || c == 156 || c == 159;
}

HGLOBAL WindowTextSnapshot(HWND edit, DWORD* selectionStart, DWORD* selectionEnd) {
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(selectionStart),
                 reinterpret_cast<LPARAM>(selectionEnd));
    int length = GetWindowTextLengthA(edit);
    if (length <= 0) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
    if (!block) {
        ShowMessage(g_shell.frame, kStopBox, IDS_NO_MEMORY, nullptr);
        return nullptr;
    }
    char* text = static_cast<char*>(GlobalLock(block));
    GetWindowTextA(edit, text, length + 1);
    GlobalUnlock(block);
    return block;
}

int SelectedWord(HWND edit, char* destination, int maximum) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start >= end) return 0;
    int length = GetWindowTextLengthA(edit);
    if (length <= 0) return 0;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
    if (!block) return 0;
    const char* text = static_cast<const char*>(GlobalLock(block));
    GetWindowTextA(edit, const_cast<char*>(text), length + 1);

    if (end > static_cast<DWORD>(length)) end = length;
    if (end - start > static_cast<DWORD>(maximum)) end = start + maximum;
    while (end > start && !IsWordChar(static_cast<unsigned char>(text[end - 1]))) --end;
    while (start < end && !IsWordChar(static_cast<unsigned char>(text[start]))) ++start;
    int found = 0;
    if (end - start >= 2) {
        memcpy(destination, text + start, end - start);
        destination[end - start] = '\0';
        found = 1;
    }
    GlobalUnlock(block);
    GlobalFree(block);
    return found;
}

std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            // Another program's block need not end with a NUL: read no further than it.
            const SIZE_T size = GlobalSize(data);
            const void* nul = memchr(locked, 0, size);
            text.assign(locked, nul ? static_cast<const char*>(nul) - locked : size);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}
