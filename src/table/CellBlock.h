#pragma once

#include <QString>

class DataTable;

// A rectangle of cells; the ends may be given either way round.
struct CellBlock {
    int row1 = 0;
    int column1 = 0;
    int row2 = 0;
    int column2 = 0;
};

// The cells of the block as text for the clipboard: cells of a row joined by TAB, rows
// joined by CR alone, nothing after the last cell, texts exactly as the table holds them.
// Cells outside the table are left out.
QString CellBlockText(const DataTable& table, const CellBlock& block);
