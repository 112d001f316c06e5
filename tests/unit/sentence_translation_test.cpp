#include <gtest/gtest.h>

#include <string.h>

#include "core/engine_options.h"
#include "core/message_log.h"
#include "core/progress.h"
#include "core/run_marking.h"
#include "core/run_state.h"
#include "core/sentence_prep.h"
#include "core/sentence_translation.h"
#include "messages/window_text.h"
#include "tests/unit/unit_support.h"
#include "textwin/window_registry.h"

namespace {

int g_engineFailures;
int g_outputFullNotices;
std::vector<std::string> g_writeFailures;

class SentenceTranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_run = RunState{};
        g_translation = TranslationSettings{};
        g_outputTarget = OutputTarget{};
        saved_ = g_notices;
        g_notices = {[] { ++g_engineFailures; }, [] { ++g_outputFullNotices; },
                     [](const char* path) { g_writeFailures.push_back(path); }};
        g_engineFailures = g_outputFullNotices = 0;
        g_writeFailures.clear();
    }
    void TearDown() override { g_notices = saved_; }

    int Translate(const std::string& piece) {
        std::vector<char> buffer(piece.begin(), piece.end());
        buffer.push_back('\0');
        return TranslateSentence(buffer.data());
    }

    ScopedEngineStandIn engine;
    ScopedTextWindows windows;
    TranslationNotices saved_;
};

TEST_F(SentenceTranslationTest, PunctuationAloneIsCopiedWithoutAskingTheEngine) {
    EXPECT_EQ(Translate("\r\n-- !\r\n"), 8);
    EXPECT_EQ(windows.Output(), "\r\n-- !\r\n");
    EXPECT_TRUE(engine->calls.empty());
}

TEST_F(SentenceTranslationTest, PrefixAndTailSurroundTheTranslation) {
    g_translation.rap = 1;
    engine->answers["Der Hund bellt"].translation = "The dog barks";
    EXPECT_EQ(Translate("\r\nDer Hund bellt, "), 14);
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"option|rapinit=on", "tsent|Der Hund bellt",
                                                        "clearlmt"}));
    EXPECT_EQ(windows.Output(), "\r\nThe dog barks, ");
    EXPECT_EQ(windows.Messages(), "");
}

TEST_F(SentenceTranslationTest, LineBreaksInsideASentenceBecomeBlanks) {
    Translate("Der\r\nHund\tbellt.");
    EXPECT_EQ(engine->calls[0], "tsent|Der  Hund bellt.");
}

TEST_F(SentenceTranslationTest, APeriodTheSourceDidNotHaveIsDropped) {
    engine->answers["Der Hund"].translation = "The dog.";
    engine->answers["Der Hund."].translation = "The dog.";
    Translate("Der Hund");
    Translate(" Der Hund.");
    EXPECT_EQ(windows.Output(), "The dog The dog.");
}

TEST_F(SentenceTranslationTest, UmlautsReachTheEngineAndComeBack) {
    engine->answers["Grüße aus Köln"].translation = "Grüße (greetings)";
    Translate("Grüße aus Köln");
    EXPECT_EQ(engine->calls[0], "tsent|Grüße aus Köln");
    EXPECT_EQ(windows.Output(), "Grüße (greetings)");
}

TEST_F(SentenceTranslationTest, SentencesOf512CharactersAreNotSent) {
    std::string fits(511, 'a');
    EXPECT_EQ(Translate(fits), 511);
    std::string tooLong(512, 'a');
    EXPECT_EQ(Translate(tooLong), 0);
    EXPECT_EQ(engine->calls.size(), 2u);  // tsent and clearlmt of the first only
    EXPECT_EQ(windows.Messages(), "\r\n• Satz zu lang: " + tooLong);
}

TEST_F(SentenceTranslationTest, FailedTranslationsAreMarkedAndLogged) {
    engine->answers["Eins"].result = -1;
    engine->answers["Zwei"].result = -2;
    engine->answers["Drei"].result = -2;
    engine->answers["Vier"].result = -2;
    engine->answers["Fünf"].result = 3;  // no known meaning: nothing at all

    EXPECT_EQ(Translate("Eins, "), 4);
    engine->qtimeout = 1;
    Translate("Zwei");
    engine->qtimeout = 0;
    Translate("Drei");
    g_run.cancelCount = 1;
    Translate("Vier");
    g_run.cancelCount = 0;
    EXPECT_EQ(Translate("Fünf"), 4);

    EXPECT_EQ(windows.Output(), ">>> Eins>>> Zwei>>> Drei");
    EXPECT_EQ(windows.Messages(),
              "\r\n• Keine Übersetzung bei: Eins"
              "\r\n• Keine Übersetzung: Zwei"
              "\r\n• Zeitüberschreitung bei: Drei"
              "\r\n• Abbruch bei: Vier");
    int clears = 0;
    for (const std::string& call : engine->calls) clears += call == "clearlmt";
    EXPECT_EQ(clears, 4);
}

TEST_F(SentenceTranslationTest, ErrorTypesAndUnknownWordsGoToTheMessages) {
    engine->answers["Ein Glorp."] = {0, "A glorp.", 0, "Glorp"};
    engine->answers["Zwei Wuffs."] = {0, "Two wuffs.", 2, "0"};
    engine->answers["Drei Sachen."] = {0, "Three things.", 7, "Sachen"};
    Translate("Ein Glorp.");
    Translate("Zwei Wuffs.");
    EXPECT_EQ(Translate("Drei Sachen."), 12);
    EXPECT_EQ(windows.Messages(),
              "\r\n• Unbekannt: Glorp"
              "\r\n• Analysefehler bei: Zwei Wuffs."
              "\r\n• Unbekannter Übersetzungsfehler bei: Drei Sachen.");
    EXPECT_EQ(ReportErrorType(4, "", "x"), 0);
    EXPECT_EQ(ReportErrorType(5, "", "x"), 1);
}

TEST_F(SentenceTranslationTest, OverlongEngineAnswersAreCut) {
    engine->answers["Lang."].translation = std::string(3000, 'x');
    engine->answers["Lang."].unknown = std::string(2000, 'y');
    Translate("Lang.");
    EXPECT_EQ(windows.Output(), std::string(1023, 'x'));
    EXPECT_EQ(windows.Messages(), "\r\n• Unbekannt: " + std::string(1023, 'y'));
}

TEST_F(SentenceTranslationTest, AnEngineExceptionIsCaughtAndTheNextSentenceWorks) {
    engine->onTranslate = [](const std::string& sentence) {
        if (sentence == "Absturz.") *static_cast<volatile int*>(nullptr) = 1;
        if (sentence == "Wurf.") RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    };
    EXPECT_EQ(Translate("Absturz."), 0);
    EXPECT_EQ(g_engineFailures, 1);
    EXPECT_EQ(g_run.cancelCount, 1);

    g_run.cancelCount = 0;
    EXPECT_EQ(Translate("Wurf."), 0);
    EXPECT_EQ(g_engineFailures, 2);
    EXPECT_EQ(g_run.cancelCount, 1);

    EXPECT_EQ(windows.Output(), "");
    EXPECT_EQ(windows.Messages(), "");
    EXPECT_EQ(Translate("Gut."), 4);
    EXPECT_EQ(windows.Output(), "EN(Gut.)");
}

TEST_F(SentenceTranslationTest, AFullOutputWindowStopsTheRun) {
    SendMessageA(g_windows.outputEdit, EM_SETLIMITTEXT, 5, 0);
    SetWindowTextA(g_windows.outputEdit, "12345");
    Translate("Satz.");
    EXPECT_EQ(g_outputFullNotices, 1);
    EXPECT_TRUE(g_run.endOfText);
    EXPECT_EQ(g_run.cancelCount, 1);

    // Room for part of the translation only: nothing of it goes in, and the run
    // stops as for a full window.
    g_run = RunState{};
    g_outputFullNotices = 0;
    SendMessageA(g_windows.outputEdit, EM_SETLIMITTEXT, 10, 0);
    SetWindowTextA(g_windows.outputEdit, "123");
    Translate("Satz.");
    EXPECT_EQ(windows.Output(), "123");
    EXPECT_EQ(g_outputFullNotices, 1);
    EXPECT_EQ(g_run.cancelCount, 1);
}

// During a run the output window gets its text in batches, about 30 a second: what
// waits goes in after the interval and when the progress dialog closes, whole and in
// order, and a translation that would overfill the window stops the run with
// everything before it in the window.
// A run as far as the output sees it: a progress dialog (a stand-in window), and
// the last batch longer ago than the interval.
void StartRun() {
    g_run.progressDialog = CreateWindowExA(0, "static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                           GetModuleHandleA(nullptr), nullptr);
    g_run.runActive = true;
    Sleep(150);  // whatever the last showing cost, the first of this run is due
}

TEST_F(SentenceTranslationTest, DuringARunTheOutputComesInBatchesWithNothingLostOrReordered) {
    StartRun();
    Translate("Eins. ");
    Translate("Zwei. ");
    Translate("Drei.");
    EXPECT_EQ(windows.Output().rfind("EN(Eins.) ", 0), 0u) << windows.Output();
    Sleep(150);
    Translate("\r\nVier.");
    EXPECT_EQ(windows.Output(), "EN(Eins.) EN(Zwei.) EN(Drei.)\r\nEN(Vier.)");
    Translate(" F\xFCnf.");
    Translate(" Sechs.");
    CloseProgressDialog();
    EXPECT_EQ(windows.Output(), "EN(Eins.) EN(Zwei.) EN(Drei.)\r\nEN(Vier.) EN(F\xFCnf.) EN(Sechs.)");
    EXPECT_EQ(g_outputFullNotices, 0);

    SetWindowTextA(g_windows.outputEdit, "");
    SendMessageA(g_windows.outputEdit, EM_SETLIMITTEXT, 20, 0);
    StartRun();
    Translate("Eins. ");
    Translate("Zwei. ");
    Translate("Drei.");
    EXPECT_EQ(g_outputFullNotices, 1);
    EXPECT_EQ(g_run.cancelCount, 1);
    CloseProgressDialog();
    EXPECT_EQ(windows.Output(), "EN(Eins.) EN(Zwei.) ");
}

TEST_F(SentenceTranslationTest, DuringARunTheMessagesComeInBatchesWithNothingLostOrReordered) {
    for (const char* sentence : {"Eins.", "Zwei.", "Drei."}) engine->answers[sentence].result = -1;
    StartRun();
    Translate("Eins.");
    const DWORD shown = GetTickCount();
    Translate("Zwei.");
    Translate("Drei.");
    if (GetTickCount() - shown < 20) {
        EXPECT_EQ(windows.Messages(), "\r\n• Keine Übersetzung bei: Eins.");
    }
    const std::string all = "\r\n• Keine Übersetzung bei: Eins."
                            "\r\n• Keine Übersetzung bei: Zwei."
                            "\r\n• Keine Übersetzung bei: Drei.";
    EXPECT_EQ(windows.Messages().rfind("\r\n• Keine Übersetzung bei: Eins.", 0), 0u) << windows.Messages();
    ShowWhatWaits();
    EXPECT_EQ(windows.Messages(), all);
    Translate("Eins.");
    CloseProgressDialog();
    EXPECT_EQ(windows.Messages(), all + "\r\n• Keine Übersetzung bei: Eins.");
}

EditSelection ShownMarking() { return SelectionOf(g_windows.inputEdit); }

bool operator==(EditSelection a, EditSelection b) { return a.start == b.start && a.end == b.end; }

// The input's marking moves with every sentence of a run and is shown about 30 times
// a second: what waits is what the run reads, and it is shown before anything else
// looks (the main loop, an engine failure, the end of the run).
TEST_F(SentenceTranslationTest, DuringARunTheMarkingWaitsAndIsShownBeforeAnythingElseLooks) {
    SetWindowTextA(g_windows.inputEdit, "Eins. Zwei. Drei.");
    MarkInput(0, 5);
    EXPECT_TRUE(ShownMarking() == (EditSelection{0, 5}));

    StartRun();
    MarkInput(6, 11);  // the first marking of a run is due
    const DWORD shown = GetTickCount();
    EXPECT_TRUE(ShownMarking() == (EditSelection{6, 11}));
    MarkInput(12, 17);
    EXPECT_TRUE(InputMarking() == (EditSelection{12, 17}));
    if (GetTickCount() - shown < 20) {
        EXPECT_TRUE(ShownMarking() == (EditSelection{6, 11}));
    }
    Translate("Vier.");
    ShowWhatWaits();
    EXPECT_TRUE(ShownMarking() == (EditSelection{12, 17}));
    EXPECT_EQ(windows.Output(), "EN(Vier.)");

    MarkInput(0, 0);
    CloseProgressDialog();
    EXPECT_TRUE(ShownMarking() == (EditSelection{0, 0}));
    EXPECT_TRUE(InputMarking() == (EditSelection{0, 0}));
}

// A single sentence (F9) has a progress dialog but no window run: its marking is shown
// at once, so a failure's messages window comes forward after it and stays in front.
TEST_F(SentenceTranslationTest, ASingleSentenceShowsItsMarkingAtOnce) {
    SetWindowTextA(g_windows.inputEdit, "Eins. Zwei. Drei.");
    StartRun();
    MarkInput(0, 5);
    MarkInput(6, 11);  // right after another: in a run it would wait
    g_run.runActive = false;
    MarkInput(12, 17);
    EXPECT_TRUE(ShownMarking() == (EditSelection{12, 17}));
    CloseProgressDialog();
}

TEST_F(SentenceTranslationTest, TargetFileReceivesBytesAndReportsAFailedWriteOnce) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "qd_target_test.txt";
    HANDLE created = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);

    g_outputTarget.toFile = true;
    lstrcpynA(g_outputTarget.path, path.c_str(), sizeof g_outputTarget.path);
    Translate("Eins.\r\n");
    EXPECT_EQ(windows.Output(), "");

    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    char bytes[64] = {};
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(bytes, read), "EN(Eins.)\r\n");

    // The target vanished: one message, the run stops, later appends are dropped.
    DeleteFileA(path.c_str());
    Translate("Zwei.");
    Translate("Drei.");
    EXPECT_TRUE(g_outputTarget.failed);
    EXPECT_EQ(g_run.cancelCount, 1);
    EXPECT_EQ(g_writeFailures, (std::vector<std::string>{path}));
    g_outputTarget = OutputTarget{};
}

TEST(SentencePreparation, CutsPrefixSentenceAndTail) {
    char piece[] = " \r\n(Ja; ja) ;  \r\n";
    PreparedPiece prepared = PrepareSentence(piece);
    ASSERT_TRUE(prepared.hasSentence);
    EXPECT_EQ(prepared.prefixLength, 4);  // '(' is not translatable, ')' is
    EXPECT_STREQ(piece + prepared.prefixLength, "Ja; ja) ");
    EXPECT_EQ(prepared.sentenceLength, 8);
    EXPECT_EQ(prepared.tail, ";  \r\n");

    char nothing[] = "...\r\n";
    EXPECT_FALSE(PrepareSentence(nothing).hasSentence);
    for (int c : {0x8A, 0x8C, 0x9A, 0x9C, 0x9F, 0xC0, 0xFF}) EXPECT_TRUE(IsTranslatableChar(c));
    for (int c : {0x8E, 0x9E, 0xBF, int('('), int('.'), int(' ')}) EXPECT_FALSE(IsTranslatableChar(c));
}

}  // namespace
