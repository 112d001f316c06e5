// The file-type list of every open dialog, read from outside as a person sees it:
// the program's own filters, in order, with the first one chosen.
#include "tests/support/driver.h"
#include "tests/ui/steps.h"

using namespace qd;
using Lines = std::vector<std::string>;

namespace {

class UIFileTypes : public UiTest {};

constexpr int kTranslateFile = 144, kUserLexicon = 134, kFindLexicon = 1139;
const char kOpenTitle[] = "Datei \xF6" "ffnen";
const char kLexiconOpenTitle[] = "Lexikondatei \xF6" "ffnen";
const Lines kTextTypes = {"Text-Dateien (*.TXT)", "Alle Dateien (*.*)"};

// Checks the open dialog's title and file types, then cancels it.
void ExpectTypes(Program& app, const Box& dialog, const char* title, const Lines& types,
                 Caller at = {}) {
    if (dialog.title != title) Fail(at, "expected \"" + std::string(title) + "\", found " + dialog.Describe());
    Program::FileTypes shown = app.FileDialogTypes(dialog, at);
    EXPECT_EQ(shown.entries, types) << "at line " << at.line;
    EXPECT_EQ(shown.selected, 0) << "at line " << at.line;
    app.Answer(dialog, IDCANCEL, at);
}

}  // namespace

TEST_F(UIFileTypes, EveryOpenDialogListsTheProgramsTypesWithTheFirstChosen) {
    for (Build build : {Build::QDGE, Build::QDEG}) {
        Program app(StartOptions{build});
        const Lines lexiconTypes = {build == Build::QDGE ? "Lexika D->E (*.DE)" : "Lexika E->D (*.ED)"};
        // Twice each, in turns: no dialog leaves anything behind for the next.
        for (int round = 0; round < 2; ++round) {
            app.PostCommand(kOpen);
            ExpectTypes(app, app.WaitForBox(), kOpenTitle, kTextTypes);
            app.PostCommand(kTranslateFile);
            ExpectTypes(app, app.WaitForBox(), kOpenTitle, kTextTypes);

            app.PostCommand(kUserLexicon);
            Box lexicon = app.WaitForBox();
            lexicon.Press(kFindLexicon);
            ExpectTypes(app, app.WaitForBox(), kLexiconOpenTitle, lexiconTypes);
            app.Answer(lexicon, IDCANCEL);
        }
        app.ExpectNoBox();
        app.End();
    }
}
