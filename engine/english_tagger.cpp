#include "engine/english_tagger.h"

#include <algorithm>
#include <cstring>

#include "engine/english_tagger_model.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

constexpr const char* kTagNames[kEnglishTagCount] = {
    "NN", "NNS", "NP", "GEN", "VB", "VBZ", "VBD", "VBN", "VBG", "MD", "BE", "HV", "DO", "JJ", "JJR",
    "JJT", "RB", "RP", "IN", "CS", "CC", "DT", "PP$", "PPS", "PPO", "EX", "CD", "TO", "WH", "PUNCT"};

// Kinds of features, mixed into their hashes so that equal values of different kinds
// land in different rows.
enum FeatureKind : std::uint32_t {
    kWord = 1, kSuffix1, kSuffix2, kSuffix3, kPrefix, kShape, kWordBefore, kSuffixBefore,
    kWord2Before, kWordAfter, kSuffixAfter, kWord2After, kBigramBefore, kBigramAfter,
    kPreviousWord, kPreviousSuffix, kVerbBefore, kSentenceEnd, kPadBefore, kPadAfter
};

enum ShapeBit : std::uint32_t {
    kShapeCapital = 1, kShapeAllCapitals = 2, kShapeFirst = 4, kShapeDigit = 8, kShapeNumber = 16,
    kShapeHyphen = 32, kShapeApostrophe = 64, kShapePeriod = 128, kShapeNoLetters = 256,
    kShapeShort = 512,
};

// Murmur3's finaliser: every bit of the input reaches the low bits that pick a row.
std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

std::uint32_t Feature(std::uint32_t kind, std::uint32_t value) { return Mix(value + kind * 0x9E3779B1u); }
std::uint32_t Feature(std::uint32_t kind, std::uint32_t a, std::uint32_t b) {
    return Mix(Mix(a + kind * 0x9E3779B1u) ^ (b * 0x7FEB352Du));
}

// Typographic quotes and apostrophes read as the plain ones, and case does not count.
unsigned char Plain(unsigned char c) {
    if (c == 0x91 || c == 0x92) return '\'';
    if (c == 0x84 || c == 0x93 || c == 0x94) return '"';
    return ToLower1252(c);
}

std::uint32_t HashedRow(std::uint32_t hash, std::uint32_t mask) { return tagger::kDenseRows + (hash & mask); }
std::uint32_t PreviousRow(std::uint32_t previous) { return tagger::kPreviousRows + previous; }
std::uint32_t PairRow(std::uint32_t beforePrevious, std::uint32_t previous) {
    return tagger::kPairRows + beforePrevious * tagger::kHistoryValues + previous;
}

std::uint32_t Fnv(std::uint32_t h, unsigned char c) { return (h ^ c) * 16777619u; }
constexpr std::uint32_t kFnvStart = 2166136261u;

}  // namespace

const char* EnglishTagName(EnglishTag tag) { return tag < kEnglishTagCount ? kTagNames[tag] : nullptr; }

bool EnglishTagFromName(std::string_view name, EnglishTag* tag) {
    for (int i = 0; i < kEnglishTagCount; ++i) {
        if (name == kTagNames[i]) {
            *tag = static_cast<EnglishTag>(i);
            return true;
        }
    }
    return false;
}

namespace tagger {

namespace {
std::uint32_t Checksum(const unsigned char* bytes, std::size_t size) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ size;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    for (; i < size; ++i) h = (h ^ bytes[i]) * 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 32;
    return static_cast<std::uint32_t>(h);
}
}  // namespace

std::uint32_t BlobChecksum(const unsigned char* blob, std::size_t size) {
    TaggerHeader header;
    std::memcpy(&header, blob, sizeof header);
    header.checksum = 0;
    return Checksum(reinterpret_cast<const unsigned char*>(&header), sizeof header) ^
           Checksum(blob + sizeof header, size - sizeof header);
}

WordInfo DescribeWord(std::string_view word, bool firstInSentence) {
    WordInfo info{};
    std::uint32_t h = kFnvStart, shape = firstInSentence ? std::uint32_t(kShapeFirst) : 0;
    bool allDigits = !word.empty(), allCapitals = true;
    int letters = 0;
    unsigned char last[3] = {0, 0, 0};
    for (std::size_t i = 0; i < word.size(); ++i) {
        unsigned char raw = static_cast<unsigned char>(word[i]), c = Plain(raw);
        h = Fnv(h, c);
        last[0] = last[1];
        last[1] = last[2];
        last[2] = c;
        if (i == 1) info.prefix = Fnv(Fnv(kFnvStart, Plain(static_cast<unsigned char>(word[0]))), c);
        bool digit = IsDigit1252(raw);
        if (IsLetter1252(raw)) {
            ++letters;
            if (IsUpper1252(raw)) {
                if (i == 0) shape |= kShapeCapital;
            } else {
                allCapitals = false;
            }
        }
        if (digit) shape |= kShapeDigit;
        if (!digit && c != ',' && c != '.') allDigits = false;
        if (c == '-') shape |= kShapeHyphen;
        if (c == '\'') shape |= kShapeApostrophe;
        if (c == '.') shape |= kShapePeriod;
    }
    if (word.size() == 1) info.prefix = Fnv(kFnvStart, last[2]);
    if (letters >= 2 && allCapitals) shape |= kShapeAllCapitals;
    if (allDigits) shape |= kShapeNumber;
    if (letters == 0 && !(shape & kShapeDigit)) shape |= kShapeNoLetters;
    if (word.size() <= 3) shape |= kShapeShort;
    info.word = h;
    // The last k characters, or the whole word when it is shorter.
    std::uint32_t suffix = kFnvStart;
    for (int k = 0; k < 3; ++k) {
        if (static_cast<std::size_t>(k) < word.size()) suffix = Fnv(suffix, last[2 - k]);
        info.suffix[k] = suffix;
    }
    info.shape = shape;
    return info;
}

WordInfo PaddingBefore() {
    std::uint32_t h = Mix(kPadBefore);
    return WordInfo{h, {h, h, h}, h, h};
}

WordInfo PaddingAfter() {
    std::uint32_t h = Mix(kPadAfter);
    return WordInfo{h, {h, h, h}, h, h};
}

void StaticRows(const WordInfo* const window[5], std::uint32_t mask, std::uint32_t* rows) {
    const WordInfo& w = *window[2];
    const std::uint32_t hashes[kStaticRows - 1] = {
        Feature(kWord, w.word),
        Feature(kSuffix1, w.suffix[0]),
        Feature(kSuffix2, w.suffix[1]),
        Feature(kSuffix3, w.suffix[2]),
        Feature(kPrefix, w.prefix),
        Feature(kShape, w.shape),
        Feature(kWordBefore, window[1]->word),
        Feature(kSuffixBefore, window[1]->suffix[2]),
        Feature(kWord2Before, window[0]->word),
        Feature(kWordAfter, window[3]->word),
        Feature(kSuffixAfter, window[3]->suffix[2]),
        Feature(kWord2After, window[4]->word),
        Feature(kBigramBefore, window[1]->word, w.word),
        Feature(kBigramAfter, w.word, window[3]->word),
    };
    for (int f = 0; f < kStaticRows - 1; ++f) rows[f] = HashedRow(hashes[f], mask);
    rows[kStaticRows - 1] = kBiasRow;
}

void History::Advance(std::uint32_t tag) {
    beforePrevious = previous;
    previous = static_cast<std::uint8_t>(tag);
    if (tag == kTagVerbThird || tag == kTagVerbPast || tag == kTagModal || tag == kTagBe ||
        tag == kTagHave || tag == kTagDo)
        finiteVerb = true;
    else if (tag == kTagCoordinator || tag == kTagSubordinator || tag == kTagWh)
        finiteVerb = false;
}

void HistoryRows(const WordInfo& token, const History& history, std::size_t tokensAfter, std::uint32_t mask,
                 std::uint32_t* rows) {
    // Few tokens left and no verb yet: a word that can be a verb likely is one.
    std::uint32_t left = tokensAfter < 4 ? std::uint32_t(tokensAfter) : tokensAfter < 6 ? 4 : tokensAfter < 10 ? 5 : 6;
    rows[0] = HashedRow(Feature(kPreviousWord, token.word, history.previous), mask);
    rows[1] = HashedRow(Feature(kPreviousSuffix, token.suffix[2], history.previous), mask);
    rows[2] = HashedRow(Feature(kVerbBefore, token.suffix[0], left * 2 + history.finiteVerb), mask);
    rows[3] = PreviousRow(history.previous);
    rows[4] = PairRow(history.beforePrevious, history.previous);
}

void EndRows(const History& history, std::size_t tokens, std::uint32_t mask, std::uint32_t* rows) {
    std::uint32_t length = tokens < 4 ? std::uint32_t(tokens) : tokens < 8 ? 4 : tokens < 16 ? 5 : 6;
    rows[0] = HashedRow(Feature(kSentenceEnd, length, history.finiteVerb), mask);
    rows[1] = PreviousRow(history.previous);
    rows[2] = PairRow(history.beforePrevious, history.previous);
}

void Backtrack(const std::uint8_t* parents, const std::uint8_t* tags, std::size_t steps, int last,
               std::uint8_t* path) {
    for (std::size_t s = steps; s-- > 0;) {
        path[s] = tags[s * kMaxBeam + last];
        last = parents[s * kMaxBeam + last];
    }
}

}  // namespace tagger

using namespace tagger;

bool TaggerModel::Open(const void* data, std::size_t size, std::string* error) {
    weights_ = nullptr;
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    if (!bytes || size < sizeof(TaggerHeader)) return fail("the tagger model is too short");
    TaggerHeader header;
    std::memcpy(&header, bytes, sizeof header);
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0) return fail("not a tagger model");
    if (header.version != kVersion) return fail("the tagger model has another version");
    if (header.headerSize != sizeof(TaggerHeader) || header.blobSize != size)
        return fail("the tagger model is cut short or has the wrong size");
    if (header.tagCount != kEnglishTagCount || header.rowWidth != kRowWidth || header.denseRows != kDenseRows)
        return fail("the tagger model was made for another tag set");
    if (header.rowBits < kMinRowBits || header.rowBits > kMaxRowBits || header.beamWidth < 1 ||
        header.beamWidth > kMaxBeam)
        return fail("the tagger model's table size or search is out of range");
    // 64-bit sums: no offset plus size can wrap around.
    auto within = [&](std::uint64_t offset, std::uint64_t length) {
        return offset >= sizeof(TaggerHeader) && offset + length <= size;
    };
    std::uint64_t rows = kDenseRows + (std::uint64_t(1) << header.rowBits);
    if (!within(header.namesOffset, header.namesSize) || !within(header.weightsOffset, header.weightsSize) ||
        header.weightsSize != rows * kRowWidth)
        return fail("the tagger model's sections lie outside it");
    if (header.namesOffset < header.weightsOffset
            ? std::uint64_t(header.namesOffset) + header.namesSize > header.weightsOffset
            : std::uint64_t(header.weightsOffset) + header.weightsSize > header.namesOffset)
        return fail("the tagger model's sections overlap");
    std::string expected;
    for (const char* name : kTagNames) expected.append(name).push_back('\0');
    if (header.namesSize != expected.size() ||
        std::memcmp(bytes + header.namesOffset, expected.data(), expected.size()) != 0)
        return fail("the tagger model was made for another tag set");
    if (BlobChecksum(bytes, size) != header.checksum) return fail("the tagger model is damaged");
    weights_ = reinterpret_cast<const std::int8_t*>(bytes + header.weightsOffset);
    hashedRowMask_ = (std::uint32_t(1) << header.rowBits) - 1;
    beamWidth_ = static_cast<int>(header.beamWidth);
    return true;
}

void TaggerModel::Tag(const std::string_view* words, std::size_t count, const TagMask* allowed,
                      EnglishTag* tags) const {
    if (!weights_) {
        for (std::size_t i = 0; i < count; ++i) tags[i] = kTagNoun;
        return;
    }
    // The beam's choices at every step; on the stack for all but very long sentences.
    constexpr std::size_t kInline = 128;
    std::uint8_t inlineTrail[2 * kInline * kMaxBeam];
    std::vector<std::uint8_t> longTrail;
    std::uint8_t* parents = inlineTrail;
    if (count > kInline) {
        longTrail.resize(2 * count * kMaxBeam);
        parents = longTrail.data();
    }
    std::uint8_t* choices = parents + std::max(count, kInline) * kMaxBeam;
    // A window of five tokens slides over the sentence, each described once.
    WordInfo slots[5];
    const WordInfo* const window[5] = {&slots[0], &slots[1], &slots[2], &slots[3], &slots[4]};
    WordInfo before = PaddingBefore(), after = PaddingAfter();
    auto describe = [&](std::size_t i) { return i < count ? DescribeWord(words[i], i == 0) : after; };
    slots[0] = slots[1] = before;
    for (std::size_t k = 2; k < 5; ++k) slots[k] = describe(k - 2);
    constexpr TagMask kAll = (TagMask(1) << kEnglishTagCount) - 1;
    BeamSearch<std::int8_t> beam(weights_, hashedRowMask_, beamWidth_);
    beam.Begin();
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t rows[kStaticRows];
        StaticRows(window, hashedRowMask_, rows);
        TagMask choicesOf = allowed ? allowed[i] & kAll : 0;
        beam.Step(rows, slots[2], count - i - 1, choicesOf ? choicesOf : kAll, -1, parents + i * kMaxBeam,
                  choices + i * kMaxBeam);
        for (int k = 0; k < 4; ++k) slots[k] = slots[k + 1];
        slots[4] = describe(i + 3);
    }
    if (count == 0) return;
    int best = beam.End(count);
    static_assert(sizeof(EnglishTag) == 1, "tags are written as bytes");
    Backtrack(parents, choices, count, best, reinterpret_cast<std::uint8_t*>(tags));
}

std::vector<EnglishTag> TaggerModel::Tag(const std::vector<std::string_view>& words,
                                         const std::vector<TagMask>& allowed) const {
    std::vector<EnglishTag> tags(words.size());
    Tag(words.data(), words.size(), allowed.size() == words.size() ? allowed.data() : nullptr, tags.data());
    return tags;
}

}  // namespace velloc
