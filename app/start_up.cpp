// The steps of start-up that build the workbench, apart from the program entry so
// that the start-up benchmark can time each of them.
#include "app/start_up.h"

#include <string>

#include "app/build_profile.h"
#include "app/shell_state.h"
#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/font_settings.h"
#include "textwin/text_windows.h"

void CreateFonts() {
    LOGFONTA font;
    ReadFontSettings(font);
    g_shell.normalFont = CreateFontIndirectA(&font);
    font.lfWeight = FW_BOLD;
    g_shell.boldFont = CreateFontIndirectA(&font);
}

namespace {

constexpr int kInitializeMode = 1;
constexpr int kSplashWidth = 460;
constexpr int kSplashHeight = 320;

INT_PTR CALLBACK SplashDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_PAINT) return FALSE;
    PAINTSTRUCT paint;
    HDC target = BeginPaint(dialog, &paint);
    HDC memory = CreateCompatibleDC(target);
    HBITMAP picture = LoadBitmapA(g_shell.instance, "IDB_STARTBMP");
    if (memory && picture) {
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(target, 0, 0, kSplashWidth, kSplashHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
    }
    if (picture) DeleteObject(picture);
    if (memory) DeleteDC(memory);
    EndPaint(dialog, &paint);
    return TRUE;
}

}  // namespace

HWND ShowSplash() {
    HWND splash = CreateDialogParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_SPLASH), g_shell.frame,
                                     SplashDialogProc, 0);
    if (!splash) return nullptr;
    RECT client;
    GetClientRect(g_shell.frame, &client);
    POINT at = {(client.left + client.right - kSplashWidth) / 2,
                (client.top + client.bottom) / 2 - kSplashHeight / 2};
    ClientToScreen(g_shell.frame, &at);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (at.x < 0 || at.x + kSplashWidth > screenWidth) at.x = screenWidth / 2 - kSplashWidth / 2;
    if (at.y < 0 || at.y + kSplashHeight > screenHeight) at.y = screenHeight / 2 - kSplashHeight / 2;
    SetWindowPos(splash, HWND_TOP, at.x, at.y, kSplashWidth, kSplashHeight, SWP_SHOWWINDOW);
    UpdateWindow(splash);
    return splash;
}

void CreateTextWindows() {
    // Each edit control redraws its scroll bar when made, given its font or sized,
    // and under Wine's themes that costs several milliseconds a time. So the windows
    // are made and the icon placed with the client area's drawing off, the tiling
    // (which needs them visible) moves them with their edit controls hidden, and
    // everything is painted once at the end.
    SendMessageA(g_shell.mdiClient, WM_SETREDRAW, FALSE, 0);
    g_windows.inputWindow = CreateTextWindow(kInputWindow);
    g_windows.inputEdit = ChildEdit(g_windows.inputWindow);
    g_windows.outputWindow = CreateTextWindow(kOutputWindow);
    g_windows.outputEdit = ChildEdit(g_windows.outputWindow);
    SendMessageA(g_shell.mdiClient, WM_SETREDRAW, TRUE, 0);
    ShowWindow(g_windows.inputEdit, SW_HIDE);
    ShowWindow(g_windows.outputEdit, SW_HIDE);
    BringWindowToTop(g_windows.inputWindow);
    SendMessageA(g_shell.mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    ShowWindow(g_windows.inputEdit, SW_SHOWNA);
    ShowWindow(g_windows.outputEdit, SW_SHOWNA);
    SendMessageA(g_shell.mdiClient, WM_SETREDRAW, FALSE, 0);
    g_windows.messagesWindow = CreateMessagesWindow();
    SendMessageA(g_shell.mdiClient, WM_SETREDRAW, TRUE, 0);
    // The new icon took the activation; the user starts typing in the input window.
    SendMessageA(g_shell.mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(g_windows.inputWindow), 0);
    RedrawWindow(g_shell.mdiClient, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool StartEngine() {
    if (BindEngine() != kEngineBound) {
        ShowNoticeDialog(IDD_ENGINE_MISSING, nullptr);
        return false;
    }
    char baseName[160];
    LoadProgramString(CurrentBuild().baseNameString, baseName, sizeof baseName);
    std::string catalogue = std::string(g_shell.programDir) + baseName + ".LCT";
    if (g_engine.InitializeProlog(kInitializeMode, g_shell.programDir, catalogue.c_str()) != 0) {
        ShowNoticeDialog(IDD_ENGINE_INIT_FAILED, nullptr);
        ExitProcess(1);
    }
    SendEngineOptions();
    return true;
}

