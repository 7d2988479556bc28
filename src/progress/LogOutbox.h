#pragma once

#include "classroom/OutboxDelivery.h"
#include "progress/LogStatus.h"

#include <QUuid>

#include <vector>

namespace numberlark::progress {

class ProgressLog;

// The tests taken on this computer and the practice sessions that the
// school's server does not hold yet, oldest first. Imported results lines
// stay behind: the results file they came from may have been imported on
// other computers too, each time under a new uuid.
LogStatus readOutbox(ProgressLog& log, classroom::Outbox& outbox);

// Notes in the log, in one writing transaction, that the server holds these.
LogStatus markDelivered(ProgressLog& log, const std::vector<QUuid>& uuids);

} // namespace numberlark::progress
