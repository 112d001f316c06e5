#pragma once
#include <windows.h>

// The nine entry points of Velloc.dll, in the order they are looked up.
#define QD_ENGINE_ENTRY_POINTS(X)                                                    \
    X(int, QP_query_getabbrev, (const char* word, int* flag))                        \
    X(int, QP_query_closedbn, (void))                                                \
    X(int, QP_query_opendbn, (void))                                                 \
    X(int, InitializeProlog, (int mode, const char* programDir, const char* catalogue)) \
    X(int, QP_query_tsent, (HWND progress, const char* oemSentence, int* translationAtom, \
                            int* errorType, int* unknownAtom))                       \
    X(int, QP_query_qtimeout, (void))                                                \
    X(const char*, QP_StringFromAtom, (int atom))                                    \
    X(int, QP_query_clearlmt, (void))                                                \
    X(int, QP_query_setqdoption, (const char* name, const char* value, int* result))

// The bound engine. Tests put their own functions here.
struct EngineEntryPoints {
#define QD_DECLARE_ENTRY(ret, name, args) ret(WINAPI* name) args;
    QD_ENGINE_ENTRY_POINTS(QD_DECLARE_ENTRY)
#undef QD_DECLARE_ENTRY
};

extern EngineEntryPoints g_engine;

enum EngineBindResult {
    kEngineBound = 0,
    kEngineLibraryMissing = 1,
    kEngineEntryMissing = 2,
};

// Loads the engine library (LoadLibraryA, so the program's folder comes first) and
// looks up every entry point. On failure nothing stays loaded.
int BindEngine(const char* libraryName = "Velloc.dll");

// Frees the library and forgets the entry points.
void ReleaseEngine();

// QP_query_tsent behind a guard: a structured exception raised inside the engine
// (an access violation, a foreign C++ exception, ...) is caught here. Returns true
// when the engine returned (its result in *result), false when it raised one
// (its code in *exceptionCode).
bool CallTranslateGuarded(HWND progress, const char* oemSentence, int* translationAtom,
                          int* errorType, int* unknownAtom, int* result,
                          DWORD* exceptionCode);
