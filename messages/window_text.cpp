#include "messages/window_text.h"

#include <string.h>

bool IsWordChar(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return c >= 192 || c == 138 || c == 140 || c == 154 || c == 156 || c == 159;
}

EditTextCopy::EditTextCopy(HWND edit) {
    length_ = GetWindowTextLengthA(edit);
    if (length_ < 0) length_ = 0;
    block_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(length_) + 1);
    if (!block_) return;
    text_ = static_cast<char*>(GlobalLock(block_));
    if (text_) GetWindowTextA(edit, text_, length_ + 1);
}

EditTextCopy::~EditTextCopy() {
    if (!block_) return;
    if (text_) GlobalUnlock(block_);
    GlobalFree(block_);
}

EditSelection SelectionOf(HWND edit) {
    EditSelection selection;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

bool HasSelection(HWND edit) {
    const EditSelection selection = SelectionOf(edit);
    return selection.start != selection.end;
}

bool ClipboardOffersText() { return IsClipboardFormatAvailable(CF_TEXT) != 0; }

int SelectedWord(HWND edit, char* destination, int maximum) {
    const EditSelection selection = SelectionOf(edit);
    DWORD start = selection.start, end = selection.end;
    if (start >= end) return 0;
    EditTextCopy copy(edit);
    if (!copy || copy.length() == 0) return 0;
    const char* text = copy.text();
    const DWORD length = static_cast<DWORD>(copy.length());
    if (end > length) end = length;
    if (end - start > static_cast<DWORD>(maximum)) end = start + maximum;
    while (end > start && !IsWordChar(static_cast<unsigned char>(text[end - 1]))) --end;
    while (start < end && !IsWordChar(static_cast<unsigned char>(text[start]))) ++start;
    if (end - start < 2) return 0;
    memcpy(destination, text + start, end - start);
    destination[end - start] = '\0';
    return 1;
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
