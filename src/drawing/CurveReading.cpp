#include "drawing/CurveReading.h"

#include "drawing/DrawingSnap.h"

#include <cmath>
#include <limits>

namespace {

// How far two markers' outlines may differ and still be the same shape, in pixels.
constexpr double ShapeSlack = 1e-3;

// How far a click is from what a user sees of a path: the box of a marker, the strokes of a line.
double DistanceFrom(const DrawnPath& path, bool marker, QPointF click) {
    if (marker) {
        return DistanceToBox(path.Bounds(), click);
    }
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t piece = 0; piece < path.PieceCount(); ++piece) {
        const std::size_t first = path.pieceStarts[piece];
        const std::size_t end = path.PieceEnd(piece);
        nearest = std::min(nearest, DistanceBetween(path.points[first], click));
        for (std::size_t at = first + 1; at < end; ++at) {
            nearest = std::min(
                nearest, DistanceBetween(
                             NearestOnSegment(path.points[at - 1], path.points[at], click), click));
        }
    }
    return nearest;
}

bool SameShape(const DrawnPath& one, const DrawnPath& other) {
    if (one.points.size() != other.points.size() || one.closed != other.closed) {
        return false;
    }
    const QPointF oneCentre = MarkerCentre(one);
    const QPointF otherCentre = MarkerCentre(other);
    for (std::size_t at = 0; at < one.points.size(); ++at) {
        const QPointF difference = (one.points[at] - oneCentre) - (other.points[at] - otherCentre);
        if (std::fabs(difference.x()) > ShapeSlack || std::fabs(difference.y()) > ShapeSlack) {
            return false;
        }
    }
    return true;
}

void Append(std::vector<QPointF>& positions, QPointF position) {
    if (positions.empty() || positions.back() != position) {
        positions.push_back(position);
    }
}

std::vector<QPointF> MarkerSeries(const VectorDrawing& drawing, const DrawnPath& hit) {
    std::vector<QPointF> centres;
    for (const DrawnPath& path : drawing.paths) {
        if (SameStyle(path, hit) && IsMarker(path, drawing.size) && SameShape(path, hit)) {
            const QPointF centre = MarkerCentre(path);
            if (path.InsideClip(centre)) {
                Append(centres, centre);
            }
        }
    }
    return centres;
}

bool LinePath(const DrawnPath& path, QSizeF pageSize) {
    return path.stroked && path.points.size() >= 2 && !IsMarker(path, pageSize);
}

std::vector<QPointF> LineSeries(const VectorDrawing& drawing, std::size_t hit) {
    const auto sameLine = [&](std::size_t at) {
        const DrawnPath& path = drawing.paths[at];
        return LinePath(path, drawing.size) && SameStyle(path, drawing.paths[hit]);
    };
    std::size_t first = hit;
    while (first > 0 && sameLine(first - 1)) {
        --first;
    }
    std::size_t last = hit;
    while (last + 1 < drawing.paths.size() && sameLine(last + 1)) {
        ++last;
    }
    std::vector<QPointF> vertices;
    for (std::size_t at = first; at <= last; ++at) {
        const DrawnPath& path = drawing.paths[at];
        for (const QPointF& point : path.points) {
            if (path.InsideClip(point)) {
                Append(vertices, point);
            }
        }
    }
    return vertices;
}

} // namespace

std::optional<CurveReading> ReadCurveAt(const VectorDrawing& drawing, QPointF click,
                                        double radius) {
    std::optional<std::size_t> hit;
    bool hitMarker = false;
    double hitDistance = radius;
    for (std::size_t at = 0; at < drawing.paths.size(); ++at) {
        const DrawnPath& path = drawing.paths[at];
        const bool marker = IsMarker(path, drawing.size);
        if (!marker && !LinePath(path, drawing.size)) {
            continue;
        }
        const double distance = DistanceFrom(path, marker, click);
        if (distance <= hitDistance) {
            hit = at;
            hitMarker = marker;
            hitDistance = distance;
        }
    }
    if (!hit) {
        return std::nullopt;
    }
    if (hitMarker) {
        return CurveReading{CurveReading::Kind::Markers,
                            MarkerSeries(drawing, drawing.paths[*hit])};
    }
    return CurveReading{CurveReading::Kind::Line, LineSeries(drawing, *hit)};
}
