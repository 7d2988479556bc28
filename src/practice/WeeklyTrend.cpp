#include "practice/WeeklyTrend.h"

#include <algorithm>
#include <map>

namespace numberlark::practice {

namespace {

using std::chrono::local_days;

constexpr double kSameWithin = 0.10;
constexpr std::chrono::weeks kLongestFilledGap{520};

double median(std::vector<double>& values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    return (*std::max_element(values.begin(), middle) + *middle) / 2.0;
}

// Each fact's last tries as the answers go by, and how many are Known.
class Replay {
public:
    explicit Replay(FluencyLimit limit) : m_limit(limit) {}

    void add(const PracticeAnswer& answer)
    {
        RecentTries& tries = m_facts[answer.fact];
        const bool knownBefore = tries.fluency() == Fluency::Known;
        tries.add(answer, m_limit);
        m_known += (tries.fluency() == Fluency::Known ? 1 : 0) - (knownBefore ? 1 : 0);
    }

    int known() const { return m_known; }

    std::vector<Fact> knownFacts() const
    {
        std::vector<Fact> facts;
        for (const auto& [fact, tries] : m_facts) {
            if (tries.fluency() == Fluency::Known) {
                facts.push_back(fact);
            }
        }
        return facts;
    }

private:
    FluencyLimit m_limit;
    std::map<Fact, RecentTries> m_facts;
    int m_known = 0;
};

} // namespace

local_days weekOf(std::chrono::local_seconds when)
{
    const local_days day = std::chrono::floor<std::chrono::days>(when);
    const unsigned sinceMonday = std::chrono::weekday(day).iso_encoding() - 1;
    return day - std::chrono::days(sinceMonday);
}

std::vector<WeekFigure> weeklyMedianSeconds(std::span<const PracticeAnswer> answers,
                                            TableFilter filter)
{
    std::map<local_days, std::vector<double>> weeks;
    for (const PracticeAnswer& answer : answers) {
        if (filter.holds(answer.fact)) {
            const auto millis = std::max<std::int64_t>(answer.took.count(), 0);
            weeks[weekOf(answer.when)].push_back(static_cast<double>(millis) / 1000.0);
        }
    }
    std::vector<WeekFigure> figures;
    figures.reserve(weeks.size());
    for (auto& [monday, seconds] : weeks) {
        figures.push_back({monday, median(seconds)});
    }
    return figures;
}

std::vector<WeekFigure> weeklyKnownCounts(std::span<const PracticeAnswer> oldestFirst,
                                          FluencyLimit limit, TableFilter filter)
{
    std::vector<WeekFigure> figures;
    Replay replay(limit);
    for (const PracticeAnswer& answer : oldestFirst) {
        if (!filter.holds(answer.fact)) {
            continue;
        }
        const local_days week = weekOf(answer.when);
        // Weeks without answers keep the count the week before ended with;
        // a gap of years (or a date gone wrong) is not filled week by week.
        const bool fill = !figures.empty() && week - figures.back().monday <= kLongestFilledGap;
        while (fill && figures.back().monday < week) {
            figures.push_back(
                {figures.back().monday + std::chrono::weeks(1), figures.back().value});
        }
        if (figures.empty() || figures.back().monday < week) {
            figures.push_back({week, figures.empty() ? 0.0 : figures.back().value});
        }
        replay.add(answer);
        figures.back().value = replay.known();
    }
    return figures;
}

std::vector<Fact> factsLearntSince(std::span<const PracticeAnswer> oldestFirst, FluencyLimit limit,
                                   std::chrono::local_seconds since)
{
    Replay replay(limit);
    const auto firstNew =
        std::find_if(oldestFirst.begin(), oldestFirst.end(),
                     [since](const PracticeAnswer& a) { return a.when >= since; });
    std::for_each(oldestFirst.begin(), firstNew, [&replay](const auto& a) { replay.add(a); });
    const std::vector<Fact> before = replay.knownFacts();
    std::for_each(firstNew, oldestFirst.end(), [&replay](const auto& a) { replay.add(a); });
    std::vector<Fact> learnt;
    const std::vector<Fact> now = replay.knownFacts();
    std::set_difference(now.begin(), now.end(), before.begin(), before.end(),
                        std::back_inserter(learnt));
    return learnt;
}

Pace paceBetween(double firstWeekSeconds, double latestWeekSeconds)
{
    if (latestWeekSeconds < firstWeekSeconds * (1.0 - kSameWithin)) {
        return Pace::Faster;
    }
    if (latestWeekSeconds > firstWeekSeconds * (1.0 + kSameWithin)) {
        return Pace::Slower;
    }
    return Pace::AboutTheSame;
}

} // namespace numberlark::practice
