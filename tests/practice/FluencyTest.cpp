#include "practice/Fluency.h"

#include <gtest/gtest.h>

#include <vector>

namespace numberlark::practice {
namespace {

using namespace std::chrono_literals;

struct Try {
    int wrongTries;
    std::chrono::milliseconds took;
};

TEST(Fluency, OneRuleFromAFactsAnswersOldestFirst)
{
    struct Row {
        const char* name;
        std::vector<Try> tries;
        FluencyLimit limit;
        Fluency fluency;
    };
    const std::vector<Row> rows = {
        {"no answer", {}, 3s, Fluency::NotAskedYet},
        {"tried once, quick", {{0, 2s}}, 3s, Fluency::Known},
        {"tried once, at the limit", {{0, 3s}}, 3s, Fluency::Known},
        {"tried once, slow", {{0, 3001ms}}, 3s, Fluency::GettingThere},
        {"tried once, wrong", {{1, 1s}}, 3s, Fluency::Tricky},
        {"untimed: slow but right is known", {{0, 40s}}, std::nullopt, Fluency::Known},
        {"untimed: wrong is still tricky", {{0, 1s}, {2, 1s}}, std::nullopt, Fluency::Tricky},
        {"two of two quick", {{0, 1s}, {0, 2s}}, 3s, Fluency::Known},
        {"one of two quick", {{0, 1s}, {0, 5s}}, 3s, Fluency::GettingThere},
        {"right after a wrong one", {{1, 1s}, {0, 1s}}, 3s, Fluency::GettingThere},
        {"two quick then wrong: the last try decides", {{0, 1s}, {0, 1s}, {1, 1s}}, 3s,
         Fluency::Tricky},
        {"two of the last three wrong", {{1, 1s}, {2, 1s}, {0, 1s}}, 3s, Fluency::Tricky},
        {"two of the last three quick", {{0, 1s}, {0, 9s}, {0, 1s}}, 3s, Fluency::Known},
        {"one wrong among three, two quick", {{0, 1s}, {1, 1s}, {0, 1s}}, 3s, Fluency::Known},
        {"right but slow three times", {{0, 5s}, {0, 6s}, {0, 4s}}, 3s, Fluency::GettingThere},
        {"only the last three count", {{3, 9s}, {3, 9s}, {0, 1s}, {0, 1s}, {0, 1s}}, 3s,
         Fluency::Known},
        {"a known fact forgotten twice", {{0, 1s}, {0, 1s}, {0, 1s}, {1, 1s}, {0, 1s}, {1, 1s}},
         3s, Fluency::Tricky},
    };
    for (const Row& row : rows) {
        std::vector<PracticeAnswer> answers;
        for (const Try& t : row.tries) {
            answers.push_back({.fact = {7, 8}, .wrongTries = t.wrongTries, .took = t.took});
        }
        EXPECT_EQ(fluencyOf(answers, row.limit), row.fluency) << row.name;
    }
}

} // namespace
} // namespace numberlark::practice
