#pragma once

#include <cstdint>

namespace numberlark {

// One question of a test as the child met it: the two numbers in the order
// shown, the table they came from, the wrong answers given before the right
// one, and the milliseconds from the question appearing to the right answer.
struct QuestionResult {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t table = 0;
    int wrongBefore = 0;
    std::int64_t millisToRight = 0;

    friend bool operator==(const QuestionResult&, const QuestionResult&) = default;
};

} // namespace numberlark
