// Drives QDGE.exe or QDEG.exe from outside (tools/program_driver.cpp). Every
// function that fails prints why on standard error and ends this process with
// exit code 1, after ending the driven program.
#pragma once

#include <windows.h>

#include <string>

struct Started {
    HANDLE process = nullptr;
    DWORD processId = 0;
};

[[noreturn]] void Stop(const Started& program, const std::string& reason);
std::string Folder(const std::string& path);  // with its trailing backslash
const char* FrameClass(const std::string& program);

// Starts program with arguments after its quoted path, in folder.
Started Start(const std::string& program, const std::string& arguments, const std::string& folder);
// Stops if a dialog or message box of the program shows (not the splash or progress).
void StopOnBox(const Started& program, const char* when);
void StopIfEnded(const Started& program, const char* when);
// The frame, once start-up is over.
HWND WaitForFrame(const Started& program, const char* frameClass);
// Returns once everything the program queued before this call has run (a file
// translation included), with no message box shown.
void WaitForTranslation(const Started& program, HWND frame);
// Closes the program through its frame; it must not ask anything.
void Close(const Started& program, HWND frame);
