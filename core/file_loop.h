#pragma once
// The loop of a file translation, apart from files and windows: it cuts what the
// source gives into sentences, hands each to the sentence translation and lets the
// progress dialog run between them. TranslateFile feeds it from the source file;
// tests and the fuzzer feed it from memory.

// How much of the source the file loop holds at a time.
constexpr int kFileBufferSize = 2048;

struct FileLoopCalls {
    // Puts up to capacity further bytes of the source at into and says how many
    // (0 at the end); false on a read error.
    bool (*read)(void* source, char* into, int capacity, int* got);
    void* source;
    // The sentence translation of one NUL-terminated piece; 0 or less stops the run.
    int (*translate)(char* piece);
    // Between sentences: the progress step; any result but 0 (a cancel) stops the run.
    int (*step)();
    // Whether writing the target has failed (the writer has said so).
    bool (*targetFailed)();
};

enum class FileLoopEnd {
    Done,        // the source was worked through
    Cancelled,   // the user stopped it
    ReadFailed,
    NotText,     // the source holds a NUL byte
    Stopped,     // a sentence or the target failed and has been reported
};

FileLoopEnd RunFileLoop(const FileLoopCalls& calls);
