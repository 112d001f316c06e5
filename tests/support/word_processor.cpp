// The word processor's side of the document link; see word_processor.h.
#include "tests/support/word_processor.h"

#include "tests/support/install.h"
#include "tests/support/whole_file.h"

namespace qd {

namespace {

constexpr char kWindowClass[] = "QdWordProcessor";
constexpr char kStartsFile[] = "STARTS.TXT";

LRESULT CALLBACK WordProcessorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// Makes every missing folder of path, which ends in a backslash.
void MakeFolders(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
}

}  // namespace

WordProcessor::WordProcessor(Caller at) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, &threadId_);
    if (!thread_ || WaitForSingleObject(ready_, kWaitLimitMs) != WAIT_OBJECT_0 || !window_)
        Fail(at, "the word processor's window cannot be made");
}

WordProcessor::~WordProcessor() {
    if (thread_) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, kWaitLimitMs);
        CloseHandle(thread_);
    }
    CloseHandle(ready_);
}

DWORD WINAPI WordProcessor::ThreadMain(void* parameter) {
    WordProcessor* self = static_cast<WordProcessor*>(parameter);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WordProcessorProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);  // fails harmlessly for a second word processor
    self->window_ = CreateWindowExA(0, kWindowClass, "Textverarbeitung",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 500, 300, 200,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(self->ready_);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    if (self->window_) DestroyWindow(self->window_);
    return 0;
}

void WordProcessor::HandOver(const std::string& document, Caller at) {
    WriteProfile("QDplus", "QDplusDoc", document.c_str(), at);
}

void WordProcessor::SetRestart(const std::string& wordDir, const std::string& wordDoc, Caller at) {
    WriteProfile("QDplus", "WordDir", wordDir.c_str(), at);
    WriteProfile("QDplus", "WordDoc", wordDoc.c_str(), at);
}

void WordProcessor::Post(Program& app, int command, Caller at) {
    app.PostCommand(command, reinterpret_cast<LPARAM>(window_), at);
}

void WordProcessor::Send(Program& app, int command, Caller at) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(app.Frame(at), WM_COMMAND, MAKEWPARAM(command, 0),
                             reinterpret_cast<LPARAM>(window_), SMTO_ABORTIFHUNG, kWaitLimitMs,
                             &ignored)) {
        app.End();
        Fail(at, "command " + std::to_string(command) + " did not return within 5 s");
    }
}

bool WordProcessor::Above(HWND other) const {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == window_) return true;
        if (window == other) return false;
    }
    return false;
}

void InstallFakeWinword(const std::string& folder, Caller at) {
    MakeFolders(folder);
    std::string from = BuildFolder("QD_FAKES_DIR", "fakes") + "word\\WINWORD.EXE";
    std::string to = folder + "WINWORD.EXE";
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        Fail(at, "cannot copy " + from + " to " + to + " (error " +
                     std::to_string(GetLastError()) + ")");
    DeleteFileA((folder + kStartsFile).c_str());
}

std::vector<std::string> WinwordStarts(const std::string& folder) {
    return ReadLines(folder + kStartsFile);
}

std::string MaximisedStart(const std::string& commandLine) {
    const std::string maximised = std::to_string(SW_SHOWMAXIMIZED);
    return maximised + "|" + maximised + "|" + commandLine;
}

std::string ExchangeFile() { return InstallDir() + "QDPLUS.OUT"; }

}  // namespace qd
