// Where QDGE's start-up time goes: each step the program takes, timed in this
// process in the program's order (the settings, the fonts, the frame, the start-up
// picture, the text windows, the engine with the real catalogue), and beside them
// the start of a process that does nothing at all. For ./qd bench.
// Usage: qd_startup_parts_bench PROGRAM-FOLDER EMPTY-PROGRAM
// PROGRAM-FOLDER holds Velloc.dll and QDGE.LCT, with a trailing backslash.
#include <windows.h>
#include <stdio.h>

#include <string>

#include "app/build_profile.h"
#include "app/frame.h"
#include "app/shell_state.h"
#include "app/start_up.h"
#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "settings/settings_file.h"
#include "settings/translation_settings.h"
#include "settings/user_lexicon.h"
#include "textwin/text_windows.h"
#include "bench/bench_clock.h"

namespace {

double g_last;
void Step(const char* what) {
    const double now = Now();
    printf("start-up step: %-46s %7.1f ms\n", what, (now - g_last) * 1e3);
    g_last = Now();
}

// Milliseconds from CreateProcess until the process has ended.
double ProcessStartAndEnd(const std::string& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = "\"" + program + "\"";
    const double start = Now();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 20000);
    const double seconds = Now() - start;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return seconds * 1e3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: qd_startup_parts_bench PROGRAM-FOLDER EMPTY-PROGRAM\n");
        return 2;
    }
    ProcessStartAndEnd(argv[2]);
    double empty = 0;
    for (int i = 0; i < 5; ++i) empty += ProcessStartAndEnd(argv[2]) / 5;
    printf("start-up step: %-46s %7.1f ms\n", "a process that does nothing, start to end", empty);

    g_shell.instance = GetModuleHandleA(nullptr);
    lstrcpynA(g_shell.programDir, argv[1], sizeof g_shell.programDir);
    g_last = Now();
    // The libraries QDGE imports besides Windows' own.
    for (const char* library : {"CTL3D32.dll", "MBXLLDB.dll", "MBXDLL.dll"}) LoadLibraryA(library);
    Step("loading CTL3D32, MBXLLDB, MBXDLL");
    RegisterFrameClass(g_shell.instance);
    RegisterTextWindowClasses(g_shell.instance);
    Step("window classes");
    char baseName[160];
    LoadProgramString(CurrentBuild().baseNameString, baseName, sizeof baseName);
    SetSettingsFileName(baseName);
    LinkBuiltinSubjectAreas();
    OpenStoredUserLexicon(g_shell.programDir, nullptr);
    LoadTranslationSettings();
    Step("settings, subject areas and the user lexicon");
    CreateFonts();
    Step("fonts");
    g_shell.frame = CreateWindowExA(0, CurrentBuild().frameClass, "Quendel", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                    20, 20, 580, 420, nullptr, nullptr, g_shell.instance, nullptr);
    Step("frame window");
    HWND splash = ShowSplash();
    Step("start-up picture");
    ShowWindow(g_shell.frame, SW_SHOWNORMAL);
    UpdateWindow(g_shell.frame);
    Step("frame shown and painted");
    CreateTextWindows();
    Step("text windows (two made, tiled, the messages icon)");
    if (!StartEngine()) return 1;
    Step("engine bound and started with the real catalogue");
    DestroyWindow(splash);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Step("start-up picture gone, messages handled");
    ReleaseEngine();
    DestroyWindow(g_shell.frame);
    return 0;
}
