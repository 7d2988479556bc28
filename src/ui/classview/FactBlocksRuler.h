#pragma once

#include <QWidget>

class QTableView;

namespace numberlark {

// The line above the class map that names its blocks of twelve facts
// ("7 ×" over 7 × 1 to 7 × 12), kept over its columns as the map scrolls.
// Each column is too narrow for a heading of its own.
class FactBlocksRuler : public QWidget {
    Q_OBJECT

public:
    FactBlocksRuler(QTableView* map, int firstFactColumn, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTableView* m_map;
    int m_firstFactColumn;
};

} // namespace numberlark
