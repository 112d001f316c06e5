#include "lexicon/editor_entries.h"

#include <algorithm>
#include <tuple>

const PartOfSpeech kPartsOfSpeech[kPartOfSpeechCount] = {
    {"noun", "Substantiv"},    {"verb", "Verb"},           {"adj", "Adjektiv"},
    {"adv", "Adverb"},         {"prep", "Präposition"},    {"conj", "Konjunktion"},
    {"pron", "Pronomen"},      {"art", "Artikel"},         {"num", "Zahlwort"},
    {"interj", "Interjektion"}, {"phrase", "Redewendung"},
};

namespace {

// Lower case of one Windows-1252 character; the letters with accents and the
// few upper-case letters in 0x80..0x9F included, the rest unchanged.
char FoldChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
    switch (u) {
    case 0x8A: return static_cast<char>(0x9A);  // Š
    case 0x8C: return static_cast<char>(0x9C);  // Œ
    case 0x8E: return static_cast<char>(0x9E);  // Ž
    case 0x9F: return static_cast<char>(0xFF);  // Ÿ
    default: return c;
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

auto SortKey(const LexiconEntry& entry) {
    return std::make_tuple(FoldCase(entry.source), FoldCase(entry.translation), entry.partOfSpeech,
                           entry.area);
}

bool HasArea(const LexiconContent& content, const std::string& code) {
    for (const LexiconArea& area : content.areas)
        if (area.code == code) return true;
    return false;
}

}  // namespace

std::string PartOfSpeechName(const std::string& code) {
    for (const PartOfSpeech& part : kPartsOfSpeech)
        if (code == part.code) return part.name;
    return code;
}

std::string FoldCase(const std::string& text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldChar);
    return folded;
}

std::string TrimBlanks(const std::string& text) {
    std::size_t start = 0, end = text.size();
    while (start < end && IsBlank(text[start])) ++start;
    while (end > start && IsBlank(text[end - 1])) --end;
    return text.substr(start, end - start);
}

std::string CleanStartWord(const std::string& word) {
    std::size_t start = 0;
    while (start < word.size() && IsBlank(word[start])) ++start;
    std::size_t end = start;
    while (end < word.size() && static_cast<unsigned char>(word[end]) >= 0x20) ++end;
    return TrimBlanks(word.substr(start, end - start));
}

bool SameEntryKey(const LexiconEntry& a, const LexiconEntry& b) {
    return a.partOfSpeech == b.partOfSpeech && a.area == b.area &&
           FoldCase(a.source) == FoldCase(b.source);
}

std::vector<std::size_t> EntriesOfWord(const LexiconContent& content, const std::string& word) {
    std::vector<std::size_t> found;
    const std::string folded = FoldCase(word);
    if (folded.empty()) return found;
    for (std::size_t i = 0; i < content.entries.size(); ++i)
        if (FoldCase(content.entries[i].source) == folded) found.push_back(i);
    return found;
}

EntryProblem CheckEntry(const LexiconContent& content, const LexiconEntry& entry) {
    if (entry.source.empty()) return EntryProblem::NoSource;
    if (entry.translation.empty()) return EntryProblem::NoTranslation;
    for (const std::string* field : {&entry.source, &entry.translation, &entry.partOfSpeech, &entry.area})
        if (!IsValidLexiconField(*field)) return EntryProblem::BadCharacters;
    if (!entry.area.empty() && !HasArea(content, entry.area)) return EntryProblem::UnknownArea;
    return EntryProblem::None;
}

EntryChange PutEntry(LexiconContent& content, const LexiconEntry& entry) {
    for (LexiconEntry& existing : content.entries) {
        if (SameEntryKey(existing, entry)) {
            existing = entry;
            return EntryChange::Replaced;
        }
    }
    content.entries.push_back(entry);
    return EntryChange::Added;
}

EntryChange RemoveEntry(LexiconContent& content, const LexiconEntry& key) {
    auto& entries = content.entries;
    auto kept = std::remove_if(entries.begin(), entries.end(),
                               [&key](const LexiconEntry& entry) { return SameEntryKey(entry, key); });
    if (kept == entries.end()) return EntryChange::NotFound;
    entries.erase(kept, entries.end());
    return EntryChange::Removed;
}

bool MatchesFilter(const LexiconEntry& entry, const std::string& filter) {
    const std::string wanted = FoldCase(TrimBlanks(filter));
    if (wanted.empty()) return true;
    return FoldCase(entry.source).find(wanted) != std::string::npos ||
           FoldCase(entry.translation).find(wanted) != std::string::npos;
}

std::vector<std::size_t> ListedEntries(const LexiconContent& content, const std::string& filter) {
    // The keys are folded once each, not on every comparison: lexicons may be large.
    using Keyed = std::pair<decltype(SortKey(LexiconEntry{})), std::size_t>;
    std::vector<Keyed> keyed;
    for (std::size_t i = 0; i < content.entries.size(); ++i)
        if (MatchesFilter(content.entries[i], filter)) keyed.emplace_back(SortKey(content.entries[i]), i);
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::size_t> listed;
    listed.reserve(keyed.size());
    for (const Keyed& k : keyed) listed.push_back(k.second);
    return listed;
}

std::string ExpectedDirection(const std::string& ownerClass, const std::string& path) {
    if (ownerClass == "QDGerEng") return "GtoE";
    if (ownerClass == "QDEngGer") return "EtoG";
    std::size_t dot = path.find_last_of(".\\/:");
    if (dot == std::string::npos || path[dot] != '.') return "";
    const std::string extension = FoldCase(path.substr(dot + 1));
    if (extension == "de") return "GtoE";
    if (extension == "ed") return "EtoG";
    return "";
}
