#include "ui/progress/PracticeSheetPrinter.h"

#include <QCoreApplication>

#include "output/PainterCanvas.h"
#include "output/PracticeSheetPage.h"
#include "ui/progress/ProgressPdf.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace numberlark {

namespace {

QString errorTitle()
{
    return QCoreApplication::translate("PracticeSheetPrinter", "Printing Error");
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

PracticeSheetPrinter::PracticeSheetPrinter(ProgressSeams& seams) : m_seams(seams) {}

QString PracticeSheetPrinter::suggestedPdfName(const QString& child)
{
    static const QRegularExpression refused(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f\x7f]+)"));
    const QString cleaned = QString(child).replace(refused, QString()).simplified();
    return cleaned.isEmpty() ? QStringLiteral("Numberlark practice.pdf")
                             : QStringLiteral("Numberlark practice - %1.pdf").arg(cleaned);
}

void PracticeSheetPrinter::print(const QString& child,
                                 const std::vector<progress::PracticeQuestion>& questions,
                                 bool toPdf)
{
    m_child = child;
    m_questions.clear();
    for (const progress::PracticeQuestion& question : questions) {
        m_questions << QString::fromStdString(question.text);
    }
    if (toPdf) {
        savePdf();
        return;
    }
    if (!m_seams.hasPrinter()) {
        offerPdf(QCoreApplication::translate(
            "PracticeSheetPrinter", "No printer is set up as the default on this computer, so the "
                                    "practice sheet cannot be printed."));
        return;
    }
    if (const auto notStarted =
            m_seams.printOnDefaultPrinter([this](PageCanvas& canvas) { drawPage(canvas); })) {
        offerPdf(*notStarted);
    }
}

void PracticeSheetPrinter::offerPdf(const QString& reason)
{
    if (m_seams.offerPdfInstead(
            reason + QCoreApplication::translate("PracticeSheetPrinter",
                                                 "\n\nWould you like to save the practice "
                                                 "sheet as a PDF file instead?"))) {
        savePdf();
    }
}

void PracticeSheetPrinter::savePdf()
{
    const QString path = m_seams.choosePdfPath(
        QCoreApplication::translate("PracticeSheetPrinter", "Save Practice Sheet as PDF"),
        QDir(documentsFolder()).filePath(suggestedPdfName(m_child)));
    if (path.isEmpty()) {
        return;
    }
    ProgressPdf pdf(
        path, QCoreApplication::translate("PracticeSheetPrinter", "practice sheet"),
        QCoreApplication::translate("PracticeSheetPrinter", "Numberlark practice sheet"));
    if (const QString failed = pdf.open(); !failed.isEmpty()) {
        m_seams.inform(errorTitle(), failed);
        return;
    }
    PainterCanvas canvas(pdf.writer(), [&pdf] {
        const QString failed = pdf.commit();
        return failed.isEmpty() ? Outcome::success() : Outcome::failure(failed);
    });
    if (const Outcome begun = canvas.begin(); begun.failed()) {
        m_seams.inform(errorTitle(), begun.message);
        return;
    }
    drawPage(canvas);
}

// Each failing step is told once; the page still ends, so nothing is left half open.
void PracticeSheetPrinter::drawPage(PageCanvas& canvas)
{
    PracticeSheetPage page(m_child, m_questions);
    page.draw(canvas, [this](const QString& failure) { m_seams.inform(errorTitle(), failure); });
}

} // namespace numberlark
