#pragma once

#include <QString>
#include <QStringList>

namespace numberlark {

// One of the program's own modules: a shared library that brings in heavy
// libraries (a print client, a sound client, a database driver) the program
// does not need until a user asks for what they do. It is loaded the first
// time one of its functions is asked for and kept until the program ends,
// since what it made runs its code. A module that cannot be loaded is not
// tried again; failure() says why and where it was looked for.
class ModuleLoader {
public:
    // Looks for `fileName` next to the program (a build tree), then in the
    // program's private library folder of an installation.
    explicit ModuleLoader(const QString& fileName);
    // Looks in exactly these places, in order.
    explicit ModuleLoader(QStringList paths);

    static QStringList defaultPaths(const QString& fileName, const QString& programFolder);

    // The exported function named `symbol`, as its type, or nullptr when the
    // module cannot be loaded or lacks it.
    template <typename Function> Function function(const char* symbol)
    {
        return reinterpret_cast<Function>(resolve(symbol));
    }

    const QString& failure() const { return m_failure; }

private:
    void load();
    QFunctionPointer resolve(const char* symbol);

    QStringList m_paths;
    bool m_tried = false;
    QString m_loadedPath;
    QString m_failure;
};

} // namespace numberlark
