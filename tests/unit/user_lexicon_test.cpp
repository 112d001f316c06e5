#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "app/build_profile.h"
#include "lexicon/lexicon_open_result.h"
#include "lexicon/user_lexicon_file.h"
#include "lexicon/user_lexicon_io.h"
#include "settings/lexicon_library.h"

bool operator==(const LexiconArea& a, const LexiconArea& b) {
    return std::tie(a.code, a.name) == std::tie(b.code, b.name);
}
bool operator==(const LexiconEntry& a, const LexiconEntry& b) {
    return std::tie(a.source, a.translation, a.partOfSpeech, a.area) ==
           std::tie(b.source, b.translation, b.partOfSpeech, b.area);
}

namespace {

const std::string kSample =
    "QUENDEL USER LEXICON\t1\r\n"
    "direction\tGtoE\r\n"
    "area\tcomm\tGeschäftswesen\r\n"
    "area\tmil\tMilitär\r\n"
    "entry\tMännchen\tlittle man\tnoun\t\r\n"
    "entry\tSchütze\trifleman\tnoun\tmil\r\n"
    "entry\tÜbernahme\ttakeover\t\tcomm\r\n"
    "end\t3\r\n";

LexiconContent SampleContent() {
    return {"GtoE",
            {{"comm", "Geschäftswesen"}, {"mil", "Militär"}},
            {{"Männchen", "little man", "noun", ""},
             {"Schütze", "rifleman", "noun", "mil"},
             {"Übernahme", "takeover", "", "comm"}}};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// ---- the format ----

TEST(UserLexiconFormat, ReadsAndWritesTheSameBytes) {
    LexiconContent read;
    ASSERT_EQ(ParseUserLexicon(kSample, read), LexiconStatus::Ok);
    EXPECT_EQ(read.direction, "GtoE");
    EXPECT_EQ(read.areas, SampleContent().areas);
    EXPECT_EQ(read.entries, SampleContent().entries);
    std::string written;
    ASSERT_EQ(SerializeUserLexicon(SampleContent(), written), LexiconStatus::Ok);
    EXPECT_EQ(written, kSample);
}

TEST(UserLexiconFormat, EveryCutOfAFileIsRefused) {
    for (std::size_t size = 0; size < kSample.size(); ++size) {
        LexiconContent read;
        EXPECT_NE(ParseUserLexicon(kSample.substr(0, size), read), LexiconStatus::Ok) << size;
        EXPECT_TRUE(read.areas.empty() && read.entries.empty()) << size;
    }
}

TEST(UserLexiconFormat, BrokenAndForeignFilesAreRefused) {
    const struct {
        const char* what;
        std::string bytes;
        LexiconStatus status;
    } cases[] = {
        {"empty", "", LexiconStatus::Foreign},
        {"other text", "Sehr geehrte Damen und Herren\r\n", LexiconStatus::Foreign},
        {"later version", Replaced(kSample, "LEXICON\t1", "LEXICON\t2"), LexiconStatus::NewerVersion},
        {"line feeds only", "QUENDEL USER LEXICON\t1\ndirection\tGtoE\nend\t0\n", LexiconStatus::Damaged},
        {"entry lost", Replaced(kSample, "entry\tSchütze\trifleman\tnoun\tmil\r\n", ""),
         LexiconStatus::Damaged},
        {"bytes after the end", kSample + "entry\ta\tb\t\t\r\n", LexiconStatus::Damaged},
        {"unknown line", Replaced(kSample, "area\tmil", "bereich\tmil"), LexiconStatus::Damaged},
        {"area twice", Replaced(kSample, "area\tmil", "area\tcomm"), LexiconStatus::Damaged},
        {"area of no list", Replaced(kSample, "noun\tmil", "noun\tmus"), LexiconStatus::Damaged},
        {"area after entries", Replaced(kSample, "end\t3", "area\tmus\tMusik\r\nend\t3"),
         LexiconStatus::Damaged},
        {"empty source", Replaced(kSample, "Männchen", ""), LexiconStatus::Damaged},
        {"field too many", Replaced(kSample, "takeover\t", "takeover\tx\t"), LexiconStatus::Damaged},
        {"lone CR in a field", Replaced(kSample, "little man", "little\rman"), LexiconStatus::Damaged},
    };
    for (const auto& c : cases) {
        LexiconContent read;
        EXPECT_EQ(ParseUserLexicon(c.bytes, read), c.status) << c.what;
        EXPECT_TRUE(read.direction.empty() && read.areas.empty() && read.entries.empty()) << c.what;
    }
}

TEST(UserLexiconFormat, RefusesToWriteWhatItCouldNotReadBack) {
    auto refused = [](void (*spoil)(LexiconContent&)) {
        LexiconContent content = SampleContent();
        spoil(content);
        std::string bytes = "old";
        return SerializeUserLexicon(content, bytes) == LexiconStatus::InvalidContent && bytes.empty();
    };
    EXPECT_TRUE(refused([](LexiconContent& c) { c.entries[0].translation = "little\tman"; }));
    EXPECT_TRUE(refused([](LexiconContent& c) { c.entries[1].source = "Sch\r\nutze"; }));
    EXPECT_TRUE(refused([](LexiconContent& c) { c.entries[2].area = "mus"; }));
    EXPECT_TRUE(refused([](LexiconContent& c) { c.areas[1].code = "comm"; }));
}

// ---- files ----

// A folder of its own under the temporary folder, removed with all it holds.
class ScratchFolder {
public:
    ScratchFolder() {
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        static int count;
        path_ = std::string(base) + "qdlex" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(++count);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::string& name : Names()) DeleteFileA(File(name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(File("*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Get(const std::string& name) const {
        std::string bytes;
        EXPECT_EQ(ReadWholeFile(File(name).c_str(), 1 << 20, bytes), LexiconStatus::Ok) << name;
        return bytes;
    }

private:
    std::string path_;
};

TEST(UserLexiconFile, WriteReplacesTheFileAndLeavesNothingElse) {
    ScratchFolder folder;
    std::string path = folder.File("Mein Lexikon.DE");
    ASSERT_EQ(WriteUserLexiconFile(path.c_str(), SampleContent()), LexiconStatus::Ok);
    EXPECT_EQ(folder.Get("Mein Lexikon.DE"), kSample);

    LexiconContent emptied = SampleContent();
    emptied.entries.clear();
    ASSERT_EQ(WriteUserLexiconFile(path.c_str(), emptied), LexiconStatus::Ok);
    EXPECT_EQ(folder.Get("Mein Lexikon.DE"), kSample.substr(0, kSample.find("entry")) + "end\t0\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Mein Lexikon.DE"});
}

TEST(UserLexiconFile, FailedWriteKeepsTheOldFileAndRemovesTheTemporary) {
    ScratchFolder folder;
    std::string path = folder.File("QD_USER.DE");
    folder.Put("QD_USER.DE", "old");
    // Another program holding the file without sharing its deletion blocks the final move.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteUserLexiconFile(path.c_str(), SampleContent()), LexiconStatus::WriteFailed);
    CloseHandle(holder);
    EXPECT_EQ(folder.Get("QD_USER.DE"), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"QD_USER.DE"});
}

TEST(UserLexiconFile, ReadRefusesMissingAndOversizedFiles) {
    ScratchFolder folder;
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(folder.File("none.DE").c_str(), 100, bytes), LexiconStatus::Missing);
    folder.Put("big.DE", std::string(101, 'x'));
    EXPECT_EQ(ReadWholeFile(folder.File("big.DE").c_str(), 100, bytes), LexiconStatus::TooLarge);
    EXPECT_EQ(ReadWholeFile(folder.File("big.DE").c_str(), 101, bytes), LexiconStatus::Ok);
}

// ---- the lexicons shipped beside the programs ----

std::string ShippedFile(const char* name) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(LoadLibraryA("MBXLLDB.dll"), path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TEST(UserLexiconShipped, EachDirectionHoldsItsBuiltInAreas) {
    LexiconContent german, english;
    ASSERT_EQ(ReadUserLexiconFile(ShippedFile("QD_USER.DE").c_str(), german), LexiconStatus::Ok);
    ASSERT_EQ(ReadUserLexiconFile(ShippedFile("QD_USER.ED").c_str(), english), LexiconStatus::Ok);
    std::vector<LexiconArea> builtin;  // this test program is the German-English build
    for (const SubjectArea* area = CurrentBuild().builtinSubjectAreas; area->code; ++area)
        builtin.push_back({area->code, area->name});
    EXPECT_EQ(german.direction, "GtoE");
    EXPECT_EQ(builtin.size(), 25u);
    EXPECT_EQ(german.areas, builtin);
    EXPECT_EQ(english.direction, "EtoG");
    ASSERT_EQ(english.areas.size(), 15u);
    EXPECT_EQ(english.areas[9], (LexiconArea{"military", "Militär"}));
    EXPECT_TRUE(german.entries.empty() && english.entries.empty());
}

// ---- the store, through the ordinals the program imports ----

class UserLexiconStore : public ::testing::Test {
protected:
    void SetUp() override {
        HMODULE library = LoadLibraryA("MBXLLDB.dll");
        ASSERT_TRUE(library);
        open_ = reinterpret_cast<decltype(open_)>(GetProcAddress(library, MAKEINTRESOURCEA(7)));
        close_ = reinterpret_cast<decltype(close_)>(GetProcAddress(library, MAKEINTRESOURCEA(8)));
        areas_ = reinterpret_cast<decltype(areas_)>(GetProcAddress(library, MAKEINTRESOURCEA(15)));
        ASSERT_TRUE(open_ && close_ && areas_);
        for (std::size_t i = 0; i + 1 < std::size(list_); ++i) list_[i].next = &list_[i + 1];
        close_(0);
    }

    std::vector<LexiconArea> Listed(SubjectArea* list) {
        std::vector<LexiconArea> areas;
        for (; list; list = list->next) {
            EXPECT_EQ(list->selected, 0);
            EXPECT_EQ(list->reserved, 0);
            areas.push_back({list->code, list->name});
        }
        return areas;
    }

    // Typed as the program declares what it imports.
    decltype(&LexiconOpen) open_ = nullptr;
    decltype(&LexiconClose) close_ = nullptr;
    decltype(&LexiconSubjectAreas) areas_ = nullptr;
    // Linked in SetUp; the entry without a code ends the list as the built-in tables do.
    SubjectArea list_[4] = {{(char*)"comm", (char*)"Geschäftswesen", 1, nullptr, 0},
                            {(char*)"mil", (char*)"Militär", 0, nullptr, 0},
                            {nullptr, nullptr, 0, nullptr, 0},
                            {(char*)"mus", (char*)"Musik", 0, nullptr, 0}};
    const std::vector<LexiconArea> written_{{"comm", "Geschäftswesen"}, {"mil", "Militär"}};
    ScratchFolder folder_;
};

TEST_F(UserLexiconStore, CreatedLexiconOpensAndListsItsAreas) {
    std::string path = folder_.File("NEU.DE");
    ASSERT_EQ(open_(path.c_str(), 2, list_, "GtoE"), kLexiconOpened);
    EXPECT_EQ(Listed(areas_(nullptr)), written_);
    EXPECT_EQ(close_(0), 0);
    EXPECT_EQ(areas_(nullptr), nullptr);

    ASSERT_EQ(open_(path.c_str(), 1, nullptr, "GtoE"), kLexiconOpened);
    EXPECT_EQ(open_(path.c_str(), 1, nullptr, nullptr), kLexiconOpened);
    SubjectArea* first = areas_(nullptr);
    first->selected = 1;  // the program marks its choice in the list it holds
    SubjectArea* second = areas_(first);
    EXPECT_EQ(Listed(second), written_);
    SubjectArea* third = areas_(list_);  // not the library's: must survive untouched
    EXPECT_EQ(list_[0].next, &list_[1]);
    EXPECT_STREQ(list_[1].name, "Militär");
    EXPECT_EQ(Listed(third), written_);
    close_(0);
    EXPECT_EQ(areas_(third), nullptr);
    EXPECT_EQ(areas_(second), nullptr);
}

TEST_F(UserLexiconStore, RefusedOpenKeepsTheLexiconOpenBefore) {
    std::string good = folder_.File("GUT.DE");
    ASSERT_EQ(open_(good.c_str(), 2, list_, "GtoE"), kLexiconOpened);
    folder_.Put("garbage.DE", "\x01\x02 not a lexicon \xFF");
    folder_.Put("cut.DE", kSample.substr(0, kSample.size() - 3));
    folder_.Put("later.DE", Replaced(kSample, "LEXICON\t1", "LEXICON\t7"));

    EXPECT_EQ(open_(good.c_str(), 1, nullptr, "EtoG"), kLexiconWrongDirection);
    EXPECT_EQ(open_(folder_.File("garbage.DE").c_str(), 1, nullptr, "GtoE"), kLexiconForeign);
    EXPECT_EQ(open_(folder_.File("cut.DE").c_str(), 1, nullptr, "GtoE"), kLexiconDamaged);
    EXPECT_EQ(open_(folder_.File("later.DE").c_str(), 1, nullptr, "GtoE"), kLexiconNewerVersion);
    EXPECT_EQ(open_(folder_.File("none.DE").c_str(), 1, nullptr, "GtoE"), kLexiconMissing);
    EXPECT_EQ(open_(nullptr, 1, nullptr, "GtoE"), kLexiconBadArgument);
    EXPECT_EQ(open_(good.c_str(), 3, nullptr, "GtoE"), kLexiconBadArgument);

    EXPECT_EQ(Listed(areas_(nullptr)), written_);
}

TEST_F(UserLexiconStore, CreateRefusesWhatItCannotRecord) {
    EXPECT_EQ(open_(folder_.File("a.DE").c_str(), 2, list_, nullptr), kLexiconBadArgument);
    list_[1].code = list_[0].code;
    EXPECT_EQ(open_(folder_.File("b.DE").c_str(), 2, list_, "GtoE"), kLexiconBadArgument);
    list_[1].code = (char*)"mil";
    list_[1].next = &list_[0];  // a loop must not hang the store
    EXPECT_EQ(open_(folder_.File("c.DE").c_str(), 2, list_, "GtoE"), kLexiconBadArgument);
    EXPECT_EQ(open_(folder_.File("none\\d.DE").c_str(), 2, nullptr, "GtoE"), kLexiconWriteFailed);
    EXPECT_TRUE(folder_.Names().empty());
    EXPECT_EQ(areas_(nullptr), nullptr);
}

}  // namespace
