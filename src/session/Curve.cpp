#include "session/Curve.h"

#include "core/Settings.h"

#include <iterator>

PackedColor CurvePaletteColor(int n) {
    // Colours that stand apart on white paper and from each other.
    static constexpr PackedColor Palette[] = {
        PackedColor::Rgb(0, 114, 178),  PackedColor::Rgb(213, 94, 0),
        PackedColor::Rgb(0, 158, 115),  PackedColor::Rgb(204, 121, 167),
        PackedColor::Rgb(230, 159, 0),  PackedColor::Rgb(86, 180, 233),
        PackedColor::Rgb(120, 60, 160), PackedColor::Rgb(160, 100, 40),
    };
    constexpr int size = static_cast<int>(std::size(Palette));
    return Palette[((n - 2) % size + size) % size];
}

PackedColor MarkerColorOf(const Curve& curve, const Settings& settings) {
    return curve.color.value_or(settings.PointsColor);
}

PackedColor DataColorOf(const Curve& curve, const Settings& settings) {
    return curve.color.value_or(settings.ARDataColor);
}

PackedColor FoundColorOf(const Curve& curve, const Settings& settings) {
    return curve.color.value_or(settings.ARPointColor);
}
