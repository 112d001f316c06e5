#include "core/file_translation.h"

#include <windows.h>
#include <string.h>

#include "app/shell_state.h"
#include "core/message_log.h"
#include "core/progress.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "core/sentence_translation.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "textwin/text_files.h"

namespace {

constexpr int kPathSize = 160;

// Reads into buffer + length up to the buffer's size; false on a read error.
bool ReadMore(HANDLE source, char* buffer, int& length) {
    DWORD read = 0;
    if (!ReadFile(source, buffer + length, static_cast<DWORD>(kFileBufferSize - length), &read,
                  nullptr))
        return false;
    length += static_cast<int>(read);
    return true;
}

// Cuts the buffer into sentences and translates each into the target file. A
// rest of one or two characters at the end of the file goes through like any
// other piece, so the target holds everything.
int RunFileLoop(HANDLE source) {
    char buffer[kFileBufferSize + 1];
    int length = 0;
    bool readOk = ReadMore(source, buffer, length);
    while (length > 0) {
        if (!readOk) return -1;
        buffer[length] = '\0';
        int end = FindSentenceEnd(buffer, length, 0);
        int cut = end < length ? end : length;
        char kept = buffer[cut];
        buffer[cut] = '\0';
        if (TranslateSentence(buffer) <= 0) return -1;
        ProgressStep(g_run.progressDialog, 1);
        if (g_outputTarget.failed) return -1;
        if (g_run.cancelCount != 0) return 0;
        buffer[cut] = kept;
        if (cut >= length) break;
        memmove(buffer, buffer + cut, length - cut);
        length -= cut;
        readOk = ReadMore(source, buffer, length);
    }
    return readOk ? 0 : -1;
}

void TakePath(const char* given, char* into) {
    into[0] = '\0';
    if (given && given[0] && strlen(given) < kPathSize) lstrcpynA(into, given, kPathSize);
}

}  // namespace

int TranslateFile(const char* sourcePath, const char* targetPath) {
    char source[kPathSize];
    TakePath(sourcePath, source);
    TakePath(targetPath, g_outputTarget.path);

    if (!source[0]) {
        char title[60];
        LoadProgramString(IDS_OPEN_TITLE, title, sizeof title);
        if (!ChooseOpenFile(title, source, kTextOpenFilter)) return -1;
    }
    HANDLE input = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_OPEN, source);
        return -1;
    }
    int result = -1;
    if (!g_outputTarget.path[0] && !ChooseSaveName(nullptr, true)) {
        // cancelled
    } else if (SameFileName(source, g_outputTarget.path)) {
        ShowMessage(g_shell.frame, kWarningBox, IDS_SAME_FILE, nullptr);
    } else {
        HANDLE target = CreateFileA(g_outputTarget.path, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (target == INVALID_HANDLE_VALUE) {
            ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_OPEN, g_outputTarget.path);
        } else {
            CloseHandle(target);
            g_outputTarget.toFile = true;
            g_outputTarget.failed = false;
            OpenProgressDialog(g_shell.frame);
            result = RunFileLoop(input);
            CloseProgressDialog();
            g_outputTarget.toFile = false;
        }
    }
    CloseHandle(input);
    return result;
}
