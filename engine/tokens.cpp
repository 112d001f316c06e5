#include "engine/tokens.h"

#include "engine/text_1252.h"
#include "engine/translator.h"

namespace velloc {
namespace {

bool IsWordChar(unsigned char c) { return IsLetter1252(c) || IsDigit1252(c); }

bool OpensQuote(const std::string& t) {
    return t == "(" || t == "[" || t == "\x84" || t == "\x93" || t == "\x82" || t == "\x91" ||
           t == "\xAB";
}

bool ClosesPunct(const std::string& t) {
    return t == "." || t == "," || t == ";" || t == ":" || t == "!" || t == "?" || t == ")" ||
           t == "]" || t == "\x94" || t == "\x92" || t == "\xBB" || t == "%" || t == "...";
}

}  // namespace

bool IsAbbreviationWord(const Catalogue& catalogue, std::string_view word) {
    if (word.size() < 2 || word.back() != '.') return false;
    std::string_view stem = word.substr(0, word.size() - 1);
    if (stem.size() == 1 && IsUpper1252(static_cast<unsigned char>(stem[0]))) return true;
    bool digits = !stem.empty();
    for (char c : stem) digits = digits && IsDigit1252(static_cast<unsigned char>(c));
    if (digits && catalogue.direction() == Direction::GermanToEnglish) return true;  // "3." ordinal
    if (catalogue.IsAbbreviation(word)) return true;
    std::string lower = Lower1252(word);
    if (catalogue.IsAbbreviation(lower)) return true;
    static const char* const kPlaceholders[] = {"etw.", "jdn.", "jdm.", "jds.", "sth.", "sb."};
    for (const char* p : kPlaceholders)
        if (lower == p) return true;
    return false;
}

std::vector<Token> Tokenise(std::string_view s, const Catalogue& catalogue) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    bool space = false;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = true;
            ++i;
            continue;
        }
        Token token;
        token.spaceBefore = space;
        space = false;
        std::size_t start = i;
        if (IsDigit1252(c)) {
            while (i < s.size() && (IsDigit1252(static_cast<unsigned char>(s[i])) ||
                                    ((s[i] == '.' || s[i] == ',') && i + 1 < s.size() &&
                                     IsDigit1252(static_cast<unsigned char>(s[i + 1])))))
                ++i;
            token.kind = TokenKind::Number;
            // Ordinals and units written onto the number: "3." "20er" "5%"
            while (i < s.size() && IsLetter1252(static_cast<unsigned char>(s[i]))) {
                token.kind = TokenKind::Word;
                ++i;
            }
            token.text = std::string(s.substr(start, i - start));
            if (i < s.size() && s[i] == '.' && token.kind == TokenKind::Number &&
                catalogue.direction() == Direction::GermanToEnglish && i + 1 < s.size() &&
                s[i + 1] == ' ' && i + 2 < s.size() && !IsUpper1252(static_cast<unsigned char>(s[i + 2])) ) {
                token.text += '.';
                ++i;
            }
        } else if (IsWordChar(c)) {
            while (i < s.size()) {
                unsigned char d = static_cast<unsigned char>(s[i]);
                if (IsWordChar(d)) { ++i; continue; }
                bool inner = i + 1 < s.size() && IsWordChar(static_cast<unsigned char>(s[i + 1]));
                if ((d == '-' || d == '\'' || d == 0x92) && inner) { ++i; continue; }
                // "Wind- und ..." keeps its hyphen for the coordinated compound
                if (d == '-' && i + 1 < s.size() && s[i + 1] == ' ') { ++i; break; }
                break;
            }
            token.text = std::string(s.substr(start, i - start));
            if (i < s.size() && s[i] == '.') {
                std::string withPeriod = token.text + '.';
                bool lastInSentence = i + 1 >= s.size();
                if (!lastInSentence && IsAbbreviationWord(catalogue, withPeriod)) {
                    token.text = withPeriod;
                    ++i;
                } else if (!lastInSentence && i + 1 < s.size() && IsLetter1252(static_cast<unsigned char>(s[i + 1]))) {
                    // "z.B.", "u.a.": letters joined by periods
                    std::size_t j = i;
                    while (j + 1 < s.size() && s[j] == '.' && IsLetter1252(static_cast<unsigned char>(s[j + 1]))) {
                        j += 2;
                        while (j < s.size() && IsLetter1252(static_cast<unsigned char>(s[j]))) ++j;
                    }
                    if (j < s.size() && s[j] == '.') ++j;
                    token.text = std::string(s.substr(start, j - start));
                    i = j;
                }
            }
            token.capital = IsUpper1252(static_cast<unsigned char>(token.text[0]));
        } else {
            token.kind = TokenKind::Punctuation;
            if (c == '.' && s.compare(i, 3, "...") == 0) {
                token.text = "...";
                i += 3;
            } else {
                token.text = std::string(1, static_cast<char>(c));
                ++i;
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string JoinWords(const std::vector<std::string>& words) {
    std::string out;
    bool glueNext = false;
    int quotes = 0;
    for (const std::string& w : words) {
        if (w.empty()) continue;
        bool glue = glueNext || out.empty() || ClosesPunct(w) || w == "'s" || w == "n't";
        if (w == "\"") {
            glue = glue || (quotes % 2 == 1);
            ++quotes;
        }
        // a doubled comma or period of the source ("ging, , und", "U.S. .") is written once
        if ((w == "," || w == ".") && !out.empty() && out.back() == w[0]) continue;
        if (!glue) out += ' ';
        out += w;
        glueNext = OpensQuote(w) || (w == "\"" && quotes % 2 == 1);
    }
    return out;
}

}  // namespace velloc
