#include "table/CellBlock.h"
#include "table/DataTable.h"
#include "table/RequestedRow.h"

#include <gtest/gtest.h>

namespace {

// The header comes along when it is selected; cells outside the table are left out.
TEST(CellBlockText, RowsEndInCrCellsInTabs) {
    DataTable table;
    AppendPointRow(table, 1.0, 2.0);
    AppendPointRow(table, -3.5, 4.0);
    AppendPointRow(table, 5.0, 6.0);
    EXPECT_EQ(CellBlockText(table, {0, 1, 1, 2}), QStringLiteral("= X Axis =\t= Y Axis =\r 1\t 2"));
    EXPECT_EQ(CellBlockText(table, {3, 2, 9, 7}), QStringLiteral(" 6"));
}

// A typed point number: rounded with halves to even, nothing when it names no row.
TEST(RequestedRow, RoundsHalvesToEvenAndOutOfRangeAsksForNothing) {
    const struct {
        const char* typed;
        std::optional<int> row;
    } cases[] = {{"3.6", 4},
                 {"2.5", 2},
                 {"3.5", 4},
                 {"0", 0},
                 {"text", 0},
                 {"-0.4", 0},
                 {"9.4", 9},
                 {"-1", std::nullopt},
                 {"10", std::nullopt},
                 {"1e400", std::nullopt},
                 {"1e300", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(RequestedRow(QString::fromLatin1(c.typed), 10), c.row) << c.typed;
    }
}

} // namespace
