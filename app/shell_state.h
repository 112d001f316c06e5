#pragma once
#include <windows.h>

// The process-wide record of the running program: its instance, names, windows
// and fonts, filled at start-up.
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
};

extern ShellState g_shell;
