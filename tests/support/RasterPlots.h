#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>

#include <vector>

// Plots drawn into pixels the way plotting programs draw them, in several styles, with the
// data and the place of every value known exactly: for measuring how well a plot is read from
// its pixels alone.
namespace RasterPlots {

struct Style {
    QString name;
    QString font;
    bool box = true;          // a frame on four sides; otherwise axes left and bottom only
    bool ticksInside = false; // ticks point into the plot (and stand on all four sides)
    bool grid = false;
    double lineWidthPt = 1.5;
    double markerPt = 6;
    int markerShape = 0; // 0 round, 1 square, 2 triangle
    bool powers = false; // log labels as 10 with a raised exponent, from 10^-1 to 10^3
    bool factor = false; // linear y labels in thousands, with "×10³" over the axis
};

// The styles the measurements go through.
std::vector<Style> Styles();

struct Case {
    Style style;
    int dotsPerInch = 100;
    bool yLog = false;
    int seriesCount = 3;
    bool someMarkers = true; // every other series (from the second) as markers
    double turnDegrees = 0;
    bool jpeg = false; // saved at quality 75 and read back
    int seed = 0;      // varies the data
};

struct Series {
    QColor color;
    bool markers = false;
    std::vector<QPointF> data; // axis values: the line's vertices or the markers' centres
};

struct Drawn {
    QImage image;
    std::vector<Series> series;
    bool yLog = false;
    // The box of the axes in the figure before its turn, in pixels; the turn about the
    // picture's centre.
    QRectF axes;
    double turnDegrees = 0;
    double xFrom = 0, xTo = 10, yFrom = 0, yTo = 100;

    // Where a value stands in the picture, in the program's pixel positions (pixel (i, j) at
    // (i, j)).
    QPointF PixelOf(QPointF value) const;
};

Drawn Draw(const Case& plot);

// How far (pixels) a picture position lies from a series as drawn: from its line, or from its
// nearest marker's centre.
double PixelsOff(const Drawn& drawn, const Series& series, QPointF pixel);

// Paints over the factor written above the y axis and scribbles there instead: something stands
// where the factor goes, and does not read as one.
void SmudgeFactor(Drawn& drawn);

} // namespace RasterPlots
