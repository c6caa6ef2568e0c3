#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPageSize;
class QPainter;
class QPdfWriter;

// PDFs the tests make themselves. The plots are printed by QPdfWriter on A4 pages
// (595 x 842 points) and placed in points from the page's top left corner: tick crosses at
// the two reference points, which stand for the values (0, 0) and (10, 100), and one round
// marker in the page's own colour.
namespace TestPdf {

inline constexpr QPointF FirstReference{100, 700};
inline constexpr QPointF SecondReference{500, 300};
inline const QSizeF A4Points{595, 842};

struct PlotPage {
    QPointF marker; // in points
    QColor color;
    // The marker's values on the plot's axes.
    double X() const { return (marker.x() - FirstReference.x()) / 400 * 10; }
    double Y() const { return (FirstReference.y() - marker.y()) / 400 * 100; }
};

// A PDF printed by QPdfWriter at 72 dots per inch, so that painter units are points, on pages
// of the given size without margins; draw paints the pages and starts new ones.
QByteArray Printed(const QPageSize& size, const std::function<void(QPdfWriter&, QPainter&)>& draw);

// Page 1 has a red marker at (6, 60), page 2 a blue one at (3, 80).
const QList<PlotPage>& TwoPlots();
QByteArray PlotPages(const QList<PlotPage>& pages);
// One blank page of the given size in inches.
QByteArray PosterPage(double inches);

// A PDF written by hand from object bodies numbered from 1, with its cross-reference table.
QByteArray HandMade(const QList<QByteArray>& objects, const QByteArray& trailer = {});
QByteArray NoPages();
// Encrypted with a user password, so that nothing can be read without it.
QByteArray Encrypted();

// Where the marker of a page lands in a picture rendered at this resolution: the centre
// of its pixels, measured over the pixels of its colour.
QPointF MarkerCentre(const QImage& picture, const QColor& color);

} // namespace TestPdf
