// qd_score HYPOTHESES REFERENCES: corpus BLEU and chrF2 of two aligned UTF-8 files.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/scoring.h"

namespace {
bool ReadLines(const char* path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qd_score HYPOTHESES REFERENCES\n");
        return 2;
    }
    std::vector<std::string> hypotheses, references;
    if (!ReadLines(argv[1], hypotheses) || !ReadLines(argv[2], references)) {
        std::fprintf(stderr, "qd_score: cannot read the files\n");
        return 1;
    }
    if (hypotheses.size() != references.size()) {
        std::fprintf(stderr, "qd_score: %zu translations for %zu references\n", hypotheses.size(), references.size());
        return 1;
    }
    std::printf("BLEU %.2f chrF2 %.2f\n", velloc::CorpusBleu(hypotheses, references),
                velloc::CorpusChrF(hypotheses, references));
    return 0;
}
