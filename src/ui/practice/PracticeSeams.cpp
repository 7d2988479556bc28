#include "ui/practice/PracticeSeams.h"

#include "progress/ProgressLog.h"
#include "ui/common/WaitOffThread.h"

#include <QCoreApplication>

namespace numberlark {

namespace {

// Beyond the log's own wait for another copy of the program.
constexpr std::chrono::milliseconds kRecordingLimit =
    progress::ProgressLog::kDefaultBusyWait + std::chrono::seconds{5};

// The clock is the program's one steady clock, never deleted.
std::shared_ptr<const MonotonicClock> steadyClock()
{
    return {&SteadyClock::instance(), [](const MonotonicClock*) {}};
}

} // namespace

Outcome recordPracticeOffThread(const QString& logPath,
                                const progress::PracticeSessionRecord& session)
{
    std::optional<Outcome> outcome = waitOffThread<Outcome>(
        [logPath, record = session]() mutable {
            progress::ProgressLog log(logPath);
            return log.recordPractice(record);
        },
        kRecordingLimit);
    if (outcome) {
        return *outcome;
    }
    return {Outcome::Kind::Busy,
            QCoreApplication::translate("PracticeSeams",
                                        "The progress log did not answer in time, so this "
                                        "practice may not have been kept."),
            logPath};
}

PracticeSeams desktopPracticeSeams(QWidget* parent, const QString& logPath)
{
    return {
        std::make_shared<DesktopDialogs>(parent),
        steadyClock(),
        std::make_shared<ClockSeededRandom>(),
        [] { return QDateTime::currentDateTime(); },
        [logPath](const progress::PracticeSessionRecord& session) {
            return recordPracticeOffThread(logPath, session);
        },
    };
}

} // namespace numberlark
