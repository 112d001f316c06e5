#pragma once
#include <windows.h>

// Every command, from the menu, an accelerator, a context menu, the program itself
// or an outside program, arrives here.
void DispatchCommand(HWND frame, WPARAM wParam, LPARAM lParam);
