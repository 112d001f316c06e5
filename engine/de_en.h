#pragma once
// German into English: the words of a sentence as the analysis reads them, and the
// clause the transfer rules work on. Shared by the stages in de_en_*.cpp.
#include <string>
#include <vector>

#include "engine/german_analysis.h"
#include "engine/german_words.h"
#include "engine/pipeline.h"
#include "engine/tokens.h"
#include "engine/translator.h"

namespace velloc {

struct GermanUnit {
    std::string source;
    std::string lower;
    bool punct = false, number = false, capital = false, start = false;
    const GermanWord* fw = nullptr;  // a closed-class word
    GermanReading reading;
    std::uint8_t cls = kClassNone;
    std::string english;
    std::string lemma;  // German lemma
    bool known = true;
    bool fixed = false;  // a phrase or the user's entry: english is final
    bool verbPhrase = false;  // ... a phrase that ends in an infinitive, a verb of the clause
    bool drop = false;
    bool plural = false;
    bool subject = false;        // the clause rules found it in the subject
    bool subjectPlural = false;  // ... of a plural verb
    GermanReading participle;    // a past-participle reading the context may prefer
    GermanReading finiteForm;    // ... and a finite one, when a participle was chosen
    GermanReading adverbReading; // an adjective's adverb reading ("fast": almost)
    bool adverbial = false;      // an adjective that tells how the verb's action is done
    std::vector<std::string> senses;  // the word's first senses, for the language model to choose from
    bool relative = false;        // opens a relative clause ("der Mann, der ..."); english says how
    bool relativeObject = false;  // ... and is not that clause's subject ("den ich sah")
    bool relativeAfterAName = false;  // ... says more of a name, between commas ("Orr, who ...")
    std::string after;            // a word English says right after this one ("zwei Wochen": ago)
    std::string andEnglish;       // a verb's partner after "und", said in the same form (blocked and deleted)
    // "der in Southport beheimatete Spieler": the units English says right after this
    // determiner (the player based in Southport), where the phrase ends, and for each
    // unit in between that it belongs to such an attribute
    std::vector<std::size_t> attribute;
    std::size_t attributeEnd = 0;
    bool inAttribute = false;
};

// "als ob er ...", "als wäre er ...": "als" opens a clause of comparison, "as if".
inline bool AlsIsAsIf(const std::vector<GermanUnit>& units, std::size_t i) {
    if (units[i].lower != "als" || i + 1 >= units.size()) return false;
    const GermanUnit& next = units[i + 1];
    const bool clauseStart = i == 0 || units[i - 1].punct;
    return clauseStart && (next.lower == "ob" || (next.fw && next.fw->subjunctive && next.fw->kind != GermanKind::Pronoun));
}

// "ich", "er", "wir": a pronoun that can only be a subject.
inline bool IsNominativePronoun(const GermanUnit& u) {
    return u.fw && u.fw->kind == GermanKind::Pronoun && u.fw->nominative;
}

// The sentence with everything the stages share.
struct GermanSentence {
    const Catalogue& catalogue;
    const EngineOptions& options;
    const UserLexicon& user;
    std::vector<GermanUnit> units;
    bool question = false;                      // it ends with "?"
    std::vector<std::string>* applied = nullptr;  // the rules that ran, for the tests
    std::vector<std::pair<std::size_t, std::size_t>> placed;  // unit and the output word it became
    bool subjectWaiting = false;  // a clause of only a noun phrase came before: its verb follows later
};

// ---- Analysis (de_en_analysis.cpp) ----

// Every word analysed, with a reading chosen from its neighbours; false when the
// deadline passed.
bool AnalyseGermanSentence(GermanSentence& s, const std::vector<Token>& tokens,
                           Clock::time_point deadline);
// Multi-word terms of the catalogue become one unit.
void MatchGermanPhrases(GermanSentence& s);
// "wenige Tage zuvor", "drei Jahre später": a span of time and the word after it are one
// adverb ("a few days earlier", "three years later").
void HalfBeforeAnHour(GermanSentence& s);  // "halb neun": half past eight
// "blockiert und gelöscht" at a clause's end: one verb of the group with its partner
void VerbsJoinedByUndShareTheAuxiliary(GermanSentence& s);
void SpanOfTimeBeforeEarlierOrLater(GermanSentence& s);
// "Mueller war aber erst eingesetzt worden": "aber" inside a main clause goes to its
// front, where English says "but".
void AberInsideAClauseGoesToItsFront(GermanSentence& s);

// "Das Buch gefällt mir": the one who likes, in the dative, is the English subject
// ("I like the book"); the first clause is reordered so.
void ExperiencerBecomesTheSubject(GermanSentence& s);
// "Mir wurde geholfen", "Mir ist kalt": the dative of a clause without a subject is the English one.
void DativeWithoutASubjectIsTheSubject(GermanSentence& s);
bool IsFiniteCandidate(const GermanUnit& u);
bool IsNonFinite(const EngineTables& tables, const GermanUnit& u);
bool IsNounLike(const GermanUnit& u);
// "Lehrer", "Zimmer", "Mädchen": a masculine or neuter noun whose plural is spelt as its singular.
bool PluralSpeltAsSingular(const GermanUnit& noun);
// Whether a noun or name stands for people ("Minister", "Lehrerin"), by its English.
bool NamesAPerson(const GermanSentence& s, const GermanUnit& noun);
// The best sense of a word for the options' subject areas.
std::string BestEnglishSense(const GermanSentence& s, const WordRecord* word, std::uint8_t cls);
// The word's first senses of the class, best first; empty when the subject areas decide.
std::vector<std::string> EnglishSenses(const GermanSentence& s, const WordRecord* word, std::uint8_t cls,
                                       std::size_t count);

// ---- Word choice (de_en_choice.cpp) ----

// Where a word has several senses, the target language model picks the one that
// reads best between its neighbours in the output, against a penalty per rank.
void ChooseSensesByTheModel(GermanSentence& s, std::vector<std::string>& words);
// "the car of the man": what belongs to a person is said with the person's
// possessive ("the man's car", "my parents' house"). Works on the finished English
// words; adds its name to s.applied when it changes something.
void SaxonGenitiveForPersons(GermanSentence& s, std::vector<std::string>& words);
// An adjective read as the adverb the dictionary also has ("sofort": immediately).
void TakeAdverbReading(const GermanSentence& s, GermanUnit& u);
// Where a noun phrase starting at start ends (start when none does).
std::size_t GermanNounPhraseEnd(const GermanSentence& s, std::size_t start, std::size_t end);

// ---- The clause and its rules (de_en_rules.cpp) ----

struct GermanClause {
    GermanClause(GermanSentence& sentence, std::size_t from, std::size_t to, std::vector<std::string>& words,
                 std::vector<bool>& emitted)
        : s(sentence), begin(from), end(to), out(words), used(emitted) {
        trace.applied = sentence.applied;
    }

    GermanSentence& s;
    std::size_t begin, end;
    std::vector<std::string>& out;
    std::vector<bool>& used;
    RuleTrace trace;

    // Found before the rules run.
    bool subordinate = false;
    std::size_t clusterStart = 0;  // the clause-final verbs begin here
    std::size_t finite = 0;
    std::vector<std::size_t> chain;  // the other verbs, in English order
    int person = 3;
    bool plural = false;
    bool reportedSpeech = false;  // "er habe gesagt": a subjunctive of the first person in the third

    // Set by the rules.
    bool negate = false;
    bool progressive = false;  // "arbeitet gerade": is working
    bool imperative = false;   // "Kommen Sie herein": the bare verb, no subject
    bool upToNow = false;      // "wohnt seit drei Jahren": has lived
    bool future = false;       // "kommt morgen": will come
    bool likes = false;        // "hätte gern": "haben" with a liking adverb is "like"
    bool question = false;
    bool verbFirst = false;
    bool whQuestion = false;
    std::vector<std::string> verbGroup;
    std::size_t insertAt = 1;  // where the subject goes into the verb group of a question
    std::vector<std::size_t> atTheEnd;   // units English says after everything else (time)
    std::vector<std::size_t> afterVerb;  // units English says right after the verbs (a predicate)

    GermanUnit& Finite() { return s.units[finite]; }
    const GermanUnit& Finite() const { return s.units[finite]; }
    const GermanUnit& First() const { return s.units[begin]; }
    void Emit(std::size_t i);
    void EmitRange(std::size_t from, std::size_t to);
    void EmitVerbGroup();
    void EmitPredicate();  // the units English says right after the verbs
    void MarkSubject(std::size_t from, std::size_t to);
    // Holds back units for the clause's end: the order rules pass over them.
    void SayAtTheEnd(std::size_t from, std::size_t to);
    void EmitWhatWasHeldBack();
};

// Clauses with a finite verb, and clauses without one.
RuleTable<GermanClause> GermanClauseRules();
RuleTable<GermanClause> GermanNonFiniteClauseRules();

// ---- English words (de_en_english.cpp) ----

// A "zu" infinitive after the English verb governing: "to" and the verb, or the -ing
// form after verbs that take it (table english-ing-verb: "stopped talking").
std::string ZuInfinitiveEnglish(const Catalogue& catalogue, std::string_view governing, const std::string& verb);
// "Das Haus wurde 1990 gebaut", "1990 wurde er Präsident": a year standing alone in the
// clause names a time, "in 1990". After a preposition ("seit 1990") or a noun ("im Mai
// 1990", "die Wahl 2013"), or before a noun ("1990 Menschen"), it is no time of its own.
bool YearAsATime(const GermanSentence& s, std::size_t i);
// The English of one unit in its place.
std::string UnitEnglish(const GermanSentence& s, std::size_t i);
// The rules for function words in their place, in the order they are tried.
std::vector<WordRule<GermanSentence>> GermanWordRules();
// Forms of "der" (and "welcher", "dessen") after a comma and a noun that open a
// clause with its verb last are relative pronouns: marked, with their English.
void MarkRelativePronouns(GermanSentence& s);
// A determiner, a phrase with a preposition and an inflected participle or adjective
// before the noun: the attribute English says after its noun.
void MarkExtendedAttributes(GermanSentence& s);
// English sets commas around a relative clause only where it adds to a noun already
// known ("the house, which stands there"); "the man who", "the book that" take none.
// A "which" of "was" adds to a whole clause and keeps them always.
inline bool RelativeClauseKeepsCommas(const GermanUnit& pronoun) {
    return pronoun.relativeAfterAName || (pronoun.english == "which" && (!pronoun.relativeObject || pronoun.lower == "was"));
}
// The relative pronoun of the clause that ends at the comma, if any (the size when none).
std::size_t RelativePronounBefore(const GermanSentence& s, std::size_t comma);
// "\"Juricola\", \"Valerius\"": a comma between two quoted terms of one list.
bool CommaBetweenQuotedTerms(const GermanSentence& s, std::size_t k);
// The English verbs for the finite verb and the rest of its chain.
// How English reads a German perfect: as a perfect (a time up to now: "schon"), as the
// simple past in talk but not in a third-person report, or as the simple past
// always (a past time named: "gestern", "vor zwei Wochen").
enum class PerfectReading { Perfect, PastInTalk, Past };
std::vector<std::string> EnglishVerbGroup(const GermanClause& c, PerfectReading perfect, std::size_t& insertAt);

// ---- The whole direction (de_en.cpp) ----

Translation TranslateGermanToEnglish(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline);

}  // namespace velloc
