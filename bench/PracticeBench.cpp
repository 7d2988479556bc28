// Times choosing a practice session's questions for a child whose log holds
// 10,000 tests of 20 answers each: the schedule computed from every answer,
// then a whole session of 30 questions chosen and answered.
//
//   bench_practice [runs]
//
// Prints the median and the slowest run, for answers in time order (as the
// log reads them) and shuffled.
#include "practice/PracticeSession.h"
#include "quiz/RandomSource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using namespace numberlark::practice;
using Clock = std::chrono::steady_clock;

constexpr int kTests = 10'000;
constexpr int kAnswersPerTest = 20;

// A test every few hours over about four years, each on one table, with
// some answers wrong and some slow.
std::vector<PracticeAnswer> sampleLog(std::mt19937& engine)
{
    std::uniform_int_distribution<int> factor(1, kLargestFactor);
    std::uniform_int_distribution<int> millis(800, 9000);
    std::bernoulli_distribution wrong(0.15);
    std::vector<PracticeAnswer> log;
    log.reserve(static_cast<std::size_t>(kTests) * kAnswersPerTest);
    auto when = std::chrono::local_seconds{std::chrono::days{18000}};
    for (int test = 0; test < kTests; ++test) {
        const auto table = static_cast<std::int8_t>(factor(engine));
        when += std::chrono::hours{3};
        for (int q = 0; q < kAnswersPerTest; ++q) {
            const int tries = wrong(engine) ? 1 : 0;
            log.push_back({{static_cast<std::int8_t>(factor(engine)), table},
                           tries,
                           std::chrono::milliseconds{millis(engine)},
                           when + std::chrono::seconds{5 * q},
                           PracticeAnswer::Source::Test});
        }
    }
    return log;
}

double chooseOnce(const std::vector<PracticeAnswer>& log, std::chrono::local_seconds now)
{
    const auto start = Clock::now();
    const PracticeSettings settings;
    numberlark::ClockSeededRandom random(5);
    PracticeSession session(Schedule(log, settings.fluencyLimit), settings, now,
                            numberlark::SteadyClock::instance(), random);
    int asked = 0;
    while (session.next()) {
        session.answer(asked++ % 4 != 0, std::chrono::milliseconds{2000});
    }
    if (asked == 0) {
        std::fprintf(stderr, "no question was chosen\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* name, const std::vector<PracticeAnswer>& log, int runs)
{
    const auto now = log.back().when + std::chrono::days{2};
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(chooseOnce(log, now));
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: %.1f ms median, %.1f ms slowest of %d\n", name, times[times.size() / 2],
                times.back(), runs);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    std::mt19937 engine(19);
    std::vector<PracticeAnswer> log = sampleLog(engine);
    report("practice session chosen over 10,000 tests", log, runs);
    std::shuffle(log.begin(), log.end(), engine);
    report("  the same answers out of time order", log, runs);
    return 0;
}
