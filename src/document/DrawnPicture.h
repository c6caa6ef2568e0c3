#pragma once

#include "document/UserCoordinates.h"

#include <QImage>
#include <QPointF>
#include <QRect>

#include <vector>

// The picture and the drawn image over it (the picture plus every dot and line drawn since
// the last erase), addressed in user coordinates. Erasing puts back only the areas drawn on,
// so that erasing and redrawing a few markers on a large scan stays cheap.
class DrawnPicture {
public:
    DrawnPicture();

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }
    const QImage& Drawn() const { return m_drawn; }
    QSize Size() const { return m_picture.size(); }

    void SetScale(const EdgeValues& edges);
    const UserCoordinates& Coordinates() const { return m_coordinates; }

    // The pixel that holds a user position; positions a hair short of a pixel's edge (as
    // single-precision mouse positions are) count as that pixel.
    QPoint PixelAt(double x, double y) const;

    void Erase();
    // A dot of the drawing width centred on the pixel of a user position; returns the area
    // it touched (empty when the position lies far outside).
    QRect Dot(double x, double y, int packedColor);
    void Dots(const std::vector<QPointF>& positions, int packedColor);
    QRect Line(double x1, double y1, double x2, double y2, int packedColor);
    // Packed colour R + 256*G + 65536*B of the drawn image, or -1 outside the picture.
    int Point(double x, double y) const;
    int PixelColor(int column, int row) const;
    void SetPixelColor(int column, int row, int packedColor);

    int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int pixels);

private:
    void MarkDrawn(const QRect& area);
    QRect DotArea(QPoint pixel) const;
    // A round dot of the drawing width, written straight into the scan lines.
    void FillDot(QPoint pixel, QRgb color);

    QImage m_picture;
    QImage m_drawn;
    UserCoordinates m_coordinates;
    int m_drawWidth = 1;
    std::vector<QRect> m_drawnAreas;
    bool m_drawnEverywhere = false;
};

QColor ColorFromPacked(int packedColor);
int PackedFromColor(QColor color);
