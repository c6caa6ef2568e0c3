#pragma once

#include "table/DataTable.h"

#include <QPointF>

#include <cstdint>
#include <functional>
#include <vector>

// The spline's samples through the table's points, as (x, y) data values: the independent
// column is X or Y, the points are read in table order (sorted by the caller) and stored in
// single precision. Throws AppError as NaturalSplineSamples does.
std::vector<QPointF> InterpolateTable(const DataTable& table, bool xIndependent, int samples);

// Rows for interpolated points appended after the table's rows: numbered on from
// firstNumber, values in padded form with single precision. keepGoing hears how many rows
// are done; when it answers false the rows made so far come back, fewer than the points.
std::vector<DataTable::Row>
InterpolatedRows(int firstNumber, const std::vector<QPointF>& points,
                 const std::function<bool(std::int64_t done)>& keepGoing = {});
