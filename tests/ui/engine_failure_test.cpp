// An engine that cannot be bound or started: the notice dialog, and the exit code
// the program ends with once it is confirmed.
#include "tests/support/driver.h"

using namespace qd;

namespace {

class UIEngineFailure : public UiTest {};

// Starts the program, expects a notice whose first text is firstText, presses OK
// and returns the exit code.
int ConfirmNotice(Build build, Engine engine, const char* firstText) {
    Program app(StartOptions{build, engine});
    Box notice = app.WaitForBox();
    EXPECT_EQ(notice.title, "Quendel");
    EXPECT_EQ(notice.buttons, (std::vector<std::pair<int, std::string>>{{IDOK, "&OK"}}));
    EXPECT_EQ(notice.texts.empty() ? std::string() : notice.texts[0], firstText)
        << notice.Describe();
    notice.Press(IDOK);
    return app.WaitForExit();
}

}  // namespace

TEST_F(UIEngineFailure, MissingEngineOrEntryPointShowsTheCannotStartNotice) {
    for (Build build : {Build::QDGE, Build::QDEG}) {
        for (Engine engine : {Engine::NoEntry, Engine::None}) {
            SCOPED_TRACE(std::string(ProgramName(build)) +
                         (engine == Engine::None ? " without Velloc.dll" : " without qtimeout"));
            EXPECT_EQ(ConfirmNotice(build, engine, "Quendel kann nicht gestartet werden!"), 0);
            EXPECT_EQ(EngineLog(), std::vector<std::string>{});
        }
    }
}

TEST_F(UIEngineFailure, FailedInitialisationShowsTheCannotRunNoticeAndEndsWithOne) {
    for (Build build : {Build::QDGE, Build::QDEG}) {
        SCOPED_TRACE(ProgramName(build));
        ClearEngineLog();
        EXPECT_EQ(ConfirmNotice(build, Engine::InitFail, "Quendel kann nicht ausgeführt werden!"),
                  1);
        // Nothing is sent to an engine that did not start.
        std::vector<std::string> log = EngineLog();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].rfind("InitializeProlog|1|", 0), 0u) << log[0];
    }
}
