// What a screen reader is told during a test: each question, verdict and the
// certificate arrive as description changes of the answer box, which keeps
// the focus, and as a notification; the clock and the dial say what they show.
#include "MainWindowHarness.h"
#include "ui/main/DrawingSurface.h"

#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <functional>

namespace numberlark {
namespace {

using testing::MainWindowHarness;

class ScreenReaderTest : public ::testing::Test {
protected:
    ScreenReaderTest() { harness.store("num_of_questions", "2"); }

    MainWindowHarness harness;
};

// Readers speak a description change of the focused control, or a
// notification as it shows; each step leaves both saying what just appeared.
TEST_F(ScreenReaderTest, AnswerBoxTellsQuestionsVerdictsAndCertificateInOrder)
{
    MainWindowHarness& h = harness;
    const struct {
        std::function<void()> step;
        QString told;
    } steps[] = {
        {[&h] { h.clickTest(); }, QStringLiteral("3 x 9")},
        {[&h] { h.answer(QStringLiteral("1")); }, QStringLiteral("wrong")},
        {[&h] { h.answer(QStringLiteral("27")); }, QStringLiteral("correct")},
        {[&h] { h.pause().endAll(); }, QStringLiteral("9 x 5")},
        {[&h] { h.answer(QStringLiteral("45")); }, QStringLiteral("correct")},
        {[&h] {
             h.pause().endOne(); // the last answer's pause, then the clock stopping
             h.pause().endOne();
         },
         QStringLiteral("Well Done")},
        {[&h] { h.pause().endAll(); },
         QStringLiteral("Certificate: You completed 2 of the 9 times table questions in")},
    };
    QLineEdit* box = h.controls().TxtAnswer;
    const QWidget* notice =
        h.controls().surface->findChild<QWidget*>(QStringLiteral("Announcement"));
    ASSERT_NE(notice, nullptr);
    for (const auto& s : steps) {
        s.step();
        EXPECT_TRUE(box->accessibleDescription().startsWith(s.told))
            << box->accessibleDescription().toStdString();
        EXPECT_EQ(notice->accessibleName(), box->accessibleDescription());
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(h.window().focusWidget(), box) << s.told.toStdString();
    }
    EXPECT_EQ(box->accessibleDescription(), QStringLiteral("Certificate: ") + h.text("LblTimer") +
                                                QLatin1Char(' ') + h.text("Lbldate") +
                                                QStringLiteral(". Type your name here.."));
    EXPECT_EQ(box->accessibleName(), QStringLiteral("Your name"));
}

TEST_F(ScreenReaderTest, ClockAndDialSayWhatTheyShow)
{
    harness.clickTest();
    harness.window().Timer1_Timer();
    harness.window().Timer1_Timer();
    EXPECT_EQ(harness.controls().LblTimer->accessibleName(), QStringLiteral("1 seconds"));
    harness.answerCorrectly();
    const auto* dial = harness.controls().surface->findChild<QProgressBar*>();
    ASSERT_NE(dial, nullptr);
    EXPECT_EQ(dial->accessibleDescription(), QStringLiteral("1 of 2 answered"));
    EXPECT_EQ(dial->value(), 1);
}

} // namespace
} // namespace numberlark
