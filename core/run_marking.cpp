#include "core/run_marking.h"

#include "core/message_log.h"
#include "core/run_state.h"
#include "messages/window_text.h"
#include "textwin/window_registry.h"

namespace {

struct PendingMarking {
    bool waits = false;
    EditSelection marking;
    DWORD lastShown = 0;
};
PendingMarking g_pendingMarking;
constexpr DWORD kShowIntervalMs = 33;

void Show(EditSelection marking) {
    BringWindowToTop(g_windows.inputWindow);
    SendMessageA(g_windows.inputEdit, EM_SETSEL, marking.start, marking.end);
    SendMessageA(g_windows.inputEdit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

void ShowInputMarking() {
    if (!g_pendingMarking.waits) return;
    g_pendingMarking.waits = false;
    Show(g_pendingMarking.marking);
    // Counted from the end, as for the output.
    g_pendingMarking.lastShown = GetTickCount();
}

void MarkInput(DWORD start, DWORD end) {
    g_pendingMarking.marking = EditSelection{start, end};
    g_pendingMarking.waits = true;
    // Only the steps of a window run wait; a single sentence (F9) shows its marking at once.
    if (!TranslationInProgress() || !g_run.runActive || GetTickCount() - g_pendingMarking.lastShown >= kShowIntervalMs)
        ShowInputMarking();
}

EditSelection InputMarking() {
    return g_pendingMarking.waits ? g_pendingMarking.marking : SelectionOf(g_windows.inputEdit);
}

void ShowWhatWaits() {
    ShowInputMarking();
    FlushOutput();
}
