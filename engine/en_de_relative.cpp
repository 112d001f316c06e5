// English into German: relative clauses after a noun ("the man who lives next door",
// "the book you read"). German opens them with a pronoun that agrees with the noun,
// between commas, with the verb last.
#include "engine/en_de.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

bool IsNounEnd(const EnglishUnit& u) { return !u.fw && !u.punct && (u.cls == kClassNoun || u.cls == kClassName); }

// Where the noun phrase that ends at `noun` starts.
std::size_t NounPhraseStart(const EnglishSentence& s, std::size_t noun) {
    std::size_t k = noun;
    while (k > 0) {
        const EnglishUnit& u = s.units[k - 1];
        if (u.punct || !(IsDeterminer(u) || IsNounOrAdjective(u) || u.number || (!u.fw && u.cls == kClassName))) break;
        --k;
    }
    return k;
}

// Where "A and B" ending at `noun` starts: the start of A, or of B alone.
std::size_t JoinedNounsStart(const EnglishSentence& s, std::size_t noun) {
    const std::size_t start = NounPhraseStart(s, noun);
    if (start < 2 || s.units[start - 1].lower != "and" || !IsNounEnd(s.units[start - 2])) return start;
    return NounPhraseStart(s, start - 2);
}

// Whether the noun phrase starting at `start` opens its clause: it is then its subject.
bool OpensItsClause(const EnglishSentence& s, std::size_t start) {
    if (start == 0) return true;
    const EnglishUnit& before = s.units[start - 1];
    return before.punct || (before.fw && (before.fw->kind == EnKind::Coordinator || before.fw->kind == EnKind::Subordinator));
}

// Past the relative clause's own verb group, the next verb is the outer clause's.
std::size_t OuterVerb(const EnglishSentence& s, std::size_t from, bool betweenCommas = false) {
    std::size_t k = from;
    // "My father, who lives in Berlin, is ill": the first verb after the clause's closing comma
    if (betweenCommas) {
        while (k < s.units.size() && !s.units[k].punct) ++k;
        if (k >= s.units.size() || s.units[k].source != ",") return s.units.size();
        for (++k; k < s.units.size() && !s.units[k].punct; ++k)
            if (IsVerb(s.units[k])) return k;
        return s.units.size();
    }
    while (k < s.units.size() && !s.units[k].punct && !IsVerb(s.units[k])) ++k;
    // auxiliaries and "not" up to the main verb, which ends the group ("we met | was")
    while (k < s.units.size() && !s.units[k].punct &&
           (IsAuxiliary(s.units[k]) || (s.units[k].fw && s.units[k].fw->kind == EnKind::Negation)))
        ++k;
    if (k < s.units.size() && !s.units[k].fw && s.units[k].cls == kClassVerb) ++k;
    for (; k < s.units.size() && !s.units[k].punct; ++k)
        if (IsVerb(s.units[k])) return k;
    return s.units.size();
}

RelativeRole RoleOf(const EngineTables& tables, const EnglishSentence& s, std::size_t i) {
    const std::string& role = tables.Value("english-relative", s.units[i].lower);
    if (role == "whose") return RelativeRole::Whose;
    if (role == "object") return RelativeRole::Object;
    if (role.empty() || i + 1 >= s.units.size()) return RelativeRole::None;
    const EnglishUnit& next = s.units[i + 1];
    const bool subjectFollows = (next.fw && next.fw->kind == EnKind::Pronoun) || IsDeterminer(next) || IsNounEnd(next);
    // "the house where I was born": an adverb with a subject of its own after it
    if (role != "subject") return subjectFollows ? RelativeRole::Adverb : RelativeRole::None;
    if (IsVerb(next) || (next.fw && next.fw->kind == EnKind::Adverb)) return RelativeRole::Subject;
    return subjectFollows ? RelativeRole::Object : RelativeRole::None;
}

// "I have lost the pen you gave me": after the object of a verb, a subject pronoun and
// its verb are a relative clause too; not after a verb of telling ("told the man you
// were here"), whose object the clause follows.
bool BareRelativeAfterAnObject(const EnglishSentence& s, std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    const EnglishUnit& u = s.units[i];
    if (!u.fw || u.fw->kind != EnKind::Pronoun || !tables.InList("subject-pronoun", u.lower) || !IsVerb(s.units[i + 1]))
        return false;
    const EnglishUnit& verb = s.units[i + 1];
    const bool finite = IsAuxiliary(verb) || verb.tag == kFormPast || verb.tag == kFormThird ||
                        (verb.tag == kFormBase && tables.InList("base-verb-subject", u.lower));
    std::size_t start = NounPhraseStart(s, i - 1);
    if (!finite || start == 0) return false;
    const EnglishUnit& before = s.units[start - 1];
    if (before.fw || before.cls != kClassVerb) return false;
    const std::string& lemma = before.lemma.empty() ? before.lower : before.lemma;
    return !tables.InList("tell-object-verb", lemma);
}

// A word that starts an object after a verb: an article or possessive, a noun or a name.
bool StartsAnObject(const EnglishUnit& u) {
    return IsDeterminer(u) || (!u.fw && !u.punct && (u.cls == kClassNoun || u.cls == kClassName || u.cls == kClassAdjective));
}

// Whether the sentence speaks of the past: a verb in the past anywhere.
bool InThePast(const EnglishSentence& s) {
    for (const EnglishUnit& u : s.units)
        if ((u.fw && (u.lower == "was" || u.lower == "were" || u.lower == "had")) || (!u.fw && u.cls == kClassVerb && u.tag == kFormPast))
            return true;
    return false;
}

// "petitions criticizing his stand", "documents collected by the project": a participle
// right after a noun is a relative clause cut short, which German says in full (die seinen
// Standpunkt kritisierten; die von dem Projekt gesammelt wurden). The "which" and the
// "be" English left out go in, in the tense of the sentence, and the clause rules do the rest.
void ReducedRelativesAfterANoun(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    const bool past = InThePast(s);
    for (std::size_t i = 1; i + 1 < s.units.size(); ++i) {
        const EnglishUnit& noun = s.units[i - 1];
        const EnglishUnit& verb = s.units[i];
        if (!IsNounEnd(noun) || verb.fw || verb.cls != kClassVerb || verb.fixed) continue;
        const EnglishUnit& next = s.units[i + 1];
        const bool ing = verb.tag == kFormPresPart && StartsAnObject(next) &&
                         !tables.InList("time-noun", Lower1252(noun.german));  // "spent years working"
        const bool byWhom = verb.tag == kFormPastPart && next.lower == "by";
        if (!ing && !byWhom) continue;
        EnglishUnit which = verb;
        which.source = which.lower = "which";
        which.fw = tables.English("which");
        which.cls = kClassNone;
        which.german.clear();
        EnglishUnit be = which;
        be.source = be.lower = noun.plural ? (past ? "were" : "are") : (past ? "was" : "is");
        be.fw = tables.English(be.lower, EnKind::Be);
        if (!which.fw || !be.fw) return;
        s.units.insert(s.units.begin() + static_cast<std::ptrdiff_t>(i), {which, be});
        if (s.applied) s.applied->push_back("ReducedRelativesAfterANoun");
        i += 2;
    }
}

}  // namespace

std::string GermanRelativePronoun(const EngineTables& tables, std::uint8_t gender, bool plural, Case c) {
    static const char* const kCases[] = {"nom", "acc", "dat", "gen"};
    const char* g = plural || gender == kPluralOnly ? "p" : gender == kFeminine ? "f" : gender == kNeuter ? "n" : "m";
    return tables.Value("german-relative", std::string(g) + "-" + kCases[static_cast<int>(c)]);
}

// "the city in which we live": a preposition and "which" or "whom" after a noun become
// one unit that opens the relative clause (in der wir leben).
void PrepositionBeforeARelative(EnglishSentence& s, std::size_t i) {
    EnglishUnit& p = s.units[i];
    const EnglishUnit& which = s.units[i + 1];
    if (!p.fw || p.fw->kind != EnKind::Preposition || (which.lower != "which" && which.lower != "whom") ||
        i + 2 >= s.units.size() || !IsNounEnd(s.units[i - 1]))
        return;
    EnglishUnit merged = which;
    merged.source = p.source + " " + which.source;
    merged.lower = Lower1252(merged.source);
    merged.relativePreposition = p.fw;
    s.units[i] = std::move(merged);
    s.units.erase(s.units.begin() + static_cast<std::ptrdiff_t>(i) + 1);
}

void MarkEnglishRelativeClauses(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    ReducedRelativesAfterANoun(s);
    for (std::size_t i = 1; i + 1 < s.units.size(); ++i) {
        PrepositionBeforeARelative(s, i);
        EnglishUnit& u = s.units[i];
        // "My father, who lives in Berlin, ...": after a comma "who", "which" and "where"
        // (never "that") open a clause about the noun before the comma
        const bool comma = i >= 2 && s.units[i - 1].source == "," && IsNounEnd(s.units[i - 2]) && u.lower != "that" &&
                           !tables.Value("english-relative", u.lower).empty();
        const std::size_t nounAt = comma ? i - 2 : i - 1;
        const EnglishUnit& noun = s.units[nounAt];
        // "those who donated": "those" stands for the people the clause tells of (jene, die)
        const bool those = !comma && u.lower == "who" && noun.fw && noun.fw->kind == EnKind::Demonstrative && noun.fw->plural;
        if (!IsNounEnd(noun) && !those) continue;
        RelativeRole role = u.relativePreposition ? RelativeRole::AfterAPreposition : RoleOf(tables, s, i);
        const bool subjectPosition = OpensItsClause(s, NounPhraseStart(s, nounAt)) ||
                                     OpensItsClause(s, JoinedNounsStart(s, nounAt));
        // "the book you read": a subject pronoun and its verb right after a noun in front,
        // and the outer clause's verb after them ("Every morning she drinks tea" has none)
        if (role == RelativeRole::None && subjectPosition && u.fw && u.fw->kind == EnKind::Pronoun &&
            tables.InList("subject-pronoun", u.lower) && IsVerb(s.units[i + 1]) && OuterVerb(s, i + 1) < s.units.size())
            role = RelativeRole::Bare;
        if (role == RelativeRole::None && !subjectPosition && BareRelativeAfterAnObject(s, i)) role = RelativeRole::Bare;
        if (role == RelativeRole::None) continue;
        // "told the man that he ...", "the idea that he ...": the conjunction
        const bool dass = role == RelativeRole::Object && u.lower == "that" &&
                          (ThatAfterANounIsDass(s, i) || ThatAfterSayingAndATime(s, i));
        // "Darrius Bradshaw and Nick Rascona, who play ...": two joined nouns are plural
        const bool joined = JoinedNounsStart(s, nounAt) != NounPhraseStart(s, nounAt);
        if (!dass) {
            u.relative = role;
            u.antecedentGender = noun.gender;
            u.antecedentPlural = noun.plural || joined || those;
        }
        if (!subjectPosition) continue;
        // the clause the relative or "dass" clause interrupted goes on at its verb
        const std::size_t outer = OuterVerb(s, i + 1, comma);
        if (outer < s.units.size()) {
            s.units[outer].resumes = true;
            s.units[outer].antecedentPlural = noun.plural || joined || those;
        }
    }
}

}  // namespace velloc
