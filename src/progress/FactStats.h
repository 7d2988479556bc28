#pragma once

#include "progress/ProgressRecords.h"

#include <cstdint>
#include <vector>

namespace numberlark::progress {

// The fact two numbers make, whichever order they were shown in.
Fact factOf(std::int16_t a, std::int16_t b);

// Every fact a child has answered in these tests and practice sessions, in
// fact order, with how often it was asked, answered right first time,
// answered wrongly, and the median time to the right answer. Imported tests
// carry no answers and add nothing.
std::vector<FactStats> collectFactStats(const std::vector<TestRecord>& tests,
                                        const std::vector<PracticeSessionRecord>& practice = {});

// The figures for one fact; a fact never asked has asked == 0.
FactStats statsFor(const std::vector<FactStats>& all, Fact fact);

// How well a child knows a fact, as the facts grid colours it.
enum class FactGrade {
    NotAsked, // grey
    Known,    // green: right first time and quick
    Slow,     // amber: right, but slow or not always at the first try
    Tricky,   // red: often wrong
};

// A median at or under this is quick for a child at the keyboard.
inline constexpr std::int64_t kQuickMillis = 5000;
// Known needs at least this share of answers right at the first try.
inline constexpr double kKnownFirstTryShare = 0.9;
// Below this share right at the first try a fact counts as often wrong.
inline constexpr double kTrickyFirstTryShare = 2.0 / 3.0;

FactGrade gradeFact(const FactStats& stats);

} // namespace numberlark::progress
