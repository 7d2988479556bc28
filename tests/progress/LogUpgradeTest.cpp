#include "progress/LogSchema.h"
#include "progress/ProgressLog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace numberlark::progress;

namespace {

// progress-first-version.sqlite was written by the first layout's own code
// (tools/make_progress_log first-version): three tests of two children.
TEST(LogUpgrade, AFirstVersionLogIsUpgradedWithEverythingInIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
    ASSERT_TRUE(QFile::copy(
        QStringLiteral(NUMBERLARK_PROGRESS_DATA "/progress-first-version.sqlite"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

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

    TestRecord added = tests[1];
    added.imported = true;
    EXPECT_EQ(log.record(added).kind, LogStatus::Kind::Ok);
    EXPECT_TRUE(log.testsOf(zoe).back().imported);
}

} // namespace
