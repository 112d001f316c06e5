// The catalogue compiler: lctc DICTIONARY OUTPUT.LCT gtoe|etog
// Reads the German-English dictionary (UTF-8, one entry per line) and writes the
// catalogue of one direction. Runs at build time.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/catalogue_builder.h"
#include "engine/text_1252.h"

int main(int argc, char** argv) {
    using namespace velloc;
    if (argc != 4 || (std::strcmp(argv[3], "gtoe") != 0 && std::strcmp(argv[3], "etog") != 0)) {
        std::fprintf(stderr, "usage: lctc DICTIONARY OUTPUT.LCT gtoe|etog\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "lctc: cannot read the dictionary %s\n", argv[1]);
        return 1;
    }
    Direction direction = std::strcmp(argv[3], "gtoe") == 0 ? Direction::GermanToEnglish
                                                             : Direction::EnglishToGerman;
    CatalogueBuilder builder(direction);
    std::string line;
    while (std::getline(in, line)) builder.AddLine(Utf8To1252(line));

    CatalogueStats stats;
    std::string bytes = builder.Finish(&stats);
    if (stats.words == 0) {
        std::fprintf(stderr, "lctc: %s holds no dictionary entries\n", argv[1]);
        return 1;
    }
    std::string temporary = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "lctc: cannot write %s\n", temporary.c_str());
            return 1;
        }
    }
    std::remove(argv[2]);
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "lctc: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("lctc: %s: %zu lines, %zu words, %zu senses, %zu forms, %zu phrases, "
                "%zu target words, %zu abbreviations, %zu examples, %zu bytes\n",
                argv[2], stats.lines, stats.words, stats.senses, stats.forms, stats.phrases,
                stats.targets, stats.abbreviations, stats.examples, bytes.size());
    return 0;
}
