#pragma once
#include <string>

// Sentence preparation before the engine sees a piece of text: pure text logic.

// 'a'-'z', 'A'-'Z', '0'-'9', 0xC0-0xFF, Š Œ š œ Ÿ, apostrophe and ')'.
bool IsTranslatableChar(unsigned char c);

struct PreparedPiece {
    bool hasSentence = false;  // false: nothing translatable, copy the piece as it is
    int prefixLength = 0;      // characters before the first translatable one
    int sentenceLength = 0;
    std::string tail;          // trailing white space, with one ',', ';' or ':' before it
};

// Cuts piece (NUL-terminated, changed in place) into prefix, sentence and tail.
// Afterwards the sentence starts at piece + prefixLength and is NUL-terminated;
// its white-space characters are replaced by blanks (runs are kept).
PreparedPiece PrepareSentence(char* piece);

// Drops the final period of a translation when the source sentence had no closing
// punctuation (its last character is translatable).
void DropAddedPeriod(char* translation, unsigned char sourceLast);
