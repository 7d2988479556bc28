#pragma once

#include "progress/ProgressRecords.h"

#include <QSqlError>
#include <QString>
#include <QVariantList>

#include <vector>

class QSqlDatabase;

namespace numberlark::progress {

// The statements on the practice tables. Each returns the first error, or
// an invalid QSqlError; none opens a transaction of its own.

// Stores the session and its answers; sets its id, and its uuid if it had none.
QSqlError insertPractice(QSqlDatabase& db, PracticeSessionRecord& session);
// A child's sessions with their answers, the oldest first.
QSqlError selectPracticeOf(const QSqlDatabase& db, const QString& child,
                           std::vector<PracticeSessionRecord>& sessions);
// The sessions, with their answers, for which `where` holds; it names the
// sessions table `s` and takes `values` for its placeholders, in order.
QSqlError selectPracticeWhere(const QSqlDatabase& db, const QString& where,
                              const QVariantList& values,
                              std::vector<PracticeSessionRecord>& sessions);
QSqlError deletePracticeOf(QSqlDatabase& db, const QString& child);

} // namespace numberlark::progress
