#include <gtest/gtest.h>

#include <windows.h>

#include "core/engine_binding.h"

namespace {

// build\tests\qd_unit_tests.exe finds build\fakes.
std::string FakeEngine(const char* variant) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    dir.erase(dir.find_last_of('\\'));
    dir.erase(dir.find_last_of('\\'));
    return dir + "\\fakes\\" + variant + "\\Velloc.dll";
}

TEST(EngineBinding, ReportsAMissingLibraryAMissingEntryPointOrAllNine) {
    EXPECT_EQ(BindEngine("Z:\\no\\such\\Velloc.dll"), kEngineLibraryMissing);
    EXPECT_EQ(g_engine.QP_query_tsent, nullptr);

    EXPECT_EQ(BindEngine(FakeEngine("noentry").c_str()), kEngineEntryMissing);
    EXPECT_EQ(g_engine.InitializeProlog, nullptr);
    EXPECT_EQ(GetModuleHandleA(FakeEngine("noentry").c_str()), nullptr);  // not kept loaded

    ASSERT_EQ(BindEngine(FakeEngine("scripted").c_str()), kEngineBound);
    EXPECT_NE(g_engine.QP_query_getabbrev, nullptr);
    EXPECT_NE(g_engine.QP_query_closedbn, nullptr);
    EXPECT_NE(g_engine.QP_query_opendbn, nullptr);
    EXPECT_EQ(g_engine.InitializeProlog(1, "C:\\qd\\", "C:\\qd\\QDGE.LCT"), 0);
    int flag = 0;
    EXPECT_EQ(g_engine.QP_query_getabbrev("gut.", &flag), 0);

    ReleaseEngine();
    EXPECT_EQ(g_engine.QP_query_setqdoption, nullptr);
    EXPECT_EQ(GetModuleHandleA(FakeEngine("scripted").c_str()), nullptr);
}

}  // namespace
