#pragma once

#include "classroom/ClassQueries.h"
#include "progress/FactStats.h"
#include "progress/ProgressRecords.h"

#include <array>
#include <vector>

namespace numberlark {

// What the teacher's overview shows, read from the school's server in one go.
using ClassOverview = classroom::ClassCounts;

// How many facts the overview names as the class's hardest.
inline constexpr int kHardestFactsShown = 10;

// The map's facts: 1 × 1 to 12 × 12 as ordered pairs, row by row.
inline constexpr int kMapSide = 12;
inline constexpr int kMapFacts = kMapSide * kMapSide;
// Each child's counts per fact of the map, in the order of
// ClassOverview::children; null where the child never met the fact. The
// pointers are into the overview's facts.
using ChildFactRow = std::array<const classroom::ChildFactCounts*, kMapFacts>;
std::vector<ChildFactRow> factRows(const ClassOverview& overview);

// A child's grade on one fact, as her own facts grid would colour it.
inline practice::Fluency gradeOf(const classroom::ChildFactCounts& counts)
{
    return counts.fluency;
}

// The tests on the school's server without who delivered them, as the
// progress window shows a log's, so every piece of the window works on the
// class as on this computer's log.
std::vector<progress::TestRecord>
toTestRecords(const std::vector<classroom::DeliveredTest>& delivered);

} // namespace numberlark
