#pragma once

#include "progress/FactStats.h"

#include <QAbstractTableModel>

#include <vector>

namespace numberlark {

// The facts 1 × 1 to 12 × 12 as a table: row r and column c hold r × c, its
// product shown, its colour from how well the child knows it, its figures
// in the tooltip and, for a screen reader, its grade in the accessible name
// and its figures in the description.
class FactGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kSize = 12;

    explicit FactGridModel(QObject* parent = nullptr);

    void setStats(std::vector<progress::FactStats> stats);
    const std::vector<progress::FactStats>& stats() const { return m_stats; }
    progress::FactStats statsAt(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<progress::FactStats> m_stats;
};

// The facts beyond the grid (an Other table above 12 or below 1), one line each.
QStringList factsBeyondGrid(const std::vector<progress::FactStats>& stats);

} // namespace numberlark
