#pragma once

#include "output/CertificatePage.h"
#include "output/PageCanvas.h"
#include "quiz/QuizSession.h"
#include "ui/common/Dialogs.h"
#include "ui/print/DocumentPrinter.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace numberlark {

// What the main window shows at the moment of printing.
struct CertificateWindowValues {
    QString name;       // the name box (TxtAnswer) after the test
    QString dateLine;   // the caption of the date label (Lbldate)
    bool mixed = false; // the "Mixed" option (Option1(11)) is selected
};

// Prints the certificate page on the default printer, or saves it as a PDF,
// through the document printer. Both are allowed only while printing is
// enabled in the session record. A failing step of the page is shown in a
// "Printing Error" box and the page goes on; with no printer at all, or one
// that refuses or fails the job, the user gets one message that offers a PDF
// instead. During a running test the question on screen keeps its product;
// after the test the practice questions continue the sequence.
class CertificatePrinter {
    Q_DECLARE_TR_FUNCTIONS(CertificatePrinter)

public:
    CertificatePrinter(QuizSession& session, QWidget* parent);

    // Tests answer the boxes and dialogs, and stand in for the printer.
    void useDialogs(Dialogs& dialogs) { m_documents.useDialogs(dialogs); }
    DocumentPrinter::Printer& printer() { return m_documents.printer(); }

    // File, Print and the Print button: the page to the default printer,
    // without a dialog.
    void MnuPrint_Click(const CertificateWindowValues& window);
    void Cmdprint_Click(int index, const CertificateWindowValues& window);
    // File, "Save Certificate as PDF...": the same page to a chosen file.
    void MnuSavePdf_Click(const CertificateWindowValues& window);

    // "Numberlark certificate - Sam.pdf", without characters that file
    // systems refuse; "Numberlark certificate.pdf" for an empty name.
    static QString suggestedPdfName(const QString& name);

private:
    bool allowed() const;
    PrintedDocument document(const CertificateWindowValues& window);
    CertificatePage::NextQuestion practiceQuestions();

    QuizSession& m_session;
    DesktopDialogs m_desktopDialogs;
    DocumentPrinter m_documents;
};

} // namespace numberlark
