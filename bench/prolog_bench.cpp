// Velloc.dll from outside: how long "catalogue ready" takes and where the time goes,
//   prolog_bench VELLOC.DLL CATALOGUE
// or, in a process that does nothing else, the memory after translating COUNT
// (default 500) sentences:
//   prolog_bench VELLOC.DLL CATALOGUE SENTENCES-UTF8 [COUNT]
// InitializeProlog is timed alone and with the first abbreviation question;
// beside it, its parts on the same file: mapping the view and touching every page,
// and the checksum of the whole file once it is in memory. Each figure is the first
// run in the process, then the best and the median of seven runs; a repeated
// InitializeProlog also unmaps the view of the one before.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/catalogue_format.h"
#include "engine/text_1252.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 7;

void Measure(const char* what, const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < kRounds; ++i) {
        auto t0 = Clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("  %-40s first %6.1f ms  best %6.1f ms  median %6.1f ms\n", what, first, ms.front(),
                ms[ms.size() / 2]);
}

// A fresh view of the file each time, so its pages fault in again as in a new process.
struct View {
    HANDLE file, mapping;
    const unsigned char* bytes;
    std::size_t size;
    explicit View(const char* path) {
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        LARGE_INTEGER length{};
        GetFileSizeEx(file, &length);
        size = static_cast<std::size_t>(length.QuadPart);
        mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        bytes = static_cast<const unsigned char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    }
    ~View() {
        UnmapViewOfFile(bytes);
        CloseHandle(mapping);
        CloseHandle(file);
    }
};

volatile std::uint32_t g_sink;

template <typename F>
F Entry(HMODULE library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: prolog_bench VELLOC.DLL CATALOGUE [SENTENCES-UTF8 [COUNT]]\n");
        return 2;
    }
    HMODULE library = LoadLibraryA(argv[1]);
    auto init = Entry<int(WINAPI*)(int, const char*, const char*)>(library, "InitializeProlog");
    auto abbrev = Entry<int(WINAPI*)(const char*, int*)>(library, "QP_query_getabbrev");
    auto tsent = Entry<int(WINAPI*)(HWND, const char*, int*, int*, int*)>(library, "QP_query_tsent");
    if (!init || !abbrev || !tsent) {
        std::fprintf(stderr, "prolog_bench: %s lacks the engine's entry points\n", argv[1]);
        return 1;
    }
    const char* catalogue = argv[2];
    if (argc > 3) {
        const std::size_t limit = argc > 4 ? static_cast<std::size_t>(std::atoi(argv[4])) : 500;
        std::ifstream in(argv[3], std::ios::binary);
        std::vector<std::string> sentences;
        std::string line;
        while (sentences.size() < limit && std::getline(in, line))
            sentences.push_back(velloc::Cp1252ToOem(velloc::Utf8To1252(line.substr(0, 511))));
        if (init(1, "", catalogue) != 0) return 1;
        std::size_t translated = 0;
        for (const std::string& s : sentences) {
            int atom = 0, type = 0, unknown = 0;
            translated += tsent(nullptr, s.c_str(), &atom, &type, &unknown) == 0;
        }
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        std::printf("%s\n  after %zu of %zu sentences translated: working set %.1f MB, peak %.1f MB, "
                    "committed %.1f MB\n",
                    catalogue, translated, sentences.size(), memory.WorkingSetSize / 1048576.0,
                    memory.PeakWorkingSetSize / 1048576.0, memory.PagefileUsage / 1048576.0);
        return 0;
    }

    int failed = 0;
    std::printf("%s\n", catalogue);
    Measure("InitializeProlog", [&] { failed |= init(1, "", catalogue); });
    Measure("InitializeProlog and a first question", [&] {
        int flag = 0;
        failed |= init(1, "", catalogue);
        failed |= abbrev("A.", &flag);
    });
    if (failed) {
        std::fprintf(stderr, "prolog_bench: the engine refused the catalogue\n");
        return 1;
    }
    Measure("map and touch every page", [&] {
        View view(catalogue);
        std::uint32_t sum = 0;
        for (std::size_t at = 0; at < view.size; at += 4096) sum += view.bytes[at];
        g_sink = sum;
    });
    View view(catalogue);
    std::vector<unsigned char> copy(view.bytes, view.bytes + view.size);
    Measure("checksum of the whole file in memory",
            [&] { g_sink = velloc::CatalogueChecksum(copy.data(), copy.size()); });
    return 0;
}
