#pragma once
// The closed classes of English: articles, pronouns, prepositions, conjunctions,
// auxiliaries and modal verbs, with the German they become and what the clause
// rules need to know of them.
#include <string_view>

#include "engine/inflection.h"

namespace velloc {

enum class EnKind { Content, Article, Pronoun, Possessive, Preposition, Coordinator, Subordinator,
                    Be, Have, Do, Will, Modal, Negation, Question, Adverb, Demonstrative };

struct EnglishWord {
    const char* form;
    EnKind kind;
    const char* german;   // stem or word; articles: "def", "indef", "kein"
    int person;
    bool plural;
    bool past;
    Case prepositionCase;
};

// The entry for a lower-case form, or nullptr; the first of its kinds, or the one
// of the given kind.
const EnglishWord* FindEnglishWord(std::string_view lower);
const EnglishWord* FindEnglishWordOfKind(std::string_view lower, EnKind kind);

// Given names that are also English words; at the start of a sentence only these
// are taken for names.
bool IsCommonGivenName(std::string_view word);

}  // namespace velloc
