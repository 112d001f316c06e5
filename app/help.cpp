#include "app/help.h"

#include "app/shell_state.h"

void CallHelp(UINT command, ULONG_PTR data) {
    WinHelpA(g_shell.frame, g_shell.helpFile, command, data);
}

void ShowContextHelp() {
    if (g_shell.helpContext != 0) CallHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(g_shell.helpContext));
}

void WINAPI HelpCallback() { ShowContextHelp(); }
