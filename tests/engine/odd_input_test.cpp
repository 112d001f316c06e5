// Input no one writes on purpose, as the fuzzers (fuzz/) met it: doubled
// punctuation, a dictionary pattern with a gap, and a catalogue whose checksums
// are right while its records point nowhere.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/catalogue.h"
#include "engine/catalogue_builder.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

TEST(OddInput, ADoubledCommaOrPeriodIsWrittenOnce) {
    EngineSession german = OpenFixture(Direction::GermanToEnglish);
    EXPECT_EQ(Translate(german, "Der Hund bellt. ."), "The dog barks.");
    EXPECT_EQ(Translate(german, "Der Hund bellt, , und"), "The dog barks, and");
    EngineSession english = OpenFixture(Direction::EnglishToGerman);
    EXPECT_EQ(Translate(english, "The dog barks. ."), "Der Hund bellt.");
}

TEST(OddInput, APatternWithAGapIsNoExampleSentence) {
    // The dictionary's "…" marks where words go; "es gibt" is no answer to it.
    const char* const lines[] = {
        "geben {vt} | es gibt … | es wird … geben :: to give | there is … | there will be …",
        "es {ppron} | es gibt :: it | there is",
    };
    const std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 2);
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(catalogue.Example("es gibt"), nullptr);
    EXPECT_EQ(catalogue.Example("es wird geben"), nullptr);

    EngineSession session;
    ASSERT_TRUE(session.Open(bytes.data(), bytes.size(), nullptr));
    const std::string translation = Translate(session, "Es gibt");
    EXPECT_EQ(translation.find("..."), std::string::npos) << translation;
    EXPECT_EQ(translation, "There is");
}

TEST(OddInput, SealedCatalogueWhosePhrasesPointPastTheSenses) {
    // Sealed again after the change, so Open takes it; every lookup must still stay
    // inside the file, and a phrase without senses is no phrase.
    const char* const lines[] = {"nach Hause :: home", "zu Hause :: at home",
                                 "gehen {vi} | gehend | gegangen :: to go | going | gone"};
    const struct {
        Direction direction;
        const char* sentence;
    } cases[] = {{Direction::GermanToEnglish, "Ich gehe nach Hause."},
                 {Direction::EnglishToGerman, "I go home, I am at home."}};
    for (const auto& c : cases) {
        std::string bytes = CompileLines(c.direction, lines, 3);
        CatalogueHeader header;
        std::memcpy(&header, bytes.data(), sizeof header);
        const SectionEntry phrases = header.sections[kSectionPhrases];
        ASSERT_GE(phrases.size, sizeof(PhraseRecord)) << c.sentence;
        for (std::uint32_t at = phrases.offset; at < phrases.offset + phrases.size; at += sizeof(PhraseRecord)) {
            PhraseRecord record;
            std::memcpy(&record, &bytes[at], sizeof record);
            record.firstSense = 0xFFFFFF00u;
            std::memcpy(&bytes[at], &record, sizeof record);
        }
        bytes.resize(header.blockSums.offset);
        SealCatalogue(header, bytes);

        EngineSession session;
        ASSERT_TRUE(session.Open(bytes.data(), bytes.size(), nullptr)) << c.sentence;
        int atom = 0, type = 0, unknown = 0;
        EXPECT_EQ(session.Translate(c.sentence, &atom, &type, &unknown), 0) << c.sentence;
    }
}
