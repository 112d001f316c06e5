#include "tests/engine/engine_test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/catalogue_builder.h"
#include "engine/text_1252.h"

using namespace velloc;

std::string FixtureDirectory() {
    const char* dir = std::getenv("QD_ENGINE_FIXTURE");
    std::string path = dir ? dir : "";
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

const std::string& FixtureCatalogue(Direction direction) {
    static std::string bytes[2];
    std::string& slot = bytes[direction == Direction::GermanToEnglish ? 0 : 1];
    if (slot.empty()) {
        std::string path = FixtureDirectory() + (direction == Direction::GermanToEnglish ? "GTOE.LCT" : "ETOG.LCT");
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        slot = content.str();
    }
    return slot;
}

EngineSession OpenFixture(Direction direction) {
    EngineSession session;
    const std::string& bytes = FixtureCatalogue(direction);
    std::string error;
    session.Open(bytes.data(), bytes.size(), &error);
    return session;
}

std::string Translate(EngineSession& session, const std::string& sentence) {
    int atom = 0, type = 0, unknown = 0;
    if (session.Translate(Cp1252ToOem(sentence), &atom, &type, &unknown) != 0) return std::string();
    return OemTo1252(session.StringFromAtom(atom));
}

Translation FixtureTranslation(Direction direction, const std::string& sentence, const EngineOptions& options) {
    static Catalogue catalogues[2];
    Catalogue& catalogue = catalogues[direction == Direction::GermanToEnglish ? 0 : 1];
    if (!catalogue.IsOpen()) {
        const std::string& bytes = FixtureCatalogue(direction);
        std::string error;
        catalogue.Open(bytes.data(), bytes.size(), &error);
    }
    static const UserLexicon kNoEntries;
    return TranslateSentenceText(catalogue, options, kNoEntries, sentence, Clock::now() + std::chrono::seconds(10));
}

void AddEngineTables(CatalogueBuilder& builder) {
    for (const char* name : {"german-words", "english-words", "word-lists", "weights", "strong-verbs", "english-modals"}) {
        std::ifstream in(FixtureDirectory() + name + ".tsv", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        builder.AddTable(name, Utf8To1252(text.str()));
    }
}

std::string CompileLines(Direction direction, const char* const* lines, int count) {
    CatalogueBuilder builder(direction);
    AddEngineTables(builder);
    for (int i = 0; i < count; ++i) builder.AddLine(lines[i]);  // test literals are already Windows-1252
    return builder.Finish();
}
