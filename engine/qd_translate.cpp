// Translates UTF-8 text from standard input line by line through the program's
// own engine binding, sentence scanner and sentence translation, and writes the
// translations as UTF-8 to standard output. Which direction is the build's:
// qdtrans_ge.exe links the QDGE profile, qdtrans_eg.exe the QDEG one.
//   qdtrans_xx.exe [--stats]
// With --stats the number of sentences, the time taken and the unrecognised
// words go to standard error.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "core/sentence_translation.h"
#include "engine/text_1252.h"
#include "textwin/window_registry.h"

namespace {

void NoNotice() {}
void NoPathNotice(const char*) {}

std::string ProgramDirectory() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

// Without word wrap: a 100-pixel edit control would lay its text out again on
// every append, which costs more than translating the sentence.
HWND HiddenEdit() {
    HWND edit = CreateWindowA("EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    return edit;
}

std::string EditText(HWND edit) {
    int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(edit, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The words after every "Unbekannt: " line of the messages window.
int CountUnknown(const std::string& messages) {
    int count = 0;
    const std::string marker = "Unbekannt: ";
    for (std::size_t p = messages.find(marker); p != std::string::npos; p = messages.find(marker, p + 1)) {
        std::size_t end = messages.find('\r', p);
        std::string words = messages.substr(p + marker.size(), end == std::string::npos ? std::string::npos : end - p - marker.size());
        bool inWord = false;
        for (char c : words) {
            if (c != ' ' && !inWord) ++count;
            inWord = c != ' ';
        }
    }
    return count;
}

std::string TranslateLine(const std::string& line) {
    SetWindowTextA(g_windows.outputEdit, "");
    int length = static_cast<int>(line.size());
    int start = 0;
    while (start < length) {
        int end = FindSentenceEnd(line.c_str(), length, start);
        if (end > length) end = length;
        if (end <= start) break;
        std::vector<char> piece(line.begin() + start, line.begin() + end);
        piece.push_back('\0');
        TranslateSentence(piece.data());
        start = end;
    }
    g_run.endOfText = false;
    std::string out = EditText(g_windows.outputEdit);
    // the untranslated mark of a refused sentence stays; line breaks do not
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const bool stats = argc > 1 && std::strcmp(argv[1], "--stats") == 0;
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    g_notices = TranslationNotices{NoNotice, NoNotice, NoPathNotice};
    g_windows.outputEdit = HiddenEdit();
    g_windows.messagesEdit = HiddenEdit();

    const std::string dir = ProgramDirectory();
    if (BindEngine("Velloc.dll") != kEngineBound) {
        std::fprintf(stderr, "qdtrans: Velloc.dll not found beside the program\n");
        return 1;
    }
    const char* base = std::strcmp(CurrentBuild().directionTag, "GtoE") == 0 ? "QDGE" : "QDEG";
    const std::string catalogue = dir + base + ".LCT";
    auto started = std::chrono::steady_clock::now();
    if (g_engine.InitializeProlog(1, dir.c_str(), catalogue.c_str()) != 0) {
        std::fprintf(stderr, "qdtrans: the engine cannot open %s\n", catalogue.c_str());
        return 1;
    }
    LinkBuiltinSubjectAreas();
    SendEngineOptions();

    int sentences = 0, unknown = 0;
    auto translating = std::chrono::steady_clock::now();
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SetWindowTextA(g_windows.messagesEdit, "");
        std::string out = TranslateLine(velloc::Utf8To1252(line));
        std::string utf8 = velloc::Cp1252ToUtf8(out);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fputc('\n', stdout);
        unknown += CountUnknown(EditText(g_windows.messagesEdit));
        ++sentences;
    }
    std::fflush(stdout);
    if (stats) {
        auto done = std::chrono::steady_clock::now();
        double init = std::chrono::duration<double>(translating - started).count();
        double seconds = std::chrono::duration<double>(done - translating).count();
        std::fprintf(stderr, "lines %d seconds %.3f lines/s %.1f unknown %d init %.3f\n", sentences, seconds,
                     seconds > 0 ? sentences / seconds : 0.0, unknown, init);
    }
    ReleaseEngine();
    return 0;
}
