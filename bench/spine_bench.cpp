// Figures of the translation spine, for ./qd bench:
//  - the scanner splitting a German text into sentences (MB/s), with the engine
//    double answering the abbreviation questions;
//  - the time TranslateSentence spends per sentence outside the engine.
// Usage: qd_spine_bench TEXT-FILE ENGINE-DLL
#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/message_log.h"
#include "core/progress.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "core/sentence_translation.h"
#include "textwin/window_registry.h"
#include "bench/bench_clock.h"

namespace {

std::string ReadFileBytes(const char* path) {
    std::string bytes;
    FILE* file = fopen(path, "rb");
    if (!file) return bytes;
    char chunk[65536];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    fclose(file);
    return bytes;
}

// Splits the whole text the way a file translation walks it, sentence by sentence.
int SplitAll(const std::string& text) {
    int sentences = 0;
    int position = 0;
    const int length = static_cast<int>(text.size());
    while (position < length) {
        int end = FindSentenceEnd(text.c_str(), length, position);
        ++sentences;
        position = end;
    }
    return sentences;
}

int g_abbreviationCalls;
double g_abbreviationSeconds;
int(WINAPI* g_realAbbrev)(const char*, int*);
int WINAPI CountingAbbrev(const char* word, int* flag) {
    ++g_abbreviationCalls;
    double start = Now();
    int result = g_realAbbrev(word, flag);
    g_abbreviationSeconds += Now() - start;
    return result;
}

double g_engineSeconds;
int(WINAPI* g_realTranslate)(HWND, const char*, int*, int*, int*);
int WINAPI TimedTranslate(HWND progress, const char* sentence, int* a, int* e, int* u) {
    double start = Now();
    int result = g_realTranslate(progress, sentence, a, e, u);
    g_engineSeconds += Now() - start;
    return result;
}

// The engine's other calls of a sentence count as the engine's time too: the double
// logs each one to a file.
const char*(WINAPI* g_realStringFromAtom)(int);
const char* WINAPI TimedStringFromAtom(int atom) {
    double start = Now();
    const char* result = g_realStringFromAtom(atom);
    g_engineSeconds += Now() - start;
    return result;
}
int(WINAPI* g_realClearLimits)();
int WINAPI TimedClearLimits() {
    double start = Now();
    int result = g_realClearLimits();
    g_engineSeconds += Now() - start;
    return result;
}

void BenchScanner(const std::string& text) {
    g_run = RunState{};
    int sentences = SplitAll(text);  // warm-up
    g_abbreviationCalls = 0;
    g_abbreviationSeconds = 0;
    const int rounds = 200;
    double start = Now();
    for (int i = 0; i < rounds; ++i) SplitAll(text);
    double seconds = Now() - start;
    double megabytes = static_cast<double>(text.size()) * rounds / 1e6;
    printf("scanner: %zu bytes, %d sentences, %d abbreviation questions per pass\n", text.size(),
           sentences, g_abbreviationCalls / rounds);
    printf("scanner: %.1f MB/s with the engine double's answers (%d passes in %.3f s)\n",
           megabytes / seconds, rounds, seconds);
    printf("scanner: %.1f MB/s of its own, without the %.3f s spent in the double\n",
           megabytes / (seconds - g_abbreviationSeconds), g_abbreviationSeconds);
}

// Marking the sentence at the end of texts that make the scanner reject one
// candidate after another; every shape must stay well under 50 ms for 64 K.
void BenchPathologicalMarking() {
    const int size = 65535;
    std::string word(40000, 'a');
    struct Shape {
        const char* name;
        std::string text;
    } shapes[] = {
        {"64 K of '!'", std::string(size, '!')},
        {"'a.' and '!'", "a." + std::string(size - 2, '!')},
        {"'a', NUL and '!'", std::string("a\0", 2) + std::string(size - 2, '!')},
        {"'a:' + long word + '.' and '!'", "a:" + word + "." + std::string(size - 3 - word.size(), '!')},
        {"'usw.' and '!'", "usw." + std::string(size - 4, '!')},
        {"'.' and blank pairs", [] {
             std::string t;
             while (t.size() + 2 <= size) t += ". ";
             return t;
         }()},
    };
    for (const Shape& shape : shapes) {
        g_run = RunState{};
        g_abbreviationCalls = 0;
        const int length = static_cast<int>(shape.text.size());
        double start = Now();
        int begin = FindSentenceStart(shape.text.c_str(), length, length);
        int end = FindSentenceEnd(shape.text.c_str(), length, begin);
        double milliseconds = (Now() - start) * 1e3;
        printf("marking: %-32s %6.2f ms (sentence %d..%d, %d abbreviation questions)\n", shape.name,
               milliseconds, begin, end, g_abbreviationCalls);
    }
}

// Translates every piece as a window run does, with runWindow standing in for the
// progress dialog (none: no run).
double RunIntoTheWindow(const std::vector<std::string>& pieces, HWND runWindow) {
    g_engineSeconds = 0;
    g_run.progressDialog = runWindow;
    double start = Now();
    std::vector<char> buffer;
    for (const std::string& piece : pieces) {
        buffer.assign(piece.begin(), piece.end());
        buffer.push_back('\0');
        TranslateSentence(buffer.data());
    }
    FlushOutput();
    g_run.progressDialog = nullptr;
    return Now() - start;
}

void BenchTranslateSentence(const std::string& text) {
    // The pieces a file translation would hand over, cut by the scanner.
    std::vector<std::string> pieces;
    const int length = static_cast<int>(text.size());
    for (int position = 0; position < length;) {
        int end = FindSentenceEnd(text.c_str(), length, position);
        int stop = end < length ? end : length;
        pieces.push_back(text.substr(position, stop - position));
        position = end;
    }

    // Without a progress dialog every append goes into the window at once, as every
    // append of a run did before output was batched: the two side by side.
    for (bool visible : {false, true})
        for (bool batched : {false, true}) {
            HWND host = CreateWindowExA(0, "static", "", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0,
                                        600, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            for (HWND* edit : {&g_windows.outputEdit, &g_windows.messagesEdit}) {
                *edit = CreateWindowExA(0, "edit", "",
                                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0,
                                        0, 580, 380, host, nullptr, GetModuleHandleA(nullptr), nullptr);
                SendMessageA(*edit, EM_SETLIMITTEXT, 0, 0);
            }
            const double total = RunIntoTheWindow(pieces, batched ? host : nullptr);
            printf("TranslateSentence: %7.1f us per sentence outside the engine, into the %s output "
                   "window, %s (%d chars at the end)\n",
                   (total - g_engineSeconds) / static_cast<double>(pieces.size()) * 1e6,
                   visible ? "visible" : "hidden", batched ? "batched" : "one append at a time",
                   GetWindowTextLengthA(g_windows.outputEdit));
            DestroyWindow(host);
        }

    // The same pieces into a target file, as a file translation writes them.
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    g_outputTarget.toFile = true;
    snprintf(g_outputTarget.path, sizeof g_outputTarget.path, "%sqd_bench_target.txt", folder);
    CloseHandle(CreateFileA(g_outputTarget.path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    g_engineSeconds = 0;
    const double start = Now();
    std::vector<char> buffer;
    for (const std::string& piece : pieces) {
        buffer.assign(piece.begin(), piece.end());
        buffer.push_back('\0');
        TranslateSentence(buffer.data());
    }
    const double outside = Now() - start - g_engineSeconds;
    printf("TranslateSentence: %.1f us per sentence outside the engine, into a target file\n",
           outside / static_cast<double>(pieces.size()) * 1e6);
    DeleteFileA(g_outputTarget.path);
    g_outputTarget = OutputTarget{};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: qd_spine_bench TEXT-FILE ENGINE-DLL\n");
        return 2;
    }
    std::string text = ReadFileBytes(argv[1]);
    if (text.empty()) {
        fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (BindEngine(argv[2]) != kEngineBound) {
        fprintf(stderr, "cannot bind the engine %s\n", argv[2]);
        return 1;
    }
    g_realAbbrev = g_engine.QP_query_getabbrev;
    g_engine.QP_query_getabbrev = CountingAbbrev;
    g_realTranslate = g_engine.QP_query_tsent;
    g_engine.QP_query_tsent = TimedTranslate;
    g_realStringFromAtom = g_engine.QP_StringFromAtom;
    g_engine.QP_StringFromAtom = TimedStringFromAtom;
    g_realClearLimits = g_engine.QP_query_clearlmt;
    g_engine.QP_query_clearlmt = TimedClearLimits;
    g_translation = TranslationSettings{};

    BenchScanner(text);
    BenchPathologicalMarking();
    BenchTranslateSentence(text);
    ReleaseEngine();
    return 0;
}
