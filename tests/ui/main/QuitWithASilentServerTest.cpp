#include "MainWindowHarness.h"
#include "WorkingDirectory.h"
#include "support/HungServer.h"
#include "ui/progress/FrmProgress.h"
#include "workers/WorkerThreads.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace numberlark;
using namespace std::chrono_literals;

namespace {

// A school's server that takes every connection and never answers, where
// libpq looks for one in `sockets`.
QString silentServer(const numberlark::testing::HungServer& server, const QTemporaryDir& sockets)
{
    const QString socket = sockets.filePath(QStringLiteral(".s.PGSQL.5432"));
    if (!server.isListening() || !QFile::link(QString::fromLocal8Bit(server.path()), socket)) {
        return {};
    }
    return QStringLiteral("host=%1 port=5432 dbname=numberlark user=pc1").arg(sockets.path());
}

void deliverTo(const QString& server, numberlark::testing::MainWindowHarness& harness)
{
    ClassroomDelivery& delivery = harness.window().classroomDelivery();
    delivery.setServer(server);
    delivery.setLogPath(harness.progressLogPath());
    delivery.setModulePaths({QStringLiteral(NUMBERLARK_COURIER_MODULE)});
}

// The class view is still connecting, and a test waits to be delivered,
// when the child presses Quit; the process then ends as main() ends it.
[[noreturn]] void quitWhileEveryConnectionHangs()
{
    const numberlark::testing::HungServer server;
    const QTemporaryDir sockets;
    const QString silent = silentServer(server, sockets);
    QSettings().setValue(QStringLiteral("Classroom/server"), silent);
    bool deliveryWaits = false;
    {
        const numberlark::testing::TemporaryWorkingDirectory folder;
        numberlark::testing::MainWindowHarness harness;
        harness.store("allow_saving", "1");
        deliverTo(silent, harness);
        harness.window().setProgressWindowFactory([&harness] {
            return new FrmProgress(
                ProgressWindowContext{harness.progressLogPath(), QString(), [] { return true; }});
        });
        harness.window().MnuProgress_Click();
        harness.takeWholeTest();
        harness.window().CmdQuit_Click(1);
        deliveryWaits = harness.window().classroomDelivery().deliveryRunning();
    }
    // Status 3: neither waited on the server, so nothing here was tried.
    if (WorkerThreads::waitForAll(0ms) || !deliveryWaits) {
        std::exit(3);
    }
    std::exit(WorkerThreads::endProgram(0, 250ms));
}

TEST(QuitWithASilentServer, EndsCleanlyWhileTheClassViewAndTheDeliveryWait)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(quitWhileEveryConnectionHangs(), ::testing::ExitedWithCode(0), "");
}

// With saving off nothing is recorded, so nothing may make a log either:
// not the delivery after the window is shown, nor Quit's.
TEST(QuitWithASilentServer, WithSavingOffNoLogIsMade)
{
    const numberlark::testing::HungServer server;
    const QTemporaryDir sockets;
    const numberlark::testing::TemporaryWorkingDirectory folder;
    numberlark::testing::MainWindowHarness harness;
    harness.store("allow_saving", "0");
    deliverTo(silentServer(server, sockets), harness);
    harness.window().classroomDelivery().startAfterShown();
    harness.takeWholeTest();
    harness.window().CmdQuit_Click(1);
    EXPECT_FALSE(QFile::exists(harness.progressLogPath()));
}

} // namespace
