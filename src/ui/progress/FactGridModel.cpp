#include "ui/progress/FactGridModel.h"

#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/FactMarkDelegate.h"

#include <QBrush>

namespace numberlark {

using progress::FactStats;

FactGridModel::FactGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void FactGridModel::setStats(std::vector<FactStats> stats)
{
    m_stats = std::move(stats);
    emit dataChanged(index(0, 0), index(kSize - 1, kSize - 1));
}

FactStats FactGridModel::statsAt(int row, int column) const
{
    return progress::statsFor(m_stats, progress::Fact{static_cast<std::int16_t>(row + 1),
                                                      static_cast<std::int16_t>(column + 1)});
}

int FactGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kSize;
}

int FactGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kSize;
}

QVariant FactGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return (index.row() + 1) * (index.column() + 1);
    case Qt::TextAlignmentRole:
        return int{Qt::AlignCenter};
    case Qt::BackgroundRole:
        return QBrush(gradeColour(statsAt(index.row(), index.column()).fluency));
    case Qt::ForegroundRole:
        return QBrush(gradeTextColour(statsAt(index.row(), index.column()).fluency));
    case kFactMarkRole:
        return gradeMark(statsAt(index.row(), index.column()).fluency);
    case Qt::ToolTipRole:
        return factToolTip(statsAt(index.row(), index.column()));
    case Qt::AccessibleTextRole:
        return factAccessibleName(index.row() + 1, index.column() + 1,
                                  statsAt(index.row(), index.column()));
    case Qt::AccessibleDescriptionRole:
        return factAccessibleDescription(statsAt(index.row(), index.column()));
    default:
        return {};
    }
}

QVariant FactGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole) {
        return section + 1;
    }
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
        //: Read out for a column ("times 7") and a row ("7 times") of the facts grid.
        return orientation == Qt::Horizontal ? tr("times %1").arg(section + 1)
                                             : tr("%1 times").arg(section + 1);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QStringList factsBeyondGrid(const std::vector<FactStats>& stats)
{
    QStringList lines;
    for (const FactStats& fact : stats) {
        if (fact.fact.first > FactGridModel::kSize || fact.fact.second > FactGridModel::kSize) {
            lines << factAccessibleText(fact);
        }
    }
    return lines;
}

} // namespace numberlark
