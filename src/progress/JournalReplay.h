#pragma once

namespace numberlark::progress {

class ProgressLog;

// Writes what the journal beside `log` keeps into the log, each record once
// (one the log holds already, by its uuid, is not added again), and leaves in
// the journal only what the log would not take. `log` must be open.
void takeInJournal(ProgressLog& log);

} // namespace numberlark::progress
