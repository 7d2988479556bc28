#pragma once

#include "ui/main/WindowSeams.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <utility>

namespace numberlark::testing {

// A pause that lasts until the test ends it, so no test waits for a clock.
class ManualPause {
public:
    PauseScheduler scheduler()
    {
        return [this](QObject* context, Continuation then) {
            m_waiting.emplace_back(QPointer<QObject>(context), std::move(then));
        };
    }

    std::size_t waiting() const { return m_waiting.size(); }

    // Ends the oldest pause; false when none was waiting.
    bool endOne()
    {
        if (m_waiting.empty()) {
            return false;
        }
        auto [context, then] = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (context) {
            then();
        }
        return true;
    }

    // Ends pauses, including those that ending one starts, until none is left.
    void endAll()
    {
        while (endOne()) {
        }
    }

private:
    std::deque<std::pair<QPointer<QObject>, Continuation>> m_waiting;
};

} // namespace numberlark::testing
