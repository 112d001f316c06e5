// A scripted stand-in for the translation engine (Velloc.dll), for driving the
// programs from tests. It answers from a script and records every call.
//
// QD_FAKE_SCRIPT names the script: a Windows-1252 text, one answer per line,
// fields separated by '|'. Blank lines and lines starting with '#' are skipped.
//
//   init|<result>                                   InitializeProlog's result (default 0)
//   sentence|<text>|<result>|<translation>|<error type>|<unrecognised words>
//                                                   QP_query_tsent's answer for <text>
//   raise|<text>|access                             QP_query_tsent writes through a null pointer
//   raise|<text>|foreign                            QP_query_tsent raises 0xE06D7363, the
//                                                   exception of another compiler's C++ code
//   abbrev|<word>|<result>|<flag>                   QP_query_getabbrev's answer for <word>
//   option|<name>|<value or *>|<result>             QP_query_setqdoption's result; * = any value
//   qtimeout|<result>                               QP_query_qtimeout's answer (default 0)
//
// <text> is compared with the incoming sentence after OemToCharA, exactly. Inside
// a field "\r", "\n", "\t" and "\|" stand for CR, LF, tab and '|'; any other
// backslash is itself. The first line that fits answers. Unscripted sentences are
// translated as "EN(<sentence>)" with error type 0 and no unrecognised words;
// unscripted words get result 0 with flag 1 (the period ends the sentence);
// unscripted options are set (0). The script is read again whenever it changes,
// so a test may change the answers while the program runs.
//
// QD_FAKE_LOG names the log: each call appends one line, in Windows-1252, with
// the call's name (the "QP_query_"/"QP_" prefix dropped) and its arguments:
//   InitializeProlog|1|C:\qd\|C:\qd\QDGE.LCT     setqdoption|rap|on
//   tsent|<sentence after OemToCharA>            getabbrev|Dr.
//   StringFromAtom|<atom>    qtimeout    clearlmt    opendbn    closedbn
// CR, LF and tab in an argument are written as "\r", "\n", "\t". A script line
// that cannot be read is logged as "bad-script-line|<number>|<line>". Atoms
// count from 1 within a process: the k-th tsent answers translation atom 2k-1 and
// unrecognised-words atom 2k.
//
// Built three times: scripted (as above), noentry (QP_query_qtimeout not
// exported) and initfail (InitializeProlog always answers 1).
#include <windows.h>
#include <stdlib.h>

#include <deque>
#include <string>
#include <vector>

#include "tests/support/whole_file.h"

#if defined(QD_FAKE_NO_QTIMEOUT)
#define QD_QTIMEOUT_EXPORT
#else
#define QD_QTIMEOUT_EXPORT __declspec(dllexport)
#endif
#define QD_EXPORT __declspec(dllexport)

namespace {

constexpr DWORD kForeignCppException = 0xE06D7363;
constexpr ULONG_PTR kForeignCppMagic = 0x19930520;

using Fields = std::vector<std::string>;

// Read from the process each time: a test may set it after the library loaded.
std::string Environment(const char* name) {
    char value[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string FromOem(const char* oem) {
    std::string text = oem ? oem : "";
    if (!text.empty()) OemToCharA(text.c_str(), &text[0]);
    return text;
}

std::string ToOem(const std::string& ansi) {
    std::string text = ansi;
    if (!text.empty()) CharToOemA(text.c_str(), &text[0]);
    return text;
}

std::string EscapeForLog(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c; break;
        }
    }
    return out;
}

// One line per call, opened for appending each time so that several processes
// can share the log and nothing is lost when the program is ended.
void Log(const Fields& fields) {
    std::string path = Environment("QD_FAKE_LOG");
    if (path.empty()) return;
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) line += '|';
        line += EscapeForLog(fields[i]);
    }
    line += "\r\n";
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

// The character that backslash-c stands for, or '\0' when c escapes nothing.
char Escaped(char c) {
    switch (c) {
    case 'r': return '\r';
    case 'n': return '\n';
    case 't': return '\t';
    case '|': return '|';
    default: return '\0';
    }
}

// Splits a script line at unescaped bars and resolves the escapes.
Fields SplitFields(const std::string& line) {
    Fields fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        char escaped = line[i] == '\\' && i + 1 < line.size() ? Escaped(line[i + 1]) : '\0';
        if (escaped) {
            fields.back() += escaped;
            ++i;
        } else if (line[i] == '|') {
            fields.emplace_back();
        } else {
            fields.back() += line[i];
        }
    }
    return fields;
}

bool IsInteger(const std::string& text) {
    if (text.empty()) return false;
    char* end = nullptr;
    strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

// Field counts and which fields hold integers, per keyword.
bool IsWellFormed(const Fields& f) {
    const std::string& kind = f[0];
    if (kind == "init" || kind == "qtimeout") return f.size() == 2 && IsInteger(f[1]);
    if (kind == "sentence") return f.size() == 6 && IsInteger(f[2]) && IsInteger(f[4]);
    if (kind == "raise") return f.size() == 3 && (f[2] == "access" || f[2] == "foreign");
    if (kind == "abbrev") return f.size() == 4 && IsInteger(f[2]) && IsInteger(f[3]);
    if (kind == "option") return f.size() == 4 && IsInteger(f[3]);
    return false;
}

class Script {
public:
    // The lines whose first field is kind, re-reading the file when it changed.
    std::vector<Fields> LinesOf(const char* kind) {
        Refresh();
        std::vector<Fields> found;
        for (const Fields& line : lines_)
            if (line[0] == kind) found.push_back(line);
        return found;
    }

private:
    struct Stamp {
        FILETIME written{};
        DWORD size = 0;
        bool present = false;
        bool operator==(const Stamp& o) const {
            return present == o.present && size == o.size &&
                   CompareFileTime(&written, &o.written) == 0;
        }
    };

    static Stamp StampOf(const std::string& path) {
        Stamp stamp;
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!path.empty() && GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
            stamp.present = true;
            stamp.written = data.ftLastWriteTime;
            stamp.size = data.nFileSizeLow;
        }
        return stamp;
    }

    void Refresh() {
        std::string path = Environment("QD_FAKE_SCRIPT");
        Stamp now = StampOf(path);
        if (loaded_ && path == path_ && now == stamp_) return;
        loaded_ = true;
        path_ = path;
        stamp_ = now;
        lines_.clear();
        if (!now.present) return;
        Parse(qd::ReadWholeFile(path));
    }

    void Parse(const std::string& text) {
        size_t start = 0;
        for (int number = 1; start < text.size(); ++number) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            Fields fields = SplitFields(line);
            if (IsWellFormed(fields))
                lines_.push_back(fields);
            else
                Log({"bad-script-line", std::to_string(number), line});
        }
    }

    bool loaded_ = false;
    std::string path_;
    Stamp stamp_;
    std::vector<Fields> lines_;
};

Script g_script;
std::deque<std::string> g_atoms;  // OEM texts; a deque keeps handed-out pointers valid

int NewAtom(const std::string& oemText) {
    g_atoms.push_back(oemText);
    return static_cast<int>(g_atoms.size());
}

int ScriptedResult(const char* kind, int defaultResult) {
    std::vector<Fields> lines = g_script.LinesOf(kind);
    return lines.empty() ? defaultResult : atoi(lines[0][1].c_str());
}

void WriteThroughNull() {
    volatile int* volatile target = nullptr;
    *target = 1;
}

void RaiseForeignCppException() {
    // The parameters another compiler's runtime passes: magic, object, type info.
    ULONG_PTR arguments[3] = {kForeignCppMagic, 0, 0};
    RaiseException(kForeignCppException, EXCEPTION_NONCONTINUABLE, 3, arguments);
}

void RaiseIfScripted(const std::string& sentence) {
    for (const Fields& f : g_script.LinesOf("raise")) {
        if (f[1] != sentence) continue;
        if (f[2] == "access")
            WriteThroughNull();
        else
            RaiseForeignCppException();
    }
}

}  // namespace

extern "C" {

QD_EXPORT int WINAPI InitializeProlog(int mode, const char* programDir, const char* catalogue) {
    Log({"InitializeProlog", std::to_string(mode), programDir ? programDir : "",
         catalogue ? catalogue : ""});
#if defined(QD_FAKE_INIT_FAILS)
    return 1;
#else
    return ScriptedResult("init", 0);
#endif
}

QD_EXPORT int WINAPI QP_query_getabbrev(const char* word, int* flag) {
    std::string text = word ? word : "";
    Log({"getabbrev", text});
    for (const Fields& f : g_script.LinesOf("abbrev")) {
        if (f[1] != text) continue;
        *flag = atoi(f[3].c_str());
        return atoi(f[2].c_str());
    }
    *flag = 1;
    return 0;
}

QD_EXPORT int WINAPI QP_query_tsent(HWND, const char* oemSentence, int* translationAtom,
                                    int* errorType, int* unknownAtom) {
    std::string sentence = FromOem(oemSentence);
    Log({"tsent", sentence});
    RaiseIfScripted(sentence);

    int result = 0;
    std::string translation = "EN(" + sentence + ")";
    int type = 0;
    std::string unknown;
    for (const Fields& f : g_script.LinesOf("sentence")) {
        if (f[1] != sentence) continue;
        result = atoi(f[2].c_str());
        translation = f[3];
        type = atoi(f[4].c_str());
        unknown = f[5];
        break;
    }
    *translationAtom = NewAtom(ToOem(translation));
    *unknownAtom = NewAtom(ToOem(unknown));
    *errorType = type;
    return result;
}

QD_QTIMEOUT_EXPORT int WINAPI QP_query_qtimeout(void) {
    Log({"qtimeout"});
    return ScriptedResult("qtimeout", 0);
}

QD_EXPORT const char* WINAPI QP_StringFromAtom(int atom) {
    Log({"StringFromAtom", std::to_string(atom)});
    if (atom < 1 || atom > static_cast<int>(g_atoms.size())) return "";
    return g_atoms[atom - 1].c_str();
}

QD_EXPORT int WINAPI QP_query_clearlmt(void) {
    Log({"clearlmt"});
    return 0;
}

QD_EXPORT int WINAPI QP_query_setqdoption(const char* name, const char* value, int*) {
    std::string option = name ? name : "";
    std::string text = value ? value : "";
    Log({"setqdoption", option, text});
    for (const Fields& f : g_script.LinesOf("option")) {
        if (f[1] == option && (f[2] == "*" || f[2] == text)) return atoi(f[3].c_str());
    }
    return 0;
}

QD_EXPORT int WINAPI QP_query_opendbn(void) {
    Log({"opendbn"});
    return 0;
}

QD_EXPORT int WINAPI QP_query_closedbn(void) {
    Log({"closedbn"});
    return 0;
}

}  // extern "C"
