#pragma once

#include "ui/progress/ProgressWindowContext.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace numberlark {

// Where the progress window module is looked for, in order: next to the
// program (a build tree), then the library folder of an installation.
QStringList progressWindowModulePaths(const QString& programFolder);

// Makes progress windows from the module, loading it on the first call. When
// it cannot be loaded the window made instead says why and where it looked.
std::function<QWidget*()> progressWindowFactory(ProgressWindowContext context,
                                                QStringList modulePaths);

} // namespace numberlark
