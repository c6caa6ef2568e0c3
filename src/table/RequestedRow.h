#pragma once

#include <QString>

#include <optional>

// The row a point number typed into the edit panel asks for: the number rounded to a whole
// number, halves to even (2.5 asks for row 2, 3.5 for row 4). Nothing when it is negative or
// beyond the last row, or too large to read.
std::optional<int> RequestedRow(const QString& text, int rowCount);
