// What a screen reader is told during a test: each question, verdict and the
// certificate arrive as a notification and stay in the description of the
// answer box, which keeps the focus; the clock and the dial say what they show.
#include "MainWindowHarness.h"
#include "ui/main/DialProgressBar.h"
#include "ui/main/DrawingSurface.h"

#include <QAccessible>
#include <QLineEdit>
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

// Readers speak a notification as it shows and say the focused box's
// description when asked; each step leaves both saying the right thing. The
// first question arrives with the focus, which reads the description, so
// no notification tells it twice; a right answer is spoken with what follows
// it, in one breath.
TEST_F(ScreenReaderTest, AnswerBoxTellsQuestionsVerdictsAndCertificateInOrder)
{
    MainWindowHarness& h = harness;
    const QString completion =
        QStringLiteral("Well done! 2 questions in 0 seconds. Type your name.");
    const struct {
        std::function<void()> step;
        QString spoken; // empty: nothing is spoken
        QString described;
    } steps[] = {
        {[&h] { h.clickTest(); }, {}, QStringLiteral("3 times 9")},
        {[&h] { h.answer(QStringLiteral("1")); }, QStringLiteral("wrong"),
         QStringLiteral("wrong, 3 times 9")},
        {[&h] { h.answer(QStringLiteral("27")); }, {}, QStringLiteral("correct")},
        {[&h] { h.pause().endAll(); }, QStringLiteral("correct, 9 times 5"),
         QStringLiteral("9 times 5")},
        {[&h] { h.answer(QStringLiteral("45")); }, {}, QStringLiteral("correct")},
        {[&h] {
             h.pause().endOne(); // the last answer's pause, then the clock stopping
             h.pause().endOne();
         },
         completion, completion},
        {[&h] { h.pause().endAll(); },
         {},
         QStringLiteral("Certificate: You completed 2 of the 9 times table questions in")},
    };
    QLineEdit* box = h.controls().TxtAnswer;
    QWidget* notice = h.controls().surface->findChild<QWidget*>(QStringLiteral("Announcement"));
    ASSERT_NE(notice, nullptr);
    // A notification in a status bar is spoken without its role's name.
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(notice);
    EXPECT_EQ(told->role(), QAccessible::Notification);
    EXPECT_EQ(told->parent()->role(), QAccessible::StatusBar);
    for (const auto& s : steps) {
        notice->hide(); // what the step shows is what it speaks
        s.step();
        EXPECT_TRUE(box->accessibleDescription().startsWith(s.described))
            << box->accessibleDescription().toStdString();
        EXPECT_EQ(notice->isVisible() ? notice->accessibleName() : QString(), s.spoken);
        EXPECT_EQ(h.window().focusWidget(), box) << s.described.toStdString();
    }
    EXPECT_EQ(box->accessibleDescription(), QStringLiteral("Certificate: ") + h.text("LblTimer") +
                                                QLatin1Char(' ') + h.text("Lbldate") +
                                                QStringLiteral(". Type your name here.."));
    EXPECT_EQ(box->accessibleName(), QStringLiteral("Your name"));
    EXPECT_EQ(h.text("LblQuestion"), QStringLiteral("Type your name here.."));
}

TEST_F(ScreenReaderTest, ClockAndDialSayWhatTheyShow)
{
    harness.clickTest();
    harness.window().Timer1_Timer();
    harness.window().Timer1_Timer();
    EXPECT_EQ(harness.controls().LblTimer->accessibleName(), QStringLiteral("1 seconds"));
    harness.answerCorrectly();
    auto* dial = harness.controls().surface->findChild<DialProgressBar*>();
    ASSERT_NE(dial, nullptr);
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(dial);
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->role(), QAccessible::ProgressBar);
    EXPECT_EQ(told->text(QAccessible::Description), QStringLiteral("1 of 2 answered"));
    ASSERT_NE(told->valueInterface(), nullptr);
    EXPECT_EQ(told->valueInterface()->currentValue().toInt(), 1);
    EXPECT_EQ(told->valueInterface()->maximumValue().toInt(), 2);
}

} // namespace
} // namespace numberlark
