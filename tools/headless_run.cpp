// Runs QDGE.exe or QDEG.exe with nobody at the screen, for `./qd run` without a
// display:
//
//   qdrun PROGRAM.exe FILE
//
// starts PROGRAM with "/T FILE" in FILE's folder, so that the program translates
// FILE into QDPLUS.OUT there by its own command-line path; waits until that
// translation and its completion step are over; and closes the program again.
// Without FILE the program is started plainly and closed as soon as its window is
// up (the release test's first start of a freshly unpacked program).
// Exit code 0 when all of that went through; otherwise 1, with the reason (and
// the text of any box the program showed, in Windows-1252) on standard error.
#include <stdio.h>

#include <string>

#include "tools/program_driver.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        fprintf(stderr, "usage: qdrun PROGRAM.exe [FILE]\n");
        return 2;
    }
    const std::string program = argv[1], file = argc == 3 ? argv[2] : "";
    Started started = file.empty() ? Start(program, "", Folder(program))
                                   : Start(program, "/T " + file, Folder(file));
    HWND frame = WaitForFrame(started, FrameClass(program));
    // Started plainly, this only waits for what start-up queued.
    WaitForTranslation(started, frame);
    Close(started, frame);
    DWORD code = 0;
    GetExitCodeProcess(started.process, &code);
    if (code != 0) Stop(started, "the program ended with exit code " + std::to_string(code));
    return 0;
}
