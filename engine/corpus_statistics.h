#pragma once
// What the catalogue compiler learns from the parallel corpus beside the
// dictionary: the sentences cut into tokens as the engine cuts them, the names
// translators leave as they are, and word groups that translate as one.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/catalogue.h"

namespace velloc {

// The corpus's tokens, each text stored once.
struct CorpusTokens {
    std::vector<std::string> texts;    // by id, as written
    std::vector<std::uint32_t> lower;  // by id: the id of its lower-case text
    std::vector<bool> word;            // by id: starts with a letter
    std::vector<std::vector<std::uint32_t>> source, target;  // one sentence pair each

    std::uint32_t Intern(const std::string& text);

private:
    std::unordered_map<std::string, std::uint32_t> ids_;
};

// Cuts sentence pairs (source, target, Windows-1252) with the engine's tokeniser;
// each side's catalogue names that side's abbreviations and direction.
CorpusTokens TokeniseCorpus(const std::vector<std::pair<std::string, std::string>>& pairs,
                            const Catalogue& sourceSide, const Catalogue& targetSide);

// Capitalised source words inside sentences (not their first word) that the aligned
// translation keeps as they are: most of the time for a word the dictionary knows in
// that spelling, and at least half the time for one it does not. A word that stands
// once beside such a name and is always kept counts too ("Oliver Schmidt").
std::vector<std::string> FindNames(const CorpusTokens& corpus,
                                   const std::function<bool(const std::string&)>& dictionaryWord);

// A source word group (2-3 words) and the target words (1-3) that appear with it in
// the same sentence pairs: of the target groups the judge accepts for it, the one
// with the best Dice coefficient.
struct AlignedPhrase {
    std::string source;  // lower case, words separated by one blank
    std::string target;  // as most often written inside a sentence
    std::uint32_t together = 0, sourceCount = 0, targetCount = 0;  // sentence pairs
    double dice = 0;
};
struct AlignmentLimits {
    std::uint32_t minTogether = 5;
    double minDice = 0.3;
};
// The judge sees the source group and a target group, both lower case.
using PhraseJudge = std::function<bool(const std::string& source, const std::string& target)>;
std::vector<AlignedPhrase> AlignPhrases(const CorpusTokens& corpus, const AlignmentLimits& limits,
                                        const PhraseJudge& acceptable);

// The lower-case words that most sentences of one side hold (the language's
// function words, mostly), the most common first; each in at least one pair in a
// hundred, and in ten at least.
std::vector<std::string> CommonWords(const CorpusTokens& corpus, bool sourceSide, std::size_t count);

}  // namespace velloc
