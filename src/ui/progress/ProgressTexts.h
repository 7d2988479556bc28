#pragma once

#include "progress/ProgressRecords.h"
#include "ui/progress/ProgressSeams.h"

#include <QString>

#include <vector>

namespace numberlark {

// The child's name as shown: "(no name)" for a test taken without one.
QString shownChildName(const QString& child);
// "12 tests from 3 March 2026 to 7 December 2026" (oldest to newest).
QString reportSummary(const std::vector<progress::TestRecord>& tests);
// What an import did, every line accounted for, or why it could not.
QString importSummary(const progress::ImportOutcome& outcome);
// The confirmation before a child's tests are removed from the log.
QString forgetQuestion(const QString& child);

} // namespace numberlark
