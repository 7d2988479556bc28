#include "progress/TrickyFacts.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace numberlark::progress;
using numberlark::practice::Fluency;
using numberlark::testing::ScriptedRandom;

namespace {

FactStats stats(std::int16_t first, std::int16_t second, int asked, int rightFirstTime, int wrong,
                std::int64_t medianMillis, Fluency fluency)
{
    return {{first, second}, asked, rightFirstTime, wrong, medianMillis, fluency};
}

// Twenty draws spread over [0, 1) in a scrambled order.
std::vector<double> evenDraws()
{
    std::vector<double> draws;
    for (int k = 0; k < 20; ++k) {
        draws.push_back(((k * 7) % 20 + 0.5) / 20.0);
    }
    return draws;
}

TEST(TrickyFacts, WrongAndSlowFactsComeOftenerAndNeverTwiceInARow)
{
    const std::vector<FactStats> facts = {
        stats(2, 3, 10, 10, 0, 1500, Fluency::Known),
        stats(7, 8, 10, 4, 9, 9000, Fluency::Tricky),
        stats(6, 7, 10, 9, 1, 4000, Fluency::GettingThere),
        stats(3, 4, 0, 0, 0, 0, Fluency::NotAskedYet),
    };
    ScriptedRandom random(evenDraws());
    const std::vector<PracticeQuestion> sheet = chooseTrickyFacts(facts, random);
    ASSERT_EQ(sheet.size(), 40u);
    std::map<Fact, int> drawn;
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const Fact fact{std::min(sheet[i].first, sheet[i].second),
                        std::max(sheet[i].first, sheet[i].second)};
        ++drawn[fact];
        if (i > 0) {
            EXPECT_NE(std::minmax(sheet[i].first, sheet[i].second),
                      std::minmax(sheet[i - 1].first, sheet[i - 1].second))
                << "question " << i;
        }
    }
    EXPECT_EQ(drawn.count(Fact{3, 4}), 0u);
    const int often = drawn[Fact{7, 8}];
    const int sometimes = drawn[Fact{6, 7}];
    const int rarely = drawn[Fact{2, 3}];
    EXPECT_GT(often, sometimes);
    EXPECT_GT(sometimes, rarely);
    EXPECT_GT(rarely, 0);
}

TEST(TrickyFacts, TheDrawsChooseTheFactShownInItsOwnOrder)
{
    const std::vector<FactStats> facts = {stats(6, 7, 4, 3, 1, 4000, Fluency::GettingThere),
                                          stats(8, 7, 4, 0, 8, 9000, Fluency::Tricky)};
    // One draw per question: the fact; 8 x 7 is 8 x 7, never 7 x 8.
    ScriptedRandom random({0.0, 0.2, 0.0, 0.7});
    const std::vector<PracticeQuestion> sheet = chooseTrickyFacts(facts, random, 4);
    const std::vector<PracticeQuestion> expected = {
        {8, 7, " 8 x 7"}, {6, 7, " 6 x 7"}, {8, 7, " 8 x 7"}, {6, 7, " 6 x 7"}};
    EXPECT_EQ(sheet, expected);
}

TEST(TrickyFacts, OnlyTheTrickiestFactsAreDrawnFromAndAFewFactsGiveAShortSheet)
{
    std::vector<FactStats> facts;
    for (std::int16_t n = 1; n <= kTrickyPool; ++n) {
        facts.push_back(stats(n, 12, 5, 2, 4, 7000, Fluency::Tricky));
    }
    facts.push_back(stats(2, 2, 5, 5, 0, 1000, Fluency::Known));
    ScriptedRandom random(evenDraws());
    for (const PracticeQuestion& question : chooseTrickyFacts(facts, random)) {
        EXPECT_NE(question.text, " 2 x 2");
    }
    EXPECT_EQ(chooseTrickyFacts({facts.back()}, random).size(), 1u);
    EXPECT_TRUE(chooseTrickyFacts({}, random).empty());
}

} // namespace
