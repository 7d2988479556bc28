#include "progress/FactStats.h"

#include "progress/PracticeHistory.h"

#include <algorithm>
#include <map>

namespace numberlark::progress {

namespace {

std::int64_t median(std::vector<std::int64_t>& values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    // The mean of the two middle values, without overflow.
    const std::int64_t below = *std::max_element(values.begin(), middle);
    return below + (*middle - below) / 2;
}

// One fact's figures while its answers are read.
struct Tally {
    FactStats stats;
    std::vector<std::int64_t> times;
    practice::RecentTries tries;

    void add(const practice::PracticeAnswer& answer, practice::FluencyLimit limit)
    {
        ++stats.asked;
        stats.rightFirstTime += answer.wrongTries == 0 ? 1 : 0;
        stats.wrongAnswers += std::max(answer.wrongTries, 0);
        times.push_back(std::max<std::int64_t>(answer.took.count(), 0));
        tries.add(answer, limit);
    }

    FactStats finished(Fact fact)
    {
        stats.fact = fact;
        stats.medianMillis = median(times);
        stats.fluency = tries.fluency();
        return stats;
    }
};

} // namespace

std::vector<FactStats> collectFactStats(const std::vector<TestRecord>& tests,
                                        const std::vector<PracticeSessionRecord>& practice,
                                        practice::FluencyLimit limit)
{
    const std::vector<practice::PracticeAnswer> history = historyOldestFirst(tests, practice);
    // The grid's facts in an array, a typed Other table's few beyond it.
    std::vector<Tally> grid(practice::kFactCount);
    std::map<Fact, Tally> beyond;
    for (const practice::PracticeAnswer& answer : history) {
        Tally& tally = practice::isValidFact(answer.fact)
                           ? grid[static_cast<std::size_t>(practice::factIndex(answer.fact))]
                           : beyond[answer.fact];
        tally.add(answer, limit);
    }
    std::vector<FactStats> result;
    for (int index = 0; index < practice::kFactCount; ++index) {
        Tally& tally = grid[static_cast<std::size_t>(index)];
        if (tally.stats.asked > 0) {
            result.push_back(tally.finished(practice::factAt(index)));
        }
    }
    for (auto& [fact, tally] : beyond) {
        result.push_back(tally.finished(fact));
    }
    // Fact order, for statsFor().
    std::sort(result.begin(), result.end(),
              [](const FactStats& a, const FactStats& b) { return a.fact < b.fact; });
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
