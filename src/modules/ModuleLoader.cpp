#include "modules/ModuleLoader.h"

#include "modules/ModuleImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

#include <mutex>
#include <optional>

namespace numberlark {

namespace {

// A module's entry point, or, when there is none, the failure a user is told.
struct Loaded {
    QFunctionPointer entry = nullptr;
    Outcome outcome;
};

QString whyNotLoaded(const QString& path, QLibrary& library, const char* symbol)
{
    const QString where = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        return QCoreApplication::translate("ModuleLoader", "%1: not found").arg(where);
    }
    if (!library.load()) {
        // The dynamic linker's own words, which name the file.
        return library.errorString();
    }
    //: %1 is the module's file, %2 the name of the function it should export.
    return QCoreApplication::translate("ModuleLoader", "%1: not a Numberlark module with %2")
        .arg(where, QString::fromLatin1(symbol));
}

Loaded load(const QStringList& paths, const char* symbol)
{
    QStringList reasons;
    for (const QString& path : paths) {
        // QLibrary leaves the library loaded when it is destroyed, which is
        // what keeps the module for the rest of the run.
        QLibrary library(path);
        // A damaged module is told like a missing one, before the dynamic
        // linker maps it: mapped past the end of its file, it would crash the
        // program when that part is reached.
        const bool isFile = QFileInfo(path).isFile();
        if (const std::optional<QString> damage = isFile ? moduleDamage(path) : std::nullopt) {
            reasons << *damage;
            continue;
        }
        if (isFile && library.load()) {
            if (const QFunctionPointer entry = library.resolve(symbol)) {
                return {entry, Outcome::success()};
            }
        }
        reasons << whyNotLoaded(path, library, symbol);
    }
    const QString file = paths.isEmpty() ? QString() : QFileInfo(paths.constFirst()).fileName();
    const QString why = reasons.join(QLatin1Char('\n'));
    //: %1 is the module's file name; %2 lists where it was looked for, and why it failed there.
    const QString message =
        QCoreApplication::translate("ModuleLoader", "Numberlark could not load its module %1:\n%2")
            .arg(file, why);
    return {nullptr, Outcome::failure(message, file, why)};
}

} // namespace

QStringList modulePaths(const QString& fileName, const QString& programFolder)
{
    const QDir folder(programFolder);
    return {folder.filePath(fileName),
            QDir::cleanPath(folder.filePath(QStringLiteral(NUMBERLARK_MODULE_DIR_FROM_BIN) +
                                            QLatin1Char('/') + fileName))};
}

QStringList modulePaths(const QString& fileName)
{
    return modulePaths(fileName, QCoreApplication::applicationDirPath());
}

QFunctionPointer loadModuleEntry(const QStringList& paths, const char* symbol, Outcome* failure)
{
    static std::mutex guard;
    static QHash<QString, Loaded> loaded;
    const std::lock_guard lock(guard);
    const QString key = paths.join(QLatin1Char('\n')) + QLatin1Char('\n') + QLatin1String(symbol);
    auto found = loaded.constFind(key);
    if (found == loaded.constEnd()) {
        found = loaded.insert(key, load(paths, symbol));
    }
    *failure = found->outcome;
    return found->entry;
}

} // namespace numberlark
