#pragma once

#include "drawing/VectorDrawing.h"
#include "recognition/AxisTickFit.h"

#include <QLineF>

#include <optional>
#include <vector>

// The axes of a plot found in a page's drawing: the long straight strokes of its frame or axis
// lines, the short strokes standing across them (the ticks) and the texts beside the ticks (their
// labels), as numbers.

struct LabelledTick {
    QPointF onAxis;   // the tick's end on the axis line, in picture pixels
    QString label;    // its label's text
    double value = 0; // what the label says (times the axis's factor)
};

struct DrawnAxis {
    QLineF line; // the axis line, from its start to its end
    std::vector<LabelledTick> ticks;
    double factor = 1; // an "×10^n" written by the axis, applied to every label
};

struct DrawnAxes {
    std::optional<DrawnAxis> x; // the lowest horizontal axis with labelled ticks
    std::optional<DrawnAxis> y; // the leftmost vertical one
};

// Lines count as horizontal or vertical up to this many degrees off, so that a page turned a
// little is still read.
inline constexpr double AxisSlantDegrees = 2;

DrawnAxes FindDrawnAxes(const VectorDrawing& drawing);

// The ticks of an axis as the fit takes them: their places along the axis line (pixels from its
// start) and their values.
std::vector<AxisTick> TicksAlong(const DrawnAxis& axis);
