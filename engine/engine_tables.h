#pragma once
// The engine's knowledge as the catalogue carries it (engine/data/*.tsv): the
// closed-class words of both languages, the word lists of the rules, the strong
// verbs and the scoring weights. Read once when a catalogue is opened.
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/english_words.h"
#include "engine/german_words.h"

namespace velloc {

struct StrongVerbForms {
    std::string infinitive, third, past, participle;
};

struct EnglishModal {
    std::string present, third, past;
    std::string notPresent, notThird, notPast;  // negated: "muss nicht" is "does not have to"
};

class EngineTables {
public:
    EngineTables() = default;
    // The entries point into the tables' own texts: a copy would point into the original.
    EngineTables(const EngineTables&) = delete;
    EngineTables& operator=(const EngineTables&) = delete;
    // From the tables by name; a missing table leaves its part empty. False, with
    // the table and line, when a table is not sound.
    bool Load(const std::vector<std::pair<std::string_view, std::string_view>>& tables, std::string* error);

    const GermanWord* German(std::string_view lower) const;
    // The first entry of the form, or the first of the given kind.
    const EnglishWord* English(std::string_view lower) const;
    const EnglishWord* English(std::string_view lower, EnKind kind) const;
    bool InList(std::string_view list, std::string_view word) const;
    // The word's value in a list of pairs ("" when none).
    const std::string& Value(std::string_view list, std::string_view word) const;
    const std::vector<std::string>& List(std::string_view list) const;
    float Weight(std::string_view name) const;  // 0 when the table has no such weight
    void SetWeight(const std::string& name, float value) { weights_[name] = value; }  // for tuning
    const std::vector<StrongVerbForms>& StrongVerbs() const { return strongVerbs_; }
    const EnglishModal* Modal(std::string_view english) const;

private:
    bool LoadGerman(std::string_view text, std::string* error);
    bool LoadEnglish(std::string_view text, std::string* error);
    bool LoadLists(std::string_view text, std::string* error);
    bool LoadWeights(std::string_view text, std::string* error);
    bool LoadStrongVerbs(std::string_view text, std::string* error);
    bool LoadModals(std::string_view text, std::string* error);
    const char* Keep(const std::string& text);

    std::deque<std::string> texts_;  // what the entries' pointers point into
    std::deque<GermanWord> germanWords_;
    std::deque<EnglishWord> englishWords_;
    std::unordered_map<std::string, const GermanWord*> german_;
    std::unordered_map<std::string, std::vector<const EnglishWord*>> english_;
    std::map<std::string, std::vector<std::string>, std::less<>> lists_;
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> values_;
    std::map<std::string, float, std::less<>> weights_;
    std::vector<StrongVerbForms> strongVerbs_;
    std::map<std::string, EnglishModal, std::less<>> modals_;
};

// A value of the table verb-with-object ("solve|problem;crack|problem", the most frequent
// first): the first rendering's verb and object; false where there is none, or where `own`,
// the verb's translation as it stands, is the verb of one of them.
bool VerbWithObjectRendering(std::string_view value, std::string_view own, std::string& verb, std::string& object);

}  // namespace velloc
