#pragma once
// Morphological analysis of German words against the catalogue's headwords:
// listed forms first, then ending rules checked against the headword's class,
// then compound splitting.
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"

namespace velloc {

struct GermanReading {
    const WordRecord* word = nullptr;
    std::uint8_t tag = kFormBase;
    bool zuInfinitive = false;
    bool guessed = false;  // found by an ending rule
};

// Every reading of a word form; sentenceStart also tries the lower-case form.
std::vector<GermanReading> AnalyseGermanWord(const Catalogue& catalogue, std::string_view form,
                                             bool sentenceStart);

// "geplanten", "gelobten", "parkenden": the participle that form is with an
// adjective's ending, whatever else the form may be; an empty reading when none.
GermanReading InflectedParticiple(const Catalogue& catalogue, std::string_view form);

struct CompoundSplit {
    std::string modifier;          // as found in the catalogue
    const WordRecord* modifierWord = nullptr;
    GermanReading head;
};

// Splits an unknown noun into a known first part (after removing a linking
// element) and a known last part, which is the head.
bool SplitGermanCompound(const Catalogue& catalogue, std::string_view form, CompoundSplit& out);

// The lemma of a catalogue word ("" when none).
std::string LemmaOf(const Catalogue& catalogue, const WordRecord* word);

// The first catalogue word of that class the form belongs to, or null.
const WordRecord* WordOfClass(const Catalogue& catalogue, std::string_view form, std::uint8_t cls);

}  // namespace velloc
