#include "progress/LogTransaction.h"

#include <QSqlQuery>

namespace numberlark::progress {

namespace {

bool isSqlite(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QSQLITE");
}

QSqlError execute(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    return query.exec(sql) ? QSqlError() : query.lastError();
}

QSqlError begin(QSqlDatabase& db)
{
    if (isSqlite(db)) {
        return execute(db, QStringLiteral("BEGIN IMMEDIATE"));
    }
    return db.transaction() ? QSqlError() : db.lastError();
}

QSqlError commit(QSqlDatabase& db)
{
    if (isSqlite(db)) {
        return execute(db, QStringLiteral("COMMIT"));
    }
    return db.commit() ? QSqlError() : db.lastError();
}

void rollback(QSqlDatabase& db)
{
    if (isSqlite(db)) {
        execute(db, QStringLiteral("ROLLBACK"));
    } else {
        db.rollback();
    }
}

} // namespace

QSqlError inTransaction(QSqlDatabase db, const std::function<QSqlError(QSqlDatabase&)>& work)
{
    if (QSqlError error = begin(db); error.isValid()) {
        return error;
    }
    QSqlError error = work(db);
    if (!error.isValid()) {
        error = commit(db);
    }
    if (error.isValid()) {
        rollback(db);
    }
    return error;
}

} // namespace numberlark::progress
