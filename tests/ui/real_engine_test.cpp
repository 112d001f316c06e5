// The programs with the build's own engine: a sentence goes through the program's
// binding to Velloc.dll and its lexicon catalogue and comes back translated.
#include "tests/support/driver.h"

using namespace qd;

namespace {

class UIRealEngine : public UiTest {};

constexpr int kTranslateSentence = 143;

}  // namespace

TEST_F(UIRealEngine, F9TranslatesWithTheRealEngineInBothDirections) {
    struct Case {
        Build build;
        const char* sentence;
        std::vector<std::string> words;  // words any fair translation holds
    };
    const Case cases[] = {
        {Build::QDGE, "Der Hund schl\xE4" "ft.", {"dog"}},
        {Build::QDEG, "The cat drinks milk.", {"Katze", "Milch"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ProgramName(c.build));
        Program app(StartOptions{c.build, Engine::Real});
        app.SetText(app.Edit(Pane::Input), c.sentence);
        app.Select(app.Edit(Pane::Input), 0, 0);
        app.SendCommand(kTranslateSentence);
        const std::string output = app.EditText(Pane::Output);
        for (const std::string& word : c.words)
            EXPECT_NE(output.find(word), std::string::npos) << "\"" << word << "\" in " << output;
        // A failed sentence would come back as itself behind ">>> ".
        EXPECT_EQ(output.find(c.sentence), std::string::npos) << output;
        EXPECT_EQ(app.EditText(Pane::Messages), "");
        app.End();
    }
}
