#include "textwin/text_windows.h"

#include <string.h>

#include "app/shell_state.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "resources/resource_ids.h"
#include "textwin/text_files.h"

WindowRegistry g_windows;
char g_windowTitle[3][168];

const char* const kTextWindowClass = "childedit";
const char* const kMessagesWindowClass = "childmess";

namespace {

// Layout of the record in the window extra bytes.
constexpr int kEditOffset = 0;       // 32-bit window handle
constexpr int kWordWrapOffset = 4;   // 32 bits, the low 16 read
constexpr int kModifiedOffset = 8;   // 16 bits
constexpr int kKindOffset = 10;      // 16 bits
constexpr int kOfferOffset = 12;     // 16 bits
constexpr int kRecordBytes = 14;

constexpr DWORD kWrapOnStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
constexpr DWORD kWrapOffStyle = kWrapOnStyle | WS_HSCROLL | ES_AUTOHSCROLL;
constexpr DWORD kMessagesStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;

void SetChildEdit(HWND child, HWND edit) {
    SetWindowLongA(child, kEditOffset, HandleToLong(edit));
}
void SetChildWordWrap(HWND child, int wrap) { SetWindowLongA(child, kWordWrapOffset, wrap); }
void SetChildKind(HWND child, int kind) {
    SetWindowWord(child, kKindOffset, static_cast<WORD>(kind));
}

HWND CreateEditControl(HWND parent, DWORD style, int x, int y, int width, int height) {
    HWND edit = CreateWindowExA(0, "edit", "", style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EDIT)),
                                g_shell.instance, nullptr);
    if (edit) SendMessageA(edit, EM_SETLIMITTEXT, kEditCapacity, 0);
    return edit;
}

WNDPROC Subclass(HWND edit, WNDPROC handler) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(handler)));
}

void FillClientArea(HWND child, HWND edit) {
    RECT client;
    GetClientRect(child, &client);
    MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
}

// The registry follows MDI activation: the child being activated becomes the
// active one, a child losing activation clears it.
void TrackActivation(HWND child, LPARAM activated) {
    if (reinterpret_cast<HWND>(activated) == child) {
        g_windows.activeChild = child;
        g_windows.activeEdit = ChildEdit(child);
    } else {
        g_windows.activeChild = nullptr;
        g_windows.activeEdit = nullptr;
    }
}

void OnTextWindowCreate(HWND window) {
    HWND edit = CreateEditControl(window, kWrapOnStyle, 10, 10, 200, 100);
    if (edit) {
        g_windows.textEditProc = Subclass(edit, TextEditHandler);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_shell.normalFont), TRUE);
    }
    SetChildEdit(window, edit);
    SetChildModified(window, 0);
    SetChildOfferAsciiToWindows(window, 1);
    SetChildWordWrap(window, 1);
    SetFocus(edit);
}

LRESULT OnTextWindowCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case CMD_SAVE:
        SaveTextWindow(window);
        return 0;
    case CMD_WORD_WRAP: {
        int wrap = LOWORD(ChildWordWrap(window));
        if (lParam == 0) return wrap;
        SetWordWrap(window, !wrap);
        return LOWORD(ChildWordWrap(window));
    }
    case IDC_EDIT:
        if (HIWORD(wParam) == EN_CHANGE) SetChildModified(window, 1);
        return 0;
    default:
        return 0;
    }
}

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnTextWindowCreate(window);
        return 0;
    case WM_SIZE:
        FillClientArea(window, ChildEdit(window));
        break;
    case WM_SETFOCUS:
        SetFocus(ChildEdit(window));
        return 0;
    case WM_CLOSE:
        if (QuerySaveChanges(window)) break;
        return 0;
    case WM_QUERYENDSESSION:
        return QuerySaveChanges(window) ? 0 : 1;  // non-zero vetoes
    case WM_COMMAND:
        return OnTextWindowCommand(window, wParam, lParam);
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) return 1;
        break;
    case WM_MDIACTIVATE:
        TrackActivation(window, lParam);
        return 0;
    default:
        break;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

void OnMessagesWindowCreate(HWND window) {
    HWND edit = CreateEditControl(window, kMessagesStyle, 10, 10, 200, 100);
    g_windows.messagesEdit = edit;
    if (edit) {
        g_windows.messagesEditProc = Subclass(edit, MessagesEditHandler);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_shell.boldFont), TRUE);
    }
    SetChildEdit(window, edit);
    SetChildModified(window, 0);
    SetChildWordWrap(window, 0);
}

LRESULT CALLBACK MessagesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnMessagesWindowCreate(window);
        return 0;
    case WM_SIZE: {
        LRESULT result = DefMDIChildProcA(window, message, wParam, lParam);
        HWND edit = ChildEdit(window);
        FillClientArea(window, edit);
        int length = GetWindowTextLengthA(edit);
        SendMessageA(edit, EM_SETSEL, length, length);
        SendMessageA(edit, EM_SCROLLCARET, 0, 0);
        SetFocus(edit);
        return result;
    }
    case WM_SETFOCUS:
        SetFocus(ChildEdit(window));
        return 0;
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_EDIT && HIWORD(wParam) != EN_CHANGE &&
            HIWORD(wParam) != EN_ERRSPACE)
            break;
        return 0;
    case WM_MDIACTIVATE:
        TrackActivation(window, lParam);
        return 0;
    default:
        break;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

bool RegisterChildClass(HINSTANCE instance, const char* name, WNDPROC procedure, int icon) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_NOCLOSE;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = kRecordBytes;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(icon));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateChild(const char* className, const char* title, DWORD style) {
    MDICREATESTRUCTA create = {};
    create.szClass = className;
    create.szTitle = title;
    create.hOwner = g_shell.instance;
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = style;
    return reinterpret_cast<HWND>(
        SendMessageA(g_shell.mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

}  // namespace

HWND ChildEdit(HWND child) {
    return child ? static_cast<HWND>(LongToHandle(GetWindowLongA(child, kEditOffset))) : nullptr;
}
int ChildWordWrap(HWND child) { return GetWindowLongA(child, kWordWrapOffset); }
int ChildModified(HWND child) { return GetWindowWord(child, kModifiedOffset); }
void SetChildModified(HWND child, int modified) {
    SetWindowWord(child, kModifiedOffset, static_cast<WORD>(modified));
}
int ChildKind(HWND child) { return GetWindowWord(child, kKindOffset); }
int ChildOfferAsciiToWindows(HWND child) { return GetWindowWord(child, kOfferOffset); }
void SetChildOfferAsciiToWindows(HWND child, int offer) {
    SetWindowWord(child, kOfferOffset, static_cast<WORD>(offer));
}

bool RegisterTextWindowClasses(HINSTANCE instance) {
    return RegisterChildClass(instance, kTextWindowClass, TextWindowProc, IDI_TEXT_WINDOW) &&
           RegisterChildClass(instance, kMessagesWindowClass, MessagesWindowProc,
                              IDI_MESSAGES_WINDOW);
}

HWND CreateTextWindow(int kind) {
    ComposeWindowTitle(kind);
    HWND window = CreateChild(kTextWindowClass, g_windowTitle[kind], 0);
    if (window) SetChildKind(window, kind);
    return window;
}

HWND CreateMessagesWindow() {
    LoadProgramString(IDS_MESSAGES_CAPTION, g_windowTitle[kMessagesWindow],
                      sizeof g_windowTitle[kMessagesWindow]);
    HWND window = CreateChild(kMessagesWindowClass, g_windowTitle[kMessagesWindow], WS_MINIMIZE);
    if (window) {
        SetChildKind(window, kMessagesWindow);
        SetChildOfferAsciiToWindows(window, 0);
        // The icon belongs at the bottom of the client area, below the tiled windows.
        SendMessageA(g_shell.mdiClient, WM_MDIICONARRANGE, 0, 0);
    }
    return window;
}

bool SetWordWrap(HWND window, bool on) {
    HWND old = ChildEdit(window);
    HWND edit = CreateEditControl(window, (on ? kWrapOnStyle : kWrapOffStyle) & ~WS_VISIBLE, 0, 5,
                                  0, 0);
    if (!edit) return false;
    g_windows.textEditProc = Subclass(edit, TextEditHandler);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_shell.normalFont), FALSE);

    {
        EditTextCopy copy(old);
        if (!copy) {
            DestroyWindow(edit);
            return false;
        }
        // Copying the text is no change of the window's own.
        int modified = ChildModified(window);
        SetWindowTextA(edit, copy.text());
        SetChildModified(window, modified);
    }

    SetChildWordWrap(window, on ? 1 : 0);
    SetChildEdit(window, edit);
    if (g_windows.inputEdit == old) g_windows.inputEdit = edit;
    else g_windows.outputEdit = edit;
    g_windows.activeEdit = edit;

    DestroyWindow(old);
    RECT client;
    GetClientRect(window, &client);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    ShowWindow(edit, SW_SHOW);
    SetFocus(edit);
    return true;
}

void ArrangeWindows(bool horizontal) {
    ShowWindow(g_windows.messagesWindow, SW_HIDE);
    SetFocus(g_windows.inputEdit);
    BringWindowToTop(g_windows.inputWindow);
    SendMessageA(g_shell.mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(g_windows.inputWindow), 0);
    SendMessageA(g_shell.mdiClient, WM_MDITILE,
                 MDITILE_SKIPDISABLED | (horizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL), 0);
    ShowWindow(g_windows.messagesWindow, SW_SHOWMINNOACTIVE);  // the input window stays active
    SendMessageA(g_shell.mdiClient, WM_MDIICONARRANGE, 0, 0);
}

bool QueryCloseAll() {
    for (HWND child = GetWindow(g_shell.mdiClient, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindow(child, GW_OWNER)) continue;
        if (SendMessageA(child, WM_QUERYENDSESSION, 0, 0) != 0) return false;
    }
    return true;
}
