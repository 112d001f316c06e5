// The program's own notices of the translation core: fixed dialogs and messages.
#include <windows.h>

#include "app/build_profile.h"
#include "app/shell_state.h"
#include "core/sentence_translation.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"

namespace {

void ShowEngineFailure() { ShowNoticeDialog(CurrentBuild().fatalErrorDialog, g_shell.frame); }

void ShowOutputFull() { ShowNoticeDialog(IDD_OUTPUT_FULL, GetActiveWindow()); }

void ShowTargetWriteFailure(const char* path) {
    ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_WRITE, path);
}

}  // namespace

TranslationNotices g_notices = {ShowEngineFailure, ShowOutputFull, ShowTargetWriteFailure};
