#pragma once

#include "progress/ProgressRecords.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <vector>

class QSqlDatabase;

namespace numberlark::progress {

// The statements on the tests and answers tables. Each returns the first
// error, or an invalid QSqlError when all went well; none opens a
// transaction of its own.

// The tests table's columns of this program's layout, as a list for SQL;
// with a prefix of ":" they are the placeholders an insert binds by name.
QString testColumns(bool withKey, const QString& prefix = {});

// Stores the test and its answers and sets test.id.
QSqlError insertTest(QSqlDatabase& db, TestRecord& test);

// Stores tests one after another through one prepared statement, for the
// many tests of an import.
class TestWriter {
public:
    // With skipKnownKeys a test whose results key is in the log already is
    // left out, and write() says so through `stored`.
    explicit TestWriter(QSqlDatabase& db, bool skipKnownKeys = false,
                        const QString& table = QStringLiteral("tests"));
    ~TestWriter();
    TestWriter(const TestWriter&) = delete;
    TestWriter& operator=(const TestWriter&) = delete;

    QSqlError write(TestRecord& test, bool* stored = nullptr);

private:
    QSqlDatabase& m_db;
    QSqlQuery m_insert;
    QList<QVariant (*)(const TestRecord&)> m_values; // one per placeholder
};
QSqlError selectChildren(const QSqlDatabase& db, std::vector<QString>& children);
QSqlError selectTestsOf(const QSqlDatabase& db, const QString& child,
                        std::vector<TestRecord>& tests);
// The tests, with their answers, for which `where` holds; it names the
// tests table `t` and takes `values` for its placeholders, in order.
QSqlError selectTestsWhere(const QSqlDatabase& db, const QString& where, const QVariantList& values,
                           std::vector<TestRecord>& tests);
QSqlError deleteTestsOf(QSqlDatabase& db, const QString& child);
// Whether a test with this key is already in the log.
QSqlError hasSourceKey(const QSqlDatabase& db, const QString& key, bool& found);

} // namespace numberlark::progress
