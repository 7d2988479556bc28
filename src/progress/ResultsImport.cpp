#include "progress/ResultsImport.h"

#include "progress/ImportStaging.h"
#include "progress/ProgressLog.h"
#include "progress/ResultsFileLines.h"
#include "progress/ResultsLineReader.h"
#include "progress/ResultsText.h"
#include "progress/TestTable.h"

#include <QSqlQuery>
#include <QThread>

#include <future>
#include <utility>

namespace numberlark::progress {

namespace {

// Lines read and staged at a time: the memory an import holds.
constexpr int kBatchLines = 5000;
// The pause between two transactions that move tests into the log, in
// milliseconds: room for a copy whose busy wait polls now and then.
constexpr unsigned long kLockGap = 30;
// The log's pages, and the staged tests being sorted, stay in memory.
constexpr int kImportCacheKiB = 16 * 1024;
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

// Settings of the import's own connection. Without a flush at each commit a
// power cut can take back the last slices, never damage the log: importing
// the file again restores them.
void tuneForImport(const QSqlDatabase& db)
{
    for (const QString& pragma :
         {QStringLiteral("PRAGMA cache_size = -%1").arg(kImportCacheKiB),
          QStringLiteral("PRAGMA temp.cache_size = -%1").arg(kImportCacheKiB),
          QStringLiteral("PRAGMA synchronous = NORMAL")}) {
        QSqlQuery(db).exec(pragma);
    }
}

// Told in two halves: reading the file, then moving its tests into the log.
bool tell(const ImportProgress& progress, std::int64_t done, std::int64_t total)
{
    return !progress || progress(done, 2 * total);
}

// Reads the whole file into the staging table; false when the user stopped.
// Reading a batch of lines and storing the one before it take about as long
// as each other, so the next batch is read on a thread of its own while
// this one is stored; the file, the outcome's list of unread lines and the
// batch being read belong to that thread until it is done.
bool stageFile(ResultsFileLines& lines, const QLocale& locale, ImportStaging& staging,
               const ImportProgress& progress, ImportOutcome& outcome, QSqlError& error)
{
    std::vector<TestRecord> storing;
    std::vector<TestRecord> reading;
    for (bool more = readBatch(lines, locale, storing, outcome); more;) {
        const std::int64_t bytesRead = lines.bytesRead();
        std::future<bool> next = std::async(
            std::launch::async, [&] { return readBatch(lines, locale, reading, outcome); });
        error = staging.add(storing);
        more = next.get();
        if (error.isValid()) {
            return true;
        }
        if (!tell(progress, bytesRead, lines.size())) {
            return false;
        }
        std::swap(storing, reading);
    }
    return true;
}

QSqlError moveIntoLog(ImportStaging& staging, std::int64_t fileSize, const ImportProgress& progress,
                      ImportOutcome& outcome)
{
    for (bool done = false; !done;) {
        int added = 0;
        int known = 0;
        if (QSqlError error = staging.moveSlice(added, known, done); error.isValid()) {
            return error;
        }
        outcome.added += added;
        outcome.alreadyInLog += known;
        const std::int64_t share =
            staging.staged() > 0 ? fileSize * staging.moved() / staging.staged() : fileSize;
        if (!tell(progress, fileSize + share, fileSize)) {
            outcome.cancelled = !done;
            break;
        }
        if (!done) {
            QThread::msleep(kLockGap);
        }
    }
    return {};
}

// One pass over the file; the error of the log, if any.
QSqlError importOnce(ProgressLog& log, const QString& path, const QLocale& locale,
                     const ImportProgress& progress, ImportOutcome& outcome)
{
    ResultsFileLines lines(path);
    outcome.fileRead = lines.open();
    if (outcome.fileRead.failed()) {
        return {};
    }
    tuneForImport(log.database());
    ImportStaging staging(log.database());
    QSqlError error = staging.create();
    if (!error.isValid() && !stageFile(lines, locale, staging, progress, outcome, error)) {
        outcome.cancelled = true;
        return {};
    }
    outcome.fileRead = lines.error();
    if (error.isValid() || outcome.fileRead.failed() || (error = staging.sort()).isValid()) {
        return error;
    }
    return moveIntoLog(staging, lines.size(), progress, outcome);
}

} // namespace

ImportOutcome importResultsFile(ProgressLog& log, const QString& path, const QLocale& locale,
                                const ImportProgress& progress)
{
    ImportOutcome outcome;
    outcome.status = log.open();
    if (!outcome.status.done()) {
        return outcome;
    }
    const LogStatus opened = outcome.status;
    QSqlError error = importOnce(log, path, locale, progress, outcome);
    // A log found damaged only now was set aside, and the staged tests went
    // with its connection: the file goes in the new log from the start.
    if (error.isValid() && (outcome.status = log.statusFor(error)).done()) {
        outcome = ImportOutcome();
        error = importOnce(log, path, locale, progress, outcome);
    }
    if (error.isValid()) {
        outcome.status = log.statusFor(error);
        return outcome;
    }
    // The notice of a log set aside on the way is told once, at the end.
    const LogStatus last = log.open();
    outcome.status = last.kind == LogStatus::Kind::StartedAfresh ? last : opened;
    return outcome;
}

} // namespace numberlark::progress
