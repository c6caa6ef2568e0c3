// The turn of a picture as it was first written, one scanLine() call per pixel: the oracle
// that the fast turn must match pixel for pixel.

#include "RotatePixelsReference.h"

#include <cmath>

namespace Reference {

bool RotatePixels(QImage& destination, const QImage& source, double& angle,
                  const std::function<bool()>& afterColumn) {
    const double pi = 4 * std::atan(1.0);
    angle = angle * pi / 180;
    const QImage from = source.convertToFormat(QImage::Format_RGB32);
    if (destination.format() != QImage::Format_RGB32) {
        destination = destination.convertToFormat(QImage::Format_RGB32);
    }
    const int sw2 = from.width() / 2;
    const int sh2 = from.height() / 2;
    const int dw2 = destination.width() / 2;
    const int dh2 = destination.height() / 2;
    const int n = std::max(dw2, dh2);

    const auto copy = [&](int dx, int dy, int sx, int sy) {
        if (sx < 0 || sy < 0 || sx >= from.width() || sy >= from.height() || dx < 0 || dy < 0 ||
            dx >= destination.width() || dy >= destination.height()) {
            return;
        }
        reinterpret_cast<QRgb*>(destination.scanLine(dy))[dx] =
            reinterpret_cast<const QRgb*>(from.constScanLine(sy))[sx];
    };

    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const float a = x != 0 ? static_cast<float>(std::atan(static_cast<double>(y) / x))
                                   : static_cast<float>(pi / 2);
            const double r =
                std::nearbyint(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y));
            const int xs = static_cast<int>(std::nearbyint(r * std::cos(a + angle)));
            const int ys = static_cast<int>(std::nearbyint(r * std::sin(a + angle)));
            copy(dw2 + x, dh2 + y, sw2 + xs, sh2 + ys);
            copy(dw2 - x, dh2 - y, sw2 - xs, sh2 - ys);
            copy(dw2 + y, dh2 - x, sw2 + ys, sh2 - xs);
            copy(dw2 - y, dh2 + x, sw2 - ys, sh2 + xs);
        }
        if (afterColumn && !afterColumn()) {
            return false;
        }
    }
    return true;
}

} // namespace Reference
