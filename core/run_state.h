#pragma once
// Shared state of a translation run: who may go on, and when to stop.
typedef struct HWND__* HWND;

struct RunState {
    HWND progressDialog;   // dialog 117; a translation is in progress exactly while it exists
    unsigned runStart;     // bounds of a multi-sentence run in the input edit
    unsigned runEnd;
    bool runActive;        // a window run goes from sentence to sentence
    int cancelCount;       // anything but 0 stops the run after the current sentence
    bool endOfText;        // the scanner met the end, the output is full, or 141 arrived
    bool fileRunActive;    // a file translation is inside its loop
};

extern RunState g_run;

inline bool TranslationInProgress() { return g_run.progressDialog != nullptr; }
