// What the program asks of the help viewer, as command line and as the text of
// WM_COPYDATA, and which request each classic help command becomes.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/help.h"
#include "help/help_request.h"

namespace {

HelpRequest Request(const std::string& file, HelpAction action, int context = 0,
                    const std::string& key = std::string()) {
    HelpRequest request;
    request.file = file;
    request.action = action;
    request.context = context;
    request.key = key;
    return request;
}

void ExpectSame(const HelpRequest& actual, const HelpRequest& expected, const std::string& text) {
    EXPECT_EQ(actual.file, expected.file) << text;
    EXPECT_EQ(static_cast<int>(actual.action), static_cast<int>(expected.action)) << text;
    EXPECT_EQ(actual.context, expected.context) << text;
    EXPECT_EQ(actual.key, expected.key) << text;
}

TEST(HelpRequest, EveryRequestSurvivesItsText) {
    const std::string file = "C:\\Mein Q\\QD.hlp";
    struct Case {
        HelpRequest request;
        const char* text;
    } cases[] = {
        {Request(file, HelpAction::Contents), "\"C:\\Mein Q\\QD.hlp\" /contents"},
        {Request(file, HelpAction::Context, 2003), "\"C:\\Mein Q\\QD.hlp\" /context 2003"},
        {Request(file, HelpAction::Search), "\"C:\\Mein Q\\QD.hlp\" /search"},
        {Request(file, HelpAction::Search, 0, "Satz übersetzen"),
         "\"C:\\Mein Q\\QD.hlp\" /search Satz übersetzen"},
        {Request(file, HelpAction::UsingHelp), "\"C:\\Mein Q\\QD.hlp\" /helponhelp"},
        {Request("", HelpAction::Quit), "/quit"},
        {Request("C:\\qd\\?", HelpAction::Context, 114), "\"C:\\qd\\?\" /context 114"},
    };
    for (const Case& c : cases) {
        std::string text = FormatHelpRequest(c.request);
        EXPECT_EQ(text, c.text);
        HelpRequest read;
        EXPECT_TRUE(ParseHelpRequest(text, &read)) << text;
        ExpectSame(read, c.request, text);
    }
}

TEST(HelpRequest, HandTypedCommandLinesAreUnderstood) {
    struct Case {
        const char* text;
        HelpRequest request;
    } cases[] = {
        {"", Request("", HelpAction::Contents)},
        {"   ", Request("", HelpAction::Contents)},
        {"C:\\qd\\QD.hlp", Request("C:\\qd\\QD.hlp", HelpAction::Contents)},
        {"  C:\\qd\\QD.hlp   /CONTEXT   132  ", Request("C:\\qd\\QD.hlp", HelpAction::Context, 132)},
        {"/Search", Request("", HelpAction::Search)},
        {"\"C:\\a b\\QD.hlp\"/context 5", Request("C:\\a b\\QD.hlp", HelpAction::Context, 5)},
        {"\"C:\\offen", Request("C:\\offen", HelpAction::Contents)},
        {"QD.hlp /search  zwei  Wörter ", Request("QD.hlp", HelpAction::Search, 0, "zwei  Wörter")},
    };
    for (const Case& c : cases) {
        HelpRequest read;
        EXPECT_TRUE(ParseHelpRequest(c.text, &read)) << c.text;
        ExpectSame(read, c.request, c.text);
    }
}

TEST(HelpRequest, UnknownSwitchesAndBadNumbersAreRefused) {
    for (const char* text : {"QD.hlp /context", "QD.hlp /context zwei", "QD.hlp /context 12x",
                             "QD.hlp /context -3", "QD.hlp /context 1234567890", "QD.hlp /index",
                             "QD.hlp /contents 114", "/quit jetzt", "QD.hlp /context 1 2"}) {
        HelpRequest read;
        EXPECT_FALSE(ParseHelpRequest(text, &read)) << text;
    }
}

TEST(HelpRequest, ArgumentsFollowTheProgramsName) {
    EXPECT_EQ(CommandLineArguments("QDHELP.exe QD.hlp /contents"), "QD.hlp /contents");
    EXPECT_EQ(CommandLineArguments("\"C:\\Program Files\\Q\\QDHELP.exe\"  \"C:\\a b\\QD.hlp\" /quit"),
              "\"C:\\a b\\QD.hlp\" /quit");
    EXPECT_EQ(CommandLineArguments("QDHELP.exe"), "");
    EXPECT_EQ(CommandLineArguments(""), "");
}

TEST(HelpRequest, TheProgramsHelpCommandsBecomeViewerRequests) {
    const char* file = "C:\\qd\\QD.hlp";
    struct Case {
        UINT command;
        ULONG_PTR data;
        const char* text;
    } cases[] = {
        {HELP_CONTEXT, 2003, "\"C:\\qd\\QD.hlp\" /context 2003"},
        {HELP_CONTENTS, 0, "\"C:\\qd\\QD.hlp\" /contents"},
        {HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""), "\"C:\\qd\\QD.hlp\" /search"},
        {HELP_PARTIALKEY, 0, "\"C:\\qd\\QD.hlp\" /search"},
        {HELP_KEY, reinterpret_cast<ULONG_PTR>("Lexikon"), "\"C:\\qd\\QD.hlp\" /search Lexikon"},
        {HELP_HELPONHELP, 0, "\"C:\\qd\\QD.hlp\" /helponhelp"},
        {HELP_QUIT, 0, "/quit"},
    };
    for (const Case& c : cases) {
        HelpRequest request;
        EXPECT_TRUE(HelpRequestFor(c.command, c.data, file, &request)) << c.command;
        EXPECT_EQ(FormatHelpRequest(request), c.text);
    }
    HelpRequest request;
    EXPECT_FALSE(HelpRequestFor(HELP_SETWINPOS, 0, file, &request));
}

}  // namespace
