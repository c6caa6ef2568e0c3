#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>

// What tests/data/plots.pdf shows. Its two A4 pages (595 x 842 points) were printed by
// QPdfWriter at 72 dots per inch; positions are in points from a page's top left corner. Each
// page has tick crosses at the two reference points, which stand for the values (0, 0) and
// (10, 100), and one round marker in the page's own colour.
namespace TestPdf {

inline constexpr QPointF FirstReference{100, 700};
inline constexpr QPointF SecondReference{500, 300};

struct PlotPage {
    QPointF marker; // in points
    QColor color;
    // The marker's values on the plot's axes.
    double X() const { return (marker.x() - FirstReference.x()) / 400 * 10; }
    double Y() const { return (FirstReference.y() - marker.y()) / 400 * 100; }
};

// Page 1 has a red marker at (6, 60), page 2 a blue one at (3, 80).
inline const QList<PlotPage> TwoPlots{{{340, 460}, Qt::red}, {{220, 380}, Qt::blue}};

// Where the marker of a page lands in a picture rendered at some resolution: the centre
// of its pixels, measured over the pixels of its colour; (-1, -1) when there are none.
QPointF MarkerCentre(const QImage& picture, const QColor& color);

} // namespace TestPdf
