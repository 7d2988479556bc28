#pragma once

#include "ui/common/Dialogs.h"

#include <QString>

#include <functional>
#include <vector>

namespace numberlark::testing {

// Answers every box and file dialog as the test says, and keeps what each
// one showed.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text; // for a file dialog, the suggested path
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    std::vector<Shown> told, confirmed, offered, retries, saveDialogs, openDialogs;
    bool confirmAnswer = false;
    bool acceptOffer = true;
    std::function<bool()> retryAnswer; // unset: give up at once
    QString pathToSave;                // empty: the save dialog is cancelled
    QString pathToOpen;                // empty: the open dialog is cancelled

    void tell(const QString& title, const QString& text, QMessageBox::Icon icon) override
    {
        told.push_back({title, text, icon});
    }
    bool confirm(const QString& title, const QString& question) override
    {
        confirmed.push_back({title, question});
        return confirmAnswer;
    }
    bool offer(const QString& title, const QString& text, const QString&) override
    {
        offered.push_back({title, text});
        return acceptOffer;
    }
    bool retryOrGiveUp(const QString& title, const QString& text, const QString&) override
    {
        retries.push_back({title, text, QMessageBox::Warning});
        return retryAnswer && retryAnswer();
    }
    QString chooseFileToSave(const QString& title, const QString& suggestedPath, const QString&,
                             const QString&) override
    {
        saveDialogs.push_back({title, suggestedPath});
        return pathToSave;
    }
    QString chooseFileToOpen(const QString& title, const QString& suggestedPath,
                             const QString&) override
    {
        openDialogs.push_back({title, suggestedPath});
        return pathToOpen;
    }
};

} // namespace numberlark::testing
