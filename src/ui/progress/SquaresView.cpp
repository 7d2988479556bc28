#include "ui/progress/SquaresView.h"

#include "ui/progress/SquaresAccessible.h"

#include <QAccessible>
#include <QFocusEvent>

namespace numberlark {

namespace {

QString headerWords(const QAbstractItemModel& model, int section, Qt::Orientation orientation)
{
    const QString words = model.headerData(section, orientation, Qt::AccessibleTextRole).toString();
    return words.isEmpty() ? model.headerData(section, orientation).toString() : words;
}

QString squareWords(const QModelIndex& index)
{
    const QString words = index.data(Qt::AccessibleTextRole).toString();
    return words.isEmpty() ? index.data().toString() : words;
}

} // namespace

SquaresView::SquaresView(QWidget* parent) : QTableView(parent)
{
    SquaresAccessible::install();
}

QString SquaresView::spokenText(const QModelIndex& index) const
{
    const QString words = squareWords(index);
    return index == m_told && !m_toldHeaders.isEmpty()
               ? m_toldHeaders + QStringLiteral(", ") + words
               : words;
}

QString SquaresView::headersToTell(const QModelIndex& index, const QModelIndex& previous) const
{
    const QString words = squareWords(index);
    QStringList told;
    const auto tell = [&](bool changed, const QString& header) {
        if (changed && !header.isEmpty() && !words.contains(header)) {
            told << header;
        }
    };
    tell(!previous.isValid() || previous.row() != index.row(),
         headerWords(*model(), index.row(), Qt::Vertical));
    tell(!previous.isValid() || previous.column() != index.column(),
         headerWords(*model(), index.column(), Qt::Horizontal));
    return told.join(QStringLiteral(", "));
}

// The table's own events number the squares with its headers among them;
// this view tells readers its own numbering, and only of the square itself.
void SquaresView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (current.isValid()) {
        m_toldHeaders = headersToTell(current, m_told);
        m_told = current;
        tellReaders(current);
    }
}

void SquaresView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QAbstractItemView::selectionChanged(selected, deselected);
}

// The view's own focus is told to readers after this returns, and a reader
// then says the view alone; the square is told behind it.
void SquaresView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (currentIndex().isValid()) {
                tellReaders(currentIndex());
            }
        },
        Qt::QueuedConnection);
}

void SquaresView::tellReaders(const QModelIndex& current)
{
    if (!QAccessible::isActive() || !hasFocus()) {
        return;
    }
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(SquaresAccessible::childIndex(current));
    QAccessible::updateAccessibility(&focused);
}

} // namespace numberlark
