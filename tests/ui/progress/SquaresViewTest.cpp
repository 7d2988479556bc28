// A screen reader hears the facts grid and the class's map one square at a
// time: the view is a list of squares, and a square says its row's and
// column's header only when they changed and its own words lack them.
#include "ui/progress/SquaresView.h"

#include <QAccessible>
#include <QStandardItemModel>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

TEST(SquaresViewTest, SquareSaysOnlyTheHeadersThatChanged)
{
    QStandardItemModel model(2, 2);
    model.setVerticalHeaderLabels({QStringLiteral("Ada"), QStringLiteral("Bea")});
    model.setHorizontalHeaderLabels({QStringLiteral("Tests"), QStringLiteral("7 times 3")});
    const char* words[2][2] = {{"2", "7 times 3, Known"}, {"5", "7 times 3, Tricky"}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            model.setItem(row, column, new QStandardItem(QLatin1String(words[row][column])));
        }
    }
    SquaresView view;
    view.setModel(&model);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List); // a table's row would be read whole
    EXPECT_EQ(list->childCount(), 4);
    const struct {
        int row, column;
        const char* heard;
    } moves[] = {{0, 0, "Ada, Tests, 2"},
                 {0, 1, "7 times 3, Known"},
                 {1, 1, "Bea, 7 times 3, Tricky"},
                 {1, 0, "Tests, 5"},
                 {1, 0, "Tests, 5"}};
    for (const auto& m : moves) {
        view.setCurrentIndex(model.index(m.row, m.column));
        QAccessibleInterface* square = list->child(m.row * 2 + m.column);
        ASSERT_NE(square, nullptr);
        EXPECT_EQ(square->role(), QAccessible::ListItem);
        EXPECT_EQ(square->text(QAccessible::Name), QLatin1String(m.heard));
        EXPECT_EQ(list->indexOfChild(square), m.row * 2 + m.column);
    }
}

} // namespace
} // namespace numberlark
