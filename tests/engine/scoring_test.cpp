// The scorer against figures worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/scoring.h"

using namespace velloc;

TEST(Scoring, Tokenizer13a) {
    auto t = [](const char* s) { return EncodeUtf8(Tokenize13a(DecodeUtf8(s))); };
    EXPECT_EQ(t("Hello, world."), "Hello , world .");
    EXPECT_EQ(t("It costs 3.50 (net)."), "It costs 3.50 ( net ) .");
    EXPECT_EQ(t("a-b 1-2 don't"), "a-b 1 - 2 don't");
    EXPECT_EQ(t("&quot;x&quot;"), "\" x \"");
}

TEST(Scoring, IdenticalCorpusScoresHundred) {
    std::vector<std::string> text = {"The dog barks loudly today.", "Two more words here."};
    EXPECT_NEAR(CorpusBleu(text, text), 100.0, 1e-9);
    EXPECT_NEAR(CorpusChrF(text, text), 100.0, 1e-9);
}

TEST(Scoring, BleuWithSmoothingByHand) {
    // hypothesis "a b c d", reference "a b c e": 1-grams 3/4, 2-grams 2/3, 3-grams 1/2,
    // 4-grams 0/1 smoothed to 1/(2*1); equal lengths, no brevity penalty.
    double expected = std::exp((std::log(75.0) + std::log(200.0 / 3) + std::log(50.0) + std::log(50.0)) / 4);
    EXPECT_NEAR(CorpusBleu({"a b c d"}, {"a b c e"}), expected, 1e-9);
    EXPECT_EQ(CorpusBleu({"x y"}, {"a b"}), 0.0);
}

TEST(Scoring, ChrFByHand) {
    // "ab" against "ac": 1-grams a,b vs a,c: 1 match of 2; 2-grams ab vs ac: none.
    // precision = recall = (1/2 + 0) / 2 = 0.25, so chrF = 25.
    EXPECT_NEAR(CorpusChrF({"ab"}, {"ac"}), 25.0, 1e-9);
    EXPECT_NEAR(CorpusChrF({"a b"}, {"ab"}), 100.0, 1e-9);  // blanks removed
}
