#include "support/PrivatePostgres.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

#ifndef NUMBERLARK_CLASSROOM_SQL
#error "NUMBERLARK_CLASSROOM_SQL must name the classroom script"
#endif

namespace numberlark::testing {

namespace {

const QString kPassword = QStringLiteral("secret");
const QString kSuperuser = QStringLiteral("numberlark_admin");

bool runningAsRoot()
{
    return geteuid() == 0;
}

} // namespace

QString PrivatePostgres::binaryFolder()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("pg_ctl"));
    if (!onPath.isEmpty()) {
        return QFileInfo(onPath).canonicalPath();
    }
    // Debian keeps the server's programs out of PATH, one folder per version.
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    const QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (auto it = found.crbegin(); it != found.crend(); ++it) {
        const QString bin = versions.filePath(*it + QStringLiteral("/bin"));
        if (QFileInfo::exists(bin + QStringLiteral("/initdb"))) {
            return bin;
        }
    }
    return {};
}

PrivatePostgres::PrivatePostgres(Durability durability)
    : m_dir(QDir::tempPath() + QStringLiteral("/nl-pg-XXXXXX")), m_bin(binaryFolder())
{
    m_running = setUp(durability);
}

PrivatePostgres::~PrivatePostgres()
{
    stop();
}

QStringList PrivatePostgres::serverUser() const
{
    if (!runningAsRoot()) {
        return {};
    }
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
            QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
            QStringLiteral("--")};
}

bool PrivatePostgres::run(const QString& program, const QStringList& arguments, bool asServerUser,
                          QString* output) const
{
    QStringList command = asServerUser ? serverUser() : QStringList{};
    // The server's own programs by name; any other by its full path.
    command << (program.startsWith(QLatin1Char('/')) ? program : m_bin + QLatin1Char('/') + program)
            << arguments;
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        const_cast<PrivatePostgres*>(this)->m_error =
            program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    if (output != nullptr) {
        *output = QString::fromUtf8(process.readAllStandardOutput());
    }
    return true;
}

bool PrivatePostgres::setUp(Durability durability)
{
    if (m_bin.isEmpty() || !m_dir.isValid()) {
        m_error = QStringLiteral("no PostgreSQL server programs, or no temporary folder");
        return false;
    }
    const QString dir = m_dir.path();
    QFile passwords(dir + QStringLiteral("/superuser-password"));
    QFile pgpass(dir + QStringLiteral("/pgpass"));
    if (!passwords.open(QIODevice::WriteOnly) || passwords.write(kPassword.toUtf8()) < 0 ||
        !pgpass.open(QIODevice::WriteOnly) ||
        pgpass.write(QStringLiteral("*:*:*:*:%1\n").arg(kPassword).toUtf8()) < 0) {
        m_error = QStringLiteral("cannot write the password files");
        return false;
    }
    passwords.close();
    pgpass.close();
    pgpass.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (runningAsRoot() &&
        !run(QStandardPaths::findExecutable(QStringLiteral("chown")),
             {QStringLiteral("-R"), QStringLiteral("nobody:nogroup"), dir}, false)) {
        return false;
    }
    const QStringList initdb{QStringLiteral("-D"),
                             dir + QStringLiteral("/data"),
                             QStringLiteral("-U"),
                             kSuperuser,
                             QStringLiteral("--pwfile=") + passwords.fileName(),
                             QStringLiteral("--auth=scram-sha-256"),
                             QStringLiteral("--no-sync"),
                             QStringLiteral("-E"),
                             QStringLiteral("UTF8"),
                             QStringLiteral("--locale=C")};
    if (!run(QStringLiteral("initdb"), initdb, true)) {
        return false;
    }
    QFile conf(dir + QStringLiteral("/data/postgresql.conf"));
    if (!conf.open(QIODevice::Append) ||
        conf.write(QStringLiteral("listen_addresses = ''\nunix_socket_directories = '%1'\n"
                                  "fsync = %2\nlc_messages = 'C'\n")
                       .arg(dir, durability == Durability::Durable ? QStringLiteral("on")
                                                                   : QStringLiteral("off"))
                       .toUtf8()) < 0) {
        m_error = QStringLiteral("cannot write postgresql.conf");
        return false;
    }
    conf.close();
    return start() && !superuser(QStringLiteral("CREATE DATABASE numberlark")).isNull() &&
           run(QStringLiteral("psql"),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-d"),
                superuserConninfo(), QStringLiteral("-f"),
                QStringLiteral(NUMBERLARK_CLASSROOM_SQL)},
               false);
}

bool PrivatePostgres::start()
{
    const QString dir = m_dir.path();
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), dir + QStringLiteral("/data"), QStringLiteral("-l"),
                dir + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("start")},
               true);
}

bool PrivatePostgres::stop()
{
    if (m_bin.isEmpty() ||
        !QFileInfo::exists(m_dir.path() + QStringLiteral("/data/postmaster.pid"))) {
        return true;
    }
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir.path() + QStringLiteral("/data"), QStringLiteral("-m"),
                QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")},
               true);
}

bool PrivatePostgres::addLogin(const QString& name, const QString& role)
{
    // Names come from the tests themselves, never from outside.
    return !superuser(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE %3")
                          .arg(name, kPassword, role))
                .isNull();
}

QString PrivatePostgres::conninfo(const QString& login) const
{
    const QString database =
        login == kSuperuser ? QStringLiteral("postgres") : QStringLiteral("numberlark");
    return QStringLiteral("host=%1 port=5432 dbname=%2 user=%3 passfile=%1/pgpass")
        .arg(m_dir.path(), database, login);
}

QString PrivatePostgres::superuserConninfo() const
{
    return conninfo(kSuperuser)
        .replace(QStringLiteral("dbname=postgres"), QStringLiteral("dbname=numberlark"));
}

QString PrivatePostgres::superuser(const QString& sql) const
{
    const QString info = sql.startsWith(QStringLiteral("CREATE DATABASE")) ? conninfo(kSuperuser)
                                                                           : superuserConninfo();
    QString output;
    if (!run(QStringLiteral("psql"),
             {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
              QStringLiteral("-t"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
              QStringLiteral("-d"), info, QStringLiteral("-c"), sql},
             false, &output)) {
        return {};
    }
    return output.trimmed().isNull() ? QStringLiteral("") : output.trimmed();
}

} // namespace numberlark::testing
