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

using namespace Qt::StringLiterals;

namespace numberlark::testing {

namespace {

const QString kPassword = u"secret"_s;

bool writeFile(const QString& path, const QString& text,
               QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    return file.open(mode) && file.write(text.toUtf8()) >= 0 &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

QString PrivatePostgres::binaryFolder()
{
    // Debian keeps the server's programs out of PATH, one folder per version.
    const QString onPath = QStandardPaths::findExecutable(u"pg_ctl"_s);
    const QStringList versions =
        QDir(u"/usr/lib/postgresql"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const QString newest =
        versions.isEmpty() ? QString() : u"/usr/lib/postgresql/%1/bin"_s.arg(versions.last());
    const QString folder = onPath.isEmpty() ? newest : QFileInfo(onPath).canonicalPath();
    return QFile::exists(folder + u"/initdb"_s) ? folder : QString();
}

PrivatePostgres::PrivatePostgres(Durability durability)
    : m_dir(QDir::tempPath() + u"/nl-pg-XXXXXX"_s), m_bin(binaryFolder())
{
    m_running = setUp(durability);
}

bool PrivatePostgres::run(QStringList command, bool asServerUser, QString* output)
{
    if (asServerUser && geteuid() == 0) {
        command = QStringList{u"setpriv"_s, u"--reuid=nobody"_s, u"--regid=nogroup"_s,
                              u"--clear-groups"_s} +
                  command;
    }
    QProcess process;
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error =
            command.join(u' ') + u": "_s + QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    if (output != nullptr) {
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    return true;
}

bool PrivatePostgres::setUp(Durability durability)
{
    const QString dir = m_dir.path();
    if (m_bin.isEmpty() || !m_dir.isValid() || !writeFile(dir + u"/password"_s, kPassword) ||
        !writeFile(dir + u"/pgpass"_s, u"*:*:*:*:%1\n"_s.arg(kPassword)) ||
        (geteuid() == 0 && !run({u"chown"_s, u"-R"_s, u"nobody:nogroup"_s, dir}, false))) {
        m_error += u"no server programs, or no temporary folder"_s;
        return false;
    }
    const QString settings = u"listen_addresses = ''\nunix_socket_directories = '%1'\n"
                             "fsync = %2\nlc_messages = 'C'\n"_s.arg(
                                 dir, durability == Durability::Durable ? u"on"_s : u"off"_s);
    return run({m_bin + u"/initdb"_s, u"-D"_s, dir + u"/data"_s, u"-U"_s, kSuperuser,
                u"--pwfile="_s + dir + u"/password"_s, u"--auth=scram-sha-256"_s, u"--no-sync"_s,
                u"-E"_s, u"UTF8"_s, u"--locale=C"_s},
               true) &&
           writeFile(dir + u"/data/postgresql.conf"_s, settings, QIODevice::Append) && start() &&
           !superuser(u"CREATE DATABASE numberlark"_s, u"postgres"_s).isNull() &&
           run({psql(), u"-X"_s, u"-q"_s, u"-d"_s, conninfo(kSuperuser), u"-f"_s,
                QStringLiteral(NUMBERLARK_CLASSROOM_SQL)},
               false);
}

bool PrivatePostgres::start()
{
    return run({m_bin + u"/pg_ctl"_s, u"-D"_s, m_dir.path() + u"/data"_s, u"-l"_s,
                m_dir.path() + u"/server.log"_s, u"-w"_s, u"start"_s},
               true);
}

bool PrivatePostgres::stop()
{
    return !QFile::exists(m_dir.path() + u"/data/postmaster.pid"_s) ||
           run({m_bin + u"/pg_ctl"_s, u"-D"_s, m_dir.path() + u"/data"_s, u"-m"_s, u"fast"_s,
                u"-w"_s, u"stop"_s},
               true);
}

bool PrivatePostgres::addLogin(const QString& name, const QString& role)
{
    // Names come from the tests themselves, never from outside.
    return !superuser(u"CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE %3"_s.arg(name, kPassword, role))
                .isNull();
}

bool PrivatePostgres::addClass(const QString& name)
{
    return !superuser(u"CREATE ROLE %1 NOLOGIN IN ROLE numberlark_class"_s.arg(name)).isNull();
}

QString PrivatePostgres::conninfo(const QString& login) const
{
    return u"host=%1 port=5432 dbname=numberlark user=%2 passfile=%1/pgpass"_s.arg(m_dir.path(),
                                                                                   login);
}

QString PrivatePostgres::superuser(const QString& sql, const QString& database)
{
    QString output;
    const QString info =
        conninfo(kSuperuser).replace(u"dbname=numberlark"_s, u"dbname="_s + database);
    if (!run({psql(), u"-X"_s, u"-q"_s, u"-A"_s, u"-t"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-d"_s,
              info, u"-c"_s, sql},
             false, &output)) {
        return {};
    }
    return output.isNull() ? u""_s : output;
}

} // namespace numberlark::testing
