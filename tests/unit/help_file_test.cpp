// The help file as the viewer reads it: topics, links, the text as shown, the
// search, the faults it refuses, and the QD.hlp that the build ships.
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/shell_state.h"
#include "help/help_file.h"
#include "lexicon/editor_ids.h"
#include "resources/resource_ids.h"

namespace {

HelpFile Parsed(const std::string& text) {
    HelpFile file;
    HelpFileError error;
    EXPECT_TRUE(ParseHelpFile(text, &file, &error))
        << "line " << error.line << ": " << error.message << "\n" << text;
    return file;
}

std::vector<int> Contexts(const std::vector<const HelpTopic*>& topics) {
    std::vector<int> contexts;
    for (const HelpTopic* topic : topics) contexts.push_back(topic->context);
    return contexts;
}

const char kSmallFile[] =
    "# a comment\r\n"
    "@help Quendel Hilfe\r\n"
    "@contents 114\r\n"
    "@usinghelp 5001\r\n"
    "\r\n"
    "@topic 114 Inhalt\r\n"
    "Willkommen.\r\n"
    "@see 2003 5001\r\n"
    "@topic 2003 Kopieren\r\n"
    "Kopiert den markierten Text\r\n"
    "in die Zwischenablage.\r\n"
    "\r\n"
    "@topic 5001 Hilfe benutzen\r\n"
    "So geht es.\r\n";

TEST(HelpFile, TopicsKeepTheirNumbersTitlesAndLinks) {
    HelpFile file = Parsed(kSmallFile);
    EXPECT_EQ(file.title, "Quendel Hilfe");
    ASSERT_EQ(file.topics.size(), 3u);
    EXPECT_EQ(Contexts({&file.topics[0], &file.topics[1], &file.topics[2]}),
              (std::vector<int>{114, 2003, 5001}));
    EXPECT_EQ(file.topics[1].title, "Kopieren");
    EXPECT_EQ(file.topics[1].line, 9);
    EXPECT_EQ(file.topics[0].seeAlso, (std::vector<int>{2003, 5001}));
    // Blank lines around a topic's text belong to no topic.
    EXPECT_EQ(file.topics[1].lines,
              (std::vector<std::string>{"Kopiert den markierten Text", "in die Zwischenablage."}));
    EXPECT_EQ(file.Find(5001), &file.topics[2]);
    EXPECT_EQ(file.Find(4711), nullptr);
    EXPECT_EQ(file.ContentsTopic(), &file.topics[0]);
    EXPECT_EQ(file.UsingHelpTopic(), &file.topics[2]);
}

TEST(HelpFile, WithoutHeaderNumbersTheFirstTopicIsTheContents) {
    HelpFile file = Parsed("@help H\n@topic 7 Erstes\n@topic 3 Zweites\n");
    EXPECT_EQ(file.ContentsTopic()->context, 7);
    EXPECT_EQ(file.UsingHelpTopic()->context, 7);
}

TEST(HelpFile, ParagraphLinesAreJoinedAndListItemsGetBullets) {
    HelpFile file = Parsed(
        "@help H\n"
        "@topic 1 T\n"
        "Erste Zeile\n"
        "  und ihre Fortsetzung.   \n"
        "\n"
        "\n"
        "Zweiter Absatz:\n"
        "- Punkt eins\n"
        "  geht weiter\n"
        "- Punkt zwei\n"
        "\n"
        "@@contents ist Text, keine Anweisung.\n"
        "#ein Kommentar mitten im Thema\n"
        "1. Schritt eins\n"
        "2. Schritt zwei\n"
        "geht weiter\n"
        "\n");
    EXPECT_EQ(TopicText(file.topics[0]),
              "Erste Zeile und ihre Fortsetzung.\r\n"
              "\r\n"
              "Zweiter Absatz:\r\n"
              "• Punkt eins geht weiter\r\n"
              "• Punkt zwei\r\n"
              "\r\n"
              "@contents ist Text, keine Anweisung.\r\n"
              "1. Schritt eins\r\n"
              "2. Schritt zwei geht weiter");
}

TEST(HelpFile, ATextStartingWithAListKeepsNoLeadingBreak) {
    HelpFile file = Parsed("@help H\n@topic 1 T\n- a\n- b\n\nEnde");
    EXPECT_EQ(TopicText(file.topics[0]), "• a\r\n• b\r\n\r\nEnde");
}

TEST(HelpFile, FaultsAreRefusedWithTheirLine) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"", 1, "Keine Hilfedatei"},
        {"Hallo\n@help H\n", 1, "Keine Hilfedatei"},
        {"@topic 1 T\n", 1, "Keine Hilfedatei"},
        {"@help H\n", 0, "kein Thema"},
        {"@help\n@topic 1 T\n", 1, "@help ohne Titel"},
        {"@help H\n@help H\n", 2, "zweimal"},
        {"@help H\nText\n@topic 1 T\n", 2, "Text vor dem ersten Thema"},
        {"@help H\n@topic 1 T\n@topic 1 U\n", 3, "Thema 1 steht zweimal"},
        {"@help H\n@topic T\n", 2, "Nummer"},
        {"@help H\n@topic 0 Null\n", 2, "Nummer"},
        {"@help H\n@topic 12a T\n", 2, "Nummer"},
        {"@help H\n@topic 1234567890 T\n", 2, "Nummer"},
        {"@help H\n@topic 5\n", 2, "Thema 5 hat keinen Titel"},
        {"@help H\n@see 1\n@topic 1 T\n", 2, "@see"},
        {"@help H\n@topic 1 T\n@see\n", 3, "@see ohne"},
        {"@help H\n@topic 1 T\n@see 2 drei\n", 3, "Nummern"},
        {"@help H\n@topic 1 T\n@bild x.bmp\n", 3, "Unbekannte Anweisung @bild"},
        {"@help H\n@topic 1 T\n@contents 1\n", 3, "vor das erste Thema"},
        {"@help H\n@contents 9\n@topic 1 T\n", 0, "@contents nennt"},
        {"@help H\n@usinghelp 9\n@topic 1 T\n", 0, "@usinghelp nennt"},
        {"@help H\n@contents x\n@topic 1 T\n", 2, "Themennummer"},
    };
    for (const Case& c : cases) {
        HelpFile file;
        HelpFileError error;
        EXPECT_FALSE(ParseHelpFile(c.text, &file, &error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.message.find(c.message), std::string::npos)
            << c.text << " gave: " << error.message;
    }
}

TEST(HelpFile, LinksToMissingTopicsAreNamed) {
    HelpFile file = Parsed("@help H\n@topic 1 T\n@see 2 3\n@topic 2 U\n@see 1 9\n");
    EXPECT_EQ(MissingLinks(file),
              (std::vector<std::string>{"Thema 1: Verweis auf 3", "Thema 2: Verweis auf 9"}));
}

TEST(HelpFile, FoldingIgnoresCaseUmlautsAndSharpS) {
    EXPECT_EQ(FoldText("ÄÖÜäöüß"), "aouaouss");
    EXPECT_EQ(FoldText("Straße"), FoldText("STRASSE"));
    EXPECT_EQ(FoldText("Übersetzen"), "ubersetzen");
    EXPECT_EQ(FoldText("ÉCOLE ×"), "école ×");  // × (0xD7) has no lower-case partner
    EXPECT_EQ(FoldText("F9: Satz"), "f9: satz");
}

const char kSearchFile[] =
    "@help H\n"
    "@topic 143 Satz übersetzen\nÜbersetzt den Satz an der Einfügemarke.\n"
    "@topic 104 Alles übersetzen\nÜbersetzt den ganzen Text.\n"
    "@topic 129 Satz markieren\nMarkiert einen Satz, damit Sie ihn übersetzen.\n"
    "@topic 2003 Kopieren\nLegt den Text in die Zwischenablage.\n"
    "@topic 9001 Überblick\nWie Quendel arbeitet.\n";

TEST(HelpFile, SearchRanksTopicsByTheWordsInTheirTitles) {
    HelpFile file = Parsed(kSearchFile);
    // Titles holding more of the words come first, then the order of the titles.
    EXPECT_EQ(Contexts(SearchTopics(file, "übersetzen satz")), (std::vector<int>{143, 129}));
    EXPECT_EQ(Contexts(SearchTopics(file, "satz")), (std::vector<int>{129, 143}));
    EXPECT_EQ(Contexts(SearchTopics(file, "UEBER")), (std::vector<int>{}));
    EXPECT_EQ(Contexts(SearchTopics(file, "uber")), (std::vector<int>{104, 143, 9001, 129}));
    // Every word must occur, in title or text.
    EXPECT_EQ(Contexts(SearchTopics(file, "  satz   MARKE ")), (std::vector<int>{143}));
    EXPECT_EQ(Contexts(SearchTopics(file, "zwischenablage kopieren")),
              (std::vector<int>{2003}));
    EXPECT_EQ(Contexts(SearchTopics(file, "Wörterbuch")), (std::vector<int>{}));
}

TEST(HelpFile, AnEmptySearchListsEveryTopicWithUmlautsSortedAsTheirVowels) {
    HelpFile file = Parsed(kSearchFile);
    EXPECT_EQ(Contexts(SearchTopics(file, "")), (std::vector<int>{104, 2003, 129, 143, 9001}));
    EXPECT_EQ(Contexts(SearchTopics(file, " ")).size(), 5u);
}

// ---- The shipped QD.hlp ----

// build/bin/QD.hlp, beside the folder of this test program (build/tests).
std::string ShippedHelpFile() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    folder.resize(folder.find_last_of('\\'));
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "bin\\QD.hlp";
}

bool ReadWhole(const std::string& name, std::string* text) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD size = GetFileSize(file, nullptr), got = 0;
    text->assign(size, '\0');
    bool read = size == 0 || ReadFile(file, &(*text)[0], size, &got, nullptr);
    CloseHandle(file);
    return read && got == size;
}

class ShippedHelp : public ::testing::Test {
protected:
    void SetUp() override {
        std::string text;
        ASSERT_TRUE(ReadWhole(ShippedHelpFile(), &text)) << "cannot read " << ShippedHelpFile();
        HelpFileError error;
        ASSERT_TRUE(ParseHelpFile(text, &help_, &error))
            << ShippedHelpFile() << " line " << error.line << ": " << error.message;
    }
    HelpFile help_;
};

// The contexts the frame sets: the pop-ups by position, nothing chosen, and the
// three entries of the window list.
const int kPopupContexts[] = {109, 110, 111, 112, 113, 115};
const int kWindowListContexts[] = {1094, 1092, 1093};

// The lexicon editor's two windows set their own before they call for help.
const int kLexiconEditorContexts[] = {LEXED_HELP_ENTRY, LEXED_HELP_LIST};

// Commands with a menu item (their topic is what F1 shows on the item) and those
// that set their own context while their dialog is open.
const int kCommandContexts[] = {
    CMD_NEW, CMD_OPEN, CMD_SAVE, CMD_SAVE_AS, CMD_EXIT,
    CMD_UNDO, CMD_MARK_SENTENCE, CMD_EXTEND_MARKING, CMD_SELECT_ALL, CMD_CUT, CMD_COPY,
    CMD_PASTE, CMD_DELETE, CMD_FIND, CMD_FIND_NEXT, CMD_FIND_PREVIOUS, CMD_WORD_WRAP,
    CMD_CONVERT_CHARSET,
    CMD_TRANSLATE_SENTENCE, CMD_TRANSLATE_MARKED, CMD_TRANSLATE_ALL, CMD_TRANSLATE_FILE,
    CMD_OPTIONS, CMD_LEXICON, CMD_EDIT_LEXICON, CMD_FONTS,
    CMD_TILE, CMD_SIDE_BY_SIDE, CMD_CASCADE,
    CMD_CONTENTS, CMD_HELP_SEARCH, CMD_HELP_ON_HELP, CMD_ABOUT,
};

TEST_F(ShippedHelp, EveryContextTheProgramSetsHasATopic) {
    std::vector<int> contexts = {kDefaultHelpContext};
    contexts.insert(contexts.end(), std::begin(kPopupContexts), std::end(kPopupContexts));
    contexts.insert(contexts.end(), std::begin(kWindowListContexts), std::end(kWindowListContexts));
    contexts.insert(contexts.end(), std::begin(kCommandContexts), std::end(kCommandContexts));
    contexts.insert(contexts.end(), std::begin(kLexiconEditorContexts),
                    std::end(kLexiconEditorContexts));
    for (int context : contexts) EXPECT_NE(help_.Find(context), nullptr) << "no topic " << context;
}

void CollectMenuItems(HMENU menu, std::vector<UINT>* items) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU popup = GetSubMenu(menu, i)) {
            CollectMenuItems(popup, items);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1)) items->push_back(id);  // not a separator
    }
}

// F1 on any highlighted item shows the item's topic, so a new menu item needs one.
TEST_F(ShippedHelp, EveryItemOfTheFramesMenuHasATopic) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_FRAME_MENU));
    ASSERT_NE(menu, nullptr);
    std::vector<UINT> items;
    CollectMenuItems(menu, &items);
    DestroyMenu(menu);
    EXPECT_GE(items.size(), 33u);
    for (UINT item : items)
        EXPECT_NE(help_.Find(static_cast<int>(item)), nullptr) << "no topic " << item;
}

TEST_F(ShippedHelp, ContentsAndUsingHelpAreTheHelpMenusTopics) {
    ASSERT_NE(help_.ContentsTopic(), nullptr);
    EXPECT_EQ(help_.ContentsTopic()->context, CMD_CONTENTS);
    EXPECT_EQ(help_.ContentsTopic()->title, "Inhalt");
    ASSERT_NE(help_.UsingHelpTopic(), nullptr);
    EXPECT_EQ(help_.UsingHelpTopic()->context, CMD_HELP_ON_HELP);
    EXPECT_EQ(help_.Find(CMD_COPY)->title, "Kopieren");
}

// The viewer shows the bytes as they are: the shipped file must be Windows-1252,
// not the UTF-8 of its source.
TEST_F(ShippedHelp, TextsAreWindows1252) {
    EXPECT_EQ(help_.Find(CMD_UNDO)->title, "Rückgängig");
    EXPECT_EQ(help_.Find(CMD_TRANSLATE_ALL)->title, "Alles übersetzen");
    for (const HelpTopic& topic : help_.topics) {
        std::string text = TopicText(topic);
        EXPECT_EQ(text.find("\xC3"), std::string::npos) << "UTF-8 in topic " << topic.context;
        EXPECT_FALSE(text.empty()) << "topic " << topic.context << " has no text";
    }
}

// Every link leads somewhere, and every topic can be reached from the contents.
TEST_F(ShippedHelp, EveryTopicIsReachableFromTheContents) {
    EXPECT_EQ(MissingLinks(help_), std::vector<std::string>{});
    std::set<int> reached = {help_.ContentsTopic()->context};
    std::vector<int> next = {help_.ContentsTopic()->context};
    while (!next.empty()) {
        const HelpTopic* topic = help_.Find(next.back());
        next.pop_back();
        for (int link : topic ? topic->seeAlso : std::vector<int>{})
            if (reached.insert(link).second) next.push_back(link);
    }
    for (const HelpTopic& topic : help_.topics)
        EXPECT_EQ(reached.count(topic.context), 1u) << "topic " << topic.context << " unlinked";
}

TEST_F(ShippedHelp, TheSearchFindsTopicsByTheirWords) {
    std::vector<const HelpTopic*> found = SearchTopics(help_, "zeitüberschreitung");
    std::vector<int> contexts = Contexts(found);
    EXPECT_NE(std::find(contexts.begin(), contexts.end(), 1093), contexts.end());
    EXPECT_NE(std::find(contexts.begin(), contexts.end(), CMD_OPTIONS), contexts.end());
    EXPECT_EQ(SearchTopics(help_, "").size(), help_.topics.size());
}

}  // namespace
