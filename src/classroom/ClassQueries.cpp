#include "classroom/ClassQueries.h"

#include <QSqlQuery>

#include <map>

namespace numberlark::classroom {

namespace {

// One row per child and fact, 1 when the fact is known. "Half the answers
// within the quick time" is the median test without a median function.
const QString kKnownByChildAndFact = QStringLiteral(
    "SELECT t.child AS child,"
    " CASE WHEN 10 * SUM(CASE WHEN a.wrong_before = 0 THEN 1 ELSE 0 END) >= 9 * COUNT(*)"
    " AND 2 * SUM(CASE WHEN a.millis <= ? THEN 1 ELSE 0 END) >= COUNT(*)"
    " THEN 1 ELSE 0 END AS known"
    " FROM tests t JOIN answers a ON a.test_uuid = t.uuid"
    " GROUP BY t.child, a.shown_first, a.shown_second");

ClassroomTest testFromRow(const QSqlQuery& row, const QString& child)
{
    ClassroomTest test;
    test.uuid = QUuid::fromString(row.value(0).toString());
    test.child = child;
    test.when = QDateTime::fromMSecsSinceEpoch(row.value(1).toLongLong(), Qt::OffsetFromUTC,
                                               row.value(2).toInt());
    test.tableKind = static_cast<TableKind>(row.value(3).toInt());
    test.tableNumber = static_cast<std::int16_t>(row.value(4).toInt());
    test.questions = row.value(5).toInt();
    test.rightAnswers = row.value(6).toInt();
    test.seconds = row.value(7).toInt();
    test.finished = row.value(8).toInt() != 0;
    return test;
}

QSqlError readAnswers(const QSqlDatabase& db, const QString& child,
                      std::vector<DeliveredTest>& tests)
{
    std::map<QUuid, std::size_t> indexOf;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        indexOf.emplace(tests[i].test.uuid, i);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT a.test_uuid, a.shown_first, a.shown_second, a.table_number, a.wrong_before,"
        " a.millis FROM answers a JOIN tests t ON t.uuid = a.test_uuid"
        " WHERE t.child = ? ORDER BY a.test_uuid, a.seq"));
    query.addBindValue(child);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        const auto found = indexOf.find(QUuid::fromString(query.value(0).toString()));
        if (found == indexOf.end()) {
            continue;
        }
        tests[found->second].test.answers.push_back(
            {static_cast<std::int16_t>(query.value(1).toInt()),
             static_cast<std::int16_t>(query.value(2).toInt()),
             static_cast<std::int16_t>(query.value(3).toInt()), query.value(4).toInt(),
             query.value(5).toLongLong()});
    }
    return query.lastError();
}

} // namespace

QSqlError classChildren(const QSqlDatabase& db, std::vector<ChildSummary>& children)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT c.child, c.tests, COALESCE(SUM(f.known), 0)"
                       " FROM (SELECT child, COUNT(*) AS tests FROM tests GROUP BY child) c"
                       " LEFT JOIN (%1) f ON f.child = c.child"
                       " GROUP BY c.child, c.tests ORDER BY c.child")
            .arg(kKnownByChildAndFact));
    query.addBindValue(kQuickMillis);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        children.push_back(
            {query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt()});
    }
    return query.lastError();
}

QSqlError hardestFacts(const QSqlDatabase& db, int count, std::vector<ClassFact>& facts)
{
    // Hardness per answer, so a fact asked often is not hard for that alone:
    // wrong answers and answers not right at the first try, plus every second
    // of the average beyond a quick answer.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT shown_first, shown_second, COUNT(*),"
        " SUM(CASE WHEN wrong_before = 0 THEN 1 ELSE 0 END), SUM(wrong_before), AVG(millis)"
        " FROM answers GROUP BY shown_first, shown_second"
        " ORDER BY (SUM(wrong_before) + SUM(CASE WHEN wrong_before > 0 THEN 1 ELSE 0 END)) * 1.0"
        " / COUNT(*) + CASE WHEN AVG(millis) > ? THEN (AVG(millis) - ?) / 1000.0 ELSE 0 END DESC,"
        " shown_first, shown_second LIMIT ?"));
    query.addBindValue(kQuickMillis);
    query.addBindValue(kQuickMillis);
    query.addBindValue(std::max(count, 0));
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        facts.push_back({static_cast<std::int16_t>(query.value(0).toInt()),
                         static_cast<std::int16_t>(query.value(1).toInt()), query.value(2).toInt(),
                         query.value(3).toInt(), query.value(4).toInt(),
                         query.value(5).toDouble()});
    }
    return query.lastError();
}

QSqlError childTests(const QSqlDatabase& db, const QString& child,
                     std::vector<DeliveredTest>& tests)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT uuid, taken_ms, utc_offset, table_kind, table_number, questions, right_answers,"
        " seconds, finished, delivered_by FROM tests WHERE child = ? ORDER BY taken_ms, id"));
    query.addBindValue(child);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        tests.push_back({testFromRow(query, child), query.value(9).toString()});
    }
    if (query.lastError().isValid()) {
        return query.lastError();
    }
    return readAnswers(db, child, tests);
}

} // namespace numberlark::classroom
