#pragma once

#include <QPointF>

#include <vector>

// Natural cubic spline through points sorted by their independent value, sampled at m evenly
// spaced positions: one step (range / m) after the first point, then by a running sum up to
// the last. All stored values are single precision. Samples left of the second knot use the
// first cubic and samples beyond the last knot the last cubic (the ends are extended).
//
// u: independent values (strictly ascending), v: dependent values, both at least 4 long.
// Returns the samples as (independent, dependent) pairs. Throws AppError on an arithmetic
// fault: two equal independent values, m of 0, a result that overflows, m below 0.
std::vector<QPointF> NaturalSplineSamples(const std::vector<float>& u, const std::vector<float>& v,
                                          int m);
