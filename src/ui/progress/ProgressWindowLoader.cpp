#include "ui/progress/ProgressWindowLoader.h"

#include "modules/ModuleLoader.h"
#include "ui/common/UnavailableWindow.h"

#include <QCoreApplication>

namespace numberlark {

namespace {

const QString kModuleName = QStringLiteral("libnumberlark_progress_window.so");

QWidget* unavailableWindow(const QString& reason)
{
    return numberlark::unavailableWindow(
        QStringLiteral("FrmProgressUnavailable"),
        QCoreApplication::translate("ProgressWindowLoader", "Progress"),
        QCoreApplication::translate("ProgressWindowLoader",
                                    "The progress window could not be opened.\n\n%1\n\nInstalling "
                                    "Numberlark again should bring it back.")
            .arg(reason));
}

} // namespace

QStringList progressWindowModulePaths(const QString& programFolder)
{
    return modulePaths(kModuleName, programFolder);
}

std::function<QWidget*()> progressWindowFactory(ProgressWindowContext context,
                                                QStringList modulePaths)
{
    return [context = std::move(context), paths = std::move(modulePaths)]() -> QWidget* {
        const auto maker = loadModule<ProgressWindowMaker>(paths);
        return maker.service != nullptr ? maker.service->make(context)
                                        : unavailableWindow(maker.failure);
    };
}

} // namespace numberlark
