#include "engine/scoring.h"

#include <cmath>
#include <map>
#include <unordered_map>

namespace velloc {
namespace {

// What Python's str.split() takes as white space.
bool IsSpace(char32_t c) {
    return (c >= 9 && c <= 13) || (c >= 0x1C && c <= 0x20) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

// The 13a punctuation class: [\{-\~\[-\` -\&\(-\+\:-\@\/]
bool IsPunct13a(char32_t c) {
    return (c >= 0x7B && c <= 0x7E) || (c >= 0x5B && c <= 0x60) || (c >= 0x20 && c <= 0x26) ||
           (c >= 0x28 && c <= 0x2B) || (c >= 0x3A && c <= 0x40) || c == '/';
}

std::vector<std::u32string> SplitSpaces(const std::u32string& s) {
    std::vector<std::u32string> out;
    std::u32string word;
    for (char32_t c : s) {
        if (IsSpace(c)) {
            if (!word.empty()) out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

void ReplaceAll(std::u32string& s, const std::u32string& from, const std::u32string& to) {
    for (std::size_t p = s.find(from); p != std::u32string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
}

std::u32string U(const char* ascii) {
    std::u32string out;
    while (*ascii) out += static_cast<char32_t>(*ascii++);
    return out;
}

// re.sub of a two-character pattern (X)(Y) -> r'\1 \2 ' or ' \1 \2': scans left to
// right over the original text, non-overlapping.
template <typename X, typename Y>
std::u32string SubPair(const std::u32string& s, X x, Y y, const char* shape) {
    std::u32string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (i + 1 < s.size() && x(s[i]) && y(s[i + 1])) {
            for (const char* p = shape; *p; ++p) {
                if (*p == '1') out += s[i];
                else if (*p == '2') out += s[i + 1];
                else out += static_cast<char32_t>(*p);
            }
            i += 2;
        } else {
            out += s[i++];
        }
    }
    return out;
}

struct NGramCounts {
    std::vector<std::map<std::u32string, int>> orders;
};

}  // namespace

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t code = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
        ++i;
        for (int k = 0; k < extra && i < text.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out += code;
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0x800) { out += static_cast<char>(0xC0 | (c >> 6)); out += static_cast<char>(0x80 | (c & 0x3F)); }
        else if (c < 0x10000) { out += static_cast<char>(0xE0 | (c >> 12)); out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)); out += static_cast<char>(0x80 | (c & 0x3F)); }
        else { out += static_cast<char>(0xF0 | (c >> 18)); out += static_cast<char>(0x80 | ((c >> 12) & 0x3F)); out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)); out += static_cast<char>(0x80 | (c & 0x3F)); }
    }
    return out;
}

std::u32string Tokenize13a(const std::u32string& input) {
    std::u32string line = input;
    ReplaceAll(line, U("<skipped>"), U(""));
    ReplaceAll(line, U("-\n"), U(""));
    ReplaceAll(line, U("\n"), U(" "));
    if (line.find(U'&') != std::u32string::npos) {
        ReplaceAll(line, U("&quot;"), U("\""));
        ReplaceAll(line, U("&amp;"), U("&"));
        ReplaceAll(line, U("&lt;"), U("<"));
        ReplaceAll(line, U("&gt;"), U(">"));
    }
    line = U" " + line + U" ";
    std::u32string spaced;
    for (char32_t c : line) {
        if (IsPunct13a(c)) { spaced += U' '; spaced += c; spaced += U' '; }
        else spaced += c;
    }
    auto notDigit = [](char32_t c) { return !IsDigit(c); };
    auto periodComma = [](char32_t c) { return c == '.' || c == ','; };
    spaced = SubPair(spaced, notDigit, periodComma, "1 2 ");
    spaced = SubPair(spaced, periodComma, notDigit, " 1 2");
    spaced = SubPair(spaced, IsDigit, [](char32_t c) { return c == '-'; }, "1 2 ");
    std::u32string out;
    for (const std::u32string& w : SplitSpaces(spaced)) {
        if (!out.empty()) out += U' ';
        out += w;
    }
    return out;
}

double CorpusBleu(const std::vector<std::string>& hypotheses, const std::vector<std::string>& references) {
    const int kOrder = 4;
    double correct[kOrder] = {0}, total[kOrder] = {0};
    double hypLength = 0, refLength = 0;
    for (std::size_t s = 0; s < hypotheses.size() && s < references.size(); ++s) {
        auto prepare = [](const std::string& text) {
            std::u32string t = DecodeUtf8(text);
            while (!t.empty() && IsSpace(t.back())) t.pop_back();  // rstrip
            return SplitSpaces(Tokenize13a(t));
        };
        std::vector<std::u32string> hyp = prepare(hypotheses[s]);
        std::vector<std::u32string> ref = prepare(references[s]);
        hypLength += static_cast<double>(hyp.size());
        refLength += static_cast<double>(ref.size());
        for (int n = 1; n <= kOrder; ++n) {
            std::map<std::vector<std::u32string>, int> refCounts;
            for (std::size_t i = 0; i + n <= ref.size(); ++i)
                ++refCounts[std::vector<std::u32string>(ref.begin() + static_cast<long>(i), ref.begin() + static_cast<long>(i + n))];
            std::map<std::vector<std::u32string>, int> hypCounts;
            for (std::size_t i = 0; i + n <= hyp.size(); ++i)
                ++hypCounts[std::vector<std::u32string>(hyp.begin() + static_cast<long>(i), hyp.begin() + static_cast<long>(i + n))];
            for (auto& [gram, count] : hypCounts) {
                auto found = refCounts.find(gram);
                if (found != refCounts.end()) correct[n - 1] += std::min(count, found->second);
            }
            total[n - 1] += hyp.size() >= static_cast<std::size_t>(n) ? static_cast<double>(hyp.size() - n + 1) : 0.0;
        }
    }
    double bp = hypLength < refLength ? (hypLength > 0 ? std::exp(1.0 - refLength / hypLength) : 0.0) : 1.0;
    bool any = false;
    for (double c : correct) any = any || c > 0;
    if (!any) return 0.0;
    double smooth = 1.0, logSum = 0.0;
    for (int n = 0; n < kOrder; ++n) {
        double precision;
        if (total[n] == 0) { precision = 0.0; }
        else if (correct[n] == 0) { smooth *= 2; precision = 100.0 / (smooth * total[n]); }
        else precision = 100.0 * correct[n] / total[n];
        logSum += precision > 0 ? std::log(precision) : -9999999999.0;
    }
    return bp * std::exp(logSum / kOrder);
}

double CorpusChrF(const std::vector<std::string>& hypotheses, const std::vector<std::string>& references) {
    const int kOrder = 6;
    const double beta2 = 4.0;
    double hypTotal[kOrder] = {0}, refTotal[kOrder] = {0}, matches[kOrder] = {0};
    for (std::size_t s = 0; s < hypotheses.size() && s < references.size(); ++s) {
        auto squeeze = [](const std::string& text) {
            std::u32string out;
            for (char32_t c : DecodeUtf8(text))
                if (!IsSpace(c)) out += c;
            return out;
        };
        std::u32string hyp = squeeze(hypotheses[s]), ref = squeeze(references[s]);
        for (int n = 1; n <= kOrder; ++n) {
            std::unordered_map<std::u32string, int> refCounts;
            for (std::size_t i = 0; i + n <= ref.size(); ++i) ++refCounts[ref.substr(i, n)];
            std::unordered_map<std::u32string, int> hypCounts;
            for (std::size_t i = 0; i + n <= hyp.size(); ++i) ++hypCounts[hyp.substr(i, n)];
            for (auto& [gram, count] : hypCounts) {
                hypTotal[n - 1] += count;
                auto found = refCounts.find(gram);
                if (found != refCounts.end()) matches[n - 1] += std::min(count, found->second);
            }
            for (auto& [gram, count] : refCounts) refTotal[n - 1] += count;
        }
    }
    double precisionSum = 0, recallSum = 0;
    int effective = 0;
    for (int n = 0; n < kOrder; ++n) {
        if (hypTotal[n] > 0 && refTotal[n] > 0) {
            precisionSum += matches[n] / hypTotal[n];
            recallSum += matches[n] / refTotal[n];
            ++effective;
        }
    }
    if (effective == 0) return 0.0;
    double p = precisionSum / effective, r = recallSum / effective;
    if (p + r == 0) return 0.0;
    return 100.0 * (1 + beta2) * p * r / (beta2 * p + r);
}

}  // namespace velloc
