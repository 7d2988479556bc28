#pragma once

#include "ui/classview/ClassOverview.h"

#include <QWidget>

class QLabel;
class QStandardItemModel;
class QTableView;

namespace numberlark {

class ClassTableModel;

// The teacher's view of the whole class: the facts the class finds hardest,
// and a row per child with her tests, the facts she knows and every fact
// from 1 × 1 to 12 × 12 coloured as her own facts grid.
class ClassOverviewPage : public QWidget {
    Q_OBJECT

public:
    explicit ClassOverviewPage(QWidget* parent = nullptr);

    void setOverview(ClassOverview overview);
    const ClassOverview& overview() const;

    // The parts tests look at.
    QTableView* hardestFacts() const { return m_hardest; }
    QTableView* classMap() const { return m_map; }

private:
    QWidget* createHardestFacts();
    QWidget* createMap();
    void showHardest(const std::vector<classroom::ClassFact>& facts);

    QStandardItemModel* m_hardestModel = nullptr;
    QTableView* m_hardest = nullptr;
    ClassTableModel* m_mapModel = nullptr;
    QTableView* m_map = nullptr;
    QLabel* m_title = nullptr;
};

} // namespace numberlark
