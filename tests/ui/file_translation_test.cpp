// "Datei übersetzen...": both names asked through the common dialogs, the target
// written byte for byte, and the runs that are refused, fail or are cancelled.
#include "tests/support/driver.h"
#include "tests/support/run_moves.h"
#include "tests/support/whole_file.h"

using namespace qd;
using Lines = std::vector<std::string>;

namespace {

class UIFileTranslation : public UiTest {};

constexpr int kTranslateFile = 144, kTranslateSentence = 143;
const char kOpenTitle[] = "Datei \xF6" "ffnen";
const char kSaveTitle[] = "Datei speichern unter ...";

Box WaitForFileDialog(Program& app, const char* title, Caller at = {}) {
    Box dialog = app.WaitForBox(kWaitLimitMs, at);
    if (dialog.title != title)
        Fail(at, std::string("expected the dialog \"") + title + "\", found " + dialog.Describe());
    return dialog;
}

// Chooses "Datei übersetzen..." and names source and target; what follows is the
// caller's.
void StartFileTranslation(Program& app, const std::string& source, const std::string& target,
                          Caller at = {}) {
    app.PostCommand(kTranslateFile, 0, at);
    app.AnswerFileDialog(WaitForFileDialog(app, kOpenTitle, at), source, at);
    app.AnswerFileDialog(WaitForFileDialog(app, kSaveTitle, at), target, at);
}

// Translates source into target, both named in the dialogs, and waits for expected.
void TranslateFileInto(Program& app, const std::string& source, const std::string& target,
                       const std::string& expected, Caller at = {}) {
    StartFileTranslation(app, source, target, at);
    WaitForFileRun(app, target, expected, at);
    app.ExpectNoBox(at);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

TEST_F(UIFileTranslation, BothNamesAreAskedAndTheTargetHoldsEveryPieceIncludingAShortRest) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"),
                               "Der Hund bellt. Die Katze schl\xE4" "ft.\r\n"));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("AB.TXT"), "ab"));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("OHNE.TXT"), "Erster Satz.\r\n\r\nZweiter ohne Ende"));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("LEER.TXT"), ""));
    Program app(StartOptions{Build::QDGE});

    TranslateFileInto(app, ScratchFile("BRIEF.TXT"), ScratchFile("BRIEF.ENG"),
                      "EN(Der Hund bellt.) EN(Die Katze schl\xE4" "ft.)\r\n");
    EXPECT_EQ(TranslatedSentences(), (Lines{"Der Hund bellt.", "Die Katze schl\xE4" "ft."}));
    // A rest of two characters is translated like any other piece.
    TranslateFileInto(app, ScratchFile("AB.TXT"), ScratchFile("AB.ENG"), "EN(ab)");
    TranslateFileInto(app, ScratchFile("OHNE.TXT"), ScratchFile("OHNE.ENG"),
                      "EN(Erster Satz.)\r\n\r\nEN(Zweiter ohne Ende)");
    TranslateFileInto(app, ScratchFile("LEER.TXT"), ScratchFile("LEER.ENG"), "");
    EXPECT_TRUE(Exists(ScratchFile("LEER.ENG")));
    EXPECT_EQ(TranslatedSentences(),
              (Lines{"Der Hund bellt.", "Die Katze schl\xE4" "ft.", "ab", "Erster Satz.",
                     "Zweiter ohne Ende"}));

    // Nothing went to the windows, and afterwards F9 writes to the output window again.
    EXPECT_EQ(app.EditText(Pane::Output), "");
    EXPECT_EQ(app.EditText(Pane::Messages), "");
    app.SetText(app.Edit(Pane::Input), "Hallo Welt.");
    app.SendCommand(kTranslateSentence);
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Hallo Welt.)");
    EXPECT_EQ(ReadWholeFile(ScratchFile("OHNE.ENG")), "EN(Erster Satz.)\r\n\r\nEN(Zweiter ohne Ende)");
    app.End();
}

TEST_F(UIFileTranslation, RefusedFailedAndCancelledRunsKeepWhatWasWritten) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("gleich.txt"), "Bleibt so."));
    const std::string chunk = "Kurz. " + std::string(3000, 'a') + ".";
    ASSERT_TRUE(WriteWholeFile(ScratchFile("LANG.TXT"), chunk));
    std::string many, expected;
    Lines sentences;
    for (int i = 1; i <= 2000; ++i) {
        std::string sentence = "Satz " + std::to_string(i) + " ist hier.";
        many += (i > 1 ? " " : "") + sentence;
        sentences.push_back(sentence);
    }
    ASSERT_TRUE(WriteWholeFile(ScratchFile("VIELE.TXT"), many));
    Program app(StartOptions{Build::QDGE});

    // Cancelling either name does nothing.
    app.PostCommand(kTranslateFile);
    Box open = WaitForFileDialog(app, kOpenTitle);
    EXPECT_EQ(app.HelpContext(), kTranslateFile);
    app.Answer(open, IDCANCEL);
    app.ExpectNoBox();
    app.PostCommand(kTranslateFile);
    app.AnswerFileDialog(WaitForFileDialog(app, kOpenTitle), ScratchFile("gleich.txt"));
    app.Answer(WaitForFileDialog(app, kSaveTitle), IDCANCEL);
    app.ExpectNoBox();

    // The source named again as target, in other letters' case: message 43.
    StartFileTranslation(app, ScratchFile("gleich.txt"), "C:\\QDTEST\\GLEICH.TXT");
    Box box = app.WaitForBox();
    if (box.title != "Quendel") {
        app.Answer(box, IDYES);  // the save dialog asks before replacing a file
        box = app.WaitForBox();
    }
    ExpectMessageBox(box, "Die Eingabe- und die Ausgabedatei d\xFCrfen nicht gleich sein!", {IDOK});
    app.Answer(box, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(ReadWholeFile(ScratchFile("gleich.txt")), "Bleibt so.");
    EXPECT_EQ(TranslatedSentences(), Lines{});

    // 2,048 bytes without a sentence end are one piece, too long: reported, and the
    // run ends with what was written before it.
    TranslateFileInto(app, ScratchFile("LANG.TXT"), ScratchFile("LANG.ENG"), "EN(Kurz.) ");
    EXPECT_EQ(TranslatedSentences(), Lines{"Kurz."});
    EXPECT_EQ(app.EditText(Pane::Messages), "\r\n\x95 Satz zu lang: " + std::string(2047, 'a'));

    // "Abbrechen" during a long file: the run stops after the sentence in work and
    // the target keeps exactly the sentences the engine translated.
    ClearEngineLog();
    StartFileTranslation(app, ScratchFile("VIELE.TXT"), ScratchFile("VIELE.ENG"));
    HWND progress = nullptr;
    for (DWORD start = GetTickCount(); !progress && GetTickCount() - start < kWaitLimitMs;)
        progress = FindProgressDialog(app);
    ASSERT_TRUE(progress) << "no progress dialog during the file translation";
    EXPECT_EQ(GetWindow(progress, GW_OWNER), app.Frame());
    PostMessageA(progress, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(progress, 2)));
    WaitUntilGone(app, progress, "the progress dialog after \"Abbrechen\"");
    app.ExpectNoBox();
    Lines sent = TranslatedSentences();
    ASSERT_GT(sent.size(), 0u);
    ASSERT_LT(sent.size(), sentences.size()) << "the run ended before \"Abbrechen\" reached it";
    EXPECT_EQ(sent, Lines(sentences.begin(), sentences.begin() + sent.size()));
    for (size_t i = 0; i < sent.size(); ++i) expected += (i ? " EN(" : "EN(") + sent[i] + ")";
    EXPECT_EQ(ReadWholeFile(ScratchFile("VIELE.ENG")), expected);
    app.End();
}

TEST_F(UIFileTranslation, ASourceThatIsNotTextIsRefusedBeforeAnyTargetIsWritten) {
    // A NUL after the first line: the old loop translated up to it, lost the rest
    // and reported success.
    ASSERT_TRUE(WriteWholeFile(ScratchFile("NULL.TXT"), std::string("Ein Satz.\r\n\0Noch einer.", 24)));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("UTF16.TXT"), std::string("\xFF\xFEH\0a\0l\0l\0o\0.\0", 14)));
    Program app(StartOptions{Build::QDGE});

    for (const char* name : {"NULL.TXT", "UTF16.TXT"}) {
        app.PostCommand(kTranslateFile);
        app.AnswerFileDialog(WaitForFileDialog(app, kOpenTitle), ScratchFile(name));
        Box message = app.WaitForBox();
        ExpectMessageBox(message, "Datei '" + ScratchFile(name) + "' ist keine Textdatei: Sie enth\xE4lt "
                         "Nullbytes oder ist in Unicode gespeichert.", {IDOK});
        app.Answer(message, IDOK);
        app.ExpectNoBox();  // no save dialog: the run never starts
    }
    EXPECT_EQ(TranslatedSentences(), Lines{});
    app.End();
}
