#include <gtest/gtest.h>

#include <windows.h>
#include <string.h>

#include "messages/message_box.h"
#include "messages/window_text.h"

namespace {

class WindowTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit_ = CreateWindowExA(0, "edit", "", WS_POPUP | ES_MULTILINE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(edit_); }
    std::string Word(const char* text, int start, int end, int maximum = 31) {
        SetWindowTextA(edit_, text);
        SendMessageA(edit_, EM_SETSEL, start, end);
        char word[64] = "unchanged";
        SelectedWord(edit_, word, maximum);
        return word;
    }
    HWND edit_;
};

TEST_F(WindowTextTest, SelectedWordTrimsToWordCharacters) {
    EXPECT_EQ(Word("  Haus, ", 0, 8), "Haus");
    EXPECT_EQ(Word("Ein Haus.", 3, 9), "Haus");
    EXPECT_EQ(Word(" , ; !", 0, 6), "unchanged");
    EXPECT_EQ(Word("a", 0, 1), "unchanged");
    EXPECT_EQ(Word("Größe", 0, 5), "Größe");
    EXPECT_EQ(Word("Haus", 2, 2), "unchanged");
    std::string forty = std::string(35, 'x') + "yyyyy";
    EXPECT_EQ(Word(forty.c_str(), 0, 40), std::string(31, 'x'));
    EXPECT_EQ(Word("abc def, ghi", 0, 12, 9), "abc def");
}

TEST_F(WindowTextTest, ACopyHoldsTheWholeTextAndTheSelectionIsReadAsItStands) {
    {
        EditTextCopy empty(edit_);
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty.length(), 0);
        EXPECT_STREQ(empty.text(), "");
    }
    EXPECT_FALSE(HasSelection(edit_));
    SetWindowTextA(edit_, "Erster Satz.\r\nZweiter.");
    SendMessageA(edit_, EM_SETSEL, 3, 8);
    EditTextCopy copy(edit_);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy.length(), 22);
    EXPECT_STREQ(copy.text(), "Erster Satz.\r\nZweiter.");
    EXPECT_EQ(SelectionOf(edit_).start, 3u);
    EXPECT_EQ(SelectionOf(edit_).end, 8u);
    EXPECT_TRUE(HasSelection(edit_));
}

TEST_F(WindowTextTest, ClipboardTextEndsWithTheBlockWhenTheBlockHasNoNul) {
    // A block of exactly 16 bytes and no NUL, followed in memory by more text: only
    // the block's own bytes may come back.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    ASSERT_NE(block, nullptr);
    char* bytes = static_cast<char*>(GlobalLock(block));
    memcpy(bytes, "Der Hund bellt.X", 16);
    const SIZE_T size = GlobalSize(block);
    memset(bytes + 16, 'Z', size - 16);  // any slack the allocator added is no NUL either
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(edit_));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_TEXT, block), nullptr);
    CloseClipboard();
    EXPECT_TRUE(ClipboardOffersText());
    // The platform may hand the block back with its last byte made a NUL (Wine does).
    const std::string whole = "Der Hund bellt.X" + std::string(size - 16, 'Z');
    const std::string taken = ClipboardText(edit_);
    EXPECT_GE(taken.size() + 1, whole.size());
    EXPECT_EQ(whole.compare(0, taken.size(), taken), 0) << taken;

    ASSERT_TRUE(OpenClipboard(edit_));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(ClipboardText(edit_), "");
    EXPECT_FALSE(ClipboardOffersText());
}

TEST(MessageText, FormattingNeverRunsPastTheBox) {
    char text[160];
    FormatMessageText("Datei  '%s' läßt sich nicht öffnen.", "C:\\A.TXT", text);
    EXPECT_STREQ(text, "Datei  'C:\\A.TXT' läßt sich nicht öffnen.");
    FormatMessageText("Fenster und Datei sind leer", "ignored", text);
    EXPECT_STREQ(text, "Fenster und Datei sind leer");
    std::string longName(400, 'N');
    FormatMessageText("Datei '%s' läßt sich nicht lesen. %s %d %n", longName.c_str(), text);
    EXPECT_EQ(strlen(text), 159u);
    EXPECT_EQ(std::string(text).substr(0, 7), "Datei '");
    FormatMessageText("100%% %d", nullptr, text);
    EXPECT_STREQ(text, "100% %d");
}

TEST(MessageText, StringTableEntriesComeOutInWindows1252) {
    char text[128];
    ASSERT_GT(LoadProgramString(1, text, sizeof text), 0);
    EXPECT_STREQ(text, "Datei  '%s' läßt sich nicht öffnen.");
    LoadProgramString(39, text, sizeof text);
    EXPECT_STREQ(text, "Kein Speicher mehr frei!\nSchließen Sie eine oder mehrere Programme, um mehr "
                       "Speicher zu erhalten.");
    EXPECT_EQ(LoadProgramString(24, text, sizeof text), 4);
    EXPECT_STREQ(text, "QDGE");
}

TEST(CenteredWindows, LandOnAMultipleOfEightHorizontally) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    for (int width : {800, 810, 333}) {
        HWND window = CreateWindowExA(0, "static", "", WS_POPUP, 0, 0, width, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        CenterWindow(window);
        RECT rect;
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, ((screen - width) / 2 + 4) & ~7) << width;
        EXPECT_EQ(rect.right - rect.left, width);
        DestroyWindow(window);
    }
}

}  // namespace
