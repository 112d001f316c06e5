#include <gtest/gtest.h>

#include <windows.h>
#include <string.h>

#include <tuple>

#include "core/engine_options.h"
#include "settings/font_settings.h"
#include "settings/frame_placement.h"
#include "settings/settings_file.h"
#include "settings/translation_settings.h"

namespace {

// Each test works on a settings file of its own in the Windows folder.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetSettingsFileName("QDUNITTEST"));
        char folder[MAX_PATH];
        GetWindowsDirectoryA(folder, sizeof folder);
        path_ = std::string(folder) + "\\QDUNITTEST.INI";
        DeleteFileA(path_.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "QDUNITTEST.INI");  // flush cache
    }
    void TearDown() override {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "QDUNITTEST.INI");
        DeleteFileA(path_.c_str());
    }
    std::string Raw(const char* section, const char* key) {
        char value[512];
        GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, path_.c_str());
        return value;
    }
    std::string path_;
};

TEST_F(SettingsFileTest, NameAndDefaultsWithoutAFile) {
    EXPECT_STREQ(SettingsFileName(), "QDUNITTEST.INI");
    EXPECT_FALSE(SetSettingsFileName(""));
    EXPECT_EQ(ReadIntSetting(Setting::PosX), 20);
    EXPECT_EQ(ReadIntSetting(Setting::PosY), 20);
    EXPECT_EQ(ReadIntSetting(Setting::WindowWidth), 580);
    EXPECT_EQ(ReadIntSetting(Setting::WindowHeight), 420);
    EXPECT_EQ(ReadIntSetting(Setting::ShowState), 1);
    EXPECT_EQ(ReadIntSetting(Setting::FontHeight), 20);
    EXPECT_EQ(ReadIntSetting(Setting::Honorific), 1);
    char text[160];
    ReadTextSetting(Setting::FontName, text);
    EXPECT_STREQ(text, "Arial");
    ReadTextSetting(Setting::Timelimit, text);
    EXPECT_STREQ(text, "500");
    EXPECT_EQ(ReadTextSetting(Setting::LexFile, text), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(SettingsFileTest, ValuesAreWrittenAsDecimalTextAndReadBack) {
    WriteIntSetting(Setting::PosX, -7);
    WriteIntSetting(Setting::WindowHeight, 612);
    WriteIntSetting(Setting::FontItalic, 255);
    WriteTextSetting(Setting::FontName, "Courier New");
    EXPECT_EQ(Raw("MainWindow", "PosX"), "-7");
    EXPECT_EQ(Raw("Font", "Italic"), "255");
    EXPECT_EQ(ReadIntSetting(Setting::PosX), -7);
    EXPECT_EQ(ReadIntSetting(Setting::WindowHeight), 612);
    // "Height" lives in two sections with two meanings.
    EXPECT_EQ(ReadIntSetting(Setting::FontHeight), 20);
    char name[31];
    ReadTextSetting(Setting::FontName, name);
    EXPECT_STREQ(name, "Courier New");
    WritePrivateProfileStringA("MainWindow", "PosY", "abc", SettingsFileName());
    EXPECT_EQ(ReadIntSetting(Setting::PosY), 0);  // not a number: 0, not the default
}

TEST_F(SettingsFileTest, TextKeysAreCutToTheirBuffers) {
    WritePrivateProfileStringA("QDMode", "Timelimit", "1000", SettingsFileName());
    char limit[4];
    ReadTextSetting(Setting::Timelimit, limit, sizeof limit);
    EXPECT_STREQ(limit, "100");

    std::string longPath = "C:\\" + std::string(200, 'L') + ".DE";
    WriteTextSetting(Setting::LexFile, longPath.c_str());
    char path[160];
    EXPECT_EQ(ReadTextSetting(Setting::LexFile, path), 159);
    EXPECT_EQ(std::string(path), longPath.substr(0, 159));
}

TEST_F(SettingsFileTest, TranslationSettingsLoadWithCurrentValuesAsDefaults) {
    g_translation = TranslationSettings{};
    LinkBuiltinSubjectAreas();
    SubjectArea* last = g_translation.subjectAreas;
    while (last->next) last = last->next;
    g_translation.subjectAreas->selected = 0;
    last->selected = 0;
    WriteSubjectAreaSelection("anat", 1);
    WriteSubjectAreaSelection("zool", 1);
    EXPECT_EQ(Raw("SubjectAreas", "zool"), "1");
    WritePrivateProfileStringA("QDMode", "Rap", "1", SettingsFileName());
    WritePrivateProfileStringA("QDMode", "NewLine", "0", SettingsFileName());
    g_translation.impersonal = 1;  // no key: the current value stays

    LoadTranslationSettings();
    EXPECT_EQ(g_translation.subjectAreas->selected, 1);
    EXPECT_EQ(last->selected, 1);
    EXPECT_EQ(g_translation.subjectAreas->next->selected, 0);
    EXPECT_EQ(g_translation.rap, 1);
    EXPECT_EQ(g_translation.newLine, 0);
    EXPECT_EQ(g_translation.impersonal, 1);
    EXPECT_EQ(g_translation.honorific, 1);
    EXPECT_STREQ(g_translation.timeLimit, "500");

    g_translation.subjectAreas->selected = 0;
    last->selected = 0;
}

TEST_F(SettingsFileTest, SubjectAreaKeysAreReadAsTheProfileServiceReadsThem) {
    WritePrivateProfileStringA("SubjectAreas", "Chem", "1", SettingsFileName());
    WritePrivateProfileStringA("SubjectAreas", "tech", "", SettingsFileName());
    WritePrivateProfileStringA("SubjectAreas", "zool", " 0", SettingsFileName());
    WritePrivateProfileStringA("SubjectAreas", "bot", "7x", SettingsFileName());
    const SubjectAreaSelections stored;
    for (const char* code : {"Chem", "chem", "CHEM", "tech", "zool", "bot", "none"})
        EXPECT_EQ(stored.Get(code, 5),
                  static_cast<int>(GetPrivateProfileIntA("SubjectAreas", code, 5, SettingsFileName())))
            << code;
}

TEST_F(SettingsFileTest, SystemProfileKeysGoToWinIni) {
    WriteTextSetting(Setting::Lexica2, "C:\\QD\\QD_USER.DE");
    char value[160];
    GetProfileStringA("DavAri", "Lexica2", "", value, sizeof value);
    EXPECT_STREQ(value, "C:\\QD\\QD_USER.DE");
    EXPECT_EQ(Raw("DavAri", "Lexica2"), "<missing>");
    WriteProfileStringA("QDplus", "WordDir", "C:\\WORD");
    char dir[256];
    ReadTextSetting(Setting::WordDir, dir);
    EXPECT_STREQ(dir, "C:\\WORD");
    WriteProfileStringA("QDplus", nullptr, nullptr);
    WriteProfileStringA("DavAri", nullptr, nullptr);
}

TEST_F(SettingsFileTest, EveryPrivateRowKeepsWhatIsWrittenAndEveryRecordComesBackWhole) {
    for (int row = 0; row < static_cast<int>(Setting::Count); ++row) {
        const Setting setting = static_cast<Setting>(row);
        const SettingDef& def = SettingDefinition(setting);
        if (def.store != SettingStore::Private) continue;  // WIN.INI is shared with other tests
        if (def.type == SettingType::Text) {
            const std::string probe = std::string("7x9y", 0, def.bufferSize - 1);
            WriteTextSetting(setting, probe.c_str());
            char back[256];
            ReadTextSetting(setting, back);
            EXPECT_EQ(back, probe) << def.key;
        } else {
            const int probe = def.intDefault == def.maximum ? def.minimum : def.maximum;
            WriteIntSetting(setting, probe);
            EXPECT_EQ(ReadIntSetting(setting), probe) << def.section << "/" << def.key;
        }
    }

    g_translation = TranslationSettings{};
    TranslationSettings& s = g_translation;
    s.rap = 1, s.sssz = 1, s.ssszeg = 1, s.impersonal = 1, s.honorific = 0, s.letter = 0;
    s.newLine = 0, s.compoundAnalysis = 0;
    strcpy(s.timeLimit, "42");
    StoreTranslationSettings();
    EXPECT_EQ(Raw("QDMode", "Timelimit"), "42");
    EXPECT_EQ(Raw("QDMode", "CompoundAnalysis"), "0");
    g_translation = TranslationSettings{};
    LoadTranslationSettings();
    EXPECT_EQ(std::make_tuple(s.rap, s.sssz, s.ssszeg, s.impersonal, s.honorific, s.letter, s.newLine),
              std::make_tuple(1, 1, 1, 1, 0, 0, 0));
    EXPECT_STREQ(s.timeLimit, "42");
    EXPECT_EQ(s.compoundAnalysis, 1);  // only written, never read
    g_translation = TranslationSettings{};

    LOGFONTA font = {};
    font.lfHeight = -13, font.lfWidth = 7, font.lfEscapement = 900, font.lfOrientation = -900;
    font.lfWeight = 700, font.lfItalic = 255, font.lfUnderline = 1, font.lfStrikeOut = 1;
    font.lfCharSet = 238, font.lfOutPrecision = 3, font.lfClipPrecision = 2;
    font.lfQuality = 5, font.lfPitchAndFamily = 34;
    strcpy(font.lfFaceName, "Courier New");
    WriteFontSettings(font);
    LOGFONTA back;
    ReadFontSettings(back);
    EXPECT_EQ(memcmp(&font, &back, sizeof font), 0);
}

TEST_F(SettingsFileTest, AHandEditedBadValueGivesItsDefaultAndLeavesTheOthersAlone) {
    const char* file = SettingsFileName();
    WritePrivateProfileStringA("QDMode", "Rap", "ja", file);        // no number
    WritePrivateProfileStringA("QDMode", "Honorific", "7", file);   // no flag
    WritePrivateProfileStringA("QDMode", "sssz", "1", file);        // good
    WritePrivateProfileStringA("QDMode", "NewLine", "  0 ", file);  // good, with blanks
    WritePrivateProfileStringA("QDMode", "Timelimit", "abc", file); // shown as stored
    WritePrivateProfileStringA("Font", "Weight", "5000", file);
    WritePrivateProfileStringA("Font", "Italic", "-1", file);
    WritePrivateProfileStringA("Font", "Height", "-16", file);
    WritePrivateProfileStringA("Font", "Name", "Times New Roman", file);
    WritePrivateProfileStringA("MainWindow", "ShowState", "9", file);
    WritePrivateProfileStringA("MainWindow", "Width", "-300", file);
    WritePrivateProfileStringA("MainWindow", "PosX", "99999999999999999999", file);
    WritePrivateProfileStringA("MainWindow", "Height", "600", file);
    WritePrivateProfileStringA("MainWindow", "PosY", "", file);

    g_translation = TranslationSettings{};
    g_translation.impersonal = 1;  // no key: the current value stays
    LoadTranslationSettings();
    const TranslationSettings& s = g_translation;
    EXPECT_EQ(std::make_tuple(s.rap, s.honorific, s.sssz, s.newLine, s.impersonal),
              std::make_tuple(0, 1, 1, 0, 1));
    EXPECT_STREQ(s.timeLimit, "abc");
    g_translation = TranslationSettings{};

    LOGFONTA font;
    ReadFontSettings(font);
    EXPECT_EQ(font.lfWeight, 0);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfHeight, -16);
    EXPECT_STREQ(font.lfFaceName, "Times New Roman");

    const FramePlacement placement = ReadFramePlacement();
    EXPECT_EQ(placement.showState, 1);
    EXPECT_EQ(placement.width, 580);
    EXPECT_EQ(placement.x, 20);
    EXPECT_EQ(placement.y, 20);
    EXPECT_EQ(placement.height, 600);
    // Reading changes nothing in the file.
    EXPECT_EQ(Raw("MainWindow", "ShowState"), "9");
    EXPECT_EQ(Raw("QDMode", "Rap"), "ja");
}

}  // namespace
