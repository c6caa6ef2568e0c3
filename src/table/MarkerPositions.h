#pragma once

#include <QPointF>

#include <vector>

class DataTable;

// Where the marker of every point of the table goes on the picture: the X and Y texts read as
// numbers, log10 on a logarithmic axis, through single precision as mouse positions are.
// A point with no place (zero or negative on a log axis, a number too large to read) is left
// out.
std::vector<QPointF> MarkerPositions(const DataTable& table, bool xLog, bool yLog);
