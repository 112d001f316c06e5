#pragma once
// Moves for tests of translation runs: holding the program between two steps of
// a run, the progress dialog, the engine's calls, and file translations.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "tests/support/driver.h"

namespace qd {

constexpr char kProgressTitle[] = "\xDC" "bersetzen ...";
constexpr int kProgressCounter = 3244;

// Holds the program's user-interface thread at a chosen place in its message
// queue, so that a run of posted steps can be looked at between two of them.
//
// The clipboard is given text that is made only when asked for (delayed
// rendering, owned by a window of this test). A paste posted to the input edit
// behind what is queued makes the program ask for that text and wait for the
// answer; while it waits, it still answers messages sent to it (the driver's
// reads and SendCommand), but runs none of its posted steps. The answer is
// "no text", so the paste changes nothing.
//
// While a hold exists the clipboard belongs to it: the driver's clipboard moves
// must not be used.
class RunHold {
public:
    explicit RunHold(Program& app, Caller at = {});
    ~RunHold();
    RunHold(const RunHold&) = delete;
    RunHold& operator=(const RunHold&) = delete;

    // Posts the holding paste behind whatever the program has queued now.
    void Queue(Caller at = {});
    // Waits until the program has come to the queued paste and is held there.
    void Wait(Caller at = {});
    // Lets a held program go on.
    void Release();
    // Queues a new hold, lets the program go on and waits until it is held again:
    // the program handles exactly the messages that were queued before.
    void Step(Caller at = {});
    // Lets the program go on for good.
    void ReleaseAll();

    bool Held() const { return held_; }
    // Requests for the clipboard's text that came from something else than a hold
    // (a paste the program made by itself).
    int OtherRequests() const { return otherRequests_; }
    // Whether someone has emptied the clipboard and taken it over (a cut or copy).
    bool ClipboardTaken() const { return clipboardTaken_; }

private:
    static DWORD WINAPI ThreadMain(void* self);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnRender();

    Program& app_;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    HANDLE ready_ = nullptr;
    HANDLE heldEvent_ = nullptr;
    HANDLE releaseEvent_ = nullptr;
    std::atomic<int> queued_{0};
    std::atomic<int> otherRequests_{0};
    std::atomic<bool> clipboardTaken_{false};
    std::atomic<bool> stopping_{false};
    bool held_ = false;
    bool ownsClipboard_ = false;
};

// Under Wine, each test's prefix copies its clipboard to and from the X display's,
// which all tests running at the same time share: one test's clipboard would
// overwrite another's. This ends the prefix's part in that exchange (the Wine
// clipboard manager's thread), so the test's clipboard is its own. Call it first.
void KeepClipboardToThisTest(Caller at = {});

// The sentences the engine was asked to translate (its "tsent" calls), in order.
std::vector<std::string> TranslatedSentences();

// The next dialog or message box titled title; boxes with other titles that turn
// up first (the progress dialog) are passed over and count as seen.
Box WaitForBoxTitled(Program& app, const std::string& title, DWORD limitMs = kWaitLimitMs,
                     Caller at = {});

// The text of one control of a dialog, read without touching anything else.
std::string ControlText(HWND dialog, int controlId);

// Waits until window is gone (a dialog the program destroys by itself).
void WaitUntilGone(Program& app, HWND window, const std::string& what, Caller at = {});

// The program's open progress dialog, or nullptr; checks nothing else.
HWND FindProgressDialog(Program& app);

// Returns once the program has handled everything posted to it before this call
// (a mark posted behind it has come through). Steps that those messages post in
// turn may still be queued; a modal box opened meanwhile lets the mark through.
// The mark is the output edit's own modified flag, which the program never reads
// but sets whenever it writes there: not for commands that write the output
// window (runs show their end by their results).
void WaitForQueue(Program& app, Caller at = {});

// After a window run was started: waits until it is over with expected in the
// output window (its completion step included). Does not fail on the progress
// dialog meanwhile; fails on any other box.
void WaitForWindowRun(Program& app, const std::string& expected, Caller at = {});

// After a file translation was started (both names given): waits until the run is
// over, then checks that target holds expected. Does not fail on the progress
// dialog meanwhile; fails on any other box.
void WaitForFileRun(Program& app, const std::string& target, const std::string& expected,
                    Caller at = {});

}  // namespace qd
