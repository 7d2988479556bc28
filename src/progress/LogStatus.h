#pragma once

#include <QString>

namespace numberlark::progress {

// What became of a request to the progress log, for the window to show.
// The message names the log's path and the reason; it is empty when the
// user need not be told anything.
struct LogStatus {
    enum class Kind {
        Ok,            // done; nothing to tell
        StartedAfresh, // done in a new log; the unreadable one was kept aside
        NewerVersion,  // the log belongs to a newer Numberlark; left untouched
        Busy,          // another copy of the program holds the log
        CannotWrite    // the folder or the disk refused (full, unwritable...)
    };
    Kind kind = Kind::Ok;
    QString message;

    // The request was carried out (possibly in a new log).
    bool done() const { return kind == Kind::Ok || kind == Kind::StartedAfresh; }
};

} // namespace numberlark::progress
