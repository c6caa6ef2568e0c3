#pragma once

#include "recognition/AxisTickFit.h"

#include <QLineF>
#include <QPointF>

#include <optional>
#include <vector>

// A calibration proposed from two fitted axes: reference points at the corners of the span of
// the ticks taken, with the values the fits give there. Positions are in picture pixels.

struct ProposedReference {
    QPointF pixel;
    double x = 0;
    double y = 0;
};

struct FittedAxis {
    QLineF line; // the axis line; positions are along it from line.p1()
    std::vector<AxisTick> ticks;
    AxisTickFit fit; // of those ticks
};

struct ProposedCalibration {
    std::vector<ProposedReference> references; // two for upright axes, three for turned ones
    bool xLog = false;
    bool yLog = false;
};

// Axes within this angle of upright take the two-point calibration; beyond it a third point
// lets the fit follow the turn.
inline constexpr double UprightDegrees = 0.01;

// Nothing when the axis lines are (nearly) parallel or a fit cannot place its ticks.
std::optional<ProposedCalibration> ProposeCalibration(const FittedAxis& x, const FittedAxis& y);

// The values of a picture position under the two fits: X constant along lines parallel to the y
// axis, Y along lines parallel to the x axis (so a skewed frame reads right too).
std::optional<QPointF> ValuesAt(const FittedAxis& x, const FittedAxis& y, QPointF pixel);
