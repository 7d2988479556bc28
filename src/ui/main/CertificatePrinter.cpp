#include "ui/main/CertificatePrinter.h"

#include <memory>

namespace numberlark {

namespace {

const char* const kDocumentName = QT_TRANSLATE_NOOP("CertificatePrinter", "Numberlark certificate");
const char* const kPdfQuestion = QT_TRANSLATE_NOOP(
    "CertificatePrinter", "Would you like to save the certificate as a PDF file instead? "
                          "You can print the PDF later, or on another computer.");

} // namespace

CertificatePrinter::CertificatePrinter(QuizSession& session, QWidget* parent)
    : m_session(session), m_desktopDialogs(parent), m_documents(m_desktopDialogs)
{
}

QString CertificatePrinter::suggestedPdfName(const QString& name)
{
    //: The suggested file name; %1 is the child's name.
    return numberlark::suggestedPdfName(name, tr("Numberlark certificate - %1.pdf"),
                                        tr("Numberlark certificate.pdf"));
}

bool CertificatePrinter::allowed() const
{
    return m_session.record().allow_printing;
}

void CertificatePrinter::MnuPrint_Click(const CertificateWindowValues& window)
{
    if (allowed()) {
        m_documents.print(document(window));
    }
}

void CertificatePrinter::Cmdprint_Click(int /*index*/, const CertificateWindowValues& window)
{
    MnuPrint_Click(window);
}

void CertificatePrinter::MnuSavePdf_Click(const CertificateWindowValues& window)
{
    if (allowed()) {
        m_documents.savePdf(document(window));
    }
}

PrintedDocument CertificatePrinter::document(const CertificateWindowValues& window)
{
    PrintedDocument page;
    page.title = tr(kDocumentName);
    page.saveDialogTitle = tr("Save Certificate as PDF");
    page.suggestedName = suggestedPdfName(window.name);
    page.noPrinter = tr("No printer is set up as the default on this computer, so the "
                        "certificate cannot be printed.");
    page.pdfInstead = tr(kPdfQuestion);
    page.notSent = tr("The certificate could not be sent to the printer \"%1\".");
    page.pdf = {page.title,
                QCoreApplication::translate("PdfDocument",
                                            "The certificate could not be saved as \"%1\": %2"),
                QCoreApplication::translate("PdfDocument",
                                            "The certificate could not be written to \"%1\": %2")};
    page.draw = [this, window](PageCanvas& canvas, const PrintedDocument::FailureReport& report) {
        const SessionRecord& record = m_session.record();
        CertificatePage certificate({window.name, record.Numofquestions, window.mixed,
                                     record.current_table, record.clock_seconds, window.dateLine},
                                    practiceQuestions());
        certificate.draw(canvas, report);
    };
    return page;
}

// After the test the practice questions simply continue the generator's
// sequence. During a test they run on their own copy of the generator state,
// swapped in for each draw only, so the question on screen, its product and
// the previous product stay as they were even while an error box is open.
CertificatePage::NextQuestion CertificatePrinter::practiceQuestions()
{
    if (!m_session.isRunning()) {
        return [this] { return m_session.practiceQuestion(); };
    }
    auto practice = std::make_shared<QuizSession::SavedQuestion>(m_session.saveQuestion());
    return [this, practice] {
        const QuizSession::SavedQuestion onScreen = m_session.saveQuestion();
        m_session.restoreQuestion(*practice);
        std::string question = m_session.practiceQuestion();
        *practice = m_session.saveQuestion();
        m_session.restoreQuestion(onScreen);
        return question;
    };
}

} // namespace numberlark
