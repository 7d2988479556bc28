#include "progress/ImportStaging.h"

#include "progress/LogTransaction.h"
#include "progress/TestTable.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace numberlark::progress {

namespace {

// Tests per transaction that moves them into the log: a fraction of a
// second's work, so another copy's Quit waiting for the log gets its turn.
constexpr int kSliceTests = 20000;
// Tests per INSERT into the staging table: one statement's work is shared by
// many rows, well within SQLite's limit of 32766 bound values.
constexpr int kRowsPerInsert = 100;
// The staged columns each insert fills, in the order bindStaged() binds
// them; the table's other columns stay null.
constexpr int kStagedColumnCount = 11;
const QString& stagedColumns()
{
    static const QString columns = QStringLiteral(
        "child, taken_ms, utc_offset, table_kind, table_number, questions, seconds, finished,"
        " imported, date_text, source_key");
    return columns;
}

QString stagedInsert(int rows)
{
    QString row = QStringLiteral("(?");
    for (int column = 1; column < kStagedColumnCount; ++column) {
        row += QStringLiteral(", ?");
    }
    row += QLatin1Char(')');
    QStringList rowList;
    for (int n = 0; n < rows; ++n) {
        rowList << row;
    }
    return QStringLiteral("INSERT INTO temp.staged (%1) VALUES %2")
        .arg(stagedColumns(), rowList.join(QStringLiteral(", ")));
}

// A null QString binds as NULL: an empty name stays a name. Names are kept
// composed (NFC), as the log keeps them.
QVariant storedName(const QString& child)
{
    return child.isNull() ? QStringLiteral("") : child.normalized(QString::NormalizationForm_C);
}

QVariant nullableText(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

void bindStaged(QSqlQuery& insert, int row, const TestRecord& test)
{
    const int at = row * kStagedColumnCount;
    const bool dated = test.when.isValid();
    insert.bindValue(at, storedName(test.child));
    insert.bindValue(at + 1, dated ? QVariant(qlonglong{test.when.toMSecsSinceEpoch()})
                                   : QVariant(QMetaType(QMetaType::LongLong)));
    insert.bindValue(at + 2, dated ? test.when.offsetFromUtc() : 0);
    insert.bindValue(at + 3, static_cast<int>(test.table.kind));
    insert.bindValue(at + 4, int{test.table.number});
    insert.bindValue(at + 5, test.questions);
    insert.bindValue(at + 6, test.seconds);
    insert.bindValue(at + 7, test.finished ? 1 : 0);
    insert.bindValue(at + 8, test.imported ? 1 : 0);
    insert.bindValue(at + 9, nullableText(test.dateText));
    insert.bindValue(at + 10, nullableText(test.resultsKey));
}

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

ImportStaging::ImportStaging(const QSqlDatabase& db)
    : m_db(db), m_insertMany(m_db), m_insertRest(m_db)
{
}

ImportStaging::~ImportStaging()
{
    m_insertMany.finish();
    m_insertRest.finish();
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
        const std::size_t whole = tests.size() - tests.size() % kRowsPerInsert;
        for (std::size_t first = 0; first < tests.size(); first += kRowsPerInsert) {
            const bool full = first < whole;
            const int rows = full ? kRowsPerInsert : static_cast<int>(tests.size() - first);
            QSqlQuery& insert = full ? m_insertMany : m_insertRest;
            if (full ? !m_insertManyReady : m_insertRestRows != rows) {
                if (!insert.prepare(stagedInsert(rows))) {
                    return insert.lastError();
                }
                (full ? m_insertManyReady : m_insertRestRows) = full ? 1 : rows;
            }
            for (int row = 0; row < rows; ++row) {
                bindStaged(insert, row, tests[first + static_cast<std::size_t>(row)]);
            }
            if (!insert.exec()) {
                return insert.lastError();
            }
            m_staged += rows;
        }
        return QSqlError();
    });
}

QSqlError ImportStaging::sort()
{
    // Every column is in the index, so the slices are read from it in order
    // and never from the table, whose rows lie in the file's order.
    QStringList columns = testColumns(false).split(QStringLiteral(", "));
    columns.removeOne(QStringLiteral("source_key"));
    return execute(m_db,
                   QStringLiteral("CREATE INDEX temp.staged_by_key ON staged (source_key, %1)")
                       .arg(columns.join(QStringLiteral(", "))));
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
