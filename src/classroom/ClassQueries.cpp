#include "classroom/ClassQueries.h"

#include "practice/Fact.h"

#include <QSqlQuery>

#include <algorithm>
#include <map>

namespace numberlark::classroom {

namespace {

// Rows the program could have made. The server refuses any other since
// version 2, but an older database may still hold some (a computer's login
// could once add anything): the class view passes over them, so they never
// count as a fact known, a wrong answer or a time.
const QString kValidTest =
    QStringLiteral("t.table_kind IN (0, 1, 2) AND t.questions BETWEEN -32768 AND 32767"
                   " AND t.right_answers BETWEEN 0 AND 32767 AND t.seconds BETWEEN 0 AND 32767");
const QString kValidAnswer = QStringLiteral(
    "a.wrong_before BETWEEN 0 AND 32767 AND a.millis BETWEEN 0 AND 2147483647"
    " AND ((a.shown_first BETWEEN 1 AND 10 AND a.shown_second BETWEEN -3276 AND 3276)"
    " OR (a.shown_second BETWEEN 1 AND 10 AND a.shown_first BETWEEN -3276 AND 3276))");
const QString kValidSession = QStringLiteral("p.minutes BETWEEN 0 AND 32767");
const QString kValidPracticeAnswer =
    QStringLiteral("q.wrong_tries BETWEEN 0 AND 32767 AND q.millis BETWEEN 0 AND 2147483647"
                   " AND q.fact_first BETWEEN 1 AND 12 AND q.fact_second BETWEEN 1 AND 12");

// Each computer's rows are its own, so a test can be there twice: sent
// from two computers that read the same log (a roaming home folder), or
// forged by a login that learnt its uuid. Only the first to arrive counts.
// Read as one pass over what the login may see, since the server's row
// security makes a lookup per row costly.
const QString kFirstTests =
    QStringLiteral("(SELECT DISTINCT ON (uuid) * FROM tests ORDER BY uuid, id)");
const QString kFirstSessions =
    QStringLiteral("(SELECT DISTINCT ON (uuid) * FROM practice_sessions ORDER BY uuid, id)");
// The same for one child, reading only the uuids she has.
const QString kChildsFirstTests =
    QStringLiteral("(SELECT DISTINCT ON (uuid) * FROM tests WHERE uuid IN"
                   " (SELECT uuid FROM tests WHERE child = ?) ORDER BY uuid, id)");
const QString kChildsFirstSessions =
    QStringLiteral("(SELECT DISTINCT ON (uuid) * FROM practice_sessions WHERE uuid IN"
                   " (SELECT uuid FROM practice_sessions WHERE child = ?) ORDER BY uuid, id)");

// A row's answers are those its own login delivered: another computer's
// row with the same uuid has its own.
const QString kTestAnswers =
    QStringLiteral("answers a ON a.test_uuid = t.uuid AND a.delivered_by = t.delivered_by AND %1")
        .arg(kValidAnswer);
const QString kSessionAnswers =
    QStringLiteral(
        "practice_answers q ON q.session_uuid = p.uuid AND q.delivered_by = p.delivered_by"
        " AND %1")
        .arg(kValidPracticeAnswer);

// Every answer a child gave, in tests and in practice alike, as one table,
// with when it was given: tests before practice at the same moment, a
// test's or session's answers in their order, as the child's own computer
// reads them.
const QString kEveryAnswer =
    QStringLiteral(
        "(SELECT t.child AS child, a.shown_first AS first, a.shown_second AS second,"
        " a.wrong_before AS wrong, a.millis AS millis, t.taken_ms AS at_ms, 0 AS source, t.id AS"
        " owner, a.seq AS seq FROM %1 t JOIN %2 WHERE %3"
        " UNION ALL SELECT p.child, q.fact_first, q.fact_second, q.wrong_tries, q.millis,"
        " p.started_ms, 1, p.id, q.seq"
        " FROM %4 p JOIN %5 WHERE %6) e")
        .arg(kFirstTests, kTestAnswers, kValidTest, kFirstSessions, kSessionAnswers, kValidSession);

// Among facts Tricky for as many children, wrong answers and answers not
// right at the first try per answer, so a fact asked often is not hard for
// that alone.
double missedShare(const ClassFact& fact)
{
    return static_cast<double>(fact.wrongAnswers + fact.asked - fact.rightFirstTime) / fact.asked;
}

bool harder(const ClassFact& a, const ClassFact& b)
{
    return a.trickyFor != b.trickyFor ? a.trickyFor > b.trickyFor : missedShare(a) > missedShare(b);
}

// Each child with her tests; one who has only practised has none.
QSqlError readChildren(const QSqlDatabase& db, std::vector<ChildSummary>& children)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT child, SUM(is_test) FROM (SELECT t.child, 1 AS is_test FROM"
                           " %1 t WHERE %2 UNION ALL SELECT p.child, 0 FROM %3 p WHERE %4) k"
                           " GROUP BY child ORDER BY child")
                .arg(kFirstTests, kValidTest, kFirstSessions, kValidSession))) {
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
    std::map<std::pair<QUuid, QString>, std::size_t> indexOf;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        indexOf.emplace(std::pair{tests[i].test.uuid, tests[i].deliveredBy}, i);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT a.test_uuid, a.shown_first, a.shown_second, a.table_number,"
                       " a.wrong_before, a.millis, a.delivered_by FROM tests t JOIN %1"
                       " WHERE t.child = ? ORDER BY a.test_uuid, a.delivered_by, a.seq")
            .arg(kTestAnswers));
    query.addBindValue(child);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        const auto found = indexOf.find(
            std::pair{QUuid::fromString(query.value(0).toString()), query.value(6).toString()});
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
        // A fact outside the grid (an Other table) is no fact of the grid known.
        if (found != childNamed.end() && fact.fluency == practice::Fluency::Known &&
            practice::isValidFact({fact.first, fact.second})) {
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
    // The server sums each fact's answers and sends only its last three
    // tries, which are all that decide its fluency: a class's answers stay
    // on the server.
    if (!query.exec(
            QStringLiteral(
                "SELECT child, first, second, wrong, millis, asked, right_first, wrong_answers,"
                " total_millis FROM (SELECT child, first, second, wrong, millis,"
                " ROW_NUMBER() OVER (PARTITION BY child, first, second"
                " ORDER BY at_ms DESC, source DESC, owner DESC, seq DESC) AS recent,"
                " COUNT(*) OVER f AS asked, SUM(CASE WHEN wrong = 0 THEN 1 ELSE 0 END) OVER f"
                " AS right_first, SUM(wrong) OVER f AS wrong_answers, SUM(millis) OVER f"
                " AS total_millis FROM %1 WINDOW f AS (PARTITION BY child, first, second)) r"
                " WHERE recent <= 3 ORDER BY child, first, second, recent DESC")
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
            counts.push_back({.child = child,
                              .first = first,
                              .second = second,
                              .asked = query.value(5).toInt(),
                              .rightFirstTime = query.value(6).toInt(),
                              .wrongAnswers = query.value(7).toInt(),
                              .totalMillis = query.value(8).toLongLong()});
        }
        tries.add({.fact = {first, second},
                   .wrongTries = query.value(3).toInt(),
                   .took = std::chrono::milliseconds{query.value(4).toLongLong()}},
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
    query.prepare(QStringLiteral("SELECT p.uuid, p.started_ms, p.utc_offset, p.minutes, p.limit_ms,"
                                 " q.fact_first, q.fact_second, q.wrong_tries, q.millis FROM"
                                 " %1 p LEFT JOIN %2 WHERE p.child = ? AND %3"
                                 " ORDER BY p.started_ms, p.id, q.seq")
                      .arg(kChildsFirstSessions, kSessionAnswers, kValidSession));
    query.addBindValue(child);
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

QSqlError readClassAccess(const QSqlDatabase& db, ClassAccess& access)
{
    access = {};
    QSqlQuery query(db);
    // A computer may read back its own rows' uuids, so reading the class
    // is asking for what only a teacher may read: the children's names.
    if (!query.exec(QStringLiteral("SELECT child FROM tests WHERE 1 = 0"))) {
        constexpr auto kPermissionDenied = QLatin1String("42501");
        return query.lastError().nativeErrorCode() == kPermissionDenied ? QSqlError()
                                                                        : query.lastError();
    }
    access.canRead = true;
    if (!query.exec(QStringLiteral(
            "SELECT pg_has_role(current_database() || '_head', 'MEMBER'), c"
            " FROM (SELECT NULL AS c UNION ALL SELECT numberlark_my_classes()) k ORDER BY c"))) {
        return query.lastError();
    }
    while (query.next()) {
        access.wholeSchool = query.value(0).toBool();
        if (!query.value(1).isNull()) {
            access.classes << query.value(1).toString();
        }
    }
    return query.lastError();
}

QSqlError childTests(const QSqlDatabase& db, const QString& child,
                     std::vector<DeliveredTest>& tests)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT t.uuid, t.taken_ms, t.utc_offset, t.table_kind, t.table_number,"
                       " t.questions, t.right_answers, t.seconds, t.finished, t.delivered_by"
                       " FROM %1 t WHERE t.child = ? AND %2 ORDER BY t.taken_ms, t.id")
            .arg(kChildsFirstTests, kValidTest));
    query.addBindValue(child);
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
