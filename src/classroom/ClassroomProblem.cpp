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
                                 "sslmode value",
                                 "invalid URI"};
// A secure connection asked for and not had: by the server (no TLS, or
// pg_hba.conf asking for it), or by a certificate check.
constexpr std::array kTlsRefused{"SSL", "certificate", "no encryption", "GSSAPI encryption"};
// The server's words, at log-in, for a login it will not take.
constexpr std::array kRefusedLogin{"authentication failed",
                                   "no password supplied",
                                   "pg_hba.conf",
                                   "role \"",
                                   "not permitted to log in",
                                   "permission denied for database",
                                   "too many connections for role"};

bool hasState(const QSqlError& error, const char* code)
{
    return error.nativeErrorCode() == QLatin1String(code);
}

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
    if (mentionsAny(text, kTlsRefused)) {
        return ClassroomProblem::TlsRefused;
    }
    if (mentionsAny(text, kRefusedLogin)) {
        return ClassroomProblem::LoginRefused;
    }
    if (text.contains(QLatin1String("could not translate host name"))) {
        return ClassroomProblem::HostUnknown;
    }
    if (text.contains(QLatin1String("timeout expired"))) {
        return ClassroomProblem::NoAnswer;
    }
    if (text.contains(QLatin1String("closed the connection unexpectedly"))) {
        return ClassroomProblem::ConnectionDropped;
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

bool isRowRefused(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    // Data exceptions, integrity constraints, a trigger's RAISE, and a
    // row-level policy's check (which shares its code with missing rights).
    return code.startsWith(QLatin1String("22")) || code.startsWith(QLatin1String("23")) ||
           code == QLatin1String("P0001") ||
           (code == QLatin1String("42501") &&
            error.databaseText().contains(QLatin1String("row-level security")));
}

ClassroomProblem classifyStatementError(const QSqlError& error)
{
    // Whether the server is gone for good only a new connection can tell;
    // a delivery opens one at once and says "dropped" only when that goes too.
    if (isConnectionLost(error)) {
        return ClassroomProblem::ServerUnreachable;
    }
    // The session's statement limit: the server is there but does not get on.
    if (hasState(error, "57014")) {
        return ClassroomProblem::ServerFrozen;
    }
    if (isRowRefused(error)) {
        return ClassroomProblem::Refused;
    }
    // Missing rights, tables or columns: the database was not set up with
    // the classroom script, or the login is not a member of its role.
    if (hasState(error, "42501") || hasState(error, "42P01") || hasState(error, "42703") ||
        hasState(error, "3D000")) {
        return ClassroomProblem::NotSetUp;
    }
    return ClassroomProblem::Refused;
}

Outcome ClassroomStatus::told() const
{
    return ok() ? Outcome::success() : Outcome::failure(describe(problem), {}, detail);
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
    case ClassroomProblem::HostUnknown:
        return QCoreApplication::translate(
            "ClassroomProblem",
            "The school's server is not known by that name on this network; ask the "
            "administrator.");
    case ClassroomProblem::NoAnswer:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The school's server does not answer.");
    case ClassroomProblem::TlsRefused:
        return QCoreApplication::translate(
            "ClassroomProblem",
            "The secure connection (TLS) to the school's server was refused; ask the "
            "administrator.");
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
            "The school's server is set up for a newer Numberlark; please update this "
            "program.");
    case ClassroomProblem::OlderServer:
        return QCoreApplication::translate(
            "ClassroomProblem",
            "The school's server is set up for an older Numberlark; tests wait on this "
            "computer until the administrator upgrades it.");
    case ClassroomProblem::ConnectionDropped:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The connection to the school's server keeps dropping.");
    case ClassroomProblem::ServerFrozen:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The school's server stopped answering.");
    case ClassroomProblem::Refused:
        return QCoreApplication::translate("ClassroomProblem",
                                           "The school's server refused the results.");
    }
    return {};
}

QString describeRefusal(const QString& sqlState)
{
    if (sqlState == QLatin1String("23505")) {
        return QCoreApplication::translate("ClassroomProblem",
                                           "the server holds another row with the same key");
    }
    if (sqlState == QLatin1String("23503")) {
        return QCoreApplication::translate("ClassroomProblem",
                                           "it refers to something the server does not hold");
    }
    if (sqlState == QLatin1String("23514")) {
        return QCoreApplication::translate("ClassroomProblem",
                                           "a check on the server does not accept its values");
    }
    if (sqlState == QLatin1String("23502")) {
        return QCoreApplication::translate("ClassroomProblem",
                                           "a value the server requires is missing");
    }
    if (sqlState.startsWith(QLatin1String("22"))) {
        return QCoreApplication::translate("ClassroomProblem",
                                           "a value is outside what the server accepts");
    }
    return QCoreApplication::translate("ClassroomProblem", "the server's rules do not accept it");
}

QString serverWords(const QString& message)
{
    QString first = message.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
    for (const char* mark : {"ERROR:", "FATAL:"}) {
        if (first.startsWith(QLatin1String(mark))) {
            first = first.mid(static_cast<qsizetype>(qstrlen(mark))).trimmed();
        }
    }
    return first;
}

} // namespace numberlark::classroom
