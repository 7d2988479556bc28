#include "ui/classview/ClassOverviewPage.h"

#include "ui/classview/ClassTableModel.h"
#include "ui/classview/FactBlocksRuler.h"
#include "ui/common/SpokenTexts.h"
#include "ui/progress/FactMarkDelegate.h"
#include "ui/progress/FactsLegend.h"
#include "ui/progress/SquaresView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace numberlark {

namespace {

// A square per fact: 144 of them beside the children's names fit the
// window's width on a 1366-pixel screen, and thirty children its height on
// a 720-pixel one.
constexpr int kSquareWidth = 6;
constexpr int kLongestShownName = 150;
constexpr double kMapFontScale = 0.85;

QTableView* makeTable(QTableView* view, const QString& objectName, const QString& accessibleName)
{
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
    auto* hardest = new QVBoxLayout;
    m_title = new QLabel(tr("<b>The facts the class finds hardest</b>"), this);
    hardest->addWidget(m_title);
    hardest->addWidget(createHardestFacts());
    hardest->addStretch(1);
    top->addLayout(hardest);
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

// A column per fact, hardest first, and a row per figure: ten facts fit
// beside the legend in the height of four lines.
QWidget* ClassOverviewPage::createHardestFacts()
{
    m_hardestModel = new QStandardItemModel(0, 0, this);
    // A list of figures to a screen reader, read one per arrow press, the
    // fact said as Left and Right move to another.
    m_hardest = makeTable(new SquaresView(this), QStringLiteral("HardestFacts"),
                          tr("The facts the class finds hardest"));
    m_hardest->setModel(m_hardestModel);
    // The current figure shows only while the list has the focus.
    m_hardest->setSelectionMode(QAbstractItemView::NoSelection);
    m_hardest->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_hardest->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    m_hardest->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    m_hardest->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hardest->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hardest->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_hardest->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return m_hardest;
}

QWidget* ClassOverviewPage::createMap()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_mapModel = new ClassTableModel(this);
    m_map = makeTable(new SquaresView(panel), QStringLiteral("ClassMap"), tr("Each child's facts"));
    m_map->setModel(m_mapModel);
    m_map->setItemDelegate(new FactMarkDelegate(m_map));
    m_map->setShowGrid(false);
    QFont small = m_map->font();
    small.setPointSizeF(small.pointSizeF() * kMapFontScale);
    m_map->setFont(small);
    m_map->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* across = m_map->horizontalHeader();
    across->setMinimumSectionSize(kSquareWidth);
    across->setDefaultSectionSize(kSquareWidth);
    across->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* down = m_map->verticalHeader();
    down->setSectionResizeMode(QHeaderView::Fixed);
    down->setFont(small);
    down->setMinimumSectionSize(QFontMetrics(small).height() + 3);
    down->setDefaultSectionSize(QFontMetrics(small).height() + 3);
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
    m_hardestModel->clear();
    const QStringList figureNames{tr("Asked"), tr("Right first time"), tr("Wrong answers"),
                                  tr("Average time")};
    m_hardestModel->setVerticalHeaderLabels(figureNames);
    const QLocale locale;
    for (const classroom::ClassFact& fact : facts) {
        QList<QStandardItem*> figures;
        for (const int figure : {fact.asked, fact.rightFirstTime, fact.wrongAnswers}) {
            figures << new QStandardItem(locale.toString(figure));
        }
        const QString seconds = locale.toString(fact.averageMillis / 1000.0, 'f', 1);
        figures << new QStandardItem(tr("%1 s").arg(seconds));
        for (int row = 0; row < figures.size(); ++row) {
            figures[row]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // Each figure with its name, so a reader never says a bare number.
            const QString said = row == 3 ? tr("%1 seconds").arg(seconds) : figures[row]->text();
            figures[row]->setData(QStringLiteral("%1: %2").arg(figureNames[row], said),
                                  Qt::AccessibleTextRole);
        }
        m_hardestModel->appendColumn(figures);
        const int column = m_hardestModel->columnCount() - 1;
        m_hardestModel->setHeaderData(column, Qt::Horizontal,
                                      QStringLiteral("%1 × %2").arg(fact.first).arg(fact.second));
        m_hardestModel->setHeaderData(column, Qt::Horizontal,
                                      spokenQuestion(fact.first, fact.second),
                                      Qt::AccessibleTextRole);
    }
    m_hardest->resizeColumnsToContents();
    m_hardest->setVisible(!facts.empty());
    m_hardest->setCurrentIndex(m_hardestModel->index(0, 0));
}

} // namespace numberlark
