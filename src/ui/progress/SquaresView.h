#pragma once

#include <QTableView>

namespace numberlark {

// A table of squares (the facts grid, the class's map) that a screen reader
// reads one square per arrow press. Told as a table, Orca reads the whole
// row on Up and Down (twelve facts, or a child's 146 squares); told as a
// list of squares, it reads the square alone. The square then says its
// row's and its column's header when they changed since the last square,
// unless its own words already hold them ("7 times 3" holds row 7).
class SquaresView : public QTableView {
    Q_OBJECT

public:
    explicit SquaresView(QWidget* parent = nullptr);

    // What a reader says for the square: the changed headers, then its words.
    QString spokenText(const QModelIndex& index) const;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QString headersToTell(const QModelIndex& index, const QModelIndex& previous) const;
    void tellReaders(const QModelIndex& current);

    QPersistentModelIndex m_told;
    QString m_toldHeaders;
};

} // namespace numberlark
