// Dialogs and message boxes of another process, found and read from outside.
#include "tests/support/box.h"

#include <string.h>

#include <algorithm>

namespace qd {

namespace {

constexpr UINT kReadLimitMs = 1000;

std::string ClassOf(HWND window) {
    char name[64];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return FALSE;
}

// A dialog without controls (the start-up picture) is no box to answer.
bool HasControls(HWND window) {
    int count = 0;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    return count > 0;
}

BOOL CALLBACK CollectBox(HWND window, LPARAM search) {
    BoxSearch* s = reinterpret_cast<BoxSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == s->processId && IsWindowVisible(window) && ClassOf(window) == "#32770" &&
        HasControls(window))
        s->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

// The programs' texts are Windows-1252; failure messages are read as UTF-8.
std::string Utf8(const std::string& text) {
    if (text.empty()) return text;
    int wide = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), &utf16[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

std::string Quoted(const std::string& text) { return "\"" + Utf8(text) + "\""; }

}  // namespace

std::string ReadWindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReadLimitMs,
                             &length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, kReadLimitMs, &copied))
        return std::string();
    text.resize(copied);
    return text;
}

std::vector<HWND> FindBoxWindows(DWORD processId) {
    BoxSearch search{processId, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool TakesInput(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored) != 0;
}

Box ReadBox(HWND window) {
    Box box;
    box.window = window;
    box.title = ReadWindowText(window);
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        std::string kind = ClassOf(child);
        std::string text = ReadWindowText(child);
        if (_stricmp(kind.c_str(), "Static") == 0 && !text.empty())
            box.texts.push_back(text);
        else if (_stricmp(kind.c_str(), "Button") == 0)
            box.buttons.emplace_back(GetDlgCtrlID(child), text);
    }
    return box;
}

std::string Box::Describe() const {
    std::string text = Quoted(title) + ":";
    for (const std::string& line : texts) text += " " + Quoted(line);
    text += " buttons:";
    for (const auto& button : buttons)
        text += " " + Quoted(button.second) + "=" + std::to_string(button.first);
    return text;
}

void Box::Press(int buttonId, Caller at) const {
    HWND button = GetDlgItem(window, buttonId);
    if (!button) Fail(at, "no button " + std::to_string(buttonId) + " in " + Describe());
    // Posted, so that a button that opens another modal box cannot block the test.
    if (!PostMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)))
        Fail(at, "cannot press button " + std::to_string(buttonId) + " of " + Describe());
}

void ExpectMessageBox(const Box& box, const std::string& text, std::vector<int> buttonIds,
                      Caller at) {
    std::vector<int> found;
    for (const auto& button : box.buttons) found.push_back(button.first);
    std::sort(found.begin(), found.end());
    std::sort(buttonIds.begin(), buttonIds.end());
    bool textMatches = box.texts.size() == 1 && box.texts[0] == text;
    if (box.title != "Quendel" || !textMatches || found != buttonIds) {
        std::string ids;
        for (int id : buttonIds) ids += " " + std::to_string(id);
        ADD_FAILURE_AT(at.file, at.line) << "expected a message box \"Quendel\": " << Quoted(text)
                                         << " buttons:" << ids << "\n  found " << box.Describe();
    }
}

}  // namespace qd
