#include "core/engine_binding.h"

EngineEntryPoints g_engine;

namespace {
HMODULE g_engineLibrary;
}

int BindEngine(const char* libraryName) {
    HMODULE library = LoadLibraryA(libraryName);
    if (!library) return kEngineLibraryMissing;

    EngineEntryPoints bound{};
#define QD_LOOK_UP(ret, name, args)                                               \
    bound.name = reinterpret_cast<ret(WINAPI*) args>(                              \
        reinterpret_cast<void*>(GetProcAddress(library, #name)));                  \
    if (!bound.name) {                                                             \
        FreeLibrary(library);                                                      \
        return kEngineEntryMissing;                                                \
    }
    QD_ENGINE_ENTRY_POINTS(QD_LOOK_UP)
#undef QD_LOOK_UP

    g_engineLibrary = library;
    g_engine = bound;
    return kEngineBound;
}

void ReleaseEngine() {
    if (g_engineLibrary) FreeLibrary(g_engineLibrary);
    g_engineLibrary = nullptr;
    g_engine = EngineEntryPoints{};
}
