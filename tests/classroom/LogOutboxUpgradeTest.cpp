#include "classroom/LogOutbox.h"
#include "progress/ProgressLog.h"
#include "support/OlderLog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace numberlark::classroom;
using numberlark::progress::LogStatus;
using numberlark::progress::ProgressLog;

namespace {

class OutboxOfAnOlderLog : public testing::TestWithParam<int> {};

// Why the school's server refused a test is kept beside it while it waits,
// in a log an older Numberlark left too.
TEST_P(OutboxOfAnOlderLog, KeepsWhyTheServerRefusedATest)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
    numberlark::testing::copyOlderLog(
        QStringLiteral(NUMBERLARK_PROGRESS_DATA "/progress-first-version.sqlite"), path,
        GetParam());
    ProgressLog log(path);
    ASSERT_EQ(log.open().kind, LogStatus::Kind::Ok);
    const QString zoe = QString::fromUtf8("Zoë \"Z\" O'Brien");
    const auto tests = log.testsOf(zoe);
    ASSERT_EQ(tests.size(), 2u);

    ASSERT_EQ(markRefused(log, {{tests[0].uuid, zoe, tests[0].when, false, QStringLiteral("23514"),
                                 QStringLiteral("ERROR: check")}})
                  .kind,
              LogStatus::Kind::Ok);
    std::vector<SetAside> refused;
    ASSERT_EQ(readRefused(log, refused).kind, LogStatus::Kind::Ok);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].uuid, tests[0].uuid);
    EXPECT_EQ(refused[0].sqlState, QStringLiteral("23514"));
}

INSTANTIATE_TEST_SUITE_P(FromEachEarlierLayout, OutboxOfAnOlderLog, testing::Values(1, 2, 3));

} // namespace
