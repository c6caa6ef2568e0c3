#pragma once

#include <QString>

#include <optional>
#include <vector>

// An axis calibrated from its labelled ticks: where each tick stands along the axis (pixels) and
// the value its label says. Labels may be misread; the fit takes the largest set of ticks that
// agree within a tolerance, linear or logarithmic, and says what it left out.

struct AxisTick {
    double position = 0; // along the axis, in pixels
    double value = 0;
};

struct AxisTickFit {
    bool logarithmic = false;
    // position = offset + scale * f(value), f the identity or log10.
    double offset = 0;
    double scale = 0;
    // For every tick: whether the fit took it, and how far (pixels) its value lands from it.
    std::vector<bool> used;
    std::vector<double> residuals;
    double worstUsedResidual = 0;
    int usedCount = 0;

    double PositionOf(double value) const;
    double ValueAt(double position) const;
};

// Ticks that agree lie within this many pixels of the line through them.
inline constexpr double AgreeingTickPixels = 0.5;
// An axis takes at least this many agreeing ticks.
inline constexpr int FewestAgreeingTicks = 3;

struct AxisTickFitOutcome {
    std::optional<AxisTickFit> fit;
    QString refusal; // why there is no fit, in the user's words
};

// The fit of the most ticks that agree, linear or log (only ticks above 0 count for log); of two
// fits that take as many ticks, the one with the smaller residuals. Refused when fewer than
// FewestAgreeingTicks agree or the worst residual of those taken passes AgreeingTickPixels;
// axisName names the axis in the refusal ("X", "Y").
AxisTickFitOutcome FitAxisTicks(const std::vector<AxisTick>& ticks, const QString& axisName);
