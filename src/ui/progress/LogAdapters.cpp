#include "ui/progress/LogAdapters.h"

#include "progress/FactStats.h"

#include <algorithm>

namespace numberlark {

using progress::FactStats;

ImportCounts importWithLog(progress::ProgressLog& /*log*/, const QString& /*path*/)
{
    ImportCounts counts;
    counts.failure = QStringLiteral("Importing a results file is not available yet.");
    return counts;
}

// The facts that are not known yet, the most wrong answers first, then the
// slowest, taken in turn until there are enough.
std::vector<progress::Fact> trickyFactsFromLog(const std::vector<FactStats>& stats, int count)
{
    std::vector<FactStats> tricky;
    std::copy_if(stats.begin(), stats.end(), std::back_inserter(tricky), [](const FactStats& s) {
        return progress::gradeFact(s) != progress::FactGrade::Known;
    });
    if (tricky.empty()) {
        tricky = stats;
    }
    std::stable_sort(tricky.begin(), tricky.end(), [](const FactStats& a, const FactStats& b) {
        return std::pair(a.wrongAnswers, a.medianMillis.value_or(0)) >
               std::pair(b.wrongAnswers, b.medianMillis.value_or(0));
    });
    std::vector<progress::Fact> facts;
    for (int i = 0; !tricky.empty() && i < count; ++i) {
        facts.push_back(tricky[static_cast<std::size_t>(i) % tricky.size()].fact);
    }
    return facts;
}

} // namespace numberlark
