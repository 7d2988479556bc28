#include "progress/LogSchema.h"
#include "progress/ProgressLog.h"
#include "support/OlderLog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace numberlark::progress;
using numberlark::testing::copyOlderLog;

namespace {

class LogUpgrade : public testing::TestWithParam<int> {};

// progress-first-version.sqlite was written by the first layout's own code
// (tools/make_progress_log first-version): three tests of two children.
TEST_P(LogUpgrade, AnOlderLogIsUpgradedWithEverythingInIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
    copyOlderLog(QStringLiteral(NUMBERLARK_PROGRESS_DATA "/progress-first-version.sqlite"), path,
                 GetParam());

    ProgressLog log(path);
    ASSERT_EQ(log.open().kind, LogStatus::Kind::Ok);
    QSqlError error;
    EXPECT_EQ(logVersion(log.database(), &error), kLogVersion);

    const QString zoe = QString::fromUtf8("Zoë \"Z\" O'Brien");
    EXPECT_EQ(log.children(), (std::vector<QString>{zoe, QStringLiteral("Sam")}));
    const std::vector<TestRecord> tests = log.testsOf(zoe);
    ASSERT_EQ(tests.size(), 2u);
    EXPECT_EQ(tests[0].when,
              QDateTime(QDate(2026, 3, 2), QTime(17, 30, 5), Qt::OffsetFromUTC, 3600));
    EXPECT_EQ(tests[0].table, (TableChoiceRecord{TableChoiceRecord::Kind::Table, 7}));
    EXPECT_EQ(tests[0].answers,
              (std::vector<AnsweredQuestion>{{7, 8, 7, 1, 4100}, {3, 7, 7, 0, 1900}}));
    EXPECT_EQ(tests[1].table, (TableChoiceRecord{TableChoiceRecord::Kind::Other, 13}));
    EXPECT_FALSE(tests[1].imported);
    EXPECT_TRUE(tests[1].dateText.isEmpty());
    EXPECT_FALSE(log.testsOf(QStringLiteral("Sam")).front().finished);

    // Each test kept gets a uuid of its own, waiting to be delivered.
    const QUuid sams = log.testsOf(QStringLiteral("Sam")).front().uuid;
    EXPECT_FALSE(tests[0].uuid.isNull());
    EXPECT_EQ(tests[0].uuid.version(), QUuid::Random);
    EXPECT_NE(tests[0].uuid, tests[1].uuid);
    EXPECT_NE(tests[1].uuid, sams);
    EXPECT_FALSE(tests[0].delivered);

    TestRecord added = tests[1];
    added.imported = true;
    added.uuid = {};
    EXPECT_EQ(log.record(added).kind, LogStatus::Kind::Ok);
    EXPECT_TRUE(log.testsOf(zoe).back().imported);

    // Practice goes in beside the tests, and a child who has only practised
    // is listed first when she practised last.
    PracticeSessionRecord practice;
    practice.child = QStringLiteral("Ada");
    practice.started = QDateTime::currentDateTime();
    practice.minutes = 5;
    practice.limitMillis = 3000;
    practice.answers = {{7, 8, 1, 5200}, {8, 7, 0, 1800}};
    ASSERT_EQ(log.recordPractice(practice).kind, LogStatus::Kind::Ok);
    EXPECT_EQ(log.children().front(), QStringLiteral("Ada"));
    const std::vector<PracticeSessionRecord> kept = log.practiceOf(QStringLiteral("Ada"));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].uuid, practice.uuid);
    EXPECT_EQ(kept[0].limitMillis, 3000);
    EXPECT_EQ(kept[0].answers, practice.answers);
    EXPECT_EQ(log.forget(QStringLiteral("Ada")).kind, LogStatus::Kind::Ok);
    EXPECT_EQ(log.children().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(FromEachEarlierLayout, LogUpgrade, testing::Values(1, 2, 3));

} // namespace
