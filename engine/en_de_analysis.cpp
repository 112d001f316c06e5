// English into German, analysis: each word's class and German lemma, from the
// closed-class table, the user lexicon and the catalogue, with its left neighbour
// deciding between classes.
#include <cstring>

#include "engine/en_de.h"
#include "engine/text_1252.h"

namespace velloc {

bool IsAuxiliary(const EnglishUnit& u) {
    return u.fw && (u.fw->kind == EnKind::Be || u.fw->kind == EnKind::Have || u.fw->kind == EnKind::Do ||
                    u.fw->kind == EnKind::Will || u.fw->kind == EnKind::Modal);
}

bool IsDeterminer(const EnglishUnit& u) {
    return u.fw && (u.fw->kind == EnKind::Article || u.fw->kind == EnKind::Possessive ||
                    u.fw->kind == EnKind::Demonstrative);
}

bool IsNounOrAdjective(const EnglishUnit& u) {
    return !u.fw && (u.cls == kClassNoun || u.cls == kClassAdjective);
}

std::size_t EnglishSubjectEnd(const EnglishSentence& s, std::size_t i, std::size_t end) {
    const std::vector<EnglishUnit>& units = s.units;
    if (i >= end) return i;
    if (units[i].fw && units[i].fw->kind == EnKind::Pronoun) return i + 1;
    std::size_t j = i;
    if (IsDeterminer(units[j])) ++j;
    while (j < end && !units[j].fw && !units[j].punct && (units[j].cls == kClassAdjective || units[j].number)) ++j;
    std::size_t nouns = j;
    while (j < end && !units[j].fw && !units[j].punct &&
           (units[j].cls == kClassNoun || units[j].cls == kClassName || (!units[j].known && units[j].capital)))
        ++j;
    return j > nouns ? j : i;
}

bool OfBeforeDeterminer(const EnglishSentence& s, std::size_t i, std::size_t end) {
    if (s.units[i].lower != "of" || i + 1 >= end || !s.units[i + 1].fw) return false;
    const EnglishWord* next = s.units[i + 1].fw;
    return next->kind == EnKind::Possessive ||
           (next->kind == EnKind::Article && next->german != std::string("kein"));
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

// The first catalogue word of the form (of the class, when one is wanted).
bool LookUp(const EnglishSentence& s, EnglishUnit& u, const std::string& form, std::uint8_t wantClass, std::uint8_t tag) {
    const WordRecord* chosen = nullptr;
    std::uint8_t chosenTag = tag;
    for (FormLink link : s.catalogue.Forms(form)) {
        const WordRecord* w = s.catalogue.Word(LinkWord(link));
        if (!w || !w->senseCount) continue;
        if (wantClass && w->wordClass != wantClass) continue;
        chosen = w;
        chosenTag = LinkTag(link) == kFormBase ? tag : static_cast<std::uint8_t>(LinkTag(link));
        break;
    }
    if (!chosen) return false;
    const SenseRecord* sense = BestSense(s, chosen, chosen->wordClass);
    if (!sense) return false;
    u.cls = chosen->wordClass;
    u.tag = chosenTag;
    u.german = s.catalogue.String(sense->text);
    u.gender = sense->gender;
    u.plural = chosenTag == kFormPlural;
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
bool LookUpByEnding(const EnglishSentence& s, EnglishUnit& u) {
    const std::string& w = u.lower;
    auto ends = [&](const char* e) { std::size_t n = std::strlen(e); return w.size() > n + 1 && w.compare(w.size() - n, n, e) == 0; };
    auto stem = [&](std::size_t n) { return w.substr(0, w.size() - n); };
    auto nounOrVerb = [&](const std::string& lemma) {
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
    return ends("ly") && (LookUp(s, u, stem(2), kClassAdjective, kFormBase) || LookUp(s, u, stem(3) + "y", kClassAdjective, kFormBase));
}

void Analyse(const EnglishSentence& s, EnglishUnit& u, const EnglishUnit* previous) {
    auto user = s.user.find(u.lower);
    if (user != s.user.end()) {
        u.german = user->second.translation;
        u.cls = user->second.wordClass;
        u.fixed = u.cls != kClassNoun && u.cls != kClassVerb;
        return;
    }
    u.fw = FindEnglishWord(u.lower);
    if (u.fw) return;
    // "Tom" in the middle of a sentence is a name, not the noun "tom"
    if (u.capital && (!u.start || IsCommonGivenName(u.source)) && s.catalogue.Forms(u.source).empty() &&
        u.source.size() > 1 && !IsUpper1252(static_cast<unsigned char>(u.source[1]))) {
        u.german = u.source;
        u.cls = kClassName;
        u.fixed = true;
        return;
    }
    const std::uint8_t want = WantedClass(u, previous);
    for (const std::string& form : {u.source, u.lower}) {
        if (want && LookUp(s, u, form, want, kFormBase)) return;
        if (want == kClassAdjective) continue;  // "is going": a verb form, not an adjective
        if (want == kClassNoun && LookUp(s, u, form, kClassAdjective, kFormBase)) return;
    }
    if (LookUp(s, u, u.source, 0, kFormBase) || LookUp(s, u, u.lower, 0, kFormBase)) return;
    if (LookUpByEnding(s, u)) return;
    u.known = false;
    u.german = u.source;
}

// "don't" is do and not, "I'm" is I and am; a possessive 's goes.
std::vector<std::string> SplitContraction(const Token& t) {
    const std::string& text = t.text;
    std::size_t apostrophe = text.find_first_of("'\x92");
    if (apostrophe == std::string::npos || t.kind != TokenKind::Word) return {text};
    std::string head = text.substr(0, apostrophe), tail = Lower1252(text.substr(apostrophe + 1));
    if (tail == "t" && head.size() > 1 && (head.back() == 'n' || head.back() == 'N')) {
        std::string h = Lower1252(head.substr(0, head.size() - 1));
        return {h == "wo" ? "will" : h == "ca" ? "can" : h, "not"};
    }
    if (tail == "m") return {head, "am"};
    if (tail == "re") return {head, "are"};
    if (tail == "ve") return {head, "have"};
    if (tail == "ll") return {head, "will"};
    if (tail == "d") return {head, "would"};
    if (tail == "s") return {head};
    return {text};
}

bool IsSubjectPronoun(const EnglishUnit& u) {
    static const char* const kSubjects[] = {"i", "you", "he", "she", "it", "we", "they"};
    for (const char* p : kSubjects)
        if (u.lower == p) return true;
    return false;
}

// What a word's neighbours decide: "that" after a verb or before a subject
// pronoun begins a clause ("I see that he reads"), elsewhere it points.
void ChooseReadings(EnglishSentence& s) {
    for (std::size_t i = 0; i < s.units.size(); ++i) {
        EnglishUnit& u = s.units[i];
        if (u.lower != "that" || !u.fw) continue;
        const bool afterVerb = i > 0 && !s.units[i - 1].fw && s.units[i - 1].cls == kClassVerb;
        const bool beforeSubject = i + 1 < s.units.size() && IsSubjectPronoun(s.units[i + 1]);
        if (afterVerb || beforeSubject) u.fw = FindEnglishWordOfKind("that", EnKind::Subordinator);
    }
}

}  // namespace

bool AnalyseEnglishSentence(EnglishSentence& s, const std::vector<Token>& tokens, Clock::time_point deadline) {
    bool start = true;
    for (const Token& t : tokens) {
        if (s.units.size() % 16 == 15 && Clock::now() > deadline) return false;
        for (const std::string& p : SplitContraction(t)) {
            EnglishUnit u;
            u.source = p;
            u.lower = Lower1252(p);
            u.punct = t.kind == TokenKind::Punctuation;
            u.number = t.kind == TokenKind::Number;
            u.capital = IsUpper1252(static_cast<unsigned char>(p[0]));
            u.start = start && !u.punct;
            if (!u.punct && !u.number) Analyse(s, u, s.units.empty() ? nullptr : &s.units.back());
            if (u.number || u.punct) u.german = u.source;
            if (u.number) u.cls = kClassAdjective;
            s.units.push_back(std::move(u));
            if (!s.units.back().punct) start = false;
        }
    }
    ChooseReadings(s);
    return true;
}

}  // namespace velloc
