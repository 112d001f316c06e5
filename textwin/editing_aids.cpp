#include "textwin/editing_aids.h"

#include <string.h>

#include "app/shell_state.h"
#include "core/scanner.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "resources/resource_ids.h"
#include "settings/user_lexicon.h"
#include "textwin/text_windows.h"

char g_searchText[160];
bool g_matchCase;

namespace {

constexpr int kMaxSearchWord = 31;

void SelectAndShow(HWND edit, DWORD start, DWORD end) {
    SendMessageA(edit, EM_SETSEL, start, end);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void MarkFrom(bool keepStart) {
    const EditSelection selection = SelectionOf(g_windows.inputEdit);
    const int end = static_cast<int>(selection.end);
    int sentenceEnd = 0, sentenceStart = 0;
    {
        EditTextCopy copy(g_windows.inputEdit);
        if (!copy) {
            ShowMessage(g_shell.frame, kStopBox, IDS_NO_MEMORY, nullptr);
            return;
        }
        const int length = copy.length();
        sentenceEnd = FindSentenceEnd(copy.text(), length, end);
        sentenceStart = keepStart ? static_cast<int>(selection.start)
                                  : FindSentenceStart(copy.text(), length, end);
    }
    SelectAndShow(g_windows.inputEdit, sentenceStart, sentenceEnd);
}

// ---- Find dialog ----

void EnableFindButtons(HWND dialog) {
    bool hasText = GetWindowTextLengthA(GetDlgItem(dialog, IDC_SEARCH_TEXT)) > 0;
    EnableWindow(GetDlgItem(dialog, IDOK), hasText);
    EnableWindow(GetDlgItem(dialog, IDC_SEARCH_BACKWARD), hasText);
}

void ReportFind(HWND owner, int result) {
    if (result == kNotFound) ShowMessage(owner, kWarningBox, IDS_NOT_FOUND, g_searchText);
    if (result == kFindNoMemory) ShowMessage(owner, kWarningBox, IDS_NO_MEMORY, nullptr);
}

void SearchFromDialog(HWND dialog, int direction) {
    g_matchCase = IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED;
    GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, g_searchText, sizeof g_searchText);
    ReportFind(dialog, FindNext(direction));
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, IDC_MATCH_CASE, g_matchCase ? BST_CHECKED : BST_UNCHECKED);
        SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, g_searchText);
        EnableFindButtons(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SEARCH_TEXT:
            if (HIWORD(wParam) == EN_CHANGE) EnableFindButtons(dialog);
            return TRUE;
        case IDOK: SearchFromDialog(dialog, +1); return TRUE;
        case IDC_SEARCH_BACKWARD: SearchFromDialog(dialog, -1); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}

// ---- Context menus ----

void ShowContextMenu(HMENU menu, LPARAM clickPoint, HWND edit) {
    POINT point = {static_cast<short>(LOWORD(clickPoint)) + 4,
                   static_cast<short>(HIWORD(clickPoint)) + 4};
    ClientToScreen(edit, &point);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                   g_shell.frame, nullptr);
    DestroyMenu(menu);
}

void AddLexiconEntry(HMENU menu) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, CMD_EDIT_LEXICON, ProgramString(IDS_MENU_EDIT_LEXICON).c_str());
}

LRESULT TextEditRightClick(HWND edit, LPARAM point) {
    HWND window = GetParent(edit);
    BringWindowToTop(window);
    const bool input = edit == g_windows.inputEdit;
    const bool selection = HasSelection(g_windows.activeEdit ? g_windows.activeEdit : edit);
    const bool clipboard = ClipboardOffersText();
    if (!selection) {
        // The caret moves to where the user clicked.
        CallWindowProcA(g_windows.textEditProc, edit, WM_LBUTTONDOWN, MK_LBUTTON, point);
        CallWindowProcA(g_windows.textEditProc, edit, WM_LBUTTONUP, 0, point);
    }
    HMENU menu = CreatePopupMenu();
    if (input) {
        AppendMenuA(menu, MF_STRING, CMD_MARK_SENTENCE, ProgramString(IDS_MENU_MARK_SENTENCE).c_str());
        AppendMenuA(menu, MF_STRING, CMD_EXTEND_MARKING, ProgramString(IDS_MENU_EXTEND_MARKING).c_str());
        AppendMenuA(menu, MF_STRING, CMD_SELECT_ALL, ProgramString(IDS_MENU_SELECT_ALL).c_str());
        if (selection || clipboard) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    if (selection) {
        AppendMenuA(menu, MF_STRING, CMD_CUT, ProgramString(IDS_MENU_CUT).c_str());
        AppendMenuA(menu, MF_STRING, CMD_COPY, ProgramString(IDS_MENU_COPY).c_str());
    }
    if (clipboard) AppendMenuA(menu, MF_STRING, CMD_PASTE, ProgramString(IDS_MENU_PASTE).c_str());
    if (selection) {
        AppendMenuA(menu, MF_STRING, CMD_DELETE, ProgramString(IDS_MENU_DELETE).c_str());
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, CMD_FIND, ProgramString(IDS_MENU_FIND).c_str());
        if (input && g_userLexicon.inUse) AddLexiconEntry(menu);
    }
    ShowContextMenu(menu, point, edit);
    return 1;
}

LRESULT MessagesEditRightClick(HWND edit, LPARAM point) {
    BringWindowToTop(g_windows.messagesWindow);
    if (!HasSelection(edit)) return 1;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, CMD_FIND, ProgramString(IDS_MENU_FIND).c_str());
    if (g_userLexicon.inUse) AddLexiconEntry(menu);
    ShowContextMenu(menu, point, edit);
    return 1;
}

// Ctrl+click on a word opens the lexicon editor with it, as a double-click
// would select it.
LRESULT LeftClick(HWND edit, WNDPROC classProc, WPARAM wParam, LPARAM point) {
    LRESULT result = CallWindowProcA(classProc, edit, WM_LBUTTONDOWN, wParam, point);
    if (g_userLexicon.inUse && edit != g_windows.outputEdit && (GetKeyState(VK_CONTROL) & 0x8000)) {
        CallWindowProcA(classProc, edit, WM_LBUTTONUP, 0, point);
        CallWindowProcA(classProc, edit, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageA(g_shell.frame, WM_COMMAND, CMD_EDIT_LEXICON, 0);
        return 0;
    }
    return result;
}

}  // namespace

void MarkSentence() { MarkFrom(false); }

void ExtendMarking() { MarkFrom(true); }

bool MatchAt(const char* text, int length, int p) {
    const int searchLength = static_cast<int>(strlen(g_searchText));
    if (p < 0 || p + searchLength > length) return false;
    // Ignoring case lower-cases the search text itself, as the dialog then shows it.
    if (!g_matchCase) CharLowerA(g_searchText);
    for (int i = 0; i < searchLength; ++i) {
        char c = text[p + i];
        if (!g_matchCase) CharLowerBuffA(&c, 1);
        if (c != g_searchText[i]) return false;
    }
    return true;
}

int FindNext(int direction) {
    if (!g_searchText[0]) return kFound;
    HWND edit = g_windows.activeEdit;
    const int start = static_cast<int>(SelectionOf(edit).start & 0xFFFF);
    if (GetWindowTextLengthA(edit) == 0) return kNotFound;
    EditTextCopy copy(edit);
    if (!copy) return kFindNoMemory;
    const char* text = copy.text();
    const int length = copy.length();

    const int searchLength = static_cast<int>(strlen(g_searchText));
    int found = -1;
    if (direction > 0) {
        for (int p = start + 1; p <= length - searchLength && found < 0; ++p)
            if (MatchAt(text, length, p)) found = p;
    } else {
        for (int p = start - 1; p >= 0 && found < 0; --p)
            if (MatchAt(text, length, p)) found = p;
    }
    if (found < 0) return kNotFound;
    SelectAndShow(edit, found & 0xFFFF, (found + searchLength) & 0xFFFF);
    return kFound;
}

void RunFindDialog(HWND frame) {
    g_shell.helpContext = CMD_FIND;
    char word[kMaxSearchWord + 1];
    if (SelectedWord(g_windows.activeEdit, word, kMaxSearchWord)) lstrcpyA(g_searchText, word);
    DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_FIND), frame, FindDialogProc, 0);
    g_shell.helpContext = kDefaultHelpContext;
}

void FindCommand(HWND frame, int direction) { ReportFind(frame, FindNext(direction)); }

LRESULT CALLBACK TextEditHandler(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: return LeftClick(edit, g_windows.textEditProc, wParam, lParam);
    case WM_RBUTTONDOWN: return TextEditRightClick(edit, lParam);
    default: return CallWindowProcA(g_windows.textEditProc, edit, message, wParam, lParam);
    }
}

LRESULT CALLBACK MessagesEditHandler(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: return LeftClick(edit, g_windows.messagesEditProc, wParam, lParam);
    case WM_RBUTTONDOWN: return MessagesEditRightClick(edit, lParam);
    default: return CallWindowProcA(g_windows.messagesEditProc, edit, message, wParam, lParam);
    }
}
