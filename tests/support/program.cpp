// One started QDGE.exe or QDEG.exe, driven from outside.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <map>

#include "tests/support/box.h"
#include "tests/support/driver.h"
#include "tests/support/install.h"
#include "tests/support/machine_paths.h"

namespace qd {

namespace {

constexpr UINT kEndedExitCode = 0xDEAD;
constexpr DWORD kPollMs = 20;

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return _stricmp(a.c_str(), b.c_str()) < 0;
    }
};

// The test's own environment with the engine's files and the extra entries.
std::string EnvironmentBlock(const std::vector<std::string>& extra) {
    std::map<std::string, std::string, NoCaseLess> entries;
    auto add = [&entries](const std::string& entry) {
        size_t equals = entry.find('=', 1);  // names such as "=C:" start with '='
        if (equals != std::string::npos) entries[entry.substr(0, equals)] = entry.substr(equals + 1);
    };
    char* inherited = GetEnvironmentStringsA();
    for (const char* entry = inherited; *entry; entry += strlen(entry) + 1) add(entry);
    FreeEnvironmentStringsA(inherited);
    add("QD_FAKE_SCRIPT=" + EngineScriptPath());
    add("QD_FAKE_LOG=" + EngineLogPath());
    for (const std::string& entry : extra) add(entry);

    std::string block;
    for (const auto& entry : entries) {
        block += entry.first + "=" + entry.second;
        block += '\0';
    }
    block += '\0';
    return block;
}

std::string Seconds(DWORD ms) {
    char text[32];
    snprintf(text, sizeof text, "%.1f s", ms / 1000.0);
    return text;
}

}  // namespace

Program::Program(const StartOptions& options, Caller at) : build_(options.build) {
    std::string folder = options.installDir.empty() ? kInstallDir : options.installDir;
    InstallProgramsInto(folder, options.engine, at);
    std::string path = folder + ProgramName(build_) + ".exe";
    std::string commandLine = path;
    if (!options.arguments.empty()) commandLine += " " + options.arguments;
    std::string environment = EnvironmentBlock(options.environment);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                        &environment[0], folder.c_str(), &startup, &started))
        Fail(at, "cannot start " + commandLine + " (error " + std::to_string(GetLastError()) +
                     ")");
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    processId_ = started.dwProcessId;
}

Program::~Program() {
    if (Running()) End();
    CloseHandle(process_);
}

bool Program::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void Program::End() {
    TerminateProcess(process_, kEndedExitCode);
    WaitForSingleObject(process_, kWaitLimitMs);
}

void Program::FailAndEnd(const Caller& at, const std::string& message) {
    std::string text = message;
    for (const Box& box : OpenBoxes()) text += "\n  open dialog or message box " + box.Describe();
    End();
    Fail(at, text);
}

std::vector<Box> Program::OpenBoxes() const {
    std::vector<Box> boxes;
    for (HWND window : FindBoxWindows(processId_)) boxes.push_back(ReadBox(window));
    return boxes;
}

bool Program::Known(HWND box) const {
    if (std::find(knownBoxes_.begin(), knownBoxes_.end(), box) != knownBoxes_.end()) return true;
    char title[128] = "";
    GetWindowTextA(box, title, sizeof title);  // read from the window, nothing sent
    return std::find(passedTitles_.begin(), passedTitles_.end(), title) != passedTitles_.end();
}

void Program::PassOver(const std::string& title) { passedTitles_.push_back(title); }

int Program::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

void Program::FailEnded(const Caller& at, const char* when) {
    Fail(at, std::string(ProgramName(build_)) + " ended with exit code " +
                 std::to_string(ExitCode()) + " " + when);
}

void Program::FailOnUnexpectedBox(const Caller& at) {
    for (HWND window : FindBoxWindows(processId_)) {
        if (Known(window)) continue;
        std::string text = "unexpected dialog or message box " + ReadBox(window).Describe();
        End();
        Fail(at, text);
    }
}

HWND Program::Frame(Caller at) {
    if (frame_ && IsWindow(frame_)) return frame_;
    const char* frameClass = FrameClass(build_);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartLimitMs) {
        FailOnUnexpectedBox(at);
        if (!Running()) FailEnded(at, "before its frame appeared");
        HWND frame = FindWindowA(frameClass, "Quendel");
        DWORD owner = 0;
        if (frame) GetWindowThreadProcessId(frame, &owner);
        // Answering means start-up is over, or a modal box runs its loop: look again.
        if (owner == processId_ && TakesInput(frame)) {
            FailOnUnexpectedBox(at);
            frame_ = frame;
            return frame_;
        }
        Sleep(kPollMs);
    }
    FailAndEnd(at, std::string("no frame of class ") + frameClass + " titled \"Quendel\" after " +
                       Seconds(kStartLimitMs));
}

void Program::PostCommand(int commandId, LPARAM lParam, Caller at) {
    HWND frame = Frame(at);
    FailOnUnexpectedBox(at);
    if (!PostMessageA(frame, WM_COMMAND, MAKEWPARAM(commandId, 0), lParam))
        FailAndEnd(at, "cannot post command " + std::to_string(commandId));
}

Box Program::WaitForBox(DWORD limitMs, Caller at) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        for (HWND window : FindBoxWindows(processId_)) {
            if (Known(window) || !TakesInput(window)) continue;
            knownBoxes_.push_back(window);
            return ReadBox(window);
        }
        if (!Running()) FailEnded(at, "while a dialog was awaited");
        Sleep(kPollMs);
    }
    FailAndEnd(at, "no dialog or message box appeared within " + Seconds(limitMs));
}

void Program::WaitUntil(const std::function<bool()>& condition, const std::string& what,
                        DWORD limitMs, Caller at) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        FailOnUnexpectedBox(at);
        if (condition()) return;
        Sleep(kPollMs);
    }
    FailAndEnd(at, "waited " + Seconds(limitMs) + " in vain until " + what);
}

LRESULT Program::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what,
                      const Caller& at) {
    FailOnUnexpectedBox(at);
    if (!IsWindow(window)) Fail(at, std::string("no window to ") + what);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitLimitMs,
                             &result))
        FailAndEnd(at, std::string("the window did not answer ") + what + " within " +
                           Seconds(kWaitLimitMs));
    return static_cast<LRESULT>(result);
}

std::string Program::Text(HWND window, Caller at) {
    LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0, "WM_GETTEXTLENGTH", at);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                          "WM_GETTEXT", at);
    text.resize(static_cast<size_t>(copied));
    return text;
}

void Program::SetText(HWND window, const std::string& text, Caller at) {
    if (!Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT", at))
        Fail(at, "the window refused the text of WM_SETTEXT");
}

Selection Program::GetSelection(HWND edit, Caller at) {
    LRESULT both = Send(edit, EM_GETSEL, 0, 0, "EM_GETSEL", at);
    return Selection{LOWORD(both), HIWORD(both)};
}

void Program::Select(HWND edit, int start, int end, Caller at) {
    Send(edit, EM_SETSEL, start, end, "EM_SETSEL", at);
}

int Program::WaitForExit(DWORD limitMs, Caller at) {
    DWORD start = GetTickCount();
    for (;;) {
        if (WaitForSingleObject(process_, kPollMs) == WAIT_OBJECT_0) return ExitCode();
        FailOnUnexpectedBox(at);
        if (GetTickCount() - start >= limitMs) break;
    }
    FailAndEnd(at, std::string(ProgramName(build_)) + " still runs after " + Seconds(limitMs));
}

int Program::Close(Caller at) {
    HWND frame = Frame(at);
    if (!PostMessageA(frame, WM_CLOSE, 0, 0)) FailAndEnd(at, "cannot post WM_CLOSE to the frame");
    return WaitForExit(kWaitLimitMs, at);
}

}  // namespace qd
