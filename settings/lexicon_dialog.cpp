#include "settings/lexicon_dialog.h"

#include <string>

#include "app/build_profile.h"
#include "app/help.h"
#include "app/shell_state.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/lexicon_library.h"
#include "settings/settings_file.h"
#include "settings/translation_settings.h"
#include "settings/user_lexicon.h"
#include "textwin/text_files.h"

namespace {

constexpr int kPathSize = 160;

// "Lexika D->E (*.DE)" and "*.DE" as a file-dialog filter.
std::string LexiconFilter() {
    const BuildProfile& build = CurrentBuild();
    return FileFilterEntry(build.lexiconFilterString, build.lexiconFilterPattern);
}

void ApplyUseBox(HWND dialog) {
    const bool use = IsDlgButtonChecked(dialog, IDC_USE_LEXICON) == BST_CHECKED;
    for (int control : {IDC_LEXICON_LABEL, IDC_LEXICON_PATH, IDC_NEW_LEXICON, IDC_FIND_LEXICON})
        EnableWindow(GetDlgItem(dialog, control), use);
}

// The trial opens close the current lexicon; it is opened again by its path.
void ReopenCurrent() { LexiconOpen(g_userLexicon.path, kLexiconOpen, nullptr, nullptr); }

void CreateLexiconFile(HWND dialog) {
    char title[60];
    char path[kPathSize] = "";
    LoadProgramString(IDS_CREATE_LEXICON_TITLE, title, sizeof title);
    std::string filter = LexiconFilter();
    if (!ChooseSaveFile(title, path, filter.c_str(), CurrentBuild().lexiconExtension)) return;
    LexiconClose(0);
    if (LexiconOpen(path, kLexiconCreate, CurrentBuild().builtinSubjectAreas,
                    CurrentBuild().directionTag) == 0) {
        LexiconClose(0);
        SetDlgItemTextA(dialog, IDC_LEXICON_PATH, path);
    } else {
        ShowMessage(dialog, kStopBox, IDS_CANNOT_CREATE, path);
    }
    ReopenCurrent();
}

void ChooseLexiconFile(HWND dialog) {
    char title[60];
    char path[kPathSize] = "";
    LoadProgramString(IDS_OPEN_LEXICON_TITLE, title, sizeof title);
    std::string filter = LexiconFilter();
    if (!ChooseOpenFile(title, path, filter.c_str())) return;
    LexiconClose(0);
    if (LexiconOpen(path, kLexiconOpen, nullptr, CurrentBuild().directionTag) == 0) {
        SetDlgItemTextA(dialog, IDC_LEXICON_PATH, path);
        LexiconClose(0);
    } else {
        ShowMessage(dialog, kWarningBox, IDS_WRONG_DIRECTION, path);
    }
    ReopenCurrent();
}

void CloseEditorWindows() {
    for (HWND* window : g_shell.lexiconDialogs) {
        if (window && *window) {
            DestroyWindow(*window);
            *window = nullptr;
        }
    }
}

void ConfirmLexicon(HWND dialog) {
    LexiconClose(0);
    UseBuiltinSubjectAreas();
    g_userLexicon.inUse = IsDlgButtonChecked(dialog, IDC_USE_LEXICON) == BST_CHECKED ? 1 : 0;
    WriteIntSetting(Setting::UseLex, g_userLexicon.inUse);
    CloseEditorWindows();

    if (g_userLexicon.inUse) {
        GetDlgItemTextA(dialog, IDC_LEXICON_PATH, g_userLexicon.path, sizeof g_userLexicon.path);
        if (g_userLexicon.path[0]) {
            if (LexiconOpen(g_userLexicon.path, kLexiconOpen, nullptr,
                            CurrentBuild().directionTag) != 0) {
                ShowMessage(dialog, kStopBox, IDS_CANNOT_OPEN, g_userLexicon.path);
                g_userLexicon.inUse = 0;
                return;
            }
            WriteTextSetting(Setting::Lexica2, g_userLexicon.path);
            AdoptLexiconSubjectAreas();
            LoadTranslationSettings();
            SendEngineOptions();
            WriteTextSetting(Setting::LexFile, g_userLexicon.path);
            EnableMenuItem(GetMenu(g_shell.frame), CMD_EDIT_LEXICON, MF_BYCOMMAND | MF_ENABLED);
        }
    }
    EndDialog(dialog, 1);
}

}  // namespace

INT_PTR CALLBACK UserLexiconDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(dialog);
        CheckDlgButton(dialog, IDC_USE_LEXICON, g_userLexicon.inUse ? BST_CHECKED : BST_UNCHECKED);
        SetDlgItemTextA(dialog, IDC_LEXICON_PATH, g_userLexicon.path);
        ApplyUseBox(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_USE_LEXICON: ApplyUseBox(dialog); return TRUE;
        case IDC_NEW_LEXICON: CreateLexiconFile(dialog); return TRUE;
        case IDC_FIND_LEXICON: ChooseLexiconFile(dialog); return TRUE;
        case IDOK: ConfirmLexicon(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, 1); return TRUE;
        case IDC_HELP_BUTTON: ShowContextHelp(); return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}

void RunUserLexiconDialog(HWND frame) {
    DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_USER_LEXICON), frame,
                    UserLexiconDialogProc, 0);
}
