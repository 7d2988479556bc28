#include "classroom/ClassQueries.h"

#include <QSqlQuery>

#include <algorithm>
#include <map>

namespace numberlark::classroom {

namespace {

// Every answer a child gave, in tests and in practice alike, as one table,
// with when it was given: tests before practice at the same moment, a
// test's or session's answers in their order, as the child's own computer
// reads them.
const QString kEveryAnswer = QStringLiteral(
    "(SELECT t.child AS child, a.shown_first AS first, a.shown_second AS second,"
    " a.wrong_before AS wrong, a.millis AS millis, t.taken_ms AS at_ms, 0 AS source, t.id AS"
    " owner, a.seq AS seq FROM tests t JOIN answers a ON a.test_uuid = t.uuid"
    " UNION ALL SELECT p.child, q.fact_first, q.fact_second, q.wrong_tries, q.millis,"
    " p.started_ms, 1, p.id, q.seq"
    " FROM practice_sessions p JOIN practice_answers q ON q.session_uuid = p.uuid) e");

// Among facts Tricky for as many children, wrong answers and answers not
// right at the first try per answer, so a fact asked often is not hard for
// that alone.
double missedShare(const ClassFact& fact)
{
    return static_cast<double>(fact.wrongAnswers + fact.asked - fact.rightFirstTime) / fact.asked;
}

bool harder(const ClassFact& a, const ClassFact& b)
{
    return a.trickyFor != b.trickyFor ? a.trickyFor > b.trickyFor
                                      : missedShare(a) > missedShare(b);
}

// Each child with her tests; one who has only practised has none.
QSqlError readChildren(const QSqlDatabase& db, std::vector<ChildSummary>& children)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT child, SUM(is_test) FROM (SELECT child, 1 AS is_test FROM tests"
                           " UNION ALL SELECT child, 0 FROM practice_sessions) k GROUP BY child "
                           "ORDER BY child"))) {
        return query.lastError();
    }
    while (query.next()) {
        children.push_back({query.value(0).toString(), query.value(1).toInt(), 0});
    }
    return query.lastError();
}

std::vector<ClassFact> hardestOf(const std::vector<ChildFactCounts>& counts, int count)
{
    std::map<std::pair<std::int16_t, std::int16_t>, ClassFact> facts;
    std::map<std::pair<std::int16_t, std::int16_t>, std::int64_t> millis;
    for (const ChildFactCounts& child : counts) {
        ClassFact& fact = facts[{child.first, child.second}];
        fact.first = child.first;
        fact.second = child.second;
        fact.asked += child.asked;
        fact.rightFirstTime += child.rightFirstTime;
        fact.wrongAnswers += child.wrongAnswers;
        fact.trickyFor += child.fluency == practice::Fluency::Tricky ? 1 : 0;
        millis[{child.first, child.second}] += child.totalMillis;
    }
    std::vector<ClassFact> hardest;
    for (auto& [key, fact] : facts) {
        fact.averageMillis = static_cast<double>(millis[key]) / fact.asked;
        if (fact.trickyFor > 0) {
            hardest.push_back(fact);
        }
    }
    // In fact order already, so equally hard facts stay in it.
    std::stable_sort(hardest.begin(), hardest.end(), harder);
    hardest.resize(std::min(hardest.size(), static_cast<std::size_t>(std::max(count, 0))));
    return hardest;
}

// The server keeps the log's numbers for how the table was chosen.
progress::TableChoiceRecord tableChoice(int kind, int number)
{
    using Kind = progress::TableChoiceRecord::Kind;
    switch (kind) {
    case static_cast<int>(Kind::Mixed):
        return {Kind::Mixed, 0};
    case static_cast<int>(Kind::Other):
        return {Kind::Other, static_cast<std::int16_t>(number)};
    default:
        return {Kind::Table, static_cast<std::int16_t>(number)};
    }
}

progress::TestRecord testFromRow(const QSqlQuery& row, const QString& child)
{
    progress::TestRecord test;
    test.uuid = QUuid::fromString(row.value(0).toString());
    test.child = child;
    test.when = QDateTime::fromMSecsSinceEpoch(row.value(1).toLongLong(), Qt::OffsetFromUTC,
                                               row.value(2).toInt());
    test.table = tableChoice(row.value(3).toInt(), row.value(4).toInt());
    test.questions = row.value(5).toInt();
    test.seconds = row.value(7).toInt();
    test.finished = row.value(8).toInt() != 0;
    test.delivered = true;
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

QSqlError classChildren(const QSqlDatabase& db, practice::FluencyLimit limit,
                        std::vector<ChildSummary>& children)
{
    ClassCounts counts;
    QSqlError error = readClassCounts(db, 0, limit, counts);
    children = std::move(counts.children);
    return error;
}

QSqlError hardestFacts(const QSqlDatabase& db, int count, practice::FluencyLimit limit,
                       std::vector<ClassFact>& facts)
{
    std::vector<ChildFactCounts> counts;
    QSqlError error = childFactCounts(db, limit, counts);
    facts = hardestOf(counts, count);
    return error;
}

QSqlError readClassCounts(const QSqlDatabase& db, int hardestCount, practice::FluencyLimit limit,
                          ClassCounts& counts)
{
    QSqlError error = readChildren(db, counts.children);
    if (!error.isValid()) {
        error = childFactCounts(db, limit, counts.facts);
    }
    if (error.isValid()) {
        return error;
    }
    std::map<QString, ChildSummary*> childNamed;
    for (ChildSummary& child : counts.children) {
        childNamed.emplace(child.child, &child);
    }
    for (const ChildFactCounts& fact : counts.facts) {
        const auto found = childNamed.find(fact.child);
        if (found != childNamed.end() && fact.fluency == practice::Fluency::Known) {
            ++found->second->knownFacts;
        }
    }
    counts.hardest = hardestOf(counts.facts, hardestCount);
    return {};
}

QSqlError childFactCounts(const QSqlDatabase& db, practice::FluencyLimit limit,
                          std::vector<ChildFactCounts>& counts)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT child, first, second, wrong, millis FROM %1"
                                   " ORDER BY child, first, second, at_ms, source, owner, seq")
                        .arg(kEveryAnswer))) {
        return query.lastError();
    }
    practice::RecentTries tries;
    const auto finish = [&] {
        if (!counts.empty()) {
            counts.back().fluency = tries.fluency();
        }
        tries = {};
    };
    while (query.next()) {
        const QString child = query.value(0).toString();
        const auto first = static_cast<std::int16_t>(query.value(1).toInt());
        const auto second = static_cast<std::int16_t>(query.value(2).toInt());
        if (counts.empty() || counts.back().child != child || counts.back().first != first ||
            counts.back().second != second) {
            finish();
            counts.push_back({child, first, second});
        }
        const int wrong = query.value(3).toInt();
        const std::int64_t millis = query.value(4).toLongLong();
        ChildFactCounts& fact = counts.back();
        ++fact.asked;
        fact.rightFirstTime += wrong == 0 ? 1 : 0;
        fact.wrongAnswers += wrong;
        fact.totalMillis += millis;
        tries.add({.fact = {first, second},
                   .wrongTries = wrong,
                   .took = std::chrono::milliseconds{millis}},
                  limit);
    }
    finish();
    return query.lastError();
}

QSqlError childPractice(const QSqlDatabase& db, const QString& child,
                        std::vector<progress::PracticeSessionRecord>& sessions)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT p.uuid, p.started_ms, p.utc_offset, p.minutes, p.limit_ms, q.fact_first,"
        " q.fact_second, q.wrong_tries, q.millis FROM practice_sessions p"
        " LEFT JOIN practice_answers q ON q.session_uuid = p.uuid"
        " WHERE p.child = ? ORDER BY p.started_ms, p.id, q.seq"));
    query.addBindValue(child);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        const QUuid uuid = QUuid::fromString(query.value(0).toString());
        if (sessions.empty() || sessions.back().uuid != uuid) {
            progress::PracticeSessionRecord session;
            session.uuid = uuid;
            session.child = child;
            session.started = QDateTime::fromMSecsSinceEpoch(
                query.value(1).toLongLong(), Qt::OffsetFromUTC, query.value(2).toInt());
            session.minutes = query.value(3).toInt();
            session.delivered = true;
            if (!query.value(4).isNull()) {
                session.limitMillis = query.value(4).toInt();
            }
            sessions.push_back(std::move(session));
        }
        // A session with no answers comes as one row of NULL answer columns.
        if (!query.value(5).isNull()) {
            sessions.back().answers.push_back({static_cast<std::int16_t>(query.value(5).toInt()),
                                               static_cast<std::int16_t>(query.value(6).toInt()),
                                               query.value(7).toInt(),
                                               query.value(8).toLongLong()});
        }
    }
    return query.lastError();
}

QSqlError probeClassReading(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT COUNT(*) FROM tests WHERE 1 = 0"));
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
