#include "recognition/PlotAxesReading.h"

#include "recognition/AxisLabelText.h"
#include "recognition/DrawnAxes.h"
#include "recognition/LabelOcr.h"
#include "recognition/PictureAxes.h"

#include <cmath>

namespace {

// Background left around a label's ink for the reader.
constexpr int LabelMargin = 4;

void FitAxis(AxisReading& axis, const QString& name) {
    if (!axis.line) {
        axis.refusal = QStringLiteral("no %1 axis line with ticks was found").arg(name);
        return;
    }
    AxisTickFitOutcome outcome = FitAxisTicks(axis.ticks, name);
    axis.fit = std::move(outcome.fit);
    if (!axis.fit) {
        axis.refusal = outcome.refusal;
        if (axis.ticksFound > static_cast<int>(axis.ticks.size())) {
            axis.refusal += QStringLiteral(" (%1 of its %2 tick labels could be read)")
                                .arg(axis.ticks.size())
                                .arg(axis.ticksFound);
        }
    }
}

AxisReading FromDrawing(const std::optional<DrawnAxis>& axis) {
    AxisReading reading;
    if (!axis) {
        return reading;
    }
    reading.line = axis->line;
    reading.ticksFound = static_cast<int>(axis->ticks.size());
    reading.ticks = TicksAlong(*axis);
    return reading;
}

AxisReading FromPixels(const QImage& picture, const std::optional<PictureAxis>& axis,
                       LabelOcr& ocr) {
    AxisReading reading;
    if (!axis) {
        return reading;
    }
    reading.line = axis->line;
    reading.ticksFound = static_cast<int>(axis->ticks.size());
    DrawnAxis read{axis->line, {}, 1};
    for (const TickMark& tick : axis->ticks) {
        if (tick.labelInk.isEmpty()) {
            continue;
        }
        const QRect region =
            tick.labelInk.adjusted(-LabelMargin, -LabelMargin, LabelMargin, LabelMargin)
                .intersected(picture.rect());
        const QString text = ocr.Read(picture.copy(region));
        if (const std::optional<AxisLabel> label = ReadAxisLabel(text);
            label && label->kind == AxisLabel::Kind::Number) {
            read.ticks.push_back({tick.onAxis, text, label->value});
        }
    }
    reading.ticks = TicksAlong(read);
    return reading;
}

QRectF AreaBetween(const QLineF& x, const QLineF& y) {
    const double left = std::min(x.x1(), x.x2());
    const double right = std::max(x.x1(), x.x2());
    const double top = std::min(y.y1(), y.y2());
    const double bottom = std::max(y.y1(), y.y2());
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

} // namespace

QPointF AxisReading::PixelOf(const AxisTick& tick) const {
    if (!line) {
        return {};
    }
    const QPointF along = line->p2() - line->p1();
    return line->p1() + along * (tick.position / std::hypot(along.x(), along.y()));
}

PlotAxesReading ReadPlotAxes(const QImage& picture, const VectorDrawing* drawing, LabelOcr& ocr) {
    PlotAxesReading reading;
    if (drawing && drawing->dropped.isEmpty() && !drawing->texts.empty()) {
        const DrawnAxes axes = FindDrawnAxes(*drawing);
        if (axes.x && axes.y) {
            reading.x = FromDrawing(axes.x);
            reading.y = FromDrawing(axes.y);
            reading.fromDrawing = true;
        }
    }
    if (!reading.fromDrawing) {
        const PictureAxes axes = FindPictureAxes(picture);
        if ((axes.x || axes.y) && !ocr.Ready()) {
            reading.refusal = QStringLiteral("The axis labels cannot be read: Tesseract's "
                                             "English model could not be loaded.");
            return reading;
        }
        reading.x = FromPixels(picture, axes.x, ocr);
        reading.y = FromPixels(picture, axes.y, ocr);
    }
    if (reading.x.line && reading.y.line) {
        reading.plotArea = AreaBetween(*reading.x.line, *reading.y.line);
    }
    FitAxis(reading.x, QStringLiteral("X"));
    FitAxis(reading.y, QStringLiteral("Y"));
    QStringList reasons;
    for (const AxisReading* axis : {&reading.x, &reading.y}) {
        if (!axis->refusal.isEmpty()) {
            reasons << axis->refusal;
        }
    }
    if (reasons.isEmpty()) {
        reading.proposal = ProposeCalibration({*reading.x.line, reading.x.ticks, *reading.x.fit},
                                              {*reading.y.line, reading.y.ticks, *reading.y.fit});
        if (!reading.proposal) {
            reasons << QStringLiteral("the axis lines found do not cross at a usable angle");
        }
    }
    if (!reasons.isEmpty()) {
        QString joined = reasons.join(QStringLiteral("; "));
        joined[0] = joined[0].toUpper();
        reading.refusal = joined + QLatin1Char('.');
    }
    return reading;
}

QRectF FindPlotArea(const QImage& picture, const VectorDrawing* drawing) {
    if (drawing && drawing->dropped.isEmpty() && !drawing->texts.empty()) {
        const DrawnAxes axes = FindDrawnAxes(*drawing);
        if (axes.x && axes.y) {
            return AreaBetween(axes.x->line, axes.y->line);
        }
    }
    const PictureAxes axes = FindPictureAxes(picture);
    if (axes.x && axes.y) {
        return AreaBetween(axes.x->line, axes.y->line);
    }
    return {};
}
