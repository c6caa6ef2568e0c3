#include "zoom/ZoomGeometry.h"

#include "core/AppError.h"
#include "core/NumberText.h"

#include <cmath>

namespace {

int Floor(double value) {
    return static_cast<int>(std::floor(value));
}
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// One axis: the source start and size and the drawn size.
void MapAxis(int pointer, int view, float factor, int& start, int& size, int& drawn) {
    drawn = view;
    start = RoundHalfEven(pointer - Floor(view / 2.0 / factor));
    size = Floor(view / static_cast<double>(factor));
    const int filled = Floor(static_cast<double>(factor) * size);
    if (filled > drawn) {
        drawn = filled;
    } else if (filled < drawn) {
        size += 1;
        drawn = RoundHalfEven(filled + static_cast<double>(factor));
    }
}

} // namespace

ZoomMapping MapZoom(QPoint pointer, QSize view, float factor) {
    int x = 0;
    int width = 0;
    int drawnWidth = 0;
    int y = 0;
    int height = 0;
    int drawnHeight = 0;
    MapAxis(pointer.x(), view.width(), factor, x, width, drawnWidth);
    MapAxis(pointer.y(), view.height(), factor, y, height, drawnHeight);
    return {QRect(x, y, width, height), QSize(drawnWidth, drawnHeight)};
}

float ClampZoom(float factor) {
    const float percent = factor * 100;
    if (percent > MaximumZoomPercent) {
        return MaximumZoomPercent / 100.0f;
    }
    if (percent < MinimumZoomPercent) {
        return MinimumZoomPercent / 100.0f;
    }
    return factor;
}

QString ZoomText(float factor) {
    return QString::number(static_cast<long long>(std::nearbyint(factor * 100.0))) +
           QLatin1Char('%');
}

float ZoomFromText(const QString& text) {
    double percent = 0;
    try {
        percent = LeadingNumberValue(text);
    } catch (const AppError&) {
        percent = MaximumZoomPercent;
    }
    return ClampZoom(static_cast<float>(percent / 100.0));
}

QPointF ViewPointOf(const ZoomMapping& mapping, QPoint pointer, QPointF offset, float factor) {
    return (QPointF(pointer - mapping.source.topLeft()) + offset + QPointF(0.5, 0.5)) *
           static_cast<double>(factor);
}
