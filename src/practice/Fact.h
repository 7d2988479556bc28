#pragma once

#include <array>
#include <cstdint>

namespace numberlark::practice {

// A fact is an ordered pair, as the question shows it: 7 x 8 and 8 x 7 are
// two facts, because children find them unequally hard. The grid's factors
// are 1 to 12, so it has 144 facts; a typed Other table makes larger ones.
struct Fact {
    std::int16_t first = 1;
    std::int16_t second = 1;

    // clang-tidy mistakes the defaulted comparison's 0 for a null pointer.
    friend auto operator<=>(const Fact&, const Fact&) = default; // NOLINT(modernize-use-nullptr)
};

inline constexpr int kLargestFactor = 12;
inline constexpr int kFactCount = kLargestFactor * kLargestFactor;

constexpr bool isValidFact(Fact fact)
{
    return fact.first >= 1 && fact.first <= kLargestFactor && fact.second >= 1 &&
           fact.second <= kLargestFactor;
}

// 0..143, row by row; only for valid facts.
constexpr int factIndex(Fact fact)
{
    return (fact.first - 1) * kLargestFactor + (fact.second - 1);
}

constexpr Fact factAt(int index)
{
    return {static_cast<std::int16_t>(index / kLargestFactor + 1),
            static_cast<std::int16_t>(index % kLargestFactor + 1)};
}

// The tables in the order children usually learn them. A fact belongs to
// the earlier of its two factors' tables; 1 x 1 alone belongs to none and
// comes last.
inline constexpr std::array<int, 11> kLearningTables{10, 2, 5, 11, 3, 9, 4, 6, 12, 7, 8};

// The tables a child with almost nothing known starts from: the easiest,
// so that known facts soon surround the ones being learnt.
inline constexpr std::array<int, 3> kStarterTables{10, 2, 5};

// Which of kLearningTables the fact belongs to, or 0 for 1 x 1.
int learningTable(Fact fact);

// Every fact in learning order: table by table, and within a table the
// smaller other factor first, then the table's factor shown second before
// it is shown first (3 x 10 before 10 x 3).
const std::array<Fact, kFactCount>& factsInLearningOrder();

// Position of the fact in factsInLearningOrder(), 0..143.
int learningRank(Fact fact);

} // namespace numberlark::practice
