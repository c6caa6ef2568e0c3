#include "document/DrawnPicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// Beyond this many separate areas a full copy is cheaper than the bookkeeping.
constexpr size_t MostTrackedAreas = 2048;
// Mouse positions arrive in single precision; this much short of a pixel edge is that pixel.
constexpr double PixelEdgeTolerance = 1e-3;
constexpr double FarOutside = 1e8;
} // namespace

QColor ColorFromPacked(int packedColor) {
    return QColor(packedColor & 0xFF, (packedColor >> 8) & 0xFF, (packedColor >> 16) & 0xFF);
}

int PackedFromColor(QColor color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

DrawnPicture::DrawnPicture() {
    SetPicture(QImage(1, 1, QImage::Format_RGB32));
}

void DrawnPicture::SetPicture(const QImage& picture) {
    if (picture.hasAlphaChannel()) {
        // Transparent parts show white, as on paper: dropping the alpha would turn them black
        // and hide black curves and axes.
        m_picture = QImage(picture.size(), QImage::Format_RGB32);
        m_picture.fill(Qt::white);
        QPainter painter(&m_picture);
        painter.drawImage(0, 0, picture);
    } else {
        m_picture = picture.convertToFormat(QImage::Format_RGB32);
    }
    // The drawn image shares the picture's memory until the first drawing: a large scan that
    // nobody draws on is held once, and taking a picture in costs no copy of it.
    m_drawn = m_picture;
    m_drawnAreas.clear();
    m_drawnEverywhere = false;
    m_coordinates = UserCoordinates(m_coordinates.Edges(), m_picture.size());
}

void DrawnPicture::SetScale(const EdgeValues& edges) {
    m_coordinates = UserCoordinates(edges, m_picture.size());
}

QPoint DrawnPicture::PixelAt(double x, double y) const {
    const QPointF pixel = m_coordinates.ToPixel({x, y});
    const auto toIndex = [](double p) {
        if (!std::isfinite(p)) {
            return static_cast<int>(-FarOutside);
        }
        return static_cast<int>(
            std::floor(std::clamp(p + PixelEdgeTolerance, -FarOutside, FarOutside)));
    };
    return {toIndex(pixel.x()), toIndex(pixel.y())};
}

void DrawnPicture::MarkDrawn(const QRect& area) {
    const QRect inside = area.intersected(m_picture.rect());
    if (inside.isEmpty() || m_drawnEverywhere) {
        return;
    }
    if (m_drawnAreas.size() >= MostTrackedAreas) {
        m_drawnEverywhere = true;
        m_drawnAreas.clear();
        return;
    }
    m_drawnAreas.push_back(inside);
}

void DrawnPicture::Erase() {
    if (m_drawnEverywhere) {
        // Into the buffer that is there: a fresh copy of a large scan costs far more in
        // allocating and touching new memory than in copying.
        if (m_drawn.size() == m_picture.size() && m_drawn.format() == m_picture.format() &&
            m_drawn.bytesPerLine() == m_picture.bytesPerLine()) {
            std::memcpy(m_drawn.bits(), m_picture.constBits(),
                        static_cast<size_t>(m_picture.sizeInBytes()));
        } else {
            m_drawn = m_picture.copy();
        }
    } else {
        QPainter painter(&m_drawn);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& area : m_drawnAreas) {
            painter.drawImage(area.topLeft(), m_picture, area);
        }
    }
    m_drawnAreas.clear();
    m_drawnEverywhere = false;
}

QRect DrawnPicture::DotArea(QPoint pixel) const {
    const int before = (m_drawWidth - 1) / 2;
    return QRect(pixel.x() - before, pixel.y() - before, m_drawWidth, m_drawWidth);
}

void DrawnPicture::FillDot(QPoint pixel, QRgb color) {
    const QRect area = DotArea(pixel);
    const int radiusSquared4 = m_drawWidth * m_drawWidth; // (width / 2)^2, times 4
    for (int row = std::max(area.top(), 0); row <= std::min(area.bottom(), m_drawn.height() - 1);
         ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_drawn.scanLine(row));
        // Twice the distance from the dot's centre, so that the arithmetic stays whole.
        const int dy2 = 2 * (row - area.top()) + 1 - m_drawWidth;
        for (int column = std::max(area.left(), 0);
             column <= std::min(area.right(), m_drawn.width() - 1); ++column) {
            const int dx2 = 2 * (column - area.left()) + 1 - m_drawWidth;
            if (dx2 * dx2 + dy2 * dy2 <= radiusSquared4 + 1) {
                line[column] = color;
            }
        }
    }
    MarkDrawn(area);
}

QRect DrawnPicture::Dot(double x, double y, int packedColor) {
    const QPoint pixel = PixelAt(x, y);
    const QRect area = DotArea(pixel);
    if (!area.intersects(m_picture.rect())) {
        return {};
    }
    FillDot(pixel, ColorFromPacked(packedColor).rgb());
    return area;
}

void DrawnPicture::Dots(const std::vector<QPointF>& positions, int packedColor) {
    const QRgb color = ColorFromPacked(packedColor).rgb();
    for (const QPointF& position : positions) {
        const QPoint pixel = PixelAt(position.x(), position.y());
        if (DotArea(pixel).intersects(m_picture.rect())) {
            FillDot(pixel, color);
        }
    }
}

QRect DrawnPicture::Line(double x1, double y1, double x2, double y2, int packedColor) {
    const QPoint from = PixelAt(x1, y1);
    const QPoint to = PixelAt(x2, y2);
    const QRect area =
        QRect(from, to).normalized().adjusted(-m_drawWidth, -m_drawWidth, m_drawWidth, m_drawWidth);
    if (!area.intersects(m_picture.rect())) {
        return {};
    }
    QPainter painter(&m_drawn);
    painter.setPen(QPen(ColorFromPacked(packedColor), m_drawWidth <= 1 ? 0 : m_drawWidth));
    painter.drawLine(from, to);
    MarkDrawn(area);
    return area.intersected(m_picture.rect());
}

int DrawnPicture::Point(double x, double y) const {
    const QPoint pixel = PixelAt(x, y);
    return PixelColor(pixel.x(), pixel.y());
}

int DrawnPicture::PixelColor(int column, int row) const {
    if (!m_drawn.rect().contains(column, row)) {
        return -1;
    }
    const QRgb rgb = reinterpret_cast<const QRgb*>(m_drawn.constScanLine(row))[column];
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

void DrawnPicture::SetPixelColor(int column, int row, int packedColor) {
    if (!m_drawn.rect().contains(column, row)) {
        return;
    }
    const QColor color = ColorFromPacked(packedColor);
    reinterpret_cast<QRgb*>(m_drawn.scanLine(row))[column] = color.rgb();
    MarkDrawn(QRect(column, row, 1, 1));
}

void DrawnPicture::SetDrawWidth(int pixels) {
    m_drawWidth = std::max(1, pixels);
}
