#pragma once

#include "quiz/RandomSource.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace numberlark::testing {

// Returns the given draws in order, then starts again from the first.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> draws) : m_draws(std::move(draws))
    {
        if (m_draws.empty()) {
            throw std::invalid_argument("ScriptedRandom needs at least one draw");
        }
    }
    double next() override
    {
        const double draw = m_draws[m_next];
        m_next = (m_next + 1) % m_draws.size();
        ++m_count;
        return draw;
    }
    std::size_t drawsTaken() const { return m_count; }

private:
    std::vector<double> m_draws;
    std::size_t m_next = 0;
    std::size_t m_count = 0;
};

// The draw r for which floor(n * r + 1) gives value (1..n).
inline double drawFor(int value, int n)
{
    return (value - 0.5) / n;
}

} // namespace numberlark::testing
