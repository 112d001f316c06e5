#pragma once
// The closed classes of English: articles, pronouns, prepositions, conjunctions,
// auxiliaries and modal verbs, with the German they become and what the clause
// rules need to know of them (engine/data/english-words.tsv, read by EngineTables).
#include "engine/grammar_types.h"

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

}  // namespace velloc
