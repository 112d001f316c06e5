#include "engine/dictionary_source.h"

#include <cstring>

#include "engine/text_1252.h"

namespace velloc {
namespace {

bool IsOpening(char c) { return c == '{' || c == '[' || c == '(' || c == '<'; }
bool IsClosing(char c) { return c == '}' || c == ']' || c == ')' || c == '>'; }

std::uint8_t RegisterOf(std::string_view label) {
    static const char* const kColloquial[] = {"ugs.", "coll.", "slang", "vulg.", "Jugendsprache"};
    static const char* const kRare[] = {"selten", "rare", "obs.", "archaic", "veraltet",
                                        "dated", "alt", "veraltend", "obsolete"};
    static const char* const kRegional[] = {
        "Schw.", "Austr.", "Ös.", "Bayr.", "Sc.", "BW", "Norddt.", "Süddt.", "Mitteldt.",
        "Westdt.", "Ostdt.", "Mittelwestdt.", "Nordostdt.", "Nordwestdt.", "Südwestdt.",
        "Südostdt.", "NZ", "Can.", "Ir.", "Berlin", "Lux.", "Südtirol", "Austr.", "Wien",
        "Dialekt", "Sächs.", "Schwäb."};
    static const char* const kLiterary[] = {"geh.", "poet.", "lit.", "formal", "Amtsspr."};
    static const char* const kFigurative[] = {"fig.", "übtr.", "iron.", "humor.", "pej.",
                                              "euphem.", "Sprw.", "prov."};
    // the lists are compiled in Windows-1252, as the labels are
    auto in8 = [&](const char* const* list, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            if (label == list[i]) return true;
        return false;
    };
    std::uint8_t flags = 0;
    if (in8(kColloquial, std::size(kColloquial))) flags |= kRegisterColloquial;
    if (in8(kRare, std::size(kRare))) flags |= kRegisterRare;
    if (in8(kRegional, std::size(kRegional))) flags |= kRegisterRegional;
    if (in8(kLiterary, std::size(kLiterary))) flags |= kRegisterLiterary;
    if (in8(kFigurative, std::size(kFigurative))) flags |= kRegisterFigurative;
    return flags;
}

// An abbreviation marker: "/" after a blank or the start, up to the next "/"
// that is followed by a blank, a ";" or the end.
bool FindAbbreviation(std::string_view raw, std::size_t from, std::size_t& open,
                      std::size_t& close) {
    for (std::size_t i = from; i < raw.size(); ++i) {
        if (raw[i] != '/' || (i > 0 && raw[i - 1] != ' ')) continue;
        std::size_t j = raw.find('/', i + 1);
        if (j == std::string_view::npos || j == i + 1) return false;
        if (j + 1 < raw.size() && raw[j + 1] != ' ' && raw[j + 1] != ';') continue;
        open = i;
        close = j;
        return true;
    }
    return false;
}

}  // namespace

bool DictTerm::HasBrace(std::string_view tag) const {
    for (const std::string& brace : braces)
        if (brace == tag) return true;
    return false;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::vector<std::string_view> SplitTopLevel(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsOpening(c)) ++depth;
        else if (IsClosing(c) && depth > 0) --depth;
        else if (depth == 0 && text.compare(i, separator.size(), separator) == 0) {
            parts.push_back(Trim(text.substr(start, i - start)));
            i += separator.size() - 1;
            start = i + 1;
        }
    }
    parts.push_back(Trim(text.substr(start)));
    return parts;
}

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// "mit jdm./einer Sache vergleichen", "mit einer Sache zurechtkommen": the thing an
// object stands for, written out after a preposition, is the short placeholder, so that
// the verb is found as the last word after them (mit jdm./etw. vergleichen). A dative
// object of its own ("sich einer Sache entziehen") stays a term.
void ShortenThingPlaceholders(std::string& text) {
    if (text.find("ine") == std::string::npos) return;
    ReplaceAll(text, "/einer Sache", "/etw.");
    ReplaceAll(text, "/eine Sache", "/etw.");
    const std::vector<std::string_view> words = SplitWords(text);
    if (words.size() != 4 || words[1] != "einer" || words[2] != "Sache" || words[0] == "sich" ||
        IsUpper1252(static_cast<unsigned char>(words[0][0])) || IsUpper1252(static_cast<unsigned char>(words[3][0])) ||
        !(EndsWith(words[3], "en") || EndsWith(words[3], "ern") || EndsWith(words[3], "eln")))
        return;
    text = std::string(words[0]) + " etw. " + std::string(words[3]);
}

}  // namespace

DictTerm ParseTerm(std::string_view raw) {
    DictTerm term;
    std::string plain;
    plain.reserve(raw.size());
    std::size_t abbreviationOpen = std::string_view::npos, abbreviationClose = 0;
    FindAbbreviation(raw, 0, abbreviationOpen, abbreviationClose);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (i == abbreviationOpen) {
            term.abbreviations.emplace_back(raw.substr(i + 1, abbreviationClose - i - 1));
            i = abbreviationClose;
            if (!FindAbbreviation(raw, i + 1, abbreviationOpen, abbreviationClose))
                abbreviationOpen = std::string_view::npos;
            continue;
        }
        if (IsOpening(c)) {
            char closing = c == '{' ? '}' : c == '[' ? ']' : c == '(' ? ')' : '>';
            int depth = 1;
            std::size_t j = i + 1;
            for (; j < raw.size() && depth > 0; ++j) {
                if (raw[j] == c) ++depth;
                else if (raw[j] == closing) --depth;
            }
            std::string_view inner = raw.substr(i + 1, (j - 1) - (i + 1));
            if (c == '<' && Trim(inner).empty()) term.particleBeforeObject = true;
            if (c == '{') term.braces.emplace_back(Trim(inner));
            if (c == '(') term.comments.emplace_back(Trim(inner));
            if (c == '[') {
                term.labels.emplace_back(Trim(inner));
                term.registers |= RegisterOf(Trim(inner));
            }
            i = j - 1;
            continue;
        }
        if (c == '~') {  // "~mir ~mich": case forms noted after the word
            while (i + 1 < raw.size() && raw[i + 1] != ' ') ++i;
            continue;
        }
        plain += c;
    }
    for (std::string_view word : SplitWords(plain)) {
        if (!term.text.empty()) term.text += ' ';
        term.text.append(word);
    }
    // "jds. Haus" style markers keep their period; a lone "…" becomes nothing.
    while (!term.text.empty() && (term.text.back() == ',' || term.text.back() == ';'))
        term.text.pop_back();
    ShortenThingPlaceholders(term.text);
    return term;
}

namespace {

bool IsWordClassBrace(const std::string& brace) {
    return brace == "adj" || brace == "adv" || brace == "vt" || brace == "vi" || brace == "v" ||
           brace == "vr";
}

// "groß; schwer; wichtig {adj}": the class written after the last synonym holds
// for the unmarked synonyms before it.
void CarryWordClass(DictSubentry& synonyms) {
    const std::string* carried = nullptr;
    for (std::size_t i = synonyms.size(); i-- > 0;) {
        DictTerm& term = synonyms[i];
        const std::string* own = nullptr;
        for (const std::string& brace : term.braces)
            if (IsWordClassBrace(brace)) own = &brace;
        if (own) carried = own;
        else if (carried && term.braces.empty() && !term.text.empty()) term.braces.push_back(*carried);
        else if (!term.braces.empty()) carried = nullptr;
    }
}

}  // namespace

bool ParseDictionaryLine(std::string_view line, DictLine& out) {
    out.german.clear();
    out.english.clear();
    if (line.empty() || line[0] == '#') return false;
    std::size_t middle = line.find(" :: ");
    if (middle == std::string_view::npos) return false;
    auto side = [](std::string_view text, std::vector<DictSubentry>& subentries) {
        for (std::string_view sub : SplitTopLevel(text, " | ")) {
            DictSubentry synonyms;
            for (std::string_view raw : SplitTopLevel(sub, "; ")) {
                DictTerm term = ParseTerm(raw);
                if (!term.text.empty() || !term.braces.empty()) synonyms.push_back(std::move(term));
            }
            CarryWordClass(synonyms);
            subentries.push_back(std::move(synonyms));
        }
    };
    side(line.substr(0, middle), out.german);
    // untrimmed: an English side that opens with " | " has an empty first subentry
    side(line.substr(middle + 3), out.english);
    return !out.german.empty() && !out.english.empty();
}

}  // namespace velloc
