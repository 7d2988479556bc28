#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace numberlark {

class SquaresView;

// The view as a list of squares, row after row.
class SquaresAccessible : public QAccessibleWidget {
public:
    explicit SquaresAccessible(SquaresView* view);
    ~SquaresAccessible() override;
    SquaresAccessible(const SquaresAccessible&) = delete;
    SquaresAccessible& operator=(const SquaresAccessible&) = delete;

    // Installs the factory that gives every SquaresView this interface.
    static void install();
    static int childIndex(const QModelIndex& index);

    QAccessible::Role role() const override { return QAccessible::List; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    SquaresView* view() const;

    mutable std::map<int, QAccessible::Id> m_squares;
};

// One square: its words, where it stands, whether it is current.
class SquareAccessible : public QAccessibleInterface {
public:
    SquareAccessible(SquaresView* view, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QRect rect() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QModelIndex modelIndex() const;

private:
    QPointer<SquaresView> m_view;
    int m_row;
    int m_column;
};

} // namespace numberlark
