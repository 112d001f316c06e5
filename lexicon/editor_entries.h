#pragma once
// What the lexicon editor does to a lexicon's entries, kept apart from its windows
// so that it can be tested on plain LexiconContent.
//
// An entry is identified by its source word (compared without regard to case, as
// the engine looks words up), its part of speech and its subject area: saving an
// entry with the same three replaces the old one, anything else adds a new one.
#include <cstddef>
#include <string>
#include <vector>

#include "lexicon/user_lexicon_file.h"

// A part of speech the editor offers: the short code written to the file, which
// the engine reads, and the German name the user sees.
//   noun   Substantiv       conj    Konjunktion
//   verb   Verb             pron    Pronomen
//   adj    Adjektiv         art     Artikel
//   adv    Adverb           num     Zahlwort
//   prep   Präposition      interj  Interjektion
//                           phrase  Redewendung
// An empty code means "not given".
struct PartOfSpeech {
    const char* code;
    const char* name;
};

constexpr std::size_t kPartOfSpeechCount = 11;
extern const PartOfSpeech kPartsOfSpeech[kPartOfSpeechCount];

// The German name of a code; the code itself for one the editor does not know,
// and "" for none.
std::string PartOfSpeechName(const std::string& code);

// Windows-1252 text in lower case, so that "Übel" and "übel" are the same word.
std::string FoldCase(const std::string& text);

// The text without leading and trailing blanks and tabs.
std::string TrimBlanks(const std::string& text);

// The word the editor starts with: a clipboard text may end in a line break or hold
// more than one line, so it is cut at the first control character and trimmed.
std::string CleanStartWord(const std::string& word);

// Whether two entries have the same source word, part of speech and area.
bool SameEntryKey(const LexiconEntry& a, const LexiconEntry& b);

// Positions of the entries for word (case ignored), in file order.
std::vector<std::size_t> EntriesOfWord(const LexiconContent& content, const std::string& word);

enum class EntryProblem {
    None,
    NoSource,
    NoTranslation,
    BadCharacters,  // a tab or other control character the file cannot hold
    UnknownArea,    // the area is not (or no longer) one of the lexicon's
};

// Whether entry can be written into content as it is.
EntryProblem CheckEntry(const LexiconContent& content, const LexiconEntry& entry);

enum class EntryChange { Added, Replaced, Removed, NotFound };

// Adds entry, or replaces the one with the same key (keeping its place in the file).
EntryChange PutEntry(LexiconContent& content, const LexiconEntry& entry);

// Removes the entries with the key of key.
EntryChange RemoveEntry(LexiconContent& content, const LexiconEntry& key);

// Whether filter (case ignored) occurs in the entry's source word or translation;
// an empty filter matches everything.
bool MatchesFilter(const LexiconEntry& entry, const std::string& filter);

// Positions of the entries matching filter, sorted by source word (case ignored),
// then translation, part of speech and area.
std::vector<std::size_t> ListedEntries(const LexiconContent& content, const std::string& filter);

// The direction tag the program wants for its lexicon: told by its frame's class
// (QDGE's or QDEG's), else by the file's extension; "" when neither tells.
std::string ExpectedDirection(const std::string& ownerClass, const std::string& path);
