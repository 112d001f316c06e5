// German into English: the transfer rules of a clause, in the order they run.
// Each rule is named, carries a sentence that shows it at work, and is tested
// with that sentence (tests/engine/de_en_rules_test.cpp).
#include <algorithm>
#include <cstring>

#include "engine/de_en.h"
#include "engine/dictionary_source.h"
#include "engine/inflection.h"
#include "engine/text_1252.h"

namespace velloc {

void GermanClause::Emit(std::size_t i) {
    if (i >= end || used[i]) return;
    used[i] = true;
    std::string e = UnitEnglish(s, i);
    if (e.empty()) return;
    out.push_back(e);
    s.placed.emplace_back(i, out.size() - 1);
    if (!s.units[i].after.empty()) out.push_back(s.units[i].after);
    for (std::size_t k : s.units[i].attribute) Emit(k);
}

void GermanClause::EmitRange(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) Emit(i);
}

void GermanClause::EmitVerbGroup() {
    for (const std::string& w : verbGroup) out.push_back(w);
    EmitPredicate();
}

void GermanClause::EmitPredicate() {
    for (std::size_t i : afterVerb) {
        used[i] = false;
        Emit(i);
    }
    afterVerb.clear();
}

void GermanClause::SayAtTheEnd(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < end; ++i) {
        if (used[i] || s.units[i].inAttribute) continue;
        used[i] = true;
        atTheEnd.push_back(i);
    }
}

void GermanClause::EmitWhatWasHeldBack() {
    for (std::size_t i : atTheEnd) {
        used[i] = false;
        Emit(i);
    }
    atTheEnd.clear();
}

void GermanClause::MarkSubject(std::size_t from, std::size_t to) {
    int nouns = 0;
    for (std::size_t i = from; i < to && i < end; ++i) {
        s.units[i].subject = true;
        s.units[i].subjectPlural = plural;
        nouns += s.units[i].cls == kClassNoun || s.units[i].lower == "und";
    }
    // "Hogans Mitarbeiter haben": a lone noun spelt alike in both numbers, with no
    // determiner of one before it, is as plural as its verb
    const std::size_t last = std::min(to, end);
    if (!plural || nouns != 1 || last == from) return;
    GermanUnit& noun = s.units[last - 1];
    if (noun.cls != kClassNoun || noun.plural || noun.fixed || !PluralSpeltAsSingular(noun)) return;
    std::size_t d = last - 1;
    while (d > from && s.units[d - 1].cls == kClassAdjective && !s.units[d - 1].fw) --d;
    if (d > from && s.units[d - 1].fw) return;
    noun.plural = true;
}

namespace {

bool Always(const GermanClause&) { return true; }

// ---- Verbs ----

// "Er steht früh auf": the particle at the clause's end joins the finite verb; so
// does one before a closing "zu" infinitive ("Es fing an zu regnen").
std::size_t SeparableParticleIn(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    if (f.fw || f.cls != kClassVerb || f.fixed || c.subordinate || c.finite + 2 > c.end) return c.end;
    std::size_t at = c.end - 1;
    const GermanUnit& last = c.s.units[at];
    if (at > c.finite + 2 && c.s.units[at - 1].lower == "zu" && !last.fw && last.cls == kClassVerb &&
        last.reading.tag == kFormBase)
        at -= 2;
    const GermanUnit& p = c.s.units[at];
    return at > c.finite && !p.fixed && c.s.catalogue.Tables().InList("separable-particle", p.lower) ? at : c.end;
}

bool SeparableParticleAtTheEnd(const GermanClause& c) { return SeparableParticleIn(c) != c.end; }

void JoinTheParticle(GermanClause& c) {
    GermanUnit& f = c.Finite();
    const std::size_t last = SeparableParticleIn(c);
    // "kehrt" may have been read as "umkehren": the particle at the end joins the
    // stem ("zurück" + "kehren"), not the other particle verb
    std::string stem = f.lemma;
    const char* own = f.reading.word && f.reading.word->particle ? c.s.catalogue.String(f.reading.word->particle) : "";
    if (*own && stem.compare(0, strlen(own), own) == 0) stem = stem.substr(strlen(own));
    const std::string joined = c.s.units[last].lower + stem;
    if (const WordRecord* w = WordOfClass(c.s.catalogue, joined, kClassVerb)) {
        auto user = c.s.user.find(joined);
        f.english = user != c.s.user.end() ? user->second.translation : BestEnglishSense(c.s, w, kClassVerb);
        f.lemma = joined;
        c.s.units[last].drop = true;
        c.used[last] = true;
        return;
    }
    // a particle the dictionary knows neither alone nor with this verb ("hinzu"):
    // English has no word for it, and copied it would read as a foreign word
    if (!c.s.units[last].known) {
        c.s.units[last].drop = true;
        c.used[last] = true;
    }
}

// "Er wartet auf den Bus": a verb or adjective of the clause that governs the
// preposition gives its English (governed-preposition, from the dictionary).
std::size_t GovernedPreposition(const GermanClause& c, std::string& english, std::size_t* governorAt = nullptr) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::vector<std::size_t> governors;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        const bool verb = i == c.finite || std::find(c.chain.begin(), c.chain.end(), i) != c.chain.end();
        if (!u.fw && !u.lemma.empty() && ((verb && u.cls == kClassVerb) || u.cls == kClassAdjective)) governors.push_back(i);
    }
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& p = c.s.units[i];
        if (!p.fw || p.fw->kind != GermanKind::Preposition || p.fixed || p.senses.empty() || p.drop) continue;
        // "Nach der Arbeit gehe ich schwimmen": in front of a main clause "nach", "vor" ...
        // say when (table front-time-preposition), governed by nothing
        if (i == c.begin && !c.subordinate && tables.InList("front-time-preposition", p.lower)) continue;
        for (std::size_t g : governors) {
            english = tables.Value("governed-preposition", Lower1252(c.s.units[g].lemma) + " " + p.lower);
            if (english.empty()) continue;
            if (governorAt) *governorAt = g;
            return i;
        }
    }
    return c.end;
}

bool PrepositionGovernedByAWord(const GermanClause& c) {
    std::string english;
    return GovernedPreposition(c, english) != c.end;
}

// "mit großen Duschen ausgestattet": a verb whose English brings its preposition
// ("equip with") meets the German one that says it; English says it once, before the
// noun phrase ("equipped with big showers").
struct VerbPreposition {
    std::size_t verb, preposition;
};

VerbPreposition PrepositionTheVerbsEnglishHas(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::vector<std::size_t> verbs(c.chain.begin(), c.chain.end());
    verbs.push_back(c.finite);
    for (std::size_t v : verbs) {
        const GermanUnit& u = c.s.units[v];
        const std::size_t blank = u.english.rfind(' ');
        if (u.fw || u.cls != kClassVerb || blank == std::string::npos) continue;
        const std::string own = u.english.substr(blank + 1);
        if (!tables.InList("english-preposition", own)) continue;
        for (std::size_t i = c.begin; i < c.end; ++i) {
            const GermanUnit& p = c.s.units[i];
            if (!p.fw || p.fw->kind != GermanKind::Preposition || p.fixed || p.drop) continue;
            // its first sense only: "ansehen als ... in" is no "look at" with "in"
            const std::string senses = tables.Value("preposition-senses", p.lower);
            if (senses.substr(0, senses.find('|')) == own) return {v, i};
        }
    }
    return {c.end, c.end};
}

bool VerbWhoseEnglishHasTheClausesPreposition(const GermanClause& c) { return PrepositionTheVerbsEnglishHas(c).verb != c.end; }

void SayThePrepositionOnce(GermanClause& c) {
    const VerbPreposition found = PrepositionTheVerbsEnglishHas(c);
    GermanUnit& verb = c.s.units[found.verb];
    const std::size_t blank = verb.english.rfind(' ');
    c.s.units[found.preposition].english = verb.english.substr(blank + 1);
    c.s.units[found.preposition].senses.clear();
    verb.english.resize(blank);
}

// "sich freuen auf" is "look forward to", "sich interessieren für" is "be interested in":
// a reflexive verb with its preposition names verb and preposition together (table
// reflexive-with-preposition, "verb preposition" -> "English verb|English preposition").
struct ReflexiveTerm {
    std::size_t verb, preposition;
    std::string english, englishPreposition;
};

// "sich", or "mich", "uns" ... of the subject's own person: "Er erinnert mich an …"
// is not reflexive.
bool OwnReflexivePronoun(const GermanClause& c, const GermanUnit& u) {
    return u.lower == "sich" || (c.s.catalogue.Tables().InList("reflexive-pronoun", u.lower) && u.fw &&
                                 u.fw->person == c.person && u.fw->plural == c.plural);
}

// The clause's lexical verb: the last one of its chain, else the finite verb.
std::size_t MainVerbOf(const GermanClause& c) {
    std::size_t v = c.finite;
    for (std::size_t k : c.chain)
        if (!c.s.units[k].fw && c.s.units[k].cls == kClassVerb) v = k;
    return v;
}

// The verb of the clause and a preposition in it that the table names together, for a
// reflexive verb ("sich freuen auf") or any other ("stimmen für": vote for).
ReflexiveTerm FindVerbTerm(const GermanClause& c, const char* table, bool reflexive) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::vector<std::size_t> verbs = c.chain;
    verbs.push_back(c.finite);
    bool sich = false;
    for (std::size_t i = c.begin; i < c.end; ++i) sich = sich || OwnReflexivePronoun(c, c.s.units[i]);
    if (sich != reflexive) return {c.end, c.end, {}, {}};
    for (std::size_t v : verbs) {
        const GermanUnit& verb = c.s.units[v];
        if (verb.fw || verb.cls != kClassVerb) continue;
        for (std::size_t i = c.begin; i < c.end; ++i) {
            const GermanUnit& p = c.s.units[i];
            if (!p.fw || p.fw->kind != GermanKind::Preposition || p.fixed) continue;
            // "Nach dem Abend sucht er ...": in front of a verb second the topic's own
            const bool verbLast = v + 1 >= c.end || c.s.units[v + 1].punct;
            if (!reflexive && i == c.begin && !verbLast) continue;
            const std::string& value = tables.Value(table, Lower1252(verb.lemma) + " " + p.lower);
            const std::size_t bar = value.find('|');
            if (bar != std::string::npos) return {v, i, value.substr(0, bar), value.substr(bar + 1)};
        }
    }
    return {c.end, c.end, {}, {}};
}

ReflexiveTerm FindReflexiveTerm(const GermanClause& c) { return FindVerbTerm(c, "reflexive-with-preposition", true); }

bool ReflexiveVerbWithItsPreposition(const GermanClause& c) { return FindReflexiveTerm(c).verb != c.end; }

void TheTermsEnglish(GermanClause& c, const ReflexiveTerm& term) {
    c.s.units[term.verb].english = term.english;
    c.s.units[term.verb].senses.clear();
    GermanUnit& p = c.s.units[term.preposition];
    p.english = term.englishPreposition;
    p.senses.clear();
    p.fixed = true;
    p.drop = term.englishPreposition.empty();  // "sich erinnern an": remember, with no preposition
}

void TheReflexiveTermsEnglish(GermanClause& c) { TheTermsEnglish(c, FindReflexiveTerm(c)); }

// "Die Länder stimmten für die Reform": a verb with a preposition of its own may be
// another English verb than alone (table verb-with-preposition: vote for, not "be true").
bool VerbWithItsPreposition(const GermanClause& c) { return FindVerbTerm(c, "verb-with-preposition", false).verb != c.end; }

void TheVerbTermsEnglish(GermanClause& c) { TheTermsEnglish(c, FindVerbTerm(c, "verb-with-preposition", false)); }

// "traf eine Entscheidung": made a decision; "hielt eine Rede": gave a speech. Where the
// dictionary names a verb together with its object (table verb-with-object, gathered
// from its phrases), the verb takes that English and the noun the sense that goes with it.
struct VerbAndObject {
    std::size_t verb, noun;
    std::string english, object;
};

// "tür" as the last part of "Haustür": a noun of the dictionary, written with its capital.
bool IsANoun(const GermanSentence& s, std::string part) {
    part[0] = static_cast<char>(ToUpper1252(static_cast<unsigned char>(part[0])));
    return WordOfClass(s.catalogue, part, kClassNoun) != nullptr;
}

VerbAndObject FindVerbWithItsObject(const GermanClause& c) {
    const std::size_t v = MainVerbOf(c);
    const GermanUnit& verb = c.s.units[v];
    // a rule that chose the verb's English already (a verb with its preposition) decides
    if (verb.fw || verb.cls != kClassVerb || verb.fixed ||
        verb.english != BestEnglishSense(c.s, WordOfClass(c.s.catalogue, verb.lemma, kClassVerb), kClassVerb))
        return {c.end, c.end, {}, {}};
    const std::string verbLemma = " " + Lower1252(verb.lemma);
    // before the finite verb of a main clause stands its subject ("Der Sonnenschein macht
    // mich glücklich"), unless a passive makes the object the subject ("Die Tür wurde abgeschlossen")
    const GermanUnit& f = c.Finite();
    const bool passive = v != c.finite && f.fw && (f.fw->aux == AuxVerb::Werden || f.fw->aux == AuxVerb::Sein);
    const std::size_t from = c.subordinate || passive ? c.begin : c.finite + 1;
    for (std::size_t i = from; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (u.fw || u.cls != kClassNoun || u.fixed) continue;
        // the noun, else the last part of a compound that is a noun itself ("Haustür": Tür)
        const std::string noun = Lower1252(u.lemma);
        for (std::size_t part = 0; part + 3 <= noun.size(); ++part) {
            const std::string key = noun.substr(part) + verbLemma;
            const std::string& value = c.s.catalogue.Tables().Value("verb-with-object", key);
            if (value.empty() || (part > 0 && !IsANoun(c.s, u.lemma.substr(part)))) continue;
            // where the verb's own English is one of the phrase's, it stays
            std::string english, object;
            if (!VerbWithObjectRendering(value, verb.english, english, object)) return {c.end, c.end, {}, {}};
            // "die Tür öffnen :: to answer the door": the phrase says more than its words,
            // which say what is meant most of the time (table literal-verb-with-object)
            if (c.s.catalogue.Tables().InList("literal-verb-with-object", key)) continue;
            return {v, i, english, object};
        }
    }
    return {c.end, c.end, {}, {}};
}

bool VerbWithItsObject(const GermanClause& c) { return FindVerbWithItsObject(c).verb != c.end; }

void TheVerbTakesItsSenseFromItsObject(GermanClause& c) {
    const VerbAndObject found = FindVerbWithItsObject(c);
    c.s.units[found.verb].english = found.english;
    // the noun's sense of the phrase where it is one of its usual ones ("Angebot": an offer,
    // though the phrase says "make an overture")
    GermanUnit& noun = c.s.units[found.noun];
    if (std::find(noun.senses.begin(), noun.senses.end(), found.object) == noun.senses.end()) return;
    noun.english = found.object;
    noun.senses.clear();
}

// "Ich erinnere mich", "Er erinnert sich nicht": a verb that says something else when
// reflexive than with an object (table reflexive-sense: erinnern, remember; erinnern an
// without sich stays remind).
struct ReflexiveSense {
    std::size_t verb, pronoun;
};

ReflexiveSense FindReflexiveSense(const GermanClause& c) {
    const std::size_t v = MainVerbOf(c);
    const GermanUnit& verb = c.s.units[v];
    if (verb.fw || verb.cls != kClassVerb || c.s.catalogue.Tables().Value("reflexive-sense", Lower1252(verb.lemma)).empty())
        return {c.end, c.end};
    for (std::size_t i = c.begin; i < c.end; ++i)
        if (OwnReflexivePronoun(c, c.s.units[i])) return {v, i};  // left out already where the verb is reflexive
    return {c.end, c.end};
}

bool ReflexiveVerbWithASenseOfItsOwn(const GermanClause& c) {
    return FindReflexiveSense(c).verb != c.end && FindReflexiveTerm(c).verb == c.end;
}

void TakeTheReflexiveSense(GermanClause& c) {
    const ReflexiveSense found = FindReflexiveSense(c);
    GermanUnit& verb = c.s.units[found.verb];
    verb.english = c.s.catalogue.Tables().Value("reflexive-sense", Lower1252(verb.lemma));
    verb.senses.clear();
    c.s.units[found.pronoun].drop = true;
}

// Whether the unit is a verb that the table gives a sense of its own where the
// clause calls for it (es-verb, what-verb, hearer-verb).
bool HasASenseIn(const GermanClause& c, const GermanUnit& u, const char* table) {
    return !u.fw && u.cls == kClassVerb && !c.s.catalogue.Tables().Value(table, Lower1252(u.lemma)).empty();
}

// The verb at v says only the English the table gives it.
void TakeTheSenseIn(GermanClause& c, std::size_t v, const char* table) {
    GermanUnit& verb = c.s.units[v];
    verb.english = c.s.catalogue.Tables().Value(table, Lower1252(verb.lemma));
    verb.senses.clear();
}

// "hieß es in der Erklärung", "Es heißt, dass ...": with "es" as its subject a verb may
// have another sense (table es-verb: heißen, say).
std::size_t EsVerbWithASense(const GermanClause& c) {
    // "Wie heißt es?" asks for a name
    if (c.finite >= c.end || c.s.units.back().source == "?") return c.end;
    const bool esBeside = (c.finite > c.begin && c.s.units[c.finite - 1].lower == "es") ||
                          (c.finite + 1 < c.end && c.s.units[c.finite + 1].lower == "es");
    const std::size_t v = MainVerbOf(c);
    return esBeside && HasASenseIn(c, c.s.units[v], "es-verb") ? v : c.end;
}

bool EsVerbWithItsOwnSense(const GermanClause& c) { return EsVerbWithASense(c) != c.end; }

void TakeTheEsSense(GermanClause& c) { TakeTheSenseIn(c, EsVerbWithASense(c), "es-verb"); }

// "Was machst du?": asked for with "was", a verb may have another sense (table
// what-verb: machen, do); "Was macht den Hund glücklich?" keeps its own.
std::size_t VerbAskedForWithWas(const GermanClause& c) {
    if (c.finite >= c.end || c.s.units[c.begin].lower != "was" || c.s.units.back().source != "?") return c.end;
    const std::size_t v = MainVerbOf(c);
    if (!HasASenseIn(c, c.s.units[v], "what-verb")) return c.end;
    // "was" must be the object: a subject of its own stands right after the finite verb
    // ("machst du", "macht der Hund", not "macht dich")
    const std::size_t after = c.finite + 1;
    if (after >= c.end) return c.end;
    const EngineTables& tables = c.s.catalogue.Tables();
    const std::string& subject = c.s.units[after].lower;
    const bool nominative = tables.InList("case-clear-subject", subject) || subject == "sie" || subject == "ihr" ||
                            subject == "die" || tables.InList("masculine-nominative-determiner", subject);
    return nominative ? v : c.end;
}

bool VerbAskedForWithItsOwnSense(const GermanClause& c) { return VerbAskedForWithWas(c) != c.end; }

void TakeTheAskingSense(GermanClause& c) { TakeTheSenseIn(c, VerbAskedForWithWas(c), "what-verb"); }

// "Er sagte der Zeitung, dass ...", "sagte mir": a verb of saying with the person it is
// said to is another English verb (table hearer-verb: sagen, tell). That person is in
// the dative: a dative pronoun, or a noun phrase that a dative determiner opens.
std::size_t SayingVerbWithAHearer(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::size_t verb = c.end;
    auto saying = [&](std::size_t k) { return HasASenseIn(c, c.s.units[k], "hearer-verb"); };
    if (c.finite < c.end && saying(c.finite)) verb = c.finite;
    for (std::size_t k : c.chain) if (verb == c.end && saying(k)) verb = k;
    if (verb == c.end) return c.end;
    for (std::size_t k = c.begin; k < c.end; ++k) {
        const GermanUnit& u = c.s.units[k];
        if (u.drop || u.relative) continue;
        if (tables.InList("dative-object-pronoun", u.lower) && u.lower != "uns" && u.lower != "euch") return verb;
        // "in dem Interview" is no person spoken to
        const bool afterAPreposition = k > c.begin && c.s.units[k - 1].fw && c.s.units[k - 1].fw->kind == GermanKind::Preposition;
        if (tables.InList("dative-determiner", u.lower) && !afterAPreposition && k + 1 < c.end && !c.s.units[k + 1].punct)
            return verb;
    }
    return c.end;
}

bool SayingVerbWithItsHearer(const GermanClause& c) { return SayingVerbWithAHearer(c) != c.end; }

void TheVerbOfTelling(GermanClause& c) { TakeTheSenseIn(c, SayingVerbWithAHearer(c), "hearer-verb"); }

// "Das Fahrrad gehört mir", "Was ist ihm passiert?": the dative of a verb that English
// says with "to" (table dative-object-with-to: belongs to me, happened to him).
std::size_t DativeObjectTakingTo(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    const GermanUnit& verb = c.s.units[MainVerbOf(c)];
    if (verb.fw || verb.cls != kClassVerb || !tables.InList("dative-object-with-to", Lower1252(verb.lemma))) return c.end;
    for (std::size_t k = c.begin; k < c.end; ++k) {
        const GermanUnit& u = c.s.units[k];
        if (u.drop || u.relative || u.fixed || !u.fw) continue;
        // "zu" is a preposition too, though kept with the infinitive's particles
        const GermanUnit* prev = k > c.begin ? &c.s.units[k - 1] : nullptr;
        if (prev && prev->fw && (prev->fw->kind == GermanKind::Preposition || prev->lower == "zu")) continue;
        if (tables.InList("dative-object-pronoun", u.lower)) return k;
        if (tables.InList("dative-determiner", u.lower) && k + 1 < c.end && !c.s.units[k + 1].punct) return k;
    }
    return c.end;
}

bool DativeObjectOfAVerbWithTo(const GermanClause& c) { return DativeObjectTakingTo(c) != c.end; }

void ToBeforeTheDative(GermanClause& c) {
    const std::size_t k = DativeObjectTakingTo(c);
    GermanUnit& u = c.s.units[k];
    u.english = "to " + UnitEnglish(c.s, k);
    u.fixed = true;
}

// "Es kommt darauf an": it depends on; "Es geht um Geld": it is about money. With "es"
// as its subject a verb and its preposition, or the da-word made of it, say something
// of their own (table es-verb-preposition: "ankommen auf" -> "depend|on").
struct EsTerm {
    std::size_t verb, preposition;
    std::string english, englishPreposition;
};

EsTerm FindEsTerm(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    bool es = false;
    for (std::size_t i = c.begin; i < c.end; ++i) es = es || c.s.units[i].lower == "es";
    const std::size_t v = MainVerbOf(c);
    const GermanUnit& main = c.s.units[v];
    if (!es || main.fw || main.cls != kClassVerb) return {c.end, c.end, {}, {}};
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& p = c.s.units[i];
        std::string preposition;
        if (p.fw && p.fw->kind == GermanKind::Preposition) preposition = p.lower;
        else if (p.lower.compare(0, 3, "dar") == 0) preposition = p.lower.substr(3);  // darauf, darum
        else if (p.lower.compare(0, 2, "da") == 0) preposition = p.lower.substr(2);   // davon, dafür
        if (preposition.empty()) continue;
        const std::string& value = tables.Value("es-verb-preposition", Lower1252(main.lemma) + " " + preposition);
        const std::size_t bar = value.find('|');
        if (bar != std::string::npos) return {v, i, value.substr(0, bar), value.substr(bar + 1)};
    }
    return {c.end, c.end, {}, {}};
}

bool EsWithAVerbOfItsOwn(const GermanClause& c) { return FindEsTerm(c).verb != c.end; }

void TheEsTermsEnglish(GermanClause& c) {
    const EsTerm term = FindEsTerm(c);
    GermanUnit& verb = c.s.units[term.verb];
    verb.english = term.english;
    verb.senses.clear();
    GermanUnit& p = c.s.units[term.preposition];
    p.english = term.englishPreposition;
    p.senses.clear();
    p.fixed = true;
    // "Es kommt darauf an.": a da-word that points at nothing after it is left out (it depends)
    if (p.fw) return;
    for (std::size_t k = term.preposition + 1; k < c.s.units.size(); ++k) {
        const GermanUnit& u = c.s.units[k];
        if (u.drop) continue;
        if (u.punct && u.source != "," && u.source != ":") p.drop = true;
        break;
    }
}

void TakeTheGovernedPreposition(GermanClause& c) {
    std::string english;
    std::size_t governor = c.end;
    for (std::size_t i = GovernedPreposition(c, english, &governor); i != c.end;
         i = GovernedPreposition(c, english, &governor)) {
        // "verzichten auf" as "do without": the verb's English has its preposition already
        const std::string& verb = c.s.units[governor].english;
        const std::size_t blank = verb.rfind(' ');
        if (blank != std::string::npos && c.s.catalogue.Tables().InList("english-preposition", verb.substr(blank + 1)))
            english.clear();
        c.s.units[i].english = english;
        c.s.units[i].senses.clear();  // the governor decided: the model does not choose again
    }
}

// "Ich freue mich", "Wir müssen uns beeilen": with a reflexive verb, the pronoun of
// the subject's own person is the German "sich" and English leaves it out.
std::size_t ReflexivePronounIn(const GermanClause& c) {
    bool reflexive = false;
    auto isReflexive = [](const GermanUnit& v) { return !v.fw && v.reading.word && (v.reading.word->flags & kWordReflexive); };
    reflexive = isReflexive(c.Finite());
    for (std::size_t k : c.chain) reflexive = reflexive || isReflexive(c.s.units[k]);
    // "Interessierst du dich für Musik?": a verb that is reflexive only with its preposition
    if (!reflexive && FindReflexiveTerm(c).verb == c.end) return c.end;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (u.drop || !u.fw || u.fw->kind != GermanKind::Pronoun || u.fw->nominative ||
            !c.s.catalogue.Tables().InList("reflexive-pronoun", u.lower))
            continue;
        if (u.fw->person == c.person && u.fw->plural == c.plural) return i;
    }
    return c.end;
}

bool ReflexivePronounOfTheSubject(const GermanClause& c) { return ReflexivePronounIn(c) < c.end; }

void DropTheReflexivePronoun(GermanClause& c) { c.s.units[ReflexivePronounIn(c)].drop = true; }

// "versucht zu schlafen": "zu" before a verb of the chain makes it "to sleep".
std::size_t ZuBeforeAChainVerb(const GermanClause& c) {
    for (std::size_t k : c.chain) {
        const GermanUnit& v = c.s.units[k];
        if (k > c.begin && !v.fw && !v.reading.zuInfinitive && !c.used[k - 1] && c.s.units[k - 1].fw &&
            c.s.units[k - 1].fw->kind == GermanKind::Particle)
            return k;
    }
    return c.end;
}

bool ZuBeforeAnInfinitive(const GermanClause& c) { return ZuBeforeAChainVerb(c) != c.end; }

void JoinZuAndInfinitive(GermanClause& c) {
    for (std::size_t k = ZuBeforeAChainVerb(c); k != c.end; k = ZuBeforeAChainVerb(c)) {
        c.s.units[k].reading.zuInfinitive = true;
        c.s.units[k - 1].drop = true;
        c.used[k - 1] = true;
    }
}


// "Es ist schwer zu verstehen", "Das ist leicht zu sagen": after a form of "sein" an
// adjective takes the zu-infinitive, as English does (is hard to understand); in the
// verb group it would be a duty ("is to understand").
std::size_t ZuInfinitiveOfAnAdjective(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    if (!f.fw || f.fw->aux != AuxVerb::Sein || c.chain.size() != 1) return c.end;
    const std::size_t k = c.chain[0];
    const GermanUnit& v = c.s.units[k];
    if (v.fw || v.cls != kClassVerb) return c.end;
    const bool zu = k > c.begin && c.s.units[k - 1].fw && c.s.units[k - 1].fw->kind == GermanKind::Particle;
    if (!v.reading.zuInfinitive && !zu) return c.end;
    const std::size_t gap = v.reading.zuInfinitive ? 1 : 2;
    if (k < c.begin + gap) return c.end;
    const GermanUnit& adjective = c.s.units[k - gap];
    if (adjective.fw || adjective.cls != kClassAdjective || adjective.reading.tag != kFormBase || c.used[k - gap])
        return c.end;
    return k;
}

bool AdjectiveBeforeAZuInfinitive(const GermanClause& c) { return ZuInfinitiveOfAnAdjective(c) != c.end; }

void TheAdjectiveTakesTheInfinitive(GermanClause& c) {
    const std::size_t k = ZuInfinitiveOfAnAdjective(c);
    GermanUnit& v = c.s.units[k];
    const std::size_t gap = v.reading.zuInfinitive ? 1 : 2;
    if (gap == 2) {
        c.s.units[k - 1].drop = true;
        c.used[k - 1] = true;
    }
    c.s.units[k - gap].after = "to " + v.english;
    c.used[k] = true;
    c.chain.clear();
}

// "nicht" before the verbs (or at the end) makes a negated English verb group, and so
// does "nicht" before the last word of the clause ("sind nicht willkommen": are not
// welcome; "spielt nicht gut": does not play well); "nicht nur teuer" stays as it is.
std::size_t FoldableNegation(const GermanClause& c) {
    for (std::size_t i = c.begin; i < c.clusterStart; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (!u.fw || u.fw->kind != GermanKind::Negation || i == c.finite) continue;
        const GermanUnit* next = i + 1 < c.end ? &c.s.units[i + 1] : nullptr;
        // "nicht alle", "nicht jeder": the negation belongs to the quantifier (not all)
        const bool local = next && !next->punct && i + 1 < c.clusterStart &&
                           (next->cls == kClassAdjective || next->cls == kClassAdverb || next->number ||
                            (next->fw && next->fw->kind == GermanKind::Adverb) ||
                            c.s.catalogue.Tables().InList("negated-quantifier", next->lower));
        // the last word before the verbs: "ist nicht müde", "spielt nicht gut"
        const bool last = next && i + 2 >= c.clusterStart && !c.s.catalogue.Tables().InList("nicht-stays-with", next->lower);
        return local && !last ? c.end : i;
    }
    return c.end;
}

bool NichtBeforeTheVerbs(const GermanClause& c) { return FoldableNegation(c) != c.end; }

void NegateTheVerbGroup(GermanClause& c) {
    const std::size_t nicht = FoldableNegation(c);
    c.used[nicht] = true;
    c.negate = true;
    // "noch nicht": not yet; "nicht mehr" before no noun: not ... anymore
    if (nicht > c.begin && c.s.units[nicht - 1].lower == "noch" && !c.used[nicht - 1] && nicht - 1 != c.finite) {
        c.s.units[nicht - 1].english = "yet";  // "ist noch nicht da": is not there yet
        c.SayAtTheEnd(nicht - 1, nicht);
    }
    if (nicht + 1 < c.end && c.s.units[nicht + 1].lower == "mehr" && !c.used[nicht + 1]) {
        const GermanUnit* after = nicht + 2 < c.end ? &c.s.units[nicht + 2] : nullptr;
        if (!after || after->punct || IsFiniteCandidate(*after) || IsNonFinite(c.s.catalogue.Tables(), *after) ||
            after->cls == kClassAdjective) {
            c.s.units[nicht + 1].english = "anymore";
            c.SayAtTheEnd(nicht + 1, nicht + 2);
        }
    }
}

// "Der Preis ist stark gestiegen", "Er bellt laut": an uninflected adjective that
// belongs to no noun and to no form of "sein" tells how: English says it with an
// adverb. After a copula alone ("Er ist müde") it stays an adjective.
bool IsCopula(const GermanClause& c) {
    // the main verb: the last of the chain in English order, or the finite verb
    const GermanUnit& main = c.chain.empty() ? c.Finite() : c.s.units[c.chain.back()];
    if (main.fw) return main.fw->aux == AuxVerb::Sein || main.fw->aux == AuxVerb::Werden || c.chain.empty();
    return c.s.catalogue.Tables().InList("copula", main.lemma);
}

bool IsAdverbialAdjective(const GermanClause& c, std::size_t i) {
    const GermanUnit& u = c.s.units[i];
    if (u.fw || u.cls != kClassAdjective || u.fixed || u.reading.tag != kFormBase || Lower1252(u.lemma) != u.lower)
        return false;
    const GermanUnit* next = i + 1 < c.end ? &c.s.units[i + 1] : nullptr;
    const GermanUnit* prev = i > c.begin ? &c.s.units[i - 1] : nullptr;
    if (next && (IsNounLike(*next) || next->cls == kClassAdjective || next->number)) return false;
    // "für real", "als plausibel", "so gut wie": no adverb after these
    if (prev && prev->fw && (prev->fw->kind == GermanKind::Article || prev->fw->kind == GermanKind::Preposition))
        return false;
    if (prev && c.s.catalogue.Tables().InList("no-adverb-after", prev->lower)) return false;
    // "macht ihn müde", "finde den Film gut": what the verb makes of its object is no adverb
    const GermanUnit& main = c.chain.empty() ? c.Finite() : c.s.units[c.chain.back()];
    const bool object = prev && (c.s.catalogue.Tables().InList("object-form", prev->lower) || IsNounLike(*prev));
    return !(object && !main.fw && c.s.catalogue.Tables().InList("object-complement-verb", Lower1252(main.lemma)));
}

bool AdjectiveBesideAVerb(const GermanClause& c) {
    if (IsCopula(c)) return false;
    for (std::size_t i = c.begin; i < c.end; ++i)
        if (IsAdverbialAdjective(c, i)) return true;
    return false;
}

void AdjectiveBecomesAnAdverb(GermanClause& c) {
    for (std::size_t i = c.begin; i < c.end; ++i) {
        if (!IsAdverbialAdjective(c, i)) continue;
        GermanUnit& u = c.s.units[i];
        if (u.adverbReading.word) TakeAdverbReading(c.s, u);  // the dictionary's own adverb
        else u.adverbial = true;
    }
}

// "es gibt" / "gibt es": there is, there are.
std::size_t EsOfEsGibt(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    // "Es gibt nichts zu essen": a zu-infinitive of the thing may follow (nothing to eat)
    const bool zuInfinitive = c.chain.size() == 1 && c.chain[0] > c.begin &&
                              (c.s.units[c.chain[0]].reading.zuInfinitive ||
                               (c.s.units[c.chain[0] - 1].fw && c.s.units[c.chain[0] - 1].fw->kind == GermanKind::Particle));
    // "Morgen wird es Regen geben", "Es könnte Probleme geben": there will be, there could be
    const bool auxiliary = f.fw && ((f.fw->aux == AuxVerb::Werden && !f.fw->participle) || f.fw->kind == GermanKind::Modal) &&
                           c.chain.size() == 1 && c.s.units[c.chain[0]].lemma == "geben" &&
                           c.s.units[c.chain[0]].reading.tag == kFormBase;
    if (c.subordinate || (!auxiliary && (f.fw || f.lemma != "geben" || (!c.chain.empty() && !zuInfinitive)))) return c.end;
    if (c.finite > c.begin && c.s.units[c.finite - 1].lower == "es") return c.finite - 1;
    if (c.finite + 1 >= c.end || c.s.units[c.finite + 1].lower != "es") return c.end;
    // "Er gibt es mir": with a subject in front, or a dative after it, "es" is what is given
    const GermanUnit* after = c.finite + 2 < c.end ? &c.s.units[c.finite + 2] : nullptr;
    if (after && c.s.catalogue.Tables().InList("dative-object-pronoun", after->lower)) return c.end;
    if (c.finite > c.begin && IsNominativePronoun(c.s.units[c.finite - 1]) && c.finite - 1 == c.begin) return c.end;
    // "Der Mann wird es dem Hund geben": a noun phrase in front that can only be a subject
    // is the one who gives ("Einen Park gibt es", "Die Stadt gibt es" say what there is)
    const GermanUnit& first = c.s.units[c.begin];
    const bool subjectInFront = first.fw && first.fw->kind == GermanKind::Article && c.begin + 1 < c.finite &&
                                IsNounLike(c.s.units[c.finite - 1]) &&
                                first.lower == "der";
    if (subjectInFront) return c.end;
    return c.finite + 1;
}

// "großen Hunger haben": an adjective that only says how much (table intensity-adjective)
// is the English adverb before the predicate (very hungry).
bool IntensityBefore(const GermanClause& c, std::size_t i) {
    if (i <= c.begin) return false;
    const GermanUnit& adjective = c.s.units[i - 1];
    const GermanUnit* article = i - 1 > c.begin ? &c.s.units[i - 2] : nullptr;
    return !adjective.fw && adjective.cls == kClassAdjective &&
           c.s.catalogue.Tables().InList("intensity-adjective", Lower1252(adjective.lemma)) &&
           !(article && article->fw && article->fw->kind == GermanKind::Article);
}

// "Ich habe Angst", "Du hast recht": what German has, English is (table
// haben-predicate-german); "Angst vor Hunden" is afraid of dogs.
std::size_t HabenPredicate(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    const EngineTables& tables = c.s.catalogue.Tables();
    if (!f.fw || f.fw->aux != AuxVerb::Haben || f.fw->participle || !c.chain.empty() ||
        tables.Value("haben-as-sein", f.lower).empty())
        return c.end;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        const GermanUnit* before = i > c.begin ? &c.s.units[i - 1] : nullptr;  // "keine Angst", "schlimmen Hunger"
        const bool determined = before && ((before->fw && before->fw->kind == GermanKind::Article) ||
                                           (!before->fw && before->cls == kClassAdjective && !IntensityBefore(c, i)));
        if (i != c.finite && !u.fw && !determined && !tables.Value("haben-predicate-german", u.lower).empty()) return i;
    }
    return c.end;
}

bool HabenWithAPredicate(const GermanClause& c) { return HabenPredicate(c) != c.end; }

void HabenIsBe(GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    const std::size_t k = HabenPredicate(c);
    GermanUnit& f = c.Finite();
    const GermanWord* sein = tables.German(tables.Value("haben-as-sein", f.lower));
    if (!sein) return;
    f.fw = sein;
    f.english = sein->english;
    GermanUnit& predicate = c.s.units[k];
    const std::string& value = tables.Value("haben-predicate-german", predicate.lower);
    const std::size_t bar = value.find('|');
    predicate.english = value.substr(0, bar);
    predicate.cls = kClassAdjective;
    predicate.fixed = true;
    if (k > c.begin && IntensityBefore(c, k)) {
        GermanUnit& adjective = c.s.units[k - 1];
        adjective.english = c.s.catalogue.Tables().Value("intensity-adjective", Lower1252(adjective.lemma));
        adjective.cls = kClassAdverb;
        adjective.senses.clear();
        adjective.fixed = true;
    }
    if (bar != std::string::npos && k + 1 < c.end && c.s.units[k + 1].lower == "vor") {
        c.s.units[k + 1].english = value.substr(bar + 1);
        c.s.units[k + 1].fixed = true;
    }
}

bool EsGibt(const GermanClause& c) { return EsOfEsGibt(c) != c.end; }

bool TimeBeforeOtherWords(const GermanClause& c);
void TimeGoesLast(GermanClause& c);

std::size_t AskingPhraseEnd(const GermanClause& c);

void ThereIsOrAre(GermanClause& c) {
    const std::size_t es = EsOfEsGibt(c);
    const std::size_t asking = AskingPhraseEnd(c);
    bool many = false;
    // what there is stands after the verb, or asked for in front ("Wie viele Leute gibt es?")
    for (std::size_t i = asking > c.begin ? c.begin : c.finite + 1; i < c.end && !many; ++i) {
        const GermanUnit& u = c.s.units[i];
        many = (u.cls == kClassNoun && u.plural) || (u.fw && u.fw->kind == GermanKind::Article && u.fw->plural);
    }
    const GermanUnit& f = c.Finite();
    const bool past = f.reading.tag == kFormPast || f.reading.tag == kFormPastPlural;
    std::string be = past ? (many ? "were" : "was") : (many ? "are" : "is");
    if (f.fw) {  // "wird es ... geben": will be; "könnte es ... geben": could be
        const bool would = f.fw->subjunctive || f.fw->past || c.reportedSpeech;
        be = f.fw->aux == AuxVerb::Werden ? (would ? "would" : "will") : std::string(f.fw->english);
        if (c.negate) be += " not";
        be += " be";
        c.used[c.chain[0]] = true;
    }
    c.used[es] = c.used[c.finite] = true;
    if (TimeBeforeOtherWords(c)) TimeGoesLast(c);  // "there is no internet here"
    // "Hier gibt es nichts zu sehen": there is nothing to see here
    if (c.finite == c.begin + 1 && c.s.catalogue.Tables().InList("place-adverb", c.First().lower))
        c.SayAtTheEnd(c.begin, c.begin + 1);
    // "Gibt es ...?", "Was gibt es?": asked, "is there"
    const bool ask = c.s.question && (c.finite == c.begin || es == c.begin || (asking > c.begin && asking == c.finite));
    c.EmitRange(c.begin, c.finite);
    if (ask && f.fw) {  // "Wird es Regen geben?": will there be
        const std::size_t blank = be.find(' ');
        c.out.push_back(be.substr(0, blank));
        c.out.push_back("there");
        c.out.push_back(be.substr(blank + 1));
    } else {
        c.out.push_back(ask ? be : "there");
        c.out.push_back(ask ? "there" : be);
    }
    if (c.negate && !f.fw) c.out.push_back("not");
    c.EmitRange(c.finite + 1, c.end);
    c.trace.finished = true;
}

// "schon", "noch nie", "seit": the clause's perfect reaches up to now.
bool SpeaksOfTimeUpToNow(const GermanClause& c) {
    for (std::size_t i = c.begin; i < c.end; ++i)
        if (c.s.catalogue.Tables().InList("time-up-to-now", c.s.units[i].lower)) return true;
    return false;
}

// "gestern", "letzte Woche", "vor zwei Wochen", "damals": a time that is over; a
// phrase the dictionary gave whole by its English ("two weeks ago", "last year").
bool SpeaksOfAPastTime(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        const std::string firstWord = u.lower.substr(0, u.lower.find(' '));
        if (tables.InList("past-time", firstWord) || !u.after.empty() || YearAsATime(c.s, i)) return true;
        if (!u.fixed || u.english.find(' ') == std::string::npos) continue;
        const std::string first = u.english.substr(0, u.english.find(' '));
        const std::string last = u.english.substr(u.english.rfind(' ') + 1);
        if (tables.InList("english-past-time", first) || tables.InList("english-past-time", last)) return true;
    }
    return false;
}

// Where a question's asking phrase ends: "wie alt", "welches Kleid", "mit wem",
// "um wie viel Uhr"; begin when the clause does not start with one.
std::size_t AskingPhraseEnd(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::size_t i = c.begin;
    // "Um wie viel Uhr" taken as one term (at what time) asks as a whole; "Was genau" may be
    // the subject, and is left to the words
    if (i < c.finite && c.s.units[i].fixed) {
        const std::vector<std::string_view> words = SplitWords(c.s.units[i].source);
        for (std::size_t k = 0; k < words.size(); ++k) {
            const std::string lower = Lower1252(words[k]);
            const GermanWord* word = tables.German(lower);
            if (!word || word->kind != GermanKind::Question) continue;
            if (k == 0 && (lower == "was" || tables.InList("subject-question-word", lower))) break;
            return i + 1;
        }
    }
    if (i < c.finite && c.s.units[i].fw && c.s.units[i].fw->kind == GermanKind::Preposition) ++i;
    if (i >= c.finite || !c.s.units[i].fw ||
        (c.s.units[i].fw->kind != GermanKind::Question && !tables.InList("asks-with-a-noun", c.s.units[i].lower)))
        return c.begin;
    const GermanUnit& word = c.s.units[i++];
    if (tables.InList("asks-with-a-noun", word.lower)) return std::max(i, GermanNounPhraseEnd(c.s, i, c.finite));
    if (tables.InList("asks-with-a-degree", word.lower)) {
        while (i < c.finite && !c.s.units[i].punct && (c.s.units[i].cls == kClassAdjective || c.s.units[i].cls == kClassAdverb ||
                                                        tables.InList("asking-degree", c.s.units[i].lower)))
            ++i;
        if (i < c.finite && IsNounLike(c.s.units[i])) ++i;  // "wie viel Uhr"
    }
    return i;
}

// "Wer hat das Fenster geöffnet?": the asking word is the subject; English does not invert.
// So is "was" before an object ("Was macht ihn müde?": what makes him tired).
bool SubjectAsks(const GermanClause& c) {
    const GermanUnit& first = c.First();
    if (!first.fw || first.fw->kind != GermanKind::Question || c.finite != c.begin + 1) return false;
    const EngineTables& tables = c.s.catalogue.Tables();
    if (tables.InList("subject-question-word", first.lower)) return true;
    return first.lower == "was" && c.finite + 1 < c.end && tables.InList("object-form", c.s.units[c.finite + 1].lower);
}

// "Ich gehe schwimmen", "Er ging spazieren": gehen with a bare infinitive is English
// "go" with the -ing form, or with the phrase the table gives ("go for a walk").
std::size_t InfinitiveAfterGehen(const GermanClause& c) {
    if (c.Finite().lemma != "gehen" || c.chain.size() != 1) return c.end;
    const std::size_t i = c.chain.front();
    const GermanUnit& u = c.s.units[i];
    if (u.fw || u.cls != kClassVerb || u.reading.tag != kFormBase || u.reading.zuInfinitive || u.english.empty()) return c.end;
    return i;
}

bool GehenWithAnInfinitive(const GermanClause& c) { return InfinitiveAfterGehen(c) != c.end; }

void GoDoing(GermanClause& c) {
    const std::size_t i = InfinitiveAfterGehen(c);
    GermanUnit& u = c.s.units[i];
    const std::string& phrase = c.s.catalogue.Tables().Value("go-doing", Lower1252(u.lemma));
    u.english = phrase.empty() ? EnglishIng(c.s.catalogue, u.english) : phrase;
    u.fixed = true;
    c.chain.clear();
}

// "Er liest gern": German says liking with an adverb (table liking-adverb), English
// with the verb "like" before the verb liked ("likes to read", "would like to come").
std::size_t LikingAdverbIn(const GermanClause& c) {
    if (c.imperative) return c.end;
    const std::size_t from = c.subordinate ? c.begin + 1 : c.begin;
    for (std::size_t i = from; i < c.end; ++i)
        if (i != c.finite && !c.used[i] && !c.s.units[i].fixed &&
            c.s.catalogue.Tables().InList("liking-adverb", c.s.units[i].lower))
            return i;
    return c.end;
}

// The verb that is liked: the last of the chain, or the finite verb alone; none for a
// modal ("möchte gern": would like already) or "haben" alone, which itself becomes "like".
std::size_t VerbLiked(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    if (f.fw && f.fw->kind == GermanKind::Modal) return c.end;
    if (c.chain.empty()) return f.fw ? c.end : c.finite;
    const GermanUnit& last = c.s.units[c.chain.back()];
    return last.fw || last.cls != kClassVerb || last.reading.zuInfinitive || last.english.empty() ? c.end : c.chain.back();
}

bool LikingAdverbBesideAVerb(const GermanClause& c) {
    if (LikingAdverbIn(c) == c.end) return false;
    const GermanUnit& f = c.Finite();
    const bool haben = f.fw && f.fw->aux == AuxVerb::Haben && c.chain.empty();
    const bool modal = f.fw && f.fw->kind == GermanKind::Modal;
    return haben || modal || VerbLiked(c) != c.end;
}

void LikeTheVerb(GermanClause& c) {
    c.used[LikingAdverbIn(c)] = true;
    const std::size_t verb = VerbLiked(c);
    if (verb != c.end) {
        c.s.units[verb].english = "like to " + c.s.units[verb].english;
        c.progressive = false;
    } else if (!c.Finite().fw || c.Finite().fw->kind != GermanKind::Modal) {
        c.likes = true;  // "Ich hätte gern ein Bier": would like
    }
}

// "Genießen Sie den Abend": a verb in -en with "Sie" after it.
bool SieAfterTheVerb(const GermanClause& c) {
    const GermanUnit& verb = c.s.units[c.finite];
    const bool plural = verb.lower.size() > 3 && verb.lower.compare(verb.lower.size() - 2, 2, "en") == 0;
    return c.finite + 1 < c.end && plural && (!verb.fw || verb.lower == "seien") && c.s.units[c.finite + 1].source == "Sie";
}

// "Komm herein!", "Nimm das Buch", "Sei ruhig!": a bare stem opening the sentence.
bool BareStemInFront(const GermanClause& c) {
    const GermanUnit& verb = c.s.units[c.finite];
    if (verb.fw) return verb.lower == "sei" && c.finite == 0;
    const bool ending = verb.lower.size() > 2 && (verb.lower.back() == 'n' || verb.lower.back() == 't');
    return c.finite == 0 && verb.cls == kClassVerb && verb.reading.tag == kFormBase && verb.reading.guessed && !ending;
}

// "Bitte schalten Sie das Licht aus", "Nimm das Buch": the sentence's first clause, in
// no question, with such a verb first bids: English says the bare verb and no subject.
bool Imperative(const GermanClause& c) {
    const std::vector<GermanUnit>& units = c.s.units;
    if (c.subordinate || c.s.question || c.finite >= c.end) return false;
    const bool opening = c.begin == 0 || (c.begin == 1 && units[0].punct && units[0].source != ",");
    std::size_t first = c.begin;
    if (first < c.finite && units[first].lower == "bitte") ++first;
    return opening && first == c.finite && (SieAfterTheVerb(c) || BareStemInFront(c));
}

void BidWithTheBareVerb(GermanClause& c) {
    c.imperative = true;
    c.progressive = c.future = false;
    if (SieAfterTheVerb(c)) c.used[c.finite + 1] = true;
}

void BuildTheEnglishVerbGroup(GermanClause& c) {
    c.verbFirst = c.finite == c.begin;
    const std::size_t asking = AskingPhraseEnd(c);
    c.whQuestion = !c.subordinate && c.s.question && !SubjectAsks(c) && asking > c.begin && asking == c.finite;
    c.question = c.s.question && (c.verbFirst || c.whQuestion);
    const PerfectReading perfect = SpeaksOfTimeUpToNow(c) ? PerfectReading::Perfect
                                   : SpeaksOfAPastTime(c) ? PerfectReading::Past
                                                          : PerfectReading::PastInTalk;
    c.verbGroup = EnglishVerbGroup(c, perfect, c.insertAt);
    if (c.imperative && c.Finite().fw) c.verbGroup = c.negate ? std::vector<std::string>{"do not", "be"} : std::vector<std::string>{"be"};
    c.used[c.finite] = true;
    for (std::size_t i : c.chain) c.used[i] = true;
}

// ---- Word order ----

// "..., dass er das Buch liest": conjunction, subject, verbs, the rest.
struct Span {
    std::size_t begin, end;
    bool empty() const { return begin == end; }
};

// Whether the noun phrase at i shows by its determiner or pronoun that it is an
// object: "den Brief", "dem Mann", "einen Hund", "ihn", "meinen".
bool ObjectForm(const EngineTables& tables, const GermanUnit& u) {
    if (tables.InList("object-form", u.lower)) return true;
    if (!u.fw || u.fw->kind != GermanKind::Article || u.lower.size() <= 3) return false;
    const std::string ending = u.lower.substr(u.lower.size() - 2);
    return ending == "en" || ending == "em";  // meinen, diesem
}

// "nur", "auch", "sogar" before a noun phrase belong to it.
std::size_t PastFocusWords(const GermanClause& c, std::size_t i, std::size_t to) {
    while (i < to && c.s.catalogue.Tables().InList("focus-word", c.s.units[i].lower)) ++i;
    return i;
}

// "wenn Banken oder Eigentümer ihre Unterstützung zurückzogen": noun phrases joined by
// "und", "oder", "sowie" make one subject.
std::size_t JoinedNounPhrasesEnd(const GermanClause& c, std::size_t end, std::size_t to) {
    const std::vector<GermanUnit>& units = c.s.units;
    while (end + 1 < to && (units[end].lower == "und" || units[end].lower == "oder" || units[end].lower == "sowie") &&
           !ObjectForm(c.s.catalogue.Tables(), units[end + 1])) {
        const std::size_t next = GermanNounPhraseEnd(c.s, end + 1, to);
        if (next <= end + 1) break;
        end = next;
    }
    return end;
}

// The first noun phrase in [from, to) that can be the subject: prepositional
// phrases and objects are passed over (the first object-marked phrase is taken
// when there is nothing else).
Span SubjectIn(const GermanClause& c, std::size_t from, std::size_t to) {
    Span fallback{to, to};
    for (std::size_t i = from; i < to;) {
        const GermanUnit& u = c.s.units[i];
        if (u.fw && (u.fw->kind == GermanKind::Preposition || u.fw->kind == GermanKind::Particle)) {
            std::size_t object = GermanNounPhraseEnd(c.s, i + 1, to);
            i = object > i + 1 ? object : i + 1;
            // "in Rottweil, Konstanz und Stuttgart": the names of a list all belong to it
            while (i + 1 < to && (c.s.units[i].source == "," || (c.s.units[i].fw && c.s.units[i].fw->kind == GermanKind::Coordinator)) &&
                   c.s.units[i + 1].cls == kClassName && !c.s.units[i + 1].fw)
                i += 2;
            continue;
        }
        if (u.fw && u.fw->kind == GermanKind::Pronoun && !u.fw->nominative) { ++i; continue; }
        const std::size_t start = PastFocusWords(c, i, to);
        std::size_t end = start < to ? GermanNounPhraseEnd(c.s, start, to) : start;
        if (end > start && !ObjectForm(c.s.catalogue.Tables(), c.s.units[start])) return {i, JoinedNounPhrasesEnd(c, end, to)};
        if (end > start && fallback.empty()) fallback = {i, end};
        i = end > start ? end : start + 1;
    }
    return fallback;
}

// "Das Buch liegt auf dem Tisch": where a thing lies or stands, English says it "is"
// (table place-verb-of-a-thing); a person still stands or lies.
bool PlaceVerbOfAThing(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    const GermanUnit& verb = c.Finite();
    if (verb.fw || verb.cls != kClassVerb || !c.chain.empty() || !tables.InList("place-verb-of-a-thing", Lower1252(verb.lemma)))
        return false;
    // the subject before the verb, or after it ("Wo liegt das Problem?")
    const GermanUnit* head = nullptr;
    auto headIn = [&](Span subject) {
        for (std::size_t i = subject.begin; i < subject.end; ++i)
            if (IsNounLike(c.s.units[i])) head = &c.s.units[i];
    };
    if (c.subordinate) headIn(SubjectIn(c, c.begin + 1, c.finite));
    else if (c.finite > c.begin) headIn(SubjectIn(c, c.begin, c.finite));
    if (!head && !c.subordinate) headIn(SubjectIn(c, c.finite + 1, c.end));
    if (!head || head->cls == kClassName || NamesAPerson(c.s, *head)) return false;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        // a preposition, or a term that starts with one ("auf dem Tisch")
        const std::string first = u.lower.substr(0, u.lower.find(' '));
        if ((u.fw && u.fw->kind == GermanKind::Preposition) || !tables.Value("place-preposition", first).empty() ||
            tables.InList("place-adverb", u.lower) || u.lower == "wo")
            return true;
    }
    return false;
}

void ThePlaceVerbIsBe(GermanClause& c) {
    GermanUnit& verb = c.Finite();
    verb.english = "be";
    verb.senses.clear();
    // its prepositions say where ("auf dem Tisch": on, not the "for" of "stehen auf")
    for (std::size_t i = c.begin; i < c.end; ++i) {
        GermanUnit& p = c.s.units[i];
        const std::string& where = c.s.catalogue.Tables().Value("place-preposition", p.lower);
        if (!p.fw || p.fw->kind != GermanKind::Preposition || p.fixed || where.empty()) continue;
        p.english = where;
        p.senses.clear();
        p.fixed = true;
    }
}

void EmitSubject(GermanClause& c, Span subject) {
    c.MarkSubject(subject.begin, subject.end);
    c.EmitRange(subject.begin, subject.end);
}

// "..., dass zu dieser Zeit Perrys Führung abgegeben wurde": conjunction, subject,
// verbs, the rest. A relative pronoun is the subject unless it shows an object's
// case or a subject pronoun stands in the clause ("das Buch, das ich lese": that I read);
// "in dem", "dessen Frau" open the clause together.
void SubordinateOrder(GermanClause& c) {
    const GermanUnit& first = c.First();
    std::size_t from = c.begin + 1;
    c.Emit(c.begin);
    // "..., wie lange er bleibt": the asking phrase stays whole
    const std::size_t asking = AskingPhraseEnd(c);
    if (asking > from) {
        c.EmitRange(from, asking);
        from = asking;
    }
    if (AlsIsAsIf(c.s.units, c.begin) && c.s.units[from].lower == "ob") c.Emit(from++);
    const GermanUnit* pronoun = &first;
    if (!first.relative && from < c.finite && c.s.units[from].relative) {
        pronoun = &c.s.units[from];
        c.Emit(from++);
    }
    if (pronoun->relative && pronoun->english == "whose") {
        const std::size_t owned = GermanNounPhraseEnd(c.s, from, c.finite);
        c.EmitRange(from, owned);
        from = owned;
    }
    const bool relative = pronoun->relative || (first.fw && (first.fw->kind == GermanKind::Relative ||
                                                            first.fw->kind == GermanKind::Article ||
                                                            (first.fw->kind == GermanKind::Question && first.fw->nominative)));
    Span subject = SubjectIn(c, from, c.finite);
    // "als wäre er der Chef": the verb came first, its subject after it
    if (subject.empty() && from == c.finite) subject = SubjectIn(c, c.finite + 1, c.end);
    const bool pronounSubject = !subject.empty() && IsNominativePronoun(c.s.units[subject.begin]);
    const bool objectPronoun = pronoun->relative && pronoun->relativeObject;
    if (!relative || pronounSubject || objectPronoun) EmitSubject(c, subject);
    c.EmitVerbGroup();
    c.EmitRange(from, c.end);
    c.trace.finished = true;
}

// "Der Mann, der dort steht, ist mein Vater": the verb after a relative clause
// belongs to the noun phrase in front of it, which is its subject.
bool VerbAfterAWaitingSubject(const GermanClause& c) {
    return c.verbFirst && !c.question && !c.subordinate && c.s.subjectWaiting && c.begin > 0;
}

void VerbThenRest(GermanClause& c) {
    // the comma that closes a relative clause without one in front goes too
    const std::size_t pronoun = RelativePronounBefore(c.s, c.begin - 1);
    if (!c.out.empty() && c.out.back() == "," && pronoun < c.s.units.size() &&
        !RelativeClauseKeepsCommas(c.s.units[pronoun]))
        c.out.pop_back();
    c.EmitVerbGroup();
    c.EmitRange(c.finite + 1, c.end);
    c.trace.finished = true;
}

bool IsSubordinate(const GermanClause& c) { return c.subordinate; }

// "Sie öffnete die Tür und rief ihren Hund": a clause after "und", "oder" or "aber" that
// starts with its finite verb shares the subject before it, and English keeps the order
// (verb, then its objects). So does a clause after a comma in a list of them
// ("stand auf, zog sich an und verließ das Haus"). A pronoun after the verb is a subject
// of its own ("hätte er es geschafft").
bool VerbFirstSharesTheSubject(const GermanClause& c) {
    if (!c.verbFirst || c.question || c.subordinate || c.begin < 2) return false;
    if (c.finite + 1 < c.end && IsNominativePronoun(c.s.units[c.finite + 1])) return false;
    const GermanUnit& before = c.s.units[c.begin - 1];
    if (before.fw && before.fw->kind == GermanKind::Coordinator) return true;
    if (before.source != ",") return false;
    const GermanUnit* after = c.end < c.s.units.size() ? &c.s.units[c.end] : nullptr;
    return after && after->fw && after->fw->kind == GermanKind::Coordinator;
}

// "Hat er das Buch gelesen?", "Kommt er?": the auxiliary before the subject; a
// verb first without a question mark follows a clause in front of it.
bool VerbFirstOrQuestion(const GermanClause& c) { return c.question || c.verbFirst; }

// "Dass es regnet, ist klar": a clause opened by "dass" or "ob" at the sentence's start,
// before a verb that has no subject pronoun after it, is that verb's subject.
bool SubjectClauseInFront(const GermanClause& c) {
    if (c.question || c.begin == 0 || !c.s.catalogue.Tables().InList("subject-clause-word", c.s.units[0].lower)) return false;
    const GermanUnit* after = c.finite + 1 < c.end ? &c.s.units[c.finite + 1] : nullptr;
    return !(after && after->fw && after->fw->kind == GermanKind::Pronoun && after->fw->nominative);
}

void QuestionOrder(GermanClause& c) {
    if (c.whQuestion) c.EmitRange(c.begin, c.finite);
    const std::size_t subjectStart = c.finite + 1;
    // "Nimm das Buch": a bid has no subject
    const std::size_t subjectEnd = c.imperative ? subjectStart : GermanNounPhraseEnd(c.s, subjectStart, c.end);
    c.MarkSubject(subjectStart, subjectEnd);
    if (c.question && subjectEnd > subjectStart) {
        for (std::size_t k = 0; k < c.insertAt && k < c.verbGroup.size(); ++k) c.out.push_back(c.verbGroup[k]);
        c.EmitRange(subjectStart, subjectEnd);
        for (std::size_t k = c.insertAt; k < c.verbGroup.size(); ++k) c.out.push_back(c.verbGroup[k]);
        c.EmitPredicate();  // "Fühlst du dich besser?": do you feel better
    } else if (SubjectClauseInFront(c)) {
        // "Dass X stattfindet, ist keine Überraschung": the clause in front is the subject
        c.EmitVerbGroup();
        c.EmitRange(subjectStart, subjectEnd);
    } else {
        // "Wenn sie fragen, halten die Wähler ...": after a clause in front the
        // verb comes first, and English puts the subject before it again
        c.EmitRange(subjectStart, subjectEnd);
        c.EmitVerbGroup();
    }
    c.EmitRange(subjectEnd, c.end);
    c.trace.finished = true;
}

// "Das Buch hat mir mein Onkel geschenkt": after the verb (and an object pronoun) a
// masculine noun phrase with "der", "mein" or "ein" can only be the nominative.
bool MasculineNominativeAfterTheVerb(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::size_t k = c.finite + 1;
    while (k < c.end && c.s.units[k].fw && c.s.units[k].fw->kind == GermanKind::Pronoun && ObjectForm(tables, c.s.units[k])) ++k;
    if (k >= c.end || !c.s.units[k].fw || c.s.units[k].fw->kind != GermanKind::Article) return false;
    if (!tables.InList("masculine-nominative-determiner", c.s.units[k].lower)) return false;
    const std::size_t end = GermanNounPhraseEnd(c.s, k, c.end);
    if (end <= k + 1) return false;
    const GermanUnit& head = c.s.units[end - 1];
    return head.cls == kClassNoun && !head.plural && head.reading.tag == kFormBase && head.reading.word &&
           head.reading.word->gender == kMasculine;
}

// An object in front of the verb ("Den Brief hat meine Mutter geschrieben"):
// its determiner or pronoun shows the case, and it is a noun phrase to the verb.
bool ObjectInFront(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    if (c.finite <= c.begin || GermanNounPhraseEnd(c.s, c.begin, c.finite) != c.finite) return false;
    // "Jeden Tag", "Letzten Sommer": a phrase in the object's case that says when
    if (tables.InList("time-noun", Lower1252(c.s.units[c.finite - 1].lemma))) return false;
    if (ObjectForm(tables, c.First())) return true;
    // "Das Buch lese ich": a phrase of either case before "ich" or "wir" is the object
    const bool subjectAfter = c.finite + 1 < c.end && (tables.InList("case-clear-subject", c.s.units[c.finite + 1].lower) ||
                                                       MasculineNominativeAfterTheVerb(c));
    return subjectAfter && !IsCopula(c) && !IsNominativePronoun(c.First());
}


// Whether what stands before the finite verb is its subject.
// Most German main clauses begin with their subject: a noun phrase in front that
// shows no object case, unless a subject pronoun follows the verb.
// "Ich heiße Tom", "Wie heißt deine Schwester?": "heißen" with a name, or asked with
// "wie", tells a name, which English says with "name" and "be" (My name is Tom, What is
// your sister's name?; table name-owner for the pronouns). "Das heißt nichts" means.
Span NamedSubject(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    if (f.fw || Lower1252(f.lemma) != "heißen" || !c.chain.empty()) return {c.end, c.end};
    const bool asked = c.First().lower == "wie" && c.finite == c.begin + 1;
    bool named = false;
    for (std::size_t i = c.finite + 1; i < c.end; ++i) named = named || c.s.units[i].cls == kClassName;
    if (!asked && !named) return {c.end, c.end};
    const std::size_t from = asked || c.finite == c.begin ? c.finite + 1 : c.begin;
    const std::size_t to = asked || c.finite == c.begin ? c.end : c.finite;
    if (from >= to) return {c.end, c.end};  // "Wie heißt?" names no one
    const GermanUnit& first = c.s.units[from];
    if (IsNominativePronoun(first) && !c.s.catalogue.Tables().Value("name-owner", first.lower).empty())
        return {from, from + 1};
    const std::size_t end = GermanNounPhraseEnd(c.s, from, to);
    if (end == from || c.s.units[end - 1].cls != kClassNoun) return {c.end, c.end};
    return {from, end};
}

bool HeissenTellsAName(const GermanClause& c) { return NamedSubject(c).begin != c.end; }

void NameIsTheSubject(GermanClause& c) {
    const Span subject = NamedSubject(c);
    const EngineTables& tables = c.s.catalogue.Tables();
    GermanUnit& owner = c.s.units[subject.end - 1];
    if (subject.end == subject.begin + 1 && IsNominativePronoun(owner)) {
        std::string possessive = tables.Value("name-owner", owner.lower);
        // "Wie heißen Sie?": the polite Sie inside the sentence is you; a plural sie they
        if (owner.lower == "sie" && owner.source == "Sie" && !owner.start) possessive = "your";
        else if (owner.lower == "sie" && c.plural) possessive = "their";
        owner.english = possessive + " name";
    } else {
        owner.english += !owner.english.empty() && owner.english.back() == 's' ? "' name" : "'s name";
    }
    owner.fixed = true;
    owner.senses.clear();
    GermanUnit& f = c.Finite();
    const bool past = f.reading.tag == kFormPast || f.reading.tag == kFormPastPlural;
    if (const GermanWord* sein = tables.German(past ? "war" : "ist")) {
        f.fw = sein;
        f.english = sein->english;
    }
    c.person = 3;
    c.plural = false;
    if (c.First().lower == "wie") {
        c.s.units[c.begin].english = "what";
        c.s.units[c.begin].fixed = true;
    }
}

bool SubjectStandsFirst(const GermanClause& c) {
    const GermanUnit& first = c.First();
    if (ObjectInFront(c) && !SubjectIn(c, c.finite + 1, c.end).empty()) return false;
    if (first.fw && first.fw->kind == GermanKind::Question) return SubjectAsks(c);
    if (first.fw && first.fw->kind == GermanKind::Pronoun && !first.fw->nominative) return false;
    const std::size_t start = PastFocusWords(c, c.begin, c.finite);
    if (start >= c.finite || ObjectForm(c.s.catalogue.Tables(), c.s.units[start])) return false;
    if (IsNominativePronoun(c.s.units[start])) return true;
    // "Das Buch lese ich": a subject pronoun after the verb is the subject; "nichts",
    // "etwas", "sie" may be objects ("Der Präsident sagte nichts")
    if (c.finite + 1 < c.end && c.s.catalogue.Tables().InList("case-clear-subject", c.s.units[c.finite + 1].lower))
        return false;
    const std::size_t end = GermanNounPhraseEnd(c.s, start, c.finite);
    // "Fünf Monate vor der Wahl verlor die Koalition": a plural before a verb of one is
    // no subject but a time or an object in front
    const GermanUnit& f = c.Finite();
    const bool verbOfOne = f.fw ? !f.fw->plural && (f.fw->person == 3 || f.fw->person == 0)
                                : f.reading.tag == kFormThird || f.reading.tag == kFormPast;
    if (end > start && verbOfOne && c.s.units[end - 1].cls == kClassNoun && c.s.units[end - 1].plural) {
        // one plural noun alone: "Einer der Soldaten" has its head before the genitive,
        // "Der Hund und die Katze" may be read as two of one
        int nouns = 0;
        for (std::size_t k = start; k < end; ++k) nouns += c.s.units[k].cls == kClassNoun || c.s.units[k].lower == "und";
        if (nouns == 1) return false;
    }
    return end > start;
}

void SubjectVerbRest(GermanClause& c) {
    c.MarkSubject(c.begin, c.finite);
    c.EmitRange(c.begin, c.finite);
    c.EmitVerbGroup();
    c.EmitRange(c.finite + 1, c.end);
    c.trace.finished = true;
}

// "Heute spielen die Kinder": what came first stays first, then subject and verbs.
// "Hier ist der Schlüssel", "Dort kommt der Bus": after "hier" or "dort" (table
// here-or-there) English keeps "be", "come" or "go" (here-or-there-verb) before a
// subject noun phrase that ends the clause ("Here is the key"); so does "be" after a day
// (table day-before-be: "Heute ist Montag": Today is Monday).
bool HereThenVerbThenSubject(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    const bool day = tables.InList("day-before-be", c.First().lower);
    if (c.question || c.subordinate || !c.chain.empty() || c.finite != c.begin + 1 ||
        !(day || tables.InList("here-or-there", c.First().lower)))
        return false;
    // "sein", "kommen", "gehen" only: "Hier arbeiten viele Menschen" is "Many people work here"
    const GermanUnit& f = c.Finite();
    const bool be = f.fw && f.fw->aux == AuxVerb::Sein;
    if (day ? !be : !be && (f.fw || !tables.InList("here-or-there-verb", Lower1252(f.lemma)))) return false;
    const Span subject = SubjectIn(c, c.finite + 1, c.end);
    return !subject.empty() && subject.begin == c.finite + 1 && !IsNominativePronoun(c.s.units[subject.begin]) &&
           (subject.end == c.end || c.s.units[subject.end].punct);
}

void VerbBeforeTheSubjectAfterHere(GermanClause& c) {
    c.Emit(c.begin);
    c.EmitVerbGroup();
    c.EmitRange(c.finite + 1, c.end);
    c.trace.finished = true;
}

void TopicSubjectVerbRest(GermanClause& c) {
    Span subject = SubjectIn(c, c.finite + 1, c.end);
    const bool object = ObjectInFront(c) && !subject.empty();
    if (!object) c.EmitRange(c.begin, c.finite);
    EmitSubject(c, subject);
    c.EmitVerbGroup();
    if (object) {
        // "Das Buch hat mir mein Onkel geschenkt": gave me the book
        for (std::size_t k = c.finite + 1; k < c.end && c.s.units[k].fw && c.s.units[k].fw->kind == GermanKind::Pronoun; ++k)
            if (c.s.catalogue.Tables().InList("dative-object-pronoun", c.s.units[k].lower)) c.Emit(k);
        c.EmitRange(c.begin, c.finite);
    }
    c.EmitRange(c.finite + 1, c.end);
    c.trace.finished = true;
}

// A statement whose one verb is a lexical verb in the present ("arbeitet", not "ist",
// "hat gearbeitet" or "arbeitete"): English may show its time by the aspect.
bool PresentLexicalStatement(const GermanClause& c) {
    const std::uint8_t tag = c.Finite().reading.tag;
    return !c.question && c.chain.empty() && !c.Finite().fw && tag != kFormPast && tag != kFormPastPlural &&
           tag != kFormSubjunctive;
}

// "Mein Vater arbeitet gerade im Garten": "gerade" beside a present verb says it is
// going on now; English says so with the progressive ("is working").
std::size_t GeradeOfAnActivity(const GermanClause& c) {
    if (!PresentLexicalStatement(c)) return c.end;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        if (c.used[i] || c.s.units[i].lower != "gerade") continue;
        const GermanUnit* next = i + 1 < c.end ? &c.s.units[i + 1] : nullptr;
        if (next && (next->cls == kClassAdjective || next->number || next->cls == kClassNumeral)) return c.end;
        return i;
    }
    return c.end;
}

bool GeradeBesideAPresentVerb(const GermanClause& c) { return GeradeOfAnActivity(c) != c.end; }

void TheProgressive(GermanClause& c) {
    const std::size_t gerade = GeradeOfAnActivity(c);
    c.used[gerade] = true;
    c.s.units[gerade].drop = true;
    c.progressive = true;
}

// "Es regnet", "warum sie weint", "Die Eltern warten draußen": a German present of a
// verb that says what goes on for a while (table english-ongoing-verb) is going on now,
// and English says so with the progressive ("is raining"); not beside a word of habit
// ("Sie weint oft"; tables frequency-adverb, habit-word) nor in a condition or time
// clause ("Wenn es regnet": if it rains; table simple-present-subordinator).
// A lexical present, not yet given an aspect, outside a condition or time clause, that
// may tell what goes on now. "Lachen Sie!": a verb in front without a subject before it
// asks for something; a question asks about now just the same ("Regnet es?").
bool PresentThatMayGoOnNow(const GermanClause& c) {
    const std::uint8_t tag = c.Finite().reading.tag;
    return c.chain.empty() && !c.Finite().fw && tag != kFormPast && tag != kFormPastPlural && tag != kFormSubjunctive &&
           !c.progressive && !c.future && !c.imperative && (c.finite != c.begin || c.s.question) &&
           !c.s.catalogue.Tables().InList("simple-present-subordinator", c.s.units[c.begin].lower);
}

bool OngoingActivityInThePresent(const GermanClause& c) {
    if (!PresentThatMayGoOnNow(c)) return false;
    const EngineTables& tables = c.s.catalogue.Tables();
    const std::string& english = c.Finite().english;
    // "look forward" as a whole; "wait" also in "wait for"
    if (!tables.InList("english-ongoing-verb", english) &&
        !tables.InList("english-ongoing-verb", english.substr(0, english.find(' '))))
        return false;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const std::string& w = c.s.units[i].lower;
        const bool still = w == "immer" && ((i > c.begin && c.s.units[i - 1].lower == "noch") ||
                                            (i + 1 < c.end && c.s.units[i + 1].lower == "noch"));  // "regnet noch immer"
        if ((tables.InList("frequency-adverb", w) && !still) || tables.InList("habit-word", w)) return false;
    }
    return true;
}

void TheOngoingProgressive(GermanClause& c) { c.progressive = true; }

// "Wir gehen jetzt nach Hause", "Sie kommt heute nicht", "Kommt ihr mit?": coming and
// going under way now, called off or asked about is told in the progressive (are going,
// is not coming; table under-way-word); a timetable keeps the simple present ("Wann
// fährt der Zug?", "fährt um acht"), and so do where one comes from ("kommt aus Rom")
// and what no longer happens ("kommt nicht mehr"; table timetable-word).
bool MovementUnderWayNow(const GermanClause& c) {
    if (!PresentThatMayGoOnNow(c)) return false;
    const EngineTables& tables = c.s.catalogue.Tables();
    const std::string& english = c.Finite().english;
    if (!tables.InList("english-arrangement-verb", english.substr(0, english.find(' ')))) return false;
    bool cue = c.s.question && !c.subordinate;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (tables.InList("frequency-adverb", u.lower) || tables.InList("habit-word", u.lower) ||
            tables.InList("timetable-word", u.lower))
            return false;
        // "Das geht nicht" is "that does not work": a thing said by "das" does not go anywhere
        const bool alone = i + 1 >= c.end || i + 1 == c.finite || c.s.units[i + 1].cls != kClassNoun;
        if ((u.lower == "das" || u.lower == "dies") && alone) return false;
        if (tables.InList("under-way-word", u.lower)) cue = true;
    }
    return cue;
}

// "Sie wohnt seit drei Jahren in München": what has lasted up to now takes the English
// present perfect ("has lived ... for three years").
bool SeitBesideAPresentVerb(const GermanClause& c) {
    if (!PresentLexicalStatement(c)) return false;
    for (std::size_t i = c.begin; i < c.end; ++i)
        if (c.s.units[i].lower == "seit" && c.s.units[i].fw && c.s.units[i].fw->kind == GermanKind::Preposition) return true;
    return false;
}

void ThePresentPerfect(GermanClause& c) { c.upToNow = true; }

// ---- Conditions ----

// The verb group's words one by one ("would have", "done" -> would, have, done).
std::vector<std::string> VerbGroupWords(const GermanClause& c) {
    std::vector<std::string> words;
    for (const std::string& entry : c.verbGroup)
        for (std::string_view w : SplitWords(entry)) words.emplace_back(w);
    return words;
}

// "wenn er es getan hätte": if he had done it; "wenn ich reich wäre": if I were rich.
// English says an unreal condition in the past, not with "would".
bool UnrealCondition(const GermanClause& c) {
    if (!c.subordinate) return false;
    if (!c.s.catalogue.Tables().InList("condition-word", c.First().lower) && !AlsIsAsIf(c.s.units, c.begin)) return false;
    const std::vector<std::string> words = VerbGroupWords(c);
    // "wenn Sie nicht zuhören möchten": if you would not like to listen, as English says it
    const std::size_t verb = words.size() > 2 && words[1] == "not" ? 2 : 1;
    return words.size() > verb && words[0] == "would" && words[verb] != "like";
}

void ConditionTakesThePast(GermanClause& c) {
    std::vector<std::string> words = VerbGroupWords(c);
    words.erase(words.begin());  // "would"
    const bool negated = words[0] == "not";
    std::string& verb = words[negated ? 1 : 0];
    if (verb == "have" || verb == "be") {
        verb = verb == "have" ? "had" : "were";
        if (negated) std::swap(words[0], words[1]);  // had not, were not
    } else if (negated) {
        words.insert(words.begin(), "did");  // "wenn es nicht regnen würde": if it did not rain
    } else {
        verb = EnglishPast(c.s.catalogue, verb);
    }
    c.verbGroup = words;
}

// "Wir hätten den Zug fast verpasst": what almost happened German says in the Konjunktiv
// II perfect, English in the simple past with "almost" (we almost missed the train).
std::size_t AlmostIn(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    if (!f.fw || !f.fw->subjunctive || (f.fw->aux != AuxVerb::Haben && f.fw->aux != AuxVerb::Sein) || c.chain.size() != 1 ||
        c.negate || c.question)
        return c.end;
    const GermanUnit& participle = c.s.units[c.chain[0]];
    if (participle.fw || participle.cls != kClassVerb || participle.reading.tag != kFormPastPart) return c.end;
    // "hätte es fast gemacht, wenn ...": beside a condition it stays unreal
    for (const GermanUnit& u : c.s.units)
        if (c.s.catalogue.Tables().InList("condition-word", u.lower)) return c.end;
    for (std::size_t i = c.begin; i < c.end; ++i)
        if (!c.used[i] && (c.s.units[i].lower == "fast" || c.s.units[i].lower == "beinahe")) return i;
    return c.end;
}

bool AlmostHappened(const GermanClause& c) { return AlmostIn(c) != c.end; }

void AlmostWithThePast(GermanClause& c) {
    const std::size_t almost = AlmostIn(c);
    c.used[almost] = true;
    c.verbGroup = {"almost", EnglishPast(c.s.catalogue, c.s.units[c.chain[0]].english)};
}

// "Hätte er früher angefangen, hätte er es geschafft": a clause opened by a verb in the
// Konjunktiv II before a comma, in no question, is a condition without "wenn" (if he had
// started earlier).
bool VerbFirstCondition(const GermanClause& c) {
    if (c.subordinate || c.finite != c.begin || c.s.question || c.end >= c.s.units.size() || c.s.units[c.end].source != ",")
        return false;
    // only at the sentence's start: after a clause in front the verb comes first anyway
    for (std::size_t k = 0; k < c.begin; ++k)
        if (!c.s.units[k].punct || c.s.units[k].source == ",") return false;
    const GermanUnit& f = c.Finite();
    return f.fw && f.fw->subjunctive && !c.verbGroup.empty();
}

void VerbFirstConditionIsIf(GermanClause& c) {
    c.out.push_back("if");
    const std::vector<std::string> words = VerbGroupWords(c);
    if (words.size() > 1 && words[0] == "would" && words[1] != "like") ConditionTakesThePast(c);
}

// ---- Adverbials in English places ----

// "..., dass er in Berlin sehr bekannt ist": the adjective a copula says, with the
// words of degree before it, comes right after the English verb ("is very well known
// in Berlin").
std::size_t PredicateAfterOtherPhrases(const GermanClause& c) {
    const std::size_t last = std::min(c.clusterStart, c.end);
    const std::size_t from = c.subordinate ? c.begin + 1 : c.finite + 1;
    if (last == 0 || last <= from + 1 || !IsCopula(c)) return c.end;
    const GermanUnit& u = c.s.units[last - 1];
    if (c.used[last - 1] || u.fw || u.cls != kClassAdjective || u.reading.tag != kFormBase || u.punct) return c.end;
    std::size_t start = last - 1;
    auto degree = [&](const GermanUnit& w) {  // "sehr", "nicht", "gar nicht" (not at all)
        if (w.fw) return w.fw->kind == GermanKind::Adverb || w.fw->kind == GermanKind::Negation;
        return w.cls == kClassAdverb ||
               (w.fixed && c.s.catalogue.Tables().InList("english-degree-word", w.english.substr(0, w.english.find(' '))));
    };
    while (start > from && !c.used[start - 1] && degree(c.s.units[start - 1])) --start;
    // "als die erste": an adjective of a noun phrase or a comparison stays
    const GermanUnit& before = c.s.units[start - 1];
    if ((before.fw && (before.fw->kind == GermanKind::Article || before.fw->kind == GermanKind::Preposition)) ||
        c.s.catalogue.Tables().InList("no-adverb-after", before.lower))
        return c.end;
    // something other than the subject must stand before it
    const Span subject = SubjectIn(c, from, start);
    for (std::size_t k = from; k < start; ++k)
        if (!c.used[k] && !c.s.units[k].punct && !(k >= subject.begin && k < subject.end)) return start;
    return c.end;
}

bool PredicateLast(const GermanClause& c) { return PredicateAfterOtherPhrases(c) < c.end; }

void PredicateRightAfterTheVerb(GermanClause& c) {
    const std::size_t start = PredicateAfterOtherPhrases(c);
    for (std::size_t k = start; k < std::min(c.clusterStart, c.end); ++k) {
        if (c.used[k]) continue;
        c.used[k] = true;
        c.afterVerb.push_back(k);
    }
}

// "vor zwei Wochen", "vor einem Jahr": a span of time before now is "two weeks ago".
std::size_t AgoPhraseIn(const GermanClause& c, std::size_t& end) {
    const EngineTables& tables = c.s.catalogue.Tables();
    for (std::size_t i = c.begin; i + 1 < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (c.used[i] || !u.fw || u.fw->kind != GermanKind::Preposition || !tables.InList("ago-preposition", u.lower)) continue;
        const GermanUnit& next = c.s.units[i + 1];
        if (next.fw && next.fw->kind == GermanKind::Article && !tables.InList("one-of", next.lower))
            continue;  // "vor dem Abend": before the evening; "vor einem Jahr" is a year ago
        end = GermanNounPhraseEnd(c.s, i + 1, c.end);
        if (end > i + 1 && c.s.units[end - 1].after.empty() && tables.InList("time-noun", Lower1252(c.s.units[end - 1].lemma)))
            return i;
    }
    return c.end;
}

// "letzten Monat", "nächste Woche": an adjective of last-or-next before a noun of time.
bool LastOrNextBeforeATimeNoun(const GermanClause& c, std::size_t k) {
    if (k + 1 >= c.end) return false;
    const EngineTables& tables = c.s.catalogue.Tables();
    const GermanUnit& adjective = c.s.units[k];
    const GermanUnit& noun = c.s.units[k + 1];
    return adjective.cls == kClassAdjective && !tables.Value("last-or-next", adjective.lower).empty() &&
           noun.cls == kClassNoun && tables.InList("time-noun", Lower1252(noun.lemma));
}

// "im letzten Jahr", "in der nächsten Woche", "am letzten Montag", "nächsten Monat":
// English says "last year", "next week" without preposition or article. The first
// unit of the phrase: its preposition, or the adjective when it has none.
std::size_t LastOrNextTimeIn(const GermanClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    for (std::size_t i = c.begin; i + 1 < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (c.used[i] || u.drop) continue;
        const GermanUnit* before = i > c.begin ? &c.s.units[i - 1] : nullptr;
        const bool bare = !(before && before->fw &&
                            (before->fw->kind == GermanKind::Article || before->fw->kind == GermanKind::Preposition));
        if (bare && !u.fixed && LastOrNextBeforeATimeNoun(c, i)) return i;
        if (!u.fw || u.fw->kind != GermanKind::Preposition || !tables.InList("time-frame-preposition", u.lower)) continue;
        std::size_t k = i + 1;
        if (c.s.units[k].fw && c.s.units[k].fw->kind == GermanKind::Article) ++k;
        if (k < c.end && !c.s.units[k].fixed && LastOrNextBeforeATimeNoun(c, k)) return i;  // "in der" at the end
    }
    return c.end;
}

bool TimeFrameWithLastOrNext(const GermanClause& c) { return LastOrNextTimeIn(c) < c.end; }

void DropThePrepositionAndArticle(GermanClause& c) {
    const std::size_t i = LastOrNextTimeIn(c);
    std::size_t k = i;
    if (c.s.units[k].fw) {
        c.s.units[k++].drop = true;
        if (c.s.units[k].fw) c.s.units[k++].drop = true;
    }
    GermanUnit& adjective = c.s.units[k];
    adjective.english = c.s.catalogue.Tables().Value("last-or-next", adjective.lower);
    adjective.senses.clear();
    adjective.fixed = true;
}

// "nächste Woche", "in der nächsten Woche", "im nächsten Jahr": the time of the
// clause, not a time inside a noun phrase ("die Prognose des nächsten Jahres",
// "für dieses und nächstes Jahr").
bool AdverbialTimeAt(const GermanClause& c, std::size_t adjective) {
    const EngineTables& tables = c.s.catalogue.Tables();
    auto frame = [&](std::size_t k) {
        const GermanUnit& u = c.s.units[k];
        return u.fw && u.fw->kind == GermanKind::Preposition && tables.InList("time-frame-preposition", u.lower);
    };
    if (adjective == 0) return true;
    const GermanUnit& before = c.s.units[adjective - 1];
    if (adjective == c.begin) return !before.fw || before.fw->kind != GermanKind::Coordinator;
    if (frame(adjective - 1)) return true;
    if (before.fw && before.fw->kind == GermanKind::Article) return adjective - 1 > c.begin && frame(adjective - 2);
    return !before.fw || before.fw->kind != GermanKind::Preposition;  // "wird nächstes Jahr", not "für nächstes Jahr"
}

// "Ich rufe dich morgen an", "Sie zieht nächsten Monat um": a German present that
// names a time to come is the English future ("will call"). Not in a subordinate
// clause, where English keeps the present ("if he comes tomorrow").
// "Die Briefe werden morgen abgeschickt": the present passive too (will be sent).
bool PresentPassiveStatement(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    return !c.question && f.fw && f.fw->aux == AuxVerb::Werden && !f.fw->past && !f.fw->subjunctive &&
           c.chain.size() == 1 && !c.s.units[c.chain[0]].fw && c.s.units[c.chain[0]].reading.tag == kFormPastPart;
}

// "Das Wetter wird morgen besser": "werden" alone becomes what it will be (will get better).
bool PresentWerdenAlone(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    return !c.question && c.chain.empty() && f.fw && f.fw->aux == AuxVerb::Werden && !f.fw->past && !f.fw->subjunctive;
}

bool FutureTimeBesideAPresentVerb(const GermanClause& c) {
    if (c.subordinate || (!PresentLexicalStatement(c) && !PresentPassiveStatement(c) && !PresentWerdenAlone(c))) return false;
    const EngineTables& tables = c.s.catalogue.Tables();
    for (std::size_t i = c.begin; i < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (i == c.finite) continue;
        // "heute Morgen" is this morning; "Morgen" after an article is the morning
        const GermanUnit* before = i > c.begin ? &c.s.units[i - 1] : nullptr;
        const bool tomorrow = u.lower == "morgen" && (u.source == "morgen" || i == c.begin) &&
                              !(before && (before->lower == "heute" || before->lower == "gestern" ||
                                           (before->fw && before->fw->kind == GermanKind::Article)));
        if (tomorrow || tables.InList("future-time", u.lower)) return true;
        if (tables.Value("last-or-next", u.lower) == "next" && LastOrNextBeforeATimeNoun(c, i) && AdverbialTimeAt(c, i))
            return true;
    }
    return false;
}

// "kommt morgen": what is arranged English tells in the progressive ("is coming").
void TheFuture(GermanClause& c) {
    const std::string& english = c.Finite().english;
    const std::string verb = english.substr(0, english.find(' '));
    if (c.s.catalogue.Tables().InList("english-arrangement-verb", verb)) c.progressive = true;
    else c.future = true;
}

bool SpanOfTimeBeforeNow(const GermanClause& c) {
    std::size_t end = 0;
    return AgoPhraseIn(c, end) < c.end;
}

void VorBecomesAgo(GermanClause& c) {
    std::size_t end = 0;
    const std::size_t vor = AgoPhraseIn(c, end);
    c.s.units[vor].drop = true;
    c.s.units[end - 1].after = c.s.catalogue.Tables().Value("ago-preposition", c.s.units[vor].lower);
}

// The phrases of [from, to): a preposition with its noun phrase, a noun phrase, or one word.
std::vector<Span> PhrasesOf(const GermanClause& c, std::size_t from, std::size_t to) {
    std::vector<Span> phrases;
    for (std::size_t i = from; i < to;) {
        const GermanUnit& u = c.s.units[i];
        std::size_t end = i + 1;
        if (u.fw && u.fw->kind == GermanKind::Preposition) end = std::max(end, GermanNounPhraseEnd(c.s, i + 1, to));
        else if (!u.punct) end = std::max(end, GermanNounPhraseEnd(c.s, i, to));
        // "jeden Morgen Kaffee": a time noun ends its phrase, whatever noun follows
        for (std::size_t k = i + 1; k + 1 < end; ++k)
            if (c.s.units[k].cls == kClassNoun && c.s.catalogue.Tables().InList("time-noun", Lower1252(c.s.units[k].lemma))) {
                end = k + 1;
                break;
            }
        // "im Jahr 1500": the number names the time
        while (end < to && c.s.units[end].number) ++end;
        // "zwischen 25 und 77 Jahren", "in Rottweil, Konstanz und Stuttgart": a list moves whole
        const bool preposition = u.fw && u.fw->kind == GermanKind::Preposition;
        while (end + 1 < to && (c.s.units[end].source == "," ||
                                (c.s.units[end].fw && c.s.units[end].fw->kind == GermanKind::Coordinator))) {
            const GermanUnit& next = c.s.units[end + 1];
            const bool nextPreposition = next.fw && next.fw->kind == GermanKind::Preposition;
            std::size_t more = nextPreposition ? GermanNounPhraseEnd(c.s, end + 2, to) : GermanNounPhraseEnd(c.s, end + 1, to);
            if (nextPreposition && more <= end + 2) break;
            if (!nextPreposition && (more <= end + 1 || (!preposition && next.fw && next.fw->kind != GermanKind::Article))) break;
            if (nextPreposition != preposition && !(preposition && !nextPreposition)) break;
            end = more;
        }
        phrases.push_back({i, end});
        i = end;
    }
    return phrases;
}

// "gestern", "jeden Morgen", "am Sonntag", "vor zwei Wochen", "um sechs": a phrase
// that says when.
bool SaysWhen(const GermanClause& c, Span p) {
    const EngineTables& tables = c.s.catalogue.Tables();
    const GermanUnit& first = c.s.units[p.begin];
    if (p.end - p.begin == 1 && !first.fixed) return !first.punct && tables.InList("time-adverb", first.lower);
    if (first.lower.compare(0, 4, "kein") == 0) return false;  // "keine Zeit haben": no time is had, none is named
    if (first.fw && first.fw->kind == GermanKind::Preposition && tables.InList("clock-preposition", first.lower) &&
        (c.s.units[p.begin + 1].number || c.s.units[p.begin + 1].cls == kClassNumeral))
        return true;
    // "fünfundzwanzig Jahre alt": a measure of the adjective after it
    const bool preposition = first.fw && first.fw->kind == GermanKind::Preposition;
    if (!preposition && p.end < c.end && !c.s.units[p.end].fw && c.s.units[p.end].cls == kClassAdjective) return false;
    // "Das war der glücklichste Tag (meines Lebens)": a noun phrase in the subject's case
    // that ends the clause after "sein" is what the subject is
    if (!preposition && first.fw && first.fw->kind == GermanKind::Article && !ObjectForm(tables, first) && IsCopula(c)) {
        std::size_t after = p.end;
        if (after < c.end && c.s.units[after].fw && c.s.units[after].fw->kind == GermanKind::Article &&
            c.s.units[after].lower.back() == 's')  // "des", "meines": a genitive after it
            after = GermanNounPhraseEnd(c.s, after, c.end);
        if (after >= c.end || c.s.units[after].punct) return false;
    }
    const GermanUnit& last = c.s.units[p.end - 1];
    const std::string lastWord = last.source.substr(last.source.rfind(' ') + 1);  // "letzte Woche" as one phrase
    return tables.InList("time-noun", Lower1252(last.lemma)) || tables.InList("time-noun", Lower1252(lastWord));
}

// "hier", "dort": a lone adverb that says where, which English says after the
// objects too ("There is no internet here").
bool SaysWhere(const GermanClause& c, Span p) {
    const GermanUnit& first = c.s.units[p.begin];
    return p.end - p.begin == 1 && !first.fixed && !first.punct && c.s.catalogue.Tables().InList("place-adverb", first.lower);
}

bool SaysWhenOrWhere(const GermanClause& c, Span p) { return SaysWhen(c, p) || SaysWhere(c, p); }

// "Ich trinke jeden Morgen Kaffee": English says when after the objects ("I drink
// coffee every morning"). Not the subject, and only when something follows.
bool TimeBeforeOtherWords(const GermanClause& c) {
    const std::size_t from = c.subordinate ? c.begin + 1 : c.finite + 1;
    const std::size_t to = c.subordinate ? c.finite : c.end;
    bool time = false;
    for (Span p : PhrasesOf(c, from, to)) {
        if (c.used[p.begin]) continue;
        if (SaysWhenOrWhere(c, p)) time = true;
        else if (time && !c.s.units[p.begin].punct) return true;
    }
    return false;
}

void TimeGoesLast(GermanClause& c) {
    const std::size_t from = c.subordinate ? c.begin + 1 : c.finite + 1;
    const std::size_t to = c.subordinate ? c.finite : c.end;
    const Span subject = c.subordinate ? SubjectIn(c, from, to) : Span{to, to};
    for (Span p : PhrasesOf(c, from, to))
        if (!c.used[p.begin] && SaysWhenOrWhere(c, p) && !(p.begin >= subject.begin && p.begin < subject.end))
            c.SayAtTheEnd(p.begin, p.end);
}

bool SubjectStandsFirst(const GermanClause& c);

// "den", "eine", "seinen": an article that can open an accusative object; "der",
// "des", "seiner", "dieses" open a genitive attribute more often than an object.
bool AccusativeArticleForm(const std::string& w) {
    if (w == "das" || w == "die" || w == "den" || w == "diese" || w == "diesen") return true;
    for (const char* stem : {"ein", "kein", "mein", "dein", "sein", "ihr", "unser", "euer", "eur"}) {
        const std::size_t n = strlen(stem);
        if (w.compare(0, n, stem) != 0) continue;
        const std::string ending = w.substr(n);
        return ending.empty() || ending == "e" || ending == "en";
    }
    return false;
}

// "hatte sich bei dem Sturz eine Kniescheibe gebrochen": German says a phrase with a
// preposition before the object; English says the object right after the verb and
// the phrase after it (had broken a kneecap in the fall). The object is the last noun
// phrase before the verbs at the end, opened by an article of the accusative, not the subject
// nor a genitive; the phrases are the prepositional ones right before it.
struct ObjectAfterPhrases {
    Span object{0, 0};
    std::size_t phrasesFrom = 0;
};

ObjectAfterPhrases FindObjectAfterPhrases(const GermanClause& c) {
    ObjectAfterPhrases found;
    if (c.question || c.imperative) return found;
    const std::size_t from = c.subordinate ? c.begin + 1 : c.finite + 1;
    const std::size_t to = c.subordinate ? std::min(c.clusterStart, c.finite) : std::max(from, c.clusterStart);
    if (from >= to) return found;
    std::vector<Span> phrases;
    for (Span p : PhrasesOf(c, from, to))
        if (!c.used[p.begin]) phrases.push_back(p);
    if (phrases.size() < 2) return found;
    const Span object = phrases.back();
    const GermanUnit& first = c.s.units[object.begin];
    const bool article = first.fw && first.fw->kind == GermanKind::Article && AccusativeArticleForm(first.lower);
    if (object.end != to || !article || object.end - object.begin < 2 || !IsNounLike(c.s.units[object.end - 1]))
        return found;
    if ((c.subordinate || !SubjectStandsFirst(c)) && SubjectIn(c, from, to).begin == object.begin) return found;
    std::size_t k = phrases.size() - 1;
    while (k > 0) {
        const Span p = phrases[k - 1];
        const GermanUnit& u = c.s.units[p.begin];
        // "von Gudden", "von HIV": "von" mostly belongs to the noun before it
        if (!u.fw || u.fw->kind != GermanKind::Preposition || u.lower == "von" || p.end != phrases[k].begin ||
            u.inAttribute)
            break;
        --k;
    }
    if (k == phrases.size() - 1) return found;
    // a phrase after a noun phrase may belong to that noun ("die Ausbreitung von HIV in der
    // Gesellschaft"): only phrases after the verb, a pronoun or an adverb move
    if (k > 0) {
        const GermanUnit& before = c.s.units[phrases[k - 1].begin];
        if (phrases[k - 1].end - phrases[k - 1].begin > 1 || IsNounLike(before) ||
            (before.fw && before.fw->kind == GermanKind::Preposition))
            return found;
    }
    found.object = object;
    found.phrasesFrom = phrases[k].begin;
    return found;
}

bool ObjectAfterPrepositionalPhrases(const GermanClause& c) { return !FindObjectAfterPhrases(c).object.empty(); }

void PhrasesAfterTheObject(GermanClause& c) {
    const ObjectAfterPhrases found = FindObjectAfterPhrases(c);
    // before the times held back already: English says where before when
    const std::vector<std::size_t> times = std::move(c.atTheEnd);
    c.atTheEnd.clear();
    c.SayAtTheEnd(found.phrasesFrom, found.object.begin);
    c.atTheEnd.insert(c.atTheEnd.end(), times.begin(), times.end());
}

// "Er hat sich sehr gefreut", "Ich freue mich sehr", "Sie war sehr interessiert": a verb
// English says with "be" and an adjective (be pleased), or a participle after "sein", takes
// the degree before its adjective (very pleased), not after the verbs.
std::size_t SehrOfABeVerb(const GermanClause& c) {
    if (c.verbGroup.empty()) return c.end;
    const GermanUnit& main = c.s.units[MainVerbOf(c)];
    const bool be = !main.fw && main.english.compare(0, 3, "be ") == 0;
    const bool state = c.Finite().fw && c.Finite().fw->aux == AuxVerb::Sein;
    for (std::size_t i = c.begin; i < c.end; ++i) {
        if (c.used[i] || c.s.units[i].lower != "sehr") continue;
        const GermanUnit* next = i + 1 < c.end ? &c.s.units[i + 1] : nullptr;
        const bool inTheGroup = std::find(c.chain.begin(), c.chain.end(), i + 1) != c.chain.end() || i + 1 == c.finite;
        const bool beforeTheVerb = next && inTheGroup && !next->fw && (be || (state && next->reading.tag == kFormPastPart));
        const bool closing = !next || next->punct || (next->fw && next->fw->kind == GermanKind::Preposition);
        if (beforeTheVerb || (be && closing)) return i;
    }
    return c.end;
}

bool SehrOfAVerbOfBe(const GermanClause& c) {
    if (SehrOfABeVerb(c) == c.end) return false;
    // the verb group ends in the adjective or participle: "has been pleased", "was interested"
    const std::string& last = c.verbGroup.back();
    const std::string word = last.substr(last.rfind(' ') == std::string::npos ? 0 : last.rfind(' ') + 1);
    return !c.s.catalogue.Tables().InList("english-auxiliary", word) && word != "being";
}

void VeryBeforeTheAdjective(GermanClause& c) {
    c.used[SehrOfABeVerb(c)] = true;
    std::string& last = c.verbGroup.back();
    const std::size_t space = last.rfind(' ');
    last.insert(space == std::string::npos ? 0 : space + 1, "very ");
}

// "Könntest du mir bitte helfen?": in a question "please" goes before the verb asked for
// (could you please help me), in a bid before everything (please sit down).
std::size_t BitteAfterTheVerb(const GermanClause& c) {
    if (!(c.question || c.imperative) || c.verbGroup.empty()) return c.end;
    for (std::size_t i = c.finite + 1; i < c.end; ++i)
        if (!c.used[i] && c.s.units[i].lower == "bitte") return i;
    return c.end;
}

bool BitteInAQuestionOrABid(const GermanClause& c) { return BitteAfterTheVerb(c) != c.end; }

void PleaseBeforeTheVerb(GermanClause& c) {
    const std::size_t bitte = BitteAfterTheVerb(c);
    // "Hilfst du mir bitte?" asks with "do": "please" goes at the end
    const std::string& first = c.verbGroup.front();
    if (!c.imperative && (first == "do" || first == "does" || first == "did")) {
        c.SayAtTheEnd(bitte, bitte + 1);
        return;
    }
    c.used[bitte] = true;
    const std::size_t at = c.imperative ? 0 : std::min(c.insertAt, c.verbGroup.size());
    c.verbGroup.insert(c.verbGroup.begin() + at, "please");
}

// "Sie arbeiten noch", "noch immer": "noch" that goes on up to now is "still"; not
// before "nicht", "ein", "mehr" or a comparative (not yet, another, even more).
bool StillAt(const GermanClause& c, std::size_t i) {
    if (i >= c.end || c.used[i] || c.s.units[i].lower != "noch") return false;
    const GermanUnit* next = i + 1 < c.end ? &c.s.units[i + 1] : nullptr;
    if (!next || next->punct || next->lower == "immer" || next->number) return true;
    if (next->fw) return next->fw->kind == GermanKind::Preposition;  // "noch in Berlin"
    return next->cls == kClassNoun || next->cls == kClassVerb || next->cls == kClassNumeral ||
           (next->cls == kClassAdjective && next->reading.tag == kFormBase);
}

// "Wir schwimmen oft im See": "often", "never", "already" stand before the English
// verb, or after its first auxiliary or a lone "be" ("We have already seen it"); in a
// question the subject comes between ("Is it still raining?", "Does he often come?").
// "weiß immer noch nicht": the term "immer noch" goes there even before a negation
// (still does not know).
std::size_t FrequencyAdverbIn(const GermanClause& c) {
    if (c.verbGroup.empty()) return c.end;
    const std::size_t from = c.subordinate ? c.begin + 1 : c.finite + 1;
    for (std::size_t i = from; i < c.end; ++i) {
        if (c.used[i]) continue;
        if (c.s.units[i].fixed && c.s.catalogue.Tables().InList("still-term", c.s.units[i].lower)) return i;
        if (c.negate || c.s.units[i].fixed) continue;
        if (StillAt(c, i)) return i;
        // "Ich komme auch.": at the clause's end "auch" stays there (too)
        const bool last = i + 1 == c.end || c.s.units[i + 1].punct;
        // "eine wirklich besondere Zeit", "fast sofort": a degree of the word beside it stays with it
        const GermanUnit& u = c.s.units[i];
        const bool degree = !last && !c.s.units[i + 1].fw &&
                            (c.s.units[i + 1].cls == kClassAdjective || c.s.units[i + 1].cls == kClassAdverb);
        const bool graded = i > from && !c.s.units[i - 1].fw && c.s.units[i - 1].cls == kClassAdverb;
        if (c.s.catalogue.Tables().InList("frequency-adverb", u.lower) && !StillAt(c, i + 1) &&
            !(last && u.lower == "auch") && !((degree || graded) && c.s.catalogue.Tables().InList("focus-adverb", u.lower)))
            return i;
    }
    return c.end;
}

bool FrequencyAdverbAfterTheVerb(const GermanClause& c) { return FrequencyAdverbIn(c) < c.end; }

void FrequencyAdverbIntoTheVerbGroup(GermanClause& c) {
    const std::size_t i = FrequencyAdverbIn(c);
    // "noch immer", "immer noch": still, once
    for (std::size_t k : {i - 1, i + 1})
        if (StillAt(c, i) && k >= c.begin && k < c.end && c.s.units[k].lower == "immer") c.used[k] = true;
    std::vector<std::string> words = VerbGroupWords(c);
    // one lexical verb, also of two words ("look forward", "gets up"): the adverb before it;
    // "would become" has an auxiliary first
    const bool lone = c.verbGroup.size() == 1 &&
                      (words.size() == 1 || !c.s.catalogue.Tables().InList("english-auxiliary", words[0]));
    const bool be = (lone || c.negate) && c.s.catalogue.Tables().InList("english-be-form", words[0]);
    // "mag ihn wirklich": an adjective there tells how (really)
    if (!c.s.units[i].fw && c.s.units[i].cls == kClassAdjective) c.s.units[i].adverbial = true;
    words.insert(words.begin() + ((lone || c.negate) && !be ? 0 : 1), UnitEnglish(c.s, i));
    c.used[i] = true;
    c.verbGroup = words;
}

// "Ich war noch nie in Amerika", "Warst du schon einmal in London?": having been to a
// place, ever or never, English tells in the present perfect (I have never been to
// America, Have you ever been to London?). The words of experience are table
// experience-adverb: "never", or "ever" that a statement says as "before" at the end.
std::size_t ExperienceAdverbIn(const GermanClause& c, std::size_t& words) {
    const EngineTables& tables = c.s.catalogue.Tables();
    for (std::size_t i = c.begin; i < c.end; ++i) {
        if (c.used[i]) continue;
        const std::string& u = c.s.units[i].lower;
        const std::string pair = i + 1 < c.end ? u + " " + c.s.units[i + 1].lower : std::string();
        words = !pair.empty() && tables.InList("experience-adverb", pair) ? 2 : 1;
        if (words == 2 || tables.InList("experience-adverb", u)) return i;
    }
    return c.end;
}

std::size_t PlaceOfAVisit(const GermanClause& c) {
    for (std::size_t i = c.begin; i + 1 < c.end; ++i) {
        const GermanUnit& u = c.s.units[i];
        if (!c.used[i] && u.lower == "in" && u.fw && u.fw->kind == GermanKind::Preposition && !c.s.units[i + 1].punct) return i;
    }
    return c.end;
}

bool BeenToAPlace(const GermanClause& c) {
    const GermanUnit& f = c.Finite();
    if (!f.fw || f.fw->aux != AuxVerb::Sein || f.fw->subjunctive || c.negate) return false;
    const bool past = f.fw->past && c.chain.empty();
    const bool perfect = !f.fw->past && c.chain.size() == 1 && c.s.units[c.chain[0]].lower == "gewesen";
    std::size_t words = 0;
    return (past || perfect) && ExperienceAdverbIn(c, words) < c.end && PlaceOfAVisit(c) < c.end;
}

void HaveBeenToThePlace(GermanClause& c) {
    std::size_t words = 0;
    const std::size_t at = ExperienceAdverbIn(c, words);
    std::string adverb = at + words - 1 < c.end ? c.s.units[at].lower : std::string();
    if (words == 2) adverb += " " + c.s.units[at + 1].lower;
    const std::string& english = c.s.catalogue.Tables().Value("experience-adverb", adverb);
    c.verbGroup = {c.person == 3 && !c.plural ? "has" : "have"};
    if (english == "never" || c.question) c.verbGroup.push_back(english == "never" ? "never" : "ever");
    c.verbGroup.push_back("been");
    c.insertAt = 1;
    for (std::size_t k = at; k < at + words; ++k) c.used[k] = true;
    // "Ich war schon einmal in London": I have been to London before
    if (english != "never" && !c.question) {
        GermanUnit& before = c.s.units[at];
        before.english = "before";
        before.fixed = true;
        c.used[at] = false;
        c.SayAtTheEnd(at, at + 1);
    }
    GermanUnit& in = c.s.units[PlaceOfAVisit(c)];
    in.english = "to";
    in.fixed = true;
}

// ---- Clauses without a finite verb ----

// The infinitive with "zu" that ends the clause ("auszudehnen", "zu erhalten"), or end.
std::size_t ZuInfinitiveAtTheEnd(const GermanClause& c) {
    if (c.end - c.begin < 1) return c.end;
    const GermanUnit& last = c.s.units[c.end - 1];
    // "pünktlich zu sein": an auxiliary's infinitive too
    const bool auxiliary = last.fw && (last.fw->kind == GermanKind::Auxiliary || last.fw->kind == GermanKind::Modal);
    if ((last.fw && !auxiliary) || (!last.fw && last.cls != kClassVerb)) return c.end;
    if (last.reading.zuInfinitive) return c.end - 1;
    const GermanUnit* before = c.end - 1 > c.begin ? &c.s.units[c.end - 2] : nullptr;
    return before && before->fw && before->fw->kind == GermanKind::Particle ? c.end - 1 : c.end;
}

bool EndsWithAZuInfinitive(const GermanClause& c) { return ZuInfinitiveAtTheEnd(c) != c.end; }

// "Er hörte auf, Zigaretten zu rauchen": the English of the verb nearest before the
// comma, which governs the infinitive clause after it.
std::string GoverningVerbBefore(const GermanClause& c) {
    for (std::size_t i = c.begin; i-- > 0;) {
        const GermanUnit& u = c.s.units[i];
        if (u.punct && u.source != ",") break;
        if (!u.fw && u.cls == kClassVerb) return u.english;
    }
    return {};
}

// "..., um den Ausweis zu erhalten": to receive the identification; "ohne ... zu
// fragen": without asking.
void InfinitiveBeforeItsObjects(GermanClause& c) {
    const std::size_t verb = ZuInfinitiveAtTheEnd(c);
    const GermanUnit& v = c.s.units[verb];
    const std::string& first = c.First().lower;
    const bool gerund = first == "ohne" || first == "statt" || first == "anstatt";
    std::size_t from = c.begin;
    if (!c.out.empty() && c.out.back() == ",") c.out.pop_back();  // English sets no comma before it
    if (gerund || first == "um") {
        if (first == "ohne") c.out.push_back("without");
        if (first != "ohne" && gerund) c.out.push_back("instead of");
        c.used[from++] = true;
    }
    c.out.push_back(gerund ? EnglishIng(c.s.catalogue, v.english)
                           : ZuInfinitiveEnglish(c.s.catalogue, GoverningVerbBefore(c), v.english));
    c.used[verb] = true;
    if (!v.reading.zuInfinitive) c.used[verb - 1] = true;
    c.EmitRange(from, verb);
    c.trace.finished = true;
}

// "Wir haben gegessen und dann Karten gespielt": after "und" a participle at the end
// shares the clause before's auxiliary; English says its verb before its objects
// (and then played cards), in the past or, after "have", as the participle.
std::size_t ParticipleSharingTheAuxiliary(const GermanClause& c) {
    if (c.begin == 0 || c.end - c.begin < 2) return c.end;
    const GermanUnit& before = c.s.units[c.begin - 1];
    if (!before.fw || before.fw->kind != GermanKind::Coordinator) return c.end;
    const GermanUnit& last = c.s.units[c.end - 1];
    // "verlassen", "bekommen": a participle that looks like the infinitive
    const bool participle = last.reading.tag == kFormPastPart || (last.reading.tag == kFormBase && last.participle.word);
    if (last.fw || last.cls != kClassVerb || !participle || last.reading.zuInfinitive) return c.end;
    for (std::size_t k = 0; k + 1 < c.begin; ++k) {
        const GermanUnit& u = c.s.units[k];
        if (u.fw && (u.fw->aux == AuxVerb::Haben || u.fw->aux == AuxVerb::Sein) && !u.fw->participle) return c.end - 1;
    }
    return c.end;
}

bool ParticipleAfterUnd(const GermanClause& c) { return ParticipleSharingTheAuxiliary(c) != c.end; }

void VerbBeforeItsObjects(GermanClause& c) {
    const std::size_t verb = ParticipleSharingTheAuxiliary(c);
    std::size_t from = c.begin;
    while (from < verb && c.s.units[from].fw && c.s.units[from].fw->kind == GermanKind::Adverb) c.Emit(from++);
    bool perfect = false;
    for (std::size_t k = c.out.size(); k > 0 && k + 8 > c.out.size(); --k)
        perfect = perfect || c.out[k - 1] == "have" || c.out[k - 1] == "has" || c.out[k - 1] == "had";
    const std::string& english = c.s.units[verb].english;
    c.out.push_back(perfect ? EnglishPastPart(c.s.catalogue, english) : EnglishPast(c.s.catalogue, english));
    c.used[verb] = true;
    c.EmitRange(from, verb);
    c.trace.finished = true;
}

void WordsInTheirOrder(GermanClause& c) {
    c.EmitRange(c.begin, c.end);
    c.trace.finished = true;
}

const ClauseRule<GermanClause> kNonFiniteRules[] = {
    {"ZuInfinitiveBeforeItsObjects", "Es ist wichtig, das Buch zu lesen.", EndsWithAZuInfinitive, InfinitiveBeforeItsObjects},
    {"ParticipleAfterUndSharesTheAuxiliary", "Der Hund hat geschlafen und dann das Buch gesehen.", ParticipleAfterUnd,
     VerbBeforeItsObjects},
    {"WordsInTheirOrder", "Ein neues Buch.", Always, WordsInTheirOrder},
};

const ClauseRule<GermanClause> kRules[] = {
    {"SeparableParticleJoinsItsVerb", "Er steht auf.", SeparableParticleAtTheEnd, JoinTheParticle},
    {"ReflexivePronounIsLeftOut", "Ich freue mich.", ReflexivePronounOfTheSubject, DropTheReflexivePronoun},
    {"AdjectiveTakesTheZuInfinitive", "Der Hund ist leicht zu sehen.", AdjectiveBeforeAZuInfinitive,
     TheAdjectiveTakesTheInfinitive},
    {"ZuJoinsItsInfinitive", "Er versucht zu schlafen.", ZuBeforeAnInfinitive, JoinZuAndInfinitive},
    {"ReflexiveVerbWithItsPreposition", "Der Hund freut sich auf den Garten.", ReflexiveVerbWithItsPreposition,
     TheReflexiveTermsEnglish},
    {"ReflexiveVerbWithASenseOfItsOwn", "Der Hund erinnert sich.", ReflexiveVerbWithASenseOfItsOwn,
     TakeTheReflexiveSense},
    {"VerbWithItsPrepositionTakesItsSense", "Der Mann stimmt für den Hund.", VerbWithItsPreposition, TheVerbTermsEnglish},
    {"VerbTakesItsSenseFromItsObject", "Der Mann hält eine Rede.", VerbWithItsObject, TheVerbTakesItsSenseFromItsObject},
    {"EsWithAVerbOfItsOwn", "Es geht um den Hund.", EsWithAVerbOfItsOwn, TheEsTermsEnglish},
    {"VerbAskedForWithWasTakesItsSense", "Was macht der Hund?", VerbAskedForWithItsOwnSense, TakeTheAskingSense},
    {"EsVerbTakesItsSense", "Es heißt, dass der Hund schläft.", EsVerbWithItsOwnSense, TakeTheEsSense},
    {"SayingToSomeoneIsTelling", "Er sagte dem Mann, dass der Hund schläft.", SayingVerbWithItsHearer, TheVerbOfTelling},
    {"DativeOfAVerbWithToTakesTo", "Das Buch gehört dem Mann.", DativeObjectOfAVerbWithTo, ToBeforeTheDative},
    {"PlaceVerbOfAThingIsBe", "Das Buch steht im Garten.", PlaceVerbOfAThing, ThePlaceVerbIsBe},
    {"GovernedPreposition", "Er wartet auf den Bus.", PrepositionGovernedByAWord, TakeTheGovernedPreposition},
    {"VerbsPrepositionIsSaidOnce", "Das Buch stammt aus dem Garten.", VerbWhoseEnglishHasTheClausesPreposition,
     SayThePrepositionOnce},
    {"NichtJoinsTheVerbGroup", "Der Hund bellt nicht.", NichtBeforeTheVerbs, NegateTheVerbGroup},
    {"AdjectiveBesideTheVerbIsAnAdverb", "Der Hund bellt leise.", AdjectiveBesideAVerb, AdjectiveBecomesAnAdverb},
    {"HabenWithAPredicateIsBe", "Der Hund hat Hunger.", HabenWithAPredicate, HabenIsBe},
    {"HeissenWithANameIsNameIs", "Der Hund heißt Tom.", HeissenTellsAName, NameIsTheSubject},
    {"EsGibtIsThereIs", "Es gibt einen Hund.", EsGibt, ThereIsOrAre},
    {"VorIsAgo", "Vor zwei Wochen kaufte er ein Haus.", SpanOfTimeBeforeNow, VorBecomesAgo},
    {"LastYearTakesNoPreposition", "Im letzten Jahr kaufte er ein Haus.", TimeFrameWithLastOrNext, DropThePrepositionAndArticle},
    {"SeitTakesThePresentPerfect", "Der Hund schläft seit drei Tagen im Garten.", SeitBesideAPresentVerb, ThePresentPerfect},
    {"GeradeMakesTheProgressive", "Der Hund schläft gerade im Garten.", GeradeBesideAPresentVerb, TheProgressive},
    {"FutureTimeTakesWill", "Der Hund schläft morgen im Garten.", FutureTimeBesideAPresentVerb, TheFuture},
    {"LikingAdverbIsLike", "Der Hund schläft gern.", LikingAdverbBesideAVerb, LikeTheVerb},
    {"OngoingActivityIsProgressive", "Der Hund wartet im Garten.", OngoingActivityInThePresent, TheOngoingProgressive},
    {"MovementUnderWayIsProgressive", "Wir gehen jetzt in den Garten.", MovementUnderWayNow, TheOngoingProgressive},
    {"GehenWithAnInfinitiveIsGoDoing", "Der Hund geht schlafen.", GehenWithAnInfinitive, GoDoing},
    {"ImperativeIsTheBareVerb", "Lesen Sie das Buch.", Imperative, BidWithTheBareVerb},
    {"EnglishVerbGroup", "Er hat das Buch gelesen.", Always, BuildTheEnglishVerbGroup},
    {"ConditionTakesThePast", "Wenn der Hund schlafen würde, wäre er leise.", UnrealCondition, ConditionTakesThePast},
    {"AlmostHappenedIsThePast", "Der Hund hätte den Mann fast gesehen.", AlmostHappened, AlmostWithThePast},
    {"VerbFirstConditionIsIf", "Wäre der Hund alt, würde der Mann schlafen.", VerbFirstCondition, VerbFirstConditionIsIf},
    {"BeenToAPlaceIsThePresentPerfect", "Der Hund war noch nie in Berlin.", BeenToAPlace, HaveBeenToThePlace},
    {"FrequencyAdverbBeforeTheVerb", "Wir sehen oft den Hund.", FrequencyAdverbAfterTheVerb, FrequencyAdverbIntoTheVerbGroup},
    {"VeryBeforeTheAdjectiveOfABeVerb", "Der Hund hat sich sehr gefreut.", SehrOfAVerbOfBe, VeryBeforeTheAdjective},
    {"PleaseBeforeTheVerb", "Kannst du bitte den Hund sehen?", BitteInAQuestionOrABid, PleaseBeforeTheVerb},
    {"TimeGoesLast", "Ich lese heute das Buch.", TimeBeforeOtherWords, TimeGoesLast},
    {"ObjectBeforeItsPhrases", "Ich habe im Garten einen Hund gesehen.", ObjectAfterPrepositionalPhrases, PhrasesAfterTheObject},
    {"PredicateAfterTheVerb", "Der Hund ist im Garten sehr leise.", PredicateLast, PredicateRightAfterTheVerb},
    {"SubordinateClauseOrder", "Ich sehe, dass er das Buch liest.", IsSubordinate, SubordinateOrder},
    {"VerbAfterARelativeClause", "Der Mann, der dort steht, ist mein Vater.", VerbAfterAWaitingSubject, VerbThenRest},
    {"VerbFirstAfterUndSharesTheSubject", "Der Hund bellte und sah den Mann.", VerbFirstSharesTheSubject, VerbThenRest},
    {"QuestionPutsTheAuxiliaryFirst", "Hat er das Buch gelesen?", VerbFirstOrQuestion, QuestionOrder},
    {"SubjectBeforeTheVerb", "Der Hund bellt.", SubjectStandsFirst, SubjectVerbRest},
    {"HereIsTheSubject", "Hier ist der Hund.", HereThenVerbThenSubject, VerbBeforeTheSubjectAfterHere},
    {"TopicThenSubjectThenVerb", "Heute spielen die Kinder.", Always, TopicSubjectVerbRest},
};

}  // namespace

RuleTable<GermanClause> GermanClauseRules() { return {kRules, sizeof kRules / sizeof kRules[0]}; }
RuleTable<GermanClause> GermanNonFiniteClauseRules() {
    return {kNonFiniteRules, sizeof kNonFiniteRules / sizeof kNonFiniteRules[0]};
}

}  // namespace velloc
