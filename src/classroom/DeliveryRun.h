#pragma once

#include "classroom/OutboxDelivery.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace numberlark::classroom {

// One delivery on a thread of its own (a WorkerThreads worker, fenced by the
// end of main()), never the caller's. The caller waits
// as long as it can afford (at Quit, 2 s in all) and may then walk away:
// the thread owns its connection and this shared state, and goes on until
// the server answers, the connection times out, or the batch in flight ends
// after stop(). Nothing it touches belongs to the caller.
class DeliveryRun : public std::enable_shared_from_this<DeliveryRun> {
public:
    static std::shared_ptr<DeliveryRun> start(QString server, Outbox outbox);

    // True when the delivery ended within `limit`.
    bool waitFor(std::chrono::milliseconds limit);
    // Asks the thread to send no further batch.
    void stop() { m_stop = true; }

    // The report, once the delivery has ended.
    std::optional<DeliveryReport> report() const;
    // What the server holds so far, also while the delivery runs.
    std::vector<QUuid> deliveredSoFar() const;

private:
    struct Token {};

public:
    DeliveryRun(Token /*unused*/, QString server, Outbox outbox);

private:
    void run();

    const QString m_server;
    const Outbox m_outbox;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::condition_variable m_ended;
    std::vector<QUuid> m_delivered;
    std::optional<DeliveryReport> m_report;
};

} // namespace numberlark::classroom
