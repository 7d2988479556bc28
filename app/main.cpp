#include "ui/common/Fonts.h"
#include "ui/main/Form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Numberlark"));
    QApplication::setApplicationName(QStringLiteral("Numberlark"));
    numberlark::installFontSubstitutions();
    numberlark::Form1 window;
    window.show();
    return QApplication::exec();
}
