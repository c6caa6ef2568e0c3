#include "drawing/DrawingSnap.h"

#include <QLineF>

#include <cmath>

double DistanceBetween(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double DistanceToBox(const QRectF& box, QPointF position) {
    const double dx = std::max({box.left() - position.x(), 0.0, position.x() - box.right()});
    const double dy = std::max({box.top() - position.y(), 0.0, position.y() - box.bottom()});
    return std::hypot(dx, dy);
}

QPointF NearestOnSegment(QPointF a, QPointF b, QPointF position) {
    const QPointF along = b - a;
    const double length2 = QPointF::dotProduct(along, along);
    if (length2 == 0) {
        return a;
    }
    const double share = std::clamp(QPointF::dotProduct(position - a, along) / length2, 0.0, 1.0);
    return a + along * share;
}

std::optional<DrawingSnap> SnapToDrawing(const VectorDrawing& drawing, QPointF click,
                                         double radius) {
    std::optional<DrawingSnap> best;
    double bestDistance = radius;
    std::optional<DrawingSnap> stroke;
    double strokeDistance = radius;
    const auto consider = [&](std::optional<DrawingSnap>& chosen, double& chosenDistance,
                              QPointF position, DrawingSnapKind kind) {
        const double distance = DistanceBetween(position, click);
        if (distance <= chosenDistance) {
            chosen = DrawingSnap{position, kind};
            chosenDistance = distance;
        }
    };
    for (const DrawnPath& path : drawing.paths) {
        // The box around a path spares most paths the look at their points.
        if (path.points.empty() || DistanceToBox(path.Bounds(), click) > radius) {
            continue;
        }
        if (IsMarker(path, drawing.size)) {
            consider(best, bestDistance, MarkerCentre(path), DrawingSnapKind::Marker);
            continue;
        }
        for (const QPointF& point : path.points) {
            consider(best, bestDistance, point, DrawingSnapKind::Vertex);
        }
        if (best || !path.stroked) {
            continue;
        }
        for (std::size_t piece = 0; piece < path.PieceCount(); ++piece) {
            const std::size_t first = path.pieceStarts[piece];
            const std::size_t end = path.PieceEnd(piece);
            for (std::size_t at = first + 1; at < end; ++at) {
                consider(stroke, strokeDistance,
                         NearestOnSegment(path.points[at - 1], path.points[at], click),
                         DrawingSnapKind::Stroke);
            }
            if (path.closed && end - first > 2) {
                consider(stroke, strokeDistance,
                         NearestOnSegment(path.points[end - 1], path.points[first], click),
                         DrawingSnapKind::Stroke);
            }
        }
    }
    return best ? best : stroke;
}
