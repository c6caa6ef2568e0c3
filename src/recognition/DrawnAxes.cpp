#include "recognition/DrawnAxes.h"

#include "drawing/DrawingSnap.h"
#include "recognition/AxisLabelText.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
// How close the end of a tick must come to the axis line, in pixels.
constexpr double TouchPixels = 1;

struct Segment {
    QPointF a;
    QPointF b;
    double Length() const { return std::hypot(b.x() - a.x(), b.y() - a.y()); }
    // The angle off the horizontal, folded to 0..90 degrees.
    double Slant() const {
        const double degrees = std::fabs(std::atan2(b.y() - a.y(), b.x() - a.x())) * 180 / Pi;
        return std::min(degrees, 180 - degrees);
    }
    bool Horizontal() const { return Slant() <= AxisSlantDegrees; }
    bool Vertical() const { return Slant() >= 90 - AxisSlantDegrees; }
};

std::vector<Segment> StrokedSegments(const VectorDrawing& drawing) {
    std::vector<Segment> segments;
    for (const DrawnPath& path : drawing.paths) {
        if (!path.stroked) {
            continue;
        }
        for (std::size_t piece = 0; piece < path.PieceCount(); ++piece) {
            const std::size_t first = path.pieceStarts[piece];
            const std::size_t end = path.PieceEnd(piece);
            for (std::size_t at = first + 1; at < end; ++at) {
                segments.push_back({path.points[at - 1], path.points[at]});
            }
        }
    }
    return segments;
}

double DistanceToLine(const QLineF& line, QPointF point) {
    return DistanceBetween(point, NearestOnSegment(line.p1(), line.p2(), point));
}

// A text of the page that reads as a tick's value.
struct NumberText {
    const DrawnText* text;
    double value;
};

// The page's texts that read as numbers, read once for every tick of every line.
std::vector<NumberText> NumberTexts(const VectorDrawing& drawing) {
    std::vector<NumberText> numbers;
    for (const DrawnText& text : drawing.texts) {
        const std::optional<AxisLabel> label = ReadAxisLabel(text.text);
        if (label && label->kind == AxisLabel::Kind::Number) {
            numbers.push_back({&text, label->value});
        }
    }
    return numbers;
}

// The label standing beside a tick: the nearest text that reads as a number and is centred on
// the tick across the axis.
std::optional<LabelledTick> LabelOf(const std::vector<NumberText>& numbers, QPointF onAxis,
                                    bool horizontalAxis, double reach) {
    std::optional<LabelledTick> found;
    double nearest = reach;
    for (const NumberText& number : numbers) {
        const QRectF& box = number.text->box;
        const QPointF centre = box.center();
        // Centred on the tick: under or over it for a horizontal axis, beside it for a
        // vertical one.
        const double across = horizontalAxis ? std::fabs(centre.x() - onAxis.x())
                                             : std::fabs(centre.y() - onAxis.y());
        const double half = (horizontalAxis ? box.width() : box.height()) / 2 + 1;
        const double away = DistanceBetween(centre, onAxis);
        if (across > half || away > nearest) {
            continue;
        }
        nearest = away;
        found = LabelledTick{onAxis, number.text->text, number.value};
    }
    return found;
}

std::optional<DrawnAxis> AxisOn(const std::vector<NumberText>& numbers, const Segment& line,
                                const std::vector<Segment>& segments, double shortest,
                                double longestTick) {
    const QLineF axisLine(line.a, line.b);
    const bool horizontal = line.Horizontal();
    DrawnAxis axis{axisLine, {}, 1};
    for (const Segment& tick : segments) {
        const double length = tick.Length();
        if (length < shortest || length > longestTick ||
            (horizontal ? !tick.Vertical() : !tick.Horizontal())) {
            continue;
        }
        const bool aOnAxis = DistanceToLine(axisLine, tick.a) <= TouchPixels;
        const bool bOnAxis = DistanceToLine(axisLine, tick.b) <= TouchPixels;
        if (aOnAxis == bOnAxis) {
            continue;
        }
        const QPointF onAxis = aOnAxis ? tick.a : tick.b;
        // A tick drawn twice (a fill and a stroke, or a repeated mark) counts once.
        bool seen = false;
        for (const LabelledTick& other : axis.ticks) {
            seen = seen || DistanceBetween(other.onAxis, onAxis) < TouchPixels;
        }
        if (seen) {
            continue;
        }
        if (const std::optional<LabelledTick> labelled =
                LabelOf(numbers, onAxis, horizontal, 8 * longestTick)) {
            axis.ticks.push_back(*labelled);
        }
    }
    if (axis.ticks.empty()) {
        return std::nullopt;
    }
    return axis;
}

} // namespace

DrawnAxes FindDrawnAxes(const VectorDrawing& drawing) {
    const double side = std::min(drawing.size.width(), drawing.size.height());
    const std::vector<Segment> segments = StrokedSegments(drawing);
    const std::vector<NumberText> numbers = NumberTexts(drawing);
    // An axis spans a quarter of the page at least; a tick is short beside it.
    const double axisLength = side / 4;
    const double longestTick = side / 25;
    DrawnAxes axes;
    for (const Segment& line : segments) {
        if (line.Length() < axisLength || (!line.Horizontal() && !line.Vertical())) {
            continue;
        }
        std::optional<DrawnAxis> axis = AxisOn(numbers, line, segments, TouchPixels, longestTick);
        if (!axis) {
            continue;
        }
        std::optional<DrawnAxis>& kept = line.Horizontal() ? axes.x : axes.y;
        // More labelled ticks win; of as many, the lowest x axis and the leftmost y axis.
        const auto place = [&](const DrawnAxis& candidate) {
            const QPointF middle = candidate.line.center();
            return line.Horizontal() ? middle.y() : -middle.x();
        };
        if (!kept || axis->ticks.size() > kept->ticks.size() ||
            (axis->ticks.size() == kept->ticks.size() && place(*axis) > place(*kept))) {
            kept = std::move(axis);
        }
    }
    return axes;
}

std::vector<AxisTick> TicksAlong(const DrawnAxis& axis) {
    std::vector<AxisTick> ticks;
    const QPointF along = axis.line.p2() - axis.line.p1();
    const double length = std::hypot(along.x(), along.y());
    for (const LabelledTick& tick : axis.ticks) {
        ticks.push_back(
            {QPointF::dotProduct(tick.onAxis - axis.line.p1(), along) / length, tick.value});
    }
    return ticks;
}
