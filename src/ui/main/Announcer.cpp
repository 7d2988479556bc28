#include "ui/main/Announcer.h"

#include <QAccessible>
#include <QWidget>

namespace numberlark {

Announcer::Announcer(QWidget& answerBox) : m_box(answerBox) {}

// Exactly one change event per text: the same text twice in a row ("wrong"
// after "wrong") is told again, since the child tried again.
void Announcer::announce(const QString& text)
{
    const QString spoken = text.trimmed();
    if (m_box.accessibleDescription() != spoken) {
        m_box.setAccessibleDescription(spoken); // raises the change itself
        return;
    }
    QAccessibleEvent changed(&m_box, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace numberlark
