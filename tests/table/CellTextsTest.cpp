#include "table/CellBlock.h"
#include "table/DataTable.h"
#include "table/RequestedRow.h"

#include <gtest/gtest.h>

namespace {

class CellBlockText : public ::testing::Test {
protected:
    void SetUp() override {
        AppendPointRow(table, 1.0, 2.0);
        AppendPointRow(table, -3.5, 4.0);
        AppendPointRow(table, 5.0, 6.0);
    }
    DataTable table;
};

TEST_F(CellBlockText, HeaderComesAlongWhenSelected) {
    EXPECT_EQ(::CellBlockText(table, {0, 1, 1, 2}),
              QStringLiteral("= X Axis =\t= Y Axis =\r 1\t 2"));
}

TEST_F(CellBlockText, CellsOutsideTheTableAreLeftOut) {
    EXPECT_EQ(::CellBlockText(table, {3, 2, 9, 7}), QStringLiteral(" 6"));
}

TEST(RequestedRow, RoundsHalvesToEven) {
    EXPECT_EQ(RequestedRow(QStringLiteral("3.6"), 10), 4);
    EXPECT_EQ(RequestedRow(QStringLiteral("2.5"), 10), 2);
    EXPECT_EQ(RequestedRow(QStringLiteral("3.5"), 10), 4);
    EXPECT_EQ(RequestedRow(QStringLiteral("0"), 10), 0);
    EXPECT_EQ(RequestedRow(QStringLiteral("text"), 10), 0);
    EXPECT_EQ(RequestedRow(QStringLiteral("-0.4"), 10), 0);
}

TEST(RequestedRow, OutOfRangeAsksForNothing) {
    EXPECT_FALSE(RequestedRow(QStringLiteral("-1"), 10).has_value());
    EXPECT_FALSE(RequestedRow(QStringLiteral("10"), 10).has_value());
    EXPECT_EQ(RequestedRow(QStringLiteral("9.4"), 10), 9);
    EXPECT_FALSE(RequestedRow(QStringLiteral("1e400"), 10).has_value());
    EXPECT_FALSE(RequestedRow(QStringLiteral("1e300"), 10).has_value());
}

} // namespace
