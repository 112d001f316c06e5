#pragma once
// Inside the English tagger: the model blob's layout, the features and the beam search,
// shared by the tagger and its trainer so that both see a sentence alike.
//
// The blob, all numbers little-endian:
//   TaggerHeader | tag names (NUL-terminated, in tag order) | weight rows
// Each weight row holds kRowWidth int8 weights: one per tag, then one for the end of
// the sentence (kEndLane), then 0. The first kDenseRows rows belong to the bias and the
// previous tags; the others are a table of 2^rowBits rows that the hashed features share.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/english_tagger.h"

namespace velloc::tagger {

constexpr char kMagic[8] = {'Q', 'D', 'E', 'N', 'T', 'A', 'G', 0x1A};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kRowWidth = 32;
// The end of the sentence is scored like one more tag, so that a whole reading can be
// weighed (one without any verb is unlikely).
constexpr std::uint32_t kEndLane = kEnglishTagCount;
static_assert(kEndLane < kRowWidth, "a row holds one weight per tag and one for the end");

// The tag history: the tags of the two tokens before, kStart before the sentence.
constexpr std::uint32_t kStart = kEnglishTagCount;
constexpr std::uint32_t kHistoryValues = kEnglishTagCount + 1;
constexpr std::uint32_t kBiasRow = 0;
constexpr std::uint32_t kPreviousRows = 1;
constexpr std::uint32_t kPairRows = kPreviousRows + kHistoryValues;
constexpr std::uint32_t kDenseRows = kPairRows + kHistoryValues * kHistoryValues;
constexpr std::uint32_t kMinRowBits = 8, kMaxRowBits = 22;
constexpr int kMaxBeam = 16;

struct TaggerHeader {
    char magic[8];
    std::uint32_t version;
    std::uint32_t headerSize;
    std::uint32_t blobSize;
    std::uint32_t checksum;  // BlobChecksum of the blob with this field 0
    std::uint32_t tagCount;
    std::uint32_t rowWidth;
    std::uint32_t denseRows;
    std::uint32_t rowBits;    // the hashed table has 2^rowBits rows
    std::uint32_t beamWidth;  // the search the weights were trained with
    std::uint32_t namesOffset;
    std::uint32_t namesSize;
    std::uint32_t weightsOffset;
    std::uint32_t weightsSize;  // bytes
    std::uint32_t pad;
};
static_assert(sizeof(TaggerHeader) == 64, "no padding in the blob's header");

// Of the whole blob, its header's checksum field taken as 0; size >= sizeof(TaggerHeader).
std::uint32_t BlobChecksum(const unsigned char* blob, std::size_t size);

// What the features need of one token, as hashes: the token itself, and the same for
// the padding before and after the sentence.
struct WordInfo {
    std::uint32_t word;      // lower case, typographic quotes and apostrophes made plain
    std::uint32_t suffix[3]; // last 1, 2, 3 characters
    std::uint32_t prefix;    // first 2 characters
    std::uint32_t shape;     // capitals, digits, hyphen, position
};
WordInfo DescribeWord(std::string_view word, bool firstInSentence);
WordInfo PaddingBefore();
WordInfo PaddingAfter();

// The rows of the features that do not depend on earlier tags, the bias among them.
// window[2] is the token, window[0..1] the two before it, window[3..4] the two after.
constexpr int kStaticRows = 15;
void StaticRows(const WordInfo* const window[5], std::uint32_t mask, std::uint32_t* rows);

// What a reading has decided so far in the sentence.
struct History {
    std::uint8_t previous = kStart, beforePrevious = kStart;
    bool finiteVerb = false;  // a verb form that can head a clause came before
    void Advance(std::uint32_t tag);
    bool operator==(const History& o) const {
        return previous == o.previous && beforePrevious == o.beforePrevious && finiteVerb == o.finiteVerb;
    }
};

// The rows of the features that join the history with the token; tokensAfter: how many
// tokens of the sentence follow it.
constexpr int kHistoryRows = 5;
void HistoryRows(const WordInfo& token, const History& history, std::size_t tokensAfter, std::uint32_t mask,
                 std::uint32_t* rows);

// The rows that score the end of a sentence of that many tokens, in kEndLane.
constexpr int kEndRows = 3;
void EndRows(const History& history, std::size_t tokens, std::uint32_t mask, std::uint32_t* rows);

template <typename Weight>
void AddRows(const Weight* weights, const std::uint32_t* rows, int count, std::int32_t* scores) {
    for (int r = 0; r < count; ++r) {
        const Weight* w = weights + std::size_t(rows[r]) * kRowWidth;
        for (std::uint32_t t = 0; t < kRowWidth; ++t) scores[t] += w[t];
    }
}

// One reading in the beam.
struct Hypothesis {
    History history;
    std::int64_t score = 0;
    std::uint8_t parent = 0;  // its reading in the beam before
    std::uint8_t tag = 0;
    bool gold = true;  // training: every tag so far is the right one
};

// Beam search from left to right. Readings that reach the same history are merged, the
// better one kept, since they score every later tag alike. Weight is int8 when tagging
// and int32 while training.
template <typename Weight>
class BeamSearch {
public:
    BeamSearch(const Weight* weights, std::uint32_t mask, int width)
        : weights_(weights), mask_(mask), width_(std::max(1, std::min(width, kMaxBeam))) {}

    void Begin() { Restart(History()); }
    // Training: goes on from the right reading alone.
    void Restart(const History& history) {
        beam_[0] = Hypothesis();
        beam_[0].history = history;
        size_ = 1;
    }
    // Extends every reading by each allowed tag of the token and keeps the best; gold is
    // the right tag while training, else -1. The beam's choices go to parents and tags.
    void Step(const std::uint32_t* staticRows, const WordInfo& token, std::size_t tokensAfter,
              TagMask allowed, int gold, std::uint8_t* parents, std::uint8_t* tags) {
        std::int32_t base[kRowWidth] = {};
        AddRows(weights_, staticRows, kStaticRows, base);
        // The best readings so far, best first, no two with the same history.
        Candidate top[kMaxBeam];
        int size = 0;
        for (int h = 0; h < size_; ++h) {
            std::int32_t scores[kRowWidth];
            std::copy(base, base + kRowWidth, scores);
            std::uint32_t rows[kHistoryRows];
            HistoryRows(token, beam_[h].history, tokensAfter, mask_, rows);
            AddRows(weights_, rows, kHistoryRows, scores);
            for (int t = 0; t < kEnglishTagCount; ++t) {
                if (!(allowed >> t & 1)) continue;
                Candidate c{beam_[h].score + scores[t], beam_[h].history, h, t};
                if (size == width_ && !Better(c, top[size - 1])) continue;
                c.history.Advance(static_cast<std::uint32_t>(t));
                int at = size;
                for (int k = 0; k < size; ++k)
                    if (top[k].history == c.history) at = k;
                if (at < size && !Better(c, top[at])) continue;
                if (at == size && size < width_) ++size;
                // Moves the worse ones down over the slot it takes (or the last one).
                if (at == size) at = size - 1;
                while (at > 0 && Better(c, top[at - 1])) {
                    top[at] = top[at - 1];
                    --at;
                }
                top[at] = c;
            }
        }
        Hypothesis next[kMaxBeam];
        for (int k = 0; k < size; ++k) {
            const Hypothesis& parent = beam_[top[k].parent];
            Hypothesis& h = next[k];
            h.history = top[k].history;
            h.score = top[k].score;
            h.parent = static_cast<std::uint8_t>(top[k].parent);
            h.tag = static_cast<std::uint8_t>(top[k].tag);
            h.gold = parent.gold && h.tag == gold;
            parents[k] = h.parent;
            tags[k] = h.tag;
        }
        std::copy(next, next + size, beam_);
        size_ = size;
    }
    int Size() const { return size_; }
    const Hypothesis& operator[](int i) const { return beam_[i]; }
    bool GoldKept() const {
        for (int h = 0; h < size_; ++h)
            if (beam_[h].gold) return true;
        return false;
    }
    // Adds the end's score to every reading; the best one's index.
    int End(std::size_t tokens) {
        int best = 0;
        for (int h = 0; h < size_; ++h) {
            std::uint32_t rows[kEndRows];
            EndRows(beam_[h].history, tokens, mask_, rows);
            std::int32_t scores[kRowWidth] = {};
            AddRows(weights_, rows, kEndRows, scores);
            beam_[h].score += scores[kEndLane];
            if (beam_[h].score > beam_[best].score) best = h;
        }
        return best;
    }

private:
    struct Candidate {
        std::int64_t score;
        History history;
        int parent, tag;
    };
    // Higher first; among equals the earlier reading and the lower tag, so that every
    // build decides alike.
    static bool Better(const Candidate& a, const Candidate& b) {
        if (a.score != b.score) return a.score > b.score;
        return a.parent != b.parent ? a.parent < b.parent : a.tag < b.tag;
    }
    const Weight* weights_;
    std::uint32_t mask_;
    int width_;
    Hypothesis beam_[kMaxBeam];
    int size_ = 0;
};

// Follows the choices back from reading `last` after `steps` steps; parents and tags
// hold kMaxBeam entries per step.
void Backtrack(const std::uint8_t* parents, const std::uint8_t* tags, std::size_t steps, int last,
               std::uint8_t* path);

}  // namespace velloc::tagger
