#pragma once

#include "core/CalibrationRecord.h"

#include <QPointF>
#include <QSize>
#include <QTransform>

#include <optional>

// The picture's user coordinate system. Either four edge values over a picture of W x H
// pixels:
//   x = Left + (Right - Left) * column / W,  y = Top + (Bottom - Top) * row / H
// and back, where an empty picture behaves as one pixel so that the mapping never divides by
// zero; or a map fitted to more reference points, under which x and y may each depend on both
// the column and the row (a turned, skewed or photographed plot).
class UserCoordinates {
public:
    UserCoordinates() = default;
    UserCoordinates(const EdgeValues& edges, QSize pixels);
    // A fitted map; it must be invertible. The edges stay those of the frame it replaced.
    UserCoordinates(const EdgeValues& edges, QSize pixels, const QTransform& pixelToUser);

    const EdgeValues& Edges() const { return m_edges; }
    QSize Pixels() const { return m_pixels; }
    // The fitted map, when there is one.
    const std::optional<QTransform>& Fitted() const { return m_toUser; }

    QPointF ToUser(QPointF pixel) const;
    QPointF ToPixel(QPointF user) const;

private:
    EdgeValues m_edges = NeutralFrame;
    QSize m_pixels{1, 1};
    std::optional<QTransform> m_toUser;
    std::optional<QTransform> m_toPixel;
};
