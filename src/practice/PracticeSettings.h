#pragma once

#include <chrono>
#include <optional>

namespace numberlark::practice {

// What a grown-up chooses for practice. The choices offered are the
// constants below; the schedule itself accepts any positive values.
struct PracticeSettings {
    // An answer is fluent when right at the first try within this time;
    // without a limit, right at the first try is enough.
    std::optional<std::chrono::milliseconds> fluencyLimit = std::chrono::seconds{3};
    // A session ends after this long or after maxQuestions, whichever comes first.
    std::chrono::minutes length{5};
    int maxQuestions = 30;
};

inline constexpr std::chrono::seconds kFluencyLimitChoices[] = {
    std::chrono::seconds{3}, std::chrono::seconds{6}, std::chrono::seconds{12}};
inline constexpr std::chrono::minutes kLengthChoices[] = {
    std::chrono::minutes{3}, std::chrono::minutes{5}, std::chrono::minutes{10}};

// At least this share of a session's questions are facts the child already
// knows, so that each fact being learnt sits among known ones.
inline constexpr double kKnownShare = 0.7;

// A child who knows fewer facts than this starts from kStarterTables.
inline constexpr int kFewKnownFacts = 3;

// Facts that turn out not to be known are taken on at most this many per session.
inline constexpr int kMaxTakenOnPerSession = 3;

} // namespace numberlark::practice
