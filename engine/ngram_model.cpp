#include "engine/ngram_model.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace velloc {
namespace {

// Three ids in one key: 21 bits each, far more words than a corpus of ours holds.
constexpr std::uint32_t kIdBits = 21;
constexpr std::uint32_t kMaxWords = (1u << kIdBits) - 1;
constexpr std::uint64_t kIdMask = kMaxWords;

std::uint64_t Key(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    return (a << (2 * kIdBits)) | (b << kIdBits) | c;
}
std::uint32_t Part(std::uint64_t key, int position) {  // 0: first word
    return static_cast<std::uint32_t>((key >> (kIdBits * (2 - position))) & kIdMask);
}

// Absolute discount from the counts of counts (Ney's estimate), kept inside (0, 1)
// for the tiny corpora where it is ill-defined.
double Discount(const std::map<std::uint32_t, std::uint32_t>& countOfCounts) {
    auto n = [&](std::uint32_t c) {
        auto found = countOfCounts.find(c);
        return found == countOfCounts.end() ? 0.0 : static_cast<double>(found->second);
    };
    const double n1 = n(1), n2 = n(2);
    if (n1 == 0 || n2 == 0) return 0.5;
    return std::min(0.9, std::max(0.1, n1 / (n1 + 2 * n2)));
}

float Log10(double p) { return static_cast<float>(std::log10(p)); }

// About 80% full, as the catalogue's other tables.
std::size_t TableSize(std::size_t entries) { return entries + entries / 4 + 1; }

}  // namespace

NgramModelBuilder::NgramModelBuilder() {
    words_.push_back("");  // the unknown word
    Id(kSentenceStartWord);
    Id(kSentenceEndWord);
}

std::uint32_t NgramModelBuilder::Id(const std::string& word) {
    auto found = ids_.find(word);
    if (found != ids_.end()) return found->second;
    if (words_.size() >= kMaxWords) return 0;
    const std::uint32_t id = static_cast<std::uint32_t>(words_.size());
    words_.push_back(word);
    ids_.emplace(word, id);
    return id;
}

void NgramModelBuilder::AddSentence(const std::vector<std::string>& words) {
    if (words.empty()) return;
    std::vector<std::uint32_t> ids;
    ids.reserve(words.size() + 2);
    ids.push_back(1);
    for (const std::string& w : words) ids.push_back(Id(w));
    ids.push_back(2);
    for (std::size_t i = 0; i + 2 < ids.size(); ++i) ++trigramCounts_[Key(ids[i], ids[i + 1], ids[i + 2])];
    ++sentences_;
    tokens_ += words.size();
}

NgramTables NgramModelBuilder::Build() const {
    NgramTables out;
    if (sentences_ == 0) return out;
    const std::uint32_t start = 1, end = 2;
    const std::uint32_t wordCount = static_cast<std::uint32_t>(words_.size());

    // Every count in key order, so the same sentences always give the same bytes.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> trigrams(trigramCounts_.begin(), trigramCounts_.end());
    std::sort(trigrams.begin(), trigrams.end());

    // Kneser-Ney's counts below the top order: how many words precede an n-gram, or
    // its own count for one that starts the sentence (nothing can precede it).
    std::unordered_map<std::uint64_t, std::uint32_t> bigramMap;
    for (const auto& [key, count] : trigrams) {
        const std::uint32_t a = Part(key, 0), b = Part(key, 1), c = Part(key, 2);
        if (a == start) bigramMap[Key(0, start, b)] += count;
        bigramMap[Key(0, b, c)] += 1;
    }
    std::vector<std::pair<std::uint64_t, std::uint32_t>> bigrams(bigramMap.begin(), bigramMap.end());
    std::sort(bigrams.begin(), bigrams.end());
    std::vector<std::uint32_t> unigramCount(wordCount, 0);
    for (const auto& [key, count] : bigrams) ++unigramCount[Part(key, 2)];

    std::map<std::uint32_t, std::uint32_t> coc1, coc2, coc3;
    for (const auto& [key, count] : trigrams) ++coc3[count];
    for (const auto& [key, count] : bigrams) ++coc2[count];
    for (std::uint32_t c : unigramCount)
        if (c) ++coc1[c];
    const double d1 = Discount(coc1), d2 = Discount(coc2), d3 = Discount(coc3);

    // Unigrams: the discounted mass is spread evenly over the words and the unknown word.
    double total1 = 0, types1 = 0;
    for (std::uint32_t c : unigramCount)
        if (c) { total1 += c; types1 += 1; }
    const double gamma1 = d1 * types1 / total1;
    const double uniform = gamma1 / (types1 + 1);
    std::vector<double> p1(wordCount, uniform);
    for (std::uint32_t w = 0; w < wordCount; ++w)
        if (unigramCount[w]) p1[w] = (unigramCount[w] - d1) / total1 + uniform;

    // Bigrams, by their first word.
    std::vector<double> total2(wordCount, 0), types2(wordCount, 0);
    for (const auto& [key, count] : bigrams) {
        total2[Part(key, 1)] += count;
        types2[Part(key, 1)] += 1;
    }
    std::vector<double> gamma2(wordCount, 1.0);
    for (std::uint32_t w = 0; w < wordCount; ++w)
        if (total2[w] > 0) gamma2[w] = d2 * types2[w] / total2[w];
    std::vector<double> p2(bigrams.size());
    for (std::size_t i = 0; i < bigrams.size(); ++i) {
        const std::uint32_t b = Part(bigrams[i].first, 1), c = Part(bigrams[i].first, 2);
        p2[i] = (bigrams[i].second - d2) / total2[b] + gamma2[b] * p1[c];
    }
    auto bigramIndex = [&](std::uint32_t b, std::uint32_t c) {
        auto found = std::lower_bound(bigrams.begin(), bigrams.end(), std::make_pair(Key(0, b, c), 0u));
        return static_cast<std::size_t>(found - bigrams.begin());  // always found: every context is a bigram
    };

    // Trigrams, grouped by their context in key order.
    std::vector<double> p3(trigrams.size());
    std::vector<double> gamma3(bigrams.size(), 1.0);
    for (std::size_t i = 0; i < trigrams.size();) {
        const std::uint64_t context = trigrams[i].first >> kIdBits;
        std::size_t j = i;
        double total = 0;
        while (j < trigrams.size() && (trigrams[j].first >> kIdBits) == context) total += trigrams[j++].second;
        const std::uint32_t a = Part(trigrams[i].first, 0), b = Part(trigrams[i].first, 1);
        const double gamma = d3 * static_cast<double>(j - i) / total;
        gamma3[bigramIndex(a, b)] = gamma;
        for (std::size_t k = i; k < j; ++k) {
            const std::uint32_t c = Part(trigrams[k].first, 2);
            p3[k] = (trigrams[k].second - d3) / total + gamma * p2[bigramIndex(b, c)];
        }
        i = j;
    }

    out.words = words_;
    out.unigrams.resize(wordCount);
    for (std::uint32_t w = 0; w < wordCount; ++w)
        out.unigrams[w] = UnigramRecord{Log10(p1[w]), total2[w] > 0 ? Log10(gamma2[w]) : 0.f};
    out.bigrams.assign(TableSize(bigrams.size()), BigramSlot{0, 0, 0.f, 0.f});
    std::vector<std::uint32_t> bigramSlot(bigrams.size());
    for (std::size_t i = 0; i < bigrams.size(); ++i) {
        const std::uint32_t b = Part(bigrams[i].first, 1), c = Part(bigrams[i].first, 2);
        std::size_t s = HashIds(b, c) % out.bigrams.size();
        while (out.bigrams[s].first != 0) s = (s + 1) % out.bigrams.size();
        out.bigrams[s] = BigramSlot{b, c, Log10(p2[i]), gamma3[i] < 1.0 ? Log10(gamma3[i]) : 0.f};
        bigramSlot[i] = static_cast<std::uint32_t>(s);
    }
    out.trigrams.assign(TableSize(trigrams.size()), TrigramSlot{0, 0, 0.f});
    for (std::size_t i = 0; i < trigrams.size(); ++i) {
        const std::uint32_t a = Part(trigrams[i].first, 0), b = Part(trigrams[i].first, 1),
                            c = Part(trigrams[i].first, 2);
        const std::uint32_t context = bigramSlot[bigramIndex(a, b)] + 1;
        std::size_t s = HashIds(context, c) % out.trigrams.size();
        while (out.trigrams[s].context != 0) s = (s + 1) % out.trigrams.size();
        out.trigrams[s] = TrigramSlot{context, c, Log10(p3[i])};
    }

    ModelHeader& h = out.header;
    h.wordCount = wordCount;
    h.sentenceStart = start;
    h.sentenceEnd = end;
    h.unknownLogProb = Log10(uniform);
    h.bigramCount = static_cast<std::uint32_t>(bigrams.size());
    h.trigramCount = static_cast<std::uint32_t>(trigrams.size());
    h.sentences = static_cast<std::uint32_t>(sentences_);
    h.tokens = static_cast<std::uint32_t>(tokens_);
    return out;
}

}  // namespace velloc
