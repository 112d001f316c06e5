// A file translation over a source in memory: the file loop with the program's own
// sentence translation and an engine that answers each sentence with itself.
// Three bytes choose what happens, the rest is the file:
//   byte 0  bit 0 NewLine, bit 1 "rap", bits 2-4 the abbreviation answers (see
//           echo_engine.h), bit 5 the engine raises at sentence k, bit 6 the target
//           takes only 8k bytes, bit 7 the progress step reports a cancel at step k
//   byte 1  0: every read fills what it is offered; otherwise reads hand out odd
//           sizes from 0 bytes up, drawn from this seed; bit 7 also makes the read
//           after 16k bytes fail
//   byte 2  k
//
// Properties: the pieces the loop cuts are the source in order, and the target is
// what sentence preparation promises for each of them, up to where the run ended:
// a piece with nothing translatable as it is; otherwise what comes before its first
// translatable character and its tail (the white space at its end, with one ',',
// ';' or ':' before it) as they are, and in the sentence between them every
// white-space character a blank, runs kept. Done means all of the source went
// through that way; every other end has its cause: Cancelled a cancel, ReadFailed
// a failed read, NotText a NUL or a UTF-16 mark in what was read, Stopped a message
// or notice from the sentence that failed or the target.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/engine_options.h"
#include "core/file_loop.h"
#include "core/message_log.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "core/sentence_prep.h"
#include "core/sentence_translation.h"
#include "fuzz/echo_engine.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/program_stand_ins.h"

namespace {

struct MemorySource {
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    std::size_t given = 0;
    std::size_t failAt = static_cast<std::size_t>(-1);
    bool failed = false;
    bool oddSizes = false;
    Choices* sizes = nullptr;
};

bool ReadMemory(void* source, char* into, int capacity, int* got) {
    MemorySource& s = *static_cast<MemorySource*>(source);
    if (s.given >= s.failAt) {
        s.failed = true;
        return false;
    }
    std::size_t count = std::min(static_cast<std::size_t>(capacity), s.size - s.given);
    // A short read is allowed anywhere; 0 bytes only at the end.
    if (s.oddSizes && count > 1) count = 1 + s.sizes->Below(static_cast<std::uint32_t>(count));
    std::copy(s.bytes + s.given, s.bytes + s.given + count, into);
    s.given += count;
    *got = static_cast<int>(count);
    return true;
}

std::string g_pieces;    // every piece the loop handed over, in order
std::string g_expected;  // what the target should hold for them

bool IsWhiteSpace(unsigned char c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

std::string Prepared(const std::string& piece) {
    std::size_t first = 0;
    while (first < piece.size() && !IsTranslatableChar(static_cast<unsigned char>(piece[first]))) ++first;
    if (first == piece.size()) return piece;
    std::size_t last = piece.size() - 1;
    while (last > first && IsWhiteSpace(static_cast<unsigned char>(piece[last]))) --last;
    if (last > first && (piece[last] == ',' || piece[last] == ';' || piece[last] == ':')) --last;
    std::string out = piece;
    for (std::size_t i = first; i <= last; ++i)
        if (IsWhiteSpace(static_cast<unsigned char>(out[i]))) out[i] = ' ';
    return out;
}

int g_sentences = 0;
int g_raiseAt = -1;
int g_cancelAt = -1;
bool g_cancelled = false;
int g_steps = 0;

// The program's sentence translation; one that fails has said why.
int TranslateCounted(char* piece) {
    const std::size_t messages = g_program.messages.size();
    const int notices = g_program.notices;
    g_pieces += piece;
    g_expected += Prepared(piece);
    if (g_sentences++ == g_raiseAt) g_program.engineRaises = true;
    const int result = TranslateSentence(piece);
    g_program.engineRaises = false;
    FUZZ_REQUIRE(result > 0 || g_program.messages.size() > messages || g_program.notices > notices,
                 "a piece failed (%d) without a message or notice", result);
    return result;
}

int Step() {
    if (g_steps++ == g_cancelAt) {
        g_cancelled = true;
        return 1;
    }
    return 0;
}

bool TargetFailed() { return g_outputTarget.failed; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    ResetProgram();
    const std::uint8_t flags = data[0], reads = data[1], k = data[2];
    g_translation.newLine = flags & 1;
    g_translation.rap = (flags >> 1) & 1;
    BindEchoEngine((flags >> 2) & 7);
    g_sentences = g_steps = 0;
    g_pieces.clear();
    g_expected.clear();
    g_cancelled = false;
    g_raiseAt = (flags & 0x20) ? k : -1;
    g_cancelAt = (flags & 0x80) ? k : -1;
    if (flags & 0x40) g_program.targetCapacity = 8u * k;

    Choices sizes(data, 3);
    MemorySource source;
    source.bytes = data + 3;
    source.size = size - 3;
    source.oddSizes = reads != 0;
    source.sizes = &sizes;
    if (reads & 0x80) source.failAt = 16u * k;
    const std::string input(reinterpret_cast<const char*>(source.bytes), source.size);

    g_outputTarget.toFile = true;
    g_run.fileRunActive = true;
    const FileLoopEnd end = RunFileLoop(FileLoopCalls{ReadMemory, &source, TranslateCounted, Step, TargetFailed});
    g_run.fileRunActive = false;
    g_outputTarget.toFile = false;

    const std::string& output = g_program.output;
    FUZZ_REQUIRE(input.compare(0, g_pieces.size(), g_pieces) == 0,
                 "the %zu bytes of the pieces are not the source's first bytes", g_pieces.size());
    FUZZ_REQUIRE(output.size() <= g_expected.size(), "the target (%zu bytes) is longer than its pieces (%zu)",
                 output.size(), g_expected.size());
    for (std::size_t i = 0; i < output.size(); ++i) {
        FUZZ_REQUIRE(output[i] == g_expected[i], "byte %zu of the target is 0x%02X, should be 0x%02X (source 0x%02X)",
                     i, static_cast<unsigned char>(output[i]), static_cast<unsigned char>(g_expected[i]),
                     static_cast<unsigned char>(input[i]));
    }

    switch (end) {
    case FileLoopEnd::Done:
        FUZZ_REQUIRE(g_pieces == input, "Done, but the pieces hold %zu of the source's %zu bytes (read %zu)",
                     g_pieces.size(), input.size(), source.given);
        FUZZ_REQUIRE(output == g_expected, "Done, but the target holds %zu of the %zu bytes expected",
                     output.size(), g_expected.size());
        break;
    case FileLoopEnd::Cancelled:
        FUZZ_REQUIRE(g_cancelled, "Cancelled without a cancel");
        break;
    case FileLoopEnd::ReadFailed:
        FUZZ_REQUIRE(source.failed, "ReadFailed, but no read failed");
        break;
    case FileLoopEnd::NotText: {
        const std::string read = input.substr(0, source.given);
        const bool utf16 = read.size() >= 2 && ((read[0] == '\xFF' && read[1] == '\xFE') ||
                                                (read[0] == '\xFE' && read[1] == '\xFF'));
        FUZZ_REQUIRE(utf16 || read.find('\0') != std::string::npos,
                     "NotText, but the %zu bytes read hold no NUL and no UTF-16 mark", read.size());
        FUZZ_REQUIRE(output.find('\0') == std::string::npos, "a NUL reached the target");
        break;
    }
    case FileLoopEnd::Stopped:
        FUZZ_REQUIRE(!g_program.messages.empty() || g_program.notices > 0,
                     "Stopped without a message or notice");
        break;
    }
    return 0;
}
