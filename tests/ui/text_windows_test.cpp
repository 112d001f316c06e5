// The text windows: word wrap, the three arrangements and their repetition when
// the frame changes size, and files dropped onto the workbench.
#include <stdlib.h>

#include "tests/support/driver.h"
#include "tests/support/whole_file.h"
#include "tests/ui/steps.h"

using namespace qd;

namespace {

class UITextWindows : public UiTest {};

// Asynchronous, so that a program that does not answer cannot hold the test.
constexpr UINT kResize = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS;

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool Wraps(HWND edit) { return !(StyleOf(edit) & (WS_HSCROLL | ES_AUTOHSCROLL)); }

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

RECT ClientOf(Program& app) {
    RECT client;
    GetClientRect(app.MdiClient(), &client);
    return client;
}

// Input above output, together filling the MDI client.
bool OneAboveTheOther(Program& app) {
    RECT client = ClientOf(app), in = app.Placement(Pane::Input),
         out = app.Placement(Pane::Output);
    return in.left == 0 && in.top == 0 && in.right == client.right && out.left == 0 &&
           out.top == in.bottom && out.right == client.right && out.bottom == client.bottom &&
           abs((in.bottom - in.top) - (out.bottom - out.top)) <= 1;
}

// Input left of output, together filling the MDI client.
bool SideBySide(Program& app) {
    RECT client = ClientOf(app), in = app.Placement(Pane::Input),
         out = app.Placement(Pane::Output);
    return in.left == 0 && in.top == 0 && in.bottom == client.bottom && out.top == 0 &&
           out.left == in.right && out.right == client.right && out.bottom == client.bottom &&
           abs((in.right - in.left) - (out.right - out.left)) <= 1;
}

std::string Layout(Program& app) {
    return "input " + Describe(app.Placement(Pane::Input)) + ", output " +
           Describe(app.Placement(Pane::Output)) + ", client " + Describe(ClientOf(app));
}

}  // namespace

TEST_F(UITextWindows, WordWrapSwitchKeepsTheTextAndItsChangedMark) {
    Program app(StartOptions{Build::QDGE});
    const std::string text = "Ein sehr langer Satz, der weit \xFC" "ber den rechten Rand des "
                             "Fensters hinausgeht und dort umbrochen wird.\r\nZweite Zeile.";
    app.Type(Pane::Input, text);
    app.SetText(app.Edit(Pane::Output), "Set, not typed.");
    HWND before = app.Edit(Pane::Input);
    ASSERT_TRUE(Wraps(before));
    EXPECT_TRUE(app.MenuState(kWordWrap).checked);

    // Off: a new edit control that scrolls sideways, with the same text.
    app.SendCommand(kWordWrap);
    HWND after = app.Edit(Pane::Input);
    EXPECT_NE(after, before);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_FALSE(Wraps(after));
    EXPECT_TRUE(StyleOf(after) & WS_HSCROLL);
    EXPECT_EQ(app.EditText(Pane::Input), text);
    EXPECT_FALSE(app.MenuState(kWordWrap).checked);
    EXPECT_TRUE(Wraps(app.Edit(Pane::Output)));  // only the active window switches
    EXPECT_EQ(app.Caption(Pane::Input), "Eingabe (deutsch): [unbenannt]");
    // The new control is shown and fills the window.
    EXPECT_TRUE(IsWindowVisible(after));
    RECT window, edit;
    GetClientRect(app.Window(Pane::Input), &window);
    GetWindowRect(after, &edit);
    EXPECT_EQ(edit.right - edit.left, window.right);
    EXPECT_EQ(edit.bottom - edit.top, window.bottom);

    // On again.
    app.SendCommand(kWordWrap);
    EXPECT_TRUE(Wraps(app.Edit(Pane::Input)));
    EXPECT_EQ(app.EditText(Pane::Input), text);
    EXPECT_TRUE(app.MenuState(kWordWrap).checked);

    // The output window switches without becoming changed.
    app.Activate(Pane::Output);
    app.SendCommand(kWordWrap);
    EXPECT_FALSE(Wraps(app.Edit(Pane::Output)));
    EXPECT_EQ(app.EditText(Pane::Output), "Set, not typed.");

    // Closing asks about the typed input window only.
    app.RequestClose();
    Box question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("Eingabe (deutsch): [unbenannt]"),
                     {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST_F(UITextWindows, ArrangementsAreRepeatedWhenTheFrameChangesSize) {
    Program app(StartOptions{Build::QDGE});
    HWND frame = app.Frame();
    HWND messages = app.Window(Pane::Messages);
    ASSERT_TRUE(OneAboveTheOther(app)) << Layout(app);

    app.SendCommand(kSideBySide);
    EXPECT_TRUE(SideBySide(app)) << Layout(app);
    EXPECT_TRUE(IsIconic(messages));
    EXPECT_EQ(app.ActiveWindow(), app.Window(Pane::Input));

    app.Activate(Pane::Output);
    app.SendCommand(kCascade);
    RECT in = app.Placement(Pane::Input), out = app.Placement(Pane::Output);
    EXPECT_FALSE(OneAboveTheOther(app) || SideBySide(app)) << Layout(app);
    EXPECT_EQ(out.right - out.left, in.right - in.left) << Layout(app);  // cascaded: same size,
    EXPECT_NE(out.top, in.top) << Layout(app);                           // shifted
    EXPECT_TRUE(IsIconic(messages));

    app.Activate(Pane::Output);
    app.SendCommand(kTile);
    EXPECT_TRUE(OneAboveTheOther(app)) << Layout(app);
    EXPECT_EQ(app.ActiveWindow(), app.Window(Pane::Input));

    // Side by side again; the messages window opened by the user goes back to an
    // icon when the frame changes size, and the arrangement is made anew.
    app.SendCommand(kSideBySide);
    app.Restore(Pane::Messages);
    ASSERT_FALSE(IsIconic(messages));
    SetWindowPos(frame, nullptr, 0, 0, 800, 600, kResize);
    EXPECT_TRUE(Eventually([&] {
        return ClientOf(app).right > 700 && SideBySide(app) && IsIconic(messages);
    })) << Layout(app) << (IsIconic(messages) ? "" : ", messages window not an icon");

    app.SendCommand(kTile);
    SetWindowPos(frame, nullptr, 0, 0, 500, 400, kResize);
    EXPECT_TRUE(Eventually([&] { return ClientOf(app).right < 500 && OneAboveTheOther(app); }))
        << Layout(app);
    EXPECT_EQ(app.Close(), 0);
}

TEST_F(UITextWindows, DroppedFileGoesToTheWindowItLandsOn) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("Brief.txt"), "Liebe Gr\xFC\xDF" "e\r\n"));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("zwei.txt"), "Second file"));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("NOTIZ"), "Notiz"));
    Program app(StartOptions{Build::QDGE});
    const std::string sameFile = "Die Eingabe- und die Ausgabedatei d\xFCrfen nicht gleich sein!";

    // On the input edit: loaded at once and named in upper case.
    app.DropFile(ScratchFile("Brief.txt"), app.Edit(Pane::Input));
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\BRIEF.TXT");
    EXPECT_EQ(app.EditText(Pane::Input), "Liebe Gr\xFC\xDF" "e\r\n");

    // On the messages window: dialog 132 asks for the window; Cancel changes nothing.
    app.DropFile(ScratchFile("zwei.txt"), app.Window(Pane::Messages));
    Box ask = app.WaitForBox();
    EXPECT_EQ(ask.title, "Quendel");
    EXPECT_EQ(ask.texts, (std::vector<std::string>{
                             "Die Datei wurde weder in das Eingabefenster noch in das "
                             "Ausgabefenster gezogen!",
                             "Geben Sie das Fenster an, in das die Datei geladen werden soll:"}));
    EXPECT_EQ(ask.buttons, (std::vector<std::pair<int, std::string>>{
                               {1159, "&Eingabefenster"}, {1160, "&Ausgabefenster"},
                               {IDCANCEL, "A&bbrechen"}}));
    app.Answer(ask, IDCANCEL);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), "");
    EXPECT_EQ(app.Caption(Pane::Input), "Eingabe (deutsch): C:\\QDTEST\\BRIEF.TXT");

    // Again, into the output window; a name without extension is saved with ".TXT".
    app.DropFile(ScratchFile("NOTIZ"), app.Window(Pane::Messages));
    ask = app.WaitForBox();
    app.Answer(ask, 1160);
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\NOTIZ");
    EXPECT_EQ(app.EditText(Pane::Output), "Notiz");
    app.Activate(Pane::Output);
    app.Type(Pane::Output, " neu");
    app.SendCommand(kSave);
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\NOTIZ.TXT");
    EXPECT_EQ(ReadWholeFile(ScratchFile("NOTIZ.TXT")), "Notiz neu");
    EXPECT_EQ(ReadWholeFile(ScratchFile("NOTIZ")), "Notiz");

    // The input window's file dropped on the output window, in other letters' case.
    app.DropFile("c:\\QDTEST\\brief.TXT", app.Edit(Pane::Output));
    Box message = app.WaitForBox();
    ExpectMessageBox(message, sameFile, {IDOK});
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(app.Caption(Pane::Output), "Ausgabe (englisch): C:\\QDTEST\\NOTIZ.TXT");
    EXPECT_EQ(app.EditText(Pane::Output), "Notiz neu");

    // The save question goes to the window that receives the file, not to the
    // active one: the changed input window is not asked about a drop on the output.
    app.Activate(Pane::Input);
    app.Type(Pane::Input, "Noch ein Satz.");
    app.Type(Pane::Output, "!");
    app.DropFile(ScratchFile("zwei.txt"), app.Edit(Pane::Output));
    Box question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\NOTIZ.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDCANCEL);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), "Notiz neu!");
    app.DropFile(ScratchFile("zwei.txt"), app.Edit(Pane::Output));
    question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\NOTIZ.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\ZWEI.TXT");
    EXPECT_EQ(app.EditText(Pane::Output), "Second file");
    EXPECT_EQ(app.EditText(Pane::Input), "Liebe Gr\xFC\xDF" "e\r\nNoch ein Satz.");

    // A file that cannot be opened: message 1, and the target is left untitled.
    app.DropFile(ScratchFile("FEHLT.TXT"), app.Edit(Pane::Output));
    message = app.WaitForBox();
    ExpectMessageBox(message, "Datei  '" + ScratchFile("FEHLT.TXT") + "' l\xE4\xDFt sich nicht \xF6" "ffnen.",
                     {IDOK});
    app.Answer(message, IDOK);
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): [unbenannt]");

    // A name longer than a window's 159-character file name: message 1, cut to fit.
    std::string longName = ScratchFile(std::string(160, 'L') + ".TXT");
    app.DropFile(longName, app.Edit(Pane::Output));
    message = app.WaitForBox();
    ASSERT_EQ(message.texts.size(), 1u) << message.Describe();
    EXPECT_EQ(message.texts[0].rfind("Datei  '" + ScratchFile("LLLL"), 0), 0u) << message.Describe();
    EXPECT_LE(message.texts[0].size(), 159u);
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(app.Caption(Pane::Output), "Ausgabe (englisch): [unbenannt]");
    EXPECT_EQ(app.EditText(Pane::Output), "Second file");
    app.End();  // the input window holds unsaved text
}
