// A stand-in for the word processor's program file, WINWORD.EXE, for tests of the
// document link. Started, it appends one line to STARTS.TXT in its own folder and
// ends at once:
//
//   <nCmdShow>|<wShowWindow, or - without STARTF_USESHOWWINDOW>|<command line>
//
// nCmdShow is what WinMain was given; wShowWindow is read from the process's own
// STARTUPINFO, so a test sees the show command whichever way it travelled.
#include <windows.h>
#include <string.h>

#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

std::string StartRecord(int showCommand) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::string shown = (startup.dwFlags & STARTF_USESHOWWINDOW)
                            ? std::to_string(startup.wShowWindow)
                            : std::string("-");
    return std::to_string(showCommand) + "|" + shown + "|" + GetCommandLineA() + "\r\n";
}

// Appends under a share mode that lets a test read the file meanwhile.
bool AppendLine(const std::string& path, const std::string& line) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    return AppendLine(OwnFolder() + "STARTS.TXT", StartRecord(showCommand)) ? 0 : 1;
}
