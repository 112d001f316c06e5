#pragma once
// What both directions share around the clause rules: the whole-sentence key,
// the last touches of an output sentence, and the two translators.
#include <string>
#include <string_view>
#include <vector>

#include "engine/translator.h"

namespace velloc {

// Lower case, letters and digits only, single blanks: the key of example sentences.
std::string NormaliseSentenceKey(std::string_view sentence);

// An example's translation with the source's closing punctuation.
std::string FinishSentence(std::string_view translation, std::string_view source);

// Joins the words, chooses "a"/"an", capitalises the first letter.
std::string FinishEnglish(const EngineTables& tables, const std::vector<std::string>& words);
std::string FinishGerman(const EngineTables& tables, const std::vector<std::string>& words);

Translation TranslateGermanToEnglish(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline);
Translation TranslateEnglishToGerman(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline);

}  // namespace velloc
