#include "picture/UserCoordinates.h"

#include <algorithm>

UserCoordinates::UserCoordinates(const EdgeValues& edges, QSize pixels)
    : m_edges(edges), m_pixels(std::max(1, pixels.width()), std::max(1, pixels.height())) {}

QPointF UserCoordinates::ToUser(QPointF pixel) const {
    const double x = m_edges.Left + (m_edges.Right - m_edges.Left) * pixel.x() / m_pixels.width();
    const double y = m_edges.Top + (m_edges.Bottom - m_edges.Top) * pixel.y() / m_pixels.height();
    return {x, y};
}

QPointF UserCoordinates::ToPixel(QPointF user) const {
    const double column =
        (user.x() - m_edges.Left) * m_pixels.width() / (m_edges.Right - m_edges.Left);
    const double row =
        (user.y() - m_edges.Top) * m_pixels.height() / (m_edges.Bottom - m_edges.Top);
    return {column, row};
}
