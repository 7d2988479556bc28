#pragma once

#include "classroom/OutboxDelivery.h"
#include "progress/LogStatus.h"

#include <QUuid>

#include <cstdint>
#include <vector>

namespace numberlark::progress {
class ProgressLog;
}

namespace numberlark::classroom {

// Which part of the outbox to read: the rows recorded after these log keys
// and, when `newest` is above 0, only that many of the newest of each kind.
struct OutboxPart {
    std::int64_t testsAfter = 0;
    std::int64_t practiceAfter = 0;
    int newest = 0;
};

// The tests taken on this computer and the practice sessions that the
// school's server does not hold yet, oldest first. Imported results lines stay behind: the
// results file they came from may have been imported on other computers
// too, each time under a new uuid. `reached`, when given, gets the log keys
// of the last test and session read, for a later read of what came since.
progress::LogStatus readOutbox(progress::ProgressLog& log, Outbox& outbox,
                               const OutboxPart& part = {}, OutboxPart* reached = nullptr);

// Notes in the log, in one writing transaction, that the server holds these.
progress::LogStatus markDelivered(progress::ProgressLog& log, const std::vector<QUuid>& uuids);

// Those waiting that the server refused before, with its reasons.
progress::LogStatus readRefused(progress::ProgressLog& log, std::vector<SetAside>& refused);

// Notes beside each of these, in one writing transaction, why the server
// refused it; it waits all the same.
progress::LogStatus markRefused(progress::ProgressLog& log, const std::vector<SetAside>& refused);

} // namespace numberlark::classroom
