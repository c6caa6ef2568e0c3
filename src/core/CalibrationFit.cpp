#include "core/CalibrationFit.h"

#include "core/Calibration.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Matrix9 = std::array<std::array<double, 9>, 9>;

// Two points closer than this, in pixels, are one pixel.
constexpr double SamePixel = 0.5;

QString PointList(const std::vector<int>& numbers) {
    QStringList names;
    for (const int number : numbers) {
        names << QString::number(number);
    }
    if (names.size() == 1) {
        return QStringLiteral("Point ") + names.front();
    }
    const QString last = names.takeLast();
    return QStringLiteral("Points ") + names.join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           last;
}

// Whether every point lies within a pixel of the line through the two furthest apart.
bool OnOneLine(const std::vector<QPointF>& pixels) {
    std::size_t a = 0, b = 0;
    double longest = -1;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        for (std::size_t j = i + 1; j < pixels.size(); ++j) {
            const QPointF d = pixels[j] - pixels[i];
            const double length = std::hypot(d.x(), d.y());
            if (length > longest) {
                longest = length;
                a = i;
                b = j;
            }
        }
    }
    const QPointF direction = (pixels[b] - pixels[a]) / longest;
    return std::all_of(pixels.begin(), pixels.end(), [&](QPointF p) {
        const QPointF d = p - pixels[a];
        return std::abs(d.x() * direction.y() - d.y() * direction.x()) < SamePixel;
    });
}

std::optional<QTransform> AffineFit(const std::vector<QPointF>& pixels,
                                    const std::vector<QPointF>& values) {
    const double n = static_cast<double>(pixels.size());
    QPointF meanPixel, meanValue;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        meanPixel += pixels[i] / n;
        meanValue += values[i] / n;
    }
    // Normal equations about the means, which keeps them well conditioned far from the origin.
    double sxx = 0, sxy = 0, syy = 0, sxu = 0, syu = 0, sxv = 0, syv = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPointF p = pixels[i] - meanPixel;
        const QPointF v = values[i] - meanValue;
        sxx += p.x() * p.x();
        sxy += p.x() * p.y();
        syy += p.y() * p.y();
        sxu += p.x() * v.x();
        syu += p.y() * v.x();
        sxv += p.x() * v.y();
        syv += p.y() * v.y();
    }
    const double det = sxx * syy - sxy * sxy;
    if (!(std::abs(det) > 1e-12 * (sxx * syy))) {
        return std::nullopt;
    }
    const double a = (sxu * syy - syu * sxy) / det;
    const double b = (syu * sxx - sxu * sxy) / det;
    const double d = (sxv * syy - syv * sxy) / det;
    const double e = (syv * sxx - sxv * sxy) / det;
    const double c = meanValue.x() - a * meanPixel.x() - b * meanPixel.y();
    const double f = meanValue.y() - d * meanPixel.x() - e * meanPixel.y();
    return QTransform(a, d, 0, b, e, 0, c, f, 1);
}

// Moves points to their centre and scales them to an average distance of sqrt(2), as a
// projective fit needs to be well conditioned.
QTransform Normalizing(const std::vector<QPointF>& points) {
    QPointF mean;
    for (const QPointF& p : points) {
        mean += p / static_cast<double>(points.size());
    }
    double distance = 0;
    for (const QPointF& p : points) {
        distance += std::hypot(p.x() - mean.x(), p.y() - mean.y()) / points.size();
    }
    const double scale = distance > 0 ? std::sqrt(2.0) / distance : 1.0;
    return QTransform(scale, 0, 0, scale, -scale * mean.x(), -scale * mean.y());
}

// The eigenvector of the smallest eigenvalue of a symmetric matrix (Jacobi rotations).
std::array<double, 9> SmallestEigenvector(Matrix9 a) {
    Matrix9 v{};
    for (int i = 0; i < 9; ++i) {
        v[i][i] = 1;
    }
    for (int sweep = 0; sweep < 100; ++sweep) {
        double off = 0;
        for (int p = 0; p < 9; ++p) {
            for (int q = p + 1; q < 9; ++q) {
                off += a[p][q] * a[p][q];
            }
        }
        if (off < 1e-30) {
            break;
        }
        for (int p = 0; p < 9; ++p) {
            for (int q = p + 1; q < 9; ++q) {
                if (a[p][q] == 0) {
                    continue;
                }
                const double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
                const double t =
                    (theta >= 0 ? 1.0 : -1.0) / (std::abs(theta) + std::sqrt(theta * theta + 1));
                const double c = 1 / std::sqrt(t * t + 1);
                const double s = t * c;
                for (int k = 0; k < 9; ++k) {
                    const double akp = a[k][p];
                    const double akq = a[k][q];
                    a[k][p] = c * akp - s * akq;
                    a[k][q] = s * akp + c * akq;
                }
                for (int k = 0; k < 9; ++k) {
                    const double apk = a[p][k];
                    const double aqk = a[q][k];
                    a[p][k] = c * apk - s * aqk;
                    a[q][k] = s * apk + c * aqk;
                }
                for (int k = 0; k < 9; ++k) {
                    const double vkp = v[k][p];
                    const double vkq = v[k][q];
                    v[k][p] = c * vkp - s * vkq;
                    v[k][q] = s * vkp + c * vkq;
                }
            }
        }
    }
    int smallest = 0;
    for (int i = 1; i < 9; ++i) {
        if (a[i][i] < a[smallest][smallest]) {
            smallest = i;
        }
    }
    std::array<double, 9> h{};
    for (int k = 0; k < 9; ++k) {
        h[k] = v[k][smallest];
    }
    return h;
}

std::optional<QTransform> ProjectiveFit(const std::vector<QPointF>& pixels,
                                        const std::vector<QPointF>& values) {
    const QTransform fromPixels = Normalizing(pixels);
    const QTransform fromValues = Normalizing(values);
    Matrix9 normal{};
    const auto addRow = [&normal](const std::array<double, 9>& row) {
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                normal[i][j] += row[i] * row[j];
            }
        }
    };
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPointF p = fromPixels.map(pixels[i]);
        const QPointF v = fromValues.map(values[i]);
        addRow({p.x(), p.y(), 1, 0, 0, 0, -v.x() * p.x(), -v.x() * p.y(), -v.x()});
        addRow({0, 0, 0, p.x(), p.y(), 1, -v.y() * p.x(), -v.y() * p.y(), -v.y()});
    }
    const std::array<double, 9> h = SmallestEigenvector(normal);
    // Row-vector form: (u, v, w) = (x, y, 1) * H, with H's columns the rows solved for.
    const QTransform normalized(h[0], h[3], h[6], h[1], h[4], h[7], h[2], h[5], h[8]);
    bool invertible = false;
    const QTransform toValues = fromValues.inverted(&invertible);
    if (!invertible) {
        return std::nullopt;
    }
    QTransform map = fromPixels * normalized * toValues;
    if (std::abs(map.m33()) < 1e-300 || !map.isInvertible()) {
        return std::nullopt;
    }
    const double scale = map.m33();
    map = QTransform(map.m11() / scale, map.m12() / scale, map.m13() / scale, map.m21() / scale,
                     map.m22() / scale, map.m23() / scale, map.m31() / scale, map.m32() / scale, 1);
    return map;
}

std::optional<CalibrationFit> WithResiduals(const QTransform& map, FitKind kind,
                                            const std::vector<QPointF>& pixels,
                                            const std::vector<QPointF>& values) {
    bool invertible = false;
    const QTransform back = map.inverted(&invertible);
    if (!invertible) {
        return std::nullopt;
    }
    CalibrationFit fit{map, kind, {}};
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPointF landed = back.map(values[i]);
        const double residual = std::hypot(landed.x() - pixels[i].x(), landed.y() - pixels[i].y());
        if (!std::isfinite(residual)) {
            return std::nullopt;
        }
        fit.residuals.push_back(residual);
    }
    return fit;
}

} // namespace

double CalibrationFit::WorstResidual() const {
    return residuals.empty() ? 0 : *std::max_element(residuals.begin(), residuals.end());
}

FitOutcome FitReferencePoints(const std::vector<ReferencePoint>& points, bool xLog, bool yLog,
                              FitChoice choice) {
    if (points.size() < 3) {
        return {std::nullopt, QStringLiteral("At least three reference points are needed.")};
    }
    std::vector<QPointF> pixels;
    std::vector<QPointF> values;
    std::vector<int> notPositive;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ReferencePoint& point = points[i];
        if ((xLog && !(point.x > 0)) || (yLog && !(point.y > 0))) {
            notPositive.push_back(static_cast<int>(i) + 1);
        }
        pixels.push_back(point.pixel);
        values.emplace_back(ToPictureX(point.x, xLog), ToPictureY(point.y, yLog));
    }
    if (!notPositive.empty()) {
        return {std::nullopt, PointList(notPositive) +
                                  QStringLiteral(": zero or negative values cannot be used in a "
                                                 "Log Axis.")};
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const QPointF d = pixels[j] - pixels[i];
            if (std::hypot(d.x(), d.y()) < SamePixel) {
                return {std::nullopt,
                        PointList({static_cast<int>(i) + 1, static_cast<int>(j) + 1}) +
                            QStringLiteral(" are on the same pixel.")};
            }
        }
    }
    std::vector<int> all;
    for (std::size_t i = 0; i < points.size(); ++i) {
        all.push_back(static_cast<int>(i) + 1);
    }
    if (OnOneLine(pixels)) {
        return {std::nullopt, PointList(all) + QStringLiteral(" lie on one line.")};
    }
    const std::optional<QTransform> affine = AffineFit(pixels, values);
    std::optional<CalibrationFit> fit;
    if (affine) {
        fit = WithResiduals(*affine, FitKind::Affine, pixels, values);
    }
    if (!fit) {
        return {std::nullopt,
                PointList(all) + QStringLiteral(" do not span both axes: their X values or "
                                                "their Y values are all alike.")};
    }
    if (points.size() >= 4 && choice != FitChoice::Affine) {
        std::optional<CalibrationFit> projective;
        if (const std::optional<QTransform> map = ProjectiveFit(pixels, values)) {
            projective = WithResiduals(*map, FitKind::Projective, pixels, values);
        }
        // Four points fit a projective map exactly, whatever their values: taken of itself
        // only from five, where its residuals can still show a mistyped value.
        const bool better = points.size() >= 5 && projective &&
                            projective->WorstResidual() < CloseResidual &&
                            fit->WorstResidual() > SuspectResidual;
        if (projective && (choice == FitChoice::Projective || better)) {
            fit = projective;
        }
    }
    return {fit, {}};
}

std::optional<int> LikelyMistyped(const std::vector<ReferencePoint>& points, bool xLog, bool yLog,
                                  FitChoice choice) {
    if (points.size() < 5) {
        return std::nullopt;
    }
    std::optional<int> likely;
    double furthest = SuspectResidual;
    for (std::size_t left = 0; left < points.size(); ++left) {
        std::vector<ReferencePoint> others = points;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(left));
        const FitOutcome outcome = FitReferencePoints(others, xLog, yLog, choice);
        if (!outcome.fit) {
            continue;
        }
        bool invertible = false;
        const QTransform back = outcome.fit->pixelToValue.inverted(&invertible);
        const ReferencePoint& point = points[left];
        const QPointF landed =
            back.map(QPointF(ToPictureX(point.x, xLog), ToPictureY(point.y, yLog)));
        const double distance =
            std::hypot(landed.x() - point.pixel.x(), landed.y() - point.pixel.y());
        if (invertible && distance > furthest) {
            furthest = distance;
            likely = static_cast<int>(left);
        }
    }
    return likely;
}
