#pragma once

#include "quiz/SessionRecord.h"
#include "settings/SettingsStore.h"
#include "ui/common/Dialogs.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QUrl;

namespace numberlark {

class FaceAnimation;

// What the options window asks of the desktop; tests answer in its place.
// An empty member means the real thing: QDesktopServices::openUrl, and a
// message box over the window.
struct OptionsDesktop {
    std::function<bool(const QUrl&)> openUrl;
    std::shared_ptr<Dialogs> dialogs; // none: the desktop's own boxes over the window
};

// The options window. Every edit goes into the main window's session record
// at once; the settings store is written only by OK with "Remember settings."
// ticked. Not modal; deletes itself when closed. The record must outlive the
// window (the main window closes it before it goes).
class FrmOptions : public QDialog {
    Q_OBJECT

public:
    // printButton is the main window's certificate Print button (it may be
    // hidden or already gone); ticking "Enable certificate printing" enables it.
    FrmOptions(SessionRecord& record, QAbstractButton* printButton, SettingsStore& store,
               OptionsDesktop desktop = {}, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createHeading();
    void createCheckBoxes();
    void createNumberBox();
    void createButtons();
    void setTabOrderAndFocus();
    void connectHandlers();
    void Form_Load();

    void ChkPrintenable_Click();
    void ChkSaveresults_Click();
    void ChkSound_Click();
    void TxtNumofquestions_Change();
    void CmdView_Click();
    void Command1_Click();

    void showNumberRefused(bool refused);
    QString numberTextToSave() const;
    void showSaveFailure(const Outcome& outcome);

    SessionRecord& m_record;
    QPointer<QAbstractButton> m_printButton;
    SettingsStore& m_store;
    OptionsDesktop m_desktop;
    std::int16_t m_keptNumber = 0; // the last number the box held that fits in 16 bits
    bool m_numberRefused = false;

    FaceAnimation* m_faces = nullptr;
    QCheckBox* m_chkSaveresults = nullptr;
    QCheckBox* m_chkPrintenable = nullptr;
    QCheckBox* m_chkSound = nullptr;
    QCheckBox* m_chkRemember = nullptr;
    QLineEdit* m_txtNumofquestions = nullptr;
    QPushButton* m_cmdView = nullptr;
    QPushButton* m_command1 = nullptr;
};

} // namespace numberlark
