#include "ui/progress/ProgressSeams.h"

#include <QCoreApplication>

#include "output/PainterCanvas.h"
#include "progress/FactStats.h"
#include "progress/ProgressLog.h"
#include "quiz/RandomSource.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <memory>

namespace numberlark {

namespace {

bool askToConfirm(QWidget* parent, const QString& title, const QString& question)
{
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool askForPdf(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("ProgressSeams", "Printing Error"), text,
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(
        QCoreApplication::translate("ProgressSeams", "Save as PDF..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    return box.clickedButton() == save;
}

QString askForFile(QWidget* parent, const QString& title, const QString& suggested,
                   const QString& filter, bool saving)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) {
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> printOnPrinter(const ProgressSeams::Draw& draw)
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("ProgressSeams", "Numberlark practice sheet"));
    const QString name = printer.printerName();
    PainterCanvas canvas(printer, [&printer, &name] {
        return printer.printerState() == QPrinter::Error
                   ? Outcome::failure(QCoreApplication::translate(
                                          "ProgressSeams", "The printer \"%1\" reported an error.")
                                          .arg(name))
                   : Outcome::success();
    });
    if (canvas.begin().failed()) {
        return QCoreApplication::translate("ProgressSeams",
                                           "The printer \"%1\" could not be started.")
            .arg(name);
    }
    draw(canvas);
    return std::nullopt;
}

} // namespace

ProgressSeams desktopProgressSeams(QWidget* parent)
{
    ProgressSeams seams;
    seams.confirm = [parent](const QString& title, const QString& question) {
        return askToConfirm(parent, title, question);
    };
    seams.inform = [parent](const QString& title, const QString& text) {
        QMessageBox::information(parent, title, text);
    };
    seams.chooseImportFile = [parent](const QString& suggested) {
        return askForFile(
            parent, QCoreApplication::translate("ProgressSeams", "Import Results File"), suggested,
            QCoreApplication::translate("ProgressSeams", "Results files (*.csv);;All files (*)"),
            false);
    };
    seams.choosePdfPath = [parent](const QString& title, const QString& suggested) {
        return askForFile(parent, title, suggested,
                          QCoreApplication::translate("ProgressSeams", "PDF files (*.pdf)"), true);
    };
    seams.hasPrinter = [] { return !QPrinterInfo::defaultPrinter().isNull(); };
    seams.offerPdfInstead = [parent](const QString& text) { return askForPdf(parent, text); };
    seams.printOnDefaultPrinter = printOnPrinter;
    seams.importResults = [](progress::ProgressLog& log, const QString& path) {
        return progress::importResultsFile(log, path);
    };
    seams.chooseTrickyFacts = [random = std::make_shared<ClockSeededRandom>()](
                                  const std::vector<progress::FactStats>& stats, int count) {
        return progress::chooseTrickyFacts(stats, *random, count);
    };
    return seams;
}

} // namespace numberlark
