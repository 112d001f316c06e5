// The catalogue compiler:
//   lctc DICTIONARY OUTPUT.LCT gtoe|etog [--table=FILE...] [--tagger=FILE]
//        [--supplement=FILE...] [CORPUS...]
// Reads the German-English dictionary (UTF-8, one entry per line) and writes the
// catalogue of one direction. A supplement is more dictionary lines of our own
// (engine/data/supplement-de-en.txt): common phrases the dictionary lacks. Each table (engine/data/*.tsv, UTF-8) is checked and
// stored under its file name without folder and extension; the tagger is the
// English tagger's trained model. The parallel corpus, when given, is one file per
// language and set, the German ending in .deu, its English twin (same name) in
// .eng, aligned line by line. Runs at build time.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/catalogue_builder.h"
#include "engine/engine_tables.h"
#include "engine/text_table.h"
#include "engine/text_1252.h"

namespace {

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(velloc::Utf8To1252(line));
    }
    return true;
}

// Pairs each set's German file with its English one, in the order of their names.
bool AddCorpus(velloc::CatalogueBuilder& builder, const std::vector<std::string>& files, std::size_t* pairs) {
    std::map<std::string, std::string> german, english;
    for (const std::string& file : files) {
        const std::size_t dot = file.rfind('.');
        const std::string stem = dot == std::string::npos ? file : file.substr(0, dot);
        const std::string extension = dot == std::string::npos ? "" : file.substr(dot);
        if (extension == ".deu") german[stem] = file;
        else if (extension == ".eng") english[stem] = file;
        else {
            std::fprintf(stderr, "lctc: %s is neither .deu nor .eng\n", file.c_str());
            return false;
        }
    }
    for (const auto& [stem, file] : english)
        if (!german.count(stem)) {
            std::fprintf(stderr, "lctc: %s has no German twin\n", file.c_str());
            return false;
        }
    for (const auto& [stem, file] : german) {
        auto twin = english.find(stem);
        std::vector<std::string> de, en;
        if (twin == english.end()) {
            std::fprintf(stderr, "lctc: %s has no English twin\n", file.c_str());
            return false;
        }
        if (!ReadLines(file, de) || !ReadLines(twin->second, en)) {
            std::fprintf(stderr, "lctc: cannot read the corpus %s\n", stem.c_str());
            return false;
        }
        if (de.size() != en.size()) {
            std::fprintf(stderr, "lctc: %s and %s are not aligned (%zu and %zu lines)\n", file.c_str(),
                         twin->second.c_str(), de.size(), en.size());
            return false;
        }
        for (std::size_t i = 0; i < de.size(); ++i) builder.AddCorpusPair(de[i], en[i]);
        *pairs += de.size();
    }
    return true;
}

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// "C:\x\german-words.tsv" -> "german-words".
std::string TableName(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.substr(0, name.rfind('.'));
}

bool AddTable(velloc::CatalogueBuilder& builder, const std::string& path) {
    std::string text;
    if (!ReadFile(path, text)) {
        std::fprintf(stderr, "lctc: cannot read the table %s\n", path.c_str());
        return false;
    }
    text = velloc::Utf8To1252(text);
    velloc::TextTable table;
    velloc::EngineTables meaning;  // the kinds, numbers and columns the engine expects
    std::string error;
    const std::string name = TableName(path);
    if (!table.Parse(text, &error) || !meaning.Load({{name, text}}, &error)) {
        std::fprintf(stderr, "lctc: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    builder.AddTable(name, text);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velloc;
    if (argc < 4 || (std::strcmp(argv[3], "gtoe") != 0 && std::strcmp(argv[3], "etog") != 0)) {
        std::fprintf(stderr, "usage: lctc DICTIONARY OUTPUT.LCT gtoe|etog [--table=FILE...] [--tagger=FILE] "
                             "[--supplement=FILE...] [CORPUS.deu CORPUS.eng ...]\n");
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
    std::vector<std::string> corpus;
    for (int i = 4; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.compare(0, 8, "--table=") == 0) {
            if (!AddTable(builder, argument.substr(8))) return 1;
        } else if (argument.compare(0, 13, "--supplement=") == 0) {
            std::ifstream supplement(argument.substr(13), std::ios::binary);
            if (!supplement) {
                std::fprintf(stderr, "lctc: cannot read the supplement %s\n", argument.c_str() + 13);
                return 1;
            }
            while (std::getline(supplement, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty() && line[0] != '#') builder.AddLine(Utf8To1252(line));
            }
        } else if (argument.compare(0, 9, "--tagger=") == 0) {
            std::string model;
            if (!ReadFile(argument.substr(9), model)) {
                std::fprintf(stderr, "lctc: cannot read the tagger model %s\n", argument.c_str() + 9);
                return 1;
            }
            builder.SetTagger(std::move(model));
        } else {
            corpus.push_back(argument);
        }
    }
    std::size_t pairs = 0;
    if (!AddCorpus(builder, corpus, &pairs)) return 1;

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
    if (pairs)
        std::printf("lctc: corpus of %zu sentence pairs: %zu phrases, %zu names, a model of %zu words, "
                    "%zu bigrams, %zu trigrams\n",
                    stats.corpusPairs, stats.corpusPhrases, stats.names, stats.modelWords, stats.bigrams,
                    stats.trigrams);
    return 0;
}
