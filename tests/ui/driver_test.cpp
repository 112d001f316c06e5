// The driver's own moves that no program behaviour covers yet: window texts,
// edit selections and the clipboard, each written and read back.
#include "tests/support/driver.h"

using namespace qd;

namespace {

class UIDriver : public UiTest {};

// An edit control of the test's own, for the selection moves.
class ScratchEdit {
public:
    ScratchEdit()
        : window_(CreateWindowExA(0, "EDIT", "Der Hund bellt.", WS_POPUP | ES_MULTILINE, 0, 0,
                                  200, 100, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr)) {}
    ~ScratchEdit() { DestroyWindow(window_); }
    ScratchEdit(const ScratchEdit&) = delete;
    ScratchEdit& operator=(const ScratchEdit&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

}  // namespace

TEST_F(UIDriver, WindowTextsSelectionsAndTheClipboardRoundTrip) {
    Program app(StartOptions{Build::QDGE});
    HWND frame = app.Frame();
    app.SetText(frame, "Quendel – Übersetzung");
    EXPECT_EQ(app.Text(frame), "Quendel – Übersetzung");
    EXPECT_EQ(FramesOnScreen(), std::vector<HWND>{});  // the title no longer matches
    app.SetText(frame, "Quendel");
    EXPECT_EQ(FramesOnScreen(), std::vector<HWND>{frame});
    EXPECT_TRUE(app.OpenBoxes().empty());

    ScratchEdit edit;
    ASSERT_NE(edit.Handle(), nullptr);
    app.Select(edit.Handle(), 4, 8);
    Selection selected = app.GetSelection(edit.Handle());
    EXPECT_EQ(selected.start, 4);
    EXPECT_EQ(selected.end, 8);

    SetClipboardText("Grüße\r\naus Köln");
    EXPECT_EQ(ClipboardText(), "Grüße\r\naus Köln");
    EXPECT_EQ(app.Close(), 0);
}
