#include "ui/classview/FactBlocksRuler.h"

#include "ui/classview/ClassOverview.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace numberlark {

FactBlocksRuler::FactBlocksRuler(QTableView* map, int firstFactColumn, QWidget* parent)
    : QWidget(parent), m_map(map), m_firstFactColumn(firstFactColumn)
{
    connect(m_map->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            qOverload<>(&QWidget::update));
    connect(m_map->horizontalHeader(), &QHeaderView::geometriesChanged, this,
            qOverload<>(&QWidget::update));
}

QSize FactBlocksRuler::sizeHint() const
{
    return {0, fontMetrics().height() + 4};
}

void FactBlocksRuler::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QHeaderView* header = m_map->horizontalHeader();
    // The header's left edge in this ruler's own coordinates.
    const int origin =
        header->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    for (int block = 0; block < kMapSide; ++block) {
        const int first = m_firstFactColumn + block * kMapSide;
        const int left = origin + header->sectionViewportPosition(first);
        const int right = origin + header->sectionViewportPosition(first + kMapSide - 1) +
                          header->sectionSize(first + kMapSide - 1);
        if (right <= origin) {
            continue;
        }
        const QRect blockRect(left, 0, right - left, height());
        painter.drawText(blockRect, Qt::AlignCenter, QStringLiteral("%1 ×").arg(block + 1));
        painter.drawLine(left, height() - 1, right - 2, height() - 1);
    }
}

} // namespace numberlark
