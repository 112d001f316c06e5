// English into German, generation of noun phrases: determiner, adjectives and
// nouns agreeing in gender, number and case with the phrase's last noun.
#include "engine/en_de.h"

#include "engine/text_1252.h"

namespace velloc {
namespace {

// "this", "that" standing alone.
std::string LoneDeterminer(const EnglishWord* det, Case c) {
    if (det->kind == EnKind::Demonstrative && det->german == std::string("dies")) return "das";
    if (det->german == std::string("def")) return DefiniteArticle(kNeuter, c, false);
    // "Many came", "each of them": a determiner by its stem stands for people, with its ending
    if (det->kind == EnKind::Demonstrative) return det->german + std::string(DieserEnding(kMasculine, c, det->plural));
    return det->german;
}

// The determiner's German form; the declension its adjectives then take.
Declension PutDeterminer(const EnglishSentence& s, const EnglishWord* det, std::uint8_t gender, Case c, bool plural,
                         std::vector<std::string>& out) {
    const std::string stem = det->german;
    if (stem == "def") {
        out.push_back(DefiniteArticle(gender, c, plural));
        return Declension::Weak;
    }
    if (stem == "ein") {
        if (!plural) out.push_back("ein" + std::string(EinEnding(gender, c, plural)));
        return plural ? Declension::Strong : Declension::Mixed;
    }
    if (det->kind == EnKind::Possessive || stem == "kein") {
        const std::string word = stem == "dein" && s.options.honorific ? "Ihr" : stem;
        out.push_back(word + EinEnding(gender, c, plural));
        return plural ? Declension::Weak : Declension::Mixed;
    }
    out.push_back(stem + DieserEnding(gender, c, plural));
    // "viele deutsche Firmen", "einige neue Häuser": after a word of number the adjective
    // takes the strong ending (table strong-after-determiner); "alle deutschen" the weak
    return plural && s.catalogue.Tables().InList("strong-after-determiner", stem) ? Declension::Strong : Declension::Weak;
}

std::string AdjectiveForm(const std::string& adjective, Declension d, std::uint8_t gender, Case c, bool plural) {
    if (adjective.empty()) return adjective;
    const std::string ending = AdjectiveEnding(d, gender, c, plural);
    if (adjective.back() == 'e') return adjective + (ending.empty() ? ending : ending.substr(1));
    if (adjective.find(' ') != std::string::npos) return adjective;
    return (ending.empty() ? adjective : GermanStemBeforeAnEnding(adjective)) + ending;
}

}  // namespace

// A title before a name takes no genitive -s; only a weak one declines ("sah Herrn Baker").
std::string TitleForm(const EnglishSentence& s, const std::string& title, Case c) {
    if (!s.catalogue.Tables().InList("weak-masculine", title)) return title;
    return GermanNounForm(s.catalogue, title, kMasculine, c, false);
}

namespace {

// "der Beamte", "einem Beamten", "Beamte": a noun made of an adjective (listed as
// Beamter, table adjectival-noun) declines as an adjective does after its determiner.
std::string AdjectivalNounForm(const std::string& noun, Declension d, Case c, bool plural) {
    return AdjectiveForm(noun.size() > 2 ? noun.substr(0, noun.size() - 2) : noun, d, kMasculine, c, plural);
}

// "wind energy concentration zone": English nouns before a noun make one German word.
bool JoinsACompound(const EnglishUnit& n) {
    return !n.fw && n.known && n.cls == kClassNoun && !n.german.empty() && n.german.find(' ') == std::string::npos &&
           n.german.find('-') == std::string::npos && IsUpper1252(static_cast<unsigned char>(n.german[0])) &&
           !(n.capital && !n.start);
}

// The linking element after a compound's first part: -s after -ung, -heit, -tion ...,
// -n after a feminine -e (Anlagengenehmigung, Straßenbahn).
std::string LinkOf(const std::string& noun, std::uint8_t gender) {
    if (gender == kFeminine && noun.size() > 3 && noun.back() == 'e') return "n";
    static const char* const kEndings[] = {"ung", "heit", "keit", "schaft", "ion", "tät", "tum", "ling", "sicht"};
    for (std::string_view ending : kEndings)
        if (noun.size() > ending.size() && noun.compare(noun.size() - ending.size(), ending.size(), ending) == 0) return "s";
    return "";
}

void NounPhraseWith(const EnglishSentence& s, const EnglishWord* givenDet, std::size_t& i, std::size_t end, Case c,
                    std::vector<std::string>& out);

// Where the possessor of "the neighbour's son", "Peter's car" ends (after its "'s"
// noun), when a noun phrase follows it; i when there is none.
std::size_t PossessorEnd(const EnglishSentence& s, std::size_t i, std::size_t end) {
    const std::vector<EnglishUnit>& units = s.units;
    std::size_t k = i;
    if (k < end && IsDeterminer(units[k])) ++k;
    while (k < end && !units[k].fw && !units[k].punct &&
           (units[k].cls == kClassAdjective || units[k].cls == kClassNoun || units[k].cls == kClassName || units[k].number)) {
        if (units[k].possessive && (units[k].cls == kClassNoun || units[k].cls == kClassName)) {
            const EnglishUnit* next = k + 1 < end ? &units[k + 1] : nullptr;
            const bool phraseFollows = next && !next->fw && !next->punct &&
                                       (next->cls == kClassNoun || next->cls == kClassAdjective || next->number);
            return phraseFollows ? k + 1 : i;
        }
        ++k;
    }
    return i;
}

// "the neighbour's son": der Sohn des Nachbarn; "Peter's car": Peters Auto.
bool PossessiveNounPhrase(const EnglishSentence& s, std::size_t& i, std::size_t end, Case c,
                          std::vector<std::string>& out) {
    const std::size_t split = PossessorEnd(s, i, end);
    if (split == i) return false;
    const EnglishUnit& owner = s.units[split - 1];
    if (owner.cls == kClassName && split - i == 1) {
        const std::string& n = owner.german;
        const char last = n.empty() ? 's' : n.back();
        out.push_back(n + (last == 's' || last == 'x' || last == 'z' || last == '\xdf' ? "'" : "s"));
        i = split;
        NounPhraseWith(s, nullptr, i, end, c, out);
        return true;
    }
    std::size_t owned = split;
    NounPhraseWith(s, s.catalogue.Tables().English("the", EnKind::Article), owned, end, c, out);
    std::size_t from = i;
    NounPhraseWith(s, nullptr, from, split, Case::Genitive, out);
    i = owned;
    return true;
}

}  // namespace

void GermanNounPhrase(const EnglishSentence& s, std::size_t& i, std::size_t end, Case c,
                      std::vector<std::string>& out) {
    if (i >= end) return;  // a clause that ends before its noun phrase ("because" at the end)
    if (PossessiveNounPhrase(s, i, end, c, out)) return;
    NounPhraseWith(s, nullptr, i, end, c, out);
}

void GermanNounPhraseWithKein(const EnglishSentence& s, std::size_t& i, std::size_t end, Case c,
                              std::vector<std::string>& out) {
    // "a", "any": kein takes its place
    if (i < end && (IsDeterminer(s.units[i]) || s.catalogue.Tables().InList("indefinite-after-not", s.units[i].lower))) ++i;
    NounPhraseWith(s, s.catalogue.Tables().English("no"), i, end, c, out);
}

void GermanNounPhraseAfter(const EnglishSentence& s, const EnglishWord* determiner, std::size_t& i, std::size_t end, Case c,
                           std::vector<std::string>& out) {
    NounPhraseWith(s, determiner, i, end, c, out);
}

namespace {

// The gender of a noun phrase's head: its sense's, else the German noun's own record.
std::uint8_t HeadGender(const EnglishSentence& s, const EnglishUnit* head) {
    std::uint8_t gender = head ? head->gender : static_cast<std::uint8_t>(kNeuter);
    if (!gender && head) {  // the sense did not say: the German noun's own record may
        const TargetRecord* noun = s.catalogue.Target(head->german, kClassNoun);
        if (noun) gender = noun->gender;
    }
    return gender ? gender : static_cast<std::uint8_t>(kFeminine);
}

// "one of the doctors": einer der Ärzte, "eine der Frauen": the one in the gender of
// those it is one of, in the phrase's case, and they in the genitive.
bool OneOfThem(const EnglishSentence& s, std::size_t& i, std::size_t end, Case c, std::vector<std::string>& out) {
    const std::vector<EnglishUnit>& units = s.units;
    if (units[i].lower != "one" || i + 3 >= end || units[i + 1].lower != "of" || !IsDeterminer(units[i + 2])) return false;
    std::size_t k = i + 2;
    std::vector<std::string> group;
    GermanNounPhrase(s, k, end, Case::Genitive, group);
    const EnglishUnit& last = units[k - 1];
    if (last.fw || last.cls != kClassNoun || !last.plural) return false;
    out.push_back((units[i].capital ? "Ein" : "ein") + std::string(DieserEnding(HeadGender(s, &last), c, false)));
    out.insert(out.end(), group.begin(), group.end());
    i = k;
    return true;
}

void NounPhraseWith(const EnglishSentence& s, const EnglishWord* givenDet, std::size_t& i, std::size_t end, Case c,
                    std::vector<std::string>& out) {
    const std::vector<EnglishUnit>& units = s.units;
    if (i >= end) return;
    if (!givenDet && OneOfThem(s, i, end, c, out)) return;
    std::size_t j = i;
    const EnglishWord* det = givenDet ? givenDet : j < end && IsDeterminer(units[j]) ? units[j++].fw : nullptr;
    std::size_t adjectives = j;
    // "at home" (zu Hause) is a phrase of its own, no adjective of the noun after it
    // "lots of", "a lot of" (viel) are a quantity's adjective all the same
    auto attributive = [&](const EnglishUnit& u) {
        const bool quantity = u.lower.size() > 3 && u.lower.compare(u.lower.size() - 3, 3, " of") == 0 &&
                              s.catalogue.Tables().InList("bare-before-singular", u.german);  // not "south of"
        return (u.cls == kClassAdjective && (u.source.find(' ') == std::string::npos || quantity)) || u.number;
    };
    // "a very good day": the dictionary's "very good" (sehr gut) before a noun is its adjective too
    auto degreePhrase = [&](std::size_t k) {
        const EnglishUnit& u = units[k];
        const std::size_t space = u.source.find(' ');
        return !u.fw && space != std::string::npos && u.source.find(' ', space + 1) == std::string::npos &&
               s.catalogue.Tables().InList("english-degree-word", Lower1252(u.source.substr(0, space))) && k + 1 < end &&
               !units[k + 1].fw && (units[k + 1].cls == kClassNoun || units[k + 1].cls == kClassAdjective);
    };
    // "very old dogs": a word of degree belongs to a noun phrase whose noun follows its adjectives
    auto degreeWord = [&](std::size_t k) {
        if (!DegreeBeforeAnAdjective(s, k, end)) return false;
        std::size_t m = k + 1;
        while (m < end && !units[m].fw && units[m].cls == kClassAdjective) ++m;
        return m < end && !units[m].fw && (units[m].cls == kClassNoun || units[m].cls == kClassName);
    };
    while (j < end && !units[j].punct && ((!units[j].fw && attributive(units[j])) || degreeWord(j) || degreePhrase(j)))
        ++j;
    std::size_t nouns = j;
    while (j < end && !units[j].fw && !units[j].punct &&
           (units[j].cls == kClassNoun || units[j].cls == kClassName || (!units[j].known && units[j].capital))) {
        ++j;
        // "gives the children sweets": an object that is a plural without -s ends there
        const EnglishUnit& n = units[j - 1];
        if (c != Case::Nominative && n.cls == kClassNoun && n.plural && !n.lower.empty() && n.lower.back() != 's') break;
    }
    if (nouns == j && !det) {  // not a noun phrase
        out.push_back(units[i].fw ? std::string(units[i].fw->german) : units[i].german);
        ++i;
        return;
    }
    if (nouns == j && adjectives == j && det) {
        out.push_back(LoneDeterminer(det, c));
        i = j;
        return;
    }
    const EnglishUnit* head = nouns < j ? &units[j - 1] : nullptr;
    // "his brother Yacobus": a name after its noun leaves the noun to agree with
    if (head && head->cls == kClassName && !head->gender)
        for (std::size_t k = j - 1; k > nouns; --k)
            if (units[k - 1].cls == kClassNoun) { head = &units[k - 1]; break; }
    std::uint8_t gender = HeadGender(s, head);
    // "in Turkey": in der Türkei; a country German names with its article
    if (!det && head && head->cls == kClassName && head->gender && adjectives == nouns && nouns + 1 == j)
        det = s.catalogue.Tables().English("the");
    const bool plural = (head && head->plural) || (det && det->plural);
    const Declension declension = det ? PutDeterminer(s, det, gender, c, plural, out) : Declension::Strong;
    for (std::size_t k = adjectives; k < nouns; ++k) {
        if (degreeWord(k)) {  // "sehr", "ganz": a word of degree takes no ending
            out.push_back(units[k].fw ? std::string(units[k].fw->german) : units[k].german);
            continue;
        }
        // "anders": an adjective said before a noun from a stem of its own (andere)
        const std::string& stem = s.catalogue.Tables().Value("attributive-stem", units[k].german);
        const std::string& adjective = stem.empty() ? units[k].german : stem;
        const std::size_t space = adjective.rfind(' ');
        if (!units[k].number && space != std::string::npos && degreePhrase(k)) {  // "sehr gut": the last word declines
            out.push_back(adjective.substr(0, space + 1) + AdjectiveForm(adjective.substr(space + 1), declension, gender, c, plural));
            continue;
        }
        // "viel Geld", "wenig Zeit": without a determiner before a singular they keep no ending
        // "das 19. Jahrhundert": an ordinal in figures keeps its point and no ending
        const bool ordinal = units[k].fixed && !adjective.empty() && adjective.back() == '.';
        const bool bare = units[k].number || ordinal ||
                          (!det && !plural && s.catalogue.Tables().InList("bare-before-singular", adjective));
        out.push_back(bare ? adjective : AdjectiveForm(adjective, declension, gender, c, plural));
    }
    // consecutive common nouns make one word: "Konzentration" "Zone" -> "Konzentrationszone"
    std::string compound;
    for (std::size_t k = nouns; k < j; ++k) {
        const EnglishUnit& n = units[k];
        std::string word;
        if (n.cls == kClassName && n.german != n.source) word = TitleForm(s, n.german, c);
        else if (!n.known || n.cls == kClassName) word = n.source;
        else if (k + 1 < j) word = n.german;  // a modifier noun stays in its base form
        else if (s.catalogue.Tables().InList("adjectival-noun", n.german))
            word = AdjectivalNounForm(n.german, declension, c, n.plural);
        else {
            // "30 Grad", "mit 30 Euro": a unit of measure after its number stays singular
            const bool unit = k > 0 && units[k - 1].number && s.catalogue.Tables().InList("german-unit-noun", n.german);
            word = GermanNounForm(s.catalogue, n.german, n.gender ? n.gender : gender, c, n.plural && !unit);
        }
        if (!compound.empty()) word = compound + Lower1252(word.substr(0, 1)) + word.substr(1);
        compound.clear();
        if (k + 1 < j && JoinsACompound(n) && JoinsACompound(units[k + 1])) compound = word + LinkOf(word, n.gender);
        else out.push_back(word);
    }
    i = j;
    // "a cup of coffee": after a measure German names what is measured in the same
    // case, without "von" (eine Tasse Kaffee; table measure-noun)
    if (head && j + 1 < end && units[j].lower == "of" && !units[j + 1].fw && IsNounOrAdjective(units[j + 1]) &&
        s.catalogue.Tables().InList("measure-noun", head->german)) {
        i = j + 1;
        NounPhraseWith(s, nullptr, i, end, c, out);
    }
}

}  // namespace

}  // namespace velloc
