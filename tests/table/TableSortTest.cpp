#include "table/TableSort.h"
#include "core/AppError.h"
#include "core/NumberText.h"
#include "table/DataTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>

namespace {

std::unique_ptr<DataTable>
TableOf(std::initializer_list<std::pair<const char*, const char*>> points) {
    auto owner = std::make_unique<DataTable>();
    DataTable& table = *owner;
    int number = 1;
    for (const auto& [x, y] : points) {
        table.AppendRow({PaddedNumberText(static_cast<double>(number++)), QString::fromUtf8(x),
                         QString::fromUtf8(y)});
    }
    return owner;
}

std::vector<std::pair<QString, QString>> Points(const DataTable& table) {
    std::vector<std::pair<QString, QString>> points;
    for (int row = 1; row < table.RowCount(); ++row) {
        points.emplace_back(table.CellText(row, 1), table.CellText(row, 2));
    }
    return points;
}

using P = std::vector<std::pair<QString, QString>>;
const QString One = QStringLiteral("1");
const QString Five = QStringLiteral("5");
const QString Six = QStringLiteral("6");

TEST(SortPoints, TextThatIsNoNumberSortsAsZeroAndNumbersStay) {
    auto tableOwner = TableOf({{"10", "a"}, {"9", "b"}, {"word", "c"}});
    DataTable& table = *tableOwner;
    SortPoints(table, SortKey::X);
    EXPECT_EQ(Points(table), (P{{"0", "0"}, {"9", "0"}, {"10", "0"}}));
    EXPECT_EQ(table.CellText(1, 0), QStringLiteral(" 1")) << "point numbers do not move";
    EXPECT_EQ(table.CellText(3, 0), QStringLiteral(" 3"));
}

TEST(SortPoints, SmallTablesAreRewrittenInPlainForm) {
    DataTable empty;
    SortPoints(empty, SortKey::Y);
    EXPECT_EQ(empty.RowCount(), 1);
    auto oneOwner = TableOf({{" 2.5", "-1,5"}});
    DataTable& one = *oneOwner;
    SortPoints(one, SortKey::X);
    EXPECT_EQ(Points(one), (P{{"2.5", "-1"}}));
}

// Cells in every form the table meets, with many equal keys: the sort keeps points with equal
// keys in their order and writes each value's plain text, whether it keeps a cell that already
// holds it or writes the value anew.
TEST(SortPoints, AStableSortThatLeavesEveryCellInPlainForm) {
    std::mt19937_64 random(64);
    const auto anyText = [&] {
        const double value =
            random() % 2 == 0
                ? static_cast<double>(static_cast<std::int64_t>(random() % 11) - 5) / 2
                : static_cast<double>(static_cast<std::int64_t>(random() % 200001) - 100000) /
                      std::pow(10.0, static_cast<int>(random() % 9));
        switch (random() % 5) {
        case 0:
            return PaddedNumberText(value);
        case 1:
            return PlainNumberText(value);
        case 2:
            return PaddedNumberText(static_cast<float>(value));
        case 3:
            return QString::number(value, 'f', static_cast<int>(random() % 6));
        default:
            return QString::number(value, 'e', static_cast<int>(random() % 16));
        }
    };
    DataTable table;
    std::vector<std::pair<double, double>> expected;
    for (int i = 0; i < 3000; ++i) {
        table.AppendRow({QStringLiteral("n"), anyText(), anyText()});
        expected.emplace_back(LeadingNumberValue(table.CellText(i + 1, 2)),
                              LeadingNumberValue(table.CellText(i + 1, 1)));
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    SortPoints(table, SortKey::Y);
    for (int row = 1; row < table.RowCount(); ++row) {
        const auto& [y, x] = expected[static_cast<size_t>(row - 1)];
        ASSERT_EQ(table.CellText(row, 2), PlainNumberText(y)) << row;
        ASSERT_EQ(table.CellText(row, 1), PlainNumberText(x)) << row;
    }
}

TEST(RemoveRepeated, OnlyNeighboursAfterTheSortAreCompared) {
    auto byXOwner = TableOf({{" 1", " 5"}, {" 1", " 6"}, {" 1", " 5"}});
    DataTable& byX = *byXOwner;
    SortPoints(byX, SortKey::X);
    EXPECT_EQ(RemoveRepeatedNeighbours(byX), 0);
    EXPECT_EQ(byX.PointCount(), 3);
    auto byYOwner = TableOf({{" 1", " 5"}, {" 1", " 6"}, {" 1", " 5"}});
    DataTable& byY = *byYOwner;
    SortPoints(byY, SortKey::Y);
    EXPECT_EQ(RemoveRepeatedNeighbours(byY), 1);
    EXPECT_EQ(Points(byY), (P{{One, Five}, {One, Six}}));
}

TEST(RemoveRepeated, SevenDigitsMakeARepeat) {
    auto tableOwner = TableOf({{"1", "1"}, {"1.00000001", "1"}, {"1.0001", "1"}});
    DataTable& table = *tableOwner;
    RemoveRepeatedNeighbours(table);
    EXPECT_EQ(Points(table), (P{{"1", "1"}, {"1.0001", "1"}}));
    EXPECT_EQ(table.CellText(2, 0), QStringLiteral("2"));
}

TEST(RemoveRepeated, ValuesBeyondTheFloatRangeCompareInDoublePrecision) {
    EXPECT_FALSE(SameInSinglePrecision(1e39, 1.0000001e39));
    EXPECT_TRUE(SameInSinglePrecision(1e39, 1e39));
    EXPECT_FALSE(SameInSinglePrecision(1e39, 3.5e38));
    EXPECT_TRUE(SameInSinglePrecision(1.0, 1.00000001));
    EXPECT_FALSE(SameInSinglePrecision(1.0, 1.0001));
    auto tableOwner = TableOf({{"1e39", "0"}, {"1.0000001e39", "0"}, {"1.0000001e39", "0"}});
    DataTable& table = *tableOwner;
    RemoveRepeatedNeighbours(table);
    EXPECT_EQ(table.PointCount(), 2);
}

TEST(RemoveRepeated, AnEmptyTableStaysEmpty) {
    DataTable table;
    EXPECT_EQ(RemoveRepeatedNeighbours(table), 0);
    EXPECT_EQ(table.RowCount(), 1);
}

} // namespace
