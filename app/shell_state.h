#pragma once
#include <windows.h>

#include "resources/resource_ids.h"

// The process-wide record of the running program: its instance, names, windows
// and fonts, filled at start-up, and the frame's own state.
struct ShellState {
    HINSTANCE instance;
    char programDir[161];  // ends in a backslash
    char helpFile[160];
    HWND frame;
    HWND mdiClient;
    HFONT normalFont;
    HFONT boldFont;
    HACCEL accelerators;
    HWND* lexiconDialogs[2];  // the lexicon editor's two window-handle variables
    char pendingSwitch[64];   // empty: none
    char pendingFile[256];

    int helpContext;   // the help topic F1 shows; 0: none
    int arrangement;   // 1 tiled one above the other, 2 side by side, 3 cascaded
    HHOOK f1Hook;
    bool dialogGuard;  // a command dialog is open
};

extern ShellState g_shell;

// The help topic when nothing more particular is active: the contents.
constexpr int kDefaultHelpContext = CMD_CONTENTS;
