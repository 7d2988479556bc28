#pragma once

#include <QSqlDatabase>
#include <QSqlError>

#include <functional>

namespace numberlark::progress {

// Runs the work in one writing transaction: committed when it returns no
// error, rolled back otherwise. Returns the first error.
//
// On SQLite the transaction takes the write lock before the work's first
// read. A transaction that reads first and writes later cannot wait for
// another copy of the program: once that copy commits in between, SQLite
// refuses the write at once, without the busy wait. Taking the lock first
// makes a second writer wait its turn instead.
QSqlError inTransaction(QSqlDatabase db, const std::function<QSqlError(QSqlDatabase&)>& work);

} // namespace numberlark::progress
