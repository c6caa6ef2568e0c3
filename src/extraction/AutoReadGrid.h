#pragma once

#include "core/CalibrationRecord.h"

#include <functional>
#include <vector>

// The sampling grid of auto-read, laid in the picture's calibrated coordinates: x from the
// left edge towards the right edge in (cols) steps, and within each column y from the bottom
// edge towards the top edge in (rows) steps, as running sums, so whether the far edge itself is
// sampled follows from their rounding. An axis whose two edges are equal is sampled once.
//
// visit receives each position as a copy, so nothing it does to a position can move the
// sweep; it returns false to end the sweep there (the user stopped it). A running sum that
// no longer moves (a step below the resolution of the coordinates) ends its axis instead of
// spinning: no axis is sampled more than one position beyond its nominal count.
struct AutoReadSteps {
    double dx = 0;
    double dy = 0;
};

AutoReadSteps StepsFor(const EdgeValues& edges, int cols, int rows);

// The positions of the sweep along each axis: every column of the grid has the same rows, so
// the sweep visits each x of columns with each y of rows in turn.
struct AutoReadAxes {
    std::vector<double> columns;
    std::vector<double> rows;
};

AutoReadAxes AxesFor(const EdgeValues& edges, int cols, int rows);

// Returns false when visit ended the sweep early.
bool SweepAutoReadGrid(const EdgeValues& edges, int cols, int rows,
                       const std::function<bool(double x, double y)>& visit);

// Whether a pixel's packed colour is within the tolerance of the data colour; the packed
// values are compared as whole numbers, so blue weighs 65536 and green 256 times red.
bool IsDataColour(int pixel, int dataColour, int tolerance);
