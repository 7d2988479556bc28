#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace numberlark::testing {

// A PostgreSQL server of the caller's own: made with initdb in a temporary
// folder, listening on a unix socket there and on no network port, set up
// with the classroom script in a database "numberlark", and stopped when
// the object goes. Run as root, the server runs as `nobody`, because
// PostgreSQL refuses root. Every login's password is in a password file
// beside the socket, as ~/.pgpass would hold it.
class PrivatePostgres {
public:
    // Tests skip flushing to disk; a benchmark wants the server's true cost.
    enum class Durability { Fast, Durable };

    // The folder of initdb, pg_ctl and psql; empty when none is installed.
    static QString binaryFolder();

    explicit PrivatePostgres(Durability durability = Durability::Fast);
    ~PrivatePostgres() { stop(); }
    PrivatePostgres(const PrivatePostgres&) = delete;
    PrivatePostgres& operator=(const PrivatePostgres&) = delete;

    // False, with the reason in error(), when any step of the set-up failed.
    bool isRunning() const { return m_running; }
    QString error() const { return m_error; }

    // A login that is a member of `role` (several: comma-separated).
    bool addLogin(const QString& name, const QString& role);
    // A class: a role its computers' and teachers' logins are members of.
    bool addClass(const QString& name);
    // A libpq connection string to the classroom database.
    QString conninfo(const QString& login) const;
    static inline const QString kSuperuser = QStringLiteral("numberlark_admin");
    QString psql() const { return m_bin + QStringLiteral("/psql"); }

    // SQL as the superuser: psql's unaligned output, or null when it failed.
    QString superuser(const QString& sql, const QString& database = QStringLiteral("numberlark"));
    bool stop();
    bool start();

private:
    bool setUp(Durability durability);
    bool run(QStringList command, bool asServerUser, QString* output = nullptr);

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_error;
    bool m_running = false;
};

} // namespace numberlark::testing
