#include "ui/progress/TrendPanel.h"

#include "progress/PracticeHistory.h"
#include "ui/progress/KnownFactsChart.h"
#include "ui/progress/ProgressChart.h"
#include "ui/progress/ProgressTexts.h"

#include <QComboBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <set>

namespace numberlark {

TrendPanel::TrendPanel(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    m_sentence = new QLabel(this);
    m_sentence->setObjectName(QStringLiteral("TrendSentence"));
    m_sentence->setWordWrap(true);
    QFont bold = m_sentence->font();
    bold.setBold(true);
    m_sentence->setFont(bold);
    m_tables = new QComboBox(this);
    m_tables->setObjectName(QStringLiteral("TablePicker"));
    m_tables->setAccessibleName(tr("Tables shown"));
    auto* label = new QLabel(tr("S&how:"), this);
    label->setBuddy(m_tables);
    top->addWidget(m_sentence, 1);
    top->addWidget(label);
    top->addWidget(m_tables);
    m_chart = new ProgressChart(this);
    m_chart->setMinimumSize(400, 220);
    m_known = new KnownFactsChart(this);
    m_known->setMinimumHeight(150);
    column->addLayout(top);
    column->addWidget(m_chart, 3);
    column->addWidget(m_known, 1);
    connect(m_tables, &QComboBox::currentIndexChanged, this, &TrendPanel::showTable);
}

void TrendPanel::setHistory(const std::vector<progress::TestRecord>& tests,
                            const std::vector<progress::PracticeSessionRecord>& practice,
                            practice::FluencyLimit limit)
{
    m_tests = tests;
    m_practice = practice;
    m_history = progress::historyOldestFirst(tests, practice);
    m_limit = limit;
    fillTablePicker();
    showTable();
}

// All tables, then each table the child has met, in number order; the
// table shown before stays shown when the new child has it too.
void TrendPanel::fillTablePicker()
{
    const int before = m_tables->currentData().toInt();
    std::set<int> tables;
    for (const practice::PracticeAnswer& answer : m_history) {
        for (const int factor : {int{answer.fact.first}, int{answer.fact.second}}) {
            if (factor <= practice::kLargestFactor) {
                tables.insert(factor);
            }
        }
    }
    const QSignalBlocker blocker(m_tables);
    m_tables->clear();
    m_tables->addItem(tr("All tables"), 0);
    for (const int table : tables) {
        m_tables->addItem(tr("%1 times table").arg(table), table);
    }
    m_tables->setCurrentIndex(std::max(0, m_tables->findData(before)));
}

void TrendPanel::showTable()
{
    const practice::TableFilter filter{m_tables->currentData().toInt()};
    const std::vector<practice::WeekFigure> medians =
        practice::weeklyMedianSeconds(m_history, filter);
    m_sentence->setText(trendSentence(medians));
    m_chart->setTrend(m_tests, m_practice, medians, filter);
    m_known->setCounts(practice::weeklyKnownCounts(m_history, m_limit, filter));
    m_known->setTimeRange(m_chart->timeAxis()->min(), m_chart->timeAxis()->max());
}

} // namespace numberlark
