#pragma once

#include "practice/PracticeAnswer.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace numberlark::practice {

// How well a child knows one fact. Every view that says so (the facts grid,
// the tricky facts, the report, the practice schedule and its summary, the
// class view) asks fluencyOf() or RecentTries and nothing else, so that a
// parent, a child and a teacher read the same word for the same fact.
enum class Fluency : std::uint8_t { NotAskedYet, Tricky, GettingThere, Known };

// Right at the first try within this time makes a try fluent; without a
// limit, right at the first try is enough.
using FluencyLimit = std::optional<std::chrono::milliseconds>;

// The last three tries of one fact, which are all that decide its fluency.
class RecentTries {
public:
    void add(const PracticeAnswer& answer, FluencyLimit limit);

    int count() const { return m_count; }
    // Tricky first: the latest try, or 2 of the last 3, not right at the
    // first try. Then Known: fluent in 2 of the last 3, or in every try
    // when there were fewer than three. Getting there otherwise.
    Fluency fluency() const;

private:
    void add(bool rightFirstTime, bool withinLimit);

    std::uint8_t m_right = 0;  // bit 0 is the latest try
    std::uint8_t m_fluent = 0; // bit 0 is the latest try
    int m_count = 0;
};

// The fluency a fact's answers give it, oldest first.
Fluency fluencyOf(std::span<const PracticeAnswer> oldestFirst, FluencyLimit limit);

} // namespace numberlark::practice
