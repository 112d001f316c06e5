// The catalogue file: what the compiler writes reads back, and a damaged or
// foreign file is refused.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/catalogue.h"
#include "engine/catalogue_builder.h"
#include "engine/german_analysis.h"
#include "engine/inflection.h"
#include "engine/sentence_units.h"
#include "engine/text_1252.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

namespace {
const char* const kLines[] = {
    "Haus {n} | Häuser {pl} :: house | houses",
    "gehen {vi} | gehend | gegangen | er/sie geht | ich/er/sie ging :: to go {went; gone} | going | gone | he/she goes | I/he/she went",
    "zum Beispiel /z. B./ :: for example /e.g./",
};

std::string Compiled() { return CompileLines(Direction::GermanToEnglish, kLines, 3); }

// The lemmas whose form of the given tag the word is, each followed by ";".
std::string LemmasOfForm(const Catalogue& c, const char* form, std::uint32_t tag) {
    std::string all;
    for (FormLink link : c.Forms(form))
        if (LinkTag(link) == tag) all += LemmaOf(c, c.Word(LinkWord(link))) + ";";
    return all;
}

std::string FirstSense(const Catalogue& c, const char* form) {
    Records<FormLink> links = c.Forms(form);
    if (links.empty()) return "";
    const WordRecord* w = c.Word(LinkWord(links.begin()[0]));
    Records<SenseRecord> senses = c.Senses(w->firstSense, w->senseCount);
    return senses.empty() ? "" : c.String(senses.begin()->text);
}
}  // namespace

TEST(Catalogue, ReadsBackWhatWasCompiled) {
    std::string bytes = Compiled();
    Catalogue c;
    std::string error;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), &error)) << error;
    EXPECT_EQ(c.direction(), Direction::GermanToEnglish);
    EXPECT_EQ(FirstSense(c, "Haus"), "house");
    EXPECT_EQ(FirstSense(c, "gehen"), "go");
    Records<FormLink> plural = c.Forms("Häuser");
    ASSERT_EQ(plural.count, 1u);
    EXPECT_EQ(LinkTag(plural.begin()[0]), kFormPlural);
    Records<FormLink> past = c.Forms("ging");
    ASSERT_EQ(past.count, 1u);
    EXPECT_EQ(LinkTag(past.begin()[0]), kFormPast);
    const TargetRecord* go = c.Target("go", kClassVerb);
    ASSERT_NE(go, nullptr);
    EXPECT_STREQ(c.String(go->forms[kTargetPast]), "went");
    EXPECT_STREQ(c.String(go->forms[kTargetPastPart]), "gone");
    EXPECT_TRUE(c.IsAbbreviation("B."));
    EXPECT_FALSE(c.IsAbbreviation("Haus."));
    EXPECT_TRUE(c.Forms("Hauses").empty());
}

TEST(Catalogue, EnglishDirectionIndexesEnglishForms) {
    std::string bytes = CompileLines(Direction::EnglishToGerman, kLines, 3);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(FirstSense(c, "house"), "Haus");
    Records<FormLink> went = c.Forms("went");
    ASSERT_EQ(went.count, 1u);
    EXPECT_EQ(LinkTag(went.begin()[0]), kFormPast);
}

TEST(Catalogue, OfTwoAnswersToAnExampleTheOneThatTranslatesItsWordsWins) {
    // the idiom's line comes first and answers "Where do you live?" with something else
    const char* const lines[] = {
        "hinter dem Mond leben {vi} | Du kriegst auch gar nichts mit! :: to be behind the times | Where do you live?",
        "wohnen {vi} | wohnend | gewohnt | Wo wohnen Sie? :: to live | living | lived | Where do you live?",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    const char* example = c.Example(NormaliseSentenceKey("Where do you live?"));
    ASSERT_NE(example, nullptr);
    EXPECT_STREQ(example, "Wo wohnen Sie?");
}

TEST(Catalogue, WithoutACorpusThereIsNoModelAndNoName) {
    std::string bytes = Compiled();
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_FALSE(c.HasLanguageModel());
    EXPECT_EQ(c.ModelWordCount(), 0u);
    EXPECT_EQ(c.ModelWord("house"), 0u);
    EXPECT_EQ(c.LogProb("the", "house", "goes"), 0.f);
    EXPECT_EQ(c.ScoreSequence({"the", "house"}), 0.f);
    EXPECT_FALSE(c.IsName("Haus"));
}

TEST(Catalogue, RefusesEveryFlippedByte) {
    std::string bytes = Compiled();
    // one byte changed anywhere: header, tables or strings
    for (std::size_t at : {std::size_t(0), std::size_t(9), std::size_t(20), bytes.size() / 2, bytes.size() - 1}) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x40);
        Catalogue c;
        EXPECT_FALSE(c.Open(damaged.data(), damaged.size(), nullptr)) << "byte " << at;
    }
}

TEST(Catalogue, RefusesCutAndForeignFiles) {
    std::string bytes = Compiled();
    Catalogue c;
    EXPECT_FALSE(c.Open(bytes.data(), bytes.size() - 4, nullptr));
    EXPECT_FALSE(c.Open(bytes.data(), 10, nullptr));
    std::string foreign(bytes.size(), 'x');
    EXPECT_FALSE(c.Open(foreign.data(), foreign.size(), nullptr));
    EXPECT_FALSE(c.Open(nullptr, 0, nullptr));
    EXPECT_FALSE(c.IsOpen());
}

TEST(Catalogue, FixtureCataloguesWereCompiledAtBuildTime) {
    for (Direction d : {Direction::GermanToEnglish, Direction::EnglishToGerman}) {
        const std::string& bytes = FixtureCatalogue(d);
        Catalogue c;
        ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
        EXPECT_EQ(c.direction(), d);
    }
}

TEST(Catalogue, ClassAfterTheLastSynonymHoldsForAllPhrasesKeepTheirWordsAndSlipsAreLeftOut) {
    const char* const lines[] = {
        "groß; schwer; wichtig {adj} | größer | am größten :: big | bigger | biggest",
        "Großbuchstabe {m}; groß {adj} :: capital letter; capital",
        "Guten Morgen! :: Good morning!",
        "in Kraft treten {vi} :: to come into force",
        "sowohl {conj} | sowohl … als auch :: | as well … as; both … and …",
        "innehaben {vt} | innehabend | innegehabt | er/sie hat inne :: to hold | holding | held | he/she hold",
        "arbeiten {vi} | arbeitend | gearbeitet :: to work {work; worked} {wrought; wrought [archaic]} | working | worked",
        "laufen {vi} | {pl} | x :: to run | {pl} | x",  // a subentry of braces alone
        "etw. bef\xFChlen {vt} | bef\xFChlend | bef\xFChlt | bef\xFChlt | bef\xFChlte :: to feel sth. {felt; felt} | feeling | felt | felt | felt",
        "laufen {vi} :: to run {ran; run}",
        "zerlaufen {vi} :: to run {run; run}",  // a later slip of the braces
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 11);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    // "groß" carries {adj} from "wichtig": one adjective whose first sense is "big"
    const WordRecord* adjective = nullptr;
    for (FormLink link : c.Forms("groß"))
        if (c.Word(LinkWord(link))->wordClass == kClassAdjective) adjective = c.Word(LinkWord(link));
    ASSERT_NE(adjective, nullptr);
    EXPECT_STREQ(c.String(c.Senses(adjective->firstSense, adjective->senseCount).begin()->text), "big");
    ASSERT_FALSE(c.Forms("größer").empty());
    // phrase keys are the lower-case words themselves, found by their first word
    bool found = false;
    for (const PhraseRecord& p : c.PhrasesStartingWith("in"))
        found = found || std::strcmp(c.String(p.text), "in kraft treten") == 0;
    EXPECT_TRUE(found);
    found = false;
    for (const PhraseRecord& p : c.PhrasesStartingWith("guten"))
        found = found || std::strcmp(c.String(p.text), "guten morgen") == 0;
    EXPECT_TRUE(found);
    // an empty first English subentry leaves "sowohl" untranslated, not "| as well … as"
    for (FormLink link : c.Forms("sowohl"))
        for (const SenseRecord& s : c.Senses(c.Word(LinkWord(link))->firstSense, c.Word(LinkWord(link))->senseCount))
            EXPECT_EQ(std::strchr(c.String(s.text), '|'), nullptr) << c.String(s.text);
    // nor does the slip "he/she hold" become the third person of "hold"
    const TargetRecord* hold = c.Target("hold", kClassVerb);
    ASSERT_NE(hold, nullptr);
    EXPECT_EQ(hold->forms[kTargetThird], 0u);
    // nor a bare "felt" in the third person's column the third person of "feel"
    const TargetRecord* feel = c.Target("feel", kClassVerb);
    ASSERT_NE(feel, nullptr);
    EXPECT_EQ(feel->forms[kTargetThird], 0u);
    // the first braces of a verb name its forms; a later slip does not undo them
    const TargetRecord* run = c.Target("run", kClassVerb);
    ASSERT_NE(run, nullptr);
    EXPECT_STREQ(c.String(run->forms[kTargetPast]), "ran");
    // nor an archaic brace, nor one whose past is the verb itself, the forms of "work"
    const TargetRecord* work = c.Target("work", kClassVerb);
    ASSERT_NE(work, nullptr);
    EXPECT_STREQ(c.String(work->forms[kTargetPastPart]), "worked");
    EXPECT_TRUE(work->forms[kTargetPast] == 0 || std::strcmp(c.String(work->forms[kTargetPast]), "worked") == 0);
}

namespace {
// Several blocks: the string pool alone outgrows the first one.
std::string ManyBlocks() {
    std::vector<std::string> lines = {"Haus {n} | Häuser {pl} :: house | houses"};
    for (int i = 0; i < 4000; ++i)
        lines.push_back("Wortgebilde" + std::to_string(i) + " {n} :: word formation " + std::to_string(i));
    std::vector<const char*> pointers;
    for (const std::string& line : lines) pointers.push_back(line.c_str());
    return CompileLines(Direction::GermanToEnglish, pointers.data(), static_cast<int>(pointers.size()));
}

CatalogueHeader HeaderOf(const std::string& bytes) {
    CatalogueHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    return header;
}
}  // namespace

TEST(Catalogue, IndexCheckLeavesOtherBlocksToTheirOwnCheck) {
    const std::string bytes = ManyBlocks();
    const CatalogueHeader header = HeaderOf(bytes);
    ASSERT_GE(header.sections[kSectionFormSlots].offset, kCatalogueBlockSize);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr, CatalogueCheck::kIndexes));
    ASSERT_GT(c.BlockCount(), 1u);
    for (std::uint32_t block = 0; block < c.BlockCount(); ++block) EXPECT_TRUE(c.BlockIsSound(block)) << block;
    EXPECT_FALSE(c.BlockIsSound(c.BlockCount()));

    // a word in the string pool: the quick check opens, the block's own check refuses
    std::string damaged = bytes;
    damaged[header.sections[kSectionStrings].offset + 100] ^= 0x20;
    ASSERT_TRUE(c.Open(damaged.data(), damaged.size(), nullptr, CatalogueCheck::kIndexes));
    EXPECT_FALSE(c.BlockIsSound(0));
    EXPECT_TRUE(c.BlockIsSound(1));
    EXPECT_FALSE(c.Open(damaged.data(), damaged.size(), nullptr));
}

TEST(Catalogue, QuickCheckRefusesDamagedIndexesHeaderAndBlockSums) {
    const std::string bytes = ManyBlocks();
    const CatalogueHeader header = HeaderOf(bytes);
    const std::size_t formSlots = header.sections[kSectionFormSlots].offset;
    for (std::size_t at : {formSlots + header.sections[kSectionFormSlots].size / 2,  // a hash table
                           offsetof(CatalogueHeader, subjectCount),                   // a header field
                           offsetof(CatalogueHeader, sections) + 8 * kSectionSenses,   // a section's offset
                           std::size_t(header.blockSums.offset + 1)}) {               // a block's checksum
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x04);
        Catalogue c;
        EXPECT_FALSE(c.Open(damaged.data(), damaged.size(), nullptr, CatalogueCheck::kIndexes)) << "byte " << at;
    }
}

TEST(Catalogue, ChecksumSeesEveryByteAndTheLength) {
    std::string bytes(1000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    const auto sum = [](const std::string& b, std::size_t n) {
        return CatalogueChecksum(reinterpret_cast<const unsigned char*>(b.data()), n);
    };
    const std::uint32_t whole = sum(bytes, bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            std::string changed = bytes;
            changed[at] = static_cast<char>(changed[at] ^ (1 << bit));
            ASSERT_NE(sum(changed, changed.size()), whole) << "byte " << at << " bit " << bit;
        }
    // a shorter body whose tail is padded with zeros is still another body
    std::string zeros(40, '\0');
    EXPECT_NE(sum(zeros, 33), sum(zeros, 40));
}

TEST(Catalogue, TablesAndTheTaggerTravelInTheCatalogueAndDamageIsRefused) {
    // The fixture catalogues carry the engine's tables and, for English, the tagger.
    Catalogue english;
    const std::string& bytes = FixtureCatalogue(Direction::EnglishToGerman);
    ASSERT_TRUE(english.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_TRUE(english.Tagger().IsOpen());
    EXPECT_NE(english.Table("word-lists").find("separable-particle"), std::string_view::npos);
    EXPECT_TRUE(english.Table("no-such-table").empty());

    CatalogueBuilder builder(Direction::GermanToEnglish);
    for (const char* line : kLines) builder.AddLine(line);
    builder.AddTable("lists", "list\tword\nfruit\tapple\n");
    builder.SetTagger("not a tagger model");
    std::string withBadTagger = builder.Finish();
    Catalogue c;
    std::string error;
    EXPECT_FALSE(c.Open(withBadTagger.data(), withBadTagger.size(), &error));
    EXPECT_EQ(error, "damaged tagger model");

    CatalogueBuilder plain(Direction::GermanToEnglish);
    for (const char* line : kLines) plain.AddLine(line);
    plain.AddTable("lists", "list\tword\nfruit\tapple\n");
    std::string sound = plain.Finish();
    ASSERT_TRUE(c.Open(sound.data(), sound.size(), &error)) << error;
    EXPECT_EQ(c.Table("lists"), "list\tword\nfruit\tapple\n");
    EXPECT_FALSE(c.Tagger().IsOpen());

    // a table whose text lost its closing NUL, sealed again: refused
    CatalogueHeader header;
    std::memcpy(&header, sound.data(), sizeof header);
    header.sections[kSectionTables].size -= 1;
    std::string cut = sound.substr(0, header.blockSums.offset);
    SealCatalogue(header, cut);
    EXPECT_FALSE(c.Open(cut.data(), cut.size(), &error));
    EXPECT_EQ(error, "damaged tables");
}

TEST(Catalogue, PlacesTheTwoLanguagesNameApartBecomeATableAndOtherGeographyDoesNot) {
    const char* const lines[] = {
        "Wien {f}; Wienfluss {m} [geogr.] :: Wien (river)",
        "Wien (Hauptstadt von Österreich) [geogr.] :: Vienna (capital of Austria)",
        "Türkei {f} /TR/ [geogr.] :: Turkey",
        "Wiener {adj} [geogr.] :: Vienna; Viennese",
        "Marken {pl} [geogr.] (Region in Italien) :: Marche (Italian region)",
        "Birmane {m}; Birmanin {f} [geogr.] :: Burmese",
        "Paris (Hauptstadt von Frankreich) [geogr.] :: Paris (capital of France)",
        "Nizza (Stadt in Frankreich) :: Nice",
    };
    std::string toEnglish = CompileLines(Direction::GermanToEnglish, lines, 8);
    Catalogue de;
    ASSERT_TRUE(de.Open(toEnglish.data(), toEnglish.size(), nullptr));
    EXPECT_EQ(de.Tables().Value("place-name", "Wien"), "Vienna");  // the town over the river
    EXPECT_EQ(de.Tables().Value("place-name", "Türkei"), "Turkey");
    EXPECT_EQ(de.Tables().Value("place-article", "Türkei"), "f");
    EXPECT_EQ(de.Tables().Value("place-article", "Wien"), "");
    for (const char* notAPlace : {"Wiener", "Marken", "Birmane", "Nizza"})
        EXPECT_EQ(de.Tables().Value("place-name", notAPlace), "") << notAPlace;

    std::string toGerman = CompileLines(Direction::EnglishToGerman, lines, 8);
    Catalogue en;
    ASSERT_TRUE(en.Open(toGerman.data(), toGerman.size(), nullptr));
    EXPECT_EQ(en.Tables().Value("place-name", "Vienna"), "Wien");
    EXPECT_EQ(en.Tables().Value("place-name", "Paris"), "Paris");  // a place all the same
    EXPECT_EQ(en.Tables().Value("place-article", "Türkei"), "f");
    EXPECT_EQ(en.Tables().Value("place-name", "Wien"), "");
}

TEST(Catalogue, AVerbGivenOnlyWithItsPrepositionIsAWordAndOneWithALineOfItsOwnKeepsIt) {
    const char* const lines[] = {
        "auf etw. verzichten {vi} :: to do without sth.",
        "auf jdn./etw. warten {vi} :: to wait for sb./sth.",
        "warten {vi} :: to wait",
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 3);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    // the preposition is the governed-preposition table's to say ("auf": without)
    EXPECT_EQ(FirstSense(c, "verzichten"), "do");
    EXPECT_EQ(FirstSense(c, "warten"), "wait");
    EXPECT_EQ(c.Tables().Value("governed-preposition", "warten auf"), "for");
}

TEST(Catalogue, ASenseWithAGapComesAfterTheWholeOnes) {
    const char* const lines[] = {
        "zu \u2026 hin {adv} :: towards",
        "entgegen {adv} :: towards",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(FirstSense(c, "towards"), "entgegen");
}

TEST(Catalogue, AParticleThatMayFollowTheObjectGovernsNoPreposition) {
    const char* const lines[] = {
        "mit etw. kommen [ugs.] {v} :: to trot out <> sth. [coll.]",
        "mit jdm. sprechen {vi} :: to talk to sb.",
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    // "Kommt ihr mit uns?" is "with us", not "out us"
    EXPECT_EQ(c.Tables().Value("governed-preposition", "kommen mit"), "");
    EXPECT_EQ(c.Tables().Value("governed-preposition", "sprechen mit"), "to");
}

TEST(Catalogue, AVerbGivenWithItsObjectsWrittenOutIsAWord) {
    const char* const lines[] = {
        "jdn./etw. mit jdm./einer Sache vergleichen {vt} :: to compare sb./sth. with sb./sth.",
        "mit einer Sache zurechtkommen {vi} :: to cope with sth.",
        "sich einer Sache entziehen {vr} :: to evade sth.",
        "entziehen {vt} :: to withdraw",
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 4);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(FirstSense(c, "vergleichen"), "compare");
    EXPECT_EQ(FirstSense(c, "zurechtkommen"), "cope");
    // a dative object of its own keeps its term apart from the verb
    EXPECT_EQ(FirstSense(c, "entziehen"), "withdraw");
}

TEST(Catalogue, AVerbGivenWithItsPrepositionLeavesItToTheGermanOneThatSaysIt) {
    const char* const lines[] = {
        "mit jdm. auskommen {vi} :: to get along well with sb.",
        "auf etw. verzichten {vi} :: to do without sth.",
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    // "mit" says "with" itself: "gets along well with with" would say it twice
    EXPECT_EQ(FirstSense(c, "auskommen"), "get along well");
    EXPECT_EQ(FirstSense(c, "verzichten"), "do");
}

TEST(Catalogue, IntoGermanAVerbGivenOnlyWithItsObjectsIsAWord) {
    const char* const lines[] = {
        "jdm. jdn./etw. empfehlen {vt} :: to recommend sb./sth. to sb.",
        "jdn. zurechtweisen {vt} :: to take sb. to task",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(FirstSense(c, "recommend"), "empfehlen");
    EXPECT_EQ(FirstSense(c, "take"), "");  // "task" is no object
}

TEST(Catalogue, IntoGermanTheDeclinedFormsBesideAnAdjectiveAreNoSensesOfTheirOwn) {
    const char* const lines[] = {"hoch; hoher; hohe; hohes {adj} | h\xF6her :: high | higher",
                                 "rund; rundum {adj} :: round"};
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    auto senses = [&](const char* form) {
        const WordRecord* w = c.Word(LinkWord(c.Forms(form).begin()[0]));
        std::string all;
        for (const SenseRecord& s : c.Senses(w->firstSense, w->senseCount)) all += std::string(c.String(s.text)) + ";";
        return all;
    };
    EXPECT_EQ(senses("high"), "hoch;");
    EXPECT_EQ(senses("round"), "rund;rundum;");
}

TEST(Catalogue, ATranslationSaysTheFirstOfTheAlternativesASlashJoins) {
    EXPECT_EQ(FirstAlternatives("am Ende/Schluss von"), "am Ende von");
    EXPECT_EQ(FirstAlternatives("eigene/r/s Unternehmen"), "eigene Unternehmen");
    EXPECT_EQ(FirstAlternatives("voriges/vergangenes/letztes Jahr."), "voriges Jahr.");
    EXPECT_EQ(FirstAlternatives("100 km/h, 24/7, w/o"), "100 km/h, 24/7, w/o");
    const char* const lines[] = {"eigen; eigene/r/s {adj} :: own"};
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 1);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    const WordRecord* w = c.Word(LinkWord(c.Forms("own").begin()[0]));
    std::string all;
    for (const SenseRecord& s : c.Senses(w->firstSense, w->senseCount)) all += std::string(c.String(s.text)) + ";";
    EXPECT_EQ(all, "eigen;eigene;");
}

TEST(Catalogue, ALaterColumnThatIsNoComparisonIsNoFormOfTheAdjective) {
    const char* const lines[] = {
        "durchsichtig {adj} | durchsichtig gewebt :: sheer | open",
        "gut {adj} | besser | am besten :: good | better | best",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    auto tags = [&](const char* form) {
        std::string all;
        for (FormLink link : c.Forms(form)) all += LinkTag(link) == kFormComparative ? "comparative;"
                                                   : LinkTag(link) == kFormSuperlative ? "superlative;" : "other;";
        return all;
    };
    EXPECT_EQ(tags("open").find("comparative"), std::string::npos);
    EXPECT_NE(tags("better").find("comparative"), std::string::npos);
    EXPECT_NE(tags("best").find("superlative"), std::string::npos);
}

TEST(Catalogue, IntoGermanAVerbWithItsPrepositionTeachesTheGermanPrepositionAndCase) {
    const char* const lines[] = {
        "von jdm./etw. abhängen {vi} :: to depend on sb./sth.",
        "kommen {vi} :: to come",
        "auf etw. kommen {vi} :: to come to sth.",
        "auf jdn. zukommen {vi} :: to approach sb.",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 4);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(FirstSense(c, "depend"), "abhängen");
    EXPECT_EQ(c.Tables().Value("verb-preposition", "abhängen on"), "von dative");
    // "come" has a line of its own: "came to Berlin" is no "kam auf Berlin"
    EXPECT_EQ(c.Tables().Value("verb-preposition", "kommen to"), "");
}

TEST(Catalogue, AParticipleWithTheParticleBeforeGeMakesTheVerbSeparable) {
    const char* const lines[] = {
        "herumkramen {vi} | herumkramend | herumgekramt :: to rummage around | rummaging around | rummaged around",
        "herumirren {vi} | herumirrend | herumgeirrt :: to wander around | wandering around | wandered around",
        "herumalbern {vi} | herumalbernd | herumalbert :: to fool around | fooling around | fooled around",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 3);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    const GermanVerbParts kramt = GermanFinite(c, "herumkramen", 3, false, Tense::Present);
    EXPECT_EQ(kramt.finite + "|" + kramt.particle, "kramt|herum");
    EXPECT_EQ(GermanFinite(c, "herumirren", 3, true, Tense::Past).particle, "herum");
    // a participle without "ge" after the particle says nothing
    EXPECT_EQ(GermanFinite(c, "herumalbern", 3, false, Tense::Present).particle, "");
}

TEST(Catalogue, TheFormsOfAVerbSaidOfEsAloneAreItsOwn) {
    const char* const lines[] = {
        "schneien {vi} [meteo.] | schneiend | geschneit | es schneit | es schneite | es hat/hatte geschneit :: to snow | "
        "snowing | snowed | it snows | it snowed | it has/had snowed",
        "quellen {vi} | quellend | gequollen | du quillst | es quillt | es quoll | es ist/war gequollen :: to well | "
        "welling | welled | you well | it wells | it welled | it has/had welled",
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 2);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    auto lemmaOf = [&](const char* form, std::uint32_t tag) { return LemmasOfForm(c, form, tag); };
    EXPECT_EQ(lemmaOf("schneit", kFormThird), "schneien;");
    EXPECT_EQ(lemmaOf("schneite", kFormPast), "schneien;");
    EXPECT_EQ(lemmaOf("quillt", kFormThird), "quellen;");
    EXPECT_EQ(lemmaOf("quoll", kFormPast), "quellen;");
    EXPECT_EQ(lemmaOf("gequollen", kFormPastPart), "quellen;");
}

TEST(Catalogue, AVerbsFormsGoWithTheVerbTheyResembleAndSeparableColumnsAreRead) {
    const char* const lines[] = {
        // the dictionary keeps the participles and pasts out of its verbs' order
        "etw. anordnen; verordnen; verfügen {vt} | anordnend; verordnend; verfügend | angeordnet; verfügt; verordnet | "
        "ordnet an; verfügt; verordnet | ordnete an; verfügte; verordnete :: to decree sth. | decreeing | decreed | decrees | decreed",
        "handeln {vi} :: to act; to trade; to deal",
        "zuwiderhandeln {vi} | zuwiderhandelnd | zuwidergehandelt | handelt zuwider | handelte zuwider :: to counteract | "
        "counteracting | counteracted | counteracts | counteracted",
        "(politisch) dazwischenstehen {vi} | dazwischenstehend | dazwischengestanden | steht dazwischen | stand dazwischen :: "
        "to sit on the fence | interposing | interposed | interposes | interposed",
        "addieren {vt} | addierend | addiert | addiert | addierte :: to add | adding | added | add | add",
        "später {adj} :: -to-be; later",
        "hocken {vi} | hockend | gehockt | er/sie hockt :: to squat | squatting | squatted | he/she sits/squats",
        "abhobeln {vt} | abhobelnd | abgehobelt :: to plan down | planing down | planed down",
        "planen {vt} | planend | geplant :: to plan | planning | planned",
        "verplanen {vt} | verplanend | verplant :: to plan | planning | planned",
        // the present participle twice: the columns after it are one further on
        "anklagen {vt} | anklagend | anklagend | angeklagt | klagt an | klagte an :: to indict | indicting | indicting | "
        "indicted | indicts | indicted",
        // a brace whose forms are out of order names none; the next one does
        "sich bemühen {vr} :: to strive {strove, striven / strived; strived}",
        "streben {vi} :: to strive {strove; striven}",
        // a form with its noun ("fährt Auto") is no form of the verb alone
        "autofahren {vi} | autofahrend | autogefahren | er/sie fährt Auto | ich/er/sie fuhr Auto :: to drive {drove; driven} | driving | driven | he/she drives | I/he/she drove",
    };
    std::string bytes = CompileLines(Direction::GermanToEnglish, lines, 14);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    auto lemmaOf = [&](const char* form, std::uint32_t tag) { return LemmasOfForm(c, form, tag); };
    EXPECT_EQ(lemmaOf("verfügte", kFormPast), "verfügen;");
    EXPECT_EQ(lemmaOf("fährt", kFormThird), "");
    EXPECT_EQ(lemmaOf("verordnete", kFormPast), "verordnen;");
    EXPECT_EQ(lemmaOf("ordnete", kFormPast), "anordnen;");
    // "handelt zuwider" shows handeln's own form too
    EXPECT_NE(lemmaOf("handelt", kFormThird).find("handeln;"), std::string::npos);
    // the English columns of another verb, and a past the same as its verb, are slips
    EXPECT_EQ(EnglishThird(c, "sit"), "sits");
    EXPECT_EQ(EnglishPast(c, "add"), "added");
    EXPECT_EQ(EnglishThird(c, "squat"), "squats");
    EXPECT_EQ(EnglishPastPart(c, "plan"), "planned");
    EXPECT_EQ(FirstSense(c, "später"), "later");
    EXPECT_EQ(lemmaOf("angeklagt", kFormPastPart), "anklagen;");
    EXPECT_EQ(lemmaOf("angeklagt", kFormThird), "");
    EXPECT_EQ(EnglishPastPart(c, "strive"), "striven");
}

TEST(Catalogue, AnUnmarkedPluralLikeItsSingularIsNoPlural) {
    // the second line's unmarked "Gruppe" would make "groups" die Gruppe; the third
    // line's unmarked "Globen" differs from its singular and stands
    const char* const lines[] = {
        "Gruppierung {f}; Gruppe [techn.] | Gruppierungen {pl}; Gruppe :: array | arrays",
        "Gruppe {f} | Gruppen {pl} :: group | groups",
        "Atlas {m}; Globus | Atlanten {pl}; Globen :: atlas; globe | atlases; globes",
    };
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 3);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(GermanPlural(c, "Gruppe", kFeminine), "Gruppen");
    EXPECT_EQ(GermanPlural(c, "Globus", kMasculine), "Globen");
}

TEST(Catalogue, AWordAndItsAlternativeBetweenBlanksKeepTheFirstWord) {
    // the text before " / " alone would make "to mark" eine Note
    const char* const lines[] = {"eine Note / Zensur vergeben {v} :: to grade"};
    std::string bytes = CompileLines(Direction::EnglishToGerman, lines, 1);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(FirstSense(c, "grade"), "eine Note vergeben");
}
