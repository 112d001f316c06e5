// Start-up time of QDGE.exe beside Wine's own notepad started the same way: from
// CreateProcess until the frame exists and its message loop answers, with the
// scripted engine and with the real one and its catalogue. Then loading a file,
// measured the same way for both: the file dropped onto the running program, until
// its edit control holds the whole text and the program answers again. For ./qd
// bench; runs in a Wine prefix of its own. With RUN-FILE (a sentence per line), a
// window run over it with the real engine, against the engine's own time.
// Usage: qd_startup_bench TEXT-FILE [RUN-FILE]
#include <windows.h>
#include <shlobj.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/install.h"
#include "bench/bench_clock.h"

namespace {

struct Running {
    PROCESS_INFORMATION process = {};
    HWND frame = nullptr;
    double startSeconds = -1;  // until the frame answered; negative: it did not
};

Running Start(const std::string& commandLine, const char* frameClass) {
    Running running;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &running.process))
        return running;
    while (Now() - start < 20) {
        HWND frame = FindWindowA(frameClass, nullptr);
        DWORD owner = 0;
        if (frame) GetWindowThreadProcessId(frame, &owner);
        DWORD_PTR result;
        if (frame && owner == running.process.dwProcessId &&
            SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result)) {
            running.startSeconds = Now() - start;
            running.frame = frame;
            break;
        }
        Sleep(1);
    }
    return running;
}

void End(Running& running) {
    if (running.frame) PostMessageA(running.frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(running.process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(running.process.hProcess, 1);
    CloseHandle(running.process.hProcess);
    CloseHandle(running.process.hThread);
}

// Seconds until the program's main window answers, or a negative value.
double TimeOneStart(const std::string& commandLine, const char* frameClass) {
    Running running = Start(commandLine, frameClass);
    End(running);
    return running.startSeconds;
}

// The edit control a dropped file lands in: notepad's own, or QDGE's input window's.
HWND TargetEdit(HWND frame) {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    if (!client) return FindWindowExA(frame, nullptr, "Edit", nullptr);
    HWND input = FindWindowExA(client, nullptr, "childedit", nullptr);
    while (input) {
        char title[64] = "";
        GetWindowTextA(input, title, sizeof title);
        if (strncmp(title, "Eingabe", 7) == 0) break;
        input = FindWindowExA(client, input, "childedit", nullptr);
    }
    return input ? FindWindowExA(input, nullptr, "Edit", nullptr) : nullptr;
}

// Drops file onto the running program and returns the seconds until its edit
// control holds the whole text (length bytes), or a negative value. The drop block
// lives in the program's memory, where DragQueryFile reads it.
double DropFile(const Running& running, const std::string& file, int length) {
    HWND edit = running.frame ? TargetEdit(running.frame) : nullptr;
    if (!edit) return -1;
    RECT rect;
    GetWindowRect(edit, &rect);
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(running.frame, &point);
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES* header = reinterpret_cast<DROPFILES*>(&block[0]);
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    block += file;
    block.append(2, '\0');
    void* remote = VirtualAllocEx(running.process.hProcess, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    SIZE_T written = 0;
    if (!remote || !WriteProcessMemory(running.process.hProcess, remote, block.data(), block.size(), &written))
        return -1;
    double start = Now();
    PostMessageA(running.frame, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    while (Now() - start < 20) {
        DWORD_PTR got = 0;
        if (SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &got) &&
            static_cast<int>(got) == length)
            return Now() - start;
        Sleep(1);
    }
    return -1;
}

double TimeOneLoad(const std::string& commandLine, const char* frameClass, const std::string& file,
                   int length) {
    Running running = Start(commandLine, frameClass);
    double seconds = DropFile(running, file, length);
    End(running);
    return seconds;
}

// The progress dialog of a run, while the program shows one.
HWND ProgressDialog(DWORD processId) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "#32770", "\xDC" "bersetzen ...")) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(dialog, &owner);
        if (owner == processId) return dialog;
    }
    return nullptr;
}

// A window run over the whole input window: seconds from the command until the
// progress dialog has gone and the frame answers again, or a negative value.
double TimeWindowRun(const std::string& program, const std::string& file, int length) {
    Running running = Start(program, "QDGerEng");
    double seconds = -1;
    if (DropFile(running, file, length) >= 0) {
        const double start = Now();
        PostMessageA(running.frame, WM_COMMAND, 104, 0);  // translate the whole window
        bool seen = false;
        while (Now() - start < 120) {
            const bool shown = ProgressDialog(running.process.dwProcessId) != nullptr;
            seen = seen || shown;
            DWORD_PTR result;
            if (seen && !shown && SendMessageTimeoutA(running.frame, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) {
                seconds = Now() - start;
                break;
            }
            Sleep(20);  // looking more often would take the wineserver from the run
        }
    }
    End(running);
    return seconds;
}

// The engine's own time for every line of file, called in this process as the
// program calls it (OEM text, limits cleared after each sentence).
double EngineSeconds(const std::string& folder, const std::string& file, int* sentences) {
    HMODULE engine = LoadLibraryA((folder + "Velloc.dll").c_str());
    if (!engine) return -1;
    using Initialize = int(WINAPI*)(int, const char*, const char*);
    using Translate = int(WINAPI*)(HWND, const char*, int*, int*, int*);
    using Clear = int(WINAPI*)();
    auto initialize = reinterpret_cast<Initialize>(GetProcAddress(engine, "InitializeProlog"));
    auto translate = reinterpret_cast<Translate>(GetProcAddress(engine, "QP_query_tsent"));
    auto clear = reinterpret_cast<Clear>(GetProcAddress(engine, "QP_query_clearlmt"));
    if (!initialize || !translate || !clear || initialize(1, folder.c_str(), (folder + "QDGE.LCT").c_str()) != 0)
        return -1;
    std::vector<std::string> lines;
    if (FILE* in = fopen(file.c_str(), "rb")) {
        char line[4096];
        while (fgets(line, sizeof line, in)) {
            std::string text = line;
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            if (!text.empty()) lines.push_back(text);
        }
        fclose(in);
    }
    const double start = Now();
    for (std::string& line : lines) {
        CharToOemA(&line[0], &line[0]);
        int translation = 0, error = 0, unknown = 0;
        translate(nullptr, line.c_str(), &translation, &error, &unknown);
        clear();
    }
    *sentences = static_cast<int>(lines.size());
    return Now() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Notepad's own setting of line wrapping, read when it starts.
void SetNotepadWrap(bool wrap) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Notepad", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD value = wrap ? 1 : 0;
    RegSetValueExA(key, "fWrap", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// Notepad's font and window width, read when it starts: the face, the height in
// tenths of a point at 96 dots per inch, and the outer width in pixels.
void SetNotepadLook(const char* face, DWORD tenthsOfAPoint, DWORD width) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Notepad", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "lfFaceName", 0, REG_SZ, reinterpret_cast<const BYTE*>(face), strlen(face) + 1);
    RegSetValueExA(key, "iPointSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&tenthsOfAPoint),
                   sizeof tenthsOfAPoint);
    RegSetValueExA(key, "iWindowPosDX", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width), sizeof width);
    RegCloseKey(key);
}

// Notepad's own font and window width again.
void ForgetNotepadLook() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Notepad", 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    for (const char* name : {"lfFaceName", "iPointSize", "iWindowPosDX"}) RegDeleteValueA(key, name);
    RegCloseKey(key);
}

// The width of the edit control a dropped file lands in, and how much wider
// the program's main window is; zero when the program did not come up.
void EditWidths(const std::string& commandLine, const char* frameClass, int* edit, int* frame) {
    Running running = Start(commandLine, frameClass);
    HWND target = running.frame ? TargetEdit(running.frame) : nullptr;
    RECT editRect = {}, frameRect = {};
    if (target) {
        GetWindowRect(target, &editRect);
        GetWindowRect(running.frame, &frameRect);
    }
    *edit = editRect.right - editRect.left;
    *frame = (frameRect.right - frameRect.left) - *edit;
    End(running);
}

// The medians of seven alternating runs of two measurements.
bool SideBySide(const char* what, const std::function<double()>& ours,
                const std::function<double()>& theirs, const char* ourName) {
    ours();  // the first start writes the settings
    theirs();
    std::vector<double> a, b;
    for (int i = 0; i < 7; ++i) {
        a.push_back(ours());
        b.push_back(theirs());
    }
    const double x = Median(a), y = Median(b);
    if (x < 0 || y < 0) {
        fprintf(stderr, "%s: a program did not come up or did not load the file\n", what);
        return false;
    }
    printf("%s: %s %.0f ms, notepad %.0f ms, ratio %.2f (medians of 7)\n", what, ourName, x * 1e3,
           y * 1e3, x / y);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: qd_startup_bench TEXT-FILE\n");
        return 2;
    }
    const std::string text = argv[1];
    int length = 0;
    if (FILE* file = fopen(text.c_str(), "rb")) {
        fseek(file, 0, SEEK_END);
        length = static_cast<int>(ftell(file));
        fclose(file);
    }
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string notepad = std::string(windows) + "\\notepad.exe";
    const std::string quendel = std::string(qd::InstallDir()) + "QDGE.exe";
    auto notepadStart = [&] { return TimeOneStart(notepad, "Notepad"); };

    // QD_BENCH_RUN_ONLY: only the window run, for a quick look after a change.
    const bool runOnly = getenv("QD_BENCH_RUN_ONLY") != nullptr;
    qd::ResetMachine();
    qd::InstallPrograms(qd::Engine::Scripted, {});
    bool fine = true;
    if (!runOnly) {
    fine = SideBySide("start-up", [&] { return TimeOneStart(quendel, "QDGerEng"); }, notepadStart,
                           "QDGE (scripted engine)");
    // QDGE's text windows wrap their lines from the start; notepad's do not unless
    // it is told to, and wrapping is most of a load's work: both ways side by side.
    auto ourLoad = [&] { return TimeOneLoad(quendel, "QDGerEng", text, length); };
    auto notepadLoad = [&] { return TimeOneLoad(notepad, "Notepad", text, length); };
    SetNotepadWrap(false);
    fine = SideBySide("loading the text, notepad not wrapping", ourLoad, notepadLoad, "QDGE") && fine;
    SetNotepadWrap(true);
    fine = SideBySide("loading the text, notepad wrapping too", ourLoad, notepadLoad, "QDGE") && fine;
    // The same work asked of both edit controls: notepad wrapping in the program's
    // font (Arial, a 20-pixel cell: 13.4 points) at the width of the input window.
    int ourEdit = 0, ourRest = 0, theirEdit = 0, theirRest = 0;
    EditWidths(quendel, "QDGerEng", &ourEdit, &ourRest);
    EditWidths(notepad, "Notepad", &theirEdit, &theirRest);
    SetNotepadLook("Arial", 134, ourEdit + theirRest);
    fine = SideBySide("loading the text, notepad wrapping in the same font and width", ourLoad,
                      notepadLoad, "QDGE") && fine;
    ForgetNotepadLook();
    }
    qd::InstallPrograms(qd::Engine::Real, {});
    if (!runOnly)
        fine = SideBySide("start-up", [&] { return TimeOneStart(quendel, "QDGerEng"); }, notepadStart,
                          "QDGE (real engine and catalogue)") && fine;

    if (argc > 2) {
        const std::string runText = argv[2];
        int runLength = 0, sentences = 0;
        if (FILE* file = fopen(runText.c_str(), "rb")) {
            fseek(file, 0, SEEK_END);
            runLength = static_cast<int>(ftell(file));
            fclose(file);
        }
        TimeWindowRun(quendel, runText, runLength);
        std::vector<double> runs;
        for (int i = 0; i < 3; ++i) runs.push_back(TimeWindowRun(quendel, runText, runLength));
        const double run = Median(runs);
        const double engine = EngineSeconds(qd::InstallDir(), runText, &sentences);
        if (run < 0 || engine < 0) {
            fprintf(stderr, "window run: the run or the engine did not go through\n");
            return 1;
        }
        printf("window run of %d sentences, real engine: %.0f ms from the command to the end of the run "
               "(median of 3), the engine's own time %.0f ms: %.0f us per sentence of our own\n",
               sentences, run * 1e3, engine * 1e3, (run - engine) / sentences * 1e6);
    }
    return fine ? 0 : 1;
}
