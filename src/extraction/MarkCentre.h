#pragma once

#include "core/PackedColor.h"

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

enum class SnapKind {
    Mark,     // the centre of a marker (or of a tick standing on a line)
    Line,     // the point of a line's centre line nearest to the click
    Crossing, // where the centre lines of two lines cross: a corner, a tick on an axis
};

struct SnapResult {
    QPointF position;
    SnapKind kind = SnapKind::Mark;
};

// What the user points at under a pixel of the picture, within SnapRadius: the connected
// region of pixels of the pointed mark's colour (pixels of other colours, such as a grid line
// under a marker, are not of it; the tolerance bounds what a mix of the mark and the background
// leaves unexplained). A region inside the circle gives its weighted centre; a region of lines
// gives the crossing of two of them, or the point of one nearest the pixel, or the centre of a
// marker or the crossing of a tick standing on it. The background is the circle's commonest
// colour. Nothing when the pixel is background (or outside the picture).
std::optional<SnapResult> SnapToMark(const QImage& picture, QPoint pixel, int tolerance);

// Centre-line auto-read in one pixel column: every run of pixels whose colour is within the
// tolerance of the data colour gives the weighted centre row of the run, from the bottom of the
// picture up. Colours are compared channel by channel here, not as packed numbers (where one
// step of blue weighs 65536): an antialiased line's core differs from its colour by a step or
// two.
std::vector<double> ColumnLineCentres(const QImage& picture, int column, PackedColor dataColor,
                                      int tolerance);
