#pragma once

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <vector>

// What a PDF page or an SVG file draws, as numbers: its paths and its texts, in the picture's
// positions (pixel (i, j) stands at (i, j)) at the resolution the page was rendered at. Read
// from the drawing commands themselves, these positions are exact where pixels are a pixel off.

// Bounds on what one drawing may hold; a page beyond them is read through its pixels only.
inline constexpr std::size_t MostDrawingPoints = 2'000'000;
inline constexpr std::size_t MostDrawingPaths = 500'000;
inline constexpr std::size_t MostDrawingTexts = 100'000;
inline constexpr std::size_t MostDrawingTextBytes = 4 * 1024 * 1024;

struct DrawnPath {
    // The points the path passes through (its corners and the ends of its curves; control
    // points of curves are left out), in drawing order.
    std::vector<QPointF> points;
    // Where each of its pieces begins in points; the first is 0.
    std::vector<std::uint32_t> pieceStarts;
    bool stroked = false;
    bool filled = false;
    bool closed = false; // every piece ends where it began, or is drawn as a closed shape
    QRgb strokeColor = 0;
    QRgb fillColor = 0;
    double strokeWidth = 0;    // in pixels
    std::uint32_t dashKey = 0; // 0 for a solid line; equal for equal dash patterns
    QRectF clip;               // the clip's bounding box; empty when nothing clips

    QRectF Bounds() const;
    // Whether a point lies inside the clip (everything does without one).
    bool InsideClip(QPointF point) const;
    // The pieces as index ranges [first, last) of points.
    std::size_t PieceCount() const { return pieceStarts.size(); }
    std::size_t PieceEnd(std::size_t piece) const;
};

struct DrawnText {
    QString text;
    QRectF box;
};

struct VectorDrawing {
    // The page's size in pixels, which tells a marker from a shape of the plot.
    QSizeF size;
    std::vector<DrawnPath> paths;
    std::vector<DrawnText> texts;
    // Why a drawing that was there is not kept (it was too large); empty otherwise.
    QString dropped;

    bool HasPaths() const { return !paths.empty(); }
    std::size_t PointCount() const;
    // The memory it holds, near enough for limits.
    std::size_t ApproximateBytes() const;
};

// Whether a path is a marker: a closed or filled shape no larger than a thirtieth of the page's
// longer side (a dot, a square, a triangle, also a glyph drawn as a shape).
bool IsMarker(const DrawnPath& path, QSizeF pageSize);
// A marker's centre: the middle of the box around its points.
QPointF MarkerCentre(const DrawnPath& path);
// Whether two paths were drawn in the same style: colours, width, dash, fill and stroke.
bool SameStyle(const DrawnPath& one, const DrawnPath& other);

// The drawing of a picture turned as the picture's pixels are: about the centres (half the
// sizes, rounded down) of the picture of the source size and of the turned one, by an angle in
// radians, counter-clockwise on screen. Clips and text boxes become the boxes around their
// turned corners.
VectorDrawing TurnedDrawing(const VectorDrawing& drawing, QSize source, QSize turned,
                            double radians);
