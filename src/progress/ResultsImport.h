#pragma once

#include "progress/LogStatus.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace numberlark::progress {

class ProgressLog;

// A line of the file that is not a results line, for the window to show.
struct UnreadLine {
    int number = 0; // from 1
    QString text;   // cut short when it is long
};

struct ImportOutcome {
    int added = 0;
    int alreadyInLog = 0; // imported before, recorded at Quit, or twice in the file
    int unreadableCount = 0;
    std::vector<UnreadLine> unreadable; // the first of them, at most kListedUnreadable
    Outcome fileRead;                   // failed when the file could not be read
    LogStatus status;                   // the log's answer
    bool cancelled = false;             // stopped by the user; what was added stays

    static constexpr std::size_t kListedUnreadable = 100;
};

// Told how far the import has come; returns false to stop.
using ImportProgress = std::function<bool(std::int64_t bytesDone, std::int64_t bytesTotal)>;

// Adds each line of a results file to the log as a test without answers.
// The file is read in pieces into a temporary table of the import's own
// connection, then moved into the log a slice per transaction, so memory
// stays bounded whatever the file's size and another copy of the program can
// record its test between two slices. Stopped while reading, nothing is
// added; stopped or failed while storing, the slices stored stay. Importing
// the file again adds the rest, since a line already in the log (by its key)
// is counted, not added again. Blank lines are skipped; every other line
// that does not read is counted and the first of them listed.
// `progress` is told after each piece read and each slice stored.
ImportOutcome importResultsFile(ProgressLog& log, const QString& path,
                                const QLocale& locale = QLocale::system(),
                                const ImportProgress& progress = {});

} // namespace numberlark::progress
