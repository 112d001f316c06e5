#pragma once
// QD.hlp: the help text that the viewer shows, read from its plain-text form.
// Pure text handling (no windows), so the viewer, the build tool and the unit
// tests share it. The format is described in help/README.md.
#include <string>
#include <vector>

struct HelpTopic {
    int context = 0;                 // the number the program asks for
    std::string title;
    std::vector<std::string> lines;  // the text as written, without the directives
    std::vector<int> seeAlso;        // "Siehe auch": topics named by number
    int line = 0;                    // where "@topic" stands, for messages
};

struct HelpFile {
    std::string title;       // of "@help"
    int contents = 0;        // topic of the contents page; 0: the first topic
    int usingHelp = 0;       // topic on using help; 0: the contents page
    std::vector<HelpTopic> topics;  // in the order of the file

    const HelpTopic* Find(int context) const;
    const HelpTopic* ContentsTopic() const;
    const HelpTopic* UsingHelpTopic() const;
};

struct HelpFileError {
    int line = 0;         // 0: the file as a whole
    std::string message;  // German, for the viewer's message box and the build
};

// Reads the help text (lines ended by CR LF or LF). On success fills file and
// returns true; otherwise describes the first fault in error.
bool ParseHelpFile(const std::string& text, HelpFile* file, HelpFileError* error);

// "Siehe auch" numbers that name no topic, each as "Thema 12: Verweis auf 34".
std::vector<std::string> MissingLinks(const HelpFile& file);

// The topic's text as the viewer shows it, lines ended by CR LF: the lines of a
// paragraph joined by single blanks, blank lines between paragraphs kept, each
// "- " line a list item of its own starting with a bullet, and each "1. " line a
// numbered step of its own. Indented lines after an item continue it.
std::string TopicText(const HelpTopic& topic);

// Text folded for comparing: lower case, umlauts without their dots, ß as ss.
// Windows-1252.
std::string FoldText(const std::string& text);

// Topics whose title or text holds every word of query (folded; a word may be
// part of a longer one), those whose title holds more of the words first, then by
// title. An empty query gives every topic, sorted by title.
std::vector<const HelpTopic*> SearchTopics(const HelpFile& file, const std::string& query);
