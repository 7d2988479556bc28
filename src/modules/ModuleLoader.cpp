#include "modules/ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace numberlark {

ModuleLoader::ModuleLoader(const QString& fileName)
    : ModuleLoader(defaultPaths(fileName, QCoreApplication::applicationDirPath()))
{
}

ModuleLoader::ModuleLoader(QStringList paths) : m_paths(std::move(paths)) {}

QStringList ModuleLoader::defaultPaths(const QString& fileName, const QString& programFolder)
{
    const QDir folder(programFolder);
    return {folder.filePath(fileName),
            QDir::cleanPath(folder.filePath(QStringLiteral(NUMBERLARK_MODULE_DIR_FROM_BIN) +
                                            QLatin1Char('/') + fileName))};
}

// QLibrary leaves the library loaded when it is destroyed, which is what
// keeps the module for the rest of the run.
void ModuleLoader::load()
{
    m_tried = true;
    QStringList failures;
    for (const QString& path : std::as_const(m_paths)) {
        if (!QFile::exists(path)) {
            failures << QCoreApplication::translate("ModuleLoader", "%1: not found")
                            .arg(QDir::toNativeSeparators(path));
            continue;
        }
        QLibrary library(path);
        if (library.load()) {
            m_loadedPath = path;
            return;
        }
        failures << library.errorString();
    }
    m_failure = failures.join(QLatin1Char('\n'));
}

QFunctionPointer ModuleLoader::resolve(const char* symbol)
{
    if (!m_tried) {
        load();
    }
    if (m_loadedPath.isEmpty()) {
        return nullptr;
    }
    QLibrary library(m_loadedPath);
    const QFunctionPointer function = library.resolve(symbol);
    if (function == nullptr && m_failure.isEmpty()) {
        m_failure = library.errorString();
    }
    return function;
}

} // namespace numberlark
