#include "core/file_loop.h"

#include <cstring>

#include "core/plain_text.h"
#include "core/scanner.h"

namespace {

// Fills the buffer behind length from the source and checks what came: the caller
// looked at the whole file before, but it may have changed since. A read of
// nothing marks the end of the source.
FileLoopEnd ReadMore(const FileLoopCalls& calls, char* buffer, int& length, bool startOfFile,
                     bool& atEnd) {
    int got = 0;
    if (!calls.read(calls.source, buffer + length, kFileBufferSize - length, &got))
        return FileLoopEnd::ReadFailed;
    if (!IsPlainTextChunk(buffer + length, static_cast<std::size_t>(got), startOfFile))
        return FileLoopEnd::NotText;
    length += got;
    atEnd = got == 0;
    return FileLoopEnd::Done;
}

}  // namespace

// A rest of one or two characters at the end of the file goes through like any
// other piece, so the target holds everything.
FileLoopEnd RunFileLoop(const FileLoopCalls& calls) {
    char buffer[kFileBufferSize + 1];
    int length = 0;
    bool atEnd = false;
    FileLoopEnd read = ReadMore(calls, buffer, length, true, atEnd);
    while (read == FileLoopEnd::Done && length > 0) {
        buffer[length] = '\0';
        int end = FindSentenceEnd(buffer, length, 0);
        // A sentence that runs to the end of what was read may go on in the source
        // (a read may stop anywhere): read on, unless the buffer is full.
        if (end >= length && !atEnd && length < kFileBufferSize) {
            read = ReadMore(calls, buffer, length, false, atEnd);
            continue;
        }
        int cut = end < length ? end : length;
        char kept = buffer[cut];
        buffer[cut] = '\0';
        if (calls.translate(buffer) <= 0) return FileLoopEnd::Stopped;
        int cancel = calls.step();
        if (calls.targetFailed()) return FileLoopEnd::Stopped;
        if (cancel != 0) return FileLoopEnd::Cancelled;
        buffer[cut] = kept;
        std::memmove(buffer, buffer + cut, static_cast<std::size_t>(length - cut));
        length -= cut;
        if (!atEnd) read = ReadMore(calls, buffer, length, false, atEnd);
    }
    return read;
}
