#pragma once

#include <QSqlError>

class QSqlDatabase;

namespace numberlark::progress {

// The layout of the progress log, kept in PRAGMA user_version:
//   1  tests and their answers
//   2  imported results lines: a flag, the date text that could not be
//      read, and a key per line so an import adds nothing twice
inline constexpr int kLogVersion = 2;

// Reads user_version; -1 with the error when it cannot be read.
int logVersion(const QSqlDatabase& db, QSqlError* error);

// Brings the log from version `from` up to `to`, one version per
// transaction, so an interrupted upgrade leaves a whole version behind.
QSqlError migrateLog(QSqlDatabase& db, int from, int to = kLogVersion);

} // namespace numberlark::progress
