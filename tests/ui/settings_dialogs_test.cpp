// The translation-options dialog and the user-lexicon dialog: what they show,
// what they refuse, what OK stores and hands the engine, and that Cancel keeps
// everything as it was.
#include <windows.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/driver.h"
#include "tests/support/run_moves.h"
#include "tests/support/whole_file.h"
#include "tests/ui/steps.h"

using namespace qd;

namespace {

class UISettingsDialogs : public UiTest {};

constexpr int kOptions = 132, kUserLexicon = 134, kEditLexicon = 135;

// The translation-options dialog.
constexpr int kAreaList = 1130, kImpersonalBox = 1122, kHonorificBox = 1123,
              kNewLineBox = 1125, kSsszegBox = 1166, kSsszBox = 1167, kTimeLimit = 1146;
constexpr int kHelpButton = 1000;
const char kOptionsTitle[] = "\xDC" "bersetzungsweise";
const char kInputError[] = "Fehler in der Eingabe";

// The user-lexicon dialog.
constexpr int kUseBox = 1136, kPathText = 1137, kNewFile = 1138, kFindFile = 1139;
const char kLexiconTitle[] = "Benutzerlexikon";

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitLimitMs, &result);
    return static_cast<LRESULT>(result);
}

bool IsChecked(HWND dialog, int box) {
    return SendTo(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Sets a check box and tells the dialog, as a click does.
void SetCheck(const Box& dialog, int box, bool checked) {
    SendTo(GetDlgItem(dialog.window, box), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    dialog.Press(box);
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendTo(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // Read as wide text (the form in which the list hands it across processes),
        // then given in the program's code page.
        wchar_t wide[256] = L"";
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[256] = "";
        WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

std::vector<int> SelectedItems(HWND list) {
    std::vector<int> selected;
    int count = static_cast<int>(SendTo(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendTo(list, LB_GETSEL, i, 0) > 0) selected.push_back(i);
    return selected;
}

// The keys of a section of the program's settings file with their values.
std::vector<std::string> SectionEntries(Build build, const char* section) {
    char buffer[8192] = "";
    GetPrivateProfileSectionA(section, buffer, sizeof buffer,
                              (std::string(ProgramName(build)) + ".INI").c_str());
    std::vector<std::string> entries;
    for (const char* entry = buffer; *entry; entry += strlen(entry) + 1) entries.push_back(entry);
    return entries;
}

std::vector<std::string> Matching(const std::vector<std::string>& lines, const std::string& head) {
    std::vector<std::string> found;
    for (const auto& line : lines)
        if (line.compare(0, head.size(), head) == 0) found.push_back(line);
    return found;
}

// Presses OK with the time limit field holding text and expects the input error,
// with the dialog still open afterwards.
void ExpectTimeLimitRefused(Program& app, const Box& dialog, const std::string& text,
                            Caller at = {}) {
    app.SetText(GetDlgItem(dialog.window, kTimeLimit), text, at);
    dialog.Press(IDOK, at);
    Box error = app.WaitForBox(kWaitLimitMs, at);
    if (error.title != kInputError)
        ADD_FAILURE_AT(at.file, at.line) << "with \"" << text << "\": " << error.Describe();
    app.Answer(error, IDOK, at);
    if (!IsWindow(dialog.window) || !IsWindowVisible(dialog.window))
        ADD_FAILURE_AT(at.file, at.line) << "the dialog closed after \"" << text << "\"";
}

}  // namespace

TEST_F(UISettingsDialogs, OptionsRefuseABadTimeLimitAndOkStoresAndSendsEveryOption) {
    Program app(StartOptions{Build::QDGE});
    app.Frame();

    app.PostCommand(kOptions);
    Box dialog = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(dialog.title, kOptionsTitle) << dialog.Describe();
    for (int button : {IDOK, IDCANCEL, kHelpButton})
        EXPECT_TRUE(GetDlgItem(dialog.window, button)) << "button " << button;
    HWND list = GetDlgItem(dialog.window, kAreaList);
    std::vector<std::string> areas = ListItems(list);
    ASSERT_EQ(areas.size(), 25u);
    EXPECT_EQ(areas[0], "Anatomie");
    EXPECT_EQ(SelectedItems(list), std::vector<int>{});
    EXPECT_EQ(ControlText(dialog.window, kTimeLimit), "500");

    // Out of range, not a number, or nothing: refused, and nothing is written.
    ClearEngineLog();
    for (const char* bad : {"0", "501", "abc", ""}) ExpectTimeLimitRefused(app, dialog, bad);
    EXPECT_EQ(SectionEntries(Build::QDGE, "SubjectAreas"), std::vector<std::string>{});
    EXPECT_EQ(ReadSetting(Build::QDGE, "QDMode", "Timelimit").value_or("(none)"),
              std::string("(none)"));
    EXPECT_EQ(EngineLog(), std::vector<std::string>{});

    // A number followed by other characters counts as the number.
    SendTo(list, LB_SETSEL, TRUE, 0);
    SendTo(list, LB_SETSEL, TRUE, 2);
    SetCheck(dialog, kHonorificBox, false);
    SetCheck(dialog, kNewLineBox, true);
    SetCheck(dialog, kSsszBox, true);
    app.SetText(GetDlgItem(dialog.window, kTimeLimit), "12xyz");
    app.Answer(dialog, IDOK);
    app.ExpectNoBox();

    std::vector<std::string> areaEntries = SectionEntries(Build::QDGE, "SubjectAreas");
    ASSERT_EQ(areaEntries.size(), 25u);
    int on = static_cast<int>(std::count_if(areaEntries.begin(), areaEntries.end(),
                                            [](const std::string& e) {
                                                return e.size() > 2 &&
                                                       e.compare(e.size() - 2, 2, "=1") == 0;
                                            }));
    EXPECT_EQ(on, 2);
    EXPECT_EQ(areaEntries[0], "anat=1");
    EXPECT_EQ(areaEntries[1].substr(areaEntries[1].find('=')), "=0");
    EXPECT_EQ(areaEntries[2].substr(areaEntries[2].find('=')), "=1");

    const std::pair<const char*, const char*> mode[] = {
        {"Timelimit", "12"}, {"CompoundAnalysis", "0"}, {"sssz", "1"},     {"ssszeg", "0"},
        {"Rap", "0"},        {"Impersonal", "0"},       {"Honorific", "0"}, {"Letter", "1"},
        {"NewLine", "1"},
    };
    for (const auto& [key, value] : mode)
        EXPECT_EQ(ReadSetting(Build::QDGE, "QDMode", key).value_or("(none)"), value) << key;

    std::vector<std::string> log = EngineLog();
    std::string second = areaEntries[2].substr(0, areaEntries[2].find('='));
    EXPECT_EQ(Matching(log, "setqdoption|setsa|"),
              std::vector<std::string>{"setqdoption|setsa|anat " + second + " "});
    EXPECT_EQ(Matching(log, "setqdoption|timelimit|"),
              std::vector<std::string>{"setqdoption|timelimit|12000"});
    EXPECT_EQ(Matching(log, "setqdoption|sssz|"), std::vector<std::string>{"setqdoption|sssz|on"});

    // Opened again, the dialog shows what was stored.
    app.PostCommand(kOptions);
    Box again = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(again.title, kOptionsTitle) << again.Describe();
    EXPECT_EQ(SelectedItems(GetDlgItem(again.window, kAreaList)), (std::vector<int>{0, 2}));
    EXPECT_EQ(ControlText(again.window, kTimeLimit), "12");
    EXPECT_FALSE(IsChecked(again.window, kHonorificBox));
    EXPECT_TRUE(IsChecked(again.window, kNewLineBox));
    EXPECT_TRUE(IsChecked(again.window, kSsszBox));
    app.Answer(again, IDCANCEL);
}

TEST_F(UISettingsDialogs, OptionsCancelWritesNothingAndOkStoresTheOtherDirectionsOptions) {
    Program app(StartOptions{Build::QDEG});
    app.Frame();
    ClearEngineLog();

    app.PostCommand(kOptions);
    Box dialog = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(dialog.title, kOptionsTitle) << dialog.Describe();
    SendTo(GetDlgItem(dialog.window, kAreaList), LB_SETSEL, TRUE, 0);
    SetCheck(dialog, kImpersonalBox, true);
    SetCheck(dialog, kSsszegBox, true);
    app.SetText(GetDlgItem(dialog.window, kTimeLimit), "30");
    app.Answer(dialog, IDCANCEL);
    app.ExpectNoBox();
    EXPECT_EQ(SectionEntries(Build::QDEG, "SubjectAreas"), std::vector<std::string>{});
    EXPECT_EQ(SectionEntries(Build::QDEG, "QDMode"), std::vector<std::string>{});
    EXPECT_EQ(EngineLog(), std::vector<std::string>{});

    app.PostCommand(kOptions);
    dialog = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(dialog.title, kOptionsTitle) << dialog.Describe();
    EXPECT_EQ(SelectedItems(GetDlgItem(dialog.window, kAreaList)), std::vector<int>{});
    EXPECT_EQ(ControlText(dialog.window, kTimeLimit), "500");
    SetCheck(dialog, kImpersonalBox, true);
    SetCheck(dialog, kSsszegBox, true);
    app.SetText(GetDlgItem(dialog.window, kTimeLimit), "30");
    app.Answer(dialog, IDOK);
    app.ExpectNoBox();

    const std::pair<const char*, const char*> mode[] = {
        {"Timelimit", "30"}, {"CompoundAnalysis", "1"}, {"sssz", "0"},  {"ssszeg", "1"},
        {"Rap", "0"},        {"Impersonal", "1"},       {"NewLine", "1"},
    };
    for (const auto& [key, value] : mode)
        EXPECT_EQ(ReadSetting(Build::QDEG, "QDMode", key).value_or("(none)"), value) << key;
    std::vector<std::string> log = EngineLog();
    EXPECT_EQ(Matching(log, "setqdoption|timelimit|"),
              std::vector<std::string>{"setqdoption|timelimit|30000"});
    EXPECT_EQ(Matching(log, "setqdoption|impersonal|"),
              std::vector<std::string>{"setqdoption|impersonal|on"});
    EXPECT_EQ(Matching(log, "setqdoption|ssszeg|"),
              std::vector<std::string>{"setqdoption|ssszeg|on"});
}

TEST_F(UISettingsDialogs, LexiconRefusesAMissingFileAndAWrongDirectionAndOkWithoutUseTurnsItOff) {
    Program app(StartOptions{Build::QDGE});
    app.Frame();
    // A lexicon of the other direction under this direction's extension.
    std::string wrong = ScratchFile("FALSCH.DE");
    ASSERT_TRUE(CopyFileA((InstallDir() + "QD_USER.ED").c_str(), wrong.c_str(), FALSE));

    app.PostCommand(kUserLexicon);
    Box dialog = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(dialog.title, kLexiconTitle) << dialog.Describe();
    EXPECT_TRUE(IsChecked(dialog.window, kUseBox));
    for (int button : {kNewFile, kFindFile}) EXPECT_TRUE(GetDlgItem(dialog.window, button));

    // A lexicon of the other direction is refused and the shown path stays.
    std::string shown = ControlText(dialog.window, kPathText);
    dialog.Press(kFindFile);
    Box open = app.WaitForBox(kWaitLimitMs);
    app.AnswerFileDialog(open, wrong);
    Box warning = app.WaitForBox(kWaitLimitMs);
    ExpectMessageBox(warning,
                     "Die Lexikondatei liegt in der falschen Sprachrichtung vor. Sie kann nicht "
                     "geladen werden!",
                     {IDOK});
    app.Answer(warning, IDOK);
    EXPECT_EQ(ControlText(dialog.window, kPathText), shown);

    // A path that does not open: the message, and the dialog stays.
    const std::string missing = "C:\\qd\\MISSING.DE";
    app.SetText(GetDlgItem(dialog.window, kPathText), missing);
    dialog.Press(IDOK);
    Box refusal = app.WaitForBox(kWaitLimitMs);
    ExpectMessageBox(refusal, "Datei  '" + missing + "' l\xE4\xDFt sich nicht \xF6" "ffnen.",
                     {IDOK});
    app.Answer(refusal, IDOK);
    EXPECT_TRUE(IsWindow(dialog.window) && IsWindowVisible(dialog.window));

    // Without the box checked, OK turns the lexicon off and closes.
    SetCheck(dialog, kUseBox, false);
    HWND findFile = GetDlgItem(dialog.window, kFindFile);
    EXPECT_TRUE(Eventually([&] { return !IsWindowEnabled(findFile); }))
        << "\"Datei suchen...\" stays enabled without the box";
    app.Answer(dialog, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(ReadSetting(Build::QDGE, "Lexikon", "UseLex").value_or("(none)"), "0");
}

TEST_F(UISettingsDialogs, LexiconNewFileCreatesTheFileAndOkStoresItsPath) {
    const std::string created = ScratchFile("NEU.DE");
    std::string upper = created;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    Program app(StartOptions{Build::QDGE});
    app.Frame();

    app.PostCommand(kUserLexicon);
    Box dialog = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(dialog.title, kLexiconTitle) << dialog.Describe();
    dialog.Press(kNewFile);
    Box save = app.WaitForBox(kWaitLimitMs);
    app.AnswerFileDialog(save, created);
    ASSERT_TRUE(Eventually([&] { return ControlText(dialog.window, kPathText) == upper; }))
        << ControlText(dialog.window, kPathText);
    EXPECT_NE(GetFileAttributesA(created.c_str()), INVALID_FILE_ATTRIBUTES);

    app.Answer(dialog, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(ReadSetting(Build::QDGE, "Lexikon", "LexFile").value_or("(none)"), upper);
    EXPECT_EQ(ReadSetting(Build::QDGE, "Lexikon", "UseLex").value_or("(none)"), "1");
    EXPECT_EQ(ReadProfile("DavAri", "Lexica2").value_or("(none)"), upper);
}

TEST_F(UISettingsDialogs, LexiconOkWithAnEmptyPathOpensNothingAndTheBuiltInAreasReturn) {
    // A lexicon of its own subject areas, so the options dialog shows which list is in use.
    const std::string path = ScratchFile("EIGENE.DE");
    ASSERT_TRUE(WriteWholeFile(path,
                               "QUENDEL USER LEXICON\t1\r\n"
                               "direction\tGtoE\r\n"
                               "area\tkfz\tAutomobil\r\n"
                               "area\tgarten\tGartenbau\r\n"
                               "end\t0\r\n"));
    WriteSetting(Build::QDGE, "Lexikon", "UseLex", "1");
    WriteSetting(Build::QDGE, "Lexikon", "LexFile", path.c_str());
    Program app(StartOptions{Build::QDGE});
    app.Frame();
    EXPECT_FALSE(app.MenuState(kEditLexicon).grayed);

    app.PostCommand(kOptions);
    Box options = app.WaitForBox(kWaitLimitMs);
    EXPECT_EQ(ListItems(GetDlgItem(options.window, kAreaList)),
              (std::vector<std::string>{"Automobil", "Gartenbau"}));
    app.Answer(options, IDCANCEL);

    app.PostCommand(kUserLexicon);
    Box dialog = app.WaitForBox(kWaitLimitMs);
    ASSERT_EQ(dialog.title, kLexiconTitle) << dialog.Describe();
    ASSERT_TRUE(IsChecked(dialog.window, kUseBox));
    app.SetText(GetDlgItem(dialog.window, kPathText), "");
    ClearEngineLog();
    app.Answer(dialog, IDOK);
    app.ExpectNoBox();

    // Nothing opened and nothing sent; only the switch is stored.
    EXPECT_EQ(EngineLog(), std::vector<std::string>{});
    EXPECT_EQ(ReadSetting(Build::QDGE, "Lexikon", "UseLex").value_or("(none)"), "1");
    EXPECT_EQ(ReadSetting(Build::QDGE, "Lexikon", "LexFile").value_or("(none)"), path);
    EXPECT_EQ(ReadProfile("DavAri", "Lexica2").value_or("(none)"), path);

    // The path is empty now: no editor, and the options list the built-in areas.
    EXPECT_TRUE(app.MenuState(kEditLexicon).grayed);
    app.PostCommand(kEditLexicon);
    app.ExpectNoBox();
    app.PostCommand(kOptions);
    options = app.WaitForBox(kWaitLimitMs);
    std::vector<std::string> areas = ListItems(GetDlgItem(options.window, kAreaList));
    ASSERT_EQ(areas.size(), 25u);
    EXPECT_EQ(areas.front(), "Anatomie");
    EXPECT_EQ(areas.back(), "Zoologie");
    app.Answer(options, IDCANCEL);

    app.PostCommand(kUserLexicon);
    dialog = app.WaitForBox(kWaitLimitMs);
    EXPECT_EQ(ControlText(dialog.window, kPathText), "");
    app.Answer(dialog, IDCANCEL);
}
