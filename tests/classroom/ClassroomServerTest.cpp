#include "classroom/ClassQueries.h"
#include "classroom/DeliveryRun.h"
#include "classroom/LogOutbox.h"
#include "classroom/OutboxDelivery.h"
#include "classroom/ServerConnection.h"
#include "classroom/courier/OutboxCourier.h"
#include "progress/ProgressLog.h"
#include "support/ClassroomFixture.h"
#include "support/TestRecordBuilder.h"
#include "ui/progress/ClassroomLine.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

using namespace numberlark::classroom;
using numberlark::ClassroomLine;
using numberlark::testing::PrivatePostgres;
using numberlark::testing::TestRecordBuilder;
namespace progress = numberlark::progress;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

progress::TestRecord makeTest(const QString& child, int minute,
                              std::vector<progress::AnsweredQuestion> answers = {
                                  {7, 8, 7, 0, 2000}, {8, 7, 7, 2, 9000}})
{
    const QDateTime when(QDate(2026, 3, 2), QTime(9, minute), Qt::OffsetFromUTC, 3600);
    progress::TestRecord test =
        TestRecordBuilder(child).at(when).seconds(9).answers(std::move(answers));
    test.uuid = QUuid::createUuid();
    return test;
}

std::vector<progress::TestRecord> manyTests(int count)
{
    std::vector<progress::TestRecord> tests;
    for (int i = 0; i < count; ++i) {
        tests.push_back(makeTest(u"Ada"_s, i % 60));
    }
    return tests;
}

progress::PracticeSessionRecord makePractice(const QString& child)
{
    progress::PracticeSessionRecord session;
    session.uuid = QUuid::createUuid();
    session.child = child;
    session.started = QDateTime::currentDateTime();
    session.minutes = 10;
    session.limitMillis = 6000;
    session.answers = {{2, 2, 0, 900}};
    return session;
}

class ClassroomServer : public numberlark::testing::ClassroomFixture {
protected:
    QString server(const char* login) const { return m_server->conninfo(QLatin1String(login)); }
    int rows(const char* table) const
    {
        return m_server->superuser(u"SELECT COUNT(*) FROM "_s + table).toInt();
    }

    static DeliveryReport send(const QString& server, const Outbox& outbox,
                               const std::function<void(const QUuid&)>& onDelivered = {})
    {
        ServerConnection connection(server);
        return deliverOutbox(connection, outbox, onDelivered);
    }
};

TEST_F(ClassroomServer, TwoComputersDeliverOneChildAndTheTeacherSeesBoth)
{
    progress::TestRecord first = makeTest(u"Ada"_s, 1);
    progress::TestRecord second = makeTest(u"Ada"_s, 2, {{7, 8, 7, 0, 1500}});
    ASSERT_TRUE(send(server("pc1"), {{first, makeTest(u"Ben"_s, 3, {{3, 4, 3, 0, 1000}})}, {}})
                    .status.ok());
    ASSERT_TRUE(send(server("pc2"), {{second}, {makePractice(u"Cleo"_s)}}).status.ok());

    ServerConnection teacher(server("teacher"));
    ASSERT_TRUE(teacher.open().ok());
    std::vector<DeliveredTest> ada;
    ASSERT_FALSE(childTests(teacher.database(), u"Ada"_s, ada).isValid());
    ASSERT_EQ(ada.size(), 2U);
    first.delivered = second.delivered = true; // as the server reads them back
    EXPECT_EQ(ada[0].test, first);
    EXPECT_EQ(ada[0].deliveredBy, u"pc1"_s);
    EXPECT_EQ(ada[1].test, second);
    EXPECT_EQ(ada[1].deliveredBy, u"pc2"_s);

    // 7 x 8: right first time and quick on both computers; 8 x 7: wrong twice.
    // Cleo has only practised 2 x 2.
    std::vector<ChildSummary> children;
    ASSERT_FALSE(classChildren(teacher.database(), 3s, children).isValid());
    ASSERT_EQ(children.size(), 3U);
    const std::vector<std::tuple<QString, int, int>> expected{
        {u"Ada"_s, 2, 1}, {u"Ben"_s, 1, 1}, {u"Cleo"_s, 0, 1}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(std::tuple(children[i].child, children[i].tests, children[i].knownFacts),
                  expected[i]);
    }
    // Only 8 x 7 is Tricky for anyone: no fact nobody got wrong fills the list.
    std::vector<ClassFact> hardest;
    ASSERT_FALSE(hardestFacts(teacher.database(), 2, 3s, hardest).isValid());
    ASSERT_EQ(hardest.size(), 1U);
    EXPECT_EQ(std::tuple(hardest[0].first, hardest[0].second, hardest[0].wrongAnswers,
                         hardest[0].trickyFor),
              std::tuple(8, 7, 2, 1));
}

TEST_F(ClassroomServer, AComputerOnlyAddsAndATeacherOnlyReads)
{
    ASSERT_TRUE(send(server("pc1"), {{makeTest(u"Ada"_s, 1)}, {}}).status.ok());
    const QString practice =
        u"INSERT INTO practice_sessions (uuid, child, started_ms, utc_offset, minutes)"
        " VALUES (gen_random_uuid(), 'Ada', 0, 0, 10)"_s;
    const std::vector<std::tuple<const char*, QString, bool>> cases{
        {"pc1", u"SELECT version FROM numberlark_schema"_s, true},
        {"pc1", u"SELECT child FROM tests"_s, false},
        {"pc1", u"SELECT COUNT(*) FROM answers"_s, false},
        {"pc1", u"SELECT child FROM practice_sessions"_s, false},
        {"pc1", u"UPDATE tests SET child = 'Eve'"_s, false},
        {"pc1", u"DELETE FROM answers"_s, false},
        {"pc1", u"UPDATE numberlark_schema SET version = 9"_s, false},
        {"pc1",
         u"INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind, table_number, "
         u"questions,"
         " right_answers, seconds, finished, delivered_by) VALUES"
         " (gen_random_uuid(), 'Ada', 0, 0, 0, 7, 1, 1, 1, 1, 'pc2')"_s,
         false},
        {"pc1", practice, true},
        {"teacher", u"SELECT COUNT(*) FROM answers"_s, true},
        {"teacher", practice, false},
        {"teacher", u"DELETE FROM tests"_s, false},
    };
    for (const auto& [login, sql, allowed] : cases) {
        ServerConnection connection(server(login));
        ASSERT_TRUE(connection.open().ok());
        QSqlQuery query(connection.database());
        EXPECT_EQ(query.exec(sql), allowed) << login << ": " << sql.toStdString();
        EXPECT_EQ(query.lastError().nativeErrorCode(), allowed ? QString() : u"42501"_s)
            << sql.toStdString();
    }
    EXPECT_EQ(m_server->superuser(u"SELECT delivered_by FROM practice_sessions"_s), u"pc1"_s);
    EXPECT_EQ(m_server->superuser(u"SELECT child FROM tests"_s), u"Ada"_s);
    EXPECT_EQ(rows("answers"), 2);
}

TEST_F(ClassroomServer, AResendAddsNothingTwice)
{
    const Outbox outbox{manyTests(kItemsPerTransaction + 10), {makePractice(u"Ada"_s)}};
    const Outbox firstPart{{outbox.tests.begin(), outbox.tests.begin() + 30}, outbox.practice};
    ASSERT_TRUE(send(server("pc1"), firstPart).status.ok());
    // The acknowledgement was lost: all goes again, from another computer too
    // (which keeps a row of its own), with a test that has no uuid, which is
    // kept back.
    Outbox again = outbox;
    again.tests.push_back(outbox.tests.front());
    again.tests.push_back(makeTest(u"Ada"_s, 1));
    again.tests.back().uuid = QUuid();
    const DeliveryReport report = send(server("pc2"), again);
    ASSERT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(report.delivered.size(), again.tests.size());
    EXPECT_EQ(report.unsendable.size(), 1U);
    EXPECT_EQ(m_server->superuser(u"SELECT delivered_by, COUNT(*), COUNT(DISTINCT uuid) FROM tests"
                                  " GROUP BY delivered_by ORDER BY 1"_s),
              u"pc1|30|30\npc2|60|60"_s);
    EXPECT_EQ(rows("answers"), static_cast<int>(2 * (30 + outbox.tests.size())));
    EXPECT_EQ(rows("practice_answers"), 2);
}

TEST_F(ClassroomServer, ALostConnectionIsOpenedAgainAndTheTestsSentAgain)
{
    const Outbox outbox{manyTests(kItemsPerTransaction + 10), {}};
    // The server restarts after the first batch is committed.
    bool restarted = false;
    DeliveryReport report = send(server("pc1"), outbox, [&](const QUuid&) {
        restarted = restarted || (m_server->stop() && m_server->start());
    });
    ASSERT_TRUE(restarted);
    EXPECT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(std::tuple(report.reconnects, report.delivered.size()),
              std::tuple(1, outbox.tests.size()));

    // The superuser ends the backend while its transaction, half sent, waits
    // for a lock the superuser holds.
    QProcess locker;
    locker.start(m_server->psql(),
                 {u"-XqAt"_s, u"-d"_s, m_server->conninfo(PrivatePostgres::kSuperuser)});
    locker.write("BEGIN; LOCK TABLE answers IN ACCESS EXCLUSIVE MODE; SELECT 'locked';\n");
    ASSERT_TRUE(locker.waitForReadyRead(30000));
    const auto run = DeliveryRun::start(server("pc2"), {manyTests(3), {}});
    const QString waiting =
        u"SELECT COUNT(*) FROM pg_stat_activity WHERE usename = 'pc2' AND wait_event_type = 'Lock'"_s;
    for (int i = 0; i < 600 && m_server->superuser(waiting) != u"1"_s; ++i) {
        QThread::msleep(50);
    }
    ASSERT_EQ(m_server->superuser(u"SELECT COUNT(pg_terminate_backend(pid)) FROM pg_stat_activity"
                                  " WHERE usename = 'pc2' AND wait_event_type = 'Lock'"_s),
              u"1"_s);
    locker.write("COMMIT;\n");
    locker.closeWriteChannel();
    ASSERT_TRUE(locker.waitForFinished(30000));
    ASSERT_TRUE(run->waitFor(60s));
    report = *run->report();
    EXPECT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(std::tuple(report.reconnects, report.delivered.size()), std::tuple(1, 3U));
    EXPECT_EQ(rows("answers"), static_cast<int>(2 * (outbox.tests.size() + 3)));
}

TEST_F(ClassroomServer, TheCallerWaitsNoLongerThanItChose)
{
    // A server that takes the connection and never answers holds the
    // delivery's thread, not the caller; once it goes, taking the waiting
    // connection with it, the delivery ends, told as a dropped connection.
    QTemporaryDir folder;
    QLocalServer frozen; // never accepts: connections wait in its backlog
    ASSERT_TRUE(frozen.listen(folder.filePath(u".s.PGSQL.5432"_s)));
    const auto held = DeliveryRun::start(u"host=%1 dbname=numberlark user=pc1"_s.arg(folder.path()),
                                         {manyTests(1), {}});
    EXPECT_FALSE(held->waitFor(200ms));
    frozen.close();
    ASSERT_TRUE(held->waitFor(60s));
    EXPECT_EQ(held->report()->status.problem, ClassroomProblem::ConnectionDropped);
}

TEST_F(ClassroomServer, EachFailureIsNamedAndNothingIsSent)
{
    ASSERT_TRUE(m_server->addLogin(u"stranger"_s, u"pg_monitor"_s));
    const std::vector<std::pair<QString, ClassroomProblem>> cases{
        {server("pc1") + u" password=wrong"_s, ClassroomProblem::LoginRefused},
        {server("nobody_here"), ClassroomProblem::LoginRefused},
        {server("pc1").replace(u"dbname=numberlark"_s, u"dbname=elsewhere"_s),
         ClassroomProblem::NotSetUp},
        {server("stranger"), ClassroomProblem::LoginRefused}, // the database is closed to it
        {u"service=numberlark_nowhere"_s, ClassroomProblem::BadServerSetting},
        {server("pc1") + u";"_s, ClassroomProblem::BadServerSetting}, // Qt changes ';'
        {u"  "_s, ClassroomProblem::BadServerSetting},
    };
    for (const auto& [setting, expected] : cases) {
        const DeliveryReport report = send(setting, {{makeTest(u"Ada"_s, 1)}, {}});
        EXPECT_EQ(report.status.problem, expected)
            << setting.toStdString() << ": " << report.status.detail.toStdString();
        EXPECT_FALSE(describe(report.status.problem).isEmpty());
        EXPECT_TRUE(report.delivered.empty());
    }
    // A database set up for a newer Numberlark is left exactly as it is.
    m_server->superuser(
        u"UPDATE numberlark_schema SET version = %1"_s.arg(kServerSchemaVersion + 1));
    EXPECT_EQ(send(server("pc1"), {{makeTest(u"Ada"_s, 1)}, {}}).status.problem,
              ClassroomProblem::NewerServer);
    // One that waits for its upgrade takes nothing either.
    m_server->superuser(u"UPDATE numberlark_schema SET version = 1"_s);
    EXPECT_EQ(send(server("pc1"), {{makeTest(u"Ada"_s, 1)}, {}}).status.problem,
              ClassroomProblem::OlderServer);
    EXPECT_EQ(rows("tests"), 0);
    // A stopped server ends the delivery at once.
    ASSERT_TRUE(m_server->stop());
    const auto stopped = DeliveryRun::start(server("pc1"), {manyTests(1), {}});
    ASSERT_TRUE(stopped->waitFor(60s));
    EXPECT_EQ(stopped->report()->status.problem, ClassroomProblem::ServerUnreachable);
}

// At Quit the courier gives the delivery 2 s in all, whatever the server
// does; the progress window's line says in words what waits and why, and
// the next start delivers the rest. A resend adds nothing on the server.
TEST_F(ClassroomServer, QuitWaitsTwoSecondsAtMostAndTheNextStartDeliversTheRest)
{
    enum class Server { Answering, Stopped, Frozen, RefusesLogin, Newer };
    const std::vector<std::tuple<Server, int, ClassroomProblem>> cases{
        {Server::Answering, 0, ClassroomProblem::None},
        {Server::Stopped, 1, ClassroomProblem::ServerUnreachable},
        {Server::Frozen, 1, ClassroomProblem::None},
        {Server::RefusesLogin, 1, ClassroomProblem::LoginRefused},
        {Server::Newer, 1, ClassroomProblem::NewerServer},
    };
    QTemporaryDir home;
    const QString logPath = home.filePath(u"progress.sqlite"_s);
    progress::PracticeSessionRecord practice;
    practice.child = u"Ada"_s;
    practice.started = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::OffsetFromUTC, 3600);
    practice.minutes = 5;
    practice.answers = {{6, 7, 1, 4000}};
    ASSERT_TRUE(progress::ProgressLog(logPath).recordPractice(practice).done());
    for (const auto& [kind, waitingAfterQuit, problem] : cases) {
        progress::TestRecord test = TestRecordBuilder(u"Ada"_s).answers({{7, 8, 7, 1, 3000}});
        ASSERT_TRUE(progress::ProgressLog(logPath).record(test).done());
        QString setting = server("pc1");
        QTemporaryDir frozenFolder;
        QLocalServer frozen; // takes connections into its backlog, never answers
        if (kind == Server::Stopped) {
            ASSERT_TRUE(m_server->stop());
        } else if (kind == Server::Frozen) {
            ASSERT_TRUE(frozen.listen(frozenFolder.filePath(u".s.PGSQL.5432"_s)));
            setting = u"host=%1 dbname=numberlark user=pc1"_s.arg(frozenFolder.path());
        } else if (kind == Server::RefusesLogin) {
            setting += u" password=wrong"_s;
        } else if (kind == Server::Newer) {
            m_server->superuser(u"UPDATE numberlark_schema SET version = 99"_s);
        }

        OutboxCourier atQuit;
        QElapsedTimer quitting;
        quitting.start();
        atQuit.deliverBeforeQuit(logPath, setting, 2s);
        EXPECT_LT(quitting.elapsed(), 2500);
        EXPECT_EQ(atQuit.deliveryRunning(), kind == Server::Frozen);
        const ClassroomLine line([&atQuit] { return atQuit.state(); }, nullptr);
        EXPECT_EQ(line.isHidden(), waitingAfterQuit == 0) << line.text().toStdString();
        EXPECT_EQ(line.text().contains(u": 1."_s), waitingAfterQuit == 1);
        EXPECT_TRUE(line.text().contains(describe(problem))) << line.text().toStdString();

        frozen.close();
        if (kind == Server::Stopped) {
            ASSERT_TRUE(m_server->start());
        } else if (kind == Server::Newer) {
            m_server->superuser(
                u"UPDATE numberlark_schema SET version = %1"_s.arg(kServerSchemaVersion));
        }
        OutboxCourier nextStart;
        nextStart.deliverWhileRunning(logPath, server("pc1"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !nextStart.state().delivering; }, 60000));
        EXPECT_EQ(nextStart.state(), OutboxState{});
        EXPECT_EQ(m_server->superuser(u"SELECT COUNT(*) FROM tests WHERE uuid = '%1'"_s.arg(
                      test.uuid.toString(QUuid::WithoutBraces))),
                  u"1"_s);
    }
    // The log forgot that the server has them all: they go again, and the
    // server keeps one of each from each computer.
    progress::ProgressLog log(logPath);
    ASSERT_TRUE(log.open().done());
    QSqlQuery(log.database()).exec(u"UPDATE tests SET delivered = 0"_s);
    OutboxCourier again;
    again.deliverBeforeQuit(logPath, server("pc2"), 2s);
    Outbox left;
    ASSERT_TRUE(readOutbox(log, left).done());
    EXPECT_EQ(left.tests.size() + left.practice.size(), 0U);
    EXPECT_EQ(m_server->superuser(u"SELECT COUNT(DISTINCT uuid) FROM tests"_s),
              QString::number(cases.size()));
    EXPECT_EQ(rows("practice_answers"), 1);
    EXPECT_EQ(m_server->superuser(u"SELECT COUNT(*) FROM tests WHERE delivered_by = 'pc2'"_s),
              QString::number(cases.size()));
}

} // namespace
