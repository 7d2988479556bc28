#include "progress/ResultsImport.h"

#include "progress/ProgressLog.h"
#include "progress/ResultsFileLines.h"
#include "progress/ResultsLineReader.h"
#include "progress/ResultsText.h"
#include "progress/TestTable.h"

namespace numberlark::progress {

namespace {

// Lines per transaction: large enough that the log's work per line stays
// small, small enough that another copy waiting to record its test at Quit
// waits a fraction of a second.
constexpr int kBatchLines = 1000;
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

QSqlError addNew(ProgressLog& log, std::vector<TestRecord>& tests, ImportOutcome& outcome)
{
    int added = 0;
    int known = 0;
    QSqlError error = inTransaction(log.database(), [&](QSqlDatabase& db) {
        for (TestRecord& test : tests) {
            bool found = false;
            if (QSqlError failed = hasSourceKey(db, test.resultsKey, found); failed.isValid()) {
                return failed;
            }
            if (found) {
                ++known;
            } else if (QSqlError failed = insertTest(db, test); failed.isValid()) {
                return failed;
            } else {
                ++added;
            }
        }
        return QSqlError();
    });
    if (!error.isValid()) {
        outcome.added += added;
        outcome.alreadyInLog += known;
    }
    return error;
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
