#pragma once

#include "ui/main/Form1.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QSessionManager>

namespace numberlark {

// Ends the program keeping the child's work when the desktop session ends.
// The session manager first asks the program to save, which may only be a
// checkpoint after which the session goes on, so nothing ends then; its Die
// message after a save reaches the application as a Quit event, and that
// keeps what Quit keeps. Quitting the program itself passes through, as the
// window is ending already then.
class SessionEnd : public QObject {
public:
    SessionEnd(QGuiApplication& app, Form1& window) : QObject(&window), m_window(window)
    {
        connect(&app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager& /*manager*/) { m_saveAsked = true; });
        app.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_saveAsked && event->type() == QEvent::Quit &&
            watched == QCoreApplication::instance()) {
            m_window.endKeepingWork();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Form1& m_window;
    bool m_saveAsked = false;
};

} // namespace numberlark
