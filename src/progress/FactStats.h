#pragma once

#include "practice/Fluency.h"
#include "progress/ProgressRecords.h"

#include <vector>

namespace numberlark::progress {

// Every fact a child has answered in these tests and practice sessions, in
// fact order, with how often it was asked, answered right first time,
// answered wrongly, the median time to the right answer, and its fluency
// under `limit`. Imported tests carry no answers and add nothing.
std::vector<FactStats> collectFactStats(const std::vector<TestRecord>& tests,
                                        const std::vector<PracticeSessionRecord>& practice,
                                        practice::FluencyLimit limit);

// The figures for one fact; a fact never asked has asked == 0.
FactStats statsFor(const std::vector<FactStats>& all, Fact fact);

// How many of these facts have that fluency.
int countWith(const std::vector<FactStats>& all, practice::Fluency fluency);

} // namespace numberlark::progress
