#pragma once
// The input window's marking while a translation goes on. Every sentence of a run
// moves it, and showing it (select, scroll, bring the input window forward) costs
// Wine's edit control more than translating the sentence. While the progress
// dialog exists the marking is kept here and shown when due (core/update_pace.h),
// and whole before anything else looks at the windows.
#include <windows.h>

struct EditSelection;  // messages/window_text.h

// Marks start to end in the input window: at once outside a translation, when due
// during one.
void MarkInput(DWORD start, DWORD end);

// The input's marking as the translation sees it: what waits to be shown, or the
// window's own selection.
EditSelection InputMarking();

// Shows the marking that waits.
void ShowInputMarking();

// Shows the marking that waits, then puts in the output and the messages that wait.
void ShowWhatWaits();
