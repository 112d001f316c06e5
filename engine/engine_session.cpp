#include "engine/engine_session.h"

#include <cstdlib>

#include "engine/catalogue_builder.h"
#include "engine/dictionary_source.h"
#include "engine/text_1252.h"
#include "engine/tokens.h"

namespace velloc {
namespace {

bool ParseFlag(std::string_view value, bool& flag) {
    if (value == "on") { flag = true; return true; }
    if (value == "off") { flag = false; return true; }
    return false;
}

}  // namespace

bool EngineSession::Open(const void* bytes, std::size_t size, std::string* error) {
    options_ = EngineOptions{};
    user_.clear();
    return catalogue_.Open(bytes, size, error);
}

int EngineSession::SetOption(std::string_view name, std::string_view value) {
    if (name == "setsa") {
        std::uint32_t mask = 0;
        const std::vector<SubjectCode>& codes = SubjectCodes(catalogue_.direction());
        // codes of a user lexicon's own areas have no dictionary senses: ignored
        for (std::string_view code : SplitWords(value))
            for (std::size_t i = 0; i < codes.size(); ++i)
                if (code == codes[i].code) mask |= 1u << i;
        options_.subjects = mask;
        return kOptionSet;
    }
    if (name == "timelimit") {
        if (value.empty() || value.size() > 9) return kOptionRefused;
        std::uint32_t ms = 0;
        for (char c : value) {
            if (c < '0' || c > '9') return kOptionRefused;
            ms = ms * 10 + static_cast<std::uint32_t>(c - '0');
        }
        if (ms == 0) return kOptionRefused;
        options_.timeLimitMs = ms;
        return kOptionSet;
    }
    bool* flag = nullptr;
    if (name == "rap") flag = &options_.rap;
    else if (name == "rapinit") flag = &options_.rapInit;
    else if (name == "sssz") flag = &options_.sssz;
    else if (name == "ssszeg") flag = &options_.ssszeg;
    else if (name == "impersonal") flag = &options_.impersonal;
    else if (name == "letter") flag = &options_.letter;
    else if (name == "honorific") flag = &options_.honorific;
    if (!flag) return kOptionRefused;
    return ParseFlag(value, *flag) ? kOptionSet : kOptionRefused;
}

bool EngineSession::UseLexicon(const LexiconContent& content) {
    const char* wanted = catalogue_.direction() == Direction::GermanToEnglish ? "GtoE" : "EtoG";
    if (content.direction != wanted) return false;
    user_.clear();
    for (const LexiconEntry& entry : content.entries) {
        UserEntry e;
        e.translation = entry.translation;
        e.wordClass = WordClassFromName(entry.partOfSpeech);
        user_[Lower1252(entry.source)] = e;
    }
    return true;
}

int EngineSession::Translate(std::string_view oemSentence, int* translationAtom, int* errorType,
                             int* unknownAtom) {
    lastNoTranslation_ = false;
    translation_.clear();
    unknown_ = "0";
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(options_.timeLimitMs);
    Translation t = TranslateSentenceText(catalogue_, options_, user_, OemTo1252(oemSentence), deadline);
    options_.rapInit = false;
    if (t.status == Translation::kTimedOut) return -2;
    if (t.status == Translation::kNothing) {
        lastNoTranslation_ = true;
        return -1;
    }
    translation_ = Cp1252ToOem(t.text);
    std::string unknown;
    for (const std::string& word : t.unknown) {
        if (!unknown.empty()) unknown += ' ';
        unknown += word;
    }
    if (!unknown.empty()) unknown_ = Cp1252ToOem(unknown);
    if (translationAtom) *translationAtom = kTranslationAtom;
    if (unknownAtom) *unknownAtom = kUnknownAtom;
    if (errorType) *errorType = t.fallback ? 2 : 0;
    return 0;
}

const char* EngineSession::StringFromAtom(int atom) const {
    if (atom == kTranslationAtom) return translation_.c_str();
    if (atom == kUnknownAtom) return unknown_.c_str();
    return "";
}

void EngineSession::ClearLimits() { lastNoTranslation_ = false; }

int EngineSession::AbbreviationAnswer(std::string_view word, int* notAbbreviation) const {
    if (notAbbreviation) *notAbbreviation = IsAbbreviationWord(catalogue_, word) ? 0 : 1;
    return 0;
}

}  // namespace velloc
