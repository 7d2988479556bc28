#include "ui/practice/PracticeWindowLoader.h"

#include "modules/ModuleLoader.h"
#include "ui/common/UnavailableWindow.h"

#include <QCoreApplication>

namespace numberlark {

namespace {

const QString kModuleName = QStringLiteral("libnumberlark_practice_window.so");

QWidget* unavailableWindow(const QString& reason)
{
    return numberlark::unavailableWindow(
        QStringLiteral("FrmPracticeUnavailable"),
        QCoreApplication::translate("PracticeWindowLoader", "Practice"),
        QCoreApplication::translate("PracticeWindowLoader",
                                    "The practice window could not be opened.\n\n%1\n\nInstalling "
                                    "Numberlark again should bring it back.")
            .arg(reason));
}

} // namespace

QStringList practiceWindowModulePaths(const QString& programFolder)
{
    return modulePaths(kModuleName, programFolder);
}

PracticeWindowFactory practiceWindowFactory(PracticeWindowContext context, QStringList modulePaths)
{
    return [context = std::move(context),
            paths = std::move(modulePaths)](const QString& child) -> QWidget* {
        const auto maker = loadModule<PracticeWindowMaker>(paths);
        if (maker.service == nullptr) {
            return unavailableWindow(maker.failure);
        }
        PracticeWindowContext forChild = context;
        forChild.child = child;
        return maker.service->make(forChild);
    };
}

} // namespace numberlark
