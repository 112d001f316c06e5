#pragma once
// The engine's state between calls: the open catalogue, the options the program
// set, the user lexicon, and the texts handed out by atom. No window or file
// calls here; Velloc.dll feeds it.
#include <string>
#include <string_view>

#include "engine/translator.h"
#include "lexicon/user_lexicon_file.h"

namespace velloc {

enum OptionResult { kOptionSet = 0, kOptionRefused = -1 };

class EngineSession {
public:
    // The catalogue bytes must outlive the session's use of them.
    bool Open(const void* bytes, std::size_t size, std::string* error);
    // Forgets the catalogue, before its bytes go away.
    void Close() { catalogue_ = Catalogue{}; }
    bool IsOpen() const { return catalogue_.IsOpen(); }
    const Catalogue& catalogue() const { return catalogue_; }
    const EngineOptions& options() const { return options_; }

    int SetOption(std::string_view name, std::string_view value);
    // Takes the entries of a user lexicon of the catalogue's direction; a lexicon
    // of the other direction is ignored. Returns whether it was taken.
    bool UseLexicon(const LexiconContent& content);
    void DropLexicon() { user_.clear(); }

    // QP_query_tsent's work on a sentence in code page 850: 0, -1 or -2.
    int Translate(std::string_view oemSentence, int* translationAtom, int* errorType, int* unknownAtom);
    bool LastWasNoTranslation() const { return lastNoTranslation_; }
    // The OEM text behind an atom; "" for an unknown atom.
    const char* StringFromAtom(int atom) const;
    void ClearLimits();
    // 0 with *notAbbreviation 0 for an abbreviation, 1 otherwise.
    int AbbreviationAnswer(std::string_view word, int* notAbbreviation) const;

    static constexpr int kTranslationAtom = 1;
    static constexpr int kUnknownAtom = 2;

private:
    Catalogue catalogue_;
    EngineOptions options_;
    UserLexicon user_;
    std::string translation_ = "";
    std::string unknown_ = "0";
    bool lastNoTranslation_ = false;
};

}  // namespace velloc
