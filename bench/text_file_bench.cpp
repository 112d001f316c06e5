// Loading and saving a 60,000-character file in a text window of the program,
// for ./qd bench. Usage: qd_text_file_bench TEXT-FILE
#include <windows.h>
#include <stdio.h>

#include <string>

#include "app/build_profile.h"
#include "app/frame.h"
#include "app/shell_state.h"
#include "settings/font_settings.h"
#include "textwin/text_files.h"
#include "textwin/text_windows.h"
#include "bench/bench_clock.h"

namespace {

bool CreateWorkbench() {
    g_shell.instance = GetModuleHandleA(nullptr);
    if (!RegisterFrameClass(g_shell.instance) || !RegisterTextWindowClasses(g_shell.instance))
        return false;
    // The frame at its default size, shown, with the text windows tiled as at
    // start-up: the edit control's width decides how many lines the text wraps into.
    LOGFONTA font;
    ReadFontSettings(font);  // the program's font: its size decides how lines wrap too
    g_shell.normalFont = CreateFontIndirectA(&font);
    g_shell.frame = CreateWindowExA(0, CurrentBuild().frameClass, "Quendel",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 580, 420, nullptr,
                                    nullptr, g_shell.instance, nullptr);
    if (!g_shell.frame) return false;
    g_windows.inputWindow = CreateTextWindow(0);
    g_windows.inputEdit = ChildEdit(g_windows.inputWindow);
    g_windows.outputWindow = CreateTextWindow(1);
    g_windows.outputEdit = ChildEdit(g_windows.outputWindow);
    ShowWindow(g_shell.frame, SW_SHOW);
    SendMessageA(g_shell.mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    return g_windows.inputEdit != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !CreateWorkbench()) {
        fprintf(stderr, "usage: qd_text_file_bench TEXT-FILE\n");
        return 2;
    }
    const int rounds = 20;
    double start = Now();
    for (int i = 0; i < rounds; ++i) {
        if (!LoadTextFile(g_windows.inputWindow, argv[1])) return 1;
    }
    double load = (Now() - start) / rounds;
    int length = GetWindowTextLengthA(g_windows.inputEdit);

    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    snprintf(g_fileName[0], sizeof g_fileName[0], "%sQD_BENCH_SAVE.TXT", folder);
    start = Now();
    for (int i = 0; i < rounds; ++i) {
        if (!WriteTextFile(g_windows.inputWindow)) return 1;
    }
    double save = (Now() - start) / rounds;
    DeleteFileA(g_fileName[0]);

    printf("text files: %d characters; load %.2f ms, save %.2f ms per operation (%d rounds)\n",
           length, load * 1e3, save * 1e3, rounds);
    DestroyWindow(g_shell.frame);
    return 0;
}
