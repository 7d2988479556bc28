#include "progress/ProgressLog.h"

#include "progress/JournalReplay.h"
#include "progress/LogFailure.h"
#include "progress/LogFiles.h"
#include "progress/LogLocation.h"
#include "progress/LogSchema.h"
#include "progress/PracticeTable.h"
#include "progress/TestTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include <algorithm>

namespace numberlark::progress {

namespace {

// Unique across the program and its modules: each module links its own copy
// of this code, so a counter alone would hand two logs one name, and closing
// one would tear down the other's connection.
QString nextConnectionName()
{
    return QStringLiteral("numberlark-progress-%1")
        .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
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
        return consumeNotice(status);
    }
    // What waited for the log while another copy held it comes in first.
    takeInJournal(*this);
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
    m_journalLeftBehind = QFileInfo::exists(m_path + QStringLiteral("-wal")) &&
                          !QFileInfo::exists(m_path + QStringLiteral("-shm"));
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
    return checkLeftoverJournal();
}

// A journal left beside the log is replayed into it on open, even one that
// belongs to another database: the pages it brings must read back whole.
// While another copy has the log open its journal and the shared index
// beside it are both there; a journal alone was left behind, and only then
// is the whole log checked, which takes a while for a large one.
LogStatus ProgressLog::checkLeftoverJournal()
{
    if (!m_journalLeftBehind) {
        return {};
    }
    QString verdict;
    {
        QSqlQuery query(database());
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
            const QSqlError error = query.lastError();
            query.clear();
            return statusFor(error);
        }
        verdict = query.value(0).toString();
    }
    return verdict == QLatin1String("ok") ? LogStatus{} : keepAsideAndStartAfresh(verdict);
}

LogStatus ProgressLog::inspectAndMigrate()
{
    LogShape shape = inspectLog(database());
    QSqlError error = shape.error;
    const bool current = shape.kind == LogShape::Kind::Ours && shape.version == kLogVersion;
    if (!error.isValid() && !current && shape.kind != LogShape::Kind::Newer) {
        // Another copy may be creating or upgrading the same log, and a look
        // without the lock may fall between its steps: the file is judged
        // again under the write lock, and changed only there.
        error = inTransaction(database(), [&shape](QSqlDatabase& locked) {
            shape = inspectLog(locked);
            const bool needsWork =
                shape.kind == LogShape::Kind::Empty ||
                (shape.kind == LogShape::Kind::Ours && shape.version < kLogVersion);
            return shape.error.isValid() ? shape.error
                   : needsWork           ? migrateLog(locked, std::max(shape.version, 0))
                                         : QSqlError();
        });
    }
    if (error.isValid()) {
        return statusFor(error);
    }
    if (shape.kind == LogShape::Kind::Newer) {
        return {LogStatus::Kind::NewerVersion,
                QCoreApplication::translate(
                    "ProgressLog",
                    "The progress log %1 was written by a newer Numberlark. A newer Numberlark "
                    "is needed to read it or add to it; it was left as it is.")
                    .arg(m_path)};
    }
    if (shape.kind == LogShape::Kind::Foreign) {
        return keepAsideAndStartAfresh(
            QCoreApplication::translate("ProgressLog", "it is not a Numberlark progress log"));
    }
    // The journal lets a reader and a writer work at once; the log works
    // without it. Another copy holding the log, or a file that may only be
    // read, leaves it for a later open; only damage is told here.
    error = useWriteAheadJournal(database());
    return error.isValid() && classify(error) == LogFailure::Damaged ? statusFor(error)
                                                                     : LogStatus{};
}

LogStatus ProgressLog::statusFor(const QSqlError& error)
{
    switch (classify(error)) {
    case LogFailure::Busy:
        return {LogStatus::Kind::Busy,
                QCoreApplication::translate(
                    "ProgressLog",
                    "Another copy of Numberlark held the progress log %1 for too long (%2).")
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
    const LogStatus status =
        writeInTransaction([&test](QSqlDatabase& db) { return storeTest(db, test); });
    if (!status.done()) {
        test.id = 0;
    }
    return status;
}

LogStatus ProgressLog::recordPractice(PracticeSessionRecord& session)
{
    session.child = session.child.trimmed();
    const LogStatus status =
        writeInTransaction([&session](QSqlDatabase& db) { return insertPractice(db, session); });
    if (!status.done()) {
        session.id = 0;
    }
    return status;
}

LogStatus ProgressLog::writeInTransaction(const std::function<QSqlError(QSqlDatabase&)>& store)
{
    LogStatus opened = open();
    if (!opened.done()) {
        return opened;
    }
    const auto write = [this, &store] { return inTransaction(database(), store); };
    QSqlError error = write();
    LogStatus status = opened;
    if (error.isValid()) {
        // A log found damaged only now is set aside and the record goes in a new one.
        status = statusFor(error);
        if (status.done()) {
            error = write();
            status = error.isValid() ? statusFor(error) : consumeNotice({});
        }
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
            result = consumeNotice(statusFor(error));
        }
    }
    if (status) {
        *status = result;
    }
    return names;
}

template <typename Record, typename Select>
std::vector<Record> ProgressLog::readOf(const QString& child, LogStatus* status, Select select)
{
    std::vector<Record> records;
    LogStatus result = open();
    if (result.done()) {
        if (const QSqlError error = select(database(), child, records); error.isValid()) {
            records.clear();
            result = consumeNotice(statusFor(error));
        }
    }
    if (status) {
        *status = result;
    }
    return records;
}

std::vector<TestRecord> ProgressLog::testsOf(const QString& child, LogStatus* status)
{
    return readOf<TestRecord>(child, status, selectTestsOf);
}

std::vector<PracticeSessionRecord> ProgressLog::practiceOf(const QString& child, LogStatus* status)
{
    return readOf<PracticeSessionRecord>(child, status, selectPracticeOf);
}

LogStatus ProgressLog::forget(const QString& child)
{
    LogStatus status = open();
    if (!status.done()) {
        return status;
    }
    const QSqlError error = inTransaction(database(), [&child](QSqlDatabase& db) {
        const QSqlError practice = deletePracticeOf(db, child);
        return practice.isValid() ? practice : deleteTestsOf(db, child);
    });
    return error.isValid() ? statusFor(error) : status;
}

// Asked of the system rather than tried: a log in WAL mode takes its write
// lock even when the file may only be read, and finds out only at commit.
LogStatus ProgressLog::checkWritable()
{
    LogStatus status = open();
    if (!status.done() || ::access(QFile::encodeName(m_path).constData(), W_OK) == 0) {
        return status;
    }
    return {
        LogStatus::Kind::CannotWrite,
        QCoreApplication::translate("ProgressLog", "The progress log %1 could not be written: %2.")
            .arg(m_path, QString::fromLocal8Bit(std::strerror(errno)))};
}

} // namespace numberlark::progress
