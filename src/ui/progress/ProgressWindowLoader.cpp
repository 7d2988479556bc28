#include "ui/progress/ProgressWindowLoader.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibrary>
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

// The module is loaded once and never unloaded (QLibrary leaves it loaded
// when destroyed), since the windows it made run its code.
struct LoadedModule {
    bool tried = false;
    MakeProgressWindow make = nullptr;
    QString reason;

    void load(const QStringList& paths)
    {
        tried = true;
        QStringList failures;
        for (const QString& path : paths) {
            if (!QFile::exists(path)) {
                failures << QCoreApplication::translate("ProgressWindowLoader", "%1: not found")
                                .arg(QDir::toNativeSeparators(path));
                continue;
            }
            QLibrary library(path);
            make = reinterpret_cast<MakeProgressWindow>(library.resolve(kMakeProgressWindowSymbol));
            if (make != nullptr) {
                return;
            }
            failures << library.errorString();
        }
        reason = failures.join(QLatin1Char('\n'));
    }
};

} // namespace

QStringList progressWindowModulePaths(const QString& programFolder)
{
    const QDir folder(programFolder);
    return {folder.filePath(kModuleName),
            QDir::cleanPath(folder.filePath(QStringLiteral(NUMBERLARK_MODULE_DIR_FROM_BIN) +
                                            QLatin1Char('/') + kModuleName))};
}

std::function<QWidget*()> progressWindowFactory(ProgressWindowContext context,
                                                QStringList modulePaths)
{
    auto module = std::make_shared<LoadedModule>();
    return [context = std::move(context), paths = std::move(modulePaths), module]() -> QWidget* {
        if (!module->tried) {
            module->load(paths);
        }
        return module->make != nullptr ? module->make(context) : unavailableWindow(module->reason);
    };
}

} // namespace numberlark
