#include "ui/main/ResultsSaving.h"

#include "output/ResultsFile.h"
#include "ui/common/Dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace numberlark {

bool appendResultsWithRetry(const ResultsEntry& entry, const SaveFailurePrompt& prompt)
{
    const std::string line = results_line(entry);
    for (;;) {
        const AppendOutcome outcome = append_results_line(kResultsFileName, line);
        if (outcome.ok) {
            return true;
        }
        const auto choice =
            prompt ? prompt(QString::fromLocal8Bit(outcome.path),
                            // The program's own reasons have translations;
                            // the system's come in its language already.
                            QCoreApplication::translate("ResultsFile", outcome.reason.c_str()))
                   : SaveFailureChoice::QuitWithoutSaving;
        if (choice == SaveFailureChoice::QuitWithoutSaving) {
            return false;
        }
    }
}

SaveFailureChoice askAfterSaveFailure(QWidget* parent, const QString& path, const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Form1", "Number Lark"),
                    //: %1 is the file's full path, %2 the system's reason.
                    QCoreApplication::translate(
                        "ResultsSaving", "The result could not be saved in the file\n%1\n\n%2.")
                        .arg(path, reason),
                    QMessageBox::NoButton, parent);
    QPushButton* retry = box.addButton(QMessageBox::Retry);
    // No mnemonic: a message box answers a plain letter key with the button
    // it marks, and a child still typing must not throw the line away.
    box.addButton(QCoreApplication::translate("ResultsSaving", "Quit Without Saving"),
                  QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(retry);
    box.exec();
    return box.clickedButton() == retry ? SaveFailureChoice::Retry
                                        : SaveFailureChoice::QuitWithoutSaving;
}

std::function<void(const QString& message)> progressNoticeBox(QWidget* parent)
{
    auto dialogs = std::make_shared<DesktopDialogs>(parent);
    return [dialogs](const QString& message) {
        dialogs->tell(QCoreApplication::translate("ProgressRecording", "Progress"), message,
                      QMessageBox::Warning);
    };
}

} // namespace numberlark
