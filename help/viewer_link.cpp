#include "help/viewer_link.h"

HWND FindHelpViewer() { return FindWindowA(kHelpViewerClass, nullptr); }

bool SendToHelpViewer(HWND viewer, const HelpRequest& request, HWND sender) {
    std::string text = FormatHelpRequest(request);
    COPYDATASTRUCT data = {};
    data.dwData = kHelpRequestTag;
    data.cbData = static_cast<DWORD>(text.size() + 1);
    data.lpData = &text[0];
    // The viewer comes to the front on its own; Windows lets it only with leave.
    DWORD processId = 0;
    GetWindowThreadProcessId(viewer, &processId);
    AllowSetForegroundWindow(processId);
    DWORD_PTR taken = 0;
    return SendMessageTimeoutA(viewer, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kHelpHandshakeMs, &taken) != 0 &&
           taken != 0;
}

bool StartHelpViewer(const std::string& folder, const HelpRequest& request) {
    std::string program = folder + kHelpViewerProgram;
    std::string commandLine = "\"" + program + "\" " + FormatHelpRequest(request);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

void CloseHelpViewer() {
    HWND viewer = FindHelpViewer();
    if (viewer) PostMessageA(viewer, WM_CLOSE, 0, 0);
}
