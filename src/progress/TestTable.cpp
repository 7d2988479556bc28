#include "progress/TestTable.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <unordered_map>

namespace numberlark::progress {

namespace {

// A null QString would bind as NULL: the empty name is a name like any other.
QString childValue(const QString& child)
{
    return child.isNull() ? QStringLiteral("") : child;
}

QVariant nullableText(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

QVariant takenMillis(const QDateTime& when)
{
    return when.isValid() ? QVariant(qlonglong{when.toMSecsSinceEpoch()})
                          : QVariant(QMetaType(QMetaType::LongLong));
}

QDateTime takenAt(const QVariant& millis, int offsetSeconds)
{
    if (millis.isNull()) {
        return {};
    }
    return QDateTime::fromMSecsSinceEpoch(millis.toLongLong(), Qt::OffsetFromUTC, offsetSeconds);
}

QSqlError insertAnswers(QSqlDatabase& db, const TestRecord& test)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO answers (test_id, seq, shown_first, shown_second,"
                                 " table_number, wrong_before, millis)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    int seq = 0;
    for (const AnsweredQuestion& answer : test.answers) {
        query.addBindValue(qlonglong{test.id});
        query.addBindValue(++seq);
        query.addBindValue(answer.first);
        query.addBindValue(answer.second);
        query.addBindValue(answer.table);
        query.addBindValue(answer.wrongBefore);
        query.addBindValue(qlonglong{answer.millisToRight});
        if (!query.exec()) {
            return query.lastError();
        }
    }
    return {};
}

TestRecord testFromRow(const QSqlQuery& row, const QString& child)
{
    TestRecord test;
    test.id = row.value(0).toLongLong();
    test.child = child;
    test.when = takenAt(row.value(1), row.value(2).toInt());
    test.table.kind = static_cast<TableChoiceRecord::Kind>(row.value(3).toInt());
    test.table.number = static_cast<std::int16_t>(row.value(4).toInt());
    test.questions = row.value(5).toInt();
    test.seconds = row.value(6).toInt();
    test.finished = row.value(7).toInt() != 0;
    test.imported = row.value(8).toInt() != 0;
    test.dateText = row.value(9).toString();
    test.resultsKey = row.value(10).toString();
    return test;
}

QSqlError selectAnswersOf(const QSqlDatabase& db, const QString& child,
                          std::vector<TestRecord>& tests)
{
    std::unordered_map<std::int64_t, std::size_t> indexOf;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        indexOf.emplace(tests[i].id, i);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT a.test_id, a.shown_first, a.shown_second, a.table_number, a.wrong_before,"
        " a.millis FROM answers a JOIN tests t ON t.id = a.test_id"
        " WHERE t.child = ? ORDER BY a.test_id, a.seq"));
    query.addBindValue(childValue(child));
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        const auto found = indexOf.find(query.value(0).toLongLong());
        if (found == indexOf.end()) {
            continue;
        }
        tests[found->second].answers.push_back({
            .first = static_cast<std::int16_t>(query.value(1).toInt()),
            .second = static_cast<std::int16_t>(query.value(2).toInt()),
            .table = static_cast<std::int16_t>(query.value(3).toInt()),
            .wrongBefore = query.value(4).toInt(),
            .millisToRight = query.value(5).toLongLong(),
        });
    }
    return query.lastError();
}

} // namespace

QSqlError insertTest(QSqlDatabase& db, TestRecord& test)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO tests (child, taken_ms, utc_offset, table_kind, table_number, questions,"
        " seconds, finished, imported, date_text, source_key)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    query.addBindValue(childValue(test.child));
    query.addBindValue(takenMillis(test.when));
    query.addBindValue(test.when.isValid() ? test.when.offsetFromUtc() : 0);
    query.addBindValue(static_cast<int>(test.table.kind));
    query.addBindValue(test.table.number);
    query.addBindValue(test.questions);
    query.addBindValue(test.seconds);
    query.addBindValue(test.finished ? 1 : 0);
    query.addBindValue(test.imported ? 1 : 0);
    query.addBindValue(nullableText(test.dateText));
    query.addBindValue(nullableText(test.resultsKey));
    if (!query.exec() || !query.next()) {
        return query.lastError();
    }
    test.id = query.value(0).toLongLong();
    query.finish();
    return insertAnswers(db, test);
}

QSqlError selectChildren(const QSqlDatabase& db, std::vector<QString>& children)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Children whose tests all lack a date go last, on either server.
    query.prepare(QStringLiteral("SELECT child FROM tests GROUP BY child"
                                 " ORDER BY CASE WHEN MAX(taken_ms) IS NULL THEN 1 ELSE 0 END,"
                                 " MAX(taken_ms) DESC, MAX(id) DESC"));
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        children.push_back(query.value(0).toString());
    }
    return query.lastError();
}

QSqlError selectTestsOf(const QSqlDatabase& db, const QString& child,
                        std::vector<TestRecord>& tests)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Tests without a date come first: they can only be older imports.
    query.prepare(QStringLiteral(
        "SELECT id, taken_ms, utc_offset, table_kind, table_number, questions, seconds,"
        " finished, imported, date_text, source_key FROM tests WHERE child = ?"
        " ORDER BY CASE WHEN taken_ms IS NULL THEN 0 ELSE 1 END, taken_ms, id"));
    query.addBindValue(childValue(child));
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        tests.push_back(testFromRow(query, child));
    }
    if (query.lastError().isValid()) {
        return query.lastError();
    }
    return selectAnswersOf(db, child, tests);
}

QSqlError deleteTestsOf(QSqlDatabase& db, const QString& child)
{
    QSqlQuery answers(db);
    answers.prepare(QStringLiteral(
        "DELETE FROM answers WHERE test_id IN (SELECT id FROM tests WHERE child = ?)"));
    answers.addBindValue(childValue(child));
    if (!answers.exec()) {
        return answers.lastError();
    }
    QSqlQuery tests(db);
    tests.prepare(QStringLiteral("DELETE FROM tests WHERE child = ?"));
    tests.addBindValue(childValue(child));
    if (!tests.exec()) {
        return tests.lastError();
    }
    return {};
}

QSqlError hasSourceKey(const QSqlDatabase& db, const QString& key, bool& found)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM tests WHERE source_key = ?"));
    query.addBindValue(key);
    if (!query.exec()) {
        return query.lastError();
    }
    found = query.next();
    return query.lastError();
}

} // namespace numberlark::progress
