#include "ui/progress/ClassroomLine.h"

namespace numberlark {

ClassroomLine::ClassroomLine(StateSource source, QWidget* parent)
    : QLabel(parent), m_source(std::move(source))
{
    setObjectName(QStringLiteral("classroomLine"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    hide();
    if (!m_source) {
        return;
    }
    connect(&m_refresh, &QTimer::timeout, this, &ClassroomLine::refresh);
    m_refresh.start(kRefreshInterval);
    refresh();
}

QString ClassroomLine::textFor(const classroom::OutboxState& state)
{
    if (state.waiting <= 0) {
        // A reason with nothing waiting is still worth telling: the next
        // test would wait too.
        return state.reason;
    }
    // The number stands last, so the English needs no plural forms.
    const QString count =
        state.delivering
            ? tr("Tests on their way to the school's server: %n.", nullptr, state.waiting)
            : tr("Tests waiting to be delivered to the school's server: %n.", nullptr,
                 state.waiting);
    return state.reason.isEmpty() ? count : count + QLatin1Char(' ') + state.reason;
}

void ClassroomLine::refresh()
{
    const std::optional<classroom::OutboxState> state = m_source();
    const QString text = state ? textFor(*state) : QString();
    if (text != this->text()) {
        setText(text);
    }
    setVisible(!text.isEmpty());
}

} // namespace numberlark
