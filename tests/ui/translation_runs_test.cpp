// Interactive translation runs: the posted steps of "Alles übersetzen" and
// "Markiertes übersetzen" looked at one by one, F9 on the caret and on markings,
// cancelling and stopping a run, and what the engine's failures leave behind.
#include <algorithm>

#include "tests/support/driver.h"
#include "tests/support/run_moves.h"

using namespace qd;
using Lines = std::vector<std::string>;

namespace {

class UIRuns : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        KeepClipboardToThisTest();
    }
};

constexpr int kTranslateAll = 104, kTranslateMarked = 138, kTranslateSentence = 143,
              kTranslateFile = 144, kStopRun = 141, kSentenceAlias = 4409;
constexpr int kCancelButton = 2;

// Puts text into the input window without making it a change to be saved.
void SetInput(Program& app, const std::string& text, Caller at = {}) {
    app.SetText(app.Edit(Pane::Input, at), text, at);
}

// The engine's calls from the first translation on, without the abbreviation
// questions that sentence marking asks in between.
Lines TranslationCalls() {
    Lines calls;
    bool started = false;
    for (const std::string& line : EngineLog()) {
        started = started || line.rfind("tsent|", 0) == 0;
        if (started && line.rfind("getabbrev|", 0) != 0) calls.push_back(line);
    }
    return calls;
}

// What the engine is asked for the k-th sentence (from 1) that it translates.
Lines SentenceCalls(const std::string& sentence, int k) {
    return {"tsent|" + sentence, "StringFromAtom|" + std::to_string(2 * k - 1),
            "StringFromAtom|" + std::to_string(2 * k), "clearlmt"};
}

bool PaintPending(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != 0; }

}  // namespace

TEST_F(UIRuns, TranslateAllGoesStepByStepAndIgnoresWhatArrivesDuringTheRun) {
    Program app(StartOptions{Build::QDGE});
    const std::string text = "Eins ist hier. Zwei ist da. Drei ist fort.";
    SetInput(app, text);
    HWND input = app.Edit(Pane::Input);
    RunHold hold(app);

    app.PostCommand(kTranslateAll);
    hold.Queue();
    hold.Wait();
    Box progress = WaitForBoxTitled(app, kProgressTitle);
    EXPECT_EQ(progress.buttons, (std::vector<std::pair<int, std::string>>{
                                    {kCancelButton, "&Abbrechen"}, {1165, ""}}));
    for (const char* shown : {"Dr\xFC" "cken Sie \"Abbrechen\", um die \xDC" "bersetzung zu beenden.",
                              "Satz Nr.:", "Syntaxanalyse ..."})
        EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), shown),
                  progress.texts.end())
            << shown << " in " << progress.Describe();
    // The run starts from the top with nothing marked and nothing sent yet.
    EXPECT_EQ(app.GetSelection(input).start, 0);
    EXPECT_EQ(app.GetSelection(input).end, 0);
    EXPECT_EQ(TranslatedSentences(), Lines{});

    // 1025 marks the first sentence, 1026 translates it.
    hold.Step();
    EXPECT_EQ(app.GetSelection(input).start, 0);
    EXPECT_EQ(app.GetSelection(input).end, 14);
    EXPECT_EQ(TranslatedSentences(), Lines{});
    hold.Step();
    EXPECT_EQ(TranslatedSentences(), Lines{"Eins ist hier."});
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.)");
    EXPECT_EQ(ControlText(progress.window, kProgressCounter), "1");
    EXPECT_FALSE(PaintPending(progress.window)) << "the progress dialog is never painted";

    // Further starts arriving during the run are refused: none restarts the run,
    // translates on its own, closes the progress dialog or asks for a file.
    for (int command : {kTranslateAll, kTranslateMarked, kTranslateSentence, kSentenceAlias,
                        kTranslateFile})
        app.PostCommand(command);
    hold.Step();
    app.ExpectNoBox();
    EXPECT_TRUE(IsWindow(progress.window));
    EXPECT_EQ(app.GetSelection(input).start, 14);
    EXPECT_EQ(app.GetSelection(input).end, 27);
    EXPECT_EQ(TranslatedSentences(), Lines{"Eins ist hier."});

    // Text typed at the end during the run lies beyond the run and stays untranslated.
    app.Type(Pane::Input, " Vier ist neu.");
    app.Select(input, 14, 27);
    hold.Step();
    EXPECT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Zwei ist da."}));
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.) EN(Zwei ist da.)");
    EXPECT_EQ(ControlText(progress.window, kProgressCounter), "2");

    hold.ReleaseAll();
    WaitUntilGone(app, progress.window, "the progress dialog");
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.) EN(Zwei ist da.) EN(Drei ist fort.)");
    EXPECT_EQ(app.EditText(Pane::Messages), "");
    EXPECT_EQ(app.EditText(Pane::Input), text + " Vier ist neu.");
    Lines expected;
    int k = 0;
    for (const char* sentence : {"Eins ist hier.", "Zwei ist da.", "Drei ist fort."})
        for (const std::string& call : SentenceCalls(sentence, ++k)) expected.push_back(call);
    EXPECT_EQ(TranslationCalls(), expected);
    app.End();
}

TEST_F(UIRuns, CancelAndCommand141StopARunAndKeepWhatWasTranslated) {
    Program app(StartOptions{Build::QDGE});
    SetInput(app, "Eins ist hier. Zwei ist da. Drei ist fort. Vier ist neu.");
    SetEngineScript("sentence|Vier ist neu.|-1||0|\n");

    // "Abbrechen" twice while the third sentence is marked: the run ends before
    // sending it, the dialog closes and the output keeps the first two.
    {
        RunHold hold(app);
        app.PostCommand(kTranslateAll);
        hold.Queue();
        hold.Wait();
        Box progress = WaitForBoxTitled(app, kProgressTitle);
        for (int step = 0; step < 5; ++step) hold.Step();
        ASSERT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Zwei ist da."}));
        ASSERT_EQ(app.GetSelection(app.Edit(Pane::Input)).end, 42);
        progress.Press(kCancelButton);
        progress.Press(kCancelButton);
        hold.ReleaseAll();
        WaitUntilGone(app, progress.window, "the progress dialog after \"Abbrechen\"");
    }
    app.ExpectNoBox();
    EXPECT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Zwei ist da."}));
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.) EN(Zwei ist da.)");

    // 141 from outside while the first sentence is marked: that sentence is still
    // translated, then the run ends.
    {
        RunHold hold(app);
        app.PostCommand(kTranslateAll);
        hold.Queue();
        hold.Wait();
        Box progress = WaitForBoxTitled(app, kProgressTitle);
        hold.Step();
        ASSERT_EQ(app.GetSelection(app.Edit(Pane::Input)).end, 14);
        app.PostCommand(kStopRun);
        hold.ReleaseAll();
        WaitUntilGone(app, progress.window, "the progress dialog after command 141");
    }
    app.ExpectNoBox();
    EXPECT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Zwei ist da.", "Eins ist hier."}));
    EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.) EN(Zwei ist da.)EN(Eins ist hier.)");

    // Neither run is left half active: F9 translates at once, and a failure
    // brings the messages window forward as it does outside a run.
    app.Select(app.Edit(Pane::Input), 50, 50);
    app.SendCommand(kTranslateSentence);
    EXPECT_EQ(TranslatedSentences().back(), "Vier ist neu.");
    EXPECT_EQ(app.EditText(Pane::Output),
              "EN(Eins ist hier.) EN(Zwei ist da.)EN(Eins ist hier.) >>> Vier ist neu.");
    EXPECT_EQ(app.EditText(Pane::Messages), "\r\n\x95 Keine \xDC" "bersetzung bei: Vier ist neu.");
    EXPECT_EQ(app.ActiveWindow(), app.Window(Pane::Messages));
    app.End();
}

TEST_F(UIRuns, SentenceCommandTakesTheCaretSentenceOrTheMarkingAndF10ClipsToTheMarking) {
    Program app(StartOptions{Build::QDGE});
    HWND input = app.Edit(Pane::Input);
    SetEngineScript("sentence|Ich komme|0|I come.|0|\n");

    // An empty input window: F9, F10 and "Alles übersetzen" do nothing at all.
    app.SendCommand(kTranslateSentence);
    app.SendCommand(kTranslateMarked);
    app.SendCommand(kTranslateAll);
    app.ExpectNoBox();
    EXPECT_EQ(TranslatedSentences(), Lines{});

    // "Das ist gut." ends at 12, " Ich komme morgen." at 30.
    SetInput(app, "Das ist gut. Ich komme morgen.");
    struct Case {
        Selection marked;
        const char* sent;
        const char* output;
    };
    const Case cases[] = {
        {{5, 5}, "Das ist gut.", "EN(Das ist gut.)"},              // caret: the whole sentence
        {{20, 20}, "Ich komme morgen.", " EN(Ich komme morgen.)"},  // from the blank before it
        {{8, 16}, "gut. Ich", "EN(gut. Ich)"},                       // a marking: exactly that
        {{4, 7}, "ist", "EN(ist)"},                                  // three characters are enough
        {{13, 15}, "Ich komme morgen.", " EN(Ich komme morgen.)"},  // two: the sentence at its end
        {{2, 3}, "Das ist gut.", "EN(Das ist gut.)"},                // one
    };
    std::string output;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.marked.start) + "-" + std::to_string(c.marked.end));
        app.Select(input, c.marked.start, c.marked.end);
        app.SendCommand(kTranslateSentence);
        output += c.output;
        EXPECT_EQ(TranslatedSentences().back(), c.sent);
        EXPECT_EQ(app.EditText(Pane::Output), output);
    }
    // The alias from outside does the same.
    app.Select(input, 25, 25);
    app.SendCommand(kSentenceAlias);
    output += " EN(Ich komme morgen.)";
    EXPECT_EQ(app.EditText(Pane::Output), output);
    EXPECT_EQ(TranslatedSentences().size(), 7u);

    // F10 on a marking that starts inside the first sentence and ends inside the
    // second: each sentence is clipped to the marking.
    app.SetText(app.Edit(Pane::Output), "");
    app.Select(input, 4, 22);
    RunHold hold(app);
    app.PostCommand(kTranslateMarked);
    hold.Queue();
    hold.Wait();
    Box progress = WaitForBoxTitled(app, kProgressTitle);
    EXPECT_EQ(app.GetSelection(input).start, 4);  // the caret at the marking's start
    EXPECT_EQ(app.GetSelection(input).end, 4);
    hold.Step();
    EXPECT_EQ(app.GetSelection(input).start, 4);
    EXPECT_EQ(app.GetSelection(input).end, 12);
    hold.Step();
    hold.Step();
    EXPECT_EQ(app.GetSelection(input).start, 12);
    EXPECT_EQ(app.GetSelection(input).end, 22);
    hold.ReleaseAll();
    WaitUntilGone(app, progress.window, "the progress dialog");
    Lines sent = TranslatedSentences();
    EXPECT_EQ(Lines(sent.begin() + 7, sent.end()), (Lines{"ist gut.", "Ich komme"}));
    // The period the engine added to a sentence without one is dropped.
    EXPECT_EQ(app.EditText(Pane::Output), "EN(ist gut.) I come");
    app.End();
}

namespace {

// A sentence of words and single blanks, ending with "Ende.", length characters long.
std::string SentenceOfLength(size_t length) {
    std::string sentence = "Lang";
    while (sentence.size() < length - 6) sentence += " xxxx";
    sentence.resize(length - 6);
    if (sentence.back() == ' ') sentence.back() = 'x';
    return sentence + " Ende.";
}

// Answers the box, then waits until the progress dialog that was open with it is gone.
void AnswerAndWaitForRunEnd(Program& app, const Box& box, int button, Caller at = {}) {
    HWND progress = FindProgressDialog(app);
    app.Answer(box, button, at);
    if (progress) WaitUntilGone(app, progress, "the progress dialog", at);
}

}  // namespace

TEST_F(UIRuns, EngineFailuresGoToTheMessagesWindowWithTheirSentences) {
    const std::string longest = SentenceOfLength(511), tooLong = SentenceOfLength(512);
    ASSERT_EQ(longest.size(), 511u);
    ASSERT_EQ(tooLong.size(), 512u);
    SetEngineScript(
        "sentence|Eins geht nicht.|-1|One.|0|\n"
        "sentence|Zwei dauert.|-2|Two.|0|\n"
        "qtimeout|1\n"
        "sentence|Drei ist krumm.|0|Three is crooked.|2|krumm\n"
        "sentence|Vier ist seltsam.|0|Four.|7|seltsam\n"
        "sentence|F\xFCnf ist gut.|0|Five is good.|0|0\n"
        "sentence|Der Hund|0|The dog.|0|\n");
    Program app(StartOptions{Build::QDGE});
    SetInput(app, "Eins geht nicht. Zwei dauert. Drei ist krumm. Vier ist seltsam. F\xFCnf ist "
                  "gut. " + longest + " " + tooLong + " Der Hund");

    RunHold hold(app);
    app.PostCommand(kTranslateAll);
    hold.Queue();
    hold.Wait();
    Box progress = WaitForBoxTitled(app, kProgressTitle);
    hold.Step();
    hold.Step();
    // Within a run the messages window is written but not brought forward.
    EXPECT_EQ(app.EditText(Pane::Messages), "\r\n\x95 Keine \xDC" "bersetzung bei: Eins geht nicht.");
    EXPECT_NE(app.ActiveWindow(), app.Window(Pane::Messages));
    hold.ReleaseAll();
    WaitUntilGone(app, progress.window, "the progress dialog");
    app.ExpectNoBox();

    // The too long sentence never reaches the engine, and the run goes on after it.
    EXPECT_EQ(TranslatedSentences(),
              (Lines{"Eins geht nicht.", "Zwei dauert.", "Drei ist krumm.", "Vier ist seltsam.",
                     "F\xFCnf ist gut.", longest, "Der Hund"}));
    EXPECT_EQ(app.EditText(Pane::Output),
              ">>> Eins geht nicht. >>> Zwei dauert. Three is crooked. Four. Five is good. EN(" +
                  longest + ")  The dog");
    EXPECT_EQ(app.EditText(Pane::Messages),
              "\r\n\x95 Keine \xDC" "bersetzung bei: Eins geht nicht."
              "\r\n\x95 Keine \xDC" "bersetzung: Zwei dauert."
              "\r\n\x95 Analysefehler bei: Drei ist krumm."
              "\r\n\x95 Unbekannt: krumm"
              "\r\n\x95 Unbekannter \xDC" "bersetzungsfehler bei: Vier ist seltsam."
              "\r\n\x95 Satz zu lang: " + tooLong);

    // Without the engine's word that it found no translation, -2 is a time-out.
    SetEngineScript("sentence|Zwei dauert.|-2|Two.|0|\nqtimeout|0\n");
    app.SetText(app.Edit(Pane::Output), "");
    app.SetText(app.Edit(Pane::Messages), "");
    app.Select(app.Edit(Pane::Input), 20, 20);
    app.SendCommand(kTranslateSentence);
    EXPECT_EQ(app.EditText(Pane::Output), " >>> Zwei dauert.");
    EXPECT_EQ(app.EditText(Pane::Messages), "\r\n\x95 Zeit\xFC" "berschreitung bei: Zwei dauert.");
    app.End();
}

TEST_F(UIRuns, EngineExceptionShowsTheFatalDialogEndsTheRunAndTheNextF9Works) {
    {
        SetEngineScript("raise|Zwei ist da.|access\n");
        Program app(StartOptions{Build::QDGE});
        SetInput(app, "Eins ist hier. Zwei ist da. Drei ist fort.");
        RunHold hold(app);
        app.PostCommand(kTranslateAll);
        hold.Queue();
        hold.Wait();
        Box progress = WaitForBoxTitled(app, kProgressTitle);
        hold.ReleaseAll();

        Box fatal = WaitForBoxTitled(app, "Quendel");
        ASSERT_FALSE(fatal.texts.empty()) << fatal.Describe();
        EXPECT_EQ(fatal.texts[0], "W\xE4hrend der \xDC" "bersetzung ist ein schwerwiegender Fehler "
                                  "aufgetreten!");
        EXPECT_NE(std::find(fatal.texts.begin(), fatal.texts.end(),
                            "- Starten Sie Quendel plus neu, um mit"),
                  fatal.texts.end())
            << fatal.Describe();
        EXPECT_EQ(fatal.buttons, (std::vector<std::pair<int, std::string>>{{IDCANCEL, "&OK"}}));
        // The run waits on the sentence that failed.
        EXPECT_TRUE(IsWindow(progress.window));
        EXPECT_EQ(ControlText(progress.window, kProgressCounter), "2");
        EXPECT_EQ(GetWindow(fatal.window, GW_OWNER), app.Frame());
        app.Answer(fatal, IDCANCEL);
        WaitUntilGone(app, progress.window, "the progress dialog after the fatal error");
        app.ExpectNoBox();
        EXPECT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Zwei ist da."}));
        EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.) ");
        EXPECT_EQ(app.EditText(Pane::Messages), "");

        // The engine stays loaded and the next sentence goes through.
        app.Select(app.Edit(Pane::Input), 30, 30);
        app.SendCommand(kTranslateSentence);
        EXPECT_EQ(app.EditText(Pane::Output), "EN(Eins ist hier.)  EN(Drei ist fort.)");
        app.End();
    }
    {
        ClearEngineLog();
        SetEngineScript("raise|Eins ist hier.|foreign\n");
        Program app(StartOptions{Build::QDEG});
        SetInput(app, "Eins ist hier. Zwei ist da.");
        app.PostCommand(kTranslateSentence);
        Box fatal = WaitForBoxTitled(app, "Quendel");
        EXPECT_NE(std::find(fatal.texts.begin(), fatal.texts.end(),
                            "- Starten Sie Quendel neu, um mit"),
                  fatal.texts.end())
            << fatal.Describe();
        AnswerAndWaitForRunEnd(app, fatal, IDCANCEL);
        app.ExpectNoBox();
        EXPECT_EQ(app.EditText(Pane::Output), "");
        app.Select(app.Edit(Pane::Input), 20, 20);
        app.SendCommand(kTranslateSentence);
        EXPECT_EQ(app.EditText(Pane::Output), " EN(Zwei ist da.)");
        EXPECT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Zwei ist da."}));
        app.End();
    }
}

TEST_F(UIRuns, FullOutputWindowShowsDialog131AndEndsTheRun) {
    Program app(StartOptions{Build::QDGE});
    // Lines, since the edit control wraps one long line slowly.
    std::string full;
    while (full.size() < 65535) full += std::string(78, 'x') + "\r\n";
    full.resize(65535);
    SetInput(app, "Eins ist hier. Zwei ist da. Drei ist fort.");
    app.SetText(app.Edit(Pane::Output), full);
    const std::string notice = "Das Ausgabefenster kann keinen \xFC" "bersetzten Text mehr aufnehmen.";

    // F9: the translation does not fit; once confirmed, nothing more is shown.
    app.Select(app.Edit(Pane::Input), 3, 3);
    app.PostCommand(kTranslateSentence);
    Box box = WaitForBoxTitled(app, "Quendel");
    ASSERT_FALSE(box.texts.empty()) << box.Describe();
    EXPECT_EQ(box.texts[0], notice);
    AnswerAndWaitForRunEnd(app, box, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(app.EditText(Pane::Output).size(), full.size());

    // A run stops at the first sentence that does not fit.
    RunHold hold(app);
    app.PostCommand(kTranslateAll);
    hold.Queue();
    hold.Wait();
    Box progress = WaitForBoxTitled(app, kProgressTitle);
    hold.ReleaseAll();
    box = WaitForBoxTitled(app, "Quendel");
    ASSERT_FALSE(box.texts.empty()) << box.Describe();
    EXPECT_EQ(box.texts[0], notice);
    app.Answer(box, IDOK);
    WaitUntilGone(app, progress.window, "the progress dialog");
    app.ExpectNoBox();
    EXPECT_EQ(TranslatedSentences(), (Lines{"Eins ist hier.", "Eins ist hier."}));
    EXPECT_EQ(app.EditText(Pane::Output), full);
    app.End();
}
