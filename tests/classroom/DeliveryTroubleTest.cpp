// What a delivery does when the server refuses a row, freezes, drops its
// connections, or the program quits in the middle of a big outbox.
#include "classroom/LogOutbox.h"
#include "classroom/OutboxDelivery.h"
#include "classroom/courier/OutboxCourier.h"
#include "progress/LogTransaction.h"
#include "progress/ProgressLog.h"
#include "progress/TestTable.h"
#include "support/ClassroomFixture.h"
#include "support/TestRecordBuilder.h"
#include "ui/progress/ClassroomLine.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace numberlark::classroom;
using numberlark::ClassroomLine;
using numberlark::testing::TestRecordBuilder;
namespace progress = numberlark::progress;
using namespace Qt::StringLiterals;

namespace {

const QDate kDay(2026, 3, 2);

class DeliveryTrouble : public numberlark::testing::ClassroomFixture {
protected:
    QString pc1() const { return m_server->conninfo(u"pc1"_s); }
    int rows(const char* table) const
    {
        return m_server->superuser(u"SELECT COUNT(*) FROM "_s + table).toInt();
    }
    QString pc1Backends(const char* what)
    {
        return m_server->superuser(
            u"SELECT %1 FROM pg_stat_activity WHERE usename = 'pc1'"_s.arg(QLatin1String(what)));
    }

    // Test i is Child (i % children)'s, lasts i seconds, and its one answer
    // took 2000 + i ms, so a constraint can pick out one test.
    static void fillLog(const QString& path, int count, int children = 10)
    {
        progress::ProgressLog log(path);
        ASSERT_TRUE(log.open().done());
        ASSERT_FALSE(progress::inTransaction(log.database(), [&](QSqlDatabase& db) {
                         progress::TestWriter writer(db);
                         for (int i = 0; i < count; ++i) {
                             progress::TestRecord test =
                                 TestRecordBuilder(u"Child %1"_s.arg(i % children))
                                     .at(QDateTime(kDay, QTime(9, 0).addSecs(i)))
                                     .seconds(i)
                                     .answers({{7, 8, 7, 0, 2000 + i}});
                             if (QSqlError error = writer.write(test); error.isValid()) {
                                 return error;
                             }
                         }
                         return QSqlError();
                     }).isValid());
    }

    static Outbox outboxOf(const QString& path)
    {
        progress::ProgressLog log(path);
        Outbox outbox;
        EXPECT_TRUE(readOutbox(log, outbox).done());
        return outbox;
    }
    static std::vector<SetAside> refusedIn(const QString& path)
    {
        progress::ProgressLog log(path);
        std::vector<SetAside> refused;
        EXPECT_TRUE(readRefused(log, refused).done());
        return refused;
    }

    static OutboxState deliverAsAtStart(const QString& path, const QString& server)
    {
        OutboxCourier courier;
        courier.deliverWhileRunning(path, server);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !courier.state().delivering; }, 120000));
        return courier.state();
    }
};

// One refused test or child holds up nothing else: the rest arrive, the
// refused wait with the server's words, the window names them, and the next
// start sends them again.
TEST_F(DeliveryTrouble, ARefusedRowIsSetAsideAndEverythingElseArrives)
{
    struct Case {
        const char* rule;
        const char* undo;
        int refused;
        const char* child;
        const char* words;
    };
    const std::vector<Case> cases{
        {"ALTER TABLE tests ADD CONSTRAINT not_137 CHECK (seconds <> 137)",
         "ALTER TABLE tests DROP CONSTRAINT not_137", 1, "Child 7", "not_137"},
        {"ALTER TABLE answers ADD CONSTRAINT not_2137 CHECK (millis <> 2137)",
         "ALTER TABLE answers DROP CONSTRAINT not_2137", 1, "Child 7", "not_2137"},
        {"CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
         " IF NEW.child = 'Child 4' THEN RAISE EXCEPTION 'no Child 4 here'; END IF;"
         " RETURN NEW; END $$; CREATE TRIGGER refuse BEFORE INSERT ON tests"
         " FOR EACH ROW EXECUTE FUNCTION refuse()",
         "DROP FUNCTION refuse() CASCADE", 30, "Child 4", "no Child 4 here"},
        // Told only at commit, for no row in particular: found by halves.
        {"CREATE FUNCTION late() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
         " IF NEW.seconds = 137 THEN RAISE EXCEPTION 'test 137 refused at commit'; END IF;"
         " RETURN NEW; END $$; CREATE CONSTRAINT TRIGGER late AFTER INSERT ON tests"
         " DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION late()",
         "DROP FUNCTION late() CASCADE", 1, "Child 7", "test 137 refused at commit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        QTemporaryDir home;
        const QString logPath = home.filePath(u"progress.sqlite"_s);
        fillLog(logPath, 300);
        ASSERT_FALSE(m_server->superuser(QString::fromUtf8(c.rule)).isNull());

        const OutboxState first = deliverAsAtStart(logPath, pc1());
        EXPECT_EQ(rows("tests"), 300 - c.refused);
        EXPECT_TRUE(first.failure.done()) << first.failure.message.toStdString();
        EXPECT_EQ(first.waiting, c.refused);
        ASSERT_EQ(first.setAside.size(), static_cast<std::size_t>(c.refused));
        const QString line = ClassroomLine::textFor(first);
        for (const QString& named :
             {QString::fromUtf8(c.child), QLocale::system().toString(kDay, QLocale::ShortFormat),
              QString::fromUtf8(c.words)}) {
            EXPECT_TRUE(line.contains(named)) << line.toStdString();
        }
        // Kept in the log with the server's words, and sent again next time.
        const std::vector<SetAside> kept = refusedIn(logPath);
        ASSERT_EQ(kept.size(), static_cast<std::size_t>(c.refused));
        EXPECT_TRUE(kept[0].words.contains(QString::fromUtf8(c.words)));

        ASSERT_FALSE(m_server->superuser(QString::fromUtf8(c.undo)).isNull());
        EXPECT_EQ(deliverAsAtStart(logPath, pc1()), OutboxState{});
        EXPECT_EQ(rows("tests"), 300);
        EXPECT_TRUE(refusedIn(logPath).empty());
        m_server->superuser(u"TRUNCATE answers, tests"_s);
    }
}

// A backend stopped in the middle of a delivery ends it within the time
// limit, told as a frozen server; once it answers again, the rest goes.
TEST_F(DeliveryTrouble, AFrozenServerIsToldAsSuchAndTriedAgain)
{
    QTemporaryDir home;
    const QString logPath = home.filePath(u"progress.sqlite"_s);
    fillLog(logPath, 200);
    QString stopped;
    DeliveryReport report;
    {
        ServerConnection connection(pc1());
        report = deliverOutbox(connection, outboxOf(logPath), [&](const QUuid&) {
            if (stopped.isEmpty()) {
                stopped = pc1Backends("pid");
                ::kill(stopped.toInt(), SIGSTOP);
            }
        });
    }
    ::kill(stopped.toInt(), SIGCONT);
    EXPECT_EQ(report.status.problem, ClassroomProblem::ServerFrozen)
        << report.status.detail.toStdString();
    EXPECT_EQ(report.delivered.size(), kItemsPerTransaction);
    EXPECT_EQ(deliverAsAtStart(logPath, pc1()), OutboxState{});
    EXPECT_EQ(rows("tests"), 200);
}

// Each ended backend is a dropped connection, opened again at once.
TEST_F(DeliveryTrouble, BackendsEndedThreeTimesDeliverEverything)
{
    QTemporaryDir home;
    const QString logPath = home.filePath(u"progress.sqlite"_s);
    fillLog(logPath, 200);
    std::size_t seen = 0;
    ServerConnection connection(pc1());
    const DeliveryReport report = deliverOutbox(connection, outboxOf(logPath), [&](const QUuid&) {
        if (++seen % kItemsPerTransaction == 0 && seen <= 3 * kItemsPerTransaction) {
            EXPECT_EQ(pc1Backends("pg_terminate_backend(pid)"), u"t"_s);
        }
    });
    EXPECT_TRUE(report.status.ok()) << report.status.detail.toStdString();
    EXPECT_EQ(std::tuple(report.reconnects, report.delivered.size()), std::tuple(3, 200U));
    EXPECT_EQ(rows("tests"), 200);
}

// Quit in the middle of a big delivery comes back (its time is measured in
// the benchmark) and the next start delivers the rest.
TEST_F(DeliveryTrouble, QuitDuringABigDeliveryLeavesTheRestForTheNextStart)
{
    constexpr int kTests = 15000;
    QTemporaryDir home;
    const QString logPath = home.filePath(u"progress.sqlite"_s);
    fillLog(logPath, kTests);
    OutboxCourier running;
    running.deliverWhileRunning(logPath, pc1());
    ASSERT_TRUE(QTest::qWaitFor([&] { return running.state().waiting < kTests; }, 60000));
    progress::TestRecord last = TestRecordBuilder(u"Ada"_s).answers({{7, 8, 7, 0, 900}});
    ASSERT_TRUE(progress::ProgressLog(logPath).record(last).done());
    running.deliverBeforeQuit(logPath, pc1(), std::chrono::seconds(2));
    EXPECT_FALSE(running.state().delivering);

    EXPECT_EQ(deliverAsAtStart(logPath, pc1()), OutboxState{});
    EXPECT_EQ(rows("tests"), kTests + 1);
}

} // namespace
