#include "ui/main/WindowSeams.h"

#include "ui/main/ResultsSaving.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace numberlark {

WindowSeams defaultWindowSeams(QWidget* window)
{
    QPointer<QWidget> owner(window);
    return {
        [](QObject* context, Continuation then) {
            QTimer::singleShot(kPauseDuration, context, std::move(then));
        },
        [] { QApplication::beep(); },
        [] { return QDateTime::currentDateTime(); },
        [owner](const QString& path, const QString& reason) {
            return askAfterSaveFailure(owner.data(), path, reason);
        },
    };
}

} // namespace numberlark
