#include "progress/FactStats.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace numberlark::progress;
using namespace std::chrono_literals;
using numberlark::practice::Fluency;

namespace {

const QDateTime kFirstDay(QDate(2026, 9, 3), QTime(16, 0), QTimeZone(7200));

TestRecord testOf(std::vector<AnsweredQuestion> answers, int day = 0)
{
    TestRecord test;
    test.when = kFirstDay.addDays(day);
    test.answers = std::move(answers);
    return test;
}

AnsweredQuestion answer(std::int16_t first, std::int16_t second, int wrong, std::int64_t millis)
{
    return {first, second, first, wrong, millis};
}

} // namespace

TEST(FactStats, CountsEachOrderAsAFactOfItsOwnAcrossTestsAndPractice)
{
    const std::vector<TestRecord> tests = {
        testOf({answer(8, 7, 0, 3000), answer(3, 4, 2, 9000)}),
        testOf({answer(7, 8, 1, 5000), answer(7, 8, 0, 1000)}, 1),
        TestRecord{}, // imported: no answers
    };
    // Practice answers count in the same facts as the tests' answers.
    PracticeSessionRecord practice;
    practice.started = kFirstDay.addDays(2);
    practice.answers = {{7, 8, 2, 7000}, {9, 9, 0, 800}, {13, 4, 0, 900}};
    const std::vector<FactStats> stats = collectFactStats(tests, {practice}, 3s);
    ASSERT_EQ(stats.size(), 5U);
    EXPECT_EQ(stats[0].fact, (Fact{3, 4}));
    const FactStats sevenEights = statsFor(stats, Fact{7, 8});
    EXPECT_EQ(sevenEights.asked, 3);
    EXPECT_EQ(sevenEights.rightFirstTime, 1);
    EXPECT_EQ(sevenEights.wrongAnswers, 3);
    EXPECT_EQ(sevenEights.medianMillis, 5000);
    EXPECT_EQ(statsFor(stats, Fact{8, 7}).asked, 1);
    EXPECT_EQ(statsFor(stats, Fact{9, 9}).asked, 1);
    EXPECT_EQ(statsFor(stats, Fact{13, 4}).fluency, Fluency::Known) << "beyond the grid";
    EXPECT_EQ(statsFor(stats, Fact{6, 6}).asked, 0);
}

TEST(FactStats, MedianOfAnEvenCountIsTheMiddlePairsMean)
{
    const auto stats = collectFactStats({testOf({answer(2, 5, 0, 1000), answer(2, 5, 0, 4000),
                                                 answer(2, 5, 0, 2000), answer(2, 5, 0, 9000)})},
                                        {}, 3s);
    ASSERT_EQ(stats.size(), 1U);
    EXPECT_EQ(stats[0].medianMillis, 3000);
}

// What the grid used to decide from shares and a median it now reads from
// the latest tries, in the order they were given (tests by date, a test's
// questions in order), under the [Practice] limit.
TEST(FactStats, FluencyFromTheLatestTriesInTheOrderGiven)
{
    struct Case {
        const char* name;
        std::vector<int> wrongPerTest; // one answer of 6 x 7 per test, oldest first
        std::int64_t millis;
        Fluency fluency;
    };
    const Case cases[] = {
        {"never asked", {}, 0, Fluency::NotAskedYet},
        {"once, quick", {0}, 3000, Fluency::Known},
        {"once, slow", {0}, 3001, Fluency::GettingThere},
        {"9 of 10 right first time", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 2000, Fluency::Known},
        {"8 of 10, the misses long ago", {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 2000, Fluency::Known},
        {"8 of 10, the latest missed", {0, 0, 0, 0, 0, 0, 0, 0, 1, 0}, 2000, Fluency::Known},
        {"2 of 3, the last wrong", {0, 0, 1}, 2000, Fluency::Tricky},
        {"1 of 3", {1, 1, 0}, 2000, Fluency::Tricky},
        {"0 of 1", {1}, 1000, Fluency::Tricky},
    };
    for (const Case& c : cases) {
        std::vector<TestRecord> tests;
        for (std::size_t day = 0; day < c.wrongPerTest.size(); ++day) {
            // Filed newest first, as a log may hand them over.
            tests.insert(tests.begin(),
                         testOf({answer(6, 7, c.wrongPerTest[day], c.millis)}, int(day)));
        }
        const auto stats = collectFactStats(tests, {}, 3s);
        EXPECT_EQ(statsFor(stats, Fact{6, 7}).fluency, c.fluency) << c.name;
        EXPECT_EQ(statsFor(stats, Fact{7, 6}).fluency, Fluency::NotAskedYet) << c.name;
    }
    // Within a test the question order decides: wrong, then right and quick.
    const auto oneTest = collectFactStats(
        {testOf({answer(6, 7, 1, 900), answer(6, 7, 0, 900), answer(6, 7, 0, 900)})}, {}, 3s);
    EXPECT_EQ(statsFor(oneTest, Fact{6, 7}).fluency, Fluency::Known);
}
