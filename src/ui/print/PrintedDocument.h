#pragma once

#include "output/PageCanvas.h"
#include "output/PdfDocument.h"

#include <QString>

#include <functional>

namespace numberlark {

// A page the program puts on paper or in a PDF, and the sentences that name
// it. Each document brings its own whole sentences, so every language can
// say them its own way.
struct PrintedDocument {
    // A failing step of the page, told to the user; the page goes on.
    using FailureReport = std::function<void(const QString& description)>;
    using Draw = std::function<void(PageCanvas& canvas, const FailureReport& report)>;

    QString title;           // the print job's and the PDF's title
    QString saveDialogTitle; // "Save Certificate as PDF"
    QString suggestedName;   // the file name the save dialog offers (suggestedPdfName)
    QString noPrinter;       // why it cannot be printed when there is no default printer
    QString pdfInstead;      // the offer of a PDF instead, after the reason
    QString notSent;         // %1 is the printer: the page never reached its queue
    PdfDocument::Sentences pdf;
    Draw draw;
};

// "<withName>" with the name made safe for any file system (%1), or
// `withoutName` when nothing of the name is left.
QString suggestedPdfName(const QString& name, const QString& withName, const QString& withoutName);

} // namespace numberlark
