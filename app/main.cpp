// Program entry of both builds: start-up, the message loop and shutdown.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "app/build_profile.h"
#include "app/command_line.h"
#include "app/frame.h"
#include "app/shell_state.h"
#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/font_settings.h"
#include "settings/lexicon_library.h"
#include "settings/settings_file.h"
#include "settings/user_lexicon.h"
#include "textwin/text_files.h"
#include "textwin/text_windows.h"

extern "C" {
// CTL3D32.dll, imported by ordinal.
BOOL WINAPI Ctl3dRegister(HINSTANCE instance);
BOOL WINAPI Ctl3dUnregister(HINSTANCE instance);
BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE instance);
}

namespace {

constexpr int kInitializeMode = 1;
constexpr int kSplashWidth = 460;
constexpr int kSplashHeight = 320;

// Another copy of either program brings its frame forward instead of starting.
bool HandOverToRunningInstance() {
    char plusTitle[45], title[45];
    LoadProgramString(IDS_PRODUCT_PLUS, plusTitle, sizeof plusTitle);
    LoadProgramString(IDS_PRODUCT, title, sizeof title);
    const BuildProfile& build = CurrentBuild();
    const char* classes[] = {build.frameClass, build.frameClass, build.otherFrameClass,
                             build.otherFrameClass};
    const char* titles[] = {plusTitle, title, plusTitle, title};
    for (int i = 0; i < 4; ++i) {
        HWND running = FindWindowA(classes[i], titles[i]);
        if (!running) continue;
        SetFocus(running);
        BringWindowToTop(running);
        SetActiveWindow(running);
        HWND popup = GetLastActivePopup(running);
        if (popup != running) {
            BringWindowToTop(popup);
            SetActiveWindow(running);
        }
        return true;
    }
    return false;
}

std::string ProgramPath() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

void CreateFonts() {
    LOGFONTA font;
    ReadFontSettings(font);
    g_shell.normalFont = CreateFontIndirectA(&font);
    font.lfWeight = FW_BOLD;
    g_shell.boldFont = CreateFontIndirectA(&font);
}

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

// The splash picture, centred on the frame's client area and kept on the screen.
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
    g_windows.inputWindow = CreateTextWindow(kInputWindow);
    g_windows.inputEdit = ChildEdit(g_windows.inputWindow);
    g_windows.outputWindow = CreateTextWindow(kOutputWindow);
    g_windows.outputEdit = ChildEdit(g_windows.outputWindow);
    BringWindowToTop(g_windows.inputWindow);
    SendMessageA(g_shell.mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    g_windows.messagesWindow = CreateMessagesWindow();
    // The new icon took the activation; the user starts typing in the input window.
    SendMessageA(g_shell.mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(g_windows.inputWindow), 0);
}

// Binds and initialises the engine. Returns false when the program cannot run.
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

// A file on the command line: translate it to file, or load it and translate it all.
void ActOnArguments(const std::string& arguments) {
    if (arguments.empty()) return;
    CommandLineRequest request = ParseArguments(arguments);
    lstrcpynA(g_shell.pendingSwitch, request.switchSet ? request.pendingSwitch.c_str() : "",
              sizeof g_shell.pendingSwitch);
    lstrcpynA(g_shell.pendingFile, request.pendingFile.c_str(), sizeof g_shell.pendingFile);
    switch (request.action) {
    case CommandLineRequest::TranslateFile:
        PostMessageA(g_shell.frame, WM_COMMAND, CMD_TRANSLATE_FILE, 0);
        break;
    case CommandLineRequest::LoadAndTranslate:
        if (LoadTextFile(g_windows.inputWindow, g_shell.pendingFile))
            PostMessageA(g_shell.frame, WM_COMMAND, CMD_TRANSLATE_ALL, 0);
        break;
    case CommandLineRequest::Nothing:
        break;
    }
}

bool InitializeInstance(const std::string& arguments) {
    char baseName[160];
    LoadProgramString(CurrentBuild().baseNameString, baseName, sizeof baseName);
    if (!SetSettingsFileName(baseName)) return false;

    LinkBuiltinSubjectAreas();
    OpenStoredUserLexicon(g_shell.programDir, nullptr);
    LoadTranslationSettings();

    char title[80];
    LoadProgramString(IDS_PRODUCT, title, sizeof title);
    const int x = ReadIntSetting(Setting::PosX), y = ReadIntSetting(Setting::PosY);
    const int width = ReadIntSetting(Setting::WindowWidth);
    const int height = ReadIntSetting(Setting::WindowHeight);
    CreateFonts();
    g_shell.frame = CreateWindowExA(0, CurrentBuild().frameClass, title,
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width, height,
                                    nullptr, nullptr, g_shell.instance, nullptr);
    if (!g_shell.frame || !g_shell.mdiClient) return false;

    HWND splash = ShowSplash();
    ShowWindow(g_shell.frame, ReadIntSetting(Setting::ShowState));
    UpdateWindow(g_shell.frame);
    CreateTextWindows();

    g_shell.accelerators = LoadAcceleratorsA(g_shell.instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));
    if (!g_shell.accelerators) return false;
    if (!StartEngine()) return false;

    std::string helpFile = HelpFilePath(ProgramPath().c_str());
    lstrcpynA(g_shell.helpFile, helpFile.c_str(), sizeof g_shell.helpFile);
    if (splash) DestroyWindow(splash);
    ActOnArguments(arguments);
    return true;
}

// The lexicon editor's windows, the MDI system keys and the accelerators come
// before the ordinary translation and dispatch.
bool PreTranslate(MSG& message) {
    for (HWND* dialog : g_shell.lexiconDialogs)
        if (dialog && *dialog && IsDialogMessageA(*dialog, &message)) return true;
    if (TranslateMDISysAccel(g_shell.mdiClient, &message)) return true;
    return TranslateAcceleratorA(g_shell.frame, g_shell.accelerators, &message) != 0;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void ShutDown() {
    if (g_shell.normalFont) DeleteObject(g_shell.normalFont);
    if (g_shell.boldFont) DeleteObject(g_shell.boldFont);
    ReleaseEngine();
    Ctl3dUnregister(g_shell.instance);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_shell.instance = instance;
    Ctl3dRegister(instance);
    Ctl3dAutoSubclass(instance);

    if (HandOverToRunningInstance()) return 0;
    if (!RegisterFrameClass(instance) || !RegisterTextWindowClasses(instance)) return 0;

    lstrcpynA(g_shell.programDir, ProgramDirectory(ProgramPath().c_str()).c_str(),
              sizeof g_shell.programDir);
    if (!InitializeInstance(ArgumentText(GetCommandLineA()))) {
        ShutDown();
        return 0;
    }
    LexiconEditorWindows(&g_shell.lexiconDialogs[0], &g_shell.lexiconDialogs[1]);
    int exitCode = RunMessageLoop();
    ShutDown();
    return exitCode;
}
