#pragma once

#include "progress/ProgressRecords.h"
#include "progress/TrickyFacts.h"
#include "ui/common/Dialogs.h"
#include "ui/print/DocumentPrinter.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace numberlark {

// The world's pieces the progress window reaches (boxes and file dialogs,
// the printer and the log's choice of tricky facts), replaceable
// so tests can answer them.
struct ProgressSeams {
    std::shared_ptr<Dialogs> dialogs;
    DocumentPrinter::Printer printer;
    // `count` questions on the trickiest facts, never one twice in a row.
    std::function<std::vector<progress::PracticeQuestion>(
        const std::vector<progress::FactStats>& stats, int count)>
        chooseTrickyFacts;
};

// The program's own: message boxes and file dialogs over `parent`, the
// system's default printer and the log's tricky-fact choice.
ProgressSeams desktopProgressSeams(QWidget* parent);

// The open dialog for a results file to bring in; empty when cancelled.
QString chooseImportFile(Dialogs& dialogs, const QString& suggestedPath);

} // namespace numberlark
