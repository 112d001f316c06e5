#include "core/run_marking.h"

#include "core/message_log.h"
#include "core/run_state.h"
#include "core/update_pace.h"
#include "messages/window_text.h"
#include "textwin/window_registry.h"

namespace {

struct PendingMarking {
    bool waits = false;
    EditSelection marking;
    UpdatePace pace;
};
PendingMarking g_pendingMarking;

void Show(EditSelection marking) {
    BringWindowToTop(g_windows.inputWindow);
    SendMessageA(g_windows.inputEdit, EM_SETSEL, marking.start, marking.end);
    SendMessageA(g_windows.inputEdit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

void ShowInputMarking() {
    if (!g_pendingMarking.waits) return;
    g_pendingMarking.waits = false;
    const long long start = UpdatePace::NowUs();
    Show(g_pendingMarking.marking);
    g_pendingMarking.pace.Shown(start, UpdatePace::NowUs());
}

void MarkInput(DWORD start, DWORD end) {
    g_pendingMarking.marking = EditSelection{start, end};
    g_pendingMarking.waits = true;
    // Only the steps of a window run wait; a single sentence (F9) shows its marking at once.
    if (!TranslationInProgress() || !g_run.runActive || g_pendingMarking.pace.Due(UpdatePace::NowUs()))
        ShowInputMarking();
}

EditSelection InputMarking() {
    return g_pendingMarking.waits ? g_pendingMarking.marking : SelectionOf(g_windows.inputEdit);
}

void ShowWhatWaits() {
    ShowInputMarking();
    FlushOutput();
    FlushMessages();
}
