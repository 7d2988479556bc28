#include "classroom/OutboxDelivery.h"

#include "classroom/OutboxInserts.h"
#include "classroom/StatementWatch.h"

#include <QSqlDatabase>

#include <deque>
#include <memory>
#include <span>

namespace numberlark::classroom {

namespace {

constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

bool isSendable(const progress::TestRecord& test)
{
    return !test.uuid.isNull() && test.when.isValid();
}

bool isSendable(const progress::PracticeSessionRecord& session)
{
    return !session.uuid.isNull() && session.started.isValid();
}

SetAside setAside(const progress::TestRecord& test, const QSqlError& error)
{
    return {test.uuid,
            test.child,
            test.when,
            false,
            error.nativeErrorCode(),
            error.databaseText().trimmed()};
}

SetAside setAside(const progress::PracticeSessionRecord& session, const QSqlError& error)
{
    return {session.uuid, session.child,           session.started,
            true,         error.nativeErrorCode(), error.databaseText().trimmed()};
}

// How a batch went: no error, or the error and, when an insert raised it,
// which item of the batch that was.
struct BatchOutcome {
    QSqlError error;
    std::size_t failedAt = kUnknown;
};

template <typename Item>
BatchOutcome sendBatch(QSqlDatabase db, OutboxInserts& inserts, std::span<const Item* const> batch)
{
    if (!db.transaction()) {
        return {db.lastError()};
    }
    for (std::size_t i = 0; i < batch.size(); ++i) {
        if (QSqlError error = inserts.insert(*batch[i]); error.isValid()) {
            db.rollback();
            return {error, i};
        }
    }
    if (!db.commit()) {
        // A deferred constraint speaks only now, for no row in particular.
        // A failed COMMIT has ended the transaction on the server already.
        return {db.lastError()};
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
        open();
    }

    template <typename Item> void send(const std::vector<Item>& items);
    DeliveryReport report() { return std::move(m_report); }

private:
    template <typename Item> using Batch = std::span<const Item* const>;

    void open()
    {
        m_report.status = m_connection.open(&m_watch);
        if (m_watch.fired()) {
            m_report.status.problem = ClassroomProblem::ServerFrozen;
        }
        m_inserts = std::make_unique<OutboxInserts>(m_connection.database());
    }
    void reopen()
    {
        ++m_report.reconnects;
        m_inserts.reset();
        m_connection.close();
        open();
    }
    template <typename Item> void delivered(Batch<Item> batch)
    {
        for (const Item* item : batch) {
            m_report.delivered.push_back(item->uuid);
            if (m_onDelivered) {
                m_onDelivered(item->uuid);
            }
        }
    }
    // The batch goes again without the refused item; a refusal that names
    // no item is looked for by halves.
    template <typename Item>
    void setAsideFrom(Batch<Item> batch, const BatchOutcome& outcome,
                      std::deque<Batch<Item>>& pending)
    {
        std::size_t at = outcome.failedAt;
        if (at == kUnknown && batch.size() > 1) {
            pending.push_front(batch.subspan(batch.size() / 2));
            pending.push_front(batch.first(batch.size() / 2));
            return;
        }
        at = at == kUnknown ? 0 : at;
        m_report.refused.push_back(setAside(*batch[at], outcome.error));
        if (at + 1 < batch.size()) {
            pending.push_front(batch.subspan(at + 1));
        }
        if (at > 0) {
            pending.push_front(batch.first(at));
        }
    }

    ServerConnection& m_connection;
    const std::function<void(const QUuid&)>& m_onDelivered;
    const std::atomic<bool>* m_stop;
    StatementWatch m_watch{kExchangeLimit};
    std::unique_ptr<OutboxInserts> m_inserts;
    DeliveryReport m_report;
    int m_dropsInARow = 0;
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
    std::deque<Batch<Item>> pending;
    for (std::size_t from = 0; from < sendable.size(); from += kItemsPerTransaction) {
        pending.push_back(Batch<Item>(sendable).subspan(
            from, std::min(kItemsPerTransaction, sendable.size() - from)));
    }
    while (m_report.status.ok() && !pending.empty()) {
        if (m_stop != nullptr && m_stop->load()) {
            return;
        }
        const Batch<Item> batch = pending.front();
        BatchOutcome outcome;
        {
            const StatementWatch::Guard guard(m_watch, m_connection.socket());
            outcome = sendBatch(m_connection.database(), *m_inserts, batch);
        }
        const QString words = outcome.error.databaseText().trimmed();
        if (!outcome.error.isValid()) {
            pending.pop_front();
            delivered(batch);
            m_dropsInARow = 0;
        } else if (m_watch.fired()) {
            m_report.status = {ClassroomProblem::ServerFrozen, words};
        } else if (isConnectionLost(outcome.error)) {
            if (m_dropsInARow++ < kReconnectTries) {
                reopen();
            } else {
                m_report.status = {ClassroomProblem::ConnectionDropped, words};
            }
        } else if (isRowRefused(outcome.error)) {
            pending.pop_front();
            setAsideFrom(batch, outcome, pending);
        } else {
            m_report.status = {classifyStatementError(outcome.error), words};
        }
    }
}

} // namespace

DeliveryReport deliverOutbox(ServerConnection& connection, const Outbox& outbox,
                             const std::function<void(const QUuid&)>& onDelivered,
                             const std::atomic<bool>* stop)
{
    Delivery delivery(connection, onDelivered, stop);
    delivery.send(outbox.tests);
    delivery.send(outbox.practice);
    return delivery.report();
}

} // namespace numberlark::classroom
