#pragma once

#include "drawing/CurveReading.h"

#include <QPointF>

#include <cstdint>
#include <vector>

class Session;

// What Read Curve did with a click on the picture.
struct CurveReadout {
    enum class Result {
        Read,        // the series went into the current curve
        NoDrawing,   // the picture is made of pixels only
        Dropped,     // the page's drawing was too large to keep
        NoPaths,     // the page draws no line or shape (a scanned page)
        NothingNear, // no line or marker within the radius of the click
    };
    Result result = Result::NothingNear;
    CurveReading::Kind kind = CurveReading::Kind::Line;
    std::int64_t found = 0;
    // Positions whose values do not fit a number (far past a log axis's range).
    std::int64_t skipped = 0;
};

// Records picture positions (in pixels) into the current curve, in their order, with the values
// of the calibration in full precision, each marked in the curve's marker colour. Positions whose
// values do not fit a number are counted, not recorded.
struct RecordedPositions {
    std::int64_t found = 0;
    std::int64_t skipped = 0;
};
RecordedPositions RecordPositions(Session& session, const std::vector<QPointF>& positions);

// Reads the line or the markers of the picture's drawing at a click (in pixel positions) into
// the current curve, at once and in drawing order, with the values of the calibration in full
// precision, each marked in the curve's marker colour.
CurveReadout ReadDrawnCurve(Session& session, QPointF click, double radius);
