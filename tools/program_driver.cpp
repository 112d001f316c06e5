// Drives QDGE.exe or QDEG.exe from outside, as a person at the screen would: start
// it, wait for its window and for what it queued, watch for message boxes, close it.
// Used by qdrun (./qd run without a display, the release test) and qdshot (the
// README's screenshots).
#include "tools/program_driver.h"

#include <stdio.h>
#include <string.h>

namespace {

constexpr DWORD kStartLimitMs = 60000;
constexpr DWORD kRunLimitMs = 600000;
constexpr DWORD kCloseLimitMs = 30000;
constexpr DWORD kPollMs = 50;
constexpr char kProgressTitle[] = "\xDC" "bersetzen ...";

}  // namespace

[[noreturn]] void Stop(const Started& program, const std::string& reason) {
    fprintf(stderr, "%s\n", reason.c_str());
    if (program.process) TerminateProcess(program.process, 1);
    ExitProcess(1);
}

std::string Folder(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The frame's class name is the only thing the two builds show differently here.
const char* FrameClass(const std::string& program) {
    std::string name = program.substr(program.find_last_of("\\/") + 1);
    return _stricmp(name.c_str(), "QDEG.exe") == 0 ? "QDEngGer" : "QDGerEng";
}

namespace {

bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &ignored) != 0;
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

// A dialog or message box of the program that says something: everything but the
// title-less splash and the progress dialog.
BOOL CALLBACK FindSpeakingBox(HWND window, LPARAM parameter) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = "", title[64] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && IsWindowVisible(window) && strcmp(className, "#32770") == 0 &&
        title[0] && strcmp(title, kProgressTitle) != 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AppendText(HWND child, LPARAM parameter) {
    char text[512] = "";
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    if (_stricmp(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
        *reinterpret_cast<std::string*>(parameter) += std::string("\n  ") + text;
    return TRUE;
}

}  // namespace

void StopOnBox(const Started& program, const char* when) {
    BoxSearch search = {program.processId, nullptr};
    EnumWindows(FindSpeakingBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    std::string text;
    EnumChildWindows(search.found, AppendText, reinterpret_cast<LPARAM>(&text));
    Stop(program, std::string("the program stopped ") + when + " with this message:" + text);
}

void StopIfEnded(const Started& program, const char* when) {
    if (WaitForSingleObject(program.process, 0) != WAIT_OBJECT_0) return;
    DWORD code = 0;
    GetExitCodeProcess(program.process, &code);
    Stop(program, std::string("the program ended ") + when + " with exit code " +
                      std::to_string(code));
}

Started Start(const std::string& program, const std::string& arguments, const std::string& folder) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    Started started;
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
        Stop(started, "cannot start " + program + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    started.process = info.hProcess;
    started.processId = info.dwProcessId;
    return started;
}

// The frame, once start-up is over: by then the file translation is queued.
HWND WaitForFrame(const Started& program, const char* frameClass) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kStartLimitMs; Sleep(kPollMs)) {
        StopIfEnded(program, "while starting");
        StopOnBox(program, "while starting");
        HWND frame = FindWindowA(frameClass, "Quendel");
        DWORD owner = 0;
        if (frame) GetWindowThreadProcessId(frame, &owner);
        if (owner == program.processId && Answers(frame)) return frame;
    }
    Stop(program, "the program's window did not come up within a minute");
}

// A message posted behind the queued file translation comes through once that
// translation and its completion step are over (the translation pumps only its
// progress dialog's messages). The mark is an edit control's own modified flag,
// which the program never reads.
void WaitForTranslation(const Started& program, HWND frame) {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    HWND child = client ? GetWindow(client, GW_CHILD) : nullptr;
    HWND edit = child ? FindWindowExA(child, nullptr, "Edit", nullptr) : nullptr;
    if (!edit) Stop(program, "the program shows no text window");
    DWORD_PTR modified = 0;
    SendMessageTimeoutA(edit, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &modified);
    PostMessageA(edit, EM_SETMODIFY, TRUE, 0);
    for (DWORD start = GetTickCount(); GetTickCount() - start < kRunLimitMs; Sleep(kPollMs)) {
        StopIfEnded(program, "during the translation");
        modified = 0;
        SendMessageTimeoutA(edit, EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG, 5000, &modified);
        if (modified) {
            StopOnBox(program, "during the translation");
            return;
        }
    }
    Stop(program, "the translation was not over after ten minutes");
}

// The "/T" completion step marked the output saved, so closing asks nothing.
void Close(const Started& program, HWND frame) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    for (DWORD start = GetTickCount(); GetTickCount() - start < kCloseLimitMs; Sleep(kPollMs)) {
        if (WaitForSingleObject(program.process, 0) == WAIT_OBJECT_0) return;
        StopOnBox(program, "while closing");
    }
    Stop(program, "the program did not close");
}

