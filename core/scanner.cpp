#include "core/scanner.h"

#include <string.h>

#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/message_log.h"
#include "core/run_state.h"

namespace {

// Letters and digits of Windows-1252 as the platform's IsCharAlphaNumericA sees
// them, plus the three characters that count as part of a word here.
struct WordLikeTable {
    bool member[256] = {};
    WordLikeTable() {
        for (int c = '0'; c <= '9'; ++c) member[c] = true;
        for (int c = 'A'; c <= 'Z'; ++c) member[c] = member[c + 32] = true;
        for (int c : {0x83, 0x88, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB2, 0xB3,
                      0xB5, 0xB9, 0xBA})
            member[c] = true;
        for (int c = 0xC0; c <= 0xFF; ++c) member[c] = (c != 0xD7 && c != 0xF7);
        member[static_cast<unsigned char>('\'')] = true;
        member[static_cast<unsigned char>('?')] = true;
        member[static_cast<unsigned char>(')')] = true;
    }
};
const WordLikeTable g_wordLike;

// Bytes at which the forward search has to look closer; everything else is passed.
struct CandidateTable {
    bool member[256] = {};
    CandidateTable() {
        for (unsigned char c : {'.', '?', '!', '\t', '\n'}) member[c] = true;
    }
};
const CandidateTable g_candidates;

const unsigned char kQuoteSet[] = {0x22, 0x94, 0x93, 0x92, 0x91, 0x84, 0x82, 0xAB, 0xBB, 0x27};

// The text with its length: every read past the end gives NUL.
struct Text {
    const char* bytes;
    int length;
    unsigned char at(int p) const {
        return (p >= 0 && p < length) ? static_cast<unsigned char>(bytes[p]) : 0;
    }
};

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool IsEndSetChar(unsigned char c) {
    return c == '?' || c == '!' || c == '\t' || (c == '\n' && g_translation.newLine);
}

bool IsQuote(unsigned char c) {
    for (unsigned char q : kQuoteSet)
        if (c == q) return true;
    return false;
}

// A line feed whose next or next-but-one character is also a line feed.
bool BeginsParagraphBreak(const Text& t, int p) {
    return t.at(p) == '\n' && (t.at(p + 1) == '\n' || t.at(p + 2) == '\n');
}

bool IsDelimiter(unsigned char c) { return c == 0 || c == ' ' || c == '.' || c == '\n'; }

// The engine decides whether the word (period included) is an abbreviation.
int AskAbbreviation(const char* word) {
    if (!g_engine.QP_query_getabbrev) return 0;
    int flag = 0;
    int result = g_engine.QP_query_getabbrev(word, &flag);
    switch (result) {
    case 0: return flag == 0 ? 1 : 0;
    case -2: AppendMessage("• Fehler bei Suche nach Abkürzung\r\n", nullptr); return 0;
    case -1: AppendMessage("• Suche nach Abkürung mißlungen\r\n", nullptr); return 0;
    default: AppendMessage("• Fehler bei Abkürzungssuche\r\n", nullptr); return 0;
    }
}

bool IsLineControl(unsigned char c) { return c >= 9 && c <= 14; }

// What the tests of one scan share. A scan may reject thousands of candidates in a
// row ("!!!!...", a word followed by a long punctuation run); each test would walk
// back over the same characters, so the walks and verdicts are kept here and a
// whole scan stays linear in the text's length.
class ScanMemo {
public:
    explicit ScanMemo(const Text& t) : t_(t) {}

    // The first word-like position of the text, or the length when there is none.
    int FirstWordLike() {
        if (firstWordLike_ < 0) {
            firstWordLike_ = 0;
            while (firstWordLike_ < t_.length && !g_wordLike.member[t_.at(firstWordLike_)])
                ++firstWordLike_;
        }
        return firstWordLike_;
    }

    // The highest position in (first, m] holding a word-like character, a NUL, or a
    // line control when NewLine is on; first when there is none. Successive queries
    // that rise or fall reuse what the previous walk has seen.
    int LastStop(int first, int m) {
        if (queried_ < 0 || first != queryFirst_) {
            answer_ = WalkBack(first, m, first);
        } else if (m > queried_) {
            answer_ = WalkBack(queried_, m, answer_);
        } else if (answer_ > m) {
            answer_ = WalkBack(first, m, first);
        }
        queried_ = m;
        queryFirst_ = first;
        return answer_;
    }

    // The verdict on the word that ends at last, once it has been reached.
    bool KnownVerdict(int last, int& verdict) const {
        if (last != verdictLast_) return false;
        verdict = verdict_;
        return true;
    }
    void KeepVerdict(int last, int verdict) {
        verdictLast_ = last;
        verdict_ = verdict;
    }

private:
    bool IsStop(unsigned char c) const {
        return c == 0 || g_wordLike.member[c] || (IsLineControl(c) && g_translation.newLine);
    }
    // The highest stop in (floor, m], or otherwise when there is none.
    int WalkBack(int floor, int m, int otherwise) const {
        for (int i = m; i > floor; --i)
            if (IsStop(t_.at(i))) return i;
        return otherwise;
    }

    const Text& t_;
    int firstWordLike_ = -1;
    int queried_ = -1, queryFirst_ = -1, answer_ = -1;
    int verdictLast_ = -1, verdict_ = 0;
};

// Measures the word before the period at last + 1 and decides whether it ends the
// sentence (0) or not (the word's length), asking the engine about abbreviations.
int PeriodWordVerdict(const Text& t, int first, int last) {
    int count = 1;
    int q = last;
    bool reachedFirst = false;
    for (;;) {
        if (q == first) {
            reachedFirst = true;
            break;
        }
        unsigned char c = t.at(q);
        if (IsDelimiter(c)) break;
        if (c == '\t') return count;
        --q;
        ++count;
        if (c == ':') return count;
    }
    // A four-character number beginning with 19 is a year and ends the sentence.
    if (count == 5 && IsDigit(t.at(last)) && t.at(q + 1) == '1' && t.at(q + 2) == '9') return 0;

    int wordStart = q + 1;
    if (reachedFirst) {
        wordStart = first;
        ++count;
    }
    if (count <= 2) return count;  // one letter and a period: an initial, 'z.B.'
    if (IsDigit(t.at(last)) && IsDigit(t.at(wordStart))) return count;  // a number

    // Sentences are shorter than the engine's 512-character limit; a longer "word"
    // cannot be an abbreviation, so it ends the sentence without asking.
    char word[512];
    if (count >= static_cast<int>(sizeof word)) return 0;
    for (int i = 0; i < count; ++i) word[i] = static_cast<char>(t.at(wordStart + i));
    word[count] = '\0';
    return AskAbbreviation(word);
}

int SentenceEndTest(const Text& t, int n, ScanMemo& memo) {
    if (n <= 0) n = t.length;
    if (n < 3) return 2;

    const int first = memo.FirstWordLike() < n ? memo.FirstWordLike() : n;
    if (first >= n) return 2;
    if (n - 1 == first) return 1;

    // Walk back from the candidate to the last word-like character before it.
    int last = memo.LastStop(first, n - 1);
    unsigned char stop = t.at(last);
    if (last > first && !g_wordLike.member[stop]) return stop == 0 ? 1 : 0;
    if (t.at(last + 1) != '.') return 0;

    int verdict;
    if (!memo.KnownVerdict(last, verdict)) {
        verdict = PeriodWordVerdict(t, first, last);
        memo.KeepVerdict(last, verdict);
    }
    return verdict;
}

}  // namespace

bool IsScannerWhiteSpace(unsigned char c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

bool IsWordLike(unsigned char c) { return g_wordLike.member[c]; }

int IsSentenceEnd(const char* text, int length, int n) {
    const Text t{text, length};
    ScanMemo memo(t);
    return SentenceEndTest(t, n, memo);
}

int IsSentenceEnd(const char* text, int n) {
    return IsSentenceEnd(text, static_cast<int>(strlen(text)), n);
}

int FindSentenceEnd(const char* text, int length, int start) {
    const Text t{text, length};
    ScanMemo memo(t);
    int p = start < 0 ? 0 : start;
    for (;;) {
        int candidate;
        while (IsScannerWhiteSpace(t.at(p))) ++p;
        if (p >= length) {
            candidate = p;
        } else {
            candidate = length;
            for (; p < length; ++p) {
                unsigned char c = static_cast<unsigned char>(text[p]);
                if (!g_candidates.member[c]) continue;
                if (c == '.' && (IsScannerWhiteSpace(t.at(p + 1)) || length - p == 2)) {
                    if (p == 0 || !IsDigit(t.at(p - 1))) {
                        candidate = p;
                        break;
                    }
                } else if (IsEndSetChar(c) || BeginsParagraphBreak(t, p)) {
                    candidate = p;
                    break;
                }
            }
        }

        int next;
        if (candidate >= length) {
            next = length + 1;
            g_run.endOfText = true;
        } else {
            next = candidate + 1;
            if (SentenceEndTest(t, next, memo) != 0) {
                p = next;
                continue;
            }
        }
        if (next < length && IsQuote(t.at(next))) ++next;
        return next;
    }
}

int FindSentenceStart(const char* text, int length, int position) {
    const Text t{text, length};
    ScanMemo memo(t);
    for (;;) {
        while (position > 0) {
            unsigned char c = t.at(position);
            if (c == '.' && IsScannerWhiteSpace(t.at(position + 1)) && !IsDigit(t.at(position - 1)))
                break;
            if (IsEndSetChar(c) || BeginsParagraphBreak(t, position)) break;
            --position;
        }
        ++position;
        if (position <= 2) return 0;
        if (SentenceEndTest(t, position, memo) == 0) return position;
        position -= 2;
    }
}

int FindSentenceStart(const char* text, int position) {
    return FindSentenceStart(text, static_cast<int>(strlen(text)), position);
}
