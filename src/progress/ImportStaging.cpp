#include "progress/ImportStaging.h"

#include "progress/LogSchema.h"
#include "progress/LogTransaction.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <iterator>

namespace numberlark::progress {

namespace {

// Tests per transaction that moves them into the log: a fraction of a
// second's work, so another copy's Quit waiting for the log gets its turn.
constexpr int kSliceTests = 20000;
// Tests per INSERT into the staging table: one statement's work is shared by
// many rows.
constexpr int kRowsPerInsert = 100;

// Binding a value through Qt SQL costs more than all SQLite then does with
// it, so a staged test binds seven values, not eleven: its questions, table
// and two flags go packed in one integer, its "figures", a field of bits
// each, and are unpacked by the statement that moves it into the log.
struct FiguresField {
    const char* column;
    std::int64_t scale; // the field's lowest bit
    std::int64_t size;  // one past its largest stored value
    std::int64_t bias;  // added before storing, so the stored value is never negative
};
constexpr std::int64_t kBit32 = std::int64_t{1} << 32;
constexpr FiguresField kFigures[] = {
    {"questions", 1, kBit32, kBit32 / 2}, {"table_number", kBit32, 1 << 16, 1 << 15},
    {"imported", kBit32 << 16, 2, 0},     {"finished", kBit32 << 17, 2, 0},
    {"table_kind", kBit32 << 18, 4, 0},
};

// Every value of each field's type fits its field.
std::int64_t packFigures(const TestRecord& test)
{
    const std::int64_t values[] = {test.questions, test.table.number, test.imported ? 1 : 0,
                                   test.finished ? 1 : 0, static_cast<int>(test.table.kind)};
    std::int64_t figures = 0;
    for (std::size_t i = 0; i < std::size(kFigures); ++i) {
        figures += (values[i] + kFigures[i].bias) * kFigures[i].scale;
    }
    return figures;
}

// The columns of the log a staged test fills, and the values the statement
// that moves it selects for them from the staging table, in the same order.
QString loggedColumns()
{
    QStringList columns = {QStringLiteral("child"), QStringLiteral("taken_ms"),
                           QStringLiteral("utc_offset"), QStringLiteral("seconds")};
    for (const FiguresField& field : kFigures) {
        columns << QString::fromLatin1(field.column);
    }
    return (columns << QStringLiteral("date_text") << QStringLiteral("source_key")
                    << QStringLiteral("uuid"))
        .join(QStringLiteral(", "));
}

QString stagedValues()
{
    QStringList values = {QStringLiteral("child"), QStringLiteral("taken_ms"),
                          QStringLiteral("utc_offset"), QStringLiteral("seconds")};
    for (const FiguresField& field : kFigures) {
        values << QStringLiteral("figures / %1 % %2 - %3")
                      .arg(field.scale)
                      .arg(field.size)
                      .arg(field.bias);
    }
    return (values << QStringLiteral("date_text") << QStringLiteral("source_key")
                   << randomUuidSql())
        .join(QStringLiteral(", "));
}

constexpr int kStagedColumnCount = 7;

QString stagedInsert(int rows)
{
    QStringList rowList;
    for (int n = 0; n < rows; ++n) {
        rowList << QStringLiteral("(?, ?, ?, ?, ?, ?, ?)");
    }
    return QStringLiteral(
               "INSERT INTO temp.staged"
               " (child, taken_ms, utc_offset, seconds, figures, date_text, source_key) VALUES ") +
           rowList.join(QStringLiteral(", "));
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
    insert.bindValue(at + 3, test.seconds);
    insert.bindValue(at + 4, qlonglong{packFigures(test)});
    insert.bindValue(at + 5, nullableText(test.dateText));
    insert.bindValue(at + 6, nullableText(test.resultsKey));
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
    return execute(m_db,
                   QStringLiteral("CREATE TEMP TABLE staged (child TEXT NOT NULL, taken_ms BIGINT,"
                                  " utc_offset INTEGER NOT NULL, seconds INTEGER NOT NULL,"
                                  " figures BIGINT NOT NULL,"
                                  " date_text TEXT, source_key TEXT)"));
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
    return execute(m_db,
                   QStringLiteral("CREATE INDEX temp.staged_by_key ON staged"
                                  " (source_key, child, taken_ms, utc_offset, seconds, figures,"
                                  " date_text)"));
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
        insert.prepare(QStringLiteral("INSERT INTO main.tests (%1) SELECT %2 FROM temp.staged"
                                      " WHERE %3 ORDER BY source_key"
                                      " ON CONFLICT (source_key) DO NOTHING")
                           .arg(loggedColumns(), stagedValues(), where));
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
