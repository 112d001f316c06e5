#include "app/commands.h"

#include <commdlg.h>
#include <string.h>

#include <string>

#include "app/build_profile.h"
#include "app/help.h"
#include "app/shell_state.h"
#include "app/translation_runs.h"
#include "core/run_state.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "messages/word_link.h"
#include "resources/resource_ids.h"
#include "settings/font_settings.h"
#include "settings/lexicon_dialog.h"
#include "settings/lexicon_library.h"
#include "settings/options_dialog.h"
#include "settings/user_lexicon.h"
#include "textwin/editing_aids.h"
#include "textwin/text_files.h"
#include "textwin/text_windows.h"

namespace {

// What other programs post for menu commands. An alias is refused while a
// translation runs when the program posting it cannot see that it would cut into
// the run; the file commands want a text window, not the messages window.
struct CommandAlias {
    int alias;
    int command;
    bool refusedDuringTranslation;
    bool wantsTextWindow;
};

constexpr CommandAlias kCommandAliases[] = {
    {CMD_ALIAS_CUT, CMD_CUT, true, false},
    {CMD_ALIAS_COPY, CMD_COPY, true, false},
    {CMD_ALIAS_PASTE, CMD_PASTE, true, false},
    {CMD_ALIAS_NEW, CMD_NEW, true, true},
    {CMD_ALIAS_OPEN, CMD_OPEN, true, true},
    {CMD_ALIAS_SAVE, CMD_SAVE, true, true},
    {CMD_ALIAS_EXTEND_MARKING, CMD_EXTEND_MARKING, true, false},
    {CMD_ALIAS_MARK_SENTENCE, CMD_MARK_SENTENCE, true, false},
    {CMD_ALIAS_TRANSLATE_SENTENCE, CMD_TRANSLATE_SENTENCE, true, false},
    {CMD_ALIAS_EDIT_LEXICON, CMD_EDIT_LEXICON, true, false},
    {CMD_ALIAS_CONTENTS, CMD_CONTENTS, false, false},
};
constexpr int kMaxLexiconWord = 31;

bool ActiveEditHoldsText() {
    return g_windows.activeEdit && GetWindowTextLengthA(g_windows.activeEdit) > 0;
}

bool TextWindowActive() {
    return g_windows.activeChild && ChildKind(g_windows.activeChild) != kMessagesWindow;
}

// ---- Files ----

void NewText() {
    HWND window = g_windows.activeChild;
    if (!TextWindowActive() || !QuerySaveChanges(window)) return;
    int kind = ChildKind(window);
    SetWindowTextA(g_windows.activeEdit, "");
    SetChildModified(window, 0);
    SetChildOfferAsciiToWindows(window, 1);
    g_fileName[kind][0] = '\0';
    UpdateWindowTitle(kind);
}

void OpenText(HWND frame) {
    g_shell.helpContext = CMD_OPEN;
    HWND window = g_windows.activeChild;
    if (TextWindowActive() && QuerySaveChanges(window)) {
        OpenTextFile(frame);
        SetChildOfferAsciiToWindows(window, 1);
    }
    g_shell.helpContext = kDefaultHelpContext;
}

// Save and Save as leave the help context at their own when there is nothing to save.
void SaveText(bool saveAs) {
    g_shell.helpContext = saveAs ? CMD_SAVE_AS : CMD_SAVE;
    HWND window = g_windows.activeChild;
    if (!TextWindowActive()) return;
    if (saveAs && !ChooseSaveName(window, true)) {
        g_shell.helpContext = kDefaultHelpContext;
        return;
    }
    if (!ActiveEditHoldsText()) return;
    SendMessageA(window, WM_COMMAND, CMD_SAVE, 0);
    UpdateWindowTitle(ChildKind(window));
    g_shell.helpContext = kDefaultHelpContext;
}

// ---- Editing ----

void SendToActiveEdit(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    if (g_windows.activeEdit) SendMessageA(g_windows.activeEdit, message, wParam, lParam);
}

void MarkInInput(bool extend) {
    BringWindowToTop(g_windows.inputWindow);
    if (extend) ExtendMarking();
    else MarkSentence();
}

// Converts the active window's text between the DOS and the Windows character set.
void ConvertCharacterSet(HWND frame) {
    HWND window = g_windows.activeChild;
    if (!TextWindowActive()) return;
    g_shell.helpContext = CMD_CONVERT_CHARSET;
    HWND edit = g_windows.activeEdit;
    EditTextCopy copy(edit);
    if (!copy) {
        ShowMessage(frame, kWarningBox, IDS_NO_MEMORY, nullptr);
        g_shell.helpContext = kDefaultHelpContext;
        return;
    }
    char* text = copy.text();
    const bool toWindows = ChildOfferAsciiToWindows(window) == 1;
    if (ShowNoticeDialog(toWindows ? IDD_TO_WINDOWS_CHARSET : IDD_TO_ASCII_CHARSET, frame) == IDOK) {
        if (toWindows) OemToCharA(text, text);
        else CharToOemA(text, text);
        ModifyMenuA(GetMenu(frame), CMD_CONVERT_CHARSET, MF_BYCOMMAND | MF_STRING,
                    CMD_CONVERT_CHARSET,
                    ProgramString(toWindows ? IDS_MENU_CHARSET_TO_ASCII
                                            : IDS_MENU_CHARSET_TO_WINDOWS).c_str());
        SetChildOfferAsciiToWindows(window, toWindows ? 0 : 1);
        SetChildModified(window, 1);
    }
    SetWindowTextA(edit, text);
    g_shell.helpContext = kDefaultHelpContext;
}

void ChooseTextFont(HWND frame) {
    LOGFONTA font;
    ReadFontSettings(font);
    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = frame;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&choose)) return;
    WriteFontSettings(font);

    HFONT normal = CreateFontIndirectA(&font);
    SendMessageA(g_windows.inputEdit, WM_SETFONT, reinterpret_cast<WPARAM>(normal), TRUE);
    SendMessageA(g_windows.outputEdit, WM_SETFONT, reinterpret_cast<WPARAM>(normal), TRUE);
    if (g_shell.normalFont) DeleteObject(g_shell.normalFont);
    g_shell.normalFont = normal;

    font.lfWeight = FW_BOLD;
    HFONT bold = CreateFontIndirectA(&font);
    SendMessageA(g_windows.messagesEdit, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
    if (g_shell.boldFont) DeleteObject(g_shell.boldFont);
    g_shell.boldFont = bold;
}

void Arrange(int mode) {
    g_shell.arrangement = mode;
    if (mode == 3) SendMessageA(g_shell.mdiClient, WM_MDICASCADE, 0, 0);
    else ArrangeWindows(mode == 1);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Dialogs behind the guard ----

// Runs one of the command dialogs: refused while another is open; afterwards the
// window of the program that asked is brought back.
template <typename Dialog>
void RunGuardedDialog(int command, LPARAM sender, Dialog dialog) {
    // Refused, the options command still names its topic; the lexicon command
    // leaves the topic of the dialog that is open.
    if (g_shell.dialogGuard) {
        if (command == CMD_OPTIONS) g_shell.helpContext = command;
        return;
    }
    g_shell.helpContext = command;
    g_shell.dialogGuard = true;
    dialog();
    g_shell.helpContext = kDefaultHelpContext;
    BringToFront(reinterpret_cast<HWND>(sender));
    g_shell.dialogGuard = false;
}

void OpenLexiconEditor(HWND frame, int command, LPARAM sender) {
    const bool fromClipboard = command == CMD_LINK_LEXICON_WORD;
    if (command != CMD_EDIT_LEXICON && TranslationInProgress()) return;
    if (!g_userLexicon.path[0] || !g_userLexicon.inUse) return;
    char word[kMaxLexiconWord + 1] = "";
    if (fromClipboard) {
        std::string text = ClipboardText(frame);
        if (text.size() <= static_cast<size_t>(kMaxLexiconWord)) lstrcpynA(word, text.c_str(), sizeof word);
        if (g_shell.dialogGuard) return;
        g_shell.dialogGuard = true;
    } else if (!SelectedWord(g_windows.activeEdit, word, kMaxLexiconWord)) {
        word[0] = '\0';
    }
    LexiconEditor(frame, g_userLexicon.path, 2, word, &g_shell.helpContext, HelpCallback,
                  fromClipboard ? 0 : 1);
    // Only the guard this command set is cleared: another dialog may still be open.
    if (fromClipboard) {
        g_shell.dialogGuard = false;
        BringToFront(reinterpret_cast<HWND>(sender));
    }
}

// ---- Translation ----

// A second translation while one runs would take over the first one's dialog.
template <typename Start>
void StartTranslation(Start start) {
    if (!TranslationInProgress()) start();
}

bool RefusedDuringTranslation(int command) {
    switch (command) {
    case CMD_CUT: case CMD_COPY: case CMD_PASTE:
        return TranslationInProgress();
    default:
        return false;
    }
}

bool MessagesWindowActive() {
    return g_windows.activeChild && ChildKind(g_windows.activeChild) == kMessagesWindow;
}

constexpr int kRefusedAlias = -1;

// The menu command an alias stands for, or kRefusedAlias; any other command
// stays as it is.
int ResolveAlias(int command) {
    for (const CommandAlias& alias : kCommandAliases) {
        if (alias.alias != command) continue;
        if (alias.refusedDuringTranslation && TranslationInProgress()) return kRefusedAlias;
        if (alias.wantsTextWindow && MessagesWindowActive()) return kRefusedAlias;
        return alias.command;
    }
    return command;
}

}  // namespace

void DispatchCommand(HWND frame, WPARAM wParam, LPARAM lParam) {
    const int command = ResolveAlias(LOWORD(wParam));
    if (command == kRefusedAlias || RefusedDuringTranslation(command)) return;
    switch (command) {
    case CMD_NEW: NewText(); break;
    case CMD_OPEN: OpenText(frame); break;
    case CMD_SAVE: SaveText(false); break;
    case CMD_SAVE_AS: SaveText(true); break;
    case CMD_EXIT: SendMessageA(frame, WM_CLOSE, 0, 0); break;

    case CMD_UNDO: SendToActiveEdit(EM_UNDO); break;
    case CMD_MARK_SENTENCE: MarkInInput(false); break;
    case CMD_EXTEND_MARKING: MarkInInput(true); break;
    case CMD_SELECT_ALL: SendToActiveEdit(EM_SETSEL, 0, -1); break;
    case CMD_CUT: SendToActiveEdit(WM_CUT); break;
    case CMD_COPY: SendToActiveEdit(WM_COPY); break;
    case CMD_PASTE: SendToActiveEdit(WM_PASTE); break;
    case CMD_DELETE: SendToActiveEdit(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("")); break;
    case CMD_FIND: RunFindDialog(frame); break;
    case CMD_FIND_NEXT: FindCommand(frame, +1); break;
    case CMD_FIND_PREVIOUS: FindCommand(frame, -1); break;
    case CMD_WORD_WRAP:
        if (g_windows.activeChild) SendMessageA(g_windows.activeChild, WM_COMMAND, CMD_WORD_WRAP, 1);
        break;
    case CMD_CONVERT_CHARSET: ConvertCharacterSet(frame); break;

    case CMD_TRANSLATE_SENTENCE:
        StartTranslation([frame] { TranslateSentenceCommand(frame); });
        break;
    case CMD_TRANSLATE_MARKED: StartTranslation([frame] { TranslateMarkedCommand(frame); }); break;
    case CMD_TRANSLATE_ALL: StartTranslation([frame] { TranslateAllCommand(frame); }); break;
    case CMD_TRANSLATE_FILE: StartTranslation([] { TranslateFileCommand(); }); break;
    case CMD_RUN_NEXT: ContinueRunCommand(frame); break;
    case CMD_RUN_TRANSLATE: TranslateStepCommand(frame); break;
    case CMD_STOP_RUN: StopRunCommand(); break;

    case CMD_OPTIONS:
        RunGuardedDialog(command, lParam, [frame] { RunOptionsDialog(frame); });
        break;
    case CMD_LEXICON:
        RunGuardedDialog(command, lParam, [frame] { RunUserLexiconDialog(frame); });
        break;
    case CMD_EDIT_LEXICON: case CMD_LINK_LEXICON_WORD:
        OpenLexiconEditor(frame, command, lParam);
        break;
    case CMD_FONTS: ChooseTextFont(frame); break;

    case CMD_TILE: Arrange(1); break;
    case CMD_SIDE_BY_SIDE: Arrange(2); break;
    case CMD_CASCADE: Arrange(3); break;

    case CMD_HELP: ShowContextHelp(); break;
    case CMD_CONTENTS: CallHelp(HELP_CONTENTS, 0); break;
    case CMD_HELP_SEARCH: CallHelp(HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>("")); break;
    case CMD_HELP_ON_HELP: CallHelp(HELP_HELPONHELP, 0); break;
    case CMD_ABOUT:
        DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(CurrentBuild().aboutDialog), frame,
                        AboutDialogProc, 0);
        break;

    default:
        if (!DispatchLinkCommand(frame, command, lParam))
            DefFrameProcA(frame, g_shell.mdiClient, WM_COMMAND, wParam, lParam);
        break;
    }
}
