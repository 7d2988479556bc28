#include "ui/main/TableChoicePanel.h"

#include "quiz/TableChoice.h"
#include "ui/main/ShownTexts.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

namespace numberlark {

namespace {
const QString kRefusedFrame = QStringLiteral("QLineEdit { border: 2px solid rgb(220, 0, 0); }");
} // namespace

TableChoicePanel::TableChoicePanel(TableChoice& choice, const MainControls& controls,
                                   QObject* parent)
    : QObject(parent), m_choice(choice), m_controls(controls), m_group(new QButtonGroup(this))
{
    for (std::size_t i = 0; i < controls.Option1.size(); ++i) {
        m_group->addButton(controls.Option1[i], static_cast<int>(i));
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            Option1_Click(index);
        }
    });
    keepTabOnSelected();
    connect(controls.TxtOther, &QLineEdit::textChanged, this, &TableChoicePanel::TxtOther_Change);
}

void TableChoicePanel::Option1_Click(int index)
{
    m_choice.select(index);
    keepTabOnSelected();
    m_controls.TxtOther->setEnabled(m_choice.otherEnabled());
    showValidity();
}

void TableChoicePanel::TxtOther_Change(const QString& text)
{
    m_choice.setOtherText(text.toStdString());
    showValidity();
    if (m_choice.otherEnabled() && !m_choice.otherTextValid() && m_controls.TxtOther->isVisible()) {
        QLineEdit* box = m_controls.TxtOther;
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), box->toolTip(), box);
    }
}

// As in every desktop's radio group, Tab reaches the group once, on the
// selected table, and the arrow keys move and select from there (the
// toolkit selects with the arrows only when moving from the selected
// button). Left alone the toolkit would give the Tab stop to whichever
// button had the focus last, at first "2 times table", which is not the
// one the test will use.
void TableChoicePanel::keepTabOnSelected()
{
    for (QAbstractButton* button : m_group->buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void TableChoicePanel::showValidity()
{
    const bool refused = m_choice.otherEnabled() && !m_choice.otherTextValid();
    const QString problem = m_choice.otherProblem().empty() ? QString() : otherTableProblem();
    QLineEdit* box = m_controls.TxtOther;
    box->setStyleSheet(refused ? kRefusedFrame : QString());
    box->setToolTip(refused ? problem : QString());
    box->setAccessibleDescription(refused ? problem : QString());
    m_controls.CmdTest->setEnabled(m_choice.canStart());
}

} // namespace numberlark
