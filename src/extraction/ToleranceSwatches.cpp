#include "extraction/ToleranceSwatches.h"

#include <algorithm>
#include <cmath>

namespace {

int Limit(double value) {
    return std::clamp(static_cast<int>(std::nearbyint(value)), 0, 255);
}

} // namespace

int HalfTolerance(double toleranceNumber) {
    return static_cast<int>(std::nearbyint(toleranceNumber / 2));
}

ToleranceSwatches SwatchesFor(PackedColor dataColor, int halfTolerance) {
    const int t = halfTolerance;
    const int channels[3] = {dataColor.Red(), dataColor.Green(), dataColor.Blue()};
    ToleranceSwatches swatches;
    swatches.lowest =
        PackedColor::Rgb(Limit(channels[0] - t), Limit(channels[1] - t), Limit(channels[2] - t));
    swatches.highest =
        PackedColor::Rgb(Limit(channels[0] + t), Limit(channels[1] + t), Limit(channels[2] + t));
    for (int i = 1; i <= 15; ++i) {
        int parts[3];
        for (int c = 0; c < 3; ++c) {
            parts[c] = Limit(channels[c] - t + (i - 1) * (2.0 * t / 15) + t / 15.0);
        }
        swatches.steps[static_cast<size_t>(i - 1)] = PackedColor::Rgb(parts[0], parts[1], parts[2]);
    }
    return swatches;
}
