#pragma once

#include "progress/ProgressRecords.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <cstdint>
#include <vector>

namespace numberlark::progress {

// The tests of a results file on their way into the log. They are kept
// first in a temporary table of the import's own connection, which takes
// no lock on the log, then moved into the log in the order of their keys, a
// slice per transaction. The keys are hashes, so tests taken in file order
// would touch the keys' index all over in every transaction, and each
// commit would write most of it again; a slice of sorted keys touches only
// its own part of the index.
class ImportStaging {
public:
    explicit ImportStaging(const QSqlDatabase& db);
    ~ImportStaging();
    ImportStaging(const ImportStaging&) = delete;
    ImportStaging& operator=(const ImportStaging&) = delete;

    QSqlError create();
    QSqlError add(std::vector<TestRecord>& tests);
    // Sorts the staged keys; then the slices can be moved.
    QSqlError sort();
    std::int64_t staged() const { return m_staged; }
    std::int64_t moved() const { return m_moved; }

    // Moves the next slice into the log in one writing transaction, counting
    // the tests added and those whose key was in the log already. `done` is
    // set when nothing is left.
    QSqlError moveSlice(int& added, int& known, bool& done);

private:
    QSqlError sliceEnd(QString& end, bool& last);

    QSqlDatabase m_db;
    QSqlQuery m_insertMany; // a full run of rows, prepared once
    QSqlQuery m_insertRest; // the rows left at the end of a batch
    int m_insertManyReady = 0;
    int m_insertRestRows = 0;
    QString m_lastKey = QStringLiteral(""); // the keys up to this one have been moved (never null)
    std::int64_t m_staged = 0;
    std::int64_t m_moved = 0;
};

} // namespace numberlark::progress
