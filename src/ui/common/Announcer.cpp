#include "ui/common/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace numberlark {

namespace {

const QString kNoticeName = QStringLiteral("Announcement");
const QString kBarName = QStringLiteral("AnnouncementBar");

// The notice is a notification, which readers speak as it shows; it stands
// in a status bar because Orca names the role of any other notification
// first ("notification correct"), which costs the child a second per answer.
QAccessibleInterface* noticeAccessible(const QString& /*className*/, QObject* object)
{
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (object->objectName() == kNoticeName) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (object->objectName() == kBarName) {
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    }
    return nullptr;
}

// One pixel large, painting nothing and letting the mouse through: it exists
// only for screen readers.
QWidget* makeUnseen(const QString& name, QWidget* parent)
{
    auto* unseen = new QWidget(parent);
    unseen->setObjectName(name);
    unseen->setAttribute(Qt::WA_TransparentForMouseEvents);
    unseen->setFocusPolicy(Qt::NoFocus);
    unseen->setGeometry(0, 0, 1, 1);
    return unseen;
}

// Stands beside the box, inside its own status bar.
QWidget* makeNotice(QWidget& answerBox)
{
    static const bool accessibleAsNotification =
        (QAccessible::installFactory(noticeAccessible), true);
    Q_UNUSED(accessibleAsNotification);
    QWidget* bar = makeUnseen(kBarName, answerBox.parentWidget());
    bar->show();
    QWidget* notice = makeUnseen(kNoticeName, bar);
    notice->hide();
    return notice;
}

} // namespace

Announcer::Announcer(QWidget& answerBox) : m_box(answerBox), m_notice(makeNotice(answerBox)) {}

void Announcer::announce(const QString& spoken, const QString& described)
{
    describeBox(described.trimmed());
    notify(spoken.trimmed());
}

void Announcer::describe(const QString& text)
{
    describeBox(text.trimmed());
}

void Announcer::unannounced(const std::function<void()>& change)
{
    // Every event goes to the installed handler instead of the bridge, so
    // while this one is in place nothing reaches a reader.
    struct Muted {
        QAccessible::UpdateHandler previous =
            QAccessible::installUpdateHandler([](QAccessibleEvent* /*event*/) {});
        Muted() = default;
        Muted(const Muted&) = delete;
        Muted& operator=(const Muted&) = delete;
        ~Muted() { QAccessible::installUpdateHandler(previous); }
    } muted;
    change();
}

// Exactly one change event per text: the same text twice in a row ("wrong"
// after "wrong") is told again, since the child tried again.
void Announcer::describeBox(const QString& text)
{
    if (m_box.accessibleDescription() != text) {
        m_box.setAccessibleDescription(text); // raises the change itself
        return;
    }
    QAccessibleEvent changed(&m_box, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

// Showing it again is what readers listen for.
void Announcer::notify(const QString& text)
{
    m_notice->hide();
    m_notice->setAccessibleName(text);
    m_notice->show();
}

} // namespace numberlark
