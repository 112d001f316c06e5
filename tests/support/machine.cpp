// The test's side of the Wine prefix: a reset to a new machine, settings, the
// system profile, the clipboard and the scripted engine's files.
#include <stdlib.h>
#include <string.h>

#include <exception>

#include "tests/support/driver.h"
#include "tests/support/run_moves.h"
#include "tests/support/machine_paths.h"
#include "tests/support/whole_file.h"

namespace qd {

namespace {

constexpr char kMissing[] = "\x01";  // a default no profile value can equal

struct StopTest : std::exception {
    const char* what() const noexcept override {
        return "the UI driver stopped the test at the failure reported above";
    }
};

std::optional<std::string> Found(const char* value) {
    if (strcmp(value, kMissing) == 0) return std::nullopt;
    return std::string(value);
}

std::string SettingsFile(Build build) { return std::string(ProgramName(build)) + ".INI"; }

// Read-only files too: tests make some. With subfolders, the folders go as well.
void DeleteFilesIn(const std::string& folder, bool subfolders = false) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string path = folder + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } else if (subfolders && strcmp(found.cFileName, ".") && strcmp(found.cFileName, "..")) {
            DeleteFilesIn(path + "\\", true);
            RemoveDirectoryA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The clipboard needs an owner window for SetClipboardData.
HWND ClipboardOwner() {
    static HWND owner = CreateWindowExA(0, "STATIC", "qd driver", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    return owner;
}

class OpenedClipboard {
public:
    explicit OpenedClipboard(const Caller& at) {
        DWORD start = GetTickCount();
        while (!OpenClipboard(ClipboardOwner())) {
            if (GetTickCount() - start > kWaitLimitMs) Fail(at, "the clipboard stays locked");
            Sleep(20);
        }
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

BOOL CALLBACK CollectFrame(HWND window, LPARAM found) {
    char className[32], title[32];
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    bool frameClass = strcmp(className, FrameClass(Build::QDGE)) == 0 ||
                      strcmp(className, FrameClass(Build::QDEG)) == 0;
    if (frameClass && strcmp(title, "Quendel") == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

}  // namespace

void Fail(const Caller& at, const std::string& message) {
    ADD_FAILURE_AT(at.file, at.line) << message;
    throw StopTest();
}

const char* ProgramName(Build build) { return build == Build::QDGE ? "QDGE" : "QDEG"; }

const char* FrameClass(Build build) { return build == Build::QDGE ? "QDGerEng" : "QDEngGer"; }

std::string InstallDir() { return kInstallDir; }

void UiTest::SetUp() {
    if (!getenv("QD_PREFIX_UNIX"))
        Fail(Caller(__FILE__, __LINE__),
             "UI tests change the Wine prefix they run in: run them through ctest, or "
             "with QD_CLEAN_PREFIX=1 tools/wine-run");
    // Under ctest every test has a fresh prefix already; this keeps the tests apart
    // when one run of the test program holds several.
    ResetMachine();
    // Tests running side by side would share the display's clipboard otherwise.
    KeepClipboardToThisTest();
}

void ResetMachine() {
    DeleteFilesIn(kInstallDir);
    DeleteFilesIn(kScratchDir, true);
    CreateDirectoryA(kInstallDir, nullptr);
    CreateDirectoryA(kScratchDir, nullptr);
    for (Build build : {Build::QDGE, Build::QDEG}) {
        std::string name = SettingsFile(build);
        DeleteFileA(WindowsFolderFile(name).c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    }
    WriteProfileStringA("DavAri", nullptr, nullptr);
    WriteProfileStringA("QDplus", nullptr, nullptr);
}

std::string WindowsFolderFile(const std::string& name) {
    char folder[MAX_PATH];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    std::string path(folder, length);
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + name;
}

void SetEngineScript(const std::string& script, Caller at) {
    if (!WriteWholeFile(EngineScriptPath(), script))
        Fail(at, "cannot write the engine script " + EngineScriptPath());
}

std::vector<std::string> EngineLog() { return ReadLines(EngineLogPath()); }

void ClearEngineLog(Caller at) {
    if (!DeleteFileA(EngineLogPath().c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        Fail(at, "cannot clear the engine log " + EngineLogPath());
}

std::optional<std::string> ReadSetting(Build build, const char* section, const char* key) {
    char value[4096];
    GetPrivateProfileStringA(section, key, kMissing, value, sizeof value,
                             SettingsFile(build).c_str());
    return Found(value);
}

void WriteSetting(Build build, const char* section, const char* key, const char* value,
                  Caller at) {
    if (!WritePrivateProfileStringA(section, key, value, SettingsFile(build).c_str()))
        Fail(at, "cannot write " + SettingsFile(build) + " [" + section + "] " + key);
}

std::optional<std::string> ReadProfile(const char* section, const char* key) {
    char value[4096];
    GetProfileStringA(section, key, kMissing, value, sizeof value);
    return Found(value);
}

void WriteProfile(const char* section, const char* key, const char* value, Caller at) {
    if (!WriteProfileStringA(section, key, value))
        Fail(at, std::string("cannot write WIN.INI [") + section + "] " + key);
}

std::string ClipboardText(Caller at) {
    OpenedClipboard clipboard(at);
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return std::string();
    const char* text = static_cast<const char*>(GlobalLock(data));
    std::string copy = text ? text : "";
    GlobalUnlock(data);
    return copy;
}

void SetClipboardBytes(const std::string& bytes, Caller at) {
    OpenedClipboard clipboard(at);
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!data) Fail(at, "no memory for the clipboard text");
    memcpy(GlobalLock(data), bytes.data(), bytes.size());
    GlobalUnlock(data);
    if (!SetClipboardData(CF_TEXT, data)) {
        GlobalFree(data);
        Fail(at, "SetClipboardData failed");
    }
}

void SetClipboardText(const std::string& text, Caller at) {
    SetClipboardBytes(std::string(text.c_str(), text.size() + 1), at);
}

void ClearClipboard(Caller at) {
    OpenedClipboard clipboard(at);
    EmptyClipboard();
}

std::vector<HWND> FramesOnScreen() {
    std::vector<HWND> found;
    EnumWindows(CollectFrame, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace qd
