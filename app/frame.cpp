#include "app/frame.h"

#include <shellapi.h>
#include <string.h>

#include <initializer_list>

#include "app/build_profile.h"
#include "app/commands.h"
#include "app/help.h"
#include "app/shell_state.h"
#include "core/run_state.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "settings/user_lexicon.h"
#include "textwin/editing_aids.h"
#include "textwin/text_files.h"
#include "textwin/text_windows.h"

namespace {

constexpr int kWindowMenuPosition = 4;

// ---- Menu states ----

void Enable(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Check(HMENU menu, UINT command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Calls apply for every command item of the menu and its pop-ups.
template <typename Apply>
void ForEachCommand(HMENU menu, Apply apply) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU popup = GetSubMenu(menu, i)) {
            ForEachCommand(popup, apply);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1)) apply(id);
    }
}

bool UserLexiconAvailable() { return g_userLexicon.path[0] && g_userLexicon.inUse; }

// Items that only a text window's presence decides: the translation, options
// and font items and "Beenden" come back once a window is active again.
void EnableWindowIndependentItems(HMENU menu) {
    for (UINT id : {CMD_TRANSLATE_ALL, CMD_OPTIONS, CMD_LEXICON, CMD_TRANSLATE_SENTENCE,
                    CMD_TRANSLATE_FILE, CMD_FONTS, CMD_EXIT})
        Enable(menu, id, true);
    Enable(menu, CMD_EDIT_LEXICON, UserLexiconAvailable());
}

void ApplyMenuStates(HMENU menu) {
    HWND edit = g_windows.activeEdit;
    if (!edit) {
        ForEachCommand(menu, [menu](UINT id) {
            if (id >= 129 && id <= 2008) Enable(menu, id, false);
        });
        Check(menu, CMD_WORD_WRAP, false);
        for (UINT id : {CMD_FIND, CMD_FIND_NEXT, CMD_FIND_PREVIOUS}) Enable(menu, id, false);
        return;
    }
    EnableWindowIndependentItems(menu);
    const bool busy = TranslationInProgress();
    const bool selection = HasSelection(edit);
    const bool searchText = g_searchText[0] != '\0';
    HWND child = g_windows.activeChild;
    for (UINT id : {CMD_CUT, CMD_COPY, CMD_DELETE}) Enable(menu, id, selection && !busy);
    Enable(menu, CMD_FIND_NEXT, searchText);
    Enable(menu, CMD_FIND_PREVIOUS, searchText);
    for (UINT id : {CMD_SELECT_ALL, CMD_FIND, CMD_MARK_SENTENCE, CMD_EXTEND_MARKING})
        Enable(menu, id, true);

    if (ChildKind(child) == kMessagesWindow) {
        Enable(menu, CMD_UNDO, false);
        Enable(menu, CMD_PASTE, false);
        Check(menu, CMD_WORD_WRAP, false);
        Enable(menu, CMD_WORD_WRAP, false);
        for (UINT id : {CMD_NEW, CMD_OPEN, CMD_SAVE, CMD_SAVE_AS, CMD_TRANSLATE_MARKED,
                        CMD_CONVERT_CHARSET})
            Enable(menu, id, false);
        return;
    }
    Enable(menu, CMD_UNDO, SendMessageA(edit, EM_CANUNDO, 0, 0) != 0);
    Enable(menu, CMD_PASTE, ClipboardOffersText() && !busy);
    Check(menu, CMD_WORD_WRAP, SendMessageA(child, WM_COMMAND, CMD_WORD_WRAP, 0) != 0);
    Enable(menu, CMD_WORD_WRAP, true);
    for (UINT id : {CMD_NEW, CMD_OPEN, CMD_TRANSLATE_MARKED}) Enable(menu, id, true);
    ModifyMenuA(menu, CMD_CONVERT_CHARSET, MF_BYCOMMAND | MF_STRING, CMD_CONVERT_CHARSET,
                ProgramString(ChildOfferAsciiToWindows(child) ? IDS_MENU_CHARSET_TO_WINDOWS
                                                              : IDS_MENU_CHARSET_TO_ASCII).c_str());
    const bool holdsText = GetWindowTextLengthA(edit) > 0;
    Enable(menu, CMD_SAVE, holdsText);
    Enable(menu, CMD_SAVE_AS, holdsText);
}

// ---- Help context ----

void TrackMenuSelection(WPARAM wParam, LPARAM lParam) {
    const UINT item = LOWORD(wParam);
    const UINT flags = HIWORD(wParam);
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (!menu && flags == 0xFFFF) {
        g_shell.helpContext = kDefaultHelpContext;
    } else if (flags & MF_POPUP) {
        static const int kPopupContexts[] = {HELP_MENU_FILE,    HELP_MENU_EDIT,   HELP_MENU_TRANSLATE,
                                              HELP_MENU_OPTIONS, HELP_MENU_WINDOW, HELP_MENU_HELP};
        g_shell.helpContext = item < 6 ? kPopupContexts[item] : kDefaultHelpContext;
        if (item == 3) Enable(menu, CMD_EDIT_LEXICON, UserLexiconAvailable());
    } else {
        switch (item) {
        case CMD_FIRST_CHILD: g_shell.helpContext = HELP_INPUT_WINDOW; break;
        case CMD_FIRST_CHILD + 1: g_shell.helpContext = HELP_OUTPUT_WINDOW; break;
        case CMD_FIRST_CHILD + 2: g_shell.helpContext = HELP_MESSAGES_WINDOW; break;
        default: g_shell.helpContext = static_cast<int>(item); break;
        }
    }
}

// F1 inside a menu or a modal dialog asks the frame for help on the current topic.
LRESULT CALLBACK F1HookProc(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if ((code == MSGF_DIALOGBOX || code == MSGF_MENU) && message->message == WM_KEYDOWN &&
        message->wParam == VK_F1)
        PostMessageA(g_shell.frame, WM_USER, static_cast<WPARAM>(code), 0);
    CallNextHookEx(g_shell.f1Hook, code, wParam, lParam);
    return 0;
}

// ---- Closing ----

void StorePlacement(HWND frame) {
    RECT rect;
    if (!GetWindowRect(frame, &rect)) return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(frame, &placement);
    const int state = static_cast<int>(placement.showCmd);
    if (state != SW_SHOWMAXIMIZED && state != SW_SHOWMINIMIZED) {
        WriteIntSetting(Setting::PosX, rect.left);
        WriteIntSetting(Setting::PosY, rect.top);
        WriteIntSetting(Setting::WindowWidth, rect.right - rect.left);
        WriteIntSetting(Setting::WindowHeight, rect.bottom - rect.top);
    }
    WriteIntSetting(Setting::ShowState, state);
}

void CloseFrame(HWND frame) {
    if (!QueryCloseAll()) return;
    CallHelp(HELP_QUIT, 0);
    StorePlacement(frame);
    DestroyWindow(frame);
}

// ---- Dropped files ----

HWND DropTarget(HWND frame, HDROP drop) {
    POINT point;
    DragQueryPoint(drop, &point);
    ClientToScreen(frame, &point);
    HWND under = WindowFromPoint(point);
    if (under && (under == g_windows.inputWindow || under == g_windows.inputEdit))
        return g_windows.inputWindow;
    if (under && (under == g_windows.outputWindow || under == g_windows.outputEdit))
        return g_windows.outputWindow;
    switch (DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_DROP_TARGET), frame,
                            DropTargetDialogProc, 0)) {
    case IDC_INPUT_WINDOW: return g_windows.inputWindow;
    case IDC_OUTPUT_WINDOW: return g_windows.outputWindow;
    default: return nullptr;
    }
}

void LoadDroppedFile(HWND frame, HDROP drop) {
    char name[256] = "";
    DragQueryFileA(drop, 0, name, sizeof name);
    // The window's file name holds 159 characters; a longer one is refused whole.
    if (strlen(name) > 159) {
        ShowMessage(frame, kStopBox, IDS_CANNOT_OPEN, name);
        return;
    }
    HWND target = DropTarget(frame, drop);
    // The question goes to the window whose text the file replaces.
    if (!target || !QuerySaveChanges(target)) return;
    int kind = ChildKind(target);
    if (SameFileName(name, g_fileName[OtherTextKind(kind)])) {
        ShowMessage(frame, kWarningBox, IDS_SAME_FILE, nullptr);
        return;
    }
    if (name[0] && LoadTextFile(target, name)) {
        SetChildOfferAsciiToWindows(target, 1);
        CharUpperA(name);
    } else {
        name[0] = '\0';
    }
    lstrcpynA(g_fileName[kind], name, sizeof g_fileName[kind]);
    UpdateWindowTitle(kind);
}

LRESULT OnCreate(HWND frame) {
    CLIENTCREATESTRUCT client = {};
    client.hWindowMenu = GetSubMenu(GetMenu(frame), kWindowMenuPosition);
    client.idFirstChild = CMD_FIRST_CHILD;
    g_shell.mdiClient = CreateWindowExA(0, "mdiclient", nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                                        0, 0, frame,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDI_CLIENT)),
                                        g_shell.instance, &client);
    if (g_shell.mdiClient) ShowWindow(g_shell.mdiClient, SW_SHOW);
    DragAcceptFiles(frame, TRUE);
    return 0;
}

void RepeatArrangement() {
    if (!g_windows.inputWindow) return;
    switch (g_shell.arrangement) {
    case 1: ArrangeWindows(true); break;
    case 2: ArrangeWindows(false); break;
    default: SendMessageA(g_shell.mdiClient, WM_MDICASCADE, 0, 0); break;
    }
}

// Menus live in the program's own process, so outside tools that check what a
// person would see (grayed and checked items, texts, the help topic) ask here.
LRESULT AnswerInspection(HWND frame, WPARAM what, LPARAM item) {
    HMENU menu = GetMenu(frame);
    switch (what) {
    case kInspectMenuState:
        ApplyMenuStates(menu);
        return static_cast<LRESULT>(GetMenuState(menu, static_cast<UINT>(item), MF_BYCOMMAND));
    case kInspectMenuText: {
        char text[128] = "";
        GetMenuStringA(menu, static_cast<UINT>(item), text, sizeof text, MF_BYCOMMAND);
        return GlobalAddAtomA(text);  // the asker reads and deletes the atom
    }
    case kInspectHelpContext:
        return g_shell.helpContext;
    default:
        return -1;
    }
}

}  // namespace

bool RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameWindowProc;
    frameClass.hInstance = instance;
    frameClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(CurrentBuild().frameIcon));
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frameClass.lpszMenuName = MAKEINTRESOURCEA(IDM_FRAME_MENU);
    frameClass.lpszClassName = CurrentBuild().frameClass;
    return RegisterClassA(&frameClass) != 0;
}

UINT InspectionMessage() {
    static const UINT message = RegisterWindowMessageA("QuendelInspect");
    return message;
}

INT_PTR CALLBACK DropTargetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        PrepareNoticeDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_INPUT_WINDOW:
        case IDC_OUTPUT_WINDOW:
        case IDCANCEL:
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(frame);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE: {
        LRESULT result = DefFrameProcA(frame, g_shell.mdiClient, message, wParam, lParam);
        RepeatArrangement();
        return result;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) g_shell.helpContext = kDefaultHelpContext;
        return 0;
    case WM_CLOSE:
        CloseFrame(frame);
        return 0;
    case WM_QUERYENDSESSION:
        return QueryCloseAll() ? 1 : 0;
    case WM_ACTIVATEAPP:
        if (wParam && !g_shell.f1Hook) {
            g_shell.f1Hook = SetWindowsHookExA(WH_MSGFILTER, F1HookProc, nullptr, GetCurrentThreadId());
        } else if (!wParam && g_shell.f1Hook) {
            UnhookWindowsHookEx(g_shell.f1Hook);
            g_shell.f1Hook = nullptr;
        }
        return 0;
    case WM_COMMAND:
        DispatchCommand(frame, wParam, lParam);
        return 0;
    case WM_INITMENU:
        ApplyMenuStates(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MENUSELECT:
        TrackMenuSelection(wParam, lParam);
        return 0;
    case WM_DROPFILES: {
        HDROP drop = reinterpret_cast<HDROP>(wParam);
        LoadDroppedFile(frame, drop);
        DragFinish(drop);
        return 0;
    }
    case WM_USER:
        ShowContextHelp();
        DrawMenuBar(frame);
        return 0;
    default:
        if (message == InspectionMessage()) return AnswerInspection(frame, wParam, lParam);
        return DefFrameProcA(frame, g_shell.mdiClient, message, wParam, lParam);
    }
}
