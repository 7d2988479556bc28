#include "classroom/ClassroomSetting.h"
#include "quiz/RandomSource.h"
#include "settings/SettingsStore.h"
#include "ui/about/FrmAbout.h"
#include "ui/common/Fonts.h"
#include "ui/common/Translations.h"
#include "ui/main/CertificatePrinter.h"
#include "ui/main/EndingSignals.h"
#include "ui/main/Form1.h"
#include "ui/main/SessionEnd.h"
#include "ui/options/FrmOptions.h"
#include "ui/practice/PracticeWindowLoader.h"
#include "ui/progress/ProgressWindowLoader.h"
#include "workers/WorkerThreads.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Long enough for the window to be drawn before the classroom module loads.
constexpr std::chrono::milliseconds kClassroomAfterShown{500};
// How long start-up waits for another copy of the program holding the log;
// what it cannot hand over then goes when the log is next opened.
constexpr std::chrono::milliseconds kStartLogWait{1000};
// What the end of the program gives workers that are ending anyway.
constexpr std::chrono::milliseconds kWorkersAtEnd{250};

numberlark::CertificateWindowValues certificateValues(const numberlark::Form1& window)
{
    return {window.nameText(), window.dateCaption(), window.mixedSelected()};
}

void connectWindows(numberlark::Form1& window, numberlark::SettingsStore& settings,
                    numberlark::CertificatePrinter& printer)
{
    window.setOptionsWindowFactory([&window, &settings] {
        return new numberlark::FrmOptions(window.record(), window.printButton(), settings);
    });
    window.setAboutWindowFactory([] { return new numberlark::FrmAbout; });
    const auto savingOn = [&window] { return window.record().allow_saving; };
    const auto practiceChoices = std::make_shared<numberlark::QSettingsStore>(
        numberlark::QSettingsStore::forGroup(numberlark::QSettingsStore::kPracticeGroup));
    window.setProgressWindowFactory(numberlark::progressWindowFactory(
        {QString(), QDir::currentPath(), savingOn,
         [&window] { return window.classroomDelivery().state(); },
         [&window](const QString& child) { window.practise(child); }, practiceChoices},
        numberlark::progressWindowModulePaths(QCoreApplication::applicationDirPath())));
    window.setPracticeWindowFactory(numberlark::practiceWindowFactory(
        {QString(), practiceChoices, savingOn, QString()},
        numberlark::practiceWindowModulePaths(QCoreApplication::applicationDirPath())));
    window.setPrintHandler(
        [&window, &printer] { printer.MnuPrint_Click(certificateValues(window)); });
    window.setSavePdfHandler(
        [&window, &printer] { printer.MnuSavePdf_Click(certificateValues(window)); });
}

// Set while the window exists and main() has not returned: an exit() before
// that is the toolkit giving up on a lost display.
numberlark::Form1* g_window = nullptr;

void keepWorkIfDisplayLost()
{
    if (g_window != nullptr) {
        g_window->keepWorkWithoutDisplay();
        std::fflush(nullptr);
    }
}

// Every other way of ending keeps what Quit keeps: a signal from a shutdown,
// a logout or Ctrl+C; the desktop session ending; the display going away,
// after which the toolkit calls exit() from inside its event handling.
void keepWorkAtEveryEnding(QApplication& app, numberlark::Form1& window)
{
    auto* endings = new numberlark::EndingSignals(&window);
    QObject::connect(endings, &numberlark::EndingSignals::endRequested, &window,
                     &numberlark::Form1::endKeepingWork);
    new numberlark::SessionEnd(app, window);
    g_window = &window;
    std::atexit(keepWorkIfDisplayLost);
}

// What an ending could not write into the log, because another copy held it,
// goes in at the next start, once the window is on the screen.
void takeInKeptWork(numberlark::Form1& window)
{
    QTimer::singleShot(kClassroomAfterShown, &window,
                       [&window] { window.progressRecording().takeInJournal(kStartLogWait); });
}

// Without any display Qt would abort with a long message; one clear line
// says what is wrong and what to do.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// The school's server, read from the user's settings and then the
// system-wide file an administrator writes. Without one nothing else of the
// classroom is loaded. What earlier runs left goes once the window is on
// the screen, so start-up never waits for the module or the network.
void startClassroomDelivery(numberlark::Form1& window)
{
    window.classroomDelivery().setServer(numberlark::classroom::classroomServer(QSettings()));
    if (window.classroomDelivery().hasServer()) {
        QTimer::singleShot(kClassroomAfterShown, &window,
                           [&window] { window.classroomDelivery().startAfterShown(); });
    }
}

// The window and everything it made go before the workers are waited for,
// so a worker the window was feeding (the class view's reader, the bell) is
// told to stop first.
int runProgram(QApplication& app)
{
    numberlark::QSettingsStore settings;
    numberlark::Form1 window(settings, std::make_unique<numberlark::ClockSeededRandom>());
    numberlark::CertificatePrinter printer(window.session(), &window);
    connectWindows(window, settings, printer);
    keepWorkAtEveryEnding(app, window);
    window.show();
    takeInKeptWork(window);
    startClassroomDelivery(window);
    const int exitCode = QApplication::exec();
    g_window = nullptr;
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "numberlark: no display found (DISPLAY is not set); to run without a "
                             "screen use: xvfb-run -a numberlark\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Numberlark"));
    QApplication::setApplicationName(QStringLiteral("Numberlark"));
    numberlark::installFontSubstitutions();
    numberlark::installLanguage(numberlark::chooseLanguage(QLocale::system().uiLanguages()));
    // A worker still waiting on a frozen server runs inside Qt SQL or libpq,
    // whose globals the static destructors tear down: past a short wait the
    // process ends without them. The log is closed and every file written by now.
    return numberlark::WorkerThreads::endProgram(runProgram(app), kWorkersAtEnd);
}
