#pragma once
#include <windows.h>

// The frame window: the program's one top-level window.
LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
