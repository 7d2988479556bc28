#pragma once

#include "quiz/RandomSource.h"
#include "quiz/SessionRecord.h"

#include <cstdint>

namespace numberlark {

// Largest table (in size) whose ten products fit in a signed 16-bit integer.
inline constexpr int kLargestTable = 3276;

// Draws the next question for the record's table into `question`, `answer`
// and `previous_answer`: a multiplier 1..10 redrawn until the product differs
// from the previous one, and a random order of the two factors. In a mixed
// test the table is drawn anew (1..12) for every question; table 0 reads 9.
// The table must lie within +-kLargestTable (the table choice refuses others).
// Returns the two numbers in the order the question shows them.
struct ShownFactors {
    std::int16_t first = 0;
    std::int16_t second = 0;
};
ShownFactors think_of_numbers(SessionRecord& record, bool mixed, RandomSource& random);

} // namespace numberlark
