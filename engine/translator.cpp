#include "engine/translator.h"

#include "engine/catalogue_builder.h"
#include "engine/inflection.h"
#include "engine/sentence_units.h"
#include "engine/text_1252.h"
#include "engine/tokens.h"

namespace velloc {
namespace {

bool IsSentenceEnd(char c) { return c == '.' || c == '!' || c == '?'; }

// "ss" read as "ß" where only that spelling is known: "Strasse" -> "Straße".
std::string RestoreSharpS(const Catalogue& catalogue, std::string_view sentence) {
    std::string out;
    std::string word;
    auto flush = [&] {
        if (word.find("ss") != std::string::npos && catalogue.Forms(word).empty() &&
            catalogue.Forms(Lower1252(word)).empty()) {
            std::string candidate = word;
            for (std::size_t p = candidate.find("ss"); p != std::string::npos; p = candidate.find("ss", p + 1)) {
                std::string trial = candidate.substr(0, p) + "\xDF" + candidate.substr(p + 2);
                if (!catalogue.Forms(trial).empty() || !catalogue.Forms(Lower1252(trial)).empty()) {
                    candidate = trial;
                    break;
                }
            }
            word = candidate;
        }
        out += word;
        word.clear();
    };
    for (char c : sentence) {
        if (IsLetter1252(static_cast<unsigned char>(c))) {
            word += c;
        } else {
            flush();
            out += c;
        }
    }
    flush();
    return out;
}

std::string WriteSharpSAsSs(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\xDF') out += "ss";
        else out += c;
    }
    return out;
}

}  // namespace

std::string NormaliseSentenceKey(std::string_view sentence) { return NormaliseSentence(sentence); }

namespace {

// A quotation mark of either language as the plain one the translations write.
char PlainQuote(char c) {
    if (c == '"' || c == '\x84' || c == '\x93' || c == '\x94') return '"';
    if (c == '\'' || c == '\x82' || c == '\x91' || c == '\x92') return '\'';
    return 0;
}

}  // namespace

std::string FinishSentence(std::string_view translation, std::string_view source) {
    std::string out(translation);
    std::string_view s = source;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    // "„Es geht um Leben und Tod.“": the sentence's quotation marks go round the translation,
    // and the mark before the closing one ends it
    std::string opening, closing;
    while (!s.empty() && PlainQuote(s.front())) { opening += PlainQuote(s.front()); s.remove_prefix(1); }
    while (!s.empty() && PlainQuote(s.back())) { closing.insert(closing.begin(), PlainQuote(s.back())); s.remove_suffix(1); }
    char sourceEnd = s.empty() ? 0 : s.back();
    if (!out.empty() && IsSentenceEnd(out.back()) && !IsSentenceEnd(sourceEnd)) out.pop_back();
    if (!out.empty() && IsSentenceEnd(sourceEnd) && !IsSentenceEnd(out.back())) out += sourceEnd;
    for (char& c : out)
        if (c == '\x92') c = '\'';
    return opening + out + closing;
}

namespace {

// "es gibt …", "Heim…": the dictionary's mark of a gap is no word of a sentence.
std::vector<std::string> WithoutGapMarks(const std::vector<std::string>& input) {
    std::vector<std::string> words;
    for (std::string w : input) {
        while (!w.empty() && w.back() == '\x85') w.pop_back();
        if (!w.empty()) words.push_back(std::move(w));
    }
    return words;
}

// Each word alone: "pick up" as one entry is two words for the steps below.
std::vector<std::string> SingleWords(const std::vector<std::string>& input) {
    std::vector<std::string> words;
    for (const std::string& entry : input)
        for (std::string_view w : SplitWords(entry)) words.emplace_back(w);
    return words;
}

bool EndsAPhrase(const std::vector<std::string>& words, std::size_t i) {
    return i >= words.size() || !IsLetter1252(static_cast<unsigned char>(words[i][0]));
}

// "pick up me": an object pronoun stands between a verb and its particle (table
// english-verb-particle: "pick me up", "switch it off"). "her" and "you" only before
// a phrase's end, where they cannot be a possessive or a next subject.
void ObjectPronounBeforeTheParticle(const EngineTables& tables, std::vector<std::string>& words) {
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (!tables.InList("english-verb-particle", words[i]) || EndsAPhrase(words, i - 1)) continue;
        const std::string& pronoun = words[i + 1];
        const bool object = pronoun == "me" || pronoun == "him" || pronoun == "us" || pronoun == "them" || pronoun == "it";
        if (object || ((pronoun == "her" || pronoun == "you") && EndsAPhrase(words, i + 2))) std::swap(words[i], words[i + 1]);
    }
}

}  // namespace

// Where a quotation that a comma ends closes: English puts the comma inside the
// quotation marks ("We are happy," he said), German after them ("Wir sind froh",
// sagte er). A quotation after a colon opens with its capital (Er sagte: "Wir ...").
void CommaAtTheClosingQuote(std::vector<std::string>& words, bool inside) {
    int quotes = 0;
    std::size_t opened = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "\"") continue;
        const bool closing = quotes % 2 == 1;
        ++quotes;
        if (!closing) {
            opened = i;
            if (i > 0 && words[i - 1] == ":" && i + 1 < words.size() && !words[i + 1].empty())
                words[i + 1] = Capitalised(words[i + 1]);
            continue;
        }
        // a quoted name or term in a list keeps its comma outside ("Rex", "Bello" and ...)
        if (inside && i + 1 < words.size() && words[i + 1] == "," && i - opened > 3) std::swap(words[i], words[i + 1]);
        if (!inside && i > 0 && words[i - 1] == ",") std::swap(words[i - 1], words[i]);
    }
}

std::string FinishEnglish(const EngineTables& tables, const std::vector<std::string>& input) {
    std::vector<std::string> words = SingleWords(WithoutGapMarks(input));
    CommaAtTheClosingQuote(words, true);
    ObjectPronounBeforeTheParticle(tables, words);
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i] == "a" || words[i] == "an") words[i] = EnglishIndefinite(tables, words[i + 1]);
    for (std::string& w : words) {
        if (w == "i") w = "I";
        for (char& c : w)
            if (c == '\x92') c = '\'';
    }
    std::string out = JoinWords(words);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLetter1252(c) || IsDigit1252(c)) {
            out[i] = static_cast<char>(ToUpper1252(c));
            break;
        }
    }
    return out;
}

namespace {

// "in dem Garten" is "im Garten": a preposition and the article after it become
// one word, unless a relative clause follows ("in dem er wohnt").
std::vector<std::string> ContractPrepositions(const EngineTables& tables, const std::vector<std::string>& words) {
    auto contraction = [&](std::size_t i) -> const char* {
        if (i + 2 >= words.size() || tables.InList("clause-start", words[i + 2])) return nullptr;
        const std::string& joined = tables.Value("german-contraction", Lower1252(words[i]) + " " + words[i + 1]);
        return joined.empty() ? nullptr : joined.c_str();
    };
    std::vector<std::string> out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char* contracted = contraction(i);
        if (!contracted) {
            out.push_back(words[i]);
            continue;
        }
        const bool capital = IsUpper1252(static_cast<unsigned char>(words[i][0]));
        out.push_back(capital ? Capitalised(contracted) : std::string(contracted));
        ++i;
    }
    return out;
}

}  // namespace

std::string FinishGerman(const EngineTables& tables, const std::vector<std::string>& input) {
    std::vector<std::string> words = ContractPrepositions(tables, WithoutGapMarks(input));
    CommaAtTheClosingQuote(words, false);
    std::string out = JoinWords(words);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLetter1252(c) || IsDigit1252(c)) {
            out[i] = static_cast<char>(ToUpper1252(c));
            break;
        }
    }
    return out;
}

Translation TranslateSentenceText(const Catalogue& catalogue, const EngineOptions& options,
                                  const UserLexicon& user, std::string_view sentence,
                                  Clock::time_point deadline) {
    if (catalogue.direction() == Direction::GermanToEnglish) {
        std::string source = options.sssz ? RestoreSharpS(catalogue, sentence) : std::string(sentence);
        return TranslateGermanToEnglish(catalogue, options, user, source, deadline);
    }
    Translation result = TranslateEnglishToGerman(catalogue, options, user, sentence, deadline);
    if (options.ssszeg) result.text = WriteSharpSAsSs(result.text);
    return result;
}

std::uint8_t WordClassFromName(std::string_view name) {
    std::string n = Lower1252(name);
    if (n.empty()) return kClassNone;
    if (n.compare(0, 4, "noun") == 0 || n.compare(0, 5, "subst") == 0 || n == "n" || n == "m" || n == "f")
        return kClassNoun;
    if (n.compare(0, 4, "verb") == 0 || n == "v" || n == "vt" || n == "vi") return kClassVerb;
    if (n.compare(0, 3, "adj") == 0) return kClassAdjective;
    if (n.compare(0, 3, "adv") == 0) return kClassAdverb;
    if (n.compare(0, 4, "prep") == 0 || n.compare(0, 4, "präp") == 0) return kClassPreposition;
    if (n.compare(0, 4, "name") == 0 || n.compare(0, 6, "eigenn") == 0) return kClassName;
    return kClassNone;
}

}  // namespace velloc
