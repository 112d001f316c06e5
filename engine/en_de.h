#pragma once
// English into German: the words of a sentence as the analysis reads them, and the
// clause the transfer rules work on. Shared by the stages in en_de_*.cpp.
#include <string>
#include <vector>

#include "engine/english_words.h"
#include "engine/inflection.h"
#include "engine/pipeline.h"
#include "engine/tokens.h"
#include "engine/translator.h"

namespace velloc {

enum class RelativeRole { None, Subject, Object, Whose, Bare, Adverb, AfterAPreposition };

struct EnglishUnit {
    std::string source, lower;
    bool punct = false, number = false, capital = false, start = false;
    const EnglishWord* fw = nullptr;  // a closed-class word
    std::uint8_t cls = kClassNone;
    std::uint8_t tag = kFormBase;
    std::string german;  // the translation's lemma
    std::string lemma;   // the English base form of a listed word ("look" for "looking")
    std::uint8_t gender = kGenderNone;
    bool plural = false;
    bool known = true;
    bool fixed = false;
    bool possessive = false;   // it carried "'s" ("the neighbour's son")
    // A relative clause starts here ("who", "that", "whose", or the subject of "the book
    // you read"); its noun's German gender and number choose der, den, dessen ...
    RelativeRole relative = RelativeRole::None;
    std::uint8_t antecedentGender = kGenderNone;
    bool antecedentPlural = false;
    const EnglishWord* relativePreposition = nullptr;  // "in which": the preposition before the pronoun
    bool resumes = false;  // the clause the relative clause interrupted goes on here
    const char* tagName = "";  // what the tagger said (VBD, DT, ...)
};

struct EnglishSentence {
    const Catalogue& catalogue;
    const EngineOptions& options;
    const UserLexicon& user;
    std::vector<EnglishUnit> units;
    std::vector<std::string>* applied = nullptr;  // the rules that ran, for the tests
    // the last clause's subject, which "and" before a verb shares ("saw it and left")
    int lastPerson = 3;
    bool lastPlural = false;
    bool unreal = false;  // "if" beside "would" or "could": the condition is unreal
    bool shouting = false;  // most words in capitals: a capital word is no acronym
};

// ---- Analysis (en_de_analysis.cpp) ----

// Every word analysed (contractions split: "don't" is do and not); false when the
// deadline passed.
bool AnalyseEnglishSentence(EnglishSentence& s, const std::vector<Token>& tokens, Clock::time_point deadline);

bool IsAuxiliary(const EnglishUnit& u);
bool IsVerb(const EnglishUnit& u);  // an auxiliary or a lexical verb
bool IsDeterminer(const EnglishUnit& u);  // article, possessive or demonstrative
bool IsNounOrAdjective(const EnglishUnit& u);
// "very", "quite" before an adjective: a word of degree inside a noun phrase ("very dry weather")
bool DegreeBeforeAnAdjective(const EnglishSentence& s, std::size_t j, std::size_t end);
// Where a subject starting at i ends (i when none starts there).
std::size_t EnglishSubjectEnd(const EnglishSentence& s, std::size_t i, std::size_t end);
// Whether German text says the familiar "you" (du, dich, euer ...).
bool SpeaksFamiliarly(const EngineTables& tables, std::string_view german);
// "tired", "married": the adjective of a participle, taken when the dictionary has one.
bool TakeAdjectiveReading(const EnglishSentence& s, EnglishUnit& u);
// "at the weekend", "within two weeks": one unit of several words (a dictionary term or
// a phrase of the corpus) that opens with a preposition.
bool PhraseOpensWithAPreposition(const EnglishSentence& s, const EnglishUnit& u);
// Whether a verb follows before the next punctuation.
bool EnglishVerbAhead(const EnglishSentence& s, std::size_t i, std::size_t end);
// "of" before "the", "a" or a possessive: German says it with the genitive.
bool OfBeforeDeterminer(const EnglishSentence& s, std::size_t i, std::size_t end);

// ---- German words (en_de_german.cpp) ----

// The German of the noun phrase at i (determiner, adjectives, nouns) in case c;
// i moves past it.
void GermanNounPhrase(const EnglishSentence& s, std::size_t& i, std::size_t end, Case c,
                      std::vector<std::string>& out);
// "not a car", "not meat": the noun phrase at i with "kein" (kein Auto, kein Fleisch).
void GermanNounPhraseWithKein(const EnglishSentence& s, std::size_t& i, std::size_t end, Case c,
                              std::vector<std::string>& out);
// "which book": the noun phrase at i after a determiner read elsewhere (welches Buch).
void GermanNounPhraseAfter(const EnglishSentence& s, const EnglishWord* determiner, std::size_t& i, std::size_t end, Case c,
                           std::vector<std::string>& out);

// ---- The clause and its rules (en_de_rules.cpp) ----

struct EnglishClause {
    EnglishClause(EnglishSentence& sentence, std::size_t from, std::size_t to, std::vector<std::string>& words)
        : s(sentence), begin(from), end(to), out(words) {
        trace.applied = sentence.applied;
    }

    EnglishSentence& s;
    std::size_t begin, end;
    std::vector<std::string>& out;
    RuleTrace trace;

    std::size_t i = 0;  // the next unit the rules read
    bool subordinate = false;
    std::size_t conjunction = std::string::npos;  // where the subordinating conjunction stands in out
    bool afterClauseInFront = false;  // a subordinate clause opened the sentence
    bool afterQuotation = false;      // '"...," said Rafferty'
    RelativeRole relative = RelativeRole::None;  // a relative clause, and the pronoun's role
    std::uint8_t antecedentGender = kGenderNone;
    bool question = false;
    bool imperative = false;  // "Close the door": no subject, the verb in front
    bool please = false;      // "Please ...": bitte
    bool subjectRead = false;
    std::vector<std::string> subject;
    int person = 3;
    bool plural = false;

    // The English verb group as read.
    std::string mainLemma, modalLemma;
    std::string mainEnglish;  // the English lexical verb's base form ("go" for "went")
    Tense tense = Tense::Present;
    bool negate = false, perfect = false, future = false, modal = false, passive = false;
    bool notYet = false;  // "not ... yet"
    bool directObject = false;  // an accusative object was read
    bool upToNow = false;       // "has lived here for five years": wohnt seit fünf Jahren
    bool subjunctive = false;      // the finite verb in the Konjunktiv II (würde, hätte, wäre)
    bool unrealCondition = false;  // "If I had money, ...": wenn ich Geld hätte
    // "look forward to": German says it with a reflexive verb (sich freuen) and a
    // preposition of its own (auf + accusative) in place of the English one; "-" puts it
    // before the object itself ("remember me": sich an mich erinnern).
    bool reflexive = false;
    std::string boundEnglish, boundGerman;
    Case boundCase = Case::Accusative;

    // The German clause being built.
    std::vector<std::string> topic;   // an adverb in front ("Gestern traf ich ...")
    std::vector<std::string> rest;    // objects and adverbials, in order
    // "gestern", "jeden Abend", "nie": said after the pronouns and definite objects at
    // the head of rest and before the others ("kauften gestern ein neues Auto")
    std::vector<std::string> middle;
    std::size_t middleSlot = 0;
    bool restOpen = true;  // rest holds only what goes before the middle
    std::size_t nichtSlot = std::string::npos;  // where "nicht" goes in rest (npos: at its end)
    // where the last accusative noun phrase stands in rest, which a dative noun phrase
    // goes before ("gave the book to my mother": gab meiner Mutter das Buch)
    std::size_t nounObjectAt = std::string::npos, nounObjectEnd = std::string::npos;
    std::vector<std::string> finals;  // verbs at the clause's end, in German order
    std::vector<std::string> after;   // after the verbs: ", das Auto zu reparieren"
    std::string finite, particle;
};

RuleTable<EnglishClause> EnglishClauseRules();

// The German relative pronoun for a noun of this gender and number in case c
// (der, den, dem, dessen; die, denen, deren ...).
std::string GermanRelativePronoun(const EngineTables& tables, std::uint8_t gender, bool plural, Case c);

// Relative clauses after a noun: where they start, their pronoun's role, and where
// the clause they interrupt goes on.
void MarkEnglishRelativeClauses(EnglishSentence& s);
// Whether "that" at `that`, after a noun, opens a "dass" clause rather than a relative one.
bool ThatAfterANounIsDass(const EnglishSentence& s, std::size_t that);
// "said on Monday that": only a time stands between the verb of saying and "that".
bool ThatAfterSayingAndATime(const EnglishSentence& s, std::size_t that);

// ---- The whole direction (en_de.cpp) ----

Translation TranslateEnglishToGerman(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline);

}  // namespace velloc
