#pragma once

#include "practice/Fact.h"
#include "practice/PracticeAnswer.h"
#include "practice/PracticeSettings.h"
#include "practice/Schedule.h"
#include "practice/SessionCounts.h"
#include "quiz/MonotonicClock.h"
#include "quiz/RandomSource.h"

#include <array>
#include <chrono>
#include <optional>
#include <vector>

namespace numberlark::practice {

// One practice session, without a window: next() gives the fact to ask,
// answer() takes the child's verdict. A fact not yet known sits among known
// ones: at least 70 % of the questions are facts the child already knows
// (or, never tried, turns out to know), and a wrongly answered fact comes
// back after 1, then 3, then 6 other questions; never the same fact twice in
// a row. It ends at the chosen number of questions or length, whichever
// comes first (out of time, known facts only until their share is met). The
// copy a child types after a wrong answer is no question and never reaches
// the session.
class PracticeSession {
public:
    enum class Verdict {
        Ignored, // no question on screen
        Fluent,  // right at once and within the limit
        Slow,    // right, but over the limit
        Wrong    // show the whole fact; it comes back later
    };

    // `startedAt` is the child's wall-clock time now; `clock` measures the
    // session's length and places each answer in time; `random` varies the
    // known facts asked between the others.
    PracticeSession(const Schedule& schedule, const PracticeSettings& settings,
                    std::chrono::local_seconds startedAt, const MonotonicClock& clock,
                    RandomSource& random);

    // The next question, or nothing once the session is over. Asking again
    // before answering gives the same question.
    std::optional<Fact> next();
    // `took` runs from the question appearing to the answer.
    Verdict answer(bool right, std::chrono::milliseconds took);

    bool finished() const { return m_finished; }
    // Why next() gave nothing: the session's length or its number of
    // questions was reached, or every fact there was to ask was asked.
    enum class Ending { TimeUp, AllQuestions, NothingLeft };
    Ending ending() const { return m_ending; }
    // This session's answers, in order, for the log.
    const std::vector<PracticeAnswer>& answers() const { return m_answers; }
    // The facts known now that were not known when the session began.
    std::vector<Fact> newlyKnown() const;
    // The schedule with this session's answers recorded.
    const Schedule& schedule() const { return m_schedule; }

private:
    // A wrongly answered fact and its returns: after 1, 3 and 6 others.
    struct Return {
        Fact fact;
        int step = 0;
        int dueAt = 0; // the question number it may come back at
    };
    struct Pick {
        Fact fact;
        bool isReturn = false;
        bool takesOn = false; // new material: counts against the facts taken on
    };

    std::optional<Pick> pick();
    std::optional<Pick> dueReturn();
    std::optional<Pick> fromOrder(bool mayLearn);
    std::optional<Pick> knownFiller(bool choose);
    bool mayAsk(Fact fact) const;
    bool timeIsUp() const;
    Ending m_ending = Ending::TimeUp;
    void ask(const Pick& pick);
    void scheduleReturn(Fact fact, bool wasReturn, bool right);

    Schedule m_schedule;
    PracticeSettings m_settings;
    std::chrono::local_seconds m_startedAt;
    const MonotonicClock& m_clock;
    RandomSource& m_random;
    std::chrono::milliseconds m_startTick;
    std::chrono::local_days m_today;

    std::vector<Fact> m_order; // the schedule's order for today
    std::array<bool, kFactCount> m_knownAtStart{};
    std::array<bool, kFactCount> m_dueAtStart{};
    std::array<int, kFactCount> m_lastAskedAt{}; // question number + 1; 0 = not yet
    std::vector<Return> m_returns;
    SessionCounts m_counts;

    std::optional<Pick> m_current;
    bool m_currentKnown = false; // known, or never tried, when asked
    std::optional<Fact> m_last;
    bool m_finished = false;
    std::vector<PracticeAnswer> m_answers;
};

} // namespace numberlark::practice
