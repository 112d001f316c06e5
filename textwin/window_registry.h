#pragma once
#include <windows.h>

enum WindowKind { kInputWindow = 0, kOutputWindow = 1, kMessagesWindow = 2 };

// The handles of the three text windows that the rest of the program reads.
struct WindowRegistry {
    HWND inputWindow, inputEdit;
    HWND outputWindow, outputEdit;
    HWND messagesWindow, messagesEdit;
    HWND activeChild, activeEdit;
    WNDPROC textEditProc;      // the edit class's own procedure, saved when subclassing
    WNDPROC messagesEditProc;
};

extern WindowRegistry g_windows;
