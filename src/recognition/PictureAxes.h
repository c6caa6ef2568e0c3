#pragma once

#include <QImage>
#include <QLineF>
#include <QRect>

#include <optional>
#include <vector>

// The axes of a plot found in its pixels: long dark straight lines (the frame or the axis
// lines, up to a couple of degrees off upright), the short marks standing across them (the
// ticks) and, beside each tick, the region of the label's ink, for OCR.

struct TickMark {
    QPointF onAxis; // where the tick meets the axis line's centre, in picture pixels
    QRect labelInk; // the label's ink beside it; empty when there is none
};

struct PictureAxis {
    QLineF line; // along the centre of the axis line
    std::vector<TickMark> ticks;
};

struct PictureAxes {
    std::optional<PictureAxis> x; // the horizontal axis with the most labelled ticks (the lowest)
    std::optional<PictureAxis> y; // the vertical one (the leftmost)
};

PictureAxes FindPictureAxes(const QImage& picture);
