#include "textwin/text_file_io.h"

#include <string.h>

#include "core/plain_text.h"
#include "resources/resource_ids.h"

namespace {

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

private:
    HANDLE handle_;
};

}  // namespace

TextFileProblem ReadTextFile(const char* path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return TextFileProblem::CannotOpen;
    // The whole 64-bit size: a file of 4 GiB and a few bytes is large, not small.
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) return TextFileProblem::CannotRead;
    if (static_cast<unsigned long long>(size.QuadPart) > limit) return TextFileProblem::TooLarge;

    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
        read = 0;
    bytes.resize(read);
    if (bytes.empty()) return TextFileProblem::CannotRead;
    if (!IsPlainTextChunk(bytes.data(), bytes.size(), true)) {
        bytes.clear();
        return TextFileProblem::NotText;
    }
    return TextFileProblem::None;
}

int ReplaceFileWith(const char* path, const char* bytes, DWORD length) {
    char folder[MAX_PATH] = ".";
    const char* slash = strrchr(path, '\\');
    if (slash) lstrcpynA(folder, path, static_cast<int>(slash - path) + 2);
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder, "QD", 0, temporary)) return IDS_CANNOT_CREATE;

    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return IDS_CANNOT_CREATE;
    }
    DWORD written = 0;
    bool complete = WriteFile(file, bytes, length, &written, nullptr) && written == length &&
                    FlushFileBuffers(file);
    CloseHandle(file);
    if (!complete) {
        DeleteFileA(temporary);
        return IDS_CANNOT_WRITE;
    }
    if (!MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return IDS_CANNOT_CREATE;
    }
    return 0;
}
