// The one place where a failure inside the engine is caught. MinGW has no
// __try/__except, so the guard installs a frame-based exception handler of its
// own around the engine call: handlers inside the engine still see their
// exceptions first, and only what would escape the engine lands here. The
// handler jumps back into the guard, dropping the engine's frames.
//
// The jump leaves the dispatcher's frames behind, so the guard puts the thread's
// exception list back as it was before the call: on i686 that list holds our
// registration record, and Wine's dispatcher links its own frames into it.
//
// Built without C++ exceptions: the guard function must carry no handler of
// the compiler's own.
#include <float.h>

#include "core/engine_binding.h"

namespace {
void* g_resume[5];          // __builtin_setjmp buffer of the active guard
DWORD g_exceptionCode;
}  // namespace

extern "C" EXCEPTION_DISPOSITION __cdecl QdEngineGuardHandler(EXCEPTION_RECORD* record, void*,
                                                              CONTEXT*, void*) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        return ExceptionContinueSearch;
    g_exceptionCode = record->ExceptionCode;
    __builtin_longjmp(g_resume, 1);
}

namespace {
NT_TIB* ThreadInformation() { return reinterpret_cast<NT_TIB*>(NtCurrentTeb()); }
}  // namespace

__attribute__((noinline)) bool CallTranslateGuarded(HWND progress, const char* oemSentence,
                                                    int* translationAtom, int* errorType,
                                                    int* unknownAtom, int* result,
                                                    DWORD* exceptionCode) {
    EXCEPTION_REGISTRATION_RECORD* const savedList = ThreadInformation()->ExceptionList;
#if defined(__i386__)
    // An SEH registration record on our stack, at the head of the thread's chain.
    volatile EXCEPTION_REGISTRATION_RECORD registration;
    registration.Next = savedList;
    registration.Handler = reinterpret_cast<PEXCEPTION_ROUTINE>(&QdEngineGuardHandler);
#else
    // Table-based SEH: name our handler in this function's unwind information.
    __asm__ __volatile__(".seh_handler QdEngineGuardHandler, @except\n\t"
                         ".seh_handlerdata\n\t"
                         ".text\n");
#endif
    if (__builtin_setjmp(g_resume)) {
        ThreadInformation()->ExceptionList = savedList;
        _fpreset();  // the engine may have left the FPU in any state
        *exceptionCode = g_exceptionCode;
        return false;
    }
#if defined(__i386__)
    ThreadInformation()->ExceptionList = const_cast<EXCEPTION_REGISTRATION_RECORD*>(&registration);
#endif
    *result = g_engine.QP_query_tsent(progress, oemSentence, translationAtom, errorType,
                                      unknownAtom);
    ThreadInformation()->ExceptionList = savedList;
    return true;
}
