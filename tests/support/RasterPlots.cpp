#include "RasterPlots.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace RasterPlots {

namespace {

const QColor Palette[] = {QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),
                          QColor(214, 39, 40), QColor(148, 103, 189)};

double Pixels(double points, int dotsPerInch) {
    return points * dotsPerInch / 72.0;
}

// Draws "10" with its exponent raised after it, right-aligned to `right` and centred on `y`.
void DrawPower(QPainter& painter, int exponent, double right, double y, double em) {
    const QFont normal = painter.font();
    QFont small = normal;
    small.setPixelSize(std::max(1, static_cast<int>(std::lround(normal.pixelSize() * 0.7))));
    const QString raised = QString::number(exponent).replace(QLatin1Char('-'), QChar(0x2212));
    const double raisedWidth = QFontMetricsF(small).horizontalAdvance(raised);
    const double baseWidth = QFontMetricsF(normal).horizontalAdvance(QStringLiteral("10"));
    const double baseline = y + 0.35 * em;
    painter.drawText(QPointF(right - raisedWidth - baseWidth, baseline), QStringLiteral("10"));
    painter.setFont(small);
    painter.drawText(QPointF(right - raisedWidth, baseline - 0.45 * em), raised);
    painter.setFont(normal);
}

} // namespace

std::vector<Style> Styles() {
    return {
        {QStringLiteral("boxed, sans"), QStringLiteral("DejaVu Sans"), true, false, false, 1.5, 6,
         0},
        {QStringLiteral("open axes, grid"), QStringLiteral("Nimbus Sans"), false, false, true, 1.5,
         6, 1, false, true},
        {QStringLiteral("serif, ticks inside"), QStringLiteral("Nimbus Roman"), true, true, false,
         1.2, 7, 2, true, false},
        {QStringLiteral("mono, thick lines"), QStringLiteral("DejaVu Sans Mono"), true, false, true,
         2.5, 8, 0},
    };
}

QPointF Drawn::PixelOf(QPointF value) const {
    const double fx = (value.x() - xFrom) / (xTo - xFrom);
    const double fy =
        yLog ? (std::log10(value.y()) - std::log10(yFrom)) / (std::log10(yTo) - std::log10(yFrom))
             : (value.y() - yFrom) / (yTo - yFrom);
    const QPointF flat(axes.left() + fx * axes.width(), axes.bottom() - fy * axes.height());
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    const double a = turnDegrees * 3.14159265358979323846 / 180;
    const QPointF d = flat - centre;
    const QPointF turned(centre.x() + d.x() * std::cos(a) - d.y() * std::sin(a),
                         centre.y() + d.x() * std::sin(a) + d.y() * std::cos(a));
    // Painting puts a pixel's centre half a pixel past its corner.
    return turned - QPointF(0.5, 0.5);
}

Drawn Draw(const Case& plot) {
    const Style& style = plot.style;
    const int dpi = plot.dotsPerInch;
    Drawn drawn;
    drawn.yLog = plot.yLog;
    drawn.turnDegrees = plot.turnDegrees;
    if (plot.yLog) {
        drawn.yFrom = style.powers ? 0.1 : 1;
        drawn.yTo = style.powers ? 1000 : 10000;
    } else if (style.factor) {
        drawn.yTo = 100000;
    }
    const int width = static_cast<int>(std::lround(6.4 * dpi));
    const int height = static_cast<int>(std::lround(4.8 * dpi));
    drawn.image = QImage(width, height, QImage::Format_RGB32);
    drawn.image.fill(Qt::white);
    drawn.axes = QRectF(QPointF(0.125 * width, 0.12 * height), QPointF(0.9 * width, 0.88 * height));
    const QRectF& box = drawn.axes;

    // The data: smooth curves that cross one another.
    for (int k = 0; k < plot.seriesCount; ++k) {
        Series series;
        series.color = Palette[k % 5];
        series.markers = plot.someMarkers && k % 2 == 1;
        const int count = series.markers ? 14 : 120;
        const double phase = 0.9 * k + 0.37 * plot.seed;
        for (int i = 0; i < count; ++i) {
            const double x = series.markers ? 0.4 + 9.2 * i / (count - 1) : 10.0 * i / (count - 1);
            const double wave = 0.5 + 0.38 * std::sin(0.55 * x + phase) * std::cos(0.1 * k * x);
            const double from = plot.yLog ? std::log10(drawn.yFrom) : drawn.yFrom;
            const double to = plot.yLog ? std::log10(drawn.yTo) : drawn.yTo;
            const double y = from + (to - from) * (0.05 + 0.9 * wave);
            if (plot.yLog) {
                series.data.push_back({x, std::pow(10.0, y)});
                continue;
            }
            series.data.push_back({x, y});
        }
        drawn.series.push_back(std::move(series));
    }

    QPainter painter(&drawn.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(width / 2.0, height / 2.0);
    painter.rotate(plot.turnDegrees);
    painter.translate(-width / 2.0, -height / 2.0);
    const auto flat = [&](QPointF value) {
        Drawn upright = drawn;
        upright.turnDegrees = 0;
        return upright.PixelOf(value) + QPointF(0.5, 0.5);
    };
    const double axisWidth = Pixels(0.8, dpi);
    const double tickLength = Pixels(3.5, dpi);
    QFont font(style.font);
    font.setPixelSize(static_cast<int>(std::lround(Pixels(10, dpi))));
    painter.setFont(font);

    const std::vector<double> xTicks{0, 2, 4, 6, 8, 10};
    std::vector<double> yTicks;
    for (int k = 0; k < (plot.yLog ? 5 : 6); ++k) {
        yTicks.push_back(plot.yLog ? drawn.yFrom * std::pow(10.0, k)
                                   : drawn.yFrom + (drawn.yTo - drawn.yFrom) * k / 5);
    }
    if (style.grid) {
        painter.setPen(QPen(QColor(176, 176, 176), Pixels(0.8, dpi)));
        for (double x : xTicks) {
            painter.drawLine(flat({x, drawn.yFrom}), flat({x, drawn.yTo}));
        }
        for (double y : yTicks) {
            painter.drawLine(flat({drawn.xFrom, y}), flat({drawn.xTo, y}));
        }
    }
    // The series, clipped to the axes.
    painter.save();
    painter.setClipRect(box);
    for (const Series& series : drawn.series) {
        if (!series.markers) {
            QPainterPath path;
            for (std::size_t i = 0; i < series.data.size(); ++i) {
                const QPointF p = flat(series.data[i]);
                i == 0 ? path.moveTo(p) : path.lineTo(p);
            }
            painter.setPen(QPen(series.color, Pixels(style.lineWidthPt, dpi), Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(series.color);
        const double r = Pixels(style.markerPt, dpi) / 2;
        for (const QPointF& value : series.data) {
            const QPointF c = flat(value);
            if (style.markerShape == 1) {
                painter.drawRect(QRectF(c - QPointF(r, r), QSizeF(2 * r, 2 * r)));
            } else if (style.markerShape == 2) {
                // Centred on its centroid, as plotting programs place a triangle.
                const QPointF points[] = {c + QPointF(0, -1.2 * r), c + QPointF(1.04 * r, 0.6 * r),
                                          c + QPointF(-1.04 * r, 0.6 * r)};
                painter.drawPolygon(points, 3);
            } else {
                painter.drawEllipse(c, r, r);
            }
        }
    }
    painter.restore();

    // The legend, upper right inside the axes, over the data.
    {
        const double em = Pixels(10, dpi);
        const QRectF legend(box.right() - 7 * em, box.top() + 0.5 * em, 6.5 * em,
                            (drawn.series.size() + 0.6) * 1.3 * em);
        painter.setPen(QPen(QColor(204, 204, 204), Pixels(0.8, dpi)));
        painter.setBrush(QColor(255, 255, 255, 204));
        painter.drawRect(legend);
        for (std::size_t k = 0; k < drawn.series.size(); ++k) {
            const Series& series = drawn.series[k];
            const double y = legend.top() + (k + 0.8) * 1.3 * em;
            const QPointF sample(legend.left() + 1.5 * em, y);
            if (series.markers) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(series.color);
                const double r = Pixels(style.markerPt, dpi) / 2;
                painter.drawEllipse(sample, r, r);
            } else {
                painter.setPen(QPen(series.color, Pixels(style.lineWidthPt, dpi)));
                painter.drawLine(sample - QPointF(em, 0), sample + QPointF(em, 0));
            }
            painter.setPen(Qt::black);
            painter.drawText(QRectF(sample.x() + 1.4 * em, y - 0.7 * em, 4 * em, 1.4 * em),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("series %1").arg(k + 1));
        }
    }

    // The frame and the ticks with their labels.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, axisWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topLeft());
    if (style.box) {
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }
    const double inward = style.ticksInside ? -1 : 1;
    painter.setPen(QPen(Qt::black, axisWidth, Qt::SolidLine, Qt::FlatCap));
    for (double x : xTicks) {
        const QPointF at = flat({x, drawn.yFrom});
        painter.drawLine(at, at + QPointF(0, inward * tickLength));
        if (style.ticksInside) {
            const QPointF top = flat({x, drawn.yTo});
            painter.drawLine(top, top + QPointF(0, tickLength));
        }
        painter.drawText(QRectF(at.x() - 3 * Pixels(10, dpi),
                                at.y() + tickLength + Pixels(3.5, dpi), 6 * Pixels(10, dpi),
                                1.3 * Pixels(10, dpi)),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(x, 'g', 6));
    }
    for (double y : yTicks) {
        const QPointF at = flat({drawn.xFrom, y});
        painter.drawLine(at, at - QPointF(inward * tickLength, 0));
        if (style.ticksInside) {
            const QPointF right = flat({drawn.xTo, y});
            painter.drawLine(right, right - QPointF(tickLength, 0));
        }
        const double gap = (style.ticksInside ? 0 : tickLength) + Pixels(3.5, dpi);
        if (plot.yLog && style.powers) {
            DrawPower(painter, static_cast<int>(std::lround(std::log10(y))), at.x() - gap, at.y(),
                      Pixels(10, dpi));
            continue;
        }
        painter.drawText(QRectF(at.x() - gap - 8 * Pixels(10, dpi), at.y() - Pixels(10, dpi),
                                8 * Pixels(10, dpi), 2 * Pixels(10, dpi)),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(!plot.yLog && style.factor ? y / 1000 : y, 'g', 6));
    }
    if (!plot.yLog && style.factor) {
        // The axis's factor over its top, as plotting programs write it.
        const QPointF top = flat({drawn.xFrom, drawn.yTo});
        const double em = Pixels(10, dpi);
        painter.drawText(QPointF(top.x(), top.y() - 0.6 * em), QStringLiteral("\u00d7"));
        const double times = QFontMetricsF(painter.font()).horizontalAdvance(QChar(0x00d7));
        DrawPower(painter, 3,
                  top.x() + times +
                      QFontMetricsF(painter.font()).horizontalAdvance(QStringLiteral("10")) +
                      QFontMetricsF(painter.font()).horizontalAdvance(QStringLiteral("3")) * 0.7,
                  top.y() - 0.95 * em, em);
    }
    painter.end();

    if (plot.jpeg) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        drawn.image.save(&buffer, "JPEG", 75);
        drawn.image = QImage::fromData(bytes, "JPEG").convertToFormat(QImage::Format_RGB32);
    }
    return drawn;
}

double PixelsOff(const Drawn& drawn, const Series& series, QPointF pixel) {
    double nearest = 1e300;
    QPointF before;
    for (std::size_t i = 0; i < series.data.size(); ++i) {
        const QPointF at = drawn.PixelOf(series.data[i]);
        if (series.markers || i == 0) {
            nearest = std::min(nearest, std::hypot(pixel.x() - at.x(), pixel.y() - at.y()));
        } else {
            const QPointF along = at - before;
            const double length2 = QPointF::dotProduct(along, along);
            const double t =
                length2 > 0
                    ? std::clamp(QPointF::dotProduct(pixel - before, along) / length2, 0.0, 1.0)
                    : 0.0;
            const QPointF foot = before + along * t;
            nearest = std::min(nearest, std::hypot(pixel.x() - foot.x(), pixel.y() - foot.y()));
        }
        before = at;
    }
    return nearest;
}

void SmudgeFactor(Drawn& drawn) {
    QPainter painter(&drawn.image);
    const QPointF top = drawn.PixelOf({drawn.xFrom, drawn.yTo});
    painter.fillRect(QRectF(top.x() - 5, top.y() - 40, 60, 32), Qt::white);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(QPointF(top.x() + 2, top.y() - 22), QPointF(top.x() + 30, top.y() - 14));
    painter.drawLine(QPointF(top.x() + 2, top.y() - 14), QPointF(top.x() + 30, top.y() - 22));
}

} // namespace RasterPlots
