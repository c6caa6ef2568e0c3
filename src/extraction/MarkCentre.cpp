#include "extraction/MarkCentre.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace {

int ColourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The share of a pixel the mark covers, from 0 to 1.
double Coverage(QRgb pixel, QRgb background, double markDistance) {
    return markDistance <= 0
               ? 0
               : std::clamp(ColourDistance(pixel, background) / markDistance, 0.0, 1.0);
}

struct Disc {
    QPoint centre;
    QRect box;
    bool Contains(QPoint p) const {
        const int dx = p.x() - centre.x();
        const int dy = p.y() - centre.y();
        return dx * dx + dy * dy <= SnapRadius * SnapRadius;
    }
};

} // namespace

std::optional<SnapResult> SnapToMark(const QImage& picture, QPoint pixel, int tolerance) {
    if (!picture.rect().contains(pixel)) {
        return std::nullopt;
    }
    const QImage image =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const auto at = [&image](QPoint p) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(p.y()))[p.x()];
    };
    const Disc disc{pixel, QRect(pixel - QPoint(SnapRadius, SnapRadius),
                                 QSize(2 * SnapRadius + 1, 2 * SnapRadius + 1))
                               .intersected(image.rect())};
    const QRgb pointed = at(pixel);

    // The background: the commonest colour of the disc, counted in coarse steps so that the
    // noise of a scan does not split it, then averaged over its pixels.
    std::unordered_map<QRgb, int> counts;
    const auto coarse = [](QRgb rgb) {
        return rgb & 0xF0F0F0;
    };
    for (int y = disc.box.top(); y <= disc.box.bottom(); ++y) {
        for (int x = disc.box.left(); x <= disc.box.right(); ++x) {
            if (disc.Contains({x, y})) {
                ++counts[coarse(at({x, y}))];
            }
        }
    }
    const QRgb commonest =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    int red = 0;
    int green = 0;
    int blue = 0;
    int count = 0;
    for (int y = disc.box.top(); y <= disc.box.bottom(); ++y) {
        for (int x = disc.box.left(); x <= disc.box.right(); ++x) {
            if (disc.Contains({x, y}) && coarse(at({x, y})) == commonest) {
                red += qRed(at({x, y}));
                green += qGreen(at({x, y}));
                blue += qBlue(at({x, y}));
                ++count;
            }
        }
    }
    const QRgb background = qRgb(red / count, green / count, blue / count);
    // A pointed colour close to the background's is background itself.
    const int pointedMark = ColourDistance(pointed, background);
    if (pointedMark <= tolerance) {
        return std::nullopt;
    }

    // The region: connected pixels within the tolerance of the pointed colour.
    const int side = 2 * SnapRadius + 1;
    const auto indexOf = [&](QPoint p) {
        return (p.y() - pixel.y() + SnapRadius) * side + (p.x() - pixel.x() + SnapRadius);
    };
    std::vector<char> inRegion(static_cast<std::size_t>(side * side), 0);
    std::vector<QPoint> region{pixel};
    inRegion[static_cast<std::size_t>(indexOf(pixel))] = 1;
    bool reachesRadius = false;
    for (std::size_t next = 0; next < region.size(); ++next) {
        const QPoint p = region[next];
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            if (!disc.box.contains(q) || !disc.Contains(q)) {
                reachesRadius = true;
                continue;
            }
            char& seen = inRegion[static_cast<std::size_t>(indexOf(q))];
            // Within the tolerance of the pointed colour, or more of the mark than it is (the
            // core of a mark pointed at on its antialiased edge).
            if (seen == 0 && (ColourDistance(at(q), pointed) <= tolerance ||
                              ColourDistance(at(q), background) >= pointedMark)) {
                seen = 1;
                region.push_back(q);
            }
        }
    }
    // The region and the pixels next to it, each for the share the mark covers.
    double strongest = 0;
    for (const QPoint p : region) {
        strongest = std::max<double>(strongest, ColourDistance(at(p), background));
    }
    std::vector<char> counted(inRegion.size(), 0);
    struct Weighted {
        QPointF at;
        double weight;
    };
    std::vector<Weighted> pixels;
    for (const QPoint p : region) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (!disc.box.contains(q) || !disc.Contains(q)) {
                    continue;
                }
                char& done = counted[static_cast<std::size_t>(indexOf(q))];
                if (done == 0) {
                    done = 1;
                    const double weight = Coverage(at(q), background, strongest);
                    if (weight > 0) {
                        pixels.push_back({QPointF(q), weight});
                    }
                }
            }
        }
    }
    if (!reachesRadius) {
        double sum = 0;
        QPointF centre;
        for (const Weighted& p : pixels) {
            centre += p.at * p.weight;
            sum += p.weight;
        }
        if (sum <= 0) {
            return std::nullopt;
        }
        return SnapResult{centre / sum, false};
    }
    // A line: its pixels within a smaller circle round the pointer lie symmetric about the
    // foot of the perpendicular from the pointer, so their weighted mean is on the centre
    // line; their spread gives its direction.
    constexpr double Local = 7;
    double sum = 0;
    QPointF mean;
    for (const Weighted& p : pixels) {
        if (QLineF(p.at, QPointF(pixel)).length() <= Local) {
            mean += p.at * p.weight;
            sum += p.weight;
        }
    }
    if (sum <= 0) {
        return std::nullopt;
    }
    mean /= sum;
    double xx = 0;
    double xy = 0;
    double yy = 0;
    for (const Weighted& p : pixels) {
        if (QLineF(p.at, QPointF(pixel)).length() <= Local) {
            const QPointF d = p.at - mean;
            xx += p.weight * d.x() * d.x();
            xy += p.weight * d.x() * d.y();
            yy += p.weight * d.y() * d.y();
        }
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    const QPointF direction(std::cos(angle), std::sin(angle));
    const QPointF offset = QPointF(pixel) - mean;
    const double along = offset.x() * direction.x() + offset.y() * direction.y();
    return SnapResult{mean + direction * along, true};
}

std::vector<double> ColumnLineCentres(const QImage& picture, int column, int dataColor,
                                      int tolerance) {
    std::vector<double> centres;
    if (column < 0 || column >= picture.width()) {
        return centres;
    }
    const auto at = [&](int row) {
        return reinterpret_cast<const QRgb*>(picture.constScanLine(row))[column];
    };
    const QRgb data = qRgb(dataColor & 0xFF, (dataColor >> 8) & 0xFF, (dataColor >> 16) & 0xFF);
    const auto hit = [&](int row) {
        return ColourDistance(at(row), data) <= tolerance;
    };
    int row = picture.height() - 1;
    while (row >= 0) {
        if (!hit(row)) {
            --row;
            continue;
        }
        const int bottom = row;
        while (row >= 0 && hit(row)) {
            --row;
        }
        const int top = row + 1;
        // The background is what lies two pixels past the run (the first may be an edge).
        const int outside = bottom + 2 < picture.height() ? bottom + 2 : top - 2;
        const QRgb background = outside >= 0 ? at(outside) : qRgb(255, 255, 255);
        const double markDistance = ColourDistance(data, background);
        double sum = 0;
        double weighted = 0;
        for (int r = std::max(0, top - 1); r <= std::min(picture.height() - 1, bottom + 1); ++r) {
            const double weight = hit(r) ? std::max(Coverage(at(r), background, markDistance), 0.05)
                                         : Coverage(at(r), background, markDistance);
            weighted += weight * r;
            sum += weight;
        }
        centres.push_back(sum > 0 ? weighted / sum : (top + bottom) / 2.0);
    }
    return centres;
}
