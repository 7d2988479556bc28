#include "progress/LogFailure.h"

namespace numberlark::progress {

namespace {

// SQLite's primary result codes (the low byte of an extended code).
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kCorrupt = 11;
constexpr int kNotADatabase = 26;

} // namespace

LogFailure classify(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (!isNumber) {
        return LogFailure::Refused;
    }
    switch (code) {
    case kBusy:
    case kLocked:
        return LogFailure::Busy;
    case kCorrupt:
    case kNotADatabase:
        return LogFailure::Damaged;
    default:
        return LogFailure::Refused;
    }
}

QString reasonOf(const QSqlError& error)
{
    QString reason = error.databaseText();
    if (reason.isEmpty()) {
        reason = error.driverText();
    }
    return reason;
}

} // namespace numberlark::progress
