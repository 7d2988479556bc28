#pragma once

#include <QSqlError>
#include <QString>
#include <QVariantList>

class QSqlDatabase;
class QSqlQuery;

namespace numberlark::progress {

// A null QString would bind as NULL: the empty name is a name like any other.
// Names are kept composed (NFC), so "Renée" typed with a combining accent is
// the same child as "Renée" typed with one key.
QString childValue(const QString& child);

// A log written before names were composed may hold one child under several
// spellings, in her tests or her practice; every request about her takes
// them all.
QSqlError spellingsOf(const QSqlDatabase& db, const QString& child, QVariantList& spellings);

// "child IN (?, ?)" with one placeholder per spelling, bound in order.
QString childIn(const QVariantList& spellings, const QString& column = QStringLiteral("child"));

void bindAll(QSqlQuery& query, const QVariantList& values);

} // namespace numberlark::progress
