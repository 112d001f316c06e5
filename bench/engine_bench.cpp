// The engine's speed and size on real text:
//   engine_bench CATALOGUE SENTENCES-UTF8 [COUNT]
// Prints the catalogue's size, the time to open it (map and check), sentences per
// second, the slowest 1% of sentences and the process's memory.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine_session.h"
#include "engine/text_1252.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: engine_bench CATALOGUE SENTENCES [COUNT]\n");
        return 2;
    }
    const std::size_t limit = argc > 3 ? static_cast<std::size_t>(std::atoi(argv[3])) : 3000;
    using Clock = std::chrono::steady_clock;
    auto started = Clock::now();
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    velloc::EngineSession session;
    std::string error;
    if (!view || !session.Open(view, static_cast<std::size_t>(size.QuadPart), &error)) {
        std::fprintf(stderr, "engine_bench: %s\n", error.c_str());
        return 1;
    }
    double openMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();

    std::ifstream in(argv[2], std::ios::binary);
    std::vector<std::string> sentences;
    std::string line;
    while (sentences.size() < limit && std::getline(in, line))
        sentences.push_back(velloc::Cp1252ToOem(velloc::Utf8To1252(line.substr(0, 511))));
    std::vector<double> times;
    auto all = Clock::now();
    for (const std::string& s : sentences) {
        auto t0 = Clock::now();
        int atom = 0, type = 0, unknown = 0;
        session.Translate(s, &atom, &type, &unknown);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    double seconds = std::chrono::duration<double>(Clock::now() - all).count();
    std::sort(times.begin(), times.end());
    double p99 = times.empty() ? 0 : times[std::min(times.size() - 1, times.size() * 99 / 100)];
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("catalogue %.1f MB  open %.1f ms  %zu sentences  %.0f sentences/s  p99 %.2f ms  max %.2f ms  "
                "peak working set %.1f MB\n",
                size.QuadPart / 1048576.0, openMs, sentences.size(), seconds > 0 ? sentences.size() / seconds : 0.0,
                p99, times.empty() ? 0 : times.back(), memory.PeakWorkingSetSize / 1048576.0);
    return 0;
}
