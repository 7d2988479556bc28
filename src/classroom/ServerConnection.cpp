#include "classroom/ServerConnection.h"

#include <QSqlQuery>
#include <QUuid>

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
    QString options;
    // libpq's least limit is 2 s; a server that takes the connection and
    // never answers would otherwise hold the delivery thread for ever.
    if (!server.contains(QLatin1String("connect_timeout"))) {
        options += QStringLiteral("connect_timeout=10 ");
    }
    if (!server.contains(QLatin1String("application_name"))) {
        options += QStringLiteral("application_name=Numberlark ");
    }
    return options + server.trimmed();
}

ClassroomStatus ServerConnection::open()
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
    return checkSchema();
}

ClassroomStatus ServerConnection::checkSchema()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM numberlark_schema")) ||
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
