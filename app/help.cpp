#include "app/help.h"

#include "app/shell_state.h"
#include "help/viewer_link.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"

namespace {

void ReportMissingViewer() {
    ShowMessage(g_shell.frame, kStopBox, IDS_HELP_VIEWER_MISSING, nullptr);
}

}  // namespace

bool HelpRequestFor(UINT command, ULONG_PTR data, const char* helpFile, HelpRequest* request) {
    *request = HelpRequest();
    request->file = helpFile ? helpFile : "";
    switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTEXTPOPUP:
        request->action = HelpAction::Context;
        request->context = static_cast<int>(data);
        return true;
    case HELP_CONTENTS:
    case HELP_FINDER:
        request->action = HelpAction::Contents;
        return true;
    case HELP_KEY:
    case HELP_PARTIALKEY:
        request->action = HelpAction::Search;
        request->key = data ? reinterpret_cast<const char*>(data) : "";
        return true;
    case HELP_HELPONHELP:
        request->action = HelpAction::UsingHelp;
        return true;
    case HELP_QUIT:
        request->action = HelpAction::Quit;
        request->file.clear();
        return true;
    default:
        return false;
    }
}

// A running viewer takes the request at once (the wait is bounded); else a new
// one starts with it on its command line, and the program goes on without waiting.
void CallHelp(UINT command, ULONG_PTR data) {
    HelpRequest request;
    if (!HelpRequestFor(command, data, g_shell.helpFile, &request)) return;
    if (request.action == HelpAction::Quit) {
        CloseHelpViewer();
        return;
    }
    HWND viewer = FindHelpViewer();
    if (viewer && SendToHelpViewer(viewer, request, g_shell.frame)) return;
    if (!StartHelpViewer(g_shell.programDir, request)) ReportMissingViewer();
}

void ShowContextHelp() {
    if (g_shell.helpContext != 0)
        CallHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(g_shell.helpContext));
}

void WINAPI HelpCallback() { ShowContextHelp(); }
