#pragma once

#include <random>

namespace numberlark {

// A uniform random real in [0, 1). Tests inject a scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The program's source: a Mersenne Twister seeded once from the clock.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    explicit ClockSeededRandom(std::mt19937::result_type seed);
    double next() override;

private:
    std::mt19937 m_engine;
};

} // namespace numberlark
