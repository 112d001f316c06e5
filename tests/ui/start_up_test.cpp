// Start-up of both programs with the scripted engine: what reaches the engine,
// what lands in the settings files, the windows a person sees, and a clean close.
#include <stdlib.h>

#include "tests/support/driver.h"

using namespace qd;
using Lines = std::vector<std::string>;

namespace {

struct BuildCase {
    Build build;
    const char* frameClass;
    const char* catalogue;
    const char* lexicon;
    const char* honorificOption;
    const char* inputCaption;
    const char* outputCaption;
};

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Input above output, each half of the client area; the messages window an icon at
// the bottom; the input window active and both text windows empty.
void ExpectWorkbenchWindows(Program& app, const BuildCase& c) {
    EXPECT_EQ(app.Caption(Pane::Input), c.inputCaption);
    EXPECT_EQ(app.Caption(Pane::Output), c.outputCaption);
    EXPECT_EQ(app.Caption(Pane::Messages), "Meldungen");
    EXPECT_EQ(ClassOf(app.Window(Pane::Input)), "childedit");
    EXPECT_EQ(ClassOf(app.Window(Pane::Output)), "childedit");
    EXPECT_EQ(ClassOf(app.Window(Pane::Messages)), "childmess");
    EXPECT_EQ(app.EditText(Pane::Input), "");
    EXPECT_EQ(app.EditText(Pane::Output), "");
    EXPECT_EQ(app.ActiveWindow(), app.Window(Pane::Input));

    RECT client;
    GetClientRect(app.MdiClient(), &client);
    RECT input = app.Placement(Pane::Input), output = app.Placement(Pane::Output);
    EXPECT_EQ(input.left, 0);
    EXPECT_EQ(input.top, 0);
    EXPECT_EQ(input.right, client.right);
    EXPECT_EQ(output.left, 0);
    EXPECT_EQ(output.top, input.bottom);
    EXPECT_EQ(output.right, client.right);
    EXPECT_EQ(output.bottom, client.bottom);
    EXPECT_LE(std::abs((input.bottom - input.top) - (output.bottom - output.top)), 1);

    EXPECT_TRUE(IsIconic(app.Window(Pane::Messages)));
    EXPECT_FALSE(IsIconic(app.Window(Pane::Input)));
    EXPECT_FALSE(IsIconic(app.Window(Pane::Output)));
    RECT icon = app.Placement(Pane::Messages);
    EXPECT_EQ(icon.left, 0);
    EXPECT_EQ(icon.bottom, client.bottom);

    // The frame at its default place and size, shown normally.
    RECT frame;
    GetWindowRect(app.Frame(), &frame);
    EXPECT_EQ(frame.left, 20);
    EXPECT_EQ(frame.top, 20);
    EXPECT_EQ(frame.right - frame.left, 580);
    EXPECT_EQ(frame.bottom - frame.top, 420);
    EXPECT_TRUE(IsWindowVisible(app.Frame()));
    EXPECT_FALSE(IsIconic(app.Frame()));
    EXPECT_FALSE(IsZoomed(app.Frame()));
}

// The default settings as the engine receives them at a first start.
Lines FirstStartLog(const BuildCase& c) {
    std::string dir = InstallDir();
    return {
        "InitializeProlog|1|" + dir + "|" + dir + c.catalogue,
        "setqdoption|setsa|",
        "setqdoption|rap|off",
        "setqdoption|sssz|off",
        "setqdoption|ssszeg|off",
        "setqdoption|timelimit|500000",
        "setqdoption|impersonal|off",
        std::string("setqdoption|") + c.honorificOption + "|on",
    };
}

void ExpectFirstStart(const BuildCase& c) {
    Program app(StartOptions{c.build});
    HWND frame = app.Frame();

    char className[32] = "";
    GetClassNameA(frame, className, sizeof className);
    EXPECT_STREQ(className, c.frameClass);
    EXPECT_EQ(app.Text(frame), "Quendel");
    // The empty user lexicon ships beside the program: a first start asks nothing.
    app.ExpectNoBox();
    EXPECT_EQ(EngineLog(), FirstStartLog(c));
    ExpectWorkbenchWindows(app, c);

    std::string lexicon = InstallDir() + c.lexicon;
    EXPECT_EQ(ReadSetting(c.build, "Lexikon", "UseLex"), "1");
    std::string lexFile = ReadSetting(c.build, "Lexikon", "LexFile").value_or("<missing>");
    EXPECT_STRCASEEQ(lexFile.c_str(), lexicon.c_str());
    EXPECT_EQ(ReadProfile("DavAri", "Lexica2"), lexFile);

    EXPECT_EQ(app.Close(), 0);
}

class UIStartUp : public UiTest {};

}  // namespace

TEST_F(UIStartUp, QdgeStartsAndHandsItsDefaultsToTheEngine) {
    ExpectFirstStart({Build::QDGE, "QDGerEng", "QDGE.LCT", "QD_USER.DE", "letter",
                      "Eingabe (deutsch): [unbenannt]", "Ausgabe (englisch): [unbenannt]"});
}

TEST_F(UIStartUp, QdegStartsAndHandsItsDefaultsToTheEngine) {
    ExpectFirstStart({Build::QDEG, "QDEngGer", "QDEG.LCT", "QD_USER.ED", "honorific",
                      "Eingabe (englisch): [unbenannt]", "Ausgabe (deutsch): [unbenannt]"});
}

TEST_F(UIStartUp, StoredSettingsReachTheEngineAndARefusalStopsNoOption) {
    WriteSetting(Build::QDGE, "QDMode", "Rap", "1");
    WriteSetting(Build::QDGE, "QDMode", "Timelimit", "1000");  // read as its first three digits
    WriteSetting(Build::QDGE, "QDMode", "Honorific", "0");
    for (const char* area : {"zool", "chem", "tech"})
        WriteSetting(Build::QDGE, "SubjectAreas", area, "1");
    SetEngineScript("option|rap|*|-1\n");

    Program app(StartOptions{Build::QDGE});
    app.Frame();

    std::string dir = InstallDir();
    EXPECT_EQ(EngineLog(), (Lines{
                               "InitializeProlog|1|" + dir + "|" + dir + "QDGE.LCT",
                               "setqdoption|setsa|chem tech zool ",
                               "setqdoption|rap|on",
                               "setqdoption|sssz|off",
                               "setqdoption|ssszeg|off",
                               "setqdoption|timelimit|100000",
                               "setqdoption|impersonal|off",
                               "setqdoption|letter|off",
                           }));
    EXPECT_EQ(app.Close(), 0);
}

TEST_F(UIStartUp, AUserLexiconOfAMillionAreasStartsAtOnceAndStaysAsItWas) {
    // Four-letter codes of a million areas, 14 MB: under the 16 MiB a lexicon may have.
    const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string bytes = "QUENDEL USER LEXICON\t1\r\ndirection\tGtoE\r\n";
    bytes.reserve(15u << 20);
    for (int i = 0; i < 1000000; ++i) {
        const char code[] = {digits[i % 62], digits[i / 62 % 62], digits[i / 3844 % 62],
                             digits[i / 238328 % 62], 0};
        bytes += std::string("area\t") + code + "\tx\r\n";
    }
    bytes += "end\t0\r\n";
    const std::string path = ScratchFile("GROSS.DE");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    CloseHandle(file);
    WriteSetting(Build::QDGE, "Lexikon", "UseLex", "1");
    WriteSetting(Build::QDGE, "Lexikon", "LexFile", path.c_str());

    // Parsed in quadratic time this took about an hour; the start's own limit holds now.
    Program app(StartOptions{Build::QDGE});
    app.Frame();
    app.ExpectNoBox();
    EXPECT_EQ(app.Close(), 0);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, bytes.size());
}
