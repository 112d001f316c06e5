// How the engine reads a sentence, for whoever writes its rules:
//   qd_explain CATALOGUE [--plain] [--weight=NAME=VALUE ...] < sentences   (UTF-8 in and out)
// prints each sentence's translation, each word as the analysis read it (class,
// form, lemma, translation) and the transfer rules that ran, in order. With
// --plain only the translations, one per line (for scoring a catalogue of one's own);
// --weight tries another value for one of engine/data/weights.tsv without a rebuild.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/text_1252.h"
#include "engine/translator.h"

int main(int argc, char** argv) {
    using namespace velloc;
    bool plain = false;
    std::vector<std::pair<std::string, float>> weights;
    bool usage = argc < 2;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=', 9);
        if (arg == "--plain") plain = true;
        else if (arg.rfind("--weight=", 0) == 0 && equals != std::string::npos)
            weights.emplace_back(arg.substr(9, equals - 9), std::strtof(arg.c_str() + equals + 1, nullptr));
        else usage = true;
    }
    if (usage) {
        std::cerr << "usage: qd_explain CATALOGUE [--plain] [--weight=NAME=VALUE ...] < sentences\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string catalogueBytes = bytes.str();
    Catalogue catalogue;
    std::string error;
    if (!catalogue.Open(catalogueBytes.data(), catalogueBytes.size(), &error)) {
        std::cerr << "qd_explain: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    for (const auto& [name, value] : weights) catalogue.OverrideWeight(name, value);
    EngineOptions options;
    options.explain = true;
    std::size_t sentences = 0, dropped = 0;
    const UserLexicon none;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Translation t = TranslateSentenceText(catalogue, options, none, Utf8To1252(line), Clock::now() + std::chrono::seconds(10));
        if (plain) {
            std::cout << Cp1252ToUtf8(t.text) << "\n";
            continue;
        }
        std::cout << line << "\n=> " << Cp1252ToUtf8(t.text) << "\n";
        for (const std::string& word : t.analysis) std::cout << "   " << Cp1252ToUtf8(word) << "\n";
        std::cout << "   rules:";
        for (const std::string& rule : t.rules) std::cout << " " << rule;
        for (const std::string& word : t.dropped) std::cout << "\n   DROPPED: " << Cp1252ToUtf8(word);
        std::cout << "\n\n";
        ++sentences;
        dropped += t.dropped.size();
    }
    if (!plain) std::cerr << "qd_explain: " << sentences << " sentences, " << dropped << " content words dropped\n";
    return 0;
}
