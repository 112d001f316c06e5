// English into German, analysis: each word's class and German lemma, from the
// closed-class table, the user lexicon and the catalogue, with its left neighbour
// deciding between classes.
#include <algorithm>
#include <cstring>

#include "engine/dictionary_source.h"
#include "engine/en_de.h"
#include "engine/text_1252.h"

namespace velloc {

bool IsAuxiliary(const EnglishUnit& u) {
    return u.fw && (u.fw->kind == EnKind::Be || u.fw->kind == EnKind::Have || u.fw->kind == EnKind::Do ||
                    u.fw->kind == EnKind::Will || u.fw->kind == EnKind::Modal);
}

bool IsVerb(const EnglishUnit& u) { return IsAuxiliary(u) || (!u.fw && u.cls == kClassVerb); }

bool IsDeterminer(const EnglishUnit& u) {
    return u.fw && (u.fw->kind == EnKind::Article || u.fw->kind == EnKind::Possessive ||
                    u.fw->kind == EnKind::Demonstrative);
}

bool IsNounOrAdjective(const EnglishUnit& u) {
    return !u.fw && (u.cls == kClassNoun || u.cls == kClassAdjective);
}

bool DegreeBeforeAnAdjective(const EnglishSentence& s, std::size_t j, std::size_t end) {
    return j + 1 < end && s.units[j].lower != "not" && s.catalogue.Tables().InList("english-degree-word", s.units[j].lower) &&
           !s.units[j + 1].fw && s.units[j + 1].cls == kClassAdjective;
}

std::size_t EnglishSubjectEnd(const EnglishSentence& s, std::size_t i, std::size_t end) {
    const std::vector<EnglishUnit>& units = s.units;
    if (i >= end) return i;
    if (units[i].fw && units[i].fw->kind == EnKind::Pronoun) return i + 1;
    // "Is this your bag?": a pointing word before another determiner stands alone
    if (units[i].fw && units[i].fw->kind == EnKind::Demonstrative && i + 1 < end && IsDeterminer(units[i + 1])) return i + 1;
    std::size_t j = i;
    if (IsDeterminer(units[j])) ++j;
    while (j < end && !units[j].punct &&
           ((!units[j].fw && (units[j].cls == kClassAdjective || units[j].number)) || DegreeBeforeAnAdjective(s, j, end)))
        ++j;
    std::size_t nouns = j;
    while (j < end && !units[j].fw && !units[j].punct &&
           (units[j].cls == kClassNoun || units[j].cls == kClassName || (!units[j].known && units[j].capital)))
        ++j;
    return j > nouns ? j : i;
}

// "Hast du gut geschlafen?": a term's German that says the familiar "you".
bool SpeaksFamiliarly(const EngineTables& tables, std::string_view german) {
    for (std::string_view word : SplitWords(german)) {
        while (!word.empty() && !IsLetter1252(static_cast<unsigned char>(word.back()))) word.remove_suffix(1);
        if (tables.InList("familiar-you", Lower1252(word))) return true;
    }
    return false;
}

bool OfBeforeDeterminer(const EnglishSentence& s, std::size_t i, std::size_t end) {
    if (s.units[i].lower != "of" || i + 1 >= end || !s.units[i + 1].fw) return false;
    const EnglishWord* next = s.units[i + 1].fw;
    return next->kind == EnKind::Possessive ||
           (next->kind == EnKind::Article && next->german != std::string("kein"));
}

bool TakeAdjectiveReading(const EnglishSentence& s, EnglishUnit& u) {
    for (FormLink link : s.catalogue.Forms(u.lower)) {
        const WordRecord* w = s.catalogue.Word(LinkWord(link));
        if (!w || !w->senseCount || w->wordClass != kClassAdjective) continue;
        Records<SenseRecord> senses = s.catalogue.Senses(w->firstSense, w->senseCount);
        if (senses.empty()) continue;
        u.cls = kClassAdjective;
        u.tag = kFormBase;
        u.german = s.catalogue.String(senses.begin()->text);
        return true;
    }
    return false;
}

bool PhraseOpensWithAPreposition(const EnglishSentence& s, const EnglishUnit& u) {
    const std::size_t blank = u.lower.find(' ');
    // "in order to prevent": um zu verhindern, an infinitive, no place or time
    const std::size_t zu = (" " + u.german + " ").find(" zu ");
    const bool infinitive = zu != std::string::npos && zu + 3 < u.german.size() &&
                            !IsUpper1252(static_cast<unsigned char>(u.german[zu + 3]));  // "zu Hause" is a place
    return !u.fw && blank != std::string::npos && !u.german.empty() && !infinitive &&
           s.catalogue.Tables().English(u.lower.substr(0, blank), EnKind::Preposition);
}

bool EnglishVerbAhead(const EnglishSentence& s, std::size_t i, std::size_t end) {
    for (std::size_t k = i; k < end && !s.units[k].punct; ++k)
        if (IsAuxiliary(s.units[k]) || (!s.units[k].fw && s.units[k].cls == kClassVerb)) return true;
    return false;
}

namespace {

const SenseRecord* BestSense(const EnglishSentence& s, const WordRecord* w, std::uint8_t cls) {
    Records<SenseRecord> senses = s.catalogue.Senses(w->firstSense, w->senseCount);
    const SenseRecord* best = nullptr;
    for (const SenseRecord& sense : senses) {
        if (s.options.subjects && (sense.subjects & s.options.subjects)) return &sense;
        if (!best && (cls == 0 || sense.wordClass == cls)) best = &sense;
    }
    return best ? best : (senses.empty() ? nullptr : senses.begin());
}

// The catalogue word of the form (of the class, when one is wanted): the first
// whose listed form is the wanted one ("saw" as the past of "see", not the verb
// "saw"), else the first.
bool LookUp(const EnglishSentence& s, EnglishUnit& u, const std::string& form, std::uint8_t wantClass, std::uint8_t tag) {
    const WordRecord* chosen = nullptr;
    std::uint8_t chosenTag = tag;
    bool listed = false;  // the dictionary lists the form as the tagger read it
    for (FormLink link : s.catalogue.Forms(form)) {
        const WordRecord* w = s.catalogue.Word(LinkWord(link));
        if (!w || !w->senseCount) continue;
        if (wantClass && w->wordClass != wantClass) continue;
        const bool exact = tag != kFormBase && LinkTag(link) == tag;
        if (chosen && !exact) continue;
        chosen = w;
        listed = exact;
        chosenTag = LinkTag(link) == kFormBase ? tag : static_cast<std::uint8_t>(LinkTag(link));
        if (exact || tag == kFormBase) break;
    }
    if (!chosen) return false;
    // "The dogs play.": the tagger's past for a verb's own base form stands only where
    // the past is spelt so (table english-past-as-base: "put", "cut", "read")
    if (chosenTag == kFormPast && !listed && form == u.lower && chosen->wordClass == kClassVerb &&
        s.catalogue.String(chosen->lemma) == form &&
        !s.catalogue.Tables().InList("english-past-as-base", form))
        chosenTag = kFormBase;
    const SenseRecord* sense = BestSense(s, chosen, chosen->wordClass);
    if (!sense) return false;
    u.cls = chosen->wordClass;
    u.tag = chosenTag;
    u.lemma = s.catalogue.String(chosen->lemma);
    u.german = s.catalogue.String(sense->text);
    u.gender = sense->gender;
    // "the police are": a collective English counts as plural is one thing in German (die Polizei ist)
    u.plural = chosenTag == kFormPlural && !s.catalogue.Tables().InList("german-singular-noun", u.lower);
    return true;
}

// The class the left neighbour expects: after a determiner a noun, after a subject
// or "to" a verb, after "is" or "very" an adjective.
std::uint8_t WantedClass(const EnglishUnit& u, const EnglishUnit* previous) {
    std::uint8_t want = kClassNone;
    if (previous && previous->fw) {
        EnKind k = previous->fw->kind;
        if (k == EnKind::Article || k == EnKind::Possessive || k == EnKind::Demonstrative || k == EnKind::Preposition) want = kClassNoun;
        if (k == EnKind::Pronoun || k == EnKind::Modal || k == EnKind::Will || k == EnKind::Do || k == EnKind::Negation) want = kClassVerb;
        if (previous->lower == "to") want = kClassVerb;
        const bool progressive = u.lower.size() > 4 && u.lower.compare(u.lower.size() - 3, 3, "ing") == 0;
        if ((k == EnKind::Be && !progressive) || (k == EnKind::Adverb && (previous->lower == "very" || previous->lower == "too")))
            want = kClassAdjective;  // "is long", "very long"; "is going" stays a verb
    }
    if (previous && !previous->fw && previous->cls == kClassAdjective) want = kClassNoun;
    return want;
}

// Inflected forms the catalogue does not list: plurals, third persons, pasts,
// -ing forms and -ly adverbs of listed words.
// first: the class to try first for an -s form (the tagger's, when it said).
bool LookUpByEnding(const EnglishSentence& s, EnglishUnit& u, std::uint8_t first = kClassNoun) {
    const std::string& w = u.lower;
    auto ends = [&](const char* e) { std::size_t n = std::strlen(e); return w.size() > n + 1 && w.compare(w.size() - n, n, e) == 0; };
    auto stem = [&](std::size_t n) { return w.substr(0, w.size() - n); };
    auto nounOrVerb = [&](const std::string& lemma) {
        if (first == kClassVerb)
            return LookUp(s, u, lemma, kClassVerb, kFormThird) || LookUp(s, u, lemma, kClassNoun, kFormPlural);
        return LookUp(s, u, lemma, kClassNoun, kFormPlural) || LookUp(s, u, lemma, kClassVerb, kFormThird);
    };
    const bool doubled3 = w.size() > 4 && w[w.size() - 3] == w[w.size() - 4];
    const bool doubled4 = w.size() > 5 && w[w.size() - 4] == w[w.size() - 5];
    if (ends("ies") && nounOrVerb(stem(3) + "y")) return true;
    if (ends("es") && nounOrVerb(stem(2))) return true;
    if (ends("s") && nounOrVerb(stem(1))) return true;
    if (ends("ied") && LookUp(s, u, stem(3) + "y", kClassVerb, kFormPast)) return true;
    if (ends("ed") && (LookUp(s, u, stem(2), kClassVerb, kFormPast) || LookUp(s, u, stem(1), kClassVerb, kFormPast) ||
                       (doubled3 && LookUp(s, u, stem(3), kClassVerb, kFormPast))))
        return true;
    if (ends("ing") && (LookUp(s, u, stem(3), kClassVerb, kFormPresPart) || LookUp(s, u, stem(3) + "e", kClassVerb, kFormPresPart) ||
                        (doubled4 && LookUp(s, u, stem(4), kClassVerb, kFormPresPart))))
        return true;
    // "stricter", "closer", "bigger", "happier": the comparative of a listed adjective
    auto compared = [&](std::size_t n, std::uint8_t form) {
        return LookUp(s, u, stem(n), kClassAdjective, form) || LookUp(s, u, stem(n - 1), kClassAdjective, form) ||
               (w.size() > n + 2 && w[w.size() - n - 1] == w[w.size() - n - 2] && LookUp(s, u, stem(n + 1), kClassAdjective, form)) ||
               (w[w.size() - n - 1] == 'i' && LookUp(s, u, stem(n + 1) + "y", kClassAdjective, form));
    };
    if (ends("er") && compared(2, kFormComparative)) return true;
    if (ends("est") && compared(3, kFormSuperlative)) return true;
    return ends("ly") && (LookUp(s, u, stem(2), kClassAdjective, kFormBase) || LookUp(s, u, stem(3) + "y", kClassAdjective, kFormBase));
}

// "kilometres", "colour", "organised", "travelled": the American spelling the dictionary
// lists the word under ("" when there is none to try).
std::string AmericanSpelling(const std::string& w) {
    static const char* const kEndings[][2] = {
        {"tres", "ters"}, {"tre", "ter"}, {"ours", "ors"}, {"our", "or"}, {"oured", "ored"}, {"ouring", "oring"},
        {"ise", "ize"}, {"ises", "izes"}, {"ised", "ized"}, {"ising", "izing"}, {"isation", "ization"},
        {"isations", "izations"}, {"lled", "led"}, {"lling", "ling"}, {"ogue", "og"}, {"ogues", "ogs"},
        {"yse", "yze"}, {"ysed", "yzed"}, {"ence", "ense"}};
    for (const auto& ending : kEndings) {
        const std::size_t n = std::strlen(ending[0]);
        if (w.size() > n + 2 && w.compare(w.size() - n, n, ending[0]) == 0) return w.substr(0, w.size() - n) + ending[1];
    }
    return std::string();
}

// The class and form the tagger gives a word; class none for function words.
struct TagReading {
    std::uint8_t cls = kClassNone;
    std::uint8_t form = kFormBase;
};

TagReading ReadingOfTag(EnglishTag tag) {
    switch (tag) {
    case kTagNoun: case kTagGenitive: return {kClassNoun, kFormBase};
    case kTagNounPlural: return {kClassNoun, kFormPlural};
    case kTagProperNoun: return {kClassName, kFormBase};
    case kTagVerbBase: return {kClassVerb, kFormBase};
    case kTagVerbThird: return {kClassVerb, kFormThird};
    case kTagVerbPast: return {kClassVerb, kFormPast};
    case kTagVerbPastPart: return {kClassVerb, kFormPastPart};
    case kTagVerbIng: return {kClassVerb, kFormPresPart};
    case kTagAdjective: return {kClassAdjective, kFormBase};
    case kTagComparative: return {kClassAdjective, kFormComparative};
    case kTagSuperlative: return {kClassAdjective, kFormSuperlative};
    case kTagAdverb: return {kClassAdverb, kFormBase};
    default: return {};
    }
}

// The tags the dictionary allows a word: its classes' tag sets (0: no limit).
TagMask DictionaryTags(const Catalogue& catalogue, const std::string& source, const std::string& lower) {
    TagMask mask = 0;
    for (const std::string& form : {source, lower})
        for (FormLink link : catalogue.Forms(form)) {
            const WordRecord* w = catalogue.Word(LinkWord(link));
            if (!w || !w->senseCount) continue;
            if (w->wordClass == kClassNoun) mask |= kNounTags;
            if (w->wordClass == kClassVerb) mask |= kVerbTags;
            if (w->wordClass == kClassAdjective) mask |= kAdjectiveTags | TagBit(kTagVerbPastPart) | TagBit(kTagVerbIng);
            if (w->wordClass == kClassAdverb) mask |= TagBit(kTagAdverb) | TagBit(kTagParticle);
        }
    if (mask & kNounTags) mask |= TagBit(kTagProperNoun);  // "Baker" may be a name
    // "at one point": a number word is a number too, whatever noun the dictionary has
    if (mask && (lower == "one" || catalogue.Tables().InList("english-number", lower))) mask |= TagBit(kTagNumber);
    return mask;
}

// "TIME", "NATO": two letters or more, every one a capital.
bool AllCapitals(std::string_view word) {
    if (word.size() < 2) return false;
    for (char ch : word)
        if (!IsUpper1252(static_cast<unsigned char>(ch))) return false;
    return true;
}

// "co-defendant", "ex-president": an unknown noun joined by a hyphen is its last part's
// noun, with the part before kept as German writes it (Co-Angeklagte, Ex-Präsident).
bool HyphenatedNoun(const EnglishSentence& s, EnglishUnit& u, std::uint8_t form) {
    const std::size_t dash = u.lower.rfind('-');
    // one hyphen only: "lay-of-the-land", "half-an-hour" are phrases, not compounds
    if (dash == std::string::npos || dash < 2 || dash + 2 >= u.lower.size() || u.lower.find('-') != dash) return false;
    EnglishUnit head = u;
    head.source = head.lower = u.lower.substr(dash + 1);
    if (!LookUp(s, head, head.lower, kClassNoun, form) && !LookUpByEnding(s, head, kClassNoun)) return false;
    if (head.cls != kClassNoun || head.german.empty()) return false;
    const std::string before = u.source.substr(0, dash);
    head.german = Capitalised(before) + "-" + head.german;
    head.source = u.source;
    head.lower = u.lower;
    u = head;
    return true;
}

// "three-hour", "red-green", "meat-eating", "state-sponsored": an adjective of two parts
// is one German adjective: a count and its unit (dreistündig; table unit-adjective), two
// adjectives (rot-grün), or a noun and a participle (fleischessend, staatgesponsert).
bool HyphenatedAdjective(const EnglishSentence& s, EnglishUnit& u) {
    const std::size_t dash = u.lower.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 2 >= u.lower.size() || u.lower.find('-', dash + 1) != std::string::npos)
        return false;
    const EngineTables& tables = s.catalogue.Tables();
    const std::string first = u.lower.substr(0, dash), last = u.lower.substr(dash + 1);
    // "well-received", "anti-doping", "super-sized": a first part of degree or a prefix is no noun
    if (tables.InList("english-prefix-part", first)) return false;
    std::string german;
    const std::string& unit = tables.Value("unit-adjective", last);
    const std::string& count = tables.Value("english-number", first);
    if (!unit.empty() && (!count.empty() || std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; })))
        german = count.empty() ? first + "-" + unit : count + unit;
    EnglishUnit head = u, modifier = u;
    const std::string& tail = tables.Value("english-compound-tail", last);  // "race-based": basiert
    const bool noun = LookUp(s, modifier, first, kClassNoun, kFormBase) && !modifier.german.empty();
    if (german.empty() && noun && !tail.empty()) german = Lower1252(modifier.german) + tail;
    if (german.empty() && tail.empty() && LookUp(s, head, last, kClassAdjective, kFormBase) &&
        LookUp(s, modifier, first, kClassAdjective, kFormBase))
        german = Lower1252(modifier.german) + "-" + head.german;
    if (german.empty() && noun) {
        const bool ing = EndsWith(last, "ing"), ed = EndsWith(last, "ed");
        head = u;
        head.source = head.lower = last;
        if ((ing || ed) && LookUpByEnding(s, head, kClassVerb) && head.cls == kClassVerb && !head.german.empty())
            german = Lower1252(modifier.german) + (ing ? head.german + "d" : GermanParticiple(s.catalogue, head.german));
    }
    // "in heftiger Bewegung sein" is no part of one word
    if (german.empty() || german.find(' ') != std::string::npos || german.find('\x85') != std::string::npos) return false;
    u.german = german;
    u.cls = kClassAdjective;
    u.tag = kFormBase;
    u.known = true;
    return true;
}

void Analyse(const EnglishSentence& s, EnglishUnit& u, const EnglishUnit* previous, TagReading tagged) {
    auto user = s.user.find(u.lower);
    if (user != s.user.end()) {
        u.german = user->second.translation;
        u.cls = user->second.wordClass;
        u.fixed = u.cls != kClassNoun && u.cls != kClassVerb;
        return;
    }
    // "in May", "on Monday": a month or day inside a sentence is a German noun
    const std::string& month = s.catalogue.Tables().Value("english-month", u.lower);
    if (!month.empty() && u.capital && !u.start) {
        u.german = month;
        u.cls = kClassNoun;
        u.gender = kMasculine;
        u.fixed = true;
        return;
    }
    // "told TIME", "the US army": a word in capitals the catalogue does not spell so is a name
    if (!s.shouting && AllCapitals(u.source) && s.catalogue.Forms(u.source).empty()) {
        u.german = u.source;
        u.cls = kClassName;
        u.fixed = true;
        return;
    }
    u.fw = s.catalogue.Tables().English(u.lower);
    // "like" is a verb too: where the tagger says so, the neighbours decide later
    // (table verb-or-closed-word; LikeByItsNeighbours)
    if (u.fw && tagged.cls == kClassVerb && s.catalogue.Tables().InList("verb-or-closed-word", u.lower)) u.fw = nullptr;
    if (u.fw) return;
    // "Tom" or "Baker" in the middle of a sentence is a name, not the noun "tom"
    const bool nameLike = u.capital && u.source.size() > 1 && !IsUpper1252(static_cast<unsigned char>(u.source[1]));
    // at the start only a listed given name, or one the tagger and the corpus both take for a name ("Peter")
    const bool nameHere = !u.start || s.catalogue.Tables().InList("given-name-word", u.source) ||
                          ((tagged.cls == kClassName || u.possessive) && s.catalogue.IsName(u.source));
    // "Munich", "Vienna": a place German names in its own way; at the start only where
    // the tagger takes it for a name ("Nice to meet you")
    const std::string& place = s.catalogue.Tables().Value("place-name", u.source);
    if (nameLike && !place.empty() && (!u.start || tagged.cls == kClassName)) {
        u.german = place;
        u.cls = kClassName;
        u.fixed = true;
        const std::string& article = s.catalogue.Tables().Value("place-article", place);
        if (!article.empty()) u.gender = article == "f" ? kFeminine : kMasculine;
        return;
    }
    // "the President", "the Government": after a determiner a capital word the tagger takes
    // for a common noun, which the catalogue lists in small letters, is that noun, unless
    // the corpus keeps it as a name
    // "Indonesian President Joko Widodo", "in Congress": a word of office or institution
    // (table english-office-noun) is the German noun wherever it stands
    const bool officeNoun = nameLike && !u.start && s.catalogue.Tables().InList("english-office-noun", u.lower);
    const bool titleNoun = officeNoun || (previous && IsDeterminer(*previous) && tagged.cls == kClassNoun &&
                            !s.catalogue.Forms(u.lower).empty() &&
                            !s.catalogue.IsName(u.source) && u.lower.back() != 's');  // not "the Smiths"
    if (nameLike && nameHere && !titleNoun &&
        (s.catalogue.Forms(u.source).empty() || s.catalogue.IsName(u.source) || tagged.cls == kClassName)) {
        u.german = u.source;
        u.cls = kClassName;
        u.fixed = true;
        return;
    }
    // a word of office in capitals is the common noun the dictionary lists in small letters
    if (officeNoun && LookUp(s, u, u.lower, kClassNoun, kFormBase)) return;
    if (tagged.cls != kClassNone && tagged.cls != kClassName) {
        for (const std::string& form : {u.source, u.lower})
            if (LookUp(s, u, form, tagged.cls, tagged.form)) return;
        if (tagged.cls == kClassVerb || tagged.cls == kClassNoun) {
            // an inflected form the catalogue does not list: by its ending, in the tagged class
            EnglishUnit probe = u;
            if (LookUpByEnding(s, probe, tagged.cls) && probe.cls == tagged.cls) {
                u = probe;
                return;
            }
        }
    }
    const std::uint8_t want = tagged.cls == kClassNone || tagged.cls == kClassName ? WantedClass(u, previous) : tagged.cls;
    for (const std::string& form : {u.source, u.lower}) {
        if (want && LookUp(s, u, form, want, kFormBase)) return;
        if (want == kClassAdjective) continue;  // "is going": a verb form, not an adjective
        if (want == kClassNoun && LookUp(s, u, form, kClassAdjective, kFormBase)) return;
    }
    if (LookUp(s, u, u.source, 0, kFormBase) || LookUp(s, u, u.lower, 0, kFormBase)) return;
    if (LookUpByEnding(s, u)) return;
    if (tagged.cls == kClassNoun && HyphenatedNoun(s, u, tagged.form)) return;
    if (tagged.cls != kClassNoun && HyphenatedAdjective(s, u)) return;
    const std::string american = AmericanSpelling(u.lower);
    if (!american.empty()) {
        EnglishUnit probe = u;
        probe.lower = american;
        if (LookUp(s, probe, american, want, tagged.form) || LookUp(s, probe, american, 0, kFormBase) || LookUpByEnding(s, probe)) {
            probe.lower = u.lower;
            u = std::move(probe);
            return;
        }
    }
    u.known = false;
    u.german = u.source;
    // an unknown word the tagger takes for a noun still ends a noun phrase ("The co-op
    // was closed"): the clause keeps its subject and verb
    if (tagged.cls == kClassNoun) u.cls = kClassNoun;
}

// "ten euros": a number word is a number, written small in German (zehn Euro, not
// the noun "die Zehn").
void NumberWord(const EngineTables& tables, EnglishUnit& u) {
    if (u.punct || u.number || u.fw) return;
    const std::string& clock = tables.Value("english-clock-word", u.lower);
    if (!clock.empty()) {
        u.german = clock;
        u.cls = kClassNoun;
        u.gender = kFeminine;
        u.known = true;
        return;
    }
    const std::string& german = tables.Value("english-number", u.lower);
    if (german.empty()) return;
    u.number = true;
    u.known = true;
    u.german = german;
}

// "don't" is do and not, "I'm" is I and am (the table's contractions); a
// possessive 's goes.
std::vector<std::string> SplitContraction(const EngineTables& tables, const Token& t) {
    const std::string& text = t.text;
    if (Lower1252(text) == "cannot") return {text.substr(0, 3), "not"};
    std::size_t apostrophe = text.find_first_of("'\x92");
    if (apostrophe == std::string::npos || t.kind != TokenKind::Word) return {text};
    std::string head = text.substr(0, apostrophe), tail = Lower1252(text.substr(apostrophe + 1));
    // "it's", "there's": is; "the neighbour's": a possessive, which the unit remembers
    if (tail == "s") return tables.InList("s-is-is", Lower1252(head)) ? std::vector<std::string>{head, "is"}
                                                                       : std::vector<std::string>{head};
    const std::string& expansion = tables.Value("contraction", tail);
    if (expansion.empty()) return {text};
    if (expansion == "not") {
        if (head.size() < 2 || (head.back() != 'n' && head.back() != 'N')) return {text};
        const std::string verb = Lower1252(head.substr(0, head.size() - 1));
        const std::string& irregular = tables.Value("negated-form", verb);
        return {irregular.empty() ? verb : irregular, "not"};
    }
    return {head, expansion};
}


// "Mrs Smith", "Mr Baker": a title before a name goes with the name ("Frau Smith").
void TitleBeforeAName(const EnglishSentence& s, EnglishUnit& u, const EnglishUnit* next) {
    if (u.fw || !next || next->cls != kClassName) return;
    const std::string& title = s.catalogue.Tables().Value("english-title", u.lower);
    if (title.empty()) return;
    u.german = title;
    u.cls = kClassName;
    u.fixed = true;
}

// What a word's neighbours decide: "that" after a verb or before a subject
// pronoun begins a clause ("I see that he reads"), elsewhere it points.
// "out of", "next to", "in front of": a preposition of several words is one unit; so is
// a conjunction ("even if", "as soon as"), which opens its clause as one word would.
std::size_t SubjectAndVerbAfter(const EnglishSentence& s, std::size_t i);

void JoinClosedWordsOfSeveralWords(EnglishSentence& s) {
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        for (std::size_t n = 3; n >= 2; --n) {
            if (i + n > s.units.size()) continue;
            std::string joined = s.units[i].lower;
            bool words = !s.units[i].punct;
            for (std::size_t k = 1; k < n; ++k) {
                joined += " " + s.units[i + k].lower;
                words = words && !s.units[i + k].punct;
            }
            const EnglishWord* w = words ? s.catalogue.Tables().English(joined) : nullptr;
            if (!w || (w->kind != EnKind::Preposition && w->kind != EnKind::Subordinator)) continue;
            // "as soon as possible" opens no clause
            if (w->kind == EnKind::Subordinator && !SubjectAndVerbAfter(s, i + n - 1)) continue;
            EnglishUnit& u = s.units[i];
            for (std::size_t k = 1; k < n; ++k) u.source += " " + s.units[i + k].source;
            u.lower = joined;
            u.fw = w;
            u.cls = kClassNone;
            u.german.clear();
            u.known = true;
            s.units.erase(s.units.begin() + static_cast<long>(i) + 1, s.units.begin() + static_cast<long>(i + n));
            break;
        }
    }
}

// "was", "says", "can", "came": a verb that makes a clause.
bool FiniteVerb(const EnglishUnit& u) {
    if (u.fw) {
        const EnKind k = u.fw->kind;
        return (k == EnKind::Be || k == EnKind::Have || k == EnKind::Do || k == EnKind::Will || k == EnKind::Modal) &&
               u.lower != "be" && u.lower != "been" && u.lower != "being" && u.lower != "having";
    }
    return u.cls == kClassVerb && (u.tag == kFormPast || u.tag == kFormThird || std::string(u.tagName) == "VBP");
}

// A pronoun, a determiner or a name: what a subject may start with.
bool SubjectStartsWith(const EngineTables& tables, const EnglishUnit& u) {
    return tables.InList("subject-pronoun", u.lower) ||
           (u.fw && (u.fw->kind == EnKind::Article || u.fw->kind == EnKind::Possessive)) ||
           (u.fw && u.fw->kind == EnKind::Demonstrative && u.lower != "that") ||  // "these people"
           (!u.fw && u.capital && !u.punct);
}

// The conjunction "that" put in at `at`, where English leaves it out; false when the
// tables lack it.
bool InsertThat(EnglishSentence& s, std::size_t at) {
    EnglishUnit that;
    that.source = that.lower = "that";
    that.fw = s.catalogue.Tables().English("that", EnKind::Subordinator);
    if (!that.fw) return false;
    s.units.insert(s.units.begin() + static_cast<long>(at), std::move(that));
    return true;
}

// "He says the bullet came", "I know you are tired": after a verb of saying or
// knowing, a subject and its verb are a clause that English joins without
// "that"; German needs its "dass".
void ThatAfterAVerbOfSaying(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i + 2 < s.units.size(); ++i) {
        const EnglishUnit& verb = s.units[i];
        if (verb.fw || verb.cls != kClassVerb || !tables.InList("that-clause-verb", verb.lemma.empty() ? verb.lower : verb.lemma))
            continue;
        // "The man who sees the dog is old": in a relative clause the verb after the
        // noun is the main clause's
        bool relative = false;
        for (std::size_t k = i; k-- > 0 && !s.units[k].punct && !relative;) {
            if (s.units[k].fw && s.units[k].fw->kind == EnKind::Coordinator) break;  // "... but says
            const std::string tag = s.units[k].tagName;
            relative = tag == "WDT" || tag == "WP" || tag == "WP$" || s.units[k].lower == "who" || s.units[k].lower == "which";
        }
        if (relative) continue;
        const EnglishUnit& next = s.units[i + 1];
        // "I think that book is good": a pointing "that" starts the subject too, and so does
        // a plural without a determiner ("Experts say confessions are coerced")
        const bool pointing = next.lower == "that" && next.fw && next.fw->kind == EnKind::Demonstrative;
        const bool barePlural = !next.fw && !next.punct && next.cls == kClassNoun && next.plural;
        const bool subjectStart = SubjectStartsWith(tables, next) || pointing || barePlural;
        if (!subjectStart) continue;
        const std::size_t end = EnglishSubjectEnd(s, i + 1, s.units.size());
        if (end <= i + 1 || end >= s.units.size()) continue;
        // "say dogs sleep": after a plural the present is the base form; "saw dogs play" is
        // the bare infinitive of a verb of perceiving (table bare-infinitive-verb)
        const EnglishUnit& own = s.units[end];
        const bool pluralPresent = s.units[end - 1].plural && !own.fw && own.cls == kClassVerb && own.tag == kFormBase &&
                                   !tables.InList("bare-infinitive-verb", verb.lemma.empty() ? verb.lower : verb.lemma);
        // "saying it backed him": a past the tagger saw, which the dictionary spells as its participle too
        const bool taggedPast = !own.fw && own.cls == kClassVerb && own.tag == kFormPastPart && std::string_view(own.tagName) == "VBD";
        if (!FiniteVerb(own) && !pluralPresent && !taggedPast) continue;
        if (!InsertThat(s, i + 1)) return;
        if (s.applied) s.applied->push_back("ThatAfterAVerbOfSaying");
        ++i;
    }
}

// "He wants Jokowi to know", "I expect them to be punished": what someone wants of
// another German says as a clause of its own, "dass" and a finite verb (Er will, dass
// Jokowi weiß; table dass-after-object). The object becomes that clause's subject.
void WantSomeoneToDoIsDass(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i + 3 < s.units.size(); ++i) {
        const EnglishUnit& verb = s.units[i];
        if (verb.fw || verb.cls != kClassVerb || !tables.InList("dass-after-object", verb.lemma.empty() ? verb.lower : verb.lemma))
            continue;
        const std::string& subjectForm = tables.Value("subject-of-object", s.units[i + 1].lower);
        const std::size_t objectEnd = !subjectForm.empty() ? i + 2 : EnglishSubjectEnd(s, i + 1, s.units.size());
        if (objectEnd <= i + 1 || objectEnd + 1 >= s.units.size() || s.units[objectEnd].lower != "to") continue;
        EnglishUnit& next = s.units[objectEnd + 1];
        const bool be = next.lower == "be" && next.fw && next.fw->kind == EnKind::Be;
        if (!be && (next.fw || next.cls != kClassVerb)) continue;
        bool plural = false;
        if (!subjectForm.empty()) {
            const EnglishWord* pronoun = tables.English(subjectForm, EnKind::Pronoun);
            if (!pronoun) continue;
            EnglishUnit& object = s.units[i + 1];
            object.fw = pronoun;
            object.lower = object.source = subjectForm;
            plural = pronoun->plural || subjectForm == "you" || subjectForm == "i";
        } else {
            plural = s.units[objectEnd - 1].plural;
        }
        // the infinitive becomes the present: "to know" knows, "to be" is
        if (be) {
            next.fw = tables.English(plural ? "are" : "is", EnKind::Be);
            next.lower = next.source = plural ? "are" : "is";
        } else {
            next.tag = plural ? kFormBase : kFormThird;
            next.tagName = plural ? "VBP" : "VBZ";
            next.fixed = true;
        }
        s.units.erase(s.units.begin() + static_cast<long>(objectEnd));
        if (!InsertThat(s, i + 1)) return;
        if (s.applied) s.applied->push_back("WantSomeoneToDoIsDass");
    }
}

// "After we had eaten", "before he left", "until the bus comes": a preposition before a
// subject and its finite verb opens a clause (nachdem, bevor, bis), verb last in German.
// Where the finite verb of a subject that starts at i + 1 stands (0: no subject and verb follow).
std::size_t SubjectAndVerbAfter(const EnglishSentence& s, std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    if (i + 2 >= s.units.size() || !SubjectStartsWith(tables, s.units[i + 1])) return 0;
    const std::size_t own = EnglishSubjectEnd(s, i + 1, s.units.size());
    if (own <= i + 1 || own >= s.units.size()) return 0;
    // "before you go": after "I", "you", "we", "they" the present is the base form
    const EnglishUnit& verb = s.units[own];
    const bool present = own == i + 2 && tables.InList("base-verb-subject", s.units[i + 1].lower) && !verb.fw &&
                         verb.cls == kClassVerb && verb.tag == kFormBase;
    // "even if the troops retreated": the tagger may take a regular past for the participle
    const bool regularPast = !verb.fw && verb.cls == kClassVerb && verb.tag == kFormPastPart && EndsWith(verb.lower, "ed");
    return FiniteVerb(verb) || present || regularPast ? own : 0;
}

// "The point is we are ready": after "be" and a noun of the list a subject with its
// verb is the clause German opens with "dass" (tables clause-after-be-noun and
// that-complement-noun).
void ThatAfterBeAndANounOfSaying(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 1; i + 2 < s.units.size(); ++i) {
        const EnglishUnit& be = s.units[i];
        const EnglishUnit& noun = s.units[i - 1];
        if (!be.fw || be.fw->kind != EnKind::Be || noun.fw || noun.cls != kClassNoun ||
            !(tables.InList("clause-after-be-noun", noun.lower) || tables.InList("that-complement-noun", noun.lower)) ||
            !tables.InList("subject-pronoun", s.units[i + 1].lower) ||
            SubjectAndVerbAfter(s, i) == 0)
            continue;
        if (!InsertThat(s, i + 1)) return;
        if (s.applied) s.applied->push_back("ThatAfterBeAndANounOfSaying");
    }
}

// "As he said, ...", "As it was late, ...": "as" opening the sentence or following a comma
// before a subject and its verb is a conjunction: "wie" before a verb of saying (table
// as-reported-verb, of the German verbs), else "da" (als in the past).
void AsBeforeAClauseIsAConjunction(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i + 2 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (u.lower != "as" || (i > 0 && s.units[i - 1].source != ",")) continue;
        const std::size_t verb = SubjectAndVerbAfter(s, i);
        if (!verb) continue;
        std::size_t lexical = verb;  // "as he had said": the verb after the auxiliaries
        while (lexical + 1 < s.units.size() && IsAuxiliary(s.units[lexical])) ++lexical;
        const EnglishUnit& v = s.units[lexical];
        const bool reporting = !v.fw && (tables.InList("as-reported-verb", v.german) || tables.InList("as-reported-english", v.lemma));
        u.fw = tables.English(reporting ? "how" : "as", EnKind::Subordinator);
        if (reporting) u.lower = "how";  // not the "as" whose past is "als"
    }
}

void PrepositionBeforeAClauseIsAConjunction(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i + 2 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (!u.fw || u.fw->kind != EnKind::Preposition) continue;
        const EnglishWord* opening = tables.English(u.lower, EnKind::Subordinator);
        if (!opening || !SubjectAndVerbAfter(s, i)) continue;
        u.fw = opening;
        // "since it was late" in front gives a reason (da); after its clause a time (seit)
        const std::string& later = tables.Value("subordinator-after-a-clause", u.lower);
        const EnglishWord* afterAClause = later.empty() ? nullptr : tables.English(later, EnKind::Subordinator);
        if (i > 0 && afterAClause) u.fw = afterAClause;
    }
}

// The units [first, last] become one adverb whose German is given.
void JoinAsOneAdverb(std::vector<EnglishUnit>& units, std::size_t first, std::size_t last, const std::string& german) {
    EnglishUnit& u = units[first];
    for (std::size_t m = first + 1; m <= last; ++m) u.source += " " + units[m].source;
    u.lower = Lower1252(u.source);
    u.german = german;
    u.fw = nullptr;
    u.cls = kClassAdverb;
    u.tag = kFormBase;
    u.number = false;
    u.fixed = true;
    u.known = true;
    units.erase(units.begin() + static_cast<std::ptrdiff_t>(first + 1), units.begin() + static_cast<std::ptrdiff_t>(last + 1));
}

// "I do not know who fired", "He asked me where the station is": after a verb (and its
// object pronoun) an asking word with a verb of its own opens a clause, verb last in German.
void AskingWordAfterAVerbOpensAClause(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 1; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (!u.fw || u.fw->kind != EnKind::Question) continue;
        const EnglishWord* opening = tables.English(u.lower, EnKind::Subordinator);
        if (!opening || std::strcmp(opening->german, u.fw->german) != 0) continue;  // "when" opens as "wenn"
        std::size_t before = i - 1;
        if (s.units[before].fw && s.units[before].fw->kind == EnKind::Pronoun && before > 0) --before;
        // "that's exactly what ...": an adverb may stand between
        while (before > 0 && !s.units[before].fw && s.units[before].cls == kClassAdverb) --before;
        const EnglishUnit& verb = s.units[before];
        // "happy with how it is going": after a preposition the clause is what it is about
        // (damit, wie ...; table da-compound)
        const bool preposition = before == i - 1 && verb.fw && verb.fw->kind == EnKind::Preposition &&
                                 !tables.Value("da-compound", verb.fw->german).empty();
        if (!preposition && !IsAuxiliary(verb) && (verb.fw || verb.cls != kClassVerb)) continue;
        // its own verb: right after it ("who fired"; the tagger may take "what happened"
        // for a participle) or after a subject ("where the station is")
        const EnglishUnit& next = s.units[i + 1];
        const bool pastNext = !next.fw && next.cls == kClassVerb && next.tag == kFormPastPart && u.fw->person == 3;
        bool ownVerb = pastNext || FiniteVerb(next);
        const bool subjectStart = SubjectStartsWith(tables, next);
        if (!ownVerb && subjectStart) {
            const std::size_t own = EnglishSubjectEnd(s, i + 1, s.units.size());
            ownVerb = own < s.units.size() && FiniteVerb(s.units[own]);
        }
        if (!ownVerb) continue;
        u.fw = opening;
        if (preposition) {
            const std::string joined = tables.Value("da-compound", verb.fw->german);
            JoinAsOneAdverb(s.units, i - 1, i - 1, joined);
        }
        if (s.applied) s.applied->push_back("AskingWordAfterAVerbOpensAClause");
    }
}

// "three times", "10 times": how often is one German adverb (dreimal, 10-mal).
void TimesAfterANumberIsMal(EnglishSentence& s) {
    for (std::size_t i = 0; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (!u.number || s.units[i + 1].lower != "times" || (i > 0 && s.units[i - 1].fw &&
                                                           s.units[i - 1].fw->kind == EnKind::Article))
            continue;
        const bool digits = !u.source.empty() && u.source[0] >= '0' && u.source[0] <= '9';
        u.german = (digits ? u.german + "-" : u.german) + "mal";
        u.source += " " + s.units[i + 1].source;
        u.lower = Lower1252(u.source);
        u.number = false;
        u.cls = kClassAdverb;
        u.fixed = true;
        u.known = true;
        s.units.erase(s.units.begin() + static_cast<long>(i) + 1);
        if (s.applied) s.applied->push_back("TimesAfterANumberIsMal");
    }
}

// "The message is that Western culture can ...": after "be", "that" with a subject and
// its verb of its own opens a clause (dass), not "that one".
bool ThatAfterBeOpensAClause(const EnglishSentence& s, std::size_t that) {
    if (that == 0 || that + 1 >= s.units.size()) return false;
    const EnglishUnit& be = s.units[that - 1];
    if (!be.fw || be.fw->kind != EnKind::Be || !SubjectStartsWith(s.catalogue.Tables(), s.units[that + 1])) return false;
    const std::size_t verb = EnglishSubjectEnd(s, that + 1, s.units.size());
    return verb > that + 1 && verb < s.units.size() && FiniteVerb(s.units[verb]);
}

// "He was being held": after a form of "be" and before a participle, "being" is the
// verb of the passive in progress, whatever the tagger made of it (no noun "das Sein").
void BeingBeforeAParticiple(EnglishSentence& s) {
    for (std::size_t i = 1; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        const EnglishUnit& before = s.units[i - 1];
        const EnglishUnit& next = s.units[i + 1];
        if (u.lower != "being" || u.fixed || (!u.fw && u.cls == kClassVerb)) continue;
        if (!before.fw || before.fw->kind != EnKind::Be || next.fw || next.cls != kClassVerb || next.tag != kFormPastPart)
            continue;
        u.fw = nullptr;
        u.cls = kClassVerb;
        u.tag = kFormPresPart;
        u.lemma = "be";
        u.german = "sein";
        u.known = true;
    }
}

// "He ran like a child", "is like a village": after a verb, "like" before a noun
// phrase compares (wie); in a clause with no other verb it is the verb ("The children
// like the dog"), whatever the tagger made of it.
void LikeByItsNeighbours(EnglishSentence& s) {
    const EnglishWord* wie = s.catalogue.Tables().English("like", EnKind::Preposition);
    auto verbIn = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to; ++k) {
            const EnglishUnit& w = s.units[k];
            if (w.punct || (w.fw && (w.fw->kind == EnKind::Coordinator || w.fw->kind == EnKind::Subordinator))) return false;
            if (IsVerb(w)) return true;
        }
        return false;
    };
    for (std::size_t i = 1; wie && i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        const EnglishUnit& before = s.units[i - 1];
        const EnglishUnit& next = s.units[i + 1];
        if (u.lower != "like" || u.fixed) continue;
        const bool afterVerb = (!before.fw && before.cls == kClassVerb) || (before.fw && before.fw->kind == EnKind::Be);
        const bool phraseAfter = IsDeterminer(next) || (next.fw && next.fw->kind == EnKind::Pronoun) || next.capital ||
                                 (!next.fw && (next.cls == kClassNoun || next.cls == kClassName || next.number));
        if (afterVerb && phraseAfter) {
            u.fw = wie;
            continue;
        }
        std::size_t start = i;
        while (start > 0 && !s.units[start - 1].punct && !(s.units[start - 1].fw && s.units[start - 1].fw->kind == EnKind::Coordinator))
            --start;
        bool verbBefore = false;
        for (std::size_t k = start; k < i && !verbBefore; ++k) verbBefore = IsVerb(s.units[k]);
        if (u.fw && !verbBefore && !verbIn(i + 1, s.units.size()) && (IsNounOrAdjective(before) || before.fw)) {
            EnglishUnit verb = u;
            verb.fw = nullptr;
            if (LookUp(s, verb, "like", kClassVerb, kFormBase)) u = std::move(verb);
        }
    }
}

// "he too showed", "I want to come too": "too" before no adjective or adverb is
// "auch"; "too late" is "zu spät".
void TooWithoutAnAdjectiveIsAuch(EnglishSentence& s) {
    const EnglishWord* auch = s.catalogue.Tables().English("also");
    for (std::size_t i = 0; auch && i < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (u.lower != "too" || !u.fw) continue;
        const EnglishUnit* next = i + 1 < s.units.size() ? &s.units[i + 1] : nullptr;
        const bool degree = next && !next->punct &&
                            ((!next->fw && (next->cls == kClassAdjective || next->cls == kClassAdverb ||
                                            (next->cls == kClassVerb && next->tag == kFormPastPart))) ||
                             (next->fw && (next->fw->kind == EnKind::Adverb || next->lower == "much" || next->lower == "many")));
        if (!degree) u.fw = auch;
    }
}

// "the German government", "learning German", "the Germans": a word the dictionary
// spells with a capital is no name to copy. Before a noun it is the adjective
// (deutsch), elsewhere the noun (Deutsch, die Deutschen).
void CapitalWordOfTheDictionary(const EnglishSentence& s, EnglishUnit& u, const EnglishUnit* next) {
    if (u.fw || u.cls != kClassName || u.german != u.source || u.start) return;
    EnglishUnit adjective = u;
    if (!LookUp(s, adjective, u.source, kClassAdjective, kFormBase)) return;
    const bool beforeANoun = next && !next->fw && !next->punct && !next->capital &&
                             (next->cls == kClassNoun || next->cls == kClassAdjective);
    EnglishUnit noun = u;
    const bool plural = u.source.size() > 2 && u.source.back() == 's';
    if (beforeANoun) u = std::move(adjective);
    else if (LookUp(s, noun, u.source, kClassNoun, plural ? kFormPlural : kFormBase)) u = std::move(noun);
}

// "He hurt himself": after a verb or preposition the -self word is the reflexive pronoun
// (table english-reflexive: sich, mich, uns); elsewhere it stresses ("the company itself":
// selbst).
void SelfAfterAVerbIsReflexive(const EnglishSentence& s, EnglishUnit& u, const EnglishUnit* previous) {
    const std::string& reflexive = s.catalogue.Tables().Value("english-reflexive", u.lower);
    if (reflexive.empty()) return;
    const bool object = previous && ((!previous->fw && previous->cls == kClassVerb) ||
                                     (previous->fw && previous->fw->kind == EnKind::Preposition));
    const bool polite = s.options.honorific && (u.lower == "yourself" || u.lower == "yourselves");
    u.german = !object ? "selbst" : polite ? "sich" : reflexive;
    u.fw = nullptr;
    u.cls = kClassAdverb;
    u.fixed = true;
    u.known = true;
}

// "The children of the village play in the street": a sentence the tagger left without
// any verb has one among its nouns. The first noun right after another noun that the
// dictionary also knows as a verb is it ("play"; "plays" after a singular subject).
void VerblessSentenceTakesAVerb(EnglishSentence& s) {
    for (const EnglishUnit& u : s.units)
        if (IsVerb(u) || (u.fw && u.fw->kind == EnKind::Subordinator)) return;
    for (std::size_t k = 1; k < s.units.size(); ++k) {
        EnglishUnit& u = s.units[k];
        const EnglishUnit& before = s.units[k - 1];
        if (u.fw || u.fixed || u.capital || u.cls != kClassNoun || before.fw || before.cls != kClassNoun) continue;
        EnglishUnit probe = u;
        const bool third = !u.lower.empty() && u.lower.back() == 's';
        const std::string base = third ? u.lower.substr(0, u.lower.size() - 1) : u.lower;
        if (!LookUp(s, probe, base, kClassVerb, kFormBase)) continue;
        probe.tag = third ? kFormThird : kFormBase;
        u = std::move(probe);
        if (s.applied) s.applied->push_back("VerblessSentenceTakesAVerb");
        return;
    }
}

// "one dog", "one new car": "one" before its noun counts it and declines as "ein"
// (einen Hund); "one of" and "the blue one" stay as they are.
void OneBeforeANounIsEin(EnglishSentence& s) {
    for (std::size_t i = 0; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        const EnglishUnit& next = s.units[i + 1];
        if (u.lower != "one" || u.fixed || next.fw || next.punct || next.capital) continue;
        if (next.cls != kClassNoun && next.cls != kClassAdjective) continue;
        if (i > 0 && IsDeterminer(s.units[i - 1])) continue;  // "the one thing"
        u.fw = s.catalogue.Tables().English("a", EnKind::Article);
        u.cls = kClassNone;
        if (s.applied) s.applied->push_back("OneBeforeANounIsEin");
    }
}

// "-er", "-ist", "-ian" ...: an English noun that names someone by what they do.
bool AgentNoun(const EngineTables& tables, const std::string& lower) {
    for (std::size_t n = 3; n <= 4 && n < lower.size(); ++n)
        if (tables.InList("agent-suffix", lower.substr(lower.size() - n))) return true;
    return false;
}

// "Lehrer": Lehrerin, "Kollege": Kollegin; "Arzt": Ärztin from table female-occupation.
std::string FemaleOccupation(const EngineTables& tables, const std::string& german) {
    const std::string& listed = tables.Value("female-occupation", german);
    if (!listed.empty()) return listed;
    if (german.empty() || german.find(' ') != std::string::npos) return german;
    return (german.back() == 'e' ? german.substr(0, german.size() - 1) : german) + "in";
}

// "He is a doctor", "She became a teacher": German names a person's occupation after
// "sein" or "werden" without an article (Er ist Arzt). The subject must be a person
// (a pronoun of one, a name or a noun of a person), the noun one of an occupation
// (its ending, or table english-occupation), with no adjective before it.
void OccupationAfterBeTakesNoArticle(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 1; i + 2 < s.units.size(); ++i) {
        const EnglishUnit& verb = s.units[i];
        const bool copula = (verb.fw && verb.fw->kind == EnKind::Be) || (!verb.fw && verb.lemma == "become");
        const EnglishUnit& article = s.units[i + 1];
        const EnglishUnit& noun = s.units[i + 2];
        if (!copula || (article.lower != "a" && article.lower != "an") || noun.fw || noun.cls != kClassNoun) continue;
        if (!AgentNoun(tables, noun.lower) && !tables.InList("english-occupation", noun.lower)) continue;
        if (i + 3 < s.units.size() && !s.units[i + 3].punct && !s.units[i + 3].fw) continue;  // "a teacher training"
        std::size_t k = i - 1;  // "has become", "will not be": the subject is before the auxiliaries
        auto skipAuxiliaries = [&] {
            while (k > 0 && (IsAuxiliary(s.units[k]) || (s.units[k].fw && s.units[k].fw->kind == EnKind::Negation))) --k;
        };
        skipAuxiliaries();
        // "She wants to become a doctor": the subject of the verb that "to" hangs on
        if (k > 1 && s.units[k].lower == "to" && !s.units[k - 1].fw && s.units[k - 1].cls == kClassVerb) {
            k -= 2;
            skipAuxiliaries();
        }
        const EnglishUnit& subject = s.units[k];
        const bool person = (tables.InList("subject-pronoun", subject.lower) && subject.lower != "it") ||
                            (!subject.fw && (subject.cls == kClassName || tables.InList("english-person-noun", subject.lower) ||
                                             tables.InList("person-noun", subject.lower) || AgentNoun(tables, subject.lower)));
        if (!person) continue;
        // "She is a teacher": Sie ist Lehrerin
        const bool female = subject.lower == "she" || tables.InList("female-person-noun", subject.lower);
        s.units.erase(s.units.begin() + static_cast<long>(i) + 1);
        if (female) s.units[i + 1].german = FemaleOccupation(tables, s.units[i + 1].german);
        if (s.applied) s.applied->push_back("OccupationAfterBeTakesNoArticle");
    }
}

// The singular noun nearest before k that "it" or "its" can stand for: a thing, as no
// person is "it"; nullptr when there is none.
const EnglishUnit* ThingBefore(const EnglishSentence& s, std::size_t k) {
    const EngineTables& tables = s.catalogue.Tables();
    while (k-- > 0) {
        const EnglishUnit& u = s.units[k];
        if (!u.fw && u.cls == kClassName) return nullptr;  // "Tesla ... its": a name's gender is unknown
        if (u.fw || u.cls != kClassNoun) continue;
        if (u.plural || u.gender == kGenderNone || u.gender == kPluralOnly) return nullptr;
        const bool person = tables.InList("person-noun", u.lower) || tables.InList("english-person-noun", u.lower) ||
                            AgentNoun(tables, u.lower);
        return person ? nullptr : &u;
    }
    return nullptr;
}

// "It is important to ...", "it was time": "it" that stands for nothing before it.
bool ItStandsForNothing(const EnglishSentence& s, std::size_t k) {
    if (k + 2 >= s.units.size() || !s.units[k + 1].fw || s.units[k + 1].fw->kind != EnKind::Be) return false;
    const EnglishUnit& after = s.units[k + 2];
    if (after.lower == "time" || after.lower == "not") return true;
    if (after.cls != kClassAdjective) return false;
    const std::string next = k + 3 < s.units.size() ? s.units[k + 3].lower : "";
    return next == "to" || next == "that" || next == "for";
}

// "The party changed its leader": die Partei ... ihren Führer; "The government said it had
// lost": sie. "its" and the subject "it" of a reported clause take the German gender
// of the thing they stand for, the singular noun nearest before them.
void ItAndItsTakeTheGenderOfTheirNoun(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t k = 1; k < s.units.size(); ++k) {
        EnglishUnit& u = s.units[k];
        const bool its = u.lower == "its" && u.fw && u.fw->kind == EnKind::Possessive;
        // "said it", "said that it": the subject of what was said
        const EnglishUnit& before = s.units[k - 1];
        const EnglishUnit* verb = before.lower == "that" && k > 1 ? &s.units[k - 2] : &before;
        const std::string verbLemma = verb->lemma.empty() ? verb->lower : verb->lemma;
        const bool reportedIt = u.lower == "it" && u.fw && u.fw->kind == EnKind::Pronoun && !verb->fw &&
                                verb->cls == kClassVerb && tables.InList("that-clause-verb", verbLemma) &&
                                !ItStandsForNothing(s, k);
        if (!its && !reportedIt) continue;
        const EnglishUnit* thing = ThingBefore(s, reportedIt ? (verb == &before ? k - 1 : k - 2) : k);
        if (!thing || thing->gender == kNeuter) continue;
        const bool feminine = thing->gender == kFeminine;
        const EnglishWord* word = its ? (feminine ? tables.English("her", EnKind::Possessive) : nullptr)
                                      : tables.English(feminine ? "she" : "he", EnKind::Pronoun);
        if (!word) continue;
        u.fw = word;
        if (s.applied) s.applied->push_back("ItAndItsTakeTheGenderOfTheirNoun");
    }
}

// "such a big dog": German says "so" inside the phrase, after its article (einen so
// großen Hund); the two words change places and "such" is read as "so".
void SuchABecomesEinSo(EnglishSentence& s) {
    for (std::size_t i = 0; i + 2 < s.units.size(); ++i) {
        const EnglishWord* article = s.units[i + 1].fw;
        if (s.units[i].lower != "such" || !article || article->kind != EnKind::Article || article->german != std::string("ein") ||
            s.units[i + 2].fw || s.units[i + 2].cls != kClassAdjective)
            continue;
        std::swap(s.units[i], s.units[i + 1]);
        s.units[i].start = s.units[i + 1].start;
        s.units[i + 1].start = false;
        s.units[i + 1].lower = "so";
        s.units[i + 1].fw = s.catalogue.Tables().English("so");
        if (s.applied) s.applied->push_back("SuchABecomesEinSo");
    }
}

// "goes to school by bus": German goes by a vehicle with "fahren", and says how before
// where to (fährt mit dem Bus zur Schule).
void GoingByAVehicle(EnglishSentence& s) {
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        const EnglishUnit& by = s.units[i];
        if (by.lower.compare(0, 3, "by ") != 0 || by.german.compare(0, 4, "mit ") != 0 ||
            !s.catalogue.Tables().InList("vehicle-noun", by.german.substr(by.german.rfind(' ') + 1)))
            continue;
        std::size_t verb = i;
        while (verb > 0 && !s.units[verb - 1].punct && !(s.units[verb - 1].cls == kClassVerb && !s.units[verb - 1].fw)) --verb;
        if (verb == 0 || s.units[verb - 1].german != "gehen") continue;
        s.units[verb - 1].german = "fahren";
        // the phrase of where to: a term ("to school") or "to" and a name ("to Berlin")
        std::size_t to = i;
        if (i - 1 >= verb && s.units[i - 1].fixed && s.units[i - 1].lower.compare(0, 3, "to ") == 0) to = i - 1;
        if (i >= verb + 2 && s.units[i - 2].lower == "to" && s.units[i - 1].cls == kClassName) to = i - 2;
        std::rotate(s.units.begin() + static_cast<long>(to), s.units.begin() + static_cast<long>(i),
                    s.units.begin() + static_cast<long>(i) + 1);
        if (s.applied) s.applied->push_back("GoingByAVehicle");
    }
}

// "all day", "all afternoon": German says the whole of the time with the article and
// "ganz" (den ganzen Tag); "all" becomes the article and an adjective follows it.
void AllDayIsTheWholeDay(EnglishSentence& s) {
    for (std::size_t i = 0; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        const EnglishUnit& noun = s.units[i + 1];
        if (u.lower != "all" || u.fixed || noun.fw || noun.cls != kClassNoun || noun.plural ||
            !s.catalogue.Tables().InList("time-noun", Lower1252(noun.german)))
            continue;
        EnglishUnit whole = u;
        whole.fw = nullptr;
        whole.cls = kClassAdjective;
        whole.lower = whole.source = "whole";
        whole.german = "ganz";
        whole.known = true;
        whole.start = false;
        u.fw = s.catalogue.Tables().English("the", EnKind::Article);
        s.units.insert(s.units.begin() + static_cast<long>(i) + 1, std::move(whole));
        if (s.applied) s.applied->push_back("AllDayIsTheWholeDay");
    }
}

// "had never seen snow before": "before" with no object at the clause's end is an adverb
// (vorher), and after "never" German says it with "noch nie" alone.
void BeforeAtTheEndIsAnAdverb(EnglishSentence& s) {
    for (std::size_t i = 1; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        // "play outside.", "wait inside,": with nothing after it a word of place is an
        // adverb (table place-adverb-at-the-end: draußen, drinnen)
        const std::string& place = s.catalogue.Tables().Value("place-adverb-at-the-end", u.lower);
        if (!place.empty() && !u.fixed && s.units[i + 1].punct && s.units[i + 1].source != "\"") {
            u.fw = nullptr;
            u.cls = kClassAdverb;
            u.known = true;
            u.fixed = true;
            u.german = place;
            continue;
        }
        if (u.lower != "before" || u.fixed || !s.units[i + 1].punct || s.units[i + 1].source == "\"") continue;
        std::size_t never = i;
        for (std::size_t k = i; k-- > 0 && !s.units[k].punct;)
            if (s.units[k].lower == "never") never = k;
        if (never < i) {  // "had never seen it before": noch nie
            s.units[never].fw = nullptr;
            s.units[never].cls = kClassAdverb;
            s.units[never].german = "noch nie";
            s.units[never].known = true;
        }
        u.fw = nullptr;
        u.cls = kClassAdverb;
        u.known = true;
        u.german = never < i ? "" : "vorher";
        if (s.applied) s.applied->push_back("BeforeAtTheEndIsAnAdverb");
    }
}

// "The paper published an appeal, saying it backed him": a report's "saying" after a clause
// in the past is one more verb of its subject (und sagte, dass sie ihn unterstützte); the
// comma becomes "and" and "saying" the past of its verb.
void SayingAfterAPastClauseIsAndSaid(EnglishSentence& s) {
    const EngineTables& tables = s.catalogue.Tables();
    const EnglishWord* andWord = tables.English("and", EnKind::Coordinator);
    if (!andWord) return;
    bool past = false;
    for (std::size_t i = 0; i + 1 < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        past = past || (u.fw && u.fw->past && u.fw->kind != EnKind::Modal) ||
               (!u.fw && u.cls == kClassVerb && (u.tag == kFormPast || u.tag == kFormPastPart));
        if (!past || i < 2 || u.fw || u.cls != kClassVerb || u.tag != kFormPresPart || s.units[i - 1].source != "," ||
            !tables.InList("reporting-verb", u.lemma))
            continue;
        EnglishUnit& comma = s.units[i - 1];
        comma.source = comma.lower = "and";
        comma.punct = false;
        comma.fw = andWord;
        comma.german.clear();
        u.tag = kFormPast;
        u.tagName = "VBD";
        if (s.applied) s.applied->push_back("SayingAfterAPastClauseIsAndSaid");
    }
}

void ChooseReadings(EnglishSentence& s) {
    JoinClosedWordsOfSeveralWords(s);
    TimesAfterANumberIsMal(s);
    // "Open the window, please.": please goes to the front (Bitte öffnen Sie das Fenster);
    // in a question after the auxiliary and its pronoun (Could you please speak ...?)
    const std::size_t n = s.units.size();
    if (n >= 4 && s.units[n - 1].punct && s.units[n - 2].lower == "please" && s.units[n - 3].source == ",") {
        const bool asking = s.units[n - 1].source == "?";
        const std::size_t at = asking && n >= 6 && IsAuxiliary(s.units[0]) && s.units[1].fw && s.units[1].fw->kind == EnKind::Pronoun ? 2 : 0;
        if (!asking || at == 2) {
            EnglishUnit please = s.units[n - 2];
            please.start = at == 0;
            s.units.erase(s.units.begin() + static_cast<long>(n - 3), s.units.begin() + static_cast<long>(n - 1));
            if (at == 0) s.units[0].start = false;
            s.units.insert(s.units.begin() + static_cast<long>(at), std::move(please));
        }
    }
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        TitleBeforeAName(s, u, i + 1 < s.units.size() ? &s.units[i + 1] : nullptr);
        CapitalWordOfTheDictionary(s, u, i + 1 < s.units.size() ? &s.units[i + 1] : nullptr);
        SelfAfterAVerbIsReflexive(s, u, i > 0 ? &s.units[i - 1] : nullptr);
        // "When does the film start?": before an auxiliary at the start "when" asks (wann)
        if (u.lower == "when" && u.start && i + 1 < s.units.size() && IsAuxiliary(s.units[i + 1]) &&
            s.units.back().source == "?")
            u.fw = s.catalogue.Tables().English("when", EnKind::Question);
        // "Do you know when the bus leaves?": after a verb of knowing or asking the clause
        // it opens asks (wann)
        if (u.lower == "when" && u.fw && u.fw->kind == EnKind::Subordinator && i > 0 && !s.units[i - 1].fw &&
            s.units[i - 1].cls == kClassVerb && s.catalogue.Tables().InList("indirect-question-verb", s.units[i - 1].german))
            u.german = "wann";
        // "The film was boring": after "be" an -ing form of feeling with nothing after it
        // (table english-ing-adjective) is the adjective (langweilig), no progressive
        if (i > 0 && !u.fw && u.cls == kClassVerb && u.tag == kFormPresPart && s.units[i - 1].fw &&
            s.catalogue.Tables().InList("english-ing-adjective", u.lower) &&
            s.units[i - 1].fw->kind == EnKind::Be && (i + 1 == s.units.size() || s.units[i + 1].punct)) {
            EnglishUnit probe = u;
            if (LookUp(s, probe, probe.lower, kClassAdjective, kFormBase) && probe.cls == kClassAdjective) u = std::move(probe);
        }
        // "Have you ever been to Paris?": in a question some adverbs ask in words of their
        // own (table adverb-in-a-question: ever, schon einmal)
        const std::string& asking = s.catalogue.Tables().Value("adverb-in-a-question", u.lower);
        if (!asking.empty() && !u.fw && s.units.back().source == "?") {
            u.german = asking;
            u.cls = kClassAdverb;
            u.fixed = true;
        }
        // "He still doesn't know": before a negation some adverbs say more (table
        // adverb-before-negation: still, immer noch)
        const std::string& beforeNot = s.catalogue.Tables().Value("adverb-before-negation", u.lower);
        if (!beforeNot.empty() && (!u.fw || u.fw->kind == EnKind::Adverb) && !u.fixed) {
            bool negation = false;
            for (std::size_t k = i + 1; k < s.units.size() && k <= i + 2 && !negation; ++k)
                negation = s.units[k].fw && s.units[k].fw->kind == EnKind::Negation;
            if (negation) {
                u.fw = nullptr;
                u.german = beforeNot;
                u.cls = kClassAdverb;
                u.fixed = true;
            }
        }
        // "Whose car is this?": the question's own word, not the relative "dessen"
        if (u.lower == "whose" && u.start && s.units.back().source == "?") {
            u.german = "wessen";
            u.known = true;
        }
        // "Does the film start?": after "do" and its subject comes the verb itself
        if (u.fw && u.fw->kind == EnKind::Do) {
            std::size_t verb = EnglishSubjectEnd(s, i + 1, s.units.size());
            // "does the film start": the subject took the verb for a second noun
            const bool verbInSubject = verb > i + 2 && s.units[verb - 1].cls == kClassNoun && s.units[verb - 2].cls == kClassNoun &&
                                       (verb == s.units.size() || s.units[verb].punct);
            if (verbInSubject) --verb;
            if (verb > i + 1 && verb < s.units.size() && !s.units[verb].fw && s.units[verb].cls != kClassVerb) {
                EnglishUnit probe = s.units[verb];
                if (LookUp(s, probe, probe.lower, kClassVerb, kFormBase)) s.units[verb] = std::move(probe);
            }
        }
        // "It will rain", "you must not smoke": after "will" or a modal comes a verb,
        // whatever the tagger made of it
        // and so after the "to" of "is meant to", "wants to" ("was intended to mark")
        const EngineTables& tables = s.catalogue.Tables();
        const bool modalTo = u.lower == "to" && i > 0 &&
                             (!tables.Value("be-to-modal", s.units[i - 1].lower).empty() ||
                              !tables.Value("to-infinitive-modal", s.units[i - 1].lower).empty());
        if (((u.fw && (u.fw->kind == EnKind::Will || u.fw->kind == EnKind::Modal)) || modalTo) && i + 1 < s.units.size()) {
            std::size_t verb = i + 1;
            if (s.units[verb].fw && s.units[verb].fw->kind == EnKind::Negation && verb + 1 < s.units.size()) ++verb;
            EnglishUnit& next = s.units[verb];
            if (!next.fw && !next.punct && !next.fixed && next.cls == kClassNoun && !next.capital) {
                EnglishUnit probe = next;
                if (LookUp(s, probe, probe.lower, kClassVerb, kFormBase)) next = std::move(probe);
            }
        }
        if (u.lower != "that" || !u.fw) continue;
        // "changed that meaning": the tagger's pointing "that" before a noun stays the determiner
        // ("found that people lie": after a verb of saying or knowing a subject with a verb of
        // its own makes it the conjunction)
        const EnglishUnit* verbBefore = i > 0 && !s.units[i - 1].fw && s.units[i - 1].cls == kClassVerb ? &s.units[i - 1] : nullptr;
        bool clauseAfterSaying = false;
        if (verbBefore && i + 2 < s.units.size() &&
            s.catalogue.Tables().InList("that-clause-verb", verbBefore->lemma.empty() ? verbBefore->lower : verbBefore->lemma)) {
            const std::size_t own = EnglishSubjectEnd(s, i + 1, s.units.size());
            // a plural, which "that" cannot point at ("that people lie", "that children need");
            // "I think that book is good" points
            clauseAfterSaying = own > i + 1 && own < s.units.size() && s.units[own - 1].plural &&
                                (FiniteVerb(s.units[own]) || (!s.units[own].fw && s.units[own].cls == kClassVerb &&
                                                              s.units[own].tag == kFormBase));
        }
        const bool pointing = std::string_view(u.tagName) == "DT" && i + 1 < s.units.size() && IsNounOrAdjective(s.units[i + 1]) &&
                              !clauseAfterSaying;
        const bool afterVerb = i > 0 && !s.units[i - 1].fw && s.units[i - 1].cls == kClassVerb && !pointing;
        const bool beforeSubject = i + 1 < s.units.size() && s.catalogue.Tables().InList("subject-pronoun", s.units[i + 1].lower);
        // "He said that.": with no clause after it, "that" is the pronoun ("das")
        // ("If I had known that, I ...": before the comma that ends a clause in front)
        const bool clauseInFront = !s.units.empty() && s.units[0].fw && s.units[0].fw->kind == EnKind::Subordinator;
        const bool alone = i + 1 >= s.units.size() ||
                           (s.units[i + 1].punct && (s.units[i + 1].source != "," || (afterVerb && clauseInFront)));
        // "made it clear that the people are", "so tired that the dog slept": after an
        // adjective, before a subject and its verb
        const bool afterAdjective = i > 0 && !s.units[i - 1].fw && s.units[i - 1].cls == kClassAdjective &&
                                    SubjectAndVerbAfter(s, i) != 0;
        if (!alone && (afterVerb || beforeSubject || afterAdjective || ThatAfterANounIsDass(s, i) ||
                       ThatAfterBeOpensAClause(s, i) || ThatAfterSayingAndATime(s, i)))
            u.fw = s.catalogue.Tables().English("that", EnKind::Subordinator);
    }
    LikeByItsNeighbours(s);
    BeingBeforeAParticiple(s);
    TooWithoutAnAdjectiveIsAuch(s);
    WantSomeoneToDoIsDass(s);
    ThatAfterAVerbOfSaying(s);
    ThatAfterBeAndANounOfSaying(s);
    AskingWordAfterAVerbOpensAClause(s);
    PrepositionBeforeAClauseIsAConjunction(s);
    AsBeforeAClauseIsAConjunction(s);
    OneBeforeANounIsEin(s);
    BeforeAtTheEndIsAnAdverb(s);
    VerblessSentenceTakesAVerb(s);
}

// A phrase must hold a content word and must not begin with a determiner, a
// pronoun or an auxiliary: those are the clause rules' to read.
bool WorthMatching(const EngineTables& tables, const std::vector<std::string_view>& parts) {
    // "a lot of", "a great deal of": words of quantity the dictionary lists with their article
    std::string text;
    for (std::string_view p : parts) text += (text.empty() ? "" : " ") + std::string(p);
    if (tables.InList("article-term", text)) return true;
    if (tables.InList("english-literal-phrase", text)) return false;
    const EnglishWord* first = tables.English(parts[0]);
    if (first && (first->kind == EnKind::Article || first->kind == EnKind::Pronoun ||
                  first->kind == EnKind::Possessive || first->kind == EnKind::Demonstrative))
        return false;
    bool content = false;
    for (std::string_view p : parts) {
        const EnglishWord* w = tables.English(p);
        if (w && (w->kind == EnKind::Be || w->kind == EnKind::Have || w->kind == EnKind::Do || w->kind == EnKind::Will ||
                  w->kind == EnKind::Modal))
            return false;
        content = content || !w;
    }
    return content;
}

// first: the form the phrase's first word has in the sentence's place (its base form
// for "looking for").
bool PhraseStandsAt(const EnglishSentence& s, std::string_view text, std::size_t count, std::size_t i,
                    const std::string& first) {
    if (count < 2 || i + count > s.units.size()) return false;
    for (std::size_t k = 0; k < count; ++k) {
        std::size_t blank = text.find(' ');
        const EnglishUnit& u = s.units[i + k];
        if (u.punct || (k == 0 ? first : u.lower) != text.substr(0, blank)) return false;
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    return true;
}

// "old man" is no phrase where the engine means "alter Mann" ("der Alte" by the
// dictionary): an adjective and noun become one term only when the term holds the
// noun's own translation ("human rights" -> Menschenrechte).
bool KeepsItsHead(const EnglishSentence& s, std::size_t i, std::size_t count, std::string_view translation) {
    const EnglishUnit& first = s.units[i];
    const EnglishUnit& last = s.units[i + count - 1];
    if (count != 2 || first.fw || first.cls != kClassAdjective || last.fw || last.cls != kClassNoun) return true;
    if (first.lower.find('-') != std::string::npos) return true;  // "drug-related crime": Drogenkriminalität
    std::string head = Lower1252(last.german);
    if (head.size() > 3) head.pop_back();  // "Recht" in "Menschenrechte"
    return Lower1252(std::string(translation)).find(head) != std::string::npos;
}

// "switched off", "gets up", "looking for": a verb term whose verb stands in another
// form than the base; not where its particle is a preposition of what follows ("jumped
// out of the window", "are playing in the garden").
// "work in London", "jumped out of the window": the term's last word is a preposition
// of the noun phrase after it, not part of the verb.
bool PrepositionOfWhatFollows(const EnglishSentence& s, std::string_view text, const std::vector<std::string_view>& parts,
                              std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    if (tables.InList("any-form-term", text)) return false;
    const std::size_t after = i + parts.size();
    if (after >= s.units.size()) return false;
    const EnglishUnit& next = s.units[after];
    if (next.lower == "of") return true;
    // "built in 1900", "came in 3rd"
    if (!next.lower.empty() && next.lower[0] >= '0' && next.lower[0] <= '9') return true;
    // "off", "out", "up" before a noun phrase are the verb's ("switch off the light")
    if (parts.back() == "off" || parts.back() == "out" || parts.back() == "up" || parts.back() == "down") return false;
    const EnglishWord* last = tables.English(parts.back());
    const bool preposition = (last && last->kind == EnKind::Preposition) || tables.InList("english-preposition", parts.back());
    // "came on Wednesday": a capital after it is the preposition's object
    return preposition && (IsDeterminer(next) || (!next.fw && next.cls == kClassName) || (next.capital && !next.punct));
}

bool AnyFormTerm(const EnglishSentence& s, std::string_view text, const std::vector<std::string_view>& parts, std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    if (tables.InList("any-form-term", text)) return true;
    return tables.InList("phrasal-particle", parts.back()) && !PrepositionOfWhatFollows(s, text, parts, i);
}

// "want to come", "tried to come": after a verb that takes an infinitive, "to come" is
// that infinitive and not the term ("the years to come": künftig).
bool InfinitiveOfTheVerbBefore(const EnglishSentence& s, std::size_t i, const std::vector<std::string_view>& parts) {
    if (parts.size() != 2 || parts[0] != "to" || i == 0) return false;
    const EngineTables& tables = s.catalogue.Tables();
    const EnglishUnit& before = s.units[i - 1];
    return tables.InList("to-infinitive-modal", before.lower) ||
           tables.InList("to-complement-verb", before.lemma.empty() ? before.lower : before.lemma);
}

// "in two days": a term that ends in a number ("in two": entzwei) counts the noun after it.
bool NumberOfTheNounAfter(const EnglishSentence& s, std::size_t i, const std::vector<std::string_view>& parts) {
    const std::size_t last = i + parts.size() - 1, after = i + parts.size();
    if (after >= s.units.size() || !s.units[last].number) return false;
    const EnglishUnit& next = s.units[after];
    return !next.fw && next.cls == kClassNoun;
}

// "put the book on the table": a term that says where in the dative ("auf dem Tisch")
// after a verb of putting (table placing-verb) is left to the rules, which say where to
// in the accusative ("auf den Tisch"); a time stays ("set records in the past year").
bool PlaceTermAfterAPlacingVerb(const EnglishSentence& s, std::size_t i, std::string_view german) {
    const EngineTables& tables = s.catalogue.Tables();
    const std::vector<std::string_view> words = SplitWords(german);
    if (words.size() < 2 || tables.InList("time-noun", Lower1252(words.back()))) return false;
    const bool dative = (tables.InList("two-way-preposition", words[0]) &&
                         (words[1] == "dem" || words[1] == "der" || words[1] == "einem" || words[1] == "einer")) ||
                        words[0] == "im" || words[0] == "am";
    if (!dative) return false;
    for (std::size_t k = i; k-- > 0;) {
        const EnglishUnit& u = s.units[k];
        if (u.punct) return false;
        if (!u.fw && u.cls == kClassVerb) return tables.InList("placing-verb", u.german);
    }
    return false;
}

// The catalogue's term that starts at i, its first word read as first, made one unit.
// "since last year": after a preposition of the sentence a term whose German brings its
// own (im vergangenen Jahr) would say two; the words are declined as they stand. A term
// with its own English preposition ("on site": vor Ort) says only that one.
bool PrepositionTwice(const EnglishSentence& s, std::size_t i, std::string_view german) {
    if (i == 0 || !s.units[i - 1].fw || s.units[i - 1].fw->kind != EnKind::Preposition) return false;
    const std::string first = Lower1252(std::string(german.substr(0, german.find(' '))));
    const EngineTables& tables = s.catalogue.Tables();
    if (tables.InList("preposition-object-case", first)) return true;
    for (const std::string& pair : tables.List("german-contraction"))
        if (tables.Value("german-contraction", pair) == first) return true;
    return false;
}

// Where the "do" that opens a question stands ("Does ...", "Where does ..."); size() if none.
std::size_t DoOfAQuestion(const EnglishSentence& s) {
    for (std::size_t k = 0; k < 2 && k < s.units.size(); ++k) {
        const EnglishUnit& u = s.units[k];
        if (u.fw && u.fw->kind == EnKind::Do && (k == 0 || (s.units[0].fw && s.units[0].fw->kind == EnKind::Question)))
            return k;
    }
    return s.units.size();
}

// "Does the bus stop here?": after "does" and its subject, a last word of a noun term
// ("bus stop") that can be a verb is the question's verb when no other verb follows it
// ("Does the bus stop have a roof?" keeps the term).
bool VerbOfADoQuestion(const EnglishSentence& s, std::size_t begin, std::size_t last) {
    const std::size_t does = DoOfAQuestion(s);
    if (does >= begin) return false;
    for (std::size_t k = does + 1; k < s.units.size() && !s.units[k].punct; ++k) {
        if (k >= begin && k <= last) continue;
        const EnglishUnit& u = s.units[k];
        if ((!u.fw && u.cls == kClassVerb) || (u.fw && (u.fw->kind == EnKind::Be || u.fw->kind == EnKind::Have))) return false;
    }
    EnglishUnit verb = s.units[last];
    return LookUp(s, verb, verb.lower, kClassVerb, kFormBase);
}

// "Does the bus stop here?": a do-question whose words after "does" hold no verb has it
// in the noun after the subject's noun ("stop"), which the tagger took for a compound.
void VerbOfADoQuestionAfterItsSubject(EnglishSentence& s) {
    const std::size_t does = DoOfAQuestion(s);
    if (does == s.units.size()) return;
    std::size_t candidate = 0;
    for (std::size_t k = does + 1; k < s.units.size() && !s.units[k].punct; ++k) {
        const EnglishUnit& u = s.units[k];
        if ((!u.fw && u.cls == kClassVerb) || (u.fw && (u.fw->kind == EnKind::Be || u.fw->kind == EnKind::Have))) return;
        const EnglishUnit& before = s.units[k - 1];
        if (!candidate && !u.fw && u.cls == kClassNoun && u.lower.find(' ') == std::string::npos && !before.fw &&
            before.cls == kClassNoun)
            candidate = k;
    }
    if (!candidate) return;
    EnglishUnit verb = s.units[candidate];
    if (!LookUp(s, verb, verb.lower, kClassVerb, kFormBase)) return;
    s.units[candidate] = std::move(verb);
    if (s.applied) s.applied->push_back("VerbOfADoQuestionAfterItsSubject");
}

bool MatchPhraseAt(EnglishSentence& s, std::size_t i, const std::string& first) {
    for (const PhraseRecord& p : s.catalogue.PhrasesStartingWith(first)) {
        std::string_view text = s.catalogue.String(p.text);
        if (p.senseCount == 0 || !PhraseStandsAt(s, text, p.tokenCount, i, first)) continue;
        std::vector<std::string_view> parts = SplitWords(text);
        if (parts.size() != p.tokenCount || !WorthMatching(s.catalogue.Tables(), parts)) continue;
        if (InfinitiveOfTheVerbBefore(s, i, parts) || NumberOfTheNounAfter(s, i, parts)) continue;
        // "the head of the village": a noun's "of" before a determiner is the genitive's,
        // not a term's ("head of" cattle: Stück)
        const std::size_t after = i + parts.size();
        if (p.wordClass == kClassNoun && parts.back() == "of" && after < s.units.size() && IsDeterminer(s.units[after]))
            continue;
        if (p.wordClass == kClassNoun && VerbOfADoQuestion(s, i, after - 1)) continue;
        // "able to swim": with its verb after it, "be able to" is a German modal (können);
        // nor is the "to come" of "supposed to come" a term of its own (künftig)
        if (parts.size() == 2 && parts[1] == "to" && !s.catalogue.Tables().Value("be-to-modal", parts[0]).empty()) continue;
        if (parts[0] == "to" && i > 0 && !s.catalogue.Tables().Value("be-to-modal", s.units[i - 1].lower).empty()) continue;
        // "arrested by the police": after a participle "by" names the agent (von der
        // Polizei), not the term's manner (polizeilich)
        if (parts[0] == "by" && i > 0 && !s.units[i - 1].fw && s.units[i - 1].cls == kClassVerb &&
            s.units[i - 1].tag == kFormPastPart)
            continue;
        Records<SenseRecord> senses = s.catalogue.Senses(p.firstSense, p.senseCount);
        if (senses.empty()) continue;  // a damaged catalogue's range gives none
        const SenseRecord* chosen = senses.begin();
        for (const SenseRecord& sense : senses)
            if (s.options.subjects && (sense.subjects & s.options.subjects)) { chosen = &sense; break; }
        if (!KeepsItsHead(s, i, parts.size(), s.catalogue.String(chosen->text))) continue;
        if (s.options.honorific && SpeaksFamiliarly(s.catalogue.Tables(), s.catalogue.String(chosen->text))) continue;
        if (PlaceTermAfterAPlacingVerb(s, i, s.catalogue.String(chosen->text))) continue;
        if (p.wordClass != kClassVerb && !s.catalogue.Tables().English(parts[0], EnKind::Preposition) &&
            PrepositionTwice(s, i, s.catalogue.String(chosen->text)))
            continue;
        // "went out", "played football": a group that starts with a verb but is no verb
        // itself would hide the clause's verb from the rules
        if (!s.units[i].fw && s.units[i].cls == kClassVerb && p.wordClass != kClassVerb) continue;
        // "(expect) the price to rise": nor does a noun take in a verb a rule has made
        // finite (Preisanstieg)
        bool verbInside = false;
        for (std::size_t k = 1; k < parts.size(); ++k)
            verbInside = verbInside || (s.units[i + k].fixed && s.units[i + k].cls == kClassVerb);
        if (p.wordClass == kClassNoun && verbInside) continue;
        EnglishUnit merged = s.units[i];
        for (std::size_t k = 1; k < parts.size(); ++k) merged.source += " " + s.units[i + k].source;
        merged.lower = Lower1252(merged.source);
        merged.fw = nullptr;
        merged.known = true;
        merged.cls = p.wordClass;
        // "looking for": the verb's form stays the form of its first word
        const bool inflected = first != s.units[i].lower;
        if (inflected && !AnyFormTerm(s, text, parts, i)) continue;
        if (!inflected && p.wordClass == kClassVerb && PrepositionOfWhatFollows(s, text, parts, i)) continue;
        merged.tag = inflected ? s.units[i].tag : static_cast<std::uint8_t>(kFormBase);
        // "takes care of": the term's lemma is the term itself, not its first word's
        if (merged.cls == kClassVerb) merged.lemma = std::string(text);
        merged.german = s.catalogue.String(chosen->text);
        merged.gender = chosen->gender;
        // "human rights": a plural term is plural in German too, and keeps its form
        const std::string_view last = parts.back();
        if (merged.cls == kClassNoun && last.size() > 3 && last.back() == 's' && last[last.size() - 2] != 's')
            merged.gender = kPluralOnly, merged.plural = true;
        // "split personality" (gespaltene Persönlichkeit): a term of no class whose German
        // ends in a noun is that noun, of its gender ("eine gespaltene Persönlichkeit")
        const std::size_t lastBlank = merged.german.rfind(' ');
        const std::string lastGerman = lastBlank == std::string::npos ? merged.german : merged.german.substr(lastBlank + 1);
        if (merged.cls == kClassNone && !s.catalogue.Tables().English(parts[0]) && !lastGerman.empty() &&
            IsUpper1252(static_cast<unsigned char>(lastGerman[0]))) {  // not "in the house": im Haus
            if (const TargetRecord* noun = s.catalogue.Target(lastGerman, kClassNoun)) {
                merged.cls = kClassNoun;
                if (!merged.gender) merged.gender = noun->gender;
            }
        }
        merged.fixed = merged.cls != kClassNoun && merged.cls != kClassVerb;
        auto user = s.user.find(merged.lower);
        if (user != s.user.end()) merged.german = user->second.translation;
        s.units.erase(s.units.begin() + static_cast<long>(i) + 1, s.units.begin() + static_cast<long>(i + parts.size()));
        s.units[i] = std::move(merged);
        return true;
    }
    return false;
}

// "human rights" -> Menschenrechte, "as well as" -> sowie, "looking for" -> suchen: the
// catalogue's multi-word terms become one unit; a verb's term is found by its base form.
void MatchEnglishPhrases(EnglishSentence& s) {
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        if (s.units[i].punct) continue;
        if (MatchPhraseAt(s, i, s.units[i].lower)) continue;
        const EnglishUnit& u = s.units[i];
        if (!u.fw && u.cls == kClassVerb && !u.lemma.empty() && u.lemma != u.lower) MatchPhraseAt(s, i, u.lemma);
    }
}


}  // namespace

// The tagger's tag of every token, each narrowed to what the dictionary allows.
std::vector<EnglishTag> TagTokens(const Catalogue& catalogue, const std::vector<Token>& tokens) {
    std::vector<std::string_view> words;
    std::vector<TagMask> allowed;
    for (const Token& t : tokens) {
        words.push_back(t.text);
        const bool open = t.kind == TokenKind::Word && !catalogue.Tables().English(Lower1252(t.text));
        allowed.push_back(open ? DictionaryTags(catalogue, t.text, Lower1252(t.text)) : 0);
    }
    if (!catalogue.Tagger().IsOpen()) return std::vector<EnglishTag>(tokens.size(), kEnglishTagCount);
    std::vector<EnglishTag> tags = catalogue.Tagger().Tag(words, allowed);
    // "one of them", "I was one.": a number that counts nothing is the pronoun (einer)
    for (std::size_t k = 0; k < tags.size(); ++k)
        if (tags[k] == kTagNumber && allowed[k] && Lower1252(tokens[k].text) == "one" &&
            (k + 1 == tags.size() || tokens[k + 1].kind != TokenKind::Word || Lower1252(tokens[k + 1].text) == "of"))
            tags[k] = kTagNoun;
    // "The dog sleeps.": a sentence needs a verb; a plural noun that may be a verb's
    // third person is one when nothing else is
    const TagMask finite = TagBit(kTagVerbThird) | TagBit(kTagVerbPast) | TagBit(kTagModal) | TagBit(kTagBe) |
                           TagBit(kTagHave) | TagBit(kTagDo);
    const TagMask subject = kNounTags | TagBit(kTagSubjectPronoun);
    bool verb = false;
    for (std::size_t k = 0; k < tags.size(); ++k)
        verb = verb || (TagBit(tags[k]) & finite) ||
               (tags[k] == kTagVerbBase && k > 0 && (TagBit(tags[k - 1]) & subject));
    for (std::size_t k = 1; k < tags.size() && !verb; ++k)
        if (tags[k] == kTagNounPlural && (allowed[k] == 0 || (allowed[k] & TagBit(kTagVerbThird)))) {
            tags[k] = kTagVerbThird;
            verb = true;
        }
    return tags;
}

namespace {

// "the impending danger", "the amassed soldiers", "with increased prices": a participle
// between a determiner or adjective and its noun is a German adjective: the present
// participle with -d ("bevorstehend"), the past one as it is ("angehäuft"), each then
// declined like any adjective. A gerund after a preposition keeps its object instead
// ("after leaving school").
// "Incensed villagers protested": a participle that opens the sentence before a noun
// and a verb of its own describes the subject (aufgebrachte Dorfbewohner), with the
// dictionary's adjective where it has one.
void SentenceOpensWithAParticipleOfItsSubject(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    if (units.size() < 3) return;
    EnglishUnit& u = units[0];
    if (u.fw || u.source.find(' ') != std::string::npos || u.cls != kClassVerb ||
        (u.tag != kFormPastPart && u.tag != kFormPast) || units[1].fw || units[1].cls != kClassNoun ||
        !EnglishVerbAhead(s, 2, units.size()))
        return;
    if (!TakeAdjectiveReading(s, u)) {
        if (u.german.empty() || u.german.find(' ') != std::string::npos) return;
        u.german = GermanParticiple(s.catalogue, u.german);
        u.cls = kClassAdjective;
        u.tag = kFormBase;
    }
    if (s.applied) s.applied->push_back("SentenceOpensWithAParticipleOfItsSubject");
}

void ParticipleBeforeANounIsAnAdjective(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 1; i + 1 < units.size(); ++i) {
        EnglishUnit& u = units[i];
        if (u.fw || u.fixed || u.cls != kClassVerb || u.german.empty() || u.german.find(' ') != std::string::npos)
            continue;
        const bool present = u.tag == kFormPresPart;
        if (!present && u.tag != kFormPastPart && u.tag != kFormPast) continue;
        std::size_t noun = i + 1;
        while (noun < units.size() && !units[noun].fw && units[noun].cls == kClassAdjective) ++noun;
        if (noun >= units.size() || units[noun].fw || units[noun].cls != kClassNoun) continue;
        const EnglishUnit& before = units[i - 1];
        const bool opens = IsDeterminer(before) || before.number || (!before.fw && before.cls == kClassAdjective) ||
                           (!present && before.fw && before.fw->kind == EnKind::Preposition);
        if (!opens) continue;
        // "the building complex", "training programmes": a gerund of the list names a
        // thing and makes a compound (Gebäudekomplex, Trainingsprogramme)
        if (present && s.catalogue.Tables().InList("english-gerund-noun", u.lower)) {
            EnglishUnit noun = u;
            if (LookUp(s, noun, u.lower, kClassNoun, kFormBase)) u = noun;
            continue;
        }
        u.german = present ? u.german + "d" : GermanParticiple(s.catalogue, u.german);
        u.cls = kClassAdjective;
        u.tag = kFormBase;
    }
}

// "older", "the highest mountain": an English comparative or superlative is the German
// one, whose stem takes the adjective's ending (älter, der höchste Berg).
// "The path is to be extended", "He was to come": "be" before "to" and a verb is the
// modal sollen (soll verlängert werden, sollte kommen); "the aim is to win" says
// what the aim is (table to-complement-noun and the like).
void BeToIsSollen(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 1; i + 2 < units.size(); ++i) {
        EnglishUnit& be = units[i];
        const EnglishUnit& verb = units[i + 2];
        if (!be.fw || be.fw->kind != EnKind::Be || units[i + 1].lower != "to") continue;
        if (!(verb.lower == "be" || (!verb.fw && verb.cls == kClassVerb))) continue;
        const EnglishUnit& before = units[i - 1];
        if (!before.fw && before.cls == kClassNoun &&
            (tables.InList("to-complement-noun", before.lower) || tables.InList("to-complement-noun", before.lemma)))
            continue;
        const EnglishWord* sollen = tables.English(be.lower, EnKind::Modal);
        if (!sollen) continue;
        be.fw = sollen;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1));
    }
}

// "so tired", "too excited": after a word of degree a participle is an adjective, the
// dictionary's own (müde) or the participle itself (aufgeregt).
void ParticipleAfterADegreeWord(EnglishSentence& s) {
    for (std::size_t i = 1; i < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (u.fw || u.fixed || u.cls != kClassVerb || u.tag != kFormPastPart || u.german.empty() ||
            !s.catalogue.Tables().InList("english-degree-word", s.units[i - 1].lower) || s.units[i - 1].lower == "not")
            continue;
        if (TakeAdjectiveReading(s, u)) continue;
        u.german = GermanParticiple(s.catalogue, u.german);
        u.cls = kClassAdjective;
        u.tag = kFormBase;
    }
}

// "last year", "next week", "this morning": a time of two words is one adverb, as
// German says it (table english-time-adverb: letztes Jahr, nächste Woche, heute Morgen),
// before the dictionary's terms can make it a noun ("Vorjahr"); so are "very much" and
// the like (table english-adverb-pair: sehr), which would otherwise say "sehr" twice,
// and "Thank you" opening a sentence (table english-opening-pair: danke).
void AdverbsOfTwoWords(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        const std::string pair = units[i].lower + " " + units[i + 1].lower;
        const std::string& time = s.catalogue.Tables().Value("english-time-adverb", pair);
        std::string german = time.empty() ? s.catalogue.Tables().Value("english-adverb-pair", pair) : time;
        // "Thank you very much.": Danke sehr; "I thank you" keeps its verb
        if (german.empty() && i == 0) german = s.catalogue.Tables().Value("english-opening-pair", pair);
        // "since last year", "in the last week": after a preposition or article the words
        // are declined as a noun phrase
        if (german.empty() || (i > 0 && units[i - 1].fw &&
                               (units[i - 1].fw->kind == EnKind::Preposition || IsDeterminer(units[i - 1]))))
            continue;
        JoinAsOneAdverb(units, i, i + 1, german);
    }
}

// "He looks tired", "She looks like her mother": before an adjective or "like" a verb
// of seeming is another German verb (table seeming-verb: look, aussehen).
void SeemingVerbBeforeAnAdjectiveOrLike(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        EnglishUnit& verb = units[i];
        if (verb.fw || verb.cls != kClassVerb || verb.fixed) continue;
        const std::string& german = s.catalogue.Tables().Value("seeming-verb", verb.lemma.empty() ? verb.lower : verb.lemma);
        if (german.empty()) continue;
        std::size_t k = i + 1;
        while (k < units.size() && units[k].fw && units[k].fw->kind == EnKind::Adverb) ++k;  // "looks very tired"
        if (k >= units.size()) continue;
        const EnglishUnit& next = units[k];
        const bool like = next.lower == "like";
        // "looks tired.", "looks tired and ...", "gets dark early": an adjective that no noun follows
        const bool adjective = !next.fw && next.cls == kClassAdjective && !next.number &&
                               (k + 1 >= units.size() || units[k + 1].punct || units[k + 1].cls == kClassAdverb ||
                                (units[k + 1].fw && units[k + 1].fw->kind != EnKind::Article &&
                                 units[k + 1].fw->kind != EnKind::Possessive && units[k + 1].fw->kind != EnKind::Demonstrative));
        if (!like && !adjective) continue;
        verb.german = german;
        if (s.applied) s.applied->push_back("SeemingVerbBeforeAnAdjectiveOrLike");
    }
}

// "the head of the department": before "of" a noun may have another German sense
// (table noun-before-of: head, "der Leiter"; the article tells the gender, which the
// ladder "die Leiter" does not share).
void NounBeforeOf(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        EnglishUnit& noun = units[i];
        if (noun.fw || noun.cls != kClassNoun || noun.fixed || units[i + 1].lower != "of") continue;
        const std::string& value = s.catalogue.Tables().Value("noun-before-of", noun.lemma.empty() ? noun.lower : noun.lemma);
        const std::size_t blank = value.find(' ');
        if (blank == std::string::npos) continue;
        const std::string article = value.substr(0, blank);
        noun.german = value.substr(blank + 1);
        noun.gender = article == "der" ? kMasculine : article == "die" ? kFeminine : kNeuter;
    }
}

// "He said no.": "no" with no noun after it is the answer, nein.
void NoWithoutANounIsNein(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i)
        if (units[i].lower == "no" && units[i].fw && units[i].fw->kind == EnKind::Article && units[i + 1].punct)
            if (const EnglishWord* answer = s.catalogue.Tables().English("no", EnKind::Adverb)) units[i].fw = answer;
}

// "on Monday": am Montag, one adverb that says when wherever the clause puts it.
void OnADayIsOneAdverb(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        const EnglishUnit& day = units[i + 1];
        if (units[i].lower != "on" || day.fw || day.cls != kClassNoun || day.plural ||
            !s.catalogue.Tables().InList("day-noun", day.german))
            continue;
        JoinAsOneAdverb(units, i, i + 1, "am " + day.german);
    }
}

// "a 56-year-old man": the number and the age word are one German adjective
// (table age-word: year-old, jährig), declined before its noun (ein 56-jähriger Mann).
void AgeOfANumberIsOneAdjective(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 2 < units.size(); ++i) {
        const std::string& age = s.catalogue.Tables().Value("age-word", units[i + 2].lower);
        if (!units[i].number || units[i + 1].source != "-" || age.empty()) continue;
        EnglishUnit& u = units[i];
        u.source += "-" + units[i + 2].source;
        u.lower = Lower1252(u.source);
        u.german = units[i].german + "-" + age;
        u.number = false;
        u.cls = kClassAdjective;
        u.tag = kFormBase;
        u.known = true;
        u.fixed = false;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1), units.begin() + static_cast<std::ptrdiff_t>(i + 3));
        // "the 56-year-old was arrested": without a noun it is one (der 56-Jährige, den 56-Jährigen)
        const bool noun = i + 1 < units.size() && !units[i + 1].fw && !units[i + 1].punct &&
                          (units[i + 1].cls == kClassNoun || units[i + 1].cls == kClassAdjective);
        if (!noun) {
            const std::size_t dash = u.german.rfind('-');
            u.german[dash + 1] = static_cast<char>(ToUpper1252(static_cast<unsigned char>(u.german[dash + 1])));
            u.german += "e";
            u.cls = kClassNoun;
            u.gender = kMasculine;
        }
        if (s.applied) s.applied->push_back("AgeOfANumberIsOneAdjective");
    }
}

// "4.00 am", "10:30 pm", "4 p.m.": a time of day is German's clock of 24 hours
// (4.00 Uhr, 22.30 Uhr, 16 Uhr), one number that a preposition before it keeps.
void ClockTimeOfDay(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        if (!units[i].number) continue;
        std::size_t half = i + 1;
        std::string hours = units[i].source, minutes;
        const std::size_t dot = hours.find_first_of(".:");
        if (dot != std::string::npos) {
            minutes = hours.substr(dot + 1);
            hours.resize(dot);
        } else if (i + 3 < units.size() && units[i + 1].source == ":" && units[i + 2].number) {
            minutes = units[i + 2].source;
            half = i + 3;
        }
        const std::string& marker = units[half].lower;
        const bool am = marker == "am" || marker == "a.m.", pm = marker == "pm" || marker == "p.m.";
        if ((!am && !pm) || hours.empty() || hours.size() > 2 || hours.find_first_not_of("0123456789") != std::string::npos ||
            minutes.size() > 2 || minutes.find_first_not_of("0123456789") != std::string::npos)
            continue;
        int hour = std::stoi(hours);
        if (hour < 1 || hour > 12) continue;
        if (pm && hour < 12) hour += 12;
        if (am && hour == 12) hour = 0;
        EnglishUnit& u = units[i];
        for (std::size_t m = i + 1; m <= half; ++m) u.source += " " + units[m].source;
        u.lower = Lower1252(u.source);
        u.german = std::to_string(hour) + (minutes.empty() ? "" : "." + minutes) + " Uhr";
        u.fixed = true;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1), units.begin() + static_cast<std::ptrdiff_t>(half + 1));
        if (s.applied) s.applied->push_back("ClockTimeOfDay");
    }
}

// "half past seven": German names the half hour by the hour it leads to (halb acht;
// table half-past-english, digits counted alike); "a quarter past/to seven" keeps its
// hour (Viertel nach/vor sieben).
void HalfPastAnHour(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i + 2 < units.size(); ++i) {
        const std::size_t first = units[i].lower == "a" && units[i + 1].lower == "quarter" ? i + 1 : i;
        if (first + 2 >= units.size()) continue;
        const std::string& part = units[first].lower;
        const std::string& side = units[first + 1].lower;
        const bool half = part == "half" && side == "past";
        if (!half && !(part == "quarter" && (side == "past" || side == "to"))) continue;
        const EnglishUnit& hour = units[first + 2];
        const bool digits = hour.number && hour.source.size() <= 2 && hour.source.find_first_not_of("0123456789") == std::string::npos;
        const int h = digits ? std::stoi(hour.source) : 0;
        if (digits && (h < 1 || h > 12)) continue;
        std::string german;
        if (half) {
            german = digits ? std::to_string(h % 12 + 1) : tables.Value("half-past-english", hour.lower);
            if (!german.empty()) german = "halb " + german;
        } else {
            const std::string& said = hour.lower == "one" ? tables.Value("half-past-english", "twelve") : tables.Value("english-number", hour.lower);
            german = digits ? hour.source : said;
            if (!german.empty()) german = std::string("Viertel ") + (side == "past" ? "nach " : "vor ") + german;
        }
        if (german.empty()) continue;
        JoinAsOneAdverb(units, i, first + 2, german);
        units[i].number = true;  // a time of the clock, as "eight" is ("at half past seven": um halb acht)
        if (s.applied) s.applied->push_back("HalfPastAnHour");
    }
}

// "8pm", "4.30pm", "16th": a time or an ordinal written with its ending in one word is
// German's own way of writing it (20 Uhr, 16.30 Uhr, 16.).
std::string NumberWithItsEnding(const std::string& lower) {
    std::size_t digits = lower.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string::npos) return std::string();
    const std::string number = lower.substr(0, digits), rest = lower.substr(digits);
    if (rest == "st" || rest == "nd" || rest == "rd" || rest == "th") return number + ".";
    std::string minutes, marker = rest;
    if ((rest[0] == '.' || rest[0] == ':') && rest.size() == 5 && IsDigit1252(static_cast<unsigned char>(rest[1])) &&
        IsDigit1252(static_cast<unsigned char>(rest[2]))) {
        minutes = rest.substr(1, 2);
        marker = rest.substr(3);
    }
    if ((marker != "am" && marker != "pm") || number.size() > 2) return std::string();
    int hour = std::stoi(number);
    if (hour < 1 || hour > 12) return std::string();
    if (marker == "pm" && hour < 12) hour += 12;
    if (marker == "am" && hour == 12) hour = 0;
    return std::to_string(hour) + (minutes.empty() ? "" : "." + minutes) + " Uhr";
}

// The day of a month in figures, "16", "16th", "3rd" (0 when the word is none).
int DayOfTheMonth(const EnglishUnit& u) {
    std::size_t digits = u.lower.find_first_not_of("0123456789");
    if (digits == 0 || u.lower.empty()) return 0;
    if (digits == std::string::npos) digits = u.lower.size();
    const std::string rest = u.lower.substr(digits);
    if (digits > 2 || !(rest.empty() || rest == "st" || rest == "nd" || rest == "rd" || rest == "th")) return 0;
    const int day = std::stoi(u.lower.substr(0, digits));
    return day >= 1 && day <= 31 ? day : 0;
}

// "July 16", "16 July", "the 16th of July", "July 16th, 2017": a date is German's
// "16. Juli (2017)", a masculine noun; after "on" the two say when as one adverb
// (am 16. Juli).
void DatesOfTheMonth(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    auto month = [&](std::size_t k) -> const std::string& {
        static const std::string none;
        // with its capital: "16 may come" is no date
        return k < units.size() && units[k].capital ? tables.Value("english-month", units[k].lower) : none;
    };
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::size_t first = i, last = i;
        int day = 0;
        std::string name;
        if (!month(i).empty() && i + 1 < units.size() && (day = DayOfTheMonth(units[i + 1])) != 0) {
            name = month(i);  // July 16
            last = i + 1;
        } else if ((day = DayOfTheMonth(units[i])) != 0 && !month(i + 1).empty()) {
            name = month(i + 1);  // 16 July
            last = i + 1;
        } else if (day != 0 && i + 2 < units.size() && units[i + 1].lower == "of" && !month(i + 2).empty()) {
            name = month(i + 2);  // 16th of July
            last = i + 2;
            if (first > 0 && units[first - 1].lower == "the") --first;
        } else {
            continue;
        }
        std::size_t year = last + 1;
        if (year < units.size() && units[year].source == ",") ++year;
        if (year < units.size() && units[year].number && units[year].source.size() == 4) last = year;
        std::string german = std::to_string(day) + ". " + name;
        if (last > i + 1 && units[last].number) german += " " + units[last].source;
        const bool on = first > 0 && units[first - 1].lower == "on";
        if (on) {
            JoinAsOneAdverb(units, first - 1, last, "am " + german);
        } else {
            JoinAsOneAdverb(units, first, last, german);
            EnglishUnit& date = units[first];
            date.cls = kClassNoun;
            date.gender = kMasculine;
        }
        if (s.applied) s.applied->push_back("DatesOfTheMonth");
    }
}

// "2 million", "1.2 billion", "a million": a number and its count above a thousand
// are one number, German's count after it in the plural from two on (2 Millionen,
// 1,2 Milliarden, eine Million); its noun follows as after any number.
void LargeCountAfterANumber(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        const std::string& counts = s.catalogue.Tables().Value("english-large-number", units[i + 1].lower);
        const bool one = units[i].lower == "a" || units[i].lower == "one" || units[i].lower == "1";
        if (counts.empty() || (!units[i].number && !one)) continue;
        const std::size_t bar = counts.find('|');
        EnglishUnit& u = units[i];
        u.source += " " + units[i + 1].source;
        u.lower = Lower1252(u.source);
        u.german = one ? "eine " + counts.substr(0, bar) : u.german + " " + counts.substr(bar + 1);
        u.fw = nullptr;
        u.number = true;
        u.known = true;
        u.cls = kClassAdjective;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1));
        if (s.applied) s.applied->push_back("LargeCountAfterANumber");
    }
}

// "$20 million", "£300": a currency sign before a number is named after it
// (20 Millionen Dollar, 300 Pfund).
void CurrencySignAfterTheNumber(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        const std::string& currency = s.catalogue.Tables().Value("english-currency-sign", units[i].source);
        if (currency.empty() || !units[i + 1].number) continue;
        EnglishUnit& number = units[i + 1];
        number.source = units[i].source + number.source;
        number.lower = Lower1252(number.source);
        number.german += " " + currency;
        number.start = units[i].start;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i));
        if (s.applied) s.applied->push_back("CurrencySignAfterTheNumber");
    }
}

void NumbersWrittenWithTheirEnding(EnglishSentence& s) {
    for (EnglishUnit& u : s.units) {
        if (u.punct || u.fw || u.known) continue;
        const std::string german = NumberWithItsEnding(u.lower);
        if (german.empty()) continue;
        u.german = german;
        u.known = true;
        u.fixed = true;
        // a time is a number for the prepositions ("um 20 Uhr"); an ordinal an adjective
        if (german.back() == '.') u.cls = kClassAdjective;
        else u.number = true;
        if (s.applied) s.applied->push_back("NumbersWrittenWithTheirEnding");
    }
}

// "more than 500 people", "about 20 cars": a word of quantity before a number joins it
// (table number-quantity: mehr als 500, etwa 20), so that the number keeps its noun.
void QuantityBeforeANumber(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i < units.size(); ++i) {
        for (std::size_t words = 2; words >= 1; --words) {
            if (i + words >= units.size() || !units[i + words].number) continue;
            std::string key = units[i].lower;
            for (std::size_t m = i + 1; m < i + words; ++m) key += " " + units[m].lower;
            const std::string& german = s.catalogue.Tables().Value("number-quantity", key);
            // "around 1856": a year keeps its preposition (um); "at around 4 pm" is gegen
            const std::string& digits = units[i + words].source;
            const bool year = digits.size() == 4 && (digits[0] == '1' || digits[0] == '2');
            // "talked about 3 books": after a verb a preposition may be the verb's own
            const bool verbs = words == 1 && i > 0 && units[i].fw && units[i].fw->kind == EnKind::Preposition &&
                               IsVerb(units[i - 1]) && !IsAuxiliary(units[i - 1]);
            if (german.empty() || year || verbs || (i > 0 && units[i - 1].lower == "at")) continue;
            EnglishUnit& number = units[i + words];
            for (std::size_t m = i + words; m-- > i;) number.source = units[m].source + " " + number.source;
            number.lower = Lower1252(number.source);
            number.german = german + " " + number.german;
            number.capital = units[i].capital;
            number.start = units[i].start;
            units.erase(units.begin() + static_cast<std::ptrdiff_t>(i), units.begin() + static_cast<std::ptrdiff_t>(i + words));
            if (s.applied) s.applied->push_back("QuantityBeforeANumber");
            break;
        }
    }
}

// "love each other", "talk with one another": the reciprocal pronoun is "einander",
// which a preposition before it joins (miteinander, voneinander).
void EachOtherIsEinander(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        if (!s.catalogue.Tables().InList("reciprocal-pronoun", units[i].lower + " " + units[i + 1].lower)) continue;
        std::size_t first = i;
        std::string german = "einander";
        const EnglishWord* before = i > 0 ? units[i - 1].fw : nullptr;
        if (before && before->kind == EnKind::Preposition && std::string_view(before->german).find(' ') == std::string_view::npos) {
            first = i - 1;
            german = std::string(units[i - 1].fw->german) + german;
        }
        JoinAsOneAdverb(units, first, i + 1, german);
        if (s.applied) s.applied->push_back("EachOtherIsEinander");
        i = first;
    }
}

// "The man, however, was arrested": a lone adverb between commas inside a clause is
// one of its adverbs; German sets no commas around it (wurde jedoch festgenommen).
void AdverbBetweenCommasStaysInItsClause(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 1; i + 3 < units.size(); ++i) {
        const EnglishUnit& adverb = units[i + 1];
        const bool isAdverb = adverb.fw ? adverb.fw->kind == EnKind::Adverb : adverb.cls == kClassAdverb && adverb.source.find(' ') == std::string::npos;
        if (units[i].source != "," || units[i + 2].source != "," || !isAdverb || units[i - 1].punct || units[i + 3].punct)
            continue;
        // "As the company points out, however, the rules ...": there the commas end a
        // clause of its own in front (a subordinate one, or one opened by its auxiliary)
        std::size_t from = i;
        while (from > 0 && !units[from - 1].punct) --from;
        bool clauseInFront = IsAuxiliary(units[from]);
        for (std::size_t k = from; k < i; ++k)
            clauseInFront = clauseInFront || (units[k].fw && units[k].fw->kind == EnKind::Subordinator);
        if (clauseInFront) continue;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 2));
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i));
        if (s.applied) s.applied->push_back("AdverbBetweenCommasStaysInItsClause");
    }
}

// "No one helped us": a pronoun of two words is the one-word pronoun the table names
// (english-two-word-pronoun: "no one" is "nobody", niemand).
void PronounsOfTwoWords(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        const std::string& one = tables.Value("english-two-word-pronoun", units[i].lower + " " + units[i + 1].lower);
        const EnglishWord* pronoun = one.empty() ? nullptr : tables.English(one);
        if (!pronoun) continue;
        units[i].source += " " + units[i + 1].source;
        units[i].lower = one;
        units[i].fw = pronoun;
        units[i].fixed = true;
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1));
        if (s.applied) s.applied->push_back("PronounsOfTwoWords");
    }
}

// "a big one", "international ones": after an adjective "one" stands for a noun
// said before; German says the adjective alone (ein großer, internationalen).
void OneAfterAnAdjectiveGoes(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 1; i < units.size(); ++i) {
        const EnglishUnit& before = units[i - 1];
        if ((units[i].lower != "one" && units[i].lower != "ones") || units[i].fixed || before.fw ||
            before.cls != kClassAdjective || before.number)
            continue;
        if (i + 1 < units.size() && !units[i + 1].fw && (units[i + 1].cls == kClassNoun || units[i + 1].cls == kClassAdjective))
            continue;
        // the noun it stands for: the last one before it, whose gender the adjective takes
        EnglishUnit& one = units[i];
        one.gender = kNeuter;
        for (std::size_t k = i - 1; k-- > 0;)
            if (!units[k].fw && units[k].cls == kClassNoun && units[k].gender) {
                one.gender = units[k].gender;
                break;
            }
        one.plural = one.lower == "ones";
        one.cls = kClassNoun;
        one.tag = one.plural ? kFormPlural : kFormBase;
        one.german.clear();
        one.number = false;
        one.known = true;
        one.fixed = true;
        if (s.applied) s.applied->push_back("OneAfterAnAdjectiveGoes");
    }
}

// "one never knows", "one can see": "one" before a finite verb, counting nothing, is
// the subject of anyone at all (man).
void GenericOneIsMan(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EnglishWord* man = s.catalogue.Tables().English("generic one");
    bool counted = false;  // "two of them are ..., and one is ...": one of those counted
    for (std::size_t i = 0; man && i + 1 < units.size(); ++i) {
        EnglishUnit& u = units[i];
        const EnglishUnit& next = units[i + 1];
        counted = counted || (u.number && u.lower != "one");
        if (u.lower != "one" || u.fixed || counted || (i > 0 && units[i - 1].lower == "not")) continue;
        // "a quilt that one does not recognise": "that" after a noun is the relative
        const bool relative = i > 1 && units[i - 1].lower == "that" && !units[i - 2].fw && units[i - 2].cls == kClassNoun;
        if (i > 0 && !relative &&
            (IsDeterminer(units[i - 1]) || (!units[i - 1].fw && units[i - 1].cls == kClassAdjective) ||
             units[i - 1].lower == "of"))
            continue;
        const bool finite = IsAuxiliary(next) || (!next.fw && next.cls == kClassVerb &&
                                                  (next.tag == kFormThird || next.tag == kFormPast));
        if (!finite) continue;
        u.fw = man;
        u.german = man->german;
        u.number = false;
        u.fixed = true;
        if (s.applied) s.applied->push_back("GenericOneIsMan");
    }
}

// "taller than me", "as old as him": German compares with the subject's case (größer
// als ich; table compared-pronoun: me -> I).
void PronounAfterThanIsTheSubjects(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 1; i < units.size(); ++i) {
        const std::string& subject = s.catalogue.Tables().Value("compared-pronoun", units[i].lower);
        const bool compared = units[i - 1].lower == "than" || (units[i - 1].lower == "as" && i >= 3);
        // "than her sister": a possessive before its noun stays one
        const bool alone = i + 1 >= units.size() || units[i + 1].punct || units[i + 1].fw;
        const EnglishWord* pronoun = subject.empty() ? nullptr : s.catalogue.Tables().English(subject, EnKind::Pronoun);
        if (!compared || !alone || !pronoun) continue;
        units[i].fw = pronoun;
        units[i].german = pronoun->german;
        if (s.applied) s.applied->push_back("PronounAfterThanIsTheSubjects");
    }
}

// "My name is Tom", "What is your name?": German tells a name with "heißen" (Ich heiße
// Tom, Wie heißen Sie?); the English possessive names the subject (table name-possessive).
// The unit becomes a lexical verb of that form, German and English lemma.
void MakeVerb(EnglishUnit& u, std::uint8_t tag, const char* german, const char* lemma) {
    u.fw = nullptr;
    u.cls = kClassVerb;
    u.tag = tag;
    u.german = german;
    u.lemma = lemma;
    u.known = true;
    u.fixed = false;
    u.plural = false;
}

EnglishUnit NameVerb(const EnglishUnit& from, std::uint8_t tag) {
    EnglishUnit verb = from;
    MakeVerb(verb, tag, "heißen", "call");
    verb.lower = verb.source = "call";
    return verb;
}

void NameIsTellsItWithHeissen(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    auto be = [&](std::size_t k) { return k < units.size() && units[k].fw && units[k].fw->kind == EnKind::Be; };
    for (std::size_t i = 0; i + 2 < units.size(); ++i) {
        const std::string& pronoun = tables.Value("name-possessive", units[i].lower);
        if (pronoun.empty() || units[i + 1].lower != "name") continue;
        const EnglishWord* subject = tables.English(pronoun, EnKind::Pronoun);
        if (!subject) continue;
        const bool asked = i >= 2 && units[i - 2].lower == "what" && be(i - 1) && units[i + 2].punct;
        const bool told = be(i + 2) && i + 3 < units.size() && !units[i + 3].fw && units[i + 3].cls == kClassName;
        if (!asked && !told) continue;
        const bool past = units[asked ? i - 1 : i + 2].fw->past;
        units[i].fw = subject;
        units[i].german = subject->german;
        units[i].lower = pronoun;
        units[i].source = pronoun == "i" ? "I" : pronoun;
        if (told) {
            const bool third = pronoun == "he" || pronoun == "she";
            units[i + 1] = NameVerb(units[i + 1], past ? kFormPast : third ? kFormThird : kFormBase);
            units.erase(units.begin() + static_cast<long>(i) + 2);
        } else {
            const EnglishWord* how = tables.English("how", EnKind::Question);
            const EnglishWord* does = tables.English(past ? "did" : "do", EnKind::Do);
            if (!how || !does) continue;
            units[i - 2].fw = how;
            units[i - 2].german = how->german;
            units[i - 1].fw = does;
            units[i - 1].german = does->german;
            units[i + 1] = NameVerb(units[i + 1], kFormBase);
        }
        if (s.applied) s.applied->push_back("NameIsTellsItWithHeissen");
    }
}

// "most of the violations", "most people": the greater part of a plural is "die meisten"
// (die meisten Verletzungen); "most" becomes the adjective after the article, which the
// noun phrase declines. Not before an adjective, which "the most" would compare.
void MostOfAPluralIsDieMeisten(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EnglishWord* the = s.catalogue.Tables().English("the", EnKind::Article);
    if (!the) return;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        if (units[i].lower != "most" || (i > 0 && IsDeterminer(units[i - 1]))) continue;
        std::size_t noun = i + 1;
        const bool of = units[i + 1].lower == "of" && i + 2 < units.size();
        if (of && units[i + 2].lower == "the") noun = i + 3;
        else if (of) continue;
        if (noun >= units.size() || units[noun].fw || units[noun].cls != kClassNoun || !units[noun].plural) continue;
        EnglishUnit& most = units[i];
        most.fw = nullptr;
        most.cls = kClassAdjective;
        most.tag = kFormBase;
        most.german = "meist";
        most.lemma.clear();
        most.known = true;
        most.fixed = false;
        EnglishUnit article = most;
        article.source = article.lower = "the";
        article.fw = the;
        article.cls = kClassNone;
        article.german.clear();
        if (of) units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1), units.begin() + static_cast<std::ptrdiff_t>(noun));
        const bool start = most.start;
        most.start = false;
        article.start = start;
        if (start) article.source = "The";
        units.insert(units.begin() + static_cast<std::ptrdiff_t>(i), article);
        ++i;
        if (s.applied) s.applied->push_back("MostOfAPluralIsDieMeisten");
    }
}

// "It is about money", "This is not really about history": what a matter concerns German
// says with "es geht um" (Es geht um Geld); the subject is one of table about-subject.
// "It is about five miles" and "it is about to rain" keep "about" as it is.
void ItIsAboutIsEsGehtUm(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    const EnglishWord* es = tables.English("it", EnKind::Pronoun);
    const EnglishWord* um = tables.English("around", EnKind::Preposition);
    if (!es || !um) return;
    for (std::size_t i = 0; i + 3 < units.size(); ++i) {
        EnglishUnit& be = units[i + 1];
        if (!tables.InList("about-subject", units[i].lower) || !be.fw || be.fw->kind != EnKind::Be ||
            (i + 2 < units.size() && units[i + 2].lower == "being"))
            continue;
        std::size_t k = i + 2;
        while (k < units.size() && ((units[k].fw && units[k].fw->kind == EnKind::Negation) ||
                                    (!units[k].fw && units[k].cls == kClassAdverb && !units[k].fixed)))
            ++k;
        if (k + 1 >= units.size() || units[k].lower != "about" || units[k + 1].punct || units[k + 1].number ||
            units[k + 1].lower == "to" || tables.InList("about-keeps-before", units[k + 1].lower))
            continue;
        units[i].fw = es;
        units[i].german = es->german;
        MakeVerb(be, be.fw->past ? kFormPast : kFormThird, "gehen", "go");
        units[k].fw = um;
        units[k].german = um->german;
        if (s.applied) s.applied->push_back("ItIsAboutIsEsGehtUm");
    }
}

// "Where are you going?": German asks where to (wohin) before a verb of going or
// putting (table motion-verb), and where from (woher) for a "from" left at the end of
// the clause, which it then drops ("Where do you come from?": Woher kommen Sie?).
void WhereToAndWhereFrom(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].lower != "where" || !units[i].fw) continue;
        std::size_t end = i + 1;
        while (end < units.size() && !units[end].punct) ++end;
        const EnglishWord* from = end > i + 2 && units[end - 1].lower == "from" ? tables.English("whence", units[i].fw->kind) : nullptr;
        if (from) {
            units[i].fw = from;
            units.erase(units.begin() + static_cast<long>(end - 1));
            if (s.applied) s.applied->push_back("WhereToAndWhereFrom");
            continue;
        }
        std::size_t k = i + 1;
        while (k < end && (units[k].fw || units[k].cls != kClassVerb)) ++k;
        if (k == end || !tables.InList("motion-verb", units[k].german)) continue;
        // "the town where he went", "Where did you go to school?": a place, not a goal
        if (i > 0 && (units[i - 1].source == "," || (!units[i - 1].fw && units[i - 1].cls == kClassNoun))) continue;
        bool goal = false;
        for (std::size_t j = k + 1; j < end; ++j) goal = goal || units[j].lower == "to" || units[j].lower == "into";
        if (goal) continue;
        if (const EnglishWord* to = tables.English("whither", units[i].fw->kind)) {
            units[i].fw = to;
            if (s.applied) s.applied->push_back("WhereToAndWhereFrom");
        }
    }
}

// "no more tickets": German says "keine Karten mehr", the "mehr" after the noun phrase.
void NoMoreBeforeANoun(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 2 < units.size(); ++i) {
        if (units[i].lower != "no" || !units[i].fw || units[i].fw->kind != EnKind::Article || units[i + 1].lower != "more") continue;
        std::size_t end = i + 2;
        while (end < units.size() && !units[end].fw && !units[end].punct && units[end].cls == kClassAdjective) ++end;
        const std::size_t nouns = end;
        while (end < units.size() && !units[end].fw && !units[end].punct && units[end].cls == kClassNoun) ++end;
        if (end == nouns) continue;
        JoinAsOneAdverb(units, i + 1, i + 1, "mehr");
        EnglishUnit mehr = std::move(units[i + 1]);
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i + 1));
        units.insert(units.begin() + static_cast<std::ptrdiff_t>(end - 1), std::move(mehr));
        if (s.applied) s.applied->push_back("NoMoreBeforeANoun");
    }
}

// "three weeks ago", "a year later": a span of time before "ago", "later" or "earlier" is
// one adverb in German (vor drei Wochen, ein Jahr später; table time-span-word, whose
// "_" is the span): the dative after a preposition, else the accusative of measure.
void SpanOfTimeBeforeAgoOrLater(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    const EngineTables& tables = s.catalogue.Tables();
    for (std::size_t k = 2; k < units.size(); ++k) {
        const std::string& pattern = tables.Value("time-span-word", units[k].lower);
        const EnglishUnit& noun = units[k - 1];
        if (pattern.empty() || noun.fw || noun.cls != kClassNoun || !tables.InList("time-noun", Lower1252(noun.german)))
            continue;
        std::size_t j = k - 1;  // "a few", "two more": numbers, articles and quantities before it
        while (j > 0 && (units[j - 1].number || (units[j - 1].fw && units[j - 1].fw->kind == EnKind::Article) ||
                         tables.InList("span-quantity", units[j - 1].lower)))
            --j;
        if (j == k - 1) continue;
        const std::size_t blank = pattern.find('_');
        std::size_t i = j;
        std::vector<std::string> words;
        GermanNounPhrase(s, i, k, blank == 0 ? Case::Accusative : Case::Dative, words);
        if (i != k || blank == std::string::npos) continue;
        std::string span;
        for (const std::string& w : words) span += (span.empty() ? "" : " ") + w;
        JoinAsOneAdverb(units, j, k, pattern.substr(0, blank) + span + pattern.substr(blank + 1));
        if (s.applied) s.applied->push_back("SpanOfTimeBeforeAgoOrLater");
        k = j;
    }
}

// "more expensive", "the most beautiful": German compares the adjective itself.
void MoreOrMostBeforeAnAdjective(EnglishSentence& s) {
    std::vector<EnglishUnit>& units = s.units;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        EnglishUnit& next = units[i + 1];
        // "the most beautiful city": the dictionary's "am schönsten" before a noun is "schönst-"
        EnglishUnit& u = units[i];
        if (u.fixed && i > 0 && IsDeterminer(units[i - 1]) && !next.fw && next.cls == kClassNoun &&
            u.german.compare(0, 3, "am ") == 0 && EndsWith(u.german, "sten") && u.german.find(' ', 3) == std::string::npos) {
            u.german = u.german.substr(3, u.german.size() - 5);
            u.source = u.source.substr(u.source.rfind(' ') + 1);  // one adjective now
            u.lower = Lower1252(u.source);
            u.cls = kClassAdjective;
            u.tag = kFormBase;
            u.fixed = false;
            continue;
        }
        // "more slowly": an adverb of one German word compares as its adjective does (langsamer)
        if (units[i].lower == "more" && !next.fw && !next.fixed && next.cls == kClassAdverb && !next.german.empty() &&
            next.german.find(' ') == std::string::npos && EndsWith(next.lower, "ly")) {
            next.german = GermanComparative(s.catalogue.Tables(), next.german);
            next.fixed = true;
            units.erase(units.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (next.fw || next.fixed || next.cls != kClassAdjective || next.tag != kFormBase) continue;
        const bool more = units[i].lower == "more";
        // "is most important" is "am wichtigsten": only "the most" before its noun
        const bool most = units[i].lower == "most" && i > 0 && IsDeterminer(units[i - 1]);
        if (!more && !most) continue;
        next.tag = more ? kFormComparative : kFormSuperlative;
        next.lemma.clear();  // compared here, not by the dictionary
        units.erase(units.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void ComparedAdjectivesInGerman(EnglishSentence& s) {
    MoreOrMostBeforeAnAdjective(s);
    for (EnglishUnit& u : s.units) {
        if (u.fw || u.fixed || u.cls != kClassAdjective || u.german.empty() || u.german.find(' ') != std::string::npos)
            continue;
        // "worse" is a headword of its own, whose German is compared already (schlechter)
        if (!u.lemma.empty() && Lower1252(u.lemma) == u.lower) continue;
        if (u.tag == kFormComparative) u.german = GermanComparative(s.catalogue.Tables(), u.german);
        else if (u.tag == kFormSuperlative) u.german = GermanSuperlative(s.catalogue.Tables(), u.german);
    }
}

}  // namespace

// "said on Monday that", "told reporters yesterday that": between a verb of saying and
// "that" stand only a time or the person told, and "that" is the conjunction.
bool ThatAfterSayingAndATime(const EnglishSentence& s, std::size_t i) {
    const EngineTables& tables = s.catalogue.Tables();
    std::size_t k = i;
    for (int steps = 0; k > 0 && steps < 5; ++steps) {
        const EnglishUnit& u = s.units[k - 1];
        const bool time = !u.fw && u.cls == kClassNoun && (tables.InList("day-noun", u.german) || tables.InList("time-noun", Lower1252(u.german)));
        const bool timeWord = (u.fw && (u.fw->kind == EnKind::Preposition || u.fw->kind == EnKind::Adverb)) || IsDeterminer(u) ||
                              (!u.fw && u.cls == kClassAdverb);
        if (!time && !timeWord) break;
        --k;
    }
    if (k == i || k == 0) return false;
    auto lemma = [](const EnglishUnit& v) { return v.lemma.empty() ? v.lower : v.lemma; };
    const EnglishUnit& verb = s.units[k - 1];
    if (!verb.fw && verb.cls == kClassVerb && tables.InList("that-clause-verb", lemma(verb))) return true;
    // "told reporters on Monday that": the person told before the time
    for (int steps = 0; k > 0 && steps < 3; ++steps) {
        const EnglishUnit& u = s.units[k - 1];
        if (!(IsDeterminer(u) || (u.fw && u.fw->kind == EnKind::Pronoun) || (!u.fw && (u.cls == kClassNoun || u.cls == kClassName)))) break;
        --k;
    }
    return k > 0 && !s.units[k - 1].fw && s.units[k - 1].cls == kClassVerb && tables.InList("tell-object-verb", lemma(s.units[k - 1]));
}

// "told reporters that the officers were ...", "warned the people that ...": after a verb
// of telling and its object (table tell-object-verb), "that" before a subject is "dass";
// so after a noun that says what is thought or said ("the idea that", "the fact that";
// table that-complement-noun). Elsewhere "the book that he wrote" is a relative clause.
bool ThatAfterANounIsDass(const EnglishSentence& s, std::size_t that) {
    const EngineTables& tables = s.catalogue.Tables();
    if (that == 0 || that + 1 >= s.units.size()) return false;
    // "that unity can ...": a noun without a determiner opens the clause when its verb follows
    const bool bareNoun = that + 2 < s.units.size() && !s.units[that + 1].fw && s.units[that + 1].cls == kClassNoun &&
                          FiniteVerb(s.units[that + 2]);
    if (!SubjectStartsWith(tables, s.units[that + 1]) && !bareNoun) return false;
    const EnglishUnit& noun = s.units[that - 1];
    if (!noun.fw && noun.cls == kClassNoun && tables.InList("that-complement-noun", noun.lemma.empty() ? noun.lower : noun.lemma))
        return true;
    std::size_t k = that;
    // "reminded me that": the person told may be a pronoun
    const bool pronoun = k > 0 && s.units[k - 1].fw && s.units[k - 1].fw->kind == EnKind::Pronoun;
    if (pronoun) --k;
    while (!pronoun && k > 0 && !s.units[k - 1].punct &&
           (IsDeterminer(s.units[k - 1]) || (!s.units[k - 1].fw && IsNounOrAdjective(s.units[k - 1]))))
        --k;
    if (k == that || k == 0) return false;
    const EnglishUnit& verb = s.units[k - 1];
    return !verb.fw && verb.cls == kClassVerb && tables.InList("tell-object-verb", verb.lemma.empty() ? verb.lower : verb.lemma);
}

bool AnalyseEnglishSentence(EnglishSentence& s, const std::vector<Token>& tokens, Clock::time_point deadline) {
    const std::vector<EnglishTag> tags = TagTokens(s.catalogue, tokens);
    std::size_t words = 0, capitals = 0;
    for (const Token& t : tokens) {
        if (t.kind != TokenKind::Word) continue;
        ++words;
        capitals += AllCapitals(t.text);
    }
    s.shouting = capitals * 2 > words;
    bool start = true;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const Token& t = tokens[k];
        if (s.units.size() % 16 == 15 && Clock::now() > deadline) return false;
        bool first = true;
        std::vector<std::string> parts = SplitContraction(s.catalogue.Tables(), t);
        // "another Scot" is "ein anderer Schotte", an article and an adjective; "one another" is einander
        if (Lower1252(t.text) == "another" && !(k > 0 && Lower1252(tokens[k - 1].text) == "one"))
            parts = {t.text.substr(0, 2), t.text.substr(2)};
        for (const std::string& p : parts) {
            EnglishUnit u;
            u.source = p;
            u.lower = Lower1252(p);
            u.punct = t.kind == TokenKind::Punctuation;
            u.number = t.kind == TokenKind::Number;
            u.capital = IsUpper1252(static_cast<unsigned char>(p[0]));
            u.start = start && !u.punct;
            u.tag = kFormBase;
            if (first && tags[k] < kEnglishTagCount) u.tagName = EnglishTagName(tags[k]);
            // "neighbour's": the possessive "'s" went, the unit remembers it
            u.possessive = t.kind == TokenKind::Word && t.text.size() > p.size() &&
                           Lower1252(t.text.substr(p.size())).find('s') == 1 && t.text.size() == p.size() + 2;
            const TagReading tagged = first && tags[k] < kEnglishTagCount ? ReadingOfTag(tags[k]) : TagReading{};
            if (!u.punct && !u.number) Analyse(s, u, s.units.empty() ? nullptr : &s.units.back(), tagged);
            NumberWord(s.catalogue.Tables(), u);
            if (u.number && u.german.empty()) {
                const bool clock = !s.units.empty() && s.units.back().lower == "at";  // "at 10.30"
                u.german = clock ? u.source : SwapDigitMarks(u.source);
            }
            if (u.punct) u.german = u.source;
            if (u.number) u.cls = kClassAdjective;
            s.units.push_back(std::move(u));
            if (!s.units.back().punct) start = false;
            first = false;
        }
    }
    SayingAfterAPastClauseIsAndSaid(s);
    ChooseReadings(s);
    BeToIsSollen(s);  // before "to come" can be read as a term
    AdverbsOfTwoWords(s);
    EachOtherIsEinander(s);
    PronounsOfTwoWords(s);
    GenericOneIsMan(s);
    OneAfterAnAdjectiveGoes(s);
    AdverbBetweenCommasStaysInItsClause(s);
    AgeOfANumberIsOneAdjective(s);
    ClockTimeOfDay(s);
    HalfPastAnHour(s);
    DatesOfTheMonth(s);
    NumbersWrittenWithTheirEnding(s);
    LargeCountAfterANumber(s);
    CurrencySignAfterTheNumber(s);
    QuantityBeforeANumber(s);
    OnADayIsOneAdverb(s);
    SeemingVerbBeforeAnAdjectiveOrLike(s);
    NounBeforeOf(s);
    NoWithoutANounIsNein(s);
    NameIsTellsItWithHeissen(s);
    ItIsAboutIsEsGehtUm(s);
    MostOfAPluralIsDieMeisten(s);
    PronounAfterThanIsTheSubjects(s);
    NoMoreBeforeANoun(s);
    WhereToAndWhereFrom(s);  // before "come from" is a term (stammen)
    SpanOfTimeBeforeAgoOrLater(s);  // before the terms: "two years ago" is no "zwei vor Jahren"
    MatchEnglishPhrases(s);
    VerbOfADoQuestionAfterItsSubject(s);
    SuchABecomesEinSo(s);  // after the terms: "such a common room" has no adjective left
    GoingByAVehicle(s);
    AllDayIsTheWholeDay(s);
    SentenceOpensWithAParticipleOfItsSubject(s);
    ParticipleBeforeANounIsAnAdjective(s);
    ComparedAdjectivesInGerman(s);
    ParticipleAfterADegreeWord(s);
    ItAndItsTakeTheGenderOfTheirNoun(s);
    OccupationAfterBeTakesNoArticle(s);
    bool condition = false, marker = false;
    for (const EnglishUnit& u : s.units) {
        condition = condition || u.lower == "if";
        marker = marker || s.catalogue.Tables().InList("unreal-marker", u.lower);
    }
    s.unreal = condition && marker;
    return true;
}

}  // namespace velloc
