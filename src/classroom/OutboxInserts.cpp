#include "classroom/OutboxInserts.h"

#include <QStringList>

namespace numberlark::classroom {

namespace {

QString uuidText(const QUuid& uuid)
{
    return uuid.toString(QUuid::WithoutBraces);
}

// "head VALUES (?, ?), (?, ?) ..." for `rows` rows of as many columns as the
// head names. Without a conflict target, so that it asks for no right to
// read the table: a computer's login may only add rows.
QString insertSql(const QString& head, std::size_t rows)
{
    const qsizetype columns = head.count(QLatin1Char(',')) + 1;
    QStringList marks(columns, QStringLiteral("?"));
    const QString row = QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    QStringList values(static_cast<qsizetype>(rows), row);
    return head + QStringLiteral(" VALUES ") + values.join(QStringLiteral(", ")) +
           QStringLiteral(" ON CONFLICT DO NOTHING");
}

qlonglong nonNegative(std::int64_t value)
{
    return std::max<std::int64_t>(value, 0);
}

} // namespace

OutboxInserts::OutboxInserts(const QSqlDatabase& db) : m_db(db) {}

QSqlError OutboxInserts::exec(const QString& sql, const QVariantList& values)
{
    auto found = m_prepared.find(sql);
    if (found == m_prepared.end()) {
        QSqlQuery query(m_db);
        if (!query.prepare(sql)) {
            return query.lastError();
        }
        found = m_prepared.emplace(sql, std::move(query)).first;
    }
    QSqlQuery& query = found->second;
    for (qsizetype i = 0; i < values.size(); ++i) {
        query.bindValue(static_cast<int>(i), values[i]);
    }
    return query.exec() ? QSqlError() : query.lastError();
}

template <typename Answer, typename Row>
QSqlError OutboxInserts::insertAnswers(const QString& head, const std::vector<Answer>& answers,
                                       Row row)
{
    for (std::size_t from = 0; from < answers.size(); from += kRowsPerStatement) {
        const std::size_t end = std::min(answers.size(), from + kRowsPerStatement);
        QVariantList values;
        for (std::size_t i = from; i < end; ++i) {
            values << row(static_cast<int>(i), answers[i]);
        }
        if (QSqlError error = exec(insertSql(head, end - from), values); error.isValid()) {
            return error;
        }
    }
    return {};
}

QSqlError OutboxInserts::insert(const progress::TestRecord& test)
{
    const QString uuid = uuidText(test.uuid);
    QSqlError error = exec(
        insertSql(QStringLiteral("INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind,"
                                 " table_number, questions, right_answers, seconds, finished)"),
                  1),
        // Every answer of a test is a right one in the end: a wrong answer
        // keeps the question until it is answered right.
        {uuid, test.child, test.when.toMSecsSinceEpoch(), test.when.offsetFromUtc(),
         static_cast<int>(test.table.kind), static_cast<int>(test.table.number), test.questions,
         static_cast<int>(test.answers.size()), std::max(test.seconds, 0), test.finished ? 1 : 0});
    if (error.isValid()) {
        return error;
    }
    return insertAnswers(QStringLiteral("INSERT INTO answers (test_uuid, seq, shown_first,"
                                        " shown_second, table_number, wrong_before, millis)"),
                         test.answers, [&uuid](int seq, const progress::AnsweredQuestion& answer) {
                             return QVariantList{uuid,
                                                 seq,
                                                 static_cast<int>(answer.first),
                                                 static_cast<int>(answer.second),
                                                 static_cast<int>(answer.table),
                                                 std::max(answer.wrongBefore, 0),
                                                 nonNegative(answer.millisToRight)};
                         });
}

QSqlError OutboxInserts::insert(const progress::PracticeSessionRecord& session)
{
    const QString uuid = uuidText(session.uuid);
    // A limit of none, or of no time at all, is stored as no limit.
    const QVariant limit = session.limitMillis.value_or(0) > 0
                               ? QVariant(*session.limitMillis)
                               : QVariant(QMetaType(QMetaType::Int));
    QSqlError error =
        exec(insertSql(QStringLiteral(
                           "INSERT INTO practice_sessions (uuid, child, started_ms, utc_offset,"
                           " minutes, limit_ms)"),
                       1),
             {uuid, session.child, session.started.toMSecsSinceEpoch(),
              session.started.offsetFromUtc(), std::max(session.minutes, 0), limit});
    if (error.isValid()) {
        return error;
    }
    return insertAnswers(
        QStringLiteral("INSERT INTO practice_answers (session_uuid, seq, fact_first,"
                       " fact_second, wrong_tries, millis)"),
        session.answers, [&uuid](int seq, const progress::PracticeAnswerRecord& answer) {
            return QVariantList{uuid,
                                seq,
                                static_cast<int>(answer.first),
                                static_cast<int>(answer.second),
                                std::max(answer.wrongTries, 0),
                                nonNegative(answer.millis)};
        });
}

} // namespace numberlark::classroom
