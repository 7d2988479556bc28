#include "ui/progress/SquaresAccessible.h"

#include "ui/progress/SquaresView.h"

#include <QItemSelectionModel>
#include <QWidget>
#include <QWindow>

namespace numberlark {

namespace {

QAccessibleInterface* squaresFactory(const QString& /*className*/, QObject* object)
{
    // Asked first with the most derived class, so no table interface is made.
    if (auto* view = qobject_cast<SquaresView*>(object)) {
        return new SquaresAccessible(view);
    }
    return nullptr;
}

int columnsOf(const QAbstractItemView& view)
{
    return view.model() ? view.model()->columnCount() : 0;
}

} // namespace

SquaresAccessible::SquaresAccessible(SquaresView* view) : QAccessibleWidget(view) {}

SquaresAccessible::~SquaresAccessible()
{
    for (const auto& [index, id] : m_squares) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

void SquaresAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(squaresFactory), true);
    Q_UNUSED(installed);
}

int SquaresAccessible::childIndex(const QModelIndex& index)
{
    return index.row() * index.model()->columnCount() + index.column();
}

SquaresView* SquaresAccessible::view() const
{
    return static_cast<SquaresView*>(widget());
}

int SquaresAccessible::childCount() const
{
    const QAbstractItemModel* model = view()->model();
    return model ? model->rowCount() * model->columnCount() : 0;
}

QAccessibleInterface* SquaresAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    auto found = m_squares.find(index);
    if (found == m_squares.end()) {
        const int columns = columnsOf(*view());
        auto* square = new SquareAccessible(view(), index / columns, index % columns);
        found = m_squares.emplace(index, QAccessible::registerAccessibleInterface(square)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int SquaresAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* square = dynamic_cast<const SquareAccessible*>(child);
    return square && square->isValid() ? childIndex(square->modelIndex()) : -1;
}

QAccessibleInterface* SquaresAccessible::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(childIndex(index)) : nullptr;
}

QAccessibleInterface* SquaresAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? child(childIndex(current)) : nullptr;
}

SquareAccessible::SquareAccessible(SquaresView* view, int row, int column)
    : m_view(view), m_row(row), m_column(column)
{
}

QModelIndex SquareAccessible::modelIndex() const
{
    return m_view && m_view->model() ? m_view->model()->index(m_row, m_column) : QModelIndex();
}

bool SquareAccessible::isValid() const
{
    return modelIndex().isValid();
}

QWindow* SquareAccessible::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QRect SquareAccessible::rect() const
{
    if (!isValid()) {
        return {};
    }
    const QRect shown = m_view->visualRect(modelIndex());
    return QRect(m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

QString SquareAccessible::text(QAccessible::Text t) const
{
    if (!isValid()) {
        return {};
    }
    // The square's figures stay in its tooltip: told after every arrow press
    // they took eight seconds, and the grade in the name says what matters.
    return t == QAccessible::Name ? m_view->spokenText(modelIndex()) : QString();
}

QAccessible::State SquareAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const QModelIndex index = modelIndex();
    state.focusable = true;
    state.selectable = true;
    state.focused = m_view->hasFocus() && m_view->currentIndex() == index;
    state.active = m_view->currentIndex() == index;
    state.selected = m_view->selectionModel() && m_view->selectionModel()->isSelected(index);
    state.offscreen = !m_view->viewport()->rect().intersects(m_view->visualRect(index));
    return state;
}

QAccessibleInterface* SquareAccessible::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
}

} // namespace numberlark
