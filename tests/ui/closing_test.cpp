// Closing the workbench: the save questions of changed text windows, and the
// frame's placement written for the next start.
#include "tests/support/driver.h"
#include "tests/support/whole_file.h"
#include "tests/ui/steps.h"

using namespace qd;

namespace {

class UIClosing : public UiTest {};

const char kInputTitle[] = "Eingabe (deutsch): [unbenannt]";
const char kOutputTitle[] = "Ausgabe (englisch): [unbenannt]";

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// The frame's rectangle settles a moment after its state changes; a rectangle
// still wrong after the wait limit fails at the caller's line.
void ExpectFrameAt(HWND frame, int x, int y, int width, int height, Caller at = {}) {
    RECT rect = WindowRect(frame);
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitLimitMs; Sleep(20)) {
        rect = WindowRect(frame);
        if (rect.left == x && rect.top == y && rect.right - rect.left == width &&
            rect.bottom - rect.top == height)
            return;
    }
    ADD_FAILURE_AT(at.file, at.line) << "the frame is at " << rect.left << "," << rect.top
                                     << " size " << rect.right - rect.left << "x"
                                     << rect.bottom - rect.top << ", expected " << x << "," << y
                                     << " size " << width << "x" << height;
}

void ExpectPlacement(const char* x, const char* y, const char* width, const char* height,
                     const char* state, Caller at = {}) {
    auto read = [](const char* key) {
        return ReadSetting(Build::QDGE, "MainWindow", key).value_or("<missing>");
    };
    std::string found = read("PosX") + " " + read("PosY") + " " + read("Width") + " " +
                        read("Height") + " " + read("ShowState");
    std::string expected = std::string(x) + " " + y + " " + width + " " + height + " " + state;
    if (found != expected)
        ADD_FAILURE_AT(at.file, at.line) << "MainWindow PosX PosY Width Height ShowState: "
                                         << found << ", expected " << expected;
}

}  // namespace

TEST_F(UIClosing, ChangedWindowsAreAskedTopmostFirstAndCancelKeepsTheProgram) {
    Program app(StartOptions{Build::QDGE});
    app.Type(Pane::Input, "Der Hund bellt.");
    app.Type(Pane::Output, "The dog barks.");
    app.Type(Pane::Messages, "\r\n\x95 Satz zu lang: ");  // the messages window is never asked
    app.Activate(Pane::Output);

    app.RequestClose();
    Box question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion(kOutputTitle), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDCANCEL);
    app.ExpectNoBox();
    ASSERT_TRUE(app.Running());
    // A refused close writes nothing and keeps every text.
    EXPECT_EQ(ReadSetting(Build::QDGE, "MainWindow", "ShowState"), std::nullopt);
    EXPECT_EQ(app.EditText(Pane::Input), "Der Hund bellt.");
    EXPECT_EQ(app.EditText(Pane::Output), "The dog barks.");

    // "Beenden" asks the same questions; No to both closes without a file.
    app.PostCommand(kExit);
    question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion(kOutputTitle), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
    question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion(kInputTitle), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(ReadSetting(Build::QDGE, "MainWindow", "ShowState"), "1");
}

TEST_F(UIClosing, YesSavesTheTextAndACancelledNameCancelsTheClose) {
    {
        Program app(StartOptions{Build::QDGE});
        app.Type(Pane::Input, "Erste Zeile\r\nZweite Zeile mit \xE4 und \xDF");

        // Unnamed: Yes asks for a name, and cancelling that dialog cancels the close.
        app.RequestClose();
        Box question = app.WaitForBox();
        ExpectMessageBox(question, SaveQuestion(kInputTitle), {IDYES, IDNO, IDCANCEL});
        app.Answer(question, IDYES);
        Box dialog = app.WaitForBox();
        EXPECT_EQ(dialog.title, "Datei speichern unter ...");
        app.Answer(dialog, IDCANCEL);
        app.ExpectNoBox();
        ASSERT_TRUE(app.Running());
        EXPECT_EQ(ReadSetting(Build::QDGE, "MainWindow", "ShowState"), std::nullopt);

        // Yes with a name this time: the text is written and the program ends.
        app.RequestClose();
        question = app.WaitForBox();
        ExpectMessageBox(question, SaveQuestion(kInputTitle), {IDYES, IDNO, IDCANCEL});
        app.Answer(question, IDYES);
        dialog = app.WaitForBox();
        EXPECT_EQ(dialog.title, "Datei speichern unter ...");
        app.AnswerFileDialog(dialog, ScratchFile("ENDE.TXT"));
        EXPECT_EQ(app.WaitForExit(), 0);
        EXPECT_EQ(ReadWholeFile(ScratchFile("ENDE.TXT")),
                  "Erste Zeile\r\nZweite Zeile mit \xE4 und \xDF");
    }

    // Named: Yes writes the window's own file without a dialog.
    WriteWholeFile(ScratchFile("BRIEF.TXT"), "Dear Sir,");
    Program app(StartOptions{Build::QDGE});
    OpenFileInto(app, Pane::Output, ScratchFile("BRIEF.TXT"));
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\BRIEF.TXT");
    app.Type(Pane::Output, "\r\nthank you.");
    app.RequestClose();
    Box question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\BRIEF.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDYES);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(ReadWholeFile(ScratchFile("BRIEF.TXT")), "Dear Sir,\r\nthank you.");
}

TEST_F(UIClosing, PlacementIsWrittenOnCloseAndShownAtTheNextStart) {
    {
        Program app(StartOptions{Build::QDGE});
        HWND frame = app.Frame();
        // Asynchronous, so that a program that does not answer cannot hold the test.
        SetWindowPos(frame, nullptr, 50, 60, 700, 500,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
        ExpectFrameAt(frame, 50, 60, 700, 500);
        EXPECT_EQ(app.Close(), 0);
    }
    ExpectPlacement("50", "60", "700", "500", "1");

    // Maximised: only the show state is written; the normal place is kept.
    {
        Program app(StartOptions{Build::QDGE});
        HWND frame = app.Frame();
        ExpectFrameAt(frame, 50, 60, 700, 500);
        PostMessageA(frame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        app.WaitUntil([&] { return IsZoomed(frame) != FALSE; }, "the frame is maximised");
        EXPECT_EQ(app.Close(), 0);
    }
    ExpectPlacement("50", "60", "700", "500", "3");

    // The next start shows it maximised over the stored normal place.
    {
        Program app(StartOptions{Build::QDGE});
        HWND frame = app.Frame();
        EXPECT_TRUE(IsZoomed(frame));
        PostMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
        app.WaitUntil([&] { return !IsZoomed(frame); }, "the frame is restored");
        ExpectFrameAt(frame, 50, 60, 700, 500);
        PostMessageA(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        app.WaitUntil([&] { return IsIconic(frame) != FALSE; }, "the frame is minimised");
        EXPECT_EQ(app.Close(), 0);
    }
    ExpectPlacement("50", "60", "700", "500", "2");

    // Stored minimised, it starts minimised.
    {
        Program app(StartOptions{Build::QDGE});
        EXPECT_TRUE(IsIconic(app.Frame()));
        EXPECT_EQ(app.Close(), 0);
    }
    ExpectPlacement("50", "60", "700", "500", "2");
}
