#include "practice/Fluency.h"

#include <algorithm>
#include <bit>

namespace numberlark::practice {

namespace {

constexpr std::uint8_t kLastThree = 0b111;

std::uint8_t shiftIn(std::uint8_t bits, bool latest)
{
    return static_cast<std::uint8_t>(((bits << 1) | (latest ? 1 : 0)) & kLastThree);
}

} // namespace

void RecentTries::add(bool rightFirstTime, bool withinLimit)
{
    m_right = shiftIn(m_right, rightFirstTime);
    m_fluent = shiftIn(m_fluent, rightFirstTime && withinLimit);
    ++m_count;
}

void RecentTries::add(const PracticeAnswer& answer, FluencyLimit limit)
{
    add(answer.wrongTries == 0, !limit || answer.took <= *limit);
}

Fluency RecentTries::fluency() const
{
    if (m_count == 0) {
        return Fluency::NotAskedYet;
    }
    const int tries = std::min(m_count, 3);
    const int missed = tries - std::popcount(m_right);
    if ((m_right & 1) == 0 || missed >= 2) {
        return Fluency::Tricky;
    }
    const int fluent = std::popcount(m_fluent);
    const bool known = tries == 3 ? fluent >= 2 : fluent == tries;
    return known ? Fluency::Known : Fluency::GettingThere;
}

Fluency fluencyOf(std::span<const PracticeAnswer> oldestFirst, FluencyLimit limit)
{
    RecentTries tries;
    for (const PracticeAnswer& answer : oldestFirst) {
        tries.add(answer, limit);
    }
    return tries.fluency();
}

} // namespace numberlark::practice
