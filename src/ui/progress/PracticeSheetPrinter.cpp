#include "ui/progress/PracticeSheetPrinter.h"

#include "output/PracticeSheetPage.h"

#include <QStringList>

namespace numberlark {

PracticeSheetPrinter::PracticeSheetPrinter(ProgressSeams& seams) : m_seams(seams) {}

QString PracticeSheetPrinter::suggestedPdfName(const QString& child)
{
    return numberlark::suggestedPdfName(child, QStringLiteral("Numberlark practice - %1.pdf"),
                                        QStringLiteral("Numberlark practice.pdf"));
}

void PracticeSheetPrinter::print(const QString& child,
                                 const std::vector<progress::PracticeQuestion>& questions,
                                 bool toPdf)
{
    QStringList texts;
    for (const progress::PracticeQuestion& question : questions) {
        texts << QString::fromStdString(question.text);
    }
    PrintedDocument sheet;
    sheet.title = tr("Numberlark practice sheet");
    sheet.saveDialogTitle = tr("Save Practice Sheet as PDF");
    sheet.suggestedName = suggestedPdfName(child);
    sheet.noPrinter = tr("No printer is set up as the default on this computer, so the "
                         "practice sheet cannot be printed.");
    sheet.pdfInstead = tr("Would you like to save the practice sheet as a PDF file instead?");
    sheet.notSent = tr("The practice sheet could not be sent to the printer \"%1\".");
    //: %1 is the file, %2 the system's reason.
    sheet.pdf = {sheet.title, tr("The practice sheet could not be saved as \"%1\": %2"),
                 //: %1 is the file, %2 the system's reason.
                 tr("The practice sheet could not be written to \"%1\": %2")};
    // Each failing step is told once; the page still ends, so nothing is left half open.
    sheet.draw = [child, texts](PageCanvas& canvas, const PrintedDocument::FailureReport& report) {
        PracticeSheetPage(child, texts).draw(canvas, report);
    };
    DocumentPrinter printer(*m_seams.dialogs);
    printer.printer() = m_seams.printer;
    if (toPdf) {
        printer.savePdf(sheet);
    } else {
        printer.print(sheet);
    }
}

} // namespace numberlark
