#include "ui/common/Dialogs.h"

#include <QFileDialog>
#include <QPushButton>

namespace numberlark {

namespace {

QString chooseFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                   const QString& filter, const QString& suffix, bool saving)
{
    QFileDialog dialog(parent, title, suggestedPath, filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!suffix.isEmpty()) {
        dialog.setDefaultSuffix(suffix);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

void DesktopDialogs::tell(const QString& title, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, m_parent.data());
    box.exec();
}

bool DesktopDialogs::confirm(const QString& title, const QString& question)
{
    return QMessageBox::question(m_parent.data(), title, question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool DesktopDialogs::offer(const QString& title, const QString& text, const QString& action)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, m_parent.data());
    QPushButton* chosen = box.addButton(action, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(chosen);
    box.exec();
    return box.clickedButton() == chosen;
}

bool DesktopDialogs::retryOrGiveUp(const QString& title, const QString& text, const QString& giveUp)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, m_parent.data());
    QPushButton* retry = box.addButton(QMessageBox::Retry);
    box.addButton(giveUp, QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(retry);
    box.exec();
    return box.clickedButton() == retry;
}

QString DesktopDialogs::chooseFileToSave(const QString& title, const QString& suggestedPath,
                                         const QString& filter, const QString& suffix)
{
    return chooseFile(m_parent.data(), title, suggestedPath, filter, suffix, true);
}

QString DesktopDialogs::chooseFileToOpen(const QString& title, const QString& suggestedPath,
                                         const QString& filter)
{
    return chooseFile(m_parent.data(), title, suggestedPath, filter, {}, false);
}

} // namespace numberlark
