#pragma once

#include "outcome/Outcome.h"
#include "ui/print/PrintedDocument.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
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
        // Finds the default printer, draws the page for it and sends it there
        // as one job; the reason when there is no default printer (the
        // document's own sentence), the printer does not answer or cannot be
        // started, or refuses or fails the job (no message: the page never
        // reached the queue).
        using Draw = std::function<void(PageCanvas& canvas)>;
        std::function<Outcome(const Draw& draw, const PrintedDocument& document)> print;
    };

    explicit DocumentPrinter(Dialogs& dialogs);

    void useDialogs(Dialogs& dialogs) { m_dialogs = &dialogs; }
    Printer& printer() { return m_printer; }

    void print(const PrintedDocument& document);
    // The save dialog, then the PDF; a failure is told once, with the path
    // and the reason, however many steps of the page it spoiled.
    void savePdf(const PrintedDocument& document);

    // The save dialog alone; empty when cancelled.
    QString choosePdfPath(const PrintedDocument& document);
    // Draws the document into a PDF at `path`; the first failure, of the file
    // or of a step of the page, with the path.
    static Outcome writePdf(const PrintedDocument& document, const QString& path);

    // How long a print may keep the user waiting for the print server.
    static constexpr std::chrono::milliseconds kAnswerWithin{10'000};

    // The desktop's default printer through its CUPS queue (the print module),
    // never asked on the window's thread.
    static Printer defaultPrinter();
    static Printer defaultPrinter(std::chrono::milliseconds answerWithin,
                                  const QStringList& printModule);

private:
    void offerPdf(const PrintedDocument& document, const QString& reason);
    void showError(const QString& text);

    Dialogs* m_dialogs;
    Printer m_printer;
};

} // namespace numberlark
