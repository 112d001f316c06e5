// to_cp1252 IN OUT: a copy of a UTF-8 source file in Windows-1252. The program is
// compiled with -fexec-charset=CP1252, which clang lacks; clang keeps the bytes
// of a literal as they stand, so the fuzz build compiles these copies instead.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/text_1252.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: to_cp1252 IN OUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "to_cp1252: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << velloc::Utf8To1252(text.str());
    return out ? 0 : 1;
}
