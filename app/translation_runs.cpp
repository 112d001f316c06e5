#include "app/translation_runs.h"

#include <algorithm>

#include "app/shell_state.h"
#include "core/file_translation.h"
#include "core/progress.h"
#include "core/run_marking.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "core/sentence_translation.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "messages/word_link.h"
#include "resources/resource_ids.h"
#include "textwin/text_windows.h"

namespace {

EditSelection InputSelection() { return InputMarking(); }

void SelectInput(DWORD start, DWORD end) { MarkInput(start, end); }

void StartProgressDialog(HWND frame) {
    g_run.cancelCount = 0;
    OpenProgressDialog(frame);
}

// The sentence at the end of the input's marking becomes the marked text.
void MarkSentenceAtCaret() {
    const int end = static_cast<int>(InputSelection().end);
    EditTextCopy copy(g_windows.inputEdit);
    if (!copy) {
        ShowMessage(g_shell.frame, kStopBox, IDS_NO_MEMORY, nullptr);
        return;
    }
    SelectInput(FindSentenceStart(copy.text(), copy.length(), end),
                FindSentenceEnd(copy.text(), copy.length(), end));
}

void FinishTranslation() {
    CloseProgressDialog();
    if (SwitchPending()) RunCompletionStep();
}

// Translates the input's text from start to end (the run's marked piece).
void TranslateMarkedPiece() {
    const EditSelection selection = InputSelection();
    if (GetWindowTextLengthA(g_windows.inputEdit) <= 0) return;
    EditTextCopy copy(g_windows.inputEdit);
    if (!copy) {
        ShowMessage(g_shell.frame, kStopBox, IDS_NO_MEMORY, nullptr);
        return;
    }
    if (g_run.progressDialog) ProgressStep(g_run.progressDialog, 1);
    if (g_run.cancelCount != 0) {
        FinishTranslation();
        g_run.endOfText = false;
        g_run.runActive = false;
    } else if (selection.end > selection.start) {
        const DWORD end = std::min<DWORD>(selection.end, static_cast<DWORD>(copy.length()));
        copy.text()[end] = '\0';
        TranslateSentence(copy.text() + selection.start);
    }
}

void TranslateStep(HWND frame) {
    EditSelection selection = InputSelection();
    if (selection.end - selection.start < 3) MarkSentenceAtCaret();
    TranslateMarkedPiece();
    if (g_run.runActive) {
        PostMessageA(frame, WM_COMMAND, CMD_RUN_NEXT, 0);
    } else if (g_run.progressDialog) {
        FinishTranslation();
    }
}

// A link command that interrupts a run closes its progress dialog while the run's
// next step is already queued. That step must not end the link's own translation
// early (its completion step would act on the link's switch), so it does nothing.
bool StepOfEndedRun() { return g_run.progressDialog == nullptr; }

}  // namespace

void TranslateAllCommand(HWND frame) {
    g_run.runEnd = static_cast<unsigned>(GetWindowTextLengthA(g_windows.inputEdit));
    if (g_run.runEnd == 0) return;
    g_run.runStart = 0;
    StartProgressDialog(frame);
    SelectInput(0, 0);
    g_run.endOfText = false;
    PostMessageA(frame, WM_COMMAND, CMD_RUN_NEXT, 0);
}

void TranslateMarkedCommand(HWND frame) {
    EditSelection marked = InputSelection();
    if (marked.start >= marked.end) return;
    g_run.runStart = marked.start;
    g_run.runEnd = marked.end;
    StartProgressDialog(frame);
    SelectInput(marked.start, marked.start);
    g_run.endOfText = false;
    PostMessageA(frame, WM_COMMAND, CMD_RUN_NEXT, 0);
}

void ContinueRunCommand(HWND frame) {
    if (StepOfEndedRun()) return;
    EditSelection selection = InputSelection();
    if (g_run.cancelCount == 0 && !g_run.endOfText && selection.end < g_run.runEnd) {
        g_run.runActive = true;
        MarkSentenceAtCaret();
        selection = InputSelection();
        // A sentence reaching outside the run is clipped to the run's bounds.
        if (selection.start < g_run.runStart || selection.end > g_run.runEnd)
            SelectInput(std::max<DWORD>(selection.start, g_run.runStart),
                        std::min<DWORD>(selection.end, g_run.runEnd));
        PostMessageA(frame, WM_COMMAND, CMD_RUN_TRANSLATE, 0);
        return;
    }
    FinishTranslation();
    g_run.runActive = false;
}

void TranslateSentenceCommand(HWND frame) {
    g_run.cancelCount = 0;
    if (GetWindowTextLengthA(g_windows.inputEdit) == 0) return;
    StartProgressDialog(frame);
    TranslateStep(frame);
}

void TranslateStepCommand(HWND frame) {
    if (StepOfEndedRun()) return;
    TranslateStep(frame);
}

void StopRunCommand() { g_run.endOfText = true; }

void TranslateFileCommand() {
    g_shell.helpContext = CMD_TRANSLATE_FILE;
    if (SwitchPending() && g_shell.pendingFile[0] && g_shell.pendingSwitch[0] == '/') {
        int result = TranslateFile(g_shell.pendingFile, kExchangeFile);
        // An exchange file that is incomplete is never handed back as if it were done.
        if (PostDeferredLinkCommand(g_shell.frame) || result != 0) DropPendingSwitch();
        else RunCompletionStep();
        return;
    }
    TranslateFile(nullptr, nullptr);
    PostDeferredLinkCommand(g_shell.frame);
}
