// Commands of the "Bearbeiten", "Optionen" and "Hilfe" menus and their aliases
// from outside programs: clipboard and editing, what a running translation
// refuses, character-set conversion, the font chooser and the about box.
#include <string.h>

#include <algorithm>

#include "qd_version.h"
#include "tests/support/driver.h"
#include "tests/support/run_moves.h"

using namespace qd;

namespace {

class UICommands : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        KeepClipboardToThisTest();
    }
};

constexpr int kUndo = 2001, kCut = 2002, kCopy = 2003, kPaste = 2004, kDelete = 2005,
              kSelectAll = 2006;
constexpr int kCutAlias = 4401, kCopyAlias = 4402, kPasteAlias = 4403, kNewAlias = 4404,
              kOpenAlias = 4405, kSaveAlias = 4406;
constexpr int kConvert = 142, kFonts = 145, kAbout = 5002, kTranslateAll = 104;
constexpr int kDefaultHelp = 114;
constexpr int kFontSizeBox = 0x472;  // cmb3 of the common font dialog

const char kToWindows[] = "Zeichensatz umwandeln:\tASCII -> Windows";
const char kToAscii[] = "Zeichensatz umwandeln:\tWindows -> ASCII";

void ExpectSelection(Program& app, Pane pane, int start, int end, Caller at = {}) {
    Selection now = app.GetSelection(app.Edit(pane, at), at);
    if (now.start != start || now.end != end)
        ADD_FAILURE_AT(at.file, at.line) << "selection " << now.start << "-" << now.end
                                         << ", expected " << start << "-" << end;
}

// The height of a text line in the pane's edit control, measured on two lines of
// its own (the font itself cannot be asked for from outside).
int LineHeight(Program& app, Pane pane) {
    HWND edit = app.Edit(pane);
    app.SetText(edit, "a\r\nb");
    DWORD_PTR first = 0, second = 0;
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, 0, 0, SMTO_ABORTIFHUNG, kWaitLimitMs, &first);
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, 3, 0, SMTO_ABORTIFHUNG, kWaitLimitMs, &second);
    return static_cast<short>(HIWORD(second)) - static_cast<short>(HIWORD(first));
}

// An item's text as the menu shows it once opened: after the menu-state rules.
std::string ShownMenuText(Program& app, int item) {
    app.MenuState(item);
    return app.MenuText(item);
}

// The keys of a section of the program's settings file, in the file's order.
std::vector<std::string> SectionKeys(Build build, const char* section) {
    char buffer[4096] = "";
    GetPrivateProfileSectionA(section, buffer, sizeof buffer,
                              (std::string(ProgramName(build)) + ".INI").c_str());
    std::vector<std::string> keys;
    for (const char* entry = buffer; *entry; entry += strlen(entry) + 1) {
        std::string line = entry;
        keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

}  // namespace

TEST_F(UICommands, ClipboardAndEditingReachTheActiveEditAndATranslationRefusesTheClipboard) {
    Program app(StartOptions{Build::QDGE});
    HWND input = app.Edit(Pane::Input);

    // New, Open and Save from outside are refused while the messages window is
    // active: its text stays, nothing is asked, and the help context is untouched.
    app.SetText(app.Edit(Pane::Messages), "Meldung");
    app.Activate(Pane::Messages);
    for (int alias : {kNewAlias, kOpenAlias, kSaveAlias}) app.SendCommand(alias);
    EXPECT_EQ(app.EditText(Pane::Messages), "Meldung");
    EXPECT_EQ(app.HelpContext(), kDefaultHelp);
    // With a text window active they act: New empties the unchanged window.
    app.Activate(Pane::Output);
    app.SetText(app.Edit(Pane::Output), "Weg damit");
    app.SendCommand(kNewAlias);
    EXPECT_EQ(app.EditText(Pane::Output), "");
    app.PostCommand(kOpenAlias);
    Box open = app.WaitForBox();
    EXPECT_EQ(open.title, "Datei \xF6" "ffnen");
    app.Answer(open, IDCANCEL);
    app.ExpectNoBox();

    app.Activate(Pane::Input);
    app.SetText(input, "Alpha Beta Gamma");

    app.Select(input, 6, 10);
    app.SendCommand(kCopy);
    EXPECT_EQ(ClipboardText(), "Beta");
    app.Select(input, 0, 5);
    app.SendCommand(kCut);
    EXPECT_EQ(app.EditText(Pane::Input), " Beta Gamma");
    EXPECT_EQ(ClipboardText(), "Alpha");
    app.SendCommand(kUndo);
    EXPECT_EQ(app.EditText(Pane::Input), "Alpha Beta Gamma");
    app.Select(input, 16, 16);
    app.SendCommand(kPaste);
    EXPECT_EQ(app.EditText(Pane::Input), "Alpha Beta GammaAlpha");
    app.SendCommand(kSelectAll);
    ExpectSelection(app, Pane::Input, 0, 21);
    app.SendCommand(kDelete);
    EXPECT_EQ(app.EditText(Pane::Input), "");
    app.SendCommand(kUndo);
    EXPECT_EQ(app.EditText(Pane::Input), "Alpha Beta GammaAlpha");

    // The aliases from outside work on whatever window is active.
    app.Activate(Pane::Output);
    HWND output = app.Edit(Pane::Output);
    app.SetText(output, "Eins Zwei");
    app.Select(output, 5, 9);
    app.SendCommand(kCopyAlias);
    EXPECT_EQ(ClipboardText(), "Zwei");
    app.Select(output, 0, 4);
    app.SendCommand(kCutAlias);
    EXPECT_EQ(app.EditText(Pane::Output), " Zwei");
    app.Select(output, 5, 5);
    app.SendCommand(kPasteAlias);
    EXPECT_EQ(app.EditText(Pane::Output), " ZweiEins");
    EXPECT_EQ(app.EditText(Pane::Input), "Alpha Beta GammaAlpha");

    // During a translation: cut, copy and paste and their aliases do nothing; delete still deletes.
    app.Activate(Pane::Input);
    app.SetText(input, "Eins ist hier. Zwei ist da. Drei ist fort.");
    app.SetText(output, "");
    {
        RunHold hold(app);
        app.PostCommand(kTranslateAll);
        hold.Queue();
        hold.Wait();
        Box progress = WaitForBoxTitled(app, kProgressTitle);
        hold.Step();
        hold.Step();
        ASSERT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.)");
        // Queued behind the step that marks "Zwei ist da.", so they find it marked
        // in the active input window.
        for (int command : {kCut, kCopy, kPaste, kCutAlias, kCopyAlias, kPasteAlias})
            app.PostCommand(command);
        hold.Step();
        ExpectSelection(app, Pane::Input, 14, 27);
        EXPECT_EQ(app.ActiveWindow(), app.Window(Pane::Input));
        EXPECT_EQ(app.EditText(Pane::Input), "Eins ist hier. Zwei ist da. Drei ist fort.");
        EXPECT_FALSE(hold.ClipboardTaken()) << "a cut or copy reached the clipboard";
        EXPECT_EQ(hold.OtherRequests(), 0) << "a paste asked for the clipboard's text";

        app.Activate(Pane::Output);
        app.Select(output, 0, 3);
        app.SendCommand(kDelete);
        EXPECT_EQ(app.EditText(Pane::Output), "Eins ist hier.)");
        hold.ReleaseAll();
        WaitUntilGone(app, progress.window, "the progress dialog");
    }
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), "Eins ist hier.) EN(Zwei ist da.) EN(Drei ist fort.)");
    app.End();
}

TEST_F(UICommands, CharacterSetConversionAsksFirstAndFlipsTheMenuText) {
    Program app(StartOptions{Build::QDGE});
    // "Grüße, Mädchen ÄÖÜ" in the DOS code page 850, in the output window, unchanged.
    const std::string dos = "Gr\x81\xE1" "e, M\x84" "dchen \x8E\x99\x9A";
    const std::string windows = "Gr\xFC\xDF" "e, M\xE4" "dchen \xC4\xD6\xDC";
    app.Activate(Pane::Output);
    HWND output = app.Edit(Pane::Output);
    app.SetText(output, dos);
    EXPECT_EQ(app.MenuText(kConvert), kToWindows);

    // "Nein": the text stays as it was, the menu too.
    app.PostCommand(kConvert);
    Box ask = app.WaitForBox();
    EXPECT_EQ(ask.title, "Quendel");
    ASSERT_FALSE(ask.texts.empty()) << ask.Describe();
    EXPECT_EQ(ask.texts[0], "Achtung: Liegt der zu konvertierende Text bereits im Windows- "
                            "Zeichensatz vor, werden einige Sonderzeichen (z.B. \xE4 oder \xDF) "
                            "nicht mehr korrekt angezeigt.");
    EXPECT_EQ(ask.buttons, (std::vector<std::pair<int, std::string>>{{1, "&Ja"}, {2, "&Nein"}}));
    EXPECT_EQ(app.HelpContext(), kConvert);
    app.Answer(ask, 2);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), dos);
    EXPECT_EQ(app.MenuText(kConvert), kToWindows);
    EXPECT_EQ(app.HelpContext(), kDefaultHelp);

    // "Ja": DOS to Windows; the item now offers the way back, for this window only.
    app.PostCommand(kConvert);
    ask = app.WaitForBox();
    app.Answer(ask, 1);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), windows);
    EXPECT_EQ(app.MenuText(kConvert), kToAscii);
    EXPECT_EQ(app.HelpContext(), kDefaultHelp);
    app.Activate(Pane::Input);
    EXPECT_EQ(ShownMenuText(app, kConvert), kToWindows);
    app.Activate(Pane::Output);
    EXPECT_EQ(ShownMenuText(app, kConvert), kToAscii);

    // And back: dialog 128, the same bytes as before.
    app.PostCommand(kConvert);
    ask = app.WaitForBox();
    ASSERT_FALSE(ask.texts.empty()) << ask.Describe();
    EXPECT_EQ(ask.texts[0], "Achtung: Liegt der zu konvertierende Text nicht im Windows- "
                            "Zeichensatz vor, werden einige Sonderzeichen (z.B. \xE4 oder \xDF) "
                            "nicht mehr korrekt angezeigt.");
    app.Answer(ask, 1);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), dos);
    EXPECT_EQ(app.MenuText(kConvert), kToWindows);

    // The converted window counts as changed: closing asks about it alone.
    app.RequestClose();
    Box question = app.WaitForBox();
    ExpectMessageBox(question,
                     "Ausgabe (englisch): [unbenannt] wurde ver\xE4ndert. Vor dem Schlie\xDF"
                     "en speichern?",
                     {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
}

TEST_F(UICommands, FontChooserWritesTheFontOnlyWhenConfirmedAndTheAboutBoxShowsTheVersion) {
    for (Build build : {Build::QDGE, Build::QDEG}) {
        SCOPED_TRACE(ProgramName(build));
        Program app(StartOptions{build});
        app.PostCommand(kAbout);
        Box about = app.WaitForBox();
        EXPECT_EQ(about.title, "Quendel");
        EXPECT_NE(std::find(about.texts.begin(), about.texts.end(), "Quendel"), about.texts.end())
            << about.Describe();
        EXPECT_NE(std::find_if(about.texts.begin(), about.texts.end(),
                               [](const std::string& text) {
                                   return text.rfind("Version " QD_VERSION_TEXT " ", 0) == 0;
                               }),
                  about.texts.end())
            << about.Describe();
        EXPECT_EQ(about.buttons, (std::vector<std::pair<int, std::string>>{{IDOK, "&OK"}}));
        EXPECT_FALSE(GetWindowLongA(about.window, GWL_STYLE) & WS_SYSMENU);
        EXPECT_EQ(GetWindow(about.window, GW_OWNER), app.Frame());
        app.Answer(about, IDOK);
        app.ExpectNoBox();

        if (build == Build::QDEG) {
            app.End();
            break;
        }
        // Cancelled: nothing written, no font changed.
        const int before = LineHeight(app, Pane::Input);
        ASSERT_GT(before, 0);
        EXPECT_EQ(LineHeight(app, Pane::Output), before);
        const int boldBefore = LineHeight(app, Pane::Messages);
        app.PostCommand(kFonts);
        Box chooser = app.WaitForBox();
        app.Answer(chooser, IDCANCEL);
        app.ExpectNoBox();
        EXPECT_EQ(SectionKeys(build, "Font"), std::vector<std::string>{});
        EXPECT_EQ(LineHeight(app, Pane::Input), before);

        // Confirmed with a size of 36 points: the whole record in its order, and the
        // larger font in all three windows.
        app.PostCommand(kFonts);
        chooser = app.WaitForBox();
        app.SetText(GetDlgItem(chooser.window, kFontSizeBox), "36");
        app.Answer(chooser, IDOK);
        app.ExpectNoBox();
        EXPECT_EQ(SectionKeys(build, "Font"),
                  (std::vector<std::string>{"Height", "Width", "Escapement", "Orientation",
                                            "Weight", "Italic", "Underline", "StrikeOut",
                                            "CharSet", "OutPrecision", "ClipPrecision", "Quality",
                                            "PitchAndFamily", "Name"}));
        EXPECT_NE(ReadSetting(build, "Font", "Name").value_or(""), "");
        EXPECT_EQ(ReadSetting(build, "Font", "Weight"), "400");  // the bold one is not stored
        const int larger = LineHeight(app, Pane::Input);
        EXPECT_GT(larger, before + 10);
        EXPECT_EQ(LineHeight(app, Pane::Output), larger);
        EXPECT_GT(LineHeight(app, Pane::Messages), boldBefore + 10);
        app.End();
    }
}

TEST_F(UICommands, DialogGuardKeepsOutASecondCommandDialogAndTheEditorLeavesItSet) {
    Program app(StartOptions{Build::QDGE});
    constexpr int kOptions = 132, kLexicon = 134, kEditLexicon = 135, kClipboardWord = 991;

    app.PostCommand(kOptions);
    Box options = app.WaitForBox();
    ASSERT_EQ(options.title, "\xDC" "bersetzungsweise") << options.Describe();
    EXPECT_EQ(app.HelpContext(), kOptions);

    // Posted by another program while the options dialog is open: refused at once.
    // (Were one let through, its modal dialog would keep SendCommand from returning.)
    app.SendCommand(kOptions);
    EXPECT_EQ(app.HelpContext(), kOptions);  // a refused 132 leaves its own context
    app.SendCommand(kLexicon);
    EXPECT_EQ(app.HelpContext(), kOptions) << "a refused 134 leaves the help context as it was";
    SetClipboardText("Haus");
    app.SendCommand(kClipboardWord);

    // The lexicon editor from the menu is no guarded dialog: it opens its two
    // windows, and clears no guard that it did not set.
    app.PostCommand(kEditLexicon);
    std::vector<std::string> editor;
    for (int i = 0; i < 2; ++i) editor.push_back(app.WaitForBox().title);
    std::sort(editor.begin(), editor.end());
    EXPECT_EQ(editor, (std::vector<std::string>{"Benutzerlexikon \x96 Eintrag",
                                                "Benutzerlexikon \x96 Eintr\xE4ge"}));
    app.SendCommand(kLexicon);
    app.SendCommand(kOptions);

    // Once the options dialog is closed, the lexicon dialog opens again.
    app.Answer(options, IDCANCEL);
    app.PostCommand(kLexicon);
    Box lexicon = app.WaitForBox();
    EXPECT_EQ(lexicon.title, "Benutzerlexikon");
    app.Answer(lexicon, IDCANCEL);
    app.End();
}
