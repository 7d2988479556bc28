#include "progress/LogSchema.h"
#include "progress/ProgressLog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace numberlark::progress;
using namespace std::chrono_literals;

namespace {

TestRecord oneTest(const QString& child)
{
    TestRecord test;
    test.child = child;
    test.when = QDateTime::currentDateTime();
    test.table = {TableChoiceRecord::Kind::Table, 7};
    test.questions = 1;
    test.seconds = 4;
    test.finished = true;
    test.answers = {{7, 8, 7, 1, 3200}};
    return test;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs statements on the file through a connection of its own, as another
// program (or another copy of this one) would.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path)
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        m_db.setDatabaseName(path);
        m_db.open();
    }
    ~OtherConnection()
    {
        m_db.close();
        m_db = {};
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
    bool exec(const QString& sql)
    {
        QSqlQuery query(m_db);
        return query.exec(sql);
    }
    QVariant value(const QString& sql)
    {
        QSqlQuery query(m_db);
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }

private:
    QSqlDatabase m_db;
};

class LogTroubleTest : public ::testing::Test {
protected:
    QString logPath() const { return m_folder.filePath(QStringLiteral("progress.sqlite")); }
    void makeLogWithOneTest()
    {
        ProgressLog log(logPath());
        ASSERT_EQ(log.record(oneTest(QStringLiteral("Ann"))).kind, LogStatus::Kind::Ok);
    }
    QTemporaryDir m_folder;
};

TEST_F(LogTroubleTest, AnUnreadableFileIsKeptAsideOnceAndANewLogStarted)
{
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> cases = {
        {"a database with a negative version",
         [](const QString& path) {
             OtherConnection other(path);
             other.exec(QStringLiteral("PRAGMA user_version = -3"));
         }},
        {"another program's tables named tests and answers, at version 1",
         [](const QString& path) {
             OtherConnection other(path);
             other.exec(QStringLiteral("CREATE TABLE tests (name TEXT)"));
             other.exec(QStringLiteral("CREATE TABLE answers (name TEXT)"));
             other.exec(QStringLiteral("PRAGMA user_version = 1"));
         }},
        {"a log with another database's journal beside it",
         [this](const QString& path) {
             makeLogWithOneTest();
             const QString stranger = m_folder.filePath(QStringLiteral("stranger.sqlite"));
             OtherConnection other(stranger);
             other.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
             other.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
             other.exec(QStringLiteral("CREATE TABLE notes (text TEXT)"));
             other.exec(QStringLiteral("INSERT INTO notes VALUES (zeroblob(20000))"));
             QFile::copy(stranger + QStringLiteral("-wal"), path + QStringLiteral("-wal"));
         }},
        {"not a database", [](const QString& path) { writeBytes(path, "Dear diary,\n"); }},
        {"another program's database",
         [](const QString& path) {
             OtherConnection other(path);
             other.exec(QStringLiteral("CREATE TABLE recipes (name TEXT)"));
         }},
        {"a log with its first page garbled",
         [this](const QString& path) {
             makeLogWithOneTest();
             QByteArray bytes = bytesOf(path);
             bytes.replace(100, 400, QByteArray(400, '\x5a'));
             writeBytes(path, bytes);
         }},
        {"a log whose tests table is garbled, found out only when writing",
         [this](const QString& path) {
             makeLogWithOneTest();
             int root = 0;
             {
                 OtherConnection other(path);
                 root = other
                            .value(QStringLiteral(
                                "SELECT rootpage FROM sqlite_master WHERE name = 'tests'"))
                            .toInt();
             }
             QByteArray bytes = bytesOf(path);
             const qsizetype page = 4096;
             bytes.replace((root - 1) * page, page, QByteArray(page, '\x5a'));
             writeBytes(path, bytes);
         }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        make(logPath());
        const QByteArray original = bytesOf(logPath());

        ProgressLog log(logPath());
        const LogStatus status = log.record(oneTest(QStringLiteral("Ben")));
        EXPECT_EQ(status.kind, LogStatus::Kind::StartedAfresh);
        EXPECT_TRUE(status.message.contains(logPath())) << status.message.toStdString();
        const QStringList aside =
            QDir(m_folder.path()).entryList({QStringLiteral("progress-unreadable-*.sqlite")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(status.message.contains(aside.front()));
        // A journal, once replayed, is kept in the file, not beside it.
        if (std::string(name).find("journal") == std::string::npos) {
            EXPECT_EQ(bytesOf(m_folder.filePath(aside.front())), original);
        }
        EXPECT_EQ(log.children(), std::vector<QString>{QStringLiteral("Ben")});
        EXPECT_EQ(log.record(oneTest(QStringLiteral("Ben"))).kind, LogStatus::Kind::Ok);
    }
}

TEST_F(LogTroubleTest, ALogFromANewerVersionIsLeftUntouched)
{
    makeLogWithOneTest();
    {
        OtherConnection newer(logPath());
        ASSERT_TRUE(newer.exec(QStringLiteral("PRAGMA user_version = %1").arg(kLogVersion + 1)));
    }
    const QByteArray before = bytesOf(logPath());
    ProgressLog log(logPath());
    const LogStatus status = log.record(oneTest(QStringLiteral("Ben")));
    EXPECT_EQ(status.kind, LogStatus::Kind::NewerVersion);
    EXPECT_TRUE(status.message.contains(QStringLiteral("A newer Numberlark is needed")));
    EXPECT_TRUE(status.message.contains(logPath()));
    EXPECT_TRUE(log.children().empty());
    EXPECT_EQ(bytesOf(logPath()), before);
}

TEST_F(LogTroubleTest, ALogHeldByAnotherCopyReportsBusyAfterAWaitAndLosesNothing)
{
    makeLogWithOneTest();
    OtherConnection holder(logPath());
    ASSERT_TRUE(holder.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    ASSERT_TRUE(holder.exec(QStringLiteral("DELETE FROM answers")));

    ProgressLog log(logPath(), 200ms);
    const LogStatus status = log.record(oneTest(QStringLiteral("Ben")));
    EXPECT_EQ(status.kind, LogStatus::Kind::Busy);
    EXPECT_TRUE(status.message.contains(logPath()));

    ASSERT_TRUE(holder.exec(QStringLiteral("ROLLBACK")));
    EXPECT_EQ(log.record(oneTest(QStringLiteral("Ben"))).kind, LogStatus::Kind::Ok);
    EXPECT_EQ(log.testsOf(QStringLiteral("Ann")).front().answers.size(), 1u);
}

TEST_F(LogTroubleTest, AFolderThatCannotHoldTheLogGivesThePathAndTheReason)
{
    writeBytes(m_folder.filePath(QStringLiteral("data")), "a file, not a folder");
    QDir().mkpath(m_folder.filePath(QStringLiteral("log-is-a-folder/progress.sqlite")));
    const std::vector<std::pair<QString, QString>> cases = {
        {m_folder.filePath(QStringLiteral("data/Numberlark/progress.sqlite")),
         QStringLiteral("is a file, not a folder")},
        {m_folder.filePath(QStringLiteral("log-is-a-folder/progress.sqlite")), QString()},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path.toStdString());
        ProgressLog log(path);
        const LogStatus status = log.record(oneTest(QStringLiteral("Ben")));
        EXPECT_EQ(status.kind, LogStatus::Kind::CannotWrite);
        EXPECT_TRUE(status.message.contains(path));
        EXPECT_TRUE(status.message.contains(reason)) << status.message.toStdString();
    }
}

// A disk that fills up mid-write: the process may not grow any file beyond a
// few bytes, so the log's journal cannot take the new test.
TEST_F(LogTroubleTest, AFullDiskGivesOneMessageAndKeepsWhatTheLogHeld)
{
    makeLogWithOneTest();
    LogStatus status;
    {
        ProgressLog log(logPath());
        ASSERT_TRUE(log.open().done());
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &tiny);
        status = log.record(oneTest(QStringLiteral("Ben")));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    EXPECT_EQ(status.kind, LogStatus::Kind::CannotWrite);
    EXPECT_TRUE(status.message.contains(logPath()));
    EXPECT_TRUE(status.message.contains(QStringLiteral("disk"))) << status.message.toStdString();
    ProgressLog reopened(logPath());
    EXPECT_EQ(reopened.children(), std::vector<QString>{QStringLiteral("Ann")});
    EXPECT_EQ(reopened.testsOf(QStringLiteral("Ann")).front().answers.size(), 1u);
}

} // namespace

// A log left by another user, or on a read-only disk: its history is read,
// a new test is refused with the system's reason, and nothing is changed. The
// reading runs in a child process without root's right to write anything.
TEST_F(LogTroubleTest, ALogThatCannotBeWrittenShowsItsHistoryAndSaysWhy)
{
    makeLogWithOneTest();
    const QByteArray before = bytesOf(logPath());
    ASSERT_TRUE(
        QFile::setPermissions(logPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_EQ(::chmod(QFile::encodeName(m_folder.path()).constData(), 0777), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(10);
        }
        ProgressLog log(logPath());
        TestRecord test = oneTest(QStringLiteral("Ben"));
        const LogStatus writable = log.checkWritable();
        const LogStatus recorded = log.record(test);
        const bool listed = log.children() == std::vector<QString>{QStringLiteral("Ann")};
        ::_exit(!listed                                             ? 11
                : writable.kind != LogStatus::Kind::CannotWrite     ? 12
                : !writable.message.contains(std::strerror(EACCES)) ? 13
                : recorded.done()                                   ? 14
                                                                    : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "11: history not listed, 12: not told as unwritable, "
                                         "13: no reason, 14: a test was recorded";
    EXPECT_EQ(bytesOf(logPath()), before);
}
