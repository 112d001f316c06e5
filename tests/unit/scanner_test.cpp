#include <gtest/gtest.h>

#include <string.h>

#include "core/engine_options.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "tests/unit/unit_support.h"

namespace {

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_translation.newLine = 1;
        g_run = RunState{};
    }
    int End(const std::string& text, int start = 0) {
        return FindSentenceEnd(text.c_str(), static_cast<int>(text.size()), start);
    }
    int Start(const std::string& text, int position) {
        return FindSentenceStart(text.c_str(), static_cast<int>(text.size()), position);
    }
    ScopedEngineStandIn engine;
    ScopedTextWindows windows;
};

TEST_F(ScannerTest, PeriodsAfterDigitsAndOneLetterWordsNeverEndASentence) {
    std::string date = "Er kam am 3. Mai.";
    EXPECT_EQ(End(date), static_cast<int>(date.size()) + 1);
    EXPECT_TRUE(g_run.endOfText);
    EXPECT_EQ(Start(date, static_cast<int>(date.size())), 0);
    EXPECT_TRUE(engine->calls.empty());

    std::string example = "Das ist z.B. gut. Neu";
    EXPECT_EQ(End(example), 17);
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"abbrev|gut."}));
}

TEST_F(ScannerTest, TheEngineDecidesAboutAbbreviations) {
    engine->abbreviations["Dr."] = {0, 0};
    std::string text = "Dr. Meier kam. Dann";
    EXPECT_EQ(End(text), 14);
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"abbrev|Dr.", "abbrev|kam."}));
    EXPECT_FALSE(g_run.endOfText);
}

TEST_F(ScannerTest, OneClosingQuoteBelongsToTheSentence) {
    std::string question = "Sagte er \x84Ja?\x93 Dann";
    EXPECT_EQ(End(question), 14);

    // A period second to last is a candidate even before a quote, not white space.
    std::string quoted = "Er sagt: \"Gut.\"";
    EXPECT_EQ(End(quoted), static_cast<int>(quoted.size()));
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"abbrev|\"Gut."}));
}

TEST_F(ScannerTest, ShortTextRunsToItsEnd) {
    EXPECT_EQ(End("Ja"), 3);
    EXPECT_TRUE(g_run.endOfText);
    g_run.endOfText = false;
    EXPECT_EQ(End("   ", 0), 4);
    EXPECT_TRUE(g_run.endOfText);
    EXPECT_EQ(End(""), 1);
}

TEST_F(ScannerTest, LineBreaksFollowTheNewLineSetting) {
    EXPECT_EQ(End("Titel\nText"), 6);
    EXPECT_FALSE(g_run.endOfText);

    g_translation.newLine = 0;
    EXPECT_EQ(End("Titel\n\nText"), 6);  // a paragraph break always ends
    EXPECT_EQ(End("Titel\nText"), 11);
    EXPECT_EQ(End("Titel\r\n\r\nText"), 7);  // line feed, CR, line feed
}

TEST_F(ScannerTest, AYearBeforeAParagraphBreakEndsTheSentenceOtherNumbersDoNot) {
    g_translation.newLine = 0;
    std::string year = "Im Jahr 1995.\n\nDann";
    EXPECT_EQ(End(year), 14);
    std::string number = "Seite 2995.\n\nDann";
    EXPECT_EQ(End(number), static_cast<int>(number.size()) + 1);
    EXPECT_TRUE(engine->calls.empty());
}

TEST_F(ScannerTest, ATabInsideTheWordBeforeThePeriodMeansNoAbbreviationQuestion) {
    std::string text = "Satz\tAbs. Weiter";
    EXPECT_EQ(End(text), 5);  // the tab itself ends the first sentence
    EXPECT_EQ(End(text, 5), static_cast<int>(text.size()) + 1);
    EXPECT_TRUE(engine->calls.empty());

    // Before the first word-like character the tab does not count.
    std::string leading = "\tAbs. Weiter";
    End(leading);
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"abbrev|Abs."}));
}

TEST_F(ScannerTest, AFailedAbbreviationQuestionIsLoggedAndEndsTheSentence) {
    struct Case {
        int result;
        const char* line;
    } cases[] = {
        {-2, "• Fehler bei Suche nach Abkürzung\r\n"},
        {-1, "• Suche nach Abkürung mißlungen\r\n"},
        {7, "• Fehler bei Abkürzungssuche\r\n"},
    };
    std::string expected;
    for (const Case& c : cases) {
        engine->abbreviations["Dr."] = {c.result, 0};
        EXPECT_EQ(End("Dr. Meier kam."), 3);
        expected += c.line;
    }
    EXPECT_EQ(windows.Messages(), expected);
}

TEST_F(ScannerTest, SentenceStartsFollowTheSameRulesBackwards) {
    std::string text = "Das ist gut. Ich komme morgen.";
    EXPECT_EQ(Start(text, 5), 0);
    EXPECT_EQ(Start(text, 20), 12);
    EXPECT_EQ(Start(text, static_cast<int>(text.size())), 12);

    engine->abbreviations["Dr."] = {0, 0};
    std::string title = "Ja. Dr. Meier kam.";
    EXPECT_EQ(Start(title, 10), 3);  // steps back over the abbreviation
    EXPECT_EQ(IsSentenceEnd(title.c_str(), 3), 0);
    EXPECT_NE(IsSentenceEnd(title.c_str(), 7), 0);
    EXPECT_EQ(IsSentenceEnd("ab", 0), 2);
}

TEST_F(ScannerTest, RunsOfRejectedCandidatesKeepEveryVerdict) {
    // Each shape rejects thousands of candidates in a row; the scan reuses its walks
    // back, and the sentence must come out as if each candidate were tested alone.
    const std::string bangs(3000, '!');
    for (const std::string& text : {bangs, "a." + bangs, std::string("a\0", 2) + bangs,
                                    "a:" + std::string(600, 'b') + "." + bangs}) {
        g_run = RunState{};
        const int length = static_cast<int>(text.size());
        EXPECT_EQ(End(text), length + 1) << text.substr(0, 4);
        EXPECT_TRUE(g_run.endOfText);
        EXPECT_EQ(Start(text, length), 0) << text.substr(0, 4);
    }
    EXPECT_TRUE(engine->calls.empty());

    // A word before the run is asked about once, and its answer holds for the run.
    engine->abbreviations["usw."] = {0, 0};
    std::string listed = "usw." + bangs + " Neu";
    EXPECT_EQ(End(listed), static_cast<int>(listed.size()) + 1);
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"abbrev|usw."}));

    // Walks that fall and rise again: two abbreviations, then a real end.
    engine->calls.clear();
    engine->abbreviations["Dr."] = {0, 0};
    engine->abbreviations["Prof."] = {0, 0};
    std::string names = "Er kam. Dr. Meier und Prof. Huber kamen. Dann";
    EXPECT_EQ(Start(names, 38), 7);
    EXPECT_EQ(End(names, 7), 40);
    g_translation.newLine = 1;
    std::string lines = "Wort.\n!!!!\n!! Dann";
    EXPECT_EQ(End(lines), 5);
    EXPECT_EQ(End(lines, 5), 7);  // the line feed before it stops the walk back
}

TEST_F(ScannerTest, TextEndingAtAPageBoundaryIsNeverReadBeyond) {
    // The text fills the end of a page; the next page is inaccessible.
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    char* pages = static_cast<char*>(
        VirtualAlloc(nullptr, info.dwPageSize * 2, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(pages, nullptr);
    DWORD old;
    VirtualProtect(pages + info.dwPageSize, info.dwPageSize, PAGE_NOACCESS, &old);
    // each sample with where its first sentence ends, where the sentence before its
    // end starts, and whether its last character ends a sentence (0: it does)
    struct Sample { const char* text; int end, start; bool lastEnds; };
    for (const Sample& sample : {Sample{"Ende.", 6, 0, true}, Sample{"Ende.\n", 5, 6, true},
                                 Sample{"Ein Satz!", 9, 9, true}, Sample{"\n\n", 3, 0, false},
                                 Sample{"a", 2, 0, false}}) {
        int length = static_cast<int>(strlen(sample.text));
        char* text = pages + info.dwPageSize - length;
        memcpy(text, sample.text, length);
        EXPECT_EQ(FindSentenceEnd(text, length, 0), sample.end) << sample.text;
        EXPECT_EQ(FindSentenceStart(text, length, length), sample.start) << sample.text;
        EXPECT_EQ(IsSentenceEnd(text, length, length) == 0, sample.lastEnds) << sample.text;
    }
    VirtualFree(pages, 0, MEM_RELEASE);
}

TEST(ScannerClasses, WordLikeMatchesThePlatformsLettersAndDigits) {
    for (int c = 1; c < 256; ++c) {
        bool platform = IsCharAlphaNumericA(static_cast<char>(c)) || c == '\'' || c == '?' || c == ')';
        EXPECT_EQ(IsWordLike(static_cast<unsigned char>(c)), platform) << "byte " << c;
    }
}

}  // namespace
