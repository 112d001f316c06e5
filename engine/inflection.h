#pragma once
// Word forms of the target languages: the catalogue's forms first, rules after.
#include <string>
#include <string_view>

#include "engine/catalogue.h"
#include "engine/engine_tables.h"
#include "engine/grammar_types.h"

namespace velloc {

// English. A phrase ("get up") inflects its first word.
std::string EnglishPlural(const Catalogue& catalogue, std::string_view noun);
std::string EnglishThird(const Catalogue& catalogue, std::string_view verb);
std::string EnglishPast(const Catalogue& catalogue, std::string_view verb);
// "planned", "conveyed": the past by the spelling rules alone
std::string RegularEnglishPast(std::string_view verb);
std::string EnglishPastPart(const Catalogue& catalogue, std::string_view verb);
std::string EnglishIng(const Catalogue& catalogue, std::string_view verb);
std::string EnglishComparative(const Catalogue& catalogue, std::string_view adjective);
std::string EnglishSuperlative(const Catalogue& catalogue, std::string_view adjective);
// The adverb of an adjective: "strong" -> "strongly", "good" -> "well".
std::string EnglishAdverb(const EngineTables& tables, std::string_view adjective);
// "a" or "an" before this word.
const char* EnglishIndefinite(const EngineTables& tables, std::string_view next);

// German.

// Ending of an attributive adjective.
const char* AdjectiveEnding(Declension declension, std::uint8_t gender, Case c, bool plural);
// der/die/das... (definite) or the ending of ein/kein/mein... (indefinite) words.
const char* DefiniteArticle(std::uint8_t gender, Case c, bool plural);
const char* EinEnding(std::uint8_t gender, Case c, bool plural);
const char* DieserEnding(std::uint8_t gender, Case c, bool plural);

std::string GermanPlural(const Catalogue& catalogue, std::string_view noun, std::uint8_t gender);
// The noun's form in a case; plural taken from GermanPlural.
std::string GermanNounForm(const Catalogue& catalogue, std::string_view noun, std::uint8_t gender,
                           Case c, bool plural);

struct GermanVerbParts {
    std::string finite;    // the conjugated word
    std::string particle;  // separable particle, empty when none
};
// person 1 to 3; a phrase ("nach Hause gehen") keeps its leading words as particle.
GermanVerbParts GermanFinite(const Catalogue& catalogue, std::string_view infinitive, int person,
                             bool plural, Tense tense);
std::string GermanParticiple(const Catalogue& catalogue, std::string_view infinitive);
// "zu" infinitive: "aufzustehen", "zu gehen".
std::string GermanZuInfinitive(const Catalogue& catalogue, std::string_view infinitive);
bool GermanTakesSein(const Catalogue& catalogue, std::string_view infinitive);

// "alt": älter and ältest; "gut": besser and best; "leise": leiser and leisest. The
// stems, which take an adjective's ending ("der älteste Mann"); irregular and
// umlauting adjectives come from table german-comparison.
// "dunkel", "teuer": an unstressed "e" before the last "l", or before "r" after "au" or
// "eu", falls out before an ending (dunkle, teurer); "schwer", "sicher" keep it.
std::string GermanStemBeforeAnEnding(const std::string& adjective);
std::string GermanComparative(const EngineTables& tables, std::string_view adjective);
std::string GermanSuperlative(const EngineTables& tables, std::string_view adjective);

}  // namespace velloc
