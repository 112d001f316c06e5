// The engine through its session, both directions, on the fixture catalogue (with
// the trained tagger that QD_FUZZ_TAGGER names, where catalogues carry one) and,
// when QD_FUZZ_CATALOGUES names the build's folder, on the real catalogues.
//   byte 0  bit 0 English into German, bit 1 the real catalogue (when there is
//           one), bits 2-7 the options sssz, ssszeg, impersonal, letter,
//           honorific, rap
//   byte 1  bits 0-1 the time limit (100, 400, 1500 ms, or 1500 and then a value
//           the engine must refuse), bits 2-5 which subject areas "setsa" selects,
//           bit 6 the user lexicon is of the other direction, bit 7 the sentences
//           are built from a vocabulary (each byte one word) instead of taken as
//           they stand
//   then lines: "source<TAB>translation[<TAB>part of speech]" is a user-lexicon
//   entry, any other line a sentence (cut to 511 characters, as the program sends)
//
// Properties: no memory error; no sentence takes much longer than the time limit;
// a translation holds no ".." and no ",," unless the sentence or one of the user's
// translations did; the error type is one the program knows; a refused option
// leaves the options as they were.
#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/catalogue_builder.h"
#include "engine/engine_session.h"
#include "engine/text_1252.h"
#include "fuzz/fixture_catalogue.h"
#include "fuzz/fuzz_check.h"

using namespace velloc;

namespace {

// A session on catalogue bytes that live in a heap block of exactly their size.
struct OpenCatalogue {
    std::unique_ptr<unsigned char[]> bytes;
    EngineSession session;
};

OpenCatalogue* Open(const std::string& file) {
    auto* open = new OpenCatalogue;
    open->bytes.reset(new unsigned char[file.size()]);
    std::memcpy(open->bytes.get(), file.data(), file.size());
    std::string error;
    if (!open->session.Open(open->bytes.get(), file.size(), &error)) {
        std::fprintf(stderr, "fuzz: a catalogue of %zu bytes does not open: %s\n", file.size(), error.c_str());
        delete open;
        return nullptr;
    }
    return open;
}

OpenCatalogue* g_fixture[2];
OpenCatalogue* g_build[2];

const char* const kGermanWords[] = {
    "der", "die", "das", "den", "dem", "des", "ein", "eine", "einen", "kein", "Hund", "Hunde",
    "Katze", "Haus", "Häuser", "Kind", "Kinder", "Mann", "Buch", "Garten", "Sonne", "Zug",
    "Straße", "Strasse", "alt", "neue", "schöne", "schläft", "geht", "ging", "gegangen", "liest",
    "sieht", "kauft", "steht", "auf", "bellt", "spielen", "ist", "hat", "wird", "kann", "muss",
    "und", "oder", "aber", "denn", "weil", "dass", "daß", "wenn", "ob", "als", "nicht", "nach",
    "Hause", "zu", "im", "in", "mit", "für", "über", "am", "Montag", "Sie", "du", "er", "es",
    "ich", "wir", "ihr", "sie", "sich", "wer", "was", "warum", "z.", "B.", "usw.", "Dr.", ",",
    ".", "!", "?", ";", ":", "\"", "'", "(", ")", "-", "\x85", "\x84", "\x93", "1999", "3.",
};

const char* const kEnglishWords[] = {
    "the", "a", "an", "no", "dog", "dogs", "cat", "house", "houses", "child", "children", "man",
    "men", "book", "garden", "sun", "train", "street", "old", "new", "beautiful", "sleeps",
    "sleep", "slept", "go", "goes", "went", "gone", "reads", "sees", "buys", "bought", "stands",
    "gets", "up", "barks", "play", "is", "are", "was", "has", "have", "will", "can", "must", "do",
    "does", "not", "and", "or", "but", "because", "that", "if", "whether", "when", "while", "home",
    "to", "at", "in", "with", "for", "of", "about", "on", "Monday", "you", "he", "she", "it", "I",
    "we", "they", "him", "them", "who", "what", "why", "e.g.", "etc.", "Mr.", "U.S.", ",", ".",
    "!", "?", ";", ":", "\"", "'", "(", ")", "-", "\x85", "\x93", "\x94", "1999", "3rd",
};

std::string LongWord() { return std::string(511, 'a'); }

// Words chosen by the bytes, joined by blanks; punctuation keeps to its word.
std::string VocabularySentence(const std::string& bytes, bool english) {
    const char* const* words = english ? kEnglishWords : kGermanWords;
    const std::size_t count = english ? sizeof kEnglishWords / sizeof *kEnglishWords
                                      : sizeof kGermanWords / sizeof *kGermanWords;
    std::string sentence;
    for (unsigned char b : bytes) {
        std::string word = b == 0xFF ? LongWord() : words[b % count];
        const bool punctuation = word.size() == 1 && std::strchr(",.!?;:)", word[0]);
        if (!sentence.empty() && !punctuation) sentence += ' ';
        sentence += word;
    }
    return sentence;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

const char* OnOff(bool on) { return on ? "on" : "off"; }

void SetOptions(EngineSession& session, Direction direction, std::uint8_t flags, std::uint8_t more) {
    static const char* const kLimits[] = {"100", "400", "1500", "1500"};
    FUZZ_REQUIRE(session.SetOption("timelimit", kLimits[more & 3]) == kOptionSet, "timelimit refused");
    const EngineOptions before = session.options();
    if ((more & 3) == 3) {
        for (const char* bad : {"", "0", "12a", "9999999999", "-5"})
            FUZZ_REQUIRE(session.SetOption("timelimit", bad) == kOptionRefused, "timelimit '%s' taken", bad);
        FUZZ_REQUIRE(session.SetOption("sssz", "yes") == kOptionRefused, "sssz 'yes' taken");
        FUZZ_REQUIRE(session.SetOption("unknown", "on") == kOptionRefused, "an unknown option taken");
        FUZZ_REQUIRE(session.options().timeLimitMs == before.timeLimitMs && session.options().sssz == before.sssz,
                     "a refused option changed the options");
    }
    std::string areas;
    const std::vector<SubjectCode>& codes = SubjectCodes(direction);
    for (std::size_t i = 0; i < codes.size(); ++i)
        if ((more >> 2) & (1u << (i % 4))) areas += std::string(codes[i].code) + ' ';
    if (more & 0x3C) areas += "unknownarea ";
    session.SetOption("setsa", areas);
    session.SetOption("sssz", OnOff(flags & 0x04));
    session.SetOption("ssszeg", OnOff(flags & 0x08));
    session.SetOption("impersonal", OnOff(flags & 0x10));
    session.SetOption("letter", OnOff(flags & 0x20));
    session.SetOption("honorific", OnOff(flags & 0x40));
    session.SetOption("rap", OnOff(flags & 0x80));
    session.SetOption("rapinit", OnOff(flags & 0x80));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const Direction directions[2] = {Direction::GermanToEnglish, Direction::EnglishToGerman};
    for (int i = 0; i < 2; ++i) {
        g_fixture[i] = Open(FixtureCatalogue(directions[i], true));
        FUZZ_REQUIRE(g_fixture[i], "the fixture catalogue does not open");
        if (const std::string* real = BuildCatalogue(directions[i])) g_build[i] = Open(*real);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0], more = data[1];
    const int slot = flags & 1;
    const Direction direction = slot ? Direction::EnglishToGerman : Direction::GermanToEnglish;
    OpenCatalogue* open = (flags & 2) && g_build[slot] ? g_build[slot] : g_fixture[slot];
    EngineSession& session = open->session;
    SetOptions(session, direction, flags, more);

    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    LexiconContent lexicon;
    const bool ownDirection = !(more & 0x40);
    lexicon.direction = (direction == Direction::GermanToEnglish) == ownDirection ? "GtoE" : "EtoG";
    std::vector<std::string> sentences;
    for (const std::string& line : SplitLines(text)) {
        if (line.find('\t') != std::string::npos) {
            std::vector<std::string> f = SplitTabs(line);
            lexicon.entries.push_back({f[0], f[1], f.size() > 2 ? f[2] : "", f.size() > 3 ? f[3] : ""});
        } else if (sentences.size() < 8) {
            std::string sentence = (more & 0x80) ? VocabularySentence(line, slot) : line;
            sentence = sentence.substr(0, std::min<std::size_t>(511, sentence.find('\0')));
            sentences.push_back(sentence);
        }
    }
    session.DropLexicon();
    FUZZ_REQUIRE(session.UseLexicon(lexicon) == ownDirection, "a user lexicon of the %s direction was %s",
                 ownDirection ? "own" : "other", ownDirection ? "refused" : "taken");

    // The user's own translations are written as they stand.
    std::string userTranslations;
    for (const LexiconEntry& entry : lexicon.entries) userTranslations += OemTo1252(Cp1252ToOem(entry.translation)) + '\n';

    const std::uint32_t limit = session.options().timeLimitMs;
    for (const std::string& sentence : sentences) {
        const std::string oem = Cp1252ToOem(sentence);
        const std::string seen = OemTo1252(oem);  // the sentence as the engine reads it
        int atom = 0, errorType = -1, unknownAtom = 0;
        const auto start = std::chrono::steady_clock::now();
        const int result = session.Translate(oem, &atom, &errorType, &unknownAtom);
        const long long took = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - start).count();
        FUZZ_REQUIRE(took <= 2 * static_cast<long long>(limit) + 2000,
                     "\"%s\" took %lld ms on a limit of %u ms", sentence.c_str(), took, limit);
        FUZZ_REQUIRE(result == 0 || result == -1 || result == -2, "Translate gave %d", result);
        if (result != 0) continue;
        FUZZ_REQUIRE(errorType >= 0 && errorType <= 4, "error type %d", errorType);
        const std::string translation = OemTo1252(session.StringFromAtom(atom));
        session.StringFromAtom(unknownAtom);
        for (const char* doubled : {"..", ",,"}) {
            FUZZ_REQUIRE(seen.find(doubled) != std::string::npos || userTranslations.find(doubled) != std::string::npos ||
                             translation.find(doubled) == std::string::npos,
                         "\"%s\" -> \"%s\" holds \"%s\"", sentence.c_str(), translation.c_str(), doubled);
        }
        session.ClearLimits();
    }
    return 0;
}
