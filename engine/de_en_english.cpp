// German into English, generation: each unit's English in its place, and the
// English verb group of a clause.
#include <cstring>
#include <iterator>

#include "engine/de_en.h"
#include "engine/dictionary_source.h"
#include "engine/inflection.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

const GermanUnit* Next(const GermanSentence& s, std::size_t i) {
    return i + 1 < s.units.size() ? &s.units[i + 1] : nullptr;
}
const GermanUnit* Previous(const GermanSentence& s, std::size_t i) { return i > 0 ? &s.units[i - 1] : nullptr; }

// "um 20 Uhr", "um 16.30 Uhr": a time of the 24-hour clock that English says with
// its half of the day (8 pm, 4.30 pm); empty for a number that is no such time, and for
// a full hour of the morning, which stays "8 o'clock".
std::string TwelveHourClock(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* next = Next(s, i);
    if (!u.number || !next || next->lower != "uhr") return std::string();
    std::string hours = u.source, minutes;
    const std::size_t mark = hours.find_first_of(".:");
    if (mark != std::string::npos) {
        minutes = hours.substr(mark + 1);
        hours.resize(mark);
    }
    if (hours.empty() || hours.size() > 2 || hours.find_first_not_of("0123456789") != std::string::npos ||
        (mark != std::string::npos && (minutes.size() != 2 || minutes.find_first_not_of("0123456789") != std::string::npos)))
        return std::string();
    const int hour = std::stoi(hours);
    if (hour > 24 || (hour <= 12 && minutes.empty())) return std::string();
    const bool pm = hour >= 12 && hour < 24;
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(twelve) + (minutes.empty() ? "" : "." + minutes) + (pm ? " pm" : " am");
}

// "das zu akzeptieren": "zu" and a verb right after i, whose object i then is.
bool ZuInfinitiveAfter(const GermanSentence& s, std::size_t i) {
    const GermanUnit* zu = Next(s, i);
    const GermanUnit* verb = zu && zu->lower == "zu" ? Next(s, i + 1) : nullptr;
    return verb && !verb->fw && verb->cls == kClassVerb;
}

bool IsArticle(const GermanUnit& u, const char* a, const char* b = nullptr, const char* c = nullptr) {
    return u.fw && u.fw->kind == GermanKind::Article &&
           (u.lower == a || (b && u.lower == b) || (c && u.lower == c));
}

// An English noun written with a capital (Monday, January, Switzerland) but not an
// abbreviation (the EU, the USA).
bool NamesItself(const GermanUnit& noun) {
    const std::string& e = noun.english;
    return e.size() >= 2 && IsUpper1252(static_cast<unsigned char>(e[0])) &&
           !IsUpper1252(static_cast<unsigned char>(e[1])) && e.find(' ') == std::string::npos;
}

// Whether the noun before the comma at comma names people: "der Minister, der ..."
// is "who", "das Haus, das ..." is "which".
bool RefersToPerson(const GermanSentence& s, std::size_t comma) {
    return comma > 0 && NamesAPerson(s, s.units[comma - 1]);
}

}  // namespace

bool NamesAPerson(const GermanSentence& s, const GermanUnit& noun) {
    if (noun.cls != kClassNoun && noun.cls != kClassName) return false;
    if (noun.cls == kClassName) return true;
    std::string e = Lower1252(noun.english);
    auto ends = [&](const char* suffix) {
        std::size_t n = std::strlen(suffix);
        return e.size() > n && e.compare(e.size() - n, n, suffix) == 0;
    };
    const EngineTables& tables = s.catalogue.Tables();
    for (const std::string& p : tables.List("person-noun"))
        if (e == p || ends((" " + p).c_str())) return true;
    // agent nouns: the teacher, the director, the scientist, the politician
    for (const std::string& a : tables.List("agent-suffix"))
        if (ends(a.c_str())) return true;
    return false;
}

namespace {

// ---- Rules for one word in its place ----

bool RelativePronounIsWhoOrWhich(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].relative) {
        english = s.units[i].english;
        return true;
    }
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    if (!IsArticle(s.units[i], "der", "die", "das") || !prev || !prev->punct || prev->source != "," || !next) return false;
    if (!(next->fw || next->cls == kClassVerb || next->cls == kClassAdverb || !next->capital)) return false;
    // "Er sagte, das sei gut": after a verb of saying the pronoun is no relative one
    if (i >= 2 && s.units[i - 2].cls == kClassVerb && !s.units[i - 2].fw &&
        s.catalogue.Tables().InList("reporting-verb", Lower1252(s.units[i - 2].lemma)))
        return false;
    if (next->cls == kClassAdjective) return false;
    // "bedeutet, das zu akzeptieren": the object of a zu-infinitive, no relative pronoun
    if (ZuInfinitiveAfter(s, i)) return false;
    english = RefersToPerson(s, i - 1) ? "who" : "which";
    return true;
}

// "der Preis der Wohnungen", "11 % der Wähler": a genitive attribute is "of the".
bool GenitiveDerIsOfThe(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    const bool afterQuantity = prev && (prev->number || prev->source == "%" || prev->cls == kClassNumeral);
    if (!IsArticle(s.units[i], "der") || !prev || !(IsNounLike(*prev) || afterQuantity) || !next ||
        s.catalogue.Tables().InList("selbst", prev->lower))  // "Selbst der Präsident": even the
        return false;
    if (!IsNounLike(*next) && next->cls != kClassAdjective) return false;
    english = "of the";
    return true;
}

// "ihr Auto", "ihren Schlüssel": her, its or their, by the subject the clause has named
// before it ("Die Nachbarn haben ihr Auto verkauft": their; "Die Stadt feiert ihren
// Geburtstag": its). Empty when the word is
// no possessive "ihr" before a noun.
std::string IhrOwner(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    if (u.source[0] == 'I' && !u.start && s.options.letter) return "your";
    for (std::size_t k = i; k-- > 0;) {
        if (s.units[k].punct && s.units[k].source != ",") break;
        if (!s.units[k].subject) continue;
        if (s.units[k].subjectPlural) return "their";
        // "Die Koalition verlor ihre Mehrheit": a thing's is "its"
        const GermanUnit& owner = s.units[k];
        const bool woman = EndsWith(owner.lower, "in");  // "die Ministerin": a feminine of a person
        return !owner.fw && owner.cls == kClassNoun && !woman && !NamesAPerson(s, owner) ? "its" : "her";
    }
    return "their";
}

std::string IhrPossessive(const GermanSentence& s, std::size_t i) {
    const GermanUnit* next = Next(s, i);
    if (!s.catalogue.Tables().InList("ihr-form", s.units[i].lower) || !next ||
        (!IsNounLike(*next) && next->cls != kClassAdjective))
        return std::string();
    return IhrOwner(s, i);
}

bool NounAhead(const GermanSentence& s, std::size_t from);

// "so groß wie eures", "schwerer als meiner", "mit seinem": a possessive with no noun
// after it stands for one: "yours", "mine" (table possessive-pronoun). Only the forms
// that cannot be a verb or another word ("meinen" means, "meine" thinks).
// "Ich komme auch.", "Sie spielt Tennis auch": closing its clause "auch" is "too".
bool AuchClosingItsClauseIsToo(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    if (s.units[i].lower != "auch" || !prev || prev->punct || (next && !next->punct)) return false;
    english = "too";
    return true;
}

bool PossessiveAloneIsMine(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    if (!u.fw || u.fw->kind != GermanKind::Article || (next && !next->punct && NounAhead(s, i + 1))) return false;
    // "ihrer fünften Meisterschaft": a numeral or another determiner goes on to a noun
    const bool goesOn = next && !next->punct &&
                        ((next->fw && next->fw->kind == GermanKind::Article) ||
                         (!next->fw && (next->cls == kClassNumeral || next->cls == kClassNone)));
    if (goesOn) return false;
    const bool afterPreposition = prev && prev->fw && prev->fw->kind == GermanKind::Preposition;
    if (!(EndsWith(u.lower, "er") || EndsWith(u.lower, "es") || EndsWith(u.lower, "ns") ||
          (afterPreposition && (EndsWith(u.lower, "en") || EndsWith(u.lower, "em")))))
        return false;
    const bool ihr = s.catalogue.Tables().InList("ihr-form", u.lower);
    english = s.catalogue.Tables().Value("possessive-pronoun", ihr ? IhrOwner(s, i) : std::string(u.fw->english));
    return !english.empty();
}

// "Ich gab ihr das Buch": her; "ihr kommt": you; "ihr Auto": her or their.
bool IhrByItsRole(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    if (!s.catalogue.Tables().InList("ihr-form", u.lower)) return false;
    english = IhrPossessive(s, i);
    if (!english.empty()) return true;
    if (u.lower != "ihr") return false;
    english = u.subject ? "you" : "her";
    return true;
}

// "die Bedeutung einer Statue", "das Haus meines Vaters", "die Mutter dieser Kinder":
// a determiner in the genitive after a noun is "of a", "of my", "of these".
bool GenitiveDeterminerIsOf(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    if (!u.fw || u.fw->kind != GermanKind::Article || u.lower.size() < 5 || !prev || !IsNounLike(*prev) || !next ||
        (!IsNounLike(*next) && next->cls != kClassAdjective))
        return false;
    const std::string ending = u.lower.substr(u.lower.size() - 2);
    std::string base = IhrPossessive(s, i);
    if (base.empty()) base = u.fw->english;
    if ((ending != "es" && ending != "er") || base.compare(0, 3, "of ") == 0) return false;
    std::size_t k = i + 1;
    while (k < s.units.size() && !s.units[k].fw && s.units[k].cls == kClassAdjective) ++k;
    const std::string& plural = s.catalogue.Tables().Value("plural-demonstrative", base);
    if (!plural.empty() && k < s.units.size() && s.units[k].plural) base = plural;
    english = "of " + base;
    return true;
}

// "bis zum 28. August", "bis zum Abend": until a time; "bis zum Bahnhof": to a place.
// "bis" and the contraction after it are one English preposition, not "until to the".
bool BisZumIsUntilOrTo(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const bool bis = u.lower == "bis";
    const std::size_t zum = bis ? i + 1 : i;
    if (zum >= s.units.size() || (s.units[zum].lower != "zum" && s.units[zum].lower != "zur") ||
        (!bis && (i == 0 || s.units[i - 1].lower != "bis")) || zum + 1 >= s.units.size())
        return false;
    const EngineTables& tables = s.catalogue.Tables();
    const GermanUnit& what = s.units[zum + 1];
    const std::string lemma = Lower1252(what.lemma.empty() ? what.source : what.lemma);
    const bool date = what.number || (!what.source.empty() && IsDigit1252(static_cast<unsigned char>(what.source[0])));
    const bool time = date || tables.InList("time-noun", lemma) || tables.InList("day-noun", lemma) ||
                      tables.InList("german-month", lemma);
    if (bis) english = time ? "until" : "";
    else english = !time ? "to the" : date ? "" : "the";
    return true;
}

// "ins Kino", "in die Schule": going into a place one goes to for what is done there
// is going to it (table place-of-going): to the cinema, to the school.
bool InAPlaceOfGoingIsTo(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    std::size_t noun = i + 1;
    if (u.lower == "in" && noun < s.units.size() && (s.units[noun].lower == "die" || s.units[noun].lower == "den")) ++noun;
    else if (u.lower != "ins") return false;
    if (noun >= s.units.size() || !s.catalogue.Tables().InList("place-of-going", Lower1252(s.units[noun].lemma)))
        return false;
    english = u.lower == "ins" ? "to the" : "to";
    return true;
}

// "nach Berlin", "nach Hamburg": before a place "nach" is the way there, "to".
bool NachBeforeAPlaceIsTo(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* next = Next(s, i);
    if (s.units[i].lower != "nach" || !next || next->fw || next->fixed ||
        s.catalogue.Tables().Value("place-name", next->source).empty())
        return false;
    english = "to";
    return true;
}

// "vor dem Bahnhof", "vor der Tür": before a place (table front-place) "vor" is "in
// front of"; before a time or an event it stays "before".
bool VorAPlaceIsInFrontOf(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "vor" || s.units[i].fixed) return false;
    std::size_t k = i + 1;
    while (k < s.units.size() && ((s.units[k].fw && s.units[k].fw->kind == GermanKind::Article) ||
                                  (!s.units[k].fw && s.units[k].cls == kClassAdjective)))
        ++k;
    if (k == i + 1 || k >= s.units.size() || s.units[k].cls != kClassNoun ||
        !s.catalogue.Tables().InList("front-place", Lower1252(s.units[k].lemma)))
        return false;
    english = "in front of";
    return true;
}

// "stieg um fünf Prozent", "um mindestens acht Jahre verzögern": before an amount of
// something "um" is the difference, "by"; "um acht Uhr" stays a time.
bool UmBeforeAnAmountIsBy(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "um" || s.units[i].fixed) return false;
    std::size_t k = i + 1;
    // mindestens, etwa, rund
    while (k < s.units.size() && (s.units[k].cls == kClassAdverb || (s.units[k].fw && s.units[k].fw->kind == GermanKind::Adverb) ||
                                  (s.units[k].cls == kClassAdjective && s.units[k].lower == Lower1252(s.units[k].lemma))))
        ++k;
    if (k + 1 >= s.units.size() || (!s.units[k].number && s.units[k].cls != kClassNumeral)) return false;
    const GermanUnit& noun = s.units[k + 1];
    if (noun.fw || noun.cls != kClassNoun || Lower1252(noun.lemma) == "uhr") return false;
    // "um drei Tage lang zu fahren": "um" of a zu-infinitive
    for (std::size_t z = k + 2; z < s.units.size() && !s.units[z].punct; ++z)
        if (s.units[z].lower == "zu" || s.units[z].reading.zuInfinitive) return false;
    english = "by";
    return true;
}

// "um 20 Uhr", "gegen 8.15 Uhr", "ab 15.30 Uhr": a preposition before a time of the
// clock says at, around, from (table clock-preposition-english); so with the hour in
// words ("um sechs Uhr").
bool PrepositionBeforeAClockTime(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].fixed || i + 2 >= s.units.size() || s.units[i + 2].lower != "uhr" ||
        !(s.units[i + 1].number || s.units[i + 1].cls == kClassNumeral))
        return false;
    english = s.catalogue.Tables().Value("clock-preposition-english", s.units[i].lower);
    return !english.empty();
}

// "wegen eines Unfalls": after a preposition the genitive's "of" is the preposition's
// own ("because of an accident", not "because of of a").
bool GenitiveAfterAPrepositionHasNoOf(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* prev = Previous(s, i);
    const std::string base = u.fw->english;
    if (base.compare(0, 3, "of ") != 0 || !prev || !prev->fw || prev->fw->kind != GermanKind::Preposition) return false;
    english = base.substr(3);
    return true;
}

// "am Montag", "im Januar", "die Schweiz": English names take no article.
bool NoArticleBeforeANameNoun(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanWord& w = *s.units[i].fw;
    const GermanUnit* next = Next(s, i);
    // "im April": a month the dictionary also knows as a first name is the month
    const bool month = next && !next->fw && next->cls == kClassName && s.catalogue.Tables().InList("german-month", next->lower);
    if ((w.kind != GermanKind::Article && w.kind != GermanKind::Preposition) || !next || next->fw ||
        (next->cls != kClassNoun && !month) || !NamesItself(*next) || next->plural)  // "die Generäle": the Generals
        return false;
    const std::string e = w.english;
    if (e == "the") { english.clear(); return true; }
    if (e.size() > 4 && e.compare(e.size() - 4, 4, " the") == 0) { english = e.substr(0, e.size() - 4); return true; }
    return false;
}

// "Keiner behauptet ...", "Das weiß jeder": a determiner before no noun is a pronoun
// (table lone-determiner-pronoun).
bool DeterminerAloneIsAPronoun(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const std::string& alone = s.catalogue.Tables().Value("lone-determiner-pronoun", u.lower);
    if (alone.empty()) return false;
    const GermanUnit* next = Next(s, i);
    if (next && !next->punct && (IsNounLike(*next) || next->cls == kClassAdjective || next->number ||
                                 next->cls == kClassNumeral || (next->fw && next->fw->kind == GermanKind::Article)))
        return false;
    english = alone;
    return true;
}

// "sowohl A als auch B": both A and B; "als" and "auch" after "sowohl" are the "and".
bool SowohlAlsAuchIsBothAnd(const GermanSentence& s, std::size_t i, std::string& english) {
    const std::string& w = s.units[i].lower;
    const GermanUnit* next = Next(s, i);
    const GermanUnit* prev = Previous(s, i);
    if (w == "sowohl") {
        for (std::size_t k = i + 1; k + 1 < s.units.size() && !s.units[k].punct; ++k)
            if (s.units[k].lower == "als" && s.units[k + 1].lower == "auch") { english = "both"; return true; }
        return false;
    }
    const bool als = w == "als" && next && next->lower == "auch";
    const bool auch = w == "auch" && prev && prev->lower == "als";
    if (!als && !auch) return false;
    bool sowohl = false;
    for (std::size_t k = i; k > 0 && !sowohl && !s.units[k - 1].punct; --k) sowohl = s.units[k - 1].lower == "sowohl";
    if (!sowohl) return false;
    if (als) english = "and";
    else english.clear();
    return true;
}

// "viel Geld", "viel größer": much; "Er liest viel": a lot; "viele" stays many.
bool VielByWhatFollows(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "viel") return false;
    const GermanUnit* next = Next(s, i);
    const bool noun = next && !next->punct && (IsNounLike(*next) || (next->cls == kClassAdjective && !next->fw));
    // "zu viel", "so viel", "sehr viel": too much, so much, very much
    const GermanUnit* prev = Previous(s, i);
    const bool degree = prev && (prev->lower == "zu" || prev->lower == "so" || prev->lower == "sehr");
    english = noun || degree || (next && next->cls == kClassAdverb) ? "much" : "a lot";
    return true;
}

// "Ich habe es ihm gegeben": after an object pronoun the dative one is said with "to"
// (gave it to him); English puts no second bare pronoun after "it".
bool DativePronounAfterAnObjectPronounTakesTo(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* prev = Previous(s, i);
    // "wie geht es dir", "die es uns gibt": "es" as the subject leaves the dative bare
    const bool objectBefore = prev && (prev->lower == "es" || prev->lower == "ihn") && !prev->subject;
    // "gibt es dem Hund": so does a noun phrase in the dative
    const bool dativeArticle = u.fw && u.fw->kind == GermanKind::Article && (u.lower == "dem" || u.lower == "einem");
    if (!u.fw || !objectBefore ||
        (!dativeArticle && (u.fw->kind != GermanKind::Pronoun || !s.catalogue.Tables().InList("dative-object-pronoun", u.lower))))
        return false;
    english = "to " + std::string(u.fw->english);
    return true;
}

// "Es gibt keine Milch mehr", "Er kommt nicht mehr": "mehr" closing a clause after
// "kein" or "nicht" is no amount but the end of something: "anymore".
bool MehrAfterANegationIsAnymore(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "mehr") return false;
    const GermanUnit* next = Next(s, i);
    const bool closes = !next || next->punct || (next->cls == kClassVerb && (i + 2 >= s.units.size() || s.units[i + 2].punct));
    if (!closes) return false;
    bool negated = false;
    for (std::size_t k = i; k-- > 0 && k + 5 > i && !s.units[k].punct && !negated;)
        negated = s.units[k].lower.compare(0, 4, "kein") == 0 || (k + 1 == i && s.units[k].lower == "nicht");
    if (!negated) return false;
    english = "anymore";
    return true;
}

// "noch größer", "noch mehr": before a comparative "noch" is "even".
bool NochBeforeAComparativeIsEven(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* next = Next(s, i);
    if (s.units[i].lower != "noch" || !next ||
        !((!next->fw && next->cls == kClassAdjective && next->reading.tag == kFormComparative) || next->lower == "mehr" ||
          next->lower == "weniger"))
        return false;
    english = "even";
    return true;
}

// "Sie liebt ihn sehr", "Ich danke Ihnen sehr für ...": "sehr" with no adjective or
// adverb after it says how much the verb holds (very much).
bool SehrWithAVerbIsVeryMuch(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "sehr") return false;
    const GermanUnit* next = Next(s, i);
    const GermanUnit* prev = Previous(s, i);
    // "sehr, sehr traurig": a comma goes on to the word of degree
    if (next && next->source == ",") return false;
    // "so sehr", "zu sehr": so much, too much
    if (prev && (prev->lower == "so" || prev->lower == "zu")) {
        english = "much";
        return true;
    }
    // "hat sich sehr verändert": before the participle of a perfect, "a lot" after it
    const bool participle = next && !next->fw && next->cls == kClassVerb && next->reading.tag == kFormPastPart;
    if (next && !next->punct && !participle) {
        const bool degreeOf = next->fw ? next->fw->kind == GermanKind::Adverb
                                       : next->cls == kClassAdjective || next->cls == kClassAdverb || next->cls == kClassVerb;
        if (degreeOf || next->lower == "viel" || next->lower == "viele") return false;
    }
    english = participle ? "a lot" : "very much";
    return true;
}

// "zu hoch", "zu viele Autos": "zu" before an adjective, an adverb or a word of
// quantity is "too"; with a noun after the adjective ("zu alten Freunden") it is "to".
bool ZuBeforeAnAdjectiveIsToo(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "zu") return false;
    const GermanUnit* next = Next(s, i);
    if (!next || next->punct) return false;
    if (!s.catalogue.Tables().InList("too-quantity", next->lower)) {
        const GermanUnit* after = Next(s, i + 1);
        if (next->fw || (next->cls != kClassAdjective && next->cls != kClassAdverb) ||
            (after && IsNounLike(*after)))
            return false;
    }
    english = "too";
    return true;
}

// "seit drei Jahren": a stretch of time up to now is "for"; "seit 2010" stays "since".
bool SeitBeforeADurationIsFor(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "seit") return false;
    const GermanUnit* next = Next(s, i);
    const GermanUnit* after = i + 2 < s.units.size() ? &s.units[i + 2] : nullptr;
    const bool count = next && (next->cls == kClassNumeral || (next->number && next->source.size() < 4));
    if (!count || !after || after->cls != kClassNoun ||
        !s.catalogue.Tables().InList("time-noun", Lower1252(after->lemma)))
        return false;
    english = "for";
    return true;
}

// "weder A noch B": neither A nor B.
bool WederNochIsNeitherNor(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "noch") return false;
    for (std::size_t k = i; k > 0 && !s.units[k - 1].punct; --k)
        if (s.units[k - 1].lower == "weder") { english = "nor"; return true; }
    return false;
}

// "mehr als", "größer als": than; "als Wähler": as; "als" that starts a clause
// with its verb at the end: when.
// "als ob er nichts wüsste", "als wäre er der Chef": as if; the "ob" goes.
bool AlsObIsAsIf(const GermanSentence& s, std::size_t i, std::string& english) {
    if (AlsIsAsIf(s.units, i)) {
        english = "as if";
        return true;
    }
    if (s.units[i].lower != "ob" || i == 0 || !AlsIsAsIf(s.units, i - 1)) return false;
    english.clear();
    return true;
}

// "Je mehr ich lerne, desto mehr weiß ich": the more I learn, the more I know.
bool JeDestoIsTheThe(const GermanSentence& s, std::size_t i, std::string& english) {
    const std::string& w = s.units[i].lower;
    if (w != "je" && w != "desto" && w != "umso") return false;
    const GermanUnit* next = Next(s, i);
    // "früher" is an adjective of its own, and still the comparative here
    const bool endsInEr = next && next->lower.size() > 4 && next->lower.compare(next->lower.size() - 2, 2, "er") == 0;
    const bool comparative = next && (((next->cls == kClassAdjective || next->cls == kClassAdverb) &&
                                       (next->reading.tag == kFormComparative || endsInEr)) ||
                                      s.catalogue.Tables().InList("comparison-word", next->lower));
    if (!comparative) return false;
    bool je = w == "je";
    for (std::size_t k = 0; k < i && !je; ++k) je = s.units[k].lower == "je";
    english = je ? "the" : "all the";  // "umso glücklicher" alone: all the happier
    return true;
}

bool AlsByItsNeighbours(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "als") return false;
    const GermanUnit* prev = Previous(s, i);
    // "älter, als er glaubt": the comparative may stand before the comma
    const GermanUnit* compared = prev && prev->source == "," && i >= 2 ? &s.units[i - 2] : prev;
    auto comparing = [&](const GermanUnit& u) {
        return (u.cls == kClassAdjective && u.reading.tag == kFormComparative) ||
               s.catalogue.Tables().InList("comparison-word", u.lower);
    };
    bool comparative = compared && comparing(*compared);
    // "ein schnelleres Auto als": the comparative's noun phrase stands between
    for (std::size_t k = i - 1, seen = 0; !comparative && prev && compared == prev && k > 0 && seen < 3; --k, ++seen) {
        const GermanUnit& u = s.units[k - 1];
        if (k == i - 1 && !IsNounLike(s.units[k])) break;  // only across the comparative's noun
        comparative = !u.punct && comparing(u);
        if (u.punct || (u.fw && u.fw->kind != GermanKind::Article)) break;
    }
    const bool startsClause = !prev || prev->punct || (prev->fw && prev->fw->kind == GermanKind::Coordinator);
    english = comparative ? "than" : startsClause ? "when" : "as";
    return true;
}

bool VerbLastFrom(const GermanSentence& s, std::size_t i, std::size_t& clauseEnd);

// ", wie die Polizei mitteilte": as the police announced. "wie" opening a clause that
// ends in a verb of reporting reports, it does not ask (table as-reported-verb).
bool WieReportingIsAs(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* prev = Previous(s, i);
    if (u.lower != "wie" || !(u.start || (prev && prev->source == ","))) return false;
    std::size_t end = 0;
    if (!VerbLastFrom(s, i + 1, end) || !s.catalogue.Tables().InList("as-reported-verb", Lower1252(s.units[end - 1].lemma)))
        return false;
    english = "as";
    return true;
}

// "wie die Karte": like; "wie" at a clause's start asks: how.
bool WieInsideAClauseIsLike(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* prev = Previous(s, i);
    if (s.units[i].lower != "wie" || !prev || prev->punct || s.units[i].start) return false;
    english = prev->lower == "so" || prev->cls == kClassAdjective ? "as" : "like";
    return true;
}

// "Sie" and "Ihnen" with a capital inside a sentence are the polite "you" when the
// letter option says so; otherwise "sie" is she, they, her or them by its role.
bool SieByItsRole(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    if (u.lower == "ihnen" && u.source == "Ihnen" && !u.start && s.options.letter) {  // "Wir danken Ihnen"
        english = "you";
        return true;
    }
    if (u.lower != "sie") return false;
    if (u.source == "Sie" && !u.start && s.options.letter) english = "you";
    else if (u.subject) english = u.subjectPlural ? "they" : "she";
    else english = u.source == "Sie" && !u.start ? "them" : "her";
    return true;
}

// "Das Haus wurde von einem Architekten gebaut": in a passive "von" names who did it.
bool VonInAPassiveIsBy(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const std::string& agent = s.catalogue.Tables().Value("passive-agent", u.lower);
    if (agent.empty()) return false;
    // "die von der Regierung geplanten Reformen": an attribute's participle is a passive
    for (std::size_t k = i + 1; u.inAttribute && k < s.units.size() && s.units[k].inAttribute; ++k)
        if (!s.units[k].fw && s.units[k].cls == kClassVerb && s.units[k].reading.tag == kFormPastPart) {
            english = agent;
            return true;
        }
    bool werden = false, participle = false;
    for (std::size_t from = i; from > 0 && !s.units[from - 1].punct; --from) {
        const GermanUnit& w = s.units[from - 1];
        werden = werden || (w.fw && w.fw->aux == AuxVerb::Werden);
    }
    for (std::size_t k = i + 1; k < s.units.size() && !s.units[k].punct; ++k) {
        const GermanUnit& w = s.units[k];
        werden = werden || (w.fw && w.fw->aux == AuxVerb::Werden);
        participle = participle || (!w.fw && w.cls == kClassVerb && w.reading.tag == kFormPastPart);
    }
    if (!werden || !participle) return false;
    english = agent;
    return true;
}

// "Woher stammen die Waffen?": where the verb's English ends in "from" (come from),
// "woher" asks "where" alone.
bool WoherBeforeAVerbWithFrom(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].lower != "woher") return false;
    for (std::size_t k = i + 1; k < s.units.size() && !s.units[k].punct; ++k) {
        const std::string& e = s.units[k].english;
        if (s.units[k].fw || s.units[k].cls != kClassVerb) continue;
        if (e.size() <= 5 || e.compare(e.size() - 5, 5, " from") != 0) return false;
        english = "where";
        return true;
    }
    return false;
}

// "Das ist mein Vater": "das" or "dies" right before a verb stands for a thing: that.
bool DasBeforeAVerbIsThat(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* next = Next(s, i);
    const std::string& pronoun = s.catalogue.Tables().Value("demonstrative-before-verb", u.lower);
    if (pronoun.empty() || !next || !IsFiniteCandidate(*next)) return false;
    const GermanUnit* prev = Previous(s, i);
    if (prev && !prev->punct && !(prev->fw && prev->fw->kind == GermanKind::Coordinator)) return false;
    english = pronoun;
    return true;
}

// "einer der wichtigsten Männer": an "ein" form before "der" and a plural noun
// stands for one of them.
// "Wessen Tasche ist das?", "Ich weiß das.": "das" or "dies" with nothing after it is "that".
// "sehr große Haus", "gestern gekaufte Buch", "Rote": a noun, or a capital word, after
// adverbs, adjectives and participles from i on.
bool NounAhead(const GermanSentence& s, std::size_t from) {
    for (std::size_t i = from; i < s.units.size(); ++i) {
        const GermanUnit& u = s.units[i];
        // "das harte 'R'": after an adjective what stops the phrase is unclear; "das schon
        // gesehen hat.", "das sehr." end the clause, and "das" stood alone
        if (u.punct) return i > from && !s.units[i - 1].fw && s.units[i - 1].cls == kClassAdjective;
        if (IsNounLike(u) || u.number || u.inAttribute || !u.known || IsUpper1252(static_cast<unsigned char>(u.source[0])))
            return true;
        const bool participle = !u.fw && u.cls == kClassVerb && (u.reading.tag == kFormPastPart || u.reading.tag == kFormPresPart);
        if (u.fw ? u.fw->kind != GermanKind::Adverb : u.cls != kClassAdjective && u.cls != kClassAdverb && !participle)
            return false;
    }
    return false;
}

bool DasAloneIsThat(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const std::string& pronoun = s.catalogue.Tables().Value("demonstrative-before-verb", u.lower);
    const GermanUnit* next = Next(s, i);
    // "Ist das dein Fahrrad?": before another determiner it stands alone too
    const bool determinerNext = next && next->fw && next->fw->kind == GermanKind::Article;
    // "Wenn das bei BMW der Fall wäre", "Er hat das nicht gesagt": before a word that
    // cannot go on a noun phrase it stands alone
    const bool noPhrase = next && !next->punct && !u.inAttribute && !NounAhead(s, i + 1);
    // "versuchte, das zu verstehen": before a zu-infinitive it is that verb's object
    if (pronoun.empty() || !u.fw || u.fw->kind != GermanKind::Article ||
        (next && !next->punct && !determinerNext && !noPhrase && !ZuInfinitiveAfter(s, i)))
        return false;
    english = pronoun;
    return true;
}

bool EinerDerIsOneOf(const GermanSentence& s, std::size_t i, std::string& english) {
    const std::string& one = s.catalogue.Tables().Value("one-of", s.units[i].lower);
    const GermanUnit* next = Next(s, i);
    if (one.empty() || !next || !IsArticle(*next, "der", "den")) return false;
    std::size_t k = i + 2;
    while (k < s.units.size() && !s.units[k].fw && s.units[k].cls == kClassAdjective) ++k;
    if (k >= s.units.size() || !IsNounLike(s.units[k]) || !s.units[k].plural) return false;
    english = one;
    return true;
}

// "die beiden Männer": the two men, without a second article.
bool ArticleBeforeBeideIsDropped(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* next = Next(s, i);
    if (!s.units[i].fw || s.units[i].fw->kind != GermanKind::Article || !next ||
        !s.catalogue.Tables().InList("takes-no-article", next->lower))
        return false;
    english.clear();
    return true;
}

// "diese Leute": a demonstrative before a plural noun is "these" or "those".
bool DemonstrativeAgreesInNumber(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit& u = s.units[i];
    const std::string& plural = s.catalogue.Tables().Value("plural-demonstrative", u.english);
    if (plural.empty() || !u.fw || u.fw->kind != GermanKind::Article) return false;
    std::size_t k = i + 1;
    while (k < s.units.size() && !s.units[k].fw && s.units[k].cls == kClassAdjective) ++k;
    if (k >= s.units.size() || !IsNounLike(s.units[k]) || !s.units[k].plural) return false;
    english = plural;
    return true;
}

bool ReflexiveSichIsDropped(const GermanSentence& s, std::size_t i, std::string& english) {
    if (s.units[i].fw->kind != GermanKind::Reflexive) return false;
    english.clear();
    return true;
}

// The possessive of the clause's subject found before unit i: "sie" her (or their),
// "wir" our, "der Mann" his, "die Kinder" their. Empty when no subject comes first.
std::string SubjectsPossessive(const GermanSentence& s, std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t k = i; k-- > 0;) {
        const GermanUnit& u = s.units[k];
        if (u.punct) return std::string();
        if (!u.subject) continue;
        if (u.fw && u.fw->kind == GermanKind::Pronoun) {
            const bool polite = u.lower == "sie" && u.source[0] == 'S' && !u.start;
            if (polite) return "your";
            if (u.lower == "sie" && u.subjectPlural) return "their";
            return tables.Value("subject-possessive", u.lower);
        }
        if (!IsNounLike(u)) return std::string();
        if (u.subjectPlural || u.plural) return "their";
        const int gender = u.reading.word ? u.reading.word->gender : 0;
        if (!NamesAPerson(s, u)) return "its";
        return gender == kFeminine ? "her" : gender == kMasculine ? "his" : "its";
    }
    return std::string();
}

// "Sie wäscht sich die Hände", "Ich putze mir die Zähne": German names the owner of a
// part of the body by a dative reflexive and the article, English by the possessive.
bool TheBodyPartOfTheSubjectIsTheirs(const GermanSentence& s, std::size_t i, std::string& english) {
    const GermanUnit* prev = Previous(s, i);
    const EngineTables& tables = s.catalogue.Tables();
    if (!IsArticle(s.units[i], "die", "den", "das") || !prev || !prev->fw) return false;
    const bool sich = prev->fw->kind == GermanKind::Reflexive;
    const std::string& owner = tables.Value("reflexive-of-subject", prev->lower);
    if (!sich && owner.empty()) return false;
    std::size_t k = i + 1;
    while (k < s.units.size() && !s.units[k].fw && s.units[k].cls == kClassAdjective) ++k;
    if (k >= s.units.size() || !IsNounLike(s.units[k]) || !tables.InList("body-part", s.units[k].lemma)) return false;
    // "mir" belongs to "ich" only: "Er gab mir die Hand" is no reflexive
    std::size_t subject = i - 1;  // one past the nearest unit of the subject
    while (subject > 0 && !s.units[subject - 1].punct && !s.units[subject - 1].subject) --subject;
    if (subject == 0 || !s.units[subject - 1].subject) return false;
    if (!sich && s.units[subject - 1].lower != owner) return false;
    english = SubjectsPossessive(s, i - 1);
    return !english.empty();
}

// ... and the reflexive pronoun that named the owner is left out ("I wash my hands").
bool TheReflexiveOfABodyPartIsLeftOut(const GermanSentence& s, std::size_t i, std::string& english) {
    std::string possessive;
    if (i + 1 >= s.units.size() || !TheBodyPartOfTheSubjectIsTheirs(s, i + 1, possessive)) return false;
    english.clear();
    return true;
}

const WordRule<GermanSentence> kFunctionWordRules[] = {
    {"RelativePronounIsWhoOrWhich", "Der Mann, der dort steht, ist mein Vater.", RelativePronounIsWhoOrWhich},
    {"GenitiveDerIsOfThe", "Das Haus der Familie.", GenitiveDerIsOfThe},
    {"GenitiveDeterminerIsOf", "Das Haus meines Vaters.", GenitiveDeterminerIsOf},
    {"BisZumIsUntilOrTo", "Der Hund schläft bis zum Abend.", BisZumIsUntilOrTo},
    {"InAPlaceOfGoingIsTo", "Der Mann geht ins Kino.", InAPlaceOfGoingIsTo},
    {"NachBeforeAPlaceIsTo", "Der Mann geht nach Berlin.", NachBeforeAPlaceIsTo},
    {"VorAPlaceIsInFrontOf", "Der Hund schläft vor dem Haus.", VorAPlaceIsInFrontOf},
    {"UmBeforeAnAmountIsBy", "Der Preis steigt um drei Prozent.", UmBeforeAnAmountIsBy},
    {"PrepositionBeforeAClockTime", "Der Hund schläft um 20.15 Uhr.", PrepositionBeforeAClockTime},
    {"GenitiveAfterAPrepositionHasNoOf", "Der Hund schläft wegen eines Mannes.", GenitiveAfterAPrepositionHasNoOf},
    {"AuchClosingItsClauseIsToo", "Der Hund schläft auch.", AuchClosingItsClauseIsToo},
    {"PossessiveAloneIsMine", "Der Hund ist älter als meiner.", PossessiveAloneIsMine},
    {"IhrByItsRole", "Ich gab ihr das Buch.", IhrByItsRole},
    {"NoArticleBeforeANameNoun", "Er kommt am Montag.", NoArticleBeforeANameNoun},
    {"DeterminerAloneIsAPronoun", "Keiner bellt.", DeterminerAloneIsAPronoun},
    {"SowohlAlsAuchIsBothAnd", "Er spricht sowohl Deutsch als auch Englisch.", SowohlAlsAuchIsBothAnd},
    {"VielByWhatFollows", "Er liest viel.", VielByWhatFollows},
    {"DativePronounAfterAnObjectPronounTakesTo", "Der Mann gibt es ihm.", DativePronounAfterAnObjectPronounTakesTo},
    {"NochBeforeAComparativeIsEven", "Der Hund ist noch älter.", NochBeforeAComparativeIsEven},
    {"MehrAfterANegationIsAnymore", "Der Hund hat keinen Garten mehr.", MehrAfterANegationIsAnymore},
    {"SehrWithAVerbIsVeryMuch", "Der Mann sieht den Hund sehr.", SehrWithAVerbIsVeryMuch},
    {"ZuBeforeAnAdjectiveIsToo", "Der Hund ist zu alt.", ZuBeforeAnAdjectiveIsToo},
    {"SeitBeforeADurationIsFor", "Er wartet seit drei Tagen.", SeitBeforeADurationIsFor},
    {"WederNochIsNeitherNor", "Er sieht weder den Mann noch die Katze.", WederNochIsNeitherNor},
    {"AlsObIsAsIf", "Der Hund bellt, als ob er alt wäre.", AlsObIsAsIf},
    {"JeDestoIsTheThe", "Je älter der Hund ist, desto leiser bellt er.", JeDestoIsTheThe},
    {"AlsByItsNeighbours", "Das Buch ist älter als der Garten.", AlsByItsNeighbours},
    {"WieReportingIsAs", "Der Hund schläft, wie der Mann sagte.", WieReportingIsAs},
    {"WieInsideAClauseIsLike", "Er schläft wie ein Hund.", WieInsideAClauseIsLike},
    {"SieByItsRole", "Ich sehe Sie.", SieByItsRole},
    {"WoherBeforeAVerbWithFrom", "Woher stammt der Hund?", WoherBeforeAVerbWithFrom},
    {"DasBeforeAVerbIsThat", "Das ist mein Vater.", DasBeforeAVerbIsThat},
    {"EinerDerIsOneOf", "Einer der Männer schläft.", EinerDerIsOneOf},
    {"DasAloneIsThat", "Wessen Buch ist das?", DasAloneIsThat},
    {"VonInAPassiveIsBy", "Das Buch wurde von dem Mann gelesen.", VonInAPassiveIsBy},
    {"ArticleBeforeBeideIsDropped", "Die beiden Kinder spielen.", ArticleBeforeBeideIsDropped},
    {"TheBodyPartOfTheSubjectIsTheirs", "Der Mann wäscht sich die Hände.", TheBodyPartOfTheSubjectIsTheirs},
    {"TheReflexiveOfABodyPartIsLeftOut", "Ich wasche mir die Hände.", TheReflexiveOfABodyPartIsLeftOut},
    {"ReflexiveSichIsDropped", "Er freut sich.", ReflexiveSichIsDropped},
    {"DemonstrativeAgreesInNumber", "Diese Kinder spielen.", DemonstrativeAgreesInNumber},
};

bool IsClauseMark(const GermanUnit& u) {
    return u.punct && (u.source == "," || u.source == ";" || u.source == ":" || u.source == "." ||
                       u.source == "?" || u.source == "!" || u.source == "-" || u.source == "(" || u.source == ")");
}

// Whether the clause from i (after the pronoun) to the next mark ends in a verb.
bool VerbLastFrom(const GermanSentence& s, std::size_t i, std::size_t& clauseEnd) {
    clauseEnd = i;
    while (clauseEnd < s.units.size() &&
           (!IsClauseMark(s.units[clauseEnd]) || CommaBetweenQuotedTerms(s, clauseEnd)))
        ++clauseEnd;
    if (clauseEnd <= i) return false;
    const GermanUnit& last = s.units[clauseEnd - 1];
    return IsFiniteCandidate(last) || IsNonFinite(s.catalogue.Tables(), last);
}


}  // namespace

// "Ich habe den Brief verloren, den du ...": the word a relative clause after the comma
// adds to, past the verbs at the end of the clause before.
std::size_t WordBeforeTheVerbsAt(const GermanSentence& s, std::size_t comma) {
    const EngineTables& tables = s.catalogue.Tables();
    std::size_t noun = comma - 1;
    while (noun > 0 && !s.units[noun].punct && (IsNonFinite(tables, s.units[noun]) || IsFiniteCandidate(s.units[noun])) &&
           !IsNounLike(s.units[noun]))
        --noun;
    return noun;
}

// "alles, was ich weiß": after "alles", "etwas", "nichts" (table was-antecedent) the
// relative "was" is "that", with no comma. After a whole clause it adds to what that
// clause says: "Er kam spät, was mich ärgerte" is "which", after a comma.
void MarkWasAsRelative(GermanSentence& s, std::size_t comma, std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    std::size_t clauseEnd = 0;
    if (!VerbLastFrom(s, i + 1, clauseEnd)) return;
    const std::size_t noun = WordBeforeTheVerbsAt(s, comma);
    // "was ich erwartet hatte", "was der Mann sagte": a subject of its own makes "was" the object
    bool subjectInside = i + 1 < clauseEnd && tables.InList("masculine-nominative-determiner", s.units[i + 1].lower);
    for (std::size_t k = i + 1; k < clauseEnd; ++k) subjectInside = subjectInside || IsNominativePronoun(s.units[k]);
    GermanUnit& r = s.units[i];
    // "mit dem, was sie getan haben": the demonstrative and "was" are "what"
    GermanUnit& before = s.units[comma - 1];
    if (before.fw && before.fw->kind == GermanKind::Article && (before.lower == "das" || before.lower == "dem")) {
        before.drop = true;
        r.relative = true;
        r.relativeObject = true;
        r.known = true;
        return;
    }
    if (tables.InList("was-antecedent", s.units[noun].lower)) {
        r.relative = true;
        r.relativeObject = true;  // "that", and no commas around the clause
        r.english = "that";
        r.known = true;
        return;
    }
    // a finite verb since the sentence began, but none that asks or tells: "Ich weiß
    // nicht, was er will" is an indirect question, "what"
    bool clauseBefore = false;
    for (std::size_t k = comma; k-- > 0;) {
        const GermanUnit& u = s.units[k];
        if (u.punct && u.source != ",") break;
        const std::string verb = u.english.substr(0, u.english.find(' '));
        if (!u.fw && u.cls == kClassVerb &&
            (tables.InList("that-clause-verb", verb) || tables.InList("question-clause-verb", verb)))
            return;
        if (u.fw ? u.fw->kind == GermanKind::Auxiliary || u.fw->kind == GermanKind::Modal : IsFiniteCandidate(u))
            clauseBefore = true;
    }
    if (!clauseBefore) return;
    r.relative = true;
    r.relativeObject = subjectInside;
    r.english = "which";
    r.known = true;
}

void MarkRelativePronouns(GermanSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 2; i < s.units.size(); ++i) {
        // "..., in dem er wohnt": a preposition may stand before the pronoun
        const bool preposition = s.units[i - 1].fw && s.units[i - 1].fw->kind == GermanKind::Preposition;
        const std::size_t comma = preposition ? i - 2 : i - 1;
        if (comma == 0 || s.units[comma].source != ",") continue;
        GermanUnit& r = s.units[i];
        if (r.lower == "was" && !preposition) {
            MarkWasAsRelative(s, comma, i);
            continue;
        }
        const std::string& role = tables.Value("relative-pronoun", r.lower);
        if (!tables.InList("relative-pronoun", r.lower) || r.capital) continue;
        // "bedeutet, das zu akzeptieren": the object of a zu-infinitive
        if (ZuInfinitiveAfter(s, i)) continue;
        // "..., den Handel und die Schifffahrt": before a singular noun it is an article
        std::size_t head = i + 1;
        while (head < s.units.size() && s.units[head].cls == kClassAdjective && !s.units[head].fw) ++head;
        if (role != "whose" && head < s.units.size() && s.units[head].cls == kClassNoun && !s.units[head].fw &&
            !s.units[head].plural && !preposition)
            continue;
        const std::size_t noun = WordBeforeTheVerbsAt(s, comma);
        const GermanUnit& antecedent = s.units[noun];
        const bool pronoun = antecedent.fw && antecedent.fw->kind == GermanKind::Pronoun && noun + 1 == comma;
        // "war sieben, die 1983 erreicht wurden": a number stands for what it counts
        const bool counted = noun + 1 == comma && !antecedent.fw && (antecedent.cls == kClassNumeral || antecedent.number);
        if (!IsNounLike(antecedent) && !pronoun && !counted) continue;
        std::size_t clauseEnd = 0;
        if (!VerbLastFrom(s, i + 1, clauseEnd)) continue;
        // ", um die Zukunft zu sichern": a clause that ends in a zu-infinitive is no relative one
        const GermanUnit& last = s.units[clauseEnd - 1];
        if (last.reading.zuInfinitive || (clauseEnd - 1 > i && s.units[clauseEnd - 2].lower == "zu")) continue;
        // "Berlin, das ...": a name that "das" takes up is a place or a thing
        const bool person = RefersToPerson(s, noun + 1) && !(antecedent.cls == kClassName && r.lower == "das");
        bool subjectInside = false;
        for (std::size_t k = i + 1; k < clauseEnd; ++k)
            subjectInside = subjectInside || (s.units[k].fw && s.units[k].fw->kind == GermanKind::Pronoun && s.units[k].fw->nominative);
        // "das der Mann liest": after "das" or "die", which may be either, "der" and a
        // noun are most likely the subject
        if (!preposition && (r.lower == "das" || r.lower == "die") && i + 2 < clauseEnd && s.units[i + 1].lower == "der" &&
            IsNounLike(s.units[i + 2]))
            subjectInside = true;
        // "die Informationen, die Google benötigt": a plural "die" is no subject of a verb of
        // one, when a noun or name inside can be
        const GermanUnit& finite = s.units[clauseEnd - 1];
        // ("benötigt" may have been read as the participle it is spelt like)
        const bool verbOfOne = finite.fw ? !finite.fw->plural && finite.fw->person == 3
                                         : finite.reading.tag == kFormThird || (finite.finiteForm.word && finite.finiteForm.tag == kFormThird);
        bool nounInside = false;
        for (std::size_t k = i + 1; k + 1 < clauseEnd; ++k) nounInside = nounInside || IsNounLike(s.units[k]);
        if (!preposition && r.lower == "die" && (antecedent.plural || counted) && verbOfOne && nounInside) subjectInside = true;
        r.relative = true;
        r.relativeObject = preposition || role == "object" || (role != "whose" && subjectInside);
        // "Gary Orr, der ...": a relative clause after a name says more of it, between
        // commas; one after a noun picks the thing out ("the car that is fast")
        r.relativeAfterAName = antecedent.cls == kClassName;
        if (role == "whose") r.english = "whose";
        else if (preposition) r.english = person ? "whom" : "which";
        else if (person) r.english = "who";
        else r.english = !r.relativeObject && (r.relativeAfterAName || r.lower == "was") ? "which" : "that";
        r.known = true;
    }
}

std::size_t RelativePronounBefore(const GermanSentence& s, std::size_t comma) {
    for (std::size_t k = comma; k > 0; --k) {
        const GermanUnit& u = s.units[k - 1];
        if (u.relative) return k - 1;
        if (IsClauseMark(u) && !CommaBetweenQuotedTerms(s, k - 1)) break;
    }
    return s.units.size();
}

namespace {

bool ApplyWordRules(const GermanSentence& s, std::size_t i, std::string& english) {
    for (const WordRule<GermanSentence>& rule : kFunctionWordRules) {
        if (!rule.apply(s, i, english)) continue;
        if (s.applied) s.applied->push_back(rule.name);
        return true;
    }
    return false;
}

// "die Statue selbst": itself; "er selbst": himself; "selbst der Präsident": even.
bool SelbstByItsWord(const GermanSentence& s, std::size_t i, std::string& english) {
    const EngineTables& tables = s.catalogue.Tables();
    if (!tables.InList("selbst", s.units[i].lower)) return false;
    const GermanUnit* prev = i > 0 ? &s.units[i - 1] : nullptr;
    const GermanUnit* next = Next(s, i);
    if (prev && prev->fw && prev->fw->kind == GermanKind::Pronoun) {
        english = tables.Value("selbst-after-pronoun", prev->lower);
        if (prev->lower == "sie" && prev->subjectPlural) english = "themselves";
        return !english.empty();
    }
    if (prev && IsNounLike(*prev)) {
        english = prev->plural ? "themselves" : RefersToPerson(s, i) ? "himself" : "itself";
        return true;
    }
    if (next && (IsNounLike(*next) || (next->fw && next->fw->kind == GermanKind::Article))) {
        english = "even";
        return true;
    }
    return false;
}

// "female doctor", the dictionary's word for "Ärztin": English names the occupation alone.
std::string WithoutFemale(const GermanUnit& u) {
    const bool feminineForm = u.lower.size() > 3 && u.lower.compare(u.lower.size() - 2, 2, "in") == 0;
    return feminineForm && u.english.compare(0, 7, "female ") == 0 ? u.english.substr(7) : u.english;
}

// "Er ist Lehrer", "Meine Mutter wurde Ärztin": a person's occupation after "sein" or
// "werden" stands without an article in German; English says "a teacher". The subject is
// a person (table person-pronoun, english-person-noun); the occupation is known by its
// English ending (table occupation-ending), as "Es ist Winter" is no occupation. After
// "als" the same: "Er arbeitet als Lehrer", works as a teacher.
bool OccupationAfterACopula(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    if (u.plural || i < 2 || !u.reading.word ||
        (u.reading.word->gender != kMasculine && u.reading.word->gender != kFeminine))
        return false;
    const EngineTables& tables = s.catalogue.Tables();
    const GermanUnit& verb = s.units[i - 1];
    if (verb.lower != "als") {  // "arbeitet als Lehrer": works as a teacher
        if (!verb.fw || verb.fw->kind != GermanKind::Auxiliary || verb.fw->plural ||
            (verb.fw->aux != AuxVerb::Sein && verb.fw->aux != AuxVerb::Werden))
            return false;
        const GermanUnit& subject = s.units[i - 2];
        const bool person = subject.fw ? subject.fw->kind == GermanKind::Pronoun && tables.InList("person-pronoun", subject.lower)
                                       : subject.cls == kClassNoun && tables.InList("english-person-noun", subject.english);
        if (!person) return false;
    }
    const std::string english = WithoutFemale(u);
    if (english.find(' ') != std::string::npos) return false;
    for (std::size_t n = 2; n <= 3 && n < english.size(); ++n)
        if (tables.InList("occupation-ending", english.substr(english.size() - n))) return true;
    return false;
}

// "im Schatten alter Bäume", "eine Gruppe junger Leute": an adjective in the strong
// genitive plural right after a noun opens a genitive without an article: "of".
// "mehr" and "weniger" are no genitive ("in diesem Monat weniger Mitglieder").
bool GenitiveWithoutAnArticle(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    if (u.lower.size() <= 4 || !EndsWith(u.lower, "er") || s.catalogue.Tables().InList("comparison-word", u.lower) || !prev ||
        prev->fw || !next || next->fw || next->cls != kClassNoun)
        return false;
    // "im Schatten" is a term that ends in its noun
    const std::size_t blank = prev->source.rfind(' ');
    const bool nounBefore = prev->cls == kClassNoun ||
                            (prev->fixed && blank != std::string::npos && IsUpper1252(static_cast<unsigned char>(prev->source[blank + 1])));
    const bool plural = next->plural || (next->reading.word && next->reading.word->gender == kPluralOnly);
    return nounBefore && plural;
}

// "eine Tasse Tee", "zwei Glas Wasser", "ein Stück Kuchen": a measure right before a
// noun without an article measures it: "a cup of tea" (table measure-noun).
bool MeasureBeforeWhatItMeasures(const GermanSentence& s, std::size_t i) {
    const GermanUnit* next = Next(s, i);
    if (!next || next->fw || next->cls != kClassNoun || !s.catalogue.Tables().InList("measure-noun", Lower1252(s.units[i].lemma)))
        return false;
    return next->english.empty() || !IsUpper1252(static_cast<unsigned char>(next->english[0]));  // "Glas Berlin": a name
}

std::string ContentWordEnglish(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    const Catalogue& cat = s.catalogue;
    std::string selbst;
    if (SelbstByItsWord(s, i, selbst)) return selbst;
    switch (u.cls) {
    case kClassNoun: {
        const GermanUnit* prev = Previous(s, i);
        const std::string& afterNumber = s.catalogue.Tables().Value("noun-after-number", u.lower);
        // "um 8 Uhr": at 8 o'clock; "um 20 Uhr": the number said it (8 pm)
        if (!afterNumber.empty() && prev && prev->number && !TwelveHourClock(s, i - 1).empty()) return std::string();
        if (!afterNumber.empty() && prev && (prev->number || prev->cls == kClassNumeral)) return afterNumber;
        // "21 Millionen": English counts millions, thousands and dozens in the singular
        const bool counted = prev && (prev->number || prev->cls == kClassNumeral) &&
                             s.catalogue.Tables().InList("counted-noun", u.english);
        // "Leute": the English of a plural-only noun is plural already ("people", "parents")
        const bool pluralOnly = u.reading.word && u.reading.word->gender == kPluralOnly;
        if (OccupationAfterACopula(s, i)) {
            const std::string occupation = WithoutFemale(u);
            return EnglishIndefinite(s.catalogue.Tables(), occupation) + (" " + occupation);
        }
        // "20 Euro", "20 Millionen Dollar": a unit German counts in the singular is plural
        // in English after a number above one
        const GermanUnit* count = prev && !prev->fw && prev->cls == kClassNoun &&
                                          s.catalogue.Tables().InList("counted-noun", prev->english) ? Previous(s, i - 1) : prev;
        const bool afterMany = count && count->number && count->source != "1" && !counted &&
                               s.catalogue.Tables().InList("german-unit-noun", u.lemma);
        std::string english = (u.plural || afterMany) && !counted && !pluralOnly && !u.english.empty()
                                  ? EnglishPlural(cat, u.english) : u.english;
        // "das Weiße Haus": the noun of a name whose adjective has its capital is the White House
        if (prev && prev->cls == kClassAdjective && prev->capital && !prev->start && prev->fixed) english = Capitalised(english);
        return MeasureBeforeWhatItMeasures(s, i) ? english + " of" : english;
    }
    case kClassAdjective: {
        // a comparative before a noun takes an ending of its own ("größerer"): "reicher" there is the positive
        if (GenitiveWithoutAnArticle(s, i))
            return "of " + (u.reading.tag == kFormComparative && EndsWith(u.lower, "erer") ? EnglishComparative(cat, u.english) : u.english);
        if (u.reading.tag == kFormComparative) return EnglishComparative(cat, u.english);
        if (u.reading.tag == kFormSuperlative) return EnglishSuperlative(cat, u.english);
        const GermanUnit* prev = Previous(s, i);
        const std::string& afterArticle = cat.Tables().Value("adjective-after-article", u.lemma);
        if (!afterArticle.empty() && !u.adverbial && prev && prev->fw && prev->fw->kind == GermanKind::Article)
            return afterArticle;  // "den ganzen Tag": the whole day
        return u.adverbial ? EnglishAdverb(s.catalogue.Tables(), u.english) : u.english;
    }
    case kClassVerb: {
        auto form = [&](const std::string& e) {
            if (u.reading.tag == kFormPastPart) return EnglishPastPart(cat, e);
            if (u.reading.tag == kFormPresPart) return EnglishIng(cat, e);
            return e;
        };
        const std::string both = u.andEnglish.empty() ? form(u.english) : form(u.english) + " and " + form(u.andEnglish);
        return u.reading.zuInfinitive ? "to " + both : both;
    }
    default:
        return u.english;
    }
}

}  // namespace

// A participle or an infinitive: what closes a clause after its middle.
bool ClosesTheClause(const GermanUnit& u) {
    return !u.fw && u.cls == kClassVerb && (u.reading.tag == kFormPastPart || u.reading.tag == kFormBase);
}

bool YearAsATime(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    if (!u.number || u.source.size() != 4 || (u.source[0] != '1' && u.source[0] != '2')) return false;
    for (char c : u.source)
        if (c < '0' || c > '9') return false;
    if (u.source[0] == '2' && u.source[1] != '0') return false;  // years up to 2099
    const GermanUnit* prev = Previous(s, i);
    const GermanUnit* next = Next(s, i);
    if (prev && prev->punct && prev->source != "," && prev->source != ":") return false;  // "(1990)", "1985-1990"
    if (prev && !prev->punct) {
        if (prev->fixed || (prev->fw && (prev->fw->kind == GermanKind::Preposition || prev->fw->kind == GermanKind::Article)) ||
            s.catalogue.Tables().InList("year-without-in", prev->lower))
            return false;  // "im Jahr 2010" came as one term; "ab 1872" is a preposition the dictionary calls an adverb
        if (!prev->fw && (prev->number || prev->cls == kClassNumeral || prev->cls == kClassAdjective)) return false;
        // "die Wahl 2013" names the election; "hat das Buch 1990 gelesen" names the time of reading
        const EngineTables& tables = s.catalogue.Tables();
        if (IsNounLike(*prev) && (!next || !ClosesTheClause(*next) || tables.InList("german-month", prev->lower) ||
                                  tables.InList("time-noun", Lower1252(prev->lemma))))
            return false;
        if (prev->fw && prev->fw->kind == GermanKind::Coordinator && i >= 2 && s.units[i - 2].number) return false;
    }
    if (next && next->punct && (next->source == "-" || next->source == "/")) return false;
    if (!next || next->punct) return true;
    const GermanUnit* afterNext = Next(s, i + 1);  // "1990 neue Häuser" counts, "1990 gebaut" names a time
    return !(IsNounLike(*next) || next->number || next->cls == kClassNumeral ||
             (next->cls == kClassAdjective && afterNext && IsNounLike(*afterNext)));
}

std::vector<WordRule<GermanSentence>> GermanWordRules() {
    return {std::begin(kFunctionWordRules), std::end(kFunctionWordRules)};
}

std::string ZuInfinitiveEnglish(const Catalogue& catalogue, std::string_view governing, const std::string& verb) {
    const std::string_view first = governing.substr(0, governing.find(' '));
    return catalogue.Tables().InList("english-ing-verb", first) ? EnglishIng(catalogue, verb) : "to " + verb;
}

std::string UnitEnglish(const GermanSentence& s, std::size_t i) {
    const GermanUnit& u = s.units[i];
    if (u.drop) return std::string();
    if (u.punct) {
        if (u.source == "\x84" || u.source == "\x93" || u.source == "\x94") return "\"";
        if (u.source == "\x82" || u.source == "\x91" || u.source == "\x92") return "'";
        return u.source;
    }
    if (u.number) {
        const std::string clock = TwelveHourClock(s, i);
        if (!clock.empty()) return clock;
        return YearAsATime(s, i) ? "in " + u.source : SwapDigitMarks(u.source);  // decimal comma, thousands point
    }
    if (u.fixed || !u.known) return u.english;
    if (u.fw || u.relative) {
        std::string english;
        return ApplyWordRules(s, i, english) ? english : u.english;
    }
    return ContentWordEnglish(s, i);
}

void SaxonGenitiveForPersons(GermanSentence& s, std::vector<std::string>& words) {
    const EngineTables& tables = s.catalogue.Tables();
    std::vector<std::string> w;  // one word each: "of the" came as one
    for (const std::string& entry : words)
        for (std::string_view part : SplitWords(entry)) w.emplace_back(part);
    auto plain = [&](std::size_t k) {
        return k < w.size() && !w[k].empty() && IsLetter1252(static_cast<unsigned char>(w[k][0])) &&
               !tables.InList("possessive-stop", w[k]);
    };
    bool changed = false;
    for (std::size_t i = 0; i + 4 < w.size(); ++i) {
        if (Lower1252(w[i]) != "the") continue;
        // the thing: one or two words ("car", "red car"), then "of", a determiner and the person
        std::size_t of = i + 1;
        while (of < w.size() && of <= i + 2 && plain(of)) ++of;
        if (of == i + 1 || of >= w.size() || w[of] != "of" || tables.InList("not-possessed", w[of - 1])) continue;
        const std::size_t det = of + 1;
        if (det >= w.size() || !tables.InList("possessive-determiner", w[det])) continue;
        std::size_t person = det + 1;
        if (person < w.size() && !tables.InList("english-person-noun", w[person]) && plain(person)) ++person;
        if (person >= w.size() || !tables.InList("english-person-noun", w[person])) continue;
        // "the car of the man who ...": the clause after says which man; English keeps "of"
        if (person + 1 < w.size() && tables.InList("english-relative", w[person + 1])) continue;
        const std::string& p = w[person];
        const bool plural = p.size() > 1 && p.back() == 's' && p[p.size() - 2] != 's';
        std::vector<std::string> phrase(w.begin() + det, w.begin() + person + 1);
        phrase.back() += plural ? "'" : "'s";
        phrase.insert(phrase.end(), w.begin() + i + 1, w.begin() + of);
        if (IsUpper1252(static_cast<unsigned char>(w[i][0]))) phrase.front() = Capitalised(phrase.front());
        w.erase(w.begin() + i, w.begin() + person + 1);
        w.insert(w.begin() + i, phrase.begin(), phrase.end());
        i += phrase.size() - 1;
        changed = true;
    }
    if (!changed) return;
    words = w;
    if (s.applied) s.applied->push_back("SaxonGenitiveForPersons");
}

}  // namespace velloc
