#pragma once
// Whether bytes can be the text of a window or of a file translation. The program
// works in single-byte text ended by NUL, so a NUL byte inside would silently cut
// the text; a file that starts with a UTF-16 byte-order mark is not such text.
#include <cstddef>

bool IsPlainTextChunk(const char* bytes, std::size_t length, bool startOfFile);
