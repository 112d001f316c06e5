#include <gtest/gtest.h>

#include "app/build_profile.h"
#include "core/engine_options.h"
#include "tests/unit/unit_support.h"

namespace {

std::vector<std::string> OptionCalls(const EngineStandIn& engine) {
    std::vector<std::string> options;
    for (const std::string& call : engine.calls)
        if (call.rfind("option|", 0) == 0) options.push_back(call.substr(7));
    return options;
}

class EngineOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_translation = TranslationSettings{};
        LinkBuiltinSubjectAreas();
        for (SubjectArea* a = g_translation.subjectAreas; a; a = a->next) a->selected = 0;
    }
    ScopedEngineStandIn engine;
    ScopedTextWindows windows;
};

TEST_F(EngineOptionsTest, DefaultsAreSentInTheFixedOrder) {
    SendEngineOptions();
    EXPECT_EQ(OptionCalls(*engine),
              (std::vector<std::string>{"setsa=", "rap=off", "sssz=off", "ssszeg=off",
                                        "timelimit=500000", "impersonal=off", "letter=on"}));
}

TEST_F(EngineOptionsTest, SelectedAreasAndFlagsBecomeOptionValues) {
    for (SubjectArea* a = g_translation.subjectAreas; a; a = a->next) {
        std::string code = a->code;
        a->selected = code == "anat" || code == "chem" || code == "tech" || code == "zool";
    }
    g_translation.rap = 1;
    g_translation.ssszeg = 1;
    g_translation.honorific = 0;
    lstrcpyA(g_translation.timeLimit, "100");
    SendEngineOptions();
    EXPECT_EQ(OptionCalls(*engine),
              (std::vector<std::string>{"setsa=anat chem tech zool ", "rap=on", "sssz=off",
                                        "ssszeg=on", "timelimit=100000", "impersonal=off",
                                        "letter=off"}));
}

TEST_F(EngineOptionsTest, ATimeLimitBelowOneSecondIsNotSent) {
    for (const char* stored : {"0", "x12", "", "-5"}) {
        EXPECT_EQ(TimeLimitOptionValue(stored), "") << stored;
    }
    EXPECT_EQ(TimeLimitOptionValue("12a"), "12a000");  // sent as stored, like the engine expects
    lstrcpyA(g_translation.timeLimit, "0");
    SendEngineOptions();
    for (const std::string& option : OptionCalls(*engine))
        EXPECT_NE(option.rfind("timelimit", 0), 0u) << option;
}

TEST_F(EngineOptionsTest, RefusedOptionsAreReportedAndTheRestStillSent) {
    engine->optionResults["rap=off"] = -1;
    engine->optionResults["sssz=off"] = -2;
    engine->optionResults["ssszeg=off"] = 3;
    SendEngineOptions();
    EXPECT_EQ(OptionCalls(*engine).size(), 7u);
    EXPECT_EQ(windows.Messages(),
              "Die Option 'rap' läßt sich nicht auf 'off' setzen\r\n"
              "\r\n• Ausnahmebedingung beim Setzen von Optionen");
    EXPECT_EQ(SetEngineOption("rap", "off"), 0);
}

TEST_F(EngineOptionsTest, BuiltinListIsLinkedInTableOrder) {
    std::vector<std::string> codes;
    for (SubjectArea* a = g_translation.subjectAreas; a; a = a->next) {
        codes.push_back(a->code);
        EXPECT_EQ(a->reserved, 0);
    }
    ASSERT_EQ(codes.size(), 25u);
    EXPECT_EQ(codes.front(), "anat");
    EXPECT_EQ(codes[10], "comm");
    EXPECT_EQ(codes.back(), "zool");
    EXPECT_STREQ(CurrentBuild().builtinSubjectAreas[15].name, "Militär");
}

}  // namespace
