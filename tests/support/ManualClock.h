#pragma once

#include "quiz/MonotonicClock.h"

namespace numberlark::testing {

// A clock that moves only when the test moves it.
class ManualClock final : public MonotonicClock {
public:
    std::chrono::milliseconds now() const override { return m_now; }
    void advance(std::chrono::milliseconds step) { m_now += step; }

private:
    std::chrono::milliseconds m_now{1000};
};

} // namespace numberlark::testing
