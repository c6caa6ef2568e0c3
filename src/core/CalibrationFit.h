#pragma once

#include <QPointF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

// A reference point: where it was clicked, in picture pixels, and the values typed for it.
struct ReferencePoint {
    QPointF pixel;
    double x = 0;
    double y = 0;
};

enum class FitKind {
    Affine,     // straight, evenly spaced axes at any angle: rotated and skewed scans
    Projective, // a photographed page, whose far side looks smaller
};

// The map from picture pixels to axis values (log10 of the value on a logarithmic axis) that
// fits the reference points best, with each point's distance in pixels from where its values
// land.
struct CalibrationFit {
    QTransform pixelToValue;
    FitKind kind = FitKind::Affine;
    std::vector<double> residuals; // pixels, one per reference point
    double WorstResidual() const;
};

// A reference point further than this from where its values land is likely mistyped.
inline constexpr double SuspectResidual = 1.0;
// The projective fit is taken of itself when it brings the worst point within this.
inline constexpr double CloseResidual = 0.5;

// How the map is chosen: affine, projective (from four points), or projective only where it
// brings the worst point within CloseResidual while the affine one leaves it beyond
// SuspectResidual, from five points (four fit a projective map exactly, mistyped or not).
enum class FitChoice { Affine, Projective, Automatic };

// Fits three or more reference points. Refused, with a message naming the points, when two
// share a pixel, when all lie on one line, when their values do not span both axes, or when
// a value on a logarithmic axis is not above zero.
struct FitOutcome {
    std::optional<CalibrationFit> fit;
    QString refusal;
};
FitOutcome FitReferencePoints(const std::vector<ReferencePoint>& points, bool xLog, bool yLog,
                              FitChoice choice);

// The reference point most likely mistyped: the one furthest from where the fit of all the
// others puts its values, when that is beyond SuspectResidual. Needs five points; with four,
// any three fit one another exactly and no point can be told from the others.
std::optional<int> LikelyMistyped(const std::vector<ReferencePoint>& points, bool xLog, bool yLog,
                                  FitChoice choice);
