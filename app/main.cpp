// Program entry of both builds: start-up, the message loop and shutdown.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "app/build_profile.h"
#include "app/command_line.h"
#include "app/frame.h"
#include "app/shell_state.h"
#include "app/start_up.h"
#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/run_marking.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/lexicon_library.h"
#include "settings/frame_placement.h"
#include "settings/settings_file.h"
#include "settings/translation_settings.h"
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
    const FramePlacement placement = ReadFramePlacement();
    CreateFonts();
    g_shell.frame = CreateWindowExA(0, CurrentBuild().frameClass, title,
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, placement.x, placement.y,
                                    placement.width, placement.height,
                                    nullptr, nullptr, g_shell.instance, nullptr);
    if (!g_shell.frame || !g_shell.mdiClient) return false;

    HWND splash = ShowSplash();
    ShowWindow(g_shell.frame, placement.showState);
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

bool IsRunStep(const MSG& message) {
    const WORD command = LOWORD(message.wParam);
    return message.message == WM_COMMAND && message.hwnd == g_shell.frame &&
           (command == CMD_RUN_NEXT || command == CMD_RUN_TRANSLATE);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // A run's marking and output reach the windows in batches while the run's
        // own steps follow each other; anything else sees them whole.
        if (!IsRunStep(message)) ShowWhatWaits();
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
