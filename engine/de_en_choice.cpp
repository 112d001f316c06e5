// German into English, word choice: the target language model decides between a
// word's senses in the place the word took in the output.
#include "engine/de_en.h"

#include "engine/dictionary_source.h"

namespace velloc {
namespace {

// The output's words around position (up to two each side), as the model's tokens.
void Context(const std::vector<std::string>& words, std::size_t position, std::vector<std::string>& left,
             std::vector<std::string>& right) {
    left.clear();
    right.clear();
    for (std::size_t k = position; k > 0 && left.size() < 2; --k) {
        std::vector<std::string_view> parts = SplitWords(words[k - 1]);
        for (std::size_t p = parts.size(); p > 0 && left.size() < 2; --p) left.insert(left.begin(), std::string(parts[p - 1]));
    }
    for (std::size_t k = position + 1; k < words.size() && right.size() < 2; ++k)
        for (std::string_view part : SplitWords(words[k]))
            if (right.size() < 2) right.emplace_back(part);
}

float WindowScore(const Catalogue& catalogue, const std::vector<std::string>& left, const std::string& candidate,
                  const std::vector<std::string>& right, bool sentenceStart) {
    std::vector<std::string> window = left;
    for (std::string_view part : SplitWords(candidate)) window.emplace_back(part);
    window.insert(window.end(), right.begin(), right.end());
    return catalogue.ScoreSequence(window, sentenceStart && left.empty(), false);
}

}  // namespace

void ChooseSensesByTheModel(GermanSentence& s, std::vector<std::string>& words) {
    if (!s.catalogue.HasLanguageModel()) return;
    const float penalty = s.catalogue.Tables().Weight("sense-rank-penalty");
    const float prepositionPenalty = s.catalogue.Tables().Weight("preposition-rank-penalty");
    std::vector<std::string> left, right;
    for (const auto& [unit, position] : s.placed) {
        GermanUnit& u = s.units[unit];
        if (u.senses.size() < 2 || position >= words.size() || u.fixed || !u.known) continue;
        // a word rule that chose a closed-class word's rendering ("von" in a passive is "by") decides
        if (u.fw && words[position] != u.senses[0]) continue;
        Context(words, position, left, right);
        const std::string chosen = u.english;
        std::string best = words[position];
        float bestScore = -1e30f;
        for (std::size_t rank = 0; rank < u.senses.size(); ++rank) {
            u.english = u.senses[rank];
            const std::string candidate = UnitEnglish(s, unit);
            const float score = WindowScore(s.catalogue, left, candidate, right, position == 0) - (u.fw ? prepositionPenalty : penalty) * rank;
            if (score > bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
        u.english = chosen;
        words[position] = best;
    }
}

}  // namespace velloc
