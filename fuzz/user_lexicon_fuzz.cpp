// The user-lexicon file parser on any bytes.
//
// Properties: a refused file leaves the output empty, whatever it held before; a
// file that parses serialises, and what that gives parses into the same content
// and is written again byte for byte; no cut of a sound file (any proper prefix)
// is taken, and a refused one leaves the output empty too.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "lexicon/user_lexicon_file.h"

namespace {

bool SameContent(const LexiconContent& a, const LexiconContent& b) {
    if (a.direction != b.direction || a.areas.size() != b.areas.size() ||
        a.entries.size() != b.entries.size())
        return false;
    for (std::size_t i = 0; i < a.areas.size(); ++i)
        if (a.areas[i].code != b.areas[i].code || a.areas[i].name != b.areas[i].name) return false;
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const LexiconEntry& x = a.entries[i];
        const LexiconEntry& y = b.entries[i];
        if (x.source != y.source || x.translation != y.translation ||
            x.partOfSpeech != y.partOfSpeech || x.area != y.area)
            return false;
    }
    return true;
}

bool IsEmpty(const LexiconContent& c) {
    return c.direction.empty() && c.areas.empty() && c.entries.empty();
}

// Something for a refused parse to throw away.
LexiconContent Leftover() {
    LexiconContent c;
    c.direction = "GtoE";
    c.areas.push_back({"X", "left over"});
    c.entries.push_back({"alt", "old", "adj", "X"});
    return c;
}

void RequireCutRefused(const std::string& sound, std::size_t cut) {
    LexiconContent content = Leftover();
    const LexiconStatus status = ParseUserLexicon(sound.substr(0, cut), content);
    FUZZ_REQUIRE(status != LexiconStatus::Ok, "the first %zu of %zu bytes of a sound file parse",
                 cut, sound.size());
    FUZZ_REQUIRE(IsEmpty(content), "a refused cut left content behind");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LexiconContent content = Leftover();
    const LexiconStatus status = ParseUserLexicon(bytes, content);
    if (status != LexiconStatus::Ok) {
        FUZZ_REQUIRE(IsEmpty(content), "status %d left content behind", static_cast<int>(status));
        return 0;
    }

    std::string written;
    FUZZ_REQUIRE(SerializeUserLexicon(content, written) == LexiconStatus::Ok,
                 "a parsed lexicon cannot be written");
    LexiconContent again;
    FUZZ_REQUIRE(ParseUserLexicon(written, again) == LexiconStatus::Ok, "what was written does not parse");
    FUZZ_REQUIRE(SameContent(content, again), "the content changed on its way through the file");
    std::string rewritten;
    SerializeUserLexicon(again, rewritten);
    FUZZ_REQUIRE(rewritten == written, "writing the same content twice gave different files");

    // Cuts of both sound files: all of them while small, else the last bytes (where
    // a cut can leave the end line looking whole) and some the input chooses.
    Choices choices(data, size);
    const std::string* const soundFiles[] = {&bytes, &written};
    for (const std::string* sound : soundFiles) {
        const std::size_t n = sound->size();
        for (std::size_t cut = n > 512 ? n - 64 : 0; cut < n; ++cut) RequireCutRefused(*sound, cut);
        if (n > 512)
            for (int i = 0; i < 16; ++i) RequireCutRefused(*sound, choices.Below(static_cast<std::uint32_t>(n - 64)));
    }
    return 0;
}
