// The last touches of an output sentence, shared by both directions, with the
// word lists the catalogue carries.
#include <gtest/gtest.h>

#include "engine/inflection.h"
#include "engine/sentence_units.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

namespace {
const Catalogue& Fixture() {
    static Catalogue catalogue = [] {
        Catalogue c;
        const std::string& bytes = FixtureCatalogue(Direction::GermanToEnglish);
        c.Open(bytes.data(), bytes.size(), nullptr);
        return c;
    }();
    return catalogue;
}
const EngineTables& Tables() { return Fixture().Tables(); }
}  // namespace

TEST(PostEdit, GermanPrepositionsJoinTheirArticleButNotBeforeARelativeClause) {
    EXPECT_EQ(FinishGerman(Tables(), {"er", "schläft", "in", "dem", "Garten", "."}), "Er schläft im Garten.");
    EXPECT_EQ(FinishGerman(Tables(), {"zu", "der", "Stadt"}), "Zur Stadt");
    EXPECT_EQ(FinishGerman(Tables(), {"von", "dem", "alten", "Mann"}), "Vom alten Mann");
    EXPECT_EQ(FinishGerman(Tables(), {"das", "Haus", ",", "in", "dem", "er", "wohnt"}), "Das Haus, in dem er wohnt");
    EXPECT_EQ(FinishGerman(Tables(), {"in", "dem"}), "In dem");
}

TEST(PostEdit, EnglishArticleBeforeAVowelSoundAndACapitalFirstWord) {
    EXPECT_EQ(FinishEnglish(Tables(), {"i", "see", "a", "apple", ",", "a", "hour", "and", "an", "union", "."}),
              "I see an apple, an hour and a union.");
}

TEST(PostEdit, TheCommaEndingAQuotationStandsInsideItInEnglishAndAfterItInGerman) {
    EXPECT_EQ(FinishEnglish(Tables(), {"\"", "we", "are", "here", "\"", ",", "she", "said", ",", "\"", "we", "are", ".", "\""}),
              "\"We are here,\" she said, \"we are.\"");
    // a quoted name or term in a list keeps its comma outside
    EXPECT_EQ(FinishEnglish(Tables(), {"the", "dogs", "\"", "Rex", "\"", ",", "\"", "Bello", "\""}),
              "The dogs \"Rex\", \"Bello\"");
    EXPECT_EQ(FinishGerman(Tables(), {"\"", "ja", ",", "\"", "sagte", "sie", ",", "\"", "wir", "sind", ".", "\""}),
              "\"Ja\", sagte sie, \"wir sind.\"");
    // an opening quotation mark after a comma stays where it is; after a colon the
    // quotation opens with a capital
    EXPECT_EQ(FinishGerman(Tables(), {"er", "sagte", ":", "\"", "wir", "kommen", ".", "\""}), "Er sagte: \"Wir kommen.\"");
    EXPECT_EQ(FinishEnglish(Tables(), {"he", "said", ":", "\"", "we", "come", ".", "\""}), "He said: \"We come.\"");
}

TEST(PostEdit, AnObjectPronounStandsBetweenTheVerbAndItsParticle) {
    EXPECT_EQ(FinishEnglish(Tables(), {"can", "you", "pick up", "me", "?"}), "Can you pick me up?");
    EXPECT_EQ(FinishEnglish(Tables(), {"he", "switched off", "it", "."}), "He switched it off.");
    // "her" before a noun is a possessive, and a noun object stays after the particle
    EXPECT_EQ(FinishEnglish(Tables(), {"he", "picked up", "her", "bag", "."}), "He picked up her bag.");
    EXPECT_EQ(FinishEnglish(Tables(), {"he", "picked up", "her", "."}), "He picked her up.");
    EXPECT_EQ(FinishEnglish(Tables(), {"he", "picked up", "the", "child", "."}), "He picked up the child.");
    EXPECT_EQ(FinishEnglish(Tables(), {"up", "it", "goes"}), "Up it goes");
}

TEST(PostEdit, PluralsThatKeepTheirFormAndACapitalAfterAHyphen) {
    EXPECT_EQ(EnglishPlural(Fixture(), "species"), "species");
    EXPECT_EQ(EnglishPlural(Fixture(), "series"), "series");
    EXPECT_EQ(EnglishPlural(Fixture(), "bus"), "buses");
    // a plural no rule makes, also as a compound's head
    EXPECT_EQ(EnglishPlural(Fixture(), "tooth"), "teeth");
    EXPECT_EQ(EnglishPlural(Fixture(), "bread knife"), "bread knives");
    EXPECT_EQ(GermanPlural(Fixture(), "Ex-Hund", kMasculine), "Ex-Hunde");
}

TEST(PostEdit, VerbsWhosePastIsTheVerbItself) {
    EXPECT_EQ(EnglishPast(Fixture(), "cost"), "cost");
    EXPECT_EQ(EnglishPastPart(Fixture(), "put up"), "put up");
    EXPECT_EQ(EnglishPast(Fixture(), "post"), "posted");
}

TEST(PostEdit, GermanComparativesDropOnlyAnUnstressedE) {
    EXPECT_EQ(GermanComparative(Tables(), "dunkel"), "dunkler");
    EXPECT_EQ(GermanComparative(Tables(), "teuer"), "teurer");
    EXPECT_EQ(GermanComparative(Tables(), "schwer"), "schwerer");
    EXPECT_EQ(GermanComparative(Tables(), "sicher"), "sicherer");
    EXPECT_EQ(GermanComparative(Tables(), "leise"), "leiser");
}
