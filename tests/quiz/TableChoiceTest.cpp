#include "quiz/TableChoice.h"

#include <gtest/gtest.h>

#include <ostream>

namespace numberlark {
namespace {

TEST(TableChoice, StartsWithNineSelectedAndTheTableStillZero)
{
    SessionRecord record;
    TableChoice choice(record);
    EXPECT_EQ(choice.selectedIndex(), 7);
    EXPECT_EQ(record.current_table, 0);
    EXPECT_EQ(choice.otherText(), "13");
    EXPECT_FALSE(choice.otherEnabled());
    EXPECT_TRUE(choice.canStart());
}

TEST(TableChoice, EachOptionStoresItsTable)
{
    SessionRecord record;
    TableChoice choice(record);
    for (int i = 0; i <= 10; ++i) {
        choice.select(i);
        EXPECT_EQ(record.current_table, i + 2);
        EXPECT_EQ(kTableOptions[static_cast<std::size_t>(i)].caption,
                  std::to_string(i + 2) + " times table");
        EXPECT_FALSE(choice.otherEnabled());
    }
    choice.select(kMixedIndex);
    EXPECT_EQ(record.current_table, 13);
    EXPECT_TRUE(choice.isMixed());
}

struct OtherCase {
    const char* text;
    std::int16_t table;
};

void PrintTo(const OtherCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class OtherText : public ::testing::TestWithParam<OtherCase> {};

TEST_P(OtherText, RoundsHalfToEven)
{
    SessionRecord record;
    TableChoice choice(record);
    choice.select(kOtherIndex);
    choice.setOtherText(GetParam().text);
    EXPECT_EQ(record.current_table, GetParam().table) << GetParam().text;
    EXPECT_TRUE(choice.canStart());
}

INSTANTIATE_TEST_SUITE_P(Examples, OtherText,
                         ::testing::Values(OtherCase{"13", 13}, OtherCase{"7", 7},
                                           OtherCase{"7.5", 8}, OtherCase{"6.5", 6},
                                           OtherCase{"", 0}, OtherCase{"abc", 0},
                                           OtherCase{"-4", -4}, OtherCase{"0", 0},
                                           OtherCase{"15", 15}, OtherCase{"3276", 3276},
                                           OtherCase{"-3276", -3276}));

TEST(TableChoice, OtherWithoutTypingGivesThirteen)
{
    SessionRecord record;
    TableChoice choice(record);
    choice.select(kOtherIndex);
    EXPECT_TRUE(choice.otherEnabled());
    EXPECT_EQ(record.current_table, 13);
}

TEST(TableChoice, TablesWhoseProductsOverflowAreRefusedUntilFixed)
{
    SessionRecord record;
    TableChoice choice(record);
    choice.select(kOtherIndex);
    choice.setOtherText("12");
    for (const char* text : {"3277", "-3277", "40000", "1e9", "-1e9", "32767"}) {
        choice.setOtherText(text);
        EXPECT_FALSE(choice.canStart()) << text;
        EXPECT_FALSE(choice.otherProblem().empty());
        EXPECT_EQ(record.current_table, 12) << "a refused text keeps the last good table";
    }
    // Choosing a numbered table makes the choice valid again; the text stays.
    choice.select(3);
    EXPECT_TRUE(choice.canStart());
    EXPECT_EQ(record.current_table, 5);
    choice.select(kOtherIndex);
    EXPECT_FALSE(choice.canStart());
    choice.setOtherText("14");
    EXPECT_TRUE(choice.canStart());
    EXPECT_TRUE(choice.otherProblem().empty());
    EXPECT_EQ(record.current_table, 14);
}

TEST(TableChoice, NumberedTableAfterOtherKeepsTheTextAndOtherRereadsIt)
{
    SessionRecord record;
    TableChoice choice(record);
    choice.select(kOtherIndex);
    choice.setOtherText("21");
    choice.select(0);
    EXPECT_EQ(record.current_table, 2);
    EXPECT_EQ(choice.otherText(), "21");
    choice.select(kOtherIndex);
    EXPECT_EQ(record.current_table, 21);
}

} // namespace
} // namespace numberlark
