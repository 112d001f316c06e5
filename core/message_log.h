#pragma once
// The only two ways the translation core writes text anywhere.

// Where translations go: the output window, or during a file translation the
// target file, which every append opens, extends and closes again.
struct OutputTarget {
    bool toFile = false;
    char path[160] = "";
    bool failed = false;  // a write to the target file failed; the file run stops
};

extern OutputTarget g_outputTarget;

// Appends text to the output target. Returns the window's text length before the
// append, or the number of bytes written to the target file (-1 on failure).
// During a run (while the progress dialog exists) the window gets its text in
// batches: FlushOutput puts in what waits, and closing the progress dialog does.
int AppendOutput(const char* text);
void FlushOutput();

// Appends prefix (when given and not empty) and then text to the messages window.
// During a window run the lines wait like the output: FlushMessages puts them in.
void AppendMessage(const char* text, const char* prefix);
void FlushMessages();
