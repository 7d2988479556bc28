// Entry point for tests that need a QApplication (widgets, pixmaps, fonts).
// Settings are redirected to a private folder so no test reads or writes the
// user's real configuration.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/common/Fonts.h"
#include "workers/WorkerThreads.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    numberlark::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    // As the program ends: no worker a test left behind runs under the
    // static destructors.
    return numberlark::WorkerThreads::endProgram(RUN_ALL_TESTS(), std::chrono::seconds{2});
}
