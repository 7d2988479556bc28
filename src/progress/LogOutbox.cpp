#include "progress/LogOutbox.h"

#include "progress/LogTransaction.h"
#include "progress/ProgressLog.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <span>
#include <unordered_map>

namespace numberlark::progress {

namespace {

using classroom::ClassroomPractice;
using classroom::ClassroomTest;

// Statements of at most this many uuids, far below SQLite's limit on
// bound values.
constexpr std::size_t kUuidsPerStatement = 200;

QDateTime localTime(const QVariant& millis, const QVariant& offsetSeconds)
{
    if (millis.isNull()) {
        return {};
    }
    return QDateTime::fromMSecsSinceEpoch(millis.toLongLong(), Qt::OffsetFromUTC,
                                          offsetSeconds.toInt());
}

// Rows of one query, each handed on as it is read.
template <typename Row> QSqlError eachRow(const QSqlDatabase& db, const QString& sql, Row row)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        return query.lastError();
    }
    while (query.next()) {
        row(query);
    }
    return query.lastError();
}

QSqlError selectTests(const QSqlDatabase& db, std::vector<ClassroomTest>& tests)
{
    std::unordered_map<qlonglong, std::size_t> indexOf;
    QSqlError error = eachRow(
        db,
        QStringLiteral("SELECT id, uuid, child, taken_ms, utc_offset, table_kind, table_number,"
                       " questions, seconds, finished FROM tests"
                       " WHERE delivered = 0 AND imported = 0 ORDER BY taken_ms, id"),
        [&](const QSqlQuery& row) {
            indexOf.emplace(row.value(0).toLongLong(), tests.size());
            tests.push_back({
                .uuid = QUuid::fromString(row.value(1).toString()),
                .child = row.value(2).toString(),
                .when = localTime(row.value(3), row.value(4)),
                .tableKind = static_cast<classroom::TableKind>(row.value(5).toInt()),
                .tableNumber = static_cast<std::int16_t>(row.value(6).toInt()),
                .questions = row.value(7).toInt(),
                .seconds = row.value(8).toInt(),
                .finished = row.value(9).toInt() != 0,
                .answers = {},
            });
        });
    if (error.isValid()) {
        return error;
    }
    error = eachRow(db,
                    QStringLiteral("SELECT a.test_id, a.shown_first, a.shown_second,"
                                   " a.table_number, a.wrong_before, a.millis"
                                   " FROM answers a JOIN tests t ON t.id = a.test_id"
                                   " WHERE t.delivered = 0 AND t.imported = 0"
                                   " ORDER BY a.test_id, a.seq"),
                    [&](const QSqlQuery& row) {
                        const auto found = indexOf.find(row.value(0).toLongLong());
                        if (found == indexOf.end()) {
                            return;
                        }
                        tests[found->second].answers.push_back({
                            .first = static_cast<std::int16_t>(row.value(1).toInt()),
                            .second = static_cast<std::int16_t>(row.value(2).toInt()),
                            .table = static_cast<std::int16_t>(row.value(3).toInt()),
                            .wrongBefore = row.value(4).toInt(),
                            .millisToRight = row.value(5).toLongLong(),
                        });
                    });
    // Every answer of a test is a right one in the end: a wrong answer keeps
    // the question until it is answered right.
    for (ClassroomTest& test : tests) {
        test.rightAnswers = static_cast<int>(test.answers.size());
    }
    return error;
}

QSqlError selectPractice(const QSqlDatabase& db, std::vector<ClassroomPractice>& sessions)
{
    std::unordered_map<qlonglong, std::size_t> indexOf;
    QSqlError error = eachRow(
        db,
        QStringLiteral("SELECT id, uuid, child, started_ms, utc_offset, minutes, limit_ms"
                       " FROM practice_sessions WHERE delivered = 0 ORDER BY started_ms, id"),
        [&](const QSqlQuery& row) {
            indexOf.emplace(row.value(0).toLongLong(), sessions.size());
            ClassroomPractice session{
                .uuid = QUuid::fromString(row.value(1).toString()),
                .child = row.value(2).toString(),
                .started = localTime(row.value(3), row.value(4)),
                .minutes = row.value(5).toInt(),
                .limitMillis = std::nullopt,
                .answers = {},
            };
            if (!row.value(6).isNull()) {
                session.limitMillis = row.value(6).toInt();
            }
            sessions.push_back(std::move(session));
        });
    if (error.isValid()) {
        return error;
    }
    return eachRow(db,
                   QStringLiteral("SELECT a.session_id, a.fact_first, a.fact_second,"
                                  " a.wrong_tries, a.millis FROM practice_answers a"
                                  " JOIN practice_sessions s ON s.id = a.session_id"
                                  " WHERE s.delivered = 0 ORDER BY a.session_id, a.seq"),
                   [&](const QSqlQuery& row) {
                       const auto found = indexOf.find(row.value(0).toLongLong());
                       if (found == indexOf.end()) {
                           return;
                       }
                       sessions[found->second].answers.push_back({
                           .first = static_cast<std::int8_t>(row.value(1).toInt()),
                           .second = static_cast<std::int8_t>(row.value(2).toInt()),
                           .wrongTries = row.value(3).toInt(),
                           .millis = row.value(4).toLongLong(),
                       });
                   });
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
    query.prepare(QStringLiteral("UPDATE %1 SET delivered = 1 WHERE lower(uuid) IN (%2)")
                      .arg(table, marks.join(QStringLiteral(", "))));
    for (const QUuid& uuid : uuids) {
        query.addBindValue(uuid.toString(QUuid::WithoutBraces));
    }
    return query.exec() ? QSqlError() : query.lastError();
}

} // namespace

LogStatus readOutbox(ProgressLog& log, classroom::Outbox& outbox)
{
    outbox = {};
    LogStatus status = log.open();
    if (!status.done()) {
        return status;
    }
    QSqlError error = selectTests(log.database(), outbox.tests);
    if (!error.isValid()) {
        error = selectPractice(log.database(), outbox.practice);
    }
    if (error.isValid()) {
        outbox = {};
        return log.statusFor(error);
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

} // namespace numberlark::progress
