#pragma once

#include "practice/Fluency.h"
#include "practice/PracticeAnswer.h"

#include <chrono>
#include <optional>
#include <span>
#include <vector>

namespace numberlark::practice {

// A calendar week, Monday to Sunday, named by its Monday.
std::chrono::local_days weekOf(std::chrono::local_seconds when);

// One week's figure of a child's trend.
struct WeekFigure {
    std::chrono::local_days monday;
    double value = 0.0;

    friend bool operator==(const WeekFigure&, const WeekFigure&) = default;
};

// Which facts a trend follows: every fact, or those of one times table
// (either factor is the table).
struct TableFilter {
    int table = 0; // 0 for every table

    bool holds(Fact fact) const
    {
        return table == 0 || fact.first == table || fact.second == table;
    }
};

// The median seconds per question over each week's answers, tests and
// practice alike, oldest week first; a week without answers has no figure.
std::vector<WeekFigure> weeklyMedianSeconds(std::span<const PracticeAnswer> answers,
                                            TableFilter filter = {});

// How many facts were Known at the end of each week, from the week of the
// first answer to the week of the last, every week listed. The answers are
// oldest first; each fact's fluency is the one every view shows.
std::vector<WeekFigure> weeklyKnownCounts(std::span<const PracticeAnswer> oldestFirst,
                                          FluencyLimit limit, TableFilter filter = {});

// The facts Known after every answer but not after those before `since`:
// the facts learnt since then. The answers are oldest first.
std::vector<Fact> factsLearntSince(std::span<const PracticeAnswer> oldestFirst, FluencyLimit limit,
                                   std::chrono::local_seconds since);

// How the latest week compares with the first: a tenth either way is
// about the same, so a slow day does not read as "slower".
enum class Pace { Faster, AboutTheSame, Slower };
Pace paceBetween(double firstWeekSeconds, double latestWeekSeconds);

} // namespace numberlark::practice
