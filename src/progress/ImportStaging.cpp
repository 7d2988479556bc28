#include "progress/ImportStaging.h"

#include "progress/LogTransaction.h"
#include "progress/TestTable.h"

#include <QSqlQuery>
#include <QVariant>

#include <functional>

namespace numberlark::progress {

namespace {

// Tests per transaction that moves them into the log: a fraction of a
// second's work, so another copy's Quit waiting for the log gets its turn.
constexpr int kSliceTests = 5000;

QSqlError execute(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    return query.exec(sql) ? QSqlError() : query.lastError();
}

// The staged table is in the connection's own temporary database: a plain
// transaction on it takes no lock on the log.
QSqlError inTemporaryTransaction(QSqlDatabase& db, const std::function<QSqlError()>& work)
{
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlError error = work();
    if (!error.isValid() && !db.commit()) {
        error = db.lastError();
    }
    if (error.isValid()) {
        db.rollback();
    }
    return error;
}

} // namespace

ImportStaging::ImportStaging(const QSqlDatabase& db) : m_db(db) {}

ImportStaging::~ImportStaging()
{
    execute(m_db, QStringLiteral("DROP TABLE IF EXISTS temp.staged"));
}

QSqlError ImportStaging::create()
{
    return execute(m_db, QStringLiteral("CREATE TEMP TABLE staged AS SELECT %1 FROM main.tests"
                                        " WHERE 0")
                             .arg(testColumns(true)));
}

QSqlError ImportStaging::add(std::vector<TestRecord>& tests)
{
    return inTemporaryTransaction(m_db, [this, &tests] {
        TestWriter writer(m_db, false, QStringLiteral("temp.staged"));
        for (TestRecord& test : tests) {
            if (QSqlError error = writer.write(test); error.isValid()) {
                return error;
            }
            ++m_staged;
        }
        return QSqlError();
    });
}

QSqlError ImportStaging::sort()
{
    return execute(m_db, QStringLiteral("CREATE INDEX temp.staged_by_key ON staged (source_key)"));
}

QSqlError ImportStaging::sliceEnd(QString& end, bool& last)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT source_key FROM temp.staged WHERE source_key > ?"
                                 " ORDER BY source_key LIMIT 1 OFFSET ?"));
    query.addBindValue(m_lastKey);
    query.addBindValue(kSliceTests - 1);
    if (!query.exec()) {
        return query.lastError();
    }
    last = !query.next();
    end = last ? QString() : query.value(0).toString();
    return query.lastError();
}

QSqlError ImportStaging::moveSlice(int& added, int& known, bool& done)
{
    QString end;
    bool last = false;
    int moved = 0;
    QSqlError error = inTransaction(m_db, [&](QSqlDatabase& db) {
        if (QSqlError failed = sliceEnd(end, last); failed.isValid()) {
            return failed;
        }
        const QString where = last ? QStringLiteral("source_key > :from")
                                   : QStringLiteral("source_key > :from AND source_key <= :to");
        QSqlQuery insert(db);
        // ON CONFLICT after a SELECT needs its WHERE, which this one has.
        insert.prepare(QStringLiteral("INSERT INTO main.tests (%1) SELECT %1 FROM temp.staged"
                                      " WHERE %2 ORDER BY source_key"
                                      " ON CONFLICT (source_key) DO NOTHING")
                           .arg(testColumns(false), where));
        QSqlQuery count(db);
        count.prepare(QStringLiteral("SELECT COUNT(*) FROM temp.staged WHERE %1").arg(where));
        for (QSqlQuery* query : {&insert, &count}) {
            query->bindValue(QStringLiteral(":from"), m_lastKey);
            if (!last) {
                query->bindValue(QStringLiteral(":to"), end);
            }
        }
        if (!insert.exec() || !count.exec() || !count.next()) {
            return insert.lastError().isValid() ? insert.lastError() : count.lastError();
        }
        added = insert.numRowsAffected();
        moved = count.value(0).toInt();
        known = moved - added;
        return QSqlError();
    });
    if (!error.isValid()) {
        m_lastKey = end;
        m_moved += moved;
        done = last;
    }
    return error;
}

} // namespace numberlark::progress
