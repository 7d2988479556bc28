#include "ui/progress/ProgressWindowLoader.h"

#include "ui/common/WindowModule.h"

#include <QCoreApplication>

namespace numberlark {

namespace {

const QString kModuleName = QStringLiteral("libnumberlark_progress_window.so");

WindowModuleNames unavailableNames()
{
    return {QStringLiteral("FrmProgressUnavailable"),
            QCoreApplication::translate("ProgressWindowLoader", "Progress"),
            QCoreApplication::translate("ProgressWindowLoader",
                                        "The progress window could not be opened.\n\n%1\n\n"
                                        "Installing Numberlark again should bring it back.")};
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
        return windowFromModule<ProgressWindowMaker>(paths, context, unavailableNames);
    };
}

} // namespace numberlark
