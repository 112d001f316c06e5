#include "fuzz/program_stand_ins.h"

#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/message_log.h"
#include "core/run_marking.h"
#include "core/run_state.h"
#include "core/sentence_translation.h"

ProgramRecord g_program;

EngineEntryPoints g_engine;
TranslationSettings g_translation;
OutputTarget g_outputTarget;

namespace {
void NoteEngineFailed() { ++g_program.notices; }
void NoteOutputFull() { ++g_program.notices; }
void NoteTargetWriteFailed(const char*) { ++g_program.notices; }
}  // namespace

TranslationNotices g_notices = {NoteEngineFailed, NoteOutputFull, NoteTargetWriteFailed};

void ResetProgram() {
    g_program = ProgramRecord{};
    g_engine = EngineEntryPoints{};
    g_translation = TranslationSettings{};
    g_outputTarget = OutputTarget{};
    g_run = RunState{};
}

int SetEngineOption(const char* name, const char* value) {
    int result = 0;
    if (g_engine.QP_query_setqdoption) g_engine.QP_query_setqdoption(name, value, &result);
    return 0;
}

bool CallTranslateGuarded(HWND progress, const char* oemSentence, int* translationAtom,
                          int* errorType, int* unknownAtom, int* result, DWORD* exceptionCode) {
    if (g_program.engineRaises || !g_engine.QP_query_tsent) {
        g_program.engineRaises = false;
        *exceptionCode = 0xC0000005;  // an access violation
        return false;
    }
    *result = g_engine.QP_query_tsent(progress, oemSentence, translationAtom, errorType, unknownAtom);
    return true;
}

// As the program's own: a write to the target file that does not fit is reported
// once, and the run stops.
int AppendOutput(const char* text) {
    const std::string piece = text ? text : "";
    if (!g_outputTarget.toFile) {
        const int before = static_cast<int>(g_program.output.size());
        g_program.output += piece;
        return before;
    }
    if (g_outputTarget.failed) return -1;
    if (g_program.output.size() + piece.size() > g_program.targetCapacity) {
        g_outputTarget.failed = true;
        g_run.cancelCount = 1;
        g_notices.targetWriteFailed(g_outputTarget.path);
        return -1;
    }
    g_program.output += piece;
    return static_cast<int>(piece.size());
}

// The stand-in's output and marking have no window to wait for.
void FlushOutput() {}
void ShowWhatWaits() {}

void AppendMessage(const char* text, const char* prefix) {
    if (prefix) g_program.messages += prefix;
    g_program.messages += text;
}
