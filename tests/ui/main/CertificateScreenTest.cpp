// The end of a test: its order with the pauses, the beeps, and the
// on-screen certificate with its texts, name box, Print button and border.
#include "MainWindowHarness.h"
#include "ui/main/DateLine.h"
#include "ui/main/DrawingSurface.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

using testing::drawFor;
using testing::MainWindowHarness;

// Pixels drawn in a strip along the window's top edge, 400 twips deep.
int drawnAlongTheTop(Form1& window)
{
    int drawn = 0;
    for (float x = 0; x < window.outerSize().width; x += 15) {
        for (float y = 0; y < 400; y += 15) {
            drawn += window.controls().surface->drawnColourAt({x, y}).alpha() > 0 ? 1 : 0;
        }
    }
    return drawn;
}

// Two questions of the 9 times table: 3 x 9, then 9 x 5.
class CertificateTest : public ::testing::Test {
protected:
    CertificateTest() : harness({drawFor(3, 10), drawFor(1, 2), drawFor(5, 10), drawFor(2, 2)})
    {
        harness.store("num_of_questions", "2");
    }

    // TEST, the two answers (the clock ticks 5 times), up to the last pause.
    void answerBothQuestions()
    {
        harness.clickTest();
        for (int i = 0; i < 5; ++i) {
            harness.window().Timer1_Timer();
        }
        harness.answerCorrectly();
        harness.answer(QStringLiteral("45"));
        harness.pause().endOne();
    }

    MainWindowHarness harness;
};

TEST_F(CertificateTest, ClockStopsThenWellDoneWithTwelveBeepsThenTwoPauses)
{
    harness.store("allow_sound", "1");
    Form1& window = harness.window();
    answerBothQuestions();
    EXPECT_FALSE(harness.controls().Timer1->isActive());
    EXPECT_EQ(harness.controls().Timer1->interval(), 0);
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 9 x 5")) << "the first pause";
    EXPECT_EQ(harness.beeps(), 0);
    // Closed until it is the name box, yet never read-only: readers are not
    // told when that ends.
    QLineEdit* box = harness.controls().TxtAnswer;
    const QString answered = box->text();
    QTest::keyClicks(box, QStringLiteral("12"));
    EXPECT_EQ(box->text(), answered) << "closed until it is the name box";
    EXPECT_FALSE(box->isReadOnly());

    ASSERT_TRUE(harness.pause().endOne());
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral("Well Done"));
    EXPECT_EQ(harness.beeps(), 12);
    ASSERT_TRUE(harness.pause().endOne());
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral("Well Done"));
    EXPECT_FALSE(harness.controls().ImgCertificate->isVisible());
    ASSERT_TRUE(harness.pause().endOne());
    EXPECT_TRUE(harness.controls().ImgCertificate->isVisible());
    EXPECT_EQ(harness.pause().waiting(), 0u);
    window.Timer1_Timer();
    EXPECT_EQ(harness.record().clock_seconds, 5) << "the clock no longer counts";
}

TEST_F(CertificateTest, TheWindowBecomesTheCertificate)
{
    Form1& window = harness.window();
    const MainControls& c = harness.controls();
    answerBothQuestions();
    EXPECT_EQ(drawnAlongTheTop(window), 0);
    harness.pause().endAll();
    EXPECT_EQ(harness.beeps(), 0) << "sound is off";

    const SizeTwips outer = window.outerSize();
    const float nameTop = (outer.height - 15.0f * c.TxtAnswer->height()) / 2 - 1000;
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral("Type your name here.."));
    EXPECT_EQ(c.LblQuestion->font().pointSizeF(), 10.0);
    EXPECT_EQ(c.LblQuestion->pos(), QPoint(27, qRound(nameTop / 15)));

    for (QWidget* gone :
         {static_cast<QWidget*>(c.Imgwhiteboard), static_cast<QWidget*>(c.Imgsign),
          static_cast<QWidget*>(c.Imgclock), static_cast<QWidget*>(c.lblscoresofar)}) {
        EXPECT_FALSE(gone->isVisible()) << gone->objectName().toStdString();
    }
    EXPECT_TRUE(c.ImgCertificate->isVisible());
    EXPECT_TRUE(c.Lbldate->isVisible());
    EXPECT_EQ(window.dateCaption(),
              dateLine(MainWindowHarness::kCompletionTime, QLocale::system()));
    EXPECT_TRUE(window.dateCaption().startsWith(QStringLiteral("on ")));

    EXPECT_EQ(c.TxtAnswer->width(), qRound(outer.width / 2 / 15));
    EXPECT_EQ(c.TxtAnswer->y(), qRound(nameTop / 15));
    EXPECT_NEAR(c.TxtAnswer->x() + c.TxtAnswer->width() / 2.0, outer.width / 2 / 15, 1.0);
    EXPECT_EQ(window.focusWidget(), c.TxtAnswer);
    const QString before = c.TxtAnswer->text();
    QTest::keyClicks(c.TxtAnswer, QStringLiteral("Ada"));
    EXPECT_EQ(c.TxtAnswer->text(), before + QStringLiteral("Ada"));

    EXPECT_EQ(harness.text("LblTimer"),
              QStringLiteral("You completed 2 of the 9 times table questions in 4 seconds"));
    EXPECT_EQ(c.LblTimer->font().pointSizeF(), 12.0);
    EXPECT_EQ(c.LblTimer->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_NEAR(c.LblTimer->x() + c.LblTimer->width() / 2.0, outer.width / 2 / 15, 1.0);
    EXPECT_LT(c.LblTimer->width(), outer.width * 0.9f / 15) << "sized to the 12 pt sentence";

    EXPECT_TRUE(c.Cmdprint->isVisible());
    EXPECT_FALSE(c.Cmdprint->isEnabled()) << "printing is off";
    EXPECT_GT(drawnAlongTheTop(window), 0) << "the zigzag border";
}

TEST_F(CertificateTest, EnterInTheNameBoxGoesToPrintOnlyWhenPrintingIsAllowed)
{
    for (const char* printing : {"0", "1"}) {
        SCOPED_TRACE(printing);
        MainWindowHarness test({drawFor(3, 10), drawFor(1, 2)});
        test.store("num_of_questions", "1");
        test.store("allow_printing", printing);
        test.takeWholeTest();
        QTest::keyClicks(test.controls().TxtAnswer, QStringLiteral("Sam"));
        test.pressEnter();
        const bool allowed = QByteArray(printing) == "1";
        EXPECT_EQ(test.controls().Cmdprint->isEnabled(), allowed);
        EXPECT_EQ(test.window().focusWidget(),
                  allowed ? static_cast<QWidget*>(test.controls().Cmdprint)
                          : static_cast<QWidget*>(test.controls().TxtAnswer));
        EXPECT_EQ(test.window().nameText(), QStringLiteral("Sam")) << "Enter is not typed";
    }
}

struct SentenceCase {
    const char* name;
    int option;        // Option1 index clicked before TEST; -1 for none
    const char* other; // typed into the "Other" box when given
    const char* expected;
};

TEST(CertificateSentence, NamesTheTableOrTheMixedTest)
{
    const SentenceCase cases[] = {
        {"no choice", -1, nullptr, "You completed 1 of the 9 times table questions in 0 seconds"},
        {"seven", 5, nullptr, "You completed 1 of the 7 times table questions in 0 seconds"},
        {"other", 12, "-4", "You completed 1 of the-4 times table questions in 0 seconds"},
        {"mixed", 11, nullptr, "You completed 1 mixed tables questions in 0 seconds"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        MainWindowHarness harness({drawFor(4, 12), drawFor(3, 10), drawFor(1, 2)});
        harness.store("num_of_questions", "1");
        harness.window();
        if (test.option >= 0) {
            QTest::mouseClick(harness.controls().Option1[static_cast<std::size_t>(test.option)],
                              Qt::LeftButton);
        }
        if (test.other) {
            harness.controls().TxtOther->setText(QString::fromLatin1(test.other));
        }
        harness.takeWholeTest();
        EXPECT_EQ(harness.text("LblTimer"), QString::fromLatin1(test.expected));
    }
}

} // namespace
} // namespace numberlark
