#include "ui/progress/ProgressWindowLoader.h"

#include "modules/ModuleLoader.h"

#include <QCoreApplication>

#include <QLabel>
#include <QVBoxLayout>

namespace numberlark {

namespace {

const QString kModuleName = QStringLiteral("libnumberlark_progress_window.so");

QWidget* unavailableWindow(const QString& reason)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("FrmProgressUnavailable"));
    window->setWindowTitle(QCoreApplication::translate("ProgressWindowLoader", "Progress"));
    auto* label =
        new QLabel(QCoreApplication::translate(
                       "ProgressWindowLoader",
                       "The progress window could not be opened.\n\n%1\n\nInstalling Numberlark "
                       "again should bring it back.")
                       .arg(reason),
                   window);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(label);
    window->resize(520, 200);
    return window;
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
