#pragma once
// The lexicon catalogue (QDGE.LCT, QDEG.LCT): one file per direction, laid out so
// that it is used straight from a read-only mapping. Every reference is a byte
// offset (strings) or an index (records) checked before use; nothing is fixed up
// after loading. All numbers little-endian.
//
//   header | sections, each 4-byte aligned, at the offsets the header names
//
// Strings are NUL-terminated Windows-1252 text in one pool; offset 0 is the empty
// string. Hash tables use open addressing with linear probing.
#include <cstdint>

namespace velloc {

constexpr char kCatalogueMagic[8] = {'Q', 'D', 'L', 'C', 'T', '\r', '\n', 0x1A};
constexpr std::uint32_t kCatalogueVersion = 1;

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
    std::uint32_t checksum;  // CatalogueChecksum over everything after the header
    std::uint32_t sectionCount;
    std::uint32_t subjectCount;  // subject-area codes the masks refer to
    SectionEntry sections[kSectionCount];
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

// A 32-bit checksum over 4-byte words (the tail padded with zeros).
inline std::uint32_t CatalogueChecksum(const unsigned char* bytes, std::uint32_t size) {
    std::uint32_t a = 0x9E3779B9u, b = 0x85EBCA6Bu;
    std::uint32_t i = 0;
    for (; i + 4 <= size; i += 4) {
        std::uint32_t word = bytes[i] | (bytes[i + 1] << 8) | (bytes[i + 2] << 16) |
                             (static_cast<std::uint32_t>(bytes[i + 3]) << 24);
        a = (a ^ word) * 0x01000193u;
        b += a ^ (a >> 15);
    }
    std::uint32_t tail = 0;
    for (std::uint32_t k = 0; i + k < size; ++k) tail |= static_cast<std::uint32_t>(bytes[i + k]) << (8 * k);
    a = (a ^ tail) * 0x01000193u;
    return a ^ b ^ size;
}

}  // namespace velloc
