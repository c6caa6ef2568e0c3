#pragma once

#include "drawing/VectorDrawing.h"
#include "picture/DrawnPicture.h"
#include "picture/PictureType.h"

#include <QByteArray>
#include <QObject>

#include <memory>
#include <optional>
#include <vector>

// The session's picture: its pixels, its kind, the bytes it came from (kept for pictures saved
// in their own format) and the drawing over it. Windows show it and draw through it; it says
// what changed, so that every window that shows it repaints.
class SessionPicture : public QObject {
    Q_OBJECT
public:
    // A picture with its original bytes and, for a PDF page or an SVG file, what it draws; a
    // null picture or no kind clears it.
    using SharedVectors = std::shared_ptr<const VectorDrawing>;
    void SetPicture(const QImage& picture, PictureType type = PictureType::Bitmap,
                    const QByteArray& originalBytes = {}, SharedVectors vectors = {});
    // Back to no picture: the placeholder shows, of the kind None.
    void ClearPicture();
    // What shows while there is no picture (the picture window draws it in its own style).
    void SetPlaceholder(const QImage& placeholder);

    bool HasPicture() const { return m_type != PictureType::None; }
    const QImage& Picture() const { return m_drawing.Picture(); }
    PictureType Type() const { return m_type; }
    const QByteArray& OriginalBytes() const { return m_originalBytes; }
    // The picture's drawing commands as numbers; null for pictures made of pixels only.
    const SharedVectors& Vectors() const { return m_vectors; }
    QImage DrawnImage() const { return m_drawing.Drawn(); }
    // For drawing many pixels at once; the caller tells with Redrawn() afterwards.
    DrawnPicture& Drawing() { return m_drawing; }
    const DrawnPicture& Drawing() const { return m_drawing; }

    void SetScale(const EdgeValues& edges) { m_drawing.SetScale(edges); }
    void SetFittedScale(const EdgeValues& edges, const QTransform& pixelToUser) {
        m_drawing.SetFittedScale(edges, pixelToUser);
    }
    const UserCoordinates& Coordinates() const { return m_drawing.Coordinates(); }

    void Erase();
    void Dot(double x, double y, PackedColor color);
    void Dots(const std::vector<QPointF>& positions, PackedColor color);
    void Line(double x1, double y1, double x2, double y2, PackedColor color);
    int Point(double x, double y) const { return m_drawing.Point(x, y); }
    int PixelColor(int column, int row) const { return m_drawing.PixelColor(column, row); }
    void SetPixelColor(int column, int row, PackedColor color);
    int DrawWidth() const { return m_drawing.DrawWidth(); }
    void SetDrawWidth(int pixels) { m_drawing.SetDrawWidth(pixels); }
    // Tells the windows that the drawing changed, everywhere or in an area (after Drawing()
    // was used).
    void Redrawn() { emit Drawn(QRect(QPoint(0, 0), m_drawing.Size())); }
    void Redrawn(const QRect& area) {
        if (!area.isEmpty()) {
            emit Drawn(area);
        }
    }

    // The picture before the last turn of this run, for Undo Rotate. Kept in memory (shared
    // with the picture until the turn replaces it), so no other program or user can read or
    // replace it.
    struct Kept {
        QImage image;
        PictureType type = PictureType::None;
        QByteArray originalBytes;
        SharedVectors vectors;
    };
    void KeepBeforeRotation(Kept kept) { m_beforeRotation = std::move(kept); }
    const std::optional<Kept>& BeforeRotation() const { return m_beforeRotation; }
    void ForgetBeforeRotation() { m_beforeRotation.reset(); }

signals:
    // Another picture (or none) took the place of the old one.
    void Replaced();
    // Part of the picture with the drawing changed.
    void Drawn(QRect area);

private:
    void SetShown(const QImage& image, PictureType type, const QByteArray& originalBytes,
                  SharedVectors vectors);

    DrawnPicture m_drawing;
    PictureType m_type = PictureType::None;
    QByteArray m_originalBytes;
    SharedVectors m_vectors;
    QImage m_placeholder;
    std::optional<Kept> m_beforeRotation;
};
