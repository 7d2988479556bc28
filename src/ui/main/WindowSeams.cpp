#include "ui/main/WindowSeams.h"

#include "platform/sound/Bell.h"
#include "ui/main/ResultsSaving.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace numberlark {

WindowSeams defaultWindowSeams(QWidget* window)
{
    QPointer<QWidget> owner(window);
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
        [owner](const QString& path, const QString& reason) {
            return askAfterSaveFailure(owner.data(), path, reason);
        },
    };
}

} // namespace numberlark
