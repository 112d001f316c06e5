// German into English: the English verb group of a clause, from the German finite
// verb and the verbs at the clause's end.
#include "engine/de_en.h"
#include "engine/dictionary_source.h"
#include "engine/inflection.h"

namespace velloc {
namespace {

enum class Need { Base, PastPart };  // what the next verb of the chain must be

struct VerbGroupState {
    const GermanClause& c;
    const GermanUnit& f;
    bool past, subjunctive, third;
    const GermanUnit* n0;  // the first verb after the finite one
    bool n0Participle, n0Infinitive;
    std::vector<std::string> words;
    Need need = Need::Base;
    std::size_t chainFrom = 0;  // the chain's verbs from here on are still to be said
};

// The English modal's form from its table (engine/data/english-modals.tsv).
std::string ModalFinite(const EngineTables& tables, const std::string& modal, bool past, int person, bool plural,
                        bool negated = false) {
    const EnglishModal* forms = tables.Modal(modal);
    if (!forms) return negated ? modal + " not" : modal;
    if (negated) return past ? forms->notPast : person == 3 && !plural ? forms->notThird : forms->notPresent;
    if (past) return forms->past;
    return person == 3 && !plural ? forms->third : forms->present;
}

std::string BeForm(bool past, int person, bool plural) {
    if (past) return (person == 1 || person == 3) && !plural ? "was" : "were";
    if (person == 1 && !plural) return "am";
    return person == 3 && !plural ? "is" : "are";
}

// "ist gefahren", "sind umgezogen": a perfect, not a state. A verb the dictionary
// knows only as intransitive has no passive, so "sein" with it is a perfect too;
// one that also takes an object is a state ("Die Tür ist geschlossen": is closed).
bool TakesSein(const GermanSentence& s, const GermanUnit& participle) {
    if (GermanTakesSein(s.catalogue, participle.lemma)) return true;
    const WordRecord* w = participle.reading.word;
    return w && !(w->flags & kWordTransitive) && (w->flags & (kWordSein | kWordIntransitive));
}

// The verb in a form, and its partner after "und" in the same one ("blocked and deleted").
template <typename Form>
std::string WithItsPartner(const GermanUnit& u, Form form) {
    return u.andEnglish.empty() ? form(u.english) : form(u.english) + " and " + form(u.andEnglish);
}

// "Ich habe das Buch gelesen": in talk German tells a finished event in the perfect
// where English takes the simple past, unless the clause speaks of a time up to
// now. Written reports (third person) keep the perfect for what still matters,
// unless they name the past time ("gestern hat sie ... gefunden": she found).
// Reported speech ("er habe gesagt") tells what happened: the simple past.
bool PerfectIsSimplePast(const VerbGroupState& v, PerfectReading reading) {
    const GermanClause& c = v.c;
    if (reading == PerfectReading::Perfect || (c.person == 3 && !c.reportedSpeech && reading != PerfectReading::Past) || v.past || v.subjunctive || c.chain.size() != 1 || !v.n0 || !v.n0Participle ||
        v.n0->fw || v.n0->fixed || !v.f.fw)
        return false;
    return v.f.fw->aux == AuxVerb::Haben || (v.f.fw->aux == AuxVerb::Sein && TakesSein(c.s, *v.n0));
}

// "Der Brief ist gestern geschrieben worden": the perfect of the passive, read as a
// simple past like the perfect itself, is "was written".
bool PassivePerfectIsSimplePast(const VerbGroupState& v, PerfectReading reading) {
    const GermanClause& c = v.c;
    const bool pastReading = reading == PerfectReading::Past ||
                             (reading == PerfectReading::PastInTalk && (c.person != 3 || c.reportedSpeech));
    return pastReading && !v.past && !v.subjunctive && v.f.fw && v.f.fw->aux == AuxVerb::Sein && c.chain.size() == 2 &&
           v.n0 && v.n0->fw && v.n0->fw->aux == AuxVerb::Werden && v.n0->fw->participle;
}

void SimplePastOfThePassive(VerbGroupState& v) {
    v.words.push_back(BeForm(true, v.c.person, v.c.plural));
    if (v.c.negate) v.words.push_back("not");
    v.words.push_back(WithItsPartner(v.c.s.units[v.c.chain[1]], [&](const std::string& e) { return EnglishPastPart(v.c.s.catalogue, e); }));
}

void SimplePast(VerbGroupState& v) {
    const Catalogue& cat = v.c.s.catalogue;
    if (v.c.negate || v.c.question) {
        v.words.push_back("did");
        if (v.c.negate) v.words.push_back("not");
        v.words.push_back(WithItsPartner(*v.n0, [](const std::string& e) { return e; }));
    } else {
        v.words.push_back(WithItsPartner(*v.n0, [&](const std::string& e) { return EnglishPast(cat, e); }));
    }
}

void LexicalVerb(VerbGroupState& v, const std::string& e);

// Each word of an auxiliary its own entry, so that a question puts its subject after the
// first ("Hättest du Zeit?": would you have time).
void PushAuxiliary(VerbGroupState& v, std::string_view words) {
    for (std::string_view w : SplitWords(words)) v.words.emplace_back(w);
}

// "not" follows the first auxiliary word: "would not have made", not "would have not made".
void NotAfterFirst(VerbGroupState& v) {
    if (!v.c.negate) return;
    const std::string first = v.words.front();
    const size_t space = first.find(' ');
    if (space == std::string::npos) {
        v.words.insert(v.words.begin() + 1, "not");
        return;
    }
    v.words.front() = first.substr(0, space);
    v.words.insert(v.words.begin() + 1, {"not", first.substr(space + 1)});
}

void ModalVerb(VerbGroupState& v) {
    const GermanWord& w = *v.f.fw;
    const bool should = v.subjunctive && w.english == std::string("should");
    std::string m = should ? (v.c.negate ? "should not" : "should")
                           : ModalFinite(v.c.s.catalogue.Tables(), w.english, v.past, v.c.person, v.c.plural, v.c.negate);
    for (std::string_view p : SplitWords(m)) v.words.emplace_back(p);
    if (!v.n0 && v.words.back() == "to") v.words.pop_back();  // "Ich kann das." keeps its own meaning
}

// A comparative the clause says of its subject ("wird älter"), not one of a noun phrase
// ("zu einer härteren Sache").
// With changing, also an adjective of change after the verb ("wird dunkel"; table
// becoming-adjective), which a main clause tells as going on (is getting dark).
bool ComparativeIn(const GermanClause& c, bool changing = false) {
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (u.fw || u.cls != kClassAdjective) continue;
        if (u.reading.tag != kFormComparative &&
            !(changing && u.reading.tag == kFormBase && c.s.catalogue.Tables().InList("becoming-adjective", u.lemma)))
            continue;
        const GermanUnit* prev = i > c.begin ? &c.s.units[i - 1] : nullptr;
        const GermanUnit* next = i + 1 < c.end ? &c.s.units[i + 1] : nullptr;
        if (prev && prev->fw && (prev->fw->kind == GermanKind::Article || prev->fw->kind == GermanKind::Preposition)) continue;
        if (next && (IsNounLike(*next) || (!next->fw && next->cls == kClassAdjective))) continue;
        return true;
    }
    return false;
}

void WerdenVerb(VerbGroupState& v) {
    if (v.n0 && v.n0Participle && !(v.n0->fw && v.n0->fw->aux == AuxVerb::Sein)) {
        const bool future = v.c.future && !v.past && !v.subjunctive;  // "werden morgen abgeschickt": will be sent
        PushAuxiliary(v, future ? "will be" : v.subjunctive ? "would be" : BeForm(v.past, v.c.person, v.c.plural));
        v.need = Need::PastPart;
    } else if (v.n0 && v.n0Infinitive) {
        v.words.push_back(v.subjunctive || v.past ? "would" : "will");
    } else if (ComparativeIn(v.c, true)) {  // "Je älter er wird": the older he gets
        // "Die Tage werden kürzer", "Er wird müde": a main clause tells it as it goes on
        // (are getting shorter); "Morgen wird es besser": will get better
        const std::string& opening = v.c.s.units[v.c.begin].lower;
        const bool verbLast = v.c.finite + 1 >= v.c.end || v.c.s.units[v.c.finite + 1].punct;
        const bool goingOn = !v.subjunctive && !v.past && !v.c.subordinate && !verbLast && opening != "je" &&
                             opening != "desto" && opening != "umso";
        if (goingOn && v.c.future) PushAuxiliary(v, "will get");
        else if (goingOn) PushAuxiliary(v, BeForm(false, v.c.person, v.c.plural) + " getting");
        else PushAuxiliary(v, v.subjunctive ? "would get" : v.past ? "got" : v.third ? "gets" : "get");
    } else if (v.c.future && !v.past && !v.subjunctive) {  // "Nächstes Jahr wird er dreißig": will be thirty
        bool age = false;
        for (std::size_t i = v.c.begin; i < v.c.end; ++i) age = age || v.c.s.units[i].number || v.c.s.units[i].cls == kClassNumeral;
        PushAuxiliary(v, age ? "will be" : "will become");
    } else {
        PushAuxiliary(v, v.subjunctive ? "would become" : v.past ? "became" : v.third ? "becomes" : "become");
    }
    NotAfterFirst(v);
}

// False when "haben" stands alone and the group is complete.
// "hat ... lesen wollen", "hätte kommen können": the perfect of a modal takes its
// infinitive. English says the modal's past ("wanted to read", "could not come"),
// or in the subjunctive its own perfect ("could have come", "would have had to go";
// table modal-unreal-perfect, where "+pp" asks for the participle).
bool ModalPerfect(VerbGroupState& v) {
    const EngineTables& tables = v.c.s.catalogue.Tables();
    const std::string modal = v.n0->fw->english;
    std::string m;
    if (v.subjunctive) {
        m = tables.Value("modal-unreal-perfect", modal);
        if (m.empty()) return false;
        v.need = Need::Base;
        if (m.size() > 3 && m.compare(m.size() - 3, 3, "+pp") == 0) {
            m = m.substr(0, m.size() - 4);
            v.need = Need::PastPart;
        }
        for (std::string_view p : SplitWords(m)) v.words.emplace_back(p);
        NotAfterFirst(v);
    } else {
        m = ModalFinite(tables, modal, true, v.c.person, v.c.plural, v.c.negate);
        for (std::string_view p : SplitWords(m)) v.words.emplace_back(p);
        v.need = Need::Base;
    }
    v.chainFrom = 1;
    return true;
}

bool HabenVerb(VerbGroupState& v) {
    if (!v.n0 && v.c.likes) {  // "Ich habe dich gern": I like you
        LexicalVerb(v, "like");
        return false;
    }
    if (v.n0 && v.n0->fw && v.n0->fw->kind == GermanKind::Modal && !v.n0->fw->participle && ModalPerfect(v))
        return true;
    PushAuxiliary(v, v.subjunctive ? "would have" : v.past ? "had" : v.third ? "has" : "have");
    v.need = Need::PastPart;
    if (v.n0) {
        NotAfterFirst(v);
        return true;
    }
    // "hat kein Auto": does not have; "Hast du einen Hund?": do you have
    if ((v.c.negate || v.c.question) && !v.subjunctive) {
        v.words.insert(v.words.begin(), v.past ? "did" : v.third ? "does" : "do");
        if (v.c.negate) v.words.insert(v.words.begin() + 1, "not");
        v.words.back() = "have";
    }
    return false;
}

void SeinVerb(VerbGroupState& v) {
    const GermanUnit* n0 = v.n0;
    const bool perfect = n0 && !n0->fw && v.n0Participle && TakesSein(v.c.s, *n0);
    // "Ich bin 1990 geboren": the state of being born tells of the past (I was born)
    const bool pastState = n0 && !n0->fw && v.c.s.catalogue.Tables().Value("english-participle-only", n0->english) == "past";
    if (perfect || (n0 && n0->fw && n0->fw->participle && n0->fw->aux != AuxVerb::Haben))
        PushAuxiliary(v, v.subjunctive ? "would have" : v.past ? "had" : v.third ? "has" : "have");
    else
        PushAuxiliary(v, v.subjunctive ? "would be" : BeForm(v.past || pastState, v.c.person, v.c.plural));
    v.need = Need::PastPart;
    NotAfterFirst(v);
}

void LexicalVerb(VerbGroupState& v, const std::string& e) {
    const GermanClause& c = v.c;
    // "be interested", or "be" alone ("Es geht um Geld": it is about money)
    const bool be = e == "be" || e.compare(0, 3, "be ") == 0;
    const std::string afterBe = e.size() > 3 ? e.substr(3) : std::string();
    if (c.imperative) {  // "Kommen Sie nicht": do not come
        if (c.negate) v.words.push_back("do not");
        v.words.push_back(e);
    } else if (c.upToNow && !v.past && !v.subjunctive && !c.question && !be) {
        v.words.push_back(v.third ? "has" : "have");  // "wohnt seit drei Jahren": has lived
        if (c.negate) v.words.push_back("not");
        if (c.progressive) v.words.push_back("been");  // "schneit seit gestern": has been snowing
        v.words.push_back(c.progressive ? EnglishIng(c.s.catalogue, e) : EnglishPastPart(c.s.catalogue, e));
    } else if (c.future && !v.past && !v.subjunctive) {
        v.words.push_back("will");  // "kommt morgen": will come
        if (c.negate) v.words.push_back("not");
        v.words.push_back(e);
    } else if (c.progressive && !v.past && !v.subjunctive && !be) {
        v.words.push_back(BeForm(false, c.person, c.plural));  // "arbeitet gerade": is working
        if (c.negate) v.words.push_back("not");
        v.words.push_back(EnglishIng(c.s.catalogue, e));
    } else if ((c.negate || (c.question && c.chain.empty())) && !v.subjunctive && be) {
        // "Interessierst du dich für Musik?": are you interested, not "do you be"
        v.words.push_back(BeForm(v.past, c.person, c.plural));
        if (c.negate) v.words.push_back("not");
        if (!afterBe.empty()) v.words.push_back(afterBe);
    } else if (c.negate || (c.question && c.chain.empty())) {
        v.words.push_back(v.subjunctive ? "would" : v.past ? "did" : v.third ? "does" : "do");
        if (c.negate) v.words.push_back("not");
        v.words.push_back(e);
    } else if (v.subjunctive) {
        v.words.push_back("would " + e);
    } else if (be) {  // "sich freuen": to be pleased, "I am pleased"
        v.words.push_back(BeForm(v.past, c.person, c.plural) + (afterBe.empty() ? "" : " " + afterBe));
    } else if (v.past) {
        v.words.push_back(EnglishPast(c.s.catalogue, e));
    } else {
        v.words.push_back(v.third ? EnglishThird(c.s.catalogue, e) : e);
    }
    for (std::size_t k : c.chain) {
        const GermanUnit& u = c.s.units[k];
        v.words.push_back(u.reading.zuInfinitive ? ZuInfinitiveEnglish(c.s.catalogue, e, u.english) : UnitEnglish(c.s, k));
    }
}

// The rest of the chain, each verb governed by the one before.
void ChainVerbs(VerbGroupState& v) {
    const GermanClause& c = v.c;
    for (std::size_t k = v.chainFrom; k < c.chain.size(); ++k) {
        const GermanUnit& u = c.s.units[c.chain[k]];
        const GermanUnit* after = k + 1 < c.chain.size() ? &c.s.units[c.chain[k + 1]] : nullptr;
        if (u.reading.zuInfinitive) {
            const std::string& governing = k > 0 ? c.s.units[c.chain[k - 1]].english : v.f.english;
            v.words.push_back(ZuInfinitiveEnglish(c.s.catalogue, governing, u.english));
            continue;
        }
        if (!u.fw && u.cls != kClassVerb) {
            v.words.push_back(UnitEnglish(c.s, c.chain[k]));
            continue;
        }
        if (u.fw && u.fw->aux == AuxVerb::Werden) { v.words.push_back(u.fw->participle ? "been" : "be"); v.need = Need::PastPart; continue; }
        if (u.fw && u.fw->aux == AuxVerb::Haben) { v.words.push_back(u.fw->participle ? "had" : "have"); v.need = Need::PastPart; continue; }
        if (u.fw && u.fw->aux == AuxVerb::Sein) {
            bool perfect = after && !after->fw && TakesSein(c.s, *after);
            v.words.push_back(u.fw->participle ? "been" : perfect ? "have" : "be");
            v.need = Need::PastPart;
            continue;
        }
        if (u.fw && u.fw->kind == GermanKind::Modal) {
            v.words.push_back(u.fw->english == std::string("can") ? "be able to" : u.fw->english);
            v.need = Need::Base;
            continue;
        }
        const bool participle = v.need == Need::PastPart;
        v.words.push_back(WithItsPartner(u, [&](const std::string& e) { return participle ? EnglishPastPart(c.s.catalogue, e) : e; }));
    }
}

}  // namespace

std::vector<std::string> EnglishVerbGroup(const GermanClause& c, PerfectReading perfect, std::size_t& insertAt) {
    const GermanUnit& f = c.Finite();
    const GermanUnit* n0 = c.chain.empty() ? nullptr : &c.s.units[c.chain[0]];
    const bool n0Participle = n0 && ((n0->fw && n0->fw->participle) || (!n0->fw && n0->reading.tag == kFormPastPart));
    // "Er sagte, die Lage sei ernst": reported speech tells what was, in the past
    // (was serious, would examine, could come); its perfect keeps its own reading
    const bool perfectForm = f.fw && (f.fw->aux == AuxVerb::Haben || f.fw->aux == AuxVerb::Sein) && n0Participle;
    const bool reportedPast = c.reportedSpeech && !perfectForm;
    VerbGroupState v{c,
                     f,
                     reportedPast || (f.fw ? f.fw->past : (f.reading.tag == kFormPast || f.reading.tag == kFormPastPlural)),
                     f.fw ? f.fw->subjunctive : f.reading.tag == kFormSubjunctive,
                     c.person == 3 && !c.plural,
                     n0,
                     n0Participle,
                     n0 && !n0Participle && !n0->reading.zuInfinitive,
                     {}};
    insertAt = 1;
    if (PerfectIsSimplePast(v, perfect)) {
        SimplePast(v);
        return v.words;
    }
    if (PassivePerfectIsSimplePast(v, perfect)) {
        SimplePastOfThePassive(v);
        return v.words;
    }
    if (!f.fw) {
        LexicalVerb(v, f.english);
        return v.words;
    }
    if (f.fw->kind == GermanKind::Modal) ModalVerb(v);
    else if (f.fw->aux == AuxVerb::Werden) WerdenVerb(v);
    else if (f.fw->aux == AuxVerb::Haben) { if (!HabenVerb(v)) return v.words; }
    else if (f.fw->aux == AuxVerb::Sein) SeinVerb(v);
    else { LexicalVerb(v, f.english); return v.words; }
    ChainVerbs(v);
    return v.words;
}

}  // namespace velloc
