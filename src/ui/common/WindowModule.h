#pragma once

#include "modules/ModuleLoader.h"
#include "ui/common/UnavailableWindow.h"
#include "ui/common/WindowMaker.h"

#include <QString>
#include <QWidget>

namespace numberlark {

// The window made in place of a module's that cannot be loaded: its object
// name, title and message (%1 stands for the loader's reason).
struct WindowModuleNames {
    QString objectName; // of the window made in its place
    QString title;
    QString failure;
};

// The program's side: a window from the first of `paths` that loads (kept
// loaded from then on), or one in its place that says why there is none and
// where the module was looked for.
template <typename Maker, typename Context, typename Names>
QWidget* windowFromModule(const QStringList& paths, const Context& context, Names names)
{
    const auto maker = loadModule<Maker>(paths);
    if (maker.service != nullptr) {
        return maker.service->make(context);
    }
    const WindowModuleNames said = names();
    return unavailableWindow(said.objectName, said.title, said.failure.arg(maker.failure.message));
}

} // namespace numberlark
