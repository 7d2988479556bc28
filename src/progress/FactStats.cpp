#include "progress/FactStats.h"

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

double firstTryShare(const FactStats& stats)
{
    return static_cast<double>(stats.rightFirstTime) / static_cast<double>(stats.asked);
}

} // namespace

Fact factOf(std::int16_t a, std::int16_t b)
{
    return a <= b ? Fact{a, b} : Fact{b, a};
}

std::vector<FactStats> collectFactStats(const std::vector<TestRecord>& tests,
                                        const std::vector<PracticeSessionRecord>& practice)
{
    std::map<Fact, FactStats> byFact;
    std::map<Fact, std::vector<std::int64_t>> times;
    const auto count = [&](std::int16_t first, std::int16_t second, int wrong,
                           std::int64_t millis) {
        const Fact fact = factOf(first, second);
        FactStats& stats = byFact[fact];
        stats.fact = fact;
        ++stats.asked;
        stats.rightFirstTime += wrong == 0 ? 1 : 0;
        stats.wrongAnswers += std::max(wrong, 0);
        times[fact].push_back(std::max<std::int64_t>(millis, 0));
    };
    for (const TestRecord& test : tests) {
        for (const AnsweredQuestion& answer : test.answers) {
            count(answer.first, answer.second, answer.wrongBefore, answer.millisToRight);
        }
    }
    for (const PracticeSessionRecord& session : practice) {
        for (const PracticeAnswerRecord& answer : session.answers) {
            count(answer.first, answer.second, answer.wrongTries, answer.millis);
        }
    }
    std::vector<FactStats> result;
    result.reserve(byFact.size());
    for (auto& [fact, stats] : byFact) {
        stats.medianMillis = median(times[fact]);
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

FactGrade gradeFact(const FactStats& stats)
{
    if (stats.asked <= 0) {
        return FactGrade::NotAsked;
    }
    const double share = firstTryShare(stats);
    if (share < kTrickyFirstTryShare) {
        return FactGrade::Tricky;
    }
    const bool quick = stats.medianMillis && *stats.medianMillis <= kQuickMillis;
    return share >= kKnownFirstTryShare && quick ? FactGrade::Known : FactGrade::Slow;
}

} // namespace numberlark::progress
