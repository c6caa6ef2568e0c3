#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

// Which screen rectangle the magnifier enlarges and how large it draws it, so that every
// screen pixel is exactly the zoom factor of view pixels wide:
//   source origin: pointer - Int(view / 2 / factor), source size: Int(view / factor),
//   grown by one pixel (and the drawn size with it) when that size would not fill the view.
struct ZoomMapping {
    QRect source; // screen pixels
    QSize drawn;  // view pixels the source is stretched to
};

ZoomMapping MapZoom(QPoint pointer, QSize view, float factor);

// Where in the view a point lies that is `offset` picture pixels from the pixel under the
// pointer (at the centre of the pixels it stands for).
QPointF ViewPointOf(const ZoomMapping& mapping, QPoint pointer, QPointF offset, float factor);

inline constexpr int MinimumZoomPercent = 25;
inline constexpr int MaximumZoomPercent = 1000;

// A factor limited to the slider's range of 25% to 1000%.
float ClampZoom(float factor);

// "750%": the percentage in whole digits with a percent sign.
QString ZoomText(float factor);

// The factor a typed text asks for: its leading number in percent, limited to the range.
float ZoomFromText(const QString& text);
