#include "session/SessionPicture.h"

void SessionPicture::SetPicture(const QImage& picture, PictureType type,
                                const QByteArray& originalBytes) {
    if (picture.isNull() || type == PictureType::None) {
        ClearPicture();
        return;
    }
    SetShown(picture, type, originalBytes);
}

void SessionPicture::ClearPicture() {
    SetShown(m_placeholder, PictureType::None, {});
}

void SessionPicture::SetPlaceholder(const QImage& placeholder) {
    m_placeholder = placeholder;
    if (!HasPicture()) {
        ClearPicture();
    }
}

void SessionPicture::SetShown(const QImage& image, PictureType type,
                              const QByteArray& originalBytes) {
    m_drawing.SetPicture(image);
    m_type = type;
    m_originalBytes = originalBytes;
    emit Replaced();
}

void SessionPicture::Erase() {
    m_drawing.Erase();
    Redrawn();
}

void SessionPicture::Dot(double x, double y, int packedColor) {
    const QRect area = m_drawing.Dot(x, y, packedColor);
    if (!area.isEmpty()) {
        emit Drawn(area);
    }
}

void SessionPicture::Dots(const std::vector<QPointF>& positions, int packedColor) {
    m_drawing.Dots(positions, packedColor);
    Redrawn();
}

void SessionPicture::Line(double x1, double y1, double x2, double y2, int packedColor) {
    const QRect area = m_drawing.Line(x1, y1, x2, y2, packedColor);
    if (!area.isEmpty()) {
        emit Drawn(area);
    }
}

void SessionPicture::SetPixelColor(int column, int row, int packedColor) {
    m_drawing.SetPixelColor(column, row, packedColor);
    emit Drawn(QRect(column, row, 1, 1));
}
