#include "lexicon/editor_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "lexicon/editor_entries.h"
#include "lexicon/editor_ids.h"
#include "lexicon/editor_store.h"

namespace {

constexpr char kBoxTitle[] = "Quendel";
constexpr int kMaxTypedChars = 255;        // per field; the file itself sets no limit
constexpr std::size_t kMaxStartWord = 255;  // the program hands over at most 31
constexpr LPARAM kOtherPart = -1;  // combo item of a part-of-speech code outside the list
constexpr int kWindowGap = 6;      // pixels between the two windows

HWND g_entryWindow;
HWND g_listWindow;

// One lexicon file, shown and edited by both windows.
struct Session {
    HINSTANCE instance = nullptr;
    HWND owner = nullptr;
    std::string path;
    std::string direction;  // "" takes either
    int* helpContext = nullptr;
    void(WINAPI* help)(void) = nullptr;
    LexiconContent content;  // the file as last read or written

    // The entry window steps through the entries of one word.
    std::string word;
    std::vector<std::size_t> matches;  // positions in content.entries
    std::size_t shown = 0;             // index into matches; matches.size() for a new entry

    std::vector<std::size_t> listed;  // the list window's rows, positions in content.entries
};

Session g_session;

// ---- Small helpers ----

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(item);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    length = GetWindowTextA(item, &text[0], length + 1);
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void SetStatus(HWND dialog, const std::string& text) { SetItemText(dialog, IDC_LEXED_STATUS, text); }

void FocusItem(HWND dialog, int id) {
    // WM_NEXTDLGCTL, unlike SetFocus, also selects an edit's text and moves the default button.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

// A button that loses its use is disabled; if it held the focus, the focus goes on to
// the translation, so that the keyboard still reaches the window.
void EnableItem(HWND dialog, int id, bool enable) {
    HWND item = GetDlgItem(dialog, id);
    if (!enable && GetFocus() == item) FocusItem(dialog, IDC_LEXED_TRANSLATION);
    EnableWindow(item, enable);
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    if (window) GetClassNameA(window, name, sizeof name);
    return name;
}

void ShowMessage(HWND owner, const std::string& text, UINT icon) {
    MessageBoxA(owner, text.c_str(), kBoxTitle, MB_OK | icon);
}

void ShowHelp(int context) {
    if (!g_session.help) return;
    int* variable = g_session.helpContext;
    const int previous = variable ? *variable : 0;
    if (variable) *variable = context;
    g_session.help();
    // The callback has read our context; the program's own one is back for its F1.
    if (variable) *variable = previous;
}

std::string AreaName(const std::string& code) {
    for (const LexiconArea& area : g_session.content.areas)
        if (area.code == code) return area.name;
    return code;
}

// ---- Combo boxes ----

int AddComboItem(HWND combo, const std::string& text, LPARAM data) {
    LRESULT item = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(combo, CB_SETITEMDATA, item, data);
    return static_cast<int>(item);
}

// The selected item's data, or def when nothing is selected.
LPARAM SelectedData(HWND dialog, int id, LPARAM def, int* item = nullptr) {
    HWND combo = GetDlgItem(dialog, id);
    LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (item) *item = static_cast<int>(selected);
    return selected == CB_ERR ? def : SendMessageA(combo, CB_GETITEMDATA, selected, 0);
}

// "(keine Angabe)", the editor's parts of speech, and a code from the file that the
// list lacks, so that saving such an entry keeps its code.
void FillPartCombo(HWND dialog, const std::string& code) {
    HWND combo = GetDlgItem(dialog, IDC_LEXED_PART);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int selected = AddComboItem(combo, "(keine Angabe)", 0);
    for (std::size_t i = 0; i < kPartOfSpeechCount; ++i) {
        int item = AddComboItem(combo, kPartsOfSpeech[i].name, static_cast<LPARAM>(i + 1));
        if (code == kPartsOfSpeech[i].code) selected = item;
    }
    if (!code.empty() && PartOfSpeechName(code) == code) selected = AddComboItem(combo, code, kOtherPart);
    SendMessageA(combo, CB_SETCURSEL, selected, 0);
}

std::string SelectedPart(HWND dialog) {
    int item = 0;
    LPARAM data = SelectedData(dialog, IDC_LEXED_PART, 0, &item);
    if (data == kOtherPart) {
        HWND combo = GetDlgItem(dialog, IDC_LEXED_PART);
        std::string text(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, item, 0)) + 1, '\0');
        LRESULT length = SendMessageA(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        return text;
    }
    if (data >= 1 && data <= static_cast<LPARAM>(kPartOfSpeechCount)) return kPartsOfSpeech[data - 1].code;
    return "";
}

// "(alle)" for no area, then the lexicon's own areas in file order.
void FillAreaCombo(HWND dialog, const std::string& code) {
    HWND combo = GetDlgItem(dialog, IDC_LEXED_AREA);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int selected = AddComboItem(combo, "(alle)", 0);
    const std::vector<LexiconArea>& areas = g_session.content.areas;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        int item = AddComboItem(combo, areas[i].name, static_cast<LPARAM>(i + 1));
        if (areas[i].code == code) selected = item;
    }
    SendMessageA(combo, CB_SETCURSEL, selected, 0);
}

std::string SelectedArea(HWND dialog) {
    LPARAM data = SelectedData(dialog, IDC_LEXED_AREA, 0);
    const std::vector<LexiconArea>& areas = g_session.content.areas;
    if (data >= 1 && static_cast<std::size_t>(data) <= areas.size()) return areas[data - 1].code;
    return "";
}

// ---- The list window's content ----

std::string CellText(const LexiconEntry& entry, int column) {
    switch (column) {
    case 0: return entry.source;
    case 1: return entry.translation;
    case 2: return PartOfSpeechName(entry.partOfSpeech);
    case 3: return entry.area.empty() ? "" : AreaName(entry.area);
    default: return "";
    }
}

HWND ListControl() { return GetDlgItem(g_listWindow, IDC_LEXED_ENTRIES); }

int SelectedRow() {
    if (!g_listWindow) return -1;
    int row = static_cast<int>(SendMessageA(ListControl(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                            LVNI_SELECTED));
    return row >= 0 && static_cast<std::size_t>(row) < g_session.listed.size() ? row : -1;
}

void SelectRow(HWND list, int row) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (row < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
}

std::string CountText(std::size_t listed, std::size_t all) {
    if (listed == all) return std::to_string(all) + (all == 1 ? " Eintrag" : " Einträge");
    return std::to_string(listed) + " von " + std::to_string(all) + " Einträgen";
}

// Lists the entries that match the filter; keep (if given) stays selected, else a
// filter selects its first match, so that Enter opens it.
void RefreshList(const LexiconEntry* keep) {
    if (!g_listWindow) return;
    const std::string filter = ItemText(g_listWindow, IDC_LEXED_FILTER);
    g_session.listed = ListedEntries(g_session.content, filter);
    HWND list = ListControl();
    SendMessageA(list, LVM_SETITEMCOUNT, g_session.listed.size(), 0);
    int row = -1;
    for (std::size_t i = 0; keep && i < g_session.listed.size() && row < 0; ++i)
        if (SameEntryKey(g_session.content.entries[g_session.listed[i]], *keep)) row = static_cast<int>(i);
    if (row < 0 && !TrimBlanks(filter).empty() && !g_session.listed.empty()) row = 0;
    SelectRow(list, row);
    InvalidateRect(list, nullptr, TRUE);
    SetItemText(g_listWindow, IDC_LEXED_COUNT,
                CountText(g_session.listed.size(), g_session.content.entries.size()));
}

// ---- The entry window's content ----

LexiconEntry Fields(HWND dialog) {
    return LexiconEntry{ItemText(dialog, IDC_LEXED_SOURCE), ItemText(dialog, IDC_LEXED_TRANSLATION),
                        SelectedPart(dialog), SelectedArea(dialog)};
}

void ShowFields(HWND dialog, const LexiconEntry& entry) {
    SetItemText(dialog, IDC_LEXED_SOURCE, entry.source);
    SetItemText(dialog, IDC_LEXED_TRANSLATION, entry.translation);
    FillPartCombo(dialog, entry.partOfSpeech);
    FillAreaCombo(dialog, entry.area);
}

void ShowPosition(HWND dialog) {
    const std::size_t count = g_session.matches.size(), shown = g_session.shown;
    std::string text;
    if (shown < count) text = "Eintrag " + std::to_string(shown + 1) + " von " + std::to_string(count);
    else if (count == 0) text = "Neuer Eintrag";
    else text = "Neuer Eintrag (" + std::to_string(count) + " vorhanden)";
    SetItemText(dialog, IDC_LEXED_POSITION, text);
    EnableItem(dialog, IDC_LEXED_PREVIOUS, shown > 0);
    EnableItem(dialog, IDC_LEXED_NEXT, shown + 1 < count);
}

// The word whose entries the window steps through, and which one it shows.
void SetWord(const std::string& word) {
    g_session.word = word;
    g_session.matches = EntriesOfWord(g_session.content, word);
    g_session.shown = 0;
}

std::size_t MatchOf(const LexiconEntry& key) {
    for (std::size_t i = 0; i < g_session.matches.size(); ++i)
        if (SameEntryKey(g_session.content.entries[g_session.matches[i]], key)) return i;
    return 0;
}

// Shows match number index, or a new entry of the word past the last one.
void ShowMatch(HWND dialog, std::size_t index) {
    g_session.shown = std::min(index, g_session.matches.size());
    if (g_session.shown < g_session.matches.size())
        ShowFields(dialog, g_session.content.entries[g_session.matches[g_session.shown]]);
    else
        ShowFields(dialog, LexiconEntry{g_session.word, "", "", ""});
    ShowPosition(dialog);
}

// The file as just read or written; the area list may have changed with it.
void TakeContent(LexiconContent content) {
    const std::string area = g_entryWindow ? SelectedArea(g_entryWindow) : "";
    const int row = SelectedRow();
    LexiconEntry keep = row >= 0 ? g_session.content.entries[g_session.listed[row]] : LexiconEntry{};
    g_session.content = std::move(content);
    // Positions into the old content mean nothing now.
    g_session.matches = EntriesOfWord(g_session.content, g_session.word);
    g_session.shown = std::min(g_session.shown, g_session.matches.size());
    if (g_entryWindow) FillAreaCombo(g_entryWindow, area);
    RefreshList(row >= 0 ? &keep : nullptr);
}

// ---- Messages about a failed change ----

bool IsFileFailure(EditorFailure failure) {
    switch (failure) {
    case EditorFailure::Missing: case EditorFailure::Unreadable: case EditorFailure::Foreign:
    case EditorFailure::NewerVersion: case EditorFailure::Damaged:
    case EditorFailure::WrongDirection: case EditorFailure::WriteFailed: case EditorFailure::Full:
        return true;
    default:
        return false;
    }
}

int FieldOf(EditorFailure failure) {
    switch (failure) {
    case EditorFailure::NoSource: return IDC_LEXED_SOURCE;
    case EditorFailure::UnknownArea: return IDC_LEXED_AREA;
    default: return IDC_LEXED_TRANSLATION;
    }
}

// Tells the user why a change failed and returns true; false when it succeeded.
bool ReportFailure(HWND dialog, EditOutcome& outcome) {
    if (outcome.failure == EditorFailure::None) return false;
    const bool fileFailure = IsFileFailure(outcome.failure);
    ShowMessage(dialog, FailureMessage(outcome.failure, g_session.path),
                fileFailure ? MB_ICONSTOP : MB_ICONEXCLAMATION);
    if (fileFailure) {
        SetStatus(dialog, "Nichts gespeichert.");
        return true;
    }
    // The file was read and is sound: show what it holds now.
    TakeContent(std::move(outcome.content));
    SetStatus(dialog, "");
    if (IsWindow(dialog)) FocusItem(dialog, FieldOf(outcome.failure));
    return true;
}

// ---- The entry window's buttons ----

void SaveShownEntry(HWND dialog) {
    LexiconEntry entry = Fields(dialog);
    EditOutcome outcome = SaveEntryToFile(g_session.path.c_str(), g_session.direction, entry);
    if (ReportFailure(dialog, outcome)) return;
    entry.source = TrimBlanks(entry.source);
    TakeContent(std::move(outcome.content));
    SetWord(entry.source);
    ShowMatch(dialog, MatchOf(entry));
    RefreshList(&entry);
    SetStatus(dialog, outcome.change == EntryChange::Added ? "Der Eintrag wurde hinzugefügt."
                                                           : "Der Eintrag wurde geändert.");
}

void DeleteShownEntry(HWND dialog) {
    LexiconEntry key = Fields(dialog);
    key.source = TrimBlanks(key.source);
    if (key.source.empty()) {
        ShowMessage(dialog, FailureMessage(EditorFailure::NoSource, g_session.path), MB_ICONEXCLAMATION);
        FocusItem(dialog, IDC_LEXED_SOURCE);
        return;
    }
    const std::string question = "Den Eintrag '" + key.source + "' aus dem Lexikon löschen?";
    if (MessageBoxA(dialog, question.c_str(), kBoxTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) return;

    const std::size_t was = g_session.shown;
    EditOutcome outcome = DeleteEntryFromFile(g_session.path.c_str(), g_session.direction, key);
    if (ReportFailure(dialog, outcome)) return;
    TakeContent(std::move(outcome.content));
    SetWord(key.source);
    // The next entry of the word takes the deleted one's place; none left: a new one.
    ShowMatch(dialog, g_session.matches.empty() ? 0 : std::min(was, g_session.matches.size() - 1));
    SetStatus(dialog, "Der Eintrag wurde gelöscht.");
}

// Keeps the source word, so that another meaning of it is quickly entered; it is
// selected, so typing replaces it.
void StartNewEntry(HWND dialog) {
    SetWord(TrimBlanks(ItemText(dialog, IDC_LEXED_SOURCE)));
    ShowMatch(dialog, g_session.matches.size());
    SetStatus(dialog, "");
    FocusItem(dialog, IDC_LEXED_SOURCE);
}

void StepThroughWord(HWND dialog, int step) {
    const std::size_t shown = g_session.shown;
    if (step < 0 && shown == 0) return;
    ShowMatch(dialog, step < 0 ? shown - 1 : shown + 1);
    SetStatus(dialog, "");
}

HWND EnsureListWindow();

void ShowListWindow() {
    if (HWND list = EnsureListWindow()) {
        ShowWindow(list, SW_SHOW);
        SetActiveWindow(list);
    }
}

void OnEntryButton(HWND dialog, int id) {
    switch (id) {
    case IDOK: SaveShownEntry(dialog); break;
    case IDC_LEXED_DELETE: DeleteShownEntry(dialog); break;
    case IDC_LEXED_NEW: StartNewEntry(dialog); break;
    case IDC_LEXED_PREVIOUS: StepThroughWord(dialog, -1); break;
    case IDC_LEXED_NEXT: StepThroughWord(dialog, +1); break;
    case IDC_LEXED_SHOW_LIST: ShowListWindow(); break;
    case IDC_LEXED_HELP: ShowHelp(LEXED_HELP_ENTRY); break;
    case IDCANCEL: DestroyWindow(dialog); break;
    }
}

INT_PTR HandleEntryMessage(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, IDC_LEXED_SOURCE, EM_LIMITTEXT, kMaxTypedChars, 0);
        SendDlgItemMessageA(dialog, IDC_LEXED_TRANSLATION, EM_LIMITTEXT, kMaxTypedChars, 0);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        OnEntryButton(dialog, LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        ShowHelp(LEXED_HELP_ENTRY);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        // Also when the program destroys the window: its loop must not see it again.
        if (g_entryWindow == dialog) g_entryWindow = nullptr;
        return FALSE;
    }
    return FALSE;
}

// No exception may leave a window procedure: the system's code is between us and
// any handler.
INT_PTR CALLBACK EntryWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    try {
        return HandleEntryMessage(dialog, message, wParam);
    } catch (...) {
        return FALSE;
    }
}

// ---- The list window ----

void AddColumns(HWND list) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    const struct {
        const char* title;
        int percent;
    } columns[] = {{"Ausgangswort", 28}, {"Übersetzung", 28}, {"Wortart", 22}, {"Sachgebiet", 22}};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(columns[i].title);
        column.cx = width * columns[i].percent / 100;
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

HWND EnsureEntryWindow();

void EditListedEntry() {
    int row = SelectedRow();
    if (row < 0 && !g_session.listed.empty()) row = 0;
    if (row < 0) return;
    const LexiconEntry entry = g_session.content.entries[g_session.listed[row]];
    HWND dialog = EnsureEntryWindow();
    if (!dialog) return;
    SetWord(entry.source);
    ShowMatch(dialog, MatchOf(entry));
    SetStatus(dialog, "");
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    FocusItem(dialog, IDC_LEXED_TRANSLATION);
}

// The list asks for the text of each row it shows (it holds no items of its own).
void FillCell(NMLVDISPINFOA& info) {
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
    info.item.pszText[0] = '\0';
    if (info.item.iItem < 0 || static_cast<std::size_t>(info.item.iItem) >= g_session.listed.size()) return;
    const LexiconEntry& entry = g_session.content.entries[g_session.listed[info.item.iItem]];
    lstrcpynA(info.item.pszText, CellText(entry, info.item.iSubItem).c_str(), info.item.cchTextMax);
}

INT_PTR OnListNotify(const NMHDR& header) {
    if (header.idFrom != IDC_LEXED_ENTRIES) return FALSE;
    switch (header.code) {
    case LVN_GETDISPINFOA:
        FillCell(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
        return TRUE;
    case NM_DBLCLK:
        if (SelectedRow() >= 0) EditListedEntry();
        return TRUE;
    }
    return FALSE;
}

INT_PTR HandleListMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        AddColumns(GetDlgItem(dialog, IDC_LEXED_ENTRIES));
        SendDlgItemMessageA(dialog, IDC_LEXED_FILTER, EM_LIMITTEXT, kMaxTypedChars, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LEXED_FILTER && HIWORD(wParam) == EN_CHANGE) {
            if (g_listWindow == dialog) RefreshList(nullptr);
            return TRUE;
        }
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        if (LOWORD(wParam) == IDOK) EditListedEntry();
        else if (LOWORD(wParam) == IDC_LEXED_HELP) ShowHelp(LEXED_HELP_LIST);
        else if (LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
        return TRUE;
    case WM_NOTIFY:
        return OnListNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HELP:
        ShowHelp(LEXED_HELP_LIST);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        if (g_listWindow == dialog) g_listWindow = nullptr;
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK ListWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleListMessage(dialog, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

// ---- Creating and placing the windows ----

RECT WorkArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int WidthOf(const RECT& rect) { return rect.right - rect.left; }

// Moves window to (x, y), pulled back inside the work area where it would stick out.
void PlaceInside(HWND window, int x, int y) {
    const RECT area = WorkArea();
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = WidthOf(rect), height = rect.bottom - rect.top;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The entry window opens over the owner's right edge, so that the text the word came
// from stays in sight (and Wine without a window manager leaves a window that lies
// wholly inside another one unpainted). The list goes beside it, or below it when
// the screen has no room there.
void PlaceNewWindow(HWND window, HWND beside) {
    RECT own;
    GetWindowRect(window, &own);
    if (beside) {
        RECT anchor;
        GetWindowRect(beside, &anchor);
        if (anchor.right + kWindowGap + WidthOf(own) <= WorkArea().right)
            PlaceInside(window, anchor.right + kWindowGap, anchor.top);
        else
            PlaceInside(window, anchor.left, anchor.bottom + kWindowGap);
        return;
    }
    RECT owner{0, 0, 0, 0};
    if (!g_session.owner || !GetWindowRect(g_session.owner, &owner)) {
        PlaceInside(window, 40, 40);
        return;
    }
    PlaceInside(window, owner.right - WidthOf(own) / 3, owner.top + 60);
}

HWND CreateEditorWindow(int templateId, DLGPROC procedure) {
    return CreateDialogParamA(g_session.instance, MAKEINTRESOURCEA(templateId), g_session.owner,
                              procedure, 0);
}

HWND EnsureEntryWindow() {
    if (g_entryWindow) return g_entryWindow;
    g_entryWindow = CreateEditorWindow(IDD_LEXED_ENTRY, EntryWindowProc);
    if (!g_entryWindow) return nullptr;
    PlaceNewWindow(g_entryWindow, nullptr);
    EnableWindow(GetDlgItem(g_entryWindow, IDC_LEXED_HELP), g_session.help != nullptr);
    FillAreaCombo(g_entryWindow, "");
    return g_entryWindow;
}

HWND EnsureListWindow() {
    if (g_listWindow) return g_listWindow;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    g_listWindow = CreateEditorWindow(IDD_LEXED_LIST, ListWindowProc);
    if (!g_listWindow) return nullptr;
    PlaceNewWindow(g_listWindow, g_entryWindow);
    EnableWindow(GetDlgItem(g_listWindow, IDC_LEXED_HELP), g_session.help != nullptr);
    RefreshList(nullptr);
    return g_listWindow;
}

void CloseEditorWindows() {
    if (g_entryWindow) DestroyWindow(g_entryWindow);
    if (g_listWindow) DestroyWindow(g_listWindow);
    g_entryWindow = g_listWindow = nullptr;
}

std::string StartWord(const char* word) {
    if (!word) return "";
    return CleanStartWord(std::string(word, strnlen(word, kMaxStartWord)));
}

}  // namespace

bool OpenLexiconEditorWindows(HINSTANCE instance, const EditorRequest& request) {
    const std::string path = request.path ? request.path : "";
    if (path.empty()) return false;
    // Windows on another lexicon, or of another owner, would show and write the wrong file.
    if (path != g_session.path || request.owner != g_session.owner) CloseEditorWindows();

    const std::string direction = ExpectedDirection(ClassOf(request.owner), path);
    LexiconContent content;
    EditorFailure failure = ReadLexiconForEditing(path.c_str(), direction, content);
    if (failure != EditorFailure::None) {
        ShowMessage(request.owner, FailureMessage(failure, path), MB_ICONSTOP);
        return false;
    }

    g_session.instance = instance;
    g_session.owner = request.owner;
    g_session.path = path;
    g_session.direction = direction;
    g_session.helpContext = request.helpContext;
    g_session.help = request.help;
    TakeContent(std::move(content));

    // The entry window first: the list window takes its place beside it.
    HWND entry = EnsureEntryWindow();
    HWND list = EnsureListWindow();
    if (!entry) return false;
    SetWord(StartWord(request.word));
    ShowMatch(entry, 0);
    if (!g_session.word.empty())
        SetStatus(entry, request.fromSelection ? "Wort aus der Markierung." : "Wort aus der Zwischenablage.");
    else
        SetStatus(entry, "");

    if (list) ShowWindow(list, SW_SHOWNA);
    ShowWindow(entry, SW_SHOW);
    SetActiveWindow(entry);
    FocusItem(entry, g_session.word.empty() ? IDC_LEXED_SOURCE : IDC_LEXED_TRANSLATION);
    return true;
}

HWND* EntryWindowVariable() { return &g_entryWindow; }

HWND* ListWindowVariable() { return &g_listWindow; }
