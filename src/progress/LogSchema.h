#pragma once

#include <QSqlError>
#include <QString>

class QSqlDatabase;

namespace numberlark::progress {

// The layout of the progress log, kept in PRAGMA user_version:
//   1  tests and their answers
//   2  imported results lines: a flag, the date text that could not be
//      read, and a key per line so an import adds nothing twice
//   3  a uuid per test and whether the school's server holds it; practice
//      sessions and their answers
//   4  why the school's server refused a test or session that still waits
inline constexpr int kLogVersion = 4;

// An SQLite expression that makes a random (version 4) uuid in the form
// QUuid::WithoutBraces writes, for rows the program adds by a statement.
QString randomUuidSql();

// Reads user_version; -1 with the error when it cannot be read.
int logVersion(const QSqlDatabase& db, QSqlError* error);

// What a file holds, judged before anything is written to it.
struct LogShape {
    enum class Kind {
        Empty,   // a log not yet begun: no tables, version 0
        Ours,    // exactly the tables and columns of its version
        Newer,   // written by a newer Numberlark
        Foreign, // anything else: another program's database
    };
    Kind kind = Kind::Foreign;
    int version = -1;
    QSqlError error; // the file could not be looked at
};

LogShape inspectLog(const QSqlDatabase& db);

// Brings the log from version `from` up to `to`. Runs no transaction of its
// own: the caller holds the write lock over the check and the whole upgrade,
// so an interrupted upgrade leaves the old version whole.
QSqlError migrateLog(QSqlDatabase& db, int from, int to = kLogVersion);

} // namespace numberlark::progress
