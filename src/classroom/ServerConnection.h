#pragma once

#include "classroom/ClassroomProblem.h"

#include <QSqlDatabase>
#include <QString>

#include <chrono>

namespace numberlark::classroom {

class StatementWatch;

// The newest classroom database this program knows how to fill.
inline constexpr int kServerSchemaVersion = 2;

// How long the server may take over one statement before it gives up on it
// itself (statement_timeout), and how long before this program cuts the
// connection, in case the server is too frozen to give up on anything.
// Connecting has a limit of its own (connect_timeout), so a frozen server
// is told within the two together.
inline constexpr std::chrono::seconds kServerStatementLimit{15};
inline constexpr std::chrono::seconds kExchangeLimit{20};

// One connection to the school's PostgreSQL, under a name of its own, used
// only by the thread that made it. Qt's driver never reconnects by itself:
// after a lost connection, close() and open() again.
class ServerConnection {
public:
    // `server` is a libpq connection string in key=value form, usually
    // "service=numberlark"; the rest comes from pg_service.conf and
    // ~/.pgpass, so this program never holds a password.
    explicit ServerConnection(QString server);
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    // Opens the connection if it is not open and checks the server's schema
    // version; a database set up for a newer program is refused unchanged.
    // With a watch, the exchanges after connecting are under its limit.
    ClassroomStatus open(StatementWatch* watch = nullptr);
    void close();
    QSqlDatabase database() const;
    // The open connection's socket, for a StatementWatch; -1 when closed.
    int socket() const;

    // What libpq is given: the setting, with limits on how long connecting
    // may take and on how long a silent network is trusted (keepalives),
    // and the program's name for the server's activity list, unless the
    // setting names them itself.
    static QString connectOptions(const QString& server);

private:
    ClassroomStatus checkSchema();

    QString m_server;
    QString m_name;
};

} // namespace numberlark::classroom
