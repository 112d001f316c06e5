// Velloc.dll: the nine entry points the program binds by name. Each one catches
// everything: no C++ exception may leave the library.
#include <windows.h>

#include <string>

#include "engine/engine_session.h"
#include "lexicon/user_lexicon_io.h"

namespace {

using velloc::EngineSession;

struct MappedCatalogue {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE mapping = nullptr;
    const void* view = nullptr;
    std::size_t size = 0;

    void Close() {
        if (view) UnmapViewOfFile(view);
        if (mapping) CloseHandle(mapping);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        *this = MappedCatalogue{};
    }
    bool Open(const char* path) {
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        LARGE_INTEGER length;
        if (!GetFileSizeEx(file, &length) || length.QuadPart == 0 || length.QuadPart > 0x7FFFFFFF) return false;
        size = static_cast<std::size_t>(length.QuadPart);
        mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (!mapping) return false;
        view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
        return view != nullptr;
    }
};

// The user lexicon named in the system profile, read again only when its file changes.
struct LexiconWatch {
    std::string path;
    FILETIME written{};
    ULONGLONG size = 0;
    bool loaded = false;
};

EngineSession g_session;
MappedCatalogue g_catalogue;
LexiconWatch g_lexicon;

void RefreshUserLexicon() {
    char path[MAX_PATH] = "";
    GetProfileStringA("DavAri", "Lexica2", "", path, sizeof path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!path[0] || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        if (g_lexicon.loaded) g_session.DropLexicon();
        g_lexicon = LexiconWatch{};
        return;
    }
    ULONGLONG size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (g_lexicon.path == path && CompareFileTime(&g_lexicon.written, &data.ftLastWriteTime) == 0 &&
        g_lexicon.size == size)
        return;
    g_lexicon.path = path;
    g_lexicon.written = data.ftLastWriteTime;
    g_lexicon.size = size;
    LexiconContent content;
    g_session.DropLexicon();
    g_lexicon.loaded = ReadUserLexiconFile(path, content) == LexiconStatus::Ok && g_session.UseLexicon(content);
}

}  // namespace

extern "C" {

__declspec(dllexport) int WINAPI InitializeProlog(int, const char*, const char* catalogue) {
    try {
        g_session.Close();
        g_catalogue.Close();
        if (!catalogue || !g_catalogue.Open(catalogue)) {
            g_catalogue.Close();
            return 1;
        }
        std::string error;
        if (!g_session.Open(g_catalogue.view, g_catalogue.size, &error)) {
            g_catalogue.Close();
            return 2;
        }
        g_lexicon = LexiconWatch{};
        RefreshUserLexicon();
        return 0;
    } catch (...) {
        return 3;
    }
}

__declspec(dllexport) int WINAPI QP_query_getabbrev(const char* word, int* flag) {
    try {
        if (!word || !flag || !g_session.IsOpen()) return -1;
        return g_session.AbbreviationAnswer(word, flag);
    } catch (...) {
        return -2;
    }
}

__declspec(dllexport) int WINAPI QP_query_tsent(HWND, const char* oemSentence,
                                                int* translationAtom, int* errorType, int* unknownAtom) {
    try {
        if (!oemSentence || !g_session.IsOpen()) return -1;
        RefreshUserLexicon();
        // The progress dialog keeps its own "Syntaxanalyse ..." text: writing a stage
        // into it would repaint it twice for each sentence of a run, for a stage
        // that lasts a millisecond.
        return g_session.Translate(oemSentence, translationAtom, errorType, unknownAtom);
    } catch (...) {
        return -1;
    }
}

__declspec(dllexport) int WINAPI QP_query_qtimeout(void) {
    try {
        return g_session.LastWasNoTranslation() ? 1 : 0;
    } catch (...) {
        return 1;
    }
}

__declspec(dllexport) const char* WINAPI QP_StringFromAtom(int atom) {
    try {
        return g_session.StringFromAtom(atom);
    } catch (...) {
        return "";
    }
}

__declspec(dllexport) int WINAPI QP_query_clearlmt(void) {
    try {
        g_session.ClearLimits();
        return 0;
    } catch (...) {
        return -2;
    }
}

__declspec(dllexport) int WINAPI QP_query_setqdoption(const char* name, const char* value, int* result) {
    try {
        if (!name || !value) return -1;
        int answer = g_session.IsOpen() || std::string(name) != "setsa" ? g_session.SetOption(name, value) : -1;
        if (result) *result = answer;
        return answer;
    } catch (...) {
        return -2;
    }
}

__declspec(dllexport) int WINAPI QP_query_opendbn(void) { return 0; }

__declspec(dllexport) int WINAPI QP_query_closedbn(void) { return 0; }

}  // extern "C"
