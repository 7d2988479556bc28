#include "classroom/ServerConnection.h"

#include "classroom/StatementWatch.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>

#include <libpq-fe.h>

#include <optional>

namespace numberlark::classroom {

namespace {

const QString kDriver = QStringLiteral("QPSQL");

// Qt keeps connections by name for the whole process, and both the program
// (delivering) and the progress window's module (reading the class) carry a
// copy of this code, each with a counter of its own: a counter alone would
// give both copies the same first name, and the second connection would
// close the first.
QString uniqueConnectionName()
{
    return QStringLiteral("numberlark-classroom-") + QUuid::createUuid().toString(QUuid::Id128);
}

// Qt's driver turns ';' into spaces and cannot take a URI, so a setting
// with either would reach libpq changed.
bool isUsableSetting(const QString& server)
{
    const QString trimmed = server.trimmed();
    return !trimmed.isEmpty() && !trimmed.contains(QLatin1Char(';')) &&
           !trimmed.startsWith(QLatin1String("postgres"), Qt::CaseInsensitive);
}

} // namespace

ServerConnection::ServerConnection(QString server)
    : m_server(std::move(server)), m_name(uniqueConnectionName())
{
}

ServerConnection::~ServerConnection()
{
    if (QSqlDatabase::contains(m_name)) {
        close();
        QSqlDatabase::removeDatabase(m_name);
    }
}

QString ServerConnection::connectOptions(const QString& server)
{
    // libpq's least connect_timeout is 2 s; a server that takes the
    // connection and never answers would otherwise hold the delivery thread
    // for ever. Keepalives and tcp_user_timeout tell a network that went
    // silent (a cable pulled, a machine off) within about 20 s on TCP.
    static const std::pair<const char*, const char*> kDefaults[] = {
        {"connect_timeout", "10"},          {"keepalives", "1"},
        {"keepalives_idle", "5"},           {"keepalives_interval", "5"},
        {"keepalives_count", "3"},          {"tcp_user_timeout", "20000"},
        {"application_name", "Numberlark"},
    };
    QString options;
    for (const auto& [key, value] : kDefaults) {
        const QRegularExpression named(QStringLiteral("(^|\\s)%1\\s*=").arg(QLatin1String(key)));
        if (!server.contains(named)) {
            options +=
                QLatin1String(key) + QLatin1Char('=') + QLatin1String(value) + QLatin1Char(' ');
        }
    }
    return options + server.trimmed();
}

int ServerConnection::socket() const
{
    const QSqlDatabase db = database();
    if (!db.isOpen() || db.driver() == nullptr) {
        return -1;
    }
    // Qt's PostgreSQL driver hands out libpq's connection, under the name
    // of the struct behind PGconn.
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "pg_conn*") != 0 && qstrcmp(handle.typeName(), "PGconn*") != 0) {
        return -1;
    }
    auto* const connection = *static_cast<PGconn* const*>(handle.constData());
    return connection == nullptr ? -1 : PQsocket(connection);
}

ClassroomStatus ServerConnection::open(StatementWatch* watch)
{
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        return {ClassroomProblem::NoDriver, {}};
    }
    if (!isUsableSetting(m_server)) {
        return {ClassroomProblem::BadServerSetting, m_server};
    }
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(kDriver, m_name);
    if (!db.isOpen()) {
        db.setConnectOptions(connectOptions(m_server));
        if (!db.open()) {
            return {classifyOpenError(db.lastError()), db.lastError().databaseText().trimmed()};
        }
    }
    std::optional<StatementWatch::Guard> guard;
    if (watch != nullptr) {
        guard.emplace(*watch, socket());
    }
    return checkSchema();
}

ClassroomStatus ServerConnection::checkSchema()
{
    QSqlQuery query(database());
    // The server's own limit on every statement of this session.
    if (!query.exec(QStringLiteral("SET statement_timeout = %1")
                        .arg(std::chrono::milliseconds(kServerStatementLimit).count())) ||
        !query.exec(QStringLiteral("SELECT MAX(version) FROM numberlark_schema")) ||
        !query.next()) {
        return {classifyStatementError(query.lastError()),
                query.lastError().databaseText().trimmed()};
    }
    const int version = query.value(0).toInt();
    if (version > kServerSchemaVersion) {
        return {ClassroomProblem::NewerServer, QString::number(version)};
    }
    if (version < 1) {
        return {ClassroomProblem::NotSetUp, QString::number(version)};
    }
    // An older database would let another computer's row stand for this
    // one's and show every teacher every class: nothing goes until it is
    // upgraded, and the outbox keeps it all.
    if (version < kServerSchemaVersion) {
        return {ClassroomProblem::OlderServer, QString::number(version)};
    }
    return {};
}

void ServerConnection::close()
{
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase::database(m_name, false).close();
    }
}

QSqlDatabase ServerConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

} // namespace numberlark::classroom
