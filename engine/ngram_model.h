#pragma once
// Estimates the catalogue's word 3-gram model of the target language: interpolated
// Kneser-Ney with one discount per order, laid out in the catalogue's tables.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/catalogue_format.h"

namespace velloc {

struct NgramTables {
    std::vector<std::string> words;  // by id; id 0 (the unknown word) is ""
    ModelHeader header{};
    std::vector<UnigramRecord> unigrams;
    std::vector<BigramSlot> bigrams;
    std::vector<TrigramSlot> trigrams;
};

class NgramModelBuilder {
public:
    NgramModelBuilder();
    // One sentence of lower-case tokens, without its start and end marks.
    void AddSentence(const std::vector<std::string>& words);
    std::size_t Sentences() const { return sentences_; }
    // Nothing when no sentence was added. The same sentences give the same tables.
    NgramTables Build() const;

private:
    std::uint32_t Id(const std::string& word);

    std::vector<std::string> words_;
    std::unordered_map<std::string, std::uint32_t> ids_;
    std::unordered_map<std::uint64_t, std::uint32_t> trigramCounts_;
    std::size_t sentences_ = 0, tokens_ = 0;
};

}  // namespace velloc
