#pragma once

#include <QSqlError>

namespace numberlark::progress {

// What a failed statement means for the log as a whole.
enum class LogFailure {
    Busy,    // another connection holds a lock longer than the wait
    Damaged, // not a database, or its pages do not read back
    Refused  // the folder, the file or the disk refused a write
};

LogFailure classify(const QSqlError& error);

// The error's text for a person: the driver's reason, without codes.
QString reasonOf(const QSqlError& error);

} // namespace numberlark::progress
