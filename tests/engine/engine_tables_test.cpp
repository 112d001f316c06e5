// The engine's knowledge read from its text tables: what a linguist writes in
// engine/data is what the rules see, and a table the engine cannot read is refused.
#include <gtest/gtest.h>

#include "engine/engine_tables.h"

using namespace velloc;

namespace {
const char kGerman[] =
    "# a comment\n"
    "form\tkind\tenglish\tperson\tplural\tpast\tnominative\tauxiliary\tparticiple\tsubjunctive\n"
    "mein\tarticle\tmy\t3\t-\t-\t-\t-\t-\t-\n"
    "wir\tpronoun\twe\t1\tyes\t-\tyes\t-\t-\t-\n"
    "war\tauxiliary\twas\t3\t-\tyes\t-\tsein\t-\t-\n";
}  // namespace

TEST(EngineTables, RowsBecomeEntriesAndDeterminersDecline) {
    EngineTables tables;
    std::string error;
    ASSERT_TRUE(tables.Load({{"german-words", kGerman},
                             {"word-lists", "list\tword\tvalue\nparticle\tauf\t-\ndative\tme\tmir\n"},
                             {"weights", "name\tvalue\nrank\t0.5\n"}},
                            &error))
        << error;
    const GermanWord* we = tables.German("wir");
    ASSERT_TRUE(we);
    EXPECT_EQ(we->kind, GermanKind::Pronoun);
    EXPECT_TRUE(we->plural && we->nominative);
    EXPECT_EQ(we->person, 1);
    EXPECT_EQ(tables.German("war")->aux, AuxVerb::Sein);
    EXPECT_TRUE(tables.German("war")->past);
    // "mein" declines like "dieser": meine, meinem ... are the same entry
    ASSERT_TRUE(tables.German("meinem"));
    EXPECT_STREQ(tables.German("meinem")->english, "my");
    EXPECT_FALSE(tables.German("unsere"));
    EXPECT_TRUE(tables.InList("particle", "auf"));
    EXPECT_FALSE(tables.InList("particle", "mir"));
    EXPECT_EQ(tables.Value("dative", "me"), "mir");
    EXPECT_EQ(tables.Value("dative", "you"), "");
    EXPECT_FLOAT_EQ(tables.Weight("rank"), 0.5f);
}

TEST(EngineTables, UnsoundTablesAreRefusedWithTheirReason) {
    std::string error;
    EXPECT_FALSE(EngineTables().Load({{"german-words", "form\tkind\nder\tarticle\n"}}, &error));
    EXPECT_NE(error.find("no column english"), std::string::npos) << error;
    std::string wrongKind = std::string(kGerman) + "xx\tnoun\tx\t3\t-\t-\t-\t-\t-\t-\n";
    EXPECT_FALSE(EngineTables().Load({{"german-words", wrongKind}}, &error));
    EXPECT_NE(error.find("unknown kind noun"), std::string::npos) << error;
    EXPECT_FALSE(EngineTables().Load({{"weights", "name\tvalue\nrank\tmuch\n"}}, &error));
    EXPECT_FALSE(EngineTables().Load({{"word-lists", "list\tword\tvalue\nshort\trow\n"}}, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}
