#include "progress/LogOutbox.h"

#include "progress/LogTransaction.h"
#include "progress/PracticeTable.h"
#include "progress/ProgressLog.h"
#include "progress/TestTable.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <span>

namespace numberlark::progress {

namespace {

using classroom::ClassroomPractice;
using classroom::ClassroomTest;

// Statements of at most this many uuids, far below SQLite's limit on
// bound values.
constexpr std::size_t kUuidsPerStatement = 200;

ClassroomTest travelling(const TestRecord& test)
{
    // Every answer of a test is a right one in the end: a wrong answer keeps
    // the question until it is answered right.
    return {.uuid = test.uuid,
            .child = test.child,
            .when = test.when,
            .tableKind = static_cast<classroom::TableKind>(test.table.kind),
            .tableNumber = test.table.number,
            .questions = test.questions,
            .rightAnswers = static_cast<int>(test.answers.size()),
            .seconds = test.seconds,
            .finished = test.finished,
            .answers = test.answers};
}

ClassroomPractice travelling(const PracticeSessionRecord& session)
{
    ClassroomPractice practice{.uuid = session.uuid,
                               .child = session.child,
                               .started = session.started,
                               .minutes = session.minutes,
                               .limitMillis = session.limitMillis,
                               .answers = {}};
    for (const PracticeAnswerRecord& answer : session.answers) {
        practice.answers.push_back({.first = static_cast<std::int8_t>(answer.first),
                                    .second = static_cast<std::int8_t>(answer.second),
                                    .wrongTries = answer.wrongTries,
                                    .millis = answer.millis});
    }
    return practice;
}

// Tests brought in from a results file stay on this computer: the same file
// imported on two computers would reach the server twice.
QSqlError selectOutbox(const QSqlDatabase& db, classroom::Outbox& outbox)
{
    std::vector<TestRecord> tests;
    std::vector<PracticeSessionRecord> sessions;
    QSqlError error =
        selectTestsWhere(db, QStringLiteral("t.delivered = 0 AND t.imported = 0"), {}, tests);
    if (!error.isValid()) {
        error = selectPracticeWhere(db, QStringLiteral("s.delivered = 0"), {}, sessions);
    }
    for (const TestRecord& test : tests) {
        outbox.tests.push_back(travelling(test));
    }
    for (const PracticeSessionRecord& session : sessions) {
        outbox.practice.push_back(travelling(session));
    }
    return error;
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
    if (const QSqlError error = selectOutbox(log.database(), outbox); error.isValid()) {
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
