#include "classroom/TestInserts.h"

#include <QStringList>

namespace numberlark::classroom {

namespace {

QString uuidText(const QUuid& uuid)
{
    return uuid.toString(QUuid::WithoutBraces);
}

// Without a conflict target, so that it asks for no right to read the
// table: a computer's login may only add rows.
const QString kInsertTest = QStringLiteral(
    "INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind, table_number, questions,"
    " right_answers, seconds, finished) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
    " ON CONFLICT DO NOTHING");

QString insertAnswersSql(std::size_t rows)
{
    QStringList values;
    for (std::size_t i = 0; i < rows; ++i) {
        values << QStringLiteral("(?, ?, ?, ?, ?, ?, ?)");
    }
    return QStringLiteral("INSERT INTO answers (test_uuid, seq, shown_first, shown_second,"
                          " table_number, wrong_before, millis) VALUES ") +
           values.join(QStringLiteral(", ")) + QStringLiteral(" ON CONFLICT DO NOTHING");
}

} // namespace

TestInserts::TestInserts(const QSqlDatabase& db) : m_db(db) {}

QSqlError TestInserts::insert(const ClassroomTest& test)
{
    if (!m_test) {
        m_test.emplace(m_db);
        if (!m_test->prepare(kInsertTest)) {
            QSqlError error = m_test->lastError();
            m_test.reset();
            return error;
        }
    }
    QSqlQuery& query = *m_test;
    query.bindValue(0, uuidText(test.uuid));
    query.bindValue(1, test.child);
    query.bindValue(2, test.when.toMSecsSinceEpoch());
    query.bindValue(3, test.when.offsetFromUtc());
    query.bindValue(4, static_cast<int>(test.tableKind));
    query.bindValue(5, static_cast<int>(test.tableNumber));
    query.bindValue(6, test.questions);
    query.bindValue(7, test.rightAnswers);
    query.bindValue(8, std::max(test.seconds, 0));
    query.bindValue(9, test.finished ? 1 : 0);
    if (!query.exec()) {
        return query.lastError();
    }
    for (std::size_t from = 0; from < test.answers.size(); from += kAnswersPerStatement) {
        const std::size_t count =
            std::min<std::size_t>(kAnswersPerStatement, test.answers.size() - from);
        QSqlError error = insertAnswers(test, from, count);
        if (error.isValid()) {
            return error;
        }
    }
    return {};
}

QSqlError TestInserts::insertAnswers(const ClassroomTest& test, std::size_t from, std::size_t count)
{
    QSqlError error;
    QSqlQuery* statement = answersStatement(count, &error);
    if (statement == nullptr) {
        return error;
    }
    QSqlQuery& query = *statement;
    const QString uuid = uuidText(test.uuid);
    int column = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const ClassroomAnswer& answer = test.answers[i];
        query.bindValue(column++, uuid);
        query.bindValue(column++, static_cast<int>(i));
        query.bindValue(column++, static_cast<int>(answer.first));
        query.bindValue(column++, static_cast<int>(answer.second));
        query.bindValue(column++, static_cast<int>(answer.table));
        query.bindValue(column++, std::max(answer.wrongTries, 0));
        query.bindValue(column++, static_cast<qlonglong>(std::max<std::int64_t>(answer.millis, 0)));
    }
    return query.exec() ? QSqlError() : query.lastError();
}

QSqlQuery* TestInserts::answersStatement(std::size_t rows, QSqlError* error)
{
    auto found = m_answers.find(rows);
    if (found != m_answers.end()) {
        return &found->second;
    }
    QSqlQuery query(m_db);
    if (!query.prepare(insertAnswersSql(rows))) {
        *error = query.lastError();
        return nullptr;
    }
    return &m_answers.emplace(rows, std::move(query)).first->second;
}

} // namespace numberlark::classroom
