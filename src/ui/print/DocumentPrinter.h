#pragma once

#include "outcome/Outcome.h"
#include "ui/print/PrintedDocument.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace numberlark {

class Dialogs;

// Puts a page on the default printer without a dialog, or in a PDF through
// one save dialog (the Documents folder and the document's suggested name).
// Every way the printer can fail, from a print module that cannot be loaded
// to a queue that refuses or a job that fails, gives one "Printing Error"
// box with the reason and the offer of a PDF instead.
class DocumentPrinter {
    Q_DECLARE_TR_FUNCTIONS(DocumentPrinter)

public:
    // The printer, as the print flow meets it; tests replace it.
    struct Printer {
        // Whether the desktop has a default printer.
        std::function<bool()> isSetUp;
        // Draws the page for the default printer and sends it there as one
        // job; the reason when the printer cannot be started, or refuses or
        // fails the job (no message: the page never reached the queue).
        using Draw = std::function<void(PageCanvas& canvas)>;
        std::function<Outcome(const Draw& draw, const PrintedDocument& document)> print;
    };

    explicit DocumentPrinter(Dialogs& dialogs);

    void useDialogs(Dialogs& dialogs) { m_dialogs = &dialogs; }
    Printer& printer() { return m_printer; }

    void print(const PrintedDocument& document);
    void savePdf(const PrintedDocument& document);

    // The save dialog alone; empty when cancelled.
    QString choosePdfPath(const PrintedDocument& document);

    // The desktop's default printer through its CUPS queue (the print module).
    static Printer defaultPrinter();

private:
    void offerPdf(const PrintedDocument& document, const QString& reason);
    void writePdf(const PrintedDocument& document, const QString& path);
    void showError(const QString& text);

    Dialogs* m_dialogs;
    Printer m_printer;
};

} // namespace numberlark
