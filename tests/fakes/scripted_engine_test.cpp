// The scripted engine answers and records calls as the UI tests rely on it.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/engine_binding.h"
#include "tests/support/install.h"
#include "tests/support/whole_file.h"

namespace {

using Lines = std::vector<std::string>;

std::string FakesDir() { return qd::BuildFolder("QD_FAKES_DIR", "fakes"); }

std::string ToOem(std::string text) {
    CharToOemA(text.c_str(), &text[0]);
    return text;
}

std::string FromOem(const char* oem) {
    std::string text = oem;
    OemToCharA(text.c_str(), &text[0]);
    return text;
}

// One variant of the engine, loaded and bound the way the programs bind it.
class LoadedEngine {
public:
    explicit LoadedEngine(const char* variant)
        : library_(LoadLibraryA((FakesDir() + variant + "\\Velloc.dll").c_str())) {}
    ~LoadedEngine() {
        if (library_) FreeLibrary(library_);
    }
    LoadedEngine(const LoadedEngine&) = delete;
    LoadedEngine& operator=(const LoadedEngine&) = delete;

    bool Loaded() const { return library_ != nullptr; }
    bool Exports(const char* name) const { return GetProcAddress(library_, name) != nullptr; }
    template <typename Function>
    Function* Entry(const char* name) const {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
    }

private:
    HMODULE library_;
};

struct Translation {
    int result;
    std::string text;  // ANSI
    int errorType;
    std::string unknown;  // ANSI
};

class ScriptedEngine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(engine_.Loaded()) << "no scripted Velloc.dll in " << FakesDir();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        scriptPath_ = std::string(temp) + "qd-fake-" + name + ".txt";
        logPath_ = std::string(temp) + "qd-fake-" + name + ".log";
        DeleteFileA(logPath_.c_str());
        DeleteFileA(scriptPath_.c_str());
        SetEnvironmentVariableA("QD_FAKE_SCRIPT", scriptPath_.c_str());
        SetEnvironmentVariableA("QD_FAKE_LOG", logPath_.c_str());
#define QD_BIND(ret, name, args) entry_.name = engine_.Entry<ret WINAPI args>(#name);
        QD_ENGINE_ENTRY_POINTS(QD_BIND)
#undef QD_BIND
    }
    void TearDown() override {
        SetEnvironmentVariableA("QD_FAKE_SCRIPT", nullptr);
        SetEnvironmentVariableA("QD_FAKE_LOG", nullptr);
        DeleteFileA(logPath_.c_str());
        DeleteFileA(scriptPath_.c_str());
    }

    void Script(const std::string& text) {
        ASSERT_TRUE(qd::WriteWholeFile(scriptPath_, text)) << scriptPath_;
    }
    Lines Log() const { return qd::ReadLines(logPath_); }

    Translation Translate(const std::string& ansiSentence) {
        std::string oem = ToOem(ansiSentence);
        int translationAtom = -1, errorType = -1, unknownAtom = -1;
        Translation t;
        t.result = entry_.QP_query_tsent(nullptr, oem.c_str(), &translationAtom, &errorType,
                                         &unknownAtom);
        EXPECT_EQ(unknownAtom, translationAtom + 1);
        t.text = FromOem(entry_.QP_StringFromAtom(translationAtom));
        t.errorType = errorType;
        t.unknown = FromOem(entry_.QP_StringFromAtom(unknownAtom));
        return t;
    }

    LoadedEngine engine_{"scripted"};
    EngineEntryPoints entry_{};
    std::string scriptPath_;
    std::string logPath_;
};

TEST_F(ScriptedEngine, UnscriptedCallsGetTheDefaultAnswersAndAreLoggedInAnsi) {
    EXPECT_EQ(entry_.InitializeProlog(1, "C:\\qd\\", "C:\\qd\\QDGE.LCT"), 0);
    int flag = -1;
    EXPECT_EQ(entry_.QP_query_getabbrev("Dr.", &flag), 0);
    EXPECT_EQ(flag, 1);
    int ignored = 0;
    EXPECT_EQ(entry_.QP_query_setqdoption("rap", "on", &ignored), 0);

    Translation t = Translate("Die Größe läßt.");
    EXPECT_EQ(t.result, 0);
    EXPECT_EQ(t.text, "EN(Die Größe läßt.)");
    EXPECT_EQ(t.errorType, 0);
    EXPECT_EQ(t.unknown, "");

    EXPECT_EQ(entry_.QP_query_qtimeout(), 0);
    EXPECT_EQ(entry_.QP_query_clearlmt(), 0);
    entry_.QP_query_opendbn();
    entry_.QP_query_closedbn();

    Lines log = Log();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(Lines(log.begin(), log.begin() + 4),
              (Lines{"InitializeProlog|1|C:\\qd\\|C:\\qd\\QDGE.LCT", "getabbrev|Dr.",
                     "setqdoption|rap|on", "tsent|Die Größe läßt."}));
    EXPECT_EQ(log[4].rfind("StringFromAtom|", 0), 0u);
    EXPECT_EQ(log[5].rfind("StringFromAtom|", 0), 0u);
    EXPECT_EQ(Lines(log.begin() + 6, log.end()),
              (Lines{"qtimeout", "clearlmt", "opendbn", "closedbn"}));
}

TEST_F(ScriptedEngine, ScriptedAnswersComeFromTheFirstLineThatFits) {
    Script("# answers\r\n"
           "init|3\r\n"
           "qtimeout|1\r\n"
           "sentence|Der Hund bellt.|0|The dog barks\\|loudly.|2|Hund Katze\r\n"
           "sentence|Der Hund bellt.|-1|never used|0|\r\n"
           "sentence|Kein Satz|-1||0|\r\n"
           "abbrev|usw.|0|0\r\n"
           "abbrev|Fehler.|-2|0\r\n"
           "option|rap|on|-1\r\n"
           "option|timelimit|*|-2\r\n"
           "\r\n");
    EXPECT_EQ(entry_.InitializeProlog(1, "C:\\", "C:\\QDGE.LCT"), 3);
    EXPECT_EQ(entry_.QP_query_qtimeout(), 1);

    Translation dog = Translate("Der Hund bellt.");
    EXPECT_EQ(dog.result, 0);
    EXPECT_EQ(dog.text, "The dog barks|loudly.");
    EXPECT_EQ(dog.errorType, 2);
    EXPECT_EQ(dog.unknown, "Hund Katze");
    EXPECT_EQ(Translate("Kein Satz").result, -1);

    int flag = -1;
    EXPECT_EQ(entry_.QP_query_getabbrev("usw.", &flag), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(entry_.QP_query_getabbrev("Fehler.", &flag), -2);

    int ignored = 0;
    EXPECT_EQ(entry_.QP_query_setqdoption("rap", "on", &ignored), -1);
    EXPECT_EQ(entry_.QP_query_setqdoption("rap", "off", &ignored), 0);
    EXPECT_EQ(entry_.QP_query_setqdoption("timelimit", "1000", &ignored), -2);
    EXPECT_EQ(entry_.QP_query_setqdoption("timelimit", "", &ignored), -2);
    EXPECT_EQ(entry_.QP_query_setqdoption("sssz", "on", &ignored), 0);
}

TEST_F(ScriptedEngine, ChangedScriptIsReadAgainAndBadLinesAreLogged) {
    Script("sentence|Eins.|0|One.|0|\n");
    EXPECT_EQ(Translate("Eins.").text, "One.");
    Script("sentence|Eins.|0|Uno, longer.|0|\nsentence|Zwei.|zero|Two.|0|\n");
    EXPECT_EQ(Translate("Eins.").text, "Uno, longer.");
    EXPECT_EQ(Translate("Zwei.").text, "EN(Zwei.)");

    Lines log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "bad-script-line|2|sentence|Zwei.|zero|Two.|0|"), 1)
        << ::testing::PrintToString(log);
}

TEST_F(ScriptedEngine, ScriptedExceptionsEscapeTheEngineAsTheGuardSeesThem) {
    Script("raise|Stürzt ab.|access\nraise|Wirft.|foreign\n");
    g_engine = entry_;
    struct Case {
        const char* sentence;
        DWORD code;
    };
    for (Case c : {Case{"Stürzt ab.", EXCEPTION_ACCESS_VIOLATION}, Case{"Wirft.", 0xE06D7363}}) {
        SCOPED_TRACE(c.sentence);
        std::string oem = ToOem(c.sentence);
        int atom = 0, type = 0, unknown = 0, result = 99;
        DWORD code = 0;
        EXPECT_FALSE(CallTranslateGuarded(nullptr, oem.c_str(), &atom, &type, &unknown, &result,
                                          &code));
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(result, 99);
    }
    EXPECT_EQ(Translate("Steht.").result, 0);
    g_engine = EngineEntryPoints{};
    Lines log = Log();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(Lines(log.begin(), log.begin() + 3),
              (Lines{"tsent|Stürzt ab.", "tsent|Wirft.", "tsent|Steht."}));
}

TEST(ScriptedEngineVariants, NoEntryLacksQtimeoutAndInitFailAlwaysFails) {
    LoadedEngine noEntry("noentry");
    ASSERT_TRUE(noEntry.Loaded());
    EXPECT_FALSE(noEntry.Exports("QP_query_qtimeout"));
    for (const char* name : {"InitializeProlog", "QP_query_getabbrev", "QP_query_tsent",
                             "QP_StringFromAtom", "QP_query_clearlmt", "QP_query_setqdoption",
                             "QP_query_opendbn", "QP_query_closedbn"})
        EXPECT_TRUE(noEntry.Exports(name)) << name;

    LoadedEngine initFail("initfail");
    ASSERT_TRUE(initFail.Loaded());
    auto initialize = initFail.Entry<int WINAPI(int, const char*, const char*)>("InitializeProlog");
    ASSERT_NE(initialize, nullptr);
    EXPECT_NE(initialize(1, "C:\\", "C:\\QDGE.LCT"), 0);
}

}  // namespace
