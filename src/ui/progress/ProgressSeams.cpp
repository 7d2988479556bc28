#include "ui/progress/ProgressSeams.h"

#include "progress/FactStats.h"
#include "quiz/RandomSource.h"

#include <QCoreApplication>

namespace numberlark {

ProgressSeams desktopProgressSeams(QWidget* parent)
{
    ProgressSeams seams;
    seams.dialogs = std::make_shared<DesktopDialogs>(parent);
    seams.printer = DocumentPrinter::defaultPrinter();
    seams.chooseTrickyFacts = [random = std::make_shared<ClockSeededRandom>()](
                                  const std::vector<progress::FactStats>& stats, int count) {
        return progress::chooseTrickyFacts(stats, *random, count);
    };
    return seams;
}

QString chooseImportFile(Dialogs& dialogs, const QString& suggestedPath)
{
    return dialogs.chooseFileToOpen(
        QCoreApplication::translate("ProgressSeams", "Import Results File"), suggestedPath,
        QCoreApplication::translate("ProgressSeams", "Results files (*.csv);;All files (*)"));
}

} // namespace numberlark
