#include "progress/ResultsImport.h"

#include "progress/ProgressLog.h"
#include "progress/ResultsFileLines.h"
#include "progress/ResultsLineReader.h"
#include "progress/ResultsText.h"
#include "progress/TestTable.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QThread>

namespace numberlark::progress {

namespace {

// Lines per transaction. Every commit writes each index page the batch
// touched, and the keys' index is touched all over, so a batch must be large
// for a large file to be stored in reasonable time; it stays small enough
// that another copy waiting to record its test at Quit waits a fraction of a
// second, well within its busy wait. The lines are read before the lock is
// taken, so the lock is held only for the storing.
constexpr int kBatchLines = 20000;
// The longest one transaction holds the log, and the pause between two, in
// milliseconds.
constexpr qint64 kLongestLock = 250;
constexpr unsigned long kLockGap = 30;
// The index pages of a large import stay in memory between batches.
constexpr int kImportCacheKiB = 32 * 1024;
constexpr qsizetype kShownLineLength = 200;

void noteUnreadable(ImportOutcome& outcome, int number, const QByteArray& line)
{
    ++outcome.unreadableCount;
    if (outcome.unreadable.size() < ImportOutcome::kListedUnreadable) {
        QString text = decodeResultsText(line.left(kShownLineLength * 4)).trimmed();
        if (text.size() > kShownLineLength) {
            text = text.left(kShownLineLength) + QChar(0x2026);
        }
        outcome.unreadable.push_back({number, text});
    }
}

// The next batch of tests; false when the file has no more lines.
bool readBatch(ResultsFileLines& lines, const QLocale& locale, std::vector<TestRecord>& tests,
               ImportOutcome& outcome)
{
    tests.clear();
    QByteArray line;
    for (int read = 0; read < kBatchLines; ++read) {
        if (!lines.next(line)) {
            return read > 0;
        }
        if (line.trimmed().isEmpty() && !lines.lastLineTooLong()) {
            continue;
        }
        std::optional<TestRecord> test;
        if (!lines.lastLineTooLong()) {
            test = readResultsLine(line, locale);
        }
        if (test) {
            tests.push_back(std::move(*test));
        } else {
            noteUnreadable(outcome, lines.lineNumber(), line);
        }
    }
    return true;
}

// Stores tests from `next` on, in one transaction that ends after
// kLongestLock even when tests are left, so that another copy's Quit never
// waits long; `next` moves past what was stored.
QSqlError addSome(ProgressLog& log, std::vector<TestRecord>& tests, std::size_t& next,
                  ImportOutcome& outcome)
{
    int added = 0;
    int known = 0;
    std::size_t from = next;
    QElapsedTimer held;
    held.start();
    QSqlError error = inTransaction(log.database(), [&](QSqlDatabase& db) {
        TestWriter writer(db, true);
        for (; from < tests.size() && !held.hasExpired(kLongestLock); ++from) {
            bool stored = false;
            if (QSqlError failed = writer.write(tests[from], &stored); failed.isValid()) {
                return failed;
            }
            ++(stored ? added : known);
        }
        return QSqlError();
    });
    if (!error.isValid()) {
        outcome.added += added;
        outcome.alreadyInLog += known;
        next = from;
    }
    return error;
}

QSqlError addNew(ProgressLog& log, std::vector<TestRecord>& tests, ImportOutcome& outcome)
{
    for (std::size_t next = 0; next < tests.size();) {
        if (next > 0) {
            // Room for a copy whose busy wait polls now and then.
            QThread::msleep(kLockGap);
        }
        if (QSqlError error = addSome(log, tests, next, outcome); error.isValid()) {
            return error;
        }
    }
    return {};
}

// A log found damaged only now was set aside: the batch goes in the new one.
bool storeBatch(ProgressLog& log, std::vector<TestRecord>& tests, ImportOutcome& outcome)
{
    QSqlError error = addNew(log, tests, outcome);
    if (error.isValid() && (outcome.status = log.statusFor(error)).done()) {
        error = addNew(log, tests, outcome);
        if (error.isValid()) {
            outcome.status = log.statusFor(error);
        }
    }
    return !error.isValid();
}

} // namespace

ImportOutcome importResultsFile(ProgressLog& log, const QString& path, const QLocale& locale,
                                const ImportProgress& progress)
{
    ImportOutcome outcome;
    ResultsFileLines lines(path);
    outcome.fileProblem = lines.open();
    if (!outcome.fileProblem.isEmpty()) {
        return outcome;
    }
    outcome.status = log.open();
    if (!outcome.status.done()) {
        return outcome;
    }
    const LogStatus opened = outcome.status;
    QSqlQuery(log.database()).exec(QStringLiteral("PRAGMA cache_size = -%1").arg(kImportCacheKiB));
    std::vector<TestRecord> tests;
    while (readBatch(lines, locale, tests, outcome)) {
        if (!storeBatch(log, tests, outcome)) {
            return outcome;
        }
        if (progress && !progress(lines.bytesRead(), lines.size())) {
            outcome.cancelled = true;
            break;
        }
    }
    outcome.fileProblem = lines.error();
    // The notice of a log set aside on the way is told once, at the end.
    const LogStatus last = log.open();
    outcome.status = last.kind == LogStatus::Kind::StartedAfresh ? last : opened;
    return outcome;
}

} // namespace numberlark::progress
