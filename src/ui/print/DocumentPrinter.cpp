#include "ui/print/DocumentPrinter.h"

#include "output/PainterCanvas.h"
#include "platform/print/PrintQueueLoader.h"
#include "ui/common/Dialogs.h"
#include "ui/common/WaitOffThread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <mutex>

namespace numberlark {

namespace {

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// The print server is asked by one thread at a time: a try made while an
// earlier one still waits for a server that does not answer waits its turn,
// off the window's thread, rather than joining it inside the print client.
// Never destroyed: a thread left waiting may outlive main().
std::mutex& printServerTurn()
{
    static auto* const turn = new std::mutex;
    return *turn;
}

// The default printer and its queue, as found on a thread of the print's own.
struct FoundPrinter {
    Outcome moduleFailure; // the print module could not be loaded
    std::optional<DefaultPrinter> printer;
    std::shared_ptr<CertificateQueue> queue;
    std::optional<QString> refusal;
};

FoundPrinter findDefaultPrinter(const QStringList& printModule)
{
    const std::lock_guard turn(printServerTurn());
    FoundPrinter found;
    const LoadedModule<PrintService> print = printService(printModule);
    if (print.service == nullptr) {
        found.moduleFailure = print.failure;
        return found;
    }
    found.printer = print.service->defaultPrinter();
    if (found.printer) {
        found.queue = print.service->openQueue(found.printer->name);
        if (found.queue) {
            found.refusal = found.queue->refusal();
        }
    }
    return found;
}

std::chrono::milliseconds left(std::chrono::steady_clock::time_point deadline)
{
    return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now()),
                    std::chrono::milliseconds(0));
}

// The printer is found and the job sent and followed off the window's
// thread, within one time limit; the page is drawn into a PDF for the
// printer's paper on the window's thread in between. A print server that
// takes the connection and never answers is told as such when the time is
// up, and the thread left waiting on it owns all it uses.
Outcome printOnDefaultPrinter(const DocumentPrinter::Printer::Draw& draw,
                              const PrintedDocument& document, const QStringList& printModule,
                              std::chrono::milliseconds answerWithin)
{
    const auto deadline = std::chrono::steady_clock::now() + answerWithin;
    const QString noAnswer = DocumentPrinter::tr("The printer does not answer.");
    const std::optional<FoundPrinter> found = waitOffThread<FoundPrinter>(
        [printModule] { return findDefaultPrinter(printModule); }, left(deadline));
    if (!found) {
        return Outcome::failure(noAnswer);
    }
    if (found->moduleFailure.failed()) {
        return found->moduleFailure;
    }
    if (!found->printer) {
        return Outcome::failure(document.noPrinter);
    }
    const QString name = found->printer->name;
    const auto notStarted = [&name] {
        return Outcome::failure(
            DocumentPrinter::tr("The printer \"%1\" could not be started.").arg(name), name);
    };
    if (!found->queue) {
        return notStarted();
    }
    if (found->refusal) {
        return Outcome::failure(*found->refusal, name);
    }
    const auto folder = std::make_shared<const QTemporaryDir>();
    const QString path = folder->filePath(QStringLiteral("page.pdf"));
    PdfDocument pdf(path, document.pdf, found->printer->paper);
    if (!folder->isValid() || pdf.open().failed()) {
        return notStarted();
    }
    {
        PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
        if (canvas.begin().failed()) {
            return notStarted();
        }
        draw(canvas);
    }
    if (!QFileInfo::exists(path)) {
        return Outcome::failure({}, name);
    }
    // Following the job can take a few seconds.
    const std::optional<std::optional<QString>> sent = waitOffThread<std::optional<QString>>(
        [queue = found->queue, folder, path, title = document.title] {
            const std::lock_guard turn(printServerTurn());
            return queue->print(path, title);
        },
        left(deadline));
    if (!sent) {
        return Outcome::failure(noAnswer, name);
    }
    return *sent ? Outcome::failure(**sent, name) : Outcome::success();
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

DocumentPrinter::Printer DocumentPrinter::defaultPrinter(std::chrono::milliseconds answerWithin,
                                                         const QStringList& printModule)
{
    Printer printer;
    printer.print = [printModule, answerWithin](const Printer::Draw& draw,
                                                const PrintedDocument& document) {
        return printOnDefaultPrinter(draw, document, printModule, answerWithin);
    };
    return printer;
}

DocumentPrinter::Printer DocumentPrinter::defaultPrinter()
{
    return defaultPrinter(kAnswerWithin, printModulePaths());
}

void DocumentPrinter::print(const PrintedDocument& document)
{
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
    if (path.isEmpty()) {
        return;
    }
    if (const Outcome written = writePdf(document, path); written.failed()) {
        showError(written.message);
    }
}

Outcome DocumentPrinter::writePdf(const PrintedDocument& document, const QString& path)
{
    PdfDocument pdf(path, document.pdf);
    if (Outcome opened = pdf.open(); opened.failed()) {
        return opened;
    }
    PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
    if (Outcome begun = canvas.begin(); begun.failed()) {
        return begun;
    }
    // Once a step failed the rest usually fails for the same reason.
    Outcome first;
    document.draw(canvas, [&first, &path](const QString& failure) {
        if (first.done()) {
            first = Outcome::failure(failure, path);
        }
    });
    return first;
}

void DocumentPrinter::showError(const QString& text)
{
    m_dialogs->tell(tr("Printing Error"), text);
}

} // namespace numberlark
