#include "core/plain_text.h"

#include <cstring>

bool IsPlainTextChunk(const char* bytes, std::size_t length, bool startOfFile) {
    if (startOfFile && length >= 2) {
        const unsigned char first = static_cast<unsigned char>(bytes[0]);
        const unsigned char second = static_cast<unsigned char>(bytes[1]);
        if ((first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF)) return false;
    }
    return length == 0 || std::memchr(bytes, 0, length) == nullptr;
}
