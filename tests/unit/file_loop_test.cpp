// The file loop on sources in memory: every byte of the source reaches the target
// once and in order, and each way the loop can stop says which it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine_options.h"
#include "core/file_loop.h"
#include "core/run_state.h"

namespace {

// A source that hands out its bytes in pieces of at most step, and may fail or
// change (a NUL) once a number of bytes has gone out.
struct MemorySource {
    std::string bytes;
    int step = 700;
    size_t failAt = std::string::npos;
    size_t given = 0;
};

bool ReadMemory(void* source, char* into, int capacity, int* got) {
    MemorySource& s = *static_cast<MemorySource*>(source);
    if (s.given >= s.failAt) return false;
    size_t count = std::min<size_t>({static_cast<size_t>(capacity), static_cast<size_t>(s.step),
                                     s.bytes.size() - s.given});
    s.bytes.copy(into, count, s.given);
    s.given += count;
    *got = static_cast<int>(count);
    return true;
}

std::vector<std::string> g_pieces;
int g_translateResult = 1;
int g_cancelAfter = -1;  // pieces before the progress step reports a cancel

int Translate(char* piece) {
    g_pieces.push_back(piece);
    return g_translateResult;
}
int Step() { return g_cancelAfter >= 0 && static_cast<int>(g_pieces.size()) >= g_cancelAfter ? 1 : 0; }
bool NoTargetFailure() { return false; }

FileLoopEnd RunLoop(MemorySource& source) {
    g_pieces.clear();
    return RunFileLoop(FileLoopCalls{ReadMemory, &source, Translate, Step, NoTargetFailure});
}

std::string Joined() {
    std::string all;
    for (const std::string& piece : g_pieces) all += piece;
    return all;
}

class FileLoop : public ::testing::Test {
protected:
    void SetUp() override {
        g_run = RunState{};
        g_translation.newLine = 1;
        g_translateResult = 1;
        g_cancelAfter = -1;
    }
};

TEST_F(FileLoop, EveryByteReachesTheTranslationOnceAndInOrder) {
    // Many sentences across several buffer fills, a sentence cut by a fill, and a
    // short rest at the end, which is translated too rather than lost.
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Satz Nummer " + std::to_string(i) + " ist hier.\r\n";
    for (const std::string& tail : {std::string("ab"), std::string("x"), std::string("Ohne Ende")}) {
        MemorySource source{text + tail};
        EXPECT_EQ(RunLoop(source), FileLoopEnd::Done);
        EXPECT_EQ(Joined(), text + tail);
        EXPECT_EQ(g_pieces.back(), "\r\n" + tail);  // the line end goes with the next piece
    }
    MemorySource twoLetters{"ab"};
    EXPECT_EQ(RunLoop(twoLetters), FileLoopEnd::Done);
    EXPECT_EQ(g_pieces, std::vector<std::string>{"ab"});
    MemorySource empty{""};
    EXPECT_EQ(RunLoop(empty), FileLoopEnd::Done);
    EXPECT_TRUE(g_pieces.empty());
}

TEST_F(FileLoop, ASentenceRunningPastWhatWasReadIsNotTheEndOfTheFile) {
    // Reads that stop inside a sentence, and a line longer than the buffer with no
    // sentence end in it: what follows is still translated.
    const std::string sentences = "Ein Satz, der weiter geht als ein Lesen reicht. Noch einer";
    for (int step : {1, 5, 13}) {
        MemorySource source{sentences, step};
        EXPECT_EQ(RunLoop(source), FileLoopEnd::Done) << step;
        EXPECT_EQ(Joined(), sentences) << step;
    }
    const std::string longLine = std::string(kFileBufferSize + 900, '-') + "\r\nDanach kommt Text.";
    MemorySource source{longLine, kFileBufferSize};
    EXPECT_EQ(RunLoop(source), FileLoopEnd::Done);
    EXPECT_EQ(Joined(), longLine);
}

TEST_F(FileLoop, ANulOrAUtf16MarkStopsBeforeAnyOfItIsTranslated) {
    std::string text(5000, 'a');
    for (size_t i = 100; i < text.size(); i += 101) text[i] = '.', text[i + 1] = ' ';
    std::string withNul = text;
    withNul[3000] = '\0';
    MemorySource source{withNul};
    EXPECT_EQ(RunLoop(source), FileLoopEnd::NotText);
    EXPECT_EQ(Joined().find('\0'), std::string::npos);
    EXPECT_LT(Joined().size(), 3000u);

    MemorySource utf16{std::string("\xFF\xFEH\0a\0l\0", 8)};
    EXPECT_EQ(RunLoop(utf16), FileLoopEnd::NotText);
    EXPECT_TRUE(g_pieces.empty());
}

TEST_F(FileLoop, ReadFailureCancelAndAFailedSentenceEachSayWhichItWas) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "Ein Satz. ";
    MemorySource failing{text};
    failing.failAt = 2100;
    EXPECT_EQ(RunLoop(failing), FileLoopEnd::ReadFailed);

    MemorySource cancelled{text};
    g_cancelAfter = 3;
    EXPECT_EQ(RunLoop(cancelled), FileLoopEnd::Cancelled);
    EXPECT_EQ(g_pieces.size(), 3u);

    g_cancelAfter = -1;
    g_translateResult = 0;
    MemorySource stopped{text};
    EXPECT_EQ(RunLoop(stopped), FileLoopEnd::Stopped);
    EXPECT_EQ(g_pieces.size(), 1u);
}

}  // namespace
