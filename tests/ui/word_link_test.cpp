// The word-processor link, played from the word processor's side: the commands it
// posts with its window, the exchange file "QDPLUS.OUT", the hand-back at the end
// of a translation (clipboard, the word processor started again, the output marked
// saved), the question while a run goes on, and the command lines it starts the
// program with.
#include "tests/support/driver.h"
#include "tests/support/run_moves.h"
#include "tests/support/whole_file.h"
#include "tests/support/word_processor.h"
#include "tests/ui/steps.h"

using namespace qd;
using Lines = std::vector<std::string>;

namespace {

class UIWordLink : public UiTest {};

constexpr int kNothing = 990, kClipboardText = 993;
constexpr int kDocumentToFileAndWord = 998, kDocumentInWindowsAndClipboard = 995;
constexpr int kTranslateAll = 104, kTranslateSentence = 143, kTranslateFile = 144;
constexpr int kCancelButton = 2;

const char kWordDir[] = "C:\\Word";
const char kWordFolder[] = "C:\\Word\\";
const char kWordDoc[] = "/mZur\xFC" "ck C:\\Texte\\Brief.doc";
const char kRestartLine[] = "C:\\Word\\WINWORD.EXE /mZur\xFC" "ck C:\\Texte\\Brief.doc";

const char kBusy[] = "QDplus \xFC" "bersetzt gerade ein Dokument. Wenn Sie fortfahren, wird diese "
                     "\xDC" "bersetzung abgebrochen. Fortfahren?";
const char kOpenTitle[] = "Datei \xF6" "ffnen";
const char kOutputTitle[] = "Ausgabe (englisch): [unbenannt]";

const char kLetter[] = "Der Hund bellt. Die Katze schl\xE4" "ft.";
const char kLetterTranslated[] = "EN(Der Hund bellt.) EN(Die Katze schl\xE4" "ft.)";
const Lines kLetterSentences = {"Der Hund bellt.", "Die Katze schl\xE4" "ft."};

// Words and single blanks ending with "Ende.", length characters long.
std::string TextOfLength(size_t length) {
    std::string text = "Lang";
    while (text.size() < length - 6) text += " xxxx";
    text.resize(length - 6);
    if (text.back() == ' ') text.back() = 'x';
    return text + " Ende.";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits until the fake WINWORD.EXE has recorded count starts; returns what it recorded.
Lines WaitForWinwordStarts(const std::string& folder, size_t count) {
    Eventually([&] { return WinwordStarts(folder).size() >= count; });
    return WinwordStarts(folder);
}

// Closes the program. A changed output window is asked about (answered No); an
// output window marked saved closes without a question.
void CloseExpectingOutputQuestion(Program& app, bool asked, Caller at = {}) {
    app.RequestClose(at);
    if (asked) {
        Box question = app.WaitForBox(kWaitLimitMs, at);
        ExpectMessageBox(question, SaveQuestion(kOutputTitle), {IDYES, IDNO, IDCANCEL}, at);
        app.Answer(question, IDNO, at);
    }
    EXPECT_EQ(app.WaitForExit(kWaitLimitMs, at), 0) << "at line " << at.line;
}

}  // namespace

TEST_F(UIWordLink, Command998TranslatesTheDocumentToTheExchangeFileAndStartsWordMaximised) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), std::string(kLetter) + "\r\n"));
    InstallFakeWinword(kWordFolder);
    WordProcessor word;
    word.HandOver(ScratchFile("BRIEF.TXT"));
    word.SetRestart(kWordDir, kWordDoc);
    Program app(StartOptions{Build::QDGE});
    app.Type(Pane::Output, "Alter Text.");  // a change that closing would ask about

    word.Post(app, kDocumentToFileAndWord);
    WaitForFileRun(app, ExchangeFile(), std::string(kLetterTranslated) + "\r\n");
    app.ExpectNoBox();
    EXPECT_EQ(TranslatedSentences(), kLetterSentences);
    EXPECT_EQ(WaitForWinwordStarts(kWordFolder, 1), Lines{MaximisedStart(kRestartLine)});
    // The windows are no part of it.
    EXPECT_EQ(app.EditText(Pane::Input), "");
    EXPECT_EQ(app.EditText(Pane::Output), "Alter Text.");

    // No switch is left: "Datei übersetzen..." asks for both names again, and
    // the word processor is not started a second time.
    app.PostCommand(kTranslateFile);
    Box open = app.WaitForBox(kWaitLimitMs);
    EXPECT_EQ(open.title, kOpenTitle);
    app.Answer(open, IDCANCEL);
    app.ExpectNoBox();
    EXPECT_EQ(WinwordStarts(kWordFolder).size(), 1u);
    // The output window counts as saved.
    CloseExpectingOutputQuestion(app, false);
}

TEST_F(UIWordLink, TheWordProcessorStartsOnlyWhenItsWholeCommandLineFitsAndTheOutputIsMarkedSaved) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), kLetter));
    // The command line "<WordDir>\WINWORD.EXE <WordDoc>" has a buffer of 256 bytes:
    // 241 + 13 + 1 characters fit it exactly, one more does not.
    const std::string folder241 = ScratchFile(std::string(231, 'w'));
    const std::string folder242 = ScratchFile(std::string(232, 'w'));
    ASSERT_EQ(folder241.size(), 241u);
    struct Case {
        std::string wordDir;
        const char* wordDoc;
        bool started;
    };
    const Case cases[] = {
        {folder241, "X", true},
        {folder242, "X", false},   // no room left for the document
        {folder241, "XY", false},  // the document would be cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wordDir.size()) + " + " + c.wordDoc);
        InstallFakeWinword(c.wordDir + "\\");
        DeleteFileA(ExchangeFile().c_str());
        WordProcessor word;
        word.HandOver(ScratchFile("BRIEF.TXT"));
        word.SetRestart(c.wordDir, c.wordDoc);
        Program app(StartOptions{Build::QDGE});
        app.Type(Pane::Output, "Alter Text.");

        word.Post(app, kDocumentToFileAndWord);
        WaitForFileRun(app, ExchangeFile(), kLetterTranslated);
        if (c.started)
            EXPECT_EQ(WaitForWinwordStarts(c.wordDir + "\\", 1),
                      Lines{MaximisedStart(c.wordDir + "\\WINWORD.EXE " + c.wordDoc)});
        else
            EXPECT_EQ(WinwordStarts(c.wordDir + "\\"), Lines{});
        CloseExpectingOutputQuestion(app, false);
    }
}

TEST_F(UIWordLink, Command995HandsTheOutputBackOnTheClipboardAlsoWhenTheRunIsCancelled) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), kLetter));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("LANG.TXT"),
                               "Eins ist hier. Zwei ist da. Drei ist fort."));
    WordProcessor word;
    word.HandOver(ScratchFile("BRIEF.TXT"));
    Program app(StartOptions{Build::QDGE});
    app.SetText(app.Edit(Pane::Output), "Alter Text.");
    SetClipboardText("Vorher");

    // The document is loaded, translated in the windows, and the output window
    // (emptied first) comes back on the clipboard.
    word.Post(app, kDocumentInWindowsAndClipboard);
    WaitForWindowRun(app, kLetterTranslated);
    EXPECT_EQ(ClipboardText(), kLetterTranslated);
    EXPECT_EQ(app.EditText(Pane::Input), kLetter);
    EXPECT_EQ(TranslatedSentences(), kLetterSentences);

    // No switch is left: the next F9 leaves the clipboard alone.
    SetClipboardText("Danach");
    app.Select(app.Edit(Pane::Input), 0, 0);
    app.SendCommand(kTranslateSentence);
    EXPECT_EQ(app.EditText(Pane::Output), std::string(kLetterTranslated) + "EN(Der Hund bellt.)");
    EXPECT_EQ(ClipboardText(), "Danach");

    // "Abbrechen" after the first sentence: what was translated comes back.
    word.HandOver(ScratchFile("LANG.TXT"));
    ClearEngineLog();
    {
        RunHold hold(app);
        word.Post(app, kDocumentInWindowsAndClipboard);
        hold.Queue();
        hold.Wait();
        hold.Step();  // 104 opens the progress dialog
        Box progress = WaitForBoxTitled(app, kProgressTitle);
        hold.Step();  // the first sentence marked
        hold.Step();  // and translated
        ASSERT_EQ(TranslatedSentences(), Lines{"Eins ist hier."});
        progress.Press(kCancelButton);
        hold.ReleaseAll();
        WaitUntilGone(app, progress.window, "the progress dialog after \"Abbrechen\"");
    }
    app.ExpectNoBox();  // returns once the step that closed the dialog has returned
    EXPECT_EQ(TranslatedSentences(), Lines{"Eins ist hier."});
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.)");
    EXPECT_EQ(ClipboardText(), "EN(Eins ist hier.)");
    app.End();
}

TEST_F(UIWordLink, Command993TranslatesShortClipboardTextOnlyAnd990DoesNothing) {
    WordProcessor word;
    Program app(StartOptions{Build::QDGE});
    HWND frame = app.Frame();
    app.SetText(app.Edit(Pane::Input), "Eingabe bleibt.");
    app.SetText(app.Edit(Pane::Output), "Ausgabe bleibt.");
    ASSERT_FALSE(word.Above(frame)) << "the program's frame opened below the word processor";

    // 990: nothing at all, and the word processor's window stays where it is.
    SetClipboardText("Der Hund bellt.");
    word.Send(app, kNothing);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Input), "Eingabe bleibt.");
    EXPECT_EQ(app.EditText(Pane::Output), "Ausgabe bleibt.");
    EXPECT_EQ(ClipboardText(), "Der Hund bellt.");
    EXPECT_FALSE(word.Above(frame));

    // 993 with no text or with 512 characters: no window changes and nothing is
    // translated.
    const std::string tooLong = TextOfLength(512);
    for (const std::string& refused : {std::string(), tooLong}) {
        SCOPED_TRACE(refused.size());
        if (refused.empty()) ClearClipboard();
        else SetClipboardText(refused);
        word.Send(app, kClipboardText);
        app.ExpectNoBox();
        EXPECT_EQ(app.EditText(Pane::Input), "Eingabe bleibt.");
        EXPECT_EQ(app.EditText(Pane::Output), "Ausgabe bleibt.");
        EXPECT_EQ(ClipboardText(), refused);
    }
    EXPECT_EQ(TranslatedSentences(), Lines{});

    // 511 characters go through the input and output windows and come back
    // translated; the word processor is brought back to the front.
    const std::string longest = TextOfLength(511);
    SetClipboardText(longest);
    word.Send(app, kClipboardText);
    app.ExpectNoBox();
    EXPECT_EQ(TranslatedSentences(), Lines{longest});
    EXPECT_EQ(app.EditText(Pane::Input), longest);
    EXPECT_EQ(app.EditText(Pane::Output), "EN(" + longest + ")");
    EXPECT_EQ(ClipboardText(), "EN(" + longest + ")");
    EXPECT_TRUE(word.Above(frame)) << "the word processor was not brought to the front";

    // Another program's block without a closing NUL is read no further than its
    // end. (Passing between processes, the platform may give its last byte to a NUL.)
    const std::string unended = "Die Katze schl\xE4" "ft gut";
    SetClipboardBytes(unended);
    word.Send(app, kClipboardText);
    app.ExpectNoBox();
    const std::string taken = app.EditText(Pane::Input);
    EXPECT_GE(taken.size() + 1, unended.size());
    EXPECT_EQ(unended.compare(0, taken.size(), taken), 0) << taken;
    EXPECT_EQ(app.EditText(Pane::Output), "EN(" + taken + ")");
    app.End();
}

namespace {

const char kRunText[] = "Eins ist hier. Zwei ist da. Drei ist fort. Vier ist neu.";

// Starts "Alles übersetzen" on kRunText and lets it translate the first sentence;
// then the word processor posts command. The run's next step, queued before the
// command, marks the second sentence; the question follows. Returns the question,
// with the program held inside it: its next step (translating the second
// sentence) and the answer wait for the hold's release.
Box InterruptRun(Program& app, RunHold& hold, WordProcessor& word, int command,
                 Caller at = {}) {
    app.SetText(app.Edit(Pane::Input, at), kRunText, at);
    app.SetText(app.Edit(Pane::Output, at), "", at);
    app.PostCommand(kTranslateAll, 0, at);
    hold.Queue(at);
    hold.Wait(at);
    WaitForBoxTitled(app, kProgressTitle, kWaitLimitMs, at);
    hold.Step(at);  // the first sentence marked
    hold.Step(at);  // and translated
    if (TranslatedSentences() != Lines{"Eins ist hier."})
        Fail(at, "the run did not stop after its first sentence");
    word.Post(app, command, at);
    hold.Queue(at);
    hold.Release();
    hold.Wait(at);
    Box question = WaitForBoxTitled(app, "Quendel", kWaitLimitMs, at);
    ExpectMessageBox(question, kBusy, {IDYES, IDNO}, at);
    EXPECT_EQ(GetWindow(question.window, GW_OWNER), app.Frame(at)) << "at line " << at.line;
    return question;
}

}  // namespace

TEST_F(UIWordLink, ALinkCommandDuringARunAsksMessage41AndYesEndsTheRun) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), kLetter));
    InstallFakeWinword(kWordFolder);
    WordProcessor word;
    word.HandOver(ScratchFile("BRIEF.TXT"));
    word.SetRestart(kWordDir, kWordDoc);
    Program app(StartOptions{Build::QDGE});
    const Lines runSentences = {"Eins ist hier.", "Zwei ist da.", "Drei ist fort.",
                                "Vier ist neu."};

    // No: the command is dropped and the run goes on to its end.
    {
        RunHold hold(app);
        Box question = InterruptRun(app, hold, word, kDocumentToFileAndWord);
        HWND progress = FindProgressDialog(app);
        question.Press(IDNO);
        hold.ReleaseAll();
        WaitUntilGone(app, question.window, "the question after No");
        WaitUntilGone(app, progress, "the progress dialog at the run's end");
    }
    WaitForWindowRun(app, "EN(Eins ist hier.) EN(Zwei ist da.) EN(Drei ist fort.) EN(Vier ist neu.)");
    EXPECT_EQ(TranslatedSentences(), runSentences);
    EXPECT_FALSE(Exists(ExchangeFile()));
    EXPECT_EQ(WinwordStarts(kWordFolder), Lines{});

    // Yes to 998: the run ends after the sentence in work, the document goes to
    // the exchange file and the word processor is started.
    ClearEngineLog();
    {
        RunHold hold(app);
        Box question = InterruptRun(app, hold, word, kDocumentToFileAndWord);
        HWND progress = FindProgressDialog(app);
        question.Press(IDYES);
        hold.ReleaseAll();
        WaitUntilGone(app, question.window, "the question after Yes");
        WaitUntilGone(app, progress, "the progress dialog of the interrupted run");
    }
    EXPECT_EQ(WaitForWinwordStarts(kWordFolder, 1), Lines{MaximisedStart(kRestartLine)});
    WaitForQueue(app);
    app.ExpectNoBox();
    EXPECT_EQ(FindProgressDialog(app), nullptr);
    EXPECT_EQ(ReadWholeFile(ExchangeFile()), kLetterTranslated);
    EXPECT_EQ(TranslatedSentences(),
              (Lines{"Eins ist hier.", "Zwei ist da.", kLetterSentences[0], kLetterSentences[1]}));
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.) EN(Zwei ist da.)");

    // Yes to 995: the interrupted run's last step must not end the document's run
    // early; the document's translation comes back on the clipboard.
    ClearEngineLog();
    SetClipboardText("Vorher");
    {
        RunHold hold(app);
        Box question = InterruptRun(app, hold, word, kDocumentInWindowsAndClipboard);
        question.Press(IDYES);
        hold.ReleaseAll();
        WaitUntilGone(app, question.window, "the question after Yes");
    }
    WaitForWindowRun(app, kLetterTranslated);
    EXPECT_EQ(ClipboardText(), kLetterTranslated);
    EXPECT_EQ(app.EditText(Pane::Input), kLetter);
    EXPECT_EQ(TranslatedSentences(),
              (Lines{"Eins ist hier.", "Zwei ist da.", kLetterSentences[0], kLetterSentences[1]}));
    EXPECT_EQ(WinwordStarts(kWordFolder).size(), 1u);
    app.End();
}

namespace {

// How the program acts on one command line, given with DOC for the document.
struct StartCase {
    const char* arguments;
    bool inWindows;       // the document is loaded into the input window and translated there
    bool toExchangeFile;  // the document is translated into QDPLUS.OUT
    bool asksForFile;     // "Datei übersetzen..." asks for the names
    int wordStarts;       // by the end of that translation
    bool handedBack;      // the output's text is on the clipboard then
    bool outputChanged;   // closing would ask to save the output window then
    const char* pending;  // the switch the next translation acts on ("" for none)
};

std::string WithDocument(const char* arguments, const std::string& document) {
    std::string text = arguments;
    size_t at = text.find("DOC");
    if (at != std::string::npos) text.replace(at, 3, document);
    return text;
}

// Starts the program with the case's command line and checks what it loaded,
// translated and handed back; then translates one more sentence with F9, whose
// end shows the switch left pending, and closes the program.
void CheckStart(const StartCase& c, Caller at = {}) {
    SCOPED_TRACE(c.arguments);
    const std::string document = ScratchFile("BRIEF.TXT");
    DeleteFileA(ExchangeFile().c_str());
    InstallFakeWinword(kWordFolder, at);
    ClearEngineLog(at);
    SetClipboardText("Vorher", at);
    Program app(StartOptions{Build::QDGE, Engine::Scripted, WithDocument(c.arguments, document)},
                at);
    // The run starts before the frame can be asked anything.
    app.PassOver(kProgressTitle);

    if (c.inWindows) {
        WaitForWindowRun(app, kLetterTranslated, at);
    } else if (c.toExchangeFile) {
        WaitForFileRun(app, ExchangeFile(), kLetterTranslated, at);
    } else if (c.asksForFile) {
        Box open = app.WaitForBox(kWaitLimitMs, at);
        EXPECT_EQ(open.title, kOpenTitle);
        app.Answer(open, IDCANCEL, at);
    }
    WaitForQueue(app, at);
    app.ExpectNoBox(at);
    const bool translated = c.inWindows || c.toExchangeFile;
    EXPECT_EQ(app.EditText(Pane::Input, at), c.inWindows ? kLetter : "");
    EXPECT_EQ(app.EditText(Pane::Output, at), c.inWindows ? kLetterTranslated : "");
    EXPECT_EQ(Exists(ExchangeFile()), c.toExchangeFile);
    EXPECT_EQ(TranslatedSentences(), translated ? kLetterSentences : Lines{});
    EXPECT_EQ(WaitForWinwordStarts(kWordFolder, c.wordStarts),
              Lines(c.wordStarts, MaximisedStart(kRestartLine)));
    EXPECT_EQ(ClipboardText(at), c.handedBack ? kLetterTranslated : "Vorher");
    EXPECT_EQ(app.MarkedChanged(Pane::Output, at), c.outputChanged);

    const std::string pending = c.pending;
    const char letter = pending.size() > 1 ? pending[1] : '\0';
    const std::string output = app.EditText(Pane::Output, at) + "EN(Hallo Welt.)";
    app.SetText(app.Edit(Pane::Input, at), "Hallo Welt.", at);
    app.Select(app.Edit(Pane::Input, at), 0, 0, at);
    app.SendCommand(kTranslateSentence, at);
    EXPECT_EQ(app.EditText(Pane::Output, at), output);
    const bool clipboard = letter == 'S' || letter == 's';
    const bool word = letter == 'W' || letter == 'w';
    EXPECT_EQ(ClipboardText(at), clipboard ? output : (c.handedBack ? kLetterTranslated : "Vorher"));
    EXPECT_EQ(WaitForWinwordStarts(kWordFolder, c.wordStarts + word).size(),
              static_cast<size_t>(c.wordStarts + word));
    // Only a switch other than S leaves the output marked saved.
    CloseExpectingOutputQuestion(app, letter == '\0' || clipboard, at);
}

void PrepareDocumentAndWord(Caller at = {}) {
    if (!WriteWholeFile(ScratchFile("BRIEF.TXT"), kLetter)) Fail(at, "cannot write the document");
    WriteProfile("QDplus", "WordDir", kWordDir, at);
    WriteProfile("QDplus", "WordDoc", kWordDoc, at);
}

}  // namespace

TEST_F(UIWordLink, CommandLineSwitchesTranslateTheFileIntoTheExchangeFile) {
    PrepareDocumentAndWord();
    const StartCase cases[] = {
        // The output window is empty when "/S" copies it: the clipboard keeps its text.
        {"/S DOC", false, true, false, 0, false, false, ""},
        {"DOC /S", false, true, false, 0, false, false, ""},
        {"/T DOC", false, true, false, 0, false, false, ""},
        {"DOC /T", false, true, false, 0, false, false, ""},
        {"/W DOC", false, true, false, 1, false, false, ""},
        {"DOC /W", false, true, false, 1, false, false, ""},
        // A switch after the file replaces one before it.
        {"/W DOC /T", false, true, false, 0, false, false, ""},
        {"/T DOC /W", false, true, false, 1, false, false, ""},
    };
    for (const StartCase& c : cases) CheckStart(c);
}

TEST_F(UIWordLink, OtherCommandLinesLoadTheFileOrLeaveTheSwitchPending) {
    PrepareDocumentAndWord();
    const StartCase cases[] = {
        {"DOC", true, false, false, 0, false, true, ""},
        // Lower case is no switch of the command line: the file is translated in
        // the windows, and the run's end acts on the switch.
        {"DOC /w", true, false, false, 1, false, false, ""},
        {"/s DOC", true, false, false, 0, true, true, ""},
        {"/t DOC", true, false, false, 0, false, false, ""},
        // A word that is no switch stays pending and does nothing.
        {"DOC hallo", true, false, false, 0, false, true, ""},
        // "/S" alone: "Datei übersetzen..." without a file asks for the names, and
        // the switch waits for the next translation.
        {"/S", false, false, true, 0, false, false, "/S"},
        // Two switches: nothing happens, and the first one waits.
        {"/S /T DOC", false, false, false, 0, false, false, "/S"},
        {"/W /S DOC", false, false, false, 0, false, false, "/W"},
    };
    for (const StartCase& c : cases) CheckStart(c);
}

TEST_F(UIWordLink, AFailedHandOverIsNeverCompletedAndALinkCommandWaitsForTheFileRun) {
    InstallFakeWinword(kWordFolder);
    WordProcessor word;
    word.SetRestart(kWordDir, kWordDoc);
    Program app(StartOptions{Build::QDGE});

    // A document with a NUL: refused before the exchange file is written; the word
    // processor is not started, and no switch waits for the next translation.
    ASSERT_TRUE(WriteWholeFile(ScratchFile("NULL.TXT"), std::string("Ein Satz.\r\n\0Noch einer.", 24)));
    word.HandOver(ScratchFile("NULL.TXT"));
    word.Post(app, kDocumentToFileAndWord);
    Box refused = WaitForBoxTitled(app, "Quendel");
    ExpectMessageBox(refused, "Datei '" + ScratchFile("NULL.TXT") + "' ist keine Textdatei: Sie enth\xE4lt "
                     "Nullbytes oder ist in Unicode gespeichert.", {IDOK});
    app.Answer(refused, IDOK);
    app.ExpectNoBox();
    EXPECT_FALSE(Exists(ExchangeFile()));
    app.SetText(app.Edit(Pane::Input), "Hallo.");
    app.SendCommand(kTranslateSentence);
    EXPECT_EQ(WinwordStarts(kWordFolder), Lines{});

    // The engine fails on the second sentence of a document: while its notice is
    // open, the word processor asks for its clipboard text. No drops that command;
    // Yes lets it run once the file run has ended. Neither run hands anything back.
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), "Eins ist hier. Zwei ist da. Drei ist fort."));
    word.HandOver(ScratchFile("BRIEF.TXT"));
    SetEngineScript("raise|Zwei ist da.|access\n");
    app.PassOver(kProgressTitle);  // the runs' own progress dialogs
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        SetClipboardText("Der Hund bellt.");
        ClearEngineLog();
        word.Post(app, kDocumentToFileAndWord);
        Box fatal = WaitForBoxTitled(app, "Quendel");
        ASSERT_FALSE(fatal.texts.empty()) << fatal.Describe();
        word.Post(app, kClipboardText);
        Box question = app.WaitForBox();
        ExpectMessageBox(question, kBusy, {IDYES, IDNO});
        app.Answer(question, answer);
        app.Answer(fatal, IDCANCEL);
        // The program's copy to the clipboard sends WM_DESTROYCLIPBOARD to the
        // clipboard's owner, the driver's window on this thread: answer it meanwhile.
        if (answer == IDYES)
            Eventually([&] {
                MSG message;
                PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
                return TranslatedSentences().size() == 3 && !FindProgressDialog(app);
            });
        app.ExpectNoBox();
        EXPECT_EQ(ReadWholeFile(ExchangeFile()), "EN(Eins ist hier.) ");
        EXPECT_EQ(ClipboardText(), answer == IDYES ? "EN(Der Hund bellt.)" : "Der Hund bellt.");
        Lines expected = {"Eins ist hier.", "Zwei ist da."};
        if (answer == IDYES) expected.push_back("Der Hund bellt.");
        EXPECT_EQ(TranslatedSentences(), expected);
        EXPECT_EQ(WinwordStarts(kWordFolder), Lines{});
        EXPECT_EQ(FindProgressDialog(app), nullptr);
    }
    app.End();
}
