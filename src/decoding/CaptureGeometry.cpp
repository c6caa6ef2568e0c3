#include "decoding/CaptureGeometry.h"

#include <QRectF>

#include <algorithm>
#include <cmath>

QRect CaptureRectangle(double x1, double x2, double y1, double y2) {
    const auto round = [](double value) {
        return static_cast<int>(std::nearbyint(value));
    };
    const int left = round(std::min(x1, x2));
    const int right = round(std::max(x1, x2));
    const int top = round(std::min(y1, y2));
    const int bottom = round(std::max(y1, y2));
    return QRect(left, top, right - left, bottom - top);
}

bool ReadoutInBlack(int packedColorAtCentre) {
    return packedColorAtCentre >= 62255 / 2.0;
}

QRect ScreenPixelsOf(const QRect& drawn, double devicePixelRatio) {
    const QRectF scaled(drawn.x() * devicePixelRatio, drawn.y() * devicePixelRatio,
                        drawn.width() * devicePixelRatio, drawn.height() * devicePixelRatio);
    return scaled.toAlignedRect();
}
