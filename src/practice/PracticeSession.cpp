#include "practice/PracticeSession.h"

#include <algorithm>

namespace numberlark::practice {

namespace {

// A wrong answer's fact comes back after this many other questions, then
// after the next, then the last.
constexpr int kReturnGaps[] = {1, 3, 6};
constexpr int kReturnSteps = static_cast<int>(std::size(kReturnGaps));

} // namespace

PracticeSession::PracticeSession(const Schedule& schedule, const PracticeSettings& settings,
                                 std::chrono::local_seconds startedAt, const MonotonicClock& clock,
                                 RandomSource& random)
    : m_schedule(schedule), m_settings(settings), m_startedAt(startedAt), m_clock(clock),
      m_random(random), m_startTick(clock.now()),
      m_today(std::chrono::floor<std::chrono::days>(startedAt)),
      m_order(m_schedule.sessionOrder(m_today)), m_counts(settings.maxQuestions)
{
    for (int index = 0; index < kFactCount; ++index) {
        const FactState& state = m_schedule.state(factAt(index));
        m_knownAtStart[index] = state.known();
        m_dueAtStart[index] = state.isDue(m_today);
    }
}

std::optional<Fact> PracticeSession::next()
{
    if (m_current) {
        return m_current->fact;
    }
    if (m_finished) {
        return std::nullopt;
    }
    const std::optional<Pick> chosen = pick();
    if (!chosen) {
        m_finished = true;
        m_ending = m_counts.full() ? Ending::AllQuestions
                   : timeIsUp()    ? Ending::TimeUp
                                   : Ending::NothingLeft;
        return std::nullopt;
    }
    ask(*chosen);
    return chosen->fact;
}

PracticeSession::Verdict PracticeSession::answer(bool right, std::chrono::milliseconds took)
{
    if (!m_current) {
        return Verdict::Ignored;
    }
    const Pick asked = *m_current;
    m_current.reset();
    const auto elapsed = std::chrono::floor<std::chrono::seconds>(m_clock.now() - m_startTick);
    const PracticeAnswer given{
        asked.fact, right ? 0 : 1, std::max(took, std::chrono::milliseconds{0}),
        m_startedAt + std::max(elapsed, std::chrono::seconds{0}), PracticeAnswer::Source::Practice};
    const bool fluent = m_schedule.isFluent(given);
    const bool neverTried = !m_schedule.state(asked.fact).tried();
    const bool knownQuestion = m_currentKnown && (!neverTried || fluent);
    m_schedule.record(given);
    m_answers.push_back(given);
    m_counts.count(knownQuestion, asked.takesOn && !fluent);
    m_lastAskedAt[factIndex(asked.fact)] = m_counts.asked();
    m_last = asked.fact;
    scheduleReturn(asked.fact, asked.isReturn, right);
    return fluent ? Verdict::Fluent : right ? Verdict::Slow : Verdict::Wrong;
}

std::vector<Fact> PracticeSession::newlyKnown() const
{
    std::vector<Fact> facts;
    for (const Fact fact : factsInLearningOrder()) {
        if (m_schedule.isKnown(fact) && !m_knownAtStart[factIndex(fact)]) {
            facts.push_back(fact);
        }
    }
    return facts;
}

std::optional<PracticeSession::Pick> PracticeSession::pick()
{
    const bool timeUp = timeIsUp();
    // Out of time, only known facts are asked until their share is met.
    if (m_counts.full() || (timeUp && m_counts.knownShareMet())) {
        return std::nullopt;
    }
    // After a fact not known comes a known one, unless none is left to ask.
    const bool mayLearn = !timeUp && (!m_counts.lastWasUnknown() || !knownFiller(false));
    if (mayLearn) {
        if (auto back = dueReturn()) {
            return back;
        }
    }
    if (auto next = fromOrder(mayLearn)) {
        return next;
    }
    return knownFiller(true);
}

std::optional<PracticeSession::Pick> PracticeSession::dueReturn()
{
    const Return* due = nullptr;
    for (const Return& back : m_returns) {
        if (back.dueAt <= m_counts.asked() && back.fact != m_last &&
            (!due || back.dueAt < due->dueAt)) {
            due = &back;
        }
    }
    if (!due || !m_counts.roomForUnknown(0)) {
        return std::nullopt;
    }
    return Pick{due->fact, true, false};
}

std::optional<PracticeSession::Pick> PracticeSession::fromOrder(bool mayLearn)
{
    int promised = 0;
    for (const Return& back : m_returns) {
        promised += kReturnSteps - back.step;
    }
    const bool room = mayLearn && m_counts.roomForUnknown(promised);
    const auto fresh = [this](Fact fact) {
        return m_lastAskedAt[factIndex(fact)] == 0 && mayAsk(fact);
    };
    // A due fact not known is the one most in need: it goes in at the first
    // place the mix allows, not behind every older review of a known fact.
    // A child who knows almost nothing first meets the starter tables.
    if (room && m_schedule.knownCount() >= kFewKnownFacts) {
        for (const Fact fact : m_order) {
            if (m_dueAtStart[factIndex(fact)] && !m_schedule.isKnown(fact) && fresh(fact)) {
                return Pick{fact, false, false};
            }
        }
    }
    for (const Fact fact : m_order) {
        if (!fresh(fact)) {
            continue;
        }
        if (m_schedule.isKnown(fact)) {
            return Pick{fact, false, false};
        }
        const bool isReview = m_dueAtStart[factIndex(fact)];
        if (room && (isReview || m_counts.mayTakeOn())) {
            return Pick{fact, false, !isReview};
        }
    }
    return std::nullopt;
}

// With `choose` false, only whether there is one; no random draw is taken.
std::optional<PracticeSession::Pick> PracticeSession::knownFiller(bool choose)
{
    std::vector<Fact> fresh;
    std::optional<Fact> stalest;
    for (int index = 0; index < kFactCount; ++index) {
        const Fact fact = factAt(index);
        if (!m_schedule.isKnown(fact) || !mayAsk(fact)) {
            continue;
        }
        if (m_lastAskedAt[index] == 0) {
            fresh.push_back(fact);
        } else if (!stalest || m_lastAskedAt[index] < m_lastAskedAt[factIndex(*stalest)]) {
            stalest = fact;
        }
    }
    if (fresh.empty() && !stalest) {
        return std::nullopt;
    }
    if (!choose || fresh.empty()) {
        return Pick{fresh.empty() ? *stalest : fresh.front(), false, false};
    }
    const auto count = static_cast<double>(fresh.size());
    const auto drawn =
        static_cast<std::size_t>(std::clamp(m_random.next() * count, 0.0, count - 1));
    return Pick{fresh[drawn], false, false};
}

bool PracticeSession::mayAsk(Fact fact) const
{
    if (fact == m_last) {
        return false;
    }
    return std::none_of(m_returns.begin(), m_returns.end(),
                        [fact](const Return& back) { return back.fact == fact; });
}

bool PracticeSession::timeIsUp() const
{
    return m_clock.now() - m_startTick >= m_settings.length;
}

void PracticeSession::ask(const Pick& chosen)
{
    m_current = chosen;
    const FactState& state = m_schedule.state(chosen.fact);
    m_currentKnown = state.known() || !state.tried();
}

void PracticeSession::scheduleReturn(Fact fact, bool wasReturn, bool right)
{
    const auto found = std::find_if(m_returns.begin(), m_returns.end(),
                                    [fact](const Return& back) { return back.fact == fact; });
    if (!wasReturn) {
        if (!right && found == m_returns.end()) {
            m_returns.push_back({fact, 0, m_counts.asked() + kReturnGaps[0]});
        }
        return;
    }
    if (++found->step == kReturnSteps) {
        m_returns.erase(found);
    } else {
        found->dueAt = m_counts.asked() + kReturnGaps[found->step];
    }
}

} // namespace numberlark::practice
