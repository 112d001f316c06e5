#include "lexicon/user_lexicon_io.h"

#include <windows.h>

#include <algorithm>

namespace {
constexpr DWORD kChunkBytes = 1u << 20;

// Owns a file handle; Close() reports whether the last buffered writes got through.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

// Removes the temporary file on every way out except a successful move into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const char* path) : path_(path) {}
    ~TemporaryFile() {
        if (!kept_) DeleteFileA(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Keep() { kept_ = true; }

private:
    const char* path_;
    bool kept_ = false;
};

// The folder that holds path, in a form GetTempFileNameA takes ("." for a bare name).
std::string FolderOf(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos) return path.substr(0, separator + 1);
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    return ".";
}

bool WriteAll(const char* path, const std::string& bytes) {
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, kChunkBytes));
        DWORD done = 0;
        if (!WriteFile(file.Get(), bytes.data() + written, chunk, &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return FlushFileBuffers(file.Get()) && file.Close();
}
// Another program reading the lexicon at that moment (the engine, a second editor,
// a virus scanner) can make the replace fail for an instant: try again briefly.
bool ReplaceWithRetry(const char* temporary, const char* path) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        DWORD error = GetLastError();
        bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
        if (!busy || attempt == 19) return false;
        Sleep(25);
    }
}
}  // namespace

LexiconStatus ReadWholeFile(const char* path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    if (!path || !*path) return LexiconStatus::Missing;
    // Sharing delete lets another program replace the file while this one reads it.
    FileHandle file(CreateFileA(path, GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? LexiconStatus::Missing : LexiconStatus::Unreadable;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) return LexiconStatus::Unreadable;
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return LexiconStatus::TooLarge;

    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - total, kChunkBytes));
        DWORD done = 0;
        if (!ReadFile(file.Get(), &bytes[total], chunk, &done, nullptr)) {
            bytes.clear();
            return LexiconStatus::Unreadable;
        }
        if (done == 0) break;  // cut short meanwhile; the parser refuses what is left
        total += done;
    }
    bytes.resize(total);
    return LexiconStatus::Ok;
}

LexiconStatus ReplaceFileContent(const char* path, const std::string& bytes) {
    if (!path || !*path) return LexiconStatus::WriteFailed;
    // The same folder, so that the final move is a rename on one volume.
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "qdl", 0, temporary))
        return LexiconStatus::WriteFailed;
    TemporaryFile guard(temporary);
    if (!WriteAll(temporary, bytes) ||
        !ReplaceWithRetry(temporary, path))
        return LexiconStatus::WriteFailed;
    guard.Keep();
    return LexiconStatus::Ok;
}

LexiconStatus ReadUserLexiconFile(const char* path, LexiconContent& out) {
    out = LexiconContent{};
    std::string bytes;
    LexiconStatus status = ReadWholeFile(path, kMaxLexiconFileBytes, bytes);
    return status == LexiconStatus::Ok ? ParseUserLexicon(bytes, out) : status;
}

LexiconStatus WriteUserLexiconFile(const char* path, const LexiconContent& content) {
    std::string bytes;
    LexiconStatus status = SerializeUserLexicon(content, bytes);
    if (status != LexiconStatus::Ok) return status;
    // A file the reader would refuse is never written: the old one stays.
    if (bytes.size() > kMaxLexiconFileBytes) return LexiconStatus::TooLarge;
    return ReplaceFileContent(path, bytes);
}
