#include "classroom/DeliveryRun.h"

#include "classroom/ServerConnection.h"

#include "workers/WorkerThreads.h"

namespace numberlark::classroom {

std::shared_ptr<DeliveryRun> DeliveryRun::start(QString server, Outbox outbox)
{
    auto delivery = std::make_shared<DeliveryRun>(Token{}, std::move(server), std::move(outbox));
    // Not waited for: a frozen server may hold the worker past the program's
    // own wait, and the shared pointer it holds keeps everything it uses alive.
    WorkerThreads::start([delivery] { delivery->run(); });
    return delivery;
}

DeliveryRun::DeliveryRun(Token /*unused*/, QString server, Outbox outbox)
    : m_server(std::move(server)), m_outbox(std::move(outbox))
{
}

void DeliveryRun::run()
{
    DeliveryReport report;
    {
        ServerConnection connection(m_server);
        report = deliverOutbox(
            connection, m_outbox,
            [this](const QUuid& uuid) {
                const std::lock_guard lock(m_mutex);
                m_delivered.push_back(uuid);
            },
            &m_stop);
    }
    const std::lock_guard lock(m_mutex);
    m_report = std::move(report);
    m_ended.notify_all();
}

bool DeliveryRun::waitFor(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_ended.wait_for(lock, limit, [this] { return m_report.has_value(); });
}

std::optional<DeliveryReport> DeliveryRun::report() const
{
    const std::lock_guard lock(m_mutex);
    return m_report;
}

std::vector<QUuid> DeliveryRun::deliveredSoFar() const
{
    const std::lock_guard lock(m_mutex);
    return m_delivered;
}

} // namespace numberlark::classroom
