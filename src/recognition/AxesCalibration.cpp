#include "recognition/AxesCalibration.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

QPointF Unit(const QLineF& line) {
    const QPointF along = line.p2() - line.p1();
    const double length = std::hypot(along.x(), along.y());
    return along / length;
}

double Cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

// Splits an offset into steps along u and v: offset = a u + b v.
std::optional<QPointF> Split(QPointF offset, QPointF u, QPointF v) {
    const double determinant = Cross(u, v);
    if (std::fabs(determinant) < std::sin(10 * Pi / 180)) {
        return std::nullopt; // the axes are too near parallel to tell the directions apart
    }
    return QPointF(Cross(offset, v) / determinant, Cross(u, offset) / determinant);
}

// Where the two axis lines meet.
std::optional<QPointF> Origin(const QLineF& x, const QLineF& y) {
    QPointF meeting;
    if (x.intersects(y, &meeting) == QLineF::NoIntersection) {
        return std::nullopt;
    }
    return meeting;
}

} // namespace

std::optional<QPointF> ValuesAt(const FittedAxis& x, const FittedAxis& y, QPointF pixel) {
    const std::optional<QPointF> origin = Origin(x.line, y.line);
    if (!origin) {
        return std::nullopt;
    }
    const QPointF u = Unit(x.line);
    const QPointF v = Unit(y.line);
    const std::optional<QPointF> steps = Split(pixel - *origin, u, v);
    if (!steps) {
        return std::nullopt;
    }
    // The fits measure from the start of their own lines.
    const double alongX = steps->x() + QPointF::dotProduct(*origin - x.line.p1(), u);
    const double alongY = steps->y() + QPointF::dotProduct(*origin - y.line.p1(), v);
    const double valueX = x.fit.ValueAt(alongX);
    const double valueY = y.fit.ValueAt(alongY);
    if (!std::isfinite(valueX) || !std::isfinite(valueY)) {
        return std::nullopt;
    }
    return QPointF(valueX, valueY);
}

std::optional<ProposedCalibration> ProposeCalibration(const FittedAxis& x, const FittedAxis& y) {
    const std::optional<QPointF> origin = Origin(x.line, y.line);
    if (!origin) {
        return std::nullopt;
    }
    const QPointF u = Unit(x.line);
    const QPointF v = Unit(y.line);
    // The span of the ticks taken on each axis, in steps from the origin.
    const auto span = [&](const FittedAxis& axis, QPointF direction) -> std::optional<QPointF> {
        const double shift = QPointF::dotProduct(*origin - axis.line.p1(), direction);
        std::optional<QPointF> lowHigh;
        for (std::size_t at = 0; at < axis.ticks.size() && at < axis.fit.used.size(); ++at) {
            if (!axis.fit.used[at]) {
                continue;
            }
            const double step = axis.ticks[at].position - shift;
            lowHigh = lowHigh ? QPointF(std::min(lowHigh->x(), step), std::max(lowHigh->y(), step))
                              : QPointF(step, step);
        }
        if (!lowHigh || lowHigh->x() == lowHigh->y()) {
            return std::nullopt;
        }
        return lowHigh;
    };
    const std::optional<QPointF> alongX = span(x, u);
    const std::optional<QPointF> alongY = span(y, v);
    if (!alongX || !alongY) {
        return std::nullopt;
    }
    const double slantX = std::fabs(std::atan2(u.y(), u.x())) * 180 / Pi;
    const double slantY = std::fabs(std::atan2(v.x(), v.y())) * 180 / Pi;
    const bool upright = std::min(slantX, 180 - slantX) <= UprightDegrees &&
                         std::min(slantY, 180 - slantY) <= UprightDegrees;
    std::vector<QPointF> steps{{alongX->x(), alongY->x()}, {alongX->y(), alongY->y()}};
    if (!upright) {
        steps.push_back({alongX->y(), alongY->x()});
    }
    ProposedCalibration proposal;
    proposal.xLog = x.fit.logarithmic;
    proposal.yLog = y.fit.logarithmic;
    for (const QPointF& step : steps) {
        const QPointF pixel = *origin + u * step.x() + v * step.y();
        const std::optional<QPointF> values = ValuesAt(x, y, pixel);
        if (!values) {
            return std::nullopt;
        }
        proposal.references.push_back({pixel, values->x(), values->y()});
    }
    return proposal;
}
