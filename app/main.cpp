#include "quiz/RandomSource.h"
#include "settings/SettingsStore.h"
#include "ui/about/FrmAbout.h"
#include "ui/common/Fonts.h"
#include "ui/common/Translations.h"
#include "ui/main/CertificatePrinter.h"
#include "ui/main/Form1.h"
#include "ui/options/FrmOptions.h"
#include "ui/practice/PracticeWindowLoader.h"
#include "ui/progress/ProgressWindowLoader.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>
#include <memory>

namespace {

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
    window.setProgressWindowFactory(numberlark::progressWindowFactory(
        {QString(), QDir::currentPath(), savingOn,
         [&window](const QString& child) { window.practise(child); }},
        numberlark::progressWindowModulePaths(QCoreApplication::applicationDirPath())));
    window.setPracticeWindowFactory(numberlark::practiceWindowFactory(
        {QString(),
         std::make_shared<numberlark::QSettingsStore>(
             numberlark::QSettingsStore::forGroup(numberlark::QSettingsStore::kPracticeGroup)),
         savingOn, QString()},
        numberlark::practiceWindowModulePaths(QCoreApplication::applicationDirPath())));
    window.setPrintHandler(
        [&window, &printer] { printer.MnuPrint_Click(certificateValues(window)); });
    window.setSavePdfHandler(
        [&window, &printer] { printer.MnuSavePdf_Click(certificateValues(window)); });
}

// Without any display Qt would abort with a long message; one clear line
// says what is wrong and what to do.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
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
    numberlark::QSettingsStore settings;
    numberlark::Form1 window(settings, std::make_unique<numberlark::ClockSeededRandom>());
    numberlark::CertificatePrinter printer(window.session(), &window);
    connectWindows(window, settings, printer);
    window.show();
    return QApplication::exec();
}
