#include "ui/common/SingleLineText.h"

#include <QLineEdit>

namespace numberlark {

void keepSingleLine(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
            return;
        }
        QString flat = text;
        flat.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        const int cursor = box->cursorPosition();
        box->setText(flat);
        box->setCursorPosition(cursor);
    });
}

} // namespace numberlark
