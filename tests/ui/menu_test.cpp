// The frame's menu as a person finds it when opening it, and the help topic that
// F1 would show while moving through the menu.
#include <initializer_list>

#include "tests/support/driver.h"
#include "tests/ui/steps.h"

using namespace qd;

namespace {

class UIMenu : public UiTest {};

enum class Is { Enabled, Grayed };

void ExpectItems(Program& app, Is expected, std::initializer_list<int> items, Caller at = {}) {
    for (int item : items) {
        MenuItem state = app.MenuState(item, at);
        if (!state.exists)
            ADD_FAILURE_AT(at.file, at.line) << "menu item " << item << " is missing";
        else if (state.grayed != (expected == Is::Grayed))
            ADD_FAILURE_AT(at.file, at.line)
                << "menu item " << item << " is " << (state.grayed ? "grayed" : "enabled");
    }
}

void ExpectChecked(Program& app, int item, bool checked, Caller at = {}) {
    if (app.MenuState(item, at).checked != checked)
        ADD_FAILURE_AT(at.file, at.line)
            << "menu item " << item << (checked ? " has no check mark" : " has a check mark");
}

// Paste follows the clipboard, which every program on the display shares: a test
// running beside this one may change it between our write and the check, so the
// check is repeated a few times before it counts.
void ExpectPasteWith(Program& app, const char* clipboardText, Caller at = {}) {
    const bool offered = clipboardText != nullptr;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (offered) SetClipboardText(clipboardText, at);
        else ClearClipboard(at);
        if (app.MenuState(2004, at).grayed != offered) return;
        Sleep(100);
    }
    ADD_FAILURE_AT(at.file, at.line) << "paste (2004) is " << (offered ? "grayed" : "enabled")
                                     << (offered ? " with" : " without") << " text on the clipboard";
}

// Items only a text window's presence decides: translation, options, fonts, "Beenden".
const std::initializer_list<int> kWindowIndependent = {104, 132, 134, 143, 144, 145, kExit};
const std::initializer_list<int> kCutCopyDelete = {2002, 2003, 2005};
const char kToWindows[] = "Zeichensatz umwandeln:\tASCII -> Windows";

}  // namespace

TEST_F(UIMenu, MenuStatesFollowTheActiveWindow) {
    Program app(StartOptions{Build::QDGE});

    // The empty input window at start: nothing to save, undo, cut or paste.
    ExpectItems(app, Is::Enabled, {kNew, kOpen, 2006, 3001, 129, 130, 138, kWordWrap});
    ExpectItems(app, Is::Enabled, kWindowIndependent);
    ExpectItems(app, Is::Grayed, {kSave, kSaveAs, 2001, 3002, 3003});
    ExpectItems(app, Is::Grayed, kCutCopyDelete);
    ExpectPasteWith(app, nullptr);
    ExpectChecked(app, kWordWrap, true);
    EXPECT_EQ(app.MenuText(142), kToWindows);
    ExpectItems(app, Is::Enabled, {142, kTile, kSideBySide, kCascade});

    // Typed text can be saved and undone; a selection can be cut; text on the
    // clipboard can be pasted.
    app.Type(Pane::Input, "Der Hund bellt.");
    ExpectItems(app, Is::Enabled, {kSave, kSaveAs, 2001});
    ExpectItems(app, Is::Grayed, kCutCopyDelete);
    app.Select(app.Edit(Pane::Input), 4, 8);
    ExpectItems(app, Is::Enabled, kCutCopyDelete);
    ExpectPasteWith(app, "Katze");

    // The output window has its own state: empty, nothing to undo.
    app.Activate(Pane::Output);
    ExpectItems(app, Is::Grayed, {kSave, kSaveAs, 2001});
    ExpectItems(app, Is::Grayed, kCutCopyDelete);
    ExpectItems(app, Is::Enabled, {kNew, kOpen, 138, kWordWrap});
    ExpectPasteWith(app, "Katze");
    ExpectChecked(app, kWordWrap, true);

    // The messages window is never loaded, saved, pasted into or wrapped.
    app.Activate(Pane::Messages);
    SetClipboardText("Katze");  // even so, nothing is pasted into the messages window
    ExpectItems(app, Is::Grayed, {kNew, kOpen, kSave, kSaveAs, 138, 142, 2001, 2004, kWordWrap});
    ExpectChecked(app, kWordWrap, false);
    ExpectItems(app, Is::Enabled, {2006, 3001, 129, 130});
    ExpectItems(app, Is::Enabled, kWindowIndependent);
    ExpectItems(app, Is::Grayed, kCutCopyDelete);
    app.Type(Pane::Messages, "\r\n\x95 Satz zu lang: Der Hund bellt.");
    app.Select(app.Edit(Pane::Messages), 2, 10);
    ExpectItems(app, Is::Enabled, kCutCopyDelete);
    ExpectItems(app, Is::Grayed, {kSave, kSaveAs, 2001, 2004});

    // Back in the input window: the word-wrap mark and the items come back.
    app.Activate(Pane::Input);
    ExpectItems(app, Is::Enabled, {kNew, kOpen, kSave, kSaveAs, 138, 142, kWordWrap});
    ExpectChecked(app, kWordWrap, true);

    app.End();  // the input window holds unsaved text; its question is another test's
}

TEST_F(UIMenu, HelpContextFollowsTheMenuSelection) {
    Program app(StartOptions{Build::QDGE});
    EXPECT_EQ(app.HelpContext(), 114);

    const int popupContexts[] = {109, 110, 111, 112, 113, 115};
    for (int position = 0; position < 6; ++position) {
        app.HighlightPopup(position);
        EXPECT_EQ(app.HelpContext(), popupContexts[position]) << "pop-up " << position;
    }
    app.HighlightPopup(6);  // a pop-up the menu does not have
    EXPECT_EQ(app.HelpContext(), 114);

    app.HighlightMenuItem(2003);
    EXPECT_EQ(app.HelpContext(), 2003);
    app.HighlightMenuItem(kSaveAs);
    EXPECT_EQ(app.HelpContext(), kSaveAs);
    // The window list names the text windows by their own topics.
    app.HighlightMenuItem(4100);
    EXPECT_EQ(app.HelpContext(), 1094);
    app.HighlightMenuItem(4101);
    EXPECT_EQ(app.HelpContext(), 1092);
    app.HighlightMenuItem(4102);
    EXPECT_EQ(app.HelpContext(), 1093);
    app.CloseMenu();
    EXPECT_EQ(app.HelpContext(), 114);

    // A command's dialog has the command's topic while it is open.
    app.PostCommand(kOpen);
    Box dialog = app.WaitForBox();
    EXPECT_EQ(dialog.title, "Datei öffnen");
    EXPECT_EQ(app.HelpContext(), kOpen);
    app.Answer(dialog, IDCANCEL);
    app.ExpectNoBox();
    EXPECT_EQ(app.HelpContext(), 114);

    app.Type(Pane::Input, "Text");
    app.PostCommand(kSaveAs);
    dialog = app.WaitForBox();
    EXPECT_EQ(dialog.title, "Datei speichern unter ...");
    EXPECT_EQ(app.HelpContext(), kSaveAs);
    app.Answer(dialog, IDCANCEL);
    app.ExpectNoBox();
    EXPECT_EQ(app.HelpContext(), 114);
    app.End();
}
