// English into German: the transfer rules of a clause, in the order they run.
// Each rule is named, carries a sentence that shows it at work, and is tested
// with that sentence (tests/engine/en_de_rules_test.cpp).
#include "engine/en_de.h"

#include <algorithm>
#include <cstdlib>

#include "engine/dictionary_source.h"
#include "engine/german_analysis.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

bool Always(const EnglishClause&) { return true; }
const EnglishUnit& At(const EnglishClause& c, std::size_t k) { return c.s.units[k]; }
bool Is(const EnglishUnit& u, EnKind kind) { return u.fw && u.fw->kind == kind; }

// ---- Reading the English clause ----

// "at six", "at ten o'clock": a time of day takes "um" (um sechs, um zehn Uhr).
bool ClockTimeAfter(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "at" || i + 1 >= c.end || !At(c, i + 1).number) return false;
    const std::string& hour = At(c, i + 1).source;
    if (hour.empty() || !IsDigit1252(static_cast<unsigned char>(hour[0]))) return true;  // a number word
    return std::atoi(hour.c_str()) <= 24;
}

// "in 1980": a year takes no preposition in German.
bool YearAfterIn(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "in" || i + 1 >= c.end || !At(c, i + 1).number) return false;
    const std::string& year = At(c, i + 1).source;
    if (year.size() != 4 || !IsDigit1252(static_cast<unsigned char>(year[0]))) return false;
    const int value = std::atoi(year.c_str());
    return value >= 1000 && value <= 2100;
}

// "on Monday", "on a Monday", "at the weekend", "in the evening": before a day or a part
// of one (table day-noun) German says "an": am Montag, an einem Montag, am Abend.
bool DayAfter(const EnglishClause& c, std::size_t i, bool& determiner) {
    const std::string& english = At(c, i).lower;
    if (english != "on" && english != "at" && english != "in") return false;
    std::size_t k = i + 1;
    determiner = k < c.end && IsDeterminer(At(c, k));
    if (english != "on" && !(determiner && At(c, k).lower == "the")) return false;
    if (determiner) ++k;
    while (k < c.end && !At(c, k).fw && !At(c, k).number && At(c, k).cls == kClassAdjective) ++k;
    return k < c.end && !At(c, k).fw && At(c, k).cls == kClassNoun &&
           c.s.catalogue.Tables().InList("day-noun", At(c, k).german);
}

// "to Munich": nach München; "to Turkey", a country with its article: in die Türkei.
// Returns whether "to" at i goes to a place, and whether the place takes an article.
bool ToAPlace(const EnglishClause& c, std::size_t i, bool& article) {
    if (At(c, i).lower != "to" || i + 1 >= c.end) return false;
    const EnglishUnit& place = At(c, i + 1);
    if (place.fw || place.cls != kClassName || c.s.catalogue.Tables().Value("place-name", place.source).empty())
        return false;
    article = place.gender != kGenderNone;
    return true;
}

// The noun from k on past its adjectives ("the small red car": car); nullptr when none.
const EnglishUnit* NounAfterAdjectives(const EnglishClause& c, std::size_t k) {
    while (k < c.end && !At(c, k).fw && At(c, k).cls == kClassAdjective) ++k;
    return k < c.end && !At(c, k).fw && At(c, k).cls == kClassNoun ? &At(c, k) : nullptr;
}

// "been to Spain", "never been to the cinema": having been somewhere is being there,
// in Spanien, im Kino, with the dative of a place, not going to it.
bool BeenToAPlace(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "to" || i == c.begin) return false;
    std::size_t k = i - 1;
    while (k > c.begin && At(c, k).fw && At(c, k).fw->kind == EnKind::Adverb) --k;
    return At(c, k).lower == "been";
}

// "to the cinema", "to the sea", "to hospital": a place one goes into or up to takes its
// own preposition with the accusative (ins Kino, ans Meer, ins Krankenhaus; table
// to-place-preposition); empty otherwise.
std::string ToAPlaceInside(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "to" || i + 1 >= c.end) return std::string();
    const EnglishUnit* place = NounAfterAdjectives(c, At(c, i + 1).lower == "the" ? i + 2 : i + 1);
    if (!place || place->plural) return std::string();
    return c.s.catalogue.Tables().Value("to-place-preposition", Lower1252(place->german));
}

// "on the wall", "at the cinema": where a thing is, German may name with another
// preposition than the English one's own (an der Wand, im Kino; table
// place-noun-preposition, "on wand" -> "an"); empty otherwise.
std::string PlacePrepositionOfItsNoun(const EnglishClause& c, std::size_t i) {
    const std::string& english = At(c, i).lower;
    if ((english != "on" && english != "at") || i + 2 >= c.end || !IsDeterminer(At(c, i + 1))) return std::string();
    const EnglishUnit* place = NounAfterAdjectives(c, i + 2);
    if (!place) return std::string();
    return c.s.catalogue.Tables().Value("place-noun-preposition", english + " " + Lower1252(place->german));
}

// The German preposition at i: "um" before a time of day, "an" before a day, none
// before a year (empty).
std::string GermanPreposition(const EnglishClause& c, std::size_t i) {
    bool article = false;
    if (ToAPlace(c, i, article)) return article || BeenToAPlace(c, i) ? "in" : "nach";
    const std::string inside = ToAPlaceInside(c, i);
    if (!inside.empty()) return inside;
    const std::string place = PlacePrepositionOfItsNoun(c, i);
    if (!place.empty()) return place;
    if (ClockTimeAfter(c, i)) return "um";
    if (YearAfterIn(c, i)) return std::string();
    bool determiner = false;
    if (DayAfter(c, i, determiner)) return determiner ? "an" : "am";
    return At(c, i).fw->german;
}

void PushPreposition(const EnglishClause& c, std::size_t i, std::vector<std::string>& out) {
    std::string german = GermanPreposition(c, i);
    if (!german.empty()) out.push_back(std::move(german));
}

// "about it", "with it": German joins the preposition and "it" into one word (darüber,
// damit; table da-compound). True when it did, with i past "it".
bool DaCompound(const EnglishClause& c, std::size_t& i, const std::string& preposition, std::vector<std::string>& out) {
    if (i + 1 >= c.end || At(c, i + 1).lower != "it") return false;
    const std::string& joined = c.s.catalogue.Tables().Value("da-compound", preposition);
    if (joined.empty()) return false;
    out.push_back(joined);
    i += 2;
    return true;
}

// A case as the tables name it ("accusative").
Case CaseNamed(std::string_view name) {
    return name == "accusative" ? Case::Accusative : name == "genitive" ? Case::Genitive : Case::Dative;
}

// "legte das Buch auf den Tisch", "ging in die Stadt": a verb of motion, or one of
// putting with its object ("hängt das Bild", not "das Bild hängt"; table placing-verb),
// makes a place preposition say where to, with the accusative.
bool SaysWhereTo(const EnglishClause& c, const std::string& preposition) {
    const EngineTables& tables = c.s.catalogue.Tables();
    return tables.InList("two-way-preposition", preposition) && tables.InList("motion-verb", c.mainLemma) &&
           (c.directObject || c.reflexive || !tables.InList("placing-verb", c.mainLemma));
}

// "hope for", "wait for", "think of": the German verb chooses its own preposition and
// case (hoffen auf + accusative); table verb-preposition, "verb english" -> "german case".
bool GovernedPrepositionAt(const EnglishClause& c, std::size_t i, std::string& german, Case& governed) {
    if (c.mainLemma.empty() || !At(c, i).fw) return false;
    // "arrived on Monday", "came to Berlin": a time or a place is no object of the verb
    bool determiner = false, article = false;
    if (ClockTimeAfter(c, i) || YearAfterIn(c, i) || DayAfter(c, i, determiner) || ToAPlace(c, i, article)) return false;
    if (!c.boundEnglish.empty() && At(c, i).lower == c.boundEnglish) {
        german = c.boundGerman;
        governed = c.boundCase;
        return true;
    }
    const std::string& value = c.s.catalogue.Tables().Value("verb-preposition", c.mainLemma + " " + At(c, i).lower);
    const std::size_t blank = value.find(' ');
    if (blank == std::string::npos) return false;
    german = value.substr(0, blank);
    const std::string c2 = value.substr(blank + 1);
    governed = CaseNamed(c2);
    if (governed == Case::Dative && SaysWhereTo(c, german)) governed = Case::Accusative;
    return true;
}

// "as a teacher", "as big as a house": "as" before a noun phrase names a role (als) or
// what is compared (wie); the phrase is in the nominative, no object of the verb.
bool AsBeforeANounPhrase(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "as" || !Is(At(c, i), EnKind::Adverb) || i == c.begin || i + 1 >= c.end) return false;
    const EnglishUnit& next = At(c, i + 1);
    return IsDeterminer(next) || (!next.fw && (next.cls == kClassNoun || next.cls == kClassName));
}

// "remember me": the object of the English verb is the German preposition's.
bool ObjectOfTheBoundPrepositionAt(const EnglishClause& c, std::size_t i) {
    if (c.boundEnglish != "-") return false;
    const EnglishUnit& u = At(c, i);
    return Is(u, EnKind::Pronoun) || IsDeterminer(u) || IsNounOrAdjective(u) || (!u.fw && u.cls == kClassName);
}

// The case after the preposition at i: "auf den Tisch legen", "unter den Tisch kriechen":
// a preposition of place and direction takes the accusative after a verb of motion.
Case PrepositionCase(const EnglishClause& c, std::size_t i) {
    const EnglishWord* p = At(c, i).fw;
    bool article = false;
    if (((ToAPlace(c, i, article) && article) || !ToAPlaceInside(c, i).empty()) && !BeenToAPlace(c, i))
        return Case::Accusative;
    // "brought to hospital in an ambulance": once "to" has said where, the rest says where in
    bool whereToSaid = false;
    for (std::size_t k = c.begin; k < i && !whereToSaid; ++k)
        whereToSaid = (At(c, k).lower == "to" || At(c, k).lower == "into") && Is(At(c, k), EnKind::Preposition);
    if (p->prepositionCase == Case::Dative && !whereToSaid && SaysWhereTo(c, p->german)) return Case::Accusative;
    return p->prepositionCase;
}

// The object of a preposition: a pronoun in the preposition's case ("neben mir", "für
// Sie"), else a noun phrase.
void PrepositionObject(const EnglishClause& c, std::size_t& i, Case prepositionCase, std::vector<std::string>& out) {
    if (i < c.end && Is(At(c, i), EnKind::Pronoun)) {
        const EnglishUnit& u = At(c, i);
        const EngineTables& tables = c.s.catalogue.Tables();
        const bool dative = prepositionCase == Case::Dative;
        const std::string& form = tables.Value(dative ? "dative-pronoun" : "accusative-pronoun", u.lower);
        std::string g = form.empty() ? std::string(u.fw->german) : form;
        if (u.lower == "you" && c.s.options.honorific) g = dative ? "Ihnen" : "Sie";
        out.push_back(g);
        ++i;
        return;
    }
    GermanNounPhrase(c.s, i, c.end, prepositionCase, out);
}

// "what", or a term that opens with an asking word ("how much").
bool AskingPhrase(const EnglishClause& c, std::size_t i) {
    const EnglishUnit& u = At(c, i);
    if (Is(u, EnKind::Question)) return true;
    const std::size_t blank = u.lower.find(' ');
    return !u.fw && blank != std::string::npos && c.s.catalogue.Tables().English(u.lower.substr(0, blank), EnKind::Question);
}

// "how much", "how long": the degree asked for after "how", said in German after "wie"
// (table english-asking-degree: viel, lange); empty for any other word.
const std::string& AskingDegree(const EnglishClause& c, std::size_t i) {
    static const std::string kNone;
    if (i == 0 || At(c, i - 1).lower != "how") return kNone;
    return c.s.catalogue.Tables().Value("english-asking-degree", At(c, i).lower);
}

// "Can you come?", "What does it mean?": the auxiliary moves behind the subject
// for the rules below; German puts the finite verb first again.
std::size_t QuestionAuxiliary(const EnglishClause& c) {
    if (c.subordinate || c.subjectRead) return c.end;  // "is a doctor" after a relative clause
    std::size_t q = c.i;
    if (q < c.end && AskingPhrase(c, q)) ++q;
    if (q + 1 < c.end && q == c.i + 1 && !AskingDegree(c, q).empty()) ++q;  // "How much does it cost?"
    // "How many children do you have?": the noun asked for stands with its asking words
    if (q > c.i && q + 1 < c.end && !At(c, q).fw && At(c, q).cls == kClassNoun && IsAuxiliary(At(c, q + 1))) ++q;
    if (q >= c.end || !IsAuxiliary(At(c, q))) return c.end;
    return EnglishSubjectEnd(c.s, q + 1, c.end) > q + 1 ? q : c.end;
}

bool AuxiliaryBeforeTheSubject(const EnglishClause& c) { return QuestionAuxiliary(c) != c.end; }

void MoveTheAuxiliaryBehindTheSubject(EnglishClause& c) {
    const std::size_t q = QuestionAuxiliary(c);
    const std::size_t subjectEnd = EnglishSubjectEnd(c.s, q + 1, c.end);
    const EnglishUnit& asking = At(c, c.i);
    // "Which book": the asking word declines as the noun's determiner (welches Buch)
    const EnglishWord* determiner = c.i + 1 < q ? c.s.catalogue.Tables().English(asking.lower, EnKind::Demonstrative) : nullptr;
    std::size_t k = c.i + 1;
    if (determiner) {
        GermanNounPhraseAfter(c.s, determiner, k, q, Case::Accusative, c.out);
    } else {
        if (q > c.i) c.out.push_back(asking.fw ? std::string(asking.fw->german) : asking.german);  // the question word
        if (k < q && !AskingDegree(c, k).empty()) c.out.push_back(AskingDegree(c, k++));  // "wie viel"
        if (k < q) GermanNounPhrase(c.s, k, q, Case::Accusative, c.out);  // "wie viele Kinder"
    }
    std::vector<EnglishUnit>& units = c.s.units;
    EnglishUnit aux = units[q];
    units.erase(units.begin() + static_cast<long>(q));
    units.insert(units.begin() + static_cast<long>(subjectEnd - 1), std::move(aux));
    c.question = true;
    c.i = q;
}

// "at the weekend", "in the house": a term of the dictionary that opens with a preposition.
bool PrepositionalTerm(const EnglishSentence& s, const EnglishUnit& u) { return u.fixed && PhraseOpensWithAPreposition(s, u); }

// Where the subject starts after a phrase in front that ends at k (and its comma):
// a pronoun, a determiner, a name or a noun, with a verb after it where asked; else end.
std::size_t SubjectAfterAFrontPhrase(const EnglishClause& c, std::size_t k, bool verbAhead) {
    if (At(c, k).punct && At(c, k).source == "," && k + 1 < c.end) ++k;
    const EnglishUnit& next = At(c, k);
    // "Meanwhile new negotiations are ...": an adjective before its noun opens one too
    const bool adjective = !next.fw && next.cls == kClassAdjective && k + 1 < c.end && !At(c, k + 1).fw &&
                           (At(c, k + 1).cls == kClassNoun || At(c, k + 1).cls == kClassAdjective);
    // "In Germany there is a law": "there is" stands where the subject would (es gibt)
    const bool thereIs = next.lower == "there" && k + 1 < c.end && (Is(At(c, k + 1), EnKind::Be) || Is(At(c, k + 1), EnKind::Will));
    const bool subject = Is(next, EnKind::Pronoun) || IsDeterminer(next) || (!next.fw && next.cls == kClassName) ||
                         (!next.fw && next.cls == kClassNoun) || next.number || adjective || thereIs;  // "two people were ..."
    return subject && (!verbAhead || EnglishVerbAhead(c.s, k, c.end)) ? k : c.end;
}

bool IsDefinite(const EnglishUnit& u) {
    return IsDeterminer(u) && u.fw->german != std::string("ein") && u.fw->german != std::string("kein");
}

// "at the end of the street": a term whose German ends in a preposition ("am Ende von")
// takes the noun phrase after it in that preposition's case (table preposition-object-case).
// After a noun "von" and a determiner are the genitive (am Ende der Straße).
bool TermEndingInAPrepositionAt(const EnglishClause& c, std::size_t i) {
    const EnglishUnit& u = At(c, i);
    if (!u.fixed || u.fw || i + 1 >= c.end || !(IsDeterminer(At(c, i + 1)) || IsNounOrAdjective(At(c, i + 1)))) return false;
    const std::size_t blank = u.german.rfind(' ');
    return blank != std::string::npos &&
           !c.s.catalogue.Tables().Value("preposition-object-case", u.german.substr(blank + 1)).empty();
}

void TermAndItsObject(EnglishClause& c, std::vector<std::string>& out) {
    const EnglishUnit& u = At(c, c.i);
    const std::size_t blank = u.german.rfind(' ');
    const std::string preposition = u.german.substr(blank + 1);
    const std::string before = u.german.substr(0, blank);
    const std::size_t lastBlank = before.rfind(' ');
    const std::string nounBefore = lastBlank == std::string::npos ? before : before.substr(lastBlank + 1);
    const bool genitive = preposition == "von" && IsDefinite(At(c, c.i + 1)) &&
                          IsUpper1252(static_cast<unsigned char>(nounBefore[0]));
    out.push_back(genitive ? before : u.german);
    ++c.i;
    Case governed = CaseNamed(c.s.catalogue.Tables().Value("preposition-object-case", preposition));
    // "In the middle of the night, ...": in front, a place or time says where (mitten in der Nacht)
    if (&out == &c.topic && c.s.catalogue.Tables().InList("two-way-preposition", preposition)) governed = Case::Dative;
    PrepositionObject(c, c.i, genitive ? Case::Genitive : governed, out);
}

// A pronoun, or a question word that is the subject itself ("What happened?").
// "Yesterday I met Anna": an adverb before the subject stays in front, and German
// puts the finite verb second, after it ("Gestern traf ich Anna").
std::size_t SubjectAfterAnAdverb(const EnglishClause& c) {
    if (c.subordinate || c.question || c.subjectRead || c.i != c.begin || c.i + 1 >= c.end) return c.end;
    const EnglishUnit& u = At(c, c.i);
    // "Unfortunately", "of course": an adverb of the dictionary stands in front as well
    const bool contentAdverb = !u.fw && u.cls == kClassAdverb && !u.german.empty();
    // "Within two weeks, the price rose": a phrase of the corpus, closed by its comma
    const bool corpusPhrase = PhraseOpensWithAPreposition(c.s, u) && At(c, c.i + 1).source == ",";
    if (!contentAdverb && !corpusPhrase && !PrepositionalTerm(c.s, u) &&
        (!Is(u, EnKind::Adverb) || !c.s.catalogue.Tables().InList("front-adverb", u.lower)))
        return c.end;
    // "At the end of the day, everyone ...": a term ending in a preposition, with its object
    if (TermEndingInAPrepositionAt(c, c.i)) {
        std::size_t k = c.i + 1;
        std::vector<std::string> object;
        GermanNounPhrase(c.s, k, c.end, Case::Dative, object);
        return SubjectAfterAFrontPhrase(c, k, true);
    }
    // "On the other side of the Isar, the map ...": the term's "of" phrase goes with it
    if (OfBeforeDeterminer(c.s, c.i + 1, c.end)) {
        std::size_t k = c.i + 2;
        std::vector<std::string> owner;
        GermanNounPhrase(c.s, k, c.end, Case::Genitive, owner);
        return SubjectAfterAFrontPhrase(c, k, true);
    }
    return SubjectAfterAFrontPhrase(c, c.i + 1, false);  // "Yesterday, I ..."
}

bool AdverbBeforeTheSubject(const EnglishClause& c) { return SubjectAfterAnAdverb(c) < c.end; }

void AdverbIsTheTopic(EnglishClause& c) {
    const std::size_t subject = SubjectAfterAnAdverb(c);
    if (TermEndingInAPrepositionAt(c, c.i)) {
        TermAndItsObject(c, c.topic);
        c.i = subject;
        return;
    }
    const EnglishUnit& adverb = At(c, c.i);
    c.topic.push_back(adverb.fw ? std::string(adverb.fw->german) : adverb.german);
    if (OfBeforeDeterminer(c.s, c.i + 1, c.end)) {  // jenseits der Isar
        std::size_t k = c.i + 2;
        GermanNounPhrase(c.s, k, c.end, Case::Genitive, c.topic);
    }
    c.i = subject;
}

// "Every morning she drinks tea", "Last year we moved", "The next day he left": a noun
// phrase that says when, before the subject, is the topic: in the accusative ("Jeden
// Morgen", "Letztes Jahr"), or after "the" with the preposition German says a time
// with ("Am nächsten Tag", "Im folgenden Jahr"; table time-noun-preposition).
std::size_t SubjectAfterATimePhrase(const EnglishClause& c) {
    if (c.subordinate || c.question || c.subjectRead || c.i != c.begin || c.i + 2 >= c.end) return c.end;
    const EnglishUnit& first = At(c, c.i);
    // "the" only before an adjective ("the next day"); "the day" and "a day" are subjects
    if (first.lower == "a" || first.lower == "an") return c.end;
    if (first.lower == "the" && (At(c, c.i + 1).fw || At(c, c.i + 1).cls != kClassAdjective)) return c.end;
    if (!IsDeterminer(first) && !(first.cls == kClassAdjective && (first.lower == "last" || first.lower == "next")))
        return c.end;
    std::size_t k = c.i;
    std::vector<std::string> words;
    GermanNounPhrase(c.s, k, c.end, Case::Accusative, words);
    if (k <= c.i + 1 || k >= c.end || !c.s.catalogue.Tables().InList("time-noun", Lower1252(words.back())))
        return c.end;
    return SubjectAfterAFrontPhrase(c, k, true);  // "The next day, he ..."
}

bool TimePhraseBeforeTheSubject(const EnglishClause& c) { return SubjectAfterATimePhrase(c) < c.end; }

void TimePhraseIsTheTopic(EnglishClause& c) {
    const std::size_t subject = SubjectAfterATimePhrase(c);
    std::size_t k = c.i;
    if (At(c, c.i).lower == "the") {
        std::vector<std::string> words;
        std::size_t probe = c.i;
        GermanNounPhrase(c.s, probe, subject, Case::Dative, words);
        const std::string& preposition = c.s.catalogue.Tables().Value("time-noun-preposition", Lower1252(words.back()));
        c.topic.push_back(preposition.empty() ? "an" : preposition);
        GermanNounPhrase(c.s, k, subject, Case::Dative, c.topic);
    } else {
        GermanNounPhrase(c.s, k, subject, Case::Accusative, c.topic);
    }
    c.i = subject;
}

// "After the film we went home": a phrase with a preposition before the subject is
// the topic too, and the finite verb comes second ("Nach dem Film gingen wir").
// "At raids in Italy, two people ...": a second phrase with a preposition that follows
// the first belongs to it. Where the phrases end (the first's start when none is there).
std::size_t FrontPrepositionalPhrasesEnd(const EnglishClause& c) {
    std::size_t k = c.i;
    // "At the end of the day": an "of" after the first phrase's noun is its attribute
    auto attribute = [&](std::size_t at) { return At(c, at).lower != "of" || At(c, at - 1).cls == kClassNoun; };
    for (int phrases = 0; phrases < 3 && k + 1 < c.end && Is(At(c, k), EnKind::Preposition) && (phrases == 0 || attribute(k));
         ++phrases) {
        std::size_t end = k + 1;
        std::vector<std::string> phrase;
        GermanNounPhrase(c.s, end, c.end, Case::Dative, phrase);
        if (end == k + 1) break;
        // "In Germany people drink": a name and a bare plural before the verb are the
        // place and the subject, no compound
        if (end < c.end && IsVerb(At(c, end)) && end > k + 2 && At(c, end - 2).cls == kClassName &&
            At(c, end - 1).cls == kClassNoun && At(c, end - 1).plural)
            --end;
        k = end;
    }
    return k;
}

std::size_t SubjectAfterAPrepositionalPhrase(const EnglishClause& c) {
    if (c.subordinate || c.question || c.subjectRead || c.i != c.begin || c.i + 2 >= c.end) return c.end;
    if (!Is(At(c, c.i), EnKind::Preposition) || OfBeforeDeterminer(c.s, c.i, c.end)) return c.end;
    const std::size_t k = FrontPrepositionalPhrasesEnd(c);
    if (k == c.i || k >= c.end) return c.end;
    return SubjectAfterAFrontPhrase(c, k, true);  // "After the film, we ..."
}

bool PrepositionalPhraseBeforeTheSubject(const EnglishClause& c) { return SubjectAfterAPrepositionalPhrase(c) < c.end; }

void PrepositionalPhraseIsTheTopic(EnglishClause& c) {
    const std::size_t subject = SubjectAfterAPrepositionalPhrase(c);
    const std::size_t end = FrontPrepositionalPhrasesEnd(c);
    for (std::size_t k = c.i; k < end && Is(At(c, k), EnKind::Preposition);) {
        if (DaCompound(c, k, GermanPreposition(c, k), c.topic)) continue;  // "With it he ...": damit
        if (k > c.i && OfBeforeDeterminer(c.s, k, end)) {  // "am Ende des Tages"
            ++k;
            GermanNounPhrase(c.s, k, end, Case::Genitive, c.topic);
            continue;
        }
        const Case governed = PrepositionCase(c, k);
        PushPreposition(c, k, c.topic);
        ++k;
        GermanNounPhrase(c.s, k, end, governed, c.topic);
    }
    c.i = subject;
}

bool PassiveParticipleAt(const EnglishClause& c, std::size_t k);

// Whether a word other than the one at skip tells of the past: a past verb, "was",
// "had", "did", or a time gone by (table past-time-word).
bool SentenceTellsOfThePast(const EnglishSentence& s, std::size_t skip) {
    for (std::size_t k = 0; k < s.units.size(); ++k) {
        const EnglishUnit& u = s.units[k];
        if (k == skip) continue;
        if ((u.fw && u.fw->past && u.fw->kind != EnKind::Modal) || (!u.fw && u.cls == kClassVerb && u.tag == kFormPast) ||
            s.catalogue.Tables().InList("past-time-word", u.lower))
            return true;
    }
    return false;
}

// "should" is always the German Konjunktiv II (sollte); "could" in a question, beside an
// unreal condition, or where nothing tells of the past ("It could rain": könnte), but
// not "could not", which tells of what one was unable to do (table english-subjunctive-modal).
bool ModalIsTheSubjunctive(const EnglishClause& c, std::size_t k) {
    const std::string& when = c.s.catalogue.Tables().Value("english-subjunctive-modal", At(c, k).lower);
    if (when == "always") return true;
    if (when != "asking") return false;
    const bool negated = k + 1 < c.end && Is(At(c, k + 1), EnKind::Negation);
    return c.question || c.s.unreal || (!negated && !SentenceTellsOfThePast(c.s, k));
}

// "There is a park", "Is there a restaurant?", "There will be rain": German says
// "es gibt" with the accusative ("Es gibt einen Park").
std::size_t ThereIsLength(const EnglishClause& c) {
    if (c.subjectRead || c.i + 2 >= c.end) return 0;
    const EnglishUnit& a = At(c, c.i);
    const EnglishUnit& b = At(c, c.i + 1);
    if (a.lower == "there" && Is(b, EnKind::Be)) return 2;
    if (Is(a, EnKind::Be) && b.lower == "there" && !c.subordinate) return 2;  // a question
    if (a.lower == "there" && Is(b, EnKind::Will) && At(c, c.i + 2).lower == "be") return 3;
    // "There could be a problem": es könnte ... geben; "There has been an accident": es hat ... gegeben
    if (a.lower == "there" && Is(b, EnKind::Modal) && At(c, c.i + 2).lower == "be") return 3;
    if (a.lower == "there" && Is(b, EnKind::Have) && At(c, c.i + 2).lower == "been" && c.i + 3 < c.end &&
        !PassiveParticipleAt(c, c.i + 3))
        return 3;
    return 0;
}

bool ThereIsBeforeAPhrase(const EnglishClause& c) { return ThereIsLength(c) > 0; }

void EsGibt(EnglishClause& c) {
    const std::size_t n = ThereIsLength(c);
    const EnglishUnit& a = At(c, c.i);
    const EnglishUnit& be = Is(a, EnKind::Be) ? a : At(c, c.i + 1);
    if (Is(a, EnKind::Be)) c.question = true;
    const EnglishUnit& helper = At(c, c.i + 1);
    if (n == 3 && Is(helper, EnKind::Have)) {
        c.perfect = true;
        c.tense = helper.fw->past ? Tense::Past : Tense::Present;
    } else if (n == 3 && Is(helper, EnKind::Modal)) {
        c.modal = true;
        c.modalLemma = helper.fw->german;
        c.tense = helper.fw->past ? Tense::Past : Tense::Present;
        c.subjunctive = ModalIsTheSubjunctive(c, c.i + 1);
    } else if (n == 3) {
        c.future = true;
        c.modalLemma = helper.fw->german;
    } else if (be.fw->past) {
        c.tense = Tense::Past;
    }
    c.subject = {"es"};
    c.subjectRead = true;
    c.person = 3;
    c.plural = false;
    c.mainLemma = "geben";
    c.i += n;
}

// "Close the door.", "Please sit down.", "Do not open the window.": a main clause that
// starts with the verb's base form has no subject; German addresses the reader with
// "Sie" or "du" as the options say.
bool StartsWithTheBareVerb(const EnglishClause& c) {
    if (c.subordinate || c.question || c.subjectRead || c.relative != RelativeRole::None || c.i != c.begin) return false;
    if (c.s.units.back().source == "?") return false;
    std::size_t k = c.i;
    if (At(c, k).lower == "please" && k + 1 < c.end) ++k;
    const EnglishUnit& u = At(c, k);
    if (Is(u, EnKind::Do) && u.lower == "do" && k + 2 < c.end && Is(At(c, k + 1), EnKind::Negation)) return true;
    if (u.fw && !(Is(u, EnKind::Be) && u.lower == "be")) return false;
    if (u.fw || u.cls != kClassVerb) return u.fw != nullptr && (k == 0 || At(c, k - 1).lower == "please");
    // after "please" any form the tagger gave is the base ("Please read")
    return u.tag == kFormBase ? k == 0 || At(c, k - 1).lower == "please" : k > 0 && At(c, k - 1).lower == "please";
}

void ImperativeWithoutASubject(EnglishClause& c) {
    c.imperative = true;
    c.subjectRead = true;
    if (At(c, c.i).lower == "please") {
        c.please = true;
        ++c.i;
    }
    if (!At(c, c.i).fw) c.s.units[c.i].tag = kFormBase;
    const bool polite = c.s.options.honorific;
    if (polite && !c.s.options.impersonal) c.subject = {"Sie"};
    c.person = polite ? 3 : 2;
    c.plural = polite;
}

bool PronounSubject(const EnglishClause& c) {
    return !c.subjectRead && c.i < c.end && (Is(At(c, c.i), EnKind::Pronoun) || Is(At(c, c.i), EnKind::Question));
}

bool NounPhraseSubject(const EnglishClause& c) { return !c.subjectRead; }

bool IsAdverb(const EnglishUnit& u) { return Is(u, EnKind::Adverb) || (!u.fw && u.cls == kClassAdverb && !u.german.empty()); }

// "My father, a doctor, often works in Berlin": a clause whose subject stood before the
// commas opens with an adverb and its verb; German says the adverb after the verb.
bool AdverbBeforeTheVerbWithoutASubject(const EnglishClause& c) {
    if (c.subjectRead || c.subordinate || c.question || c.i != c.begin || c.begin == 0 || c.i + 1 >= c.end) return false;
    // "everything is possible": a thing pronoun is the clause's own subject; "as was
    // promised", "there was" are clauses of their own kind
    const EnglishUnit& u = At(c, c.i);
    const EngineTables& tables = c.s.catalogue.Tables();
    if (tables.InList("thing-pronoun", u.lower) || u.lower == "as" || u.lower == "than" || u.lower == "there" || u.lower == "so")
        return false;
    return c.s.units[c.begin - 1].source == "," && IsAdverb(u) && IsVerb(At(c, c.i + 1)) &&
           At(c, c.i + 1).tag != kFormPresPart && At(c, c.i + 1).tag != kFormPastPart;
}

void AdverbAfterTheVerb(EnglishClause& c) {
    const EnglishUnit& adverb = At(c, c.i);
    c.rest.push_back(adverb.fw ? std::string(adverb.fw->german) : adverb.german);
    c.subjectRead = true;
    ++c.i;
}

// "I", "she": the German subject pronoun, with the person and number it gives the verb.
void SubjectPronounAt(EnglishClause& c, int& person, bool& plural) {
    const EnglishUnit& u = At(c, c.i);
    const bool you = u.lower == "you", polite = you && c.s.options.honorific;
    c.subject.push_back(you ? (polite ? "Sie" : "du") : u.fw->german);
    person = polite ? 3 : u.fw->person;
    plural = polite || u.fw->plural;
    ++c.i;
}

// "Männer, Frauen und Kinder", "She and her mother", "My brother and I": the other
// subjects of a list, after the first. The list is plural, in the first person when
// one of them is "I" or "we", else in the second when one is "you" (wir, ihr); joined
// by "or" alone, singular ones stay singular.
void JoinedSubjects(EnglishClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    while (c.i + 1 < c.end && !c.question && (At(c, c.i).source == "," || Is(At(c, c.i), EnKind::Coordinator))) {
        const EnglishUnit& next = At(c, c.i + 1);
        const bool pronoun = At(c, c.i).lower == "and" && tables.InList("subject-pronoun", next.lower) && Is(next, EnKind::Pronoun);
        if (!pronoun && !IsDeterminer(next) && !IsNounOrAdjective(next) && next.cls != kClassName) break;
        const EnglishUnit& mark = At(c, c.i);
        c.subject.push_back(mark.fw ? std::string(mark.fw->german) : mark.source);
        ++c.i;
        int person = 3;
        bool plural = true;
        if (pronoun) {
            SubjectPronounAt(c, person, plural);
        } else {
            const std::size_t item = c.i;
            GermanNounPhrase(c.s, c.i, c.end, Case::Nominative, c.subject);
            if (c.i == item) break;
        }
        c.person = std::min(c.person, person == 2 && c.s.options.honorific ? 3 : person);
        c.plural = c.plural || mark.lower != "or";  // "er oder sie muss"
    }
}

void GermanSubjectPronoun(EnglishClause& c) {
    SubjectPronounAt(c, c.person, c.plural);
    c.subjectRead = true;
    JoinedSubjects(c);
}

// "The history of the United States was ...": an attribute joins the subject.
void GermanSubjectNounPhrase(EnglishClause& c) {
    c.subjectRead = true;
    std::size_t before = c.i;
    if (!(c.question && c.i < c.end && IsAuxiliary(At(c, c.i))))
        GermanNounPhrase(c.s, c.i, c.end, Case::Nominative, c.subject);
    bool counted = false;
    for (std::size_t k = before; k < c.i; ++k) {
        const EnglishUnit& u = At(c, k);
        if (u.cls == kClassNoun) c.plural = u.plural;
        const std::size_t blank = u.lower.rfind(' ');
        counted = counted || (u.number && u.lower.substr(blank == std::string::npos ? 0 : blank + 1) != "1");
    }
    // "500,000 Papuans", "20 percent": a count above one makes a name or a measure plural too
    if (counted) c.plural = true;
    if (before < c.i && At(c, before).fw && At(c, before).fw->plural) c.plural = true;
    if (before + 1 < c.i && At(c, before).lower == "one" && At(c, before + 1).lower == "of") c.plural = false;  // "one of the women"
    JoinedSubjects(c);
    while (c.i + 1 < c.end && EnglishVerbAhead(c.s, c.i + 1, c.end)) {
        // "The man in the house plays": a term with its preposition belongs to the subject
        if (PrepositionalTerm(c.s, At(c, c.i))) {
            c.subject.push_back(At(c, c.i++).german);
            continue;
        }
        if (!Is(At(c, c.i), EnKind::Preposition)) break;
        Case attributeCase = At(c, c.i).fw->prepositionCase;
        if (OfBeforeDeterminer(c.s, c.i, c.end)) attributeCase = Case::Genitive;
        else c.subject.push_back(At(c, c.i).fw->german);
        ++c.i;
        GermanNounPhrase(c.s, c.i, c.end, attributeCase, c.subject);
    }
}

bool ByAhead(const EnglishClause& c, std::size_t from) {
    for (std::size_t k = from; k < c.end && !At(c, k).punct; ++k)
        if (At(c, k).lower == "by") return true;
    return false;
}


// "gestern", "immer", "schon", "letztes Jahr": German says when and how often before the
// objects that are new.
bool SaysWhen(const EnglishClause& c, const std::string& german) {
    const std::string lower = Lower1252(german);
    const EngineTables& tables = c.s.catalogue.Tables();
    const std::size_t blank = lower.rfind(' ');
    return tables.InList("time-adverb", lower) || tables.InList("frequency-adverb", lower) ||
           (blank != std::string::npos && tables.InList("time-noun", lower.substr(blank + 1)));
}

// "he was tired", "she was surprised": after "be" and without "by" a participle of
// the list says a state, with an adjective of its own (müde, not ermüdet) or the
// participle itself (war überrascht); any other is a passive ("were written":
// wurden geschrieben, not the adjective "schriftlich"). "has been closed" is the event:
// ist geschlossen worden (value event-in-perfect), as is "has to be closed". True when
// the unit at k became the adjective.
bool StateParticipleIsAnAdjective(EnglishClause& c, std::size_t k) {
    const EnglishUnit& u = At(c, k);
    const EngineTables& tables = c.s.catalogue.Tables();
    const bool event = (c.perfect || c.modal) && tables.Value("english-state-participle", u.lower) == "event-in-perfect";
    if (u.fw || u.cls != kClassVerb || u.tag != kFormPastPart || ByAhead(c, k + 1) ||
        !tables.InList("english-state-participle", u.lower) || event)
        return false;
    EnglishUnit adjective = u;
    if (!TakeAdjectiveReading(c.s, adjective)) {
        adjective.german = GermanParticiple(c.s.catalogue, u.german);
        adjective.cls = kClassAdjective;
        adjective.tag = kFormBase;
    }
    c.s.units[k] = std::move(adjective);
    return true;
}

// Auxiliaries, "not" and the main verb: tense, aspect, voice.
void ReadTheVerbGroup(EnglishClause& c) {
    std::size_t verbStart = c.i;
    while (c.i < c.end && !At(c, c.i).punct) {
        const EnglishUnit& u = At(c, c.i);
        // "would never do", "always drinks", "will probably never know": the adverbs inside
        // the verb group go to the middle
        std::size_t verb = c.i;
        // "so" and "too" of degree go with the adjective after them ("too" as "auch" is an adverb)
        auto degree = [](const EnglishUnit& w) {
            return w.lower == "so" || (w.lower == "too" && w.fw && std::string(w.fw->german) == "zu");
        };
        while (verb < c.end && IsAdverb(At(c, verb)) && !degree(At(c, verb))) ++verb;
        if (verb > c.i && verb < c.end && IsVerb(At(c, verb))) {
            if (c.i == verbStart) verbStart = verb;  // "he too showed": the verb still opens the group
            for (; c.i < verb; ++c.i) {
                // "have never seen": noch nie, of all the time up to now
                const EnglishUnit& adverb = At(c, c.i);
                const bool notYetOnce = c.perfect && c.tense == Tense::Present && adverb.lower == "never";
                c.middle.push_back(notYetOnce ? "noch nie" : adverb.fw ? std::string(adverb.fw->german) : adverb.german);
            }
            continue;
        }
        if (IsAuxiliary(u)) {
            const EnKind k = u.fw->kind;
            if (c.i == verbStart && u.fw->past) c.tense = Tense::Past;
            if (k == EnKind::Have) c.perfect = true;
            if (k == EnKind::Will) { c.future = true; c.modalLemma = u.fw->german; c.subjunctive = u.fw->past; }
            if (k == EnKind::Modal) {
                c.modal = true;
                c.modalLemma = u.fw->german;
                c.subjunctive = ModalIsTheSubjunctive(c, c.i);
            }
            if (k == EnKind::Be) { c.mainLemma = "sein"; c.passive = true; }
            if (k == EnKind::Have && c.mainLemma.empty()) c.mainLemma = "haben";
            if (k == EnKind::Have && c.mainLemma == "tun") {  // "does not have": have is the verb
                c.mainLemma = "haben";
                c.perfect = false;
                ++c.i;
                break;
            }
            if (k == EnKind::Do && c.mainLemma.empty()) c.mainLemma = "tun";
            ++c.i;
            continue;
        }
        if (Is(u, EnKind::Negation)) { c.negate = true; ++c.i; continue; }
        // "is being repaired": the passive going on now is the passive (wird repariert)
        if (!u.fw && u.lower == "being" && c.passive && c.i + 1 < c.end && !At(c, c.i + 1).fw &&
            At(c, c.i + 1).cls == kClassVerb && At(c, c.i + 1).tag == kFormPastPart) {
            ++c.i;
            continue;
        }
        // "he was tired": müde, a state
        if (c.mainLemma == "sein" && c.passive && StateParticipleIsAnAdjective(c, c.i)) break;
        if (!u.fw && u.cls == kClassVerb) {
            c.mainLemma = u.german;
            c.mainEnglish = u.lemma.empty() ? u.lower : u.lemma;
            // "appealed" with no auxiliary before it is the simple past
            if (c.i == verbStart && (u.tag == kFormPast || u.tag == kFormPastPart)) c.tense = Tense::Past;
            c.passive = c.passive && u.tag == kFormPastPart;
            if (u.tag == kFormPresPart) c.passive = false;
            ++c.i;
        }
        break;
    }
}

// '"...," said Rafferty': after a quotation English may put the verb before its subject;
// German does so too ("sagte Rafferty").
bool VerbBeforeItsSubjectAfterAQuotation(const EnglishClause& c) {
    if (!c.afterQuotation || c.subjectRead || c.i != c.begin || c.i + 1 >= c.end) return false;
    const EnglishUnit& verb = At(c, c.i);
    const EnglishUnit& next = At(c, c.i + 1);
    return !verb.fw && verb.cls == kClassVerb && (IsDeterminer(next) || (!next.fw && (next.cls == kClassName || next.cls == kClassNoun)));
}

void ReadTheVerbBeforeItsSubject(EnglishClause& c) {
    ReadTheVerbGroup(c);
    GermanSubjectNounPhrase(c);
}

// "You must not smoke": English forbids with "must not", German with "nicht dürfen"
// (table negated-modal); "nicht müssen" is "need not".
std::string NegatedModalLemma(const EnglishClause& c) {
    if (!c.modal || !c.negate) return std::string();
    for (std::size_t k = c.begin; k < c.i; ++k)
        if (Is(At(c, k), EnKind::Modal)) return c.s.catalogue.Tables().Value("negated-modal", At(c, k).lower);
    return std::string();
}
bool NegatedModalOfItsOwn(const EnglishClause& c) { return !NegatedModalLemma(c).empty(); }
void TheNegatedModal(EnglishClause& c) { c.modalLemma = NegatedModalLemma(c); }

// "He was born in Berlin": an English participle that the dictionary gives as an
// adjective (geboren) is the passive of its German verb (table passive-participle).
bool BeWithAPassiveParticiple(const EnglishClause& c) {
    if (c.mainLemma != "sein" || !c.passive || c.modal || c.i >= c.end) return false;
    const EnglishUnit& u = At(c, c.i);
    return !u.fw && !c.s.catalogue.Tables().Value("passive-participle", u.lower).empty();
}
void ThePassiveOfItsVerb(EnglishClause& c) {
    c.mainLemma = c.s.catalogue.Tables().Value("passive-participle", At(c, c.i).lower);
    ++c.i;
}

// "He has three brothers": "have" without a participle is the verb itself.
bool HaveWithoutParticiple(const EnglishClause& c) { return c.perfect && c.mainLemma == "haben"; }
void HaveIsTheVerb(EnglishClause& c) { c.perfect = false; }

// "I am afraid", "you are right": German has the feeling or the right (Angst haben,
// recht haben; table haben-predicate, whose value may name the preposition that
// "of" becomes: Angst vor). Things are no persons: "it is right" stays richtig.
bool BeWithAHabenPredicate(const EnglishClause& c) {
    if (c.mainLemma != "sein" || c.modal || c.i >= c.end || c.i == c.begin) return false;
    const EnglishUnit& u = At(c, c.i);
    // the subject's first word: "that he is right" opens with the conjunction
    std::size_t subject = c.begin;
    if (subject + 1 < c.i && Is(At(c, subject), EnKind::Subordinator)) ++subject;
    const std::string& first = At(c, subject).lower;
    return !u.fw && (u.cls == kClassAdjective || !u.known) && !c.s.catalogue.Tables().Value("haben-predicate", u.lower).empty() &&
           !c.s.catalogue.Tables().InList("thing-pronoun", first);
}

void HabenWithThePredicate(EnglishClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    EnglishUnit& u = c.s.units[c.i];
    const std::string& value = tables.Value("haben-predicate", u.lower);
    const std::size_t bar = value.find('|');
    u.german = value.substr(0, bar);
    u.cls = kClassNone;
    u.fixed = true;
    c.mainLemma = "haben";
    c.passive = false;
    if (bar != std::string::npos && c.i + 1 < c.end && At(c, c.i + 1).lower == "of")
        if (const EnglishWord* w = tables.English(value.substr(bar + 1), EnKind::Preposition)) {
            EnglishUnit& of = c.s.units[c.i + 1];
            of.fw = w;
            of.lower = value.substr(bar + 1);  // no longer the "of" of a genitive
        }
}

// "want to go", "have to go", "need to go", "is going to go": a German modal verb.
// Where the "to" of a modal's infinitive stands: next, or after the adjective that
// "be" took ("is able to", "is supposed to" read as an adjective).
std::size_t ToOfAModal(const EnglishClause& c) {
    if (c.i + 1 < c.end && At(c, c.i + 1).lower == "to" && c.mainLemma == "sein" &&
        !c.s.catalogue.Tables().Value("be-to-modal", At(c, c.i).lower).empty())
        return c.i + 1;
    return c.i;
}

// "be" after "to": the infinitive of "sein", or with a participle after it the passive
// ("to be sold": verkauft werden).
bool BeAt(const EnglishClause& c, std::size_t k) { return k < c.end && At(c, k).lower == "be" && Is(At(c, k), EnKind::Be); }

bool PassiveParticipleAt(const EnglishClause& c, std::size_t k) {
    return k < c.end && !At(c, k).fw && At(c, k).cls == kClassVerb && At(c, k).tag == kFormPastPart;
}

const char* ModalOfToInfinitive(const EnglishClause& c) {
    const std::size_t to = ToOfAModal(c);
    if (c.modal || c.future || to == 0 || to + 1 >= c.end || At(c, to).lower != "to" ||
        ((At(c, to + 1).fw || At(c, to + 1).cls != kClassVerb) && !BeAt(c, to + 1)))
        return nullptr;
    const std::string& before = At(c, to - 1).lower;
    // "is going to": the future (read as "be" and "going", or as the verb "go")
    if (before == "going" && (c.passive || (to >= 2 && Is(At(c, to - 2), EnKind::Be)))) return "werden";
    // "is supposed to", "was able to": "be" and a word before "to" are a German modal
    const std::string& afterBe = c.s.catalogue.Tables().Value("be-to-modal", before);
    if (!afterBe.empty() && (c.passive || c.mainLemma == "sein")) return afterBe.c_str();
    const std::string& modal = c.s.catalogue.Tables().Value("to-infinitive-modal", before);
    return modal.empty() ? nullptr : modal.c_str();
}

bool ToInfinitiveAfterWantHaveNeed(const EnglishClause& c) { return ModalOfToInfinitive(c) != nullptr; }

void ModalWithTheBareInfinitive(EnglishClause& c) {
    std::string modalVerb = ModalOfToInfinitive(c);
    // "was going to leave": what was meant then, wollte gehen
    if (modalVerb == "werden" && c.tense == Tense::Past) modalVerb = "wollen";
    if (modalVerb == "werden") {
        c.future = true;
        c.passive = false;
        c.tense = Tense::Present;
    } else {
        c.modal = true;
        c.passive = false;  // "is supposed to come": soll kommen
    }
    c.modalLemma = modalVerb;
    c.perfect = false;
    const std::size_t to = ToOfAModal(c);
    std::size_t verbAt = to + 1;
    if (BeAt(c, verbAt)) {  // "wants to be a doctor": will Arzt sein; "to be sold": verkauft werden
        c.passive = PassiveParticipleAt(c, verbAt + 1) && !StateParticipleIsAnAdjective(c, verbAt + 1);
        c.mainLemma = "sein";
        c.mainEnglish = "be";
        c.i = verbAt + 1;
        if (!c.passive) return;
        ++verbAt;
    }
    const EnglishUnit& verb = At(c, verbAt);
    c.mainLemma = verb.german;
    c.mainEnglish = verb.lemma.empty() ? verb.lower : verb.lemma;
    c.i = verbAt + 1;
}

// ---- The German clause ----

// "A red flower.": without a verb the words keep their order.
bool NoVerb(const EnglishClause& c) { return c.mainLemma.empty(); }

bool AfterAPreposition(const EnglishClause& c, std::size_t k) {
    return k > c.begin && Is(At(c, k - 1), EnKind::Preposition);
}

std::string RelativePronoun(const EnglishClause& c);

void WordsInTheirOrder(EnglishClause& c) {
    // "in which Manning, ...": a relative clause cut short still opens with its pronoun
    if (c.relative != RelativeRole::None && c.relative != RelativeRole::Bare && c.i > c.begin) c.out.push_back(RelativePronoun(c));
    for (const std::string& w : c.topic) c.out.push_back(w);
    for (const std::string& w : c.subject) c.out.push_back(w);
    for (std::size_t k = c.i; k < c.end; ++k) {
        const EnglishUnit& u = At(c, k);
        const EnglishWord* w = u.fw;
        if (u.lower == "of" && OfBeforeDeterminer(c.s, k, c.end)) {  // "the head of the village": des Dorfes
            std::size_t kk = k + 1;
            GermanNounPhrase(c.s, kk, c.end, Case::Genitive, c.out);
            k = kk - 1;
        } else if (IsNounOrAdjective(u) || IsDeterminer(u) || (Is(u, EnKind::Pronoun) && AfterAPreposition(c, k))) {
            // "In a first phase", "with me": after a preposition its own case (a place: the dative)
            const Case phraseCase = AfterAPreposition(c, k) ? At(c, k - 1).fw->prepositionCase : Case::Nominative;
            std::size_t kk = k;
            PrepositionObject(c, kk, phraseCase, c.out);
            k = kk - 1;
        } else if (w && (w->kind == EnKind::Be || w->kind == EnKind::Have)) {
            const bool past = w->past;
            c.out.push_back(GermanFinite(c.s.catalogue, w->german, w->person ? w->person : c.person,
                                         w->plural || c.plural, past ? Tense::Past : Tense::Present).finite);
        } else if (!w && u.cls == kClassVerb && !u.fixed && (u.tag == kFormThird || u.tag == kFormPast) &&
                   u.german.find(' ') == std::string::npos) {
            // "UK Athletics' director Neil Black says ...": a verb whose subject the rules did
            // not find is still said in its person and tense, its particle after it
            int person = 3;
            bool plural = c.plural;
            for (std::size_t b = k; b-- > c.begin;) {  // "weil wir wählten": the subject just before
                const EnglishUnit& before = At(c, b);
                if (Is(before, EnKind::Pronoun) && c.s.catalogue.Tables().InList("subject-pronoun", before.lower)) {
                    person = before.fw->person ? before.fw->person : 3;
                    plural = before.fw->plural;
                    break;
                }
                if (!before.fw && (before.cls == kClassNoun || before.cls == kClassName)) {
                    plural = before.plural;
                    break;
                }
            }
            const GermanVerbParts parts = GermanFinite(c.s.catalogue, u.german, person, plural,
                                                       u.tag == kFormPast ? Tense::Past : Tense::Present);
            c.out.push_back(parts.finite);
            if (!parts.particle.empty()) c.out.push_back(parts.particle);
        } else if (!Is(u, EnKind::Do)) {
            c.out.push_back(w ? w->german : u.german);
        }
    }
    c.trace.finished = true;
}

// The case of a noun phrase object: the nominative after "sein", "werden" and "bleiben"
// (table predicate-nominative-verb: "She is a teacher", "He became a teacher"),
// the dative after "helfen", "danken" ... ("hilft den Schülern"), else the accusative.
// "told reporters that ...": before a clause of its own, the person told is in the
// dative (sagte den Reportern, dass; table dative-before-a-clause).
Case ObjectCase(const EnglishClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    if (tables.InList("predicate-nominative-verb", c.mainLemma)) return Case::Nominative;  // "wurde ein Lehrer"
    if (tables.InList("dative-verb", c.mainLemma)) return Case::Dative;
    const bool clauseAfter = c.end < c.s.units.size() && Is(c.s.units[c.end], EnKind::Subordinator);
    return clauseAfter && tables.InList("dative-before-a-clause", c.mainLemma) ? Case::Dative : Case::Accusative;
}

// "gave me a book", "helps me": a pronoun before another object, or after a verb
// that takes the dative, is the dative one.
std::string ObjectPronoun(const EnglishClause& c, std::size_t k) {
    const EnglishUnit& u = At(c, k);
    const EngineTables& tables = c.s.catalogue.Tables();
    const std::string& accusative = tables.Value("accusative-pronoun", u.lower);
    std::string g = accusative.empty() ? std::string(u.fw->german) : accusative;
    const EnglishUnit* next = k + 1 < c.end ? &At(c, k + 1) : nullptr;
    // "gave me that book", not "saw him that day"
    // (a verb that gives, and no time: "it struck me that ..." is a clause)
    const EnglishUnit* pointed = next && next->fw && next->fw->kind == EnKind::Demonstrative && k + 2 < c.end ? &At(c, k + 2) : nullptr;
    const bool pointedTime = !tables.InList("dative-with-to", c.mainLemma) ||
                             (pointed && !pointed->fw && tables.InList("time-noun", Lower1252(pointed->german)));
    const bool beforeAnObject = next && ((next->fw && (next->fw->kind == EnKind::Article || next->fw->kind == EnKind::Possessive ||
                                                       (next->fw->kind == EnKind::Demonstrative && !pointedTime))) ||
                                         (!next->fw && (next->cls == kClassNoun || next->number)));
    // "the book that you gave me": the relative pronoun was the other object
    const bool otherObjectBefore = (c.relative == RelativeRole::Object || c.relative == RelativeRole::Bare) &&
                                   tables.InList("dative-with-to", c.mainLemma);
    // "I told him", "she promised me": a person told or promised is in the dative with
    // or without what is told (table dative-before-a-clause)
    const bool personTold = u.lower != "it" && u.lower != "them" && tables.InList("dative-before-a-clause", c.mainLemma);
    if (beforeAnObject || otherObjectBefore || personTold || ObjectCase(c) == Case::Dative) {
        const std::string& dative = tables.Value("dative-pronoun", u.lower);
        if (!dative.empty()) g = dative;
        if (u.lower == "you" && c.s.options.honorific) g = "Ihnen";
    } else if (u.lower == "you" && c.s.options.honorific) {
        g = "Sie";
    }
    return g;
}

// "I see her", "gave her a book": "her" before no noun of its own is the pronoun.
bool HerAloneIsThePronoun(const EnglishClause& c, std::size_t k) {
    const EnglishUnit& u = At(c, k);
    if (!Is(u, EnKind::Possessive) || c.s.catalogue.Tables().Value("accusative-pronoun", u.lower).empty()) return false;
    return k + 1 >= c.end || !IsNounOrAdjective(At(c, k + 1));
}

// "gives the children sweets": a noun phrase right before another object is the
// indirect one, in the dative; a phrase that says when ("every week") is no object.
bool IndirectObjectAt(const EnglishClause& c, std::size_t i) {
    if (c.mainLemma.empty() || c.s.catalogue.Tables().InList("predicate-nominative-verb", c.mainLemma)) return false;
    std::size_t k = i;
    std::vector<std::string> first, second;
    GermanNounPhrase(c.s, k, c.end, Case::Accusative, first);
    if (k >= c.end || k == i) return false;
    const EnglishUnit& next = At(c, k);
    if (!IsDeterminer(next) && (next.fw || (next.cls != kClassNoun && next.cls != kClassName))) return false;
    GermanNounPhrase(c.s, k, c.end, Case::Accusative, second);
    const EngineTables& tables = c.s.catalogue.Tables();
    auto saysWhen = [&](const std::vector<std::string>& words) {
        return !words.empty() && tables.InList("time-noun", Lower1252(words.back()));
    };
    return !second.empty() && !saysWhen(first) && !saysWhen(second);
}

// "gave the book to my mother", "belongs to my father": after these verbs "to" is the dative.
bool ToIsTheDative(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "to" || i + 1 >= c.end || !c.s.catalogue.Tables().InList("dative-with-to", c.mainLemma))
        return false;
    if (!ToAPlaceInside(c, i).empty()) return false;  // "brought to hospital": ins Krankenhaus
    const EnglishUnit& next = At(c, i + 1);
    return IsDeterminer(next) || Is(next, EnKind::Pronoun) || (!next.fw && (next.cls == kClassNoun || next.cls == kClassName));
}

// "washed her hands", "combs his hair": German names the owner of the part of the body a
// verb of care does something to by the dative reflexive and the article (wusch sich die Hände).
bool BodyPartOfTheSubjectAt(const EnglishClause& c, std::size_t i) {
    const EngineTables& tables = c.s.catalogue.Tables();
    const EnglishUnit& u = At(c, i);
    if (!Is(u, EnKind::Possessive) || c.passive || !tables.InList("body-care-verb", c.mainLemma)) return false;
    const std::string said = c.subject.size() == 1 ? c.subject[0] : std::string();
    const std::string subject = said == "Sie" ? "2" : std::to_string(c.person) + (c.plural && c.person != 2 ? "p" : "");
    if (tables.Value("possessive-person", u.lower) != subject) return false;
    const bool sein = said == "er" || said == "es";
    if ((sein || said == "sie") && !c.plural && sein != (u.fw->german == std::string("sein")))
        return false;  // "she washed his hands": another's
    const EnglishUnit* part = NounAfterAdjectives(c, i + 1);
    return part && tables.InList("body-part", part->german);
}

// The subject's own reflexive pronoun: accusative (mich, uns, sich) or dative (mir).
const char* ReflexivePronoun(const EnglishClause& c, Case which) {
    static const char* const kAccusative[2][3] = {{"mich", "dich", "sich"}, {"uns", "euch", "sich"}};
    static const char* const kDative[2][3] = {{"mir", "dir", "sich"}, {"uns", "euch", "sich"}};
    const int person = c.person >= 1 && c.person <= 3 ? c.person : 3;
    return (which == Case::Dative ? kDative : kAccusative)[c.plural ? 1 : 0][person - 1];
}

// Prepositional phrases in their case, object pronouns, noun phrases in the
// accusative (the nominative after "sein": "She is a teacher").
// What an object at the head of the clause's rest leaves: the middle goes after it, or,
// once something else came, before everything that follows.
void KeepBeforeTheMiddle(EnglishClause& c, bool before) {
    if (c.restOpen && before) c.middleSlot = c.rest.size();
    else c.restOpen = false;
}

// "every day", "last week", "next year": a noun phrase that says when.
bool TimeNounPhraseAt(const EnglishClause& c, std::size_t i) {
    const EnglishUnit& first = At(c, i);
    if (!IsDeterminer(first) && !(first.cls == kClassAdjective && first.lower.size() == 4 &&
                                  (first.lower == "last" || first.lower == "next")))
        return false;
    std::size_t k = i;
    std::vector<std::string> words;
    GermanNounPhrase(c.s, k, c.end, Case::Accusative, words);
    if (words.size() < 2 || At(c, i).lower == "the" || At(c, i).lower == "a") return false;
    return c.s.catalogue.Tables().InList("time-noun", Lower1252(words.back()));
}

// "not a car", "not meat": the first object after "not" with the indefinite article
// or none at all takes "kein" instead of "nicht".
bool NotBeforeAnIndefinitePhrase(const EnglishClause& c, std::size_t i) {
    if (!c.negate || !c.restOpen || c.i >= c.end) return false;
    const EnglishUnit& u = At(c, i);
    const bool any = c.s.catalogue.Tables().InList("indefinite-after-not", u.lower);  // "not any": kein
    const bool indefinite = (Is(u, EnKind::Article) && u.fw->german == std::string("ein")) || any;
    const bool bare = !u.fw && !u.number && (u.cls == kClassNoun || u.cls == kClassAdjective) && u.source.find(' ') == std::string::npos;
    if (!indefinite && !bare) return false;
    const std::size_t start = any ? i + 1 : i;
    std::size_t k = start;
    std::vector<std::string> words;
    GermanNounPhrase(c.s, k, c.end, Case::Accusative, words);
    return k > start && At(c, k - 1).cls == kClassNoun && !At(c, k - 1).fw && !IndirectObjectAt(c, start);
}

// "not ... anything", "not ... anyone": German says the negative word in the
// object's place and no "nicht" (table negative-after-not: nichts, niemand, which
// declines: niemanden, niemandem). Null when the word is none of them.
const char* NegativeWordAfterNot(const EnglishClause& c, std::size_t i) {
    const std::string& german = c.s.catalogue.Tables().Value("negative-after-not", At(c, i).lower);
    if (german.empty()) return nullptr;
    if (german != "niemand") return german.c_str();
    const Case objectCase = ObjectCase(c);
    return objectCase == Case::Accusative ? "niemanden" : objectCase == Case::Dative ? "niemandem" : "niemand";
}

void ObjectsAndAdverbials(EnglishClause& c);

// "tried to repair the car": versuchte, das Auto zu reparieren. The infinitive's own
// objects come before "zu" and its verb, and the whole stands after the clause's verbs.
bool ToInfinitiveAt(const EnglishClause& c, std::size_t i) {
    return At(c, i).lower == "to" && i + 1 < c.end && ((!At(c, i + 1).fw && At(c, i + 1).cls == kClassVerb) || BeAt(c, i + 1)) &&
           !c.mainLemma.empty();
}

// The infinitive whose verb stands at c.i + verbAt ("to read": 1, "reading" after
// "started": 0) with its objects, said as "zu lesen" after the clause's verbs, after
// the word that opens it where one does (um, ohne).
void ZuInfinitive(EnglishClause& c, const char* opener, std::size_t verbAt = 1) {
    // "to be buried": begraben zu werden; "to be happy": glücklich zu sein
    const bool be = BeAt(c, c.i + verbAt);
    const bool passive = be && PassiveParticipleAt(c, c.i + verbAt + 1) && !StateParticipleIsAnAdjective(c, c.i + verbAt + 1);
    if (passive) ++verbAt;
    std::vector<std::string> unused;
    EnglishClause inner(c.s, c.i + verbAt + 1, c.end, unused);
    inner.i = c.i + verbAt + 1;
    inner.subjectRead = true;
    inner.person = c.person;
    inner.plural = c.plural;
    inner.mainLemma = be && !passive ? std::string("sein") : At(c, c.i + verbAt).german;
    ObjectsAndAdverbials(inner);
    if (passive) {
        inner.rest.push_back(GermanParticiple(c.s.catalogue, inner.mainLemma));
        inner.mainLemma = "werden";
    }
    // a comma only where the infinitive says more than "zu" and its verb
    if (opener || !inner.rest.empty() || !inner.after.empty()) c.after.push_back(",");
    if (opener && *opener) c.after.push_back(opener);
    c.after.insert(c.after.end(), inner.rest.begin(), inner.rest.end());
    c.after.push_back(GermanZuInfinitive(c.s.catalogue, inner.mainLemma));
    c.after.insert(c.after.end(), inner.after.begin(), inner.after.end());
    c.i = c.end;
}

// "went to the shop to buy bread": after a verb that takes no infinitive, and not
// after a noun that does ("a chance to win"), "to" tells the purpose: um ... zu.
bool PurposeInfinitiveAt(const EnglishClause& c, std::size_t i) {
    const EngineTables& tables = c.s.catalogue.Tables();
    if (c.mainEnglish.empty() || tables.InList("to-complement-verb", c.mainEnglish)) return false;
    const EnglishUnit& before = At(c, i - 1);
    const std::string noun = before.lemma.empty() ? before.lower : before.lemma;
    return !tables.InList("to-complement-noun", noun) && before.cls != kClassAdjective;
}

// "started hurling stones": begannen, Steine zu schleudern. The verbs that take the
// -ing form as their object (table gerund-zu-verb) say it with a zu-infinitive, and
// with a German verb of their own (stop: aufhören).
bool GerundAfterItsVerbAt(const EnglishClause& c, std::size_t i) {
    const EnglishUnit& u = At(c, i);
    return !u.fw && u.cls == kClassVerb && u.tag == kFormPresPart && i > c.begin && IsVerb(At(c, i - 1)) &&
           !c.s.catalogue.Tables().Value("gerund-zu-verb", c.mainEnglish).empty();
}

// "good at leading his team", "without saying a word": a gerund after a preposition
// is a zu-infinitive, after the preposition joined with "da" where the verb or the
// preposition has one (gut darin, seine Mannschaft zu führen; table da-compound), after
// its own word (ohne ... zu, anstatt ... zu; table gerund-preposition), or after a
// noun's "of" with the comma alone (die Möglichkeit, ein Logo einzusetzen). The word
// that points to the infinitive goes in `pointer`, the one that opens it in `opener`.
bool GerundAfterAPrepositionAt(const EnglishClause& c, std::size_t i, std::string* pointer = nullptr,
                               std::string* opener = nullptr) {
    if (!Is(At(c, i), EnKind::Preposition) || i + 1 >= c.end || c.mainLemma.empty()) return false;
    const EngineTables& tables = c.s.catalogue.Tables();
    const EnglishUnit& gerund = At(c, i + 1);
    // "by working hard", "after leaving school" say how and when (indem, nachdem): no
    // infinitive (table gerund-clause-preposition)
    if (gerund.fw || gerund.cls != kClassVerb || gerund.tag != kFormPresPart || gerund.german.empty() ||
        tables.InList("gerund-clause-preposition", At(c, i).lower))
        return false;
    // "in varying shades", "from planning law": before an adjective or a bare plural the
    // -ing word describes what follows
    const EnglishUnit* next = i + 2 < c.end ? &At(c, i + 2) : nullptr;
    if (next && !next->fw &&
        (next->cls == kClassAdjective || (next->cls == kClassNoun && next->plural) ||
         (next->cls == kClassNoun && i + 3 < c.end && !At(c, i + 3).fw && At(c, i + 3).cls == kClassNoun)))
        return false;
    std::string own = tables.Value("gerund-preposition", At(c, i).lower), joined;
    const bool ofANoun = At(c, i).lower == "of" && i > c.begin && !At(c, i - 1).fw && At(c, i - 1).cls == kClassNoun;
    if (own.empty() && !ofANoun) {
        std::string governed;
        Case governedCase = Case::Dative;
        if (!GovernedPrepositionAt(c, i, governed, governedCase)) governed = GermanPreposition(c, i);
        joined = tables.Value("da-compound", governed);
        if (joined.empty()) return false;  // "despite winning": trotz, no word to point with
    }
    if (pointer) *pointer = joined;
    if (opener) *opener = own;
    return true;
}

void ZuInfinitiveOfAGerund(EnglishClause& c) {
    std::string pointer, opener;
    GerundAfterAPrepositionAt(c, c.i, &pointer, &opener);
    if (!pointer.empty()) c.rest.push_back(pointer);
    ++c.i;
    // "dafür, zu kommen": a comma always stands after the word that points to it
    ZuInfinitive(c, opener.c_str(), 0);
}

// "in order to work": um ... zu arbeiten.
std::size_t InOrderToLength(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower == "in order" && i + 2 < c.end && ToInfinitiveAt(c, i + 1)) return 1;  // the dictionary's term
    if (i + 3 < c.end && At(c, i).lower == "in" && At(c, i + 1).lower == "order" && ToInfinitiveAt(c, i + 2)) return 2;
    return 0;
}

// A dative noun phrase right after an accusative one goes before it, as German
// orders two nouns ("gab meiner Mutter das Buch"); anything between keeps the order.
void PutTheDative(EnglishClause& c, const std::vector<std::string>& dative) {
    const std::size_t at = c.nounObjectAt;
    const bool swap = c.nounObjectEnd == c.rest.size() && at < c.rest.size() &&
                      (c.nichtSlot == std::string::npos || c.nichtSlot <= at);
    if (!swap) {
        c.rest.insert(c.rest.end(), dative.begin(), dative.end());
        return;
    }
    c.rest.insert(c.rest.begin() + static_cast<std::ptrdiff_t>(at), dative.begin(), dative.end());
    if (c.middleSlot > at) c.middleSlot += dative.size();
    c.nounObjectAt = c.nounObjectEnd = std::string::npos;
}
// "ask a question": eine Frage stellen; "make a decision": eine Entscheidung treffen. Where
// the dictionary names a verb together with its object (table verb-with-object, gathered
// from its phrases), the German verb and noun are those, unless the verb's own German is
// one of them already.
void VerbTakesItsSenseFromItsObject(EnglishClause& c, std::size_t from) {
    // the first object only: "shot her multiple times" is no "kill time"
    if (c.mainEnglish.empty() || c.passive || c.directObject) return;
    std::size_t j = from;
    while (j < c.end && (IsDeterminer(At(c, j)) || (!At(c, j).fw && At(c, j).cls == kClassAdjective))) ++j;
    if (j >= c.end || At(c, j).fw || At(c, j).cls != kClassNoun || At(c, j).fixed) return;
    EnglishUnit& noun = c.s.units[j];
    const std::string& value = c.s.catalogue.Tables().Value("verb-with-object", Lower1252(noun.lemma) + " " + c.mainEnglish);
    std::string verb, german;
    if (!VerbWithObjectRendering(value, c.mainLemma, verb, german)) return;
    if (noun.german != german) {
        // the noun's own sense of that name, with the gender that sense gives
        const SenseRecord* found = nullptr;
        if (const WordRecord* w = WordOfClass(c.s.catalogue, noun.lemma, kClassNoun))
            for (const SenseRecord& sense : c.s.catalogue.Senses(w->firstSense, w->senseCount))
                if (!found && german == c.s.catalogue.String(sense.text)) found = &sense;
        if (!found) return;
        noun.german = german;
        noun.gender = found->gender;
    }
    c.mainLemma = verb;
    if (c.trace.applied) c.trace.applied->push_back("VerbTakesItsSenseFromItsObject");
}

// "for ten hours", "for a week": how long something went on, which German says with the
// accusative and "lang" (zehn Stunden lang; table duration-noun). Where the phrase after
// "for" ends, or 0 when "for" names no such span ("for the children", "for the next year").
std::size_t DurationAfterFor(const EnglishClause& c, std::size_t i) {
    if (At(c, i).lower != "for" || !Is(At(c, i), EnKind::Preposition) || i + 2 >= c.end) return 0;
    const EnglishUnit& first = At(c, i + 1);
    if (!first.number && first.lower != "a" && first.lower != "an" && first.lower != "several" && first.cls != kClassAdjective)
        return 0;
    std::size_t j = i + 1;
    std::vector<std::string> words;
    GermanNounPhrase(c.s, j, c.end, Case::Accusative, words);
    if (j <= i + 2 || At(c, j - 1).cls != kClassNoun ||
        !c.s.catalogue.Tables().InList("duration-noun", Lower1252(At(c, j - 1).german)))
        return 0;
    return j;
}

void ObjectsAndAdverbials(EnglishClause& c) {
    while (c.i < c.end) {
        const EnglishUnit& u = At(c, c.i);
        if (const std::size_t n = InOrderToLength(c, c.i)) {
            c.i += n;
            ZuInfinitive(c, "um");
            break;
        }
        if (ToInfinitiveAt(c, c.i)) {
            ZuInfinitive(c, PurposeInfinitiveAt(c, c.i) ? "um" : nullptr);
            break;
        }
        if (GerundAfterItsVerbAt(c, c.i)) {
            c.mainLemma = c.s.catalogue.Tables().Value("gerund-zu-verb", c.mainEnglish);
            ZuInfinitive(c, nullptr, 0);
            break;
        }
        if (GerundAfterAPrepositionAt(c, c.i)) {
            ZuInfinitiveOfAGerund(c);
            break;
        }
        if (u.punct) { c.rest.push_back(u.source); ++c.i; KeepBeforeTheMiddle(c, false); continue; }
        if ((IsDeterminer(u) || u.cls == kClassAdjective) && TimeNounPhraseAt(c, c.i)) {
            GermanNounPhrase(c.s, c.i, c.end, Case::Accusative, c.middle);
            continue;
        }
        // "as early as": a comparison keeps its place
        const bool compared = (c.i > c.begin && At(c, c.i - 1).lower == "as") ||
                              (c.i + 1 < c.end && (At(c, c.i + 1).lower == "as" || At(c, c.i + 1).lower == "than"));
        if (IsAdverb(u) && !compared && SaysWhen(c, u.fw ? std::string(u.fw->german) : u.german)) {
            c.middle.push_back(u.fw ? std::string(u.fw->german) : u.german);
            ++c.i;
            continue;
        }
        // "so early", "too late": the degree goes with its time word
        if (c.s.catalogue.Tables().InList("english-degree-word", u.lower) && u.lower != "not" && c.i + 1 < c.end &&
            IsAdverb(At(c, c.i + 1)) && !At(c, c.i + 1).fw && SaysWhen(c, At(c, c.i + 1).german)) {
            c.middle.push_back(u.fw ? std::string(u.fw->german) : u.german);
            c.middle.push_back(At(c, c.i + 1).german);
            c.i += 2;
            continue;
        }
        if (ToIsTheDative(c, c.i)) {
            ++c.i;
            if (Is(At(c, c.i), EnKind::Pronoun)) {
                const std::string& dative = c.s.catalogue.Tables().Value("dative-pronoun", At(c, c.i).lower);
                c.rest.push_back(dative.empty() ? std::string(At(c, c.i).fw->german) : dative);
                ++c.i;
            } else {
                std::vector<std::string> dative;
                GermanNounPhrase(c.s, c.i, c.end, Case::Dative, dative);
                PutTheDative(c, dative);
            }
            KeepBeforeTheMiddle(c, true);  // "passierte mir gestern"
            continue;
        }
        if (c.upToNow && (u.lower == "for" || u.lower == "since") && Is(u, EnKind::Preposition)) {
            // "for five years": seit fünf Jahren, said with the other times before the place
            c.middle.push_back("seit");
            ++c.i;
            PrepositionObject(c, c.i, Case::Dative, c.middle);
            continue;
        }
        if (const std::size_t end = DurationAfterFor(c, c.i)) {  // "slept for ten hours": schlief zehn Stunden lang
            ++c.i;
            GermanNounPhrase(c.s, c.i, end, Case::Accusative, c.middle);
            c.middle.push_back("lang");
            continue;
        }
        if (u.lower == "in" && c.i + 1 < c.end && !c.s.catalogue.Tables().Value("english-month", At(c, c.i + 1).lower).empty() &&
            At(c, c.i + 1).fixed) {  // "in May": im Mai
            c.middle.push_back("im");
            c.middle.push_back(At(c, c.i + 1).german);
            c.i += 2;
            continue;
        }
        std::string governedGerman;
        Case governedCase = Case::Dative;
        if (Is(u, EnKind::Preposition) && GovernedPrepositionAt(c, c.i, governedGerman, governedCase)) {
            if (DaCompound(c, c.i, governedGerman, c.rest)) {  // "waits for it": wartet darauf
                KeepBeforeTheMiddle(c, false);
                continue;
            }
            if (governedGerman != "-") c.rest.push_back(governedGerman);  // "hofft auf besseres Wetter"
            ++c.i;
            PrepositionObject(c, c.i, governedCase, c.rest);
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        if (Is(u, EnKind::Preposition)) {
            Case prepositionCase = PrepositionCase(c, c.i);
            const bool attribute = OfBeforeDeterminer(c.s, c.i, c.end);
            const bool afterTheSlot = c.restOpen && c.middleSlot == c.rest.size();
            if (!attribute && DaCompound(c, c.i, GermanPreposition(c, c.i), c.rest)) {
                KeepBeforeTheMiddle(c, false);
                continue;
            }
            if (attribute) prepositionCase = Case::Genitive;  // "the end of the day": des Tages
            else PushPreposition(c, c.i, c.rest);
            // "to hospital": German names the place with its article (ins Krankenhaus)
            const bool bare = !ToAPlaceInside(c, c.i).empty() && !IsDeterminer(At(c, c.i + 1));
            ++c.i;
            if (bare) GermanNounPhraseAfter(c.s, c.s.catalogue.Tables().English("the"), c.i, c.end, prepositionCase, c.rest);
            else PrepositionObject(c, c.i, prepositionCase, c.rest);
            KeepBeforeTheMiddle(c, attribute && afterTheSlot);  // "den Namen der Straße nicht"
            continue;
        }
        if (TermEndingInAPrepositionAt(c, c.i)) {
            TermAndItsObject(c, c.rest);
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        // "went home": nach Hause after a verb of going, else zu Hause ("stayed home")
        if (!u.fw && u.lower == "home" && (c.i == c.begin || !IsDeterminer(At(c, c.i - 1)))) {
            const bool going = GermanTakesSein(c.s.catalogue, c.mainLemma) && c.mainLemma != "bleiben" && c.mainLemma != "sein";
            c.rest.push_back(going ? "nach Hause" : "zu Hause");
            ++c.i;
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        // "Do you have any money?": German asks without it (Haben Sie Geld?)
        if (c.question && c.s.catalogue.Tables().InList("left-out-in-questions", u.lower) && c.i + 1 < c.end &&
            IsNounOrAdjective(At(c, c.i + 1))) {
            ++c.i;
            continue;
        }
        if (AsBeforeANounPhrase(c, c.i)) {  // "works as a teacher": als, in the nominative
            const EnglishUnit& before = At(c, c.i - 1);
            const bool compared = !before.fw && (before.cls == kClassAdjective || before.cls == kClassAdverb);
            c.rest.push_back(compared ? "wie" : "als");
            ++c.i;
            if (!compared && (At(c, c.i).lower == "a" || At(c, c.i).lower == "an")) ++c.i;  // "als Lehrer"
            GermanNounPhrase(c.s, c.i, c.end, Case::Nominative, c.rest);
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        if (ObjectOfTheBoundPrepositionAt(c, c.i)) {  // "remember me": sich an mich erinnern
            c.rest.push_back(c.boundGerman);
            c.boundEnglish.clear();
            PrepositionObject(c, c.i, c.boundCase, c.rest);
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        if (Is(u, EnKind::Pronoun) || HerAloneIsThePronoun(c, c.i)) {
            c.directObject = c.directObject || ObjectCase(c) == Case::Accusative;
            c.rest.push_back(ObjectPronoun(c, c.i));
            ++c.i;
            KeepBeforeTheMiddle(c, true);
            continue;
        }
        if (Is(u, EnKind::Negation)) { c.negate = true; ++c.i; continue; }
        if (Is(u, EnKind::Do)) { ++c.i; continue; }
        if (c.negate && u.lower == "yet") { c.notYet = true; ++c.i; continue; }  // "not ... yet": noch nicht
        if (c.negate && c.restOpen && NegativeWordAfterNot(c, c.i)) {  // "did not buy anything": kaufte nichts
            c.rest.push_back(NegativeWordAfterNot(c, c.i));
            c.negate = false;
            ++c.i;
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        if (NotBeforeAnIndefinitePhrase(c, c.i)) {  // "does not have a car": hat kein Auto
            // "do not need a car": brauchen kein Auto, as before any noun object
            const std::string& withANoun = c.s.catalogue.Tables().Value("verb-before-a-noun-object", c.mainLemma);
            if (!withANoun.empty()) c.mainLemma = withANoun;
            GermanNounPhraseWithKein(c.s, c.i, c.end, ObjectCase(c), c.rest);
            c.negate = false;
            KeepBeforeTheMiddle(c, false);
            continue;
        }
        if (BodyPartOfTheSubjectAt(c, c.i)) {
            c.rest.push_back(ReflexivePronoun(c, Case::Dative));
            c.directObject = true;
            c.nounObjectAt = c.rest.size();
            ++c.i;
            GermanNounPhraseAfter(c.s, c.s.catalogue.Tables().English("the"), c.i, c.end, Case::Accusative, c.rest);
            c.nounObjectEnd = c.rest.size();
            KeepBeforeTheMiddle(c, true);
            continue;
        }
        const bool oneOf = u.lower == "one" && c.i + 1 < c.end && At(c, c.i + 1).lower == "of";  // "one of the dogs"
        if (IsDeterminer(u) || IsNounOrAdjective(u) || (!u.fw && u.cls == kClassName) || oneOf) {
            VerbTakesItsSenseFromItsObject(c, c.i);
            const std::string& withANoun = c.s.catalogue.Tables().Value("verb-before-a-noun-object", c.mainLemma);
            // "had known that": a pointing word alone is no noun (wissen)
            const bool alone = IsDeterminer(u) && (c.i + 1 >= c.end || !IsNounOrAdjective(At(c, c.i + 1)));
            if (!withANoun.empty() && !alone) c.mainLemma = withANoun;  // "know the man": kennen
            const bool indirect = IndirectObjectAt(c, c.i);
            const bool known = indirect || IsDefinite(u) || (!u.fw && u.cls == kClassName);
            const Case objectCase = indirect ? Case::Dative : ObjectCase(c);
            c.directObject = c.directObject || objectCase == Case::Accusative;
            const std::size_t start = c.rest.size();
            GermanNounPhrase(c.s, c.i, c.end, objectCase, c.rest);
            if (objectCase == Case::Accusative) {
                c.nounObjectAt = start;
                c.nounObjectEnd = c.rest.size();
            }
            KeepBeforeTheMiddle(c, known && c.mainLemma != "sein");
            continue;
        }
        c.rest.push_back(u.fw ? u.fw->german : u.german);
        ++c.i;
        // "raucht hier nicht", but "ist nicht hier", "geht nicht dorthin": after "sein" and
        // verbs of going the place is what is negated
        KeepBeforeTheMiddle(c, c.s.catalogue.Tables().InList("adverb-before-nicht", u.lower) &&
                                   !GermanTakesSein(c.s.catalogue, c.mainLemma));
    }
    c.rest.insert(c.rest.begin() + static_cast<long>(c.middleSlot), c.middle.begin(), c.middle.end());
    // "nicht" after what is known and when, before the rest ("ist nicht zu Hause")
    c.nichtSlot = c.middleSlot + c.middle.size();
    c.middle.clear();
}

// "wäre", "hätten", "könntest": the Konjunktiv II of the verbs that have one of their
// own (empty for the others).
std::string Subjunctive(const EnglishClause& c, const std::string& lemma) {
    const std::string& forms = c.s.catalogue.Tables().Value("konjunktiv-two", lemma);
    if (forms.empty()) return forms;
    const int slot = (c.plural ? 3 : 0) + (c.person >= 1 && c.person <= 3 ? c.person - 1 : 2);
    std::vector<std::string_view> each = SplitWords(forms);
    return each.size() == 6 ? std::string(each[static_cast<std::size_t>(slot)]) : std::string();
}

std::string Finite(const EnglishClause& c, const std::string& lemma, Tense tense) {
    if (c.subjunctive) {
        std::string form = Subjunctive(c, lemma);
        if (!form.empty()) return form;
    }
    return GermanFinite(c.s.catalogue, lemma, c.person, c.plural, tense).finite;
}

// "If I had money": in an unreal condition the past is the Konjunktiv II (hätte).
bool UnrealConditionInThePast(const EnglishClause& c) {
    return c.unrealCondition && c.tense == Tense::Past && !c.modal && !c.future;
}
void ConditionTakesTheSubjunctive(EnglishClause& c) { c.subjunctive = true; }

// "would be", "would have a house", "would like a coffee": the verb's own Konjunktiv II
// (wäre, hätte, möchte) instead of würde and the infinitive.
bool WouldBeforeAVerbWithItsOwnSubjunctive(const EnglishClause& c) {
    return c.subjunctive && c.future && !c.perfect && !(c.passive && c.mainLemma != "sein") &&
           !Subjunctive(c, c.mainLemma).empty();
}
void TheVerbsOwnSubjunctive(EnglishClause& c) { c.future = false; }

// "would like": möchte; with a verb after "to" that verb is the infinitive ("möchte bezahlen").
bool WouldLike(const EnglishClause& c) {
    return c.subjunctive && c.future && !c.perfect && c.i > c.begin && At(c, c.i - 1).lower == "like";
}

void WouldLikeIsMoechte(EnglishClause& c) {
    c.future = false;
    if (c.i + 1 < c.end && At(c, c.i).lower == "to" && !At(c, c.i + 1).fw && At(c, c.i + 1).cls == kClassVerb) {
        c.modal = true;
        c.modalLemma = "mögen";
        c.mainLemma = At(c, c.i + 1).german;
        c.i += 2;
    } else {
        c.mainLemma = "mögen";
    }
}

// "Did you see the man?": German asks of the past in the perfect (Haben Sie den Mann
// gesehen?); "sein", "haben" and the verbs of table past-in-questions keep their past
// (Wussten Sie ...?).
bool DidQuestionOfAnEvent(const EnglishClause& c) {
    if (!c.question || c.tense != Tense::Past || c.perfect || c.modal || c.future || c.passive || c.subjunctive ||
        c.s.catalogue.Tables().InList("past-in-questions", c.mainLemma))
        return false;
    int dos = 0;
    for (std::size_t k = c.begin; k < c.end; ++k) dos += Is(At(c, k), EnKind::Do) ? 1 : 0;
    // with no verb read after it ("did" and a term the rules left alone) it asks of no event
    return dos > 0 && (!c.mainEnglish.empty() || dos > 1);
}

void AskedInThePerfect(EnglishClause& c) {
    c.perfect = true;
    c.tense = Tense::Present;
}

// "has lived in London for five years", "have been waiting since noon": what lasts up to
// now is the German present with "seit" (wohnt seit fünf Jahren in London).
bool PerfectOfWhatLastsUpToNow(const EnglishClause& c) {
    if (!c.perfect || c.tense != Tense::Present || c.modal || c.future || (c.passive && c.mainLemma == "sein")) return false;
    for (std::size_t k = c.i; k + 1 < c.end; ++k) {
        const EnglishUnit& u = At(c, k);
        if (u.lower == "since" && Is(u, EnKind::Preposition)) return true;
        if (!u.fw && Lower1252(u.german).rfind("seit ", 0) == 0) return true;  // "for years": seit Jahren
        if (u.lower != "for" || !Is(u, EnKind::Preposition)) continue;
        std::size_t j = k + 1;
        std::vector<std::string> words;
        GermanNounPhrase(c.s, j, c.end, Case::Dative, words);
        if (j > k + 1 && At(c, j - 1).cls == kClassNoun &&
            c.s.catalogue.Tables().InList("time-noun", Lower1252(At(c, j - 1).german)))
            return true;
    }
    return false;
}

void PresentWithSeit(EnglishClause& c) {
    c.perfect = false;
    c.upToNow = true;
}

// "look forward to", "be interested in", "hurry": what English says with a verb and
// the words after it German says with a reflexive verb, and maybe a preposition of its
// own (table english-reflexive-verb: "look forward" -> "freuen auf accusative to").
// The row the verb and up to three words after `from` make, the longest; `words` says
// how many it takes. A row with an English preposition needs it to follow.
std::string_view ReflexiveRowFrom(const EnglishClause& c, std::string key, std::size_t from, std::size_t& words) {
    const EngineTables& tables = c.s.catalogue.Tables();
    std::string_view found;
    for (std::size_t n = 0; n <= 3 && from + n <= c.end; ++n) {
        if (n > 0) key += " " + At(c, from + n - 1).lower;
        if (from + n < c.i) continue;  // the verb's own word ("interested") is no word after it
        const std::string& value = tables.Value("english-reflexive-verb", key);
        if (value.empty()) continue;
        const std::vector<std::string_view> field = SplitWords(value);
        const bool preposition = field.size() < 4 || field[3] == "-" || (from + n < c.end && At(c, from + n).lower == field[3]);
        if (preposition) found = value, words = from + n - c.i;
    }
    return found;
}

// The verb is read as "be" ("is interested", "was worried") or as itself.
std::string_view ReflexiveRow(const EnglishClause& c, std::size_t& words) {
    if (c.mainLemma.empty()) return {};
    if (c.mainLemma == "sein" && c.mainEnglish.empty()) return ReflexiveRowFrom(c, "be", c.i, words);
    std::string_view row = ReflexiveRowFrom(c, c.mainEnglish, c.i, words);
    // "is worried about": the participle read as the verb is the word after "be"
    if (row.empty() && c.i >= c.begin + 2 && Is(At(c, c.i - 2), EnKind::Be))
        row = ReflexiveRowFrom(c, "be", c.i - 1, words);
    return row;
}

bool EnglishWordsOfAGermanReflexiveVerb(const EnglishClause& c) {
    std::size_t words = 0;
    return !ReflexiveRow(c, words).empty();
}

void TheGermanReflexiveVerb(EnglishClause& c) {
    std::size_t words = 0;
    const std::vector<std::string_view> field = SplitWords(ReflexiveRow(c, words));
    c.mainLemma = std::string(field[0]);
    c.passive = false;
    c.reflexive = true;
    c.i += words;
    if (field.size() < 4) return;
    c.boundGerman = std::string(field[1]);
    c.boundCase = CaseNamed(field[2]);
    c.boundEnglish = std::string(field[3]);
}

// "Wir trafen uns", "Ich muss mich beeilen": a German verb that is reflexive, always or
// when it has no object of its own (treffen, setzen), takes the pronoun of its subject.
bool ReflexiveVerb(const EnglishClause& c) {
    if (c.reflexive) return true;
    if (c.mainLemma.empty() || (c.passive && c.mainLemma != "sein")) return false;
    const std::string& when = c.s.catalogue.Tables().Value("reflexive-verb", c.mainLemma);
    // "the woman we met": the relative pronoun is the verb's object
    const bool objectRelative = c.relative == RelativeRole::Object || c.relative == RelativeRole::Bare;
    return when == "always" || (when == "alone" && !c.directObject && !objectRelative);
}

void ReflexivePronounAfterTheVerb(EnglishClause& c) { c.rest.insert(c.rest.begin(), ReflexivePronoun(c, Case::Accusative)); }

// "schließ", "nimm", "fahr", "sei": the du imperative from the du form of the present,
// without its ending and without the umlaut of "fährst" or "läufst".
std::string DuImperative(const EnglishClause& c, std::string form) {
    const std::string& own = c.s.catalogue.Tables().Value("du-imperative", c.mainLemma);
    if (!own.empty()) return own;
    // "liest", "isst": after s, ß, z or x the du form only added "t" (lies, iss)
    const std::string& lemma = c.mainLemma;
    const char stemEnd = lemma.size() > 3 ? lemma[lemma.size() - 3] : 0;
    const bool sibilant = stemEnd == 's' || stemEnd == 'z' || stemEnd == 'x' || stemEnd == '\xdf';
    if (!sibilant && form.size() > 4 && form.compare(form.size() - 2, 2, "st") == 0) form.resize(form.size() - 2);
    else if (form.size() > 3 && form.back() == 't') form.pop_back();
    const std::size_t umlaut = form.find("ä");
    if (umlaut != std::string::npos && c.mainLemma.find("ä") == std::string::npos) form.replace(umlaut, std::string("ä").size(), "a");
    return form;
}

// "He left", "The bus leaves": without an object a verb may be another German verb
// (table verb-without-an-object: gehen), and of a vehicle another still (abfahren).
void VerbWithoutAnObject(EnglishClause& c) {
    const EngineTables& tables = c.s.catalogue.Tables();
    if (c.directObject || c.passive || c.mainEnglish.empty()) return;
    const std::string& alone = tables.Value("verb-without-an-object", c.mainEnglish);
    if (alone.empty()) return;
    bool vehicle = false;
    for (const std::string& w : c.subject) vehicle = vehicle || tables.InList("vehicle-noun", w);
    const std::string& ofAVehicle = tables.Value("vehicle-verb", c.mainEnglish);
    c.mainLemma = vehicle && !ofAVehicle.empty() ? ofAVehicle : alone;
}

// The finite verb and the verbs at the end: perfect, future and modal, passive.
void GermanVerbForms(EnglishClause& c) {
    const Catalogue& cat = c.s.catalogue;
    VerbWithoutAnObject(c);
    if (c.perfect && c.modal && c.subjunctive) {  // "could have helped": hätte helfen können
        c.finite = Finite(c, "haben", c.tense);
        c.finals.push_back(c.mainLemma);
        c.finals.push_back(c.modalLemma);
    } else if (c.perfect && c.passive && c.mainLemma != "sein" && !c.modal && !c.future) {
        // "have been arrested": sind festgenommen worden
        c.finite = Finite(c, "sein", c.tense);
        c.finals.push_back(GermanParticiple(cat, c.mainLemma));
        c.finals.push_back("worden");
    } else if (c.perfect) {
        // "hat die Tür geschlossen": the dictionary's "ist geschlossen" is a state; with an
        // object only a verb of the list keeps "sein"
        const bool sein = c.directObject ? cat.Tables().InList("perfect-with-sein", c.mainLemma) : GermanTakesSein(cat, c.mainLemma);
        c.finite = Finite(c, sein ? "sein" : "haben", c.tense);
        c.finals.push_back(c.mainLemma != "haben" ? GermanParticiple(cat, c.mainLemma) : "gehabt");
    } else if (c.future || c.modal) {
        c.finite = Finite(c, c.modalLemma, c.modal ? c.tense : Tense::Present);
        c.finals.push_back(c.passive && c.mainLemma != "sein" ? GermanParticiple(cat, c.mainLemma) + " werden" : c.mainLemma);
    } else if (c.passive && c.mainLemma != "sein") {
        c.finite = Finite(c, "werden", c.tense);
        c.finals.push_back(GermanParticiple(cat, c.mainLemma));
    } else if (c.imperative && (c.s.options.impersonal || !c.s.options.honorific)) {
        // "Die Tür schließen!" in the infinitive style, else "Schließ die Tür!"
        GermanVerbParts parts = GermanFinite(cat, c.mainLemma, 2, false, Tense::Present);
        if (c.s.options.impersonal) c.finals.push_back(c.mainLemma);
        else c.finite = DuImperative(c, parts.finite), c.particle = parts.particle;
    } else if (c.subjunctive && !Subjunctive(c, c.mainLemma).empty()) {
        c.finite = Subjunctive(c, c.mainLemma);
    } else {
        GermanVerbParts parts = GermanFinite(cat, c.mainLemma, c.person, c.plural, c.tense);
        c.finite = parts.finite;
        c.particle = parts.particle;
    }
    if (c.negate) c.rest.insert(c.rest.begin() + static_cast<long>(std::min(c.nichtSlot, c.rest.size())),
                                c.notYet ? "noch nicht" : "nicht");
    // "als er ankam": with the verb last the particle joins it again
    if (!c.particle.empty() && c.subordinate) c.finite = c.particle + c.finite;
    else if (!c.particle.empty()) c.rest.push_back(c.particle);
}

// "He said that the man was ill": what one reported in the past German tells in the
// subjunctive of report (dass der Mann krank sei); the auxiliaries and modals of the
// third person singular take it (table report-subjunctive), after a verb of table
// reporting-verb.
bool ReportedAfterAPastVerbOfSaying(const EnglishClause& c) {
    if (!c.subordinate || c.begin == 0 || c.person != 3 || c.plural || c.subjunctive) return false;
    const EnglishUnit& that = At(c, c.begin);
    if (!that.fw || that.fw->kind != EnKind::Subordinator || std::string_view(that.fw->german) != "dass") return false;
    std::size_t v = c.begin - 1;
    if (v > 0 && (Is(At(c, v), EnKind::Pronoun) || At(c, v).cls == kClassName)) --v;  // "told him that"
    const EnglishUnit& verb = At(c, v);
    const std::string& lemma = verb.lemma.empty() ? verb.lower : verb.lemma;
    const EngineTables& tables = c.s.catalogue.Tables();
    return !verb.fw && verb.cls == kClassVerb && verb.tag == kFormPast && tables.InList("reporting-verb", lemma) &&
           !tables.Value("report-subjunctive", c.finite).empty();
}

void TheSubjunctiveOfReport(EnglishClause& c) { c.finite = c.s.catalogue.Tables().Value("report-subjunctive", c.finite); }

// ---- German word order ----

bool IsSubordinate(const EnglishClause& c) { return c.subordinate; }

void Put(EnglishClause& c, const std::vector<std::string>& words) {
    for (const std::string& w : words) c.out.push_back(w);
}

// "der nebenan wohnt", "den Sie mir gaben", "denen wir halfen", "dessen Auto ...".
std::string RelativePronoun(const EnglishClause& c) {
    if (c.relative == RelativeRole::Adverb) return c.s.catalogue.Tables().Value("english-relative", At(c, c.begin).lower);
    if (c.relative == RelativeRole::AfterAPreposition) {  // "in der", "mit denen"
        const EnglishWord* p = At(c, c.begin).relativePreposition;
        return p->german + std::string(" ") +
               GermanRelativePronoun(c.s.catalogue.Tables(), c.antecedentGender, c.s.units[c.begin].antecedentPlural, p->prepositionCase);
    }
    const Case role = c.relative == RelativeRole::Subject ? Case::Nominative
                      : c.relative == RelativeRole::Whose ? Case::Genitive
                                                          : ObjectCase(c) == Case::Dative ? Case::Dative : Case::Accusative;
    return GermanRelativePronoun(c.s.catalogue.Tables(), c.antecedentGender, c.plural && c.relative == RelativeRole::Subject
                                     ? true : c.s.units[c.begin].antecedentPlural, role);
}

// "weil er müde ist": the finite verb last.
void VerbLast(EnglishClause& c) {
    if (c.relative != RelativeRole::None) c.out.push_back(RelativePronoun(c));
    Put(c, c.subject);
    Put(c, c.rest);
    Put(c, c.finals);
    c.out.push_back(c.finite);
    Put(c, c.after);
    c.trace.finished = true;
}

bool IsImperative(const EnglishClause& c) { return c.imperative; }

// "Bitte schließen Sie die Tür.", "Schließ die Tür!", "Die Tür schließen!"; after a
// clause in front the verb comes first and "bitte" after its subject
// ("Bevor Sie gehen, schließen Sie bitte das Fenster").
void ImperativeVerbFirst(EnglishClause& c) {
    const bool pleaseFirst = c.please && !c.afterClauseInFront;
    if (pleaseFirst) c.out.push_back("bitte");
    if (!c.finite.empty()) c.out.push_back(c.finite);
    Put(c, c.subject);
    if (c.please && !pleaseFirst) c.out.push_back("bitte");
    Put(c, c.rest);
    Put(c, c.finals);
    Put(c, c.after);
    c.trace.finished = true;
}

bool IsQuestion(const EnglishClause& c) { return c.question; }

// "Kannst du kommen?": the finite verb before the subject.
void FiniteVerbFirst(EnglishClause& c) {
    c.out.push_back(c.finite);
    Put(c, c.subject);
    Put(c, c.rest);
    Put(c, c.finals);
    Put(c, c.after);
    c.trace.finished = true;
}

// "Wenn es regnet, bleiben wir zu Hause": the subordinate clause in front takes the
// first place, the finite verb the second.
bool AfterASubordinateClauseInFront(const EnglishClause& c) { return c.afterClauseInFront && c.topic.empty(); }

// "Ich habe das Buch gelesen": subject, finite verb, the rest, the other verbs.
void VerbSecond(EnglishClause& c) {
    if (!c.topic.empty()) {  // "Gestern traf ich Anna": topic, verb, subject
        Put(c, c.topic);
        c.out.push_back(c.finite);
        Put(c, c.subject);
    } else {
        Put(c, c.subject);
        c.out.push_back(c.finite);
    }
    Put(c, c.rest);
    Put(c, c.finals);
    Put(c, c.after);
    c.trace.finished = true;
}

// "when I came home": als ich nach Hause kam; a conjunction that German says otherwise
// of a single time in the past (table past-subordinator), not of "would".
bool ConjunctionOfAPastTime(const EnglishClause& c) {
    return c.conjunction < c.out.size() && c.tense == Tense::Past && !c.subjunctive && !c.future &&
           !c.s.catalogue.Tables().Value("past-subordinator", At(c, c.begin).lower).empty();
}

void TheConjunctionOfThePast(EnglishClause& c) {
    c.out[c.conjunction] = c.s.catalogue.Tables().Value("past-subordinator", At(c, c.begin).lower);
}

const ClauseRule<EnglishClause> kRules[] = {
    {"QuestionAuxiliaryMovesBehindTheSubject", "Can you come?", AuxiliaryBeforeTheSubject, MoveTheAuxiliaryBehindTheSubject},
    {"AdverbInFrontStaysInFront", "Today the dog sleeps.", AdverbBeforeTheSubject, AdverbIsTheTopic},
    {"TimePhraseInFrontIsTheTopic", "The next day the dog sleeps.", TimePhraseBeforeTheSubject, TimePhraseIsTheTopic},
    {"PrepositionalPhraseInFrontIsTheTopic", "In the garden the children play.", PrepositionalPhraseBeforeTheSubject,
     PrepositionalPhraseIsTheTopic},
    {"ThereIsIsEsGibt", "There is a dog in the garden.", ThereIsBeforeAPhrase, EsGibt},
    {"ImperativeWithoutASubject", "Read the book.", StartsWithTheBareVerb, ImperativeWithoutASubject},
    {"VerbBeforeItsSubjectAfterAQuotation", "\"The dog sleeps,\" said the man.", VerbBeforeItsSubjectAfterAQuotation,
     ReadTheVerbBeforeItsSubject},
    {"AdverbOfASubjectlessClauseFollowsTheVerb", "The man, a teacher, often sleeps.", AdverbBeforeTheVerbWithoutASubject,
     AdverbAfterTheVerb},
    {"SubjectPronoun", "I buy a new book.", PronounSubject, GermanSubjectPronoun},
    {"SubjectNounPhrase", "The old man sees the house.", NounPhraseSubject, GermanSubjectNounPhrase},
    {"EnglishVerbGroup", "I have read the book.", Always, ReadTheVerbGroup},
    {"WhenInThePastIsAls", "The dog slept when the man came.", ConjunctionOfAPastTime, TheConjunctionOfThePast},
    {"MustNotIsDarfNicht", "The dog must not bark.", NegatedModalOfItsOwn, TheNegatedModal},
    {"WasBornIsWurdeGeboren", "The dog was born in the garden.", BeWithAPassiveParticiple, ThePassiveOfItsVerb},
    {"HaveWithoutParticipleIsTheVerb", "He has three brothers.", HaveWithoutParticiple, HaveIsTheVerb},
    {"BeAfraidIsAngstHaben", "The man is afraid of the dog.", BeWithAHabenPredicate, HabenWithThePredicate},
    {"WantToIsAModalVerb", "I want to sleep.", ToInfinitiveAfterWantHaveNeed, ModalWithTheBareInfinitive},
    {"WouldLikeIsMoechte", "I would like a book.", WouldLike, WouldLikeIsMoechte},
    {"WouldBeIsWaere", "It would be good.", WouldBeforeAVerbWithItsOwnSubjunctive, TheVerbsOwnSubjunctive},
    {"UnrealConditionTakesTheSubjunctive", "If I had a dog, I would be happy.", UnrealConditionInThePast,
     ConditionTakesTheSubjunctive},
    {"DidQuestionIsAskedInThePerfect", "Did the man see the dog?", DidQuestionOfAnEvent, AskedInThePerfect},
    {"WhatLastsUpToNowIsThePresentWithSeit", "The dog has slept in the garden for three days.", PerfectOfWhatLastsUpToNow,
     PresentWithSeit},
    {"EnglishWordsOfAGermanReflexiveVerb", "The man is looking forward to the garden.", EnglishWordsOfAGermanReflexiveVerb,
     TheGermanReflexiveVerb},
    {"NoVerbKeepsTheWordsInOrder", "A new book.", NoVerb, WordsInTheirOrder},
    {"ObjectsAndAdverbials", "The dog sleeps in the garden.", Always, ObjectsAndAdverbials},
    {"ReflexiveVerbTakesItsPronoun", "The men meet in the garden.", ReflexiveVerb, ReflexivePronounAfterTheVerb},
    {"GermanVerbForms", "I have read the book.", Always, GermanVerbForms},
    {"ReportedSpeechTakesTheSubjunctive", "The man said that the dog was old.", ReportedAfterAPastVerbOfSaying,
     TheSubjunctiveOfReport},
    {"VerbLastInSubordinateClauses", "I see that he reads the book.", IsSubordinate, VerbLast},
    {"ImperativeVerbFirst", "Please read the book.", IsImperative, ImperativeVerbFirst},
    {"FiniteVerbBeforeTheSubjectInQuestions", "Can you come?", IsQuestion, FiniteVerbFirst},
    {"VerbSecondAfterASubordinateClauseInFront", "If it rains, the dog sleeps.", AfterASubordinateClauseInFront,
     FiniteVerbFirst},
    {"VerbSecond", "The dog barks.", Always, VerbSecond},
};

}  // namespace

RuleTable<EnglishClause> EnglishClauseRules() { return {kRules, sizeof kRules / sizeof kRules[0]}; }

}  // namespace velloc
