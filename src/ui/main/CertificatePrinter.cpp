#include "ui/main/CertificatePrinter.h"

#include "output/PainterCanvas.h"
#include "output/PdfDocument.h"
#include "platform/print/PrintQueueLoader.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace numberlark {

namespace {

const char* const kErrorTitle = QT_TRANSLATE_NOOP("CertificatePrinter", "Printing Error");
const char* const kDocumentName = QT_TRANSLATE_NOOP("CertificatePrinter", "Numberlark certificate");
const char* const kPdfQuestion = QT_TRANSLATE_NOOP(
    "CertificatePrinter", "Would you like to save the certificate as a PDF file instead? "
                          "You can print the PDF later, or on another computer.");

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void showError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, CertificatePrinter::tr(kErrorTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool askForPdf(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, CertificatePrinter::tr(kErrorTitle), text,
                    QMessageBox::NoButton, parent);
    QPushButton* save =
        box.addButton(CertificatePrinter::tr("Save as PDF..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    return box.clickedButton() == save;
}

QString askForPdfPath(QWidget* parent, const QString& suggestedPath)
{
    QFileDialog dialog(parent, CertificatePrinter::tr("Save Certificate as PDF"), suggestedPath,
                       CertificatePrinter::tr("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

// The page is drawn into a PDF for the default printer's paper and handed to
// its queue, which says whether it took the job and how the job went.
std::optional<QString> printOnPrinter(const CertificatePrinter::Seams::Draw& draw)
{
    const LoadedModule<PrintService> print = printService();
    if (print.service == nullptr) {
        return print.failure;
    }
    const std::optional<DefaultPrinter> printer = print.service->defaultPrinter();
    const QString name = printer ? printer->name : QString();
    const QString notStarted =
        CertificatePrinter::tr("The printer \"%1\" could not be started.").arg(name);
    const std::unique_ptr<CertificateQueue> queue =
        printer ? print.service->openQueue(name) : nullptr;
    if (!queue) {
        return notStarted;
    }
    if (std::optional<QString> refused = queue->refusal()) {
        return refused;
    }
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("certificate.pdf"));
    PdfDocument pdf(path, printer->paper);
    if (!folder.isValid() || pdf.open().failed()) {
        return notStarted;
    }
    {
        PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
        if (canvas.begin().failed()) {
            return notStarted;
        }
        draw(canvas);
    }
    if (!QFileInfo::exists(path)) {
        return CertificatePrinter::tr("The certificate could not be sent to the printer \"%1\".")
            .arg(name);
    }
    // Following the job can take a few seconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<QString> failed = queue->print(path, CertificatePrinter::tr(kDocumentName));
    QApplication::restoreOverrideCursor();
    return failed;
}

} // namespace

CertificatePrinter::CertificatePrinter(QuizSession& session, QWidget* parent)
    : m_session(session), m_parent(parent), m_seams(desktopSeams())
{
}

CertificatePrinter::Seams CertificatePrinter::desktopSeams() const
{
    QWidget* parent = m_parent;
    Seams seams;
    seams.showPrintingError = [parent](const QString& text) { showError(parent, text); };
    seams.offerPdfInstead = [parent](const QString& text) { return askForPdf(parent, text); };
    seams.choosePdfPath = [parent](const QString& path) { return askForPdfPath(parent, path); };
    // A print module that cannot be loaded is told by the print step, with
    // its reason, not as a missing printer.
    seams.hasPrinter = [] {
        const LoadedModule<PrintService> print = printService();
        return print.service == nullptr || print.service->defaultPrinter().has_value();
    };
    seams.printOnDefaultPrinter = printOnPrinter;
    return seams;
}

QString CertificatePrinter::suggestedPdfName(const QString& name)
{
    static const QRegularExpression refused(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f\x7f]+)"));
    QString cleaned = name;
    cleaned.replace(refused, QString());
    cleaned = cleaned.simplified();
    if (cleaned.isEmpty()) {
        return tr("Numberlark certificate.pdf");
    }
    //: The suggested file name; %1 is the child's name.
    return tr("Numberlark certificate - %1.pdf").arg(cleaned);
}

bool CertificatePrinter::allowed() const
{
    return m_session.record().allow_printing;
}

void CertificatePrinter::MnuPrint_Click(const CertificateWindowValues& window)
{
    if (!allowed()) {
        return;
    }
    if (!m_seams.hasPrinter()) {
        offerPdf(tr("No printer is set up as the default on this computer, so the "
                    "certificate cannot be printed."),
                 window);
        return;
    }
    const std::optional<QString> notStarted = m_seams.printOnDefaultPrinter(
        [this, &window](PageCanvas& canvas) { drawPage(canvas, window); });
    if (notStarted) {
        offerPdf(*notStarted, window);
    }
}

void CertificatePrinter::Cmdprint_Click(int /*index*/, const CertificateWindowValues& window)
{
    MnuPrint_Click(window);
}

void CertificatePrinter::MnuSavePdf_Click(const CertificateWindowValues& window)
{
    if (allowed()) {
        savePdf(window);
    }
}

// One message for a printer that is missing or cannot start, rather than
// one for every step of the page.
void CertificatePrinter::offerPdf(const QString& reason, const CertificateWindowValues& window)
{
    if (m_seams.offerPdfInstead(reason + QStringLiteral("\n\n") + tr(kPdfQuestion))) {
        savePdf(window);
    }
}

void CertificatePrinter::savePdf(const CertificateWindowValues& window)
{
    const QString suggested = QDir(documentsFolder()).filePath(suggestedPdfName(window.name));
    const QString path = m_seams.choosePdfPath(suggested);
    if (!path.isEmpty()) {
        writePdf(path, window);
    }
}

void CertificatePrinter::writePdf(const QString& path, const CertificateWindowValues& window)
{
    PdfDocument pdf(path);
    if (const Outcome opened = pdf.open(); opened.failed()) {
        m_seams.showPrintingError(opened.message);
        return;
    }
    PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
    if (const Outcome begun = canvas.begin(); begun.failed()) {
        m_seams.showPrintingError(begun.message);
        return;
    }
    drawPage(canvas, window);
}

void CertificatePrinter::drawPage(PageCanvas& canvas, const CertificateWindowValues& window)
{
    const SessionRecord& record = m_session.record();
    CertificatePage page({window.name, record.Numofquestions, window.mixed, record.current_table,
                          record.clock_seconds, window.dateLine},
                         practiceQuestions());
    page.draw(canvas, [this](const QString& failure) { m_seams.showPrintingError(failure); });
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
