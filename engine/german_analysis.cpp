#include "engine/german_analysis.h"

#include <algorithm>
#include <cstring>

#include "engine/text_1252.h"

namespace velloc {
namespace {

void CollectForms(const Catalogue& catalogue, std::string_view form, std::vector<GermanReading>& out) {
    for (FormLink link : catalogue.Forms(form)) {
        const WordRecord* word = catalogue.Word(LinkWord(link));
        if (word) out.push_back(GermanReading{word, static_cast<std::uint8_t>(LinkTag(link)), false, false});
    }
}

// Readings of candidate lemma of one class, tagged as the rule says.
bool AddIfClass(const Catalogue& catalogue, std::string_view lemma, std::uint8_t cls, std::uint8_t tag,
                std::vector<GermanReading>& out, bool zu = false) {
    bool any = false;
    for (FormLink link : catalogue.Forms(lemma)) {
        const WordRecord* word = catalogue.Word(LinkWord(link));
        if (!word || word->wordClass != cls) continue;
        std::uint8_t linkTag = static_cast<std::uint8_t>(LinkTag(link));
        // "größeren": the listed comparative keeps its own tag
        std::uint8_t finalTag = linkTag == kFormBase ? tag : linkTag;
        out.push_back(GermanReading{word, finalTag, zu, true});
        any = true;
    }
    return any;
}

void NounRules(const Catalogue& catalogue, const std::string& w, std::vector<GermanReading>& out) {
    struct Rule { const char* ending; std::uint8_t tag; };
    static const Rule kRules[] = {{"en", kFormPlural}, {"n", kFormPlural}, {"es", kFormBase},
                                  {"s", kFormBase}, {"e", kFormPlural}, {"nen", kFormPlural}};
    for (const Rule& r : kRules) {
        if (!EndsWith(w, r.ending) || w.size() <= std::strlen(r.ending) + 2) continue;
        std::string lemma = w.substr(0, w.size() - std::strlen(r.ending));
        std::uint8_t tag = r.tag;
        if (std::strcmp(r.ending, "s") == 0 && std::strchr("aeiouy", lemma.back())) tag = kFormPlural;
        if (AddIfClass(catalogue, lemma, kClassNoun, tag, out)) return;
    }
    // "Beamte", "Beamten", "Angestellte": a noun made of an adjective, listed as "Beamter"
    for (const char* ending : {"e", "en"}) {
        if (!EndsWith(w, ending) || w.size() <= std::strlen(ending) + 3) continue;
        const std::string stem = w.substr(0, w.size() - std::strlen(ending));
        if (AddIfClass(catalogue, stem + "er", kClassNoun, kFormBase, out)) return;
    }
}

void AdjectiveRules(const Catalogue& catalogue, const std::string& w, std::vector<GermanReading>& out) {
    static const char* const kEndings[] = {"en", "em", "er", "es", "e"};
    for (const char* ending : kEndings) {
        if (!EndsWith(w, ending) || w.size() <= std::strlen(ending) + 2) continue;
        std::string stem = w.substr(0, w.size() - std::strlen(ending));
        if (AddIfClass(catalogue, stem, kClassAdjective, kFormBase, out)) return;
        // "anderen", "ersten", "letzten": the dictionary lists these as "andere", "erste"
        for (const char* listed : {"e", "er"})
            for (std::uint8_t cls : {kClassAdjective, kClassNumeral, kClassPronoun, kClassNone})
                if (AddIfClass(catalogue, stem + listed, cls, kFormBase, out)) return;
        // "teure", "dunkle", "hohe": the adjective drops its e (or its c) before an ending
        if (stem.size() >= 3 && (stem.back() == 'r' || stem.back() == 'l') &&
            AddIfClass(catalogue, stem.substr(0, stem.size() - 1) + "e" + stem.back(), kClassAdjective, kFormBase, out))
            return;
        if (stem == "hoh" && AddIfClass(catalogue, "hoch", kClassAdjective, kFormBase, out)) return;
        if (EndsWith(stem, "er") && AddIfClass(catalogue, stem.substr(0, stem.size() - 2), kClassAdjective, kFormComparative, out)) return;
        if (EndsWith(stem, "st") && AddIfClass(catalogue, stem.substr(0, stem.size() - 2), kClassAdjective, kFormSuperlative, out)) return;
        if (EndsWith(stem, "est") && AddIfClass(catalogue, stem.substr(0, stem.size() - 3), kClassAdjective, kFormSuperlative, out)) return;
        // an inflected participle used as an adjective: "gelesene"
        std::vector<GermanReading> participle;
        CollectForms(catalogue, stem, participle);
        for (const GermanReading& r : participle)
            if (r.word->wordClass == kClassVerb && (r.tag == kFormPastPart || r.tag == kFormPresPart)) {
                out.push_back(r);
                return;
            }
    }
}

bool VerbLemma(const Catalogue& catalogue, const std::string& stem, std::uint8_t tag,
               std::vector<GermanReading>& out, bool zu = false) {
    return AddIfClass(catalogue, stem + "en", kClassVerb, tag, out, zu) ||
           AddIfClass(catalogue, stem + "n", kClassVerb, tag, out, zu);
}

// "..., die zugaben", "dass er aufstand": in a clause whose verb comes last a separable
// verb's particle joins its strong past or present ("gaben", "stand"), which the
// catalogue lists only apart.
void JoinedSeparableForm(const Catalogue& catalogue, const std::string& w, std::vector<GermanReading>& out) {
    for (const std::string& particle : catalogue.Tables().List("separable-particle")) {
        if (w.size() < particle.size() + 3 || w.compare(0, particle.size(), particle) != 0) continue;
        std::vector<GermanReading> rest;
        CollectForms(catalogue, std::string_view(w).substr(particle.size()), rest);
        for (const GermanReading& r : rest) {
            if (r.word->wordClass != kClassVerb || (r.tag != kFormPast && r.tag != kFormPastPlural && r.tag != kFormThird))
                continue;
            if (AddIfClass(catalogue, particle + LemmaOf(catalogue, r.word), kClassVerb, r.tag, out)) return;
        }
    }
}

void VerbRules(const Catalogue& catalogue, const std::string& w, std::vector<GermanReading>& out) {
    // participles: gemacht, aufgemacht, studiert
    if (EndsWith(w, "iert") && AddIfClass(catalogue, w.substr(0, w.size() - 1) + "en", kClassVerb, kFormPastPart, out)) return;
    std::size_t ge = w.find("ge");
    while (ge != std::string::npos && ge + 4 < w.size()) {
        std::string before = w.substr(0, ge);
        if (EndsWith(w, "t")) {
            std::string stem = before + w.substr(ge + 2, w.size() - ge - 3);
            if (VerbLemma(catalogue, stem, kFormPastPart, out)) return;
            if (EndsWith(stem, "e") && VerbLemma(catalogue, stem.substr(0, stem.size() - 1), kFormPastPart, out)) return;
        }
        if (EndsWith(w, "en") && AddIfClass(catalogue, before + w.substr(ge + 2), kClassVerb, kFormPastPart, out)) return;
        ge = w.find("ge", ge + 1);
    }
    // zu-infinitive of a separable verb: aufzustehen, zuzuhören, zurückzukehren
    for (std::size_t zu = w.find("zu", 2); zu != std::string::npos && zu + 4 < w.size(); zu = w.find("zu", zu + 1))
        if (AddIfClass(catalogue, w.substr(0, zu) + w.substr(zu + 2), kClassVerb, kFormBase, out, true)) return;
    // "kämen", "gingen": the plural of a listed subjunctive or past in -e ("käme")
    if (EndsWith(w, "en") && w.size() > 4) {
        std::vector<GermanReading> singular;
        CollectForms(catalogue, w.substr(0, w.size() - 1), singular);
        bool any = false, past = false;
        for (const GermanReading& r : singular) past = past || (r.word->wordClass == kClassVerb && r.tag == kFormPast);
        for (const GermanReading& r : singular)
            if (!past && r.word->wordClass == kClassVerb && r.tag == kFormSubjunctive) {
                out.push_back(GermanReading{r.word, kFormSubjunctive, false, true});
                any = true;
            }
        if (any) return;
    }
    struct Rule { const char* ending; std::uint8_t tag; };
    static const Rule kRules[] = {{"test", kFormPast}, {"tet", kFormPast}, {"ten", kFormPastPlural},
                                  {"te", kFormPast}, {"est", kFormThird}, {"st", kFormThird},
                                  {"et", kFormThird}, {"t", kFormThird}, {"e", kFormBase},
                                  {"en", kFormBase}, {"n", kFormBase}};
    for (const Rule& r : kRules) {
        if (!EndsWith(w, r.ending) || w.size() <= std::strlen(r.ending) + 1) continue;
        if (VerbLemma(catalogue, w.substr(0, w.size() - std::strlen(r.ending)), r.tag, out)) return;
    }
    JoinedSeparableForm(catalogue, w, out);
}

// "Komm!", "Mach die Tür zu!", "Nimm das Buch!": a bare stem in front bids; it reads
// as the verb's base form. Verbs that change e to i bid with their third person's stem
// ("nimmt": nimm, "liest": lies).
void ImperativeRules(const Catalogue& catalogue, const std::string& w, std::vector<GermanReading>& out) {
    if (w.size() < 2) return;
    std::vector<GermanReading> third;
    CollectForms(catalogue, w + "t", third);
    const GermanReading* found = nullptr;
    for (const GermanReading& r : third)  // "hilft" is helfen before "hilft ... ab"
        if (r.word->wordClass == kClassVerb && r.tag == kFormThird && (!found || (found->word->particle && !r.word->particle)))
            found = &r;
    if (found) {
        out.push_back(GermanReading{found->word, kFormBase, false, true});
        return;
    }
    if (w.back() != 'n') VerbLemma(catalogue, w, kFormBase, out);
    for (GermanReading& r : out) r.guessed = true;
}

// "versucht", "bezahlt", "studiert": a verb without ge- in its participle has the
// same form in the third person present, which the dictionary may not list.
void AddThirdPersonOfParticiples(const Catalogue& catalogue, const std::string& form, std::vector<GermanReading>& out) {
    const std::size_t count = out.size();
    for (std::size_t k = 0; k < count; ++k) {
        const GermanReading r = out[k];
        if (r.word->wordClass != kClassVerb || r.tag != kFormPastPart || form.compare(0, 2, "ge") == 0) continue;
        const std::string lemma = catalogue.String(r.word->lemma);
        if (lemma.size() < 4 || !EndsWith(lemma, "en")) continue;
        // "veranstaltet", "beendet": a stem in -t or -d takes -et
        const std::string stem = lemma.substr(0, lemma.size() - 2);
        const bool dental = EndsWith(stem, "t") || EndsWith(stem, "d");
        if (stem + (dental ? "et" : "t") != form) continue;
        bool listed = false;
        for (const GermanReading& other : out) listed = listed || (other.word == r.word && other.tag == kFormThird);
        if (!listed) out.push_back(GermanReading{r.word, kFormThird, false, true});
    }
}

// "weißt": the second person of a verb whose third person has no -t ("weiß") is that
// form with -t; it comes before a reading of another verb ("weißen") with that form.
// "fährst", "gibst": so is the third person with -st for -t of a verb whose vowel
// changes, which the dictionary lists only for the third.
void AddSecondPersonOfBareThirds(const Catalogue& catalogue, const std::string& form, std::vector<GermanReading>& out) {
    if (form.size() < 4 || !EndsWith(form, "t")) return;
    std::vector<GermanReading> bare;
    CollectForms(catalogue, form.substr(0, form.size() - 1), bare);
    if (bare.empty() && EndsWith(form, "st") && form.size() >= 5) {
        const std::string stem = form.substr(0, form.size() - 2);
        CollectForms(catalogue, EndsWith(stem, "t") ? stem : stem + "t", bare);  // "hältst": hält
    }
    for (const GermanReading& r : bare)
        if (r.word->wordClass == kClassVerb && r.tag == kFormThird)
            out.insert(out.begin(), GermanReading{r.word, kFormThird, false, true});
}

// "gelobt", listed as the participle of "geloben": it is that of "loben" too, which the
// reader then weighs against it.
void AddTheStemVerbOfAGeVerb(const Catalogue& catalogue, std::vector<GermanReading>& out) {
    const std::size_t count = out.size();
    for (std::size_t k = 0; k < count; ++k) {
        const GermanReading r = out[k];
        if (r.word->wordClass != kClassVerb || r.tag != kFormPastPart) continue;
        const std::string lemma = catalogue.String(r.word->lemma);
        // "gehört" is first of all the present of "gehören"
        const bool finite = std::any_of(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count),
                                        [&](const GermanReading& o) { return o.word == r.word && o.tag == kFormThird; });
        if (!finite && lemma.size() > 5 && lemma.compare(0, 2, "ge") == 0)
            AddIfClass(catalogue, lemma.substr(2), kClassVerb, kFormPastPart, out);
    }
}

}  // namespace

std::string LemmaOf(const Catalogue& catalogue, const WordRecord* word) {
    return word ? catalogue.String(word->lemma) : std::string();
}

const WordRecord* WordOfClass(const Catalogue& catalogue, std::string_view form, std::uint8_t cls) {
    for (FormLink link : catalogue.Forms(form)) {
        const WordRecord* word = catalogue.Word(LinkWord(link));
        if (word && word->wordClass == cls) return word;
    }
    return nullptr;
}

std::vector<GermanReading> AnalyseGermanWord(const Catalogue& catalogue, std::string_view form,
                                             bool sentenceStart) {
    std::vector<GermanReading> out;
    std::string surface(form);
    CollectForms(catalogue, surface, out);
    std::string lower = Lower1252(surface);
    if (lower != surface && (sentenceStart || IsUpper1252(static_cast<unsigned char>(surface.back()))))
        CollectForms(catalogue, lower, out);
    if (!out.empty()) {
        // "gebaut" may be listed as an adjective only; its verb reading matters
        bool verb = false, adjective = false, classless = true;
        for (const GermanReading& r : out) {
            verb = verb || r.word->wordClass == kClassVerb;
            adjective = adjective || r.word->wordClass == kClassAdjective;
            classless = classless && r.word->wordClass == kClassNone;
        }
        if (!verb && lower == surface) VerbRules(catalogue, lower, out);
        // "langen" is also "lang" with an ending ("sechs langen Episoden"), and "gute" "gut"
        // beside a phrase's word of no class
        if ((verb || classless) && !adjective && lower == surface) AdjectiveRules(catalogue, lower, out);
        AddThirdPersonOfParticiples(catalogue, lower, out);
        AddSecondPersonOfBareThirds(catalogue, lower, out);
        AddTheStemVerbOfAGeVerb(catalogue, out);
        return out;
    }
    if (IsUpper1252(static_cast<unsigned char>(surface[0]))) NounRules(catalogue, surface, out);
    if (!out.empty() && !sentenceStart) return out;
    const std::string& w = lower;
    AdjectiveRules(catalogue, w, out);
    VerbRules(catalogue, w, out);
    AddSecondPersonOfBareThirds(catalogue, w, out);
    if (out.empty() && sentenceStart) NounRules(catalogue, surface, out);
    if (out.empty() && sentenceStart) ImperativeRules(catalogue, w, out);
    return out;
}

GermanReading InflectedParticiple(const Catalogue& catalogue, std::string_view form) {
    for (const char* ending : {"en", "em", "er", "es", "e"}) {
        if (!EndsWith(form, ending) || form.size() <= std::strlen(ending) + 3) continue;
        std::vector<GermanReading> readings;
        CollectForms(catalogue, Lower1252(form.substr(0, form.size() - std::strlen(ending))), readings);
        for (const GermanReading& r : readings)
            if (r.word->wordClass == kClassVerb && (r.tag == kFormPastPart || r.tag == kFormPresPart) && r.word->senseCount)
                return r;
    }
    return GermanReading{};
}

bool SplitGermanCompound(const Catalogue& catalogue, std::string_view form, CompoundSplit& out) {
    if (form.size() < 6) return false;
    std::string word(form);
    static const char* const kLinks[] = {"", "s", "es", "n", "en", "e", "er"};
    for (std::size_t cut = 3; cut + 3 <= word.size(); ++cut) {
        std::string head = Capitalised(word.substr(cut));
        std::vector<GermanReading> heads;
        CollectForms(catalogue, head, heads);
        if (heads.empty()) NounRules(catalogue, head, heads);
        const GermanReading* noun = nullptr;
        for (const GermanReading& r : heads)
            if (r.word->wordClass == kClassNoun && r.word->senseCount) { noun = &r; break; }
        if (!noun) continue;
        std::string first = word.substr(0, cut);
        for (const char* link : kLinks) {
            std::size_t n = std::strlen(link);
            if (first.size() <= n + 2 || !EndsWith(first, link)) continue;
            std::string modifier = first.substr(0, first.size() - n);
            for (const std::string& candidate : {modifier, Lower1252(modifier), Lower1252(modifier) + "en"}) {
                for (FormLink link2 : catalogue.Forms(candidate)) {
                    const WordRecord* m = catalogue.Word(LinkWord(link2));
                    if (!m || !m->senseCount || m->wordClass == kClassNone) continue;
                    out.modifier = candidate;
                    out.modifierWord = m;
                    out.head = *noun;
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace velloc
