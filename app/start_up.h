#pragma once
#include <windows.h>

// The steps of start-up, in the order the program takes them once the settings
// are read (app/start_up.cpp).

// The normal and bold fonts of the text windows, from the settings.
void CreateFonts();
// The start-up picture, centred on the frame's client area and kept on the screen.
HWND ShowSplash();
// The input, output and messages windows, tiled, with the input window active.
void CreateTextWindows();
// Binds and initialises the engine with the build's catalogue from the program
// folder. Returns false when the program cannot run.
bool StartEngine();
