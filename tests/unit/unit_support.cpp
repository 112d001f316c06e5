#include "tests/unit/unit_support.h"

#include "core/engine_binding.h"
#include "textwin/window_registry.h"

EngineStandIn* g_standIn;

namespace {

std::string ToAnsi(const char* oem) {
    std::string text(oem ? oem : "");
    OemToCharA(&text[0], &text[0]);
    return text;
}

std::string ToOem(const std::string& ansi) {
    std::string text(ansi);
    CharToOemA(&text[0], &text[0]);
    return text;
}

std::string g_atoms[2];

int WINAPI StandInAbbrev(const char* word, int* flag) {
    g_standIn->calls.push_back(std::string("abbrev|") + word);
    auto found = g_standIn->abbreviations.find(word);
    if (found == g_standIn->abbreviations.end()) {
        *flag = 1;
        return 0;
    }
    *flag = found->second.second;
    return found->second.first;
}

int WINAPI StandInNothing() { return 0; }

int WINAPI StandInInitialize(int, const char*, const char*) { return 0; }

int WINAPI StandInTranslate(HWND, const char* oem, int* translationAtom, int* errorType,
                            int* unknownAtom) {
    std::string sentence = ToAnsi(oem);
    g_standIn->calls.push_back("tsent|" + sentence);
    if (g_standIn->onTranslate) g_standIn->onTranslate(sentence);
    EngineStandIn::Answer answer;
    auto found = g_standIn->answers.find(sentence);
    if (found != g_standIn->answers.end()) answer = found->second;
    else answer.translation = "EN(" + sentence + ")";
    g_atoms[0] = ToOem(answer.translation);
    g_atoms[1] = ToOem(answer.unknown);
    *translationAtom = 0;
    *unknownAtom = 1;
    *errorType = answer.errorType;
    return answer.result;
}

int WINAPI StandInTimeout() {
    g_standIn->calls.push_back("qtimeout");
    return g_standIn->qtimeout;
}

const char* WINAPI StandInString(int atom) { return g_atoms[atom].c_str(); }

int WINAPI StandInClear() {
    g_standIn->calls.push_back("clearlmt");
    return 0;
}

int WINAPI StandInOption(const char* name, const char* value, int* result) {
    std::string key = std::string(name) + "=" + value;
    g_standIn->calls.push_back("option|" + key);
    *result = 0;
    auto found = g_standIn->optionResults.find(key);
    return found == g_standIn->optionResults.end() ? 0 : found->second;
}

HWND MakeEdit(HWND host) {
    return CreateWindowExA(0, "edit", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 200,
                           100, host, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

ScopedEngineStandIn::ScopedEngineStandIn() {
    g_standIn = &standIn_;
    g_engine.QP_query_getabbrev = StandInAbbrev;
    g_engine.QP_query_closedbn = StandInNothing;
    g_engine.QP_query_opendbn = StandInNothing;
    g_engine.InitializeProlog = StandInInitialize;
    g_engine.QP_query_tsent = StandInTranslate;
    g_engine.QP_query_qtimeout = StandInTimeout;
    g_engine.QP_StringFromAtom = StandInString;
    g_engine.QP_query_clearlmt = StandInClear;
    g_engine.QP_query_setqdoption = StandInOption;
}

ScopedEngineStandIn::~ScopedEngineStandIn() {
    g_engine = EngineEntryPoints{};
    g_standIn = nullptr;
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    GetWindowTextA(window, &text[0], length + 1);
    text.resize(length);
    return text;
}

ScopedTextWindows::ScopedTextWindows() {
    host_ = CreateWindowExA(0, "static", "host", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    g_windows = WindowRegistry{};
    g_windows.inputEdit = MakeEdit(host_);
    g_windows.outputEdit = MakeEdit(host_);
    g_windows.messagesEdit = MakeEdit(host_);
    // No text limit of our own: the tests fill these beyond the default.
    SendMessageA(g_windows.outputEdit, EM_SETLIMITTEXT, 0, 0);
    SendMessageA(g_windows.messagesEdit, EM_SETLIMITTEXT, 0, 0);
}

ScopedTextWindows::~ScopedTextWindows() {
    DestroyWindow(host_);
    g_windows = WindowRegistry{};
}

std::string ScopedTextWindows::Output() const { return WindowText(g_windows.outputEdit); }

std::string ScopedTextWindows::Messages() const { return WindowText(g_windows.messagesEdit); }
