#pragma once
// What both directions share: the order of the stages and the shape of a rule.
//
//   tokenise -> analyse (every reading of each word) -> choose readings in context
//   -> phrases of the catalogue -> clauses -> transfer rules -> generate -> post-edit
//
// A transfer rule is a small named unit in an ordered table: its name, a source
// sentence that shows it at work, a test whether it applies to a clause, and what
// it does then. The rules of a table run in order; a rule that has put out the
// whole clause marks it finished and the rest of the table is skipped. Each rule
// names itself in the clause's trace, so a test can see that its example used it.
#include <string>
#include <vector>

namespace velloc {

template <typename Clause>
struct ClauseRule {
    const char* name;
    const char* example;
    bool (*applies)(const Clause& clause);
    void (*apply)(Clause& clause);
};

template <typename Clause>
struct RuleTable {
    const ClauseRule<Clause>* rules;
    std::size_t count;
    const ClauseRule<Clause>* begin() const { return rules; }
    const ClauseRule<Clause>* end() const { return rules + count; }
};

// What a clause carries for the rule runner.
struct RuleTrace {
    bool finished = false;              // the clause is out; later rules are skipped
    std::vector<std::string>* applied = nullptr;  // names of the rules that ran, in order
};

template <typename Clause>
void ApplyRules(const RuleTable<Clause>& table, Clause& clause) {
    for (const ClauseRule<Clause>& rule : table) {
        if (clause.trace.finished) return;
        if (!rule.applies(clause)) continue;
        rule.apply(clause);
        if (clause.trace.applied) clause.trace.applied->push_back(rule.name);
    }
}

// A rule for one word in its place (an article that is a relative pronoun, a
// pronoun read by its role): it gives the word's translation when it applies.
template <typename Sentence>
struct WordRule {
    const char* name;
    const char* example;
    bool (*apply)(const Sentence& sentence, std::size_t word, std::string& translation);
};

// Names of word classes and form tags, for qd_explain.
inline const char* ClassName(unsigned cls) {
    static const char* const kNames[] = {"-", "noun", "verb", "adj", "adv", "prep", "conj", "pron", "art", "num", "interj", "name"};
    return cls < sizeof kNames / sizeof kNames[0] ? kNames[cls] : "?";
}
inline const char* FormName(unsigned tag) {
    static const char* const kNames[] = {"base", "plural", "third", "past", "pastpl", "pastpart", "prespart", "comp", "sup", "subj"};
    return tag < sizeof kNames / sizeof kNames[0] ? kNames[tag] : "?";
}

}  // namespace velloc
