// Puts the programs from the build, with the chosen engine, into the test's prefix.
#include "tests/support/install.h"

#include <stdlib.h>
#include <string.h>

#include "tests/support/machine_paths.h"

namespace qd {

namespace {

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

std::string ParentFolder(const std::string& path) {
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

const char* EngineVariantFolder(Engine engine) {
    switch (engine) {
    case Engine::Scripted: return "scripted";
    case Engine::NoEntry: return "noentry";
    case Engine::InitFail: return "initfail";
    case Engine::Real: case Engine::None: return nullptr;
    }
    return nullptr;
}

bool SameFile(const std::string& a, const std::string& b) {
    WIN32_FILE_ATTRIBUTE_DATA x, y;
    if (!GetFileAttributesExA(a.c_str(), GetFileExInfoStandard, &x)) return false;
    if (!GetFileAttributesExA(b.c_str(), GetFileExInfoStandard, &y)) return false;
    return x.nFileSizeLow == y.nFileSizeLow && x.nFileSizeHigh == y.nFileSizeHigh &&
           CompareFileTime(&x.ftLastWriteTime, &y.ftLastWriteTime) == 0;
}

// A file already in place is left alone: a running program keeps its files open.
void CopyInto(const std::string& from, const std::string& to, const Caller& at) {
    if (SameFile(from, to)) return;
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        Fail(at, "cannot copy " + from + " to " + to + " (error " +
                     std::to_string(GetLastError()) + ")");
}

// The real engine and its catalogues stay out: the tests choose their engine.
bool BelongsToEngine(const char* name) {
    const char* dot = strrchr(name, '.');
    return _stricmp(name, "Velloc.dll") == 0 || (dot && _stricmp(dot, ".LCT") == 0);
}

}  // namespace

std::string BuildFolder(const char* variable, const char* besideTests) {
    const char* named = getenv(variable);
    if (named && *named) return WithBackslash(named);
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string buildDir = ParentFolder(ParentFolder(std::string(path, length)));
    return buildDir + '\\' + besideTests + '\\';
}

namespace {

// Makes every missing folder of path, which ends in a backslash.
void MakeFolders(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
}

}  // namespace

void InstallPrograms(Engine engine, const Caller& at) {
    InstallProgramsInto(kInstallDir, engine, at);
}

void InstallProgramsInto(const std::string& folder, Engine engine, const Caller& at) {
    MakeFolders(folder);
    std::string bin = BuildFolder("QD_BIN_DIR", "bin");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((bin + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) Fail(at, "the build's program folder " + bin + " is empty");
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (BelongsToEngine(found.cFileName)) continue;
        CopyInto(bin + found.cFileName, folder + found.cFileName, at);
    } while (FindNextFileA(search, &found));
    FindClose(search);

    std::string engineFile = folder + "Velloc.dll";
    if (engine == Engine::Real) {
        for (const char* name : {"Velloc.dll", "QDGE.LCT", "QDEG.LCT"})
            CopyInto(bin + name, folder + name, at);
        return;
    }
    const char* variant = EngineVariantFolder(engine);
    if (!variant) {
        if (!DeleteFileA(engineFile.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
            Fail(at, "cannot remove " + engineFile);
        return;
    }
    CopyInto(BuildFolder("QD_FAKES_DIR", "fakes") + variant + "\\Velloc.dll", engineFile, at);
}

}  // namespace qd
