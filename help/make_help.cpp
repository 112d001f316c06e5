// Build tool: turns the help text (UTF-8, as it is edited) into QD.hlp
// (Windows-1252, CR LF, without the comments), after checking that the viewer can read it and that every
// "Siehe auch" reaches a topic. A fault stops the build with its line.
//   qd_make_help <source> <QD.hlp>
#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "help/help_file.h"

namespace {

bool ReadWhole(const char* name, std::string* text) {
    FILE* file = fopen(name, "rb");
    if (!file) return false;
    char buffer[8192];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) text->append(buffer, got);
    bool ok = !ferror(file);
    fclose(file);
    return ok;
}

bool WriteWhole(const char* name, const std::string& text) {
    FILE* file = fopen(name, "wb");
    if (!file) return false;
    bool ok = fwrite(text.data(), 1, text.size(), file) == text.size();
    return fclose(file) == 0 && ok;
}

std::string Convert(const std::string& text, UINT from, UINT to, bool* lossless) {
    *lossless = true;
    if (text.empty()) return text;
    int size = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (wide == 0) {
        *lossless = false;
        return std::string();
    }
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), size, &utf16[0], wide);
    BOOL usedDefault = FALSE;
    BOOL* check = to == CP_UTF8 ? nullptr : &usedDefault;
    DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int bytes = WideCharToMultiByte(to, flags, utf16.data(), wide, nullptr, 0, nullptr, check);
    std::string converted(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(to, flags, utf16.data(), wide, &converted[0], bytes, nullptr, check);
    *lossless = !usedDefault;
    return converted;
}

// Our messages are Windows-1252; the build's terminal reads UTF-8.
void Complain(const char* source, int line, const std::string& message) {
    bool lossless;
    std::string text = Convert(message, 1252, CP_UTF8, &lossless);
    if (line > 0) fprintf(stderr, "%s:%d: %s\n", source, line, text.c_str());
    else fprintf(stderr, "%s: %s\n", source, text.c_str());
}

// Line by line, so that a fault names its line; line ends become CR LF.
bool ToWindows1252(const char* source, const std::string& utf8, std::string* converted) {
    size_t start = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // byte-order mark
    int line = 0;
    while (start < utf8.size()) {
        ++line;
        size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        std::string text = utf8.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        bool lossless;
        std::string line1252 = Convert(text, CP_UTF8, 1252, &lossless);
        if (!lossless) {
            Complain(source, line, "kein UTF-8, oder ein Zeichen, das Windows-1252 nicht kennt");
            return false;
        }
        *converted += line1252 + "\r\n";
        start = end + 1;
    }
    return true;
}

// The shipped file needs no comments: they speak of the source.
std::string WithoutComments(const std::string& text) {
    std::string kept;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        if (text[start] != '#') kept.append(text, start, end - start);
        start = end;
    }
    return kept;
}

bool Check(const char* source, const std::string& text) {
    HelpFile help;
    HelpFileError error;
    if (!ParseHelpFile(text, &help, &error)) {
        Complain(source, error.line, error.message);
        return false;
    }
    std::vector<std::string> missing = MissingLinks(help);
    for (const std::string& link : missing) Complain(source, 0, link + " ohne Thema");
    return missing.empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: qd_make_help <source> <QD.hlp>\n");
        return 2;
    }
    std::string source, converted;
    if (!ReadWhole(argv[1], &source)) {
        fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    if (!ToWindows1252(argv[1], source, &converted) || !Check(argv[1], converted)) return 1;
    if (!WriteWhole(argv[2], WithoutComments(converted))) {
        fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
