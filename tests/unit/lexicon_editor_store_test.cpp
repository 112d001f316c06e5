// The lexicon editor's writes to a real file: every change reads the file afresh,
// so another writer's entries survive, and a file that is not a sound lexicon of
// the wanted direction is left exactly as it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "lexicon/editor_store.h"
#include "lexicon/user_lexicon_io.h"

namespace {

const std::string kLexicon =
    "QUENDEL USER LEXICON\t1\r\n"
    "direction\tGtoE\r\n"
    "area\tkfz\tAutomobil\r\n"
    "entry\tBank\tbench\tnoun\t\r\n"
    "entry\tlaufen\trun\tverb\t\r\n"
    "end\t2\r\n";

std::vector<std::string> EntryLines(const LexiconContent& content) {
    std::vector<std::string> lines;
    for (const LexiconEntry& e : content.entries)
        lines.push_back(e.source + "|" + e.translation + "|" + e.partOfSpeech + "|" + e.area);
    return lines;
}

class LexiconEditorStore : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        path_ = std::string(folder) + "qd_lexed_store_" + std::to_string(GetCurrentProcessId()) + ".DE";
        Write(kLexicon);
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }

    void Write(const std::string& bytes) { ASSERT_EQ(ReplaceFileContent(path_.c_str(), bytes), LexiconStatus::Ok); }
    std::string Bytes() {
        std::string bytes;
        ReadWholeFile(path_.c_str(), kMaxLexiconFileBytes, bytes);
        return bytes;
    }
    std::vector<std::string> FileEntries() {
        LexiconContent content;
        EXPECT_EQ(ReadUserLexiconFile(path_.c_str(), content), LexiconStatus::Ok);
        return EntryLines(content);
    }
    const char* Path() const { return path_.c_str(); }

    std::string path_;
};

TEST_F(LexiconEditorStore, SavingANewEntryWritesItAtOnce) {
    EditOutcome outcome = SaveEntryToFile(Path(), "GtoE", {"  Haus ", " house\t", "noun", "kfz"});
    EXPECT_EQ(outcome.failure, EditorFailure::None);
    EXPECT_EQ(outcome.change, EntryChange::Added);
    const std::vector<std::string> expected = {"Bank|bench|noun|", "laufen|run|verb|",
                                               "Haus|house|noun|kfz"};
    EXPECT_EQ(FileEntries(), expected);
    EXPECT_EQ(EntryLines(outcome.content), expected);
}

TEST_F(LexiconEditorStore, SavingTheSameKeyReplacesTheEntry) {
    EditOutcome outcome = SaveEntryToFile(Path(), "GtoE", {"bank", "pew", "noun", ""});
    EXPECT_EQ(outcome.change, EntryChange::Replaced);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"bank|pew|noun|", "laufen|run|verb|"}));
}

TEST_F(LexiconEditorStore, AnotherWritersEntriesAreKept) {
    // What the editor showed when it opened...
    LexiconContent shown;
    ASSERT_EQ(ReadLexiconForEditing(Path(), "GtoE", shown), EditorFailure::None);
    // ...then another program adds an entry...
    LexiconContent other = shown;
    other.entries.push_back({"Baum", "tree", "noun", ""});
    ASSERT_EQ(WriteUserLexiconFile(Path(), other), LexiconStatus::Ok);
    // ...and the editor saves and deletes: both changes go into the file as it is now.
    ASSERT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "house", "noun", ""}).failure, EditorFailure::None);
    ASSERT_EQ(DeleteEntryFromFile(Path(), "GtoE", {"laufen", "", "verb", ""}).failure, EditorFailure::None);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"Bank|bench|noun|", "Baum|tree|noun|",
                                                       "Haus|house|noun|"}));
}

TEST_F(LexiconEditorStore, DeletingRemovesTheEntry) {
    EditOutcome outcome = DeleteEntryFromFile(Path(), "GtoE", {" Bank ", "", "noun", ""});
    EXPECT_EQ(outcome.failure, EditorFailure::None);
    EXPECT_EQ(outcome.change, EntryChange::Removed);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"laufen|run|verb|"}));
}

TEST_F(LexiconEditorStore, DeletingAnEntryTheFileLacksWritesNothing) {
    EditOutcome outcome = DeleteEntryFromFile(Path(), "GtoE", {"Bank", "", "verb", ""});
    EXPECT_EQ(outcome.failure, EditorFailure::NotFound);
    EXPECT_EQ(Bytes(), kLexicon);
    EXPECT_EQ(outcome.content.entries.size(), 2u);  // what the file holds, for the windows
}

TEST_F(LexiconEditorStore, AnIncompleteEntryIsRefusedAndNothingWritten) {
    EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"  ", "house", "", ""}).failure, EditorFailure::NoSource);
    EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "", "", ""}).failure, EditorFailure::NoTranslation);
    EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "ho\tuse", "", ""}).failure,
              EditorFailure::BadCharacters);
    EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "house", "", "mil"}).failure,
              EditorFailure::UnknownArea);
    EXPECT_EQ(Bytes(), kLexicon);
}

struct BadFile {
    const char* name;
    std::string bytes;
    EditorFailure failure;
};

TEST_F(LexiconEditorStore, AFileThatIsNoSoundLexiconIsNeverWritten) {
    const std::vector<BadFile> files = {
        {"cut short", kLexicon.substr(0, kLexicon.size() - 9), EditorFailure::Damaged},
        {"wrong count", "QUENDEL USER LEXICON\t1\r\ndirection\tGtoE\r\nend\t3\r\n", EditorFailure::Damaged},
        {"foreign", "Liebe Grüße\r\n", EditorFailure::Foreign},
        {"empty", "", EditorFailure::Foreign},
        {"newer", "QUENDEL USER LEXICON\t7\r\ndirection\tGtoE\r\nend\t0\r\n", EditorFailure::NewerVersion},
        {"other direction", "QUENDEL USER LEXICON\t1\r\ndirection\tEtoG\r\nend\t0\r\n",
         EditorFailure::WrongDirection},
    };
    for (const BadFile& file : files) {
        SCOPED_TRACE(file.name);
        Write(file.bytes);
        LexiconContent content;
        EXPECT_EQ(ReadLexiconForEditing(Path(), "GtoE", content), file.failure);
        EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "house", "", ""}).failure, file.failure);
        EXPECT_EQ(DeleteEntryFromFile(Path(), "GtoE", {"Bank", "", "noun", ""}).failure, file.failure);
        EXPECT_EQ(Bytes(), file.bytes);
    }
}

TEST_F(LexiconEditorStore, WithoutAWantedDirectionEitherIsTaken) {
    Write("QUENDEL USER LEXICON\t1\r\ndirection\tEtoG\r\nend\t0\r\n");
    EXPECT_EQ(SaveEntryToFile(Path(), "", {"house", "Haus", "noun", ""}).failure, EditorFailure::None);
}

TEST_F(LexiconEditorStore, AMissingFileIsNotCreated) {
    DeleteFileA(Path());
    EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "house", "", ""}).failure, EditorFailure::Missing);
    EXPECT_EQ(GetFileAttributesA(Path()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LexiconEditorStore, AChangeThatWouldOverfillTheFileIsRefusedAndTheFileStays) {
    // A lexicon a few bytes under the size the reader takes.
    std::string head = "QUENDEL USER LEXICON\t1\r\ndirection\tGtoE\r\nentry\tlang\t";
    std::string tail = "\t\t\r\nend\t1\r\n";
    std::string full = head + std::string(kMaxLexiconFileBytes - head.size() - tail.size() - 30, 'x') + tail;
    Write(full);

    EditOutcome outcome = SaveEntryToFile(Path(), "GtoE", {"Haus", "house and home and garden", "", ""});
    EXPECT_EQ(outcome.failure, EditorFailure::Full);
    EXPECT_TRUE(Bytes() == full);
    EXPECT_NE(FailureMessage(EditorFailure::Full, "C:\\L.DE").find("'C:\\L.DE' ist voll"), std::string::npos);

    EXPECT_EQ(SaveEntryToFile(Path(), "GtoE", {"Haus", "house", "", ""}).failure, EditorFailure::None);
    EXPECT_EQ(FileEntries().size(), 2u);
}

TEST_F(LexiconEditorStore, EveryFailureHasAGermanMessageNamingTheFileWhereItMatters) {
    EXPECT_EQ(FailureMessage(EditorFailure::None, Path()), "");
    for (EditorFailure failure : {EditorFailure::Missing, EditorFailure::Unreadable, EditorFailure::Foreign,
                                  EditorFailure::NewerVersion, EditorFailure::Damaged,
                                  EditorFailure::WriteFailed, EditorFailure::Full}) {
        std::string text = FailureMessage(failure, "C:\\qd\\QD_USER.DE");
        EXPECT_NE(text.find("'C:\\qd\\QD_USER.DE'"), std::string::npos) << text;
    }
    EXPECT_EQ(FailureMessage(EditorFailure::Damaged, "X"),
              "Die Lexikondatei 'X' ist besch\xE4" "digt oder unvollst\xE4ndig. Sie wird nicht ver\xE4ndert.");
    EXPECT_EQ(FailureMessage(EditorFailure::WrongDirection, "X"),
              "Die Lexikondatei liegt in der falschen Sprachrichtung vor. Sie kann nicht bearbeitet werden!");
    for (EditorFailure failure : {EditorFailure::NoSource, EditorFailure::NoTranslation,
                                  EditorFailure::BadCharacters, EditorFailure::UnknownArea,
                                  EditorFailure::NotFound})
        EXPECT_FALSE(FailureMessage(failure, "X").empty());
}

}  // namespace
