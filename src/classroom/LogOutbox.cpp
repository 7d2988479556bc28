#include "classroom/LogOutbox.h"

#include "progress/LogTransaction.h"
#include "progress/PracticeTable.h"
#include "progress/ProgressLog.h"
#include "progress/TestTable.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <span>

namespace numberlark::classroom {

using namespace progress;

namespace {

// Statements of at most this many uuids, far below SQLite's limit on
// bound values.
constexpr std::size_t kUuidsPerStatement = 200;

// The rows of `table` waiting after key `after`; tests imported from a
// results file never wait.
QString waiting(const QString& prefix, bool tests)
{
    return QStringLiteral("%1delivered = 0 AND %1id > ?").arg(prefix) +
           (tests ? QStringLiteral(" AND %1imported = 0").arg(prefix) : QString());
}

// The condition on `table`, named `alias`, for the part asked for; the
// newest are found through the index of waiting rows, by key.
QString waitingWhere(const QString& table, const QString& alias, bool tests, const OutboxPart& part,
                     std::int64_t after, QVariantList& values)
{
    values << qlonglong{after};
    QString where = waiting(alias + QLatin1Char('.'), tests);
    if (part.newest > 0) {
        values << qlonglong{after} << part.newest;
        where += QStringLiteral(" AND %1.id IN (SELECT id FROM %2 WHERE %3 ORDER BY id DESC"
                                " LIMIT ?)")
                     .arg(alias, table, waiting({}, tests));
    }
    return where;
}

// Tests brought in from a results file stay on this computer: the same file
// imported on two computers would reach the server twice.
QSqlError selectOutbox(const QSqlDatabase& db, const OutboxPart& part, classroom::Outbox& outbox,
                       OutboxPart& reached)
{
    std::vector<TestRecord> tests;
    std::vector<PracticeSessionRecord> sessions;
    QVariantList testValues;
    const QString testsWhere = waitingWhere(QStringLiteral("tests"), QStringLiteral("t"), true,
                                            part, part.testsAfter, testValues);
    QVariantList practiceValues;
    const QString practiceWhere =
        waitingWhere(QStringLiteral("practice_sessions"), QStringLiteral("s"), false, part,
                     part.practiceAfter, practiceValues);
    QSqlError error = selectTestsWhere(db, testsWhere, testValues, tests);
    if (!error.isValid()) {
        error = selectPracticeWhere(db, practiceWhere, practiceValues, sessions);
    }
    reached = part;
    for (TestRecord& test : tests) {
        reached.testsAfter = std::max(reached.testsAfter, test.id);
        outbox.tests.push_back(std::move(test));
    }
    for (PracticeSessionRecord& session : sessions) {
        reached.practiceAfter = std::max(reached.practiceAfter, session.id);
        outbox.practice.push_back(std::move(session));
    }
    return error;
}

// Why the server refused rows that still wait, as an earlier run noted it.
QSqlError selectRefused(const QSqlDatabase& db, std::vector<classroom::SetAside>& refused)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT uuid, child, taken_ms, utc_offset, refused_code, refused_words, 0 FROM tests"
            " WHERE delivered = 0 AND refused_code IS NOT NULL UNION ALL"
            " SELECT uuid, child, started_ms, utc_offset, refused_code, refused_words, 1"
            " FROM practice_sessions WHERE delivered = 0 AND refused_code IS NOT NULL"
            " ORDER BY 3"))) {
        return query.lastError();
    }
    while (query.next()) {
        refused.push_back(
            {QUuid::fromString(query.value(0).toString()), query.value(1).toString(),
             QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong(), Qt::OffsetFromUTC,
                                            query.value(3).toInt()),
             query.value(6).toInt() != 0, query.value(4).toString(), query.value(5).toString()});
    }
    return query.lastError();
}

// The log keeps uuids in lower case without braces, the form QUuid writes;
// lower() also matches one written in capitals by another tool.
QSqlError markIn(QSqlDatabase& db, const QString& table, std::span<const QUuid> uuids)
{
    QStringList marks;
    for (std::size_t i = 0; i < uuids.size(); ++i) {
        marks << QStringLiteral("?");
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE %1 SET delivered = 1, refused_code = NULL,"
                                 " refused_words = NULL WHERE lower(uuid) IN (%2)")
                      .arg(table, marks.join(QStringLiteral(", "))));
    for (const QUuid& uuid : uuids) {
        query.addBindValue(uuid.toString(QUuid::WithoutBraces));
    }
    return query.exec() ? QSqlError() : query.lastError();
}

} // namespace

LogStatus readOutbox(ProgressLog& log, classroom::Outbox& outbox, const OutboxPart& part,
                     OutboxPart* reached)
{
    outbox = {};
    LogStatus status = log.open();
    if (!status.done()) {
        return status;
    }
    OutboxPart last;
    if (const QSqlError error = selectOutbox(log.database(), part, outbox, last); error.isValid()) {
        outbox = {};
        return log.statusFor(error);
    }
    if (reached != nullptr) {
        *reached = last;
    }
    return status;
}

LogStatus markDelivered(ProgressLog& log, const std::vector<QUuid>& uuids)
{
    LogStatus status = log.open();
    if (!status.done() || uuids.empty()) {
        return status;
    }
    const QSqlError error = inTransaction(log.database(), [&uuids](QSqlDatabase& db) {
        const std::span<const QUuid> all(uuids);
        for (std::size_t from = 0; from < all.size(); from += kUuidsPerStatement) {
            const auto part = all.subspan(from, std::min(kUuidsPerStatement, all.size() - from));
            for (const char* table : {"tests", "practice_sessions"}) {
                if (QSqlError error = markIn(db, QLatin1String(table), part); error.isValid()) {
                    return error;
                }
            }
        }
        return QSqlError();
    });
    return error.isValid() ? log.statusFor(error) : status;
}

} // namespace numberlark::classroom

namespace numberlark::classroom {

LogStatus readRefused(ProgressLog& log, std::vector<classroom::SetAside>& refused)
{
    refused.clear();
    LogStatus status = log.open();
    if (!status.done()) {
        return status;
    }
    const QSqlError error = selectRefused(log.database(), refused);
    return error.isValid() ? log.statusFor(error) : status;
}

LogStatus markRefused(ProgressLog& log, const std::vector<classroom::SetAside>& refused)
{
    LogStatus status = log.open();
    if (!status.done() || refused.empty()) {
        return status;
    }
    const QSqlError error = inTransaction(log.database(), [&refused](QSqlDatabase& db) {
        for (const classroom::SetAside& item : refused) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("UPDATE %1 SET refused_code = ?, refused_words = ?"
                                         " WHERE lower(uuid) = ?")
                              .arg(item.practice ? QLatin1String("practice_sessions")
                                                 : QLatin1String("tests")));
            query.addBindValue(item.sqlState);
            query.addBindValue(item.words);
            query.addBindValue(item.uuid.toString(QUuid::WithoutBraces));
            if (!query.exec()) {
                return query.lastError();
            }
        }
        return QSqlError();
    });
    return error.isValid() ? log.statusFor(error) : status;
}

} // namespace numberlark::classroom
