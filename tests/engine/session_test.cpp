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
