#include "progress/FactStats.h"

#include "progress/PracticeHistory.h"

#include <algorithm>
#include <map>

namespace numberlark::progress {

namespace {

std::int64_t median(std::vector<std::int64_t>& values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[middle];
    }
    // The mean of the two middle values, without overflow.
    return values[middle - 1] + (values[middle] - values[middle - 1]) / 2;
}

} // namespace

std::vector<FactStats> collectFactStats(const std::vector<TestRecord>& tests,
                                        const std::vector<PracticeSessionRecord>& practice,
                                        practice::FluencyLimit limit)
{
    std::vector<practice::PracticeAnswer> history = practiceHistory(tests, practice);
    // The fluency model reads a fact's answers oldest first; within a test
    // the answers keep their question order.
    std::stable_sort(history.begin(), history.end(),
                     [](const auto& a, const auto& b) { return a.when < b.when; });
    std::map<Fact, FactStats> byFact;
    std::map<Fact, std::vector<std::int64_t>> times;
    std::map<Fact, practice::RecentTries> tries;
    for (const practice::PracticeAnswer& answer : history) {
        FactStats& stats = byFact[answer.fact];
        stats.fact = answer.fact;
        ++stats.asked;
        stats.rightFirstTime += answer.wrongTries == 0 ? 1 : 0;
        stats.wrongAnswers += std::max(answer.wrongTries, 0);
        times[answer.fact].push_back(std::max<std::int64_t>(answer.took.count(), 0));
        tries[answer.fact].add(answer, limit);
    }
    std::vector<FactStats> result;
    result.reserve(byFact.size());
    for (auto& [fact, stats] : byFact) {
        stats.medianMillis = median(times[fact]);
        stats.fluency = tries[fact].fluency();
        result.push_back(stats);
    }
    return result;
}

FactStats statsFor(const std::vector<FactStats>& all, Fact fact)
{
    const auto found = std::lower_bound(
        all.begin(), all.end(), fact,
        [](const FactStats& stats, const Fact& wanted) { return stats.fact < wanted; });
    if (found != all.end() && found->fact == fact) {
        return *found;
    }
    FactStats none;
    none.fact = fact;
    return none;
}

int countWith(const std::vector<FactStats>& all, practice::Fluency fluency)
{
    return static_cast<int>(std::count_if(all.begin(), all.end(), [fluency](const FactStats& s) {
        return s.fluency == fluency;
    }));
}

} // namespace numberlark::progress
