#include "ui/common/Fonts.h"

#include <QFont>
#include <QStringList>

namespace numberlark {

void installFontSubstitutions()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")});
}

QString installedFamily(const QString& family)
{
    return QFont::substitutes(family).value(0, family);
}

} // namespace numberlark
