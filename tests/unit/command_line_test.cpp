#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

using Action = CommandLineRequest::Action;

TEST(CommandLine, ArgumentsFollowTheProgramPathAndItsBlanks) {
    EXPECT_EQ(ArgumentText("C:\\QD\\QDGE.EXE"), "");
    EXPECT_EQ(ArgumentText("C:\\QD\\QDGE.EXE   /S  brief.txt"), "/S  brief.txt");
    EXPECT_EQ(ArgumentText(""), "");
    // A quoted path with blanks is the program's, not the first argument.
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\QD\\QDGE.EXE\" brief.txt"), "brief.txt");
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\QD\\QDGE.EXE\""), "");
}

TEST(CommandLine, FoldersOfTheProgramAndItsHelpFile) {
    EXPECT_EQ(ProgramDirectory("C:\\QD\\QDGE.EXE"), "C:\\QD\\");
    EXPECT_EQ(HelpFilePath("C:\\QD\\QDGE.EXE"), "C:\\QD\\QD.hlp");
    std::string folder147 = "C:\\" + std::string(143, 'a') + "\\";  // 147 characters
    std::string folder148 = "C:\\" + std::string(144, 'a') + "\\";
    EXPECT_EQ(HelpFilePath((folder147 + "QDGE.EXE").c_str()), folder147 + "QD.hlp");
    EXPECT_EQ(HelpFilePath((folder148 + "QDGE.EXE").c_str()), folder148 + "?");
}

TEST(CommandLine, SwitchesBeforeOrAfterTheFileTranslateItToFile) {
    struct Case {
        const char* arguments;
        Action action;
        bool switchSet;
        const char* pendingSwitch;
        const char* pendingFile;
    } cases[] = {
        {"", Action::Nothing, false, "", ""},
        {"brief.txt", Action::LoadAndTranslate, false, "", "brief.txt"},
        {"brief.txt /S", Action::TranslateFile, true, "/S", "brief.txt"},
        {"/S brief.txt", Action::TranslateFile, true, "/S", "brief.txt"},
        {"  /T   brief.txt  ", Action::TranslateFile, true, "/T", "brief.txt"},
        {"/W", Action::TranslateFile, true, "/W", ""},
        {"/S /T brief.txt", Action::Nothing, true, "/S", ""},
        {"brief.txt /w", Action::LoadAndTranslate, true, "/w", "brief.txt"},
        {"brief.txt bitte", Action::LoadAndTranslate, true, "bitte", "brief.txt"},
        {"/T brief.txt /x", Action::LoadAndTranslate, true, "/x", "brief.txt"},
        {"/SX brief.txt", Action::LoadAndTranslate, true, "/SX", "brief.txt"},
    };
    for (const Case& c : cases) {
        CommandLineRequest request = ParseArguments(c.arguments);
        EXPECT_EQ(request.action, c.action) << c.arguments;
        EXPECT_EQ(request.switchSet, c.switchSet) << c.arguments;
        EXPECT_EQ(request.pendingSwitch, c.pendingSwitch) << c.arguments;
        EXPECT_EQ(request.pendingFile, c.pendingFile) << c.arguments;
    }
}

}  // namespace
