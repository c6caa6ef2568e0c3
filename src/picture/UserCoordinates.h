#pragma once

#include "core/CalibrationRecord.h"

#include <QPointF>
#include <QSize>

// The picture's user coordinate system: four edge values over a picture of W x H pixels.
//   x = Left + (Right - Left) * column / W,  y = Top + (Bottom - Top) * row / H
// and back. An empty picture behaves as one pixel, so the mapping never divides by zero.
class UserCoordinates {
public:
    UserCoordinates() = default;
    UserCoordinates(const EdgeValues& edges, QSize pixels);

    const EdgeValues& Edges() const { return m_edges; }
    QSize Pixels() const { return m_pixels; }

    QPointF ToUser(QPointF pixel) const;
    QPointF ToPixel(QPointF user) const;

private:
    EdgeValues m_edges = NeutralFrame;
    QSize m_pixels{1, 1};
};
