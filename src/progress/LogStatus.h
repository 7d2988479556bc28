#pragma once

#include "outcome/Outcome.h"

namespace numberlark::progress {

// What became of a request to the progress log, for the window to show: the
// program's one outcome, in the log's words (Ok, StartedAfresh, NewerVersion,
// Busy, CannotWrite). The message names the log's path and the reason; it is
// empty when the user need not be told anything.
using LogStatus = Outcome;

} // namespace numberlark::progress
