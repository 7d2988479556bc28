#include "ui/progress/FactMarkDelegate.h"

#include <QBrush>
#include <QPainter>

namespace numberlark {

void FactMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString mark = index.data(kFactMarkRole).toString();
    if (mark.isEmpty()) {
        return;
    }
    const bool besideText = !index.data(Qt::DisplayRole).toString().isEmpty();
    QFont font = option.font;
    font.setBold(true);
    if (besideText) {
        font.setPointSizeF(font.pointSizeF() * 0.75);
    }
    painter->save();
    painter->setFont(font);
    painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    const QRect area = option.rect.adjusted(1, 0, -2, 0);
    painter->drawText(area, besideText ? Qt::AlignRight | Qt::AlignTop : Qt::AlignCenter, mark);
    painter->restore();
}

} // namespace numberlark
