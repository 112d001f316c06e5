// The catalogue reader on damaged catalogues: the fixture dictionary's catalogue,
// compiled at start-up, changed by edits the input lists.
//   byte 0     bit 0 seal the result again (new block sums and header checksums,
//              as the compiler's last step), bit 1 the English-German catalogue,
//              bit 2 Open checks only the blocks of the hash tables
//   then edits of 8 bytes: kind, offset (3 bytes), value (4 bytes), little-endian
//
// Properties: changed bytes that are not sealed again are always refused (with
// the partial check: refused, or a block reports its damage); a sealed change
// opens or is refused, and when it opens, every lookup and a few translations
// run without a memory error, each within a deadline.
#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/translator.h"
#include "fuzz/fixture_catalogue.h"
#include "fuzz/fuzz_check.h"

using namespace velloc;

namespace {

std::uint32_t Le(const std::uint8_t* p, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    if (at + 4 <= bytes.size()) std::memcpy(&bytes[at], &value, 4);
}

void ApplyEdit(std::string& bytes, const std::uint8_t* edit) {
    const std::uint8_t kind = edit[0] % 8;
    const std::uint32_t offset = Le(edit + 1, 3);
    const std::uint32_t value = Le(edit + 4, 4);
    const std::size_t size = bytes.size();
    switch (kind) {
    case 0:  // flip bits of one byte
        if (size) bytes[offset % size] ^= static_cast<char>((value & 0xFF) ? value & 0xFF : 1);
        break;
    case 1:  // set one byte
        if (size) bytes[offset % size] = static_cast<char>(value);
        break;
    case 2:  // an aligned number anywhere
        if (size) PutU32(bytes, (offset % size) & ~3u, value);
        break;
    case 3:  // a number of the header: offsets, sizes, counts
        PutU32(bytes, (offset % (sizeof(CatalogueHeader) / 4)) * 4, value);
        break;
    case 4:  // cut the file
        bytes.resize(offset % (size + 1));
        break;
    case 5:  // insert bytes
        bytes.insert(offset % (size + 1), value % 16 + 1, static_cast<char>(value >> 8));
        break;
    case 6:  // a number at any offset
        if (size) PutU32(bytes, offset % size, value);
        break;
    case 7:  // delete bytes
        if (size) bytes.erase(offset % size, value % 16 + 1);
        break;
    }
}

// New block sums and checksums for whatever the bytes now hold, as SealCatalogue
// gives a freshly compiled file: only the sums that follow the body are replaced.
void Reseal(std::string& bytes) {
    if (bytes.size() < sizeof(CatalogueHeader)) return;
    CatalogueHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    const std::size_t bodyEnd = header.blockSums.offset >= sizeof header && header.blockSums.offset <= bytes.size()
                                    ? header.blockSums.offset
                                    : bytes.size();
    bytes.resize(bodyEnd);
    SealCatalogue(header, bytes);
}

const char* const kWords[] = {
    "Hund", "Hunde", "hund", "dog", "dogs", "gehen", "ging", "gegangen", "went", "gone", "schläft",
    "sleeps", "Haus", "Häuser", "house", "nach", "Hause", "home", "z.", "B.", "z. B.", "e.g.",
    "weil", "because", "und", "and", "der", "the", "Straße", "Strasse", "", "a", "ß"};

const char* const kSentences[] = {
    "Der Hund schläft im Garten.", "The dog is sleeping in the garden.", "Ich gehe nach Hause, weil",
    "I go home because", "Die Kinder lesen Bücher und", "Er kauft z. B. ein Haus.",
    "Zug um Zug!", "I sleep if", "a.", "Hunde, Katzen, Häuser"};

// Touches everything the catalogue hands out.
void Walk(const Catalogue& c) {
    volatile std::size_t sink = 0;
    auto touch = [&](const char* s) { sink = sink + std::strlen(s); };
    for (std::uint32_t block = 0; block < c.BlockCount(); ++block) c.BlockIsSound(block);
    for (std::uint32_t i = 0; i < 4096; ++i) {
        const WordRecord* w = c.Word(i);
        if (!w) break;
        const std::string lemma = c.String(w->lemma);
        touch(c.String(w->particle));
        for (const SenseRecord& s : c.Senses(w->firstSense, w->senseCount)) {
            touch(c.String(s.text));
            if (const TargetRecord* t = c.Target(c.String(s.text), s.wordClass))
                for (std::uint32_t form : t->forms) touch(c.String(form));
        }
        for (FormLink link : c.Forms(lemma))
            if (const WordRecord* other = c.Word(LinkWord(link))) touch(c.String(other->lemma));
        for (const PhraseRecord& p : c.PhrasesStartingWith(lemma)) {
            touch(c.String(p.text));
            for (const SenseRecord& s : c.Senses(p.firstSense, p.senseCount)) touch(c.String(s.text));
        }
        c.IsAbbreviation(lemma + ".");
        if (const char* example = c.Example(lemma)) touch(example);
    }
    for (const char* word : kWords) {
        c.Forms(word);
        c.PhrasesStartingWith(word);
        c.Target(word, 0);
        c.IsAbbreviation(word);
        c.Example(word);
    }
    for (const char* sentence : kSentences) {
        const auto start = Clock::now();
        const Translation t = TranslateSentenceText(c, EngineOptions{}, UserLexicon{}, sentence,
                                                    start + std::chrono::milliseconds(500));
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        FUZZ_REQUIRE(took.count() < 5000, "\"%s\" took %lld ms on a limit of 500", sentence,
                     static_cast<long long>(took.count()));
        touch(t.text.c_str());
    }
}

// Opens the bytes from a heap block of exactly their size, so a read past the end
// is a memory error.
bool OpenExact(const std::string& bytes, CatalogueCheck check, Catalogue& c,
               std::unique_ptr<unsigned char[]>& block) {
    block.reset(new unsigned char[bytes.size() ? bytes.size() : 1]);
    if (!bytes.empty()) std::memcpy(block.get(), bytes.data(), bytes.size());
    std::string error;
    return c.Open(block.get(), bytes.size(), &error, check);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (Direction d : {Direction::GermanToEnglish, Direction::EnglishToGerman}) {
        Catalogue c;
        std::unique_ptr<unsigned char[]> block;
        FUZZ_REQUIRE(OpenExact(FixtureCatalogue(d), CatalogueCheck::kWhole, c, block),
                     "the fixture catalogue does not open");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool reseal = data[0] & 1;
    const Direction direction = (data[0] & 2) ? Direction::EnglishToGerman : Direction::GermanToEnglish;
    const CatalogueCheck check = (data[0] & 4) ? CatalogueCheck::kIndexes : CatalogueCheck::kWhole;
    const std::string& sound = FixtureCatalogue(direction);

    std::string bytes = sound;
    for (std::size_t at = 1; at + 8 <= size && at < 1 + 8 * 64; at += 8) ApplyEdit(bytes, data + at);
    if (reseal) Reseal(bytes);

    Catalogue c;
    std::unique_ptr<unsigned char[]> block;
    const bool opened = OpenExact(bytes, check, c, block);
    if (bytes == sound) {
        FUZZ_REQUIRE(opened, "the unchanged catalogue was refused");
    } else if (!reseal) {
        bool damageFound = !opened;
        for (std::uint32_t b = 0; !damageFound && b < c.BlockCount(); ++b) damageFound = !c.BlockIsSound(b);
        FUZZ_REQUIRE(damageFound, "a catalogue with %zu bytes changed or moved opened as sound",
                     bytes.size());
    }
    if (opened) Walk(c);
    return 0;
}
