#include "picture/UserCoordinates.h"

#include <algorithm>

UserCoordinates::UserCoordinates(const EdgeValues& edges, QSize pixels)
    : m_edges(edges), m_pixels(std::max(1, pixels.width()), std::max(1, pixels.height())) {}

UserCoordinates::UserCoordinates(const EdgeValues& edges, QSize pixels,
                                 const QTransform& pixelToUser)
    : UserCoordinates(edges, pixels) {
    bool invertible = false;
    const QTransform back = pixelToUser.inverted(&invertible);
    if (invertible) {
        m_toUser = pixelToUser;
        m_toPixel = back;
    }
}

QPointF UserCoordinates::ToUser(QPointF pixel) const {
    if (m_toUser) {
        return m_toUser->map(pixel);
    }
    const double x = m_edges.Left + (m_edges.Right - m_edges.Left) * pixel.x() / m_pixels.width();
    const double y = m_edges.Top + (m_edges.Bottom - m_edges.Top) * pixel.y() / m_pixels.height();
    return {x, y};
}

QPointF UserCoordinates::ToPixel(QPointF user) const {
    if (m_toPixel) {
        return m_toPixel->map(user);
    }
    const double column =
        (user.x() - m_edges.Left) * m_pixels.width() / (m_edges.Right - m_edges.Left);
    const double row =
        (user.y() - m_edges.Top) * m_pixels.height() / (m_edges.Bottom - m_edges.Top);
    return {column, row};
}
