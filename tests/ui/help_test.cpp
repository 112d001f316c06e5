// Help as a person gets it: the help menu and F1 open our viewer on the right
// topic, one viewer serves every request, it goes when the program goes, and a
// help file that cannot be found is reported by the viewer.
#include <windows.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "help/help_request.h"
#include "help/viewer_ids.h"
#include "resources/resource_ids.h"
#include "tests/support/driver.h"

using namespace qd;

namespace {

constexpr DWORD kPollMs = 20;

// ---- The viewer, read from outside ----

// A message to a window of the viewer, answered within the wait limit; -1 when not.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitLimitMs,
                             &answer))
        return -1;
    return static_cast<LRESULT>(answer);
}

std::string TextOf(HWND window) {
    char text[4096] = "";
    LRESULT copied = Ask(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return copied < 0 ? "<no answer>" : std::string(text, static_cast<size_t>(copied));
}

BOOL CALLBACK CollectViewer(HWND window, LPARAM found) {
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (strcmp(className, kHelpViewerClass) == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

std::vector<HWND> ViewerWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectViewer, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The viewer's window once it is on screen.
HWND WaitForViewer(Caller at = {}) {
    DWORD start = GetTickCount();
    do {
        for (HWND viewer : ViewerWindows())
            if (IsWindowVisible(viewer)) return viewer;
        Sleep(kPollMs);
    } while (GetTickCount() - start < kStartLimitMs);
    Fail(at, "no help viewer appeared");
}

// The topic the viewer shows; 0 while its search page is up.
int ShownTopic(HWND viewer) {
    static const UINT question = RegisterWindowMessageA(kHelpViewerInspectMessage);
    return static_cast<int>(Ask(viewer, question, 0, 0));
}

void WaitForTopic(HWND viewer, int topic, Caller at = {}) {
    DWORD start = GetTickCount();
    int shown;
    while ((shown = ShownTopic(viewer)) != topic) {
        if (GetTickCount() - start > kWaitLimitMs)
            Fail(at, "the viewer shows topic " + std::to_string(shown) + ", not " +
                         std::to_string(topic) + " (caption \"" + TextOf(viewer) + "\")");
        Sleep(kPollMs);
    }
}

std::string ControlText(HWND viewer, int id) { return TextOf(GetDlgItem(viewer, id)); }

// Wine hands list-box texts to another process as UTF-16 whichever way it is
// asked, so they are asked for as such and turned into Windows-1252.
std::string ListItem(HWND list, LRESULT index) {
    wchar_t text[256] = L"";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG,
                             kWaitLimitMs, &length) ||
        length >= sizeof text / sizeof text[0] ||
        !SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kWaitLimitMs,
                             &length))
        return "<no answer>";
    char item[256] = "";
    WideCharToMultiByte(1252, 0, text, static_cast<int>(length), item, sizeof item, nullptr,
                        nullptr);
    return item;
}

std::vector<std::string> ListItems(HWND viewer, int id) {
    HWND list = GetDlgItem(viewer, id);
    std::vector<std::string> items;
    LRESULT count = Ask(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) items.push_back(ListItem(list, i));
    return items;
}

bool Holds(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

void Click(HWND viewer, int buttonId) {
    PostMessageA(viewer, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(viewer, buttonId)));
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

void WaitForProcessEnd(DWORD processId, const char* what, Caller at = {}) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return;  // already gone
    DWORD waited = WaitForSingleObject(process, kStartLimitMs);
    CloseHandle(process);
    if (waited != WAIT_OBJECT_0) Fail(at, std::string(what) + " still runs");
}

// A message box of the viewer: a dialog of its process titled "Quendel Hilfe".
struct ViewerBox {
    HWND window;
    std::string text;
};

BOOL CALLBACK CollectViewerBox(HWND window, LPARAM found) {
    char className[16] = "", title[32] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (strcmp(className, "#32770") == 0 && strcmp(title, "Quendel Hilfe") == 0 &&
        IsWindowVisible(window))
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

ViewerBox WaitForViewerBox(Caller at = {}) {
    DWORD start = GetTickCount();
    do {
        HWND box = nullptr;
        EnumWindows(CollectViewerBox, reinterpret_cast<LPARAM>(&box));
        if (box) return ViewerBox{box, TextOf(GetDlgItem(box, 0xFFFF))};
        Sleep(kPollMs);
    } while (GetTickCount() - start < kStartLimitMs);
    Fail(at, "the help viewer showed no message");
}

// Closes the program as a person does and waits for its end. The limit is the
// start's: on a busy machine Wine takes seconds to end a process.
int CloseProgram(Program& app, Caller at = {}) {
    app.RequestClose(at);
    return app.WaitForExit(kStartLimitMs, at);
}

class UIHelp : public UiTest {
protected:
    // A viewer left by a failed test in the same prefix would answer the next one.
    void TearDown() override {
        for (HWND viewer : ViewerWindows()) {
            DWORD processId = ProcessOf(viewer);
            PostMessageA(viewer, WM_CLOSE, 0, 0);
            HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
            if (process && WaitForSingleObject(process, kWaitLimitMs) != WAIT_OBJECT_0)
                TerminateProcess(process, 1);
            if (process) CloseHandle(process);
        }
    }
};

}  // namespace

TEST_F(UIHelp, ContentsOpensTheViewerAndOneViewerServesEveryRequest) {
    Program app(StartOptions{Build::QDGE});
    app.PostCommand(CMD_CONTENTS);
    HWND viewer = WaitForViewer();
    WaitForTopic(viewer, 114);
    EXPECT_EQ(TextOf(viewer), "Quendel Hilfe - Inhalt");
    EXPECT_EQ(ControlText(viewer, kViewerTopicTitle), "Inhalt");
    EXPECT_EQ(ControlText(viewer, kViewerTopicText).rfind("Willkommen bei der Hilfe zu Quendel", 0),
              0u);
    std::vector<std::string> links = ListItems(viewer, kViewerSeeAlso);
    EXPECT_TRUE(Holds(links, "Überblick"));
    EXPECT_TRUE(Holds(links, "Meldungsfenster"));
    EXPECT_TRUE(Holds(links, "Hilfe benutzen"));

    // "Hilfe benutzen" goes to the same viewer; "Zurück" returns to the contents.
    app.PostCommand(CMD_HELP_ON_HELP);
    WaitForTopic(viewer, 5001);
    EXPECT_EQ(TextOf(viewer), "Quendel Hilfe - Hilfe benutzen");
    EXPECT_EQ(ViewerWindows(), std::vector<HWND>{viewer});
    Click(viewer, kViewerBackButton);
    WaitForTopic(viewer, 114);

    // A "Siehe auch" entry opens its topic.
    HWND list = GetDlgItem(viewer, kViewerSeeAlso);
    auto overview = std::find(links.begin(), links.end(), "Überblick") - links.begin();
    Ask(list, LB_SETCURSEL, static_cast<WPARAM>(overview), 0);
    PostMessageA(viewer, WM_COMMAND, MAKEWPARAM(kViewerSeeAlso, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
    WaitForTopic(viewer, 9001);
    EXPECT_EQ(TextOf(viewer), "Quendel Hilfe - Überblick");
    EXPECT_EQ(CloseProgram(app), 0);
}

TEST_F(UIHelp, F1OnAHighlightedMenuItemShowsItsTopic) {
    Program app(StartOptions{Build::QDGE});
    HWND frame = app.Frame();
    // What the F1 hook does while the menu loop runs: the help request to the frame.
    app.HighlightMenuItem(CMD_COPY);
    PostMessageA(frame, WM_USER, MSGF_MENU, 0);
    HWND viewer = WaitForViewer();
    WaitForTopic(viewer, 2003);
    EXPECT_EQ(TextOf(viewer), "Quendel Hilfe - Kopieren");
    EXPECT_NE(ControlText(viewer, kViewerTopicText).find("Zwischenablage"), std::string::npos);

    app.HighlightPopup(1);  // "&Bearbeiten"
    PostMessageA(frame, WM_USER, MSGF_MENU, 0);
    WaitForTopic(viewer, 110);
    EXPECT_EQ(TextOf(viewer), "Quendel Hilfe - Menü Bearbeiten");

    app.HighlightMenuItem(CMD_FIRST_CHILD + 1);  // the output window in the window list
    PostMessageA(frame, WM_USER, MSGF_MENU, 0);
    WaitForTopic(viewer, 1092);

    // F1 outside the menu (command 139) shows the contents, the topic of no choice.
    app.CloseMenu();
    app.PostCommand(CMD_HELP);
    WaitForTopic(viewer, 114);
    EXPECT_EQ(ViewerWindows(), std::vector<HWND>{viewer});
    EXPECT_EQ(CloseProgram(app), 0);
}

TEST_F(UIHelp, SearchOpensTheSearchPageOverEveryTopic) {
    Program app(StartOptions{Build::QDGE});
    app.PostCommand(CMD_HELP_SEARCH);
    HWND viewer = WaitForViewer();
    WaitForTopic(viewer, 0);
    EXPECT_EQ(TextOf(viewer), "Quendel Hilfe - Suchen");
    EXPECT_EQ(ControlText(viewer, kViewerSearchBox), "");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(viewer, kViewerSearchBox)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(viewer, kViewerTopicText)));
    std::vector<std::string> all = ListItems(viewer, kViewerResults);
    EXPECT_GE(all.size(), 45u);
    EXPECT_TRUE(Holds(all, "Inhalt"));
    EXPECT_TRUE(Holds(all, "Zeichensatz umwandeln"));

    // Typing narrows the list to the topics that hold every word.
    Ask(GetDlgItem(viewer, kViewerSearchBox), WM_SETTEXT, 0,
        reinterpret_cast<LPARAM>("zwischenablage KOPIEREN"));
    std::vector<std::string> found = ListItems(viewer, kViewerResults);
    EXPECT_EQ(found.front(), "Kopieren");
    EXPECT_LT(found.size(), all.size());
    EXPECT_FALSE(Holds(found, "Zeichensatz umwandeln"));
    EXPECT_EQ(ControlText(viewer, kViewerResultsLabel),
              "Gefundene &Themen: " + std::to_string(found.size()));

    // "Anzeigen" shows the chosen topic.
    Click(viewer, kViewerShowResult);
    WaitForTopic(viewer, 2003);
    EXPECT_EQ(CloseProgram(app), 0);
}

TEST_F(UIHelp, ClosingTheProgramClosesTheViewer) {
    Program app(StartOptions{Build::QDEG});
    app.PostCommand(CMD_HELP);  // F1 with nothing chosen: the contents
    HWND viewer = WaitForViewer();
    WaitForTopic(viewer, 114);
    DWORD viewerProcess = ProcessOf(viewer);
    EXPECT_EQ(CloseProgram(app), 0);
    WaitForProcessEnd(viewerProcess, "the help viewer");
    EXPECT_EQ(ViewerWindows(), std::vector<HWND>{});
}

TEST_F(UIHelp, ALongProgramFolderLeavesTheViewerWithoutAHelpFile) {
    // 148 characters with its backslash, the shortest folder whose name leaves no
    // room for "QD.hlp" in the program's 160 characters: it names the help file "...\?".
    StartOptions options(Build::QDGE);
    // No blank in it: the program takes the first blank of its command line as the
    // start of its arguments, also inside its own path.
    std::string folder = ScratchFile("ProgrammeInEinemOrdnerMitSehrLangemNamen");
    options.installDir = folder + std::string(147 - folder.size(), 'x') + "\\";
    ASSERT_EQ(options.installDir.size(), 148u);
    Program app(options);
    app.PostCommand(CMD_CONTENTS);
    ViewerBox box = WaitForViewerBox();
    EXPECT_EQ(box.text.rfind("Es wurde keine Hilfedatei gefunden.", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("Programmordners ist zu lang"), std::string::npos) << box.text;
    DWORD viewerProcess = ProcessOf(box.window);
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    WaitForProcessEnd(viewerProcess, "the help viewer without a help file");
    EXPECT_EQ(app.HelpContext(), 114);  // the program goes on
    EXPECT_EQ(CloseProgram(app), 0);
}

TEST_F(UIHelp, AMissingHelpFileIsNamedByTheViewer) {
    Program app(StartOptions{Build::QDGE});
    app.Frame();
    std::string helpFile = InstallDir() + "QD.hlp";
    ASSERT_TRUE(DeleteFileA(helpFile.c_str()));
    app.PostCommand(CMD_HELP_ON_HELP);
    ViewerBox box = WaitForViewerBox();
    EXPECT_EQ(box.text, "Es wurde keine Hilfedatei gefunden.\n\nGesucht wurde: " + helpFile);
    DWORD viewerProcess = ProcessOf(box.window);
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    WaitForProcessEnd(viewerProcess, "the help viewer without a help file");
    EXPECT_EQ(CloseProgram(app), 0);
}
