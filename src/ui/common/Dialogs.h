#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

class QWidget;

namespace numberlark {

// Every message box and file dialog a window puts to the user, in one small
// interface, so that tests answer them all one way (ScriptedDialogs).
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with one OK button.
    virtual void tell(const QString& title, const QString& text,
                      QMessageBox::Icon icon = QMessageBox::NoIcon) = 0;
    // A question answered Yes or No, No by default; true for Yes.
    virtual bool confirm(const QString& title, const QString& question) = 0;
    // A message offering one action beside Cancel, the action by default;
    // true when the user chose it.
    virtual bool offer(const QString& title, const QString& text, const QString& action) = 0;
    // A warning offering Retry, the default and the Escape answer, beside
    // one way to give up named `giveUp`; true for Retry. Nothing is lost by
    // a stray key: only a deliberate choice gives up.
    virtual bool retryOrGiveUp(const QString& title, const QString& text,
                               const QString& giveUp) = 0;
    // A file dialog opened on `suggestedPath`, to name a new file (with
    // `suffix` added when the name has none) or to pick an existing one.
    // Empty when cancelled.
    virtual QString chooseFileToSave(const QString& title, const QString& suggestedPath,
                                     const QString& filter, const QString& suffix) = 0;
    virtual QString chooseFileToOpen(const QString& title, const QString& suggestedPath,
                                     const QString& filter) = 0;
};

// The desktop's own boxes and dialogs, over `parent` while it lives.
class DesktopDialogs : public Dialogs {
public:
    explicit DesktopDialogs(QWidget* parent) : m_parent(parent) {}

    void tell(const QString& title, const QString& text, QMessageBox::Icon icon) override;
    bool confirm(const QString& title, const QString& question) override;
    bool offer(const QString& title, const QString& text, const QString& action) override;
    bool retryOrGiveUp(const QString& title, const QString& text, const QString& giveUp) override;
    QString chooseFileToSave(const QString& title, const QString& suggestedPath,
                             const QString& filter, const QString& suffix) override;
    QString chooseFileToOpen(const QString& title, const QString& suggestedPath,
                             const QString& filter) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace numberlark
