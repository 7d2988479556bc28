// The recording module's entry point: the program loads it at Quit.
#include "progress/ProgressLog.h"
#include "progress/recording/TestRecorder.h"

namespace {

class LogRecorder : public numberlark::TestRecorder {
public:
    numberlark::progress::LogStatus
    record(const QString& logPath, const numberlark::progress::TestRecord& test) const override
    {
        numberlark::progress::ProgressLog log(logPath);
        return log.record(test);
    }

    void takeInJournal(const QString& logPath, std::chrono::milliseconds busyWait) const override
    {
        numberlark::progress::ProgressLog log(logPath, busyWait);
        static_cast<void>(log.open());
    }
};

} // namespace

extern "C" Q_DECL_EXPORT numberlark::TestRecorder* numberlark_test_recorder()
{
    static LogRecorder recorder;
    return &recorder;
}
