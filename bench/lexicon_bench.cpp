// Parsing a user lexicon of many subject areas, as start-up and the engine do
// whenever the file changes. Usage: qd_lexicon_bench
#include <chrono>
#include <cstdio>
#include <string>

#include "lexicon/user_lexicon_file.h"

namespace {

// A lexicon of the given number of areas, and its size.
std::string ManyAreas(int count) {
    std::string bytes = "QUENDEL USER LEXICON\t1\r\ndirection\tGtoE\r\n";
    for (int i = 0; i < count; ++i) bytes += "area\tc" + std::to_string(i) + "\tArea\r\n";
    return bytes + "end\t0\r\n";
}

}  // namespace

int main() {
    for (int count : {65536, 1000000}) {
        std::string bytes = ManyAreas(count);
        LexiconContent content;
        auto start = std::chrono::steady_clock::now();
        LexiconStatus status = ParseUserLexicon(bytes, content);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("user lexicon: %d areas (%.1f MB) parsed in %.3f s%s\n", count, bytes.size() / 1e6,
                    seconds, status == LexiconStatus::Ok ? "" : " (refused)");
    }
    return 0;
}
