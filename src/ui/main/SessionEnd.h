#pragma once

#include "ui/main/Form1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace numberlark {

// Ends the program keeping the child's work when the desktop session ends.
// The session manager's Die message reaches the application as a Quit event
// from the platform; the program's own quitting is not spontaneous and
// passes through.
class SessionEnd : public QObject {
public:
    SessionEnd(Form1& window, QObject* parent) : QObject(parent), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Quit && event->spontaneous() &&
            watched == QCoreApplication::instance()) {
            m_window.endKeepingWork();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Form1& m_window;
};

} // namespace numberlark
