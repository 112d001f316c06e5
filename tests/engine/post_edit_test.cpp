// The last touches of an output sentence, shared by both directions.
#include <gtest/gtest.h>

#include "engine/sentence_units.h"

using namespace velloc;

TEST(PostEdit, GermanPrepositionsJoinTheirArticleButNotBeforeARelativeClause) {
    EXPECT_EQ(FinishGerman({"er", "schläft", "in", "dem", "Garten", "."}), "Er schläft im Garten.");
    EXPECT_EQ(FinishGerman({"zu", "der", "Stadt"}), "Zur Stadt");
    EXPECT_EQ(FinishGerman({"von", "dem", "alten", "Mann"}), "Vom alten Mann");
    EXPECT_EQ(FinishGerman({"das", "Haus", ",", "in", "dem", "er", "wohnt"}), "Das Haus, in dem er wohnt");
    EXPECT_EQ(FinishGerman({"in", "dem"}), "In dem");
}

TEST(PostEdit, EnglishArticleBeforeAVowelAndACapitalFirstWord) {
    EXPECT_EQ(FinishEnglish({"i", "see", "a", "apple", "and", "a", "house", "."}), "I see an apple and a house.");
}
