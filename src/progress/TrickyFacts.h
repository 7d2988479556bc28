#pragma once

#include "progress/ProgressRecords.h"
#include "quiz/RandomSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace numberlark::progress {

// One question of a practice sheet, in the order to show its two numbers.
struct PracticeQuestion {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::string text; // " 7 x 8", the certificate's form

    friend bool operator==(const PracticeQuestion&, const PracticeQuestion&) = default;
};

// The facts a sheet draws from: the child's trickiest, at most this many.
inline constexpr int kTrickyPool = 12;

// How much a fact needs practice: its fluency first (Tricky most), then
// every wrong answer and every question not right first time add to it.
// Facts never asked weigh nothing.
double trickiness(const FactStats& stats);

// `count` questions drawn from the trickiest facts, each with a chance in
// proportion to its trickiness, never the same fact twice in a row, each
// shown in its own order. Fewer than two facts asked: each is given once.
std::vector<PracticeQuestion> chooseTrickyFacts(const std::vector<FactStats>& stats,
                                                RandomSource& random, int count = 40);

} // namespace numberlark::progress
