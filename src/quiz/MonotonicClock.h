#pragma once

#include <chrono>

namespace numberlark {

// Milliseconds from an arbitrary start that never run backwards. Tests
// inject their own clock and move it by hand.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::milliseconds now() const = 0;
};

// The program's clock: std::chrono::steady_clock.
class SteadyClock final : public MonotonicClock {
public:
    std::chrono::milliseconds now() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }

    static const SteadyClock& instance()
    {
        static const SteadyClock clock;
        return clock;
    }
};

} // namespace numberlark
