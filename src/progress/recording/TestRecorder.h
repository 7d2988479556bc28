#pragma once

#include "progress/LogStatus.h"
#include "progress/ProgressRecords.h"

#include <QString>

#include <chrono>

namespace numberlark {

// What the recording module offers: the one object its entry point returns.
// It is loaded at Quit, so that Qt SQL and its driver are not loaded at
// start-up.
class TestRecorder {
public:
    static constexpr char kEntryPoint[] = "numberlark_test_recorder";

    virtual ~TestRecorder() = default;
    // Records the test in the log at `logPath` and says how it went.
    virtual progress::LogStatus record(const QString& logPath,
                                       const progress::TestRecord& test) const = 0;
    // Opens the log at `logPath`, which takes in what waits in its journal,
    // waiting at most `busyWait` for another copy of the program.
    virtual void takeInJournal(const QString& logPath,
                               std::chrono::milliseconds busyWait) const = 0;
};

} // namespace numberlark
