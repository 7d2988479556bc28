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

// The school's server takes every connection and never answers; the class
// view is still connecting, and a test waits to be delivered, when the child
// presses Quit. The process then ends as the program's main() ends it.
[[noreturn]] void quitWhileEveryConnectionHangs()
{
    const numberlark::testing::HungServer server;
    const QTemporaryDir sockets;
    if (!server.isListening() || !QFile::link(QString::fromLocal8Bit(server.path()),
                                              sockets.filePath(QStringLiteral(".s.PGSQL.5432")))) {
        std::exit(2);
    }
    const QString silent =
        QStringLiteral("host=%1 port=5432 dbname=numberlark user=pc1").arg(sockets.path());
    QSettings().setValue(QStringLiteral("Classroom/server"), silent);
    bool deliveryWaits = false;
    {
        const numberlark::testing::TemporaryWorkingDirectory folder;
        numberlark::testing::MainWindowHarness harness;
        harness.store("allow_saving", "1");
        Form1& window = harness.window();
        window.classroomDelivery().setServer(silent);
        window.classroomDelivery().setLogPath(harness.progressLogPath());
        window.classroomDelivery().setModulePaths({QStringLiteral(NUMBERLARK_COURIER_MODULE)});
        window.setProgressWindowFactory([&harness] {
            return new FrmProgress(
                ProgressWindowContext{harness.progressLogPath(), QString(), [] { return true; }});
        });
        window.MnuProgress_Click();
        harness.takeWholeTest();
        window.CmdQuit_Click(1);
        deliveryWaits = window.classroomDelivery().deliveryRunning();
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

} // namespace
