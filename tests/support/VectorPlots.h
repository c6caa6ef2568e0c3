#pragma once

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

// Plots written the way plotting programs write them, with data known to the last digit: a PDF
// page (content stream with the figure in points, markers as reused forms placed by a
// transform, the data clipped to the axes, tick marks as short strokes, labels in a standard
// font) and the same figure as an SVG file.
namespace VectorPlots {

enum class SeriesStyle { Line, DashedLine, Markers };

struct Series {
    std::vector<QPointF> data; // in axis values
    SeriesStyle style = SeriesStyle::Line;
    QColor color = QColor(31, 119, 180);
};

struct Plot {
    // The figure's size and its axes' box, in points from the bottom left (as on paper).
    QSizeF page{460.8, 345.6};
    QRectF axes{57.6, 38.016, 357.12, 266.112};
    double xFrom = 0;
    double xTo = 10;
    double yFrom = 0;
    double yTo = 100;
    bool yLog = false;
    std::vector<double> xTicks{0, 2, 4, 6, 8, 10};
    std::vector<double> yTicks{0, 25, 50, 75, 100};
    std::vector<Series> series;
    int rotate = 0; // the page's turn when shown: 0 or 90 degrees
};

// A plot with a line of 50 points, a dashed line of 40 and 12 round markers.
Plot ThreeSeries(bool yLog = false);

// Where a value of the plot stands on the page, in points from the bottom left.
QPointF PagePoint(const Plot& plot, QPointF value);
// Where a value stands in the picture of the page rendered at a resolution, in the program's
// pixel positions (pixel (i, j) at (i, j)), with the page's turn.
QPointF PicturePoint(const Plot& plot, QPointF value, double dotsPerInch);

QByteArray PdfFile(const Plot& plot);
// The SVG of the figure, in points as user units (a picture 1 unit per point when drawn at its
// own size).
QByteArray SvgFile(const Plot& plot);

// A page that holds a scanned picture only (2 x 2 pixels drawn over the page), and no drawing.
QByteArray ScannedPagePdf();

// A page with many short strokes: elements paths of 2 points each (for measuring).
QByteArray ManyPathsPdf(int elements);

} // namespace VectorPlots
