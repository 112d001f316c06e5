#include "core/message_log.h"

#include <windows.h>

#include "app/shell_state.h"
#include "core/run_state.h"
#include "core/sentence_translation.h"
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

}  // namespace

int AppendOutput(const char* text) {
    if (g_outputTarget.toFile) return AppendToTargetFile(text);

    HWND edit = g_windows.outputEdit;
    DWORD before = EditTextLength(edit);
    if (!text || !*text) return static_cast<int>(before);
    const DWORD length = static_cast<DWORD>(lstrlenA(text));
    const DWORD limit = static_cast<DWORD>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    // A translation goes in whole or not at all: the edit control would take the
    // part that fits and drop the rest without a word.
    bool taken = before + length <= limit;
    if (taken) {
        InsertAtEnd(edit, text);
        if (EditTextLength(edit) != before + length) {
            SendMessageA(edit, EM_SETSEL, before, static_cast<LPARAM>(-1));
            SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
            taken = false;
        }
    }
    if (!taken) {
        g_notices.outputFull();
        g_run.endOfText = true;
        g_run.cancelCount = 1;
    }
    if (g_windows.outputWindow) BringWindowToTop(g_windows.outputWindow);
    return static_cast<int>(before);
}

void AppendMessage(const char* text, const char* prefix) {
    HWND edit = g_windows.messagesEdit;
    if (prefix && *prefix) InsertAtEnd(edit, prefix);
    InsertAtEnd(edit, text);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    if (!g_run.runActive && g_windows.messagesWindow) BringWindowToTop(g_windows.messagesWindow);
}
