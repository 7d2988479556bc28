#pragma once

#include "classroom/OutboxState.h"

#include <QLabel>
#include <QTimer>

#include <functional>
#include <optional>

namespace numberlark {

// The progress window's line about the school's server: how many tests
// wait to be delivered and why, in words, without a message box. Hidden
// when there is no server or nothing waits. It follows a delivery running
// while the window is open.
class ClassroomLine : public QLabel {
    Q_OBJECT

public:
    using StateSource = std::function<std::optional<classroom::OutboxState>()>;

    ClassroomLine(StateSource source, QWidget* parent);

    // The sentence for a state; empty when there is nothing to tell.
    static QString textFor(const classroom::OutboxState& state);
    // What the server refused and why: the first by its child and date, and
    // how many more.
    static QString setAsideText(const std::vector<classroom::SetAside>& setAside);

    // How often the line looks at the delivery again.
    static constexpr std::chrono::milliseconds kRefreshInterval{1000};

private:
    void refresh();

    StateSource m_source;
    QTimer m_refresh;
};

} // namespace numberlark
