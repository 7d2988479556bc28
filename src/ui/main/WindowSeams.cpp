#include "ui/main/WindowSeams.h"

#include "platform/sound/Bell.h"
#include "ui/common/Dialogs.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace numberlark {

WindowSeams defaultWindowSeams(QWidget* window)
{
    QPointer<Bell> bell(new Bell(window));
    return {
        [](QObject* context, Continuation then) {
            QTimer::singleShot(kPauseDuration, context, std::move(then));
        },
        [bell] {
            if (bell) {
                bell->ring();
            }
        },
        [] { return QDateTime::currentDateTime(); },
        std::make_shared<DesktopDialogs>(window),
    };
}

} // namespace numberlark
