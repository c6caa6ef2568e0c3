#include "table/DataTable.h"
#include "table/MarkerPositions.h"

#include <gtest/gtest.h>

namespace {

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
