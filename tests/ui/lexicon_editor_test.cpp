// The lexicon editor opened from the workbench: the word from the selection or the
// clipboard, an entry saved into the user lexicon and found again by a fresh start,
// the keyboard moving through the editor's fields through the program's message
// loop, and the lexicon dialog closing the editor.
#include <string>

#include "lexicon/editor_ids.h"
#include "tests/support/driver.h"
#include "tests/support/whole_file.h"

using namespace qd;

namespace {

constexpr int kEditLexicon = 135, kEditLexiconFromOutside = 4410, kClipboardWord = 991,
              kLexiconDialog = 134, kCopy = 2003;
const char kEntryTitle[] = "Benutzerlexikon \x96 Eintrag";
const char kListTitle[] = "Benutzerlexikon \x96 Eintr\xE4ge";

class UILexiconEditor : public UiTest {};

struct EditorWindows {
    HWND entry = nullptr;
    HWND list = nullptr;
    Box entryBox;  // for pressing its buttons
};

// Both windows come up as the program's dialogs; they are told apart by their titles.
EditorWindows WaitForEditor(Program& app, Caller at = {}) {
    EditorWindows windows;
    for (int i = 0; i < 2; ++i) {
        Box box = app.WaitForBox(kWaitLimitMs, at);
        if (box.title == kEntryTitle) {
            windows.entry = box.window;
            windows.entryBox = box;
        }
        else if (box.title == kListTitle) windows.list = box.window;
        else Fail(at, "expected a window of the lexicon editor, found " + box.Describe());
    }
    if (!windows.entry || !windows.list) Fail(at, "the editor did not open both of its windows");
    return windows;
}

std::string UserLexicon() { return InstallDir() + "QD_USER.DE"; }

bool LexiconHolds(const std::string& line) {
    return ReadWholeFile(UserLexicon()).find("\r\n" + line + "\r\n") != std::string::npos;
}

// The control that has the keyboard focus in the window's thread (another process).
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void SendNoPointer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitLimitMs, &ignored);
}

// A key as the keyboard delivers it: posted into the program's queue, so that only
// its message loop can make a dialog key of it.
void PressKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

void SelectWordInInput(Program& app, const std::string& text, int start, int end) {
    app.Activate(Pane::Input);
    app.SetText(app.Edit(Pane::Input), text);
    app.Select(app.Edit(Pane::Input), start, end);
}

}  // namespace

TEST_F(UILexiconEditor, AnEntrySavedForTheSelectedWordIsInTheFileAndFoundByAFreshStart) {
    {
        Program app(StartOptions{Build::QDGE});
        SelectWordInInput(app, "Das Haus ist rot.", 4, 8);
        app.PostCommand(kEditLexicon);
        EditorWindows editor = WaitForEditor(app);
        EXPECT_EQ(app.Text(GetDlgItem(editor.entry, IDC_LEXED_SOURCE)), "Haus");
        EXPECT_EQ(app.Text(GetDlgItem(editor.entry, IDC_LEXED_POSITION)), "Neuer Eintrag");

        app.SetText(GetDlgItem(editor.entry, IDC_LEXED_TRANSLATION), "house");
        SendNoPointer(GetDlgItem(editor.entry, IDC_LEXED_PART), CB_SETCURSEL, 1, 0);  // Substantiv
        editor.entryBox.Press(IDOK);
        app.WaitUntil([] { return LexiconHolds("entry\tHaus\thouse\tnoun\t"); },
                      "the user lexicon holds the new entry");
        EXPECT_EQ(app.Text(GetDlgItem(editor.entry, IDC_LEXED_STATUS)), "Der Eintrag wurde hinzugef\xFCgt.");
        EXPECT_EQ(app.Close(), 0);
    }
    // Starting a program puts the shipped lexicon back into its folder, so the fresh
    // start reads the saved file from elsewhere.
    const std::string saved = ScratchFile("QD_USER.DE");
    ASSERT_TRUE(CopyFileA(UserLexicon().c_str(), saved.c_str(), FALSE));
    WriteSetting(Build::QDGE, "Lexikon", "LexFile", saved.c_str());
    Program app(StartOptions{Build::QDGE});
    SelectWordInInput(app, "Ein Haus.", 4, 8);
    app.PostCommand(kEditLexicon);
    EditorWindows editor = WaitForEditor(app);
    EXPECT_EQ(app.Text(GetDlgItem(editor.entry, IDC_LEXED_TRANSLATION)), "house");
    EXPECT_EQ(app.Text(GetDlgItem(editor.entry, IDC_LEXED_POSITION)), "Eintrag 1 von 1");
}

TEST_F(UILexiconEditor, TabAndEscapeWorkInTheEditorThroughTheProgramsMessageLoop) {
    Program app(StartOptions{Build::QDGE});
    SelectWordInInput(app, "Der Baum.", 4, 8);
    app.PostCommand(kEditLexiconFromOutside);
    EditorWindows editor = WaitForEditor(app);
    HWND translation = GetDlgItem(editor.entry, IDC_LEXED_TRANSLATION);
    HWND part = GetDlgItem(editor.entry, IDC_LEXED_PART);
    app.WaitUntil([&] { return FocusOf(editor.entry) == translation; },
                  "the translation field has the focus");

    PressKey(translation, VK_TAB);
    app.WaitUntil([&] { return FocusOf(editor.entry) == part; },
                  "Tab moved the focus on to the part of speech");

    PressKey(part, VK_ESCAPE);
    app.WaitUntil([&] { return !IsWindow(editor.entry); }, "Escape closed the entry window");
    EXPECT_TRUE(IsWindow(editor.list));
}

TEST_F(UILexiconEditor, AClipboardWordOfUpTo31CharactersOpensTheEditorAndALongerOneNone) {
    // 32 and 31 characters; the word processor's clipboard may hold any text.
    const std::string tooLong = "Haftpflichtversicherungsvertr\xE4ge";
    const std::string longest = "Haftpflichtversicherungsvertrag";
    ASSERT_EQ(tooLong.size(), 32u);
    ASSERT_EQ(longest.size(), 31u);
    const std::string text = tooLong + " " + longest;
    const int longestAt = static_cast<int>(tooLong.size() + 1);

    Program app(StartOptions{Build::QDGE});
    // The program copies the word itself: its own clipboard text is what a word
    // processor's would be, without a second process holding the clipboard.
    auto copyToClipboard = [&](int start, int end) {
        SelectWordInInput(app, text, start, end);
        app.SendCommand(kCopy);
        app.Select(app.Edit(Pane::Input), 0, 0);
    };

    copyToClipboard(0, static_cast<int>(tooLong.size()));
    app.PostCommand(kClipboardWord);
    EditorWindows editor = WaitForEditor(app);
    HWND source = GetDlgItem(editor.entry, IDC_LEXED_SOURCE);
    HWND status = GetDlgItem(editor.entry, IDC_LEXED_STATUS);
    EXPECT_EQ(app.Text(source), "");
    EXPECT_EQ(app.Text(status), "");

    // The open editor takes the next word.
    copyToClipboard(longestAt, longestAt + static_cast<int>(longest.size()));
    app.PostCommand(kClipboardWord);
    app.WaitUntil([&] { return app.Text(source) == longest; },
                  "the editor shows the 31-character word");
    EXPECT_EQ(app.Text(status), "Wort aus der Zwischenablage.");
    app.ExpectNoBox();
}

TEST_F(UILexiconEditor, TheLexiconDialogClosesTheEditorAndItOpensAgainAfterwards) {
    Program app(StartOptions{Build::QDGE});
    SelectWordInInput(app, "Das Haus ist rot.", 4, 8);
    app.PostCommand(kEditLexicon);
    EditorWindows editor = WaitForEditor(app);

    app.PostCommand(kLexiconDialog);
    Box dialog = app.WaitForBox();
    ASSERT_EQ(dialog.title, "Benutzerlexikon") << dialog.Describe();
    app.Answer(dialog, IDOK);
    app.WaitUntil([&] { return !IsWindow(editor.entry) && !IsWindow(editor.list); },
                  "the lexicon dialog's OK closed both editor windows");

    app.PostCommand(kEditLexicon);
    EditorWindows again = WaitForEditor(app);
    EXPECT_EQ(app.Text(GetDlgItem(again.entry, IDC_LEXED_SOURCE)), "Haus");
}
