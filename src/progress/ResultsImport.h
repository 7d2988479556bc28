#pragma once

#include "progress/LogStatus.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace numberlark::progress {

class ProgressLog;

// A line of the file that is not a results line, for the window to show.
struct UnreadLine {
    int number = 0; // from 1
    QString text;
};

struct ImportOutcome {
    int added = 0;
    int alreadyInLog = 0; // imported before, or recorded at Quit
    std::vector<UnreadLine> unreadable;
    QString fileProblem; // the file could not be read: its path and the reason
    LogStatus status;    // the log's answer
};

// Adds each line of a results file to the log as a test without answers,
// in one transaction: all the file's new tests, or none. A line already
// in the log (by its key) is counted, not added again; blank lines are
// skipped; every other line that does not read is listed.
ImportOutcome importResultsFile(ProgressLog& log, const QString& path,
                                const QLocale& locale = QLocale::system());

} // namespace numberlark::progress
