#include "ui/options/FrmOptions.h"

#include "ui/common/DialogLayout.h"

#include "ui/common/SingleLineText.h"

#include "output/ResultsLine.h"
#include "quiz/TextRules.h"
#include "settings/Settings.h"
#include "ui/common/FaceAnimation.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

namespace numberlark {

namespace {

constexpr QSize kClientSize{5190 / 15, 6075 / 15};
constexpr QPoint kFacePosition{840 / 15, 840 / 15};
const QColor kPaleYellow(255, 255, 192);
const QColor kHeadingGreen(0, 128, 0);
const QColor kRefusedBase(255, 210, 210);

QFont makeFont(const char* family, qreal points, bool bold, bool italic = false)
{
    return designFont(QString::fromLatin1(family), points, bold, italic);
}

// A child control with its caption, name, design rectangle and font.
template <typename Control>
Control* addControl(QWidget* parent, const char* name, const QString& caption, const QRect& rect,
                    const QFont& font)
{
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    control->setFont(font);
    return control;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const QRect& rect,
                 const QFont& font)
{
    auto* label = addControl<QLabel>(parent, name, caption, rect, font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

int stateOf(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked ? 1 : 0;
}

} // namespace

FrmOptions::FrmOptions(SessionRecord& record, QAbstractButton* printButton, SettingsStore& store,
                       OptionsDesktop desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_record(record), m_printButton(printButton), m_store(store), m_desktop(std::move(desktop))
{
    if (!m_desktop.dialogs) {
        m_desktop.dialogs = std::make_shared<DesktopDialogs>(this);
    }
    setObjectName(QStringLiteral("FrmOptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Options"));
    setFixedSize(kClientSize);
    QPalette look = palette();
    look.setColor(QPalette::Window, kPaleYellow);
    setPalette(look);
    setAutoFillBackground(true);

    createHeading();
    createCheckBoxes();
    createNumberBox();
    createButtons();
    setTabOrderAndFocus();
    connectHandlers();
    Form_Load();
}

void FrmOptions::createHeading()
{
    auto* title = addLabel(this, "Label2", tr("\"Numberlark\""), twipsRect(240, 240, 4695, 375),
                           makeFont("MS Sans Serif", 18, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* options = addLabel(this, "Label1", tr("Options"), twipsRect(1560, 840, 2295, 495),
                             makeFont("Comic Sans MS", 16.5, false));
    options->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette green = options->palette();
    green.setColor(QPalette::WindowText, kHeadingGreen);
    options->setPalette(green);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setGeometry(480 / 15, 1440 / 15, (4680 - 480) / 15 + 1, 1);

    m_faces = new FaceAnimation(this);
}

void FrmOptions::createCheckBoxes()
{
    const QFont comic = makeFont("Comic Sans MS", 12, true);
    m_chkSaveresults = addControl<QCheckBox>(this, "ChkSaveresults", tr("Save results on disk"),
                                             twipsRect(600, 3240, 3135, 585), comic);
    m_chkPrintenable =
        addControl<QCheckBox>(this, "ChkPrintenable", tr("Enable certificate printing"),
                              twipsRect(600, 3720, 4095, 585), comic);
    m_chkSound = addControl<QCheckBox>(this, "ChkSound", tr("Enable Sound"),
                                       twipsRect(600, 4200, 3135, 585), comic);
    m_chkRemember = addControl<QCheckBox>(this, "ChkRemember", tr("Remember settings."),
                                          twipsRect(1800, 5640, 2055, 375),
                                          makeFont("MS Sans Serif", 8.25, true));
}

void FrmOptions::createNumberBox()
{
    addLabel(this, "lblNumofquestions", tr("Number of questions"), twipsRect(840, 4920, 2415, 375),
             makeFont("Comic Sans MS", 12, true));
    m_txtNumofquestions = new QLineEdit(this);
    m_txtNumofquestions->setObjectName(QStringLiteral("TxtNumofquestions"));
    m_txtNumofquestions->setGeometry(twipsRect(3360, 4920, 615, 390));
    m_txtNumofquestions->setFont(makeFont("MS Sans Serif", 12, true));
    m_txtNumofquestions->setAlignment(Qt::AlignCenter);
    m_txtNumofquestions->setAccessibleName(tr("Number of questions"));
    keepSingleLine(m_txtNumofquestions);
}

void FrmOptions::createButtons()
{
    m_cmdView = addControl<QPushButton>(this, "CmdView", tr("View Results"),
                                        twipsRect(3480, 3360, 1575, 315),
                                        makeFont("MS Sans Serif", 8.25, true, true));
    m_command1 =
        addControl<QPushButton>(this, "Command1", tr("OK"), twipsRect(3960, 5640, 1095, 375),
                                makeFont("MS Sans Serif", 8.25, true));
    m_command1->setDefault(true);
}

void FrmOptions::setTabOrderAndFocus()
{
    QWidget* const order[] = {m_command1,       m_chkSound,    m_chkPrintenable,
                              m_chkSaveresults, m_chkRemember, m_txtNumofquestions,
                              m_cmdView};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    m_command1->setFocus();
}

void FrmOptions::connectHandlers()
{
    connect(m_chkPrintenable, &QCheckBox::stateChanged, this, &FrmOptions::ChkPrintenable_Click);
    connect(m_chkSaveresults, &QCheckBox::stateChanged, this, &FrmOptions::ChkSaveresults_Click);
    connect(m_chkSound, &QCheckBox::stateChanged, this, &FrmOptions::ChkSound_Click);
    connect(m_txtNumofquestions, &QLineEdit::textChanged, this,
            &FrmOptions::TxtNumofquestions_Change);
    connect(m_cmdView, &QPushButton::clicked, this, &FrmOptions::CmdView_Click);
    connect(m_command1, &QPushButton::clicked, this, &FrmOptions::Command1_Click);
}

// Setting a box or the text runs its change handler, which copies the same
// value back into the record and matches the Print button to it.
void FrmOptions::Form_Load()
{
    m_keptNumber = m_record.Numofquestions;
    m_chkSaveresults->setChecked(m_record.allow_saving);
    m_chkPrintenable->setChecked(m_record.allow_printing);
    m_chkSound->setChecked(m_record.allow_sound);
    centreOnScreen(*this);
    m_faces->start(kFacePosition);
    m_txtNumofquestions->setText(QString::fromStdString(number_text(m_record.Numofquestions)));
}

void FrmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(*this);
    }
}

void FrmOptions::ChkPrintenable_Click()
{
    m_record.allow_printing = m_chkPrintenable->checkState() == Qt::Checked;
    if (m_printButton) {
        m_printButton->setEnabled(m_record.allow_printing);
    }
}

void FrmOptions::ChkSaveresults_Click()
{
    m_record.allow_saving = m_chkSaveresults->checkState() == Qt::Checked;
}

void FrmOptions::ChkSound_Click()
{
    m_record.allow_sound = m_chkSound->checkState() == Qt::Checked;
}

// A number that does not fit in 16 bits is refused: the record keeps the
// last number that fitted and the box says why until it holds one again.
void FrmOptions::TxtNumofquestions_Change()
{
    const auto number = round_to_int16(text_value(m_txtNumofquestions->text().toStdString()));
    if (number) {
        m_keptNumber = *number;
        m_record.Numofquestions = *number;
    }
    showNumberRefused(!number);
}

void FrmOptions::showNumberRefused(bool refused)
{
    m_numberRefused = refused;
    m_txtNumofquestions->setProperty("invalid", refused);
    if (refused) {
        QPalette look = m_txtNumofquestions->palette();
        look.setColor(QPalette::Base, kRefusedBase);
        m_txtNumofquestions->setPalette(look);
    } else {
        m_txtNumofquestions->setPalette(QPalette()); // back to the inherited colours
    }
    const QString why = refused ? tr("Type a whole number from -32768 to 32767. "
                                     "The number of questions stays at %1 until then.")
                                      .arg(m_keptNumber)
                                : QString();
    m_txtNumofquestions->setToolTip(why);
    m_txtNumofquestions->setAccessibleDescription(why);
}

QString FrmOptions::numberTextToSave() const
{
    return m_numberRefused ? QString::number(m_keptNumber) : m_txtNumofquestions->text();
}

void FrmOptions::CmdView_Click()
{
    const QString path = QDir::current().absoluteFilePath(QString::fromLatin1(kResultsFileName));
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.exists()) {
        m_desktop.dialogs->tell(tr("View Results"),
                                tr("There are no saved results yet.\n\nThe results file %1 is "
                                   "made when a test is quit with \"Save results on disk\" ticked.")
                                    .arg(shown),
                                QMessageBox::Information);
        return;
    }
    if (!file.isFile()) {
        m_desktop.dialogs->tell(tr("View Results"),
                                tr("%1 is not a file, so it cannot be shown.").arg(shown),
                                QMessageBox::Warning);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    const bool opened = m_desktop.openUrl ? m_desktop.openUrl(url) : QDesktopServices::openUrl(url);
    if (!opened) {
        m_desktop.dialogs->tell(tr("View Results"),
                                tr("The results file %1 could not be opened: no program to "
                                   "view it could be started.")
                                    .arg(shown),
                                QMessageBox::Warning);
    }
}

// A save that did not reach the store keeps the window open, so the user can
// mend the file and press OK again, or close the window and keep the edits
// for this run only.
void FrmOptions::Command1_Click()
{
    if (m_chkRemember->checkState() == Qt::Checked) {
        const Outcome outcome =
            SaveSettings(m_store, stateOf(m_chkPrintenable), stateOf(m_chkSaveresults),
                         stateOf(m_chkSound), numberTextToSave());
        if (outcome.failed()) {
            showSaveFailure(outcome);
            return;
        }
    }
    close();
}

void FrmOptions::showSaveFailure(const Outcome& outcome)
{
    const QString where = outcome.path.isEmpty() ? tr("the settings store") : outcome.path;
    m_desktop.dialogs->tell(tr("Options"),
                            tr("The settings could not be remembered in %1: %2.\n\n"
                               "They apply until Numberlark ends. Press OK again once the "
                               "problem is fixed, or close this window to keep them for "
                               "this time only.")
                                .arg(where, outcome.reason),
                            QMessageBox::Warning);
}

// Esc presses OK, saving included; only the close box leaves without saving.
void FrmOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_command1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace numberlark
