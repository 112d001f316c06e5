// The program's own notices of the translation core: fixed dialogs and messages.
#include <windows.h>

#include "app/build_profile.h"
#include "app/shell_state.h"
#include "core/sentence_translation.h"
#include "messages/message_box.h"

namespace {

constexpr int kOutputFullDialog = 131;
constexpr int kCannotWriteString = 4;

void ShowEngineFailure() { ShowNoticeDialog(CurrentBuild().fatalErrorDialog, g_shell.frame); }

void ShowOutputFull() { ShowNoticeDialog(kOutputFullDialog, GetActiveWindow()); }

void ShowTargetWriteFailure(const char* path) {
    ShowMessage(g_shell.frame, kStopBox, kCannotWriteString, path);
}

}  // namespace

TranslationNotices g_notices = {ShowEngineFailure, ShowOutputFull, ShowTargetWriteFailure};
