#pragma once
// The user-lexicon file: what the store library writes and the engine reads.
//
// Plain Windows-1252 text, every line ended by CR LF, fields separated by one tab:
//   QUENDEL USER LEXICON<TAB>1
//   direction<TAB>GtoE
//   area<TAB>code<TAB>display name            (any number, codes unique)
//   entry<TAB>source<TAB>translation<TAB>part of speech<TAB>area code
//   end<TAB>number of entries
// Areas come before entries. A field holds no control character (nothing below
// 0x20, so no tab or line break ever needs escaping); source and translation are
// never empty; part of speech and area code may be (an empty area means any
// area), and a non-empty area code is one of the file's areas. Nothing follows
// the end line: a file cut anywhere fails the count or lacks its end line.
#include <cstddef>
#include <string>
#include <vector>

struct LexiconArea {
    std::string code;
    std::string name;
};

struct LexiconEntry {
    std::string source;
    std::string translation;
    std::string partOfSpeech;
    std::string area;
};

struct LexiconContent {
    std::string direction;  // "GtoE" or "EtoG"
    std::vector<LexiconArea> areas;
    std::vector<LexiconEntry> entries;
};

enum class LexiconStatus {
    Ok,
    Missing,         // no such file
    Unreadable,      // the file exists but could not be read
    TooLarge,        // over kMaxLexiconFileBytes
    Foreign,         // not a user lexicon at all (empty files included)
    NewerVersion,    // a user lexicon of a format version this code does not know
    Damaged,         // a user lexicon whose content is broken or cut short
    InvalidContent,  // refused for writing: a field the format cannot hold
    WriteFailed,
};

constexpr int kLexiconFormatVersion = 1;
constexpr std::size_t kMaxLexiconFileBytes = 16u * 1024u * 1024u;

// Reads the whole file or nothing: on failure out is left empty.
LexiconStatus ParseUserLexicon(const std::string& bytes, LexiconContent& out);

// Fails with InvalidContent, leaving bytes empty, when a field breaks the rules
// above, so that whatever is written parses again.
LexiconStatus SerializeUserLexicon(const LexiconContent& content, std::string& bytes);

// Whether the format can hold this text as one field (an editor checks typed words).
bool IsValidLexiconField(const std::string& field);
