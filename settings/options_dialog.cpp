#include "settings/options_dialog.h"

#include <stdio.h>

#include "app/build_profile.h"
#include "app/help.h"
#include "app/shell_state.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"

namespace {

constexpr int kAreaList = 1130;
constexpr int kRapBox = 1128;
constexpr int kCompoundBox = 1162;
constexpr int kSsszBox = 1167;
constexpr int kSsszegBox = 1166;
constexpr int kImpersonalBox = 1122;
constexpr int kHonorificBox = 1123;
constexpr int kNewLineBox = 1125;
constexpr int kTimeLimitEdit = 1146;
constexpr int kMaxTimeLimit = 500;

// A layout without a box reads as unchecked.
int Checked(HWND dialog, int box) { return IsDlgButtonChecked(dialog, box) == BST_CHECKED ? 1 : 0; }

void Check(HWND dialog, int box, int flag) {
    CheckDlgButton(dialog, box, flag ? BST_CHECKED : BST_UNCHECKED);
}

void FillDialog(HWND dialog) {
    HWND list = GetDlgItem(dialog, kAreaList);
    for (SubjectArea* area = g_translation.subjectAreas; area && area->code && area->name;
         area = area->next) {
        LRESULT item = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(area->name));
        if (area->selected) SendMessageA(list, LB_SETSEL, TRUE, item);
    }
    const TranslationSettings& s = g_translation;
    Check(dialog, kRapBox, s.rap);
    if (CurrentBuild().compoundAnalysisBound) Check(dialog, kCompoundBox, s.compoundAnalysis);
    Check(dialog, kSsszBox, s.sssz);
    Check(dialog, kSsszegBox, s.ssszeg);
    if (s.timeLimit[0]) SetDlgItemTextA(dialog, kTimeLimitEdit, s.timeLimit);
    Check(dialog, kImpersonalBox, s.impersonal);
    Check(dialog, kHonorificBox, s.honorific);
    Check(dialog, kNewLineBox, s.newLine);
    CenterWindow(dialog);
}

void StoreOptions() {
    const TranslationSettings& s = g_translation;
    WriteTextSetting(Setting::Timelimit, s.timeLimit);
    WriteIntSetting(Setting::CompoundAnalysis, s.compoundAnalysis);
    WriteIntSetting(Setting::Sssz, s.sssz);
    WriteIntSetting(Setting::Ssszeg, s.ssszeg);
    WriteIntSetting(Setting::Rap, s.rap);
    WriteIntSetting(Setting::Impersonal, s.impersonal);
    WriteIntSetting(Setting::Honorific, s.honorific);
    WriteIntSetting(Setting::Letter, s.letter);
    WriteIntSetting(Setting::NewLine, s.newLine);
}

void ConfirmOptions(HWND dialog) {
    char field[19];
    GetDlgItemTextA(dialog, kTimeLimitEdit, field, sizeof field);
    int seconds = LeadingNumber(field);
    if (seconds < 1 || seconds > kMaxTimeLimit) {
        MessageBoxA(dialog,
                    "Die Zeitspanne, nach der die Übersetzung eines Satzes abgebrochen wird, muß "
                    "zwischen 1 und 500 Sekunden liegen!",
                    "Fehler in der Eingabe", MB_ICONEXCLAMATION | MB_OK);
        return;
    }

    HWND list = GetDlgItem(dialog, kAreaList);
    int index = 0;
    for (SubjectArea* area = g_translation.subjectAreas; area && area->code; area = area->next) {
        area->selected = SendMessageA(list, LB_GETSEL, index++, 0) > 0 ? 1 : 0;
        WriteSubjectAreaSelection(area->code, area->selected);
    }

    TranslationSettings& s = g_translation;
    s.rap = Checked(dialog, kRapBox);
    if (CurrentBuild().compoundAnalysisBound) s.compoundAnalysis = Checked(dialog, kCompoundBox);
    s.sssz = Checked(dialog, kSsszBox);
    s.ssszeg = Checked(dialog, kSsszegBox);
    s.impersonal = Checked(dialog, kImpersonalBox);
    s.honorific = Checked(dialog, kHonorificBox);
    s.newLine = Checked(dialog, kNewLineBox);
    snprintf(s.timeLimit, sizeof s.timeLimit, "%d", seconds);

    StoreOptions();
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
