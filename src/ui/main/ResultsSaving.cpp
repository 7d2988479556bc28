#include "ui/main/ResultsSaving.h"

#include "ui/common/Dialogs.h"

#include <QCoreApplication>

namespace numberlark {

Outcome resultsFileOutcome(const AppendOutcome& appended)
{
    if (appended.ok) {
        return Outcome::success();
    }
    const QString path = QString::fromLocal8Bit(appended.path);
    // The program's own reasons have translations; the system's come in its
    // language already.
    const QString reason = QCoreApplication::translate("ResultsFile", appended.reason.c_str());
    //: %1 is the file's full path, %2 the system's reason.
    const QString message =
        QCoreApplication::translate("ResultsSaving",
                                    "The result could not be saved in the file\n%1\n\n%2.")
            .arg(path, reason);
    return Outcome::failure(message, path, reason);
}

Outcome appendResultsOnce(const ResultsEntry& entry)
{
    return resultsFileOutcome(append_results_line(kResultsFileName, results_line(entry)));
}

bool appendResultsWithRetry(const ResultsEntry& entry, Dialogs& dialogs)
{
    for (;;) {
        const Outcome outcome = appendResultsOnce(entry);
        if (outcome.done()) {
            return true;
        }
        if (!askAfterSaveFailure(dialogs, outcome)) {
            return false;
        }
    }
}

bool askAfterSaveFailure(Dialogs& dialogs, const Outcome& failure)
{
    // No mnemonic on the give-up button: a message box answers a plain
    // letter key with the button it marks, and a child still typing must not
    // throw the line away.
    return dialogs.retryOrGiveUp(
        QCoreApplication::translate("Form1", "Number Lark"), failure.message,
        QCoreApplication::translate("ResultsSaving", "Quit Without Saving"));
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
