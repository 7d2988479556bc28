#pragma once

#include "output/PageCanvas.h"
#include "progress/ProgressRecords.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace numberlark {

namespace progress {
class ProgressLog;
}

// What an import reports: tests added, lines already in the log, and lines
// that could not be read (never dropped silently: the window shows them).
struct ImportCounts {
    int added = 0;
    int alreadyThere = 0;
    int unreadable = 0;
    QString failure; // empty when the log took the import
};

// Every question the progress window puts to the user, and the world's
// pieces it reaches (printer, file dialogs, the log's import and its choice
// of tricky facts), as replaceable functions so tests can answer them.
struct ProgressSeams {
    std::function<bool(const QString& title, const QString& question)> confirm;
    std::function<void(const QString& title, const QString& text)> inform;
    // File dialogs opened on a suggested path; empty when cancelled.
    std::function<QString(const QString& suggestedPath)> chooseImportFile;
    std::function<QString(const QString& title, const QString& suggestedPath)> choosePdfPath;
    std::function<bool()> hasPrinter;
    // Opens the default printer and draws on it; the reason when it cannot start.
    using Draw = std::function<void(PageCanvas& canvas)>;
    std::function<std::optional<QString>(const Draw& draw)> printOnDefaultPrinter;
    std::function<ImportCounts(progress::ProgressLog& log, const QString& path)> importResults;
    // `count` facts to practise, trickiest most often, never one twice in a row.
    std::function<std::vector<progress::Fact>(const std::vector<progress::FactStats>& stats,
                                              int count)>
        chooseTrickyFacts;
};

// The program's own: message boxes and file dialogs over `parent`, the
// system's default printer, the log's import and tricky-fact choice.
ProgressSeams desktopProgressSeams(QWidget* parent);

} // namespace numberlark
