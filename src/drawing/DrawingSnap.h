#pragma once

#include "drawing/VectorDrawing.h"

#include <optional>

enum class DrawingSnapKind {
    Vertex, // a corner of a path, the end of a tick, a point of a curve
    Marker, // the centre of a marker
    Stroke, // the nearest point of a stroked segment
};

struct DrawingSnap {
    QPointF position;
    DrawingSnapKind kind = DrawingSnapKind::Vertex;
};

// Where a click at a position goes on a drawing: to the nearest vertex or marker centre within
// the radius (in pixels); only when there is none, to the nearest point of a stroked segment
// within it. Nothing when the drawing has nothing that near.
std::optional<DrawingSnap> SnapToDrawing(const VectorDrawing& drawing, QPointF click,
                                         double radius);

// How far apart two positions are.
double DistanceBetween(QPointF a, QPointF b);
// How far a position lies from a box (0 inside it).
double DistanceToBox(const QRectF& box, QPointF position);
// The point of the segment from a to b nearest to a position.
QPointF NearestOnSegment(QPointF a, QPointF b, QPointF position);
