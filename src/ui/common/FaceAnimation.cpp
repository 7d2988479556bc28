#include "ui/common/FaceAnimation.h"

#include "artwork/Artwork.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace numberlark {

namespace {

QLabel* makeFace(QWidget* window, Picture picture, const char* name)
{
    auto* face = new QLabel(window);
    face->setObjectName(QString::fromLatin1(name));
    face->setPixmap(renderPicture(picture, window->devicePixelRatioF()));
    face->setFixedSize(naturalSize(picture));
    // Screen readers say what the picture shows; it has no text of its own.
    face->setAccessibleName(QStringLiteral("A smiling face"));
    return face;
}

} // namespace

FaceAnimation::FaceAnimation(QWidget* window)
    : QObject(window), m_window(window), m_smile(makeFace(window, Picture::FaceSmile, "Image1")),
      m_grin(makeFace(window, Picture::FaceGrin, "Image2")), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &FaceAnimation::tick);
    m_window->installEventFilter(this);
}

void FaceAnimation::start(QPoint topLeft)
{
    m_smile->move(topLeft);
    m_grin->move(topLeft);
    m_smile->raise();
    m_timer->start(kFirstSmileMs);
}

void FaceAnimation::stop()
{
    m_timer->stop();
}

void FaceAnimation::tick()
{
    if (m_timer->interval() != kGrinMs) {
        m_timer->setInterval(kGrinMs);
        m_grin->raise();
    } else {
        m_timer->setInterval(kSmileMs);
        m_grin->lower();
        m_smile->raise();
    }
}

int FaceAnimation::interval() const
{
    return m_timer->interval();
}

bool FaceAnimation::isRunning() const
{
    return m_timer->isActive();
}

bool FaceAnimation::eventFilter(QObject* watched, QEvent* event)
{
    // The window system hides a minimised window too (a spontaneous event);
    // only the program's own hide, on closing, ends the animation.
    if (watched == m_window && event->type() == QEvent::Hide && !event->spontaneous()) {
        stop();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace numberlark
