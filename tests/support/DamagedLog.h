#pragma once

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace numberlark::testing {

// The page where the log keeps its tests, read as another program would.
inline int testsPage(const QString& path)
{
    int page = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "peek");
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() &&
            query.exec(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'tests'")) &&
            query.next()) {
            page = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return page;
}

using LogDamage = std::function<void(QByteArray& bytes, const QString& path)>;

// The two ways a log is found damaged: cut short, and a middle page of noise
// (the tests' own page, so reading a child's tests meets it).
inline std::vector<std::pair<const char*, LogDamage>> logDamages()
{
    constexpr qsizetype kPage = 4096;
    return {
        {"a truncated log",
         [](QByteArray& bytes, const QString& /*path*/) { bytes.truncate(2 * kPage + 100); }},
        {"garbage in a middle page",
         [](QByteArray& bytes, const QString& path) {
             bytes.replace((testsPage(path) - 1) * kPage, kPage, QByteArray(kPage, '\x5a'));
         }},
    };
}

// Writes a damaged copy of the log at `from` to `to`.
inline bool writeDamagedCopy(const QString& from, const QString& to, const LogDamage& damage)
{
    QFile log(from);
    if (!log.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray bytes = log.readAll();
    log.close();
    damage(bytes, from);
    QFile copy(to);
    return copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size();
}

} // namespace numberlark::testing
