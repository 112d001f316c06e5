#include "messages/word_link.h"

#include <string.h>

#include <string>

#include "app/shell_state.h"
#include "app/translation_runs.h"
#include "core/file_translation.h"
#include "core/progress.h"
#include "core/run_state.h"
#include "core/sentence_translation.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "textwin/text_files.h"
#include "textwin/text_windows.h"

namespace {

constexpr int kWholeWindowEnd = 57344;
constexpr int kCommandLineSize = 256;

void RestartWordProcessor() {
    char command[kCommandLineSize];
    if (ReadTextSetting(Setting::WordDir, command, sizeof command) == 0) return;
    char document[kCommandLineSize];
    if (ReadTextSetting(Setting::WordDoc, document, sizeof document) == 0) return;
    const char program[] = "\\WINWORD.EXE ";
    // A command line cut to fit the buffer would open the wrong document, or none:
    // unless all of it fits, the word processor stays closed.
    if (strlen(command) + strlen(program) + strlen(document) >= sizeof command) return;
    strcat(command, program);
    strcat(command, document);
    WinExec(command, SW_SHOWMAXIMIZED);
}

void CopyOutputToClipboard() {
    SendMessageA(g_windows.outputEdit, EM_SETSEL, 0, kWholeWindowEnd);
    SendMessageA(g_windows.outputEdit, WM_COPY, 0, 0);
}

void EmptyEdit(HWND edit) {
    SendMessageA(edit, EM_SETSEL, 0, kWholeWindowEnd);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
}

// While a window run goes on, the user decides whether the link may interrupt it.
// Going on ends that run: its dialog closes and its next step stops.
bool MayInterruptRun(HWND frame) {
    if (!g_run.runActive) return true;
    if (ShowMessage(frame, kYesNoBox, IDS_DOCUMENT_BUSY, nullptr) != IDYES) return false;
    g_run.endOfText = true;
    g_run.runActive = false;
    CloseProgressDialog();
    return true;
}

// The document named by the word processor becomes the pending file.
bool TakeDocument(HWND frame, const char* pendingSwitch) {
    char document[256];
    if (ReadTextSetting(Setting::QDplusDoc, document, sizeof document) == 0) {
        ShowMessage(frame, kStopBox, IDS_CANNOT_OPEN, "Dokument in QDplus");
        return false;
    }
    lstrcpynA(g_shell.pendingFile, document, sizeof g_shell.pendingFile);
    lstrcpynA(g_shell.pendingSwitch, pendingSwitch, sizeof g_shell.pendingSwitch);
    return true;
}

void TranslateDocumentToFile(HWND frame, const char* pendingSwitch) {
    if (!MayInterruptRun(frame) || !TakeDocument(frame, pendingSwitch)) return;
    TranslateFileCommand();
}

void TranslateDocumentInWindows(HWND frame, const char* pendingSwitch) {
    if (!MayInterruptRun(frame)) return;
    EmptyEdit(g_windows.outputEdit);
    if (!TakeDocument(frame, pendingSwitch)) return;
    if (LoadTextFile(g_windows.inputWindow, g_shell.pendingFile))
        PostMessageA(frame, WM_COMMAND, CMD_TRANSLATE_ALL, 0);
}

// The clipboard's text goes through the input and output windows and comes back
// translated on the clipboard.
void TranslateClipboard(HWND frame, LPARAM sender) {
    if (g_run.runActive || g_shell.dialogGuard) {
        BringWindowToTop(frame);
        if (g_shell.dialogGuard) return;
    }
    if (!MayInterruptRun(frame)) return;
    g_run.cancelCount = 0;
    OpenProgressDialog(frame);
    std::string text = ClipboardText(frame);
    if (!text.empty() && text.size() < static_cast<size_t>(kSentenceLimit)) {
        SendMessageA(g_windows.inputEdit, EM_SETSEL, 0, kWholeWindowEnd);
        SendMessageA(g_windows.inputEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        EmptyEdit(g_windows.outputEdit);
        TranslateSentence(&text[0]);
        if (g_run.cancelCount == 0) CopyOutputToClipboard();
    }
    CloseProgressDialog();
    BringToFront(reinterpret_cast<HWND>(sender));
}

// A link command that arrives while a file run is inside its loop (a notice of the
// run lets the frame's queue run) cannot interrupt it there. As for window runs,
// the user decides: going on stops the file run, and the command runs after it.
struct DeferredCommand {
    int command = 0;
    LPARAM sender = 0;
};
DeferredCommand g_deferred;

void DeferUntilFileRunEnds(HWND frame, int command, LPARAM sender) {
    BringWindowToTop(frame);
    if (g_deferred.command != 0) return;  // one is already waiting for the run's end
    if (ShowMessage(frame, kYesNoBox, IDS_DOCUMENT_BUSY, nullptr) != IDYES) return;
    g_run.cancelCount = 1;
    g_deferred = {command, sender};
}

}  // namespace

bool PostDeferredLinkCommand(HWND frame) {
    if (g_deferred.command == 0) return false;
    PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(g_deferred.command), g_deferred.sender);
    g_deferred = DeferredCommand{};
    return true;
}

void DropPendingSwitch() { g_shell.pendingSwitch[0] = '\0'; }

bool DispatchLinkCommand(HWND frame, int command, LPARAM sender) {
    if (command >= CMD_LINK_CLIPBOARD && command <= CMD_LINK_WINDOWS_W && g_run.fileRunActive) {
        DeferUntilFileRunEnds(frame, command, sender);
        return true;
    }
    switch (command) {
    case CMD_LINK_NOTHING: return true;
    case CMD_LINK_CLIPBOARD: TranslateClipboard(frame, sender); return true;
    case CMD_LINK_DOCUMENT_S: TranslateDocumentToFile(frame, "/S"); return true;
    case CMD_LINK_DOCUMENT_T: TranslateDocumentToFile(frame, "/T"); return true;
    case CMD_LINK_DOCUMENT_W: TranslateDocumentToFile(frame, "/W"); return true;
    case CMD_LINK_WINDOWS_S: TranslateDocumentInWindows(frame, "/s"); return true;
    case CMD_LINK_WINDOWS_T: TranslateDocumentInWindows(frame, "/t"); return true;
    case CMD_LINK_WINDOWS_W: TranslateDocumentInWindows(frame, "/w"); return true;
    default: return false;
    }
}

bool SwitchPending() { return g_shell.pendingSwitch[0] != '\0'; }

void RunCompletionStep() {
    const char* pending = g_shell.pendingSwitch;
    if (pending[0] != '/' || pending[1] == '\0') return;
    const char letter = pending[1];
    if (letter == 'W' || letter == 'w') RestartWordProcessor();
    if (letter == 'S' || letter == 's') CopyOutputToClipboard();
    else SetChildModified(g_windows.outputWindow, 0);
    g_shell.pendingSwitch[0] = '\0';
}
