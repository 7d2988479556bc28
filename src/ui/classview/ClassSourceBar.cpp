#include "ui/classview/ClassSourceBar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace numberlark {

ClassSourceBar::ClassSourceBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ClassSourceBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    m_thisComputer = new QToolButton(this);
    m_thisComputer->setText(tr("This Co&mputer"));
    m_class = new QToolButton(this);
    m_class->setText(tr("Cl&ass"));
    for (QToolButton* button : {m_thisComputer, m_class}) {
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->hide();
        group->addButton(button);
        row->addWidget(button);
    }
    m_thisComputer->setChecked(true);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("ClassNote"));
    m_note->setWordWrap(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_note, 1);
    m_tryAgain = new QToolButton(this);
    m_tryAgain->setText(tr("&Try Again"));
    m_tryAgain->setFocusPolicy(Qt::StrongFocus);
    m_tryAgain->hide();
    row->addWidget(m_tryAgain);
    connect(m_tryAgain, &QToolButton::clicked, this, &ClassSourceBar::tryAgainRequested);
    m_export = new QPushButton(tr("&Export for Spreadsheet..."), this);
    m_export->hide();
    row->addWidget(m_export);
    connect(m_class, &QToolButton::toggled, this, [this](bool checked) {
        m_export->setVisible(checked);
        emit sourceChosen(checked);
    });
    connect(m_export, &QPushButton::clicked, this, &ClassSourceBar::exportRequested);
}

void ClassSourceBar::showConnecting()
{
    m_note->setText(tr("Connecting to the school's server..."));
    m_note->setToolTip({});
    m_tryAgain->hide();
}

void ClassSourceBar::showAccess(const classroom::ClassAccess& access, const Outcome& failure)
{
    m_thisComputer->setVisible(access.canRead);
    m_class->setVisible(access.canRead);
    if (access.canRead) {
        m_tryAgain->hide();
        m_note->setToolTip({});
        // The server shows a teacher her classes' children only; a login
        // in none sees nobody, which must not look like an empty class.
        m_note->setText(access.wholeSchool ? tr("The whole school.")
                        : access.classes.isEmpty()
                            ? tr("This login is in no class on the school's server, so no "
                                 "child is shown; ask the administrator to add it to a class.")
                        : access.classes.size() == 1
                            ? tr("Class: %1.").arg(access.classes.constFirst())
                            : tr("Classes: %1.").arg(access.classes.join(QStringLiteral(", "))));
        return;
    }
    // A computer's login may deliver but not read: a plain fact, not a fault.
    m_note->setText(failure.done() ? tr("This computer delivers its tests to the school's server; "
                                        "the whole class is shown with a teacher's login.")
                                   : tr("The class cannot be shown: %1").arg(failure.message));
    m_note->setToolTip(failure.reason);
    // A server out of reach may be back in a minute; a login's rights are not.
    m_tryAgain->setVisible(failure.failed());
}

bool ClassSourceBar::classChosen() const
{
    return m_class->isChecked();
}

void ClassSourceBar::setExportEnabled(bool enabled)
{
    m_export->setEnabled(enabled);
}

} // namespace numberlark
