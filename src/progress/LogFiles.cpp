#include "progress/LogFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace numberlark::progress {

namespace {

// The nearest part of the path that exists, to say what stands in the way.
QFileInfo nearestExisting(QString path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.isRoot() && info.absolutePath() != path) {
        path = info.absolutePath();
        info = QFileInfo(path);
    }
    return info;
}

// progress.sqlite -> progress-unreadable-2026-12-07-115126.sqlite
QString asideName(const QString& logPath)
{
    const QFileInfo info(logPath);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString stem =
        info.dir().filePath(info.completeBaseName() + QStringLiteral("-unreadable-") + stamp);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = stem + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = stem + QStringLiteral("-%1").arg(n) + suffix;
    }
    return name;
}

} // namespace

QString folderProblem(const QString& logPath)
{
    const QString folder = QFileInfo(logPath).absolutePath();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder)) {
        return {};
    }
    const QFileInfo blocker = nearestExisting(folder);
    if (blocker.exists() && !blocker.isDir()) {
        return QCoreApplication::translate("ProgressLog", "%1 is a file, not a folder")
            .arg(blocker.absoluteFilePath());
    }
    return QCoreApplication::translate("ProgressLog", "the folder %1 could not be created")
        .arg(folder);
}

QString moveAside(const QString& logPath, QString* problem)
{
    QString target = asideName(logPath);
    QFile log(logPath);
    if (!log.rename(target)) {
        *problem = log.errorString();
        return {};
    }
    // The journals belong to the damaged file; a new log must not replay them.
    for (const QString& journal : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(logPath + journal)) {
            QFile::rename(logPath + journal, target + journal);
        }
    }
    return target;
}

} // namespace numberlark::progress
