#pragma once

#include "ui/progress/ProgressSeams.h"

namespace numberlark {

// The progress window's requests to the log that go beyond reading:
// importing a results file, and choosing the facts to practise.
ImportCounts importWithLog(progress::ProgressLog& log, const QString& path);
std::vector<progress::Fact> trickyFactsFromLog(const std::vector<progress::FactStats>& stats,
                                               int count);

} // namespace numberlark
