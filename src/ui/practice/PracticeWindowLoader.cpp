#include "ui/practice/PracticeWindowLoader.h"

#include "modules/ModuleLoader.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace numberlark {

namespace {

const QString kModuleName = QStringLiteral("libnumberlark_practice_window.so");

QWidget* unavailableWindow(const QString& reason)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("FrmPracticeUnavailable"));
    window->setWindowTitle(QCoreApplication::translate("PracticeWindowLoader", "Practice"));
    auto* label =
        new QLabel(QCoreApplication::translate(
                       "PracticeWindowLoader",
                       "The practice window could not be opened.\n\n%1\n\nInstalling Numberlark "
                       "again should bring it back.")
                       .arg(reason),
                   window);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(label);
    window->resize(520, 200);
    return window;
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
