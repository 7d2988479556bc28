// Choosing the table in the window: the option buttons, the "Other" box
// (and a table it refuses), and "Mixed".
#include "MainWindowHarness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

using testing::drawFor;
using testing::MainWindowHarness;

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

TEST(TableChoiceWindow, EachTableButtonSetsItsTable)
{
    MainWindowHarness harness;
    const MainControls& c = harness.controls();
    for (int index = 0; index <= 10; ++index) {
        click(c.Option1[static_cast<std::size_t>(index)]);
        EXPECT_EQ(harness.record().current_table, index + 2);
        EXPECT_FALSE(c.TxtOther->isEnabled());
    }
}

TEST(TableChoiceWindow, OtherTakesTheTypedTableAndOnlyThenIsEditable)
{
    MainWindowHarness harness;
    const MainControls& c = harness.controls();
    click(c.Option1[12]);
    EXPECT_TRUE(c.TxtOther->isEnabled());
    EXPECT_EQ(harness.record().current_table, 13) << "the preset text";
    const std::pair<const char*, int> typed[] = {{"7", 7}, {"7.5", 8}, {"6.5", 6}, {"-4", -4},
                                                 {"", 0},  {"abc", 0}, {"15", 15}};
    for (const auto& [text, table] : typed) {
        retype(c.TxtOther, QString::fromLatin1(text));
        EXPECT_EQ(harness.record().current_table, table) << text;
    }
    click(c.Option1[3]);
    EXPECT_FALSE(c.TxtOther->isEnabled());
    EXPECT_EQ(c.TxtOther->text(), QStringLiteral("15")) << "its text is kept";
    click(c.Option1[12]);
    EXPECT_EQ(harness.record().current_table, 15) << "and read again";
}

TEST(TableChoiceWindow, RefusedOtherTableIsShownAndHoldsBackTest)
{
    MainWindowHarness harness;
    const MainControls& c = harness.controls();
    click(c.Option1[12]);
    retype(c.TxtOther, QStringLiteral("4000")); // keystroke by keystroke: 4, 40, 400, then refused
    EXPECT_EQ(harness.record().current_table, 400) << "the last good table stays";
    EXPECT_FALSE(c.CmdTest->isEnabled());
    EXPECT_FALSE(c.TxtOther->toolTip().isEmpty());
    EXPECT_TRUE(c.TxtOther->styleSheet().contains(QStringLiteral("border")));
    harness.window().CmdTest_Click();
    EXPECT_EQ(harness.window().session().phase(), QuizSession::Phase::Choosing);

    click(c.Option1[0]);
    EXPECT_TRUE(c.CmdTest->isEnabled()) << "another table can be tested";
    EXPECT_TRUE(c.TxtOther->styleSheet().isEmpty());
    click(c.Option1[12]);
    EXPECT_FALSE(c.CmdTest->isEnabled());

    retype(c.TxtOther, QStringLiteral("-3276"));
    EXPECT_TRUE(c.CmdTest->isEnabled());
    EXPECT_TRUE(c.TxtOther->toolTip().isEmpty());
    EXPECT_EQ(harness.record().current_table, -3276);
    harness.clickTest();
    EXPECT_EQ(harness.window().session().phase(), QuizSession::Phase::Running);
}

TEST(TableChoiceWindow, MixedDrawsATableForEveryQuestion)
{
    // Table 4 (multiplier 3), then table 11 (multiplier 2).
    MainWindowHarness harness({drawFor(4, 12), drawFor(3, 10), drawFor(1, 2), drawFor(11, 12),
                               drawFor(2, 10), drawFor(2, 2)});
    click(harness.controls().Option1[11]);
    EXPECT_TRUE(harness.window().mixedSelected());
    harness.clickTest();
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 3 x 4"));
    harness.answerCorrectly();
    EXPECT_EQ(harness.text("LblQuestion"), QStringLiteral(" 11 x 2"));
}

} // namespace
} // namespace numberlark
