#pragma once

#include "outcome/Outcome.h"

#include <QString>
#include <QStringList>

namespace numberlark {

// What loading one of the program's modules gave: its service, or why there
// is none.
template <typename Service> struct LoadedModule {
    // Made by the module; valid until the program ends, since a module is
    // never unloaded. Null when the module could not be loaded.
    Service* service = nullptr;
    // What a user is told: the module, each place it was looked for and the
    // system's reason there. Success when the module was loaded.
    Outcome failure;
};

// The places a module is looked for, in order: next to the program (a build
// tree), then the program's private library folder of an installation.
QStringList modulePaths(const QString& fileName, const QString& programFolder);
QStringList modulePaths(const QString& fileName);

// The entry point `symbol` of the first of `paths` that loads, or null with
// the reason in `failure`.
QFunctionPointer loadModuleEntry(const QStringList& paths, const char* symbol, Outcome* failure);

// The program's own modules are shared libraries that bring in heavy
// libraries (a print client, a sound client, a database driver, a chart
// library) the program does not need until a user asks for what they do.
// Each exports one function, named by its service's kEntryPoint, that
// returns the module's one service object.
//
// One rule for all of them: a module is loaded the first time its service is
// asked for and kept until the program ends, since what it made runs its
// code; a module that could not be loaded is not tried again, and the same
// failure is told each time.
template <typename Service> LoadedModule<Service> loadModule(const QStringList& paths)
{
    using Entry = Service* (*)();
    Outcome failure;
    const QFunctionPointer entry = loadModuleEntry(paths, Service::kEntryPoint, &failure);
    if (entry == nullptr) {
        return {nullptr, failure};
    }
    return {reinterpret_cast<Entry>(entry)(), {}};
}

} // namespace numberlark
