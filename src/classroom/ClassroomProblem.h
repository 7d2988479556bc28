#pragma once

#include <QSqlError>
#include <QString>

namespace numberlark::classroom {

// Why tests are still waiting to be delivered, in the terms the progress
// window shows to a teacher or an administrator.
enum class ClassroomProblem {
    None,
    NoDriver,          // Qt's PostgreSQL driver is not installed
    BadServerSetting,  // the [Classroom] server setting cannot be used
    ServerUnreachable, // no server answered, or it went away
    LoginRefused,      // the server answered but refused the login
    NotSetUp,          // no classroom database, or the login lacks its rights
    NewerServer,       // the database is set up for a newer Numberlark
    Refused,           // the server refused the data itself
};

// A problem and the server's own words for it, for a details line.
struct ClassroomStatus {
    ClassroomProblem problem = ClassroomProblem::None;
    QString detail;

    bool ok() const { return problem == ClassroomProblem::None; }
};

// What went wrong when a connection could not be opened. libpq gives no
// error code for a failed connection, so its message is read: whatever it
// does not recognise as a refused login or a missing database counts as a
// server out of reach.
ClassroomProblem classifyOpenError(const QSqlError& error);

// Whether a failed statement means the connection itself is gone (server
// restarted, backend ended, network lost), so that opening it again and
// sending again may succeed.
bool isConnectionLost(const QSqlError& error);

// What a failed statement means when the connection is still there.
ClassroomProblem classifyStatementError(const QSqlError& error);

// One sentence for the user, in the language shown on screen.
QString describe(ClassroomProblem problem);

} // namespace numberlark::classroom
