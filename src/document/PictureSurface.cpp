#include "document/PictureSurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
// Shown before any picture arrives, so the window does not look broken.
constexpr int PlaceholderSize = 32;
} // namespace

QColor ColorFromPacked(int packedColor) {
    return QColor(packedColor & 0xFF, (packedColor >> 8) & 0xFF, (packedColor >> 16) & 0xFF);
}

int PackedFromColor(QColor color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

PictureSurface::PictureSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    ClearPicture();
}

void PictureSurface::SetPicture(const QImage& picture, PictureType type) {
    if (picture.isNull() || type == PictureType::None) {
        ClearPicture();
        return;
    }
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_type = type;
    m_drawn = m_picture;
    m_coordinates = UserCoordinates(m_coordinates.Edges(), m_picture.size());
    UpdateGeometry();
    emit PictureChanged();
}

void PictureSurface::ClearPicture() {
    m_picture = QImage(PlaceholderSize, PlaceholderSize, QImage::Format_RGB32);
    m_picture.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&m_picture);
        style()->standardIcon(QStyle::SP_FileIcon).paint(&painter, m_picture.rect());
    }
    m_type = PictureType::None;
    m_drawn = m_picture;
    m_coordinates = UserCoordinates(m_coordinates.Edges(), m_picture.size());
    UpdateGeometry();
    emit PictureChanged();
}

void PictureSurface::SetScale(const EdgeValues& edges) {
    m_coordinates = UserCoordinates(edges, m_picture.size());
}

void PictureSurface::Erase() {
    m_drawn = m_picture;
    update();
}

QPoint PictureSurface::PixelAt(double x, double y) const {
    const QPointF pixel = m_coordinates.ToPixel({x, y});
    // Far-off positions stay far off without overflowing an int.
    const double limit = 1e9;
    return {static_cast<int>(std::floor(std::clamp(pixel.x(), -limit, limit))),
            static_cast<int>(std::floor(std::clamp(pixel.y(), -limit, limit)))};
}

void PictureSurface::PSet(double x, double y) {
    PSet(x, y, m_foreColor);
}

void PictureSurface::PSet(double x, double y, int packedColor) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    const QPoint pixel = PixelAt(x, y);
    QPainter painter(&m_drawn);
    if (m_drawWidth <= 1) {
        painter.setPen(ColorFromPacked(packedColor));
        painter.drawPoint(pixel);
    } else {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ColorFromPacked(packedColor));
        const double radius = m_drawWidth / 2.0;
        painter.drawEllipse(QPointF(pixel.x() + 0.5, pixel.y() + 0.5), radius, radius);
    }
    update(
        QRect(pixel, QSize(1, 1)).adjusted(-m_drawWidth, -m_drawWidth, m_drawWidth, m_drawWidth));
}

int PictureSurface::Point(double x, double y) const {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return -1;
    }
    const QPoint pixel = PixelAt(x, y);
    if (!m_drawn.rect().contains(pixel)) {
        return -1;
    }
    return PackedFromColor(QColor(m_drawn.pixel(pixel)));
}

void PictureSurface::SetDrawWidth(int pixels) {
    m_drawWidth = std::max(1, pixels);
}

QSize PictureSurface::sizeHint() const {
    return m_picture.size();
}

void PictureSurface::UpdateGeometry() {
    setFixedSize(m_picture.size());
    update();
}

void PictureSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_drawn, event->rect());
}
