#include "ui/practice/PracticeWindowLoader.h"

#include "ui/common/WindowModule.h"

#include <QCoreApplication>

namespace numberlark {

namespace {

const QString kModuleName = QStringLiteral("libnumberlark_practice_window.so");

WindowModuleNames unavailableNames()
{
    return {QStringLiteral("FrmPracticeUnavailable"),
            QCoreApplication::translate("PracticeWindowLoader", "Practice"),
            QCoreApplication::translate("PracticeWindowLoader",
                                        "The practice window could not be opened.\n\n%1\n\n"
                                        "Installing Numberlark again should bring it back.")};
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
        PracticeWindowContext forChild = context;
        forChild.child = child;
        return windowFromModule<PracticeWindowMaker>(paths, forChild, unavailableNames);
    };
}

} // namespace numberlark
