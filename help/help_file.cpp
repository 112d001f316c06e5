#include "help/help_file.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kLargestContext = 999999999;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string TrimLeft(const std::string& text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

bool IsEmptyLine(const std::string& line) { return TrimLeft(line).empty(); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    // A final line end ends the last line; it starts no new one.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// The first word of text, and in rest what follows it without leading blanks.
std::string FirstWord(const std::string& text, std::string* rest) {
    std::string trimmed = TrimLeft(text);
    size_t end = 0;
    while (end < trimmed.size() && !IsBlank(trimmed[end])) ++end;
    if (rest) *rest = TrimRight(TrimLeft(trimmed.substr(end)));
    return trimmed.substr(0, end);
}

// A topic number: digits only, 1 to kLargestContext. 0 when word is none.
int ContextNumber(const std::string& word) {
    if (word.empty() || word.size() > 9) return 0;
    int number = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

// Reads the file line by line; each directive changes what the next lines mean.
class HelpFileReader {
public:
    explicit HelpFileReader(HelpFile* file) : file_(file) {}

    bool Read(const std::string& text) {
        std::vector<std::string> lines = SplitLines(text);
        for (size_t i = 0; i < lines.size(); ++i) {
            lineNumber_ = static_cast<int>(i) + 1;
            if (!ReadLine(lines[i])) return false;
        }
        return Finish();
    }

    HelpFileError error;

private:
    bool Fail(const std::string& message, int line) {
        error.line = line;
        error.message = message;
        return false;
    }
    bool Fail(const std::string& message) { return Fail(message, lineNumber_); }

    bool ReadLine(const std::string& line) {
        if (!line.empty() && line[0] == '#') return true;
        if (line.compare(0, 2, "@@") == 0) return ReadText(line.substr(1));
        if (!line.empty() && line[0] == '@') return ReadDirective(line.substr(1));
        return ReadText(line);
    }

    bool ReadText(const std::string& line) {
        if (file_->topics.empty()) {
            if (IsEmptyLine(line)) return true;
            return Fail(seenHeader_ ? "Text vor dem ersten Thema (@topic)."
                                    : "Keine Hilfedatei: die erste Zeile muss @help sein.");
        }
        file_->topics.back().lines.push_back(TrimRight(line));
        return true;
    }

    bool ReadDirective(const std::string& directive) {
        std::string rest;
        std::string name = FirstWord(directive, &rest);
        if (!seenHeader_ && name != "help")
            return Fail("Keine Hilfedatei: die erste Zeile muss @help sein.");
        if (name == "help") return ReadHeader(rest);
        if (name == "contents") return ReadHeaderNumber(rest, &file_->contents);
        if (name == "usinghelp") return ReadHeaderNumber(rest, &file_->usingHelp);
        if (name == "topic") return ReadTopic(rest);
        if (name == "see") return ReadSeeAlso(rest);
        return Fail("Unbekannte Anweisung @" + name + ".");
    }

    bool ReadHeader(const std::string& title) {
        if (seenHeader_) return Fail("@help steht zweimal.");
        if (title.empty()) return Fail("@help ohne Titel.");
        seenHeader_ = true;
        file_->title = title;
        return true;
    }

    bool ReadHeaderNumber(const std::string& text, int* number) {
        if (!file_->topics.empty())
            return Fail("@contents und @usinghelp gehören vor das erste Thema.");
        std::string rest;
        *number = ContextNumber(FirstWord(text, &rest));
        if (*number == 0 || !rest.empty()) return Fail("Hier wird eine Themennummer erwartet.");
        return true;
    }

    bool ReadTopic(const std::string& text) {
        HelpTopic topic;
        std::string title;
        topic.context = ContextNumber(FirstWord(text, &title));
        if (topic.context == 0) return Fail("@topic braucht eine Nummer von 1 bis 999999999.");
        if (title.empty())
            return Fail("Thema " + std::to_string(topic.context) + " hat keinen Titel.");
        if (!numbers_.insert(topic.context).second)
            return Fail("Thema " + std::to_string(topic.context) + " steht zweimal in der Datei.");
        topic.title = title;
        topic.line = lineNumber_;
        CloseTopic();
        file_->topics.push_back(topic);
        return true;
    }

    bool ReadSeeAlso(const std::string& text) {
        if (file_->topics.empty()) return Fail("@see gehört zu einem Thema.");
        std::string rest = text;
        if (rest.empty()) return Fail("@see ohne Themennummer.");
        while (!rest.empty()) {
            int number = ContextNumber(FirstWord(rest, &rest));
            if (number == 0) return Fail("@see nennt Themen nur mit ihren Nummern.");
            file_->topics.back().seeAlso.push_back(number);
        }
        return true;
    }

    // Blank lines around a topic's text are no part of it.
    void CloseTopic() {
        if (file_->topics.empty()) return;
        std::vector<std::string>& lines = file_->topics.back().lines;
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        auto first = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& line) { return !line.empty(); });
        lines.erase(lines.begin(), first);
    }

    bool Finish() {
        CloseTopic();
        if (!seenHeader_) return Fail("Keine Hilfedatei: die erste Zeile muss @help sein.", 1);
        if (file_->topics.empty()) return Fail("Die Hilfedatei enthält kein Thema.", 0);
        if (file_->contents != 0 && !file_->Find(file_->contents))
            return Fail("@contents nennt ein Thema, das es nicht gibt.", 0);
        if (file_->usingHelp != 0 && !file_->Find(file_->usingHelp))
            return Fail("@usinghelp nennt ein Thema, das es nicht gibt.", 0);
        return true;
    }

    HelpFile* file_;
    int lineNumber_ = 0;
    bool seenHeader_ = false;
    std::set<int> numbers_;
};

bool IsBulletItem(const std::string& line) { return line.compare(0, 2, "- ") == 0; }

// "1. ", "12. ": a step of a numbered list, shown as written.
bool IsNumberedItem(const std::string& line) {
    size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    return digits > 0 && line.compare(digits, 2, ". ") == 0;
}

// Windows-1252 upper-case letters with a lower-case partner 0x20 above them.
bool HasLowerPartner(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string rest = text;
    while (!TrimLeft(rest).empty()) words.push_back(FirstWord(rest, &rest));
    return words;
}

bool HoldsAll(const std::string& folded, const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (folded.find(word) == std::string::npos) return false;
    return true;
}

int CountIn(const std::string& folded, const std::vector<std::string>& words) {
    int count = 0;
    for (const std::string& word : words)
        if (folded.find(word) != std::string::npos) ++count;
    return count;
}

struct SearchHit {
    const HelpTopic* topic;
    int wordsInTitle;
    std::string foldedTitle;
};

bool BetterHit(const SearchHit& a, const SearchHit& b) {
    if (a.wordsInTitle != b.wordsInTitle) return a.wordsInTitle > b.wordsInTitle;
    if (a.foldedTitle != b.foldedTitle) return a.foldedTitle < b.foldedTitle;
    return a.topic->context < b.topic->context;
}

}  // namespace

const HelpTopic* HelpFile::Find(int context) const {
    for (const HelpTopic& topic : topics)
        if (topic.context == context) return &topic;
    return nullptr;
}

const HelpTopic* HelpFile::ContentsTopic() const {
    if (contents != 0) return Find(contents);
    return topics.empty() ? nullptr : &topics.front();
}

const HelpTopic* HelpFile::UsingHelpTopic() const {
    if (usingHelp != 0) return Find(usingHelp);
    return ContentsTopic();
}

bool ParseHelpFile(const std::string& text, HelpFile* file, HelpFileError* error) {
    *file = HelpFile();
    HelpFileReader reader(file);
    if (reader.Read(text)) return true;
    *error = reader.error;
    return false;
}

std::vector<std::string> MissingLinks(const HelpFile& file) {
    std::vector<std::string> missing;
    for (const HelpTopic& topic : file.topics)
        for (int link : topic.seeAlso)
            if (!file.Find(link))
                missing.push_back("Thema " + std::to_string(topic.context) + ": Verweis auf " +
                                  std::to_string(link));
    return missing;
}

std::string TopicText(const HelpTopic& topic) {
    std::string text;
    bool inParagraph = false;  // the previous line carried text
    bool breakPending = false;
    for (const std::string& line : topic.lines) {
        if (IsEmptyLine(line)) {
            breakPending = !text.empty();
            inParagraph = false;
            continue;
        }
        if (breakPending) text += "\r\n\r\n";
        breakPending = false;
        if (IsBulletItem(line) || IsNumberedItem(line)) {
            if (inParagraph) text += "\r\n";
            text += IsBulletItem(line) ? "• " + TrimLeft(line.substr(2)) : line;
        } else {
            if (inParagraph) text += ' ';
            text += TrimLeft(line);
        }
        inParagraph = true;
    }
    return text;
}

std::string FoldText(const std::string& text) {
    std::string folded;
    folded.reserve(text.size());
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (HasLowerPartner(byte)) byte = static_cast<unsigned char>(byte + 0x20);
        switch (byte) {
        case 0xE4: folded += 'a'; break;   // ä
        case 0xF6: folded += 'o'; break;   // ö
        case 0xFC: folded += 'u'; break;   // ü
        case 0xDF: folded += "ss"; break;  // ß
        default: folded += static_cast<char>(byte); break;
        }
    }
    return folded;
}

std::vector<const HelpTopic*> SearchTopics(const HelpFile& file, const std::string& query) {
    std::vector<std::string> words = Words(FoldText(query));
    std::vector<SearchHit> hits;
    for (const HelpTopic& topic : file.topics) {
        std::string title = FoldText(topic.title);
        if (HoldsAll(title + '\n' + FoldText(TopicText(topic)), words))
            hits.push_back(SearchHit{&topic, CountIn(title, words), title});
    }
    std::sort(hits.begin(), hits.end(), BetterHit);
    std::vector<const HelpTopic*> found;
    for (const SearchHit& hit : hits) found.push_back(hit.topic);
    return found;
}
