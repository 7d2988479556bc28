#pragma once

#include "progress/LogStatus.h"
#include "progress/LogTransaction.h"
#include "progress/ProgressRecords.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <chrono>
#include <functional>
#include <vector>

namespace numberlark::progress {

// The per-user log of every test taken on this computer, in one SQLite file.
// Opened on first use, not at start-up, so the database driver is loaded only
// when a test is recorded or the history is read. Every request reports a
// LogStatus; nothing already in the log is ever removed except by forget().
class ProgressLog {
public:
    // How long a request waits for another copy of the program that holds
    // the log before it reports Busy.
    static constexpr std::chrono::milliseconds kDefaultBusyWait{3000};

    // AppDataLocation/progress.sqlite; empty when the user has no data folder.
    static QString defaultPath();

    explicit ProgressLog(QString path = defaultPath(),
                         std::chrono::milliseconds busyWait = kDefaultBusyWait);
    ~ProgressLog();
    ProgressLog(const ProgressLog&) = delete;
    ProgressLog& operator=(const ProgressLog&) = delete;

    const QString& path() const { return m_path; }

    // Opens (creating or upgrading) the log. Later requests open it on their
    // own; calling this first only brings the answer forward.
    LogStatus open();

    // Stores one test and its answers in one transaction. Sets the test's id.
    LogStatus record(TestRecord& test);
    LogStatus record(const TestRecord& test);
    // Stores one practice session and its answers in one transaction. Sets
    // its id, and its uuid if it had none.
    LogStatus recordPractice(PracticeSessionRecord& session);

    // Every child's name, the one with the most recent test or practice first.
    std::vector<QString> children(LogStatus* status = nullptr);
    // A child's tests with their answers, the oldest first.
    std::vector<TestRecord> testsOf(const QString& child, LogStatus* status = nullptr);
    // A child's practice sessions with their answers, the oldest first.
    std::vector<PracticeSessionRecord> practiceOf(const QString& child,
                                                  LogStatus* status = nullptr);
    // Removes every test and practice session of the child.
    LogStatus forget(const QString& child);
    // Whether a test could be recorded: CannotWrite with the reason when the
    // log can only be read (a read-only file or disk). Writes nothing.
    LogStatus checkWritable();

    // Internal use by the import and the tools: the open connection, valid
    // only after a successful open().
    QSqlDatabase database() const;
    // The status a failed statement of this log stands for.
    // A damaged log is set aside at once and a new one opened, so the
    // request can be tried again when this reports done().
    LogStatus statusFor(const QSqlError& error);

private:
    LogStatus openConnection();
    LogStatus checkLeftoverJournal();
    LogStatus inspectAndMigrate();
    LogStatus keepAsideAndStartAfresh(const QString& reason);
    LogStatus consumeNotice(LogStatus status);
    LogStatus writeInTransaction(const std::function<QSqlError(QSqlDatabase&)>& store);
    template <typename Record, typename Select>
    std::vector<Record> readOf(const QString& child, LogStatus* status, Select select);
    void closeConnection();

    QString m_path;
    QString m_connectionName;
    std::chrono::milliseconds m_busyWait;
    bool m_open = false;
    QString m_notice;                 // told once: a damaged log was kept aside
    bool m_keptAside = false;         // at most once per log object
    bool m_journalLeftBehind = false; // a -wal without its -shm before opening
};

} // namespace numberlark::progress
