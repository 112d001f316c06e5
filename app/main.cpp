// Program entry of both builds: start-up, the message loop and shutdown.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "app/build_profile.h"
#include "app/frame.h"
#include "app/shell_state.h"
#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/lexicon_library.h"
#include "settings/settings_file.h"
#include "settings/user_lexicon.h"

extern "C" {
// CTL3D32.dll, imported by ordinal.
BOOL WINAPI Ctl3dRegister(HINSTANCE instance);
BOOL WINAPI Ctl3dUnregister(HINSTANCE instance);
BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE instance);
}

namespace {

constexpr int kInitializeMode = 1;

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

bool RegisterFrameClass() {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameWindowProc;
    frameClass.hInstance = g_shell.instance;
    frameClass.hIcon = LoadIconA(g_shell.instance, MAKEINTRESOURCEA(CurrentBuild().frameIcon));
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frameClass.lpszClassName = CurrentBuild().frameClass;
    return RegisterClassA(&frameClass) != 0;
}

// The program's folder, ending in a backslash.
void FindProgramDirectory() {
    char path[161];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    path[length < sizeof path ? length : sizeof path - 1] = '\0';
    char* slash = strrchr(path, '\\');
    if (slash) slash[1] = '\0';
    lstrcpynA(g_shell.programDir, path, sizeof g_shell.programDir);
}

// Binds and initialises the engine; shows the build's failure dialog. Returns
// the exit code to end with, or -1 to go on.
int StartEngine() {
    if (BindEngine() != kEngineBound) {
        ShowNoticeDialog(IDD_ENGINE_MISSING, nullptr);
        return 0;
    }
    char baseName[160];
    char catalogue[400];
    LoadProgramString(CurrentBuild().baseNameString, baseName, sizeof baseName);
    snprintf(catalogue, sizeof catalogue, "%s%s.LCT", g_shell.programDir, baseName);
    if (g_engine.InitializeProlog(kInitializeMode, g_shell.programDir, catalogue) != 0) {
        ShowNoticeDialog(IDD_ENGINE_INIT_FAILED, nullptr);
        ExitProcess(1);
    }
    SendEngineOptions();
    return -1;
}

// Start-up steps that exist so far; returns the exit code on failure, -1 to run.
int InitializeInstance() {
    char baseName[160];
    LoadProgramString(CurrentBuild().baseNameString, baseName, sizeof baseName);
    if (!SetSettingsFileName(baseName)) return 0;

    LinkBuiltinSubjectAreas();
    OpenStoredUserLexicon(g_shell.programDir, nullptr);
    LoadTranslationSettings();

    char title[80];
    LoadProgramString(IDS_PRODUCT, title, sizeof title);
    g_shell.frame = CreateWindowExA(0, CurrentBuild().frameClass, title,
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                    ReadIntSetting(Setting::PosX), ReadIntSetting(Setting::PosY),
                                    ReadIntSetting(Setting::WindowWidth),
                                    ReadIntSetting(Setting::WindowHeight), nullptr, nullptr,
                                    g_shell.instance, nullptr);
    if (!g_shell.frame) return 0;
    ShowWindow(g_shell.frame, ReadIntSetting(Setting::ShowState));
    UpdateWindow(g_shell.frame);

    return StartEngine();
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        bool taken = false;
        for (HWND* dialog : g_shell.lexiconDialogs) {
            if (!taken && dialog && *dialog && IsDialogMessageA(*dialog, &message)) taken = true;
        }
        if (taken) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_shell.instance = instance;
    Ctl3dRegister(instance);
    Ctl3dAutoSubclass(instance);

    if (HandOverToRunningInstance()) return 0;
    if (!RegisterFrameClass()) return 0;
    FindProgramDirectory();

    int failure = InitializeInstance();
    if (failure >= 0) {
        Ctl3dUnregister(instance);
        return failure;
    }
    LexiconEditorWindows(&g_shell.lexiconDialogs[0], &g_shell.lexiconDialogs[1]);

    int exitCode = RunMessageLoop();

    ReleaseEngine();
    Ctl3dUnregister(instance);
    return exitCode;
}
