#include "quiz/RandomSource.h"
#include "settings/SettingsStore.h"
#include "ui/common/Fonts.h"
#include "ui/main/Form1.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Numberlark"));
    QApplication::setApplicationName(QStringLiteral("Numberlark"));
    numberlark::installFontSubstitutions();
    const numberlark::QSettingsStore settings;
    numberlark::Form1 window(settings, std::make_unique<numberlark::ClockSeededRandom>());
    window.show();
    return QApplication::exec();
}
