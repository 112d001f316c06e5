#include "core/message_log.h"

#include <windows.h>

#include "app/shell_state.h"
#include "core/run_state.h"
#include "core/sentence_translation.h"
#include "textwin/window_registry.h"

OutputTarget g_outputTarget;

namespace {

DWORD EditTextLength(HWND edit) { return static_cast<DWORD>(GetWindowTextLengthA(edit)); }

DWORD SelectionStart(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start;
}

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
    InsertAtEnd(edit, text);
    if (SelectionStart(edit) == before) {
        // The edit control refused the text: the output window is full.
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
