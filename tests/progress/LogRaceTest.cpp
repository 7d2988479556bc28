#include "progress/ProgressLog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <functional>

using namespace numberlark::progress;

namespace {

// Two copies of the program record a test at the same instant: both start
// on one byte each from a FIFO, written in one go once both are waiting.
TEST(LogRace, TwoCopiesRecordingAtOnceLoseNothing)
{
    constexpr int kRounds = 20;
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> cases = {
        {"a log both have used before",
         [](const QString& path) { ASSERT_TRUE(ProgressLog(path).open().done()); }},
        {"a log neither has created yet", [](const QString&) {}},
        {"a first-version log both upgrade",
         [](const QString& path) {
             ASSERT_TRUE(QFile::copy(
                 QStringLiteral(NUMBERLARK_PROGRESS_DATA "/progress-first-version.sqlite"), path));
             QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
         }},
    };
    for (const auto& [name, prepare] : cases) {
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE(testing::Message() << name << ", round " << round);
            QTemporaryDir folder;
            const QString log = folder.filePath(QStringLiteral("progress.sqlite"));
            const QString fifo = folder.filePath(QStringLiteral("start"));
            prepare(log);
            ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            const int starter = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_CLOEXEC);
            std::array<QProcess, 2> racers;
            for (std::size_t i = 0; i < racers.size(); ++i) {
                racers[i].start(QStringLiteral(NUMBERLARK_LOG_RACER),
                                {log, QStringLiteral("Racer %1").arg(i), fifo});
            }
            for (QProcess& racer : racers) {
                ASSERT_TRUE(racer.waitForReadyRead(30000));
            }
            ASSERT_EQ(::write(starter, "gg", 2), 2);
            for (QProcess& racer : racers) {
                ASSERT_TRUE(racer.waitForFinished(30000));
                EXPECT_EQ(racer.exitCode(), 0) << racer.readAllStandardOutput().toStdString();
            }
            ::close(starter);
            ProgressLog reader(log);
            for (std::size_t i = 0; i < racers.size(); ++i) {
                EXPECT_EQ(reader.testsOf(QStringLiteral("Racer %1").arg(i)).size(), 1u);
            }
        }
    }
}

} // namespace
