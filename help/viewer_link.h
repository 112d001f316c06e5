#pragma once
// How the program (and a second viewer) reach the help viewer: find the running
// one, hand it a request, start one, close it. Every wait here is bounded.
#include <windows.h>

#include <string>

#include "help/help_request.h"

constexpr UINT kHelpHandshakeMs = 2000;

// The viewer's window, or nullptr when none runs.
HWND FindHelpViewer();

// Hands request to the running viewer; true once it has taken it. sender may be
// nullptr.
bool SendToHelpViewer(HWND viewer, const HelpRequest& request, HWND sender);

// Starts folder + kHelpViewerProgram with request as its command line and does not
// wait for it. folder ends in a backslash.
bool StartHelpViewer(const std::string& folder, const HelpRequest& request);

// Asks a running viewer to close; does nothing when none runs.
void CloseHelpViewer();
