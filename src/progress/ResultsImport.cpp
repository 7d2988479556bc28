#include "progress/ResultsImport.h"

#include "progress/ProgressLog.h"
#include "progress/ResultsLineReader.h"
#include "progress/TestTable.h"

#include <QCoreApplication>
#include <QFile>

namespace numberlark::progress {

namespace {

std::vector<TestRecord> readLines(const QByteArray& bytes, const QLocale& locale,
                                  std::vector<UnreadLine>& unreadable)
{
    std::vector<TestRecord> tests;
    int number = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        ++number;
        if (line.trimmed().isEmpty()) {
            continue;
        }
        if (std::optional<TestRecord> test = readResultsLine(line, locale)) {
            tests.push_back(std::move(*test));
        } else {
            unreadable.push_back({number, QString::fromLocal8Bit(line.trimmed())});
        }
    }
    return tests;
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
        outcome.added = added;
        outcome.alreadyInLog = known;
    }
    return error;
}

} // namespace

ImportOutcome importResultsFile(ProgressLog& log, const QString& path, const QLocale& locale)
{
    ImportOutcome outcome;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.fileProblem =
            QCoreApplication::translate("ProgressLog", "The results file %1 could not be read: %2.")
                .arg(path, file.errorString());
        return outcome;
    }
    std::vector<TestRecord> tests = readLines(file.readAll(), locale, outcome.unreadable);
    outcome.status = log.open();
    if (!outcome.status.done()) {
        return outcome;
    }
    QSqlError error = addNew(log, tests, outcome);
    // A log found damaged only now was set aside: the file goes in the new one.
    if (error.isValid() && (outcome.status = log.statusFor(error)).done()) {
        error = addNew(log, tests, outcome);
        outcome.status = error.isValid() ? log.statusFor(error) : log.open();
    }
    return outcome;
}

} // namespace numberlark::progress
