// Only one copy of either program runs: a second start brings the running frame
// forward and ends at once.
#include "tests/support/driver.h"

using namespace qd;

namespace {

class UISingleInstance : public UiTest {};

// A window of the test's own, put on top so that the hand-over has something to
// bring the running frame in front of.
class CoveringWindow {
public:
    CoveringWindow()
        : window_(CreateWindowExA(0, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 1024,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ~CoveringWindow() { DestroyWindow(window_); }
    CoveringWindow(const CoveringWindow&) = delete;
    CoveringWindow& operator=(const CoveringWindow&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper) return true;
    return false;
}

}  // namespace

TEST_F(UISingleInstance, SecondStartOfEitherProgramHandsOverToTheRunningOne) {
    const Build pairs[][2] = {{Build::QDGE, Build::QDEG}, {Build::QDEG, Build::QDGE},
                              {Build::QDGE, Build::QDGE}};
    for (const auto& pair : pairs) {
        Build running = pair[0], second = pair[1];
        SCOPED_TRACE(std::string(ProgramName(second)) + " started while " +
                     ProgramName(running) + " runs");
        ResetMachine();
        Program first(StartOptions{running});
        HWND frame = first.Frame();
        CoveringWindow cover;
        // The program may still be finishing its own activation: cover it again
        // until the cover stays on top.
        first.WaitUntil(
            [&] {
                SetWindowPos(cover.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                Sleep(50);
                return IsAbove(cover.Handle(), frame);
            },
            "the covering window stays above the frame");
        ClearEngineLog();

        Program again(StartOptions{second});
        EXPECT_EQ(again.WaitForExit(), 0);

        EXPECT_EQ(FramesOnScreen(), std::vector<HWND>{frame});
        EXPECT_TRUE(IsAbove(frame, cover.Handle()));
        // The second copy stopped before its settings and its engine.
        EXPECT_EQ(EngineLog(), std::vector<std::string>{});
        if (second != running) {
            EXPECT_EQ(ReadSetting(second, "Lexikon", "UseLex"), std::nullopt);
        }
        EXPECT_EQ(first.Close(), 0);
    }
}
