#include "progress/ProgressLog.h"
#include "support/TestRecordBuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace numberlark::progress;

namespace {

TestRecord sampleTest(const QString& child, const QDateTime& when)
{
    return numberlark::testing::TestRecordBuilder(child)
        .at(when)
        .table({TableChoiceRecord::Kind::Other, 13})
        .seconds(9)
        .answers({{3, 13, 13, 0, 2500}, {13, 7, 13, 2, 6100}});
}

QDateTime at(int day, int hour, int offsetHours = 1)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, 5, 7, 250), Qt::OffsetFromUTC,
                     offsetHours * 3600);
}

class ProgressLogTest : public ::testing::Test {
protected:
    QString logPath() const { return m_folder.filePath(QStringLiteral("progress.sqlite")); }
    QTemporaryDir m_folder;
};

TEST_F(ProgressLogTest, RecordedTestsReadBackWithTheirAnswersOldestFirst)
{
    const TestRecord later = sampleTest(QStringLiteral("Sam"), at(7, 10, -5));
    const TestRecord earlier = sampleTest(QStringLiteral("Sam"), at(6, 16, 2));
    {
        ProgressLog log(logPath());
        ASSERT_EQ(log.record(later).kind, LogStatus::Kind::Ok);
        ASSERT_EQ(log.record(earlier).kind, LogStatus::Kind::Ok);
    }
    ProgressLog reopened(logPath());
    const std::vector<TestRecord> tests = reopened.testsOf(QStringLiteral("Sam"));
    ASSERT_EQ(tests.size(), 2u);
    for (const auto& [read, written] : {std::pair{tests[0], earlier}, std::pair{tests[1], later}}) {
        EXPECT_EQ(read.when, written.when);
        EXPECT_EQ(read.when.offsetFromUtc(), written.when.offsetFromUtc());
        EXPECT_EQ(read.table, written.table);
        EXPECT_EQ(read.questions, written.questions);
        EXPECT_EQ(read.seconds, written.seconds);
        EXPECT_EQ(read.finished, written.finished);
        EXPECT_FALSE(read.imported);
        EXPECT_EQ(read.answers, written.answers);
        EXPECT_GT(read.id, 0);
    }
}

TEST_F(ProgressLogTest, NamesAreKeptExactlyAndChildrenComeMostRecentFirst)
{
    const QString names[] = {
        QStringLiteral("  Zoë O'Brien \"Zo\"; DROP TABLE tests;--  "),
        QString(),
        QStringLiteral("  "),
        QString::fromUtf8("李小龍 محمد עברית 🦉"),
        QString(300, QChar(u'ß')),
    };
    ProgressLog log(logPath());
    int day = 1;
    for (const QString& name : names) {
        ASSERT_TRUE(log.record(sampleTest(name, at(day++, 9))).done());
    }
    const std::vector<QString> expected = {
        QString(300, QChar(u'ß')),
        QString::fromUtf8("李小龍 محمد עברית 🦉"),
        QString(), // "  " trims to the same empty name
        QStringLiteral("Zoë O'Brien \"Zo\"; DROP TABLE tests;--"),
    };
    EXPECT_EQ(log.children(), expected);
    EXPECT_EQ(log.testsOf(QString()).size(), 2u);
    EXPECT_EQ(log.testsOf(expected[3]).size(), 1u);
}

TEST_F(ProgressLogTest, ForgettingAChildKeepsTheOthers)
{
    ProgressLog log(logPath());
    ASSERT_TRUE(log.record(sampleTest(QStringLiteral("Ann"), at(1, 9))).done());
    ASSERT_TRUE(log.record(sampleTest(QStringLiteral("Ben"), at(2, 9))).done());
    ASSERT_EQ(log.forget(QStringLiteral("Ann")).kind, LogStatus::Kind::Ok);
    EXPECT_EQ(log.children(), std::vector<QString>{QStringLiteral("Ben")});
    EXPECT_TRUE(log.testsOf(QStringLiteral("Ann")).empty());
    EXPECT_EQ(log.testsOf(QStringLiteral("Ben")).front().answers.size(), 2u);
}

} // namespace
