#pragma once
#include <windows.h>

#include "textwin/window_registry.h"

// The input, output and messages windows: MDI children that are nothing but a
// frame around one multi-line edit control.

extern const char* const kTextWindowClass;      // "childedit"
extern const char* const kMessagesWindowClass;  // "childmess"

// The record each child keeps in its window extra bytes.
HWND ChildEdit(HWND child);
int ChildWordWrap(HWND child);
int ChildModified(HWND child);
void SetChildModified(HWND child, int modified);
int ChildKind(HWND child);
int ChildOfferAsciiToWindows(HWND child);
void SetChildOfferAsciiToWindows(HWND child, int offer);

// The caption texts of the three windows, by kind.
extern char g_windowTitle[3][168];

bool RegisterTextWindowClasses(HINSTANCE instance);

// Creates the input (kind 0) or output (kind 1) window in the MDI client.
HWND CreateTextWindow(int kind);
HWND CreateMessagesWindow();

// Gives window an edit control that wraps (on) or scrolls horizontally (off).
bool SetWordWrap(HWND window, bool on);

// Tiles the two text windows one above the other (horizontal) or side by side;
// the messages window stays minimized.
void ArrangeWindows(bool horizontal);

// Asks every text window whether it may close; false at the first refusal.
bool QueryCloseAll();

// The edit controls' window procedures (subclass handlers).
LRESULT CALLBACK TextEditHandler(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MessagesEditHandler(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// The text limit the edit controls get: positions are handled as 16-bit values.
constexpr int kEditCapacity = 65535;
