#include "classroom/ClassQueries.h"
#include "classroom/DeliveryRun.h"
#include "classroom/ServerConnection.h"
#include "classroom/TestDelivery.h"
#include "support/PrivatePostgres.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace numberlark::classroom;
using numberlark::testing::PrivatePostgres;
using namespace std::chrono_literals;

namespace {

const std::vector<ClassroomAnswer> kTwoAnswers{{7, 8, 7, 0, 2000}, {8, 7, 7, 2, 9000}};

ClassroomTest makeTest(const QString& child, int minute,
                       std::vector<ClassroomAnswer> answers = kTwoAnswers)
{
    ClassroomTest test;
    test.uuid = QUuid::createUuid();
    test.child = child;
    test.when = QDateTime(QDate(2026, 3, 2), QTime(9, minute), Qt::OffsetFromUTC, 3600);
    test.tableNumber = 7;
    test.questions = static_cast<int>(answers.size());
    test.rightAnswers = test.questions;
    test.seconds = 11;
    test.finished = true;
    test.answers = std::move(answers);
    return test;
}

std::vector<ClassroomTest> manyTests(int count)
{
    std::vector<ClassroomTest> tests;
    for (int i = 0; i < count; ++i) {
        tests.push_back(makeTest(QStringLiteral("Ada"), i % 60));
    }
    return tests;
}

// A unix socket that takes connections into its backlog and never answers,
// as a frozen server does.
class FrozenSocket {
public:
    FrozenSocket()
    {
        const QByteArray path = (m_dir.path() + QStringLiteral("/.s.PGSQL.5432")).toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(path.begin(), path.end(), address.sun_path);
        m_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the socket API's own type
        if (bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(m_fd, 4) != 0) {
            close();
        }
    }
    ~FrozenSocket() { close(); }
    FrozenSocket(const FrozenSocket&) = delete;
    FrozenSocket& operator=(const FrozenSocket&) = delete;

    bool isListening() const { return m_fd >= 0; }
    QString conninfo() const
    {
        return QStringLiteral("host=%1 port=5432 dbname=numberlark user=pc1 connect_timeout=60")
            .arg(m_dir.path());
    }
    void close()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    QTemporaryDir m_dir;
    int m_fd = -1;
};

class ClassroomServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (PrivatePostgres::binaryFolder().isEmpty()) {
            GTEST_SKIP() << "PostgreSQL's server programs (initdb, pg_ctl) are not installed";
        }
        m_server = std::make_unique<PrivatePostgres>();
        ASSERT_TRUE(m_server->isRunning()) << m_server->error().toStdString();
        for (const char* login : {"pc1", "pc2"}) {
            ASSERT_TRUE(
                m_server->addLogin(QLatin1String(login), QStringLiteral("numberlark_computer")));
        }
        ASSERT_TRUE(
            m_server->addLogin(QStringLiteral("teacher"), QStringLiteral("numberlark_teacher")));
    }

    QString server(const char* login) const { return m_server->conninfo(QLatin1String(login)); }

    int rows(const char* table) const
    {
        return m_server
            ->superuser(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)))
            .toInt();
    }

    DeliveryReport deliver(const QString& server, const std::vector<ClassroomTest>& tests,
                           const std::function<void(const QUuid&)>& onDelivered = {}) const
    {
        ServerConnection connection(server);
        return deliverTests(connection, tests, onDelivered);
    }

    // Polls the superuser's answer to `sql` until it is `expected`.
    bool waitForAnswer(const QString& sql, const QString& expected) const
    {
        for (int i = 0; i < 600; ++i) {
            if (m_server->superuser(sql) == expected) {
                return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

    std::unique_ptr<PrivatePostgres> m_server;
};

TEST_F(ClassroomServer, TwoComputersDeliverOneChildAndTheTeacherSeesBoth)
{
    const ClassroomTest first = makeTest(QStringLiteral("Ada"), 1);
    const ClassroomTest second = makeTest(QStringLiteral("Ada"), 2, {{7, 8, 7, 0, 1500}});
    const ClassroomTest ben = makeTest(QStringLiteral("Ben"), 3, {{3, 4, 3, 0, 1000}});
    ASSERT_TRUE(deliver(server("pc1"), {first, ben}).status.ok());
    ASSERT_TRUE(deliver(server("pc2"), {second}).status.ok());

    ServerConnection teacher(server("teacher"));
    ASSERT_TRUE(teacher.open().ok());
    std::vector<DeliveredTest> ada;
    ASSERT_FALSE(childTests(teacher.database(), QStringLiteral("Ada"), ada).isValid());
    ASSERT_EQ(ada.size(), 2U);
    EXPECT_EQ(ada[0].test, first);
    EXPECT_EQ(ada[0].deliveredBy, QStringLiteral("pc1"));
    EXPECT_EQ(ada[1].test, second);
    EXPECT_EQ(ada[1].deliveredBy, QStringLiteral("pc2"));

    // 7 x 8: right first time and quick on both computers; 8 x 7: wrong twice.
    std::vector<ChildSummary> children;
    ASSERT_FALSE(classChildren(teacher.database(), children).isValid());
    ASSERT_EQ(children.size(), 2U);
    EXPECT_EQ(children[0].child, QStringLiteral("Ada"));
    EXPECT_EQ(children[0].tests, 2);
    EXPECT_EQ(children[0].knownFacts, 1);
    EXPECT_EQ(children[1].child, QStringLiteral("Ben"));
    EXPECT_EQ(children[1].knownFacts, 1);

    std::vector<ClassFact> hardest;
    ASSERT_FALSE(hardestFacts(teacher.database(), 2, hardest).isValid());
    ASSERT_EQ(hardest.size(), 2U);
    EXPECT_EQ(hardest[0].first * 100 + hardest[0].second, 807);
    EXPECT_EQ(hardest[0].wrongAnswers, 2);
    EXPECT_EQ(hardest[1].first * 100 + hardest[1].second, 304);
}

TEST_F(ClassroomServer, AComputerOnlyAddsAndATeacherOnlyReads)
{
    ASSERT_TRUE(deliver(server("pc1"), {makeTest(QStringLiteral("Ada"), 1)}).status.ok());
    const QString practice = QStringLiteral(
        "INSERT INTO practice_sessions (uuid, child, started_ms, utc_offset, minutes, limit_ms)"
        " VALUES ('%1', 'Ada', 0, 0, 10, 6000)");
    struct Case {
        const char* login;
        QString sql;
        bool allowed;
    };
    const std::vector<Case> cases{
        {"pc1", QStringLiteral("SELECT version FROM numberlark_schema"), true},
        {"pc1", QStringLiteral("SELECT child FROM tests"), false},
        {"pc1", QStringLiteral("SELECT COUNT(*) FROM answers"), false},
        {"pc1", QStringLiteral("SELECT COUNT(*) FROM practice_sessions"), false},
        {"pc1", QStringLiteral("UPDATE tests SET child = 'Eve'"), false},
        {"pc1", QStringLiteral("DELETE FROM answers"), false},
        {"pc1", QStringLiteral("UPDATE numberlark_schema SET version = 9"), false},
        {"pc1",
         QStringLiteral(
             "INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind, table_number,"
             " questions, right_answers, seconds, finished, delivered_by) VALUES"
             " ('%1', 'Ada', 0, 0, 0, 7, 1, 1, 1, 1, 'pc2')")
             .arg(QUuid::createUuid().toString(QUuid::WithoutBraces)),
         false},
        {"pc1", practice.arg(QUuid::createUuid().toString(QUuid::WithoutBraces)), true},
        {"teacher", QStringLiteral("SELECT COUNT(*) FROM answers"), true},
        {"teacher", practice.arg(QUuid::createUuid().toString(QUuid::WithoutBraces)), false},
        {"teacher", QStringLiteral("DELETE FROM tests"), false},
    };
    for (const Case& c : cases) {
        ServerConnection connection(server(c.login));
        ASSERT_TRUE(connection.open().ok());
        QSqlQuery query(connection.database());
        const bool ran = query.exec(c.sql);
        EXPECT_EQ(ran, c.allowed) << c.login << ": " << c.sql.toStdString();
        if (!c.allowed) {
            EXPECT_EQ(query.lastError().nativeErrorCode(), QStringLiteral("42501"))
                << c.sql.toStdString();
        }
    }
    EXPECT_EQ(m_server->superuser(QStringLiteral("SELECT delivered_by FROM practice_sessions")),
              QStringLiteral("pc1"));
    EXPECT_EQ(m_server->superuser(QStringLiteral("SELECT child FROM tests")),
              QStringLiteral("Ada"));
    EXPECT_EQ(rows("answers"), 2);
}

TEST_F(ClassroomServer, AResendAddsNothingTwice)
{
    const std::vector<ClassroomTest> tests = manyTests(kTestsPerTransaction + 10);
    const std::vector<ClassroomTest> firstPart(tests.begin(), tests.begin() + 30);
    ASSERT_TRUE(deliver(server("pc1"), firstPart).status.ok());
    // The acknowledgement was lost: everything goes again, from another computer too.
    std::vector<ClassroomTest> again = tests;
    again.push_back(tests.front());
    const DeliveryReport report = deliver(server("pc2"), again);
    ASSERT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(report.delivered.size(), again.size());
    EXPECT_EQ(rows("tests"), static_cast<int>(tests.size()));
    EXPECT_EQ(rows("answers"), static_cast<int>(2 * tests.size()));
    EXPECT_EQ(m_server->superuser(
                  QStringLiteral("SELECT COUNT(*) FROM tests WHERE delivered_by = 'pc1'")),
              QStringLiteral("30"));
}

TEST_F(ClassroomServer, ALostConnectionIsOpenedAgainAndTheTestsSentAgain)
{
    const std::vector<ClassroomTest> tests = manyTests(kTestsPerTransaction + 10);
    // The server restarts after the first batch is committed.
    bool restarted = false;
    DeliveryReport report = deliver(server("pc1"), tests, [&](const QUuid&) {
        if (!restarted) {
            restarted = m_server->stop() && m_server->start();
        }
    });
    ASSERT_TRUE(restarted);
    EXPECT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(report.reconnects, 1);
    EXPECT_EQ(report.delivered.size(), tests.size());

    // A backend ended by the superuser while its transaction waits, half
    // sent, for a lock the superuser holds.
    QProcess locker;
    locker.start(m_server->psql(),
                 {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
                  QStringLiteral("-t"), QStringLiteral("-d"), m_server->superuserConninfo()});
    locker.write("BEGIN; LOCK TABLE answers IN ACCESS EXCLUSIVE MODE; SELECT 'locked';\n");
    ASSERT_TRUE(locker.waitForReadyRead(30000));
    const std::vector<ClassroomTest> more = manyTests(3);
    const auto run = DeliveryRun::start(server("pc2"), more);
    ASSERT_TRUE(
        waitForAnswer(QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE usename = 'pc2'"
                                     " AND wait_event_type = 'Lock'"),
                      QStringLiteral("1")));
    m_server->superuser(QStringLiteral(
        "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = 'pc2'"));
    locker.write("COMMIT;\n");
    locker.closeWriteChannel();
    ASSERT_TRUE(locker.waitForFinished(30000));

    ASSERT_TRUE(run->waitFor(60s));
    report = *run->report();
    EXPECT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(report.reconnects, 1);
    EXPECT_EQ(report.delivered.size(), more.size());
    EXPECT_EQ(rows("tests"), static_cast<int>(tests.size() + more.size()));
    EXPECT_EQ(rows("answers"), static_cast<int>(2 * (tests.size() + more.size())));
}

TEST_F(ClassroomServer, TheCallerWaitsNoLongerThanItChose)
{
    // A server that takes the connection and never answers holds the
    // delivery, not the caller; once it goes away the delivery ends too.
    FrozenSocket frozen;
    ASSERT_TRUE(frozen.isListening());
    const auto held = DeliveryRun::start(frozen.conninfo(), manyTests(1));
    EXPECT_FALSE(held->waitFor(200ms));
    EXPECT_FALSE(held->report().has_value());
    frozen.close();
    ASSERT_TRUE(held->waitFor(60s));
    EXPECT_EQ(held->report()->status.problem, ClassroomProblem::ServerUnreachable);

    // A stopped server: the delivery ends at once, nothing delivered.
    ASSERT_TRUE(m_server->stop());
    const auto stopped = DeliveryRun::start(server("pc1"), manyTests(1));
    ASSERT_TRUE(stopped->waitFor(60s));
    EXPECT_EQ(stopped->report()->status.problem, ClassroomProblem::ServerUnreachable);
    EXPECT_TRUE(stopped->report()->delivered.empty());
}

TEST_F(ClassroomServer, EachFailureIsNamedAndNothingIsSent)
{
    ASSERT_TRUE(m_server->addLogin(QStringLiteral("stranger"), QStringLiteral("pg_monitor")));
    struct Case {
        const char* name;
        QString server;
        ClassroomProblem expected;
    };
    const std::vector<Case> cases{
        {"wrong password", server("pc1") + QStringLiteral(" password=wrong"),
         ClassroomProblem::LoginRefused},
        {"unknown login", server("nobody_here"), ClassroomProblem::LoginRefused},
        {"no classroom database",
         server("pc1").replace(QStringLiteral("dbname=numberlark"),
                               QStringLiteral("dbname=elsewhere")),
         ClassroomProblem::NotSetUp},
        {"login without the computer's role", server("stranger"), ClassroomProblem::NotSetUp},
        {"unknown service", QStringLiteral("service=numberlark_nowhere"),
         ClassroomProblem::BadServerSetting},
        {"semicolon Qt would change", server("pc1") + QStringLiteral(";"),
         ClassroomProblem::BadServerSetting},
        {"empty setting", QStringLiteral("  "), ClassroomProblem::BadServerSetting},
    };
    for (const Case& c : cases) {
        const DeliveryReport report = deliver(c.server, {makeTest(QStringLiteral("Ada"), 1)});
        EXPECT_EQ(report.status.problem, c.expected)
            << c.name << ": " << report.status.detail.toStdString();
        EXPECT_FALSE(describe(report.status.problem).isEmpty()) << c.name;
        EXPECT_TRUE(report.delivered.empty()) << c.name;
    }
    // A database set up for a newer Numberlark is left exactly as it is.
    m_server->superuser(
        QStringLiteral("UPDATE numberlark_schema SET version = %1").arg(kServerSchemaVersion + 1));
    const DeliveryReport newer = deliver(server("pc1"), {makeTest(QStringLiteral("Ada"), 1)});
    EXPECT_EQ(newer.status.problem, ClassroomProblem::NewerServer);
    EXPECT_EQ(rows("tests"), 0);
}

} // namespace
