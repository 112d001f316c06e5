// English into German: analysis, German word order, German generation.
#include <cstring>

#include "engine/dictionary_source.h"
#include "engine/inflection.h"
#include "engine/sentence_units.h"
#include "engine/text_1252.h"
#include "engine/tokens.h"

namespace velloc {
namespace {

enum class EnKind { Content, Article, Pronoun, Possessive, Preposition, Coordinator, Subordinator,
                    Be, Have, Do, Will, Modal, Negation, Question, Adverb, Demonstrative };

struct EnglishWord {
    const char* form;
    EnKind kind;
    const char* german;   // stem or word; articles: "def", "indef", "kein"
    int person;
    bool plural;
    bool past;
    Case prepositionCase;
};

const EnglishWord kEnglishWords[] = {
    {"the", EnKind::Article, "def", 3, false, false, Case::Nominative},
    {"a", EnKind::Article, "ein", 3, false, false, Case::Nominative},
    {"an", EnKind::Article, "ein", 3, false, false, Case::Nominative},
    {"no", EnKind::Article, "kein", 3, false, false, Case::Nominative},
    {"my", EnKind::Possessive, "mein", 3, false, false, Case::Nominative},
    {"your", EnKind::Possessive, "dein", 3, false, false, Case::Nominative},
    {"his", EnKind::Possessive, "sein", 3, false, false, Case::Nominative},
    {"her", EnKind::Possessive, "ihr", 3, false, false, Case::Nominative},
    {"its", EnKind::Possessive, "sein", 3, false, false, Case::Nominative},
    {"our", EnKind::Possessive, "unser", 3, false, false, Case::Nominative},
    {"their", EnKind::Possessive, "ihr", 3, false, false, Case::Nominative},
    {"this", EnKind::Demonstrative, "dies", 3, false, false, Case::Nominative},
    {"that", EnKind::Demonstrative, "dies", 3, false, false, Case::Nominative},
    {"these", EnKind::Demonstrative, "dies", 3, true, false, Case::Nominative},
    {"those", EnKind::Demonstrative, "jen", 3, true, false, Case::Nominative},
    {"every", EnKind::Demonstrative, "jed", 3, false, false, Case::Nominative},
    {"each", EnKind::Demonstrative, "jed", 3, false, false, Case::Nominative},
    {"all", EnKind::Demonstrative, "all", 3, true, false, Case::Nominative},
    {"some", EnKind::Demonstrative, "einig", 3, true, false, Case::Nominative},
    {"many", EnKind::Demonstrative, "viel", 3, true, false, Case::Nominative},
    {"I", EnKind::Pronoun, "ich", 1, false, false, Case::Nominative},
    {"you", EnKind::Pronoun, "du", 2, false, false, Case::Nominative},
    {"he", EnKind::Pronoun, "er", 3, false, false, Case::Nominative},
    {"she", EnKind::Pronoun, "sie", 3, false, false, Case::Nominative},
    {"it", EnKind::Pronoun, "es", 3, false, false, Case::Nominative},
    {"we", EnKind::Pronoun, "wir", 1, true, false, Case::Nominative},
    {"they", EnKind::Pronoun, "sie", 3, true, false, Case::Nominative},
    {"me", EnKind::Pronoun, "mich", 1, false, false, Case::Accusative},
    {"him", EnKind::Pronoun, "ihn", 3, false, false, Case::Accusative},
    {"us", EnKind::Pronoun, "uns", 1, true, false, Case::Accusative},
    {"them", EnKind::Pronoun, "sie", 3, true, false, Case::Accusative},
    {"in", EnKind::Preposition, "in", 0, false, false, Case::Dative},
    {"at", EnKind::Preposition, "an", 0, false, false, Case::Dative},
    {"on", EnKind::Preposition, "auf", 0, false, false, Case::Dative},
    {"with", EnKind::Preposition, "mit", 0, false, false, Case::Dative},
    {"from", EnKind::Preposition, "von", 0, false, false, Case::Dative},
    {"of", EnKind::Preposition, "von", 0, false, false, Case::Dative},
    {"to", EnKind::Preposition, "zu", 0, false, false, Case::Dative},
    {"for", EnKind::Preposition, "für", 0, false, false, Case::Accusative},
    {"by", EnKind::Preposition, "von", 0, false, false, Case::Dative},
    {"about", EnKind::Preposition, "über", 0, false, false, Case::Accusative},
    {"after", EnKind::Preposition, "nach", 0, false, false, Case::Dative},
    {"before", EnKind::Preposition, "vor", 0, false, false, Case::Dative},
    {"under", EnKind::Preposition, "unter", 0, false, false, Case::Dative},
    {"over", EnKind::Preposition, "über", 0, false, false, Case::Dative},
    {"between", EnKind::Preposition, "zwischen", 0, false, false, Case::Dative},
    {"through", EnKind::Preposition, "durch", 0, false, false, Case::Accusative},
    {"against", EnKind::Preposition, "gegen", 0, false, false, Case::Accusative},
    {"without", EnKind::Preposition, "ohne", 0, false, false, Case::Accusative},
    {"into", EnKind::Preposition, "in", 0, false, false, Case::Accusative},
    {"since", EnKind::Preposition, "seit", 0, false, false, Case::Dative},
    {"during", EnKind::Preposition, "während", 0, false, false, Case::Genitive},
    {"until", EnKind::Preposition, "bis", 0, false, false, Case::Accusative},
    {"behind", EnKind::Preposition, "hinter", 0, false, false, Case::Dative},
    {"around", EnKind::Preposition, "um", 0, false, false, Case::Accusative},
    {"near", EnKind::Preposition, "nahe", 0, false, false, Case::Dative},
    {"and", EnKind::Coordinator, "und", 0, false, false, Case::Nominative},
    {"or", EnKind::Coordinator, "oder", 0, false, false, Case::Nominative},
    {"but", EnKind::Coordinator, "aber", 0, false, false, Case::Nominative},
    {"because", EnKind::Subordinator, "weil", 0, false, false, Case::Nominative},
    {"if", EnKind::Subordinator, "wenn", 0, false, false, Case::Nominative},
    {"when", EnKind::Subordinator, "wenn", 0, false, false, Case::Nominative},
    {"although", EnKind::Subordinator, "obwohl", 0, false, false, Case::Nominative},
    {"while", EnKind::Subordinator, "während", 0, false, false, Case::Nominative},
    {"whether", EnKind::Subordinator, "ob", 0, false, false, Case::Nominative},
    {"who", EnKind::Question, "wer", 3, false, false, Case::Nominative},
    {"what", EnKind::Question, "was", 3, false, false, Case::Nominative},
    {"where", EnKind::Question, "wo", 0, false, false, Case::Nominative},
    {"why", EnKind::Question, "warum", 0, false, false, Case::Nominative},
    {"how", EnKind::Question, "wie", 0, false, false, Case::Nominative},
    {"which", EnKind::Question, "welche", 0, false, false, Case::Nominative},
    {"not", EnKind::Negation, "nicht", 0, false, false, Case::Nominative},
    {"n't", EnKind::Negation, "nicht", 0, false, false, Case::Nominative},
    {"am", EnKind::Be, "sein", 1, false, false, Case::Nominative},
    {"is", EnKind::Be, "sein", 3, false, false, Case::Nominative},
    {"are", EnKind::Be, "sein", 3, true, false, Case::Nominative},
    {"was", EnKind::Be, "sein", 3, false, true, Case::Nominative},
    {"were", EnKind::Be, "sein", 3, true, true, Case::Nominative},
    {"be", EnKind::Be, "sein", 0, false, false, Case::Nominative},
    {"been", EnKind::Be, "sein", 0, false, false, Case::Nominative},
    {"have", EnKind::Have, "haben", 3, true, false, Case::Nominative},
    {"has", EnKind::Have, "haben", 3, false, false, Case::Nominative},
    {"had", EnKind::Have, "haben", 3, false, true, Case::Nominative},
    {"do", EnKind::Do, "tun", 3, true, false, Case::Nominative},
    {"does", EnKind::Do, "tun", 3, false, false, Case::Nominative},
    {"did", EnKind::Do, "tun", 3, false, true, Case::Nominative},
    {"will", EnKind::Will, "werden", 3, false, false, Case::Nominative},
    {"would", EnKind::Will, "würden", 3, false, true, Case::Nominative},
    {"can", EnKind::Modal, "können", 3, false, false, Case::Nominative},
    {"could", EnKind::Modal, "können", 3, false, true, Case::Nominative},
    {"must", EnKind::Modal, "müssen", 3, false, false, Case::Nominative},
    {"should", EnKind::Modal, "sollen", 3, false, false, Case::Nominative},
    {"may", EnKind::Modal, "dürfen", 3, false, false, Case::Nominative},
    {"might", EnKind::Modal, "können", 3, false, true, Case::Nominative},
    {"very", EnKind::Adverb, "sehr", 0, false, false, Case::Nominative},
    {"also", EnKind::Adverb, "auch", 0, false, false, Case::Nominative},
    {"only", EnKind::Adverb, "nur", 0, false, false, Case::Nominative},
    {"still", EnKind::Adverb, "noch", 0, false, false, Case::Nominative},
    {"already", EnKind::Adverb, "schon", 0, false, false, Case::Nominative},
    {"always", EnKind::Adverb, "immer", 0, false, false, Case::Nominative},
    {"never", EnKind::Adverb, "nie", 0, false, false, Case::Nominative},
    {"here", EnKind::Adverb, "hier", 0, false, false, Case::Nominative},
    {"there", EnKind::Adverb, "dort", 0, false, false, Case::Nominative},
    {"now", EnKind::Adverb, "jetzt", 0, false, false, Case::Nominative},
    {"today", EnKind::Adverb, "heute", 0, false, false, Case::Nominative},
    {"yesterday", EnKind::Adverb, "gestern", 0, false, false, Case::Nominative},
    {"tomorrow", EnKind::Adverb, "morgen", 0, false, false, Case::Nominative},
    {"then", EnKind::Adverb, "dann", 0, false, false, Case::Nominative},
    {"so", EnKind::Adverb, "so", 0, false, false, Case::Nominative},
    {"too", EnKind::Adverb, "zu", 0, false, false, Case::Nominative},
    {"again", EnKind::Adverb, "wieder", 0, false, false, Case::Nominative},
    {"more", EnKind::Adverb, "mehr", 0, false, false, Case::Nominative},
    {"yes", EnKind::Adverb, "ja", 0, false, false, Case::Nominative},
    {"please", EnKind::Adverb, "bitte", 0, false, false, Case::Nominative},
    {"than", EnKind::Adverb, "als", 0, false, false, Case::Nominative},
    {"as", EnKind::Adverb, "wie", 0, false, false, Case::Nominative},
    {"nothing", EnKind::Adverb, "nichts", 0, false, false, Case::Nominative},
    {"something", EnKind::Adverb, "etwas", 0, false, false, Case::Nominative},
    {"everything", EnKind::Adverb, "alles", 0, false, false, Case::Nominative},
};

// Given names that are also English words; at the start of a sentence only these
// are taken for names.
bool IsCommonGivenName(std::string_view word) {
    static const char* const kNames[] = {"Tom", "Bill", "Jack", "Mark", "Will", "Frank", "Rose", "Grace",
                                         "Pat", "Ray", "Bob", "Sue", "Jean", "Art", "Jim", "Ken", "Tim"};
    for (const char* n : kNames)
        if (word == n) return true;
    return false;
}

const EnglishWord* FindEnglishWord(std::string_view lower) {
    for (const EnglishWord& w : kEnglishWords)
        if (Lower1252(w.form) == lower) return &w;
    return nullptr;
}

struct Unit {
    std::string source, lower;
    bool punct = false, number = false, capital = false, start = false;
    const EnglishWord* fw = nullptr;
    std::uint8_t cls = kClassNone;
    std::uint8_t tag = kFormBase;
    std::string german;       // lemma translation
    std::uint8_t gender = kGenderNone;
    bool plural = false;
    bool known = true;
    bool fixed = false;
};

class EnglishToGerman {
public:
    EnglishToGerman(const Catalogue& c, const EngineOptions& o, const UserLexicon& u) : cat_(c), options_(o), user_(u) {}
    Translation Run(std::string_view sentence, Clock::time_point deadline);

private:
    void Analyse(Unit& u, const Unit* previous);
    const SenseRecord* Best(const WordRecord* w, std::uint8_t cls) const;
    bool LookUp(Unit& u, const std::string& form, std::uint8_t wantClass, std::uint8_t tag);
    void TranslateClause(std::size_t begin, std::size_t end, std::vector<std::string>& out);
    void NounPhrase(std::size_t& i, std::size_t end, Case c, std::vector<std::string>& out);
    std::size_t SubjectEnd(std::size_t i, std::size_t end) const;
    bool VerbAhead(std::size_t i, std::size_t end) const;
    bool OfBeforeDeterminer(std::size_t i, std::size_t end) const;

    const Catalogue& cat_;
    const EngineOptions& options_;
    const UserLexicon& user_;
    std::vector<Unit> units_;
};

const SenseRecord* EnglishToGerman::Best(const WordRecord* w, std::uint8_t cls) const {
    Records<SenseRecord> senses = cat_.Senses(w->firstSense, w->senseCount);
    const SenseRecord* best = nullptr;
    for (const SenseRecord& s : senses) {
        if (options_.subjects && (s.subjects & options_.subjects)) return &s;
        if (!best && (cls == 0 || s.wordClass == cls)) best = &s;
    }
    return best ? best : (senses.empty() ? nullptr : senses.begin());
}

bool EnglishToGerman::LookUp(Unit& u, const std::string& form, std::uint8_t wantClass, std::uint8_t tag) {
    const WordRecord* chosen = nullptr;
    std::uint8_t chosenTag = tag;
    for (FormLink link : cat_.Forms(form)) {
        const WordRecord* w = cat_.Word(LinkWord(link));
        if (!w || !w->senseCount) continue;
        if (wantClass && w->wordClass != wantClass) continue;
        if (!chosen) { chosen = w; chosenTag = LinkTag(link) == kFormBase ? tag : static_cast<std::uint8_t>(LinkTag(link)); }
    }
    if (!chosen) return false;
    const SenseRecord* s = Best(chosen, chosen->wordClass);
    if (!s) return false;
    u.cls = chosen->wordClass;
    u.tag = chosenTag;
    u.german = cat_.String(s->text);
    u.gender = s->gender;
    u.plural = chosenTag == kFormPlural;
    return true;
}

void EnglishToGerman::Analyse(Unit& u, const Unit* previous) {
    auto user = user_.find(u.lower);
    if (user != user_.end()) {
        u.german = user->second.translation;
        u.cls = user->second.wordClass;
        u.fixed = u.cls != kClassNoun && u.cls != kClassVerb;
        return;
    }
    u.fw = FindEnglishWord(u.lower);
    if (u.fw) return;
    // "Tom" in the middle of a sentence is a name, not the noun "tom"
    if (u.capital && (!u.start || IsCommonGivenName(u.source)) && cat_.Forms(u.source).empty() &&
        u.source.size() > 1 && !IsUpper1252(static_cast<unsigned char>(u.source[1]))) {
        u.german = u.source;
        u.cls = kClassName;
        u.fixed = true;
        return;
    }
    // context: after a determiner a noun or adjective, after a subject or "to" a verb
    std::uint8_t want = kClassNone;
    if (previous && previous->fw) {
        EnKind k = previous->fw->kind;
        if (k == EnKind::Article || k == EnKind::Possessive || k == EnKind::Demonstrative || k == EnKind::Preposition) want = kClassNoun;
        if (k == EnKind::Pronoun || k == EnKind::Modal || k == EnKind::Will || k == EnKind::Do || k == EnKind::Negation) want = kClassVerb;
        if (previous->lower == "to") want = kClassVerb;
        const bool progressive = u.lower.size() > 4 && u.lower.compare(u.lower.size() - 3, 3, "ing") == 0;
        if ((k == EnKind::Be && !progressive) ||
            (k == EnKind::Adverb && (previous->lower == "very" || previous->lower == "too")))
            want = kClassAdjective;  // "is long", "very long"; "is going" stays a verb
    }
    if (previous && !previous->fw && previous->cls == kClassAdjective) want = kClassNoun;
    for (const std::string& form : {u.source, u.lower}) {
        if (want && LookUp(u, form, want, kFormBase)) return;
        if (want == kClassAdjective) continue;  // "is going": a verb form, not an adjective
        if (want == kClassNoun && LookUp(u, form, kClassAdjective, kFormBase)) return;
    }
    if (LookUp(u, u.source, 0, kFormBase) || LookUp(u, u.lower, 0, kFormBase)) return;
    const std::string& w = u.lower;
    auto ends = [&](const char* e) { std::size_t n = std::strlen(e); return w.size() > n + 1 && w.compare(w.size() - n, n, e) == 0; };
    auto stem = [&](std::size_t n) { return w.substr(0, w.size() - n); };
    if (ends("ies") && (LookUp(u, stem(3) + "y", kClassNoun, kFormPlural) || LookUp(u, stem(3) + "y", kClassVerb, kFormThird))) return;
    if (ends("es") && (LookUp(u, stem(2), kClassNoun, kFormPlural) || LookUp(u, stem(2), kClassVerb, kFormThird))) return;
    if (ends("s") && (LookUp(u, stem(1), kClassNoun, kFormPlural) || LookUp(u, stem(1), kClassVerb, kFormThird))) return;
    if (ends("ied") && LookUp(u, stem(3) + "y", kClassVerb, kFormPast)) return;
    if (ends("ed") && (LookUp(u, stem(2), kClassVerb, kFormPast) || LookUp(u, stem(1), kClassVerb, kFormPast) ||
                       (w.size() > 4 && w[w.size() - 3] == w[w.size() - 4] && LookUp(u, stem(3), kClassVerb, kFormPast)))) return;
    if (ends("ing") && (LookUp(u, stem(3), kClassVerb, kFormPresPart) || LookUp(u, stem(3) + "e", kClassVerb, kFormPresPart) ||
                        (w.size() > 5 && w[w.size() - 4] == w[w.size() - 5] && LookUp(u, stem(4), kClassVerb, kFormPresPart)))) return;
    if (ends("ly") && (LookUp(u, stem(2), kClassAdjective, kFormBase) || LookUp(u, stem(3) + "y", kClassAdjective, kFormBase))) return;
    u.known = false;
    u.german = u.source;
}

bool IsAuxiliary(const Unit& u) {
    return u.fw && (u.fw->kind == EnKind::Be || u.fw->kind == EnKind::Have || u.fw->kind == EnKind::Do ||
                    u.fw->kind == EnKind::Will || u.fw->kind == EnKind::Modal);
}

// Where a subject starting at i ends (i when none starts there).
std::size_t EnglishToGerman::SubjectEnd(std::size_t i, std::size_t end) const {
    if (i >= end) return i;
    if (units_[i].fw && units_[i].fw->kind == EnKind::Pronoun) return i + 1;
    std::size_t j = i;
    if (units_[j].fw && (units_[j].fw->kind == EnKind::Article || units_[j].fw->kind == EnKind::Possessive ||
                         units_[j].fw->kind == EnKind::Demonstrative))
        ++j;
    while (j < end && !units_[j].fw && !units_[j].punct && (units_[j].cls == kClassAdjective || units_[j].number)) ++j;
    std::size_t nouns = j;
    while (j < end && !units_[j].fw && !units_[j].punct &&
           (units_[j].cls == kClassNoun || units_[j].cls == kClassName || (!units_[j].known && units_[j].capital)))
        ++j;
    return j > nouns ? j : i;
}

// "of" before "the", "a" or a possessive: German says it with the genitive.
bool EnglishToGerman::OfBeforeDeterminer(std::size_t i, std::size_t end) const {
    if (units_[i].lower != "of" || i + 1 >= end || !units_[i + 1].fw) return false;
    const EnglishWord* next = units_[i + 1].fw;
    return next->kind == EnKind::Possessive ||
           (next->kind == EnKind::Article && next->german != std::string("kein"));
}

bool EnglishToGerman::VerbAhead(std::size_t i, std::size_t end) const {
    for (std::size_t k = i; k < end && !units_[k].punct; ++k)
        if (IsAuxiliary(units_[k]) || (!units_[k].fw && units_[k].cls == kClassVerb)) return true;
    return false;
}

void EnglishToGerman::NounPhrase(std::size_t& i, std::size_t end, Case c, std::vector<std::string>& out) {
    if (i >= end) return;  // a clause that ends before its noun phrase ("because" at the end)
    // determiner, adjectives, nouns: agreement from the last noun
    std::size_t j = i;
    const EnglishWord* det = nullptr;
    if (j < end && units_[j].fw && (units_[j].fw->kind == EnKind::Article || units_[j].fw->kind == EnKind::Possessive ||
                                    units_[j].fw->kind == EnKind::Demonstrative))
        det = units_[j++].fw;
    std::size_t adjectives = j;
    while (j < end && !units_[j].fw && !units_[j].punct && (units_[j].cls == kClassAdjective || units_[j].number)) ++j;
    std::size_t nouns = j;
    while (j < end && !units_[j].fw && !units_[j].punct &&
           (units_[j].cls == kClassNoun || units_[j].cls == kClassName || (!units_[j].known && units_[j].capital)))
        ++j;
    if (nouns == j && !det) {  // not a noun phrase
        out.push_back(units_[i].german);
        ++i;
        return;
    }
    if (nouns == j && adjectives == j && det) {  // "this", "that" standing alone
        out.push_back(det->kind == EnKind::Demonstrative && det->german == std::string("dies") ? "das" :
                      det->german == std::string("def") ? DefiniteArticle(kNeuter, c, false) : det->german);
        i = j;
        return;
    }
    const Unit* head = nouns < j ? &units_[j - 1] : nullptr;
    std::uint8_t gender = head ? head->gender : static_cast<std::uint8_t>(kNeuter);
    if (!gender) gender = kFeminine;
    bool plural = (head && head->plural) || (det && det->plural);
    Declension declension = Declension::Strong;
    if (det) {
        std::string stem = det->german;
        if (stem == "def") { out.push_back(DefiniteArticle(gender, c, plural)); declension = Declension::Weak; }
        else if (stem == "ein") { if (!plural) out.push_back("ein" + std::string(EinEnding(gender, c, plural))); declension = plural ? Declension::Strong : Declension::Mixed; }
        else if (det->kind == EnKind::Possessive || stem == "kein") {
            std::string s = stem == "dein" && options_.honorific ? "Ihr" : stem;
            out.push_back(s + EinEnding(gender, c, plural));
            declension = Declension::Mixed;
            if (plural) declension = Declension::Weak;
        } else { out.push_back(stem + DieserEnding(gender, c, plural)); declension = Declension::Weak; }
    }
    for (std::size_t k = adjectives; k < nouns; ++k) {
        if (units_[k].number) { out.push_back(units_[k].source); continue; }
        std::string adj = units_[k].german;
        if (adj.find(' ') == std::string::npos && !adj.empty() && adj.back() != 'e' ) adj += AdjectiveEnding(declension, gender, c, plural);
        else if (!adj.empty() && adj.back() == 'e') adj += std::string(AdjectiveEnding(declension, gender, c, plural)).substr(1);
        out.push_back(adj);
    }
    for (std::size_t k = nouns; k < j; ++k) {
        const Unit& n = units_[k];
        if (!n.known || n.cls == kClassName) { out.push_back(n.source); continue; }
        if (k + 1 < j) { out.push_back(n.german); continue; }  // a modifier noun stays in its base form
        out.push_back(GermanNounForm(cat_, n.german, n.gender ? n.gender : gender, c, n.plural));
    }
    i = j;
}

void EnglishToGerman::TranslateClause(std::size_t begin, std::size_t end, std::vector<std::string>& out) {
    while (begin < end && (units_[begin].punct || (units_[begin].fw && units_[begin].fw->kind == EnKind::Coordinator))) {
        out.push_back(units_[begin].fw ? units_[begin].fw->german : units_[begin].source);
        ++begin;
    }
    if (begin >= end) return;
    bool subordinate = units_[begin].fw && units_[begin].fw->kind == EnKind::Subordinator;
    std::size_t i = begin;
    if (subordinate) out.push_back(units_[i++].fw->german);
    if (i >= end) return;  // a conjunction with nothing after it
    // "What does it mean", "Can you come": the auxiliary moves behind the subject
    // for the analysis below; German puts the finite verb first again.
    bool question = false;
    if (!subordinate) {
        std::size_t q = i;
        const bool asks = q < end && units_[q].fw && units_[q].fw->kind == EnKind::Question;
        if (asks) ++q;
        if (q < end && IsAuxiliary(units_[q])) {
            std::size_t subjectEnd = SubjectEnd(q + 1, end);
            if (subjectEnd > q + 1) {
                if (asks) out.push_back(units_[i].fw->german);
                Unit aux = units_[q];
                units_.erase(units_.begin() + static_cast<long>(q));
                units_.insert(units_.begin() + static_cast<long>(subjectEnd - 1), std::move(aux));
                question = true;
                i = q;
            }
        }
        // otherwise ("What happened") the question word is the subject, in German too
    }
    // subject
    std::vector<std::string> subject;
    int person = 3;
    bool plural = false;
    std::size_t subjectStart = i;
    // a pronoun, or a question word that is the subject itself ("What happened")
    if (i < end && units_[i].fw && (units_[i].fw->kind == EnKind::Pronoun || units_[i].fw->kind == EnKind::Question)) {
        const EnglishWord* p = units_[i].fw;
        std::string g = p->german;
        if (units_[i].lower == "you") g = options_.honorific ? "Sie" : "du";
        person = p->person;
        plural = p->plural;
        if (units_[i].lower == "you" && options_.honorific) { person = 3; plural = true; }
        subject.push_back(g);
        ++i;
    } else {
        std::size_t before = i;
        if (!(question && i < end && IsAuxiliary(units_[i]))) NounPhrase(i, end, Case::Nominative, subject);
        for (std::size_t k = before; k < i; ++k) if (units_[k].cls == kClassNoun) plural = units_[k].plural;
        if (before < i && units_[before].fw && units_[before].fw->plural) plural = true;
        // "The history of the United States was ...": the attribute joins the subject
        while (i + 1 < end && units_[i].fw && units_[i].fw->kind == EnKind::Preposition && VerbAhead(i + 1, end)) {
            Case c = units_[i].fw->prepositionCase;
            if (OfBeforeDeterminer(i, end)) c = Case::Genitive;
            else subject.push_back(units_[i].fw->german);
            ++i;
            NounPhrase(i, end, c, subject);
        }
    }
    // verb group: auxiliaries, negation, main verb
    std::string finiteLemma, mainLemma;
    Tense tense = Tense::Present;
    bool negate = false, perfect = false, future = false, modal = false, passive = false;
    std::string modalLemma;
    std::size_t verbStart = i;
    while (i < end && !units_[i].punct) {
        const Unit& u = units_[i];
        if (u.fw && (u.fw->kind == EnKind::Be || u.fw->kind == EnKind::Have || u.fw->kind == EnKind::Do ||
                     u.fw->kind == EnKind::Will || u.fw->kind == EnKind::Modal)) {
            if (i == verbStart && u.fw->past) tense = Tense::Past;
            if (u.fw->kind == EnKind::Have) perfect = true;
            if (u.fw->kind == EnKind::Will) { future = true; modalLemma = u.fw->german; }
            if (u.fw->kind == EnKind::Modal) { modal = true; modalLemma = u.fw->german; }
            if (u.fw->kind == EnKind::Be) { mainLemma = "sein"; passive = true; }
            if (u.fw->kind == EnKind::Have && mainLemma.empty()) mainLemma = "haben";
            if (u.fw->kind == EnKind::Do && mainLemma.empty()) mainLemma = "tun";
            ++i;
            continue;
        }
        if (u.fw && u.fw->kind == EnKind::Negation) { negate = true; ++i; continue; }
        if (!u.fw && u.cls == kClassVerb) {
            mainLemma = u.german;
            if (i == verbStart && u.tag == kFormPast) tense = Tense::Past;
            passive = passive && u.tag == kFormPastPart;
            if (u.tag == kFormPresPart) passive = false;
            ++i;
        }
        break;
    }
    // "has three brothers": have without a participle is the verb itself
    if (perfect && mainLemma == "haben") perfect = false;
    // "want to go", "have to go", "need to go": a modal verb with a bare infinitive
    if (!modal && !future && i + 1 < end && units_[i].lower == "to" && !units_[i + 1].fw &&
        units_[i + 1].cls == kClassVerb) {
        const std::string& before = units_[i - 1].lower;
        const char* modalVerb = nullptr;
        if (before == "want" || before == "wants" || before == "wanted") modalVerb = "wollen";
        else if (before == "have" || before == "has" || before == "had" || before == "need" ||
                 before == "needs" || before == "needed") modalVerb = "müssen";
        else if (before == "going" && passive) modalVerb = "werden";
        if (modalVerb) {
            if (std::string(modalVerb) == "werden") { future = true; passive = false; tense = Tense::Present; }
            else modal = true;
            modalLemma = modalVerb;
            perfect = false;
            mainLemma = units_[i + 1].german;
            i += 2;
        }
    }
    if (mainLemma.empty()) {  // no verb: keep the words in order
        for (auto& s : subject) out.push_back(s);
        for (std::size_t k = i; k < end; ++k) {
            std::size_t kk = k;
            const EnglishWord* w = units_[k].fw;
            if ((!w && (units_[k].cls == kClassNoun || units_[k].cls == kClassAdjective)) ||
                (w && (w->kind == EnKind::Article || w->kind == EnKind::Possessive || w->kind == EnKind::Demonstrative))) {
                NounPhrase(kk, end, Case::Nominative, out);
                k = kk - 1;
            } else if (w && (w->kind == EnKind::Be || w->kind == EnKind::Have)) {
                out.push_back(GermanFinite(cat_, w->german, w->person ? w->person : person, w->plural || plural,
                                           w->past ? Tense::Past : Tense::Present).finite);
            } else if (!(w && w->kind == EnKind::Do)) {
                out.push_back(w ? w->german : units_[k].german);
            }
        }
        return;
    }
    // objects and adverbials
    std::vector<std::string> rest;
    while (i < end) {
        const Unit& u = units_[i];
        if (u.punct) { rest.push_back(u.source); ++i; continue; }
        if (u.fw && u.fw->kind == EnKind::Preposition) {
            Case c = u.fw->prepositionCase;
            if (OfBeforeDeterminer(i, end)) c = Case::Genitive;  // "the end of the day": des Tages
            else rest.push_back(u.fw->german);
            ++i;
            NounPhrase(i, end, c, rest);
            continue;
        }
        if (u.fw && u.fw->kind == EnKind::Pronoun) {
            std::string g = u.fw->german;
            if (u.lower == "you") g = options_.honorific ? "Sie" : "dich";
            if (u.lower == "it") g = "es";
            if (u.lower == "her") g = "sie";
            // "gave me a book": a pronoun before another object is the dative one
            const Unit* next = i + 1 < end ? &units_[i + 1] : nullptr;
            if (next && ((next->fw && (next->fw->kind == EnKind::Article || next->fw->kind == EnKind::Possessive)) ||
                         (!next->fw && next->cls == kClassNoun))) {
                static const char* const kDative[][2] = {{"me", "mir"}, {"him", "ihm"}, {"her", "ihr"},
                                                         {"us", "uns"}, {"them", "ihnen"}};
                for (const auto& d : kDative)
                    if (u.lower == d[0]) g = d[1];
                if (u.lower == "you") g = options_.honorific ? "Ihnen" : "dir";
            }
            rest.push_back(g);
            ++i;
            continue;
        }
        if (u.fw && u.fw->kind == EnKind::Negation) { negate = true; ++i; continue; }
        if (u.fw && u.fw->kind == EnKind::Do) { ++i; continue; }
        if ((u.fw && (u.fw->kind == EnKind::Article || u.fw->kind == EnKind::Possessive || u.fw->kind == EnKind::Demonstrative)) ||
            (!u.fw && (u.cls == kClassNoun || u.cls == kClassAdjective))) {
            // "She is a teacher": what follows "sein" stands in the nominative
            NounPhrase(i, end, mainLemma == "sein" ? Case::Nominative : Case::Accusative, rest);
            continue;
        }
        rest.push_back(u.fw ? u.fw->german : u.german);
        ++i;
    }
    // German verb forms
    std::vector<std::string> finals;  // verbs at the end, in German order
    std::string finite;
    std::string particle;
    if (perfect) {
        bool sein = GermanTakesSein(cat_, mainLemma);
        GermanVerbParts aux = GermanFinite(cat_, sein ? "sein" : "haben", person, plural, tense);
        finite = aux.finite;
        if (mainLemma != "haben") finals.push_back(GermanParticiple(cat_, mainLemma));
        else finals.push_back("gehabt");
    } else if (future || modal) {
        GermanVerbParts aux = GermanFinite(cat_, modalLemma, person, plural, modal ? tense : Tense::Present);
        finite = aux.finite;
        finals.push_back(passive && mainLemma != "sein" ? GermanParticiple(cat_, mainLemma) + " werden" : mainLemma);
    } else if (passive && mainLemma != "sein") {
        GermanVerbParts aux = GermanFinite(cat_, "werden", person, plural, tense);
        finite = aux.finite;
        finals.push_back(GermanParticiple(cat_, mainLemma));
    } else {
        GermanVerbParts parts = GermanFinite(cat_, mainLemma, person, plural, tense);
        finite = parts.finite;
        particle = parts.particle;
    }
    if (negate) rest.push_back("nicht");
    if (!particle.empty()) rest.push_back(particle);
    for (auto& s : subject) out.push_back(s);
    if (subordinate) {
        for (auto& r : rest) out.push_back(r);
        for (auto& f : finals) out.push_back(f);
        out.push_back(finite);
        return;
    }
    if (question) {
        // the subject went out first above; German wants the finite verb before it
        out.insert(out.end() - static_cast<long>(subject.size()), finite);
    } else {
        out.push_back(finite);
    }
    for (auto& r : rest) out.push_back(r);
    for (auto& f : finals) out.push_back(f);
    (void)subjectStart;
}

Translation EnglishToGerman::Run(std::string_view sentence, Clock::time_point deadline) {
    Translation result;
    if (const char* example = cat_.Example(NormaliseSentenceKey(sentence))) {
        result.text = FinishSentence(example, sentence);
        return result;
    }
    std::vector<Token> tokens = Tokenise(sentence, cat_);
    bool start = true;
    for (const Token& t : tokens) {
        if (units_.size() % 16 == 15 && Clock::now() > deadline) {
            result.status = Translation::kTimedOut;
            return result;
        }
        // contractions: "don't" -> do n't, "I'm" -> I am
        std::string text = t.text;
        std::vector<std::string> pieces;
        std::size_t apostrophe = text.find_first_of("'\x92");
        if (apostrophe != std::string::npos && t.kind == TokenKind::Word) {
            std::string head = text.substr(0, apostrophe), tail = Lower1252(text.substr(apostrophe + 1));
            if (tail == "t" && head.size() > 1 && (head.back() == 'n' || head.back() == 'N')) {
                std::string h = Lower1252(head.substr(0, head.size() - 1));
                pieces = {h == "wo" ? "will" : h == "ca" ? "can" : h, "not"};
            } else if (tail == "m") pieces = {head, "am"};
            else if (tail == "re") pieces = {head, "are"};
            else if (tail == "ve") pieces = {head, "have"};
            else if (tail == "ll") pieces = {head, "will"};
            else if (tail == "d") pieces = {head, "would"};
            else if (tail == "s") pieces = {head};
        }
        if (pieces.empty()) pieces = {text};
        for (const std::string& p : pieces) {
            Unit u;
            u.source = p;
            u.lower = Lower1252(p);
            u.punct = t.kind == TokenKind::Punctuation;
            u.number = t.kind == TokenKind::Number;
            u.capital = IsUpper1252(static_cast<unsigned char>(p[0]));
            u.start = start && !u.punct;
            if (!u.punct && !u.number) Analyse(u, units_.empty() ? nullptr : &units_.back());
            if (u.number || u.punct) u.german = u.source;
            if (u.number) u.cls = kClassAdjective;
            units_.push_back(std::move(u));
            if (!units_.back().punct) start = false;
        }
    }
    if (Clock::now() > deadline) { result.status = Translation::kTimedOut; return result; }
    for (const Unit& u : units_)
        if (!u.known && !u.punct && !u.number) result.unknown.push_back(u.source);
    std::vector<std::string> words;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= units_.size(); ++i) {
        bool boundary = i == units_.size() ||
                        (units_[i].punct && units_[i].source != "'" && units_[i].source != "-") ||
                        (units_[i].fw && (units_[i].fw->kind == EnKind::Coordinator || units_[i].fw->kind == EnKind::Subordinator) && i > begin);
        if (!boundary) continue;
        if (Clock::now() > deadline) { result.status = Translation::kTimedOut; return result; }
        TranslateClause(begin, i, words);
        begin = i;
        // German sets a comma before every subordinate clause
        if (i < units_.size() && units_[i].fw && units_[i].fw->kind == EnKind::Subordinator && !words.empty() &&
            words.back() != "," && !(units_[i - 1].punct))
            words.push_back(",");
        if (i < units_.size() && units_[i].punct) {
            std::string p = units_[i].source;
            words.push_back(p);
            begin = i + 1;
        }
    }
    result.text = FinishGerman(words);
    return result;
}

}  // namespace

Translation TranslateEnglishToGerman(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline) {
    EnglishToGerman translator(catalogue, options, user);
    return translator.Run(sentence, deadline);
}

}  // namespace velloc
