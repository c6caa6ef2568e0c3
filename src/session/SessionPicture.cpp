#include "session/SessionPicture.h"

void SessionPicture::SetPicture(const QImage& picture, PictureType type,
                                const QByteArray& originalBytes, SharedVectors vectors) {
    if (picture.isNull() || type == PictureType::None) {
        ClearPicture();
        return;
    }
    SetShown(picture, type, originalBytes, std::move(vectors));
}

void SessionPicture::ClearPicture() {
    SetShown(m_placeholder, PictureType::None, {}, {});
}

void SessionPicture::SetPlaceholder(const QImage& placeholder) {
    m_placeholder = placeholder;
    if (!HasPicture()) {
        ClearPicture();
    }
}

void SessionPicture::SetShown(const QImage& image, PictureType type,
                              const QByteArray& originalBytes, SharedVectors vectors) {
    m_drawing.SetPicture(image);
    m_type = type;
    m_originalBytes = originalBytes;
    m_vectors = std::move(vectors);
    emit Replaced();
}

void SessionPicture::Erase() {
    m_drawing.Erase();
    Redrawn();
}

void SessionPicture::Dot(double x, double y, PackedColor color) {
    const QRect area = m_drawing.Dot(x, y, color);
    if (!area.isEmpty()) {
        emit Drawn(area);
    }
}

void SessionPicture::Dots(const std::vector<QPointF>& positions, PackedColor color) {
    m_drawing.Dots(positions, color);
    Redrawn();
}

void SessionPicture::Line(double x1, double y1, double x2, double y2, PackedColor color) {
    const QRect area = m_drawing.Line(x1, y1, x2, y2, color);
    if (!area.isEmpty()) {
        emit Drawn(area);
    }
}

void SessionPicture::SetPixelColor(int column, int row, PackedColor color) {
    m_drawing.SetPixelColor(column, row, color);
    emit Drawn(QRect(column, row, 1, 1));
}
