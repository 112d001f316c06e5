// QDHELP.EXE: shows the help text QD.hlp. Started by the program with a request
// on its command line; one copy runs, and a second start hands its request over.
#include <windows.h>

#include <string>

#include "help/help_request.h"
#include "help/viewer_link.h"
#include "help/viewer_window.h"

namespace {

constexpr char kRunningViewer[] = "QuendelHelpViewerRuns";  // held by the viewer that shows

// True once another viewer has taken the request. A viewer that is still ending
// gives up its hold within the wait, and this one then shows the help itself.
bool HandedOver(HANDLE running, const HelpRequest& request) {
    DWORD start = GetTickCount();
    do {
        DWORD got = WaitForSingleObject(running, 0);
        if (got == WAIT_OBJECT_0 || got == WAIT_ABANDONED) return false;
        HWND other = FindHelpViewer();
        if (other && SendToHelpViewer(other, request, nullptr)) return true;
        Sleep(20);
    } while (GetTickCount() - start < kHelpHandshakeMs);
    return false;
}

int RunViewer(HINSTANCE instance, const HelpRequest& request) {
    if (!RegisterViewerClass(instance)) return 1;
    HWND viewer = CreateViewerWindow(instance);
    if (!viewer) return 1;
    QueueRequest(viewer, request);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateViewerMessage(viewer, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string arguments = CommandLineArguments(GetCommandLineA());
    HelpRequest request;
    if (!ParseHelpRequest(arguments, &request)) {
        MessageBoxA(nullptr, ("Diesen Aufruf versteht die Hilfe nicht:\n\n" + arguments).c_str(),
                    "Quendel Hilfe", MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (request.action == HelpAction::Quit) {
        CloseHelpViewer();
        return 0;
    }
    HANDLE running = CreateMutexA(nullptr, FALSE, kRunningViewer);
    int result = 0;
    if (!running || !HandedOver(running, request)) result = RunViewer(instance, request);
    if (running) CloseHandle(running);
    return result;
}
