#include "classroom/ClassroomProblem.h"

#include <QCoreApplication>

#include <array>

namespace numberlark::classroom {

namespace {

bool mentionsAny(const QString& text, const auto& phrases)
{
    for (const char* phrase : phrases) {
        if (text.contains(QLatin1String(phrase), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

// libpq's own words for a connection string or service it cannot use.
constexpr std::array kBadSetting{"invalid connection option",
                                 "missing \"=\"",
                                 "unterminated quoted string",
                                 "definition of service",
                                 "service file",
                                 "invalid sslmode",
                                 "invalid URI"};
// The server's words, at log-in, for a login it will not take.
constexpr std::array kRefusedLogin{"authentication failed",
                                   "no password supplied",
                                   "pg_hba.conf",
                                   "role \"",
                                   "not permitted to log in",
                                   "permission denied for database",
                                   "too many connections for role"};

} // namespace

ClassroomProblem classifyOpenError(const QSqlError& error)
{
    const QString text = error.databaseText();
    if (mentionsAny(text, kBadSetting)) {
        return ClassroomProblem::BadServerSetting;
    }
    // "database "numberlark" does not exist" names the database, not a login.
    if (text.contains(QLatin1String("database \"")) &&
        text.contains(QLatin1String("does not exist"))) {
        return ClassroomProblem::NotSetUp;
    }
    if (mentionsAny(text, kRefusedLogin)) {
        return ClassroomProblem::LoginRefused;
    }
    return ClassroomProblem::ServerUnreachable;
}

bool isConnectionLost(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    // No SQLSTATE: libpq itself saw the socket close or fail.
    return code.isEmpty() || code.startsWith(QLatin1String("08")) ||
           code == QLatin1String("57P01") || code == QLatin1String("57P02") ||
           code == QLatin1String("57P03");
}

ClassroomProblem classifyStatementError(const QSqlError& error)
{
    if (isConnectionLost(error)) {
        return ClassroomProblem::ServerUnreachable;
    }
    const QString code = error.nativeErrorCode();
    // Missing rights, tables or columns: the database was not set up with
    // the classroom script, or the login is not a member of its role.
    if (code == QLatin1String("42501") || code == QLatin1String("42P01") ||
        code == QLatin1String("42703") || code == QLatin1String("3D000")) {
        return ClassroomProblem::NotSetUp;
    }
    return ClassroomProblem::Refused;
}

QString describe(ClassroomProblem problem)
{
    switch (problem) {
    case ClassroomProblem::None:
        return {};
    case ClassroomProblem::NoDriver:
        return QCoreApplication::translate(
            "ClassroomProblem", "Qt's PostgreSQL driver is not installed on this computer.");
    case ClassroomProblem::BadServerSetting:
        return QCoreApplication::translate(
            "ClassroomProblem",
            "The classroom server setting cannot be used; ask the administrator.");
    case ClassroomProblem::ServerUnreachable:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The school's server cannot be reached.");
    case ClassroomProblem::LoginRefused:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The school's server refused this computer's login.");
    case ClassroomProblem::NotSetUp:
        return QCoreApplication::translate(
            "ClassroomProblem",
            "The school's server is not set up for Numberlark; ask the administrator.");
    case ClassroomProblem::NewerServer:
        return QCoreApplication::translate(
            "ClassroomProblem",
            "The school's server is set up for a newer Numberlark; please update this program.");
    case ClassroomProblem::Refused:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The school's server refused the results.");
    }
    return {};
}

} // namespace numberlark::classroom
