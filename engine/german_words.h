#pragma once
// The closed classes of German: articles, pronouns, prepositions, conjunctions,
// auxiliaries and modal verbs. The dictionary lists them poorly for translating
// running text, so engine/data/german-words.tsv gives them with what the clause
// rules need; EngineTables reads it.

namespace velloc {

enum class GermanKind {
    None,
    Article,        // der, ein, kein, dieser, mein ... (english: the word it becomes)
    Pronoun,        // personal pronoun, subject or object
    Preposition,
    Coordinator,    // und, oder, aber
    Subordinator,   // dass, weil, wenn ...
    Relative,       // der/die/das after a comma, welche...
    Auxiliary,      // sein, haben, werden
    Modal,
    Adverb,
    Negation,       // nicht
    Question,       // was, wer, wo ...
    Reflexive,      // sich
    Particle,       // zu before an infinitive
};

enum class AuxVerb { None, Sein, Haben, Werden };

struct GermanWord {
    const char* form;
    GermanKind kind;
    const char* english;     // translation; for verbs the English base form
    int person;              // 1 to 3 for pronouns and finite forms, 0 unknown
    bool plural;
    bool past;               // preterite
    bool nominative;         // pronoun that can be a subject
    AuxVerb aux;
    bool participle;         // gewesen, gehabt, worden, geworden
    bool subjunctive;        // würde, wäre, hätte, könnte ...
};

}  // namespace velloc
