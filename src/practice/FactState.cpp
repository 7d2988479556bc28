#include "practice/FactState.h"

#include <algorithm>
#include <bit>

namespace numberlark::practice {

bool isFluent(const PracticeAnswer& answer, std::optional<std::chrono::milliseconds> limit)
{
    return answer.wrongTries == 0 && (!limit || answer.took <= *limit);
}

void FactState::record(const PracticeAnswer& answer, bool fluent)
{
    const auto day = std::chrono::floor<std::chrono::days>(answer.when);
    const bool wasDue = isDue(day);
    const bool firstTry = !tried();
    m_recentFluent = static_cast<std::uint8_t>(((m_recentFluent << 1) | (fluent ? 1 : 0)) & 0b111);
    ++m_tries;
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

bool FactState::known() const
{
    const int fluentTries = std::popcount(m_recentFluent);
    return m_tries == 1 ? fluentTries == 1 : fluentTries >= 2;
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
