#pragma once

#include "outcome/Outcome.h"

#include <QSqlError>
#include <QString>

namespace numberlark::classroom {

// Why tests are still waiting to be delivered, in the terms the progress
// window shows to a teacher or an administrator.
enum class ClassroomProblem {
    None,
    NoDriver,          // Qt's PostgreSQL driver is not installed
    BadServerSetting,  // the [Classroom] server setting cannot be used
    ServerUnreachable, // nothing listens where the setting points
    HostUnknown,       // the server's name is not known on this network
    NoAnswer,          // something took the connection and never answered
    TlsRefused,        // the secure connection (TLS) was refused or failed
    LoginRefused,      // the server answered but refused the login
    NotSetUp,          // no classroom database, or the login lacks its rights
    NewerServer,       // the database is set up for a newer Numberlark
    OlderServer,       // the database waits for its upgrade script
    ConnectionDropped, // the connection went again and again within one delivery
    ServerFrozen,      // the server stopped answering in the middle of a delivery
    Refused,           // the server refused a statement for no reason about the data
};

// A problem and the server's own words for it, for a details line.
struct ClassroomStatus {
    ClassroomProblem problem = ClassroomProblem::None;
    QString detail;

    bool ok() const { return problem == ClassroomProblem::None; }
    // As a person is told it: the sentence for the problem, with the
    // server's own words as the reason.
    Outcome told() const;
};

// What went wrong when a connection could not be opened. libpq gives no
// error code for a failed connection, so its message is read: whatever it
// does not recognise counts as a server out of reach.
ClassroomProblem classifyOpenError(const QSqlError& error);

// Whether a failed statement means the connection itself is gone (server
// restarted, backend ended, network lost), so that opening it again and
// sending again may succeed.
bool isConnectionLost(const QSqlError& error);

// Whether the server refused the row itself (a constraint, a check, a
// trigger, a row-level policy): the same row would be refused again, and
// every other row may still go.
bool isRowRefused(const QSqlError& error);

// What a failed statement means when the connection is still there.
ClassroomProblem classifyStatementError(const QSqlError& error);

// One sentence for the user, in the language shown on screen.
QString describe(ClassroomProblem problem);

// Why the server refused a row, from its SQLSTATE, as words for the user;
// the server's own words go beside them.
QString describeRefusal(const QString& sqlState);

// The first line of the server's message, without its "ERROR:" mark.
QString serverWords(const QString& message);

} // namespace numberlark::classroom
