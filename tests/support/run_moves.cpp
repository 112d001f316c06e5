// Moves for tests of translation runs; see run_moves.h.
#include "tests/support/run_moves.h"

#include <stdio.h>
#include <string.h>

#include "tests/support/box.h"
#include "tests/support/machine_paths.h"
#include "tests/support/whole_file.h"

namespace qd {

namespace {

constexpr DWORD kPollMs = 10;
// A hold lets go by itself after this long, so that a test that fails while
// the program is held cannot leave it hanging.
constexpr DWORD kLongestHoldMs = 30000;
constexpr char kHoldClass[] = "QdRunHold";

// Escapes line ends and bytes above 127 so that failure messages stay readable.
std::string Shown(const std::string& text, size_t limit = 400) {
    std::string out;
    for (unsigned char c : text.substr(0, limit)) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c < 32 || c > 126) {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else out += static_cast<char>(c);
    }
    if (text.size() > limit) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

std::string DescribeBoxes(Program& app) {
    std::string text;
    for (const Box& box : app.OpenBoxes()) text += "\n  open: " + box.Describe();
    return text;
}

// Waits for event while answering what other threads send to this one: taking
// the clipboard over sends WM_DESTROYCLIPBOARD to its owner, which may be the
// driver's own window on this thread (after SetClipboardText).
bool WaitAnsweringSentMessages(HANDLE event) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitLimitMs;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &event, FALSE, kPollMs, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) return true;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return false;
}

}  // namespace

// ---- RunHold ----

RunHold::RunHold(Program& app, Caller at) : app_(app) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    heldEvent_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    releaseEvent_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, &threadId_);
    if (!thread_ || !WaitAnsweringSentMessages(ready_) || !ownsClipboard_)
        Fail(at, "the run hold cannot take the clipboard");
}

RunHold::~RunHold() {
    stopping_ = true;
    SetEvent(releaseEvent_);
    if (thread_) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, kWaitLimitMs);
        CloseHandle(thread_);
    }
    CloseHandle(ready_);
    CloseHandle(heldEvent_);
    CloseHandle(releaseEvent_);
}

DWORD WINAPI RunHold::ThreadMain(void* parameter) {
    RunHold* self = static_cast<RunHold*>(parameter);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHoldClass;
    RegisterClassA(&windowClass);  // fails harmlessly when a second hold registers it again
    self->window_ = CreateWindowExA(0, kHoldClass, "qd run hold", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
    if (self->window_) {
        SetWindowLongPtrA(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        DWORD start = GetTickCount();
        while (!OpenClipboard(self->window_) && GetTickCount() - start < kWaitLimitMs) Sleep(20);
        if (EmptyClipboard()) {
            // Both, so that an edit control asks for its own kind of text directly.
            SetClipboardData(CF_UNICODETEXT, nullptr);
            SetClipboardData(CF_TEXT, nullptr);
            self->ownsClipboard_ = GetClipboardOwner() == self->window_;
        }
        CloseClipboard();
    }
    SetEvent(self->ready_);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    if (self->window_) DestroyWindow(self->window_);
    return 0;
}

LRESULT CALLBACK RunHold::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RunHold* self = reinterpret_cast<RunHold*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_RENDERFORMAT:
        if (self) self->OnRender();
        return 0;  // nothing rendered: the paste gets no text
    case WM_RENDERALLFORMATS:
        return 0;
    case WM_DESTROYCLIPBOARD:
        if (self && !self->stopping_) self->clipboardTaken_ = true;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RunHold::OnRender() {
    if (stopping_ || queued_ <= 0) {
        ++otherRequests_;
        return;
    }
    --queued_;
    SetEvent(heldEvent_);
    WaitForSingleObject(releaseEvent_, kLongestHoldMs);
}

void RunHold::Queue(Caller at) {
    HWND edit = app_.Edit(Pane::Input, at);
    ++queued_;
    if (!PostMessageA(edit, WM_PASTE, 0, 0)) {
        --queued_;
        app_.End();
        Fail(at, "cannot post the holding paste to the input edit");
    }
}

void RunHold::Wait(Caller at) {
    DWORD start = GetTickCount();
    while (WaitForSingleObject(heldEvent_, kPollMs) != WAIT_OBJECT_0) {
        if (!app_.Running()) Fail(at, "the program ended while a hold was awaited");
        if (GetTickCount() - start > kWaitLimitMs) {
            std::string boxes = DescribeBoxes(app_);
            app_.End();
            Fail(at, "the program did not come to the holding paste within 5 s" +
                         std::string(clipboardTaken_ ? " (someone took over the clipboard)" : "") +
                         boxes);
        }
    }
    held_ = true;
}

void RunHold::Release() {
    if (!held_) return;
    held_ = false;
    SetEvent(releaseEvent_);
}

void RunHold::Step(Caller at) {
    Queue(at);
    Release();
    Wait(at);
}

void RunHold::ReleaseAll() {
    queued_ = 0;
    Release();
}

// ---- The clipboard ----

void KeepClipboardToThisTest(Caller at) {
    HWND manager = FindWindowExW(HWND_MESSAGE, nullptr, L"__wine_clipboard_manager", nullptr);
    if (!manager) return;  // none, or gone already
    DWORD thread = GetWindowThreadProcessId(manager, nullptr);
    if (!PostThreadMessageA(thread, WM_QUIT, 0, 0))
        Fail(at, "cannot stop the Wine clipboard manager");
    DWORD start = GetTickCount();
    while (IsWindow(manager)) {
        if (GetTickCount() - start > kWaitLimitMs) Fail(at, "the Wine clipboard manager stays");
        Sleep(kPollMs);
    }
    // Whatever it brought in from the display goes with it.
    DWORD opened = GetTickCount();
    while (!OpenClipboard(nullptr)) {
        if (GetTickCount() - opened > kWaitLimitMs) Fail(at, "the clipboard stays locked");
        Sleep(kPollMs);
    }
    EmptyClipboard();
    CloseClipboard();
}

// ---- The engine, the progress dialog, file runs ----

std::vector<std::string> TranslatedSentences() {
    std::vector<std::string> sentences;
    for (const std::string& line : EngineLog())
        if (line.rfind("tsent|", 0) == 0) sentences.push_back(line.substr(6));
    return sentences;
}

Box WaitForBoxTitled(Program& app, const std::string& title, DWORD limitMs, Caller at) {
    DWORD start = GetTickCount();
    std::string passed;
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= limitMs) {
            app.End();
            Fail(at, "no box titled \"" + Shown(title) + "\" appeared" + passed);
        }
        Box box = app.WaitForBox(limitMs - spent, at);
        if (box.title == title) return box;
        passed += "\n  passed over: " + box.Describe();
    }
}

std::string ControlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return control ? ReadWindowText(control) : std::string("<no control>");
}

void WaitUntilGone(Program& app, HWND window, const std::string& what, Caller at) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (!app.Running()) Fail(at, "the program ended while waiting until " + what + " is gone");
        if (GetTickCount() - start > kWaitLimitMs) {
            std::string boxes = DescribeBoxes(app);
            app.End();
            Fail(at, what + " is still there after 5 s" + boxes);
        }
        Sleep(kPollMs);
    }
}

HWND FindProgressDialog(Program& app) {
    for (HWND window : FindBoxWindows(app.ProcessId())) {
        char title[64] = "";
        GetWindowTextA(window, title, sizeof title);  // read from the window, nothing sent
        if (strcmp(title, kProgressTitle) == 0) return window;
    }
    return nullptr;
}

namespace {

// The output edit's own modified flag serves as the mark: the program never reads
// it (its save questions keep a flag of their own), so setting it changes nothing.
void ClearMark(HWND output) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(output, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, kWaitLimitMs, &ignored);
}

bool MarkCameThrough(HWND output) {
    DWORD_PTR modified = 0;
    SendMessageTimeoutA(output, EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG, kWaitLimitMs, &modified);
    return modified != 0;
}

}  // namespace

void WaitForQueue(Program& app, Caller at) {
    HWND output = app.Edit(Pane::Output, at);
    ClearMark(output);
    PostMessageA(output, EM_SETMODIFY, TRUE, 0);
    for (DWORD start = GetTickCount(); !MarkCameThrough(output); Sleep(kPollMs)) {
        if (!app.Running()) Fail(at, "the program ended before it came to the mark");
        if (GetTickCount() - start > 2 * kWaitLimitMs) {
            std::string boxes = DescribeBoxes(app);
            app.End();
            Fail(at, "the program did not come to a mark posted 10 s ago" + boxes);
        }
    }
}

namespace {

// Fails when the program shows a box other than the progress dialog.
void FailOnBoxDuringRun(Program& app, const std::string& what, const Caller& at) {
    for (HWND window : FindBoxWindows(app.ProcessId())) {
        char title[64] = "";
        GetWindowTextA(window, title, sizeof title);
        if (strcmp(title, kProgressTitle) == 0) continue;
        std::string text = what + " showed " + ReadBox(window).Describe();
        if (!IsWindow(window) || !IsWindowVisible(window)) continue;  // gone while read
        app.End();
        Fail(at, text);
    }
}

}  // namespace

void WaitForWindowRun(Program& app, const std::string& expected, Caller at) {
    HWND output = app.Edit(Pane::Output, at);
    std::string now;
    for (DWORD start = GetTickCount();; Sleep(kPollMs)) {
        // Read once the dialog is seen gone: the read waits until the step that
        // closed it has returned.
        if (!FindProgressDialog(app) && (now = ReadWindowText(output)) == expected) return;
        if (!app.Running()) Fail(at, "the program ended during the run");
        FailOnBoxDuringRun(app, "the run", at);
        if (GetTickCount() - start > 2 * kWaitLimitMs) {
            std::string text = "the run is not over with \"" + Shown(expected) +
                               "\" in the output window after 10 s; it holds \"" + Shown(now) +
                               "\"" + DescribeBoxes(app);
            app.End();
            Fail(at, text);
        }
    }
}

void WaitForFileRun(Program& app, const std::string& target, const std::string& expected,
                    Caller at) {
    // The file run pumps only its dialog's messages, so a message posted now is
    // handled once the run is over: its mark on the output edit (which a file run
    // never writes to, and whose modified flag the program does not read) says so.
    HWND output = app.Edit(Pane::Output, at);
    ClearMark(output);
    PostMessageA(output, EM_SETMODIFY, TRUE, 0);
    DWORD start = GetTickCount();
    for (;;) {
        if (MarkCameThrough(output) && !FindProgressDialog(app)) break;
        if (!app.Running()) Fail(at, "the program ended during the file translation");
        // Any box but the progress dialog means the run stopped to ask or report.
        for (HWND window : FindBoxWindows(app.ProcessId())) {
            char title[64] = "";
            GetWindowTextA(window, title, sizeof title);
            if (strcmp(title, kProgressTitle) == 0) continue;
            std::string text = "the file translation showed " + ReadBox(window).Describe() +
                               "\n  target so far: " + Shown(ReadWholeFile(target));
            app.End();
            Fail(at, text);
        }
        if (GetTickCount() - start > 2 * kWaitLimitMs) {
            std::string text = "the file translation is not over after 10 s; the target " +
                               target + " holds \"" + Shown(ReadWholeFile(target)) + "\"";
            app.End();
            Fail(at, text);
        }
        Sleep(kPollMs);
    }
    std::string now = ReadWholeFile(target);
    if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES)
        Fail(at, "the file translation made no target " + target);
    if (now != expected)
        Fail(at, "the target " + target + " holds \"" + Shown(now) + "\"\n  instead of \"" +
                     Shown(expected) + "\"");
}

}  // namespace qd
