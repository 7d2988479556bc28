#pragma once

#include "output/CertificatePage.h"
#include "output/PageCanvas.h"
#include "quiz/QuizSession.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace numberlark {

// What the main window shows at the moment of printing.
struct CertificateWindowValues {
    QString name;       // the name box (TxtAnswer) after the test
    QString dateLine;   // the caption of the date label (Lbldate)
    bool mixed = false; // the "Mixed" option (Option1(11)) is selected
};

// Prints the certificate page on the default printer, or saves it as a PDF.
// Both are allowed only while printing is enabled in the session record.
// A failing step of the page is shown in a "Printing Error" box and the page
// goes on; with no printer at all, or one that refuses or fails the job, the
// user gets one message that offers a PDF instead. During a running test the question on screen
// keeps its product; after the test the practice questions continue the sequence.
class CertificatePrinter {
    Q_DECLARE_TR_FUNCTIONS(CertificatePrinter)

public:
    // The platform pieces the flows meet; tests replace them.
    struct Seams {
        // A box titled "Printing Error" with the text and an OK button.
        std::function<void(const QString& text)> showPrintingError;
        // A "Printing Error" box offering a PDF instead; true to save one.
        std::function<bool(const QString& text)> offerPdfInstead;
        // The save dialog, opened on the suggested path; empty when cancelled.
        std::function<QString(const QString& suggestedPath)> choosePdfPath;
        // Whether the system has a default printer.
        std::function<bool()> hasPrinter;
        // Opens the default printer and draws the page on it; the reason
        // when the printer cannot be started, or refuses or fails the job.
        using Draw = std::function<void(PageCanvas& canvas)>;
        std::function<std::optional<QString>(const Draw& draw)> printOnDefaultPrinter;
    };

    CertificatePrinter(QuizSession& session, QWidget* parent);

    Seams& seams() { return m_seams; }

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
    void offerPdf(const QString& reason, const CertificateWindowValues& window);
    void savePdf(const CertificateWindowValues& window);
    void writePdf(const QString& path, const CertificateWindowValues& window);
    void drawPage(PageCanvas& canvas, const CertificateWindowValues& window);
    CertificatePage::NextQuestion practiceQuestions();
    Seams desktopSeams() const;

    QuizSession& m_session;
    QWidget* m_parent;
    Seams m_seams;
};

} // namespace numberlark
