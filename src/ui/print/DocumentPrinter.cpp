#include "ui/print/DocumentPrinter.h"

#include "output/PainterCanvas.h"
#include "platform/print/PrintQueueLoader.h"
#include "ui/common/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace numberlark {

namespace {

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// The page is drawn into a PDF for the default printer's paper and handed to
// its queue, which says whether it took the job and how the job went.
Outcome printOnDefaultPrinter(const DocumentPrinter::Printer::Draw& draw,
                              const PrintedDocument& document)
{
    const LoadedModule<PrintService> print = printService();
    if (print.service == nullptr) {
        return Outcome::failure(print.failure);
    }
    const std::optional<DefaultPrinter> printer = print.service->defaultPrinter();
    const QString name = printer ? printer->name : QString();
    Outcome notStarted = Outcome::failure(
        DocumentPrinter::tr("The printer \"%1\" could not be started.").arg(name), name);
    const std::unique_ptr<CertificateQueue> queue =
        printer ? print.service->openQueue(name) : nullptr;
    if (!queue) {
        return notStarted;
    }
    if (std::optional<QString> refused = queue->refusal()) {
        return Outcome::failure(*refused, name);
    }
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    PdfDocument pdf(path, document.pdf, printer->paper);
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
        return Outcome::failure({}, name);
    }
    // Following the job can take a few seconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failed = queue->print(path, document.title);
    QApplication::restoreOverrideCursor();
    return failed ? Outcome::failure(*failed, name) : Outcome::success();
}

} // namespace

QString suggestedPdfName(const QString& name, const QString& withName, const QString& withoutName)
{
    static const QRegularExpression refused(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f\x7f]+)"));
    const QString cleaned = QString(name).replace(refused, QString()).simplified();
    return cleaned.isEmpty() ? withoutName : QString(withName).arg(cleaned);
}

DocumentPrinter::DocumentPrinter(Dialogs& dialogs)
    : m_dialogs(&dialogs), m_printer(defaultPrinter())
{
}

DocumentPrinter::Printer DocumentPrinter::defaultPrinter()
{
    Printer printer;
    // A print module that cannot be loaded is told by the print step, with
    // its reason, not as a missing printer.
    printer.isSetUp = [] {
        const LoadedModule<PrintService> print = printService();
        return print.service == nullptr || print.service->defaultPrinter().has_value();
    };
    printer.print = printOnDefaultPrinter;
    return printer;
}

void DocumentPrinter::print(const PrintedDocument& document)
{
    if (!m_printer.isSetUp()) {
        offerPdf(document, document.noPrinter);
        return;
    }
    const Outcome printed = m_printer.print(
        [this, &document](PageCanvas& canvas) {
            document.draw(canvas, [this](const QString& failure) { showError(failure); });
        },
        document);
    if (printed.failed()) {
        offerPdf(document,
                 printed.message.isEmpty() ? document.notSent.arg(printed.path) : printed.message);
    }
}

// One message for a printer that is missing or cannot start, rather than
// one for every step of the page.
void DocumentPrinter::offerPdf(const PrintedDocument& document, const QString& reason)
{
    if (m_dialogs->offer(tr("Printing Error"),
                         reason + QStringLiteral("\n\n") + document.pdfInstead,
                         tr("Save as PDF..."))) {
        savePdf(document);
    }
}

QString DocumentPrinter::choosePdfPath(const PrintedDocument& document)
{
    return m_dialogs->chooseFileToSave(document.saveDialogTitle,
                                       QDir(documentsFolder()).filePath(document.suggestedName),
                                       tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
}

void DocumentPrinter::savePdf(const PrintedDocument& document)
{
    const QString path = choosePdfPath(document);
    if (!path.isEmpty()) {
        writePdf(document, path);
    }
}

void DocumentPrinter::writePdf(const PrintedDocument& document, const QString& path)
{
    PdfDocument pdf(path, document.pdf);
    if (const Outcome opened = pdf.open(); opened.failed()) {
        showError(opened.message);
        return;
    }
    PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
    if (const Outcome begun = canvas.begin(); begun.failed()) {
        showError(begun.message);
        return;
    }
    document.draw(canvas, [this](const QString& failure) { showError(failure); });
}

void DocumentPrinter::showError(const QString& text)
{
    m_dialogs->tell(tr("Printing Error"), text);
}

} // namespace numberlark
