#include "engine/inflection.h"

#include <cstring>

#include "engine/text_1252.h"

namespace velloc {
namespace {

bool IsVowel(char c) { return std::strchr("aeiouAEIOU", c) != nullptr && c != 0; }

std::string RecordedForm(const Catalogue& catalogue, std::string_view lemma, std::uint8_t cls,
                         TargetForm form) {
    const TargetRecord* r = catalogue.Target(lemma, cls);
    if (!r || !r->forms[form]) return std::string();
    return catalogue.String(r->forms[form]);
}

// Applies an inflection to the first word of a phrase ("get up" -> "gets up").
template <typename F>
std::string OnFirstWord(std::string_view phrase, F inflect) {
    std::size_t space = phrase.find(' ');
    if (space == std::string_view::npos) return inflect(phrase);
    return inflect(phrase.substr(0, space)) + std::string(phrase.substr(space));
}

// Last consonant doubled before -ed/-ing in short words: stop -> stopped.
bool DoublesFinal(std::string_view verb) {
    if (verb.size() < 3 || verb.size() > 4) return false;
    char a = verb[verb.size() - 3], b = verb[verb.size() - 2], c = verb[verb.size() - 1];
    return !IsVowel(a) && IsVowel(b) && !IsVowel(c) && std::strchr("wxy", c) == nullptr;
}

int Syllables(std::string_view word) {
    int count = 0;
    bool previous = false;
    for (char c : word) {
        bool vowel = IsVowel(c) || c == 'y';
        if (vowel && !previous) ++count;
        previous = vowel;
    }
    if (EndsWith(word, "e") && count > 1) --count;
    return count;
}

std::string RulePast(std::string_view v) {
    std::string verb(v);
    if (EndsWith(verb, "e")) return verb + "d";
    if (EndsWith(verb, "y") && verb.size() > 1 && !IsVowel(verb[verb.size() - 2]))
        return verb.substr(0, verb.size() - 1) + "ied";
    if (DoublesFinal(verb)) return verb + verb.back() + "ed";
    return verb + "ed";
}

std::string GermanStem(std::string_view infinitive) {
    std::string inf(infinitive);
    if (EndsWith(inf, "eln") || EndsWith(inf, "ern")) return inf.substr(0, inf.size() - 1);
    if (EndsWith(inf, "en")) return inf.substr(0, inf.size() - 2);
    if (EndsWith(inf, "n")) return inf.substr(0, inf.size() - 1);
    return inf;
}

struct IrregularVerb {
    const char* infinitive;
    const char* present[6];  // ich du er wir ihr sie
    const char* past[6];
};

const IrregularVerb kIrregular[] = {
    {"sein", {"bin", "bist", "ist", "sind", "seid", "sind"}, {"war", "warst", "war", "waren", "wart", "waren"}},
    {"haben", {"habe", "hast", "hat", "haben", "habt", "haben"}, {"hatte", "hattest", "hatte", "hatten", "hattet", "hatten"}},
    {"werden", {"werde", "wirst", "wird", "werden", "werdet", "werden"}, {"wurde", "wurdest", "wurde", "wurden", "wurdet", "wurden"}},
    {"können", {"kann", "kannst", "kann", "können", "könnt", "können"}, {"konnte", "konntest", "konnte", "konnten", "konntet", "konnten"}},
    {"müssen", {"muss", "musst", "muss", "müssen", "müsst", "müssen"}, {"musste", "musstest", "musste", "mussten", "musstet", "mussten"}},
    {"wollen", {"will", "willst", "will", "wollen", "wollt", "wollen"}, {"wollte", "wolltest", "wollte", "wollten", "wolltet", "wollten"}},
    {"sollen", {"soll", "sollst", "soll", "sollen", "sollt", "sollen"}, {"sollte", "solltest", "sollte", "sollten", "solltet", "sollten"}},
    {"dürfen", {"darf", "darfst", "darf", "dürfen", "dürft", "dürfen"}, {"durfte", "durftest", "durfte", "durften", "durftet", "durften"}},
    {"mögen", {"mag", "magst", "mag", "mögen", "mögt", "mögen"}, {"mochte", "mochtest", "mochte", "mochten", "mochtet", "mochten"}},
    {"möchten", {"möchte", "möchtest", "möchte", "möchten", "möchtet", "möchten"}, {"wollte", "wolltest", "wollte", "wollten", "wolltet", "wollten"}},
    {"wissen", {"weiß", "weißt", "weiß", "wissen", "wisst", "wissen"}, {"wusste", "wusstest", "wusste", "wussten", "wusstet", "wussten"}},
    {"tun", {"tue", "tust", "tut", "tun", "tut", "tun"}, {"tat", "tatest", "tat", "taten", "tatet", "taten"}},
};

int GenderIndex(std::uint8_t gender, bool plural) {
    if (plural || gender == kPluralOnly) return 3;
    return gender == kFeminine ? 1 : gender == kNeuter ? 2 : 0;
}

// The verb of a German verb phrase and what stands before it.
void SplitVerbPhrase(const Catalogue& catalogue, std::string_view infinitive, std::string& front,
                     std::string& verb) {
    std::size_t space = infinitive.rfind(' ');
    front = space == std::string_view::npos ? std::string() : std::string(infinitive.substr(0, space));
    verb = std::string(space == std::string_view::npos ? infinitive : infinitive.substr(space + 1));
    std::string particle = RecordedForm(catalogue, verb, kClassVerb, kTargetParticle);
    if (!particle.empty() && verb.size() > particle.size() + 2 &&
        verb.compare(0, particle.size(), particle) == 0) {
        front = front.empty() ? particle : front + " " + particle;
        verb = verb.substr(particle.size());
    }
}

}  // namespace

std::string RegularEnglishPast(std::string_view verb) { return RulePast(verb); }

std::string EnglishPlural(const Catalogue& catalogue, std::string_view noun) {
    // the table first: the dictionary also records slips such as "tooths"
    std::string n(noun);
    const std::string& irregular = catalogue.Tables().Value("english-irregular-plural", n);
    if (!irregular.empty()) return irregular;
    std::string recorded = RecordedForm(catalogue, noun, kClassNoun, kTargetPlural);
    if (!recorded.empty()) return recorded;
    std::size_t space = noun.rfind(' ');
    if (space != std::string_view::npos)
        return std::string(noun.substr(0, space + 1)) + EnglishPlural(catalogue, noun.substr(space + 1));
    if (n.empty()) return n;
    if (EndsWith(n, "man") && n != "human") return n.substr(0, n.size() - 2) + "en";
    // "species", "series", "means": the same in the plural
    if (EndsWith(n, "species") || EndsWith(n, "series") || n == "means" || n == "news") return n;
    if (EndsWith(n, "s") || EndsWith(n, "x") || EndsWith(n, "z") || EndsWith(n, "ch") || EndsWith(n, "sh"))
        return n + "es";
    if (EndsWith(n, "y") && n.size() > 1 && !IsVowel(n[n.size() - 2])) return n.substr(0, n.size() - 1) + "ies";
    return n + "s";
}

std::string EnglishThird(const Catalogue& catalogue, std::string_view verb) {
    return OnFirstWord(verb, [&](std::string_view v) {
        // before the dictionary's forms, which tie "have" to a line of "think"
        if (v == "be") return std::string("is");
        if (v == "have") return std::string("has");
        std::string recorded = RecordedForm(catalogue, v, kClassVerb, kTargetThird);
        if (!recorded.empty()) return recorded;
        std::string s(v);
        if (EndsWith(s, "s") || EndsWith(s, "x") || EndsWith(s, "z") || EndsWith(s, "ch") ||
            EndsWith(s, "sh") || EndsWith(s, "o"))
            return s + "es";
        if (EndsWith(s, "y") && s.size() > 1 && !IsVowel(s[s.size() - 2])) return s.substr(0, s.size() - 1) + "ies";
        return s + "s";
    });
}

std::string EnglishPast(const Catalogue& catalogue, std::string_view verb) {
    return OnFirstWord(verb, [&](std::string_view v) {
        if (v == "be") return std::string("was");
        if (v == "have") return std::string("had");
        // "cost": first of all the past "cost", whatever a sense of estimating records
        if (catalogue.Tables().InList("english-unchanged-past", v)) return std::string(v);
        std::string recorded = RecordedForm(catalogue, v, kClassVerb, kTargetPast);
        if (!recorded.empty()) return recorded.substr(0, recorded.find('/'));
        return RulePast(v);
    });
}

std::string EnglishPastPart(const Catalogue& catalogue, std::string_view verb) {
    return OnFirstWord(verb, [&](std::string_view v) {
        if (v == "be") return std::string("been");
        if (v == "have") return std::string("had");
        if (catalogue.Tables().InList("english-participle-only", v)) return std::string(v);  // "born"
        if (catalogue.Tables().InList("english-unchanged-past", v)) return std::string(v);
        std::string recorded = RecordedForm(catalogue, v, kClassVerb, kTargetPastPart);
        if (recorded.empty()) recorded = RecordedForm(catalogue, v, kClassVerb, kTargetPast);
        if (!recorded.empty()) return recorded.substr(0, recorded.find('/'));
        return RulePast(v);
    });
}

std::string EnglishIng(const Catalogue& catalogue, std::string_view verb) {
    return OnFirstWord(verb, [&](std::string_view v) {
        std::string recorded = RecordedForm(catalogue, v, kClassVerb, kTargetPresPart);
        if (!recorded.empty()) return recorded;
        std::string s(v);
        if (EndsWith(s, "ie")) return s.substr(0, s.size() - 2) + "ying";
        if (EndsWith(s, "e") && !EndsWith(s, "ee") && !EndsWith(s, "ye") && !EndsWith(s, "oe") && s.size() > 2)
            return s.substr(0, s.size() - 1) + "ing";
        if (DoublesFinal(s)) return s + s.back() + "ing";
        return s + "ing";
    });
}

std::string EnglishComparative(const Catalogue&, std::string_view adjective) {
    std::string a(adjective);
    if (a == "good") return "better";
    if (a == "bad") return "worse";
    if (a == "much" || a == "many") return "more";
    if (a.find(' ') != std::string::npos || (Syllables(a) > 1 && !EndsWith(a, "y"))) return "more " + a;
    if (EndsWith(a, "e")) return a + "r";
    if (EndsWith(a, "y")) return a.substr(0, a.size() - 1) + "ier";
    if (DoublesFinal(a)) return a + a.back() + "er";
    return a + "er";
}

std::string EnglishAdverb(const EngineTables& tables, std::string_view adjective) {
    std::string a(adjective);
    if (a.empty() || a.find(' ') != std::string::npos || tables.InList("same-adverb", a)) return a;
    const std::string& own = tables.Value("adverb-of", a);
    if (!own.empty()) return own;
    if (EndsWith(a, "ly")) return a;  // friendly, likely: no -lyly
    if (EndsWith(a, "ic")) return a + "ally";
    if (EndsWith(a, "ll")) return a + "y";
    if (EndsWith(a, "le") && a.size() > 3 && !IsVowel(a[a.size() - 3])) return a.substr(0, a.size() - 1) + "y";
    if (EndsWith(a, "y") && a.size() > 2 && !IsVowel(a[a.size() - 2])) return a.substr(0, a.size() - 1) + "ily";
    if (a == "true" || a == "due") return a.substr(0, a.size() - 1) + "ly";
    return a + "ly";
}

std::string EnglishSuperlative(const Catalogue&, std::string_view adjective) {
    std::string a(adjective);
    if (a == "good") return "best";
    if (a == "bad") return "worst";
    if (a == "much" || a == "many") return "most";
    if (a.find(' ') != std::string::npos || (Syllables(a) > 1 && !EndsWith(a, "y"))) return "most " + a;
    if (EndsWith(a, "e")) return a + "st";
    if (EndsWith(a, "y")) return a.substr(0, a.size() - 1) + "iest";
    if (DoublesFinal(a)) return a + a.back() + "est";
    return a + "est";
}

const char* EnglishIndefinite(const EngineTables& tables, std::string_view next) {
    if (next.empty()) return "a";
    std::string lower = Lower1252(next);
    for (const std::string& e : tables.List("an-before"))
        if (lower.compare(0, e.size(), e) == 0) return "an";
    for (const std::string& e : tables.List("a-before"))
        if (lower.compare(0, e.size(), e) == 0) return "a";
    return IsVowel(lower[0]) ? "an" : "a";
}

const char* AdjectiveEnding(Declension declension, std::uint8_t gender, Case c, bool plural) {
    static const char* const kWeak[4][4] = {
        {"e", "e", "e", "en"}, {"en", "e", "e", "en"}, {"en", "en", "en", "en"}, {"en", "en", "en", "en"}};
    static const char* const kMixed[4][4] = {
        {"er", "e", "es", "en"}, {"en", "e", "es", "en"}, {"en", "en", "en", "en"}, {"en", "en", "en", "en"}};
    static const char* const kStrong[4][4] = {
        {"er", "e", "es", "e"}, {"en", "e", "es", "e"}, {"em", "er", "em", "en"}, {"en", "er", "en", "er"}};
    int g = GenderIndex(gender, plural), k = static_cast<int>(c);
    switch (declension) {
    case Declension::Weak: return kWeak[k][g];
    case Declension::Mixed: return kMixed[k][g];
    case Declension::Strong: return kStrong[k][g];
    default: return "";
    }
}

const char* DefiniteArticle(std::uint8_t gender, Case c, bool plural) {
    static const char* const kTable[4][4] = {{"der", "die", "das", "die"},
                                             {"den", "die", "das", "die"},
                                             {"dem", "der", "dem", "den"},
                                             {"des", "der", "des", "der"}};
    return kTable[static_cast<int>(c)][GenderIndex(gender, plural)];
}

const char* EinEnding(std::uint8_t gender, Case c, bool plural) {
    static const char* const kTable[4][4] = {
        {"", "e", "", "e"}, {"en", "e", "", "e"}, {"em", "er", "em", "en"}, {"es", "er", "es", "er"}};
    return kTable[static_cast<int>(c)][GenderIndex(gender, plural)];
}

const char* DieserEnding(std::uint8_t gender, Case c, bool plural) {
    static const char* const kTable[4][4] = {
        {"er", "e", "es", "e"}, {"en", "e", "es", "e"}, {"em", "er", "em", "en"}, {"es", "er", "es", "er"}};
    return kTable[static_cast<int>(c)][GenderIndex(gender, plural)];
}

std::string GermanPlural(const Catalogue& catalogue, std::string_view noun, std::uint8_t gender) {
    std::string recorded = RecordedForm(catalogue, noun, kClassNoun, kTargetPlural);
    if (!recorded.empty()) return recorded;
    std::size_t space = noun.rfind(' ');
    if (space != std::string_view::npos)
        return std::string(noun.substr(0, space + 1)) + GermanPlural(catalogue, noun.substr(space + 1), gender);
    // A compound takes the plural of its last part.
    for (std::size_t cut = 2; cut + 3 <= noun.size(); ++cut) {
        std::string head = Capitalised(noun.substr(cut));
        std::string plural = RecordedForm(catalogue, head, kClassNoun, kTargetPlural);
        if (plural.empty()) continue;
        // "Co-Angeklagte": after a hyphen the last part keeps its capital
        const bool hyphen = noun[cut - 1] == '-';
        return std::string(noun.substr(0, cut)) + (hyphen ? plural : Lower1252(plural.substr(0, 1)) + plural.substr(1));
    }
    std::string n(noun);
    if (gender == kPluralOnly) return n;
    if (EndsWith(n, "e")) return n + "n";
    if (EndsWith(n, "ung") || EndsWith(n, "heit") || EndsWith(n, "keit") || EndsWith(n, "schaft") ||
        EndsWith(n, "ion") || EndsWith(n, "tät") || gender == kFeminine)
        return EndsWith(n, "in") ? n + "nen" : n + "en";
    if (EndsWith(n, "er") || EndsWith(n, "el") || EndsWith(n, "en") || EndsWith(n, "chen") || EndsWith(n, "lein"))
        return n;
    if (EndsWith(n, "a") || EndsWith(n, "o") || EndsWith(n, "i") || EndsWith(n, "y")) return n + "s";
    return n + "e";
}

std::string GermanNounForm(const Catalogue& catalogue, std::string_view noun, std::uint8_t gender,
                           Case c, bool plural) {
    if (noun.empty()) return {};  // "a red one": the adjective stands for its noun
    if (plural || gender == kPluralOnly) {
        std::string p = gender == kPluralOnly ? std::string(noun) : GermanPlural(catalogue, noun, gender);
        if (c == Case::Dative && !EndsWith(p, "n") && !EndsWith(p, "s")) p += "n";
        return p;
    }
    std::string n(noun);
    if (gender == kMasculine && c != Case::Nominative) {
        // Weak masculine nouns: der Mensch, den Menschen; des Herrn
        const EngineTables& tables = catalogue.Tables();
        if (tables.InList("weak-masculine", n)) {
            const std::string& listed = tables.Value("weak-masculine", n);
            return listed.empty() ? GermanPlural(catalogue, noun, gender) : listed;
        }
        std::string p = GermanPlural(catalogue, noun, gender);
        bool weakEnding = false;
        for (const std::string& ending : tables.List("weak-masculine-ending")) weakEnding = weakEnding || EndsWith(n, ending);
        for (const std::string& ending : tables.List("strong-masculine-ending")) weakEnding = weakEnding && !EndsWith(n, ending);
        if (weakEnding && (p == n + "n" || p == n + "en")) return p;
    }
    if (c == Case::Genitive && (gender == kMasculine || gender == kNeuter) && n.find(' ') == std::string::npos) {
        if (EndsWith(n, "s") || EndsWith(n, "ß") || EndsWith(n, "x") || EndsWith(n, "z")) return n + "es";
        // one syllable ending in a consonant: des Mannes, des Kindes, des Landes
        int vowelGroups = 0;
        bool inVowel = false;
        for (char ch : n) {
            bool vowel = std::strchr("aeiouyäöüAEIOUYÄÖÜ", ch) != nullptr && ch != '\0';
            if (vowel && !inVowel) ++vowelGroups;
            inVowel = vowel;
        }
        if (vowelGroups == 1 && !inVowel) return n + "es";
        return n + "s";
    }
    return n;
}

GermanVerbParts GermanFinite(const Catalogue& catalogue, std::string_view infinitive, int person,
                             bool plural, Tense tense) {
    std::string front, verb;
    SplitVerbPhrase(catalogue, infinitive, front, verb);
    int slot = (plural ? 3 : 0) + (person < 1 ? 2 : person > 3 ? 2 : person - 1);
    GermanVerbParts parts;
    parts.particle = front;
    for (const IrregularVerb& irregular : kIrregular)
        if (verb == irregular.infinitive) {
            parts.finite = tense == Tense::Present ? irregular.present[slot] : irregular.past[slot];
            return parts;
        }
    std::string full = front.empty() ? verb : std::string(infinitive);
    std::string stem = GermanStem(verb);
    const bool dentalStem = EndsWith(stem, "t") || EndsWith(stem, "d");
    const bool sibilantStem = EndsWith(stem, "s") || EndsWith(stem, "ß") || EndsWith(stem, "z") || EndsWith(stem, "x");
    if (tense == Tense::Present) {
        std::string third = RecordedForm(catalogue, verb, kClassVerb, kTargetThird);
        if (third.empty()) third = RecordedForm(catalogue, full, kClassVerb, kTargetThird);
        if (third.empty() || third.find(' ') != std::string::npos) third = stem + (dentalStem ? "et" : "t");
        switch (slot) {
        case 0: parts.finite = stem + "e"; break;
        case 1: {
            std::string base = EndsWith(third, "t") ? third.substr(0, third.size() - 1) : third;
            bool sibilant = EndsWith(base, "s") || EndsWith(base, "ß") || EndsWith(base, "z") || EndsWith(base, "x");
            parts.finite = sibilant ? base + "t" : base + "st";
            if (base == stem && dentalStem) parts.finite = stem + "est";
            if (base == stem && sibilantStem) parts.finite = stem + "t";
            break;
        }
        case 2: parts.finite = third; break;
        case 4: parts.finite = stem + (dentalStem ? "et" : "t"); break;
        default: parts.finite = verb; break;
        }
        return parts;
    }
    std::string past = RecordedForm(catalogue, verb, kClassVerb, kTargetPast);
    if (past.empty()) past = RecordedForm(catalogue, full, kClassVerb, kTargetPast);
    const bool strong = !past.empty() && !EndsWith(past, "te");
    if (past.empty() || past.find(' ') != std::string::npos) past = stem + (dentalStem ? "ete" : "te");
    switch (slot) {
    case 0: case 2: parts.finite = past; break;
    case 1: parts.finite = past + (strong ? (EndsWith(past, "s") || EndsWith(past, "ß") ? "est" : "st") : "st"); break;
    case 4: parts.finite = past + (strong ? "t" : "t"); break;
    default: parts.finite = past + (EndsWith(past, "e") ? "n" : "en"); break;
    }
    return parts;
}

std::string GermanParticiple(const Catalogue& catalogue, std::string_view infinitive) {
    std::string front, verb;
    SplitVerbPhrase(catalogue, infinitive, front, verb);
    std::string recorded = RecordedForm(catalogue, infinitive.substr(infinitive.rfind(' ') == std::string_view::npos ? 0 : infinitive.rfind(' ') + 1),
                                      kClassVerb, kTargetPastPart);
    // the dictionary's lines for "werden" list "würde" where a participle would stand
    if (verb == "werden" || verb == "sein" || verb == "haben") recorded.clear();
    std::string participle;
    if (!recorded.empty() && recorded.find(' ') == std::string::npos) {
        participle = recorded;
        // The record of a separable verb already holds its particle.
        std::size_t space = infinitive.rfind(' ');
        std::string phraseFront = space == std::string_view::npos ? std::string() : std::string(infinitive.substr(0, space));
        return phraseFront.empty() ? participle : phraseFront + " " + participle;
    }
    static const char* const kInseparable[] = {"be", "ge", "er", "ver", "zer", "ent", "emp", "miss"};
    const char* irregular[][2] = {{"sein", "gewesen"}, {"haben", "gehabt"}, {"werden", "geworden"},
                                  {"können", "gekonnt"}, {"müssen", "gemusst"}, {"wollen", "gewollt"},
                                  {"wissen", "gewusst"}, {"tun", "getan"}, {"mögen", "gemocht"}};
    for (auto& pair : irregular)
        if (verb == pair[0]) participle = pair[1];
    if (participle.empty()) {
        std::string stem = GermanStem(verb);
        bool prefixed = EndsWith(verb, "ieren");
        for (const char* p : kInseparable)
            if (verb.compare(0, std::strlen(p), p) == 0 && verb.size() > std::strlen(p) + 3) prefixed = true;
        std::string ending = EndsWith(stem, "t") || EndsWith(stem, "d") ? "et" : "t";
        participle = (prefixed ? "" : "ge") + stem + ending;
    }
    if (front.empty()) return participle;
    // A separable particle joins its participle; a phrase's words stand apart.
    std::size_t lastSpace = front.rfind(' ');
    std::string tail = lastSpace == std::string::npos ? front : front.substr(lastSpace + 1);
    std::string head = lastSpace == std::string::npos ? std::string() : front.substr(0, lastSpace + 1);
    std::string particle = RecordedForm(catalogue, std::string(infinitive.substr(infinitive.rfind(' ') == std::string_view::npos ? 0 : infinitive.rfind(' ') + 1)), kClassVerb, kTargetParticle);
    if (!particle.empty() && tail == particle) return head + tail + participle;
    return front + " " + participle;
}

std::string GermanZuInfinitive(const Catalogue& catalogue, std::string_view infinitive) {
    std::string front, verb;
    SplitVerbPhrase(catalogue, infinitive, front, verb);
    std::size_t space = infinitive.rfind(' ');
    std::string word(space == std::string_view::npos ? infinitive : infinitive.substr(space + 1));
    std::string particle = RecordedForm(catalogue, word, kClassVerb, kTargetParticle);
    std::string phraseFront = space == std::string_view::npos ? std::string() : std::string(infinitive.substr(0, space)) + " ";
    if (!particle.empty() && word.compare(0, particle.size(), particle) == 0)
        return phraseFront + particle + "zu" + word.substr(particle.size());
    return phraseFront + "zu " + word;
}

bool GermanTakesSein(const Catalogue& catalogue, std::string_view infinitive) {
    std::size_t space = infinitive.rfind(' ');
    std::string verb(space == std::string_view::npos ? infinitive : infinitive.substr(space + 1));
    const EngineTables& tables = catalogue.Tables();
    if (tables.InList("perfect-with-sein", verb)) return true;
    // "ankommen", "zurückfahren": a separable particle before a listed verb
    for (const std::string& particle : tables.List("separable-particle"))
        if (verb.size() > particle.size() && verb.compare(0, particle.size(), particle) == 0 &&
            tables.InList("perfect-with-sein", std::string_view(verb).substr(particle.size())))
            return true;
    const TargetRecord* r = catalogue.Target(verb, kClassVerb);
    return r && (r->flags & kWordSein);
}

namespace {

// The listed comparison of an adjective ("gut" -> "besser best"), split in two.
bool ListedComparison(const EngineTables& tables, std::string_view adjective, std::string& comparative,
                      std::string& superlative) {
    const std::string& listed = tables.Value("german-comparison", std::string(adjective));
    const std::size_t blank = listed.find(' ');
    if (blank == std::string::npos) return false;
    comparative = listed.substr(0, blank);
    superlative = listed.substr(blank + 1);
    return true;
}

}  // namespace

std::string GermanStemBeforeAnEnding(const std::string& adjective) {
    const std::size_t n = adjective.size();
    if (n < 5 || adjective[n - 2] != 'e') return adjective;
    const char before = adjective[n - 3];
    const bool el = adjective[n - 1] == 'l' && before != 'l' && !std::strchr("aeiou\xE4\xF6\xFC", before);
    const bool er = adjective[n - 1] == 'r' && before == 'u' && (adjective[n - 4] == 'a' || adjective[n - 4] == 'e');
    return el || er ? adjective.substr(0, n - 2) + adjective.back() : adjective;
}

std::string GermanComparative(const EngineTables& tables, std::string_view adjective) {
    std::string comparative, superlative;
    if (ListedComparison(tables, adjective, comparative, superlative)) return comparative;
    std::string a(adjective);
    if (EndsWith(a, "e")) return a + "r";  // leise: leiser
    // dunkel: dunkler, teuer: teurer; schwer: schwerer, sicher: sicherer
    return GermanStemBeforeAnEnding(a) + "er";
}

std::string GermanSuperlative(const EngineTables& tables, std::string_view adjective) {
    std::string comparative, superlative;
    if (ListedComparison(tables, adjective, comparative, superlative)) return superlative;
    std::string a(adjective);
    if (EndsWith(a, "e")) a.pop_back();
    // "jüngst" (recent), "letzt", "nächst": a word that is a superlative already
    if (tables.InList("superlative-already", a)) return a;
    // "kurz": kürzest, "heiß": heißest, "breit": breitest, "neu": neuest
    for (const char* end : {"d", "t", "s", "\xDF", "x", "z", "sch", "u"})
        if (EndsWith(a, end)) return a + "est";
    return a + "st";
}

}  // namespace velloc
