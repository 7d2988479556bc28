#include "progress/FactStats.h"

#include <gtest/gtest.h>

using namespace numberlark::progress;

namespace {

TestRecord testOf(std::vector<AnsweredQuestion> answers)
{
    TestRecord test;
    test.answers = std::move(answers);
    return test;
}

AnsweredQuestion answer(std::int16_t first, std::int16_t second, int wrong, std::int64_t millis)
{
    return {first, second, first, wrong, millis};
}

} // namespace

TEST(FactStats, CountsBothOrdersAsOneFactAcrossTestsAndPractice)
{
    const std::vector<TestRecord> tests = {
        testOf({answer(8, 7, 0, 3000), answer(3, 4, 2, 9000)}),
        testOf({answer(7, 8, 1, 5000), answer(7, 8, 0, 1000)}),
        TestRecord{}, // imported: no answers
    };
    // Practice answers count in the same facts as the tests' answers.
    PracticeSessionRecord practice;
    practice.answers = {{8, 7, 2, 7000}, {9, 9, 0, 800}};
    const std::vector<FactStats> stats = collectFactStats(tests, {practice});
    ASSERT_EQ(stats.size(), 3U);
    EXPECT_EQ(stats[0].fact, (Fact{3, 4}));
    const FactStats sevenEights = statsFor(stats, Fact{7, 8});
    EXPECT_EQ(sevenEights.asked, 4);
    EXPECT_EQ(sevenEights.rightFirstTime, 2);
    EXPECT_EQ(sevenEights.wrongAnswers, 3);
    EXPECT_EQ(sevenEights.medianMillis, 4000);
    EXPECT_EQ(statsFor(stats, Fact{9, 9}).asked, 1);
    EXPECT_EQ(statsFor(stats, Fact{6, 6}).asked, 0);
}

TEST(FactStats, MedianOfAnEvenCountIsTheMiddlePairsMean)
{
    const auto stats = collectFactStats({testOf({answer(2, 5, 0, 1000), answer(5, 2, 0, 4000),
                                                 answer(2, 5, 0, 2000), answer(5, 2, 0, 9000)})});
    ASSERT_EQ(stats.size(), 1U);
    EXPECT_EQ(stats[0].medianMillis, 3000);
}

TEST(FactStats, GradesFromFirstTryShareAndMedianTime)
{
    struct Case {
        int asked;
        int rightFirstTime;
        std::optional<std::int64_t> median;
        FactGrade grade;
    };
    const Case cases[] = {
        {0, 0, std::nullopt, FactGrade::NotAsked},
        {1, 1, kQuickMillis, FactGrade::Known},
        {1, 1, kQuickMillis + 1, FactGrade::Slow},
        {10, 9, 2000, FactGrade::Known},
        {10, 8, 2000, FactGrade::Slow},
        {3, 2, 2000, FactGrade::Slow},
        {3, 1, 2000, FactGrade::Tricky},
        {1, 0, 1000, FactGrade::Tricky},
    };
    for (const Case& c : cases) {
        FactStats stats;
        stats.asked = c.asked;
        stats.rightFirstTime = c.rightFirstTime;
        stats.medianMillis = c.median;
        EXPECT_EQ(gradeFact(stats), c.grade) << c.asked << " asked, " << c.rightFirstTime;
    }
}
