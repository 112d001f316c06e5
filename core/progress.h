#pragma once
#include <windows.h>

// The modeless progress dialog of a translation run: it animates, counts
// sentences and offers "Abbrechen". A translation is in progress exactly while
// it exists (g_run.progressDialog).

// Opens dialog 117 owned by owner and makes it the run's progress dialog.
HWND OpenProgressDialog(HWND owner);
// Destroys the progress dialog, if there is one.
void CloseProgressDialog();

// Counts one sentence (showing the count every `every` sentences) and lets the
// dialog handle its pending messages. dialog none means the run's dialog.
// Returns the cancel count.
int ProgressStep(HWND dialog, int every);

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The sentence counter and the animation frame, for those who watch the dialog.
int ProgressSentenceCount();
int ProgressAnimationFrame();
