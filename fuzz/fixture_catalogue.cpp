#include "fuzz/fixture_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/catalogue_builder.h"
#include "engine/text_1252.h"

using namespace velloc;

namespace {

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return true;
}

int Slot(Direction direction) { return direction == Direction::GermanToEnglish ? 0 : 1; }

// What lctc gives a builder besides the dictionary, where the builder takes it:
// the engine's tables (engine/data/*.tsv) and, for English into German, the
// trained tagger model that QD_FUZZ_TAGGER names. Older builders have neither.
template <typename Builder>
auto AddDataTo(Builder& builder, Direction direction, bool withTagger, int)
    -> decltype(builder.AddTable(std::string(), std::string()), builder.SetTagger(std::string()), void()) {
    std::vector<std::filesystem::path> tables;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(QD_FUZZ_ENGINE_DATA, error))
        if (entry.path().extension() == ".tsv") tables.push_back(entry.path());
    std::sort(tables.begin(), tables.end());
    for (const std::filesystem::path& table : tables) {
        std::string text;
        if (ReadWhole(table.string(), text)) builder.AddTable(table.stem().string(), Utf8To1252(text));
    }
    const char* tagger = std::getenv("QD_FUZZ_TAGGER");
    std::string model;
    if (withTagger && direction == Direction::EnglishToGerman && tagger && ReadWhole(tagger, model))
        builder.SetTagger(std::move(model));
}

template <typename Builder>
void AddDataTo(Builder&, Direction, bool, long) {}

}  // namespace

const std::vector<std::string>& FixtureLines() {
    static const std::vector<std::string> lines = [] {
        std::string text;
        if (!ReadWhole(QD_FUZZ_FIXTURE, text)) {
            std::fprintf(stderr, "fuzz: cannot read the fixture dictionary %s\n", QD_FUZZ_FIXTURE);
            std::exit(1);
        }
        std::vector<std::string> result;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) result.push_back(Utf8To1252(line));
        return result;
    }();
    return lines;
}

const std::string& FixtureCatalogue(Direction direction, bool withTagger) {
    static std::string compiled[2][2];
    std::string& bytes = compiled[withTagger ? 1 : 0][Slot(direction)];
    if (bytes.empty()) {
        CatalogueBuilder builder(direction);
        for (const std::string& line : FixtureLines()) builder.AddLine(line);
        AddDataTo(builder, direction, withTagger, 0);
        bytes = builder.Finish();
    }
    return bytes;
}

const std::string* BuildCatalogue(Direction direction) {
    static std::string bytes[2];
    static bool tried[2];
    const int slot = Slot(direction);
    if (!tried[slot]) {
        tried[slot] = true;
        const char* folder = std::getenv("QD_FUZZ_CATALOGUES");
        if (folder && *folder) {
            const std::string path = std::string(folder) + "/" +
                                     (direction == Direction::GermanToEnglish ? "QDGE.LCT" : "QDEG.LCT");
            if (ReadWhole(path, bytes[slot]))
                std::fprintf(stderr, "fuzz: also on %s (%zu bytes)\n", path.c_str(), bytes[slot].size());
        }
    }
    return bytes[slot].empty() ? nullptr : &bytes[slot];
}
