#pragma once

#include "practice/PracticeSession.h"
#include "quiz/RandomSource.h"
#include "support/ManualClock.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace numberlark::practice::testing {

// How a simulated child answers a fact: right or not, and how fast.
struct Reply {
    bool right = true;
    std::chrono::milliseconds took{1500};
};
using Child = std::function<Reply(Fact)>;

// One question of a played session, as the test sees it.
struct Asked {
    Fact fact;
    bool known = false;   // known before, or never tried and fluent at first sight
    bool due = false;     // due for review when the session began
    bool takenOn = false; // neither known nor due at the start, and not fluent now
    std::chrono::milliseconds at{0}, took{0}; // into the session, and answering
};

// 17:00 on the given day of the simulation.
inline std::chrono::local_seconds dayAt(int day)
{
    using namespace std::chrono;
    return local_seconds{days{20000 + day}} + hours{17};
}

// Plays one session on `day` from the child's log and adds its answers to it;
// `ending`, when given, receives why it ended.
inline std::vector<Asked> playSession(std::vector<PracticeAnswer>& log, const Child& child, int day,
                                      const PracticeSettings& settings = {},
                                      PracticeSession::Ending* ending = nullptr)
{
    numberlark::testing::ManualClock clock;
    ClockSeededRandom random(static_cast<unsigned>(day));
    const Schedule before(log, settings.fluencyLimit);
    const auto today = std::chrono::floor<std::chrono::days>(dayAt(day));
    PracticeSession session(before, settings, dayAt(day), clock, random);
    std::vector<Asked> played;
    std::chrono::milliseconds elapsed{0};
    while (const auto fact = session.next()) {
        const Reply reply = child(*fact);
        const FactState& start = before.state(*fact);
        const bool knownBefore = session.schedule().isKnown(*fact);
        const bool tried = session.schedule().state(*fact).tried();
        clock.advance(reply.took);
        const bool fluent =
            session.answer(reply.right, reply.took) == PracticeSession::Verdict::Fluent;
        const bool firstAsk = std::none_of(played.begin(), played.end(),
                                           [&](const Asked& a) { return a.fact == *fact; });
        played.push_back({*fact, knownBefore || (!tried && fluent), start.isDue(today),
                          firstAsk && !start.known() && !start.isDue(today) && !fluent, elapsed,
                          reply.took});
        elapsed += reply.took;
    }
    log.insert(log.end(), session.answers().begin(), session.answers().end());
    if (ending) {
        *ending = session.ending();
    }
    return played;
}

} // namespace numberlark::practice::testing
