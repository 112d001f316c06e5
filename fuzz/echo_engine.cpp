#include "fuzz/echo_engine.h"

#include <cstdint>
#include <cstring>

#include "core/engine_binding.h"
#include "core/sentence_prep.h"
#include "core/sentence_translation.h"
#include "fuzz/fuzz_check.h"

namespace {

int g_mode = 0;
std::string g_translation;
std::vector<std::string> g_sentences;

std::uint32_t WordHash(const char* word) {
    std::uint32_t h = 2166136261u;
    for (const char* p = word; *p; ++p) h = (h ^ static_cast<unsigned char>(*p)) * 16777619u;
    return h;
}

// 0 with *flag 0 for an abbreviation, 0 with 1 for a plain word, or a failure.
int WINAPI AnswerAbbreviation(const char* word, int* flag) {
    const std::size_t length = std::strlen(word);
    FUZZ_REQUIRE(length < 512, "a word of %zu characters reached the abbreviation question", length);
    FUZZ_REQUIRE(length > 0 && word[length - 1] == '.', "the word \"%s\" lacks its period", word);
    const std::uint32_t h = WordHash(word);
    switch (g_mode) {
    case 1: *flag = 1; return 0;
    case 2: *flag = 0; return 0;
    case 3: *flag = h & 1; return 0;
    case 4: return -1;
    case 5: return -2;
    case 6: return 7;
    default: {
        static const int kResults[] = {0, 0, 0, 0, -1, -2, 3};
        *flag = (h >> 3) & 1;
        return kResults[h % 7];
    }
    }
}

// What the program promises the engine: a sentence shorter than its limit, which
// starts with a translatable character and holds no line control.
int WINAPI EchoSentence(HWND, const char* sentence, int* translationAtom, int* errorType,
                        int* unknownAtom) {
    const std::size_t length = std::strlen(sentence);
    FUZZ_REQUIRE(length > 0 && length < static_cast<std::size_t>(kSentenceLimit),
                 "a sentence of %zu characters was sent", length);
    FUZZ_REQUIRE(IsTranslatableChar(static_cast<unsigned char>(sentence[0])),
                 "a sentence starting with 0x%02X was sent", static_cast<unsigned char>(sentence[0]));
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(sentence[i]);
        FUZZ_REQUIRE(c < 0x09 || c > 0x0D, "a sentence with the control 0x%02X at %zu was sent", c, i);
    }
    g_sentences.emplace_back(sentence);
    g_translation = sentence;
    *translationAtom = 1;
    *errorType = 0;
    *unknownAtom = 2;
    return 0;
}

const char* WINAPI TextOfAtom(int atom) { return atom == 1 ? g_translation.c_str() : "0"; }
int WINAPI NoTimeout() { return 0; }
int WINAPI ClearLimits() { return 0; }
int WINAPI TakeOption(const char*, const char*, int* result) {
    *result = 0;
    return 0;
}

}  // namespace

void BindEchoEngine(int abbreviationMode) {
    g_mode = abbreviationMode;
    g_sentences.clear();
    g_translation.clear();
    g_engine = EngineEntryPoints{};
    if (abbreviationMode != 0) g_engine.QP_query_getabbrev = AnswerAbbreviation;
    g_engine.QP_query_tsent = EchoSentence;
    g_engine.QP_StringFromAtom = TextOfAtom;
    g_engine.QP_query_qtimeout = NoTimeout;
    g_engine.QP_query_clearlmt = ClearLimits;
    g_engine.QP_query_setqdoption = TakeOption;
}

const std::vector<std::string>& EchoedSentences() { return g_sentences; }
