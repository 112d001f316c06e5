// The catalogue compiler on dictionary lines (Windows-1252, one a line). The first
// byte chooses the direction (bit 0: English into German), the rest are the lines.
//
// Properties: no memory error; compiling the same lines twice gives the same
// bytes; what the compiler writes, its reader opens, and a sentence translates on
// it within its deadline.
#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "engine/catalogue.h"
#include "engine/catalogue_builder.h"
#include "engine/translator.h"
#include "fuzz/fuzz_check.h"

using namespace velloc;

namespace {

std::string Compile(Direction direction, const std::string& text) {
    CatalogueBuilder builder(direction);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        builder.AddLine(std::string_view(text).substr(start, end == std::string::npos ? std::string::npos
                                                                                      : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return builder.Finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Direction direction = (data[0] & 1) ? Direction::EnglishToGerman : Direction::GermanToEnglish;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string first = Compile(direction, text);
    const std::string second = Compile(direction, text);
    FUZZ_REQUIRE(first == second, "two compilations of the same lines differ (%zu and %zu bytes)",
                 first.size(), second.size());

    std::unique_ptr<unsigned char[]> block(new unsigned char[first.size()]);
    std::memcpy(block.get(), first.data(), first.size());
    Catalogue catalogue;
    std::string error;
    FUZZ_REQUIRE(catalogue.Open(block.get(), first.size(), &error), "the compiled catalogue is refused: %s",
                 error.c_str());
    // A sentence of the input's own first words, through the engine.
    std::string sentence = text.substr(0, std::min<std::size_t>(text.find_first_of("{[(|:\n"), 200));
    const auto start = Clock::now();
    TranslateSentenceText(catalogue, EngineOptions{}, UserLexicon{}, sentence,
                          start + std::chrono::milliseconds(500));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    FUZZ_REQUIRE(took < 5000, "\"%s\" took %lld ms on a limit of 500", sentence.c_str(),
                 static_cast<long long>(took));
    return 0;
}
