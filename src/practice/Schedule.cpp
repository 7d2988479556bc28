#include "practice/Schedule.h"

#include "practice/PracticeSettings.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace numberlark::practice {

namespace {

bool isStarter(Fact fact)
{
    const int table = learningTable(fact);
    return std::find(kStarterTables.begin(), kStarterTables.end(), table) != kStarterTables.end();
}

} // namespace

Schedule::Schedule(const std::vector<PracticeAnswer>& answers, Limit fluencyLimit)
    : m_limit(fluencyLimit)
{
    const auto byTime = [](const PracticeAnswer& a, const PracticeAnswer& b) {
        return a.when < b.when;
    };
    // The log reads answers in time order; other callers get them sorted
    // through an index, answers of the same second keeping their order.
    if (std::is_sorted(answers.begin(), answers.end(), byTime)) {
        for (const PracticeAnswer& answer : answers) {
            record(answer);
        }
        return;
    }
    // Sorting small keys rather than whole answers keeps this quick for a
    // log of many thousand tests.
    std::vector<std::pair<std::chrono::local_seconds, std::size_t>> order;
    order.reserve(answers.size());
    for (std::size_t index = 0; index < answers.size(); ++index) {
        order.emplace_back(answers[index].when, index);
    }
    std::sort(order.begin(), order.end());
    for (const auto& [when, index] : order) {
        record(answers[index]);
    }
}

void Schedule::record(const PracticeAnswer& answer)
{
    if (isValidFact(answer.fact)) {
        m_states[factIndex(answer.fact)].record(answer, m_limit);
    }
}

int Schedule::knownCount() const
{
    return static_cast<int>(std::count_if(m_states.begin(), m_states.end(),
                                          [](const FactState& s) { return s.known(); }));
}

std::vector<Fact> Schedule::dueOn(std::chrono::local_days day) const
{
    std::vector<Fact> due;
    for (const Fact fact : factsInLearningOrder()) {
        if (state(fact).isDue(day)) {
            due.push_back(fact);
        }
    }
    std::stable_sort(due.begin(), due.end(), [this](Fact a, Fact b) {
        const FactState& sa = state(a);
        const FactState& sb = state(b);
        return sa.dueDay() != sb.dueDay() ? sa.dueDay() < sb.dueDay() : sa.box() < sb.box();
    });
    return due;
}

std::vector<Fact> Schedule::sessionOrder(std::chrono::local_days day) const
{
    std::vector<Fact> order;
    std::array<bool, kFactCount> taken{};
    const auto take = [&](Fact fact) {
        if (!taken[factIndex(fact)]) {
            taken[factIndex(fact)] = true;
            order.push_back(fact);
        }
    };
    const auto& learning = factsInLearningOrder();
    if (knownCount() < kFewKnownFacts) {
        for (const Fact fact : learning) {
            if (!state(fact).tried() && isStarter(fact)) {
                take(fact);
            }
        }
    }
    for (const Fact fact : dueOn(day)) {
        take(fact);
    }
    for (const Fact fact : learning) {
        if (state(fact).lastWrongInTest()) {
            take(fact);
        }
    }
    for (const Fact fact : learning) {
        if (!state(fact).tried()) {
            take(fact);
        }
    }
    return order;
}

std::optional<Schedule::Reviews> Schedule::nextReviews(std::chrono::local_days day) const
{
    std::optional<Reviews> next;
    for (const FactState& s : m_states) {
        if (!s.tried()) {
            continue;
        }
        const auto due = std::max(s.dueDay(), day + std::chrono::days{1});
        if (!next || due < next->day) {
            next = Reviews{due, 1};
        } else if (due == next->day) {
            ++next->count;
        }
    }
    return next;
}

} // namespace numberlark::practice
