#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

// The data series of a plot's pixels, told apart by their colours: every distinct colour inside
// the plot area that is not the background, nor grey or black (the axes, grid and text), nor
// only a legend's sample beside its text. Each is read as a line (the centre of its stroke,
// column by column, followed through gaps and crossings by continuity) or as markers (the centre
// of each marker; touching markers are split).

struct FoundCurve {
    QRgb color = 0;    // the series' full colour, as drawn where it covers whole pixels
    QString colorName; // "Blue", "Orange", ...
    bool markers = false;
    std::vector<QPointF> points; // picture pixels, from left to right
};

struct CurveFinding {
    std::vector<FoundCurve> curves; // the most pixels first
    QString refusal; // why nothing was found, in the user's words; empty when something was
};

// At most this many series are told apart; past it the plot is not one the program can sort.
inline constexpr int MostFoundCurves = 12;

// Looks inside `area` (picture pixels; the whole picture when empty).
CurveFinding FindCurves(const QImage& picture, const QRectF& area);

// The name of the colour nearest to this one among a short list of plain colour names.
QString ColorName(QRgb color);
