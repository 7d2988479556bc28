#include "ui/progress/ProgressWindowLoader.h"

#include "modules/ModuleLoader.h"

#include <QCoreApplication>

#include <QLabel>
#include <QVBoxLayout>

#include <memory>

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
    return ModuleLoader::defaultPaths(kModuleName, programFolder);
}

std::function<QWidget*()> progressWindowFactory(ProgressWindowContext context,
                                                QStringList modulePaths)
{
    auto module = std::make_shared<ModuleLoader>(std::move(modulePaths));
    return [context = std::move(context), module]() -> QWidget* {
        const auto make = module->function<MakeProgressWindow>(kMakeProgressWindowSymbol);
        return make != nullptr ? make(context) : unavailableWindow(module->failure());
    };
}

} // namespace numberlark
