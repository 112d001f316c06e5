// German analysis against the fixture's headwords: inflected forms, compounds.
#include <gtest/gtest.h>

#include "engine/german_analysis.h"
#include "engine/text_1252.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

namespace {
const Catalogue& German() {
    static EngineSession session = OpenFixture(Direction::GermanToEnglish);
    return session.catalogue();
}

// "lemma/tag" of the first reading, or "" when none.
std::string Reading(const char* form, bool sentenceStart = false) {
    std::vector<GermanReading> readings = AnalyseGermanWord(German(), form, sentenceStart);
    if (readings.empty()) return "";
    return LemmaOf(German(), readings[0].word) + "/" + std::to_string(readings[0].tag);
}

bool HasReading(const char* form, const char* lemma, std::uint8_t tag) {
    for (const GermanReading& r : AnalyseGermanWord(German(), form, false))
        if (LemmaOf(German(), r.word) == lemma && r.tag == tag) return true;
    return false;
}
}  // namespace

TEST(GermanAnalysis, ListedFormsOfTheDictionary) {
    EXPECT_EQ(Reading("Häuser"), "Haus/" + std::to_string(kFormPlural));
    EXPECT_EQ(Reading("ging"), "gehen/" + std::to_string(kFormPast));
    EXPECT_EQ(Reading("gelesen"), "lesen/" + std::to_string(kFormPastPart));
    EXPECT_EQ(Reading("älter"), "alt/" + std::to_string(kFormComparative));
}

TEST(GermanAnalysis, EndingRulesCheckedAgainstTheHeadwordClass) {
    EXPECT_EQ(Reading("Häusern"), "Haus/" + std::to_string(kFormPlural));  // dative plural of a listed plural
    EXPECT_EQ(Reading("Hundes"), "Hund/" + std::to_string(kFormBase));
    EXPECT_EQ(Reading("schönen"), "schön/" + std::to_string(kFormBase));
    EXPECT_EQ(Reading("gespielt"), "spielen/" + std::to_string(kFormPastPart));
    EXPECT_EQ(Reading("spielte"), "spielen/" + std::to_string(kFormPast));
    EXPECT_EQ(Reading("kauft"), "kaufen/" + std::to_string(kFormThird));
    EXPECT_EQ(Reading("Xylofant"), "");
}

TEST(GermanAnalysis, SentenceStartAlsoTriesLowerCase) {
    EXPECT_EQ(Reading("Gehen", true), "gehen/" + std::to_string(kFormBase));
}

TEST(GermanAnalysis, ABareStemOpeningTheSentenceIsItsVerb) {
    EXPECT_EQ(Reading("Kauf", true), "kaufen/" + std::to_string(kFormBase));
    EXPECT_EQ(Reading("Sieh", true), "sehen/" + std::to_string(kFormBase));  // the stem of "sieht"
    EXPECT_EQ(Reading("kauf"), "");  // inside the sentence it bids nothing
}

TEST(GermanAnalysis, CompoundSplitWithLinkingElement) {
    CompoundSplit split;
    ASSERT_TRUE(SplitGermanCompound(German(), "Windenergie", split));
    EXPECT_EQ(split.modifier, "Wind");
    EXPECT_EQ(LemmaOf(German(), split.head.word), "Energie");
    ASSERT_TRUE(SplitGermanCompound(German(), "Sonnenenergie", split));
    EXPECT_EQ(LemmaOf(German(), split.modifierWord), "Sonne");  // "Sonnen-" leads to its headword
    EXPECT_FALSE(SplitGermanCompound(German(), "Xylofantenergiq", split));
}

TEST(GermanAnalysis, FormsOfWordsTheDictionaryListsWithTheirEnding) {
    // "anderen" of "andere", "ersten" of "erste"; "Beamten" of the adjectival noun "Beamter"
    EXPECT_EQ(Reading("anderen"), "andere/" + std::to_string(kFormBase));
    EXPECT_EQ(Reading("Beamte"), "Beamter/" + std::to_string(kFormBase));
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der 45-jährige Mann liest.").text,
              "The 45-year-old man reads.");
}

TEST(GermanAnalysis, VerbFormsTheDictionaryGetsWrongOrLeavesOut) {
    // a participle without ge- in -et is also the third person
    EXPECT_TRUE(HasReading("veranstaltet", "veranstalten", kFormThird));
    EXPECT_TRUE(HasReading("veranstaltet", "veranstalten", kFormPastPart));
    // the strong-verb table mends the dictionary's "gewissen"; "weißt" is first of all "wissen"
    EXPECT_EQ(Reading("gewusst"), "wissen/" + std::to_string(kFormPastPart));
    EXPECT_EQ(Reading("weißt"), "wissen/" + std::to_string(kFormThird));
    EXPECT_TRUE(HasReading("weißt", "weißen", kFormThird));
    // a listed verb form may also be an adjective with an ending, which wins after a number
    EXPECT_TRUE(HasReading("langen", "lang", kFormBase));
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht drei langen Hunden.").text,
              "The man sees three long dogs.");
}
