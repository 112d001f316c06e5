// The lexicon editor through MBXDLL's own ordinals, as the program calls it: its
// windows are driven in-process through their controls, and the file is checked.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "lexicon/editor_ids.h"
#include "lexicon/user_lexicon_io.h"

namespace {

using EditorEntry = int(WINAPI*)(HWND, const char*, int, const char*, int*, void(WINAPI*)(void), int);
using WindowsEntry = void(WINAPI*)(HWND**, HWND**);

const std::string kLexicon =
    "QUENDEL USER LEXICON\t1\r\n"
    "direction\tGtoE\r\n"
    "area\tbanking\tFinanzwesen\r\n"
    "area\tkfz\tAutomobil\r\n"
    "entry\tBank\tbank\tnoun\tbanking\r\n"
    "entry\tZug\ttrain\tnoun\t\r\n"
    "entry\tBank\tbench\tnoun\t\r\n"
    "end\t3\r\n";

constexpr DWORD kBoxLimitMs = 5000;

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct ThreadBoxes {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM boxes) {
    if (ClassOf(window) == "#32770" && IsWindowVisible(window))
        reinterpret_cast<ThreadBoxes*>(boxes)->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    std::string* out = reinterpret_cast<std::string*>(text);
    if (_stricmp(ClassOf(child).c_str(), "Static") == 0 && out->empty()) *out = TextOf(child);
    return TRUE;
}

std::vector<HWND> DialogsOf(DWORD thread) {
    ThreadBoxes boxes;
    EnumThreadWindows(thread, CollectDialog, reinterpret_cast<LPARAM>(&boxes));
    return boxes.found;
}

// Answers the next message box of this thread from a second thread: the box runs
// its own loop on this thread while the call that opened it waits. The dialogs open
// when it starts (the editor's windows) are not taken for the box.
class BoxAnswer {
public:
    explicit BoxAnswer(int button) : button_(button), thread_(GetCurrentThreadId()) {
        before_ = DialogsOf(thread_);
        answerer_ = std::thread([this] { Run(); });
    }
    ~BoxAnswer() { Wait(); }

    // Once the box was answered (or none came): its title and text.
    std::string Title() { Wait(); return title_; }
    std::string Text() { Wait(); return text_; }
    bool Came() { Wait(); return came_; }

private:
    void Wait() {
        if (answerer_.joinable()) answerer_.join();
    }
    bool Known(HWND window) const {
        for (HWND old : before_)
            if (old == window) return true;
        return false;
    }
    void Run() {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < kBoxLimitMs) {
            for (HWND box : DialogsOf(thread_)) {
                if (Known(box)) continue;
                title_ = TextOf(box);
                EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text_));
                came_ = true;
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, button_)));
                return;
            }
            Sleep(20);
        }
    }

    int button_;
    DWORD thread_;
    std::vector<HWND> before_;
    std::string title_, text_;
    bool came_ = false;
    std::thread answerer_;
};

std::atomic<int> g_helpCalls;
int* g_helpVariable;
int g_contextSeen;

void WINAPI RecordHelp() {
    ++g_helpCalls;
    g_contextSeen = g_helpVariable ? *g_helpVariable : -1;
}

LRESULT CALLBACK PlainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A stand-in for the program's frame, of the class the editor may ask for.
HWND MakeOwner(const char* className) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainWindow;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);  // already there from an earlier test: fine
    return CreateWindowExA(0, className, "Quendel", WS_OVERLAPPEDWINDOW, 10, 10, 500, 400, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

class LexiconEditorDll : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = LoadLibraryA("MBXDLL.dll");
        ASSERT_TRUE(library_);
        open_ = reinterpret_cast<EditorEntry>(GetProcAddress(library_, MAKEINTRESOURCEA(3)));
        WindowsEntry windows = reinterpret_cast<WindowsEntry>(GetProcAddress(library_, MAKEINTRESOURCEA(6)));
        ASSERT_TRUE(open_);
        ASSERT_TRUE(windows);
        windows(&entryVariable_, &listVariable_);
        ASSERT_TRUE(entryVariable_);
        ASSERT_TRUE(listVariable_);

        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        path_ = std::string(folder) + "qd_lexed_dll_" + std::to_string(GetCurrentProcessId()) + ".DE";
        WriteLexicon(kLexicon);
        owner_ = MakeOwner("LexEdTestFrame");
        ASSERT_TRUE(owner_);
        helpContext_ = 4711;
        g_helpVariable = &helpContext_;
        g_helpCalls = 0;
    }
    void TearDown() override {
        if (*entryVariable_) DestroyWindow(*entryVariable_);
        if (*listVariable_) DestroyWindow(*listVariable_);
        DestroyWindow(owner_);
        DeleteFileA(path_.c_str());
        FreeLibrary(library_);
    }

    void WriteLexicon(const std::string& bytes) {
        ASSERT_EQ(ReplaceFileContent(path_.c_str(), bytes), LexiconStatus::Ok);
    }
    std::string FileBytes() {
        std::string bytes;
        ReadWholeFile(path_.c_str(), kMaxLexiconFileBytes, bytes);
        return bytes;
    }
    std::vector<std::string> FileEntries() {
        LexiconContent content;
        EXPECT_EQ(ReadUserLexiconFile(path_.c_str(), content), LexiconStatus::Ok);
        std::vector<std::string> lines;
        for (const LexiconEntry& e : content.entries)
            lines.push_back(e.source + "|" + e.translation + "|" + e.partOfSpeech + "|" + e.area);
        return lines;
    }

    int Open(const char* word, int fromSelection = 1) {
        return open_(owner_, path_.c_str(), 2, word, &helpContext_, RecordHelp, fromSelection);
    }
    HWND Entry() const { return *entryVariable_; }
    HWND List() const { return *listVariable_; }
    HWND Item(HWND window, int id) const { return GetDlgItem(window, id); }
    std::string Field(int id) const { return TextOf(Item(Entry(), id)); }
    void SetField(int id, const std::string& text) { SetWindowTextA(Item(Entry(), id), text.c_str()); }
    std::string ComboText(int id) const {
        HWND combo = Item(Entry(), id);
        LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
        char text[128] = "";
        if (item >= 0) SendMessageA(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Choose(int id, const char* text) {
        ASSERT_NE(SendMessageA(Item(Entry(), id), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(text)),
                  CB_ERR)
            << text;
    }
    static void Press(HWND window, int id) {
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    }

    // The list window's rows as "source|translation|part|area", as it shows them.
    std::vector<std::string> ListedRows() {
        HWND list = Item(List(), IDC_LEXED_ENTRIES);
        std::vector<std::string> rows;
        int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            std::string line;
            for (int column = 0; column < 4; ++column) {
                char text[128] = "";
                LVITEMA item{};
                item.iSubItem = column;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
                line += (column ? "|" : "") + std::string(text);
            }
            rows.push_back(line);
        }
        return rows;
    }
    void SelectRow(int row) {
        LVITEMA state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(Item(List(), IDC_LEXED_ENTRIES), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    HMODULE library_ = nullptr;
    EditorEntry open_ = nullptr;
    HWND* entryVariable_ = nullptr;
    HWND* listVariable_ = nullptr;
    HWND owner_ = nullptr;
    std::string path_;
    int helpContext_ = 0;
};

TEST_F(LexiconEditorDll, OpensBothWindowsOwnedByTheProgramAndReturnsAtOnce) {
    EXPECT_EQ(Open("Haus"), 1);
    ASSERT_TRUE(Entry());
    ASSERT_TRUE(List());
    EXPECT_TRUE(IsWindowVisible(Entry()));
    EXPECT_TRUE(IsWindowVisible(List()));
    EXPECT_EQ(GetWindow(Entry(), GW_OWNER), owner_);
    EXPECT_EQ(GetWindow(List(), GW_OWNER), owner_);
    EXPECT_EQ(TextOf(Entry()), "Benutzerlexikon \x96 Eintrag");
    EXPECT_EQ(TextOf(List()), "Benutzerlexikon \x96 Eintr\xE4ge");
    EXPECT_FALSE(GetWindowLongA(Entry(), GWL_STYLE) & DS_MODALFRAME);
    EXPECT_EQ(Field(IDC_LEXED_SOURCE), "Haus");
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Neuer Eintrag");
    EXPECT_EQ(Field(IDC_LEXED_STATUS), "Wort aus der Markierung.");
    EXPECT_EQ(ComboText(IDC_LEXED_AREA), "(alle)");
    EXPECT_EQ(GetFocus(), Item(Entry(), IDC_LEXED_TRANSLATION));
}

TEST_F(LexiconEditorDll, TheComboBoxesOfferThePartsOfSpeechAndTheLexiconsAreas) {
    Open("Haus");
    HWND part = Item(Entry(), IDC_LEXED_PART), area = Item(Entry(), IDC_LEXED_AREA);
    EXPECT_EQ(SendMessageA(part, CB_GETCOUNT, 0, 0), 12);  // "(keine Angabe)" and eleven
    ASSERT_EQ(SendMessageA(area, CB_GETCOUNT, 0, 0), 3);
    char text[64];
    SendMessageA(area, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Automobil");
    SendMessageA(part, CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Pr\xE4position");
}

TEST_F(LexiconEditorDll, SavingWritesTheEntryToTheFileAtOnce) {
    Open("laufen");
    SetField(IDC_LEXED_TRANSLATION, "run");
    Choose(IDC_LEXED_PART, "Verb");
    Choose(IDC_LEXED_AREA, "Automobil");
    Press(Entry(), IDOK);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"Bank|bank|noun|banking", "Zug|train|noun|",
                                                       "Bank|bench|noun|", "laufen|run|verb|kfz"}));
    EXPECT_EQ(Field(IDC_LEXED_STATUS), "Der Eintrag wurde hinzugef\xFCgt.");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Eintrag 1 von 1");
}

TEST_F(LexiconEditorDll, AnExistingWordShowsItsFirstEntryAndStepsThroughTheOthers) {
    Open("bank");
    EXPECT_EQ(Field(IDC_LEXED_SOURCE), "Bank");
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "bank");
    EXPECT_EQ(ComboText(IDC_LEXED_PART), "Substantiv");
    EXPECT_EQ(ComboText(IDC_LEXED_AREA), "Finanzwesen");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Eintrag 1 von 2");
    EXPECT_FALSE(IsWindowEnabled(Item(Entry(), IDC_LEXED_PREVIOUS)));
    EXPECT_TRUE(IsWindowEnabled(Item(Entry(), IDC_LEXED_NEXT)));

    Press(Entry(), IDC_LEXED_NEXT);
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "bench");
    EXPECT_EQ(ComboText(IDC_LEXED_AREA), "(alle)");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Eintrag 2 von 2");
    EXPECT_FALSE(IsWindowEnabled(Item(Entry(), IDC_LEXED_NEXT)));

    Press(Entry(), IDC_LEXED_PREVIOUS);
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "bank");
}

TEST_F(LexiconEditorDll, SavingAChangedTranslationReplacesTheEntry) {
    Open("Zug");
    SetField(IDC_LEXED_TRANSLATION, "procession");
    Press(Entry(), IDOK);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"Bank|bank|noun|banking", "Zug|procession|noun|",
                                                       "Bank|bench|noun|"}));
    EXPECT_EQ(Field(IDC_LEXED_STATUS), "Der Eintrag wurde ge\xE4ndert.");
}

TEST_F(LexiconEditorDll, NewKeepsTheWordForAnotherMeaning) {
    Open("Zug");
    Press(Entry(), IDC_LEXED_NEW);
    EXPECT_EQ(Field(IDC_LEXED_SOURCE), "Zug");
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "");
    EXPECT_EQ(ComboText(IDC_LEXED_PART), "(keine Angabe)");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Neuer Eintrag (1 vorhanden)");
    SetField(IDC_LEXED_TRANSLATION, "draught");
    Choose(IDC_LEXED_PART, "Substantiv");
    Choose(IDC_LEXED_AREA, "Automobil");
    Press(Entry(), IDOK);
    EXPECT_EQ(FileEntries().back(), "Zug|draught|noun|kfz");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Eintrag 2 von 2");
}

TEST_F(LexiconEditorDll, DeletingAsksFirstAndRemovesTheShownEntry) {
    Open("Bank");
    Press(Entry(), IDC_LEXED_NEXT);  // "bench"
    {
        BoxAnswer no(IDNO);
        Press(Entry(), IDC_LEXED_DELETE);
        EXPECT_EQ(no.Text(), "Den Eintrag 'Bank' aus dem Lexikon l\xF6schen?");
    }
    EXPECT_EQ(FileBytes(), kLexicon);

    BoxAnswer yes(IDYES);
    Press(Entry(), IDC_LEXED_DELETE);
    ASSERT_TRUE(yes.Came());
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"Bank|bank|noun|banking", "Zug|train|noun|"}));
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "bank");  // the word's other entry
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Eintrag 1 von 1");
    EXPECT_EQ(Field(IDC_LEXED_STATUS), "Der Eintrag wurde gel\xF6scht.");
}

TEST_F(LexiconEditorDll, AnEntryAnotherWriterAddedMeanwhileIsKept) {
    Open("Haus");
    std::string changed = kLexicon;
    changed.replace(changed.find("end\t3"), 5, "entry\tBaum\ttree\tnoun\t\r\nend\t4");
    WriteLexicon(changed);
    SetField(IDC_LEXED_TRANSLATION, "house");
    Press(Entry(), IDOK);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"Bank|bank|noun|banking", "Zug|train|noun|",
                                                       "Bank|bench|noun|", "Baum|tree|noun|",
                                                       "Haus|house||"}));
    // The list shows the other writer's entry too.
    EXPECT_EQ(ListedRows().size(), 5u);
}

TEST_F(LexiconEditorDll, AnEmptyTranslationIsRefusedWithAMessage) {
    Open("Haus");
    BoxAnswer box(IDOK);
    Press(Entry(), IDOK);
    EXPECT_EQ(box.Title(), "Quendel");
    EXPECT_EQ(box.Text(), "Bitte geben Sie die \xDC" "bersetzung ein.");
    EXPECT_EQ(FileBytes(), kLexicon);
}

TEST_F(LexiconEditorDll, ADamagedFileIsRefusedWithAMessageAndLeftAlone) {
    const std::string damaged = kLexicon.substr(0, kLexicon.size() - 20);
    WriteLexicon(damaged);
    BoxAnswer box(IDOK);
    EXPECT_EQ(Open("Haus"), 0);
    EXPECT_EQ(box.Text(), "Die Lexikondatei '" + path_ +
                              "' ist besch\xE4" "digt oder unvollst\xE4ndig. Sie wird nicht ver\xE4ndert.");
    EXPECT_FALSE(Entry());
    EXPECT_FALSE(List());
    EXPECT_EQ(FileBytes(), damaged);
}

TEST_F(LexiconEditorDll, AFileDamagedWhileTheEditorIsOpenIsNotWritten) {
    Open("Haus");
    const std::string foreign = "Dies ist kein Lexikon.\r\n";
    WriteLexicon(foreign);
    SetField(IDC_LEXED_TRANSLATION, "house");
    BoxAnswer box(IDOK);
    Press(Entry(), IDOK);
    EXPECT_NE(box.Text().find("kein Benutzerlexikon"), std::string::npos) << box.Text();
    EXPECT_EQ(FileBytes(), foreign);
    EXPECT_TRUE(Entry());
}

TEST_F(LexiconEditorDll, ALexiconOfTheOtherDirectionIsRefused) {
    DestroyWindow(owner_);
    owner_ = MakeOwner("QDEngGer");  // QDEG's frame wants "EtoG"; this file is "GtoE"
    BoxAnswer box(IDOK);
    EXPECT_EQ(Open("house"), 0);
    EXPECT_EQ(box.Text(), "Die Lexikondatei liegt in der falschen Sprachrichtung vor. Sie kann nicht "
                          "bearbeitet werden!");
    EXPECT_FALSE(Entry());
    EXPECT_EQ(FileBytes(), kLexicon);
}

TEST_F(LexiconEditorDll, TheListShowsTheEntriesSortedAndFiltered) {
    Open("");
    EXPECT_EQ(ListedRows(), (std::vector<std::string>{"Bank|bank|Substantiv|Finanzwesen",
                                                      "Bank|bench|Substantiv|", "Zug|train|Substantiv|"}));
    EXPECT_EQ(TextOf(Item(List(), IDC_LEXED_COUNT)), "3 Eintr\xE4ge");
    SetWindowTextA(Item(List(), IDC_LEXED_FILTER), "ZU");
    EXPECT_EQ(ListedRows(), (std::vector<std::string>{"Zug|train|Substantiv|"}));
    EXPECT_EQ(TextOf(Item(List(), IDC_LEXED_COUNT)), "1 von 3 Eintr\xE4gen");
    SetWindowTextA(Item(List(), IDC_LEXED_FILTER), "");
    EXPECT_EQ(ListedRows().size(), 3u);
}

TEST_F(LexiconEditorDll, EditFromTheListOpensTheEntryInTheEntryWindow) {
    Open("Haus");
    SelectRow(1);  // Bank, bench
    Press(List(), IDOK);
    EXPECT_EQ(Field(IDC_LEXED_SOURCE), "Bank");
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "bench");
    EXPECT_EQ(Field(IDC_LEXED_POSITION), "Eintrag 2 von 2");

    // With the entry window closed, the list opens it again.
    Press(Entry(), IDCANCEL);
    ASSERT_FALSE(Entry());
    SelectRow(2);  // Zug
    Press(List(), IDOK);
    ASSERT_TRUE(Entry());
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "train");
}

TEST_F(LexiconEditorDll, SavedEntriesAppearInTheListAtOnce) {
    Open("Apfel");
    SetField(IDC_LEXED_TRANSLATION, "apple");
    Press(Entry(), IDOK);
    EXPECT_EQ(ListedRows().front(), "Apfel|apple||");
}

TEST_F(LexiconEditorDll, OpeningAgainKeepsTheWindowsAndShowsTheNewWord) {
    Open("Haus");
    HWND entry = Entry(), list = List();
    EXPECT_EQ(Open("Zug", 0), 1);
    EXPECT_EQ(Entry(), entry);
    EXPECT_EQ(List(), list);
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "train");
    EXPECT_EQ(Field(IDC_LEXED_STATUS), "Wort aus der Zwischenablage.");
}

TEST_F(LexiconEditorDll, AStartWordFromTheClipboardLosesItsLineBreak) {
    Open("Zug\r\n", 0);
    EXPECT_EQ(Field(IDC_LEXED_SOURCE), "Zug");
    EXPECT_EQ(Field(IDC_LEXED_TRANSLATION), "train");
}

TEST_F(LexiconEditorDll, AnEmptyStartWordOpensAnEmptyEntry) {
    EXPECT_EQ(Open(""), 1);
    EXPECT_EQ(Field(IDC_LEXED_SOURCE), "");
    EXPECT_EQ(Field(IDC_LEXED_STATUS), "");
    EXPECT_EQ(GetFocus(), Item(Entry(), IDC_LEXED_SOURCE));
}

TEST_F(LexiconEditorDll, ClosingEitherWindowClearsItsHandle) {
    Open("Haus");
    Press(Entry(), IDCANCEL);
    EXPECT_FALSE(Entry());
    EXPECT_TRUE(List());
    SendMessageA(List(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(List());
}

TEST_F(LexiconEditorDll, TheProgramMayDestroyTheWindowsItself) {
    Open("Haus");
    HWND entry = Entry(), list = List();
    DestroyWindow(entry);
    DestroyWindow(list);
    EXPECT_FALSE(Entry());
    EXPECT_FALSE(List());
    // And the editor opens again afterwards.
    EXPECT_EQ(Open("Zug"), 1);
    EXPECT_TRUE(IsWindow(Entry()));
}

TEST_F(LexiconEditorDll, AnotherLexiconReplacesTheWindows) {
    Open("Haus");
    HWND entry = Entry();
    const std::string other = path_ + ".DE";
    ASSERT_EQ(ReplaceFileContent(other.c_str(), "QUENDEL USER LEXICON\t1\r\ndirection\tGtoE\r\nend\t0\r\n"),
              LexiconStatus::Ok);
    EXPECT_EQ(open_(owner_, other.c_str(), 2, "Haus", &helpContext_, RecordHelp, 1), 1);
    EXPECT_FALSE(IsWindow(entry));
    EXPECT_EQ(SendMessageA(Item(Entry(), IDC_LEXED_AREA), CB_GETCOUNT, 0, 0), 1);  // "(alle)" alone
    DeleteFileA(other.c_str());
}

TEST_F(LexiconEditorDll, HelpSetsTheWindowsContextAndCallsTheProgram) {
    Open("Haus");
    Press(Entry(), IDC_LEXED_HELP);
    EXPECT_EQ(g_helpCalls, 1);
    EXPECT_EQ(g_contextSeen, LEXED_HELP_ENTRY);
    Press(List(), IDC_LEXED_HELP);
    EXPECT_EQ(g_helpCalls, 2);
    EXPECT_EQ(g_contextSeen, LEXED_HELP_LIST);
    EXPECT_EQ(helpContext_, 4711);  // the program's own context is back afterwards
    // F1 in a field: the field hands the help request on to its window.
    HELPINFO info{sizeof info, HELPINFO_WINDOW, IDC_LEXED_SOURCE, Item(Entry(), IDC_LEXED_SOURCE), 0, {0, 0}};
    SendMessageA(Item(Entry(), IDC_LEXED_SOURCE), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(g_helpCalls, 3);
}

}  // namespace
