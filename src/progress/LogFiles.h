#pragma once

#include <QString>

namespace numberlark::progress {

// Why the log's folder cannot hold it (it cannot be created, a file is in
// its place); empty when the folder is there or was made.
QString folderProblem(const QString& logPath);

// Renames the log (and its journal files) to a dated name beside it and
// returns that name; empty with the reason when the rename failed.
QString moveAside(const QString& logPath, QString* problem);

} // namespace numberlark::progress
