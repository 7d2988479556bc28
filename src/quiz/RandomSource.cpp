#include "quiz/RandomSource.h"

#include <chrono>
#include <cmath>

namespace numberlark {

ClockSeededRandom::ClockSeededRandom()
    : ClockSeededRandom(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

ClockSeededRandom::ClockSeededRandom(std::mt19937::result_type seed) : m_engine(seed) {}

double ClockSeededRandom::next()
{
    // generate_canonical may round up to exactly 1.0; the draws need [0, 1).
    const double r = std::generate_canonical<double, 53>(m_engine);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

} // namespace numberlark
