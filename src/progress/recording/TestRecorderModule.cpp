// The progress log module's entry point: the program resolves this one
// function by name at Quit.
#include "progress/ProgressLog.h"
#include "progress/recording/TestRecorder.h"

extern "C" Q_DECL_EXPORT void
numberlark_record_test_in_log(const QString& logPath, const numberlark::progress::TestRecord& test,
                              numberlark::progress::LogStatus* status)
{
    numberlark::progress::ProgressLog log(logPath);
    *status = log.record(test);
}
