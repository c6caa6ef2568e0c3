#pragma once

#include "picture/UserCoordinates.h"

#include <QLineF>

#include <vector>

// The lines of the calibration grid, in picture pixels: one at every round value of each axis
// over the picture (steps of 1, 2 or 5 times a power of ten, some five to ten of them across;
// on a logarithmic axis every decade and its 2 and 5), drawn through the calibration so that
// they fall on the plot's own grid when the calibration fits it.
std::vector<QLineF> CalibrationGridLines(const UserCoordinates& coordinates, bool xLog, bool yLog);

// The round values of one axis between two user coordinates (log10 of the value on a
// logarithmic axis), as user coordinates; at most MostGridLines of them.
std::vector<double> RoundValues(double from, double to, bool log);

inline constexpr int MostGridLines = 200;
