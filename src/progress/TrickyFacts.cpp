#include "progress/TrickyFacts.h"

#include "quiz/TextRules.h"

#include <algorithm>

namespace numberlark::progress {

namespace {

struct Candidate {
    Fact fact;
    double weight = 0.0;
};

std::vector<Candidate> trickiestFacts(const std::vector<FactStats>& stats)
{
    std::vector<Candidate> pool;
    for (const FactStats& fact : stats) {
        if (fact.asked > 0) {
            pool.push_back({fact.fact, trickiness(fact)});
        }
    }
    std::stable_sort(pool.begin(), pool.end(), [](const Candidate& a, const Candidate& b) {
        return a.weight > b.weight || (a.weight == b.weight && a.fact < b.fact);
    });
    if (pool.size() > static_cast<std::size_t>(kTrickyPool)) {
        pool.resize(kTrickyPool);
    }
    return pool;
}

// A candidate other than `previous`, chosen in proportion to its weight.
std::size_t drawCandidate(const std::vector<Candidate>& pool, std::size_t previous,
                          RandomSource& random)
{
    double total = 0.0;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        total += i == previous ? 0.0 : pool[i].weight;
    }
    double point = random.next() * total;
    std::size_t last = 0;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        if (i == previous) {
            continue;
        }
        last = i;
        if (point < pool[i].weight) {
            return i;
        }
        point -= pool[i].weight;
    }
    return last; // rounding at the very top of the range
}

PracticeQuestion questionOf(const Fact& fact)
{
    return {fact.first, fact.second, number_text(fact.first) + " x" + number_text(fact.second)};
}

// Tricky facts first, then those getting there; known facts only fill a
// pool that would otherwise be too small to draw from.
double fluencyWeight(practice::Fluency fluency)
{
    switch (fluency) {
    case practice::Fluency::Tricky:
        return 6.0;
    case practice::Fluency::GettingThere:
        return 3.0;
    case practice::Fluency::Known:
        return 1.0;
    case practice::Fluency::NotAskedYet:
        break;
    }
    return 0.0;
}

} // namespace

double trickiness(const FactStats& stats)
{
    if (stats.asked <= 0 || stats.fluency == practice::Fluency::NotAskedYet) {
        return 0.0;
    }
    const double asked = stats.asked;
    const double wrongEach = stats.wrongAnswers / asked;
    const double missedFirstTime = (asked - stats.rightFirstTime) / asked;
    return fluencyWeight(stats.fluency) + 4.0 * wrongEach + 2.0 * missedFirstTime;
}

std::vector<PracticeQuestion> chooseTrickyFacts(const std::vector<FactStats>& stats,
                                                RandomSource& random, int count)
{
    const std::vector<Candidate> pool = trickiestFacts(stats);
    std::vector<PracticeQuestion> sheet;
    if (pool.size() < 2) {
        for (const Candidate& only : pool) {
            sheet.push_back(questionOf(only.fact));
        }
        return sheet;
    }
    std::size_t previous = pool.size(); // none yet
    for (int i = 0; i < count; ++i) {
        previous = drawCandidate(pool, previous, random);
        sheet.push_back(questionOf(pool[previous].fact));
    }
    return sheet;
}

} // namespace numberlark::progress
