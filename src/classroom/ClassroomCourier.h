#pragma once

#include "classroom/OutboxState.h"

#include <QString>

#include <chrono>

namespace numberlark::classroom {

// What the classroom module offers: the one object its entry point returns.
// The module brings Qt SQL and the PostgreSQL driver, so the program loads it
// only when a school's server is set, and never before its window is shown.
// Every call comes from the window's thread; the network is met only on
// worker threads of the module's own.
class ClassroomCourier {
public:
    static constexpr char kEntryPoint[] = "numberlark_classroom_courier";

    virtual ~ClassroomCourier() = default;

    // Delivers what the log at `logPath` holds back, now and, while any is
    // left, again after a growing pause. Returns at once.
    virtual void deliverWhileRunning(const QString& logPath, const QString& server) = 0;
    // Delivers what waits, the test just recorded included, giving it at
    // most `limit` in all; marks in the log what the server took in time.
    virtual void deliverBeforeQuit(const QString& logPath, const QString& server,
                                   std::chrono::milliseconds limit) = 0;
    // Whether a delivery still runs on a worker thread (a server that froze).
    virtual bool deliveryRunning() const = 0;
    virtual OutboxState state() const = 0;
};

} // namespace numberlark::classroom
