#pragma once

#include "progress/ProgressRecords.h"
#include "progress/ResultsImport.h"
#include "ui/progress/ProgressSeams.h"

#include <QString>

#include <vector>

namespace numberlark {

// The child's name as shown: "(no name)" for a test taken without one.
QString shownChildName(const QString& child);
// The same, set apart from the text around it when it holds right-to-left
// letters or direction marks, so it neither reverses its neighbours nor is
// reversed by them.
QString isolatedChildName(const QString& child);
// "12 tests from 3 March 2026 to 7 December 2026" (oldest to newest).
QString reportSummary(const std::vector<progress::TestRecord>& tests);
// What an import did, every line accounted for, or why it could not.
QString importSummary(const progress::ImportOutcome& outcome);
// The confirmation before a child's tests are removed from the log.
QString forgetQuestion(const QString& child);

} // namespace numberlark
