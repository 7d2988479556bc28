#pragma once

#include "quiz/MonotonicClock.h"
#include "quiz/QuestionResult.h"
#include "quiz/RandomSource.h"
#include "quiz/SessionRecord.h"
#include "quiz/TableChoice.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numberlark {

// One timed test, from the table choice to the certificate, without a window.
// Each event returns what the screen should show; the window draws it.
class QuizSession {
public:
    enum class Phase {
        Choosing, // before TEST
        Running,  // questions are asked and judged
        Pausing,  // just after a correct answer; input is ignored
        Finished  // the certificate is on screen
    };

    enum class EnterOutcome {
        Ignored,          // during the pause, or before TEST
        MoveFocusToPrint, // the test is over: Enter leaves the name box
        Wrong,            // the same question stays
        Correct           // score rose; pause, then continueAfterPause()
    };

    enum class AfterPause { NextQuestion, Finished };

    // The question on screen, kept aside while the certificate borrows the
    // generator during a running test.
    struct SavedQuestion {
        std::string question;
        std::int16_t answer = 0;
        std::int16_t previous_answer = 0;
        std::int16_t current_table = 0;
    };

    // The clock times each question from its appearance to its right answer.
    QuizSession(SessionRecord& record, RandomSource& random,
                const MonotonicClock& clock = SteadyClock::instance());

    SessionRecord& record() { return m_record; }
    const SessionRecord& record() const { return m_record; }
    TableChoice& tableChoice() { return m_tableChoice; }
    const TableChoice& tableChoice() const { return m_tableChoice; }
    Phase phase() const { return m_phase; }
    bool isRunning() const { return m_phase == Phase::Running || m_phase == Phase::Pausing; }

    // TEST: makes the first question. False (and nothing changes) when the
    // test has already started or the table choice is refused.
    bool start();
    EnterOutcome enter(std::string_view answerText);
    // The clock text to show for this tick, or nothing when the clock does
    // not count (test over, or the 16-bit limit of 32767 s reached).
    std::optional<std::string> tick();
    AfterPause continueAfterPause();
    // Quit: whether the results line is to be written first.
    bool quitShouldSave() const;

    // The number of the question on screen: score + 1, but never past N once
    // all N are answered, so the sign never reads "21 of 20".
    long long shownQuestionNumber() const;
    // "k of N": number_text(shownQuestionNumber()) " of" number_text(N).
    std::string progressCaption() const;
    // The test counts as over while score equals the number of questions.
    bool testOver() const { return m_record.score == m_record.Numofquestions; }

    // The two numbers of the question on screen, in the order shown.
    const QuestionResult& currentQuestion() const { return m_asking; }
    // Every question answered right so far, in the order asked.
    const std::vector<QuestionResult>& answeredQuestions() const { return m_answered; }

    // The certificate's practice questions continue the generator's sequence.
    std::string practiceQuestion();
    SavedQuestion saveQuestion() const;
    void restoreQuestion(const SavedQuestion& saved);

private:
    void askQuestion();

    SessionRecord& m_record;
    RandomSource& m_random;
    const MonotonicClock& m_clock;
    TableChoice m_tableChoice;
    QuestionResult m_asking; // the question on screen
    std::chrono::milliseconds m_askedAt{0};
    std::vector<QuestionResult> m_answered;
    Phase m_phase = Phase::Choosing;
};

} // namespace numberlark
