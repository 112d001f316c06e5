#include "settings/options_dialog.h"

#include <stdio.h>

#include "app/build_profile.h"
#include "app/help.h"
#include "app/shell_state.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "settings/translation_settings.h"

namespace {

constexpr int kMaxTimeLimit = 500;

// A layout without a box reads as unchecked.
int Checked(HWND dialog, int box) { return IsDlgButtonChecked(dialog, box) == BST_CHECKED ? 1 : 0; }

void Check(HWND dialog, int box, int flag) {
    CheckDlgButton(dialog, box, flag ? BST_CHECKED : BST_UNCHECKED);
}

void FillDialog(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SUBJECT_AREAS);
    for (SubjectArea* area = g_translation.subjectAreas; area && area->code && area->name;
         area = area->next) {
        LRESULT item = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(area->name));
        if (area->selected) SendMessageA(list, LB_SETSEL, TRUE, item);
    }
    const TranslationSettings& s = g_translation;
    Check(dialog, IDC_RAP, s.rap);
    if (CurrentBuild().compoundAnalysisBound) Check(dialog, IDC_COMPOUND_ANALYSIS, s.compoundAnalysis);
    Check(dialog, IDC_SS_INPUT, s.sssz);
    Check(dialog, IDC_SS_OUTPUT, s.ssszeg);
    if (s.timeLimit[0]) SetDlgItemTextA(dialog, IDC_TIMELIMIT, s.timeLimit);
    Check(dialog, IDC_IMPERSONAL, s.impersonal);
    Check(dialog, IDC_HONORIFIC, s.honorific);
    Check(dialog, IDC_NEWLINE_ENDS_SENTENCE, s.newLine);
    CenterWindow(dialog);
}

void ConfirmOptions(HWND dialog) {
    char field[19];
    GetDlgItemTextA(dialog, IDC_TIMELIMIT, field, sizeof field);
    int seconds = LeadingNumber(field);
    if (seconds < 1 || seconds > kMaxTimeLimit) {
        MessageBoxA(dialog, ProgramString(IDS_TIME_LIMIT_RANGE).c_str(),
                    ProgramString(IDS_INPUT_ERROR_TITLE).c_str(), MB_ICONEXCLAMATION | MB_OK);
        return;
    }

    HWND list = GetDlgItem(dialog, IDC_SUBJECT_AREAS);
    int index = 0;
    for (SubjectArea* area = g_translation.subjectAreas; area && area->code; area = area->next) {
        area->selected = SendMessageA(list, LB_GETSEL, index++, 0) > 0 ? 1 : 0;
        WriteSubjectAreaSelection(area->code, area->selected);
    }

    TranslationSettings& s = g_translation;
    s.rap = Checked(dialog, IDC_RAP);
    if (CurrentBuild().compoundAnalysisBound) s.compoundAnalysis = Checked(dialog, IDC_COMPOUND_ANALYSIS);
    s.sssz = Checked(dialog, IDC_SS_INPUT);
    s.ssszeg = Checked(dialog, IDC_SS_OUTPUT);
    s.impersonal = Checked(dialog, IDC_IMPERSONAL);
    s.honorific = Checked(dialog, IDC_HONORIFIC);
    s.newLine = Checked(dialog, IDC_NEWLINE_ENDS_SENTENCE);
    snprintf(s.timeLimit, sizeof s.timeLimit, "%d", seconds);

    StoreTranslationSettings();
    SendEngineOptions();
    EndDialog(dialog, 1);
}

}  // namespace

int LeadingNumber(const char* text) {
    int value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > 100000) break;  // far beyond any accepted limit
    }
    return value;
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FillDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: ConfirmOptions(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, 1); return TRUE;
        case IDC_HELP_BUTTON: ShowContextHelp(); return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}

void RunOptionsDialog(HWND frame) {
    DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(CurrentBuild().optionsDialog), frame,
                    OptionsDialogProc, 0);
}
