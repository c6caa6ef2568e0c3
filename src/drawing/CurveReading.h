#pragma once

#include "drawing/VectorDrawing.h"

#include <optional>
#include <vector>

// Reading a whole plotted series off a drawing from one click on it.
struct CurveReading {
    enum class Kind { Line, Markers };
    Kind kind = Kind::Line;
    // In drawing order: the line's vertices inside its clip, or the centres of the markers.
    std::vector<QPointF> positions;
};

// The line or marker within the radius of a click (the nearest; of equals, the one drawn last,
// which is on top), and with it its series:
// - a marker: the centres of every marker of the same shape and style inside its clip;
// - a line: every vertex inside the clip of it and of the paths drawn right before and after
//   it in the same style, so that a dashed line drawn as many paths is read whole.
// Points that repeat the one before them (where pieces meet) are taken once. Nothing when no
// line or marker is that near.
std::optional<CurveReading> ReadCurveAt(const VectorDrawing& drawing, QPointF click, double radius);
