#include "table/DataTable.h"
#include "table/MarkerPositions.h"

#include <gtest/gtest.h>

namespace {

TEST(DataTable, PointNumberFollowsTheRowCountEvenAfterEdits) {
    DataTable table;
    table.AppendRow({QStringLiteral("7"), QStringLiteral("a"), QStringLiteral("b")});
    AppendPointRow(table, 1.0f, 1.0f);
    EXPECT_EQ(table.CellText(2, 0), QStringLiteral(" 2"));
}

TEST(DataTable, FrozenHeaderCannotBeSelected) {
    DataTable table;
    AppendPointRow(table, 1.0f, 1.0f);
    EXPECT_TRUE(table.flags(table.index(0, 0)).testFlag(Qt::ItemIsSelectable));
    AppendPointRow(table, 2.0f, 2.0f);
    EXPECT_FALSE(table.flags(table.index(0, 0)).testFlag(Qt::ItemIsSelectable));
    EXPECT_TRUE(table.flags(table.index(1, 0)).testFlag(Qt::ItemIsSelectable));
}

TEST(DataTable, ClearKeepsTheHeaderAndUnfreezesIt) {
    DataTable table;
    for (int i = 0; i < 5; ++i) {
        AppendPointRow(table, float(i), float(i));
    }
    table.Clear();
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_FALSE(table.HeaderFrozen());
    EXPECT_EQ(table.CellText(0, 1), QStringLiteral("= X Axis ="));
}

// Markers are drawn where the cells' values lie on the picture; a value that has no place there
// (zero or below on a log axis, too large to read) gets no marker and stops nothing.
TEST(MarkerPositions, OnlyValuesWithAPlaceOnThePicture) {
    DataTable table;
    table.AppendRows({{QStringLiteral(" 1"), QStringLiteral("100"), QStringLiteral("10")},
                      {QStringLiteral(" 2"), QStringLiteral("0"), QStringLiteral("5")},
                      {QStringLiteral(" 3"), QStringLiteral("20"), QStringLiteral("-3")},
                      {QStringLiteral(" 4"), QStringLiteral("1e400"), QStringLiteral("1")},
                      {QStringLiteral(" 5"), QStringLiteral("abc"), QStringLiteral("1000")}});
    using Points = std::vector<QPointF>;
    EXPECT_EQ(MarkerPositions(table, true, true), (Points{{2, 1}}));
    EXPECT_EQ(MarkerPositions(table, false, true), (Points{{100, 1}, {0, 0.69897f}, {0, 3}}));
    EXPECT_EQ(MarkerPositions(table, true, false), (Points{{2, 10}, {1.30103f, -3}}));
    EXPECT_EQ(MarkerPositions(table, false, false).size(), 4u);
}

} // namespace
