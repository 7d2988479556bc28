#include "practice/Fact.h"

#include <algorithm>
#include <tuple>

namespace numberlark::practice {

namespace {

int tablePosition(int table)
{
    const auto* found = std::find(kLearningTables.begin(), kLearningTables.end(), table);
    return static_cast<int>(found - kLearningTables.begin()); // 11 when not listed
}

// (table position, other factor, which side the table's factor is on)
std::tuple<int, int, int> learningKey(Fact fact)
{
    const int first = tablePosition(fact.first);
    const int second = tablePosition(fact.second);
    if (second <= first) {
        return {second, fact.first, 0};
    }
    return {first, fact.second, 1};
}

std::array<Fact, kFactCount> makeLearningOrder()
{
    std::array<Fact, kFactCount> facts{};
    for (int index = 0; index < kFactCount; ++index) {
        facts[index] = factAt(index);
    }
    std::sort(facts.begin(), facts.end(),
              [](Fact a, Fact b) { return learningKey(a) < learningKey(b); });
    return facts;
}

std::array<int, kFactCount> makeRanks()
{
    std::array<int, kFactCount> ranks{};
    const auto& order = factsInLearningOrder();
    for (int rank = 0; rank < kFactCount; ++rank) {
        ranks[factIndex(order[rank])] = rank;
    }
    return ranks;
}

} // namespace

int learningTable(Fact fact)
{
    const int position = std::get<0>(learningKey(fact));
    return position < static_cast<int>(kLearningTables.size()) ? kLearningTables[position] : 0;
}

const std::array<Fact, kFactCount>& factsInLearningOrder()
{
    static const std::array<Fact, kFactCount> order = makeLearningOrder();
    return order;
}

int learningRank(Fact fact)
{
    static const std::array<int, kFactCount> ranks = makeRanks();
    return ranks[factIndex(fact)];
}

} // namespace numberlark::practice
