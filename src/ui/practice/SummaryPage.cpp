#include "ui/practice/SummaryPage.h"

#include "ui/common/Announcer.h"
#include "ui/common/SpokenTexts.h"
#include "ui/practice/PracticeTexts.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace numberlark {

namespace {

// More stars than this would make each one small.
constexpr std::size_t kBigStars = 3;

QLabel* wrappedLabel(const char* name, double scale, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

} // namespace

SummaryPage::SummaryPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SummaryPage"));
    m_headline = wrappedLabel("Headline", 1.8, this);
    m_factsTitle = wrappedLabel("StarredTitle", 1.3, this);
    m_facts = new QListWidget(this);
    m_facts->setObjectName(QStringLiteral("StarredFacts"));
    m_facts->setFlow(QListView::LeftToRight);
    m_facts->setWrapping(true);
    m_facts->setSpacing(6);
    m_facts->setFocusPolicy(Qt::NoFocus);
    m_facts->setSelectionMode(QAbstractItemView::NoSelection);
    QFont factsFont = m_facts->font();
    factsFont.setPointSizeF(factsFont.pointSizeF() * 2.5);
    factsFont.setBold(true);
    m_facts->setFont(factsFont);
    m_more = wrappedLabel("MoreFacts", 1.3, this);
    m_comeBack = wrappedLabel("ComeBack", 1.4, this);
    m_notice = wrappedLabel("SummaryNotice", 1.0, this);
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_close->setDefault(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_headline);
    column->addWidget(m_factsTitle);
    column->addWidget(m_facts);
    column->addWidget(m_more);
    column->addStretch(1);
    column->addWidget(m_comeBack);
    column->addWidget(m_notice);
    column->addWidget(m_close, 0, Qt::AlignHCenter);
    m_announcer = std::make_unique<Announcer>(*m_close);
    connect(m_close, &QPushButton::clicked, this, &SummaryPage::closeRequested);
}

SummaryPage::~SummaryPage() = default;

void SummaryPage::show(const Summary& summary)
{
    // The program has no English plural forms of its own: one has its own sentence.
    const int learnt = static_cast<int>(summary.newlyKnown.size());
    m_headline->setText((summary.answered == 1 ? tr("Well done, %1! You answered 1 question.")
                                               : tr("Well done, %1! You answered %n questions.",
                                                    nullptr, summary.answered))
                            .arg(summary.child));
    m_factsTitle->setText(learnt == 0
                              ? tr("Every try helps: the facts you practised will come back.")
                          : learnt == 1 ? tr("1 fact you know now:")
                                        : tr("%n facts you know now:", nullptr, learnt));
    m_facts->clear();
    const std::size_t big = std::min(summary.newlyKnown.size(), kBigStars);
    for (std::size_t i = 0; i < big; ++i) {
        const practice::Fact fact = summary.newlyKnown[i];
        auto* item = new QListWidgetItem(QStringLiteral("\u2605 %1").arg(shownFact(fact)), m_facts);
        item->setData(Qt::AccessibleTextRole, spokenQuestion(fact.first, fact.second));
    }
    m_facts->setVisible(big > 0);
    if (big > 0) {
        // One row of stars: the box is no taller than they are.
        m_facts->setFixedHeight(m_facts->sizeHintForRow(0) + 2 * m_facts->spacing() +
                                2 * m_facts->frameWidth());
    }
    const int more = learnt - static_cast<int>(big);
    m_more->setText(more > 0 ? tr("and %n more", nullptr, more) : QString());
    m_more->setVisible(more > 0);
    m_comeBack->setText(summary.comeBack);
    m_notice->setText(summary.notice);
    m_notice->setVisible(!summary.notice.isEmpty());
    m_close->setFocus();
    // One fact after the other, with the language's own separators, so that
    // "1 times 10, 2 times 10" is not heard as "1 times 10 2 times 10".
    QStringList facts;
    for (const practice::Fact fact : summary.newlyKnown) {
        facts << spokenQuestion(fact.first, fact.second);
    }
    QStringList said{m_headline->text(), m_factsTitle->text()};
    if (!facts.isEmpty()) {
        said << QLocale().createSeparatedList(facts) + QLatin1Char('.');
    }
    said << summary.comeBack << summary.notice;
    said.removeAll(QString());
    m_announcer->announce(said.join(QLatin1Char(' ')));
}

} // namespace numberlark
