#include "classroom/ClassQueries.h"
#include "classroom/OutboxDelivery.h"
#include "classroom/ServerConnection.h"
#include "support/ClassroomFixture.h"
#include "support/TestRecordBuilder.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace numberlark::classroom;
using numberlark::testing::TestRecordBuilder;
using namespace Qt::StringLiterals;

namespace {

const QString kPackaging = QFileInfo(QStringLiteral(NUMBERLARK_CLASSROOM_SQL)).path();

numberlark::progress::TestRecord testOf(const QString& child)
{
    numberlark::progress::TestRecord test =
        TestRecordBuilder(child).answers({{7, 8, 7, 0, 2000}, {8, 7, 7, 0, 1500}});
    test.uuid = QUuid::createUuid();
    return test;
}

class SchoolServer : public numberlark::testing::ClassroomFixture {
protected:
    QString server(const char* login, const QString& database = u"numberlark"_s) const
    {
        return m_server->conninfo(QLatin1String(login))
            .replace(u"dbname=numberlark"_s, u"dbname="_s + database);
    }

    // The SQLSTATE of one statement as `login`; empty when it went through.
    QString refusal(const char* login, const QString& sql) const
    {
        ServerConnection connection(server(login));
        EXPECT_TRUE(connection.open().ok()) << login;
        QSqlQuery query(connection.database());
        return query.exec(sql) ? QString() : query.lastError().nativeErrorCode();
    }

    QStringList childrenSeenBy(const char* login, const QString& database = u"numberlark"_s)
    {
        ServerConnection connection(server(login, database));
        EXPECT_TRUE(connection.open().ok()) << login;
        std::vector<ChildSummary> children;
        EXPECT_FALSE(classChildren(connection.database(), {}, children).isValid()) << login;
        QStringList seen;
        for (const ChildSummary& child : children) {
            seen << u"%1:%2:%3"_s.arg(child.child).arg(child.tests).arg(child.knownFacts);
        }
        return seen;
    }
};

} // namespace

// Which rows a login reads is the server's decision: a teacher her class's,
// the head teacher the whole school's, a teacher in no class nobody's.
TEST_F(SchoolServer, EachTeacherReadsHerClassOnly)
{
    ASSERT_TRUE(m_server->addClass(u"class_4c"_s) &&
                m_server->addLogin(u"pc3"_s, u"numberlark_computer, class_4c"_s) &&
                m_server->addLogin(u"teacher_c"_s, u"numberlark_teacher, class_4c"_s) &&
                m_server->addLogin(u"head"_s, u"numberlark_head"_s) &&
                m_server->addLogin(u"lonely"_s, u"numberlark_teacher"_s));
    ServerConnection pc1(server("pc1"));
    ServerConnection pc3(server("pc3"));
    ASSERT_TRUE(deliverOutbox(pc1, {{testOf(u"Ada"_s)}, {}}).status.ok());
    ASSERT_TRUE(deliverOutbox(pc3, {{testOf(u"Cleo"_s), testOf(u"Cleo"_s)}, {}}).status.ok());
    const std::vector<std::pair<const char*, QStringList>> cases{
        {"teacher", {u"Ada:1:2"_s}},
        {"teacher_c", {u"Cleo:2:2"_s}},
        {"head", {u"Ada:1:2"_s, u"Cleo:2:2"_s}},
        {"lonely", {}},
    };
    for (const auto& [login, seen] : cases) {
        EXPECT_EQ(childrenSeenBy(login), seen) << login;
    }
    // A computer reads back which of its own rows the server holds, no more.
    QSqlQuery own(pc3.database());
    ASSERT_TRUE(own.exec(u"SELECT COUNT(*) FROM tests"_s) && own.next());
    EXPECT_EQ(own.value(0).toInt(), 2);
    EXPECT_EQ(refusal("pc3", u"SELECT child FROM tests"_s), u"42501"_s);
}

// What the program cannot make, the server does not take.
TEST_F(SchoolServer, TheServerRefusesWhatTheProgramCannotMake)
{
    const numberlark::progress::TestRecord test = testOf(u"Ada"_s);
    ServerConnection pc1(server("pc1"));
    ASSERT_TRUE(deliverOutbox(pc1, {{test}, {}}).status.ok());
    const QString newTest =
        u"INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind, table_number,"
        " questions, right_answers, seconds, finished) VALUES (gen_random_uuid(), %1)"_s;
    const QString newAnswer =
        u"INSERT INTO answers (test_uuid, seq, shown_first, shown_second, table_number,"
        " wrong_before, millis) VALUES ('%1', %2)"_s.arg(test.uuid.toString(QUuid::WithoutBraces));
    const QStringList absurd{
        newTest.arg(u"'Ada', 0, 0, 99, 7, 20, 20, 60, 1"_s),        // no such table kind
        newTest.arg(u"'Ada', 0, 0, 0, 7, 1000000000, 20, 60, 1"_s), // 10^9 questions
        newTest.arg(u"'Ada', 0, 0, 0, 7, 20, -1, 60, 1"_s),         // right answers below 0
        newTest.arg(u"'Ada', 0, 0, 0, 7, 20, 21, 60, 1"_s),         // more right than asked
        newTest.arg(u"repeat('A', 200000), 0, 0, 0, 7, 20, 20, 60, 1"_s),
        newAnswer.arg(u"5, 32767, -32768, 7, 0, 900"_s),
        newAnswer.arg(u"6, 13, 13, 7, 0, 900"_s),
        newAnswer.arg(u"7, 7, 8, 7, 0, 9223372036854775807"_s),
        u"INSERT INTO practice_sessions (uuid, child, started_ms, utc_offset, minutes)"
        " VALUES (gen_random_uuid(), 'Ada', 0, 0, 100000)"_s,
    };
    for (const QString& sql : absurd) {
        EXPECT_EQ(refusal("pc1", sql), u"23514"_s) << sql.left(120).toStdString();
    }
    EXPECT_EQ(m_server->superuser(u"SELECT COUNT(*) FROM tests"_s), u"1"_s);
}

// A login that learnt another computer's uuid neither hides that computer's
// test nor adds answers to it.
TEST_F(SchoolServer, AForgedUuidNeitherHidesNorJoinsAnotherComputersTest)
{
    const numberlark::progress::TestRecord real = testOf(u"Ada"_s);
    const numberlark::progress::TestRecord other = testOf(u"Bea"_s);
    const QString uuid = real.uuid.toString(QUuid::WithoutBraces);
    EXPECT_EQ(refusal("pc2", u"INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind,"
                             " table_number, questions, right_answers, seconds, finished)"
                             " VALUES ('%1', 'Ada', 0, 0, 0, 12, 20, 0, 999, 1)"_s.arg(uuid)),
              QString());
    ServerConnection pc1(server("pc1"));
    const DeliveryReport report = deliverOutbox(pc1, {{real, other}, {}});
    EXPECT_EQ(report.delivered, (std::vector<QUuid>{real.uuid, other.uuid}));
    EXPECT_EQ(m_server->superuser(u"SELECT delivered_by, right_answers FROM tests"
                                  " WHERE uuid = '%1' ORDER BY 1"_s.arg(uuid)),
              u"pc1|2\npc2|0"_s);
    EXPECT_EQ(refusal("pc2", u"INSERT INTO answers (test_uuid, seq, shown_first, shown_second,"
                             " table_number, wrong_before, millis)"
                             " VALUES ('%1', 9, 7, 8, 7, 0, 900)"_s.arg(
                                 other.uuid.toString(QUuid::WithoutBraces))),
              u"23503"_s);
}

// A database set up by the first classroom version, holding what a computer
// could then add however absurd: the upgrade keeps every row, the class view
// passes over the absurd ones, and the computers deliver again.
TEST_F(SchoolServer, AnUpgradeKeepsEveryRowAndTheClassViewPassesOverAbsurdOnes)
{
    ASSERT_FALSE(m_server->superuser(u"CREATE DATABASE old_school"_s, u"postgres"_s).isNull());
    ASSERT_FALSE(
        m_server->superuser(u"\\i "_s + kPackaging + u"/classroom-tables-1.sql"_s, u"old_school"_s)
            .isNull());
    const QString rows =
        u"INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind, table_number,"
        " questions, right_answers, seconds, finished, delivered_by) VALUES"
        " ('00000000-0000-0000-0000-000000000001', 'Ada', 0, 0, 0, 7, 20, 2, 9, 1, 'pc1'),"
        " ('00000000-0000-0000-0000-000000000002', 'Ada', 0, 0, 99, 7, 1000000000, -2, 9, 1,"
        " 'pc1');"
        " INSERT INTO answers VALUES ('00000000-0000-0000-0000-000000000001', 0, 7, 8, 7, 0, 900),"
        " ('00000000-0000-0000-0000-000000000001', 1, 8, 7, 7, 0, 900),"
        " ('00000000-0000-0000-0000-000000000001', 2, 13, 13, 7, 0, 9223372036854775807)"_s;
    ASSERT_FALSE(m_server->superuser(rows, u"old_school"_s).isNull());
    ASSERT_FALSE(
        m_server->superuser(u"\\i "_s + kPackaging + u"/classroom-upgrade.sql"_s, u"old_school"_s)
            .isNull())
        << m_server->error().toStdString();
    ASSERT_FALSE(m_server->superuser(u"GRANT old_school_class TO class_4b"_s).isNull());
    EXPECT_EQ(m_server->superuser(u"SELECT version, (SELECT COUNT(*) FROM tests),"
                                  " (SELECT COUNT(*) FROM answers) FROM numberlark_schema"_s,
                                  u"old_school"_s),
              u"2|2|3"_s);
    EXPECT_EQ(childrenSeenBy("teacher", u"old_school"_s), QStringList{u"Ada:1:2"_s});
    ServerConnection pc2(server("pc2", u"old_school"_s));
    EXPECT_TRUE(deliverOutbox(pc2, {{testOf(u"Bea"_s)}, {}}).status.ok());
    EXPECT_EQ(childrenSeenBy("teacher", u"old_school"_s),
              (QStringList{u"Ada:1:2"_s, u"Bea:1:2"_s}));
}
