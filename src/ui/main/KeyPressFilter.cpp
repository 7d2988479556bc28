#include "ui/main/KeyPressFilter.h"

#include <QKeyEvent>

namespace numberlark {

namespace {

int keyAscii(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return kEnterKeyAscii;
    }
    return event.text().isEmpty() ? 0 : event.text().at(0).unicode();
}

} // namespace

KeyPressFilter::KeyPressFilter(QObject* watched, Handler handler)
    : QObject(watched), m_handler(std::move(handler))
{
    watched->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_handler(keyAscii(*static_cast<QKeyEvent*>(event)))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace numberlark
