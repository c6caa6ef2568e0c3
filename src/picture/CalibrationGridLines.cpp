#include "picture/CalibrationGridLines.h"

#include <algorithm>
#include <array>
#include <cmath>

std::vector<double> RoundValues(double from, double to, bool log) {
    std::vector<double> values;
    const double low = std::min(from, to);
    const double high = std::max(from, to);
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) {
        return values;
    }
    if (log) {
        const double decades = high - low;
        // Past some sixty decades the 2s and 5s would crowd; then every k-th decade alone.
        const std::array<double, 3> multiples{1, 2, 5};
        const double every = std::max(1.0, std::ceil(decades / (MostGridLines / 3.0)));
        const double first = std::floor(low / every) * every;
        // Counted, not summed: far from zero a step can be lost in the value's precision.
        for (int n = 0; n <= MostGridLines; ++n) {
            const double decade = first + n * every;
            if (decade > high) {
                break;
            }
            for (const double multiple : multiples) {
                if (every > 1 && multiple != 1) {
                    continue;
                }
                const double value = decade + std::log10(multiple);
                if (value >= low && value <= high &&
                    values.size() < static_cast<std::size_t>(MostGridLines)) {
                    values.push_back(value);
                }
            }
        }
        return values;
    }
    const double rough = (high - low) / 8;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double multiple : {2.0, 5.0, 10.0}) {
        if (step < rough) {
            step = multiple * power;
        }
    }
    const double first = std::ceil(low / step);
    for (int n = 0; n < MostGridLines && (first + n) * step <= high; ++n) {
        values.push_back((first + n) * step);
    }
    return values;
}

std::vector<QLineF> CalibrationGridLines(const UserCoordinates& coordinates, bool xLog, bool yLog) {
    const QSize size = coordinates.Pixels();
    const std::array<QPointF, 4> corners = {
        coordinates.ToUser({0, 0}), coordinates.ToUser(QPointF(size.width(), 0)),
        coordinates.ToUser(QPointF(0, size.height())),
        coordinates.ToUser(QPointF(size.width(), size.height()))};
    double xLow = corners[0].x(), xHigh = xLow, yLow = corners[0].y(), yHigh = yLow;
    for (const QPointF& corner : corners) {
        xLow = std::min(xLow, corner.x());
        xHigh = std::max(xHigh, corner.x());
        yLow = std::min(yLow, corner.y());
        yHigh = std::max(yHigh, corner.y());
    }
    std::vector<QLineF> lines;
    for (const double x : RoundValues(xLow, xHigh, xLog)) {
        lines.emplace_back(coordinates.ToPixel({x, yLow}), coordinates.ToPixel({x, yHigh}));
    }
    for (const double y : RoundValues(yLow, yHigh, yLog)) {
        lines.emplace_back(coordinates.ToPixel({xLow, y}), coordinates.ToPixel({xHigh, y}));
    }
    return lines;
}
