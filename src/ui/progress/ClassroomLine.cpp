#include "ui/progress/ClassroomLine.h"

#include "classroom/ClassroomProblem.h"

#include <QLocale>

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
        return state.failure.message;
    }
    // The number stands last, so the English needs no plural forms.
    const QString count =
        state.delivering
            ? tr("Tests on their way to the school's server: %n.", nullptr, state.waiting)
            : tr("Tests waiting to be delivered to the school's server: %n.", nullptr,
                 state.waiting);
    QStringList sentences{count};
    for (const QString& more : {state.failure.message, setAsideText(state.setAside)}) {
        if (!more.isEmpty()) {
            sentences << more;
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString ClassroomLine::setAsideText(const std::vector<classroom::SetAside>& setAside)
{
    if (setAside.empty()) {
        return {};
    }
    const classroom::SetAside& first = setAside.front();
    const QString date = QLocale::system().toString(first.when.date(), QLocale::ShortFormat);
    const QString why = classroom::describeRefusal(first.sqlState) + QStringLiteral(" (") +
                        classroom::serverWords(first.words) + QLatin1Char(')');
    QString text = first.practice
                       ? tr("The school's server refused %1's practice of %2: %3. It is kept on "
                            "this computer and sent again at the next start.")
                             .arg(first.child, date, why)
                       : tr("The school's server refused %1's test of %2: %3. It is kept on "
                            "this computer and sent again at the next start.")
                             .arg(first.child, date, why);
    if (setAside.size() > 1) {
        text += QLatin1Char(' ') + tr("Also refused and kept: %n more.", nullptr,
                                      static_cast<int>(setAside.size() - 1));
    }
    return text;
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
