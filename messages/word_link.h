#pragma once
#include <windows.h>

// The program's side of the word-processor link.

// Run at the end of a translation while a switch is pending: hands the output
// back (clipboard), restarts the word processor, or marks the output as saved,
// then clears the switch.
void RunCompletionStep();

// True when a switch is pending (set by the command line or a link command).
bool SwitchPending();

// The link commands 990 to 999 that the word processor posts to the frame, with
// its window in lParam for some. Returns false for any other command.
bool DispatchLinkCommand(HWND frame, int command, LPARAM sender);
