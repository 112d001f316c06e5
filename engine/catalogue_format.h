#pragma once
// The lexicon catalogue (QDGE.LCT, QDEG.LCT): one file per direction, laid out so
// that it is used straight from a read-only mapping. Every reference is a byte
// offset (strings) or an index (records) checked before use; nothing is fixed up
// after loading. All numbers little-endian.
//
//   header | sections, each 4-byte aligned, at the offsets the header names | block sums
//
// The bytes between the header and the block sums are checked in blocks of
// kCatalogueBlockSize, each with its own checksum, so that a reader can check the
// hash tables at once and leave the bulk of a large file for later.
//
// Strings are NUL-terminated Windows-1252 text in one pool; offset 0 is the empty
// string. Hash tables use open addressing with linear probing.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace velloc {

constexpr char kCatalogueMagic[8] = {'Q', 'D', 'L', 'C', 'T', '\r', '\n', 0x1A};
constexpr std::uint32_t kCatalogueVersion = 4;
constexpr std::uint32_t kCatalogueBlockSize = 64 * 1024;

enum class Direction : std::uint32_t { GermanToEnglish = 1, EnglishToGerman = 2 };

enum Section : std::uint32_t {
    kSectionStrings,
    kSectionWords,         // WordRecord: the source language's headwords
    kSectionSenses,        // SenseRecord: translations of words and phrases
    kSectionFormSlots,     // HashSlot: word form -> FormLink range
    kSectionFormLinks,     // FormLink
    kSectionPhrases,       // PhraseRecord, grouped by first token, longest first
    kSectionPhraseSlots,   // HashSlot: first token -> PhraseRecord range
    kSectionTargets,       // TargetRecord: how target-language words inflect
    kSectionTargetSlots,   // HashSlot: target lemma -> TargetRecord range
    kSectionAbbreviations, // HashSlot: abbreviation with its period
    kSectionExamples,      // HashSlot: normalised source sentence -> target text (first)
    kSectionNames,         // HashSlot: a source word the corpus keeps as a name
    kSectionModel,         // ModelHeader: the target language's word model, or empty
    kSectionModelWords,    // HashSlot: lower-case target word -> model id in `first`, its HashText in `count`
    kSectionUnigrams,      // UnigramRecord by model id
    kSectionBigrams,       // BigramSlot
    kSectionTrigrams,      // TrigramSlot
    kSectionTagger,        // bytes: the English tagger's model (engine/english_tagger.h), or empty
    kSectionTables,        // bytes: the engine's text tables, each "name" NUL "text" NUL
    kSectionCount
};

struct SectionEntry {
    std::uint32_t offset;
    std::uint32_t size;  // bytes
};

struct CatalogueHeader {
    char magic[8];
    std::uint32_t version;
    std::uint32_t direction;
    std::uint32_t fileSize;
    std::uint32_t headerChecksum;  // CatalogueChecksum of this header with this field 0
    std::uint32_t sectionCount;
    std::uint32_t subjectCount;  // subject-area codes the masks refer to
    SectionEntry sections[kSectionCount];
    // One uint32 CatalogueChecksum per block: block i holds the file's bytes
    // [max(i * kCatalogueBlockSize, header end), min((i + 1) * kCatalogueBlockSize, blockSums.offset)).
    SectionEntry blockSums;
    std::uint32_t blockSumsChecksum;  // CatalogueChecksum of the block sums
    std::uint32_t pad;
};

enum WordClass : std::uint8_t {
    kClassNone,
    kClassNoun,
    kClassVerb,
    kClassAdjective,
    kClassAdverb,
    kClassPreposition,
    kClassConjunction,
    kClassPronoun,
    kClassArticle,
    kClassNumeral,
    kClassInterjection,
    kClassName,
};

enum Gender : std::uint8_t { kGenderNone, kMasculine, kFeminine, kNeuter, kPluralOnly };

enum WordFlag : std::uint8_t {
    kWordSeparable = 1,   // German verb with a separable particle
    kWordSein = 2,        // perfect with "sein"
    kWordReflexive = 4,
    kWordIrregular = 8,
    kWordIntransitive = 16,  // a {vi} line of the verb
    kWordTransitive = 32,    // a {vt} line of the verb
};

// How a form relates to its headword.
enum FormTag : std::uint8_t {
    kFormBase,
    kFormPlural,
    kFormThird,        // third person singular present
    kFormPast,         // preterite (German: singular)
    kFormPastPlural,
    kFormPastPart,
    kFormPresPart,     // German -end, English -ing
    kFormComparative,
    kFormSuperlative,
    kFormSubjunctive,
    kFormTagCount
};

// A slot whose key is 0 is empty. The probe starts at HashText(key) % slots.
struct HashSlot {
    std::uint32_t key;    // string offset
    std::uint32_t first;
    std::uint32_t count;
};

struct WordRecord {
    std::uint32_t lemma;
    std::uint32_t firstSense;
    std::uint32_t particle;  // separable particle (German source), else 0
    std::uint8_t wordClass;
    std::uint8_t gender;
    std::uint8_t flags;      // WordFlag bits
    std::uint8_t senseCount;
};

// Word index in the low 24 bits, FormTag in the high 8.
using FormLink = std::uint32_t;
inline FormLink MakeFormLink(std::uint32_t word, std::uint32_t tag) { return word | (tag << 24); }
inline std::uint32_t LinkWord(FormLink link) { return link & 0xFFFFFFu; }
inline std::uint32_t LinkTag(FormLink link) { return link >> 24; }

struct SenseRecord {
    std::uint32_t text;       // the translation; verbs without "to"
    std::uint32_t subjects;   // bit i: the build's subject-area code i
    std::uint8_t rank;        // lower comes first
    std::uint8_t wordClass;
    std::uint8_t registers;   // RegisterFlag bits
    std::uint8_t gender;      // of a German translation
};

struct PhraseRecord {
    std::uint32_t text;        // lower-case tokens separated by single blanks
    std::uint32_t firstSense;
    std::uint8_t senseCount;
    std::uint8_t tokenCount;
    std::uint8_t wordClass;
    std::uint8_t pad;
};

enum TargetForm : std::uint8_t {
    kTargetPlural,
    kTargetPast,        // English past; German preterite, 3rd singular
    kTargetPastPart,
    kTargetThird,       // English 3rd singular; German present, 3rd singular
    kTargetPresPart,    // English -ing
    kTargetParticle,    // German separable particle
    kTargetFormCount
};

struct TargetRecord {
    std::uint32_t lemma;
    std::uint32_t forms[kTargetFormCount];  // string offsets, 0 when unknown
    std::uint8_t wordClass;
    std::uint8_t gender;
    std::uint8_t flags;   // WordFlag bits
    std::uint8_t pad;
};

// The target language's word 3-gram model (interpolated Kneser-Ney) over the
// corpus's target side, cut by the engine's tokeniser and lower-cased (punctuation
// included). Stored the back-off way: every seen n-gram holds its interpolated log10
// probability, every seen context its log10 back-off weight. Id 0 is the unknown word.
struct ModelHeader {
    std::uint32_t wordCount;      // ids 0 .. wordCount - 1, one UnigramRecord each
    std::uint32_t sentenceStart;  // id of "<s>"
    std::uint32_t sentenceEnd;    // id of "</s>"
    float unknownLogProb;         // the floor for a word the corpus never showed
    std::uint32_t bigramCount;    // n-grams stored; the slot tables are larger
    std::uint32_t trigramCount;
    std::uint32_t sentences;      // what the model was estimated from
    std::uint32_t tokens;
};

struct UnigramRecord {
    float logProb;
    float backoff;
};

// Open addressing, probe from HashIds(first, second); first 0 marks an empty slot.
struct BigramSlot {
    std::uint32_t first, second;
    float logProb;
    float backoff;
};

// Keyed by the bigram slot of its first two words (index + 1, 0: empty) and the third
// word, probed from HashIds(context, word).
struct TrigramSlot {
    std::uint32_t context;
    std::uint32_t word;
    float logProb;
};

inline std::uint32_t HashIds(std::uint32_t a, std::uint32_t b) {
    std::uint64_t x = ((static_cast<std::uint64_t>(a) << 32) | b) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::uint32_t>(x >> 32) ^ static_cast<std::uint32_t>(x);
}

constexpr char kSentenceStartWord[] = "<s>";
constexpr char kSentenceEndWord[] = "</s>";

// A 32-bit checksum: four independent lanes over 8-byte words, so the multiplies
// overlap instead of forming one serial chain; the tail is padded with zeros.
// Every round is a bijection of the word and of the lane, so one changed word
// always changes its lane.
inline std::uint32_t CatalogueChecksum(const unsigned char* bytes, std::size_t size) {
    constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull, kPrime2 = 0xC2B2AE3D27D4EB4Full;
    std::uint64_t lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
    auto round = [&](const unsigned char* at) {
        for (int k = 0; k < 4; ++k) {
            std::uint64_t word;
            std::memcpy(&word, at + 8 * k, 8);  // the catalogue is little-endian, as is every target
            std::uint64_t lane = lanes[k] + word * kPrime2;
            lanes[k] = ((lane << 31) | (lane >> 33)) * kPrime1;
        }
    };
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32) round(bytes + i);
    if (i < size) {
        unsigned char tail[32] = {};
        std::memcpy(tail, bytes + i, size - i);
        round(tail);
    }
    std::uint64_t h = static_cast<std::uint64_t>(size) * kPrime1;
    for (std::uint64_t lane : lanes) {
        h = (h ^ lane) * kPrime2;
        h ^= h >> 29;
    }
    h *= kPrime1;
    h ^= h >> 32;
    return static_cast<std::uint32_t>(h);
}

// The compiler's last step: appends the block sums to a file whose header space and
// sections are written, and fills the header's size and checksums into it.
void SealCatalogue(CatalogueHeader& header, std::string& file);

}  // namespace velloc
