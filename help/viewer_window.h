#pragma once
// The help viewer's one window: a row of buttons, a topic page (title, text and
// "Siehe auch" list) and a search page (search box and the topics found).
#include <windows.h>

#include "help/help_request.h"

bool RegisterViewerClass(HINSTANCE instance);

// Created hidden: it shows itself once a request has found its topic.
HWND CreateViewerWindow(HINSTANCE instance);

// Carries the request out from the message loop, so that whoever handed it over
// is not kept waiting while the viewer loads or shows a message box.
void QueueRequest(HWND viewer, const HelpRequest& request);

// Keyboard handling of the viewer (Tab between controls, Enter, F1); true when
// the message was taken and must not be dispatched.
bool TranslateViewerMessage(HWND viewer, MSG* message);
