#pragma once
#include <windows.h>

// The frame window: the program's one top-level window, an MDI frame of the
// build's class with menu 2.
bool RegisterFrameClass(HINSTANCE instance);
LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog 132: which window a dropped file goes to.
INT_PTR CALLBACK DropTargetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A registered message through which outside programs ask what the frame shows:
// wParam says what, lParam names the menu item.
UINT InspectionMessage();
enum InspectionQuery {
    kInspectMenuState = 1,    // GetMenuState after the menu-state rules ran
    kInspectMenuText = 2,     // a global atom holding the item's text
    kInspectHelpContext = 3,  // the current help context
};
