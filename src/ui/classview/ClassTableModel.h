#pragma once

#include "ui/classview/ClassOverview.h"

#include <QAbstractTableModel>

#include <vector>

namespace numberlark {

// The class as one table: a row per child with her tests, the facts she
// knows and a narrow square per fact (1 × 1 to 12 × 12), coloured as her
// facts grid would colour it. The squares' figures are in their tooltips
// and, for a screen reader, their grade in the accessible name.
class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Tests, KnownFacts, FirstFact };

    explicit ClassTableModel(QObject* parent = nullptr);

    void setOverview(ClassOverview overview);
    const ClassOverview& overview() const { return m_overview; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The fact of a column from FirstFact on, as first and second number.
    static std::pair<int, int> factOfColumn(int column);

private:
    QVariant factData(int row, int fact, int role) const;

    ClassOverview m_overview;
    std::vector<ChildFactRow> m_rows;
};

} // namespace numberlark
