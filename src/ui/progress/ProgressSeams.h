#pragma once

#include "output/PageCanvas.h"
#include "progress/ProgressRecords.h"
#include "progress/TrickyFacts.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace numberlark {

// Every question the progress window puts to the user, and the world's
// pieces it reaches (printer, file dialogs and the log's choice of tricky
// facts), as replaceable functions so tests can answer them.
struct ProgressSeams {
    std::function<bool(const QString& title, const QString& question)> confirm;
    std::function<void(const QString& title, const QString& text)> inform;
    // File dialogs opened on a suggested path; empty when cancelled.
    std::function<QString(const QString& suggestedPath)> chooseImportFile;
    std::function<QString(const QString& title, const QString& suggestedPath)> choosePdfPath;
    std::function<bool()> hasPrinter;
    // A "Printing Error" box offering a PDF instead; true to save one.
    std::function<bool(const QString& text)> offerPdfInstead;
    // Opens the default printer and draws on it; the reason when it cannot start.
    using Draw = std::function<void(PageCanvas& canvas)>;
    std::function<std::optional<QString>(const Draw& draw)> printOnDefaultPrinter;
    // `count` questions on the trickiest facts, never one twice in a row.
    std::function<std::vector<progress::PracticeQuestion>(
        const std::vector<progress::FactStats>& stats, int count)>
        chooseTrickyFacts;
};

// The program's own: message boxes and file dialogs over `parent`, the
// system's default printer and the log's tricky-fact choice.
ProgressSeams desktopProgressSeams(QWidget* parent);

} // namespace numberlark
