#include "ui/classview/ClassTableModel.h"

#include "ui/common/SpokenTexts.h"
#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/FactMarkDelegate.h"
#include "ui/progress/ProgressTexts.h"

#include <QBrush>

namespace numberlark {

ClassTableModel::ClassTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ClassTableModel::setOverview(ClassOverview overview)
{
    beginResetModel();
    m_overview = std::move(overview);
    m_rows = factRows(m_overview);
    endResetModel();
}

int ClassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_overview.children.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FirstFact + kMapFacts;
}

std::pair<int, int> ClassTableModel::factOfColumn(int column)
{
    const int fact = column - FirstFact;
    return {fact / kMapSide + 1, fact % kMapSide + 1};
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const classroom::ChildSummary& child = m_overview.children[index.row()];
    if (index.column() >= FirstFact) {
        return factData(index.row(), index.column() - FirstFact, role);
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return index.column() == Tests ? child.tests : child.knownFacts;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ClassTableModel::factData(int row, int fact, int role) const
{
    const classroom::ChildFactCounts* counts = m_rows[row][fact];
    const practice::Fluency grade = counts ? gradeOf(*counts) : practice::Fluency::NotAskedYet;
    const auto [first, second] = factOfColumn(fact + FirstFact);
    switch (role) {
    case Qt::BackgroundRole:
        return QBrush(gradeColour(grade));
    case Qt::ForegroundRole:
        return QBrush(gradeTextColour(grade));
    case kFactMarkRole:
        return gradeMark(grade);
    case Qt::AccessibleTextRole:
        return tr("%1 times %2, %3").arg(first).arg(second).arg(gradeName(grade));
    case Qt::ToolTipRole: {
        QString tip = QStringLiteral("%1\n%2 × %3: %4")
                          .arg(shownChildName(m_overview.children[row].child))
                          .arg(first)
                          .arg(second)
                          .arg(gradeName(grade));
        if (counts) {
            tip += QLatin1Char('\n') + tr("Asked: %1").arg(counts->asked) + QLatin1Char('\n') +
                   tr("Right first time: %1").arg(counts->rightFirstTime) + QLatin1Char('\n') +
                   tr("Wrong answers: %1").arg(counts->wrongAnswers);
        }
        return tip;
    }
    default:
        return {};
    }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount() ||
            (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
            return {};
        }
        return shownChildName(m_overview.children[section].child);
    }
    if (section == Tests && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        return tr("Tests");
    }
    if (section == KnownFacts && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        return tr("Known");
    }
    if (section == KnownFacts && role == Qt::ToolTipRole) {
        return tr("Facts known");
    }
    if (section >= FirstFact && role == Qt::ToolTipRole) {
        const auto [first, second] = factOfColumn(section);
        return QStringLiteral("%1 × %2").arg(first).arg(second);
    }
    if (section >= FirstFact && role == Qt::AccessibleTextRole) {
        const auto [first, second] = factOfColumn(section);
        return spokenQuestion(first, second);
    }
    return {};
}

} // namespace numberlark
