#pragma once
// The native fuzz build's <windows.h>: found first on its include path, it gives
// the translation core the few Win32 names it uses. The code-page conversions are
// the identity here: what the fuzzers check is the core's own logic, not the
// system's code-page tables.
#include <cstddef>
#include <cstring>

#define WINAPI
#define CALLBACK
#define FALSE 0
#define TRUE 1

typedef struct HWND__* HWND;  // as STRICT declares it, and core/run_state.h
typedef unsigned long DWORD;
typedef int BOOL;
typedef char* LPSTR;
typedef const char* LPCSTR;

// Copies at most size - 1 characters and always ends the copy with a NUL.
inline LPSTR lstrcpynA(LPSTR to, LPCSTR from, int size) {
    if (size <= 0) return to;
    int i = 0;
    for (; i < size - 1 && from[i]; ++i) to[i] = from[i];
    to[i] = '\0';
    return to;
}

inline BOOL CharToOemA(LPCSTR from, LPSTR to) {
    if (from != to) std::memmove(to, from, std::strlen(from) + 1);
    return TRUE;
}

inline BOOL OemToCharA(LPCSTR from, LPSTR to) {
    if (from != to) std::memmove(to, from, std::strlen(from) + 1);
    return TRUE;
}
