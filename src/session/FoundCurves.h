#pragma once

#include <cstdint>

struct CurveFinding;
class Session;

struct FoundCurvesOutcome {
    int curves = 0;           // curves that got points
    std::int64_t points = 0;  // points recorded in them
    std::int64_t skipped = 0; // positions whose values do not fit a number
    int notAdded = 0;         // series left out at the limit of curves
};

// Puts every series found into a curve of its own, named by its colour ("Blue", "Blue 2") and
// drawn in it, with its points' values under the calibration; the session's only curve, while
// it is empty and has its first name, is the first of them. The first found becomes current.
FoundCurvesOutcome AddFoundCurves(Session& session, const CurveFinding& finding);
