#include "table/CellBlock.h"

#include "table/DataTable.h"

#include <algorithm>

QString CellBlockText(const DataTable& table, const CellBlock& block) {
    const int top = std::max(0, std::min(block.row1, block.row2));
    const int bottom = std::min(table.RowCount() - 1, std::max(block.row1, block.row2));
    const int left = std::max(0, std::min(block.column1, block.column2));
    const int right = std::min(DataTable::ColumnCount - 1, std::max(block.column1, block.column2));
    QString text;
    for (int row = top; row <= bottom; ++row) {
        if (row > top) {
            text += QLatin1Char('\r');
        }
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                text += QLatin1Char('\t');
            }
            text += table.CellText(row, column);
        }
    }
    return text;
}
