#pragma once

#include "practice/Fact.h"

#include <chrono>

namespace numberlark::practice {

// One answer a child gave, as the progress log holds it, whether from a test
// or from practice. The schedule is computed from a child's answers alone.
struct PracticeAnswer {
    enum class Source { Test, Practice };

    Fact fact;
    int wrongTries = 0;                // wrong answers before the right one
    std::chrono::milliseconds took{0}; // from the question appearing to the answer that ended it
    std::chrono::local_seconds when{}; // the child's wall-clock time; days turn at local midnight
    Source source = Source::Practice;

    friend bool operator==(const PracticeAnswer&, const PracticeAnswer&) = default;
};

} // namespace numberlark::practice
