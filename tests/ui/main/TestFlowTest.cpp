// A short test typed through the answer box: the screen at TEST, verdicts,
// the clock, the progress dial and label, and the pause after each answer.
#include "MainWindowHarness.h"
#include "quiz/ProgressDial.h"
#include "ui/main/DrawingSurface.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

namespace numberlark {
namespace {

using testing::drawFor;
using testing::MainWindowHarness;

// 9 times table: 3 x 9, then 9 x 5, then 5 again (same product, redrawn) as 2 x 9.
std::vector<double> threeQuestions()
{
    return {drawFor(3, 10), drawFor(1, 2),  drawFor(5, 10), drawFor(2, 2),
            drawFor(5, 10), drawFor(2, 10), drawFor(1, 2)};
}

// The colour drawn halfway along the middle of dial sector k of N.
QColor sectorColour(Form1& window, int k, int N)
{
    const SizeTwips outer = window.outerSize();
    const auto sector = show_progress_geometry(k, N, outer.width, outer.height);
    const double angle = sector->startAngle + sector->sweepAngle / 2;
    return window.controls().surface->drawnColourAt(
        {sector->centre.x + 250 * std::cos(angle), sector->centre.y - 250 * std::sin(angle)});
}

class TestFlowTest : public ::testing::Test {
protected:
    TestFlowTest() : harness(threeQuestions()) { harness.store("num_of_questions", "3"); }

    MainWindowHarness harness;
};

TEST_F(TestFlowTest, TestShowsTheQuestionAreaAndStartsTheClock)
{
    Form1& window = harness.window();
    const MainControls& c = harness.controls();
    QTest::keyClick(c.CmdTest, Qt::Key_Return); // TEST has the focus at start
    for (QWidget* hidden : {static_cast<QWidget*>(c.CmdTest), static_cast<QWidget*>(c.TxtOther),
                            static_cast<QWidget*>(c.LblInstructions)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    for (QRadioButton* option : c.Option1) {
        EXPECT_FALSE(option->isVisible());
    }
    for (QWidget* shown :
         {static_cast<QWidget*>(c.TxtAnswer), static_cast<QWidget*>(c.Imgwhiteboard),
          static_cast<QWidget*>(c.Imgsign), static_cast<QWidget*>(c.lblscoresofar)}) {
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    }
    EXPECT_TRUE(c.Timer1->isActive());
    EXPECT_EQ(c.Timer1->interval(), 1000);
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 3 x 9"));
    const SizeTwips outer = window.outerSize();
    EXPECT_EQ(c.LblQuestion->x(), qRound((outer.width - 15.0f * c.LblQuestion->width()) / 2 / 15));
    EXPECT_EQ(c.LblQuestion->y(), qRound((outer.height / 2 - 1200) / 15));
    EXPECT_EQ(window.focusWidget(), c.TxtAnswer);
    EXPECT_EQ(harness.text("LblTimer"), QString()) << "empty until the first tick";
    window.Timer1_Timer();
    EXPECT_EQ(harness.text("LblTimer"), QStringLiteral(" 0"));
    window.Timer1_Timer();
    EXPECT_EQ(harness.text("LblTimer"), QStringLiteral(" 1"));
}

TEST_F(TestFlowTest, WrongAnswersKeepTheQuestionAndLeaveASpace)
{
    harness.window();
    harness.clickTest();
    for (const QString& typed : {QStringLiteral("abc"), QString(), QStringLiteral("72"),
                                 QStringLiteral("27.4"), QStringLiteral("x27")}) {
        SCOPED_TRACE(typed.toStdString());
        harness.answer(typed);
        EXPECT_EQ(harness.text("LblCorrect"), QStringLiteral("wrong"));
        EXPECT_EQ(harness.text("TxtAnswer"), QStringLiteral(" "));
        EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 3 x 9"));
        EXPECT_EQ(harness.window().record().score, 0);
    }
    const CaptionLabel& verdict = *harness.controls().LblCorrect;
    const float centre = harness.window().outerSize().width / 2 / 15;
    EXPECT_NEAR(verdict.x() + verdict.width() / 2.0, centre, 1.0);
    // Typed after the space that "wrong" leaves, spaces and all.
    QTest::keyClicks(harness.controls().TxtAnswer, QStringLiteral("2 7"));
    harness.pressEnter();
    EXPECT_EQ(harness.text("LblCorrect"), QStringLiteral("correct"));
}

TEST_F(TestFlowTest, EnterDuringThePauseIsIgnoredAndTheClockKeepsCounting)
{
    Form1& window = harness.window();
    harness.clickTest();
    harness.answer(QStringLiteral("27"));
    ASSERT_EQ(window.record().score, 1);
    ASSERT_EQ(harness.pause().waiting(), 1u);
    const std::size_t draws = harness.random().drawsTaken();
    for (int i = 0; i < 5; ++i) {
        harness.pressEnter();
    }
    QTest::keyClicks(harness.controls().TxtAnswer, QStringLiteral("45"));
    EXPECT_EQ(window.record().score, 1) << "one correct answer counts once";
    EXPECT_EQ(harness.pause().waiting(), 1u);
    EXPECT_EQ(harness.random().drawsTaken(), draws);
    EXPECT_EQ(harness.text("TxtAnswer"), QStringLiteral("27")) << "typing waits for the pause";
    window.Timer1_Timer();
    EXPECT_EQ(harness.text("LblTimer"), QStringLiteral(" 0"));

    harness.pause().endOne();
    EXPECT_EQ(harness.text("TxtAnswer"), QString());
    EXPECT_EQ(harness.text("LblCorrect"), QString());
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 9 x 5"));
    QTest::keyClicks(harness.controls().TxtAnswer, QStringLiteral("45"));
    EXPECT_EQ(harness.text("TxtAnswer"), QStringLiteral("45"));
}

TEST_F(TestFlowTest, EachCorrectAnswerFillsASectorAndMovesTheProgressLabel)
{
    Form1& window = harness.window();
    const QColor yellow(255, 255, 0);
    harness.clickTest();
    EXPECT_EQ(sectorColour(window, 1, 3).alpha(), 0) << "nothing drawn before an answer";

    harness.answer(QStringLiteral("27"));
    EXPECT_EQ(harness.text("LblCorrect"), QStringLiteral("correct"));
    EXPECT_EQ(sectorColour(window, 1, 3), yellow);
    EXPECT_EQ(sectorColour(window, 2, 3).alpha(), 0);
    EXPECT_EQ(harness.text("lblscoresofar"), QStringLiteral(" 2 of 3"));
    const CaptionLabel& progress = *harness.controls().lblscoresofar;
    const float rightEdge = (window.outerSize().width - 800) / 15;
    EXPECT_NEAR(progress.x() + progress.width(), rightEdge, 1.0);

    harness.pause().endOne();
    harness.answer(QStringLiteral("45"));
    EXPECT_EQ(sectorColour(window, 2, 3), yellow);
    EXPECT_EQ(harness.text("lblscoresofar"), QStringLiteral(" 3 of 3"));
    harness.pause().endOne();
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 2 x 9"));
    harness.answer(QStringLiteral("18"));
    EXPECT_EQ(sectorColour(window, 3, 3), yellow);
    // The last answer leaves the sign at 3 of 3, never 4 of 3.
    EXPECT_EQ(harness.text("lblscoresofar"), QStringLiteral(" 3 of 3"));
}

// The drawing stays when the window shrinks and grows again.
TEST_F(TestFlowTest, DialSurvivesResizing)
{
    Form1& window = harness.window();
    harness.clickTest();
    harness.answer(QStringLiteral("27"));
    const QSize size = window.size();
    const QColor before = sectorColour(window, 1, 3);
    window.resize(200, 150);
    window.resize(size);
    EXPECT_EQ(sectorColour(window, 1, 3), before);
    EXPECT_EQ(before, QColor(255, 255, 0));
}

TEST(TestFlowNoQuestions, ZeroQuestionsDrawsNoDialAndNeverJudges)
{
    MainWindowHarness harness;
    harness.store("num_of_questions", "0");
    Form1& window = harness.window();
    harness.clickTest();
    harness.answer(QString::number(window.record().answer));
    EXPECT_EQ(window.record().score, 0);
    EXPECT_EQ(harness.pause().waiting(), 0u);
    window.Timer1_Timer();
    EXPECT_EQ(harness.text("LblTimer"), QString()) << "the clock never counts";
}

} // namespace
} // namespace numberlark
