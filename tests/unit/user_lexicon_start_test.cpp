#include <gtest/gtest.h>

#include <windows.h>

#include "core/engine_options.h"
#include "settings/settings_file.h"
#include "settings/user_lexicon.h"

namespace {

// The folder of the store library, where the empty user lexicons ship.
std::string ProgramDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA("MBXLLDB.dll"), path, sizeof path);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

class UserLexiconStart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetSettingsFileName("QDUNITLEX"));
        WritePrivateProfileStringA("Lexikon", nullptr, nullptr, SettingsFileName());
        WriteProfileStringA("DavAri", nullptr, nullptr);
        g_userLexicon = UserLexicon{};
        g_translation = TranslationSettings{};
        LinkBuiltinSubjectAreas();
    }
    void TearDown() override {
        WritePrivateProfileStringA("Lexikon", nullptr, nullptr, SettingsFileName());
        WriteProfileStringA("DavAri", nullptr, nullptr);
    }
    std::string Key(const char* key) {
        char value[260];
        GetPrivateProfileStringA("Lexikon", key, "<missing>", value, sizeof value,
                                 SettingsFileName());
        return value;
    }
    std::string Lexica2() {
        char value[260];
        GetProfileStringA("DavAri", "Lexica2", "<missing>", value, sizeof value);
        return value;
    }
};

TEST_F(UserLexiconStart, FirstStartWritesTheDefaultsAndOpensTheShippedLexicon) {
    std::string dir = ProgramDir();
    OpenStoredUserLexicon(dir.c_str(), nullptr);
    EXPECT_EQ(Key("UseLex"), "1");
    EXPECT_EQ(Key("LexFile"), dir + "QD_USER.DE");
    EXPECT_EQ(Lexica2(), dir + "QD_USER.DE");
    EXPECT_EQ(g_userLexicon.inUse, 1);
    ASSERT_TRUE(g_userLexicon.listFromLexicon);
    int areas = 0;
    for (SubjectArea* a = g_translation.subjectAreas; a; a = a->next) ++areas;
    EXPECT_EQ(areas, 25);
    EXPECT_STREQ(g_translation.subjectAreas->code, "anat");
}

TEST_F(UserLexiconStart, AStoredChoiceIsKeptAndThePathPublishedEvenWhenUnused) {
    WritePrivateProfileStringA("Lexikon", "UseLex", "0", SettingsFileName());
    WritePrivateProfileStringA("Lexikon", "LexFile", "C:\\ANDERS\\MEIN.DE", SettingsFileName());
    OpenStoredUserLexicon(ProgramDir().c_str(), nullptr);
    EXPECT_EQ(Key("UseLex"), "0");
    EXPECT_EQ(Key("LexFile"), "C:\\ANDERS\\MEIN.DE");
    EXPECT_EQ(g_userLexicon.inUse, 0);
    EXPECT_FALSE(g_userLexicon.listFromLexicon);
    EXPECT_EQ(Lexica2(), "C:\\ANDERS\\MEIN.DE");
}

}  // namespace
