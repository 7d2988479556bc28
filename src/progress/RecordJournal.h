#pragma once

#include "outcome/Outcome.h"
#include "progress/ProgressRecords.h"

#include <QString>

#include <vector>

namespace numberlark::progress {

// Tests and practice sessions that could not reach the progress log when
// they were made: another copy of the program held the log too long, or the
// program was ending without its display. They wait in one small file beside
// the log until the log takes them in; nothing in it is ever dropped. Reads
// and writes files only, so it works without the log's database driver and
// while the program is ending.
class RecordJournal {
public:
    struct Kept {
        std::vector<TestRecord> tests;
        std::vector<PracticeSessionRecord> practice;
    };

    // The journal of the log at `logPath`: progress-journal.json beside it.
    explicit RecordJournal(const QString& logPath);

    const QString& path() const { return m_path; }
    bool isEmpty() const;

    // Adds one record; a record without a uuid is given one first, so the
    // log can tell whether it already holds it. Written whole or not at all.
    Outcome keep(TestRecord test);
    Outcome keep(PracticeSessionRecord session);
    // What waits. A file that is not a journal (cut short, overwritten) is
    // kept aside under a dated name and reads as empty.
    Kept read();
    // Replaces what waits by `left` (removing the file when nothing is left).
    Outcome replace(const Kept& left);

private:
    QString m_path;
};

} // namespace numberlark::progress
