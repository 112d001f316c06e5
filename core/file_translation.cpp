#include "core/file_translation.h"

#include <windows.h>
#include <string.h>

#include "app/shell_state.h"
#include "core/file_loop.h"
#include "core/message_log.h"
#include "core/plain_text.h"
#include "core/progress.h"
#include "core/run_state.h"
#include "core/scanner.h"
#include "core/sentence_translation.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "textwin/text_files.h"

namespace {

constexpr int kPathSize = 160;

bool ReadSource(void* source, char* into, int capacity, int* got) {
    DWORD read = 0;
    if (!ReadFile(static_cast<HANDLE>(source), into, static_cast<DWORD>(capacity), &read, nullptr))
        return false;
    *got = static_cast<int>(read);
    return true;
}

int StepProgress() { return ProgressStep(g_run.progressDialog, 1); }
bool TargetFailed() { return g_outputTarget.failed; }

enum class SourceCheck { Text, NotText, ReadFailed };

// Reads the whole source once before anything is written, so that a file that is
// not text is refused whole instead of being translated up to its first NUL.
SourceCheck CheckSource(HANDLE source) {
    static char chunk[64 * 1024];
    bool startOfFile = true;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(source, chunk, sizeof chunk, &read, nullptr)) return SourceCheck::ReadFailed;
        if (read == 0) break;
        if (!IsPlainTextChunk(chunk, read, startOfFile)) return SourceCheck::NotText;
        startOfFile = false;
    }
    if (SetFilePointer(source, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return SourceCheck::ReadFailed;
    return SourceCheck::Text;
}

// The loop over the source into the target; every failure is reported here or,
// for a sentence or the target, where it happened.
int RunFileLoopOn(HANDLE input, const char* source) {
    FileLoopCalls calls = {ReadSource, input, TranslateSentence, StepProgress, TargetFailed};
    g_run.fileRunActive = true;
    FileLoopEnd end = RunFileLoop(calls);
    g_run.fileRunActive = false;
    switch (end) {
    case FileLoopEnd::Done:
    case FileLoopEnd::Cancelled: return 0;
    case FileLoopEnd::ReadFailed: ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_READ, source); return -1;
    case FileLoopEnd::NotText: ShowMessage(g_shell.frame, kStopBox, IDS_NOT_TEXT, source); return -1;
    case FileLoopEnd::Stopped: return -1;
    }
    return -1;
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
        if (!ChooseOpenFile(title, source, TextOpenFilter().c_str())) return -1;
    }
    HANDLE input = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_OPEN, source);
        return -1;
    }
    int result = -1;
    SourceCheck check = CheckSource(input);
    if (check != SourceCheck::Text) {
        ShowMessage(g_shell.frame, kStopBox, check == SourceCheck::NotText ? IDS_NOT_TEXT : IDS_CANNOT_READ,
                    source);
    } else if (!g_outputTarget.path[0] && !ChooseSaveName(nullptr, true)) {
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
            result = RunFileLoopOn(input, source);
            CloseProgressDialog();
            g_outputTarget.toFile = false;
        }
    }
    CloseHandle(input);
    return result;
}
