#pragma once

#include <QStyledItemDelegate>

namespace numberlark {

// The model role that holds a cell's grade mark (gradeMark()).
inline constexpr int kFactMarkRole = Qt::UserRole + 20;

// Draws a cell as usual and its grade mark over it: small in the top right
// corner beside a product, or in the middle of a cell with no text (the
// class map's squares).
class FactMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace numberlark
