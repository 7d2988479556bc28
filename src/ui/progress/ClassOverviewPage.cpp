#include "ui/progress/ClassOverviewPage.h"

#include "ui/progress/ClassTableModel.h"
#include "ui/progress/FactBlocksRuler.h"
#include "ui/progress/FactsLegend.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace numberlark {

namespace {

// A square per fact: 144 of them and the children's names fit 1366 pixels.
constexpr int kSquareWidth = 7;
constexpr int kSquareHeight = 14;
constexpr int kLongestShownName = 170;

QTableView* makeTable(const QString& objectName, const QString& accessibleName, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setAccessibleName(accessibleName);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    return view;
}

} // namespace

ClassOverviewPage::ClassOverviewPage(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(createHardestFacts());
    auto* legend = new QVBoxLayout;
    legend->addWidget(new QLabel(tr("<b>Each child's facts</b> (a row per child, a square per "
                                    "fact; point at a square for its figures)"),
                                 this));
    legend->addWidget(new FactsLegend(this));
    legend->addStretch(1);
    top->addLayout(legend, 1);
    column->addLayout(top);
    column->addWidget(createMap(), 1);
}

QWidget* ClassOverviewPage::createHardestFacts()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    m_title = new QLabel(tr("<b>The facts the class finds hardest</b>"), panel);
    m_hardestModel = new QStandardItemModel(0, 5, this);
    m_hardestModel->setHorizontalHeaderLabels(
        {tr("Fact"), tr("Asked"), tr("Right first time"), tr("Wrong answers"), tr("Average time")});
    m_hardest =
        makeTable(QStringLiteral("HardestFacts"), tr("The facts the class finds hardest"), panel);
    m_hardest->setModel(m_hardestModel);
    m_hardest->verticalHeader()->hide();
    m_hardest->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    m_hardest->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_hardest->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hardest->setFixedHeight(m_hardest->horizontalHeader()->sizeHint().height() +
                              kHardestFactsShown * (fontMetrics().height() + 2) +
                              2 * m_hardest->frameWidth());
    column->addWidget(m_title);
    column->addWidget(m_hardest);
    return panel;
}

QWidget* ClassOverviewPage::createMap()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_mapModel = new ClassTableModel(this);
    m_map = makeTable(QStringLiteral("ClassMap"), tr("Each child's facts"), panel);
    m_map->setModel(m_mapModel);
    m_map->setShowGrid(false);
    m_map->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* across = m_map->horizontalHeader();
    across->setMinimumSectionSize(kSquareWidth);
    across->setDefaultSectionSize(kSquareWidth);
    across->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* down = m_map->verticalHeader();
    down->setSectionResizeMode(QHeaderView::Fixed);
    down->setDefaultSectionSize(kSquareHeight);
    down->setMaximumWidth(kLongestShownName);
    down->setTextElideMode(Qt::ElideMiddle);
    column->addWidget(new FactBlocksRuler(m_map, ClassTableModel::FirstFact, panel));
    column->addWidget(m_map, 1);
    return panel;
}

void ClassOverviewPage::setOverview(ClassOverview overview)
{
    showHardest(overview.hardest);
    m_mapModel->setOverview(std::move(overview));
    QHeaderView* across = m_map->horizontalHeader();
    across->resizeSection(ClassTableModel::Tests,
                          fontMetrics().horizontalAdvance(tr("Tests")) + 16);
    across->resizeSection(ClassTableModel::KnownFacts,
                          fontMetrics().horizontalAdvance(tr("Known")) + 16);
}

const ClassOverview& ClassOverviewPage::overview() const
{
    return m_mapModel->overview();
}

void ClassOverviewPage::showHardest(const std::vector<classroom::ClassFact>& facts)
{
    m_hardestModel->setRowCount(0);
    const QLocale locale;
    for (const classroom::ClassFact& fact : facts) {
        QList<QStandardItem*> row;
        row << new QStandardItem(QStringLiteral("%1 × %2").arg(fact.first).arg(fact.second));
        for (const int figure : {fact.asked, fact.rightFirstTime, fact.wrongAnswers}) {
            auto* item = new QStandardItem(locale.toString(figure));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row << item;
        }
        auto* time =
            new QStandardItem(tr("%1 s").arg(locale.toString(fact.averageMillis / 1000.0, 'f', 1)));
        time->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row << time;
        m_hardestModel->appendRow(row);
    }
    m_hardest->resizeColumnsToContents();
}

} // namespace numberlark
