#include "help/help_request.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t SkipBlanks(const std::string& text, size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

size_t WordEnd(const std::string& text, size_t at) {
    while (at < text.size() && !IsBlank(text[at])) ++at;
    return at;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// A quoted or a plain word starting at *at; *at moves behind it.
std::string TakeName(const std::string& text, size_t* at) {
    if (text[*at] == '"') {
        size_t closing = text.find('"', *at + 1);
        if (closing == std::string::npos) closing = text.size();
        std::string name = text.substr(*at + 1, closing - *at - 1);
        *at = closing < text.size() ? closing + 1 : closing;
        return name;
    }
    size_t end = WordEnd(text, *at);
    std::string name = text.substr(*at, end - *at);
    *at = end;
    return name;
}

bool TakeNumber(const std::string& word, int* number) {
    if (word.empty() || word.size() > 9) return false;
    *number = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        *number = *number * 10 + (c - '0');
    }
    return true;
}

std::string TrimRight(std::string text) {
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    return text;
}

}  // namespace

std::string FormatHelpRequest(const HelpRequest& request) {
    std::string text = request.file.empty() ? std::string() : "\"" + request.file + "\" ";
    switch (request.action) {
    case HelpAction::Contents: return text + "/contents";
    case HelpAction::Context: return text + "/context " + std::to_string(request.context);
    case HelpAction::Search: return TrimRight(text + "/search " + request.key);
    case HelpAction::UsingHelp: return text + "/helponhelp";
    case HelpAction::Quit: return text + "/quit";
    }
    return text;
}

bool ParseHelpRequest(const std::string& text, HelpRequest* request) {
    *request = HelpRequest();
    size_t at = SkipBlanks(text, 0);
    if (at < text.size() && text[at] != '/') request->file = TakeName(text, &at);
    at = SkipBlanks(text, at);
    if (at == text.size()) return true;  // a file alone: its contents

    size_t end = WordEnd(text, at);
    std::string name = Lower(text.substr(at, end - at));
    size_t argument = SkipBlanks(text, end);
    std::string rest = TrimRight(text.substr(argument));
    if (name == "/search") {
        request->action = HelpAction::Search;
        request->key = rest;
        return true;
    }
    if (name == "/context") {
        request->action = HelpAction::Context;
        return TakeNumber(rest, &request->context);
    }
    if (!rest.empty()) return false;
    if (name == "/contents") request->action = HelpAction::Contents;
    else if (name == "/helponhelp") request->action = HelpAction::UsingHelp;
    else if (name == "/quit") request->action = HelpAction::Quit;
    else return false;
    return true;
}

std::string CommandLineArguments(const std::string& commandLine) {
    size_t at = SkipBlanks(commandLine, 0);
    if (at < commandLine.size()) TakeName(commandLine, &at);
    return commandLine.substr(SkipBlanks(commandLine, at));
}
