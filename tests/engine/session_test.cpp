// Options, abbreviations, and Velloc.dll through its nine entry points.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>

#include "engine/text_1252.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

TEST(Options, EveryOptionTakesItsValuesAndRefusesOthers) {
    EngineSession s = OpenFixture(Direction::GermanToEnglish);
    for (const char* flag : {"rap", "rapinit", "sssz", "ssszeg", "impersonal", "letter", "honorific"}) {
        EXPECT_EQ(s.SetOption(flag, "on"), kOptionSet) << flag;
        EXPECT_EQ(s.SetOption(flag, "off"), kOptionSet) << flag;
        EXPECT_EQ(s.SetOption(flag, "yes"), kOptionRefused) << flag;
    }
    EXPECT_EQ(s.SetOption("timelimit", "500000"), kOptionSet);
    EXPECT_EQ(s.options().timeLimitMs, 500000u);
    EXPECT_EQ(s.SetOption("timelimit", "0"), kOptionRefused);
    EXPECT_EQ(s.SetOption("timelimit", "5s"), kOptionRefused);
    EXPECT_EQ(s.SetOption("setsa", "chem tech "), kOptionSet);
    EXPECT_NE(s.options().subjects, 0u);
    EXPECT_EQ(s.SetOption("colour", "on"), kOptionRefused);
}

TEST(Abbreviations, AnswersFromTheListsAndTheRules) {
    EngineSession s = OpenFixture(Direction::GermanToEnglish);
    auto answer = [&](const char* word) {
        int flag = 7;
        EXPECT_EQ(s.AbbreviationAnswer(word, &flag), 0);
        return flag;
    };
    EXPECT_EQ(answer("Dr."), 0);    // from the dictionary's abbreviation marks
    EXPECT_EQ(answer("usw."), 0);   // listed as a term
    EXPECT_EQ(answer("A."), 0);     // a single capital
    EXPECT_EQ(answer("3."), 0);     // an ordinal
    EXPECT_EQ(answer("jdm."), 0);   // the dictionary's placeholders
    EXPECT_EQ(answer("etw."), 0);
    EXPECT_EQ(answer("Haus."), 1);
    EXPECT_EQ(answer("bellt."), 1);
}

namespace {
// build/bin, beside the tests' folder build/tests.
std::string BinDir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, n);
    dir = dir.substr(0, dir.find_last_of('\\'));
    return dir.substr(0, dir.find_last_of('\\') + 1) + "bin\\";
}
std::string FixtureDir() { return FixtureDirectory(); }

struct Engine {
    HMODULE library = LoadLibraryA((BinDir() + "Velloc.dll").c_str());
    template <typename F>
    F Get(const char* name) { return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name))); }
    ~Engine() { if (library) FreeLibrary(library); }
};
}  // namespace

TEST(VellocDll, ExportsTheNineEntryPointsUndecorated) {
    Engine e;
    ASSERT_NE(e.library, nullptr);
    for (const char* name : {"InitializeProlog", "QP_query_getabbrev", "QP_query_tsent", "QP_query_qtimeout",
                             "QP_StringFromAtom", "QP_query_clearlmt", "QP_query_setqdoption",
                             "QP_query_opendbn", "QP_query_closedbn"})
        EXPECT_NE(GetProcAddress(e.library, name), nullptr) << name;
}

TEST(VellocDll, TranslatesThroughTheEntryPoints) {
    Engine e;
    auto init = e.Get<int(WINAPI*)(int, const char*, const char*)>("InitializeProlog");
    auto tsent = e.Get<int(WINAPI*)(HWND, const char*, int*, int*, int*)>("QP_query_tsent");
    auto text = e.Get<const char*(WINAPI*)(int)>("QP_StringFromAtom");
    auto option = e.Get<int(WINAPI*)(const char*, const char*, int*)>("QP_query_setqdoption");
    auto abbrev = e.Get<int(WINAPI*)(const char*, int*)>("QP_query_getabbrev");
    ASSERT_TRUE(init && tsent && text && option && abbrev);
    ASSERT_EQ(init(1, FixtureDir().c_str(), (FixtureDir() + "GTOE.LCT").c_str()), 0);
    int atom = 0, type = 0, unknown = 0;
    ASSERT_EQ(tsent(nullptr, Cp1252ToOem("Der Hund bellt.").c_str(), &atom, &type, &unknown), 0);
    EXPECT_STREQ(text(atom), "The dog barks.");
    EXPECT_STREQ(text(unknown), "0");
    int result = 0;
    EXPECT_EQ(option("timelimit", "100000", &result), 0);
    EXPECT_EQ(option("nosuchoption", "on", &result), -1);
    int flag = 5;
    EXPECT_EQ(abbrev("Dr.", &flag), 0);
    EXPECT_EQ(flag, 0);
}

TEST(VellocDll, DamagedCatalogueMakesInitialisationFail) {
    std::string bytes = FixtureCatalogue(Direction::GermanToEnglish);
    bytes[bytes.size() / 2] ^= 0x55;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "qd_damaged.lct";
    { std::ofstream out(path, std::ios::binary); out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); }
    Engine e;
    auto init = e.Get<int(WINAPI*)(int, const char*, const char*)>("InitializeProlog");
    ASSERT_NE(init, nullptr);
    EXPECT_NE(init(1, temp, path.c_str()), 0);
    EXPECT_NE(init(1, temp, (std::string(temp) + "missing.lct").c_str()), 0);
    DeleteFileA(path.c_str());
}

TEST(OemText, AgreesWithTheSystemConversion) {
    // the tests run with code page 850 as the OEM code page
    for (int c = 0x80; c <= 0xFF; ++c) {
        char oem[2] = {static_cast<char>(c), 0};
        char ansi[2];
        OemToCharA(oem, ansi);
        if (ansi[0] == '?' || OemTo1252(oem) == "?") continue;  // box drawing: no 1252 letter
        EXPECT_EQ(OemTo1252(oem), std::string(ansi)) << std::hex << c;
    }
    EXPECT_EQ(Cp1252ToOem("Grüße"), "Gr\x81\xE1" "e");
    EXPECT_EQ(Cp1252ToOem("„Ja“ …"), "\"Ja\" ...");
}

namespace {
// Some 1,200 clauses of fixture words: far more work than a millisecond on the
// fixture catalogue, and every clause known, so without a limit it translates.
std::string VeryLongSentence() {
    std::string sentence;
    for (int i = 0; i < 400; ++i)
        sentence += "der alte Hund bellt im Garten, die Katze schläft zu Hause, der Mann liest das neue Buch, ";
    sentence[0] = 'D';
    sentence.replace(sentence.size() - 2, 2, ".");
    return Cp1252ToOem(sentence);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempPath(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

// A catalogue of several blocks: the string pool alone outgrows the first block,
// so that block holds no hash table.
std::string ManyBlockCatalogue() {
    std::vector<std::string> lines = {
        "Hund {m} | Hunde {pl} :: dog | dogs",
        "bellen {vi} | bellend | gebellt | er/sie bellt :: to bark | barking | barked | he/she barks",
        "Doktor {m} /Dr./ :: doctor /Dr/"};
    for (int i = 0; i < 4000; ++i)
        lines.push_back("Wortgebilde" + std::to_string(i) + " {n} :: word formation " + std::to_string(i));
    std::vector<const char*> pointers;
    for (const std::string& line : lines) pointers.push_back(line.c_str());
    return CompileLines(Direction::GermanToEnglish, pointers.data(), static_cast<int>(pointers.size()));
}
}  // namespace

TEST(VellocDll, OneMillisecondLimitStopsAVeryLongSentence) {
    Engine e;
    auto init = e.Get<int(WINAPI*)(int, const char*, const char*)>("InitializeProlog");
    auto tsent = e.Get<int(WINAPI*)(HWND, const char*, int*, int*, int*)>("QP_query_tsent");
    auto qtimeout = e.Get<int(WINAPI*)()>("QP_query_qtimeout");
    auto option = e.Get<int(WINAPI*)(const char*, const char*, int*)>("QP_query_setqdoption");
    ASSERT_TRUE(init && tsent && qtimeout && option);
    ASSERT_EQ(init(1, FixtureDir().c_str(), (FixtureDir() + "GTOE.LCT").c_str()), 0);
    const std::string sentence = VeryLongSentence();
    int result = 7, atom = 0, type = 0, unknown = 0;
    ASSERT_EQ(option("timelimit", "1", &result), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(tsent(nullptr, sentence.c_str(), &atom, &type, &unknown), -2);
    EXPECT_EQ(qtimeout(), 0);
    // the same sentence with time to spare: the time-out above was the limit's doing
    ASSERT_EQ(option("timelimit", "100000", &result), 0);
    EXPECT_EQ(tsent(nullptr, sentence.c_str(), &atom, &type, &unknown), 0);
}

TEST(VellocDll, DamageFarFromTheIndexesMakesOpeningFail) {
    const std::string sound = ManyBlockCatalogue();
    CatalogueHeader header;
    std::memcpy(&header, sound.data(), sizeof header);
    for (Section index : {kSectionFormSlots, kSectionPhraseSlots, kSectionTargetSlots, kSectionAbbreviations,
                          kSectionExamples})
        ASSERT_GE(header.sections[index].offset, kCatalogueBlockSize) << "an index shares the first block";
    std::string damaged = sound;
    damaged[header.sections[kSectionStrings].offset + 100] ^= 0x20;
    const std::string soundPath = TempPath("qd_many_blocks.lct"), damagedPath = TempPath("qd_many_blocks_damaged.lct");
    WriteFile(soundPath, sound);
    WriteFile(damagedPath, damaged);

    Engine e;
    auto init = e.Get<int(WINAPI*)(int, const char*, const char*)>("InitializeProlog");
    auto tsent = e.Get<int(WINAPI*)(HWND, const char*, int*, int*, int*)>("QP_query_tsent");
    auto abbrev = e.Get<int(WINAPI*)(const char*, int*)>("QP_query_getabbrev");
    auto text = e.Get<const char*(WINAPI*)(int)>("QP_StringFromAtom");
    ASSERT_TRUE(init && tsent && abbrev && text);
    int atom = 0, type = 0, unknown = 0, flag = 5;
    ASSERT_EQ(init(1, "", soundPath.c_str()), 0);
    ASSERT_EQ(tsent(nullptr, "Der Hund bellt.", &atom, &type, &unknown), 0);
    EXPECT_STREQ(text(atom), "The dog barks.");
    EXPECT_EQ(abbrev("Dr.", &flag), 0);
    // one flipped byte far from the indexes: opening fails and nothing translates
    EXPECT_NE(init(1, "", damagedPath.c_str()), 0);
    EXPECT_EQ(tsent(nullptr, "Der Hund bellt.", &atom, &type, &unknown), -1);
    EXPECT_EQ(abbrev("Dr.", &flag), -1);
    // a sound catalogue opened after it translates again
    ASSERT_EQ(init(1, "", soundPath.c_str()), 0);
    EXPECT_EQ(tsent(nullptr, "Der Hund bellt.", &atom, &type, &unknown), 0);
    DeleteFileA(soundPath.c_str());
    DeleteFileA(damagedPath.c_str());
}

TEST(VellocDll, FailedOpeningForgetsTheCatalogueBefore) {
    Engine e;
    auto init = e.Get<int(WINAPI*)(int, const char*, const char*)>("InitializeProlog");
    auto tsent = e.Get<int(WINAPI*)(HWND, const char*, int*, int*, int*)>("QP_query_tsent");
    auto abbrev = e.Get<int(WINAPI*)(const char*, int*)>("QP_query_getabbrev");
    ASSERT_TRUE(init && tsent && abbrev);
    ASSERT_EQ(init(1, FixtureDir().c_str(), (FixtureDir() + "GTOE.LCT").c_str()), 0);
    // the first catalogue's view is gone: nothing may read it any more
    EXPECT_NE(init(1, FixtureDir().c_str(), (FixtureDir() + "MISSING.LCT").c_str()), 0);
    int atom = 0, type = 0, unknown = 0, flag = 5;
    EXPECT_EQ(tsent(nullptr, "Der Hund bellt.", &atom, &type, &unknown), -1);
    EXPECT_EQ(abbrev("Dr.", &flag), -1);
}
