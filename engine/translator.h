#pragma once
// One sentence in, one translation out. Pure logic over a catalogue: no window,
// file or clock calls (the deadline is handed in).
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"

namespace velloc {

struct EngineOptions {
    std::uint32_t subjects = 0;   // selected subject areas, catalogue bit order
    bool rap = false;
    bool rapInit = false;
    bool sssz = false;            // input "ss" may stand for "ß"
    bool ssszeg = false;          // write "ß" as "ss"
    bool impersonal = false;      // imperatives in the infinitive style
    bool letter = true;           // German "Sie" read as "you" rather than "they"
    bool honorific = true;        // English "you" as "Sie" rather than "du"
    std::uint32_t timeLimitMs = 500000;
    bool explain = false;         // fill Translation::analysis (./qd explain)
};

// Entries of the user lexicon, by lower-case source text; they win over the catalogue.
struct UserEntry {
    std::string translation;
    std::uint8_t wordClass = 0;
};
using UserLexicon = std::map<std::string, UserEntry>;

struct Translation {
    enum Status { kTranslated, kNothing, kTimedOut };
    Status status = kTranslated;
    std::string text;
    std::vector<std::string> unknown;  // unrecognised words, in sentence order
    bool fallback = false;             // analysis failed; word-by-word output
    std::vector<std::string> rules;    // the transfer rules that ran, in order
    std::vector<std::string> analysis; // with options.explain: each word as the analysis read it
    std::vector<std::string> dropped;  // source content words that left no trace (a fault)
};

using Clock = std::chrono::steady_clock;

// Translates one sentence (Windows-1252) in the catalogue's direction.
Translation TranslateSentenceText(const Catalogue& catalogue, const EngineOptions& options,
                                  const UserLexicon& user, std::string_view sentence,
                                  Clock::time_point deadline);

// Whether a word with its period is an abbreviation for the catalogue's language.
bool IsAbbreviationWord(const Catalogue& catalogue, std::string_view word);

// Parts of speech as the user lexicon names them ("noun", "Substantiv", "verb", ...).
std::uint8_t WordClassFromName(std::string_view name);

}  // namespace velloc
