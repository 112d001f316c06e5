// German into English: the stages in order, from the sentence to its translation.
#include "engine/de_en.h"

#include <algorithm>

#include "engine/sentence_units.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

bool IsQuoteMark(const GermanUnit& u) {
    return u.punct && (u.source == "\"" || u.source == "\x84" || u.source == "\x93");
}

}  // namespace

bool CommaBetweenQuotedTerms(const GermanSentence& s, std::size_t k) {
    const std::vector<GermanUnit>& units = s.units;
    return k > 0 && k + 1 < units.size() && units[k].source == "," && IsQuoteMark(units[k - 1]) &&
           IsQuoteMark(units[k + 1]);
}

namespace {

// "Pseudonyme wie \"Juricola\" benutzten": quotation marks around a few words without a
// verb, with words on both sides, mark a name or a term inside the clause.
bool QuotesATermInsideAClause(const GermanSentence& s, std::size_t i) {
    const std::vector<GermanUnit>& units = s.units;
    std::size_t quotes = 0;
    for (std::size_t k = 0; k < i; ++k) quotes += IsQuoteMark(units[k]);
    const bool opening = quotes % 2 == 0;
    const std::size_t open = opening ? i : [&] {
        std::size_t k = i;
        while (k > 0 && !IsQuoteMark(units[k - 1])) --k;
        return k == 0 ? i : k - 1;
    }();
    std::size_t close = open + 1;
    while (close < units.size() && !IsQuoteMark(units[close])) ++close;
    if (open == i && !opening) return false;
    if (close >= units.size() || close - open < 2 || close - open > 5) return false;
    for (std::size_t k = open + 1; k < close; ++k)
        if (units[k].punct || !(units[k].cls == kClassNoun || units[k].cls == kClassName || units[k].cls == kClassAdjective || !units[k].known))
            return false;
    // words on both sides: a word before the opening mark, and after the closing one
    // a word or a mark that goes on with the clause; a list of quoted terms
    // ("\"Juricola\", \"Valerius\" und ...") counts as one
    if (open == 0 || (units[open - 1].punct && !CommaBetweenQuotedTerms(s, open - 1))) return false;
    return close + 1 < units.size() && (!units[close + 1].punct || CommaBetweenQuotedTerms(s, close + 1));
}

bool IsClauseBoundary(const GermanSentence& s, std::size_t i, std::size_t begin) {
    if (i == s.units.size()) return true;
    const GermanUnit& u = s.units[i];
    if (IsQuoteMark(u) && QuotesATermInsideAClause(s, i)) return false;
    if (u.punct) {
        static const char* const kMarks[] = {",", ";", ":", "(", ")", "-", "\x84", "\x93", "\""};
        for (const char* m : kMarks)
            if (u.source == m) return true;
        return false;
    }
    if (!u.fw || u.fw->kind != GermanKind::Coordinator || i <= begin) return false;
    // "dieser ikonischen und historischen Wettbewerbe": two adjectives of one noun
    const bool adjectives = i + 2 < s.units.size() && s.units[i - 1].cls == kClassAdjective && !s.units[i - 1].fw &&
                            s.units[i + 1].cls == kClassAdjective && !s.units[i + 1].fw && IsNounLike(s.units[i + 2]);
    return !adjectives;
}

bool StartsSubordinateClause(const GermanSentence& s, std::size_t begin, std::size_t end) {
    const GermanUnit& first = s.units[begin];
    if (first.relative) return true;
    // "..., in dem er wohnt"
    if (begin + 1 < end && s.units[begin + 1].relative) return true;
    if (!first.fw) return false;
    switch (first.fw->kind) {
    case GermanKind::Subordinator: return true;
    // "Welches Buch liest er?": a question's first word asks; after a comma it relates
    case GermanKind::Relative:
    case GermanKind::Question: return begin > 0;
    case GermanKind::Article:  // "..., der dort steht": an article after a comma before no noun
        return begin > 0 && s.units[begin - 1].source == "," && begin + 1 < end &&
               !IsNounLike(s.units[begin + 1]) && s.units[begin + 1].cls != kClassAdjective;
    default: return false;
    }
}

bool IsVerbUnit(const EngineTables& tables, const GermanUnit& u) {
    return !u.punct && (IsFiniteCandidate(u) || IsNonFinite(tables, u));
}

// "... sind bei der Familie und den Freunden.": words after "und" with no verb and no
// clause of their own up to the sentence's end, ending in a noun, are one more phrase
// of the clause before.
bool VerblessToTheSentenceEnd(const GermanSentence& s, std::size_t from) {
    const std::vector<GermanUnit>& units = s.units;
    if (from >= units.size() || units[from].punct) return false;
    for (std::size_t k = from; k < units.size(); ++k) {
        const GermanUnit& u = units[k];
        // "heiß und trocken": adjectives of a predicate are left to the predicate's rule
        if (u.punct) return (u.source == "." || u.source == "!" || u.source == "?") && IsNounLike(units[k - 1]);
        // "und sie um neun": a subject of its own makes a clause without its verb
        if (IsVerbUnit(s.catalogue.Tables(), u) || u.relative || IsNominativePronoun(u)) return false;
        if (u.fw && (u.fw->kind == GermanKind::Subordinator || u.fw->kind == GermanKind::Relative ||
                     u.fw->kind == GermanKind::Particle || u.fw->kind == GermanKind::Coordinator))
            return false;
    }
    return IsNounLike(units.back());
}

// "Am Montag wurden in Rottweil, Konstanz und Stuttgart Häuser durchsucht": a clause
// whose verbs are still to come goes on through a list; its commas and "und" join
// phrases, not clauses. True when the verb-less parts from `at` on end in a verb.
bool ListContinuesTheClause(const GermanSentence& s, std::size_t begin, std::size_t at) {
    const EngineTables& tables = s.catalogue.Tables();
    const std::vector<GermanUnit>& units = s.units;
    if (at >= units.size() || at <= begin) return false;
    const GermanUnit& mark = units[at];
    const bool coordinator = mark.fw && mark.fw->kind == GermanKind::Coordinator;
    if (mark.source != "," && !coordinator) return false;
    if (IsVerbUnit(tables, units[at - 1])) return false;  // the clause before is complete
    // "Das ist der Mann, den er sieht": a relative pronoun opens a clause of its own
    if (at + 1 < units.size() && (units[at + 1].relative || (at + 2 < units.size() && units[at + 2].relative))) return false;
    const bool joins = mark.lower == "und" || mark.lower == "oder" || mark.lower == "sowie";  // not "aber"
    if (joins && VerblessToTheSentenceEnd(s, at + 1)) return true;  // "bei der Familie und den Freunden."
    // the clause before waits for its verb: a subordinate one, or an auxiliary or modal in it
    bool waits = StartsSubordinateClause(s, begin, at);
    for (std::size_t k = begin; k < at && !waits; ++k)
        waits = units[k].fw && (units[k].fw->kind == GermanKind::Auxiliary || units[k].fw->kind == GermanKind::Modal) &&
                !units[k].fw->participle;
    // "Zwischen Konstanz und Palermo bestand ...": no verb yet, so the clause's verb is still to come
    bool verbless = true;
    for (std::size_t k = begin; k < at && verbless; ++k) verbless = !IsVerbUnit(tables, units[k]);
    if (verbless && coordinator && !StartsSubordinateClause(s, begin, at)) {
        for (std::size_t k = at + 1; k < units.size(); ++k) {
            const GermanUnit& u = units[k];
            if (u.punct || u.relative || (u.fw && u.fw->kind != GermanKind::Article && u.fw->kind != GermanKind::Preposition &&
                                          !IsFiniteCandidate(u)))
                return false;
            if (IsFiniteCandidate(u)) return true;
        }
        return false;
    }
    if (!waits) return false;
    for (std::size_t k = at + 1; k < units.size(); ++k) {
        const GermanUnit& u = units[k];
        if (u.punct) {
            if (IsQuoteMark(u) && QuotesATermInsideAClause(s, k)) continue;
            if (u.source != ",") return false;
            const GermanUnit* next = k + 1 < units.size() ? &units[k + 1] : nullptr;
            if (!next || next->relative || (next->fw && (next->fw->kind == GermanKind::Subordinator ||
                                                         next->fw->kind == GermanKind::Question)))
                return false;
            continue;
        }
        // a zu-infinitive after the comma is a clause of its own
        if (u.fw && (u.fw->kind == GermanKind::Subordinator || u.fw->kind == GermanKind::Relative ||
                     u.fw->kind == GermanKind::Particle))
            return false;
        if (IsVerbUnit(tables, u)) {
            // "angenommen haben": the verbs at the end stand together
            std::size_t e = k;
            while (e + 1 < units.size() && IsVerbUnit(tables, units[e + 1])) ++e;
            const bool atTheEnd = e + 1 == units.size() || units[e + 1].punct ||
                                  (units[e + 1].fw && units[e + 1].fw->kind == GermanKind::Coordinator);
            bool zu = false;
            for (std::size_t v = k; v <= e; ++v) zu = zu || units[v].reading.zuInfinitive;
            return atTheEnd && !zu;
        }
    }
    return false;
}

// A verb that can be finite where it stands: not after "zu" ("zu lesen").
bool FiniteHere(const GermanClause& c, std::size_t i) {
    const std::vector<GermanUnit>& units = c.s.units;
    const bool afterZu = i > c.begin && units[i - 1].fw && units[i - 1].fw->kind == GermanKind::Particle;
    return IsFiniteCandidate(units[i]) && !afterZu;
}

// "Keiner behauptet, dass ...": a clause needs a finite verb, so a form read as a
// participle that can also be finite ("behauptet") is the finite verb after all.
bool TakeAFiniteForm(GermanClause& c) {
    for (std::size_t i = c.begin; i < c.end; ++i) {
        GermanUnit& u = c.s.units[i];
        if (!u.finiteForm.word || u.reading.tag != kFormPastPart) continue;
        u.reading = u.finiteForm;
        u.english = BestEnglishSense(c.s, u.reading.word, kClassVerb);
        return true;
    }
    return false;
}

// The finite verb, the verbs at the clause's end and their English order; false
// when the clause has no finite verb.
bool FindTheVerbs(GermanClause& c) {
    const std::vector<GermanUnit>& units = c.s.units;
    // "hat länger geschlafen als erwartet": the comparison's end stands after the verbs
    std::size_t end = c.end;
    if (end >= c.begin + 4 && units[end - 1].fixed && units[end - 1].cls == kClassVerb && units[end - 2].fixed &&
        units[end - 2].lower == "als")
        end -= 2;
    c.clusterStart = end;
    while (c.clusterStart > c.begin) {
        const GermanUnit& u = units[c.clusterStart - 1];
        if (u.punct) break;
        const bool particle = u.fw && u.fw->kind == GermanKind::Particle && c.clusterStart < end;
        if (IsNonFinite(c.s.catalogue.Tables(), u) || particle || (c.subordinate && FiniteHere(c, c.clusterStart - 1))) { --c.clusterStart; continue; }
        break;
    }
    c.finite = c.end;
    if (c.subordinate) {
        for (std::size_t i = end; i > c.begin + 1; --i)
            if (FiniteHere(c, i - 1) && i - 1 >= c.clusterStart) { c.finite = i - 1; break; }
        if (c.finite == c.end)
            for (std::size_t i = c.begin + 1; i < c.end; ++i)
                if (FiniteHere(c, i)) { c.finite = i; break; }
    } else {
        for (std::size_t i = c.begin; i < c.end; ++i)
            if (FiniteHere(c, i) && !(units[i].fw && units[i].lower == "sein" && i + 1 < c.end && !units[i + 1].punct)) {
                c.finite = i;
                break;
            }
    }
    if (c.finite == c.end) return false;
    const std::size_t stop = c.subordinate ? c.clusterStart : std::max(c.clusterStart, c.finite + 1);
    for (std::size_t i = end; i > stop; --i) {
        const GermanUnit& u = units[i - 1];
        if (i - 1 != c.finite && !(u.fw && u.fw->kind == GermanKind::Particle)) c.chain.push_back(i - 1);
    }
    // "hat aufgehört zu rauchen": a "zu" infinitive after the verb that governs it
    // stays after it in English too (has stopped smoking)
    if (c.chain.size() >= 2 && c.chain[1] + 2 == c.chain[0] && units[c.chain[0] - 1].lower == "zu")
        std::rotate(c.chain.begin(), c.chain.begin() + 1, c.chain.end());
    return true;
}

// Person and number of the subject, from a subject pronoun or else the verb.
void SubjectPersonAndNumber(GermanClause& c) {
    const GermanUnit& f = c.Finite();
    c.person = 3;
    c.plural = false;
    if (f.fw) {
        c.person = f.fw->person ? f.fw->person : 3;
        c.plural = f.fw->plural;
    } else {
        std::uint8_t t = f.reading.tag;
        c.plural = t == kFormPastPlural || (t == kFormBase && f.lower.size() > 2 && f.lower.back() == 'n');
        if (t == kFormBase && !c.plural) c.person = 1;
    }
    // "sei", "könne": a form that is only the subjunctive of reported speech; "er habe",
    // "man werde": a form of the first person beside another subject pronoun is too
    c.reportedSpeech = c.s.catalogue.Tables().InList("reported-speech-finite", f.lower);
    const bool firstPersonForm = c.person == 1 && !c.plural;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (!u.fw || u.fw->kind != GermanKind::Pronoun || !u.fw->nominative) continue;
        // "älter als ich", "so groß wie du": the pronoun of a comparison is no subject;
        // "Als ich kam" opens its clause with "als", and "ich" is its subject
        // ("größer als" may have come as one term)
        if (i > c.begin + 1) {
            const std::string& before = c.s.units[i - 1].lower;
            if (before == "als" || before == "wie" || EndsWith(before, " als") || EndsWith(before, " wie")) continue;
        }
        if (u.lower == "sie") {  // number from the verb
            c.person = 3;
            c.reportedSpeech = c.reportedSpeech || firstPersonForm;
            return;
        }
        c.person = u.fw->person;
        c.plural = u.fw->plural;  // "man" is the generic "you" of the table, and agrees as "you"
        c.reportedSpeech = c.reportedSpeech || (firstPersonForm && c.person != 1);
        return;
    }
    // "Das Thema gebe", "er habe gesagt, dass nicht ermittelt werde": without "ich" a
    // form of the first person is the subjunctive of reported speech, in the third
    // ("und gebe ihm" still shares an "ich" of the clause before)
    if (c.person == 1 && !c.plural) {
        bool nounBefore = false;
        // "Diese arbeite": a determiner standing alone names a third person too
        for (std::size_t i = c.begin; i < c.finite && !nounBefore; ++i)
            nounBefore = IsNounLike(c.s.units[i]) || (c.s.units[i].fw && c.s.units[i].fw->kind == GermanKind::Article);
        if (nounBefore || c.subordinate) {
            c.person = 3;
            c.reportedSpeech = true;
        }
    }
}

void TranslateClause(GermanSentence& s, std::size_t begin, std::size_t end, std::vector<bool>& used,
                     std::vector<std::string>& out) {
    GermanClause c(s, begin, end, out, used);
    // leading connectors and punctuation; closing punctuation comes last
    while (begin < end && (s.units[begin].punct || (s.units[begin].fw && s.units[begin].fw->kind == GermanKind::Coordinator)))
        c.Emit(begin++);
    std::size_t closing = end;
    while (closing > begin && s.units[closing - 1].punct) --closing;
    if (closing < end) {
        TranslateClause(s, begin, closing, used, out);
        for (std::size_t i = closing; i < end; ++i) out.push_back(UnitEnglish(s, i));
        return;
    }
    if (begin >= end) return;
    c.begin = begin;
    c.subordinate = StartsSubordinateClause(s, begin, end);
    if (!FindTheVerbs(c) && !(TakeAFiniteForm(c) && FindTheVerbs(c))) {
        ApplyRules(GermanNonFiniteClauseRules(), c);
        // "Der Mann, der dort steht, ist ...": a noun phrase alone waits for its verb
        s.subjectWaiting = GermanNounPhraseEnd(s, begin, end) == end;
        return;
    }
    SubjectPersonAndNumber(c);
    ApplyRules(GermanClauseRules(), c);
    c.EmitWhatWasHeldBack();
    if (!c.subordinate) s.subjectWaiting = false;
}

// English sets no comma before "that", "whether", "if" or a question word, nor before a
// relative clause that tells which one is meant ("the man who", "the book that").
bool CommaBeforeThat(const GermanSentence& s, std::size_t i) {
    const GermanUnit* next = i + 1 < s.units.size() ? &s.units[i + 1] : nullptr;
    const GermanUnit* after = i + 2 < s.units.size() ? &s.units[i + 2] : nullptr;
    if (s.units[i].source == "," && next && (next->relative || (after && after->relative && next->fw)))
        return !RelativeClauseKeepsCommas(*(next->relative ? next : after));
    const EngineTables& tables = s.catalogue.Tables();
    // "Er sagte, er würde ...": he said he would
    if (s.units[i].source == "," && next && i > 0 && tables.InList("reporting-verb", Lower1252(s.units[i - 1].lemma)) &&
        (IsNominativePronoun(*next) || (next->fw && next->fw->kind == GermanKind::Article)))
        return true;
    return s.units[i].source == "," && next && next->fw &&
           ((next->fw->kind == GermanKind::Subordinator && (next->fw->english == std::string("that") || next->lower == "ob" ||
                                                                    tables.InList("condition-word", next->lower))) ||
            (i > 0 && !s.units[i - 1].punct && tables.InList("no-comma-before", next->lower)) ||
            (next->fw->kind == GermanKind::Question && UnitEnglish(s, i + 1) != "as") ||  // ", as the police said"
            // "..., welches Buch er liest", "..., mit wem er spricht": an indirect question
            (!next->relative && s.catalogue.Tables().InList("asks-with-a-noun", next->lower)) ||
            (next->fw->kind == GermanKind::Preposition && after && after->fw && after->fw->kind == GermanKind::Question));
}

}  // namespace

Translation TranslateGermanToEnglish(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline) {
    Translation result;
    if (const char* example = catalogue.Example(NormaliseSentenceKey(sentence))) {
        result.text = FinishSentence(example, sentence);
        return result;
    }
    GermanSentence s{catalogue, options, user, {}, false, &result.rules, {}};
    if (!AnalyseGermanSentence(s, Tokenise(sentence, catalogue), deadline) || Clock::now() > deadline) {
        result.status = Translation::kTimedOut;
        return result;
    }
    HalfBeforeAnHour(s);
    SpanOfTimeBeforeEarlierOrLater(s);  // before the dictionary's "drei Tage später": three days afterwards
    AberInsideAClauseGoesToItsFront(s);
    MatchGermanPhrases(s);
    VerbsJoinedByUndShareTheAuxiliary(s);
    ExperiencerBecomesTheSubject(s);
    DativeWithoutASubjectIsTheSubject(s);
    MarkRelativePronouns(s);
    MarkExtendedAttributes(s);
    if (options.explain)
        for (const GermanUnit& u : s.units) {
            // the other senses the model may choose among afterwards
            const std::vector<std::string> senses =
                u.cls == kClassVerb && !u.fw ? EnglishSenses(s, u.reading.word, u.cls, 6) : u.senses;
            std::string others;
            for (std::size_t k = 1; k < senses.size() && k < 6; ++k) others += (k == 1 ? " [" : "; ") + senses[k];
            result.analysis.push_back(u.source + " | " + (u.fw ? "closed" : ClassName(u.cls)) + " " +
                                      FormName(u.reading.tag) + (u.reading.zuInfinitive ? " zu" : "") + " | " +
                                      u.lemma + " | " + u.english + (u.known ? "" : " (unknown)") +
                                      (others.empty() ? "" : others + "]"));
        }
    bool anyKnown = false;
    for (const GermanUnit& u : s.units) {
        if (!u.known && !u.punct && !u.number) result.unknown.push_back(u.source);
        anyKnown = anyKnown || (u.known && !u.punct && !u.number);
    }
    if (!anyKnown && !s.units.empty() && result.unknown.size() == s.units.size()) {
        result.status = Translation::kNothing;
        return result;
    }
    std::vector<std::string> words;
    std::vector<bool> used(s.units.size(), false);
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= s.units.size(); ++i) {
        if (!IsClauseBoundary(s, i, begin) || ListContinuesTheClause(s, begin, i)) continue;
        if (Clock::now() > deadline) { result.status = Translation::kTimedOut; return result; }
        TranslateClause(s, begin, i, used, words);
        begin = i;
        if (i < s.units.size() && s.units[i].punct) {
            if (!CommaBeforeThat(s, i)) words.push_back(UnitEnglish(s, i));
            begin = i + 1;
        }
    }
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        const GermanUnit& u = s.units[i];
        if (!used[i] && !u.drop && !u.punct && !u.number && !u.fw) result.dropped.push_back(u.source);
    }
    ChooseSensesByTheModel(s, words);
    SaxonGenitiveForPersons(s, words);
    result.text = FinishEnglish(catalogue.Tables(), words);
    return result;
}

}  // namespace velloc
