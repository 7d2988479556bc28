#pragma once

#include "classroom/ClassroomProblem.h"

#include <QSqlDatabase>
#include <QString>

namespace numberlark::classroom {

// The newest classroom database this program knows how to fill.
inline constexpr int kServerSchemaVersion = 1;

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
    ClassroomStatus open();
    void close();
    QSqlDatabase database() const;

    // What libpq is given: the setting, with a limit on how long connecting
    // may take and the program's name for the server's activity list, unless
    // the setting names them itself.
    static QString connectOptions(const QString& server);

private:
    ClassroomStatus checkSchema();

    QString m_server;
    QString m_name;
};

} // namespace numberlark::classroom
