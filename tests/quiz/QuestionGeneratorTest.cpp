#include "quiz/QuestionGenerator.h"

#include "quiz/TextRules.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <set>

namespace numberlark {
namespace {

using testing::drawFor;
using testing::ScriptedRandom;

TEST(ThinkOfNumbers, TableZeroReadsNineAndOrderFollowsTheDraw)
{
    SessionRecord record;
    ScriptedRandom random({drawFor(7, 10), drawFor(1, 2), drawFor(3, 10), drawFor(2, 2)});
    think_of_numbers(record, false, random);
    EXPECT_EQ(record.current_table, 9);
    EXPECT_EQ(record.answer, 63);
    EXPECT_EQ(record.previous_answer, 63);
    EXPECT_EQ(record.question, " 7 x 9");
    think_of_numbers(record, false, random);
    EXPECT_EQ(record.answer, 27);
    EXPECT_EQ(record.question, " 9 x 3");
}

TEST(ThinkOfNumbers, RedrawsOnlyTheMultiplierUntilTheProductDiffers)
{
    SessionRecord record;
    record.current_table = 4;
    record.previous_answer = 12;
    // m = 3 twice (12 again), then m = 5.
    ScriptedRandom random({drawFor(3, 10), drawFor(3, 10), drawFor(5, 10), drawFor(1, 2)});
    think_of_numbers(record, false, random);
    EXPECT_EQ(record.answer, 20);
    EXPECT_EQ(random.drawsTaken(), 4u);
}

TEST(ThinkOfNumbers, MixedDrawsATablePerQuestionAndKeepsItDuringRedraws)
{
    SessionRecord record;
    record.current_table = 13; // what "Mixed" stores
    record.previous_answer = 12;
    // table 6, m = 2 (12 again), m = 3.
    ScriptedRandom random({drawFor(6, 12), drawFor(2, 10), drawFor(3, 10), drawFor(2, 2)});
    think_of_numbers(record, true, random);
    EXPECT_EQ(record.current_table, 6);
    EXPECT_EQ(record.answer, 18);
    EXPECT_EQ(record.question, " 6 x 3");
}

TEST(ThinkOfNumbers, NegativeTableWritesItsSignAfterTheX)
{
    SessionRecord record;
    record.current_table = -4;
    ScriptedRandom random({drawFor(3, 10), drawFor(1, 2)});
    think_of_numbers(record, false, random);
    EXPECT_EQ(record.answer, -12);
    EXPECT_EQ(record.question, " 3 x-4");
}

// Long runs with the real generator: products stay in the table, never
// repeat back to back, and both factor orders and every multiplier occur.
TEST(ThinkOfNumbers, LongRunsKeepTheRules)
{
    for (const int table : {9, 2, -7, 3276, -3276}) {
        SessionRecord record;
        record.current_table = static_cast<std::int16_t>(table);
        ClockSeededRandom random(1234);
        std::set<int> multipliers;
        std::set<bool> tableFirst;
        int previous = 0;
        for (int i = 0; i < 500; ++i) {
            think_of_numbers(record, false, random);
            ASSERT_EQ(record.answer % table, 0);
            const int m = record.answer / table;
            multipliers.insert(m);
            const std::string multiplierFirst = number_text(m) + " x" + number_text(table);
            const std::string tableFirstText = number_text(table) + " x" + number_text(m);
            ASSERT_TRUE(record.question == multiplierFirst || record.question == tableFirstText)
                << record.question;
            tableFirst.insert(record.question == tableFirstText);
            ASSERT_NE(record.answer, previous);
            previous = record.answer;
        }
        EXPECT_EQ(multipliers, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << table;
        EXPECT_EQ(tableFirst.size(), 2u) << table;
    }
}

TEST(ThinkOfNumbers, MixedRunsUseEveryTableFromOneToTwelve)
{
    SessionRecord record;
    ClockSeededRandom random(99);
    std::set<int> tables;
    int previous = 0;
    for (int i = 0; i < 2000; ++i) {
        think_of_numbers(record, true, random);
        tables.insert(record.current_table);
        ASSERT_NE(record.answer, previous);
        previous = record.answer;
    }
    EXPECT_EQ(tables.size(), 12u);
    EXPECT_EQ(*tables.begin(), 1);
    EXPECT_EQ(*tables.rbegin(), 12);
}

} // namespace
} // namespace numberlark
