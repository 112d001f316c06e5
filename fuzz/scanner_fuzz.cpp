// The sentence scanner on any text. The first byte chooses the options, the rest
// is the text:
//   bit 0     NewLine (a line break ends a sentence)
//   bits 1-3  how the engine answers the abbreviation question: not bound, never,
//             always, by the word, or with each of its three failures, or mixed
// The text lies in a heap block of exactly its length (no NUL after it), so a read
// past its end is a memory error.
//
// Properties: a scan from any start gives start < end <= length + 1, and length + 1
// exactly when it set the end-of-text flag; an end found by a scan is an end for
// IsSentenceEnd asked alone (what a scan remembers between its tests changes no
// verdict); a sentence start lies in [0, position + 1]; every word handed to the
// abbreviation question has fewer than 512 characters.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/engine_options.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "fuzz/echo_engine.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/program_stand_ins.h"

namespace {

bool IsQuoteChar(unsigned char c) {
    for (unsigned char q : {0x22, 0x94, 0x93, 0x92, 0x91, 0x84, 0x82, 0xAB, 0xBB, 0x27})
        if (c == q) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    ResetProgram();
    g_translation.newLine = data[0] & 1;
    BindEchoEngine((data[0] >> 1) & 7);

    const int length = static_cast<int>(size - 1);
    std::vector<char> block(data + 1, data + size);  // exactly the text, no NUL after it
    const char* text = length ? block.data() : "";

    // A window run: sentence after sentence from the start to the end. Each scan
    // may look back as far as the text's first word (the program's run copies the
    // whole text for each sentence, too): a long text gets its first sentences and
    // its last, so that one input stays linear in its length.
    const bool isLong = length > 4096;
    std::vector<int> ends;
    int sentences = 0;
    for (int start = 0; start <= length; ++sentences) {
        if (sentences == 8 && isLong) start = std::max(start, length - 16);
        g_run.endOfText = false;
        const int end = FindSentenceEnd(text, length, start);
        FUZZ_REQUIRE(start < end && end <= length + 1, "start %d gave end %d (length %d)", start, end,
                     length);
        FUZZ_REQUIRE((end == length + 1) == g_run.endOfText,
                     "end %d of length %d with the end-of-text flag %s", end, length,
                     g_run.endOfText ? "set" : "clear");
        if (end <= length) ends.push_back(end);
        start = end;
    }

    // Each end the run found, asked alone.
    for (int end : ends) {
        const int n = IsQuoteChar(static_cast<unsigned char>(text[end - 1])) ? end - 1 : end;
        FUZZ_REQUIRE(IsSentenceEnd(text, length, n) == 0,
                     "the scan ended a sentence at %d, IsSentenceEnd alone says it does not", n);
    }

    // Scans, starts and tests from positions the input chooses.
    Choices choices(data, size);
    for (int i = 0; i < (isLong ? 4 : 16); ++i) {
        const int position = static_cast<int>(choices.Below(static_cast<std::uint32_t>(length) + 1));
        g_run.endOfText = false;
        const int end = FindSentenceEnd(text, length, position);
        FUZZ_REQUIRE(position < end && end <= length + 1, "start %d gave end %d (length %d)",
                     position, end, length);
        FUZZ_REQUIRE((end == length + 1) == g_run.endOfText, "end %d of length %d, flag %d", end,
                     length, g_run.endOfText);
        const int begin = FindSentenceStart(text, length, position);
        FUZZ_REQUIRE(begin >= 0 && begin <= position + 1, "position %d gave start %d", position, begin);
        IsSentenceEnd(text, length, position);
    }
    IsSentenceEnd(text, length, 0);

    // The forms for NUL-terminated text, on the text up to its first NUL.
    const std::string terminated(text, strnlen(text, static_cast<std::size_t>(length)));
    std::vector<char> cstring(terminated.begin(), terminated.end());
    cstring.push_back('\0');
    const int cLength = static_cast<int>(terminated.size());
    for (int i = 0; i < 4; ++i) {
        const int position = static_cast<int>(choices.Below(static_cast<std::uint32_t>(cLength) + 1));
        const int begin = FindSentenceStart(cstring.data(), position);
        FUZZ_REQUIRE(begin >= 0 && begin <= position + 1, "position %d gave start %d", position, begin);
        IsSentenceEnd(cstring.data(), position);
    }
    return 0;
}
