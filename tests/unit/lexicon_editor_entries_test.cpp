// The lexicon editor's entry logic on plain lexicon content: keys, replacing,
// deleting, the word's entries, the sorted and filtered list, start words and the
// direction the program wants.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "lexicon/editor_entries.h"

namespace {

// One entry as a line, so that failures show all four fields.
std::string Line(const LexiconEntry& e) {
    return e.source + "|" + e.translation + "|" + e.partOfSpeech + "|" + e.area;
}

std::vector<std::string> Lines(const LexiconContent& content) {
    std::vector<std::string> lines;
    for (const LexiconEntry& e : content.entries) lines.push_back(Line(e));
    return lines;
}

std::vector<std::string> Lines(const LexiconContent& content, const std::vector<std::size_t>& at) {
    std::vector<std::string> lines;
    for (std::size_t i : at) lines.push_back(Line(content.entries[i]));
    return lines;
}

LexiconContent Sample() {
    return {"GtoE",
            {{"banking", "Finanzwesen"}, {"kfz", "Automobil"}},
            {{"Bank", "bank", "noun", "banking"},
             {"Bank", "bench", "noun", ""},
             {"laufen", "run", "verb", ""},
             {"Übel", "evil", "noun", ""}}};
}

TEST(LexiconEditorEntries, PartsOfSpeechAreTheGermanListWithShortDistinctCodes) {
    const std::vector<std::string> names = {"Substantiv", "Verb", "Adjektiv", "Adverb",
                                            "Pr\xE4position", "Konjunktion", "Pronomen",
                                            "Artikel", "Zahlwort", "Interjektion", "Redewendung"};
    std::set<std::string> codes;
    for (std::size_t i = 0; i < kPartOfSpeechCount; ++i) {
        EXPECT_EQ(kPartsOfSpeech[i].name, names[i]);
        std::string code = kPartsOfSpeech[i].code;
        EXPECT_FALSE(code.empty());
        EXPECT_TRUE(IsValidLexiconField(code));
        EXPECT_EQ(PartOfSpeechName(code), names[i]);
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), kPartOfSpeechCount);
    // The engine knows these four by their codes.
    EXPECT_EQ(std::string(kPartsOfSpeech[0].code), "noun");
    EXPECT_EQ(std::string(kPartsOfSpeech[1].code), "verb");
    EXPECT_EQ(std::string(kPartsOfSpeech[2].code), "adj");
    EXPECT_EQ(std::string(kPartsOfSpeech[4].code), "prep");
}

TEST(LexiconEditorEntries, AnUnknownPartOfSpeechShowsAsItsCode) {
    EXPECT_EQ(PartOfSpeechName("vt"), "vt");
    EXPECT_EQ(PartOfSpeechName(""), "");
}

TEST(LexiconEditorEntries, CaseIsFoldedForWindows1252Letters) {
    EXPECT_EQ(FoldCase("\xC4pfel \xD6L \xDC" "BEL Stra\xDF" "e \x8A\x8C\x8E\x9F \xD7"),
              "\xE4pfel \xF6l \xFC" "bel stra\xDF" "e \x9A\x9C\x9E\xFF \xD7");
}

TEST(LexiconEditorEntries, StartWordIsCutAtALineBreakAndTrimmed) {
    EXPECT_EQ(CleanStartWord("  Haus \r\n"), "Haus");
    EXPECT_EQ(CleanStartWord("Haus\r\nBaum"), "Haus");
    EXPECT_EQ(CleanStartWord("\tgro\xDF"), "gro\xDF");
    EXPECT_EQ(CleanStartWord("\r\nHaus"), "");
    EXPECT_EQ(CleanStartWord(""), "");
}

TEST(LexiconEditorEntries, TheWordsEntriesAreFoundWithoutRegardToCase) {
    LexiconContent content = Sample();
    EXPECT_EQ(EntriesOfWord(content, "bank"), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(EntriesOfWord(content, "\xFC" "bel"), (std::vector<std::size_t>{3}));
    EXPECT_TRUE(EntriesOfWord(content, "Ban").empty());
    EXPECT_TRUE(EntriesOfWord(content, "").empty());
}

TEST(LexiconEditorEntries, SavingANewKeyAddsAtTheEnd) {
    LexiconContent content = Sample();
    EXPECT_EQ(PutEntry(content, {"Bank", "bank", "verb", ""}), EntryChange::Added);
    ASSERT_EQ(content.entries.size(), 5u);
    EXPECT_EQ(Line(content.entries.back()), "Bank|bank|verb|");
}

TEST(LexiconEditorEntries, SavingTheSameWordPartAndAreaReplacesInPlace) {
    LexiconContent content = Sample();
    EXPECT_EQ(PutEntry(content, {"BANK", "pew", "noun", ""}), EntryChange::Replaced);
    EXPECT_EQ(Lines(content), (std::vector<std::string>{"Bank|bank|noun|banking", "BANK|pew|noun|",
                                                        "laufen|run|verb|", "\xDC" "bel|evil|noun|"}));
}

TEST(LexiconEditorEntries, AnotherAreaIsAnotherEntry) {
    LexiconContent content = Sample();
    EXPECT_EQ(PutEntry(content, {"Bank", "bank", "noun", "kfz"}), EntryChange::Added);
    EXPECT_EQ(content.entries.size(), 5u);
}

TEST(LexiconEditorEntries, DeletingRemovesOnlyTheEntryWithThatKey) {
    LexiconContent content = Sample();
    EXPECT_EQ(RemoveEntry(content, {"bank", "whatever", "noun", "banking"}), EntryChange::Removed);
    EXPECT_EQ(Lines(content), (std::vector<std::string>{"Bank|bench|noun|", "laufen|run|verb|",
                                                        "\xDC" "bel|evil|noun|"}));
    EXPECT_EQ(RemoveEntry(content, {"Bank", "bank", "noun", "banking"}), EntryChange::NotFound);
    EXPECT_EQ(RemoveEntry(content, {"laufen", "run", "", ""}), EntryChange::NotFound);
    EXPECT_EQ(content.entries.size(), 3u);
}

TEST(LexiconEditorEntries, AnEntryNeedsBothWordsCleanFieldsAndAKnownArea) {
    LexiconContent content = Sample();
    EXPECT_EQ(CheckEntry(content, {"Haus", "house", "noun", "kfz"}), EntryProblem::None);
    EXPECT_EQ(CheckEntry(content, {"Haus", "house", "", ""}), EntryProblem::None);
    EXPECT_EQ(CheckEntry(content, {"", "house", "noun", ""}), EntryProblem::NoSource);
    EXPECT_EQ(CheckEntry(content, {"Haus", "", "noun", ""}), EntryProblem::NoTranslation);
    EXPECT_EQ(CheckEntry(content, {"Haus", "ho\tuse", "noun", ""}), EntryProblem::BadCharacters);
    EXPECT_EQ(CheckEntry(content, {"Ha\nus", "house", "noun", ""}), EntryProblem::BadCharacters);
    EXPECT_EQ(CheckEntry(content, {"Haus", "house", "noun", "mil"}), EntryProblem::UnknownArea);
}

TEST(LexiconEditorEntries, TheListIsSortedByWordWithoutRegardToCase) {
    LexiconContent content = Sample();
    content.entries.push_back({"auto", "car", "noun", "kfz"});
    content.entries.push_back({"Zug", "train", "noun", ""});
    EXPECT_EQ(Lines(content, ListedEntries(content, "")),
              (std::vector<std::string>{"auto|car|noun|kfz", "Bank|bank|noun|banking",
                                        "Bank|bench|noun|", "laufen|run|verb|",
                                        "Zug|train|noun|", "\xDC" "bel|evil|noun|"}));
}

TEST(LexiconEditorEntries, TheFilterFindsPartsOfWordsAndTranslationsIgnoringCase) {
    LexiconContent content = Sample();
    EXPECT_EQ(Lines(content, ListedEntries(content, "BA")),
              (std::vector<std::string>{"Bank|bank|noun|banking", "Bank|bench|noun|"}));
    EXPECT_EQ(Lines(content, ListedEntries(content, "aufe")),
              (std::vector<std::string>{"laufen|run|verb|"}));
    EXPECT_EQ(Lines(content, ListedEntries(content, " \xFC" "b ")),
              (std::vector<std::string>{"\xDC" "bel|evil|noun|"}));
    EXPECT_EQ(Lines(content, ListedEntries(content, "ench")),
              (std::vector<std::string>{"Bank|bench|noun|"}));
    EXPECT_TRUE(ListedEntries(content, "xyz").empty());
    EXPECT_EQ(ListedEntries(content, "   ").size(), 4u);
}

TEST(LexiconEditorEntries, TheProgramsFrameClassTellsTheDirection) {
    EXPECT_EQ(ExpectedDirection("QDGerEng", "C:\\x\\MEIN.ED"), "GtoE");
    EXPECT_EQ(ExpectedDirection("QDEngGer", "C:\\x\\MEIN.DE"), "EtoG");
}

TEST(LexiconEditorEntries, WithoutTheFrameTheExtensionTellsTheDirection) {
    EXPECT_EQ(ExpectedDirection("", "C:\\qd\\QD_USER.DE"), "GtoE");
    EXPECT_EQ(ExpectedDirection("Other", "c:\\qd\\mein.ed"), "EtoG");
    EXPECT_EQ(ExpectedDirection("", "C:\\qd.de\\LEXIKON"), "");
    EXPECT_EQ(ExpectedDirection("", "C:\\qd\\LEXIKON.TXT"), "");
}

}  // namespace
