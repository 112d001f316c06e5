#pragma once
// Finding and reading another process's dialogs; used by Program, not by tests.
#include "tests/support/driver.h"

namespace qd {

// Visible dialogs and message boxes of the process, topmost first.
std::vector<HWND> FindBoxWindows(DWORD processId);
// Whether the window's thread answers a message within a moment.
bool TakesInput(HWND window);
Box ReadBox(HWND window);
// WM_GETTEXT with a short time limit; empty when the window does not answer.
std::string ReadWindowText(HWND window);

}  // namespace qd
