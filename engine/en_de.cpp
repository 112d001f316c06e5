// English into German: the stages in order, from the sentence to its translation.
#include "engine/en_de.h"

#include <cstring>

#include "engine/sentence_units.h"

namespace velloc {
namespace {

bool IsConnector(const EnglishUnit& u) { return u.fw && (u.fw->kind == EnKind::Coordinator || u.fw->kind == EnKind::Subordinator); }

// "In the garden, the children play": the comma after a phrase in front ends no clause.
bool CommaAfterAPhraseInFront(const EnglishSentence& s, std::size_t i, std::size_t begin) {
    if (s.units[i].source != "," || begin >= i || i + 1 >= s.units.size()) return false;
    const EnglishUnit& first = s.units[begin];
    const bool phrase = (first.fw && (first.fw->kind == EnKind::Preposition ||
                                      (first.fw->kind == EnKind::Adverb && s.catalogue.Tables().InList("front-adverb", first.lower)))) ||
                        (!first.fw && first.cls == kClassAdverb && begin + 1 == i) || PhraseOpensWithAPreposition(s, first);
    if (!phrase) return false;
    for (std::size_t k = begin; k < i; ++k)
        if (s.units[k].punct || (!s.units[k].fw && s.units[k].cls == kClassVerb) || IsAuxiliary(s.units[k])) return false;
    // "Six civilians, including a worker, were killed": a verb right after the comma
    // has no subject of its own there; the phrase belongs to the clause before
    if (IsVerb(s.units[i + 1])) return false;
    std::size_t end = i + 1;
    while (end < s.units.size() && !s.units[end].punct) ++end;
    return EnglishVerbAhead(s, i + 1, end);
}

bool IsNounPhraseWord(const EnglishUnit& u) {
    return !u.punct && (IsDeterminer(u) || IsNounOrAdjective(u) || u.number || (!u.fw && u.cls == kClassName));
}

bool IsListMark(const EnglishUnit& u) {
    return u.source == "," || (u.fw && u.fw->kind == EnKind::Coordinator && (u.lower == "and" || u.lower == "or"));
}

// "Men, women and children gathered": the commas and "and" of a subject made of
// several noun phrases join them; the clause goes on to their verb.
bool ListOfSubjects(const EnglishSentence& s, std::size_t i, std::size_t begin) {
    // "She and her mother were": a subject pronoun beside "and" is an item of its own
    auto itemWord = [&](std::size_t k) {
        const bool besideAnd = (k > 0 && s.units[k - 1].lower == "and") || (k + 1 < s.units.size() && s.units[k + 1].lower == "and");
        return IsNounPhraseWord(s.units[k]) || (besideAnd && s.catalogue.Tables().InList("subject-pronoun", s.units[k].lower));
    };
    if (begin >= i || !IsListMark(s.units[i]) || !itemWord(begin)) return false;
    for (std::size_t k = begin; k < i; ++k)
        if (!itemWord(k) && !IsListMark(s.units[k])) return false;
    bool item = false;
    for (std::size_t k = i + 1; k < s.units.size(); ++k) {
        const EnglishUnit& u = s.units[k];
        if (IsListMark(u)) { item = false; continue; }
        if (itemWord(k)) { item = true; continue; }
        return item && (IsAuxiliary(u) || (!u.fw && u.cls == kClassVerb));
    }
    return false;
}

// "It combines nature, science, exercise and athletic performance": after the clause's
// verb, commas and "and" between noun phrases up to the sentence's end join objects.
bool ListOfObjects(const EnglishSentence& s, std::size_t i, std::size_t begin) {
    if (begin >= i || !IsListMark(s.units[i]) || !IsNounPhraseWord(s.units[i - 1])) return false;
    bool verb = false;
    for (std::size_t k = begin; k < i && !verb; ++k) verb = IsAuxiliary(s.units[k]) || (!s.units[k].fw && s.units[k].cls == kClassVerb);
    if (!verb) return false;
    bool coordinator = s.units[i].source != ",";
    std::size_t k = i + 1;
    for (; k < s.units.size() && (IsNounPhraseWord(s.units[k]) || IsListMark(s.units[k])); ++k)
        coordinator = coordinator || s.units[k].source != ",";
    const bool sentenceEnd = k == s.units.size() || (s.units[k].punct && s.units[k].source != "," && k + 1 == s.units.size());
    return coordinator && sentenceEnd && k > i + 1 && IsNounPhraseWord(s.units[k - 1]);
}

// "the figure is abstract - she has a voice": a dash after a clause with its verb,
// before a subject pronoun and its verb, ends the one clause and opens the next; other
// dashes set off a phrase inside the clause ("Lazarus - and her friends - knew").
bool DashBetweenTwoClauses(const EnglishSentence& s, std::size_t i, std::size_t begin) {
    if (s.units[i].source != "-" || i + 2 >= s.units.size()) return false;
    bool verb = false;
    for (std::size_t k = begin; k < i && !verb; ++k) verb = IsAuxiliary(s.units[k]) || (!s.units[k].fw && s.units[k].cls == kClassVerb);
    const EnglishUnit& after = s.units[i + 2];
    return verb && s.catalogue.Tables().InList("subject-pronoun", s.units[i + 1].lower) &&
           (IsAuxiliary(after) || (!after.fw && after.cls == kClassVerb));
}

bool IsClauseBoundary(const EnglishSentence& s, std::size_t i, std::size_t begin) {
    if (i == s.units.size()) return true;
    const EnglishUnit& u = s.units[i];
    if (ListOfSubjects(s, i, begin) || ListOfObjects(s, i, begin)) return false;
    if (DashBetweenTwoClauses(s, i, begin)) return true;
    if (u.punct) return u.source != "'" && u.source != "-" && !CommaAfterAPhraseInFront(s, i, begin);
    if (i > begin && (u.relative != RelativeRole::None || u.resumes)) return true;
    return IsConnector(u) && i > begin;
}

// "Yeremias Kayame, 56, the head of the village, saw the danger": a finite verb after
// a comma, with nothing but names, numbers and noun phrases before it, has the first of
// them as its subject. Returns whether that subject is plural through `plural`.
bool AfterASubjectAndItsAppositions(const EnglishSentence& s, std::size_t begin, bool& plural) {
    if (begin < 2 || s.units[begin - 1].source != ",") return false;
    const EnglishUnit& first = s.units[begin];
    const bool finite = IsAuxiliary(first) ||
                        (!first.fw && first.cls == kClassVerb && (first.tag == kFormPast || first.tag == kFormThird));
    if (!finite) return false;
    bool noun = false;
    plural = false;
    for (std::size_t k = 0; k + 1 < begin; ++k) {
        const EnglishUnit& u = s.units[k];
        // "The first bridge, coming from Schramberg, leads": a participle after a comma
        // belongs to an apposition
        const bool participle = !u.fw && u.cls == kClassVerb && (u.tag == kFormPresPart || u.tag == kFormPastPart) &&
                                k > 0 && s.units[k - 1].source == ",";
        if (participle) continue;
        if (IsVerb(u) || (u.fw && u.fw->kind == EnKind::Subordinator)) return false;
        if (!noun && !u.fw && (u.cls == kClassNoun || u.cls == kClassName)) {
            noun = true;
            plural = u.plural;
        }
    }
    return noun;
}

// A verb right after "and", "or" or "but": the clause has the subject of the one before;
// so has a verb in the past right after a comma ("He gave instructions, attempted to steer").
bool SharesTheSubject(const EnglishSentence& s, std::size_t begin) {
    if (begin == 0) return false;
    const EnglishUnit& before = s.units[begin - 1];
    const EnglishUnit& first = s.units[begin];
    bool appositionPlural = false;  // "The dogs, 3, saw": the verb of a subject with its appositions
    if (before.source == "," && !first.fw && first.cls == kClassVerb && !AfterASubjectAndItsAppositions(s, begin, appositionPlural)) {
        // "attempted to steer", "hired a coach": a regular past the tagger took for a participle
        const EnglishUnit* next = begin + 1 < s.units.size() ? &s.units[begin + 1] : nullptr;
        const bool objectAfter = next && (next->lower == "to" || IsDeterminer(*next));
        if (first.tag == kFormPast || (first.tag == kFormPastPart && objectAfter)) return true;
    }
    if (!before.fw || before.fw->kind != EnKind::Coordinator) return false;
    const bool past = first.tag != kFormPastPart || std::strcmp(first.tagName, "VBD") == 0;
    return IsAuxiliary(first) || (!first.fw && first.cls == kClassVerb && first.tag != kFormPresPart && past);
}

// '"We are ready," said Rafferty': the clause right after a quotation's closing mark.
bool AfterAQuotation(const EnglishSentence& s, std::size_t begin) {
    if (begin < 3 || s.units[begin - 1].source != "\"") return false;
    const std::string& before = s.units[begin - 2].source;
    if (before != "," && before != "?" && before != "!") return false;
    int marks = 0;
    for (std::size_t k = 0; k < begin; ++k) marks += s.units[k].source == "\"";
    return marks % 2 == 0;  // the mark closes a quotation
}

// "..., he said.", "..., said the minister.": a subject and a verb of saying alone after
// a comma at the sentence's end report what went before, which German keeps in front
// as their object ("..., sagte er.").
bool ReportingClauseAtTheEnd(const EnglishSentence& s, std::size_t begin, std::size_t end) {
    const std::vector<EnglishUnit>& units = s.units;
    if (begin < 2 || units[begin - 1].source != "," || end - begin < 2) return false;
    const bool last = end == units.size() || (end + 1 == units.size() && units[end].punct && units[end].source != ",");
    if (!last) return false;
    const EngineTables& tables = s.catalogue.Tables();
    auto reporting = [&](const EnglishUnit& u) {
        return !u.fw && u.cls == kClassVerb && (u.tag == kFormPast || u.tag == kFormThird || u.tag == kFormPastPart) &&
               tables.InList("english-reporting-verb", u.lemma.empty() ? u.lower : u.lemma);
    };
    auto subjectWord = [&](const EnglishUnit& u) {
        return IsNounPhraseWord(u) || (u.fw && u.fw->kind == EnKind::Pronoun && tables.InList("subject-pronoun", u.lower));
    };
    const bool verbFirst = reporting(units[begin]);
    const bool verbLast = reporting(units[end - 1]);
    if (!verbFirst && !verbLast) return false;
    for (std::size_t k = verbFirst ? begin + 1 : begin; k < (verbFirst ? end : end - 1); ++k)
        if (!subjectWord(units[k])) return false;
    return true;
}

// What a clause tells the next: whether it is a subordinate clause at the head of the
// sentence, after which the main clause puts its finite verb first.
enum class ClauseInFront { None, Subordinate };

ClauseInFront TranslateClause(EnglishSentence& s, std::size_t begin, std::size_t end, ClauseInFront before,
                              std::vector<std::string>& out) {
    const bool sentenceStart = begin == 0;
    // leading punctuation and "and", "but"
    bool coordinated = false;
    while (begin < end && (s.units[begin].punct || (s.units[begin].fw && s.units[begin].fw->kind == EnKind::Coordinator))) {
        coordinated = coordinated || !s.units[begin].punct;
        out.push_back(s.units[begin].fw ? s.units[begin].fw->german : s.units[begin].source);
        ++begin;
    }
    if (begin >= end) return before;
    EnglishClause c(s, begin, end, out);
    c.i = begin;
    const EnglishUnit& first = s.units[begin];
    if (first.relative != RelativeRole::None) {
        // "who lives next door": the pronoun is the subject; "that you gave me": the
        // subject follows it; "you read": the subject opens the clause
        c.subordinate = true;
        c.relative = first.relative;
        c.antecedentGender = first.antecedentGender;
        c.plural = first.antecedentPlural;
        if (first.relative != RelativeRole::Bare) ++c.i;
        if (first.relative == RelativeRole::Subject) c.subjectRead = true;
    } else if (first.resumes) {  // "is a doctor" after "The man, der nebenan wohnt,"
        c.subjectRead = true;
        c.plural = first.antecedentPlural;
    } else if (ReportingClauseAtTheEnd(s, begin, end)) {  // "..., sagte der Minister."
        c.afterQuotation = true;
        c.afterClauseInFront = !coordinated;
        before = ClauseInFront::None;
    } else if (SharesTheSubject(s, begin)) {  // "saw the danger and appealed for calm"
        c.subjectRead = true;
        c.person = s.lastPerson;
        c.plural = s.lastPlural;
    } else if (AfterASubjectAndItsAppositions(s, begin, c.plural)) {
        c.subjectRead = true;
    } else {
        c.subordinate = first.fw && first.fw->kind == EnKind::Subordinator;
        if (c.subordinate) {
            c.conjunction = out.size();
            const EnglishUnit& conjunction = s.units[c.i++];  // "wann" where "when" asks
            out.push_back(conjunction.german.empty() ? std::string(conjunction.fw->german) : conjunction.german);
        }
        c.unrealCondition = c.subordinate && first.lower == "if" && s.unreal;
        // "who fired", "what happened": the asking word is the clause's subject
        if (c.subordinate && first.fw->person == 3 && c.i < end && IsVerb(s.units[c.i])) c.subjectRead = true;
        if (c.subordinate) {
            if (sentenceStart) before = ClauseInFront::Subordinate;
        } else {
            // "If it rains, we stay at home": Wenn es regnet, bleiben wir zu Hause; after a
            // quotation the quotation stands in front ("...", sagte der Minister)
            c.afterQuotation = AfterAQuotation(s, begin);
            c.afterClauseInFront = (before == ClauseInFront::Subordinate || c.afterQuotation) && !coordinated;
            before = ClauseInFront::None;
        }
    }
    if (c.i >= end) return before;  // a conjunction with nothing after it
    ApplyRules(EnglishClauseRules(), c);
    if (c.subjectRead && !c.subject.empty() && !c.subordinate) {
        s.lastPerson = c.person;
        s.lastPlural = c.plural;
    }
    return before;
}

}  // namespace

Translation TranslateEnglishToGerman(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline) {
    Translation result;
    const char* example = catalogue.Example(NormaliseSentenceKey(sentence));
    if (example && options.honorific && SpeaksFamiliarly(catalogue.Tables(), example)) example = nullptr;
    if (example) {
        result.text = FinishSentence(example, sentence);
        return result;
    }
    EnglishSentence s{catalogue, options, user, {}, &result.rules};
    if (!AnalyseEnglishSentence(s, Tokenise(sentence, catalogue), deadline) || Clock::now() > deadline) {
        result.status = Translation::kTimedOut;
        return result;
    }
    for (const EnglishUnit& u : s.units)
        if (!u.known && !u.punct && !u.number) result.unknown.push_back(u.source);
    if (options.explain)
        for (const EnglishUnit& u : s.units)
            result.analysis.push_back(u.source + " | " + u.tagName + " | " + (u.fw ? "closed" : ClassName(u.cls)) + " " + FormName(u.tag) +
                                      " | " + u.german + (u.known ? "" : " (unknown)"));
    MarkEnglishRelativeClauses(s);
    std::vector<std::string> words;
    std::size_t begin = 0;
    ClauseInFront inFront = ClauseInFront::None;
    for (std::size_t i = 0; i <= s.units.size(); ++i) {
        if (!IsClauseBoundary(s, i, begin)) continue;
        if (Clock::now() > deadline) { result.status = Translation::kTimedOut; return result; }
        inFront = TranslateClause(s, begin, i, inFront, words);
        begin = i;
        // German sets a comma before every subordinate clause, and around a relative one
        const bool relative = i < s.units.size() && (s.units[i].relative != RelativeRole::None || s.units[i].resumes);
        if (i < s.units.size() && ((s.units[i].fw && s.units[i].fw->kind == EnKind::Subordinator) || relative) &&
            !words.empty() && words.back() != "," && !s.units[i - 1].punct)
            words.push_back(",");
        if (i < s.units.size() && s.units[i].punct) {
            words.push_back(s.units[i].source);
            begin = i + 1;
        }
    }
    result.text = FinishGerman(catalogue.Tables(), words);
    return result;
}

}  // namespace velloc
