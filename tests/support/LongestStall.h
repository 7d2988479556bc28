#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <functional>

namespace numberlark::testing {

// Starts `action` from the window's event loop and keeps the loop running for
// `span`; returns the longest time the loop went without serving a frequent
// timer, which is how long the window could not answer.
inline std::chrono::milliseconds longestStall(const std::function<void()>& action,
                                              std::chrono::milliseconds span)
{
    QElapsedTimer sinceBeat;
    qint64 longest = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout,
                     [&] { longest = std::max(longest, sinceBeat.restart()); });
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        sinceBeat.start();
        beat.start(std::chrono::milliseconds(20));
        action();
    });
    QTimer::singleShot(span, &loop, &QEventLoop::quit);
    loop.exec();
    longest = std::max(longest, sinceBeat.elapsed());
    return std::chrono::milliseconds(longest);
}

} // namespace numberlark::testing
