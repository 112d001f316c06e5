#include "engine/engine_tables.h"

#include <cstdlib>

#include "engine/text_table.h"

namespace velloc {
namespace {

bool Fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

bool ParseTable(std::string_view name, std::string_view text, const std::vector<const char*>& columns,
                TextTable& table, std::vector<int>& indexes, std::string* error) {
    std::string reason;
    if (!table.Parse(text, &reason)) return Fail(error, std::string(name) + ": " + reason);
    indexes.clear();
    for (const char* column : columns) {
        indexes.push_back(table.Column(column));
        if (indexes.back() < 0) return Fail(error, std::string(name) + ": no column " + column);
    }
    return true;
}

bool GermanKindOf(const std::string& name, GermanKind& kind) {
    static const std::pair<const char*, GermanKind> kKinds[] = {
        {"article", GermanKind::Article},       {"pronoun", GermanKind::Pronoun},
        {"preposition", GermanKind::Preposition}, {"coordinator", GermanKind::Coordinator},
        {"subordinator", GermanKind::Subordinator}, {"relative", GermanKind::Relative},
        {"auxiliary", GermanKind::Auxiliary},   {"modal", GermanKind::Modal},
        {"adverb", GermanKind::Adverb},         {"negation", GermanKind::Negation},
        {"question", GermanKind::Question},     {"reflexive", GermanKind::Reflexive},
        {"particle", GermanKind::Particle}};
    for (const auto& [text, value] : kKinds)
        if (name == text) { kind = value; return true; }
    return false;
}

bool EnglishKindOf(const std::string& name, EnKind& kind) {
    static const std::pair<const char*, EnKind> kKinds[] = {
        {"article", EnKind::Article},     {"pronoun", EnKind::Pronoun},         {"possessive", EnKind::Possessive},
        {"preposition", EnKind::Preposition}, {"coordinator", EnKind::Coordinator}, {"subordinator", EnKind::Subordinator},
        {"be", EnKind::Be},               {"have", EnKind::Have},               {"do", EnKind::Do},
        {"will", EnKind::Will},           {"modal", EnKind::Modal},             {"negation", EnKind::Negation},
        {"question", EnKind::Question},   {"adverb", EnKind::Adverb},           {"demonstrative", EnKind::Demonstrative}};
    for (const auto& [text, value] : kKinds)
        if (name == text) { kind = value; return true; }
    return false;
}

bool CaseOf(const std::string& name, Case& c) {
    if (name == "nominative") c = Case::Nominative;
    else if (name == "accusative") c = Case::Accusative;
    else if (name == "dative") c = Case::Dative;
    else if (name == "genitive") c = Case::Genitive;
    else return false;
    return true;
}

// Endings of the determiners that decline like "dieser"; "euere" is written "eure".
const char* const kDeterminerEndings[] = {"", "e", "en", "em", "er", "es"};

bool DeclinesLikeDieser(const std::string& stem) {
    return stem != "der" && stem != "die" && stem != "das" && stem != "den" && stem != "dem" && stem != "des" &&
           stem.compare(0, 3, "ein") != 0 && stem.compare(0, 4, "kein") != 0;
}

}  // namespace

const char* EngineTables::Keep(const std::string& text) {
    texts_.push_back(text);
    return texts_.back().c_str();
}

bool EngineTables::Load(const std::vector<std::pair<std::string_view, std::string_view>>& tables,
                        std::string* error) {
    for (const auto& [name, text] : tables) {
        bool sound = true;
        if (name == "german-words") sound = LoadGerman(text, error);
        else if (name == "english-words") sound = LoadEnglish(text, error);
        else if (name == "word-lists" || name == "governed-prepositions" || name == "place-names" ||
                 name == "learned-verb-prepositions" || name == "verbs-with-objects")
            sound = LoadLists(text, error);
        else if (name == "weights") sound = LoadWeights(text, error);
        else if (name == "strong-verbs") sound = LoadStrongVerbs(text, error);
        else if (name == "english-modals") sound = LoadModals(text, error);
        if (!sound) return false;
    }
    return true;
}

bool EngineTables::LoadGerman(std::string_view text, std::string* error) {
    TextTable t;
    std::vector<int> c;
    if (!ParseTable("german-words", text,
                    {"form", "kind", "english", "person", "plural", "past", "nominative", "auxiliary", "participle",
                     "subjunctive"},
                    t, c, error))
        return false;
    for (std::size_t r = 0; r < t.Rows(); ++r) {
        GermanWord w{};
        if (!GermanKindOf(t.Field(r, c[1]), w.kind))
            return Fail(error, "german-words: unknown kind " + t.Field(r, c[1]));
        const std::string& aux = t.Field(r, c[7]);
        w.aux = aux == "sein" ? AuxVerb::Sein : aux == "haben" ? AuxVerb::Haben : aux == "werden" ? AuxVerb::Werden : AuxVerb::None;
        w.form = Keep(t.Field(r, c[0]));
        w.english = Keep(t.Field(r, c[2]));
        w.person = t.Number(r, c[3]);
        w.plural = t.Flag(r, c[4]);
        w.past = t.Flag(r, c[5]);
        w.nominative = t.Flag(r, c[6]);
        w.participle = t.Flag(r, c[8]);
        w.subjunctive = t.Flag(r, c[9]);
        germanWords_.push_back(w);
        german_.emplace(w.form, &germanWords_.back());
    }
    // meine, meinem, diese, jedes ...: the determiners' forms from their stems
    for (const GermanWord& w : germanWords_) {
        if (w.kind != GermanKind::Article || !DeclinesLikeDieser(w.form)) continue;
        for (const char* ending : kDeterminerEndings) {
            std::string form = std::string(w.form) + ending;
            if (form == "euere") form = "eure";
            german_.emplace(form, &w);
        }
    }
    return true;
}

bool EngineTables::LoadEnglish(std::string_view text, std::string* error) {
    TextTable t;
    std::vector<int> c;
    if (!ParseTable("english-words", text, {"form", "kind", "german", "person", "plural", "past", "case"}, t, c, error))
        return false;
    for (std::size_t r = 0; r < t.Rows(); ++r) {
        EnglishWord w{};
        if (!EnglishKindOf(t.Field(r, c[1]), w.kind))
            return Fail(error, "english-words: unknown kind " + t.Field(r, c[1]));
        if (!CaseOf(t.Field(r, c[6]), w.prepositionCase))
            return Fail(error, "english-words: unknown case " + t.Field(r, c[6]));
        w.form = Keep(t.Field(r, c[0]));
        w.german = Keep(t.Field(r, c[2]));
        w.person = t.Number(r, c[3]);
        w.plural = t.Flag(r, c[4]);
        w.past = t.Flag(r, c[5]);
        englishWords_.push_back(w);
        std::string lower = t.Field(r, c[0]);
        for (char& ch : lower)
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
        english_[lower].push_back(&englishWords_.back());
    }
    return true;
}

bool EngineTables::LoadLists(std::string_view text, std::string* error) {
    TextTable t;
    std::vector<int> c;
    if (!ParseTable("word-lists", text, {"list", "word", "value"}, t, c, error)) return false;
    for (std::size_t r = 0; r < t.Rows(); ++r) {
        const std::string& list = t.Field(r, c[0]);
        lists_[list].push_back(t.Field(r, c[1]));
        if (!t.Field(r, c[2]).empty()) values_[list].emplace(t.Field(r, c[1]), t.Field(r, c[2]));
    }
    return true;
}

bool EngineTables::LoadWeights(std::string_view text, std::string* error) {
    TextTable t;
    std::vector<int> c;
    if (!ParseTable("weights", text, {"name", "value"}, t, c, error)) return false;
    for (std::size_t r = 0; r < t.Rows(); ++r) {
        const std::string& value = t.Field(r, c[1]);
        char* end = nullptr;
        const float number = std::strtof(value.c_str(), &end);
        if (value.empty() || *end != '\0') return Fail(error, "weights: " + t.Field(r, c[0]) + " is no number");
        weights_[t.Field(r, c[0])] = number;
    }
    return true;
}

bool EngineTables::LoadStrongVerbs(std::string_view text, std::string* error) {
    TextTable t;
    std::vector<int> c;
    if (!ParseTable("strong-verbs", text, {"infinitive", "third", "past", "participle"}, t, c, error)) return false;
    for (std::size_t r = 0; r < t.Rows(); ++r)
        strongVerbs_.push_back({t.Field(r, c[0]), t.Field(r, c[1]), t.Field(r, c[2]), t.Field(r, c[3])});
    return true;
}

bool EngineTables::LoadModals(std::string_view text, std::string* error) {
    TextTable t;
    std::vector<int> c;
    if (!ParseTable("english-modals", text,
                    {"modal", "present", "third", "past", "not present", "not third", "not past"}, t, c, error))
        return false;
    for (std::size_t r = 0; r < t.Rows(); ++r)
        modals_[t.Field(r, c[0])] = EnglishModal{t.Field(r, c[1]), t.Field(r, c[2]), t.Field(r, c[3]),
                                                 t.Field(r, c[4]), t.Field(r, c[5]), t.Field(r, c[6])};
    return true;
}

const EnglishModal* EngineTables::Modal(std::string_view english) const {
    auto found = modals_.find(english);
    return found == modals_.end() ? nullptr : &found->second;
}

const GermanWord* EngineTables::German(std::string_view lower) const {
    auto found = german_.find(std::string(lower));
    return found == german_.end() ? nullptr : found->second;
}

const EnglishWord* EngineTables::English(std::string_view lower) const {
    auto found = english_.find(std::string(lower));
    return found == english_.end() ? nullptr : found->second.front();
}

const EnglishWord* EngineTables::English(std::string_view lower, EnKind kind) const {
    auto found = english_.find(std::string(lower));
    if (found == english_.end()) return nullptr;
    for (const EnglishWord* w : found->second)
        if (w->kind == kind) return w;
    return nullptr;
}

bool EngineTables::InList(std::string_view list, std::string_view word) const {
    for (const std::string& entry : List(list))
        if (entry == word) return true;
    return false;
}

const std::string& EngineTables::Value(std::string_view list, std::string_view word) const {
    static const std::string kNone;
    auto found = values_.find(list);
    if (found == values_.end()) return kNone;
    auto value = found->second.find(word);
    return value == found->second.end() ? kNone : value->second;
}

const std::vector<std::string>& EngineTables::List(std::string_view list) const {
    static const std::vector<std::string> kEmpty;
    auto found = lists_.find(list);
    return found == lists_.end() ? kEmpty : found->second;
}

float EngineTables::Weight(std::string_view name) const {
    auto found = weights_.find(name);
    return found == weights_.end() ? 0.f : found->second;
}

bool VerbWithObjectRendering(std::string_view value, std::string_view own, std::string& verb, std::string& object) {
    std::string_view first;
    for (std::string_view rest = value; !rest.empty();) {
        const std::size_t semicolon = rest.find(';');
        const std::string_view rendering = rest.substr(0, semicolon);
        if (rendering.substr(0, rendering.find('|')) == own) return false;
        if (first.empty()) first = rendering;
        rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    }
    const std::size_t bar = first.find('|');
    if (bar == std::string_view::npos) return false;
    verb = std::string(first.substr(0, bar));
    object = std::string(first.substr(bar + 1));
    return true;
}

}  // namespace velloc
