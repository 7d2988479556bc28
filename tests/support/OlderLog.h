#pragma once

#include "progress/LogSchema.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QString>

namespace numberlark::testing {

// Copies `firstLayout` (a log the first layout's own code wrote) to `path`
// and brings it up to `version` with that layout's own steps, as an older
// Numberlark left it.
inline void copyOlderLog(const QString& firstLayout, const QString& path, int version)
{
    ASSERT_TRUE(QFile::copy(firstLayout, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        ASSERT_FALSE(progress::migrateLog(db, 1, version).isValid());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older"));
}

} // namespace numberlark::testing
