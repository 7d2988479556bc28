#include "quiz/QuizSession.h"

#include "quiz/QuestionGenerator.h"
#include "quiz/TextRules.h"

#include <algorithm>
#include <limits>

namespace numberlark {

QuizSession::QuizSession(SessionRecord& record, RandomSource& random, const MonotonicClock& clock)
    : m_record(record), m_random(random), m_clock(clock), m_tableChoice(record)
{
}

bool QuizSession::start()
{
    if (m_phase != Phase::Choosing || !m_tableChoice.canStart()) {
        return false;
    }
    m_phase = Phase::Running;
    askQuestion();
    return true;
}

QuizSession::EnterOutcome QuizSession::enter(std::string_view answerText)
{
    if (m_phase == Phase::Choosing || m_phase == Phase::Pausing) {
        return EnterOutcome::Ignored;
    }
    // Once finished, the box holds the child's name, even if the number of
    // questions is changed afterwards.
    if (m_phase == Phase::Finished || testOver()) {
        return EnterOutcome::MoveFocusToPrint;
    }
    if (text_value(answerText) != static_cast<double>(m_record.answer)) {
        ++m_asking.wrongBefore;
        return EnterOutcome::Wrong;
    }
    m_asking.millisToRight = std::max<std::int64_t>(0, (m_clock.now() - m_askedAt).count());
    m_answered.push_back(m_asking);
    ++m_record.score;
    m_phase = Phase::Pausing;
    return EnterOutcome::Correct;
}

std::optional<std::string> QuizSession::tick()
{
    if (!isRunning() || testOver() ||
        m_record.clock_seconds == std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    std::string text = number_text(m_record.clock_seconds);
    ++m_record.clock_seconds;
    return text;
}

QuizSession::AfterPause QuizSession::continueAfterPause()
{
    if (m_phase != Phase::Pausing) {
        return m_phase == Phase::Finished ? AfterPause::Finished : AfterPause::NextQuestion;
    }
    // The number of questions may have changed during the test: a score at or
    // past it (a lowered or negative number) ends the test.
    if (m_record.score < m_record.Numofquestions) {
        m_phase = Phase::Running;
        askQuestion();
        return AfterPause::NextQuestion;
    }
    m_phase = Phase::Finished;
    return AfterPause::Finished;
}

bool QuizSession::quitShouldSave() const
{
    return m_record.allow_saving && m_record.score > 0;
}

long long QuizSession::shownQuestionNumber() const
{
    const long long next = static_cast<long long>(m_record.score) + 1;
    return m_record.Numofquestions >= 1 && next > m_record.Numofquestions ? m_record.Numofquestions
                                                                           : next;
}

std::string QuizSession::progressCaption() const
{
    return number_text(shownQuestionNumber()) + " of" + number_text(m_record.Numofquestions);
}

std::string QuizSession::practiceQuestion()
{
    think_of_numbers(m_record, m_tableChoice.isMixed(), m_random);
    return m_record.question;
}

QuizSession::SavedQuestion QuizSession::saveQuestion() const
{
    return {m_record.question, m_record.answer, m_record.previous_answer, m_record.current_table};
}

void QuizSession::restoreQuestion(const SavedQuestion& saved)
{
    m_record.question = saved.question;
    m_record.answer = saved.answer;
    m_record.previous_answer = saved.previous_answer;
    m_record.current_table = saved.current_table;
}

void QuizSession::askQuestion()
{
    const ShownFactors shown = think_of_numbers(m_record, m_tableChoice.isMixed(), m_random);
    m_asking = {.first = shown.first, .second = shown.second, .table = m_record.current_table};
    m_askedAt = m_clock.now();
}

} // namespace numberlark
