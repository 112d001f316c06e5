// German into English, analysis: every word's readings, the one its neighbours
// choose, and the catalogue's multi-word terms.
#include "engine/de_en.h"

#include <algorithm>
#include <cstring>
#include <cstdlib>

#include "engine/dictionary_source.h"
#include "engine/inflection.h"
#include "engine/text_1252.h"

namespace velloc {

bool IsFiniteCandidate(const GermanUnit& u) {
    if (u.fw) return (u.fw->kind == GermanKind::Auxiliary || u.fw->kind == GermanKind::Modal) && !u.fw->participle;
    if (u.cls != kClassVerb || (u.fixed && !u.verbPhrase)) return false;
    std::uint8_t t = u.reading.tag;
    return !u.reading.zuInfinitive && t != kFormPastPart && t != kFormPresPart;
}

bool IsNonFinite(const EngineTables& tables, const GermanUnit& u) {
    if (u.fw) return u.fw->participle || ((u.fw->kind == GermanKind::Auxiliary || u.fw->kind == GermanKind::Modal) &&
                                          tables.InList("infinitive-auxiliary", u.lower));
    if (u.cls != kClassVerb || (u.fixed && !u.verbPhrase)) return false;
    std::uint8_t t = u.reading.tag;
    return t == kFormPastPart || t == kFormBase || u.reading.zuInfinitive;
}

bool IsNounLike(const GermanUnit& u) {
    return !u.punct && !u.fw && (u.cls == kClassNoun || (u.capital && !u.start && !u.known) || u.cls == kClassName);
}

std::string BestEnglishSense(const GermanSentence& s, const WordRecord* word, std::uint8_t cls) {
    if (!word) return std::string();
    Records<SenseRecord> senses = s.catalogue.Senses(word->firstSense, word->senseCount);
    const SenseRecord* best = nullptr;
    for (const SenseRecord& sense : senses) {
        if (s.options.subjects && (sense.subjects & s.options.subjects)) return s.catalogue.String(sense.text);
        if (!best && (cls == 0 || sense.wordClass == cls || sense.wordClass == 0)) best = &sense;
    }
    if (!best && !senses.empty()) best = senses.begin();
    return best ? s.catalogue.String(best->text) : std::string();
}

std::vector<std::string> EnglishSenses(const GermanSentence& s, const WordRecord* word, std::uint8_t cls,
                                       std::size_t count) {
    std::vector<std::string> senses;
    if (!word) return senses;
    for (const SenseRecord& sense : s.catalogue.Senses(word->firstSense, word->senseCount)) {
        if (s.options.subjects && (sense.subjects & s.options.subjects)) return {};
        if (senses.size() < count && (cls == 0 || sense.wordClass == cls || sense.wordClass == 0))
            senses.emplace_back(s.catalogue.String(sense.text));
    }
    return senses;
}

namespace {

// The user's entry for the word, if any: it wins over everything.
bool TakeUserEntry(const GermanSentence& s, GermanUnit& u) {
    auto user = s.user.find(u.lower);
    if (user == s.user.end()) user = s.user.find(Lower1252(u.source));
    if (user == s.user.end()) return false;
    u.english = user->second.translation;
    u.cls = user->second.wordClass;
    u.fixed = u.cls != kClassVerb;
    u.lemma = u.source;
    if (u.cls == kClassVerb) u.reading.tag = kFormBase;
    return true;
}

// An unknown noun made of known parts: "Parteichef" is "party" and "chief".
bool TakeCompound(const GermanSentence& s, GermanUnit& u) {
    CompoundSplit split;
    if (u.source.size() < 6 || !SplitGermanCompound(s.catalogue, u.source, split)) return false;
    std::string modifier = BestEnglishSense(s, split.modifierWord, split.modifierWord->wordClass);
    std::string head = BestEnglishSense(s, split.head.word, kClassNoun);
    u.cls = kClassNoun;
    u.reading = split.head;
    u.plural = split.head.tag == kFormPlural;
    u.english = modifier.empty() ? head : Lower1252(modifier.substr(0, 1)) + modifier.substr(1) + " " + head;
    u.lemma = u.source;
    return true;
}

// One part of a hyphened word: its English where the catalogue knows the word or its
// parts ("Friedhof": cemetery, "Menschenrechts": human rights), else as it stands
// ("US", "WADA", names).
bool KnownWord(const GermanSentence& s, const std::string& form) {
    for (const GermanReading& r : AnalyseGermanWord(s.catalogue, form, false))
        if (r.word->senseCount) return true;
    return false;
}

std::string HyphenPartEnglish(const GermanSentence& s, const std::string& part) {
    // "Rhein-Lahn": a name the corpus knows stays a name, whatever the dictionary says of "Lahn"
    if (part.empty() || IsUpper1252(static_cast<unsigned char>(part.back())) || s.catalogue.IsName(part)) return part;
    const GermanReading* best = nullptr;
    std::vector<GermanReading> readings = AnalyseGermanWord(s.catalogue, part, false);
    for (const GermanReading& r : readings)
        if (r.word->senseCount && (!best || (r.word->wordClass == kClassNoun && best->word->wordClass != kClassNoun))) best = &r;
    if (best) return BestEnglishSense(s, best->word, best->word->wordClass);
    CompoundSplit split;
    if (part.size() >= 6 && SplitGermanCompound(s.catalogue, part, split)) {
        const std::string modifier = BestEnglishSense(s, split.modifierWord, split.modifierWord->wordClass);
        const std::string head = BestEnglishSense(s, split.head.word, kClassNoun);
        return modifier.empty() ? head : Lower1252(modifier.substr(0, 1)) + modifier.substr(1) + " " + head;
    }
    return part;
}

// "US-Bürger", "Angel-Verein": the part after the last hyphen is the head, the
// parts before it are kept, or translated where the catalogue knows them.
bool TakeHyphenCompound(const GermanSentence& s, GermanUnit& u) {
    const std::size_t hyphen = u.source.rfind('-');
    if (hyphen == std::string::npos || hyphen == 0 || hyphen + 2 >= u.source.size()) return false;
    const std::string last = u.source.substr(hyphen + 1);

    const GermanReading* head = nullptr;
    std::vector<GermanReading> readings = AnalyseGermanWord(s.catalogue, last, false);
    for (const GermanReading& r : readings)
        if (r.word->senseCount && (r.word->wordClass == kClassNoun || !head)) head = &r;
    // "Asien-Menschenrechtskommission": a head the catalogue knows only by its parts
    CompoundSplit split;
    if (!head && last.size() >= 6 && SplitGermanCompound(s.catalogue, last, split)) head = &split.head;
    if (!head) return false;
    // "Welt-Anti-Doping-Agentur": each part before the head on its own, the longest
    // the catalogue knows first ("S-Bahn-Stammstrecke": S-Bahn, not S and Bahn)
    std::string modifier;
    for (std::size_t from = 0; from < hyphen;) {
        std::size_t to = u.source.find('-', from);
        if (to == std::string::npos || to > hyphen) to = hyphen;
        for (std::size_t longer = hyphen; longer > to; longer = u.source.rfind('-', longer - 1)) {
            if (KnownWord(s, u.source.substr(from, longer - from))) {
                to = longer;
                break;
            }
        }
        if (to > from) modifier += (modifier.empty() ? "" : " ") + HyphenPartEnglish(s, u.source.substr(from, to - from));
        from = to + 1;
    }
    u.reading = *head;
    u.cls = head->word->wordClass;
    u.plural = head->tag == kFormPlural;
    u.english = modifier + " " + (head == &split.head ? HyphenPartEnglish(s, last) : BestEnglishSense(s, head->word, u.cls));
    u.lemma = u.source;
    return true;
}

// How well a reading fits the word's spelling and its left neighbour, by the
// weights of engine/data/weights.tsv.
// "lange", "bitte": a form found only by the ending rule for "ich lange", a guess
// that a listed word of another class is the first person of a verb
bool FirstPersonGuess(const GermanReading& r, const GermanUnit& u) {
    return r.guessed && r.word->wordClass == kClassVerb && r.tag == kFormBase && !u.lower.empty() && u.lower.back() == 'e';
}

float ReadingScore(const EngineTables& tables, const GermanReading& r, const GermanUnit& u, const GermanUnit* previous) {
    auto w = [&](const char* name) { return tables.Weight(name); };
    const bool capitalNoun = u.capital && !u.start;
    // "bei sechs langen Episoden": a number counts like a determiner
    const bool afterDeterminer = previous && ((previous->fw && (previous->fw->kind == GermanKind::Article ||
                                                                previous->fw->kind == GermanKind::Preposition)) ||
                                              previous->number || previous->cls == kClassNumeral);
    float score = 0;
    std::uint8_t c = r.word->wordClass;
    if (!r.word->senseCount) score += w("reading-no-sense");
    if (c == kClassNoun)
        score += capitalNoun ? w("reading-capital-noun") : u.capital ? w("reading-initial-noun") : w("reading-lower-noun");
    if (c == kClassVerb) score += capitalNoun ? w("reading-verb-capital") : w("reading-verb");
    // "du recht hast": a third person in -t after "du", "ich" or "wir" is no verb of
    // theirs ("ich weiß" is: the same form for both)
    const bool thirdOfAnother = r.tag == kFormThird && previous && EndsWith(u.lower, "t") &&
                                (previous->lower == "ich" || previous->lower == "wir" ||
                                 (previous->lower == "du" && !EndsWith(u.lower, "st")));
    if (c == kClassVerb && previous && previous->fw && previous->fw->kind == GermanKind::Pronoun && previous->fw->nominative &&
        r.tag != kFormPastPart && r.tag != kFormPresPart && !(FirstPersonGuess(r, u) && previous->lower != "ich") &&
        !thirdOfAnother)
        score += w("reading-verb-after-pronoun");
    if (c == kClassVerb && thirdOfAnother) score += w("reading-verb-disagrees-with-pronoun");
    if (c == kClassAdjective)
        score += (capitalNoun ? w("reading-adjective-capital") : w("reading-adjective")) +
                 (afterDeterminer ? w("reading-adjective-after-determiner") : 0);
    if (c == kClassAdverb) score += capitalNoun ? w("reading-adverb-capital") : w("reading-adverb");
    if (c == kClassNumeral) score += w("reading-numeral");
    if (c == kClassNone) score += w("reading-no-class");
    if (r.guessed) score += w("reading-guessed");
    if (FirstPersonGuess(r, u) && !u.start) score += w("reading-first-person-guess");
    // "steht" is first of all "stehen"; the clause rules join a particle later
    if (c == kClassVerb && r.word->particle && r.tag != kFormPastPart && r.tag != kFormBase)
        score += w("reading-separable-finite");
    if (c == kClassVerb && r.tag == kFormPastPart) score += w("reading-participle");
    return score;
}

// A preposition's English renderings, the usual one first, for the model to choose from.
std::vector<std::string> PrepositionSenses(const EngineTables& tables, std::string_view lower) {
    std::vector<std::string> senses;
    const std::string& listed = tables.Value("preposition-senses", lower);
    for (std::size_t start = 0; start < listed.size();) {
        std::size_t bar = listed.find('|', start);
        if (bar == std::string::npos) bar = listed.size();
        senses.push_back(listed.substr(start, bar - start));
        start = bar + 1;
    }
    return senses;
}

void AnalyseContentWord(const GermanSentence& s, GermanUnit& u, const GermanUnit* previous);
void TakeReading(const GermanSentence& s, GermanUnit& u, const GermanReading& r);

void AnalyseUnit(const GermanSentence& s, GermanUnit& u, const GermanUnit* previous) {
    if (TakeUserEntry(s, u)) return;
    const bool capitalNoun = u.capital && !u.start;
    if (!capitalNoun || s.catalogue.Tables().InList("capital-pronoun", u.lower)) u.fw = s.catalogue.Tables().German(u.lower);
    if (u.fw) {
        u.english = u.fw->english;
        if (u.fw->kind == GermanKind::Preposition) u.senses = PrepositionSenses(s.catalogue.Tables(), u.lower);
        return;
    }
    AnalyseContentWord(s, u, previous);
}

// "gelobt" is the participle of "geloben" the dictionary lists, and of "loben", whose
// line leaves it out: the verb made with ge- is the rarer one. (Where both are listed,
// "gestanden", the context decides.)
bool GeVerbBesideItsStem(const Catalogue& catalogue, const GermanReading& r, const std::vector<GermanReading>& readings) {
    if (r.word->wordClass != kClassVerb || r.tag != kFormPastPart) return false;
    const std::string lemma = LemmaOf(catalogue, r.word);
    if (lemma.compare(0, 2, "ge") != 0) return false;
    return std::any_of(readings.begin(), readings.end(), [&](const GermanReading& other) {
        return other.guessed && other.word->wordClass == kClassVerb && other.tag == kFormPastPart && other.word->senseCount &&
               LemmaOf(catalogue, other.word) == lemma.substr(2);
    });
}

// A finite form of a separable verb whose particle stands nowhere after it in the
// sentence: the form belongs to another verb ("sitzt", "handelt").
bool SeparableFiniteWithoutItsParticle(const GermanSentence& s, const GermanUnit& u, const GermanReading& r) {
    if (r.word->wordClass != kClassVerb || !r.word->particle || r.tag == kFormPastPart || r.tag == kFormBase) return false;
    const GermanUnit* first = s.units.data();
    if (&u < first || &u >= first + s.units.size()) return false;
    const std::string particle = s.catalogue.String(r.word->particle);
    for (const GermanUnit* w = &u + 1; w < first + s.units.size(); ++w)
        if (w->lower == particle) return false;
    return true;
}

void AnalyseContentWord(const GermanSentence& s, GermanUnit& u, const GermanUnit* previous) {
    const bool capitalNoun = u.capital && !u.start;
    // "München", "Wien": a place English names in its own way. After an article the
    // word is a noun ("die Polen" are the Poles, not Poland).
    const std::string& place = s.catalogue.Tables().Value("place-name", u.source);
    if (!place.empty() && place != u.source && !(previous && previous->fw && previous->fw->kind == GermanKind::Article)) {
        u.cls = kClassName;
        u.english = place;
        return;
    }
    // a place's genitive: "im Herzen Münchens" after its noun is "of Munich",
    // "Münchens Bürgermeister" before it "Munich's"; "Kurs" is a word, no "Kur" of a river
    if (u.capital && u.source.size() > 3 && u.source.back() == 's' && s.catalogue.Forms(u.source).empty()) {
        const std::string& owner = s.catalogue.Tables().Value("place-name", u.source.substr(0, u.source.size() - 1));
        if (!owner.empty()) {
            const bool afterItsNoun = previous && !previous->fw && previous->cls == kClassNoun;
            u.cls = kClassName;
            u.english = afterItsNoun ? "of " + owner : owner + "'s";
            return;
        }
    }
    // "Papua", "Trump": a word the corpus's translations keep as it is stays a name, as
    // does a place the dictionary lists only as the word for its people (table place-as-name)
    if ((capitalNoun && s.catalogue.IsName(u.source)) || s.catalogue.Tables().InList("place-as-name", u.source)) {
        u.cls = kClassName;
        u.english = u.source;
        return;
    }
    std::vector<GermanReading> readings = AnalyseGermanWord(s.catalogue, u.source, u.start);
    if (readings.empty()) {
        // a name the corpus keeps ("Stephan") is no compound of "step" and "han"
        const bool name = u.capital && s.catalogue.IsName(u.source);
        // "Washingtons Entscheidungen": a name's genitive is Washington's
        if (u.capital && !name && u.source.size() > 3 && u.source.back() == 's' &&
            s.catalogue.IsName(u.source.substr(0, u.source.size() - 1))) {
            u.cls = kClassName;
            u.english = u.source.substr(0, u.source.size() - 1) + "'s";
            return;
        }
        if (TakeHyphenCompound(s, u) || (!name && TakeCompound(s, u))) return;
        // "Polizei- und Militärposten": the first part of a compound whose head comes later
        if (u.source.size() > 2 && u.source.back() == '-' && u.source[u.source.size() - 2] != '-') {
            const std::string part = u.source.substr(0, u.source.size() - 1);
            const std::string english = HyphenPartEnglish(s, part);
            if (english != part) {
                u.english = english;
                u.cls = kClassNoun;
                u.fixed = true;
                return;
            }
        }
        u.known = false;
        u.english = u.source;
        u.cls = u.capital ? kClassName : kClassNone;
        return;
    }
    // "das Essen", "Der Laden ist": after a determiner of the singular, a noun that is
    // a headword itself is that noun, not the plural of another ("Esse", "Lade")
    const bool singularDeterminer =
        previous && (s.catalogue.Tables().InList("singular-determiner", previous->lower) || previous->lower == "das" ||
                     (previous->lower == "der" && previous->start));
    // "den Laden", "seinen Laden": the masculine accusative, as likely as a dative plural
    const bool masculineDeterminer =
        previous && previous->fw && previous->fw->kind == GermanKind::Article && previous->lower.size() > 2 &&
        previous->lower.compare(previous->lower.size() - 2, 2, "en") == 0;
    const bool headwordNoun = (singularDeterminer || masculineDeterminer) &&
                              std::any_of(readings.begin(), readings.end(), [&](const GermanReading& r) {
                                  return r.word->wordClass == kClassNoun && r.tag == kFormBase && r.word->senseCount &&
                                         r.word->gender != kPluralOnly && (singularDeterminer || r.word->gender == kMasculine);
                              });
    float bestScore = -1000;
    const GermanReading* best = nullptr;
    for (const GermanReading& r : readings) {
        // "handelt" is zuwiderhandeln's only where "zuwider" follows
        if (readings.size() > 1 && SeparableFiniteWithoutItsParticle(s, u, r)) continue;
        float score = ReadingScore(s.catalogue.Tables(), r, u, previous);
        if (headwordNoun && r.word->wordClass == kClassNoun && r.tag == kFormPlural &&
            LemmaOf(s.catalogue, r.word) != u.source)
            score += s.catalogue.Tables().Weight("reading-plural-of-another-noun");
        if (GeVerbBesideItsStem(s.catalogue, r, readings)) score += s.catalogue.Tables().Weight("reading-ge-verb-participle");
        if (score > bestScore) { bestScore = score; best = &r; }
    }
    for (const GermanReading& r : readings)
        if (r.word->wordClass == kClassVerb && r.tag == kFormPastPart && r.word->senseCount &&
            !GeVerbBesideItsStem(s.catalogue, r, readings)) { u.participle = r; break; }
    // "behauptet", "kritisierten": the finite form a clause without one may need, of the
    // participle's own verb first ("studiert" is studieren's before einstudieren's)
    if (best->tag == kFormPastPart)
        for (const GermanReading& r : readings)
            if (r.word->wordClass == kClassVerb && r.word->senseCount &&
                (r.tag == kFormThird || r.tag == kFormPast || r.tag == kFormPastPlural) &&
                (!u.finiteForm.word || (r.word == best->word && u.finiteForm.word != best->word)))
                u.finiteForm = r;
    if (best->word->wordClass == kClassAdjective)
        for (const GermanReading& r : readings)
            if (r.word->wordClass == kClassAdverb && r.word->senseCount) { u.adverbReading = r; break; }
    TakeReading(s, u, *best);
    // "Berlin ist eine Stadt": a place both languages spell alike, which the dictionary
    // lists without a word class, is a name
    if (u.cls == kClassNone && u.capital && !place.empty()) u.cls = kClassName;
    // "über das Lynchen", "beim Warten": an infinitive written with a capital inside a
    // sentence is a noun, which English says with -ing
    if (capitalNoun && u.cls == kClassVerb && u.reading.tag == kFormBase && !u.reading.zuInfinitive) {
        u.cls = kClassNoun;
        u.english = EnglishIng(s.catalogue, u.english);
        u.senses.clear();
    }
}

// "gegen den Präsidenten", "wählten den Kandidaten": a masculine noun whose plural is
// also its singular's other cases (n-declension) is singular after "den", unless a
// preposition of the dative says the plural ("mit den Präsidenten"). "den Tischen" is
// no such form: the dictionary lists the plural "Tische".
bool WeakMasculineAfterDen(const GermanSentence& s, const std::vector<GermanUnit>& units, std::size_t den, const GermanUnit& u) {
    if (!u.reading.word || u.reading.word->gender != kMasculine || u.reading.tag != kFormPlural) return false;
    bool listed = false;
    for (FormLink link : s.catalogue.Forms(u.source))
        listed = listed || (LinkTag(link) == kFormPlural && s.catalogue.Word(LinkWord(link)) == u.reading.word);
    if (!listed) return false;
    const std::string lemma = LemmaOf(s.catalogue, u.reading.word);
    const bool weakEnding = u.source == lemma + "en" || (u.source == lemma + "n" && !lemma.empty() && lemma.back() == 'e');
    const bool dativeBefore = den > 0 && s.catalogue.Tables().InList("dative-preposition", units[den - 1].lower);
    return weakEnding && !dativeBefore;
}

void TakeReading(const GermanSentence& s, GermanUnit& u, const GermanReading& r) {
    u.reading = r;
    u.cls = r.word->wordClass;
    u.lemma = LemmaOf(s.catalogue, r.word);
    u.plural = r.tag == kFormPlural || (u.cls == kClassNoun && r.word->gender == kPluralOnly);  // "Leute"
    u.english = BestEnglishSense(s, r.word, u.cls);
    if (u.english.empty()) u.english = u.source;
    // "ein zweiter Unfall": an ordinal the dictionary gives no class stands as an adjective
    if (u.cls == kClassNone && !u.capital && (u.english == "first" || u.english == "second" || u.english == "third" ||
                                               (u.english.size() > 4 && EndsWith(u.english, "th") &&
                                                u.english.find(' ') == std::string::npos)))
        u.cls = kClassAdjective;
    u.senses.clear();
    if (u.cls == kClassNoun || u.cls == kClassAdjective || u.cls == kClassAdverb)
        u.senses = EnglishSenses(s, r.word, u.cls, 4);
}

// "zwei", "zwanzig", "einundzwanzig", "dreihundert": German number words, which
// the dictionary may leave without a class.
bool IsGermanNumberWord(const EngineTables& tables, std::string_view w) {
    if (w.empty()) return false;
    while (!w.empty()) {
        std::size_t longest = 0;
        for (const std::string& part : tables.List("number-part"))
            if (part.size() > longest && w.compare(0, part.size(), part) == 0) longest = part.size();
        if (longest == 0) return false;
        w.remove_prefix(longest);
    }
    return true;
}

}  // namespace

bool PluralSpeltAsSingular(const GermanUnit& noun) {
    if (!noun.reading.word) return false;
    const std::uint8_t gender = noun.reading.word->gender;
    if (gender != kMasculine && gender != kNeuter) return false;
    const std::string& w = noun.lower;
    auto ends = [&](const char* e) { return w.size() > std::strlen(e) + 1 && EndsWith(w, e); };
    return ends("er") || ends("el") || ends("en") || ends("chen") || ends("lein");
}

namespace {

// A noun whose plural looks like its singular ("Wähler") is plural after a
// number above one or a plural determiner ("zwei Wähler", "viele Wähler").
bool CountedAsPlural(const GermanUnit* before) {
    if (!before) return false;
    if (before->number) return before->source != "1";
    if (before->cls == kClassNumeral) return before->lower != "ein" && before->lower != "eins" && before->lower != "einem";
    return before->fw && before->fw->kind == GermanKind::Article && before->fw->plural;
}

// "Die Schlüssel", "meine Zimmer": a masculine or neuter noun whose plural looks like
// its singular (-er, -el, -en, -chen) is plural after a determiner's -e form (die,
// diese, meine, keine).
bool FeminineFormBeforeAMasculine(const GermanSentence& s, const GermanUnit* before, const GermanUnit& noun) {
    if (!before || !before->fw || before->fw->kind != GermanKind::Article) return false;
    return PluralSpeltAsSingular(noun) && s.catalogue.Tables().InList("feminine-or-plural-determiner", before->lower);
}

// The unit before the adjectives that stand before the noun at i (i > 0).
std::size_t BeforeTheAdjectives(const std::vector<GermanUnit>& units, std::size_t i) {
    std::size_t d = i - 1;
    while (d > 0 && units[d].cls == kClassAdjective && !units[d].fw) --d;
    return d;
}

// "Aufgeregte Dorfbewohner", "Gute Lehrer": without a determiner an adjective in -e
// before a masculine or neuter noun whose plural is spelt as its singular is plural
// (the singular would say "aufgeregter", "gutes").
bool StrongEndingBeforeASameFormPlural(const GermanSentence& s, std::size_t i, const GermanUnit& noun) {
    const std::vector<GermanUnit>& units = s.units;
    if (i == 0 || !noun.reading.word) return false;
    // "Gebäude": a neuter collective in ge-...-e is spelt alike too
    const std::string& w = noun.lower;
    const bool collective = noun.reading.word->gender == kNeuter && w.size() > 4 && w.compare(0, 2, "ge") == 0 && EndsWith(w, "e");
    if (!PluralSpeltAsSingular(noun) && !collective) return false;
    const GermanUnit& adjective = units[i - 1];
    if (adjective.fw || adjective.cls != kClassAdjective || adjective.lower.back() != 'e') return false;
    const GermanUnit& before = units[BeforeTheAdjectives(units, i)];
    if (&before == &adjective || before.punct) return true;  // the adjectives open the sentence
    return !(before.fw && (before.fw->kind == GermanKind::Article || before.fw->kind == GermanKind::Pronoun)) &&
           before.cls != kClassNumeral && !before.number;
}

}  // namespace

void TakeAdverbReading(const GermanSentence& s, GermanUnit& u) {
    u.reading = u.adverbReading;
    u.cls = kClassAdverb;
    u.lemma = LemmaOf(s.catalogue, u.reading.word);
    u.english = BestEnglishSense(s, u.reading.word, kClassAdverb);
    u.senses = EnglishSenses(s, u.reading.word, kClassAdverb, 4);
    u.adverbReading = GermanReading{};
}

namespace {

// "Oliver Schmidt kommt": a first word the corpus keeps as a name, before a name, is
// a given name and no form of "oliv".
void GivenNameAtTheStart(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (!u.start || !u.capital || u.fw || u.fixed || u.cls == kClassName || !next || next->cls != kClassName) return;
    if (!s.catalogue.IsName(u.source)) return;
    u.cls = kClassName;
    u.english = u.source;
    u.senses.clear();
}

// "Frau Merkel", "Herrn Baker": a title before a name is Ms or Mr, not woman or
// gentleman, and always one person.
// "Präsident Trump": a person's office of one word before the name is a title, with a
// capital (President Trump).
void TitleBeforeAName(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (u.fw || u.fixed || u.cls != kClassNoun || !next || next->cls != kClassName) return;
    const std::string& title = s.catalogue.Tables().Value("title-before-name", Lower1252(u.lemma));
    if (title.empty()) {
        if (u.plural || u.english.empty() || u.english.find(' ') != std::string::npos || !NamesAPerson(s, u)) return;
        // "sein Bruder Jan", "ihr Freund Max": a plain person or kin is no office
        if (s.catalogue.Tables().InList("person-noun", Lower1252(u.english))) return;
        u.english = Capitalised(u.english);
        u.senses.clear();
        return;
    }
    u.english = title;
    u.plural = false;
    u.senses.clear();
}

// "die Berliner Mauer", "im Münchner Salesianum": before a noun a place's word in -er is
// the place's English name (the Berlin Wall), not its inhabitant.
void PlaceAdjectiveBeforeANoun(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (!u.capital || u.fw || u.fixed || u.source.size() < 5 || !EndsWith(u.source, "er") || !next || next->fw ||
        (next->cls != kClassNoun && next->cls != kClassName) || !next->capital)
        return;
    const std::string stem = u.source.substr(0, u.source.size() - 2);
    std::string place = s.catalogue.Tables().Value("place-name", stem);
    if (place.empty() && stem.back() == 'n') place = s.catalogue.Tables().Value("place-name", stem.substr(0, stem.size() - 1) + "en");
    if (place.empty()) return;
    u.cls = kClassName;
    u.english = place;
    u.plural = false;
    u.known = true;
    u.senses.clear();
}

// "die Stadt Viersen", "der Kreis Heinsberg": a kind of place before its name is
// "the city of Viersen", "the district of Heinsberg" (table place-before-name).
void PlaceBeforeItsName(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (u.fw || u.fixed || u.cls != kClassNoun || u.plural || !next || next->cls != kClassName) return;
    if (next->english.compare(0, 3, "of ") == 0) return;  // "die größte Stadt Deutschlands": of Germany already
    const std::string& place = s.catalogue.Tables().Value("place-before-name", Lower1252(u.lemma));
    if (place.empty()) return;
    u.english = place + " of";
    u.senses.clear();
}

// "Letzten Sommer", "Neue Gesetze": a capital at the sentence's start read as a noun
// ("die Letzte") before a noun is the adjective its lower-case form is.
void AdjectiveBeforeANounAtTheStart(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (!u.start || u.fw || u.fixed || u.cls != kClassNoun || !next || next->fw || next->cls != kClassNoun) return;
    GermanUnit lower = u;
    lower.source = u.lower;
    lower.start = lower.capital = false;
    lower.senses.clear();
    AnalyseContentWord(s, lower, nullptr);
    if (!lower.known || lower.cls != kClassAdjective) return;
    lower.source = u.source;
    lower.start = true;
    lower.capital = u.capital;
    u = std::move(lower);
}

// "das Weiße Haus", "im Weißen Haus": inside a sentence German writes an adjective with
// a capital only in a name; read as a noun ("der Weiße") it is the adjective, which
// English writes with a capital too (the White House).
void CapitalAdjectiveOfAName(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev, const GermanUnit* next) {
    if (u.start || !u.capital || u.fw || u.fixed || (u.cls != kClassNoun && u.cls != kClassNone) || !prev || !prev->fw ||
        (prev->fw->kind != GermanKind::Article && prev->fw->kind != GermanKind::Preposition) || !next || next->fw || next->cls != kClassNoun || !next->capital)
        return;
    GermanUnit lower = u;
    lower.source = u.lower;
    lower.capital = false;
    lower.senses.clear();
    AnalyseContentWord(s, lower, prev);
    if (!lower.known || lower.cls != kClassAdjective) return;
    lower.source = u.source;
    lower.capital = true;
    lower.english = Capitalised(lower.english);
    lower.fixed = true;  // the name's word as it is, no comparison or adverb
    u = std::move(lower);
}

// The unit takes the first adjective reading of `form` that has a sense; with
// otherLemma, only one whose lemma is not the unit itself ("wahre": wahr, not wahren).
bool TakeAnAdjectiveReading(const GermanSentence& s, GermanUnit& u, const std::string& form, bool start, bool otherLemma) {
    for (const GermanReading& r : AnalyseGermanWord(s.catalogue, form, start))
        if (r.word->wordClass == kClassAdjective && r.word->senseCount &&
            (!otherLemma || LemmaOf(s.catalogue, r.word) != u.lower)) {
            TakeReading(s, u, r);
            return true;
        }
    return false;
}

// "Und wahre Führung bedeutet": a word read as a verb's base form ("wahren") right
// before a noun is the adjective with its ending ("wahr"), unless a subject pronoun
// stands before it ("ich wahre Abstand").
void AdjectiveBeforeANounNotAVerb(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev, const GermanUnit* next) {
    if (u.fw || u.fixed || u.cls != kClassVerb || u.reading.tag != kFormBase || !next || next->fw ||
        next->cls != kClassNoun || !next->capital || next->start)
        return;
    if (prev && prev->fw && (prev->fw->kind == GermanKind::Pronoun || prev->fw->kind == GermanKind::Modal ||
                             prev->fw->kind == GermanKind::Auxiliary))
        return;
    TakeAnAdjectiveReading(s, u, u.source, u.start, true);
}

// "20 Zoll lange Hörner": an adverb with an adjective's ending right before a noun is
// that adjective ("lang"), not the adverb "lange" (for a long time).
void AdverbBeforeANounIsTheAdjective(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (u.fw || u.fixed || u.cls != kClassAdverb || !next || next->fw || next->cls != kClassNoun || !next->capital ||
        next->start || u.lower.size() < 4 || u.lower.back() != 'e')
        return;
    TakeAnAdjectiveReading(s, u, u.lower.substr(0, u.lower.size() - 1), false, false);
}

// "Sie ist ziemlich bescheiden": at the clause's end after a form of "sein", a word that
// is a verb's form ("bescheiden", to notify) or an adjective (modest) is the adjective.
void AdjectiveAfterSeinNotAnInfinitive(GermanSentence& s, std::size_t clauseStart, std::size_t i, bool atEnd) {
    GermanUnit& u = s.units[i];
    // "Die Wand ist weiß": so is a form of the third person (white, not "knows")
    if (!atEnd || u.fw || u.fixed || u.cls != kClassVerb || (u.reading.tag != kFormBase && u.reading.tag != kFormThird)) return;
    bool afterSein = false;
    for (std::size_t k = i; k-- > clauseStart;) {
        const GermanUnit& v = s.units[k];
        if (v.fw && v.fw->kind == GermanKind::Auxiliary) {
            afterSein = v.fw->aux == AuxVerb::Sein && v.lower != "sein" && !v.fw->participle;
            break;
        }
        if (v.cls == kClassVerb || (v.fw && (v.fw->kind == GermanKind::Modal || v.fw->kind == GermanKind::Particle))) return;
    }
    if (!afterSein || !TakeAnAdjectiveReading(s, u, u.source, u.start, false)) return;
    // "ziemlich bescheiden": the word before now tells the adjective's degree
    GermanUnit& before = s.units[i - 1];  // the form of "sein" stands before, so i > clauseStart
    if (before.adverbReading.word && before.cls == kClassAdjective) TakeAdverbReading(s, before);
}

// "die meisten Menschen", "die meisten der Kinder": the greater part is "most" with no
// article (most people, most of the children); the article before it says nothing.
void DieMeistenIsMost(GermanUnit& u, GermanUnit* prev, const GermanUnit* next) {
    if (u.fw || u.fixed || u.lower != "meisten" || !prev || !prev->fw || prev->fw->kind != GermanKind::Article ||
        (prev->lower != "die" && prev->lower != "den"))
        return;
    prev->drop = true;
    const bool ofThem = next && next->fw && next->fw->kind == GermanKind::Article && (next->lower == "der" || next->lower == "dieser");
    u.english = ofThem ? "most of" : "most";
    u.fixed = true;
}

// "Peters Auto": a name in -s whose stem is a name too, right before a noun and after no
// article, title or noun, is the stem's genitive (Peter's car), not the name "Peters".
void GenitiveOfANameBeforeANoun(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev, const GermanUnit* next) {
    if (u.cls != kClassName || u.fixed || u.english != u.source || u.source.size() < 4 || u.source.back() != 's') return;
    if (!next || next->fw || next->cls != kClassNoun || !next->capital) return;
    if (prev && !prev->punct && (prev->fw || prev->cls == kClassNoun || prev->cls == kClassName)) return;
    const std::string stem = u.source.substr(0, u.source.size() - 1);
    if (!s.catalogue.IsName(stem)) return;
    u.english = stem + "'s";
}

// "meine Frau", "ihren Mann": after a possessive, a wife or husband and no title.
void SpouseAfterAPossessive(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev) {
    if (u.fw || u.fixed || u.plural || u.cls != kClassNoun || !prev || !prev->fw || prev->fw->kind != GermanKind::Article)
        return;
    const EngineTables& tables = s.catalogue.Tables();
    const std::string& english = tables.Value("spouse-after-possessive", Lower1252(u.lemma));
    if (english.empty() || !tables.InList("english-possessive", prev->fw->english)) return;
    u.english = english;
    u.senses.clear();
    u.fixed = true;
}

// "wie lange", "wie viel": after an asking "wie" these are "long" and "much", never
// the verb "langen" or "many".
void DegreeAfterAnAskingWord(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev) {
    if (!prev || !s.catalogue.Tables().InList("asks-with-a-degree", prev->lower)) return;
    const std::string& english = s.catalogue.Tables().Value("asking-degree", u.lower);
    if (english.empty()) return;
    u.fw = nullptr;
    u.cls = kClassAdverb;
    u.english = english;
    u.senses.clear();
    u.fixed = true;
}

// "ihr Auto": "ihr" before a noun is the determiner, not the pronoun "you", and the
// noun phrase and the clause's subject are read with it so.
void IhrBeforeANounIsADeterminer(const GermanSentence& s, GermanUnit& u, const GermanUnit* next) {
    if (!u.fw || u.fw->kind != GermanKind::Pronoun || !next || (!IsNounLike(*next) && next->cls != kClassAdjective) ||
        !s.catalogue.Tables().InList("ihr-form", u.lower))
        return;
    const GermanWord* determiner = s.catalogue.Tables().German(u.lower + "e");  // "ihre": declined like it
    if (determiner && determiner->kind == GermanKind::Article) u.fw = determiner;
}

// "Jeder weiß das", "Das weiß ich": a word with no ending after a determiner that stands
// alone (table lone-determiner-pronoun) or before a subject that cannot be an object
// (table case-clear-subject) is no adjective ("white") but the verb, where it is one.
void NoAdjectiveBesideALoneSubject(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev, const GermanUnit* next) {
    if (u.fw || u.fixed || u.cls != kClassAdjective || u.lower != Lower1252(u.lemma)) return;
    const EngineTables& tables = s.catalogue.Tables();
    const bool after = prev && prev->fw && !tables.Value("lone-determiner-pronoun", prev->lower).empty() &&
                       !(next && !next->fw && (next->cls == kClassNoun || next->cls == kClassAdjective));
    const bool before = next && tables.InList("case-clear-subject", next->lower);
    if (!after && !before) return;
    for (const GermanReading& r : AnalyseGermanWord(s.catalogue, u.source, u.start))
        if (r.word->wordClass == kClassVerb && r.word->senseCount && (r.tag == kFormThird || r.tag == kFormPast)) {
            TakeReading(s, u, r);
            return;
        }
}

// "Ich meine, dass ...", "Meinen Sie das?": a possessive's form that is also a verb
// ("meinen": to mean) is the verb next to a subject pronoun with no noun after it.
void DeterminerFormNextToASubjectIsAVerb(const GermanSentence& s, GermanUnit& u, const GermanUnit* prev,
                                         const GermanUnit* next) {
    if (!u.fw || u.fw->kind != GermanKind::Article || u.fixed || !s.catalogue.Tables().InList("english-possessive", u.fw->english))
        return;
    const bool afterSubject = prev && IsNominativePronoun(*prev) && (!next || next->punct);
    const bool beforeSubject = next && IsNominativePronoun(*next) &&
                               (!prev || prev->punct || (prev->fw && prev->fw->kind != GermanKind::Article &&
                                                         prev->fw->kind != GermanKind::Preposition));
    if (!afterSubject && !beforeSubject) return;
    GermanUnit verb = u;
    verb.fw = nullptr;
    verb.senses.clear();
    AnalyseContentWord(s, verb, prev);
    if (verb.known && verb.cls == kClassVerb) u = std::move(verb);
}

// "..., da der Club die Open veranstaltet": "da" opening a clause whose verb comes last
// gives a reason (as), not a place (there).
void DaOpeningAVerbLastClauseIsAs(GermanSentence& s) {
    static const GermanWord kDaSubordinator = {"da", GermanKind::Subordinator, "as", 0, false, false, false,
                                               AuxVerb::None, false, false};
    for (std::size_t i = 0; i + 2 < s.units.size(); ++i) {
        GermanUnit& u = s.units[i];
        if (u.lower != "da" || !u.fw || u.fw->kind != GermanKind::Adverb) continue;
        if (!u.start && (i == 0 || s.units[i - 1].source != ",")) continue;
        if (IsFiniteCandidate(s.units[i + 1]) || s.units[i + 1].punct) continue;
        std::size_t end = i + 1;
        while (end < s.units.size() && !s.units[end].punct) ++end;
        if (end < i + 3 || end == s.units.size() || s.units[end].source == "?") continue;
        const GermanUnit& last = s.units[end - 1];
        if (!IsFiniteCandidate(last) && !IsNonFinite(s.catalogue.Tables(), last)) continue;
        u.fw = &kDaSubordinator;
        u.english = kDaSubordinator.english;
    }
}

// "desto nervöser", "nervöser als ich": an adjective's form with -er that stands before
// no noun is its comparative, not the ending of "ein nervöser Mann".
// Before a noun it is that ending ("ein schöner Tag": a beautiful day), as a comparative
// there would take one of its own (ein schönerer Tag).
void ErBeforeNoNounIsTheComparative(const EngineTables& tables, GermanUnit& u, const GermanUnit* previous, const GermanUnit* next) {
    if (u.fw || u.fixed || u.cls != kClassAdjective) return;
    if (u.reading.tag != kFormBase && u.reading.tag != kFormComparative) return;
    const std::string lemma = Lower1252(u.lemma);
    if (u.lower != lemma + "er" && !(EndsWith(lemma, "e") && u.lower == lemma + "r")) return;
    const bool beforeANoun = next && !next->punct && (IsNounLike(*next) || next->cls == kClassAdjective || next->number);
    if (u.reading.tag == kFormComparative) {
        // "weniger Mitglieder": fewer, a comparative with no ending (table comparative-without-ending)
        if (beforeANoun && !tables.InList("comparative-without-ending", u.lower)) u.reading.tag = kFormBase;
        return;
    }
    if (beforeANoun) return;
    if (previous && previous->fw && previous->fw->kind == GermanKind::Article) return;
    u.reading.tag = kFormComparative;
}

// "schlechter als erwartet", "stärker gestiegen als befürchtet": a participle after
// "als" and a comparative is the comparison's end ("than expected"), no verb of the clause.
void ParticipleAfterAComparisonsAls(GermanSentence& s, std::size_t i) {
    GermanUnit& u = s.units[i];
    GermanUnit* next = i + 1 < s.units.size() ? &s.units[i + 1] : nullptr;
    // "befürchtet" may be read as "er befürchtet": its participle reading is the one
    if (u.lower != "als" || i == 0 || !next || next->fw || next->fixed ||
        !(next->reading.tag == kFormPastPart || next->participle.word))
        return;
    std::size_t k = i - 1;  // past the clause's own participle
    if (k > 0 && !s.units[k].fw && s.units[k].cls == kClassVerb && s.units[k].reading.tag == kFormPastPart) --k;
    // "mehr Geld ausgegeben als geplant": past the noun the comparison counts
    if (k > 1 && IsNounLike(s.units[k]) && s.catalogue.Tables().InList("comparison-word", s.units[k - 1].lower)) --k;
    const GermanUnit& compared = s.units[k];
    // "schlechter", "später": the dictionary lists some comparatives as adverbs of their own
    const bool comparative = !compared.fw && (compared.cls == kClassAdjective || compared.cls == kClassAdverb) &&
                             (compared.reading.tag == kFormComparative || EndsWith(compared.lower, "er"));
    if (!comparative && !s.catalogue.Tables().InList("comparison-word", compared.lower)) return;
    u.english = "than";
    u.fixed = true;
    if (next->reading.tag != kFormPastPart) {
        next->reading = next->participle;
        next->cls = kClassVerb;
        next->english = BestEnglishSense(s, next->participle.word, kClassVerb);
    }
    next->english = EnglishPastPart(s.catalogue, next->english);
    next->fixed = true;
}

// "immer kürzer", "immer mehr Menschen": a comparative after "immer" grows (shorter and
// shorter, more and more interesting, more and more people); "immer" says nothing more.
void ImmerBeforeAComparative(const GermanSentence& s, GermanUnit& u, GermanUnit* next) {
    if (u.lower != "immer" || !next || next->fixed) return;
    std::string comparative;
    if (!next->fw && next->cls == kClassAdjective && next->reading.tag == kFormComparative)
        comparative = EnglishComparative(s.catalogue, next->english);
    else
        comparative = s.catalogue.Tables().Value("growing-comparative", next->lower);
    if (comparative.empty()) return;
    if (comparative.compare(0, 5, "more ") == 0) next->english = "more and " + comparative;
    else next->english = comparative + " and " + comparative;
    next->fixed = true;
    u.drop = true;
}

// "der jüngste Sohn", "die jüngsten Berichte": an adjective whose English tells whether
// its noun names a person (table person-or-thing-adjective, by stem: "jüngst" ->
// "youngest|latest").
void AdjectiveSenseByItsNoun(GermanSentence& s, std::size_t i) {
    GermanUnit& u = s.units[i];
    if (u.fw || u.fixed || u.cls != kClassAdjective || u.lower.size() < 4) return;
    const EngineTables& tables = s.catalogue.Tables();
    std::string senses;
    for (std::size_t cut = 0; cut <= 2 && senses.empty(); ++cut)
        senses = tables.Value("person-or-thing-adjective", u.lower.substr(0, u.lower.size() - cut));
    const std::size_t bar = senses.find('|');
    if (bar == std::string::npos) return;
    std::size_t k = i + 1;
    while (k < s.units.size() && !s.units[k].fw && s.units[k].cls == kClassAdjective) ++k;
    if (k >= s.units.size() || !IsNounLike(s.units[k])) return;
    u.english = NamesAPerson(s, s.units[k]) ? senses.substr(0, bar) : senses.substr(bar + 1);
    u.reading.tag = kFormBase;
    u.senses.clear();
}

// "Er wurde 1950 geboren", "Ich bin am 3. Mai geboren": with "sein" or "werden" the
// participle has an English of its own (table participle-english: born), where with
// "haben" it keeps the verb's ("hat ein Kind geboren": gave birth to).
void ParticipleWithAnEnglishOfItsOwn(GermanSentence& s, std::size_t clauseStart, std::size_t i) {
    GermanUnit& u = s.units[i];
    if (u.fw || u.fixed || u.cls != kClassVerb || u.reading.tag != kFormPastPart) return;
    const std::string& english = s.catalogue.Tables().Value("participle-english", u.lower);
    if (english.empty()) return;
    for (std::size_t k = clauseStart; k < i; ++k)
        if (s.units[k].fw && s.units[k].fw->aux == AuxVerb::Haben) return;
    u.english = english;
    u.senses.clear();
}

// "Sendling wurde 1877 eingemeindet": a verb form that reads as the third person but
// ends the clause after werden, haben or sein is the participle, where the dictionary
// spells that otherwise (eingegemeindet) or the verb's third person is its participle
// (verletzt, studiert).
void ThirdPersonAfterAnAuxiliaryIsAParticiple(GermanSentence& s, std::size_t clauseStart, std::size_t i, bool atEnd) {
    GermanUnit& u = s.units[i];
    if (!atEnd || u.fw || u.fixed || u.cls != kClassVerb || u.reading.tag != kFormThird || !u.reading.word ||
        u.lower.empty() || u.lower.back() != 't')
        return;
    // "Da hat sie schon recht": a word that "haben" takes as its predicate is none
    if (!s.catalogue.Tables().Value("haben-predicate-german", u.lower).empty()) return;
    bool auxiliary = false;
    for (std::size_t k = clauseStart; k < i; ++k) {
        const GermanUnit& before = s.units[k];
        if (before.fw && before.fw->kind == GermanKind::Coordinator) auxiliary = false;  // "ist da und arbeitet"
        else if (before.fw && before.fw->aux != AuxVerb::None && !before.fw->participle) auxiliary = true;
    }
    if (!auxiliary) return;
    u.reading.tag = kFormPastPart;
    u.plural = false;
}

// What the neighbours decide once all words are read: "sein" before a clause end
// is the verb, and a clause-final form after haben/sein/werden is a participle.
void SettleReadings(GermanSentence& s) {
    static const GermanWord kSeinVerb = {"sein", GermanKind::Auxiliary, "be", 0, false, false, false,
                                         AuxVerb::Sein, false, false};
    std::vector<GermanUnit>& units = s.units;
    std::size_t clauseStart = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        GermanUnit& u = units[i];
        if (u.punct) { clauseStart = i + 1; continue; }
        if (!u.fw && u.cls == kClassNone && IsGermanNumberWord(s.catalogue.Tables(), u.lower)) u.cls = kClassNumeral;
        // "fast alle", "sehr gut": an uninflected word before an adjective or number tells its degree
        const GermanUnit* after = i + 1 < units.size() ? &units[i + 1] : nullptr;
        if (u.adverbReading.word && after && !after->fw && (after->cls == kClassAdjective || after->number ||
                                                           after->cls == kClassNumeral || after->cls == kClassAdverb))
            TakeAdverbReading(s, u);
        if (u.cls == kClassNoun && !u.plural && !u.fixed) {
            // "zwei neue Wähler", "die fiktiven rumänischen Schöpfer": past the adjectives
            const GermanUnit* before = i > 0 ? &units[BeforeTheAdjectives(units, i)] : nullptr;
            u.plural = CountedAsPlural(before) || FeminineFormBeforeAMasculine(s, before, u) ||
                       StrongEndingBeforeASameFormPlural(s, i, u);
        }
        // "einem Architekten", "des Beamten": a singular determiner makes a form that is
        // also a plural (n-declension) singular
        if (u.cls == kClassNoun && !u.fixed && i > 0) {
            const std::size_t d = BeforeTheAdjectives(units, i);
            if (u.plural && s.catalogue.Tables().InList("singular-determiner", units[d].lower)) u.plural = false;
            if (u.plural && units[d].lower == "den" && WeakMasculineAfterDen(s, units, d, u)) u.plural = false;
            // "einer der besten Spieler": the group one is taken from is plural
            if (d > 0 && units[d].lower == "der" && s.catalogue.Tables().InList("one-of", units[d - 1].lower))
                u.plural = true;
        }
        const GermanUnit* next = i + 1 < units.size() ? &units[i + 1] : nullptr;
        GivenNameAtTheStart(s, u, next);
        AdjectiveBeforeANounAtTheStart(s, u, next);
        CapitalAdjectiveOfAName(s, u, i > 0 ? &units[i - 1] : nullptr, next);
        AdjectiveBeforeANounNotAVerb(s, u, i > 0 ? &units[i - 1] : nullptr, next);
        AdverbBeforeANounIsTheAdjective(s, u, next);
        IhrBeforeANounIsADeterminer(s, u, next);
        DeterminerFormNextToASubjectIsAVerb(s, u, i > 0 ? &units[i - 1] : nullptr, next);
        NoAdjectiveBesideALoneSubject(s, u, i > 0 ? &units[i - 1] : nullptr, next);
        DegreeAfterAnAskingWord(s, u, i > 0 ? &units[i - 1] : nullptr);
        SpouseAfterAPossessive(s, u, i > 0 ? &units[i - 1] : nullptr);
        GenitiveOfANameBeforeANoun(s, u, i > 0 ? &units[i - 1] : nullptr, next);
        DieMeistenIsMost(u, i > 0 ? &units[i - 1] : nullptr, next);
        TitleBeforeAName(s, u, next);
        PlaceBeforeItsName(s, u, next);
        PlaceAdjectiveBeforeANoun(s, u, next);
        ErBeforeNoNounIsTheComparative(s.catalogue.Tables(), u, i > 0 ? &units[i - 1] : nullptr, next);
        ImmerBeforeAComparative(s, u, i + 1 < units.size() ? &units[i + 1] : nullptr);
        ParticipleAfterAComparisonsAls(s, i);
        const bool atEnd = !next || next->punct || (next->fw && next->fw->kind == GermanKind::Coordinator);
        // "Die Kinder sind laut.": a preposition with nothing after it is a word of its own
        if (u.fw && u.fw->kind == GermanKind::Preposition && atEnd && !u.fixed &&
            !s.catalogue.Tables().InList("separable-particle", u.lower)) {
            GermanUnit content = u;
            content.fw = nullptr;
            content.senses.clear();
            AnalyseContentWord(s, content, i > 0 ? &units[i - 1] : nullptr);
            if (content.known && content.cls != kClassNone) u = std::move(content);
            continue;
        }
        if (u.lower == "sein" && u.fw && u.fw->kind == GermanKind::Article &&
            (atEnd || (i > 0 && units[i - 1].lower == "zu") || (next && next->fw && next->fw->kind == GermanKind::Modal))) {
            u.fw = &kSeinVerb;
            u.english = "be";
            continue;
        }
        AdjectiveAfterSeinNotAnInfinitive(s, clauseStart, i, atEnd);
        if (u.participle.word && u.reading.tag != kFormPastPart && !u.fixed && !u.fw && atEnd) {
            bool auxiliary = false;
            for (std::size_t k = clauseStart; k < i; ++k)
                auxiliary = auxiliary || (units[k].fw && units[k].fw->aux != AuxVerb::None && !units[k].fw->participle);
            if (auxiliary) {
                u.reading = u.participle;
                u.cls = kClassVerb;
                u.lemma = LemmaOf(s.catalogue, u.participle.word);
                u.plural = false;
                u.english = BestEnglishSense(s, u.participle.word, kClassVerb);
            }
        }
        ThirdPersonAfterAnAuxiliaryIsAParticiple(s, clauseStart, i, atEnd);
        ParticipleWithAnEnglishOfItsOwn(s, clauseStart, i);
        AdjectiveSenseByItsNoun(s, i);
    }
}

// A phrase must hold a content word and must not start with a determiner or a
// pronoun: "die Steuern" or "Ich habe" would swallow what the clause rules need.
// nounInside: the sentence writes a word of the term as a noun ("heute Morgen" is
// no "today tomorrow"), which makes it worth matching though each word is closed.
bool WorthMatching(const EngineTables& tables, const std::vector<std::string_view>& parts, bool nounInside) {
    const GermanWord* first = tables.German(parts[0]);
    // "nicht kommen" is "not come" by the negation rule, not "stay away"
    if (first && (first->kind == GermanKind::Article || first->kind == GermanKind::Pronoun ||
                  first->kind == GermanKind::Negation))
        return false;
    for (std::string_view p : parts) {
        const GermanWord* w = tables.German(p);
        if (w && (w->kind == GermanKind::Auxiliary || w->kind == GermanKind::Modal)) return false;
    }
    for (std::string_view p : parts)
        if (!tables.German(p)) return true;
    // "nach wie vor": a few terms of closed words only are worth it too (table closed-word-term)
    std::string text;
    for (std::string_view p : parts) text += (text.empty() ? "" : " ") + std::string(p);
    return nounInside || tables.InList("closed-word-term", text);
}

// Whether the phrase's words stand at i, each as written or as its lemma. A common
// first word starts thousands of phrases: the words are compared in place.
bool PhraseStandsAt(const GermanSentence& s, const PhraseRecord& p, std::size_t i,
                    const std::vector<std::string>& lemmas) {
    if (p.tokenCount < 2 || i + p.tokenCount > s.units.size() || p.senseCount == 0) return false;
    // a damaged catalogue's range gives no senses
    if (s.catalogue.Senses(p.firstSense, p.senseCount).empty()) return false;
    std::string_view rest = s.catalogue.String(p.text);
    for (std::size_t k = 0; k < p.tokenCount; ++k) {
        std::size_t blank = rest.find(' ');
        std::string_view word = rest.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
        if (k == 0) continue;
        const GermanUnit& u = s.units[i + k];
        if (u.punct || (u.lower != word && lemmas[i + k] != word)) return false;
    }
    return true;
}

// Whether a term that starts inside [i, i + length) reaches past it: "geht nach"
// gives way to "nach Hause".
bool LongerTermOverlaps(const GermanSentence& s, std::size_t i, std::size_t length, const std::vector<std::string>& lemmas) {
    for (std::size_t k = i + 1; k < i + length; ++k)
        for (const std::string& key : {s.units[k].lower, lemmas[k]})
            for (const PhraseRecord& p : s.catalogue.PhrasesStartingWith(key))
                // "immer noch nicht": a term the rules would not take ("noch nicht") gives no way
                if (k + p.tokenCount > i + length && PhraseStandsAt(s, p, k, lemmas) &&
                    WorthMatching(s.catalogue.Tables(), SplitWords(s.catalogue.String(p.text)), false))
                    return true;
    return false;
}

void MergePhrase(GermanSentence& s, const PhraseRecord& p, std::size_t i, std::size_t length,
                 std::vector<std::string>& lemmas) {
    Records<SenseRecord> senses = s.catalogue.Senses(p.firstSense, p.senseCount);
    const SenseRecord* chosen = senses.begin();
    for (const SenseRecord& sense : senses)
        if (s.options.subjects && (sense.subjects & s.options.subjects)) { chosen = &sense; break; }
    GermanUnit merged = s.units[i];
    // "früh ins Bett gehen", "lange aufbleiben": a term that ends in an infinitive is a
    // verb, which a modal's group takes as its own (had to keep early hours)
    const GermanUnit& last = s.units[i + length - 1];
    const bool verbPhrase = length > 1 && (p.wordClass == kClassNone || p.wordClass == kClassVerb) && !last.fw &&
                            last.cls == kClassVerb && last.reading.tag == kFormBase && !last.reading.zuInfinitive;
    if (verbPhrase) merged.reading = last.reading;
    for (std::size_t k = 1; k < length; ++k) merged.source += " " + s.units[i + k].source;
    merged.lower = Lower1252(merged.source);
    merged.english = s.catalogue.String(chosen->text);
    merged.fixed = true;
    merged.fw = nullptr;
    merged.known = true;
    merged.cls = verbPhrase ? static_cast<std::uint8_t>(kClassVerb) : p.wordClass;
    merged.verbPhrase = verbPhrase;
    auto user = s.user.find(Lower1252(merged.source));
    if (user != s.user.end()) merged.english = user->second.translation;
    const long from = static_cast<long>(i) + 1, to = static_cast<long>(i + length);
    s.units.erase(s.units.begin() + from, s.units.begin() + to);
    lemmas.erase(lemmas.begin() + from, lemmas.begin() + to);
    s.units[i] = std::move(merged);
}

}  // namespace

// "45-jährige" comes as a number, a hyphen and "jährige": one adjective, 45-year-old.
bool AgeInYears(const std::vector<Token>& tokens, std::size_t i, GermanUnit& u) {
    if (i + 2 >= tokens.size() || tokens[i].kind != TokenKind::Number || tokens[i + 1].text != "-" ||
        tokens[i + 1].spaceBefore || tokens[i + 2].spaceBefore ||
        Lower1252(tokens[i + 2].text).compare(0, 6, "jährig") != 0)
        return false;
    u.source = tokens[i].text + "-" + tokens[i + 2].text;
    u.lower = Lower1252(u.source);
    u.cls = kClassAdjective;
    u.english = tokens[i].text + "-year-old";
    u.fixed = true;
    return true;
}

// "25th", "1st", "12th": the English ordinal of a number.
std::string EnglishOrdinal(const std::string& digits) {
    const unsigned long n = strtoul(digits.c_str(), nullptr, 10);
    const char* suffix = "th";
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1) suffix = "st";
        else if (n % 10 == 2) suffix = "nd";
        else if (n % 10 == 3) suffix = "rd";
    }
    return digits + suffix;
}

// "die 25. Ausgabe", "seinem 50. Geburtstag": a number with a full stop inside the
// sentence is an ordinal (the 25th edition); before a month it is the day
// ("am 28. August": on 28 August).
bool OrdinalNumber(const EngineTables& tables, const std::vector<Token>& tokens, std::size_t i, GermanUnit& u,
                   GermanUnit* before) {
    if (i + 2 >= tokens.size() || tokens[i].kind != TokenKind::Number || tokens[i + 1].text != "." ||
        tokens[i + 1].spaceBefore || tokens[i + 2].kind != TokenKind::Word || tokens[i].text.size() > 4 ||
        tokens[i].text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const bool month = tables.InList("german-month", Lower1252(tokens[i + 2].text));
    u.source = tokens[i].text + ".";
    u.lower = u.source;
    u.cls = kClassAdjective;
    u.english = month ? tokens[i].text : EnglishOrdinal(tokens[i].text);
    u.fixed = true;
    u.known = true;
    if (month && before && before->lower == "am") before->english = "on";
    return true;
}

// Where the noun phrase that ends before i begins (i where none ends there): a pronoun
// alone, or determiners, adjectives and nouns, with a genitive attribute after its noun.
std::size_t NounPhraseStartBefore(const GermanSentence& s, std::size_t i) {
    const std::vector<GermanUnit>& units = s.units;
    if (i > 0 && units[i - 1].fw && units[i - 1].fw->kind == GermanKind::Pronoun) return i - 1;  // "mir gegenüber"
    std::size_t start = i;
    bool noun = false;
    while (start > 0) {
        const GermanUnit& u = units[start - 1];
        const bool article = u.fw && u.fw->kind == GermanKind::Article;
        const bool content = !u.fw && !u.punct && (IsNounLike(u) || u.cls == kClassAdjective || u.number);
        if (!article && !content) break;
        noun = noun || (content && IsNounLike(u));
        --start;
        // the phrase begins with its determiner, unless a noun before it owns the
        // phrase as its genitive ("dem Bericht der Polizei zufolge")
        if (article && !(start > 0 && IsNounLike(units[start - 1]))) break;
    }
    return noun ? start : i;
}

// "Dem Bericht zufolge ist ...": a word that follows the noun phrase it governs goes
// before it with the reading of its preposition (laut dem Bericht: according to the
// report; table german-postposition).
void PostpositionBeforeItsNounPhrase(GermanSentence& s) {
    std::vector<GermanUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 1; i < units.size(); ++i) {
        const std::string& preposition = tables.Value("german-postposition", units[i].lower);
        const GermanWord* word = preposition.empty() ? nullptr : tables.German(preposition);
        if (!word || units[i].fixed) continue;
        const std::size_t start = NounPhraseStartBefore(s, i);
        if (start == i) continue;
        GermanUnit moved = units[i];
        moved.fw = word;
        moved.english = word->english;
        moved.cls = kClassNone;
        moved.start = units[start].start;
        units[start].start = false;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i));
        units.insert(units.begin() + static_cast<std::ptrdiff_t>(start), std::move(moved));
    }
}

bool AnalyseGermanSentence(GermanSentence& s, const std::vector<Token>& tokens, Clock::time_point deadline) {
    bool start = true;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const Token& t = tokens[k];
        GermanUnit age;
        if (AgeInYears(tokens, k, age)) {
            s.units.push_back(std::move(age));
            k += 2;
            start = false;
            continue;
        }
        GermanUnit ordinal;
        if (OrdinalNumber(s.catalogue.Tables(), tokens, k, ordinal, s.units.empty() ? nullptr : &s.units.back())) {
            s.units.push_back(std::move(ordinal));
            k += 1;
            start = false;
            continue;
        }
        // looked at every few words, as each may need a compound split
        if (s.units.size() % 16 == 15 && Clock::now() > deadline) return false;
        GermanUnit u;
        u.source = t.text;
        u.lower = Lower1252(t.text);
        u.punct = t.kind == TokenKind::Punctuation;
        u.number = t.kind == TokenKind::Number;
        u.capital = t.capital;
        u.start = start && !u.punct;
        if (!u.punct && !u.number) AnalyseUnit(s, u, s.units.empty() ? nullptr : &s.units.back());
        if (u.number || u.punct) u.english = u.source;
        s.units.push_back(std::move(u));
        if (!s.units.back().punct) start = false;
        if (t.text == ":" || t.text == "\x84" || t.text == "\"" || t.text == "\x93") start = true;
    }
    SettleReadings(s);
    DaOpeningAVerbLastClauseIsAs(s);
    PostpositionBeforeItsNounPhrase(s);
    s.question = !s.units.empty() && s.units.back().source == "?";
    return true;
}

void MatchGermanPhrases(GermanSentence& s) {
    std::vector<std::string> lemmas;
    for (const GermanUnit& u : s.units) lemmas.push_back(Lower1252(u.lemma));
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        if (s.units[i].punct) continue;
        for (int pass = 0; pass < 2; ++pass) {
            std::string key = pass == 0 ? s.units[i].lower : lemmas[i];
            if (key.empty() || (pass == 1 && key == s.units[i].lower)) continue;
            // a finite verb merged into a term would lose its person and tense ("geht nach")
            if (s.units[i].cls == kClassVerb && s.units[i].reading.tag != kFormBase) continue;
            bool matched = false;
            for (const PhraseRecord& p : s.catalogue.PhrasesStartingWith(key)) {
                if (!PhraseStandsAt(s, p, i, lemmas)) continue;
                std::vector<std::string_view> parts = SplitWords(s.catalogue.String(p.text));
                bool nounInside = false;
                for (std::size_t k = i + 1; k < i + parts.size() && k < s.units.size(); ++k)
                    nounInside = nounInside || (s.units[k].capital && !s.units[k].start);
                if (parts.size() != p.tokenCount || !WorthMatching(s.catalogue.Tables(), parts, nounInside)) continue;
                if (LongerTermOverlaps(s, i, parts.size(), lemmas)) continue;
                // nor an inflected verb later in it ("nach Berlin gefahren" keeps its participle),
                // unless the phrase itself is written with that finite form ("wie geht es dir")
                bool inflectedVerb = false;
                for (std::size_t k = i + 1; k < i + parts.size() && k < s.units.size(); ++k)
                    inflectedVerb = inflectedVerb ||
                                    (s.units[k].cls == kClassVerb &&
                                     (s.units[k].reading.tag == kFormPastPart || Lower1252(parts[k - i]) != s.units[k].lower) &&
                                     (s.units[k].reading.tag != kFormBase || s.units[k].lower != lemmas[k]));
                if (inflectedVerb) continue;
                // "um 5 Prozent": a number before its noun counts the noun, no term's time ("um 5")
                const std::size_t after = i + parts.size();
                if (s.units[after - 1].number && after < s.units.size() && s.units[after].cls == kClassNoun &&
                    lemmas[after] != "uhr")
                    continue;
                // "sechs Uhr": a time of the clock is the clock rules' ("about six o'clock" is no term)
                if (s.units[i].cls == kClassNumeral && lemmas[after - 1] == "uhr") continue;
                // "Gehen wir!" (Let's go!) is a call of its own, not the start of "gehen wir nach Hause"
                Records<SenseRecord> senses = s.catalogue.Senses(p.firstSense, p.senseCount);
                const std::string_view first = senses.empty() ? std::string_view() : s.catalogue.String(senses.begin()->text);
                if (!first.empty() && first.back() == '!' && after < s.units.size() && !s.units[after].punct) continue;
                MergePhrase(s, p, i, parts.size(), lemmas);
                // "Guten Morgen, Peter!": the sentence's own marks follow (Good morning, Peter!)
                std::string& english = s.units[i].english;
                if (!english.empty() && english.back() == '!' && i + 1 < s.units.size()) english.pop_back();
                matched = true;
                break;
            }
            if (matched) break;
        }
    }
}

namespace {

// Determiner, adjectives (with numbers and "sehr"), nouns: where that ends.
std::size_t SimpleNounPhraseEnd(const GermanSentence& s, std::size_t start, std::size_t end) {
    const std::vector<GermanUnit>& units = s.units;
    if (units[start].attributeEnd > start && units[start].attributeEnd <= end) return units[start].attributeEnd;
    std::size_t i = start;
    bool determiner = false;
    while (i < end && units[i].fw && units[i].fw->kind == GermanKind::Article) { ++i; determiner = true; }
    while (i < end && !units[i].punct &&
           ((!units[i].fw && (units[i].cls == kClassAdjective || units[i].cls == kClassAdverb ||
                              units[i].cls == kClassNumeral)) ||
            units[i].number || (units[i].fw && units[i].fw->kind == GermanKind::Adverb && units[i].lower == "sehr")))
        ++i;
    std::size_t nouns = i;
    // "Präsident Obama", "Firma Siemens": a noun and a name; but two common nouns are two
    // phrases ("Spricht dein Vater Französisch?")
    while (i < end && !units[i].punct && !units[i].fw && (IsNounLike(units[i]) || (units[i].fixed && units[i].cls == kClassNoun)) &&
           !(i > nouns && units[i].cls == kClassNoun && units[i - 1].cls == kClassNoun))
        ++i;
    if (i > nouns) return i;
    // "sechs von zehn", "zwei": a number stands for its noun
    const bool counted = nouns > start && (units[nouns - 1].number || units[nouns - 1].cls == kClassNumeral);
    if (counted) return i;
    if (!determiner) return start;
    // "waren alle müde.": a determiner with no noun stands alone, and an adjective without
    // an ending that closes the clause is said of it; "viele andere", "die Reichen" stand for a noun
    std::size_t afterDeterminers = start;
    while (afterDeterminers < i && units[afterDeterminers].fw) ++afterDeterminers;
    const bool closes = i >= end || units[i].punct;
    auto saidOfIt = [](const GermanUnit& u) { return u.cls == kClassAdjective && !u.capital && u.source == u.lemma; };
    const bool predicative =
        closes && afterDeterminers < i && std::all_of(units.begin() + afterDeterminers, units.begin() + i, saidOfIt);
    return predicative ? afterDeterminers : i;
}

}  // namespace

std::size_t GermanNounPhraseEnd(const GermanSentence& s, std::size_t start, std::size_t end) {
    const std::vector<GermanUnit>& units = s.units;
    if (start >= end) return start;
    const GermanUnit& first = units[start];
    if (first.fw && (first.fw->kind == GermanKind::Pronoun || first.fw->kind == GermanKind::Question) &&
        first.fw->nominative)
        return start + 1;
    std::size_t i = SimpleNounPhraseEnd(s, start, end);
    // "sechs von zehn Republikanern": a number and whom it counts
    if (i > start && i + 1 < end && (units[i - 1].number || units[i - 1].cls == kClassNumeral) && units[i].lower == "von") {
        std::size_t counted = SimpleNounPhraseEnd(s, i + 1, end);
        if (counted > i + 1) i = counted;
    }
    // "der Preis der Wohnungen": a genitive attribute belongs to its noun
    while (i > start && i < end && IsNounLike(units[i - 1]) && (units[i].lower == "der" || units[i].lower == "des") &&
           units[i].fw && units[i].fw->kind == GermanKind::Article) {
        std::size_t attribute = SimpleNounPhraseEnd(s, i, end);
        if (attribute <= i + 1 || !IsNounLike(units[attribute - 1])) break;
        i = attribute;
    }
    return i;
}

namespace {

// "beheimatete", "geplanten", "parkenden", "bekannten": a participle or an adjective
// with the ending it takes before a noun ("gelobten" is also the past of "geloben").
bool InflectedAttribute(const GermanSentence& s, const GermanUnit& u) {
    if (u.fw || u.punct || u.lower.size() < 4) return false;
    const bool participle = (u.cls == kClassVerb && (u.reading.tag == kFormPastPart || u.reading.tag == kFormPresPart)) ||
                            InflectedParticiple(s.catalogue, u.source).word;
    if (!participle && u.cls != kClassAdjective) return false;
    for (const char* ending : {"e", "en", "er", "es", "em"})
        if (EndsWith(u.lower, ending)) return true;
    return false;
}

// The modifiers of an extended attribute: a preposition's phrase, adverbs and
// numbers, no verb, no mark, no clause word.
bool CanModifyAnAttribute(const GermanUnit& u) {
    if (u.punct || u.relative) return false;
    if (!u.fw) return u.cls != kClassVerb || u.reading.tag == kFormPastPart;
    switch (u.fw->kind) {
    case GermanKind::Article:
    case GermanKind::Preposition:
    case GermanKind::Adverb:
    case GermanKind::Negation: return true;
    default: return false;
    }
}

}  // namespace

// Table span-after-word gives the English after the span (zuvor: earlier), table
// span-quantity the English of the words of quantity before its noun (wenige: a few).
void AberInsideAClauseGoesToItsFront(GermanSentence& s) {
    std::vector<GermanUnit>& units = s.units;
    for (std::size_t i = 1; i + 1 < units.size(); ++i) {
        const GermanUnit& prev = units[i - 1];
        // "arm aber glücklich", "klein, aber fein": between two words it joins them
        if (units[i].lower != "aber" || prev.punct || prev.cls == kClassAdjective || units[i + 1].punct ||
            (prev.fw && (prev.fw->kind == GermanKind::Coordinator || prev.fw->kind == GermanKind::Subordinator)))
            continue;
        std::size_t start = i;
        bool verb = false;
        while (start > 0 && !units[start - 1].punct) {
            --start;
            verb = verb || (!units[start].fw && units[start].cls == kClassVerb) ||
                   (units[start].fw && (units[start].fw->kind == GermanKind::Auxiliary || units[start].fw->kind == GermanKind::Modal));
        }
        const GermanUnit& first = units[start];
        const bool subordinate = first.relative || (first.fw && (first.fw->kind == GermanKind::Subordinator ||
                                                                  first.fw->kind == GermanKind::Relative ||
                                                                  first.fw->kind == GermanKind::Question));
        if (!verb || subordinate || start + 1 >= i) continue;
        GermanUnit aber = std::move(units[i]);
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i));
        aber.start = units[start].start;
        units[start].start = false;
        if (aber.start) aber.capital = true;
        units.insert(units.begin() + static_cast<std::ptrdiff_t>(start), std::move(aber));
        if (s.applied) s.applied->push_back("AberInsideAClauseGoesToItsFront");
    }
}

namespace {

// The units first..last become one adverb of time with its English; lemma is the time's
// noun, by which the clause rules know it ("drei Tage später": Tag).
void JoinAsOneTimeAdverb(std::vector<GermanUnit>& units, std::size_t first, std::size_t last, const std::string& lemma,
                         const std::string& english) {
    GermanUnit& u = units[first];
    for (std::size_t m = first + 1; m <= last; ++m) u.source += " " + units[m].source;
    u.lower = Lower1252(u.source);
    u.lemma = lemma;
    u.english = english;
    u.fw = nullptr;
    u.cls = kClassAdverb;
    u.number = false;
    u.fixed = true;
    u.known = true;
    u.plural = false;
    units.erase(units.begin() + static_cast<std::ptrdiff_t>(first + 1), units.begin() + static_cast<std::ptrdiff_t>(last + 1));
}

}  // namespace

// "haben die Beiträge blockiert und gelöscht", "werden das Haus kaufen und renovieren": two
// verbs of one form at the end of a clause share its auxiliary; English says them together
// after it (have blocked and deleted the posts). The second joins the first.
void VerbsJoinedByUndShareTheAuxiliary(GermanSentence& s) {
    std::vector<GermanUnit>& units = s.units;
    auto nonFinite = [&](const GermanUnit& u) {
        return !u.fw && !u.fixed && u.cls == kClassVerb && !u.reading.zuInfinitive && u.andEnglish.empty() &&
               (u.reading.tag == kFormPastPart || u.reading.tag == kFormBase);
    };
    auto helper = [](const GermanUnit& u) {
        return u.fw && (u.fw->aux != AuxVerb::None || u.fw->kind == GermanKind::Modal) && !u.fw->participle;
    };
    std::size_t clauseStart = 0;
    for (std::size_t i = 0; i + 2 < units.size(); ++i) {
        if (units[i].punct) { clauseStart = i + 1; continue; }
        GermanUnit& first = units[i];
        const GermanUnit& second = units[i + 2];
        if (!nonFinite(first) || units[i + 1].lower != "und" || !nonFinite(second) ||
            first.reading.tag != second.reading.tag)
            continue;
        // the clause ends after them, or after the finite verb of a clause with its verb last
        std::size_t after = i + 3;
        const bool finiteLast = after < units.size() && helper(units[after]);
        if (finiteLast) ++after;
        if (after < units.size() && !units[after].punct) continue;
        // "erkennen und sehen, wie es geht": a clause after the comma may be the second's object
        if (after + 1 < units.size() && units[after].source == "," && units[after + 1].fw &&
            (units[after + 1].fw->kind == GermanKind::Subordinator || units[after + 1].fw->kind == GermanKind::Question))
            continue;
        bool helperBefore = false;
        for (std::size_t k = clauseStart; k < i && !helperBefore; ++k) helperBefore = helper(units[k]);
        if (!helperBefore && !finiteLast) continue;
        first.andEnglish = second.english;
        first.source += " " + units[i + 1].source + " " + second.source;
        first.lower += " und " + second.lower;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1), units.begin() + static_cast<std::ptrdiff_t>(i + 3));
        if (s.applied) s.applied->push_back("VerbsJoinedByUndShareTheAuxiliary");
    }
}

// "um halb neun": German names the half hour by the hour it leads to, English by the one
// it follows (half past eight; table half-hour-german, digits counted alike).
void HalfBeforeAnHour(GermanSentence& s) {
    std::vector<GermanUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t k = 0; k + 1 < units.size(); ++k) {
        if (units[k].lower != "halb" || units[k].fixed) continue;
        const GermanUnit& hour = units[k + 1];
        std::string before = tables.Value("half-hour-german", hour.lower);
        if (before.empty() && hour.number && hour.source.size() <= 2 &&
            hour.source.find_first_not_of("0123456789") == std::string::npos) {
            const int h = std::stoi(hour.source);
            if (h >= 1 && h <= 24) before = std::to_string((h + 10) % 12 + 1);  // the hour before, on a 12-hour face
        }
        if (before.empty()) continue;
        // "halb zwei Kilo": a noun after the number is what it counts
        std::size_t end = k + 2;
        if (end < units.size() && units[end].lower == "uhr") ++end;
        else if (end < units.size() && !units[end].fw && units[end].cls == kClassNoun) continue;
        JoinAsOneTimeAdverb(units, k, end - 1, "Uhr", "half past " + before);
        if (s.applied) s.applied->push_back("HalfBeforeAnHour");
    }
}

void SpanOfTimeBeforeEarlierOrLater(GermanSentence& s) {
    std::vector<GermanUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t k = 2; k < units.size(); ++k) {
        const std::string& after = tables.Value("span-after-word", units[k].lower);
        const GermanUnit& noun = units[k - 1];
        if (after.empty() || noun.fw || noun.fixed || noun.cls != kClassNoun || !tables.InList("time-noun", Lower1252(noun.lemma)))
            continue;
        std::size_t j = k - 1;
        while (j > 0 && !units[j - 1].punct &&
               (units[j - 1].number || units[j - 1].cls == kClassNumeral || IsGermanNumberWord(tables, units[j - 1].lower) ||
                !tables.Value("span-quantity", units[j - 1].lower).empty() ||
                (units[j - 1].fw && units[j - 1].fw->kind == GermanKind::Article && units[j - 1].lower.compare(0, 2, "ei") == 0)))
            --j;
        if (j == k - 1) continue;
        std::string english;
        for (std::size_t m = j; m < k; ++m) {
            const std::string& quantity = tables.Value("span-quantity", units[m].lower);
            english += (english.empty() ? "" : " ") + (quantity.empty() ? UnitEnglish(s, m) : quantity);
        }
        const std::string lemma = noun.lemma;  // the clause rules know a time by its noun
        JoinAsOneTimeAdverb(units, j, k, lemma, english + " " + after);
        if (s.applied) s.applied->push_back("SpanOfTimeBeforeEarlierOrLater");
        k = j + 1;
    }
}

void MarkExtendedAttributes(GermanSentence& s) {
    std::vector<GermanUnit>& units = s.units;
    for (std::size_t i = 0; i + 4 < units.size(); ++i) {
        if (!units[i].fw || units[i].fw->kind != GermanKind::Article || units[i].relative) continue;
        const GermanUnit& first = units[i + 1];
        if (!first.fw || first.fw->kind != GermanKind::Preposition) continue;
        // the attribute follows the preposition's noun, within a few words
        std::size_t at = i + 2;
        while (at < units.size() && at < i + 9 && CanModifyAnAttribute(units[at]) &&
               !(InflectedAttribute(s, units[at]) && IsNounLike(units[at - 1])))
            ++at;
        if (at >= units.size() || !InflectedAttribute(s, units[at]) || !IsNounLike(units[at - 1])) continue;
        std::size_t noun = at + 1;
        while (noun < units.size() && !units[noun].fw && units[noun].cls == kClassAdjective) ++noun;
        if (noun >= units.size() || units[noun].fw || !IsNounLike(units[noun])) continue;
        // "die von der Regierung geplanten Reformen": with its agent, the adjective is the participle
        bool agent = false;
        for (std::size_t k = i + 1; k < at; ++k)
            agent = agent || !s.catalogue.Tables().Value("passive-agent", units[k].lower).empty();
        const bool finite = units[at].cls == kClassVerb && units[at].reading.tag != kFormPastPart &&
                            units[at].reading.tag != kFormPresPart;
        const GermanReading participle = InflectedParticiple(s.catalogue, units[at].source);
        if (participle.word && (finite || (agent && units[at].cls == kClassAdjective)))
            TakeReading(s, units[at], participle);
        GermanUnit& determiner = units[i];
        determiner.attribute.clear();
        for (std::size_t k = at + 1; k <= noun; ++k) determiner.attribute.push_back(k);
        determiner.attribute.push_back(at);
        for (std::size_t k = i + 1; k < at; ++k) determiner.attribute.push_back(k);
        determiner.attributeEnd = noun + 1;
        for (std::size_t k = i + 1; k <= noun; ++k) units[k].inAttribute = true;
        i = noun;
    }
}

// "mir" -> "ich": the dative pronoun made the subject pronoun (table dative-to-nominative),
// spelt with a capital where it opens the sentence. False when there is none.
bool TheDativeAsSubject(const EngineTables& tables, GermanUnit& u) {
    const std::string nominative = tables.Value("dative-to-nominative", u.lower);
    const GermanWord* word = tables.German(nominative);
    if (!word) return false;
    u.fw = word;
    u.lower = nominative;
    u.english = word->english;
    u.source = nominative;
    if (u.start) u.source[0] = static_cast<char>(ToUpper1252(static_cast<unsigned char>(u.source[0])));
    return true;
}

// "Mir wurde nicht geholfen", "Uns wurde gesagt, dass ...": a passive with no subject
// but the dative of a verb that English makes passive with that person (table
// dative-passive-verb: helped, told, given) makes the dative pronoun the subject (I was
// not helped). So does "sein" with an adjective of how one feels ("Mir ist heute kalt": I
// am cold today; table dative-feeling-adjective). Only where no other noun phrase could
// be the subject.
void DativeWithoutASubjectIsTheSubject(GermanSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    std::vector<GermanUnit>& units = s.units;
    auto listed = [&](const GermanUnit& u, std::uint8_t cls, const char* table) {
        return !u.fw && u.cls == cls && tables.InList(table, Lower1252(u.lemma));
    };
    for (std::size_t begin = 0; begin < units.size();) {
        std::size_t end = begin;
        while (end < units.size() && !units[end].punct) ++end;
        std::size_t dative = end, participle = end, datives = 0;
        bool werden = false, sein = false, feeling = false, subject = false;
        for (std::size_t k = begin; k < end; ++k) {
            const GermanUnit& u = units[k];
            werden = werden || (u.fw && u.fw->aux == AuxVerb::Werden && !u.fw->participle);
            sein = sein || (u.fw && u.fw->aux == AuxVerb::Sein && !u.fw->participle);
            feeling = feeling || listed(u, kClassAdjective, "dative-feeling-adjective");
            if (listed(u, kClassVerb, "dative-passive-verb") && u.reading.tag == kFormPastPart) participle = k;
            if (u.fw && u.fw->kind == GermanKind::Pronoun && !tables.Value("dative-to-nominative", u.lower).empty()) {
                dative = k;
                ++datives;
            }
            subject = subject || (u.fw && (IsNominativePronoun(u) || u.fw->kind == GermanKind::Article)) ||
                      (IsNounLike(u) && !u.start);
        }
        const bool passive = werden && participle != end;
        if ((passive || (sein && feeling)) && datives == 1 && !subject) {
            // "Uns wurde gesagt": we were told
            const std::string english = passive ? tables.Value("dative-passive-verb", Lower1252(units[participle].lemma)) : "";
            if (!english.empty()) {
                units[participle].english = english;
                units[participle].senses.clear();
            }
            if (TheDativeAsSubject(tables, units[dative]) && s.applied) s.applied->push_back("DativeWithoutASubjectIsTheSubject");
        }
        begin = end + 1;
    }
}

// "Das Buch gefällt mir", "Mir gefällt das Buch", "Gefällt dir das Buch?": German
// names the one who likes in the dative; English makes that one the subject (table
// experiencer-verb: gefallen, like). The first clause is rewritten as German would say it
// with "mögen": the dative pronoun becomes the subject pronoun (table
// dative-to-nominative), and a subject that stood first goes after the verb.
void ExperiencerBecomesTheSubject(GermanSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    std::vector<GermanUnit>& units = s.units;
    std::size_t begin = 0;
    while (begin < units.size() && units[begin].punct) ++begin;
    std::size_t end = begin;
    while (end < units.size() && !units[end].punct) ++end;
    std::size_t verb = end, dative = end, auxiliary = end;
    for (std::size_t k = begin; k < end; ++k) {
        const GermanUnit& u = units[k];
        if (u.fw && u.fw->kind == GermanKind::Subordinator) return;
        if (u.fw && IsNominativePronoun(u) && u.lower != "es") return;  // "Du fehlst mir": a subject of its own
        if (auxiliary == end && u.fw && IsFiniteCandidate(u)) auxiliary = k;
        if (u.fw && u.fw->kind == GermanKind::Pronoun && !tables.Value("dative-to-nominative", u.lower).empty()) {
            if (dative != end) return;  // two of them: "mir ... ihm"
            dative = k;
        }
    }
    if (dative == end) return;  // most sentences: no word is analysed again
    GermanReading reading;
    for (std::size_t k = begin; k < end; ++k) {
        const GermanUnit& u = units[k];
        if (u.fw || u.fixed || u.cls != kClassVerb) continue;
        // "gefällt" is also the participle of "fällen", "gefallen" that of "fallen": with a
        // dative beside it, the reading of the verb of liking; its participle after an auxiliary
        for (GermanReading r : AnalyseGermanWord(s.catalogue, u.source, u.start)) {
            if (r.word->wordClass != kClassVerb || tables.Value("experiencer-verb", LemmaOf(s.catalogue, r.word)).empty())
                continue;
            // "hat mir gefallen": the participle is spelt as the infinitive
            const bool perfect = auxiliary < k && units[auxiliary].fw->aux != AuxVerb::None &&
                                 units[auxiliary].fw->aux != AuxVerb::Werden;
            if (perfect && r.tag == kFormBase && LemmaOf(s.catalogue, r.word) == u.lower) r.tag = kFormPastPart;
            if ((r.tag == kFormPastPart) != perfect || r.tag == kFormPresPart || r.zuInfinitive) continue;
            verb = k;
            reading = r;
        }
    }
    if (verb == end) return;
    const std::size_t finite = auxiliary < verb ? auxiliary : verb;
    TakeReading(s, units[verb], reading);
    // "hat mir gut gefallen": liked it very much
    if (verb > begin && (units[verb - 1].lower == "gut" || units[verb - 1].lower == "sehr gut")) {
        units[verb - 1].english = "very much";
        units[verb - 1].fixed = true;
        if (verb - 1 > begin && units[verb - 2].lower == "sehr") units[verb - 2].drop = true;
    }
    const std::string nominative = tables.Value("dative-to-nominative", units[dative].lower);
    const GermanWord* word = tables.German(nominative);
    if (!word) return;
    GermanUnit& v = units[verb];
    v.english = tables.Value("experiencer-verb", Lower1252(v.lemma));
    v.senses.clear();
    GermanUnit subject = units[dative];
    subject.fw = word;
    subject.lower = nominative;
    subject.source = nominative;
    subject.english = word->english;
    // a subject first ("Das Buch gefällt mir") goes after the verb; anything else first
    // ("Heute", "Welches Kleid", the verb of a question) keeps its place
    const GermanUnit& first = units[begin];
    const bool subjectFirst = dative > finite && finite > begin &&
                              (first.fw ? first.fw->kind == GermanKind::Article || first.lower == "es" : IsNounLike(first));
    if (!subjectFirst) {
        if (dative == begin) subject.start = units[dative].start;
        units[dative] = std::move(subject);
        return;
    }
    subject.start = first.start;
    if (first.start) subject.source[0] = static_cast<char>(ToUpper1252(static_cast<unsigned char>(subject.source[0])));
    units[begin].start = false;
    units.erase(units.begin() + static_cast<std::ptrdiff_t>(dative));
    units.insert(units.begin() + static_cast<std::ptrdiff_t>(begin), std::move(subject));
    // [pronoun][old subject][finite] -> [pronoun][finite][old subject]
    std::rotate(units.begin() + static_cast<std::ptrdiff_t>(begin + 1), units.begin() + static_cast<std::ptrdiff_t>(finite + 1),
                units.begin() + static_cast<std::ptrdiff_t>(finite + 2));
    if (s.applied) s.applied->push_back("ExperiencerBecomesTheSubject");
}

}  // namespace velloc
