#include "app/commands.h"

#include "app/help.h"
#include "app/shell_state.h"
#include "resources/resource_ids.h"
#include "textwin/text_files.h"
#include "textwin/text_windows.h"

namespace {

// Runs a command that opens a dialog with its own help topic.
template <typename Action>
void WithHelpContext(int command, Action action) {
    g_shell.helpContext = command;
    action();
    g_shell.helpContext = kDefaultHelpContext;
}

bool ActiveEditHoldsText() {
    return g_windows.activeEdit && GetWindowTextLengthA(g_windows.activeEdit) > 0;
}

void NewText() {
    HWND window = g_windows.activeChild;
    if (!window || !QuerySaveChanges(window)) return;
    int kind = ChildKind(window);
    SetWindowTextA(g_windows.activeEdit, "");
    SetChildModified(window, 0);
    SetChildOfferAsciiToWindows(window, 1);
    g_fileName[kind][0] = '\0';
    UpdateWindowTitle(kind);
}

void OpenText(HWND frame) {
    HWND window = g_windows.activeChild;
    if (!window || !QuerySaveChanges(window)) return;
    OpenTextFile(frame);
    SetChildOfferAsciiToWindows(window, 1);
}

// Save and Save as leave the help context at their own when there is nothing to save.
void SaveText(bool saveAs) {
    int command = saveAs ? CMD_SAVE_AS : CMD_SAVE;
    g_shell.helpContext = command;
    HWND window = g_windows.activeChild;
    if (!window) return;
    if (saveAs && !ChooseSaveName(window, true)) {
        g_shell.helpContext = kDefaultHelpContext;
        return;
    }
    if (!ActiveEditHoldsText()) return;
    SendMessageA(window, WM_COMMAND, CMD_SAVE, 0);
    UpdateWindowTitle(ChildKind(window));
    g_shell.helpContext = kDefaultHelpContext;
}

void Arrange(int mode) {
    g_shell.arrangement = mode;
    if (mode == 3) SendMessageA(g_shell.mdiClient, WM_MDICASCADE, 0, 0);
    else ArrangeWindows(mode == 1);
}

}  // namespace

void DispatchCommand(HWND frame, WPARAM wParam, LPARAM lParam) {
    const int command = LOWORD(wParam);
    switch (command) {
    case CMD_NEW: NewText(); break;
    case CMD_OPEN: WithHelpContext(command, [frame] { OpenText(frame); }); break;
    case CMD_SAVE: SaveText(false); break;
    case CMD_SAVE_AS: SaveText(true); break;
    case CMD_EXIT: SendMessageA(frame, WM_CLOSE, 0, 0); break;
    case CMD_TILE: Arrange(1); break;
    case CMD_SIDE_BY_SIDE: Arrange(2); break;
    case CMD_CASCADE: Arrange(3); break;
    case CMD_HELP: ShowContextHelp(); break;
    case CMD_CONTENTS: CallHelp(HELP_CONTENTS, 0); break;
    case CMD_HELP_SEARCH: CallHelp(HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>("")); break;
    case CMD_HELP_ON_HELP: CallHelp(HELP_HELPONHELP, 0); break;
    default:
        DefFrameProcA(frame, g_shell.mdiClient, WM_COMMAND, wParam, lParam);
        break;
    }
}
