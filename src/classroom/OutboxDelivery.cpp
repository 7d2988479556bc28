#include "classroom/OutboxDelivery.h"

#include "classroom/OutboxInserts.h"

#include <QSqlDatabase>

#include <memory>
#include <span>

namespace numberlark::classroom {

namespace {

bool isSendable(const ClassroomTest& test)
{
    return !test.uuid.isNull() && test.when.isValid();
}

bool isSendable(const ClassroomPractice& session)
{
    return !session.uuid.isNull() && session.started.isValid();
}

template <typename Item>
QSqlError sendBatch(QSqlDatabase db, OutboxInserts& inserts, std::span<const Item* const> batch)
{
    if (!db.transaction()) {
        return db.lastError();
    }
    for (const Item* item : batch) {
        if (QSqlError error = inserts.insert(*item); error.isValid()) {
            db.rollback();
            return error;
        }
    }
    if (!db.commit()) {
        QSqlError error = db.lastError();
        db.rollback();
        return error;
    }
    return {};
}

// One delivery's state across its tests and its practice sessions.
class Delivery {
public:
    Delivery(ServerConnection& connection, const std::function<void(const QUuid&)>& onDelivered,
             const std::atomic<bool>* stop)
        : m_connection(connection), m_onDelivered(onDelivered), m_stop(stop)
    {
        m_report.status = m_connection.open();
        m_inserts = std::make_unique<OutboxInserts>(m_connection.database());
    }

    template <typename Item> void send(const std::vector<Item>& items);
    DeliveryReport report() { return std::move(m_report); }

private:
    void reopen()
    {
        ++m_report.reconnects;
        m_inserts.reset();
        m_connection.close();
        m_report.status = m_connection.open();
        m_inserts = std::make_unique<OutboxInserts>(m_connection.database());
    }

    ServerConnection& m_connection;
    const std::function<void(const QUuid&)>& m_onDelivered;
    const std::atomic<bool>* m_stop;
    std::unique_ptr<OutboxInserts> m_inserts;
    DeliveryReport m_report;
};

template <typename Item> void Delivery::send(const std::vector<Item>& items)
{
    std::vector<const Item*> sendable;
    for (const Item& item : items) {
        if (isSendable(item)) {
            sendable.push_back(&item);
        } else {
            m_report.unsendable.push_back(item.uuid);
        }
    }
    for (std::size_t from = 0; m_report.status.ok() && from < sendable.size();) {
        if (m_stop != nullptr && m_stop->load()) {
            return;
        }
        const std::size_t count = std::min(kItemsPerTransaction, sendable.size() - from);
        const auto batch = std::span<const Item* const>(sendable).subspan(from, count);
        const QSqlError error = sendBatch(m_connection.database(), *m_inserts, batch);
        if (!error.isValid()) {
            for (const Item* item : batch) {
                m_report.delivered.push_back(item->uuid);
                if (m_onDelivered) {
                    m_onDelivered(item->uuid);
                }
            }
            from += count;
        } else if (isConnectionLost(error) && m_report.reconnects < kReconnectTries) {
            reopen();
        } else {
            m_report.status = {classifyStatementError(error), error.databaseText().trimmed()};
        }
    }
}

} // namespace

DeliveryReport deliver(ServerConnection& connection, const Outbox& outbox,
                       const std::function<void(const QUuid&)>& onDelivered,
                       const std::atomic<bool>* stop)
{
    Delivery delivery(connection, onDelivered, stop);
    delivery.send(outbox.tests);
    delivery.send(outbox.practice);
    return delivery.report();
}

} // namespace numberlark::classroom
