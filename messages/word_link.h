#pragma once
#include <windows.h>

// The program's side of the word-processor link.

// Run at the end of a translation while a switch is pending: hands the output
// back (clipboard), restarts the word processor, or marks the output as saved,
// then clears the switch.
void RunCompletionStep();

// True when a switch is pending (set by the command line or a link command).
bool SwitchPending();
// Forgets the pending switch without its completion step: a hand-over that failed
// or was given up must never look complete to the word processor.
void DropPendingSwitch();

// Posts the link command that waited for the end of a file run, if the user let it
// stop that run; true when there was one.
bool PostDeferredLinkCommand(HWND frame);

// The link commands 990 to 999 that the word processor posts to the frame, with
// its window in lParam for some. Returns false for any other command.
bool DispatchLinkCommand(HWND frame, int command, LPARAM sender);
