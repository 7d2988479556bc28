#include "progress/TestTable.h"

#include "progress/ChildNames.h"
#include "progress/LogColumns.h"
#include "progress/LogSchema.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <unordered_map>

namespace numberlark::progress {

namespace {

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

} // namespace

QString testColumns(bool withKey, const QString& prefix)
{
    QStringList names = columnNames(kTestColumns, kLogVersion);
    if (!withKey) {
        names.removeOne(QStringLiteral("id"));
    }
    for (QString& name : names) {
        name.prepend(prefix);
    }
    return names.join(QStringLiteral(", "));
}

namespace {

TestRecord testFromRow(const QSqlQuery& row)
{
    const auto value = [&row](const char* column) {
        return row.value(QString::fromLatin1(column));
    };
    TestRecord test;
    test.id = value("id").toLongLong();
    // Every spelling of one child reads as her one composed name.
    test.child = childValue(value("child").toString());
    test.when = takenAt(value("taken_ms"), value("utc_offset").toInt());
    test.table.kind = static_cast<TableChoiceRecord::Kind>(value("table_kind").toInt());
    test.table.number = static_cast<std::int16_t>(value("table_number").toInt());
    test.questions = value("questions").toInt();
    test.seconds = value("seconds").toInt();
    test.finished = value("finished").toInt() != 0;
    test.imported = value("imported").toInt() != 0;
    test.dateText = value("date_text").toString();
    test.resultsKey = value("source_key").toString();
    test.uuid = QUuid::fromString(value("uuid").toString());
    test.delivered = value("delivered").toInt() != 0;
    return test;
}

QSqlError selectAnswersOf(const QSqlDatabase& db, const QString& where, const QVariantList& values,
                          std::vector<TestRecord>& tests)
{
    std::unordered_map<std::int64_t, std::size_t> indexOf;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        indexOf.emplace(tests[i].id, i);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT a.test_id, a.shown_first, a.shown_second, a.table_number,"
                       " a.wrong_before, a.millis FROM answers a JOIN tests t ON t.id = a.test_id"
                       " WHERE %1 ORDER BY a.test_id, a.seq")
            .arg(where));
    bindAll(query, values);
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

// The value a test stores in one column of the tests table.
using ColumnValue = QVariant (*)(const TestRecord& test);

ColumnValue columnValue(const QString& column)
{
    static const std::pair<const char*, ColumnValue> values[] = {
        {"child", [](const TestRecord& t) { return QVariant(childValue(t.child)); }},
        {"taken_ms", [](const TestRecord& t) { return takenMillis(t.when); }},
        {"utc_offset",
         [](const TestRecord& t) {
             return QVariant(t.when.isValid() ? t.when.offsetFromUtc() : 0);
         }},
        {"table_kind",
         [](const TestRecord& t) { return QVariant(static_cast<int>(t.table.kind)); }},
        {"table_number", [](const TestRecord& t) { return QVariant(int{t.table.number}); }},
        {"questions", [](const TestRecord& t) { return QVariant(t.questions); }},
        {"seconds", [](const TestRecord& t) { return QVariant(t.seconds); }},
        {"finished", [](const TestRecord& t) { return QVariant(t.finished ? 1 : 0); }},
        {"imported", [](const TestRecord& t) { return QVariant(t.imported ? 1 : 0); }},
        {"date_text", [](const TestRecord& t) { return nullableText(t.dateText); }},
        {"source_key", [](const TestRecord& t) { return nullableText(t.resultsKey); }},
        {"uuid",
         [](const TestRecord& t) { return QVariant(t.uuid.toString(QUuid::WithoutBraces)); }},
        {"delivered", [](const TestRecord& t) { return QVariant(t.delivered ? 1 : 0); }},
    };
    for (const auto& [name, value] : values) {
        if (column == QLatin1String(name)) {
            return value;
        }
    }
    return nullptr;
}

} // namespace

// The values are bound by position, in the order of the column list, each
// found by its column's name once.
TestWriter::TestWriter(QSqlDatabase& db, bool skipKnownKeys, const QString& table)
    : m_db(db), m_insert(db)
{
    QStringList marks;
    for (const QString& column : testColumns(false).split(QStringLiteral(", "))) {
        m_values.push_back(columnValue(column));
        marks << QStringLiteral("?");
    }
    // A key already in the log is a unique-index conflict: with
    // skipKnownKeys the row is left out and RETURNING gives nothing.
    m_insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4 RETURNING id")
                         .arg(table, testColumns(false), marks.join(QStringLiteral(", ")),
                              skipKnownKeys ? QStringLiteral(" ON CONFLICT (source_key) DO NOTHING")
                                            : QString()));
}

TestWriter::~TestWriter() = default;

QSqlError TestWriter::write(TestRecord& test, bool* stored)
{
    if (test.uuid.isNull()) {
        test.uuid = QUuid::createUuid();
    }
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        m_insert.bindValue(static_cast<int>(i), m_values[i] ? m_values[i](test) : QVariant());
    }
    if (!m_insert.exec()) {
        return m_insert.lastError();
    }
    const bool inserted = m_insert.next();
    if (m_insert.lastError().isValid()) {
        return m_insert.lastError();
    }
    if (stored) {
        *stored = inserted;
    }
    if (!inserted) {
        return stored ? QSqlError() : m_insert.lastError();
    }
    test.id = m_insert.value(0).toLongLong();
    m_insert.finish();
    return test.answers.empty() ? QSqlError() : insertAnswers(m_db, test);
}

QSqlError insertTest(QSqlDatabase& db, TestRecord& test)
{
    return TestWriter(db).write(test);
}

QSqlError selectChildren(const QSqlDatabase& db, std::vector<QString>& children)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Children whose tests all lack a date go last, on either server; a
    // child who has only practised is a child too.
    query.prepare(QStringLiteral(
        "SELECT child FROM (SELECT child, taken_ms AS at_ms, id, 0 AS practised FROM tests"
        " UNION ALL SELECT child, started_ms, id, 1 FROM practice_sessions) AS activity"
        " GROUP BY child ORDER BY CASE WHEN MAX(at_ms) IS NULL THEN 1 ELSE 0 END,"
        " MAX(at_ms) DESC, MIN(practised), MAX(id) DESC"));
    if (!query.exec()) {
        return query.lastError();
    }
    QSet<QString> seen; // one child under two spellings is listed once
    while (query.next()) {
        const QString name = childValue(query.value(0).toString());
        if (!seen.contains(name)) {
            seen.insert(name);
            children.push_back(name);
        }
    }
    return query.lastError();
}

QSqlError selectTestsWhere(const QSqlDatabase& db, const QString& where, const QVariantList& values,
                           std::vector<TestRecord>& tests)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Tests without a date come first: they can only be older imports.
    query.prepare(QStringLiteral("SELECT %1 FROM tests t WHERE %2"
                                 " ORDER BY CASE WHEN taken_ms IS NULL THEN 0 ELSE 1 END,"
                                 " taken_ms, id")
                      .arg(testColumns(true), where));
    bindAll(query, values);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        tests.push_back(testFromRow(query));
    }
    if (query.lastError().isValid()) {
        return query.lastError();
    }
    return selectAnswersOf(db, where, values, tests);
}

QSqlError selectTestsOf(const QSqlDatabase& db, const QString& child,
                        std::vector<TestRecord>& tests)
{
    QVariantList spellings;
    if (QSqlError error = spellingsOf(db, child, spellings); error.isValid()) {
        return error;
    }
    return selectTestsWhere(db, childIn(spellings, QStringLiteral("t.child")), spellings, tests);
}

QSqlError deleteTestsOf(QSqlDatabase& db, const QString& child)
{
    QVariantList spellings;
    if (QSqlError error = spellingsOf(db, child, spellings); error.isValid()) {
        return error;
    }
    QSqlQuery answers(db);
    answers.prepare(
        QStringLiteral("DELETE FROM answers WHERE test_id IN (SELECT id FROM tests WHERE %1)")
            .arg(childIn(spellings)));
    bindAll(answers, spellings);
    if (!answers.exec()) {
        return answers.lastError();
    }
    QSqlQuery tests(db);
    tests.prepare(QStringLiteral("DELETE FROM tests WHERE %1").arg(childIn(spellings)));
    bindAll(tests, spellings);
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
