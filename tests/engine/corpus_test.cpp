// What the catalogue compiler learns from a parallel corpus: sense choice, word
// groups, names and the target language's word model, and how the catalogue
// keeps them (and refuses them damaged).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/catalogue_builder.h"
#include "engine/corpus_statistics.h"
#include "engine/ngram_model.h"
#include "engine/sentence_units.h"
#include "engine/translator.h"
#include "tests/engine/engine_test_support.h"

#ifdef _WIN32
#include <windows.h>

#include <fstream>
#endif

using namespace velloc;

namespace {

const char* const kDictionary[] = {
    "Bank {f} | Bänke {pl} :: bench | benches",
    "Bank {f} | Banken {pl} :: bank | banks",
    "also {adv} :: so; thus",
    "so {adv} :: so",
    "Kiefer {m} :: jaw; pine",
    "zu {prp} :: to; at",
    "Haus {n} | Häuser {pl} :: house; home | houses; homes",
    "groß {adj} :: big; large",
    "die Polizei {f} :: the police",
    "Bäcker {m} :: baker",
    "kalt {adj} :: cold",
    "frank {adj} :: frank; candid",
    "heute {adv} :: today",
    "etw. aufsagen {vt} | aufsagend | aufgesagt | er/sie sagt auf | ich/er/sie sagte auf :: to say sth.; to recite sth. | saying; reciting | said; recited | says; recites | said; recited",
    "etw. sagen {vt} | sagend | gesagt | er/sie sagt | ich/er/sie sagte :: to say sth. | saying | said | says | said",
};

struct Pair {
    const char* german;
    const char* english;
};

// A small news corpus: "Bank" is the bank, "also" is "thus" while "so" stands in
// most English sentences, "zu Hause" is "at home", and Mr Schmidt and Mr Baker
// keep their names.
const Pair kCorpus[] = {
    {"Die Bank erhöht die Zinsen.", "The bank raises interest rates."},
    {"Die Bank meldet einen Gewinn.", "The bank reports a profit."},
    {"Er arbeitet bei einer Bank in Berlin.", "He works at a bank in Berlin."},
    {"Er sitzt auf einer Bank im Park.", "He sits on a bench in the park."},
    {"Also ist es so kalt.", "Thus it is so cold."},
    {"Also bleibt es so.", "Thus it stays so."},
    {"Es war also so geplant.", "It was thus so planned."},
    {"Es ist so kalt.", "It is so cold."},
    {"Er ist so müde.", "He is so tired."},
    {"Sie ist so froh.", "She is so glad."},
    {"Das Wetter ist so schön.", "The weather is so fine."},
    {"Der Zug ist so voll.", "The train is so full."},
    {"Der Tag war so lang.", "The day was so long."},
    {"Anna ist heute zu Hause.", "Anna is at home today."},
    {"Wir bleiben zu Hause.", "We stay at home."},
    {"Die Kinder spielen zu Hause.", "The children play at home."},
    {"Er arbeitet oft zu Hause.", "He often works at home."},
    {"Zu Hause ist es warm.", "It is warm at home."},
    {"Sie kocht zu Hause.", "She cooks at home."},
    {"Ein großes Haus steht dort.", "A big house stands there."},
    {"Wir kaufen ein großes Haus.", "We buy a big house."},
    {"Das große Haus ist alt.", "The big house is old."},
    {"Sie malt ein großes Haus.", "She paints a big house."},
    {"Er sieht ein großes Haus.", "He sees a big house."},
    {"Gestern sprach Herr Schmidt mit der Polizei.", "Yesterday Mr Schmidt spoke to the police."},
    {"Die Polizei fragte Herrn Schmidt.", "The police questioned Mr Schmidt."},
    {"Dann kam Oliver Schmidt spät.", "Then Oliver Schmidt came late."},
    {"Heute kam Frank Schmidt früh.", "Today Frank Schmidt came early."},
    {"Herr Baker sagte nichts.", "Mr Baker said nothing."},
    {"Wir trafen Herrn Baker gestern.", "We met Mr Baker yesterday."},
    {"Die Polizei kam schnell.", "The police came quickly."},
    {"Anna sagte es gestern.", "Anna said it yesterday."},
    {"Anna sagt es oft.", "Anna says it often."},
};

std::string Compile(Direction direction, bool withCorpus) {
    CatalogueBuilder builder(direction);
    for (const char* line : kDictionary) builder.AddLine(line);  // test literals are already Windows-1252
    if (withCorpus)
        for (const Pair& p : kCorpus) builder.AddCorpusPair(p.german, p.english);
    return builder.Finish();
}

// The catalogues stay alive for the whole test program.
const std::string& Compiled(Direction direction, bool withCorpus) {
    static std::string bytes[2][2];
    std::string& slot = bytes[direction == Direction::GermanToEnglish ? 0 : 1][withCorpus ? 1 : 0];
    if (slot.empty()) slot = Compile(direction, withCorpus);
    return slot;
}

Catalogue Open(const std::string& bytes) {
    Catalogue c;
    std::string error;
    EXPECT_TRUE(c.Open(bytes.data(), bytes.size(), &error)) << error;
    return c;
}

std::vector<std::string> Senses(const Catalogue& c, const char* form, std::uint8_t wordClass) {
    std::vector<std::string> out;
    for (FormLink link : c.Forms(form)) {
        const WordRecord* w = c.Word(LinkWord(link));
        if (w->wordClass != wordClass) continue;
        for (const SenseRecord& s : c.Senses(w->firstSense, w->senseCount)) out.push_back(c.String(s.text));
    }
    return out;
}

std::vector<std::string> PhraseSenses(const Catalogue& c, const std::string& phrase) {
    std::vector<std::string> out;
    for (const PhraseRecord& p : c.PhrasesStartingWith(phrase.substr(0, phrase.find(' '))))
        if (phrase == c.String(p.text))
            for (const SenseRecord& s : c.Senses(p.firstSense, p.senseCount)) out.push_back(c.String(s.text));
    return out;
}

std::string First(const std::vector<std::string>& senses) { return senses.empty() ? "" : senses[0]; }

}  // namespace

TEST(CorpusSenses, AlignedSentencesChooseTheSenseAndChanceDoesNot) {
    const Catalogue plain = Open(Compiled(Direction::GermanToEnglish, false));
    const Catalogue taught = Open(Compiled(Direction::GermanToEnglish, true));
    // the dictionary's order first, the corpus's choice with it
    EXPECT_EQ(First(Senses(plain, "Bank", kClassNoun)), "bench");
    EXPECT_EQ(First(Senses(taught, "Bank", kClassNoun)), "bank");
    EXPECT_EQ(Senses(taught, "Bank", kClassNoun).size(), 2u);
    // "so" stands in the "also" sentences as often as "thus", but in most others too
    EXPECT_EQ(First(Senses(plain, "also", kClassAdverb)), "so");
    EXPECT_EQ(First(Senses(taught, "also", kClassAdverb)), "thus");
    // where the corpus says nothing, the dictionary's order stays
    EXPECT_EQ(Senses(taught, "Kiefer", kClassNoun), Senses(plain, "Kiefer", kClassNoun));
    // a noun the dictionary lists only with its article is a word of its own
    EXPECT_EQ(First(Senses(plain, "Polizei", kClassNoun)), "police");
}

TEST(CorpusPhrases, GroupsThatTranslateAsOneJoinThePhrases) {
    const Catalogue plain = Open(Compiled(Direction::GermanToEnglish, false));
    const Catalogue taught = Open(Compiled(Direction::GermanToEnglish, true));
    EXPECT_TRUE(PhraseSenses(plain, "zu hause").empty());
    EXPECT_EQ(PhraseSenses(taught, "zu hause"), std::vector<std::string>{"at home"});
    // "big house" is what the words give one by one: no phrase
    EXPECT_TRUE(PhraseSenses(taught, "großes haus").empty());
    // nor a group with a name or an article at its edge
    EXPECT_TRUE(PhraseSenses(taught, "herr schmidt").empty());
    EXPECT_TRUE(PhraseSenses(taught, "die bank").empty());
}

TEST(CorpusPhrases, DiceAlignmentNeedsEnoughPairsAndTheJudge) {
    const Catalogue side = Open(Compiled(Direction::GermanToEnglish, false));
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const Pair& p : kCorpus) pairs.emplace_back(p.german, p.english);
    const CorpusTokens corpus = TokeniseCorpus(pairs, side, side);
    const auto accept = [](const std::string&, const std::string&) { return true; };
    const std::vector<AlignedPhrase> all = AlignPhrases(corpus, AlignmentLimits{}, accept);
    bool home = false;
    for (const AlignedPhrase& a : all) {
        EXPECT_GE(a.together, AlignmentLimits{}.minTogether) << a.source;
        EXPECT_GE(a.dice, AlignmentLimits{}.minDice) << a.source;
        EXPECT_LE(a.together, std::min(a.sourceCount, a.targetCount)) << a.source;
        if (a.source == "zu hause") {
            home = true;
            EXPECT_EQ(a.target, "at home");
            EXPECT_EQ(a.sourceCount, 6u);
        }
    }
    EXPECT_TRUE(home);
    // a judge that refuses everything leaves nothing; more pairs asked for than seen, too
    EXPECT_TRUE(AlignPhrases(corpus, AlignmentLimits{}, [](const std::string&, const std::string&) {
                    return false;
                }).empty());
    EXPECT_TRUE(AlignPhrases(corpus, AlignmentLimits{7, 0.3}, accept).empty());
}

TEST(CorpusNames, WordsTheTranslationKeepsAreNames) {
    const Catalogue german = Open(Compiled(Direction::GermanToEnglish, true));
    EXPECT_TRUE(german.IsName("Schmidt"));
    EXPECT_TRUE(german.IsName("Oliver"));      // no dictionary word, kept
    EXPECT_TRUE(german.IsName("Frank"));       // a dictionary word kept once, beside a name
    EXPECT_FALSE(german.IsName("Polizei"));    // translated
    EXPECT_FALSE(german.IsName("Anna"));       // only ever first in its sentence
    EXPECT_FALSE(german.IsName("schmidt"));    // as written
    const Catalogue english = Open(Compiled(Direction::EnglishToGerman, true));
    EXPECT_TRUE(english.IsName("Baker"));      // a dictionary word, but always kept
    EXPECT_FALSE(english.IsName("Thus"));
    EXPECT_FALSE(Open(Compiled(Direction::GermanToEnglish, false)).IsName("Schmidt"));
}

TEST(CorpusNames, ANameInSBeforeANounIsItsStemsGenitive) {
    // "Peters" and "Peter" are both names the corpus keeps; before a noun "Peters" owns it
    CatalogueBuilder builder(Direction::GermanToEnglish);
    AddEngineTables(builder);
    builder.AddLine("Haus {n} | H\xE4user {pl} :: house | houses");
    builder.AddLine("kommen {vi} | kommend | gekommen | er/sie kommt | ich/er/sie kam :: to come | coming | come | he/she comes | I/he/she came");
    const Pair pairs[] = {{"Dann kam Peter sp\xE4t.", "Then Peter came late."}, {"Heute kam Peter fr\xFCh.", "Today Peter came early."},
                          {"Dann kam Herr Peters.", "Then Mr Peters came."}, {"Heute kam Herr Peters.", "Today Mr Peters came."}};
    for (const Pair& p : pairs) builder.AddCorpusPair(p.german, p.english);
    const std::string bytes = builder.Finish();
    const Catalogue c = Open(bytes);
    ASSERT_TRUE(c.IsName("Peters"));
    auto de = [&](const char* sentence) {
        return TranslateGermanToEnglish(c, EngineOptions{}, UserLexicon{}, sentence, Clock::now() + std::chrono::seconds(5)).text;
    };
    EXPECT_EQ(de("Dann kam Peters Haus."), "Then Peter's house came.");
    EXPECT_EQ(de("Dann kam Peters."), "Then Peters came.");
}

TEST(CorpusModel, TheModelChoosesAPrepositionsRendering) {
    // "am" is "on the" first; where the English around it says "at the", the model takes that
    const char* const dictionary[] = {"Bahnhof {m} :: station", "warten {vi} :: to wait",
                                      "Bus {m} :: bus", "stehen {vi} :: to stand"};
    const Pair corpus[] = {
        {"Wir warten am Bahnhof.", "We wait at the station."},
        {"Der Bus steht am Bahnhof.", "The bus stands at the station."},
        {"Sie stehen am Bahnhof.", "They stand at the station."},
        {"Am Bahnhof warten wir.", "At the station we wait."},
    };
    std::string bytes[2];
    for (bool withCorpus : {false, true}) {
        CatalogueBuilder builder(Direction::GermanToEnglish);
        AddEngineTables(builder);
        for (const char* line : dictionary) builder.AddLine(line);
        if (withCorpus)
            for (const Pair& p : corpus) builder.AddCorpusPair(p.german, p.english);
        bytes[withCorpus] = builder.Finish();
    }
    const UserLexicon none;
    auto translate = [&](const std::string& catalogueBytes) {
        const Catalogue c = Open(catalogueBytes);
        return TranslateSentenceText(c, EngineOptions{}, none, "Er wartet am Bahnhof.",
                                     Clock::now() + std::chrono::seconds(10)).text;
    };
    EXPECT_EQ(translate(bytes[0]), "He is waiting on the station.");
    EXPECT_EQ(translate(bytes[1]), "He is waiting at the station.");
}

namespace {
// 10^LogProb summed over every word the model can predict, and the unknown word.
double Mass(const Catalogue& c, std::uint32_t w1, std::uint32_t w2) {
    double sum = 0;
    const std::uint32_t start = c.ModelWord(kSentenceStartWord);
    for (std::uint32_t id = 0; id < c.ModelWordCount(); ++id)
        if (id != start) sum += std::pow(10.0, c.LogProb(w1, w2, id));
    return sum;
}
}  // namespace

TEST(CorpusModel, EveryHistoryGivesOneWholeDistribution) {
    for (Direction d : {Direction::GermanToEnglish, Direction::EnglishToGerman}) {
        const Catalogue c = Open(Compiled(d, true));
        ASSERT_TRUE(c.HasLanguageModel());
        const bool english = d == Direction::GermanToEnglish;
        const std::uint32_t start = c.ModelWord(kSentenceStartWord);
        const std::uint32_t a = c.ModelWord(english ? "the" : "die");
        const std::uint32_t b = c.ModelWord(english ? "bank" : "bank");
        const std::uint32_t so = c.ModelWord(english ? "so" : "so");
        ASSERT_NE(a, 0u);
        ASSERT_NE(b, 0u);
        for (auto [w1, w2] : {std::pair{0u, start}, std::pair{start, a}, std::pair{a, b}, std::pair{b, so},
                              std::pair{0u, 0u}, std::pair{so, so}})
            EXPECT_NEAR(Mass(c, w1, w2), 1.0, 1e-3) << w1 << " " << w2;
    }
}

TEST(CorpusModel, SeenWordOrderScoresAboveOthersAndUnknownWordsGetTheFloor) {
    const Catalogue c = Open(Compiled(Direction::GermanToEnglish, true));
    const std::vector<std::string> seen = {"The", "bank", "reports", "a", "profit", "."};
    const std::vector<std::string> scrambled = {"profit", "a", "The", ".", "reports", "bank"};
    EXPECT_GT(c.ScoreSequence(seen), c.ScoreSequence(scrambled));
    // the history counts: "bank" after "the" beats "bank" after "so"
    EXPECT_GT(c.LogProb("the", "the", "bank"), c.LogProb("is", "so", "bank"));
    EXPECT_GT(c.LogProb("", "the", "bank"), c.LogProb("", "", "bank"));
    // case is folded; a word never seen scores below every seen one, the same in any history
    EXPECT_FLOAT_EQ(c.LogProb("The", "BANK", "Raises"), c.LogProb("the", "bank", "raises"));
    EXPECT_EQ(c.ModelWord("Zeppelin"), 0u);
    const float unknown = c.LogProb("", "", "zeppelin");
    EXPECT_LT(unknown, c.LogProb("", "", "tired"));
    EXPECT_LT(unknown, 0.f);
    EXPECT_LT(c.LogProb("the", "bank", "zeppelin"), c.LogProb("the", "bank", "raises"));
    // a sentence's end is part of its score
    EXPECT_LT(c.ScoreSequence(seen), c.ScoreSequence(seen, true, false));
}

TEST(CorpusModel, EstimatesTheSameTablesFromTheSameSentences) {
    auto build = [] {
        NgramModelBuilder model;
        model.AddSentence({"the", "bank", "raises", "rates"});
        model.AddSentence({"the", "bank", "reports", "a", "profit"});
        model.AddSentence({});
        return model.Build();
    };
    const NgramTables a = build(), b = build();
    ASSERT_EQ(a.header.wordCount, 10u);  // the unknown word, <s>, </s> and the seven words
    EXPECT_EQ(a.header.sentences, 2u);
    EXPECT_EQ(a.header.trigramCount, 8u);  // "<s> the bank" twice
    ASSERT_EQ(a.bigrams.size(), b.bigrams.size());
    EXPECT_EQ(std::memcmp(a.bigrams.data(), b.bigrams.data(), a.bigrams.size() * sizeof(BigramSlot)), 0);
    ASSERT_EQ(a.trigrams.size(), b.trigrams.size());
    EXPECT_EQ(std::memcmp(a.trigrams.data(), b.trigrams.data(), a.trigrams.size() * sizeof(TrigramSlot)), 0);
    EXPECT_TRUE(NgramModelBuilder().Build().words.empty());
}

namespace {
CatalogueHeader HeaderOf(const std::string& bytes) {
    CatalogueHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    return header;
}

// The file with its header changed and sealed again, as a faulty compiler would write it.
std::string Resealed(std::string bytes, CatalogueHeader header) {
    bytes.resize(header.blockSums.offset);
    SealCatalogue(header, bytes);
    return bytes;
}
}  // namespace

TEST(CorpusCatalogue, SameInputGivesTheSameBytes) {
    EXPECT_EQ(Compile(Direction::GermanToEnglish, true), Compiled(Direction::GermanToEnglish, true));
    EXPECT_EQ(Compile(Direction::EnglishToGerman, true), Compiled(Direction::EnglishToGerman, true));
}

TEST(CorpusCatalogue, DamagedOrCutStatisticsAreRefused) {
    const std::string& bytes = Compiled(Direction::GermanToEnglish, true);
    const CatalogueHeader header = HeaderOf(bytes);
    Catalogue c;
    ASSERT_TRUE(c.Open(bytes.data(), bytes.size(), nullptr));
    // a flipped byte in each statistics section
    for (Section s : {kSectionNames, kSectionModel, kSectionModelWords, kSectionUnigrams, kSectionBigrams,
                      kSectionTrigrams}) {
        ASSERT_GT(header.sections[s].size, 0u) << s;
        std::string damaged = bytes;
        damaged[header.sections[s].offset + header.sections[s].size / 2] ^= 0x10;
        EXPECT_FALSE(c.Open(damaged.data(), damaged.size(), nullptr)) << s;
        // the quick check reads the small tables at once
        if (s == kSectionNames || s == kSectionModel || s == kSectionModelWords) {
            EXPECT_FALSE(c.Open(damaged.data(), damaged.size(), nullptr, CatalogueCheck::kIndexes)) << s;
        }
    }
    // sealed again, so only the model's own checks see it: a table cut short, a
    // header that promises more words than there are, a model without its tables
    CatalogueHeader cut = header;
    cut.sections[kSectionUnigrams].size -= sizeof(UnigramRecord);
    CatalogueHeader noTables = header;
    noTables.sections[kSectionUnigrams].size = 0;
    noTables.sections[kSectionBigrams].size = 0;
    CatalogueHeader tablesOnly = header;
    tablesOnly.sections[kSectionModel].size = 0;
    for (const CatalogueHeader& h : {cut, noTables, tablesOnly}) {
        const std::string resealed = Resealed(bytes, h);
        std::string error;
        EXPECT_FALSE(c.Open(resealed.data(), resealed.size(), &error));
        EXPECT_EQ(error, "damaged language model");
    }
    std::string wrongCount = bytes;
    ModelHeader model;
    std::memcpy(&model, bytes.data() + header.sections[kSectionModel].offset, sizeof model);
    model.wordCount += 1;
    std::memcpy(&wrongCount[header.sections[kSectionModel].offset], &model, sizeof model);
    wrongCount = Resealed(wrongCount, header);
    EXPECT_FALSE(c.Open(wrongCount.data(), wrongCount.size(), nullptr));
    // cut anywhere inside the statistics
    for (Section s : {kSectionModelWords, kSectionTrigrams})
        EXPECT_FALSE(c.Open(bytes.data(), header.sections[s].offset + 8, nullptr)) << s;
    EXPECT_FALSE(c.IsOpen());
    EXPECT_EQ(c.LogProb("the", "bank", "raises"), 0.f);
}

#ifdef _WIN32
TEST(CorpusCatalogue, DamagedStatisticsMakeInitialisationFail) {
    char directory[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    char module[MAX_PATH];
    std::string bin(module, GetModuleFileNameA(nullptr, module, sizeof module));
    bin = bin.substr(0, bin.find_last_of('\\'));
    bin = bin.substr(0, bin.find_last_of('\\') + 1) + "bin\\";  // build/bin beside build/tests
    HMODULE library = LoadLibraryA((bin + "Velloc.dll").c_str());
    ASSERT_NE(library, nullptr);
    auto init = reinterpret_cast<int(WINAPI*)(int, const char*, const char*)>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitializeProlog")));
    ASSERT_NE(init, nullptr);
    // a file of its own each time: the engine keeps the catalogue it opened mapped
    std::vector<std::string> paths;
    auto initialise = [&](const std::string& bytes) {
        paths.push_back(std::string(directory) + "qd_corpus" + std::to_string(paths.size()) + ".lct");
        {
            std::ofstream out(paths.back(), std::ios::binary);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        return init(1, directory, paths.back().c_str());
    };
    const std::string& bytes = Compiled(Direction::GermanToEnglish, true);
    EXPECT_EQ(initialise(bytes), 0);
    const CatalogueHeader header = HeaderOf(bytes);
    std::string damaged = bytes;
    damaged[header.sections[kSectionTrigrams].offset + 4] ^= 0x01;
    EXPECT_NE(initialise(damaged), 0);
    EXPECT_NE(initialise(bytes.substr(0, header.sections[kSectionBigrams].offset)), 0);
    FreeLibrary(library);
    for (const std::string& p : paths) DeleteFileA(p.c_str());
}
#endif

TEST(CorpusSenses, AFiniteFormCountsForTheVerbItselfNotOneWithAParticle) {
    // "sagte" stands for "sagen"; "aufsagen" has it only with "auf" after it
    const Catalogue taught = Open(Compiled(Direction::EnglishToGerman, true));
    EXPECT_EQ(First(Senses(taught, "say", kClassVerb)), "sagen");
}
