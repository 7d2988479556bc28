#pragma once

#include "outcome/Outcome.h"
#include "progress/ProgressRecords.h"
#include "quiz/MonotonicClock.h"
#include "quiz/RandomSource.h"
#include "ui/common/Dialogs.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace numberlark {

// The world's pieces the practice window reaches, replaceable so tests can
// move time and answer boxes.
struct PracticeSeams {
    std::shared_ptr<Dialogs> dialogs;
    std::shared_ptr<const MonotonicClock> clock; // times each answer
    std::shared_ptr<RandomSource> random;        // varies the known facts asked
    std::function<QDateTime()> now;              // the child's wall clock
    // Keeps a session in the progress log.
    std::function<Outcome(const progress::PracticeSessionRecord& session)> record;
};

// The program's own: boxes over `parent`, the steady clock, a generator
// seeded from the clock, the system time, and recording in the log at
// `logPath` on a thread of its own.
PracticeSeams desktopPracticeSeams(QWidget* parent, const QString& logPath);

// Records off the window's thread, which goes on drawing meanwhile; a log
// held by another copy of the program past the log's own wait is told as busy.
Outcome recordPracticeOffThread(const QString& logPath,
                                const progress::PracticeSessionRecord& session);

} // namespace numberlark
