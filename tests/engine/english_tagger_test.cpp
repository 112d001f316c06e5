// The English tagger: the Brown corpus read as the engine's tokeniser cuts text, a
// model trained on a few sentences of our own, the model trained on the whole corpus
// at build time (ENGLISH.TAG beside the fixture catalogues), the dictionary's
// constraint, and damaged models refused.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "engine/english_tagger.h"
#include "engine/english_tagger_model.h"
#include "engine/english_tagger_training.h"
#include "engine/tokens.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

namespace {

// "word/TAG word/TAG ..." with the engine's tag names.
TaggedSentence Sentence(const char* text) {
    TaggedSentence sentence;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        std::size_t slash = token.rfind('/');
        EnglishTag tag = kTagNoun;
        EXPECT_TRUE(EnglishTagFromName(token.substr(slash + 1), &tag)) << token;
        sentence.push_back({token.substr(0, slash), tag});
    }
    return sentence;
}

std::string Joined(const TaggedSentence& sentence) {
    std::string out;
    for (const TaggedWord& w : sentence) out += (out.empty() ? "" : " ") + w.word + "/" + EnglishTagName(w.tag);
    return out;
}

// The sentence cut by the engine's tokeniser and tagged, as "word/TAG ...". masks, when
// given, holds the dictionary's tags for each token.
std::string Tagged(const TaggerModel& model, const char* sentence, std::vector<TagMask> masks = {}) {
    static Catalogue english;
    if (!english.IsOpen()) {
        const std::string& bytes = FixtureCatalogue(Direction::EnglishToGerman);
        english.Open(bytes.data(), bytes.size(), nullptr);
    }
    std::vector<Token> tokens = Tokenise(sentence, english);
    std::vector<std::string_view> words;
    for (const Token& t : tokens) words.push_back(t.text);
    std::vector<EnglishTag> tags = model.Tag(words, masks);
    TaggedSentence out;
    for (std::size_t i = 0; i < tokens.size(); ++i) out.push_back({tokens[i].text, tags[i]});
    return Joined(out);
}

// A small corpus of our own: what it teaches is in plain sight.
const char* const kTinyCorpus[] = {
    "The/DT dog/NN barks/VBZ ./PUNCT",
    "The/DT dogs/NNS bark/VB loudly/RB ./PUNCT",
    "A/DT cat/NN sleeps/VBZ ./PUNCT",
    "The/DT cats/NNS slept/VBD quietly/RB ./PUNCT",
    "The/DT man/NN walked/VBD slowly/RB ./PUNCT",
    "He/PPS walks/VBZ home/NN ./PUNCT",
    "She/PPS saw/VBD the/DT dog/NN ./PUNCT",
    "The/DT old/JJ man/NN saw/VBD a/DT cat/NN ./PUNCT",
    "They/PPS saw/VBD him/PPO ./PUNCT",
    "I/PPS like/VB the/DT small/JJ dogs/NNS ./PUNCT",
};

std::vector<TaggedSentence> TinyCorpus() {
    std::vector<TaggedSentence> corpus;
    for (const char* line : kTinyCorpus) corpus.push_back(Sentence(line));
    return corpus;
}

TrainingOptions TinyOptions() {
    TrainingOptions options;
    options.iterations = 10;
    options.rowBits = 12;
    options.shortSentences = false;
    return options;
}

const std::string& TinyModel() {
    static const std::string blob = TrainTagger(TinyCorpus(), TinyOptions());
    return blob;
}

// The model the build trained on the whole Brown corpus.
const TaggerModel& BrownModel() {
    static std::string bytes;
    static TaggerModel model;
    if (!model.IsOpen()) {
        std::ifstream in(FixtureDirectory() + "ENGLISH.TAG", std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        bytes = content.str();
        std::string error;
        EXPECT_TRUE(model.Open(bytes.data(), bytes.size(), &error)) << "ENGLISH.TAG: " << error;
    }
    return model;
}

// A copy of the blob with its header changed and its checksum made right again, so
// that only the checks of the header's fields stand in the way.
std::string WithHeader(const std::string& blob, const std::function<void(tagger::TaggerHeader&)>& change) {
    std::string copy = blob;
    tagger::TaggerHeader header;
    std::memcpy(&header, copy.data(), sizeof header);
    change(header);
    std::memcpy(&copy[0], &header, sizeof header);
    header.checksum = tagger::BlobChecksum(reinterpret_cast<const unsigned char*>(copy.data()), copy.size());
    std::memcpy(&copy[0], &header, sizeof header);
    return copy;
}

bool Opens(const std::string& blob) {
    TaggerModel model;
    return model.Open(blob.data(), blob.size(), nullptr);
}

const char kTable[] =
    "# a table in the form of engine/data/brown-tags.txt\n"
    "at DT article\n"
    "nn NN\n"
    "nns NNS\n"
    "nns$ GEN\n"
    "np NP\n"
    "pps PPS\n"
    "bez BE\n"
    "rb RB\n"
    "vbd VBD\n"
    ", PUNCT\n"
    ". PUNCT\n"
    "-- PUNCT\n"
    "`` PUNCT\n"
    "'' PUNCT\n"
    "nil -\n"
    "-hl -\n";

}  // namespace

TEST(EnglishTagger, BrownTagsFollowTheTable) {
    BrownTagTable table;
    ASSERT_TRUE(table.Parse(kTable, nullptr));
    EnglishTag tag = kTagPunctuation;
    struct Case {
        const char* brown;
        EnglishTag tag;
    } const cases[] = {
        {"nn", kTagNoun},        {"nn-tl", kTagNoun},        {"fw-nn", kTagNoun},
        {"bez*", kTagBe},        {"pps+bez", kTagSubjectPronoun}, {"np+bez-tl", kTagProperNoun},
        {"nns$", kTagGenitive},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table.Find(c.brown, &tag), BrownTagTable::Lookup::kTagged) << c.brown;
        EXPECT_EQ(tag, c.tag) << c.brown;
    }
    EXPECT_EQ(table.Find("nil", &tag), BrownTagTable::Lookup::kLeaveOut);
    EXPECT_EQ(table.Find("nn-hl", &tag), BrownTagTable::Lookup::kLeaveOut);
    EXPECT_EQ(table.Find("vbz", &tag), BrownTagTable::Lookup::kUnknown);

    std::string error;
    EXPECT_FALSE(table.Parse("nn NN\nvbz\n", &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_FALSE(table.Parse("nn NOUN\n", &error));
}

TEST(EnglishTagger, BrownTextIsCutAsTheTokeniserCutsText) {
    BrownTagTable table;
    ASSERT_TRUE(table.Parse(kTable, nullptr));
    const char* text =
        "\n\t``/`` The/at voters'/nns$ money/nn ,/, $600/nns --/-- isn't/bez* there/rb ,/, ''/'' he's/pps+bez ./.\n"
        "\n\tThe/at sentence/nn with/nil a/at gap/nn ./.\n"
        "\tHeadline/nn-hl ./.\n";
    std::vector<TaggedSentence> sentences;
    std::string error;
    ASSERT_TRUE(ReadBrownText(text, table, &sentences, &error)) << error;
    ASSERT_EQ(sentences.size(), 1u) << "the untagged token and the headline leave their sentences out";
    EXPECT_EQ(Joined(sentences[0]),
              "\"/PUNCT The/DT voters/GEN '/PUNCT money/NN ,/PUNCT $/PUNCT 600/CD -/PUNCT -/PUNCT "
              "isn't/BE there/RB ,/PUNCT \"/PUNCT he's/PPS ./PUNCT");

    // The same words as the engine's tokeniser finds them in the plain sentence.
    const std::string& bytes = FixtureCatalogue(Direction::EnglishToGerman);
    Catalogue english;
    ASSERT_TRUE(english.Open(bytes.data(), bytes.size(), nullptr));
    std::vector<Token> tokens = Tokenise("\"The voters' money, $600 -- isn't there,\" he's.", english);
    ASSERT_EQ(tokens.size(), sentences[0].size());
    for (std::size_t i = 0; i < tokens.size(); ++i) EXPECT_EQ(tokens[i].text, sentences[0][i].word) << i;

    EXPECT_FALSE(ReadBrownText("A/at dog/zz ./.\n", table, &sentences, &error));
    EXPECT_NE(error.find("zz"), std::string::npos) << error;
    EXPECT_FALSE(ReadBrownText("A/at dog ./.\n", table, &sentences, &error));
}

TEST(EnglishTagger, CorpusFolderIsReadAsItsListSays) {
    // A corpus folder of two texts beside the fixture catalogues.
    std::filesystem::path folder = std::filesystem::u8path(FixtureDirectory()) / "brown-test";
    std::filesystem::create_directories(folder);
    auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    write("tags.txt", kTable);
    write("cats.txt", "cz02 fiction\ncz01 news\n");
    write("cz01", "\n\tThe/at jury/nn said/vbd ./.\n\n\tIt/pps is/bez late/rb ./.\n");
    write("cz02", "\tHe/pps said/vbd it/pps ./.\n");
    std::vector<std::vector<TaggedSentence>> texts;
    std::string error;
    ASSERT_TRUE(ReadBrownCorpus(folder.string(), (folder / "tags.txt").string(), &texts, &error)) << error;
    ASSERT_EQ(texts.size(), 2u);
    ASSERT_EQ(texts[0].size(), 1u);
    EXPECT_EQ(Joined(texts[0][0]), "He/PPS said/VBD it/PPS ./PUNCT");
    ASSERT_EQ(texts[1].size(), 2u);
    EXPECT_EQ(Joined(texts[1][1]), "It/PPS is/BE late/RB ./PUNCT");

    TaggerModel model;
    std::string blob = TrainTaggerFromBrown(folder.string(), (folder / "tags.txt").string(), &error);
    EXPECT_TRUE(model.Open(blob.data(), blob.size(), &error)) << error;

    // A text the list names but the folder lacks, a tag the table lacks.
    write("cats.txt", "cz01 news\ncz03 news\n");
    texts.clear();
    EXPECT_FALSE(ReadBrownCorpus(folder.string(), (folder / "tags.txt").string(), &texts, &error));
    EXPECT_NE(error.find("cz03"), std::string::npos) << error;
    write("cats.txt", "cz01 news\n");
    write("cz01", "\tThe/at jury/nn said/vbz ./.\n");
    EXPECT_TRUE(TrainTaggerFromBrown(folder.string(), (folder / "tags.txt").string(), &error).empty());
    EXPECT_NE(error.find("vbz"), std::string::npos) << error;
}

TEST(EnglishTagger, LearnsFromASmallCorpus) {
    TaggerModel model;
    std::string error;
    ASSERT_TRUE(model.Open(TinyModel().data(), TinyModel().size(), &error)) << error;
    // Known words in new company, and unknown words by their endings.
    EXPECT_EQ(Tagged(model, "The cat barks loudly."), "The/DT cat/NN barks/VBZ loudly/RB ./PUNCT");
    EXPECT_EQ(Tagged(model, "She saw the old cat."), "She/PPS saw/VBD the/DT old/JJ cat/NN ./PUNCT");
    EXPECT_EQ(Tagged(model, "The dog jumped quickly."), "The/DT dog/NN jumped/VBD quickly/RB ./PUNCT");
}

TEST(EnglishTagger, TrainingGivesTheSameBytesEveryTime) {
    EXPECT_EQ(TrainTagger(TinyCorpus(), TinyOptions()), TinyModel());
    TrainingOptions greedy = TinyOptions();
    greedy.beamWidth = 1;
    std::string other = TrainTagger(TinyCorpus(), greedy);
    EXPECT_NE(other, TinyModel());
    EXPECT_TRUE(Opens(other));
}

TEST(EnglishTagger, DictionaryLimitsTheChoice) {
    TaggerModel model;
    ASSERT_TRUE(model.Open(TinyModel().data(), TinyModel().size(), nullptr));
    // The dictionary's tags win over the context; an empty set or bits beyond the tag
    // set leave the tagger free.
    EXPECT_EQ(Tagged(model, "The dog barks.", {0, 0, TagBit(kTagNounPlural), 0}),
              "The/DT dog/NN barks/NNS ./PUNCT");
    EXPECT_EQ(Tagged(model, "The dog barks.", {0, 0, 0, 0}), Tagged(model, "The dog barks."));
    EXPECT_EQ(Tagged(model, "The dog barks.", {0, 0, TagMask(1) << 31, 0}), Tagged(model, "The dog barks."));

    const TaggerModel& brown = BrownModel();
    EXPECT_EQ(Tagged(brown, "I saw him.", {0, TagBit(kTagNoun), 0, 0}),
              "I/PPS saw/NN him/PPO ./PUNCT");
    EXPECT_EQ(Tagged(brown, "The cat drinks milk.", {0, 0, kNounTags, 0, 0}),
              "The/DT cat/NN drinks/NNS milk/NN ./PUNCT");
}

TEST(EnglishTagger, BrownModelTagsWordClassesInContext) {
    const TaggerModel& model = BrownModel();
    ASSERT_TRUE(model.IsOpen());
    EXPECT_EQ(Tagged(model, "The cat drinks milk."), "The/DT cat/NN drinks/VBZ milk/NN ./PUNCT");
    EXPECT_EQ(Tagged(model, "My brother works."), "My/PP$ brother/NN works/VBZ ./PUNCT");
    EXPECT_EQ(Tagged(model, "He reads an interesting book."),
              "He/PPS reads/VBZ an/DT interesting/JJ book/NN ./PUNCT");
    EXPECT_EQ(Tagged(model, "I saw him."), "I/PPS saw/VBD him/PPO ./PUNCT");
    EXPECT_EQ(Tagged(model, "She has gone to the station to buy tickets."),
              "She/PPS has/HV gone/VBN to/IN the/DT station/NN to/TO buy/VB tickets/NNS ./PUNCT");

    // Longer than the tagger keeps on its stack, and empty.
    std::string clauses, expected;
    for (int i = 0; i < 80; ++i) {
        clauses += "I saw him and ";
        expected += "I/PPS saw/VBD him/PPO and/CC ";
    }
    EXPECT_EQ(Tagged(model, (clauses + "I saw him.").c_str()), expected + "I/PPS saw/VBD him/PPO ./PUNCT");
    EXPECT_TRUE(model.Tag(std::vector<std::string_view>()).empty());
}

TEST(EnglishTagger, ContractionsTakeTheirFirstPartsTag) {
    const TaggerModel& model = BrownModel();
    EXPECT_EQ(Tagged(model, "It's John's car, and he doesn't sell it."),
              "It's/PPS John's/GEN car/NN ,/PUNCT and/CC he/PPS doesn't/DO sell/VB it/PPO ./PUNCT");
    // The typographic apostrophe reads as the plain one.
    EXPECT_EQ(Tagged(model, "He doesn\x92t sell it."), "He/PPS doesn\x92t/DO sell/VB it/PPO ./PUNCT");
}

TEST(EnglishTagger, RefusesCutAndDamagedModels) {
    const std::string& blob = TinyModel();
    ASSERT_TRUE(Opens(blob));
    // Cut anywhere: in the header, in the tag names, in the weights, by one byte.
    for (std::size_t size = 0; size < blob.size(); size += size < 200 ? 1 : 997)
        EXPECT_FALSE(Opens(blob.substr(0, size))) << size;
    EXPECT_FALSE(Opens(blob.substr(0, blob.size() - 1)));
    EXPECT_FALSE(Opens(blob + std::string(4, '\0')));
    // One byte changed anywhere.
    for (std::size_t at : {std::size_t(0), std::size_t(9), std::size_t(70), blob.size() / 2, blob.size() - 1}) {
        std::string damaged = blob;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
        EXPECT_FALSE(Opens(damaged)) << "byte " << at;
    }
    // Headers whose checksum is right but whose sections do not fit.
    using Header = tagger::TaggerHeader;
    const std::function<void(Header&)> changes[] = {
        [](Header& h) { h.weightsOffset = h.blobSize - 16; },
        [](Header& h) { h.weightsOffset = 0xFFFFFFF0u; },
        [](Header& h) { h.namesOffset = h.weightsOffset + 4; },
        [](Header& h) { h.namesSize = 0xFFFFFFFFu; },
        [](Header& h) { h.rowBits += 1; },
        [](Header& h) { h.rowBits = 31; },
        [](Header& h) { h.tagCount -= 1; },
        [](Header& h) { h.beamWidth = 0; },
        [](Header& h) { h.beamWidth = 200; },
        [](Header& h) { h.version += 1; },
        [](Header& h) { h.headerSize += 4; },
    };
    for (std::size_t i = 0; i < sizeof changes / sizeof changes[0]; ++i)
        EXPECT_FALSE(Opens(WithHeader(blob, changes[i]))) << "change " << i;
    // A model of another tag set, whatever else is right.
    std::string renamed = blob;
    tagger::TaggerHeader header;
    std::memcpy(&header, blob.data(), sizeof header);
    renamed[header.namesOffset] = 'X';
    EXPECT_FALSE(Opens(WithHeader(renamed, [](Header&) {})));

    // A refused model leaves the tagger closed.
    TaggerModel model;
    ASSERT_TRUE(model.Open(blob.data(), blob.size(), nullptr));
    std::string error;
    EXPECT_FALSE(model.Open(blob.data(), blob.size() / 2, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(model.IsOpen());
}
