#include "ui/practice/WhoPage.h"

#include "ui/common/SingleLineText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace numberlark {

namespace {

QFont scaled(QFont font, double factor)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

} // namespace

WhoPage::WhoPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WhoPage"));
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("NotRememberedNotice"));
    m_notice->setWordWrap(true);
    m_notice->setFrameShape(QFrame::StyledPanel);
    m_notice->setMargin(10);
    m_notice->hide();
    auto* heading = new QLabel(question(), this);
    heading->setFont(scaled(heading->font(), 2.0));
    m_names = new QComboBox(this);
    m_names->setObjectName(QStringLiteral("NamePicker"));
    m_names->setEditable(true);
    m_names->setInsertPolicy(QComboBox::NoInsert);
    m_names->setFont(scaled(m_names->font(), 1.6));
    m_names->setMinimumWidth(360);
    m_names->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_names->setMinimumContentsLength(20);
    keepSingleLine(m_names->lineEdit());
    auto* nameLabel = new QLabel(tr("Your &name:"), this);
    nameLabel->setFont(m_names->font());
    nameLabel->setBuddy(m_names);
    m_start = new QPushButton(tr("&Start"), this);
    m_start->setObjectName(QStringLiteral("StartButton"));
    m_start->setFont(scaled(m_start->font(), 1.6));
    m_start->setDefault(true);
    m_settings = new QPushButton(tr("S&ettings..."), this);
    m_settings->setObjectName(QStringLiteral("SettingsButton"));
    m_settings->setToolTip(tr("For grown-ups: how long a session lasts and how quick an "
                              "answer must be."));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_names, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_settings);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_notice);
    column->addStretch(1);
    column->addWidget(heading, 0, Qt::AlignHCenter);
    column->addSpacing(20);
    column->addLayout(nameRow);
    column->addSpacing(20);
    column->addWidget(m_start, 0, Qt::AlignHCenter);
    column->addStretch(2);
    column->addLayout(bottom);

    connect(m_start, &QPushButton::clicked, this, &WhoPage::startRequested);
    connect(m_settings, &QPushButton::clicked, this, &WhoPage::settingsRequested);
    connect(m_names->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (m_start->isEnabled()) {
            emit startRequested();
        }
    });
    connect(m_names, &QComboBox::editTextChanged, this, &WhoPage::nameEdited);
    nameEdited();
}

void WhoPage::setChildren(const std::vector<QString>& children, const QString& offered)
{
    m_names->clear();
    for (const QString& child : children) {
        // An unnamed child cannot be told apart in a list of names.
        if (!child.trimmed().isEmpty()) {
            m_names->addItem(child);
        }
    }
    m_names->setEditText(offered.isEmpty() && m_names->count() > 0 ? m_names->itemText(0)
                                                                   : offered);
    m_names->lineEdit()->selectAll();
}

void WhoPage::setNotRemembered(bool notRemembered)
{
    m_notRemembered = notRemembered;
    refreshNotice();
}

void WhoPage::tellLogProblem(const QString& message)
{
    m_logProblem = message;
    refreshNotice();
}

// A screen reader hears the notice with the name box, where the focus starts.
void WhoPage::refreshNotice()
{
    QStringList said;
    if (m_notRemembered) {
        said << tr("Nothing practised now will be remembered. A grown-up can turn on \"Save "
                   "results on disk\" in Tools > Options... to keep it.");
    }
    if (!m_logProblem.isEmpty()) {
        said << m_logProblem;
    }
    m_notice->setText(said.join(QStringLiteral("\n\n")));
    m_notice->setVisible(!said.isEmpty());
    m_names->setAccessibleDescription(m_notice->text());
}

QString WhoPage::question() const
{
    return tr("Who is practising?");
}

QString WhoPage::chosenName() const
{
    return m_names->currentText().trimmed();
}

void WhoPage::nameEdited()
{
    m_start->setEnabled(!chosenName().isEmpty());
}

} // namespace numberlark
