#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace numberlark::testing {

// A PostgreSQL server of the test's own: made with initdb in a temporary
// folder, listening on a unix socket there and on no network port, set up
// with the classroom script, and stopped when the object goes. Run as root,
// the server runs as `nobody`, because PostgreSQL refuses to run as root.
// Every login has the password "secret", kept in a password file beside
// the socket, as ~/.pgpass would keep it.
class PrivatePostgres {
public:
    // The folder of initdb, pg_ctl and psql; empty when none is installed.
    static QString binaryFolder();

    // Tests skip flushing to disk; a benchmark wants the server's true cost.
    enum class Durability { Fast, Durable };
    explicit PrivatePostgres(Durability durability = Durability::Fast);
    ~PrivatePostgres();
    PrivatePostgres(const PrivatePostgres&) = delete;
    PrivatePostgres& operator=(const PrivatePostgres&) = delete;

    // False with the reason in error() when any step of the set-up failed.
    bool isRunning() const { return m_running; }
    QString error() const { return m_error; }

    // Logins for computers (members of numberlark_computer) and teachers
    // (members of numberlark_teacher).
    bool addLogin(const QString& name, const QString& role);
    // A libpq connection string for the login, password from the file.
    QString conninfo(const QString& login) const;
    QString socketFolder() const { return m_dir.path(); }
    // The superuser's connection string to the classroom database, and
    // psql's full path, for a session a test drives itself.
    QString superuserConninfo() const;
    QString psql() const { return m_bin + QStringLiteral("/psql"); }

    // SQL as the superuser; returns psql's unaligned output, or a null
    // string when it failed.
    QString superuser(const QString& sql) const;
    bool stop();
    bool start();

private:
    bool run(const QString& program, const QStringList& arguments, bool asServerUser,
             QString* output = nullptr) const;
    bool setUp(Durability durability);
    QStringList serverUser() const;

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_error;
    bool m_running = false;
};

} // namespace numberlark::testing
