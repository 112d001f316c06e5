// Editing aids: sentence marking with the scanner's rules (F7, Shift+F7) and the
// plain text search (dialog 400, F3 forward, F2 backward).
#include "tests/support/driver.h"

using namespace qd;

namespace {

class UIEditing : public UiTest {};

constexpr int kMark = 129, kExtend = 130, kMarkAlias = 4408, kExtendAlias = 4407;
constexpr int kFind = 3001, kFindNext = 3002, kFindPrevious = 3003;
constexpr int kSearchEdit = 401, kBackward = 402, kMatchCase = 403;
constexpr int kDefaultHelp = 114;

void ExpectSelection(Program& app, Pane pane, int start, int end, Caller at = {}) {
    Selection now = app.GetSelection(app.Edit(pane, at), at);
    if (now.start != start || now.end != end)
        ADD_FAILURE_AT(at.file, at.line) << "selection " << now.start << "-" << now.end
                                         << ", expected " << start << "-" << end;
}

// Puts text into the input window with the caret at caret and marks the
// sentence there; returns the marking.
Selection MarkAt(Program& app, const std::string& text, int caret, Caller at = {}) {
    HWND input = app.Edit(Pane::Input, at);
    app.SetText(input, text, at);
    app.Select(input, caret, caret, at);
    app.SendCommand(kMark, at);
    return app.GetSelection(input, at);
}

bool Asked(const std::string& word) {
    for (const std::string& line : EngineLog())
        if (line == "getabbrev|" + word) return true;
    return false;
}

// Presses a key the way the keyboard delivers it to the focused window, and waits
// until the pane's selection is the expected one.
void PressKey(Program& app, HWND window, WPARAM key, Pane pane, int start, int end,
              Caller at = {}) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    app.WaitUntil(
        [&] {
            Selection now = app.GetSelection(app.Edit(pane, at), at);
            return now.start == start && now.end == end;
        },
        "the key selects " + std::to_string(start) + "-" + std::to_string(end), kWaitLimitMs, at);
}

// Opens the find dialog and returns it.
Box OpenFind(Program& app, Caller at = {}) {
    app.PostCommand(kFind, 0, at);
    Box dialog = app.WaitForBox(kWaitLimitMs, at);
    if (dialog.title != "Suchen") Fail(at, "expected the find dialog, found " + dialog.Describe());
    return dialog;
}

std::string SearchField(Program& app, const Box& dialog) {
    return app.Text(GetDlgItem(dialog.window, kSearchEdit));
}

// Answers the message that the search text was not found.
void ExpectNotFound(Program& app, const std::string& searchText, Caller at = {}) {
    Box message = app.WaitForBox(kWaitLimitMs, at);
    ExpectMessageBox(message, searchText + " nicht gefunden!", {IDOK}, at);
    app.Answer(message, IDOK, at);
    app.ExpectNoBox(at);
}

}  // namespace

TEST_F(UIEditing, SentenceMarkingFollowsTheScannerInTheInputWindow) {
    SetEngineScript("abbrev|Dr.|0|0\n");
    Program app(StartOptions{Build::QDGE});
    HWND input = app.Edit(Pane::Input);
    const std::string text = "Das ist gut. Ich komme morgen.";

    // An empty window: the empty range at the start.
    Selection empty = MarkAt(app, "", 0);
    EXPECT_EQ(empty.start, 0);
    EXPECT_EQ(empty.end, 0);

    Selection first = MarkAt(app, text, 5);
    EXPECT_EQ(first.start, 0);
    EXPECT_EQ(first.end, 12);
    app.SendCommand(kExtend);
    ExpectSelection(app, Pane::Input, 0, 30);
    Selection second = MarkAt(app, text, 20);
    EXPECT_EQ(second.start, 12);  // from the blank after the first period
    EXPECT_EQ(second.end, 30);

    // From the output window: the input window comes to the top and is marked.
    app.Select(input, 2, 2);
    app.Activate(Pane::Output);
    app.SendCommand(kMark);
    EXPECT_EQ(app.ActiveWindow(), app.Window(Pane::Input));
    ExpectSelection(app, Pane::Input, 0, 12);
    // The aliases from outside, and F7 from the keyboard.
    app.Select(input, 20, 20);
    app.SendCommand(kMarkAlias);
    ExpectSelection(app, Pane::Input, 12, 30);
    app.Select(input, 1, 1);
    app.SendCommand(kMark);
    app.SendCommand(kExtendAlias);
    ExpectSelection(app, Pane::Input, 0, 30);
    app.Select(input, 25, 25);
    PressKey(app, input, VK_F7, Pane::Input, 12, 30);
    // Marking changes nothing in the text.
    EXPECT_EQ(app.EditText(Pane::Input), text);

    struct Case {
        const char* text;
        int caret;
        Selection expected;
    };
    const Case cases[] = {
        {"Er kam am 3. Mai. Dann", 0, {0, 17}},           // no end after a digit
        {"Das ist z.B. gut. Neu", 0, {0, 17}},            // nor after one letter
        {"Dr. Meier kam. Dann", 0, {0, 14}},              // an abbreviation, by the engine
        {"Sagte er \x84Ja?\x93 Dann", 0, {0, 14}},        // the closing quote belongs to it
        {"Titel\r\nText", 0, {0, 7}},                     // NewLine on: the line end ends it
        {"Satz\tAbs. Weiter", 8, {5, 16}},                // a tab before the word: no end
        {"Ja", 1, {0, 2}},                                // the end of the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Selection marked = MarkAt(app, c.text, c.caret);
        EXPECT_EQ(marked.start, c.expected.start);
        EXPECT_EQ(marked.end, c.expected.end);
    }
    EXPECT_TRUE(Asked("gut."));
    EXPECT_FALSE(Asked("B.")) << "a one-letter word went to the engine";
    EXPECT_FALSE(Asked("z.B."));
    EXPECT_TRUE(Asked("Dr."));
    EXPECT_FALSE(Asked("Abs.")) << "the tab rule should have decided";
    app.End();
}

TEST_F(UIEditing, FindGoesForwardAndBackwardWithAndWithoutCase) {
    Program app(StartOptions{Build::QDGE});
    HWND input = app.Edit(Pane::Input);
    app.SetText(input, "aaaa");
    app.Select(input, 0, 0);
    EXPECT_TRUE(app.MenuState(kFindNext).grayed);
    EXPECT_TRUE(app.MenuState(kFindPrevious).grayed);

    // The first search: an empty field, both search buttons off until it holds text.
    Box find = OpenFind(app);
    EXPECT_EQ(app.HelpContext(), kFind);
    EXPECT_EQ(SearchField(app, find), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(find.window, IDOK)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(find.window, kBackward)));
    EXPECT_EQ(IsDlgButtonChecked(find.window, kMatchCase), BST_UNCHECKED);
    app.SetText(GetDlgItem(find.window, kSearchEdit), "aa");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(find.window, IDOK)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(find.window, kBackward)));
    app.Answer(find, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(app.HelpContext(), kDefaultHelp);
    // "aa" in "aaaa" from the start: 1, then 2, then not found.
    ExpectSelection(app, Pane::Input, 1, 3);
    EXPECT_FALSE(app.MenuState(kFindNext).grayed);
    app.SendCommand(kFindNext);
    ExpectSelection(app, Pane::Input, 2, 4);
    app.PostCommand(kFindNext);
    ExpectNotFound(app, "aa");
    ExpectSelection(app, Pane::Input, 2, 4);
    // Backward: 1, 0, then not found; F2 from the keyboard too.
    app.SendCommand(kFindPrevious);
    ExpectSelection(app, Pane::Input, 1, 3);
    PressKey(app, input, VK_F2, Pane::Input, 0, 2);
    app.PostCommand(kFindPrevious);
    ExpectNotFound(app, "aa");

    // Case ignored: "Über" finds "über", and the field shows the search text
    // lower-cased the next time.
    app.SetText(input, "Ein \xFC" "ber und \xDC" "ber");
    app.Select(input, 0, 0);
    find = OpenFind(app);
    EXPECT_EQ(SearchField(app, find), "aa");
    app.SetText(GetDlgItem(find.window, kSearchEdit), "\xDC" "ber");
    app.Answer(find, IDOK);
    app.ExpectNoBox();
    ExpectSelection(app, Pane::Input, 4, 8);
    app.Select(input, 0, 0);
    find = OpenFind(app);
    EXPECT_EQ(SearchField(app, find), "\xFC" "ber");
    // Case heeded: only "Über" itself, and backward from it nothing.
    SendMessageA(GetDlgItem(find.window, kMatchCase), BM_SETCHECK, BST_CHECKED, 0);
    app.SetText(GetDlgItem(find.window, kSearchEdit), "\xDC" "ber");
    app.Answer(find, IDOK);
    app.ExpectNoBox();
    ExpectSelection(app, Pane::Input, 13, 17);
    app.PostCommand(kFindPrevious);
    ExpectNotFound(app, "\xDC" "ber");
    // The dialog keeps the check box; cancelling keeps the old search text.
    find = OpenFind(app);
    EXPECT_EQ(IsDlgButtonChecked(find.window, kMatchCase), BST_CHECKED);
    app.SetText(GetDlgItem(find.window, kSearchEdit), "zzz");
    app.Answer(find, IDCANCEL);
    app.ExpectNoBox();
    app.Select(input, 0, 0);
    app.SendCommand(kFindNext);
    ExpectSelection(app, Pane::Input, 13, 17);

    // The field is filled from the selected word; one letter or punctuation keeps it.
    app.SetText(input, "Das  Haus, gut");
    struct Case {
        Selection selected;
        const char* shown;
    };
    const Case cases[] = {{{3, 11}, "Haus"}, {{11, 12}, "Haus"}, {{9, 11}, "Haus"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.selected.start) + "-" + std::to_string(c.selected.end));
        app.Select(input, c.selected.start, c.selected.end);
        find = OpenFind(app);
        EXPECT_EQ(SearchField(app, find), c.shown);
        app.Answer(find, IDCANCEL);
    }

    // The search works in whichever window is active.
    app.Activate(Pane::Output);
    app.SetText(app.Edit(Pane::Output), "Ein Haus");
    app.Select(app.Edit(Pane::Output), 0, 0);
    app.SendCommand(kFindNext);
    ExpectSelection(app, Pane::Output, 4, 8);
    ExpectSelection(app, Pane::Input, 9, 11);
    app.End();
}
