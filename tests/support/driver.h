#pragma once
// Drives QDGE.exe and QDEG.exe from a test the way a person or an outside
// program does: start them, find their windows, post commands, read and press
// dialogs, look at the settings files, the clipboard and the engine's log.
//
// Every step that can fail reports at the test line that called it and stops the
// test; a dialog or message box that turns up while a step waits for something
// else fails the test with its texts and ends the program, so nothing hangs.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace qd {

// Where a driver step was called from; filled in at the call site.
struct Caller {
    Caller(const char* file = __builtin_FILE(), int line = __builtin_LINE())
        : file(file), line(line) {}
    const char* file;
    int line;
};

// Reports a fatal failure at the caller's line and stops the test.
[[noreturn]] void Fail(const Caller& at, const std::string& message);

constexpr DWORD kStartLimitMs = 10000;  // a first start in a new prefix is the slowest step
constexpr DWORD kWaitLimitMs = 5000;

enum class Build { QDGE, QDEG };
// Scripted: the engine double of tests/fakes and its variants; Real: the build's
// own Velloc.dll with both lexicon catalogues.
enum class Engine { Scripted, NoEntry, InitFail, Real, None };

const char* ProgramName(Build build);  // "QDGE"
const char* FrameClass(Build build);   // "QDGerEng"

// Where the programs are installed in the test's prefix, with a trailing backslash.
std::string InstallDir();  // "C:\qd\"

// No settings, no installed program, no engine log or script: the state of a new
// machine, for tests that go through several cases.
void ResetMachine();

// Test fixture of every UI test: a prefix of the test's own, reset.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// ---- The scripted engine ----
void SetEngineScript(const std::string& script, Caller at = {});
std::vector<std::string> EngineLog();  // one entry per call, in order
void ClearEngineLog(Caller at = {});

// ---- Settings files and the system profile ----
// A missing key reads as std::nullopt.
std::optional<std::string> ReadSetting(Build build, const char* section, const char* key);
void WriteSetting(Build build, const char* section, const char* key, const char* value,
                  Caller at = {});
std::optional<std::string> ReadProfile(const char* section, const char* key);  // WIN.INI
void WriteProfile(const char* section, const char* key, const char* value, Caller at = {});

// ---- Clipboard ----
std::string ClipboardText(Caller at = {});
void SetClipboardText(const std::string& text, Caller at = {});
// Exactly these bytes as the clipboard's text block, with no NUL added: as another
// program may leave it.
void SetClipboardBytes(const std::string& bytes, Caller at = {});

void ClearClipboard(Caller at = {});

// Top-level frames of either program titled "Quendel".
std::vector<HWND> FramesOnScreen();

// A file in the test's own scratch folder: ScratchFile("A.TXT") is "C:\qdtest\A.TXT".
std::string ScratchFile(const std::string& name);

// The workbench's three text windows, MDI children of the frame.
enum class Pane { Input, Output, Messages };

// A menu item as the frame shows it once its menu-state rules have run.
struct MenuItem {
    bool exists;
    bool grayed;
    bool checked;
};

// A dialog or message box of a program, as read when it was found.
struct Box {
    HWND window = nullptr;
    std::string title;
    std::vector<std::string> texts;  // non-empty static texts in order; a message box: its text
    std::vector<std::pair<int, std::string>> buttons;  // id and text

    std::string Describe() const;  // title, texts and buttons in UTF-8, for failure messages
    void Press(int buttonId, Caller at = {}) const;
};

// Checks that box is a message box of the program titled "Quendel" with exactly this
// text and these button ids (in any order); a mismatch fails at the caller's line
// and the test goes on.
void ExpectMessageBox(const Box& box, const std::string& text, std::vector<int> buttonIds,
                      Caller at = {});

struct Selection {
    int start;
    int end;
};

struct StartOptions {
    StartOptions(Build build = Build::QDGE, Engine engine = Engine::Scripted,
                 std::string arguments = std::string())
        : build(build), engine(engine), arguments(std::move(arguments)) {}
    Build build;
    Engine engine;
    std::string arguments;                 // command line after the program's path
    std::vector<std::string> environment;  // extra "NAME=value" entries
    std::string installDir;                // with a trailing backslash; empty: InstallDir()
};

// One started program. Its destructor ends the process if it still runs.
class Program {
public:
    explicit Program(const StartOptions& options, Caller at = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The frame, once it exists and answers messages (start-up has finished).
    HWND Frame(Caller at = {});
    void PostCommand(int commandId, LPARAM lParam = 0, Caller at = {});

    // The next dialog or message box not yet returned, once it takes input. Boxes
    // often come at start-up, hence the start's limit.
    Box WaitForBox(DWORD limitMs = kStartLimitMs, Caller at = {});
    std::vector<Box> OpenBoxes() const;

    // Polls condition until it holds; what names it in the failure message.
    void WaitUntil(const std::function<bool()>& condition, const std::string& what,
                   DWORD limitMs = kWaitLimitMs, Caller at = {});

    std::string Text(HWND window, Caller at = {});
    void SetText(HWND window, const std::string& text, Caller at = {});
    Selection GetSelection(HWND edit, Caller at = {});
    void Select(HWND edit, int start, int end, Caller at = {});

    // Sends a command and returns once it has run; for commands that open no dialog
    // (PostCommand and WaitForBox for those that do).
    void SendCommand(int commandId, Caller at = {});
    // Presses a button of a box and returns once the box is gone.
    void Answer(const Box& box, int buttonId, Caller at = {});
    // Returns once the program has handled what was sent before; fails if it opened a
    // dialog or message box meanwhile.
    void ExpectNoBox(Caller at = {});
    // Dialogs titled title count as seen from now on, whenever they come: for the
    // progress dialog of runs that the program starts by itself.
    void PassOver(const std::string& title);

    // ---- The text windows ----
    HWND MdiClient(Caller at = {});
    HWND Window(Pane pane, Caller at = {});
    // Looked up afresh each time: switching word wrap replaces the edit control.
    HWND Edit(Pane pane, Caller at = {});
    HWND ActiveWindow(Caller at = {});  // the active MDI child, or nullptr
    void Activate(Pane pane, Caller at = {});
    std::string Caption(Pane pane, Caller at = {});
    std::string EditText(Pane pane, Caller at = {});
    // Puts the caret at the end of the text and types text there, as a person does:
    // unlike SetText, this counts as a change of the window.
    void Type(Pane pane, const std::string& text, Caller at = {});
    void Restore(Pane pane, Caller at = {});  // from an icon to its normal size
    // The window's rectangle in the MDI client's coordinates.
    RECT Placement(Pane pane, Caller at = {});
    // Whether the program counts the window's text as changed, so that closing would
    // ask to save it: the modified word of the window's record, read from outside.
    bool MarkedChanged(Pane pane, Caller at = {});

    // ---- The menu and the help context, as the frame reports them ----
    MenuItem MenuState(int itemId, Caller at = {});
    std::string MenuText(int itemId, Caller at = {});
    int HelpContext(Caller at = {});
    // What the platform's menu loop tells the frame while a person moves through it.
    void HighlightPopup(int position, Caller at = {});
    void HighlightMenuItem(int itemId, Caller at = {});
    void CloseMenu(Caller at = {});

    // ---- The common file dialogs ----
    std::string FileDialogName(const Box& dialog, Caller at = {});  // the file-name box
    // The file-type list as a person sees it: its entries and the selected one (-1: none).
    struct FileTypes {
        std::vector<std::string> entries;
        int selected = -1;
    };
    FileTypes FileDialogTypes(const Box& dialog, Caller at = {});
    // Types name into the file-name box, presses the dialog's OK button and returns
    // once the dialog is gone or has opened a box of its own.
    void AnswerFileDialog(const Box& dialog, const std::string& name, Caller at = {});

    // ---- Dropping a file ----
    // Drops path onto the frame at the centre of window, the way the shell hands a
    // drop over: the drop block lives in the program's own memory.
    void DropFile(const std::string& path, HWND window, Caller at = {});

    // Posts WM_CLOSE to the frame without waiting; Close() also waits for the end.
    void RequestClose(Caller at = {});

    // Exit code, once the process has ended.
    int WaitForExit(DWORD limitMs = kWaitLimitMs, Caller at = {});
    // WM_CLOSE to the frame, then WaitForExit.
    int Close(Caller at = {});
    void End();  // TerminateProcess
    bool Running() const;
    DWORD ProcessId() const { return processId_; }

private:
    bool Known(HWND box) const;
    int ExitCode() const;
    [[noreturn]] void FailEnded(const Caller& at, const char* when);
    void FailOnUnexpectedBox(const Caller& at);
    [[noreturn]] void FailAndEnd(const Caller& at, const std::string& message);
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what,
                 const Caller& at);

    Build build_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND frame_ = nullptr;
    std::vector<HWND> knownBoxes_;
    std::vector<std::string> passedTitles_;
};

}  // namespace qd
