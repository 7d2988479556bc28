#include "practice/FactState.h"

#include <algorithm>

namespace numberlark::practice {

bool isFluent(const PracticeAnswer& answer, FluencyLimit limit)
{
    return answer.wrongTries == 0 && (!limit || answer.took <= *limit);
}

void FactState::record(const PracticeAnswer& answer, FluencyLimit limit)
{
    const bool fluent = isFluent(answer, limit);
    const auto day = std::chrono::floor<std::chrono::days>(answer.when);
    const bool wasDue = isDue(day);
    const bool firstTry = !tried();
    m_recent.add(answer, limit);
    m_lastWrongInTest = answer.wrongTries > 0 && answer.source == PracticeAnswer::Source::Test;

    if (firstTry) {
        // Fluent at first sight: the child knew it already, so skip a box.
        moveTo(fluent ? 2 : 1, day);
    } else if (answer.wrongTries > 0) {
        moveTo(1, day);
    } else if (wasDue) {
        // Known at a review moves up; a slow answer stays and is reviewed
        // again after the same interval.
        moveTo(fluent && known() ? std::min(m_box + 1, kBoxCount) : m_box, day);
    }
    // Answers between reviews rehearse a fact without moving it.
}

std::chrono::local_days FactState::dueDay() const
{
    const int box = std::clamp(m_box, 1, kBoxCount);
    return m_boxDay + std::chrono::days{kReviewAfterDays[box - 1]};
}

void FactState::moveTo(int box, std::chrono::local_days day)
{
    m_box = box;
    m_boxDay = day;
}

} // namespace numberlark::practice
