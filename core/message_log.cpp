#include "core/message_log.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/shell_state.h"
#include "core/run_marking.h"
#include "core/run_state.h"
#include "core/sentence_translation.h"
#include "core/update_pace.h"
#include "textwin/window_registry.h"

OutputTarget g_outputTarget;

namespace {

DWORD EditTextLength(HWND edit) { return static_cast<DWORD>(GetWindowTextLengthA(edit)); }

void InsertAtEnd(HWND edit, const char* text) {
    DWORD length = EditTextLength(edit);
    SendMessageA(edit, EM_SETSEL, length, length);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

int AppendToTargetFile(const char* text) {
    if (g_outputTarget.failed) return -1;
    HANDLE file = CreateFileA(g_outputTarget.path, FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD length = static_cast<DWORD>(lstrlenA(text));
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE &&
              (length == 0 || (WriteFile(file, text, length, &written, nullptr) && written == length));
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (ok) return static_cast<int>(written);

    // A target that silently lost text would be reported as a success: say so once
    // and stop the run.
    g_outputTarget.failed = true;
    g_run.cancelCount = 1;
    g_notices.targetWriteFailed(g_outputTarget.path);
    return -1;
}

// Output for the window waits here during a run and goes in when due: every
// insertion makes the edit control lay its text out again and redraw its scroll
// bar, which costs far more than translating a sentence.
struct PendingOutput {
    std::string text;
    std::vector<size_t> pieceEnds;  // where each appended piece ends
    UpdatePace pace;
};
PendingOutput g_pending;

// Inserts text at the end whole, or takes back what went in and returns false.
bool InsertWhole(HWND edit, const char* text, DWORD before, DWORD length) {
    InsertAtEnd(edit, text);
    if (EditTextLength(edit) == before + length) return true;
    SendMessageA(edit, EM_SETSEL, before, static_cast<LPARAM>(-1));
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
    return false;
}

// A window run's messages wait in the same way: the messages window lays out and
// scrolls its text for every line that goes in.
struct PendingMessages {
    std::string text;
    UpdatePace pace;
};
PendingMessages g_pendingMessages;

void InsertMessages(const char* text) {
    HWND edit = g_windows.messagesEdit;
    InsertAtEnd(edit, text);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void ReportOutputFull() {
    ShowInputMarking();  // the sentence that did not fit stands marked beside the notice
    g_notices.outputFull();
    g_run.endOfText = true;
    g_run.cancelCount = 1;
}

}  // namespace

int AppendOutput(const char* text) {
    if (g_outputTarget.toFile) return AppendToTargetFile(text);

    HWND edit = g_windows.outputEdit;
    const DWORD before = EditTextLength(edit) + static_cast<DWORD>(g_pending.text.size());
    if (!text || !*text) return static_cast<int>(before);
    const DWORD length = static_cast<DWORD>(lstrlenA(text));
    const DWORD limit = static_cast<DWORD>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    // A translation goes in whole or not at all: the edit control would take the
    // part that fits and drop the rest without a word.
    if (before + length > limit) {
        FlushOutput();
        ReportOutputFull();
    } else if (!g_run.progressDialog) {
        FlushOutput();
        if (!InsertWhole(edit, text, before, length)) ReportOutputFull();
    } else {
        g_pending.text.append(text, length);
        g_pending.pieceEnds.push_back(g_pending.text.size());
        if (g_pending.pace.Due(UpdatePace::NowUs())) FlushOutput();
        return static_cast<int>(before);
    }
    if (g_windows.outputWindow) BringWindowToTop(g_windows.outputWindow);
    return static_cast<int>(before);
}

void FlushOutput() {
    if (g_pending.text.empty()) return;
    // Taken out first: a notice below lets messages through, and they may append.
    std::string text;
    std::vector<size_t> pieceEnds;
    text.swap(g_pending.text);
    pieceEnds.swap(g_pending.pieceEnds);
    const long long start = UpdatePace::NowUs();
    HWND edit = g_windows.outputEdit;
    if (!InsertWhole(edit, text.c_str(), EditTextLength(edit), static_cast<DWORD>(text.size()))) {
        // Piece by piece, as they came, until one does not go in whole.
        size_t start = 0;
        for (size_t end : pieceEnds) {
            const std::string piece = text.substr(start, end - start);
            if (!InsertWhole(edit, piece.c_str(), EditTextLength(edit), static_cast<DWORD>(piece.size()))) {
                ReportOutputFull();
                break;
            }
            start = end;
        }
    }
    if (g_windows.outputWindow) BringWindowToTop(g_windows.outputWindow);
    g_pending.pace.Shown(start, UpdatePace::NowUs());
}

void FlushMessages() {
    if (g_pendingMessages.text.empty()) return;
    std::string text;
    text.swap(g_pendingMessages.text);
    const long long start = UpdatePace::NowUs();
    InsertMessages(text.c_str());
    g_pendingMessages.pace.Shown(start, UpdatePace::NowUs());
}

void AppendMessage(const char* text, const char* prefix) {
    if (g_run.runActive && g_run.progressDialog) {
        if (prefix) g_pendingMessages.text += prefix;
        g_pendingMessages.text += text;
        if (g_pendingMessages.pace.Due(UpdatePace::NowUs())) FlushMessages();
        return;
    }
    // Outside a window run the messages window comes forward after the input's
    // marking and the output window: what waits is shown first.
    if (!g_run.runActive) ShowWhatWaits();
    if (prefix && *prefix) InsertAtEnd(g_windows.messagesEdit, prefix);
    InsertMessages(text);
    if (!g_run.runActive && g_windows.messagesWindow) BringWindowToTop(g_windows.messagesWindow);
}
