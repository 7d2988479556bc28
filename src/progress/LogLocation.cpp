#include "progress/LogLocation.h"

#include <QStandardPaths>

namespace numberlark::progress {

QString defaultLogPath()
{
    // Without a home folder there is no per-user place; never the root folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/progress.sqlite");
}

} // namespace numberlark::progress
