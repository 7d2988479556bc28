#pragma once

#include "practice/Fluency.h"
#include "practice/PracticeAnswer.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace numberlark::practice {

// Right at the first try, and within the limit when there is one.
bool isFluent(const PracticeAnswer& answer, FluencyLimit limit);

// What a child's answers so far say about one fact: its box and how its
// latest tries went. Answers must be recorded in the order they were given.
class FactState {
public:
    // Box 1 to 5 is reviewed this many days after the fact entered it.
    static constexpr int kBoxCount = 5;
    static constexpr int kReviewAfterDays[kBoxCount] = {1, 3, 7, 14, 30};

    void record(const PracticeAnswer& answer, FluencyLimit limit);

    bool tried() const { return m_box > 0; }
    int box() const { return m_box; } // 0 while never tried
    Fluency fluency() const { return m_recent.fluency(); }
    bool known() const { return fluency() == Fluency::Known; }
    // The day its review is due; only meaningful once tried.
    std::chrono::local_days dueDay() const;
    bool isDue(std::chrono::local_days today) const { return tried() && dueDay() <= today; }
    // The latest answer was a wrong one in a test.
    bool lastWrongInTest() const { return m_lastWrongInTest; }

private:
    void moveTo(int box, std::chrono::local_days day);

    int m_box = 0;
    std::chrono::local_days m_boxDay{};
    RecentTries m_recent;
    bool m_lastWrongInTest = false;
};

} // namespace numberlark::practice
