#include "drawing/VectorDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

QRectF BoxAround(const QPointF* points, std::size_t count) {
    if (count == 0) {
        return {};
    }
    double left = points[0].x();
    double right = left;
    double top = points[0].y();
    double bottom = top;
    for (std::size_t at = 1; at < count; ++at) {
        left = std::min(left, points[at].x());
        right = std::max(right, points[at].x());
        top = std::min(top, points[at].y());
        bottom = std::max(bottom, points[at].y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

} // namespace

QRectF DrawnPath::Bounds() const {
    return BoxAround(points.data(), points.size());
}

bool DrawnPath::InsideClip(QPointF point) const {
    // A vertex on the clip's edge (a line ending on the axes) belongs to the plot; a hair of
    // rounding in the page's transforms must not throw it out.
    constexpr double Slack = 1e-6;
    return clip.isEmpty() ||
           (point.x() >= clip.left() - Slack && point.x() <= clip.right() + Slack &&
            point.y() >= clip.top() - Slack && point.y() <= clip.bottom() + Slack);
}

std::size_t DrawnPath::PieceEnd(std::size_t piece) const {
    return piece + 1 < pieceStarts.size() ? pieceStarts[piece + 1] : points.size();
}

std::size_t VectorDrawing::PointCount() const {
    std::size_t count = 0;
    for (const DrawnPath& path : paths) {
        count += path.points.size();
    }
    return count;
}

std::size_t VectorDrawing::ApproximateBytes() const {
    std::size_t bytes =
        sizeof(VectorDrawing) + paths.size() * sizeof(DrawnPath) + texts.size() * sizeof(DrawnText);
    for (const DrawnPath& path : paths) {
        bytes +=
            path.points.size() * sizeof(QPointF) + path.pieceStarts.size() * sizeof(std::uint32_t);
    }
    for (const DrawnText& text : texts) {
        bytes += static_cast<std::size_t>(text.text.size()) * sizeof(QChar);
    }
    return bytes;
}

bool SameStyle(const DrawnPath& one, const DrawnPath& other) {
    return one.stroked == other.stroked && one.filled == other.filled &&
           (!one.stroked ||
            (one.strokeColor == other.strokeColor && one.strokeWidth == other.strokeWidth &&
             one.dashKey == other.dashKey)) &&
           (!one.filled || one.fillColor == other.fillColor);
}

bool IsMarker(const DrawnPath& path, QSizeF pageSize) {
    constexpr double MarkerShare = 1.0 / 30;
    if ((!path.closed && !path.filled) || path.points.empty()) {
        return false;
    }
    const QRectF bounds = path.Bounds();
    return std::max(bounds.width(), bounds.height()) <=
           MarkerShare * std::max(pageSize.width(), pageSize.height());
}

QPointF MarkerCentre(const DrawnPath& path) {
    return path.Bounds().center();
}

VectorDrawing TurnedDrawing(const VectorDrawing& drawing, QSize source, QSize turned,
                            double radians) {
    const QPointF from(source.width() / 2, source.height() / 2);
    const QPointF to(turned.width() / 2, turned.height() / 2);
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    // The turn takes each turned pixel from the source pixel at its offset turned by the angle;
    // a point of the drawing goes the other way.
    const auto turn = [&](QPointF point) {
        const QPointF offset = point - from;
        return to + QPointF(cosine * offset.x() + sine * offset.y(),
                            -sine * offset.x() + cosine * offset.y());
    };
    const auto turnBox = [&](const QRectF& box) {
        if (box.isEmpty()) {
            return box;
        }
        const QPointF corners[] = {turn(box.topLeft()), turn(box.topRight()),
                                   turn(box.bottomLeft()), turn(box.bottomRight())};
        return BoxAround(corners, 4);
    };
    VectorDrawing result = drawing;
    result.size = QSizeF(turned);
    for (DrawnPath& path : result.paths) {
        for (QPointF& point : path.points) {
            point = turn(point);
        }
        path.clip = turnBox(path.clip);
    }
    for (DrawnText& text : result.texts) {
        text.box = turnBox(text.box);
    }
    return result;
}
