#include "progress/JournalReplay.h"

#include "progress/ProgressLog.h"
#include "progress/RecordJournal.h"

#include <QSqlQuery>

namespace numberlark::progress {

namespace {

bool holds(const QSqlDatabase& db, const QString& table, const QUuid& uuid)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE lower(uuid) = ?").arg(table));
    query.addBindValue(uuid.toString(QUuid::WithoutBraces));
    return query.exec() && query.next();
}

template <typename Record, typename Store>
std::vector<Record> storeEach(ProgressLog& log, const QString& table, std::vector<Record> records,
                              Store store)
{
    std::vector<Record> left;
    for (Record& record : records) {
        if (!holds(log.database(), table, record.uuid) && !store(record).done()) {
            left.push_back(std::move(record));
        }
    }
    return left;
}

} // namespace

void takeInJournal(ProgressLog& log)
{
    RecordJournal journal(log.path());
    if (journal.isEmpty()) {
        return;
    }
    RecordJournal::Kept kept = journal.read();
    kept.tests = storeEach(log, QStringLiteral("tests"), std::move(kept.tests),
                           [&log](TestRecord& test) { return log.record(test); });
    kept.practice =
        storeEach(log, QStringLiteral("practice_sessions"), std::move(kept.practice),
                  [&log](PracticeSessionRecord& session) { return log.recordPractice(session); });
    static_cast<void>(journal.replace(kept));
}

} // namespace numberlark::progress
