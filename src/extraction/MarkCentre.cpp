#include "extraction/MarkCentre.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int ColourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The share of a pixel the mark covers, from 0 to 1.
double Coverage(QRgb pixel, QRgb background, double markDistance) {
    return markDistance <= 0
               ? 0
               : std::clamp(ColourDistance(pixel, background) / markDistance, 0.0, 1.0);
}

} // namespace

std::vector<double> ColumnLineCentres(const QImage& picture, int column, PackedColor dataColor,
                                      int tolerance) {
    std::vector<double> centres;
    if (column < 0 || column >= picture.width()) {
        return centres;
    }
    const auto at = [&](int row) {
        return reinterpret_cast<const QRgb*>(picture.constScanLine(row))[column];
    };
    const QRgb data = dataColor.ToQRgb();
    const auto hit = [&](int row) {
        return ColourDistance(at(row), data) <= tolerance;
    };
    int row = picture.height() - 1;
    while (row >= 0) {
        if (!hit(row)) {
            --row;
            continue;
        }
        const int bottom = row;
        while (row >= 0 && hit(row)) {
            --row;
        }
        const int top = row + 1;
        // The background is what lies two pixels past the run (the first may be an edge).
        const int outside = bottom + 2 < picture.height() ? bottom + 2 : top - 2;
        const QRgb background = outside >= 0 ? at(outside) : qRgb(255, 255, 255);
        const double markDistance = ColourDistance(data, background);
        double sum = 0;
        double weighted = 0;
        for (int r = std::max(0, top - 1); r <= std::min(picture.height() - 1, bottom + 1); ++r) {
            const double weight = hit(r) ? std::max(Coverage(at(r), background, markDistance), 0.05)
                                         : Coverage(at(r), background, markDistance);
            weighted += weight * r;
            sum += weight;
        }
        centres.push_back(sum > 0 ? weighted / sum : (top + bottom) / 2.0);
    }
    return centres;
}
