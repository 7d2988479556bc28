#include "progress/ProgressLog.h"

#include "progress/LogFailure.h"
#include "progress/LogFiles.h"
#include "progress/LogLocation.h"
#include "progress/LogSchema.h"
#include "progress/TestTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>
#include <set>

namespace numberlark::progress {

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("numberlark-progress-%1").arg(++counter);
}

// An empty file is a log not yet begun; otherwise the file must hold
// exactly what this program creates.
bool looksLikeOurs(const QSqlDatabase& db, int version, QSqlError* error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        *error = query.lastError();
        return false;
    }
    std::set<QString> tables;
    while (query.next()) {
        tables.insert(query.value(0).toString());
    }
    *error = query.lastError();
    if (version == 0) {
        return tables.empty();
    }
    return tables.count(QStringLiteral("tests")) && tables.count(QStringLiteral("answers"));
}

QSqlError useWriteAheadJournal(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
        return query.lastError();
    }
    return {};
}

// Two unfinished tests can leave the same results line ("Date" carries no
// time): the later one is kept, without the line's key.
QSqlError storeTest(QSqlDatabase& db, TestRecord& test)
{
    bool known = false;
    if (!test.resultsKey.isEmpty()) {
        if (QSqlError error = hasSourceKey(db, test.resultsKey, known); error.isValid()) {
            return error;
        }
    }
    if (known) {
        test.resultsKey.clear();
    }
    return insertTest(db, test);
}

} // namespace

QSqlError inTransaction(QSqlDatabase db, const std::function<QSqlError(QSqlDatabase&)>& work)
{
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlError error = work(db);
    if (!error.isValid() && !db.commit()) {
        error = db.lastError();
    }
    if (error.isValid()) {
        db.rollback();
    }
    return error;
}

QString ProgressLog::defaultPath()
{
    return defaultLogPath();
}

ProgressLog::ProgressLog(QString path, std::chrono::milliseconds busyWait)
    : m_path(std::move(path)), m_connectionName(nextConnectionName()), m_busyWait(busyWait)
{
}

ProgressLog::~ProgressLog()
{
    closeConnection();
}

QSqlDatabase ProgressLog::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

LogStatus ProgressLog::open()
{
    if (m_open) {
        return consumeNotice({});
    }
    LogStatus status = openConnection();
    if (status.done()) {
        status = inspectAndMigrate();
    }
    m_open = status.done();
    if (!m_open) {
        closeConnection();
    }
    return consumeNotice(status);
}

LogStatus ProgressLog::openConnection()
{
    if (m_path.isEmpty()) {
        return {LogStatus::Kind::CannotWrite,
                QCoreApplication::translate(
                    "ProgressLog",
                    "The progress log could not be written: there is no folder for this "
                    "user's data.")};
    }
    const QString problem = folderProblem(m_path);
    if (!problem.isEmpty()) {
        return {LogStatus::Kind::CannotWrite,
                QCoreApplication::translate("ProgressLog",
                                            "The progress log %1 could not be written: %2.")
                    .arg(m_path, problem)};
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!db.isValid()) {
        return {LogStatus::Kind::CannotWrite,
                QCoreApplication::translate(
                    "ProgressLog",
                    "The progress log %1 could not be opened: the SQLite driver for Qt is not "
                    "installed.")
                    .arg(m_path)};
    }
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyWait.count()));
    if (!db.open()) {
        return statusFor(db.lastError());
    }
    return {};
}

LogStatus ProgressLog::inspectAndMigrate()
{
    QSqlDatabase db = database();
    QSqlError error;
    const int version = logVersion(db, &error);
    if (version > kLogVersion) {
        return {LogStatus::Kind::NewerVersion,
                QCoreApplication::translate(
                    "ProgressLog",
                    "The progress log %1 was written by a newer Numberlark. A newer Numberlark "
                    "is needed to read it or add to it; it was left as it is.")
                    .arg(m_path)};
    }
    if (version >= 0 && !looksLikeOurs(db, version, &error) && !error.isValid()) {
        return keepAsideAndStartAfresh(
            QCoreApplication::translate("ProgressLog", "it is not a Numberlark progress log"));
    }
    if (!error.isValid()) {
        error = useWriteAheadJournal(db);
    }
    if (!error.isValid()) {
        error = migrateLog(db, version);
    }
    return error.isValid() ? statusFor(error) : LogStatus{};
}

LogStatus ProgressLog::statusFor(const QSqlError& error)
{
    switch (classify(error)) {
    case LogFailure::Busy:
        return {LogStatus::Kind::Busy,
                QCoreApplication::translate(
                    "ProgressLog",
                    "Another copy of Numberlark is using the progress log %1 (%2). Try again "
                    "when it has finished.")
                    .arg(m_path, reasonOf(error))};
    case LogFailure::Damaged:
        return keepAsideAndStartAfresh(reasonOf(error));
    case LogFailure::Refused:
        break;
    }
    return {
        LogStatus::Kind::CannotWrite,
        QCoreApplication::translate("ProgressLog", "The progress log %1 could not be written: %2.")
            .arg(m_path, reasonOf(error))};
}

// The damaged file keeps its contents under a dated name beside the new log,
// where someone who can mend it will find it.
LogStatus ProgressLog::keepAsideAndStartAfresh(const QString& reason)
{
    closeConnection();
    m_open = false;
    if (m_keptAside) {
        return {LogStatus::Kind::CannotWrite,
                QCoreApplication::translate("ProgressLog",
                                            "The progress log %1 could not be written: %2.")
                    .arg(m_path, reason)};
    }
    QString problem;
    const QString keptAs = moveAside(m_path, &problem);
    if (keptAs.isEmpty()) {
        return {LogStatus::Kind::CannotWrite,
                QCoreApplication::translate(
                    "ProgressLog",
                    "The progress log %1 cannot be read (%2) and could not be set aside: %3.")
                    .arg(m_path, reason, problem)};
    }
    m_keptAside = true;
    m_notice = QCoreApplication::translate(
                   "ProgressLog",
                   "The progress log %1 could not be read (%2). It was kept as %3, and a new "
                   "log was started.")
                   .arg(m_path, reason, keptAs);
    LogStatus status = openConnection();
    if (status.done()) {
        status = inspectAndMigrate();
    }
    m_open = status.done();
    return status;
}

LogStatus ProgressLog::consumeNotice(LogStatus status)
{
    if (m_notice.isEmpty()) {
        return status;
    }
    if (status.kind == LogStatus::Kind::Ok) {
        status = {LogStatus::Kind::StartedAfresh, m_notice};
    } else {
        status.message = m_notice + QStringLiteral("\n\n") + status.message;
    }
    m_notice.clear();
    return status;
}

void ProgressLog::closeConnection()
{
    {
        QSqlDatabase db = database();
        if (db.isValid()) {
            db.close();
        }
    }
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

LogStatus ProgressLog::record(const TestRecord& test)
{
    TestRecord copy = test;
    return record(copy);
}

LogStatus ProgressLog::record(TestRecord& test)
{
    test.child = test.child.trimmed();
    LogStatus opened = open();
    if (!opened.done()) {
        return opened;
    }
    const auto write = [this, &test] {
        return inTransaction(database(), [&test](QSqlDatabase& db) { return storeTest(db, test); });
    };
    QSqlError error = write();
    LogStatus status = opened;
    if (error.isValid()) {
        // A log found damaged only now is set aside and the test goes in a new one.
        status = statusFor(error);
        if (status.done()) {
            error = write();
            status = error.isValid() ? statusFor(error) : consumeNotice({});
        }
    }
    if (error.isValid()) {
        test.id = 0;
    }
    if (opened.kind == LogStatus::Kind::StartedAfresh && !status.done()) {
        status.message = opened.message + QStringLiteral("\n\n") + status.message;
    }
    return status;
}

std::vector<QString> ProgressLog::children(LogStatus* status)
{
    std::vector<QString> names;
    LogStatus result = open();
    if (result.done()) {
        if (const QSqlError error = selectChildren(database(), names); error.isValid()) {
            names.clear();
            result = statusFor(error);
        }
    }
    if (status) {
        *status = result;
    }
    return names;
}

std::vector<TestRecord> ProgressLog::testsOf(const QString& child, LogStatus* status)
{
    std::vector<TestRecord> tests;
    LogStatus result = open();
    if (result.done()) {
        if (const QSqlError error = selectTestsOf(database(), child, tests); error.isValid()) {
            tests.clear();
            result = statusFor(error);
        }
    }
    if (status) {
        *status = result;
    }
    return tests;
}

LogStatus ProgressLog::forget(const QString& child)
{
    LogStatus status = open();
    if (!status.done()) {
        return status;
    }
    const QSqlError error =
        inTransaction(database(), [&child](QSqlDatabase& db) { return deleteTestsOf(db, child); });
    return error.isValid() ? statusFor(error) : status;
}

} // namespace numberlark::progress
