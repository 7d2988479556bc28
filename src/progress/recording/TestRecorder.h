#pragma once

#include "progress/LogStatus.h"
#include "progress/ProgressRecords.h"

#include <QString>

namespace numberlark {

// The one function the progress log module exports, loaded by name at Quit,
// so that Qt SQL and its driver are not loaded at start-up: records the test
// in the log at `logPath` and says how it went.
using RecordTestInLog = void (*)(const QString& logPath, const progress::TestRecord& test,
                                 progress::LogStatus* status);
inline constexpr char kRecordTestInLogSymbol[] = "numberlark_record_test_in_log";

} // namespace numberlark
