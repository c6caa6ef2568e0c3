#pragma once

#include "core/CalibrationRecord.h"

#include <functional>

// The sampling grid of auto-read, laid in the picture's calibrated coordinates: x from the
// left edge towards the right edge in (cols) steps, and within each column y from the bottom
// edge towards the top edge in (rows) steps, as running sums, so whether the far edge itself is
// sampled follows from their rounding. An axis whose two edges are equal is sampled once.
//
// visit receives the position by reference: auto-read turns it into data values to record
// and back, and the sweep goes on from what visit leaves there.
struct AutoReadSteps {
    double dx = 0;
    double dy = 0;
};

AutoReadSteps StepsFor(const EdgeValues& edges, int cols, int rows);

void SweepAutoReadGrid(const EdgeValues& edges, int cols, int rows,
                       const std::function<void(double& x, double& y)>& visit);

// Whether a pixel's packed colour is within the tolerance of the data colour; the packed
// values are compared as whole numbers, so blue weighs 65536 and green 256 times red.
bool IsDataColour(int pixel, int dataColour, int tolerance);
