// The one place where a failure inside the engine is caught. MinGW has no
// __try/__except, so the guard installs a frame-based exception handler of its
// own around the engine call: handlers inside the engine still see their
// exceptions first, and only what would escape the engine lands here. The
// handler jumps back into the guard, dropping the engine's frames.
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

#if defined(__i386__)
namespace {
// An SEH registration record on the stack, linked into the chain at fs:[0].
struct GuardRegistration {
    GuardRegistration* next;
    void* handler;
};
GuardRegistration* ReadChainHead() {
    GuardRegistration* head;
    __asm__ __volatile__("movl %%fs:0, %0" : "=r"(head));
    return head;
}
void WriteChainHead(GuardRegistration* head) {
    __asm__ __volatile__("movl %0, %%fs:0" : : "r"(head) : "memory");
}
}  // namespace
#endif

__attribute__((noinline)) bool CallTranslateGuarded(HWND progress, const char* oemSentence,
                                                    int* translationAtom, int* errorType,
                                                    int* unknownAtom, int* result,
                                                    DWORD* exceptionCode) {
#if defined(__i386__)
    volatile GuardRegistration registration;
    registration.next = ReadChainHead();
    registration.handler = reinterpret_cast<void*>(&QdEngineGuardHandler);
#else
    // Table-based SEH: name our handler in this function's unwind information.
    __asm__ __volatile__(".seh_handler QdEngineGuardHandler, @except\n\t"
                         ".seh_handlerdata\n\t"
                         ".text\n");
#endif
    if (__builtin_setjmp(g_resume)) {
#if defined(__i386__)
        WriteChainHead(registration.next);
#endif
        _fpreset();  // the engine may have left the FPU in any state
        *exceptionCode = g_exceptionCode;
        return false;
    }
#if defined(__i386__)
    WriteChainHead(const_cast<GuardRegistration*>(&registration));
#endif
    *result = g_engine.QP_query_tsent(progress, oemSentence, translationAtom, errorType,
                                      unknownAtom);
#if defined(__i386__)
    WriteChainHead(registration.next);
#endif
    return true;
}
