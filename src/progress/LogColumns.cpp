#include "progress/LogColumns.h"

namespace numberlark::progress {

QStringList columnNames(std::span<const LogColumn> columns, int version)
{
    QStringList names;
    for (const LogColumn& column : columns) {
        if (column.since <= version) {
            names << QString::fromLatin1(column.name);
        }
    }
    return names;
}

} // namespace numberlark::progress
