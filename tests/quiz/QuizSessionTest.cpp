#include "quiz/QuizSession.h"

#include "quiz/Completion.h"
#include "quiz/TextRules.h"
#include "support/ManualClock.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <ostream>

namespace numberlark {
namespace {

using Outcome = QuizSession::EnterOutcome;
using testing::drawFor;
using testing::ScriptedRandom;

std::string correctText(const SessionRecord& record)
{
    return std::to_string(record.answer);
}

// Answers correctly and lets the pause end.
QuizSession::AfterPause answerRight(QuizSession& session)
{
    EXPECT_EQ(session.enter(correctText(session.record())), Outcome::Correct);
    return session.continueAfterPause();
}

TEST(QuizSession, NothingHappensBeforeTest)
{
    SessionRecord record;
    ClockSeededRandom random(1);
    QuizSession session(record, random);
    EXPECT_EQ(session.phase(), QuizSession::Phase::Choosing);
    EXPECT_EQ(session.enter("5"), Outcome::Ignored);
    EXPECT_FALSE(session.tick().has_value());
    EXPECT_EQ(session.progressCaption(), " 1 of 20");
}

TEST(QuizSession, AFullTwentyQuestionTestWithWrongAnswersAndHammeredEnter)
{
    SessionRecord record;
    ClockSeededRandom random(7);
    QuizSession session(record, random);
    session.tableChoice().select(5); // 7 times table
    ASSERT_TRUE(session.start());
    EXPECT_FALSE(session.start()) << "one test per run";

    EXPECT_EQ(session.tick(), " 0");
    EXPECT_EQ(session.tick(), " 1");
    int previousProduct = 0;
    for (int k = 1; k <= 20; ++k) {
        ASSERT_EQ(record.answer % 7, 0);
        ASSERT_NE(record.answer, previousProduct);
        previousProduct = record.answer;
        const std::string question = record.question;
        EXPECT_EQ(session.enter("abc"), Outcome::Wrong);
        EXPECT_EQ(session.enter(""), Outcome::Wrong);
        EXPECT_EQ(session.enter(std::to_string(record.answer + 1)), Outcome::Wrong);
        EXPECT_EQ(record.question, question);
        EXPECT_EQ(record.score, k - 1);

        EXPECT_EQ(session.enter(correctText(record)), Outcome::Correct);
        EXPECT_EQ(record.score, k);
        // After the last answer the sign says 20 of 20 until the certificate hides it.
        EXPECT_EQ(session.progressCaption(), number_text(std::min(k + 1, 20)) + " of 20");
        // Enter hammered during the pause counts nothing; the clock still runs.
        EXPECT_EQ(session.enter(correctText(record)), Outcome::Ignored);
        EXPECT_EQ(record.score, k);
        if (k < 20) {
            EXPECT_TRUE(session.tick().has_value());
        }
        const auto next = session.continueAfterPause();
        EXPECT_EQ(next, k < 20 ? QuizSession::AfterPause::NextQuestion
                               : QuizSession::AfterPause::Finished);
    }
    EXPECT_EQ(session.phase(), QuizSession::Phase::Finished);
    EXPECT_FALSE(session.tick().has_value()) << "the clock stops at the last answer";
    EXPECT_EQ(record.clock_seconds, 21);
    EXPECT_EQ(time_taken(record), 20);
    EXPECT_EQ(session.enter("Sam"), Outcome::MoveFocusToPrint);
}

struct JudgeCase {
    const char* text;
    bool correct;
};

void PrintTo(const JudgeCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class Judging : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(Judging, Answer56)
{
    SessionRecord record;
    record.current_table = 8;
    // 7 x 8 = 56
    ScriptedRandom random({drawFor(7, 10), drawFor(1, 2)});
    QuizSession session(record, random);
    session.tableChoice().select(6);
    ASSERT_TRUE(session.start());
    ASSERT_EQ(record.answer, 56);
    EXPECT_EQ(session.enter(GetParam().text),
              GetParam().correct ? Outcome::Correct : Outcome::Wrong)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Examples, Judging,
                         ::testing::Values(JudgeCase{"56", true}, JudgeCase{"  56", true},
                                           JudgeCase{"56  ", true}, JudgeCase{"5 6", true},
                                           JudgeCase{"56.0", true}, JudgeCase{"56abc", true},
                                           JudgeCase{"56.4", false}, JudgeCase{"65", false},
                                           JudgeCase{"x56", false}, JudgeCase{" ", false},
                                           JudgeCase{"", false}, JudgeCase{"1e400", false}));

TEST(QuizSession, NegativeTablesAreJudgedLikeAnyOther)
{
    SessionRecord record;
    ScriptedRandom random({drawFor(3, 10), drawFor(1, 2)});
    QuizSession session(record, random);
    session.tableChoice().select(kOtherIndex);
    session.tableChoice().setOtherText("-4");
    ASSERT_TRUE(session.start());
    EXPECT_EQ(record.answer, -12);
    EXPECT_EQ(session.enter("- 12"), Outcome::Correct);
}

TEST(QuizSession, RefusedOtherTableCannotStart)
{
    SessionRecord record;
    ClockSeededRandom random(3);
    QuizSession session(record, random);
    session.tableChoice().select(kOtherIndex);
    session.tableChoice().setOtherText("5000");
    EXPECT_FALSE(session.start());
    EXPECT_EQ(session.phase(), QuizSession::Phase::Choosing);
}

TEST(QuizSession, FinishedBeforeTheFirstTickReportsZeroSeconds)
{
    SessionRecord record;
    record.Numofquestions = 1;
    ClockSeededRandom random(5);
    QuizSession session(record, random);
    ASSERT_TRUE(session.start());
    EXPECT_EQ(answerRight(session), QuizSession::AfterPause::Finished);
    EXPECT_EQ(time_taken(record), 0);
    EXPECT_EQ(result_sentence(record, false),
              "You completed 1 of the 9 times table questions in 0 seconds");
}

TEST(QuizSession, ZeroQuestionsCountsAsOverFromTheStart)
{
    SessionRecord record;
    record.Numofquestions = 0;
    ClockSeededRandom random(5);
    QuizSession session(record, random);
    ASSERT_TRUE(session.start());
    EXPECT_FALSE(session.tick().has_value());
    EXPECT_EQ(session.enter(correctText(record)), Outcome::MoveFocusToPrint);
    EXPECT_EQ(record.score, 0);
    EXPECT_EQ(record.clock_seconds, 0);
}

TEST(QuizSession, NegativeQuestionCountEndsAtTheFirstCorrectAnswer)
{
    SessionRecord record;
    record.Numofquestions = -5;
    ClockSeededRandom random(5);
    QuizSession session(record, random);
    ASSERT_TRUE(session.start());
    EXPECT_EQ(session.tick(), " 0");
    EXPECT_EQ(answerRight(session), QuizSession::AfterPause::Finished);
    EXPECT_EQ(record.score, 1);
}

TEST(QuizSession, ChangingTheQuestionCountDuringATestAppliesAtOnce)
{
    SessionRecord record;
    ClockSeededRandom random(11);
    QuizSession session(record, random);
    ASSERT_TRUE(session.start());
    answerRight(session);
    answerRight(session);
    record.Numofquestions = 3;
    EXPECT_EQ(session.progressCaption(), " 3 of 3");
    EXPECT_EQ(answerRight(session), QuizSession::AfterPause::Finished);

    // After the end a larger number must not reopen the test: the box now
    // holds the child's name.
    record.Numofquestions = 30;
    EXPECT_EQ(session.enter(correctText(record)), Outcome::MoveFocusToPrint);
    EXPECT_EQ(record.score, 3);
}

TEST(QuizSession, LoweringTheCountBelowTheScoreEndsAtTheNextCorrectAnswer)
{
    SessionRecord record;
    ClockSeededRandom random(12);
    QuizSession session(record, random);
    ASSERT_TRUE(session.start());
    for (int i = 0; i < 4; ++i) {
        answerRight(session);
    }
    record.Numofquestions = 2;
    EXPECT_EQ(answerRight(session), QuizSession::AfterPause::Finished);
    EXPECT_EQ(record.score, 5);
}

TEST(QuizSession, ClockStopsAtTheSixteenBitLimitInsteadOfWrapping)
{
    SessionRecord record;
    ClockSeededRandom random(2);
    QuizSession session(record, random);
    ASSERT_TRUE(session.start());
    record.clock_seconds = 32766;
    EXPECT_EQ(session.tick(), " 32766");
    EXPECT_EQ(record.clock_seconds, 32767);
    EXPECT_FALSE(session.tick().has_value());
    EXPECT_EQ(record.clock_seconds, 32767);
    EXPECT_EQ(time_taken(record), 32766);
}

TEST(QuizSession, QuitSavesOnlyWithSavingOnAndAScore)
{
    SessionRecord record;
    ClockSeededRandom random(4);
    QuizSession session(record, random);
    record.allow_saving = true;
    EXPECT_FALSE(session.quitShouldSave());
    ASSERT_TRUE(session.start());
    answerRight(session);
    EXPECT_TRUE(session.quitShouldSave());
    record.allow_saving = false;
    EXPECT_FALSE(session.quitShouldSave());
}

TEST(QuizSession, PracticeQuestionsDuringATestLeaveTheQuestionOnScreen)
{
    SessionRecord record;
    ClockSeededRandom random(8);
    QuizSession session(record, random);
    session.tableChoice().select(kMixedIndex);
    ASSERT_TRUE(session.start());
    const auto saved = session.saveQuestion();
    for (int i = 0; i < 40; ++i) {
        session.practiceQuestion();
    }
    session.restoreQuestion(saved);
    EXPECT_EQ(record.question, saved.question);
    EXPECT_EQ(record.answer, saved.answer);
    EXPECT_EQ(record.previous_answer, saved.previous_answer);
    EXPECT_EQ(record.current_table, saved.current_table);
    EXPECT_EQ(session.enter(std::to_string(saved.answer)), Outcome::Correct);
}

TEST(QuizSession, KeepsEachQuestionsNumbersWrongAnswersAndTimeToTheRightAnswer)
{
    struct Step {
        int multiplier;
        int order; // 1: multiplier first
        int wrong;
        int millis;
        QuestionResult expected;
    };
    const std::vector<Step> steps = {
        {3, 1, 0, 2400, {3, 7, 7, 0, 2400}},
        {10, 2, 2, 9100, {7, 10, 7, 2, 9100}},
        {1, 1, 1, 0, {1, 7, 7, 1, 0}},
    };
    std::vector<double> draws;
    for (const Step& step : steps) {
        draws.push_back(drawFor(step.multiplier, 10));
        draws.push_back(drawFor(step.order, 2));
    }
    SessionRecord record;
    record.Numofquestions = 3;
    ScriptedRandom random(draws);
    testing::ManualClock clock;
    QuizSession session(record, random, clock);
    session.tableChoice().select(5); // 7 times table
    ASSERT_TRUE(session.start());
    std::vector<QuestionResult> expected;
    for (const Step& step : steps) {
        for (int w = 0; w < step.wrong; ++w) {
            ASSERT_EQ(session.enter("0"), Outcome::Wrong);
        }
        clock.advance(std::chrono::milliseconds(step.millis));
        ASSERT_EQ(session.enter(correctText(record)), Outcome::Correct);
        clock.advance(std::chrono::milliseconds(500)); // the pause is not the child's time
        session.continueAfterPause();
        expected.push_back(step.expected);
        EXPECT_EQ(session.answeredQuestions(), expected);
    }
}

} // namespace
} // namespace numberlark
