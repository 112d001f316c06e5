#pragma once
// Reading the German-English dictionary's line format:
//   German side :: English side
// Each side is cut at " | " into aligned subentries, each subentry at top-level
// "; " into synonyms. A synonym carries annotations: {class or forms},
// [subject or register], (comment), <other spelling>, /abbreviation/.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velloc {

// Register labels that make a sense less likely in plain text.
enum RegisterFlag : std::uint8_t {
    kRegisterColloquial = 1,  // ugs., coll., slang, vulg.
    kRegisterRare = 2,        // selten, rare, obs., archaic, veraltet, dated, alt
    kRegisterRegional = 4,    // Schw., Austr., Bayr., Sc., ...
    kRegisterLiterary = 8,    // geh., poet., lit., formal
    kRegisterFigurative = 16, // fig., übtr., iron., humor., pej., euphem.
};

struct DictTerm {
    std::string text;                  // annotations removed, blanks collapsed
    std::vector<std::string> braces;   // contents of {...}, e.g. "m", "vt", "went; gone"
    std::vector<std::string> labels;   // contents of [...], without the brackets
    std::vector<std::string> abbreviations;  // contents of /.../
    std::vector<std::string> comments;       // contents of (...)
    std::uint8_t registers = 0;
    bool particleBeforeObject = false;  // "to trot out <> sth.": "out" is a particle, not a preposition
    bool HasBrace(std::string_view tag) const;
};

using DictSubentry = std::vector<DictTerm>;

struct DictLine {
    std::vector<DictSubentry> german;
    std::vector<DictSubentry> english;
};

// Parses one line in Windows-1252. Comment lines and lines without "::" give false.
bool ParseDictionaryLine(std::string_view line, DictLine& out);

// One synonym's raw text into a term.
DictTerm ParseTerm(std::string_view raw);

// Splits at separators that stand outside any bracket pair.
std::vector<std::string_view> SplitTopLevel(std::string_view text, std::string_view separator);

std::string_view Trim(std::string_view text);
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace velloc
