#include "progress/ChildNames.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace numberlark::progress {

QString childValue(const QString& child)
{
    return child.isNull() ? QStringLiteral("") : child.normalized(QString::NormalizationForm_C);
}

QSqlError spellingsOf(const QSqlDatabase& db, const QString& child, QVariantList& spellings)
{
    spellings = {childValue(child)};
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT child FROM tests UNION SELECT child FROM practice_sessions"))) {
        return query.lastError();
    }
    while (query.next()) {
        const QString stored = query.value(0).toString();
        if (childValue(stored) == spellings.front() && stored != spellings.front()) {
            spellings.push_back(stored);
        }
    }
    return query.lastError();
}

QString childIn(const QVariantList& spellings, const QString& column)
{
    QStringList marks;
    for (qsizetype i = 0; i < spellings.size(); ++i) {
        marks << QStringLiteral("?");
    }
    return column + QStringLiteral(" IN (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
}

} // namespace numberlark::progress
