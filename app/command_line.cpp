#include "app/command_line.h"

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
}  // namespace

std::string ArgumentText(const char* commandLine) {
    std::string line = commandLine ? commandLine : "";
    size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        size_t closing = line.find('"', 1);
        at = closing == std::string::npos ? line.size() : closing + 1;
    }
    size_t blank = line.find_first_of(" \t", at);
    if (blank == std::string::npos) return std::string();
    return line.substr(SkipBlanks(line, blank));
}

std::string ProgramDirectory(const char* programPath) {
    std::string path = programPath;
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string HelpFilePath(const char* programPath) {
    std::string path = std::string(programPath).substr(0, 159);
    size_t cut = path.size();
    while (cut > 1 && path[cut - 1] != '\\' && path[cut - 1] != ':') --cut;
    path.resize(cut);
    return path + (path.size() + 12 >= 160 ? "?" : "QD.hlp");
}

CommandLineRequest ParseArguments(const std::string& arguments) {
    CommandLineRequest request;
    if (arguments.empty()) return request;

    size_t at = SkipBlanks(arguments, 0);
    if (at < arguments.size() && arguments[at] == '/') {
        size_t end = WordEnd(arguments, at);
        request.switchSet = true;
        request.pendingSwitch = arguments.substr(at, end - at);
        at = SkipBlanks(arguments, end);
        // Two switches in a row: the first stays pending, nothing else happens.
        if (at < arguments.size() && arguments[at] == '/') return request;
    }

    size_t end = WordEnd(arguments, at);
    request.pendingFile = arguments.substr(at, end - at);
    // A word after the file name replaces a switch given before it; trailing
    // blanks are no word and leave the switch as it was.
    size_t next = SkipBlanks(arguments, end);
    if (next < arguments.size()) {
        request.switchSet = true;
        request.pendingSwitch = arguments.substr(next, WordEnd(arguments, next) - next);
    }

    const std::string& s = request.pendingSwitch;
    if (request.switchSet && (s == "/W" || s == "/T" || s == "/S"))
        request.action = CommandLineRequest::TranslateFile;
    else
        request.action = CommandLineRequest::LoadAndTranslate;
    return request;
}
