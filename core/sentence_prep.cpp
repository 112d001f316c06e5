#include "core/sentence_prep.h"

#include <string.h>

#include "core/scanner.h"

bool IsTranslatableChar(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    if (c >= 0xC0) return true;
    switch (c) {
    case 0x8A: case 0x8C: case 0x9A: case 0x9C: case 0x9F: case '\'': case ')': return true;
    default: return false;
    }
}

PreparedPiece PrepareSentence(char* piece) {
    PreparedPiece result;
    int length = static_cast<int>(strlen(piece));
    int first = 0;
    while (first < length && !IsTranslatableChar(static_cast<unsigned char>(piece[first]))) ++first;
    if (first == length) return result;

    result.hasSentence = true;
    result.prefixLength = first;

    int last = length - 1;
    while (last > first && IsScannerWhiteSpace(static_cast<unsigned char>(piece[last]))) --last;
    if (last > first && (piece[last] == ',' || piece[last] == ';' || piece[last] == ':')) --last;
    result.tail.assign(piece + last + 1, piece + length);
    piece[last + 1] = '\0';

    for (int i = first; i <= last; ++i) {
        if (IsScannerWhiteSpace(static_cast<unsigned char>(piece[i]))) piece[i] = ' ';
    }
    result.sentenceLength = last + 1 - first;
    return result;
}

void DropAddedPeriod(char* translation, unsigned char sourceLast) {
    size_t length = strlen(translation);
    if (length > 0 && IsTranslatableChar(sourceLast) && translation[length - 1] == '.')
        translation[length - 1] = '\0';
}
