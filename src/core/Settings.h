#pragma once

#include "core/PackedColor.h"

#include <cstdint>

// The most the options take: beyond these a command would take minutes or more memory than a
// desktop has, and a dot would cover the picture.
inline constexpr int HighestTolerance = 510;
inline constexpr int MostGridSteps = 10000;
inline constexpr int MostSplinePoints = 1000000;
inline constexpr int LargestDotSize = 100;
inline constexpr int HighestSnapTolerance = 765;
inline constexpr int DefaultSnapTolerance = 200;
// The picture's mouse pointers, numbered from 1; the last one is the colour picker's, the
// others are the user's choice (PointerIndex).
inline constexpr int PointerImageCount = 7;

// The user's option values. Every run starts from these defaults; nothing is kept between
// runs. The options dialog stores all of them at once.
struct Settings {
    PackedColor SplineColor = PackedRgb(255, 0, 255);
    PackedColor ARDataColor = PackedRgb(80, 255, 30);
    std::int32_t ARColorTolerance = 100;
    PackedColor ARPointColor = PackedRgb(0, 255, 255);
    PackedColor ScaleColor = PackedRgb(0, 0, 255);
    PackedColor PointsColor = PackedRgb(255, 0, 0);
    PackedColor ZoomLineColor = PackedRgb(0, 192, 0);
    // The lines of the calibration grid (View > Calibration Grid).
    PackedColor CalibrationGridColor = PackedRgb(255, 128, 0);
    std::int32_t DotSize = 3;
    std::int32_t SplinePoints = 50;
    bool SplineOnX = true;
    std::int32_t GridCols = 50;
    std::int32_t GridRows = 50;
    bool XLog = false;
    bool YLog = false;
    bool EscUndo = true;
    std::int16_t PointerIndex = 1;
    // Clicks snap to the centre of the mark under the pointer (colour tolerance 0 to 765).
    bool SnapClicks = false;
    std::int32_t SnapTolerance = DefaultSnapTolerance;
    // Auto-read takes the centre of the line in each grid column, not every grid position.
    bool AutoReadCentreLine = false;
    // How four or more reference points are fitted: 0 by itself (affine, or projective where it
    // fits far better), 1 always affine, 2 projective.
    std::int32_t ReferenceFit = 0;

    bool operator==(const Settings&) const = default;
};
