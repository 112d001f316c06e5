#include "lexicon/user_lexicon_file.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <unordered_set>

namespace {
constexpr std::string_view kSignature = "QUENDEL USER LEXICON";
constexpr std::string_view kDirectionKey = "direction";
constexpr std::string_view kAreaKey = "area";
constexpr std::string_view kEntryKey = "entry";
constexpr std::string_view kEndKey = "end";
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kMaxFields = 5;  // an entry line: key and four fields

bool IsValidField(std::string_view field) {
    return std::none_of(field.begin(), field.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool IsFilledField(std::string_view field) { return !field.empty() && IsValidField(field); }

// The area codes met so far; a set, so that a file of many areas parses in n log n.
using AreaCodes = std::unordered_set<std::string>;

// The rules an area must meet after the ones before it, when reading and writing alike.
bool AreaFits(const LexiconArea& area, const AreaCodes& earlier) {
    return IsFilledField(area.code) && IsFilledField(area.name) && !earlier.count(area.code);
}

bool EntryFits(const LexiconEntry& entry, const AreaCodes& areas) {
    return IsFilledField(entry.source) && IsFilledField(entry.translation) &&
           IsValidField(entry.partOfSpeech) && IsValidField(entry.area) &&
           (entry.area.empty() || areas.count(entry.area));
}

// Hands out the file's lines one at a time, without their CR LF. A line that is
// not closed by CR LF (a file cut short, or one with bare line feeds) stops it.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    bool Next(std::string_view& line) {
        std::size_t end = rest_.find(kLineEnd);
        if (end == std::string_view::npos) return false;
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + kLineEnd.size());
        return true;
    }
    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// Splits a line at its tabs; returns how many fields it has (kMaxFields + 1 for
// anything longer, whose surplus is not stored).
int SplitFields(std::string_view line, std::string_view (&fields)[kMaxFields]) {
    int count = 0;
    for (;;) {
        std::size_t tab = line.find('\t');
        if (count == kMaxFields) return kMaxFields + 1;
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos) return count;
        line.remove_prefix(tab + 1);
    }
}

// A plain decimal number of at most nine digits.
bool ParseCount(std::string_view text, long& value) {
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

LexiconStatus CheckVersion(std::string_view line) {
    std::string_view fields[kMaxFields];
    long version = 0;
    if (SplitFields(line, fields) != 2 || !ParseCount(fields[1], version))
        return LexiconStatus::Damaged;
    if (version > kLexiconFormatVersion) return LexiconStatus::NewerVersion;
    return version == kLexiconFormatVersion ? LexiconStatus::Ok : LexiconStatus::Damaged;
}

bool ReadDirection(LineReader& lines, LexiconContent& out) {
    std::string_view line;
    std::string_view fields[kMaxFields];
    if (!lines.Next(line) || SplitFields(line, fields) != 2 || fields[0] != kDirectionKey ||
        !IsFilledField(fields[1]))
        return false;
    out.direction.assign(fields[1]);
    return true;
}

// Reads the area and entry lines up to the end line, which must close the file.
bool ReadBody(LineReader& lines, LexiconContent& out) {
    std::string_view line;
    std::string_view fields[kMaxFields];
    AreaCodes codes;
    while (lines.Next(line)) {
        int count = SplitFields(line, fields);
        if (fields[0] == kAreaKey && count == 3 && out.entries.empty()) {
            LexiconArea area{std::string(fields[1]), std::string(fields[2])};
            if (!AreaFits(area, codes)) return false;
            codes.insert(area.code);
            out.areas.push_back(std::move(area));
        } else if (fields[0] == kEntryKey && count == 5) {
            LexiconEntry entry{std::string(fields[1]), std::string(fields[2]),
                               std::string(fields[3]), std::string(fields[4])};
            if (!EntryFits(entry, codes)) return false;
            out.entries.push_back(std::move(entry));
        } else if (fields[0] == kEndKey && count == 2) {
            long entries = 0;
            return ParseCount(fields[1], entries) &&
                   static_cast<std::size_t>(entries) == out.entries.size() && lines.AtEnd();
        } else {
            return false;
        }
    }
    return false;
}

LexiconStatus ParseInto(const std::string& bytes, LexiconContent& out) {
    if (bytes.compare(0, kSignature.size(), kSignature) != 0 ||
        bytes.size() == kSignature.size() || bytes[kSignature.size()] != '\t')
        return LexiconStatus::Foreign;

    LineReader lines(bytes);
    std::string_view line;
    if (!lines.Next(line)) return LexiconStatus::Damaged;
    LexiconStatus version = CheckVersion(line);
    if (version != LexiconStatus::Ok) return version;

    bool whole = ReadDirection(lines, out) && ReadBody(lines, out);
    return whole ? LexiconStatus::Ok : LexiconStatus::Damaged;
}

void AppendLine(std::string& bytes, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) bytes += '\t';
        bytes.append(field);
        first = false;
    }
    bytes.append(kLineEnd);
}

LexiconStatus CheckContent(const LexiconContent& content) {
    if (!IsFilledField(content.direction)) return LexiconStatus::InvalidContent;
    AreaCodes codes;
    for (const LexiconArea& area : content.areas) {
        if (!AreaFits(area, codes)) return LexiconStatus::InvalidContent;
        codes.insert(area.code);
    }
    for (const LexiconEntry& entry : content.entries)
        if (!EntryFits(entry, codes)) return LexiconStatus::InvalidContent;
    return LexiconStatus::Ok;
}
}  // namespace

bool IsValidLexiconField(const std::string& field) { return IsValidField(field); }

LexiconStatus ParseUserLexicon(const std::string& bytes, LexiconContent& out) {
    LexiconContent content;
    LexiconStatus status = ParseInto(bytes, content);
    out = status == LexiconStatus::Ok ? std::move(content) : LexiconContent{};
    return status;
}

LexiconStatus SerializeUserLexicon(const LexiconContent& content, std::string& bytes) {
    bytes.clear();
    LexiconStatus status = CheckContent(content);
    if (status != LexiconStatus::Ok) return status;

    AppendLine(bytes, {kSignature, std::to_string(kLexiconFormatVersion)});
    AppendLine(bytes, {kDirectionKey, content.direction});
    for (const LexiconArea& area : content.areas) AppendLine(bytes, {kAreaKey, area.code, area.name});
    for (const LexiconEntry& entry : content.entries)
        AppendLine(bytes, {kEntryKey, entry.source, entry.translation, entry.partOfSpeech, entry.area});
    AppendLine(bytes, {kEndKey, std::to_string(content.entries.size())});
    return LexiconStatus::Ok;
}
