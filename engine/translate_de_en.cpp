// German into English: analysis, clause rules, English generation.
#include <algorithm>
#include <cstring>
#include <cstdio>
#include <cstdlib>

#include "engine/dictionary_source.h"
#include "engine/german_analysis.h"
#include "engine/german_words.h"
#include "engine/inflection.h"
#include "engine/sentence_units.h"
#include "engine/text_1252.h"
#include "engine/tokens.h"

namespace velloc {
namespace {

struct Unit {
    std::string source;
    std::string lower;
    bool punct = false, number = false, capital = false, start = false;
    const GermanWord* fw = nullptr;
    GermanReading reading;
    std::uint8_t cls = kClassNone;
    std::string english;
    std::string lemma;       // German lemma
    bool known = true;
    bool fixed = false;      // a phrase: english is final
    bool drop = false;
    bool plural = false;
    bool subject = false;         // the clause rules found it in the subject
    bool subjectPlural = false;   // ... of a plural verb
    GermanReading participle;     // a past-participle reading the context may prefer
};

bool IsFiniteCandidate(const Unit& u) {
    if (u.fw) return (u.fw->kind == GermanKind::Auxiliary || u.fw->kind == GermanKind::Modal) && !u.fw->participle;
    if (u.cls != kClassVerb || u.fixed) return false;
    std::uint8_t t = u.reading.tag;
    return !u.reading.zuInfinitive && t != kFormPastPart && t != kFormPresPart;
}

bool IsNonFinite(const Unit& u) {
    if (u.fw) return u.fw->participle || ((u.fw->kind == GermanKind::Auxiliary || u.fw->kind == GermanKind::Modal) &&
                                          (u.lower == "sein" || u.lower == "haben" || u.lower == "werden" || u.lower == "können" ||
                                           u.lower == "müssen" || u.lower == "wollen" || u.lower == "sollen" || u.lower == "dürfen"));
    if (u.cls != kClassVerb || u.fixed) return false;
    std::uint8_t t = u.reading.tag;
    return t == kFormPastPart || t == kFormBase || u.reading.zuInfinitive;
}

bool IsNounLike(const Unit& u) {
    return !u.punct && !u.fw && (u.cls == kClassNoun || (u.capital && !u.start && !u.known) || u.cls == kClassName);
}

// A phrase must hold a content word and must not start with a determiner or a
// pronoun: "die Steuern" or "Ich habe" would swallow what the clause rules need.
bool WorthMatching(const std::vector<std::string_view>& parts) {
    const GermanWord* first = FindGermanWord(parts[0]);
    if (first && (first->kind == GermanKind::Article || first->kind == GermanKind::Pronoun)) return false;
    for (std::string_view p : parts) {
        const GermanWord* w = FindGermanWord(p);
        if (w && (w->kind == GermanKind::Auxiliary || w->kind == GermanKind::Modal)) return false;
    }
    for (std::string_view p : parts)
        if (!FindGermanWord(p)) return true;
    return false;
}

class GermanToEnglish {
public:
    GermanToEnglish(const Catalogue& catalogue, const EngineOptions& options, const UserLexicon& user)
        : cat_(catalogue), options_(options), user_(user) {}

    Translation Run(std::string_view sentence, Clock::time_point deadline);

private:
    bool BuildUnits(const std::vector<Token>& tokens, Clock::time_point deadline);
    void AnalyseUnit(Unit& u, const Unit* previous);
    void SettleReadings();
    void MatchPhrases();
    void TranslateClause(std::size_t begin, std::size_t end, bool sentenceQuestion,
                         std::vector<std::string>& out);
    std::string BestSense(const WordRecord* word, std::uint8_t cls) const;
    std::string UnitEnglish(std::size_t i) const;
    bool RefersToPerson(std::size_t comma) const;
    std::vector<std::string> VerbGroup(std::size_t finite, const std::vector<std::size_t>& rest,
                                       int person, bool plural, bool negate, bool question,
                                       bool perfectAsPast, std::size_t& insertAt) const;
    bool SpeaksOfTimeUpToNow(std::size_t begin, std::size_t end) const;
    std::size_t NounPhraseEnd(std::size_t start, std::size_t end) const;
    void SubjectPerson(std::size_t begin, std::size_t end, std::size_t finite, int& person, bool& plural) const;

    const Catalogue& cat_;
    const EngineOptions& options_;
    const UserLexicon& user_;
    std::vector<Unit> units_;
};

std::string GermanToEnglish::BestSense(const WordRecord* word, std::uint8_t cls) const {
    if (!word) return std::string();
    Records<SenseRecord> senses = cat_.Senses(word->firstSense, word->senseCount);
    const SenseRecord* best = nullptr;
    for (const SenseRecord& s : senses) {
        if (options_.subjects && (s.subjects & options_.subjects)) return cat_.String(s.text);
        if (!best && (cls == 0 || s.wordClass == cls || s.wordClass == 0)) best = &s;
    }
    if (!best && !senses.empty()) best = senses.begin();
    return best ? cat_.String(best->text) : std::string();
}

void GermanToEnglish::AnalyseUnit(Unit& u, const Unit* previous) {
    // the user's entries win over everything
    auto user = user_.find(u.lower);
    if (user == user_.end()) user = user_.find(Lower1252(u.source));
    if (user != user_.end()) {
        u.english = user->second.translation;
        u.cls = user->second.wordClass;
        u.fixed = u.cls != kClassVerb;
        u.lemma = u.source;
        if (u.cls == kClassVerb) u.reading.tag = kFormBase;
        return;
    }
    const bool capitalNoun = u.capital && !u.start;
    if (!capitalNoun || u.lower == "sie") u.fw = FindGermanWord(u.lower);
    if (u.fw && u.lower == "sie" && u.source == "Sie" && !u.start) u.fw = FindGermanWord("sie");
    if (u.fw) {
        u.english = u.fw->english;
        return;
    }
    std::vector<GermanReading> readings = AnalyseGermanWord(cat_, u.source, u.start);
    if (readings.empty()) {
        CompoundSplit split;
        if (u.source.size() >= 6 && SplitGermanCompound(cat_, u.source, split)) {
            std::string modifier = BestSense(split.modifierWord, split.modifierWord->wordClass);
            std::string head = BestSense(split.head.word, kClassNoun);
            u.cls = kClassNoun;
            u.reading = split.head;
            u.plural = split.head.tag == kFormPlural;
            u.english = modifier.empty() ? head : Lower1252(modifier.substr(0, 1)) + modifier.substr(1) + " " + head;
            u.lemma = u.source;
            return;
        }
        u.known = false;
        u.english = u.source;
        u.cls = u.capital ? kClassName : kClassNone;
        return;
    }
    const bool afterDeterminer = previous && previous->fw &&
                                 (previous->fw->kind == GermanKind::Article || previous->fw->kind == GermanKind::Preposition);
    int bestScore = -1000;
    const GermanReading* best = nullptr;
    for (const GermanReading& r : readings) {
        int score = 0;
        std::uint8_t c = r.word->wordClass;
        if (!r.word->senseCount) score -= 30;
        if (c == kClassNoun) score += capitalNoun ? 12 : (u.capital ? 2 : -12);
        if (c == kClassVerb) score += capitalNoun ? -12 : 3;
        if (c == kClassVerb && previous && previous->fw && previous->fw->kind == GermanKind::Pronoun && previous->fw->nominative &&
            r.tag != kFormPastPart && r.tag != kFormPresPart)
            score += 6;
        if (c == kClassAdjective) score += (capitalNoun ? -8 : 2) + (afterDeterminer ? 4 : 0);
        if (c == kClassAdverb) score += capitalNoun ? -8 : 1;
        if (c == kClassNone) score -= 2;
        if (r.guessed) score -= 1;
        // "steht" is first of all "stehen"; the clause rules join a particle later
        if (c == kClassVerb && r.word->particle && r.tag != kFormPastPart && r.tag != kFormBase) score -= 4;
        if (c == kClassVerb && r.tag == kFormPastPart) score += 3;
        if (score > bestScore) { bestScore = score; best = &r; }
    }
    for (const GermanReading& r : readings)
        if (r.word->wordClass == kClassVerb && r.tag == kFormPastPart && r.word->senseCount) { u.participle = r; break; }
    u.reading = *best;
    u.cls = best->word->wordClass;
    u.lemma = LemmaOf(cat_, best->word);
    u.plural = best->tag == kFormPlural;
    u.english = BestSense(best->word, u.cls);
    if (u.english.empty()) { u.english = u.source; }
}

// False when the deadline passed; looked at every few words, as each may need a
// compound split.
bool GermanToEnglish::BuildUnits(const std::vector<Token>& tokens, Clock::time_point deadline) {
    bool start = true;
    for (const Token& t : tokens) {
        if (units_.size() % 16 == 15 && Clock::now() > deadline) return false;
        Unit u;
        u.source = t.text;
        u.lower = Lower1252(t.text);
        u.punct = t.kind == TokenKind::Punctuation;
        u.number = t.kind == TokenKind::Number;
        u.capital = t.capital;
        u.start = start && !u.punct;
        if (!u.punct && !u.number) AnalyseUnit(u, units_.empty() ? nullptr : &units_.back());
        if (u.number) u.english = u.source;
        if (u.punct) u.english = u.source;
        units_.push_back(std::move(u));
        if (!units_.back().punct) start = false;
        if (t.text == ":" || t.text == "\x84" || t.text == "\"" || t.text == "\x93") start = true;
    }
    return true;
}

// What the neighbours decide once all words are read: "sein" before a clause end
// is the verb, and a clause-final form after haben/sein/werden is a participle.
void GermanToEnglish::SettleReadings() {
    static const GermanWord kSeinVerb = {"sein", GermanKind::Auxiliary, "be", 0, false, false, false,
                                         AuxVerb::Sein, false, false};
    std::size_t clauseStart = 0;
    for (std::size_t i = 0; i < units_.size(); ++i) {
        Unit& u = units_[i];
        if (u.punct) { clauseStart = i + 1; continue; }
        const Unit* next = i + 1 < units_.size() ? &units_[i + 1] : nullptr;
        const bool atEnd = !next || next->punct || (next->fw && next->fw->kind == GermanKind::Coordinator);
        if (u.lower == "sein" && u.fw && u.fw->kind == GermanKind::Article &&
            (atEnd || (i > 0 && units_[i - 1].lower == "zu") || (next && next->fw && next->fw->kind == GermanKind::Modal))) {
            u.fw = &kSeinVerb;
            u.english = "be";
            continue;
        }
        if (u.participle.word && u.reading.tag != kFormPastPart && !u.fixed && !u.fw && atEnd) {
            bool auxiliary = false;
            for (std::size_t k = clauseStart; k < i; ++k)
                auxiliary = auxiliary || (units_[k].fw && units_[k].fw->aux != AuxVerb::None && !units_[k].fw->participle);
            if (auxiliary) {
                u.reading = u.participle;
                u.cls = kClassVerb;
                u.lemma = LemmaOf(cat_, u.participle.word);
                u.plural = false;
                u.english = BestSense(u.participle.word, kClassVerb);
            }
        }
    }
}

void GermanToEnglish::MatchPhrases() {
    std::vector<std::string> lemmas;
    for (const Unit& u : units_) lemmas.push_back(Lower1252(u.lemma));
    for (std::size_t i = 0; i < units_.size(); ++i) {
        if (units_[i].punct) continue;
        for (int pass = 0; pass < 2; ++pass) {
            std::string key = pass == 0 ? units_[i].lower : lemmas[i];
            if (key.empty() || (pass == 1 && key == units_[i].lower)) continue;
            bool matched = false;
            for (const PhraseRecord& p : cat_.PhrasesStartingWith(key)) {
                // a common first word starts thousands of phrases: compare the words
                // in place before anything is split or looked up
                if (p.tokenCount < 2 || i + p.tokenCount > units_.size() || p.senseCount == 0) continue;
                std::string_view rest = cat_.String(p.text);
                bool ok = true;
                for (std::size_t k = 0; k < p.tokenCount && ok; ++k) {
                    std::size_t blank = rest.find(' ');
                    std::string_view word = rest.substr(0, blank);
                    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
                    if (k == 0) continue;
                    const Unit& u = units_[i + k];
                    ok = !u.punct && (u.lower == word || lemmas[i + k] == word);
                }
                if (!ok) continue;
                std::vector<std::string_view> parts = SplitWords(cat_.String(p.text));
                if (parts.size() != p.tokenCount || !WorthMatching(parts)) continue;
                Records<SenseRecord> senses = cat_.Senses(p.firstSense, p.senseCount);
                const SenseRecord* chosen = senses.begin();
                for (const SenseRecord& s : senses)
                    if (options_.subjects && (s.subjects & options_.subjects)) { chosen = &s; break; }
                Unit merged = units_[i];
                for (std::size_t k = 1; k < parts.size(); ++k) merged.source += " " + units_[i + k].source;
                merged.english = cat_.String(chosen->text);
                merged.fixed = true;
                merged.fw = nullptr;
                merged.known = true;
                merged.cls = p.wordClass;
                auto user = user_.find(Lower1252(merged.source));
                if (user != user_.end()) merged.english = user->second.translation;
                units_.erase(units_.begin() + static_cast<long>(i) + 1, units_.begin() + static_cast<long>(i + parts.size()));
                lemmas.erase(lemmas.begin() + static_cast<long>(i) + 1, lemmas.begin() + static_cast<long>(i + parts.size()));
                units_[i] = std::move(merged);
                matched = true;
                break;
            }
            if (matched) break;
        }
    }
}

std::size_t GermanToEnglish::NounPhraseEnd(std::size_t start, std::size_t end) const {
    std::size_t i = start;
    if (i >= end) return start;
    const Unit& first = units_[i];
    if (first.fw && (first.fw->kind == GermanKind::Pronoun || first.fw->kind == GermanKind::Question) &&
        first.fw->nominative)
        return i + 1;
    bool determiner = false;
    while (i < end && units_[i].fw && units_[i].fw->kind == GermanKind::Article) { ++i; determiner = true; }
    while (i < end && !units_[i].punct &&
           ((!units_[i].fw && (units_[i].cls == kClassAdjective || units_[i].cls == kClassAdverb)) || units_[i].number ||
            (units_[i].fw && units_[i].fw->kind == GermanKind::Adverb && units_[i].lower == "sehr")))
        ++i;
    std::size_t nouns = i;
    while (i < end && !units_[i].punct && !units_[i].fw && (IsNounLike(units_[i]) || (units_[i].fixed && units_[i].cls == kClassNoun))) ++i;
    if (i == nouns) return determiner ? i : start;
    return i;
}

void GermanToEnglish::SubjectPerson(std::size_t begin, std::size_t end, std::size_t finite, int& person,
                                    bool& plural) const {
    person = 3;
    plural = false;
    const Unit& f = units_[finite];
    if (f.fw) {
        person = f.fw->person ? f.fw->person : 3;
        plural = f.fw->plural;
    } else {
        std::uint8_t t = f.reading.tag;
        plural = t == kFormPastPlural || (t == kFormBase && (f.lower.size() > 2 && f.lower.compare(f.lower.size() - 1, 1, "n") == 0));
        if (t == kFormBase && !plural) person = 1;
    }
    for (std::size_t i = begin; i < end; ++i) {
        const Unit& u = units_[i];
        if (!u.fw || u.fw->kind != GermanKind::Pronoun || !u.fw->nominative) continue;
        if (u.lower == "sie") {
            person = 3;  // number from the verb
            return;
        }
        person = u.fw->person;
        plural = u.fw->plural;
        if (u.lower == "man") { person = 3; plural = false; }
        return;
    }
}

// An English noun written with a capital (Monday, January, Switzerland) but not an
// abbreviation (the EU, the USA).
bool NamesItself(const Unit& noun) {
    const std::string& e = noun.english;
    return e.size() >= 2 && IsUpper1252(static_cast<unsigned char>(e[0])) &&
           !IsUpper1252(static_cast<unsigned char>(e[1])) && e.find(' ') == std::string::npos;
}

// Whether the noun before the comma at comma names people: "der Minister, der ..."
// is "who", "das Haus, das ..." is "which".
bool GermanToEnglish::RefersToPerson(std::size_t comma) const {
    if (comma == 0) return false;
    const Unit& noun = units_[comma - 1];
    if (noun.cls != kClassNoun && noun.cls != kClassName) return false;
    std::string e = Lower1252(noun.english);
    auto ends = [&](const char* suffix) {
        std::size_t n = std::strlen(suffix);
        return e.size() > n && e.compare(e.size() - n, n, suffix) == 0;
    };
    if (noun.cls == kClassName) return true;
    static const char* const kPeople[] = {"man", "men", "woman", "women", "people", "person", "child", "children",
                                          "friend", "family", "police", "boy", "girl"};
    for (const char* p : kPeople)
        if (e == p || ends((std::string(" ") + p).c_str())) return true;
    // agent nouns: the teacher, the director, the scientist, the politician
    return ends("her") || ends("hers") || ends("ker") || ends("kers") || ends("ger") || ends("gers") ||
           ends("yer") || ends("yers") || ends("ist") || ends("ists") || ends("ian") || ends("ians") ||
           ends("ator") || ends("ators") || ends("ctor") || ends("ctors") || ends("dent") || ends("dents");
}

std::string GermanToEnglish::UnitEnglish(std::size_t i) const {
    const Unit& u = units_[i];
    if (u.drop) return std::string();
    if (u.punct) {
        if (u.source == "\x84" || u.source == "\x93" || u.source == "\x94") return "\"";
        if (u.source == "\x82" || u.source == "\x91" || u.source == "\x92") return "'";
        return u.source;
    }
    if (u.number) {
        std::string n;
        for (char c : u.source) n += c == ',' ? '.' : c == '.' ? ',' : c;
        return n;
    }
    if (u.fixed || !u.known) return u.english;
    if (u.fw) {
        const GermanWord& w = *u.fw;
        const Unit* next = i + 1 < units_.size() ? &units_[i + 1] : nullptr;
        const Unit* prev = i > 0 ? &units_[i - 1] : nullptr;
        if (w.kind == GermanKind::Article && (u.lower == "der" || u.lower == "die" || u.lower == "das")) {
            bool relative = prev && prev->punct && prev->source == "," && next &&
                            (next->fw || next->cls == kClassVerb || next->cls == kClassAdverb || !next->capital);
            if (relative && !(next->cls == kClassAdjective)) return RefersToPerson(i - 1) ? "who" : "which";
            if (u.lower == "der" && prev && IsNounLike(*prev) && next && (IsNounLike(*next) || next->cls == kClassAdjective))
                return "of the";
        }
        // "am Montag", "im Januar", "die Schweiz": English names take no article
        if ((w.kind == GermanKind::Article || w.kind == GermanKind::Preposition) && next && !next->fw &&
            next->cls == kClassNoun && NamesItself(*next)) {
            const std::string& e = w.english;
            if (e == "the") return std::string();
            if (e.size() > 4 && e.compare(e.size() - 4, 4, " the") == 0) return e.substr(0, e.size() - 4);
        }
        if (u.lower == "sie") {
            const bool polite = u.source == "Sie" && !u.start && options_.letter;
            if (polite) return "you";
            if (u.subject) return u.subjectPlural ? "they" : "she";
            return u.source == "Sie" && !u.start ? "them" : "her";
        }
        if (w.kind == GermanKind::Reflexive) return std::string();
        if (w.kind == GermanKind::Particle) return "to";
        return w.english;
    }
    switch (u.cls) {
    case kClassNoun: {
        if (u.lower == "uhr" && i > 0 && units_[i - 1].number) return "o'clock";
        std::string e = u.english;
        if (u.plural && !e.empty()) e = EnglishPlural(cat_, e);
        return e;
    }
    case kClassAdjective:
        if (u.reading.tag == kFormComparative) return EnglishComparative(cat_, u.english);
        if (u.reading.tag == kFormSuperlative) return EnglishSuperlative(cat_, u.english);
        return u.english;
    case kClassVerb:
        if (u.reading.tag == kFormPastPart) return EnglishPastPart(cat_, u.english);
        if (u.reading.tag == kFormPresPart) return EnglishIng(cat_, u.english);
        if (u.reading.zuInfinitive) return "to " + u.english;
        return u.english;
    default:
        return u.english;
    }
}

namespace {

std::string ModalFinite(const std::string& modal, bool past, int person, bool plural) {
    const bool third = person == 3 && !plural;
    if (modal == "can") return past ? "could" : "can";
    if (modal == "must") return past ? "had to" : "must";
    if (modal == "want") return past ? "wanted to" : third ? "wants to" : "want to";
    if (modal == "should") return "should";
    if (modal == "may") return past ? "was allowed to" : "may";
    if (modal == "like") return past ? "liked" : third ? "likes" : "like";
    if (modal == "would like") return "would like to";
    return modal;
}

std::string BeForm(bool past, int person, bool plural) {
    if (past) return (person == 1 || person == 3) && !plural ? "was" : "were";
    if (person == 1 && !plural) return "am";
    return person == 3 && !plural ? "is" : "are";
}

}  // namespace

// "schon", "noch nie", "seit": the clause's perfect reaches up to now.
bool GermanToEnglish::SpeaksOfTimeUpToNow(std::size_t begin, std::size_t end) const {
    static const char* const kWords[] = {"schon", "bereits", "nie", "noch", "jemals", "je", "seit",
                                         "seitdem", "gerade", "bisher", "inzwischen", "mittlerweile"};
    for (std::size_t i = begin; i < end; ++i)
        for (const char* w : kWords)
            if (units_[i].lower == w) return true;
    return false;
}

std::vector<std::string> GermanToEnglish::VerbGroup(std::size_t finite, const std::vector<std::size_t>& rest,
                                                    int person, bool plural, bool negate, bool question,
                                                    bool perfectAsPast, std::size_t& insertAt) const {
    std::vector<std::string> words;
    const Unit& f = units_[finite];
    const bool third = person == 3 && !plural;
    bool past = f.fw ? f.fw->past : (f.reading.tag == kFormPast || f.reading.tag == kFormPastPlural);
    bool subjunctive = f.fw ? f.fw->subjunctive : f.reading.tag == kFormSubjunctive;
    auto next = [&](std::size_t k) -> const Unit* { return k < rest.size() ? &units_[rest[k]] : nullptr; };
    const Unit* n0 = next(0);
    const bool n0Participle = n0 && ((n0->fw && n0->fw->participle) || (!n0->fw && n0->reading.tag == kFormPastPart));
    const bool n0Infinitive = n0 && !n0Participle && !(n0->reading.zuInfinitive);
    insertAt = 1;

    enum class Need { Base, PastPart };
    Need need = Need::Base;
    // "Ich habe das Buch gelesen": in talk German tells a finished event in the
    // perfect where English takes the simple past, unless the clause speaks of a time
    // up to now ("schon", "noch nie", "seit" ...). Written reports (third person) keep
    // the perfect for what still matters.
    if (perfectAsPast && person != 3 && !past && !subjunctive && rest.size() == 1 && n0 && n0Participle && !n0->fw && !n0->fixed &&
        f.fw && (f.fw->aux == AuxVerb::Haben ||
                 (f.fw->aux == AuxVerb::Sein && (GermanTakesSein(cat_, n0->lemma) ||
                                                 (n0->reading.word && (n0->reading.word->flags & kWordSein)))))) {
        const std::string& e = n0->english;
        if (negate || question) {
            words.push_back("did");
            if (negate) words.push_back("not");
            words.push_back(e);
        } else {
            words.push_back(EnglishPast(cat_, e));
        }
        return words;
    }
    // The finite verb.
    if (f.fw && f.fw->kind == GermanKind::Modal) {
        std::string m = subjunctive && f.fw->english == std::string("should") ? "should" : ModalFinite(f.fw->english, past, person, plural);
        std::vector<std::string_view> parts = SplitWords(m);
        for (auto p : parts) words.emplace_back(p);
        if (negate) words.insert(words.begin() + 1, "not");
        need = Need::Base;
        if (!n0) {  // a modal alone: "Ich kann das." keeps its own meaning
            if (words.back() == "to") words.pop_back();
        }
    } else if (f.fw && f.fw->aux == AuxVerb::Werden) {
        if (n0 && n0Participle && !(n0->fw && n0->fw->aux == AuxVerb::Sein)) {
            words.push_back(subjunctive ? "would be" : BeForm(past, person, plural));
            need = Need::PastPart;
        } else if (n0 && n0Infinitive) {
            words.push_back(subjunctive || past ? "would" : "will");
            need = Need::Base;
        } else {
            words.push_back(subjunctive ? "would become" : past ? "became" : third ? "becomes" : "become");
        }
        if (negate) words.insert(words.begin() + 1, "not");
    } else if (f.fw && f.fw->aux == AuxVerb::Haben) {
        if (subjunctive) words.push_back("would have");
        else words.push_back(past ? "had" : third ? "has" : "have");
        need = Need::PastPart;
        if (!n0) {
            if (negate && !subjunctive) {
                words.insert(words.begin(), past ? "did" : third ? "does" : "do");
                words.insert(words.begin() + 1, "not");
                words.back() = "have";
            }
            return words;
        }
        if (negate) words.insert(words.begin() + 1, "not");
    } else if (f.fw && f.fw->aux == AuxVerb::Sein) {
        bool perfect = n0 && n0Participle && !n0->fw && GermanTakesSein(cat_, n0->lemma);
        bool perfectByTable = n0 && !n0->fw && n0->reading.word && (n0->reading.word->flags & kWordSein);
        if (perfect || perfectByTable || (n0 && n0->fw && n0->fw->participle && n0->fw->aux != AuxVerb::Haben)) {
            words.push_back(subjunctive ? "would have" : past ? "had" : third ? "has" : "have");
            need = Need::PastPart;
        } else {
            words.push_back(subjunctive ? "would be" : BeForm(past, person, plural));
            need = Need::PastPart;
        }
        if (negate) words.insert(words.begin() + 1, "not");
    } else {
        // a lexical verb
        const std::string& e = f.english;
        if (negate || (question && rest.empty())) {
            words.push_back(subjunctive ? "would" : past ? "did" : third ? "does" : "do");
            if (negate) words.push_back("not");
            words.push_back(e);
        } else if (subjunctive) {
            words.push_back("would " + e);
        } else if (past) {
            words.push_back(EnglishPast(cat_, e));
        } else {
            words.push_back(third ? EnglishThird(cat_, e) : e);
        }
        for (std::size_t k = 0; k < rest.size(); ++k) {
            const Unit& u = units_[rest[k]];
            words.push_back(u.reading.zuInfinitive ? "to " + u.english : UnitEnglish(rest[k]));
        }
        return words;
    }
    // The rest of the chain, each governed by the one before.
    for (std::size_t k = 0; k < rest.size(); ++k) {
        const Unit& u = units_[rest[k]];
        const Unit* after = next(k + 1);
        if (u.reading.zuInfinitive || (!u.fw && u.cls != kClassVerb)) {
            words.push_back(UnitEnglish(rest[k]));
            continue;
        }
        if (u.fw) {
            if (u.fw->aux == AuxVerb::Werden) {
                words.push_back(u.fw->participle ? "been" : "be");
                need = Need::PastPart;
                continue;
            }
            if (u.fw->aux == AuxVerb::Haben) {
                words.push_back(u.fw->participle ? "had" : "have");
                need = Need::PastPart;
                continue;
            }
            if (u.fw->aux == AuxVerb::Sein) {
                bool perfect = after && !after->fw && after->reading.word && (after->reading.word->flags & kWordSein);
                words.push_back(u.fw->participle ? "been" : perfect ? "have" : "be");
                need = Need::PastPart;
                continue;
            }
            if (u.fw->kind == GermanKind::Modal) {
                words.push_back(u.fw->english == std::string("can") ? "be able to" : u.fw->english);
                need = Need::Base;
                continue;
            }
        }
        words.push_back(need == Need::PastPart ? EnglishPastPart(cat_, u.english) : u.english);
    }
    return words;
}

void GermanToEnglish::TranslateClause(std::size_t begin, std::size_t end, bool sentenceQuestion,
                                      std::vector<std::string>& out) {
    std::vector<bool> used(units_.size(), false);
    auto emit = [&](std::size_t i) {
        if (i >= end || used[i]) return;
        used[i] = true;
        std::string e = UnitEnglish(i);
        if (!e.empty()) out.push_back(e);
    };
    // leading connectors and punctuation; closing punctuation comes last
    while (begin < end && (units_[begin].punct || (units_[begin].fw && units_[begin].fw->kind == GermanKind::Coordinator))) emit(begin++);
    std::size_t closing = end;
    while (closing > begin && units_[closing - 1].punct) --closing;
    if (closing < end) {
        TranslateClause(begin, closing, sentenceQuestion, out);
        for (std::size_t i = closing; i < end; ++i) out.push_back(UnitEnglish(i));
        return;
    }
    if (begin >= end) return;

    const Unit& first = units_[begin];
    const bool subordinate = first.fw && (first.fw->kind == GermanKind::Subordinator || first.fw->kind == GermanKind::Relative ||
                                          (first.fw->kind == GermanKind::Question && begin > 0) ||
                                          (first.fw->kind == GermanKind::Article && begin > 0 && units_[begin - 1].source == "," &&
                                           begin + 1 < end && !IsNounLike(units_[begin + 1]) && units_[begin + 1].cls != kClassAdjective));
    // the clause-final verb cluster (and a separable particle)
    std::size_t clusterStart = end;
    while (clusterStart > begin) {
        const Unit& u = units_[clusterStart - 1];
        if (u.punct) break;
        if (IsNonFinite(u) || (u.fw && u.fw->kind == GermanKind::Particle && clusterStart < end)) { --clusterStart; continue; }
        if (subordinate && IsFiniteCandidate(u)) { --clusterStart; continue; }
        break;
    }
    std::size_t finite = end;
    if (subordinate) {
        for (std::size_t i = end; i > begin + 1; --i)
            if (IsFiniteCandidate(units_[i - 1]) && i - 1 >= clusterStart) { finite = i - 1; break; }
        if (finite == end)
            for (std::size_t i = begin + 1; i < end; ++i)
                if (IsFiniteCandidate(units_[i])) { finite = i; break; }
    } else {
        for (std::size_t i = begin; i < end; ++i)
            if (IsFiniteCandidate(units_[i]) && !(units_[i].fw && units_[i].lower == "sein" && i + 1 < end && !units_[i + 1].punct)) {
                finite = i;
                break;
            }
    }
    if (finite == end) {
        for (std::size_t i = begin; i < end; ++i) emit(i);
        return;
    }
    // verbs after the finite one, in English order
    std::vector<std::size_t> chain;
    Unit& f = units_[finite];
    if (!subordinate) {
        for (std::size_t i = end; i > std::max(clusterStart, finite + 1); --i) {
            const Unit& u = units_[i - 1];
            if (u.fw && u.fw->kind == GermanKind::Particle) continue;
            chain.push_back(i - 1);
        }
    } else {
        for (std::size_t i = end; i > clusterStart; --i)
            if (i - 1 != finite && !(units_[i - 1].fw && units_[i - 1].fw->kind == GermanKind::Particle)) chain.push_back(i - 1);
    }
    // a separable particle at the end joins the finite verb: "steht ... auf"
    if (!f.fw && f.cls == kClassVerb && !f.fixed && !subordinate && finite + 1 < end) {
        std::size_t last = end - 1;
        if (IsSeparableParticle(units_[last].lower) && last > finite) {
            std::string joined = units_[last].lower + f.lemma;
            for (FormLink link : cat_.Forms(joined)) {
                const WordRecord* w = cat_.Word(LinkWord(link));
                if (w && w->wordClass == kClassVerb) {
                    std::string e = BestSense(w, kClassVerb);
                    auto user = user_.find(joined);
                    f.english = user != user_.end() ? user->second.translation : e;
                    f.lemma = joined;
                    units_[last].drop = true;
                    used[last] = true;
                    break;
                }
            }
        }
    }
    int person = 3;
    bool plural = false;
    SubjectPerson(begin, end, finite, person, plural);
    // "nicht" right before the verbs (or at the end) folds into the verb group
    bool negate = false;
    for (std::size_t i = begin; i < clusterStart; ++i) {
        const Unit& u = units_[i];
        if (!u.fw || u.fw->kind != GermanKind::Negation || i == finite) continue;
        // "nicht nur", "nicht mehr", "nicht gut" stay where they are
        const Unit* next = i + 1 < end ? &units_[i + 1] : nullptr;
        bool local = next && !next->punct && i + 1 < clusterStart &&
                     (next->cls == kClassAdjective || next->cls == kClassAdverb || next->number ||
                      (next->fw && next->fw->kind == GermanKind::Adverb));
        if (!local) { negate = true; used[i] = true; }
        break;
    }
    // "es gibt" / "gibt es": there is, there are
    if (!subordinate && !f.fw && f.lemma == "geben" && chain.empty()) {
        std::size_t es = end;
        if (finite > begin && units_[finite - 1].lower == "es") es = finite - 1;
        else if (finite + 1 < end && units_[finite + 1].lower == "es") es = finite + 1;
        if (es != end) {
            bool many = false;
            for (std::size_t i = finite + 1; i < end && !many; ++i)
                many = (units_[i].cls == kClassNoun && units_[i].plural) ||
                       (units_[i].fw && units_[i].fw->kind == GermanKind::Article && units_[i].fw->plural);
            const bool past = f.reading.tag == kFormPast || f.reading.tag == kFormPastPlural;
            std::string be = past ? (many ? "were" : "was") : (many ? "are" : "is");
            used[es] = true;
            used[finite] = true;
            const bool ask = sentenceQuestion && (finite == begin || es == begin);
            for (std::size_t i = begin; i < finite; ++i) emit(i);
            if (ask) { out.push_back(be); out.push_back("there"); }
            else { out.push_back("there"); out.push_back(be); }
            if (negate) out.push_back("not");
            for (std::size_t i = finite + 1; i < end; ++i) emit(i);
            return;
        }
    }
    const bool verbFirst = finite == begin;
    const bool whQuestion = !subordinate && sentenceQuestion && first.fw && first.fw->kind == GermanKind::Question && finite == begin + 1;
    const bool question = sentenceQuestion && (verbFirst || whQuestion);
    std::size_t insertAt = 1;
    std::vector<std::string> group =
        VerbGroup(finite, chain, person, plural, negate, question, !SpeaksOfTimeUpToNow(begin, end), insertAt);
    used[finite] = true;
    for (std::size_t i : chain) used[i] = true;

    auto emitRange = [&](std::size_t from, std::size_t to) { for (std::size_t i = from; i < to; ++i) emit(i); };
    auto markSubject = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to && i < end; ++i) {
            units_[i].subject = true;
            units_[i].subjectPlural = plural;
        }
    };
    if (subordinate) {
        emit(begin);
        std::size_t subjectEnd = begin + 1;
        if (!(first.fw->kind == GermanKind::Relative || first.fw->kind == GermanKind::Article)) subjectEnd = NounPhraseEnd(begin + 1, finite);
        markSubject(begin + 1, subjectEnd);
        emitRange(begin + 1, subjectEnd);
        for (auto& w : group) out.push_back(w);
        emitRange(subjectEnd, end);
        return;
    }
    if (question || verbFirst) {
        if (whQuestion) emit(begin);
        std::size_t subjectStart = finite + 1;
        std::size_t subjectEnd = NounPhraseEnd(subjectStart, end);
        markSubject(subjectStart, subjectEnd);
        if (question && subjectEnd > subjectStart) {
            for (std::size_t k = 0; k < insertAt && k < group.size(); ++k) out.push_back(group[k]);
            emitRange(subjectStart, subjectEnd);
            for (std::size_t k = insertAt; k < group.size(); ++k) out.push_back(group[k]);
        } else {
            for (auto& w : group) out.push_back(w);
        }
        emitRange(subjectEnd, end);
        return;
    }
    // verb second: is the first constituent the subject?
    std::size_t firstEnd = NounPhraseEnd(begin, finite);
    bool subjectFirst = firstEnd == finite && !(first.fw && (first.fw->kind == GermanKind::Question));
    if (first.fw && first.fw->kind == GermanKind::Pronoun && !first.fw->nominative) subjectFirst = false;
    if (subjectFirst) {
        markSubject(begin, finite);
        emitRange(begin, finite);
        for (auto& w : group) out.push_back(w);
        emitRange(finite + 1, end);
        return;
    }
    emitRange(begin, finite);
    std::size_t subjectEnd = NounPhraseEnd(finite + 1, end);
    markSubject(finite + 1, subjectEnd);
    emitRange(finite + 1, subjectEnd);
    for (auto& w : group) out.push_back(w);
    emitRange(subjectEnd, end);
}

Translation GermanToEnglish::Run(std::string_view sentence, Clock::time_point deadline) {
    Translation result;
    std::string normalised = NormaliseSentenceKey(sentence);
    if (const char* example = cat_.Example(normalised)) {
        result.text = FinishSentence(example, sentence);
        return result;
    }
    std::vector<Token> tokens = Tokenise(sentence, cat_);
    if (!BuildUnits(tokens, deadline) || Clock::now() > deadline) {
        result.status = Translation::kTimedOut;
        return result;
    }
    SettleReadings();
    MatchPhrases();
    for (const Unit& u : units_)
        if (!u.known && !u.punct && !u.number) result.unknown.push_back(u.source);
    bool anyKnown = false;
    for (const Unit& u : units_) anyKnown = anyKnown || (u.known && !u.punct && !u.number);
    if (!anyKnown && !units_.empty() && !result.unknown.empty() && result.unknown.size() == units_.size()) {
        result.status = Translation::kNothing;
        return result;
    }
    const bool question = !units_.empty() && units_.back().source == "?";
    std::vector<std::string> words;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= units_.size(); ++i) {
        bool boundary = i == units_.size() ||
                        (units_[i].punct && (units_[i].source == "," || units_[i].source == ";" || units_[i].source == ":" ||
                                             units_[i].source == "(" || units_[i].source == ")" || units_[i].source == "-" ||
                                             units_[i].source == "\x84" || units_[i].source == "\x93" || units_[i].source == "\"")) ||
                        (units_[i].fw && units_[i].fw->kind == GermanKind::Coordinator && i > begin);
        if (!boundary) continue;
        if (Clock::now() > deadline) { result.status = Translation::kTimedOut; return result; }
        TranslateClause(begin, i, question, words);
        begin = i;
        if (i < units_.size() && units_[i].punct) {
            // English sets no comma before "that"
            const Unit* next = i + 1 < units_.size() ? &units_[i + 1] : nullptr;
            bool beforeThat = units_[i].source == "," && next && next->fw &&
                              ((next->fw->kind == GermanKind::Subordinator &&
                                (next->fw->english == std::string("that") || next->lower == "ob")) ||
                               next->fw->kind == GermanKind::Question);
            if (!beforeThat) words.push_back(UnitEnglish(i));
            begin = i + 1;
        }
    }
    result.text = FinishEnglish(words);
    return result;
}

}  // namespace

Translation TranslateGermanToEnglish(const Catalogue& catalogue, const EngineOptions& options,
                                     const UserLexicon& user, std::string_view sentence,
                                     Clock::time_point deadline) {
    GermanToEnglish translator(catalogue, options, user);
    return translator.Run(sentence, deadline);
}

}  // namespace velloc
