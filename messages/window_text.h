#pragma once
#include <windows.h>

#include <string>

// A zero-filled copy of an edit window's whole text, freed when it goes out of
// scope. The block is moveable memory so that a short heap shows as a failed
// copy (each caller decides which message that is) and not as an exception.
class EditTextCopy {
public:
    explicit EditTextCopy(HWND edit);
    ~EditTextCopy();
    EditTextCopy(const EditTextCopy&) = delete;
    EditTextCopy& operator=(const EditTextCopy&) = delete;

    explicit operator bool() const { return text_ != nullptr; }
    char* text() const { return text_; }
    int length() const { return length_; }

private:
    HGLOBAL block_ = nullptr;
    char* text_ = nullptr;
    int length_ = 0;
};

// An edit window's selection as EM_GETSEL reports it.
struct EditSelection {
    DWORD start = 0;
    DWORD end = 0;
};
EditSelection SelectionOf(HWND edit);
bool HasSelection(HWND edit);

// Whether the clipboard offers plain text (CF_TEXT, also when converted from
// another text format).
bool ClipboardOffersText();

// The word in the window's selection (at most maximum characters of it, trimmed
// of everything that is no word character). 1 and the word in destination, or 0
// with destination untouched.
int SelectedWord(HWND edit, char* destination, int maximum);

// Letters and digits of Windows-1252 that make up a word here.
bool IsWordChar(unsigned char c);

// The clipboard's plain text (CF_TEXT), or empty when it offers none.
std::string ClipboardText(HWND owner);
