#include "classroom/TestDelivery.h"

#include "classroom/TestInserts.h"

#include <QSqlDatabase>

#include <memory>
#include <span>

namespace numberlark::classroom {

namespace {

bool isSendable(const ClassroomTest& test)
{
    return !test.uuid.isNull() && test.when.isValid();
}

QSqlError sendBatch(QSqlDatabase& db, TestInserts& inserts,
                    std::span<const ClassroomTest* const> batch)
{
    if (!db.transaction()) {
        return db.lastError();
    }
    for (const ClassroomTest* test : batch) {
        QSqlError error = inserts.insert(*test);
        if (error.isValid()) {
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

} // namespace

DeliveryReport deliverTests(ServerConnection& connection, const std::vector<ClassroomTest>& tests,
                            const std::function<void(const QUuid&)>& onDelivered,
                            const std::atomic<bool>* stop)
{
    DeliveryReport report;
    std::vector<const ClassroomTest*> sendable;
    for (const ClassroomTest& test : tests) {
        if (isSendable(test)) {
            sendable.push_back(&test);
        } else {
            report.unsendable.push_back(test.uuid);
        }
    }
    report.status = connection.open();
    auto inserts = std::make_unique<TestInserts>(connection.database());
    for (std::size_t from = 0; report.status.ok() && from < sendable.size();) {
        if (stop != nullptr && stop->load()) {
            break;
        }
        const std::size_t count =
            std::min<std::size_t>(kTestsPerTransaction, sendable.size() - from);
        QSqlDatabase db = connection.database();
        const QSqlError error = sendBatch(db, *inserts, std::span(sendable).subspan(from, count));
        if (!error.isValid()) {
            for (std::size_t i = from; i < from + count; ++i) {
                report.delivered.push_back(sendable[i]->uuid);
                if (onDelivered) {
                    onDelivered(sendable[i]->uuid);
                }
            }
            from += count;
        } else if (isConnectionLost(error) && report.reconnects < kReconnectTries) {
            ++report.reconnects;
            inserts.reset();
            connection.close();
            report.status = connection.open();
            inserts = std::make_unique<TestInserts>(connection.database());
        } else {
            report.status = {classifyStatementError(error), error.databaseText().trimmed()};
        }
    }
    return report;
}

} // namespace numberlark::classroom
