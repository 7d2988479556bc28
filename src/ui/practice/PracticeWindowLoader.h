#pragma once

#include "ui/practice/PracticeWindowContext.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace numberlark {

// Where the practice window module is looked for, in order: next to the
// program (a build tree), then the library folder of an installation.
QStringList practiceWindowModulePaths(const QString& programFolder);

// Makes practice windows from the module, loading it on the first call; the
// child given is offered first. When the module cannot be loaded the window
// made instead says why and where it looked.
using PracticeWindowFactory = std::function<QWidget*(const QString& child)>;
PracticeWindowFactory practiceWindowFactory(PracticeWindowContext context, QStringList modulePaths);

} // namespace numberlark
