#pragma once

#include <QImage>
#include <QPointF>

#include <optional>
#include <vector>

// Finding the centre of what the user points at, below the pixel. Positions are in the
// program's pixel convention: pixel (i, j) stands at (i, j), so a mark covering pixel (i, j)
// alone has its centre there. A pixel counts for the share of it the mark covers, judged by
// how far its colour is from the background's relative to the mark's own: antialiased edges
// count in proportion.

// Colours are compared by the sum of the differences of their red, green and blue (0 to 765).
inline constexpr int SnapRadius = 15;

struct SnapResult {
    QPointF position;
    // The mark reaches the search radius: a line, whose centre across its direction was taken.
    bool onLine = false;
};

// The centre of the mark under a pixel of the picture: the connected region of pixels within
// the tolerance of the pixel's colour (or further from the background than it), inside
// SnapRadius; the background is the disc's commonest colour. A compact region gives its weighted
// centroid; a region that reaches the radius gives the point on the line's centre nearest to
// the pixel. Nothing when the pixel is background (or outside the picture).
std::optional<SnapResult> SnapToMark(const QImage& picture, QPoint pixel, int tolerance);

// Centre-line auto-read in one pixel column: every run of pixels whose colour is within the
// tolerance of the data colour gives the weighted centre row of the run, from the bottom of the
// picture up. Colours are compared channel by channel here, not as packed numbers (where one
// step of blue weighs 65536): an antialiased line's core differs from its colour by a step or
// two.
std::vector<double> ColumnLineCentres(const QImage& picture, int column, int dataColor,
                                      int tolerance);
