#include "engine/english_tagger_training.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "engine/english_tagger_model.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

using namespace tagger;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsWordChar(unsigned char c) { return IsLetter1252(c) || IsDigit1252(c); }

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// Appends one corpus token as the engine's tokeniser cuts it: quotes as '"', marks
// made only of punctuation one character each (but "..."), "$600" as "$" and "600",
// and a trailing apostrophe ("voters'") apart from its word.
void AppendToken(std::string_view word, EnglishTag tag, TaggedSentence* sentence) {
    if (word == "``" || word == "''") word = "\"";
    bool hasWordChar = false;
    for (char c : word) hasWordChar = hasWordChar || IsWordChar(static_cast<unsigned char>(c));
    if (!hasWordChar) {
        if (word == "...") {
            sentence->push_back({std::string(word), tag});
            return;
        }
        for (char c : word) sentence->push_back({std::string(1, c), kTagPunctuation});
        return;
    }
    std::size_t start = 0;
    while (!IsWordChar(static_cast<unsigned char>(word[start]))) {
        sentence->push_back({std::string(1, word[start]), kTagPunctuation});
        ++start;
    }
    std::string_view rest = word.substr(start);
    bool apostrophe = rest.size() > 1 && rest.back() == '\'';
    if (apostrophe) rest.remove_suffix(1);
    if (start > 0 && IsDigit1252(static_cast<unsigned char>(rest[0]))) tag = kTagNumber;
    sentence->push_back({std::string(rest), tag});
    if (apostrophe) sentence->push_back({"'", kTagPunctuation});
}

// A small generator of our own, so that the order of training is the same everywhere.
struct SplitMix {
    std::uint64_t state;
    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

// One training token: the rows of its static features, what its history's features
// need, and its tag.
struct TrainingToken {
    std::uint32_t rows[kStaticRows];
    WordInfo info;
    std::uint8_t tag;
};

// The averaged perceptron: weights w and, for the average, u = sum of (clock * change);
// the average at clock c is w - u / c. w is int16 because the search waits on reading
// it; no weight nears the limit on the Brown corpus, and one that would is held there.
class Perceptron {
public:
    explicit Perceptron(std::size_t rows) : w_(rows * kRowWidth), u_(rows * kRowWidth) {}

    const std::int16_t* weights() const { return w_.data(); }

    // Training waits mostly on memory: the next token's rows are fetched meanwhile.
    void Prefetch(const std::uint32_t* rows, int count) const {
#if defined(__GNUC__)
        for (int r = 0; r < count; ++r) {
            const std::int16_t* row = &w_[std::size_t(rows[r]) * kRowWidth];
            __builtin_prefetch(row);
        }
#endif
    }

    void Add(const std::uint32_t* rows, int count, std::uint32_t lane, int delta, std::int64_t clock) {
        for (int r = 0; r < count; ++r) {
            std::size_t at = std::size_t(rows[r]) * kRowWidth + lane;
            int changed = w_[at] + delta;
            if (changed > INT16_MAX || changed < -INT16_MAX) continue;  // held at the limit
            w_[at] = static_cast<std::int16_t>(changed);
            u_[at] += delta * clock;
        }
    }

    // The averaged weights as int8, scaled so that all but the largest hundred-thousandth
    // fit; those few are clipped. That keeps the resolution the many small weights need.
    std::vector<std::int8_t> Averaged(std::int64_t clock) const {
        std::vector<double> average(w_.size()), magnitudes;
        for (std::size_t i = 0; i < w_.size(); ++i) {
            average[i] = static_cast<double>(w_[i]) - static_cast<double>(u_[i]) / static_cast<double>(clock);
            if (average[i] != 0) magnitudes.push_back(std::fabs(average[i]));
        }
        double scale = 0;
        if (!magnitudes.empty()) {
            std::size_t at = magnitudes.size() - 1 - magnitudes.size() / 100000;
            std::nth_element(magnitudes.begin(), magnitudes.begin() + at, magnitudes.end());
            scale = 127.0 / magnitudes[at];
        }
        std::vector<std::int8_t> weights(w_.size());
        for (std::size_t i = 0; i < w_.size(); ++i)
            weights[i] = static_cast<std::int8_t>(std::max(-127.0, std::min(127.0, std::round(average[i] * scale))));
        return weights;
    }

private:
    std::vector<std::int16_t> w_;
    std::vector<std::int64_t> u_;
};

void Append(std::string& blob, const void* data, std::size_t size) {
    blob.append(static_cast<const char*>(data), size);
}

// The corpus's sentences are long; short ones such as "The baby sleeps." hardly occur,
// so a verb that ends its sentence looked like a plural noun. Each sentence's start up
// to its first verb, when no other clause began before it, is added as a sentence.
void AddShortSentences(const std::vector<TaggedSentence>& corpus, std::vector<TaggedSentence>* sentences) {
    for (const TaggedSentence& sentence : corpus) {
        for (std::size_t i = 0; i < sentence.size(); ++i) {
            EnglishTag tag = sentence[i].tag;
            if ((tag == kTagVerbThird || tag == kTagVerbPast) && i > 0) {
                TaggedSentence start(sentence.begin(), sentence.begin() + i + 1);
                start.push_back({".", kTagPunctuation});
                sentences->push_back(std::move(start));
            }
            if (tag == kTagVerbBase || tag == kTagVerbThird || tag == kTagVerbPast || tag == kTagModal ||
                tag == kTagBe || tag == kTagHave || tag == kTagDo || tag == kTagSubordinator ||
                tag == kTagWh || tag == kTagCoordinator)
                break;
        }
    }
}

std::string ModelBlob(const std::vector<std::int8_t>& weights, std::uint32_t rowBits, std::uint32_t beamWidth) {
    std::string names;
    for (int t = 0; t < kEnglishTagCount; ++t) names.append(EnglishTagName(static_cast<EnglishTag>(t))).push_back('\0');
    TaggerHeader header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.headerSize = sizeof header;
    header.tagCount = kEnglishTagCount;
    header.rowWidth = kRowWidth;
    header.denseRows = kDenseRows;
    header.rowBits = rowBits;
    header.beamWidth = beamWidth;
    header.namesOffset = sizeof header;
    header.namesSize = static_cast<std::uint32_t>(names.size());
    header.weightsOffset = (header.namesOffset + header.namesSize + 3) / 4 * 4;
    header.weightsSize = static_cast<std::uint32_t>(weights.size());
    header.blobSize = header.weightsOffset + header.weightsSize;
    std::string blob;
    blob.reserve(header.blobSize);
    Append(blob, &header, sizeof header);
    blob += names;
    blob.resize(header.weightsOffset, '\0');
    Append(blob, weights.data(), header.weightsSize);
    header.checksum = BlobChecksum(reinterpret_cast<const unsigned char*>(blob.data()), blob.size());
    std::memcpy(&blob[0], &header, sizeof header);
    return blob;
}

}  // namespace

bool BrownTagTable::Parse(std::string_view text, std::string* error) {
    entries_.clear();
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        std::vector<std::string_view> fields = Fields(line);
        if (fields.empty() || fields[0][0] == '#') continue;
        EnglishTag tag = kTagNoun;
        if (fields.size() < 2 || (fields[1] != "-" && !EnglishTagFromName(fields[1], &tag))) {
            if (error) *error = "tag table line " + std::to_string(number) + ": " + std::string(line);
            return false;
        }
        entries_[std::string(fields[0])] = fields[1] == "-" ? -1 : tag;
    }
    return true;
}

BrownTagTable::Lookup BrownTagTable::Find(std::string_view brownTag, EnglishTag* tag) const {
    std::string_view t = brownTag;
    auto leavesOut = [&](std::string_view marker) {
        auto found = entries_.find(marker);
        return found != entries_.end() && found->second < 0;
    };
    if (t.substr(0, 3) == "fw-") {
        if (leavesOut("fw-")) return Lookup::kLeaveOut;
        t.remove_prefix(3);
    }
    for (bool cut = true; cut;) {
        cut = false;
        for (std::string_view marker : {"-tl", "-hl", "-nc"}) {
            if (EndsWith(t, marker)) {
                if (leavesOut(marker)) return Lookup::kLeaveOut;
                t.remove_suffix(3);
                cut = true;
            }
        }
    }
    auto found = entries_.find(t);
    if (found == entries_.end() && t.size() > 1 && t.back() == '*') found = entries_.find(t.substr(0, t.size() - 1));
    if (found == entries_.end() && t.find('+') != std::string_view::npos) found = entries_.find(t.substr(0, t.find('+')));
    if (found == entries_.end()) return Lookup::kUnknown;
    if (found->second < 0) return Lookup::kLeaveOut;
    *tag = static_cast<EnglishTag>(found->second);
    return Lookup::kTagged;
}

bool ReadBrownText(std::string_view text, const BrownTagTable& table, std::vector<TaggedSentence>* sentences,
                   std::string* error) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        TaggedSentence sentence;
        bool leaveOut = false;
        for (std::string_view token : Fields(line)) {
            std::size_t slash = token.rfind('/');
            if (slash == std::string_view::npos || slash == 0 || slash + 1 == token.size()) {
                if (error) *error = "token without a tag: " + std::string(token);
                return false;
            }
            EnglishTag tag = kTagNoun;
            switch (table.Find(token.substr(slash + 1), &tag)) {
            case BrownTagTable::Lookup::kUnknown:
                if (error) *error = "tag not in the table: " + std::string(token.substr(slash + 1));
                return false;
            case BrownTagTable::Lookup::kLeaveOut:
                leaveOut = true;
                break;
            case BrownTagTable::Lookup::kTagged:
                AppendToken(token.substr(0, slash), tag, &sentence);
                break;
            }
        }
        if (!sentence.empty() && !leaveOut) sentences->push_back(std::move(sentence));
    }
    return true;
}

std::string TrainTagger(const std::vector<TaggedSentence>& corpus, const TrainingOptions& options) {
    std::vector<TaggedSentence> shortOnes;
    if (options.shortSentences) AddShortSentences(corpus, &shortOnes);
    std::vector<const TaggedSentence*> sentences;
    for (const TaggedSentence& sentence : corpus) sentences.push_back(&sentence);
    for (const TaggedSentence& sentence : shortOnes) sentences.push_back(&sentence);
    const std::uint32_t rowBits = std::max(kMinRowBits, std::min(options.rowBits, kMaxRowBits));
    const std::uint32_t mask = (std::uint32_t(1) << rowBits) - 1;
    // The static features of every token, worked out once.
    std::vector<TrainingToken> tokens;
    std::vector<std::size_t> starts;
    WordInfo before = PaddingBefore(), after = PaddingAfter();
    for (const TaggedSentence* each : sentences) {
        const TaggedSentence& sentence = *each;
        starts.push_back(tokens.size());
        std::vector<WordInfo> infos;
        for (std::size_t i = 0; i < sentence.size(); ++i) infos.push_back(DescribeWord(sentence[i].word, i == 0));
        for (std::size_t i = 0; i < sentence.size(); ++i) {
            const WordInfo* window[5];
            for (int k = 0; k < 5; ++k) {
                std::ptrdiff_t at = static_cast<std::ptrdiff_t>(i) + k - 2;
                window[k] = at < 0 ? &before : at >= static_cast<std::ptrdiff_t>(infos.size()) ? &after : &infos[at];
            }
            TrainingToken token;
            StaticRows(window, mask, token.rows);
            token.info = infos[i];
            token.tag = sentence[i].tag;
            tokens.push_back(token);
        }
    }
    starts.push_back(tokens.size());

    Perceptron perceptron(kDenseRows + std::size_t(mask) + 1);
    const int width = std::max(1, std::min(options.beamWidth, kMaxBeam));
    std::int64_t clock = 1;
    // The update for the right reading against the beam's over tokens [from, steps) of a
    // sentence, both coming from `history` at `from` (and over its end when `end`). Where
    // the two agree the changes cancel, so they start where the readings part.
    std::vector<std::uint8_t> parents, choices, gold, guess;
    auto update = [&](std::size_t start, std::size_t length, std::size_t from, std::size_t steps,
                      History history, bool end) {
        while (from < steps && gold[from] == guess[from]) history.Advance(gold[from++]);
        if (from == steps && !end) return;
        for (const std::uint8_t* path : {gold.data(), guess.data()}) {
            int delta = path == gold.data() ? 1 : -1;
            History h = history;
            for (std::size_t i = from; i < steps; ++i) {
                const TrainingToken& token = tokens[start + i];
                std::uint32_t rows[kHistoryRows];
                perceptron.Add(token.rows, kStaticRows, path[i], delta, clock);
                HistoryRows(token.info, h, length - i - 1, mask, rows);
                perceptron.Add(rows, kHistoryRows, path[i], delta, clock);
                h.Advance(path[i]);
            }
            if (end) {
                std::uint32_t rows[kEndRows];
                EndRows(h, length, mask, rows);
                perceptron.Add(rows, kEndRows, kEndLane, delta, clock);
            }
        }
    };
    std::vector<std::size_t> order(sentences.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    SplitMix random{20240917};
    constexpr TagMask kAll = (TagMask(1) << kEnglishTagCount) - 1;
    for (int iteration = 0; iteration < options.iterations; ++iteration) {
        for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[random.Next() % i]);
        for (std::size_t s : order) {
            // The search runs with the weights as they are. When the right reading falls
            // out of the beam, the update is made at once and the search goes on from
            // the right reading, so that every token teaches.
            std::size_t start = starts[s], length = starts[s + 1] - start, from = 0;
            parents.resize(length * kMaxBeam);
            choices.resize(length * kMaxBeam);
            gold.resize(length);
            guess.resize(length);
            BeamSearch<std::int16_t> beam(perceptron.weights(), mask, width);
            beam.Begin();
            History fromHistory, goldHistory;
            for (std::size_t i = 0; i < length; ++i) {
                const TrainingToken& token = tokens[start + i];
                if (i + 1 < length) perceptron.Prefetch(tokens[start + i + 1].rows, kStaticRows);
                gold[i] = token.tag;
                beam.Step(token.rows, token.info, length - i - 1, kAll, token.tag, &parents[i * kMaxBeam],
                          &choices[i * kMaxBeam]);
                goldHistory.Advance(token.tag);
                if (!beam.GoldKept()) {
                    Backtrack(&parents[from * kMaxBeam], &choices[from * kMaxBeam], i + 1 - from, 0, &guess[from]);
                    update(start, length, from, i + 1, fromHistory, false);
                    beam.Restart(goldHistory);
                    from = i + 1;
                    fromHistory = goldHistory;
                }
            }
            if (length > 0) {
                int best = beam.End(length);
                if (!beam[best].gold) {
                    Backtrack(&parents[from * kMaxBeam], &choices[from * kMaxBeam], length - from, best, &guess[from]);
                    update(start, length, from, length, fromHistory, true);
                }
            }
            ++clock;
        }
    }
    return ModelBlob(perceptron.Averaged(clock), rowBits, static_cast<std::uint32_t>(width));
}

bool ReadBrownCorpus(const std::string& folder, const std::string& tagTablePath,
                     std::vector<std::vector<TaggedSentence>>* texts, std::string* error) {
    auto read = [&](const std::string& path, std::string* content) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        *content = bytes.str();
        if (!in || content->empty()) {
            if (error) *error = "cannot read " + path;
            return false;
        }
        return true;
    };
    std::string tableText, list;
    BrownTagTable table;
    if (!read(tagTablePath, &tableText) || !table.Parse(tableText, error)) return false;
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/' && prefix.back() != '\\') prefix += '/';
    if (!read(prefix + "cats.txt", &list)) return false;
    std::istringstream names(list);
    std::string line;
    while (std::getline(names, line)) {
        std::vector<std::string_view> fields = Fields(line);
        if (fields.empty()) continue;
        std::string path = prefix + std::string(fields[0]), text;
        texts->emplace_back();
        if (!read(path, &text)) return false;
        if (!ReadBrownText(text, table, &texts->back(), error)) {
            if (error) *error = path + ": " + *error;
            return false;
        }
    }
    if (texts->empty()) {
        if (error) *error = prefix + "cats.txt lists no texts";
        return false;
    }
    return true;
}

std::string TrainTaggerFromBrown(const std::string& folder, const std::string& tagTablePath, std::string* error,
                                 const TrainingOptions& options) {
    std::vector<std::vector<TaggedSentence>> texts;
    if (!ReadBrownCorpus(folder, tagTablePath, &texts, error)) return std::string();
    std::vector<TaggedSentence> sentences;
    for (auto& text : texts)
        for (auto& sentence : text) sentences.push_back(std::move(sentence));
    return TrainTagger(sentences, options);
}

}  // namespace velloc
