#include "recognition/PlotAxesReading.h"

#include "recognition/AxisLabelText.h"
#include "recognition/DrawnAxes.h"
#include "recognition/LabelOcr.h"
#include "recognition/PictureAxes.h"
#include "recognition/RaisedExponent.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// Background left around a label's ink for the reader.
constexpr int LabelMargin = 4;

void FitAxis(AxisReading& axis, const QString& name) {
    if (!axis.line) {
        axis.refusal = QStringLiteral("no %1 axis line with labelled ticks was found").arg(name);
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
    reading.factor = axis->factor;
    reading.ticks = TicksAlong(*axis);
    return reading;
}

QImage WithMargin(const QImage& picture, const QRect& ink) {
    return picture.copy(ink.adjusted(-LabelMargin, -LabelMargin, LabelMargin, LabelMargin)
                            .intersected(picture.rect()));
}

// A piece of a label on a margin of white.
QImage OnWhite(const QImage& piece) {
    QImage framed(piece.width() + 2 * LabelMargin, piece.height() + 2 * LabelMargin,
                  QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter painter(&framed);
    painter.drawImage(LabelMargin, LabelMargin, piece);
    return framed;
}

// The label with its exponent brought down to the line and up to the size of its base: OCR
// does not read a lone small digit, but reads it in a line.
QImage OnOneLine(const QImage& region, const RaisedParts& parts) {
    const QImage base = region.copy(parts.base);
    const int height = parts.base.height();
    const double scale = static_cast<double>(height) / std::max(1, parts.exponent.height());
    const QImage exponent =
        region.copy(parts.exponent)
            .scaled(std::max(1, static_cast<int>(std::lround(parts.exponent.width() * scale))),
                    height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int gap = std::max(2, height / 3);
    QImage line(base.width() + gap + exponent.width() + 2 * LabelMargin, height + 2 * LabelMargin,
                QImage::Format_RGB32);
    line.fill(Qt::white);
    QPainter painter(&line);
    painter.drawImage(LabelMargin, LabelMargin, base);
    painter.drawImage(LabelMargin + base.width() + gap, LabelMargin, exponent);
    return line;
}

// The text of a label's region: a raised exponent read apart from its base ("10" and "3" give
// "10^3").
QString LabelText(const QImage& region, LabelOcr& ocr) {
    if (const std::optional<RaisedParts> parts = FindRaisedExponent(region)) {
        // Alone on white: the margin of the region around it may hold part of the exponent.
        const QString base = ocr.Read(OnWhite(region.copy(parts->base)));
        const QString both = ocr.Read(OnOneLine(region, *parts));
        if (!base.isEmpty() && both.size() > base.size() && both.startsWith(base)) {
            return base + QLatin1Char('^') + (parts->negative ? QStringLiteral("-") : QString()) +
                   both.mid(base.size()).trimmed();
        }
    }
    return ocr.Read(region);
}

// The rows and columns of dark grey ink inside a box of the picture; empty for none.
QRect InkIn(const QImage& picture, const QRect& box) {
    const QRect inside = box.intersected(picture.rect());
    QRect ink;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                               std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            if (spread < 70 && qGray(pixel) < 150) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// What stands where plotting programs write a factor for the whole axis: above the top of a
// vertical axis, or under the right end of a horizontal axis's labels ("×10^3", "1e6").
struct AxisNote {
    std::optional<double> factor;
    bool unread = false; // something is written there that does not read as a factor
};

AxisNote AxisFactor(const QImage& picture, const PictureAxis& axis, bool vertical, LabelOcr& ocr) {
    std::vector<int> heights;
    QRect labels;
    for (const TickMark& tick : axis.ticks) {
        if (!tick.labelInk.isEmpty()) {
            heights.push_back(tick.labelInk.height());
            labels |= tick.labelInk;
        }
    }
    if (heights.empty()) {
        return {};
    }
    std::nth_element(heights.begin(),
                     heights.begin() + static_cast<std::ptrdiff_t>(heights.size() / 2),
                     heights.end());
    const int h = std::max(4, heights[heights.size() / 2]);
    const QLineF& line = axis.line;
    QRect look;
    if (vertical) {
        const QPointF top = line.p1().y() < line.p2().y() ? line.p1() : line.p2();
        look =
            QRect(QPoint(static_cast<int>(top.x()) - 3 * h, static_cast<int>(top.y()) - 3 * h),
                  QPoint(static_cast<int>(top.x()) + 8 * h, static_cast<int>(top.y() - 0.75 * h)));
    } else {
        const QPointF right = line.p1().x() > line.p2().x() ? line.p1() : line.p2();
        look = QRect(QPoint(static_cast<int>(right.x()) - 6 * h, labels.bottom() + 2),
                     QPoint(static_cast<int>(right.x()) + 6 * h, labels.bottom() + 3 * h));
    }
    const QRect ink = InkIn(picture, look);
    if (ink.isEmpty()) {
        return {};
    }
    if (ink.height() > 2 * h) {
        return {std::nullopt, true};
    }
    const QString text = LabelText(WithMargin(picture, ink), ocr);
    const std::optional<AxisLabel> label = ReadAxisLabel(text);
    if (!label || label->value <= 0) {
        return {std::nullopt, true};
    }
    // A number standing alone there is a factor only when written as a power of ten.
    const bool power =
        std::fabs(std::log10(label->value) - std::round(std::log10(label->value))) < 1e-9 &&
        (text.contains(QLatin1Char('e'), Qt::CaseInsensitive) || text.contains(QLatin1Char('^')));
    if (label->kind == AxisLabel::Kind::Multiplier || power) {
        return {label->value, false};
    }
    return {std::nullopt, true};
}

AxisReading FromPixels(const QImage& picture, const std::optional<PictureAxis>& axis, bool vertical,
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
        const QString text = LabelText(WithMargin(picture, tick.labelInk), ocr);
        if (const std::optional<AxisLabel> label = ReadAxisLabel(text);
            label && label->kind == AxisLabel::Kind::Number) {
            read.ticks.push_back({tick.onAxis, text, label->value});
        }
    }
    const AxisNote note = AxisFactor(picture, *axis, vertical, ocr);
    if (note.factor) {
        reading.factor = *note.factor;
        for (LabelledTick& tick : read.ticks) {
            tick.value *= *note.factor;
        }
    }
    reading.unreadNote = note.unread;
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
        reading.x = FromPixels(picture, axes.x, false, ocr);
        reading.y = FromPixels(picture, axes.y, true, ocr);
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
    for (const auto& [axis, name, where] :
         {std::tuple(&reading.x, QStringLiteral("X"), QStringLiteral("under the right end of")),
          std::tuple(&reading.y, QStringLiteral("Y"), QStringLiteral("over the top of"))}) {
        if (axis->unreadNote) {
            reading.warnings << QStringLiteral("something is written %1 the %2 axis that was not "
                                               "read as a factor; if it is one (such as ×10³), "
                                               "the %2 values are off by it")
                                    .arg(where, name);
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
