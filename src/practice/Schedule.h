#pragma once

#include "practice/FactState.h"
#include "practice/PracticeAnswer.h"

#include <array>
#include <chrono>
#include <optional>
#include <vector>

namespace numberlark::practice {

// The state of all 144 facts for one child, computed from every answer the
// log holds for that child, tests and practice alike. Answers about numbers
// outside 1 to 12 (a typed "Other" table) say nothing about these facts.
class Schedule {
public:
    using Limit = FluencyLimit;

    explicit Schedule(Limit fluencyLimit) : m_limit(fluencyLimit) {}
    // The answers in any order; answers given at the same second keep theirs.
    Schedule(const std::vector<PracticeAnswer>& answers, Limit fluencyLimit);

    // The next answer; it must not be older than those already recorded.
    void record(const PracticeAnswer& answer);

    const FactState& state(Fact fact) const { return m_states[factIndex(fact)]; }
    bool isKnown(Fact fact) const { return state(fact).known(); }
    Fluency fluency(Fact fact) const { return state(fact).fluency(); }
    bool isFluent(const PracticeAnswer& answer) const
    {
        return practice::isFluent(answer, m_limit);
    }
    int knownCount() const;

    // The facts due for review on that day, the longest overdue first (and,
    // due the same day, the lower box first).
    std::vector<Fact> dueOn(std::chrono::local_days day) const;

    // The facts a session on that day takes up, in the order to take them
    // up: the starter tables' new facts while fewer than 3 facts are known,
    // then the due reviews, then facts last answered wrongly in a test, then
    // facts never tried, in learning order.
    std::vector<Fact> sessionOrder(std::chrono::local_days day) const;

    // The first day after `day` with reviews due, and how many: "Tomorrow:
    // 6 facts to review". Nothing when no fact has been tried.
    struct Reviews {
        std::chrono::local_days day;
        int count = 0;
    };
    std::optional<Reviews> nextReviews(std::chrono::local_days day) const;

private:
    Limit m_limit;
    std::array<FactState, kFactCount> m_states{};
};

} // namespace numberlark::practice
