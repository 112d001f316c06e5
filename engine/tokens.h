#pragma once
// Cutting a sentence into words, numbers and punctuation.
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"

namespace velloc {

enum class TokenKind { Word, Number, Punctuation };

struct Token {
    std::string text;
    TokenKind kind = TokenKind::Word;
    bool spaceBefore = false;
    bool capital = false;  // first letter upper case
};

// Keeps a period with a word when the catalogue knows the word as an abbreviation
// (or it is a single capital or an ordinal number); keeps inner hyphens and
// apostrophes with their word.
std::vector<Token> Tokenise(std::string_view sentence, const Catalogue& catalogue);

// Joins output words with blanks, keeping punctuation against its neighbour.
std::string JoinWords(const std::vector<std::string>& words);

}  // namespace velloc
