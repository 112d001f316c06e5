// Start-up time of QDGE.exe beside Wine's own notepad started the same way: from
// CreateProcess until the frame exists and its message loop answers. For ./qd
// bench; runs in a Wine prefix of its own, with the scripted engine.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/install.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds until the program's main window answers, or a negative value.
double TimeOneStart(const std::string& commandLine, const char* frameClass) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    double answered = -1;
    HWND frame = nullptr;
    while (Now() - start < 20) {
        frame = FindWindowA(frameClass, nullptr);
        DWORD_PTR result;
        if (frame && SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result)) {
            answered = Now() - start;
            break;
        }
        Sleep(1);
    }
    if (frame) PostMessageA(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return answered;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    qd::ResetMachine();
    qd::InstallPrograms(qd::Engine::Scripted, {});
    const std::string quendel = std::string(qd::InstallDir()) + "QDGE.exe";
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string notepad = std::string(windows) + "\\notepad.exe";

    TimeOneStart(quendel, "QDGerEng");  // the first start writes the settings
    TimeOneStart(notepad, "Notepad");
    std::vector<double> ours, theirs;
    for (int i = 0; i < 7; ++i) {
        ours.push_back(TimeOneStart(quendel, "QDGerEng"));
        theirs.push_back(TimeOneStart(notepad, "Notepad"));
    }
    double a = Median(ours), b = Median(theirs);
    if (a < 0 || b < 0) {
        fprintf(stderr, "a program did not come up\n");
        return 1;
    }
    printf("start-up: QDGE %.0f ms, notepad %.0f ms, ratio %.2f (medians of 7)\n", a * 1e3,
           b * 1e3, a / b);
    return 0;
}
