#pragma once

#include "practice/PracticeAnswer.h"
#include "progress/ProgressRecords.h"

#include <QDateTime>

#include <chrono>
#include <vector>

namespace numberlark::progress {

// The child's wall-clock time of a moment in the log, as the schedule counts
// days: a day turns at the child's own midnight.
std::chrono::local_seconds localSeconds(const QDateTime& when);

// Every answer the log holds for a child, tests and practice alike, as the
// schedule and the facts grid read them. Answers without a date are left
// out: they cannot be placed in time.
std::vector<practice::PracticeAnswer>
practiceHistory(const std::vector<TestRecord>& tests,
                const std::vector<PracticeSessionRecord>& practice);

// The same answers oldest first, as a fact's fluency reads them: by time,
// and within a test in question order.
std::vector<practice::PracticeAnswer>
historyOldestFirst(const std::vector<TestRecord>& tests,
                   const std::vector<PracticeSessionRecord>& practice);

// A session's answers as the log keeps them.
std::vector<PracticeAnswerRecord>
practiceAnswerRecords(const std::vector<practice::PracticeAnswer>& answers);

} // namespace numberlark::progress
