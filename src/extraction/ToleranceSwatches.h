#pragma once

#include "core/PackedColor.h"

#include <QString>

#include <array>
#include <optional>

// The colours the options window shows for the auto-read colour tolerance: each channel of the
// data colour within +/- t, with t half the tolerance number (halves to even).
struct ToleranceSwatches {
    PackedColor lowest;
    PackedColor highest;
    std::array<PackedColor, 15> steps{}; // the middles of 15 equal steps from lowest to highest
};

ToleranceSwatches SwatchesFor(PackedColor dataColor, int halfTolerance);

// Half the tolerance number, rounded with halves to the even neighbour.
int HalfTolerance(double toleranceNumber);
