#include "practice/WeeklyTrend.h"

#include <gtest/gtest.h>

#include <vector>

namespace numberlark::practice {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

// Monday 2 March 2026, midnight.
constexpr local_days kMonday{local_days{} + days(20514)};

PracticeAnswer answer(hours at, Fact fact, int wrongTries, milliseconds took)
{
    return {.fact = fact, .wrongTries = wrongTries, .took = took, .when = kMonday + at};
}

std::vector<WeekFigure> weekly(std::initializer_list<std::pair<int, double>> figures)
{
    std::vector<WeekFigure> result;
    for (const auto& [week, value] : figures) {
        result.push_back({kMonday + weeks(week), value});
    }
    return result;
}

TEST(WeeklyTrend, MediansAndKnownCountsWeekByWeek)
{
    struct Row {
        const char* name;
        std::vector<PracticeAnswer> oldestFirst;
        TableFilter filter;
        std::vector<WeekFigure> medians;
        std::vector<WeekFigure> known;
    };
    const std::vector<Row> rows = {
        {"right but slow is never known; a quiet week keeps its count",
         {answer(9h, {7, 8}, 0, 2s), answer(9h, {6, 9}, 0, 5s), answer(16 * 24h, {7, 8}, 1, 1s),
          answer(16 * 24h, {6, 9}, 0, 4s), answer(16 * 24h, {3, 4}, 0, 1s)},
         {},
         weekly({{0, 3.5}, {2, 1.0}}),
         weekly({{0, 1}, {1, 1}, {2, 1}})},
        {"Sunday night and Monday morning are two weeks",
         {answer(6 * 24h + 23h, {2, 3}, 0, 1s), answer(7 * 24h, {2, 3}, 0, 3s)},
         {},
         weekly({{0, 1.0}, {1, 3.0}}),
         weekly({{0, 1}, {1, 1}})},
        {"one table follows only its own facts",
         {answer(1h, {7, 8}, 0, 6s), answer(1h, {3, 7}, 0, 1s), answer(1h, {3, 4}, 0, 1s)},
         {7},
         weekly({{0, 3.5}}),
         weekly({{0, 1}})},
        {"a gap of years is not filled week by week",
         {answer(1h, {2, 3}, 0, 1s), answer(5200 * 24h, {2, 3}, 0, 3s)},
         {},
         weekly({{0, 1.0}, {742, 3.0}}),
         weekly({{0, 1}, {742, 1}})},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(weeklyMedianSeconds(row.oldestFirst, row.filter), row.medians) << row.name;
        EXPECT_EQ(weeklyKnownCounts(row.oldestFirst, 3s, row.filter), row.known) << row.name;
    }
}

TEST(WeeklyTrend, FactsLearntAreThoseKnownNowAndNotBefore)
{
    const std::vector<PracticeAnswer> history = {
        answer(1h, {7, 8}, 0, 1s),  answer(1h, {6, 9}, 0, 1s),  answer(1h, {3, 4}, 0, 9s),
        answer(50h, {6, 9}, 1, 1s), answer(50h, {3, 4}, 0, 1s), answer(50h, {3, 4}, 0, 1s)};
    EXPECT_EQ(factsLearntSince(history, 3s, kMonday + 48h), (std::vector<Fact>{{3, 4}}));
    EXPECT_EQ(factsLearntSince(history, 3s, kMonday + 60h), std::vector<Fact>{});
}

TEST(WeeklyTrend, PaceIsAboutTheSameWithinATenth)
{
    const std::tuple<double, double, Pace> rows[] = {
        {9.4, 6.0, Pace::Faster},         {10.0, 8.9, Pace::Faster},
        {10.0, 9.1, Pace::AboutTheSame},  {10.0, 11.1, Pace::Slower},
        {10.0, 10.9, Pace::AboutTheSame},
    };
    for (const auto& [first, latest, pace] : rows) {
        EXPECT_EQ(paceBetween(first, latest), pace) << first << " then " << latest;
    }
}

} // namespace
} // namespace numberlark::practice
