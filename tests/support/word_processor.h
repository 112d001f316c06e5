#pragma once
// The word processor's side of the document link, played by a test: a window of
// its own, the "QDplus" keys of WIN.INI, the link commands posted to the frame
// with that window in lParam, and a fake WINWORD.EXE that records how the
// program started it again.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/driver.h"

namespace qd {

class WordProcessor {
public:
    // Opens the word processor's window, on a thread of its own that answers what
    // the program sends it (bringing a window of another thread to the top is sent
    // to that thread).
    explicit WordProcessor(Caller at = {});
    ~WordProcessor();
    WordProcessor(const WordProcessor&) = delete;
    WordProcessor& operator=(const WordProcessor&) = delete;

    HWND Window() const { return window_; }

    // "QDplusDoc": the document the program is to translate.
    void HandOver(const std::string& document, Caller at = {});
    // "WordDir" and "WordDoc": the folder of WINWORD.EXE and what it is started with.
    void SetRestart(const std::string& wordDir, const std::string& wordDoc, Caller at = {});

    // A link command to the program's frame, with this window in lParam.
    void Post(Program& app, int command, Caller at = {});
    // The same sent, so that it returns once the command has run; for commands that
    // open no dialog.
    void Send(Program& app, int command, Caller at = {});

    // Whether this window lies above the other top-level window.
    bool Above(HWND other) const;

private:
    static DWORD WINAPI ThreadMain(void* self);

    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
    HWND window_ = nullptr;
};

// Copies the fake WINWORD.EXE into folder (with a trailing backslash), made if
// it is missing, and removes the record of earlier starts.
void InstallFakeWinword(const std::string& folder, Caller at = {});

// The starts the fake WINWORD.EXE in folder recorded, one line each, in order:
// "<WinMain's show command>|<STARTUPINFO's wShowWindow, or ->|<command line>".
std::vector<std::string> WinwordStarts(const std::string& folder);

// The record a start maximised with this command line leaves.
std::string MaximisedStart(const std::string& commandLine);

// "QDPLUS.OUT" where the program writes it: its current folder, the one it was
// installed in.
std::string ExchangeFile();

}  // namespace qd
