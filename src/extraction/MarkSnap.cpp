// Snapping a click to the mark under it: a marker, a line, or the crossing of two lines.
//
// Every pixel near the click is seen as a mix of the background B and the pointed mark's
// colour M: pixel = B + a (M - B) + r. The share a (0 to 1) is how much of the pixel the mark
// covers; r, what the mix does not explain, tells another colour (a black grid line under a red
// marker) from the mark's own antialiased edge. The mark is the connected region of pixels of
// its colour round the click. A region within the search circle is a mark: its weighted centre.
// A region that leaves the circle holds lines: each is fitted from its arms, the pieces of the
// region in a ring near the circle, where nothing but lines can be. Two lines give their
// crossing (a corner, a tick on an axis); one line gives the point of its centre line nearest to
// the click, unless more of the region lies off the line than its width explains (a marker or a
// tick on it), which is then taken instead: its centre, or where its own centre line crosses
// the line.

#include "extraction/MarkCentre.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <unordered_map>

namespace {

constexpr int Side = 2 * SnapRadius + 1;
// What a mix of the background and the mark may leave unexplained (channel differences summed)
// and still be only those two: the rounding of an antialiased edge.
constexpr double MixSlack = 24;
// The most of a pixel of the mark that another colour may explain, relative to the mark's part.
constexpr double MostForeign = 0.35;
// The ring where lines are fitted: beyond what a marker under a click reaches.
constexpr double RingInner = 9.5;
// An arm whose pixels spread less than this along it (twice their deviation: about four
// pixels of line) is a stub, not a line.
constexpr double LeastArmLength = 2.4;

int ColourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// A pixel as a mix of the background and the mark's colour.
class ColourMix {
public:
    ColourMix(QRgb background, QRgb mark) : m_background(background) {
        m_direction = {static_cast<double>(qRed(mark) - qRed(background)),
                       static_cast<double>(qGreen(mark) - qGreen(background)),
                       static_cast<double>(qBlue(mark) - qBlue(background))};
        m_length2 = m_direction[0] * m_direction[0] + m_direction[1] * m_direction[1] +
                    m_direction[2] * m_direction[2];
    }
    // Where the mark's antialiased edge lies over another colour (a line it touches), its
    // pixels mix three colours; the third one makes the share of the mark in them exact.
    void SetOtherColour(QRgb other) {
        m_other = {static_cast<double>(qRed(other) - qRed(m_background)),
                   static_cast<double>(qGreen(other) - qGreen(m_background)),
                   static_cast<double>(qBlue(other) - qBlue(m_background))};
        m_hasOther = true;
    }
    // The share of the mark in a pixel that mixes the mark, the other colour and the
    // background, when the three explain it within `slack`.
    std::optional<double> ShareBesideOther(QRgb pixel, double slack) const {
        if (!m_hasOther) {
            return std::nullopt;
        }
        const std::array<double, 3> d{static_cast<double>(qRed(pixel) - qRed(m_background)),
                                      static_cast<double>(qGreen(pixel) - qGreen(m_background)),
                                      static_cast<double>(qBlue(pixel) - qBlue(m_background))};
        // Least squares for d = a M + b O, M and O taken from the background.
        double mm = 0;
        double mo = 0;
        double oo = 0;
        double dm = 0;
        double dO = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            mm += m_direction[c] * m_direction[c];
            mo += m_direction[c] * m_other[c];
            oo += m_other[c] * m_other[c];
            dm += d[c] * m_direction[c];
            dO += d[c] * m_other[c];
        }
        const double determinant = mm * oo - mo * mo;
        if (std::abs(determinant) < 1e-6 * mm * oo) {
            return std::nullopt;
        }
        const double a = (dm * oo - dO * mo) / determinant;
        const double b = (dO * mm - dm * mo) / determinant;
        double rest = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            rest += std::abs(d[c] - a * m_direction[c] - b * m_other[c]);
        }
        if (a < -0.05 || b < -0.05 || rest > slack) {
            return std::nullopt;
        }
        return std::clamp(a, 0.0, 1.0);
    }

    // The mark's colour as `share` times as far from the background: the full colour of a mark
    // first seen at a pixel it only partly covers.
    void Stretch(double share) {
        for (double& channel : m_direction) {
            channel *= share;
        }
        m_length2 *= share * share;
    }

    // How far the mark's colour lies from the background's, summed over the channels.
    double Span() const {
        return std::abs(m_direction[0]) + std::abs(m_direction[1]) + std::abs(m_direction[2]);
    }

    // The share of the mark in the pixel (may leave 0..1) and what the mix leaves unexplained,
    // summed over the channels like the tolerance.
    std::pair<double, double> Of(QRgb pixel) const {
        const std::array<double, 3> d{static_cast<double>(qRed(pixel) - qRed(m_background)),
                                      static_cast<double>(qGreen(pixel) - qGreen(m_background)),
                                      static_cast<double>(qBlue(pixel) - qBlue(m_background))};
        if (m_length2 <= 0) {
            return {0, std::abs(d[0]) + std::abs(d[1]) + std::abs(d[2])};
        }
        const double share =
            (d[0] * m_direction[0] + d[1] * m_direction[1] + d[2] * m_direction[2]) / m_length2;
        double rest = 0;
        for (int c = 0; c < 3; ++c) {
            rest += std::abs(d[static_cast<std::size_t>(c)] -
                             share * m_direction[static_cast<std::size_t>(c)]);
        }
        return {share, rest};
    }

private:
    QRgb m_background;
    std::array<double, 3> m_direction{};
    std::array<double, 3> m_other{};
    bool m_hasOther = false;
    double m_length2 = 0;
};

struct Weighted {
    QPointF at;
    double weight;
};

// The weighted mean and principal direction of some pixels, and their spread along and
// across that direction.
struct Fit {
    QPointF mean;
    QPointF direction{1, 0};
    double mass = 0;
    double along = 0;  // standard deviation along the direction
    double across = 0; // and across it

    QPointF Nearest(QPointF p) const {
        const QPointF d = p - mean;
        return mean + direction * (d.x() * direction.x() + d.y() * direction.y());
    }
    double Distance(QPointF p) const {
        const QPointF d = p - mean;
        return std::abs(d.x() * direction.y() - d.y() * direction.x());
    }
};

Fit FitOf(const std::vector<Weighted>& pixels) {
    Fit fit;
    for (const Weighted& p : pixels) {
        fit.mean += p.at * p.weight;
        fit.mass += p.weight;
    }
    if (fit.mass <= 0) {
        return fit;
    }
    fit.mean /= fit.mass;
    double xx = 0;
    double xy = 0;
    double yy = 0;
    for (const Weighted& p : pixels) {
        const QPointF d = p.at - fit.mean;
        xx += p.weight * d.x() * d.x();
        xy += p.weight * d.x() * d.y();
        yy += p.weight * d.y() * d.y();
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    fit.direction = QPointF(std::cos(angle), std::sin(angle));
    const double c = fit.direction.x();
    const double s = fit.direction.y();
    fit.along = std::sqrt(std::max(0.0, (c * c * xx + 2 * c * s * xy + s * s * yy) / fit.mass));
    fit.across = std::sqrt(std::max(0.0, (s * s * xx - 2 * c * s * xy + c * c * yy) / fit.mass));
    return fit;
}

// Where two lines cross; nothing for lines nearly parallel.
std::optional<QPointF> Crossing(const Fit& a, const Fit& b) {
    const double cross = a.direction.x() * b.direction.y() - a.direction.y() * b.direction.x();
    if (std::abs(cross) < std::sin(20 * M_PI / 180)) {
        return std::nullopt;
    }
    const QPointF d = b.mean - a.mean;
    const double t = (d.x() * b.direction.y() - d.y() * b.direction.x()) / cross;
    return a.mean + a.direction * t;
}

// Pixels spread as a stroke: a tick of a few pixels at least, twice as long as wide (a
// marker cut by a line through it spreads about one and a half times).
bool Elongated(const Fit& fit) {
    return fit.along > 2 * std::max(fit.across, 0.3) && fit.along > 1;
}

// The pixels of the search circle round the click, with the background and the mark's colour.
class Neighbourhood {
public:
    Neighbourhood(const QImage& image, QPoint click) : m_image(image), m_click(click) {}

    bool Inside(QPoint p) const {
        const QPoint d = p - m_click;
        return m_image.rect().contains(p) &&
               d.x() * d.x() + d.y() * d.y() <= SnapRadius * SnapRadius;
    }
    // Beyond the circle but on the picture: where a region that reaches it goes on.
    bool PastTheCircle(QPoint p) const {
        const QPoint d = p - m_click;
        return m_image.rect().contains(p) &&
               d.x() * d.x() + d.y() * d.y() > SnapRadius * SnapRadius;
    }
    QRgb At(QPoint p) const {
        return reinterpret_cast<const QRgb*>(m_image.constScanLine(p.y()))[p.x()];
    }
    std::size_t Index(QPoint p) const {
        return static_cast<std::size_t>((p.y() - m_click.y() + SnapRadius) * Side +
                                        (p.x() - m_click.x() + SnapRadius));
    }
    double Distance(QPointF p) const { return QLineF(p, QPointF(m_click)).length(); }

    // The commonest colour of the circle, counted in coarse steps so that the noise of a scan
    // does not split it, then averaged over its pixels.
    QRgb Background() const {
        std::unordered_map<QRgb, int> counts;
        ForEach([&](QPoint p) { ++counts[Coarse(At(p))]; });
        return AverageOfCommonest(counts);
    }

    // Colours counted in coarse steps, so that the noise of a scan does not split one.
    static QRgb Coarse(QRgb rgb) { return rgb & 0xF0F0F0; }

    // The mean colour of the circle's pixels of the commonest of the coarse colours counted.
    QRgb AverageOfCommonest(const std::unordered_map<QRgb, int>& counts) const {
        const QRgb commonest =
            std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                return a.second < b.second;
            })->first;
        int red = 0;
        int green = 0;
        int blue = 0;
        int count = 0;
        ForEach([&](QPoint p) {
            if (Coarse(At(p)) == commonest) {
                red += qRed(At(p));
                green += qGreen(At(p));
                blue += qBlue(At(p));
                ++count;
            }
        });
        return qRgb(red / count, green / count, blue / count);
    }

    // The mark's full colour: the pixel near the click of the pointed colour's kind that is
    // furthest from the background (the core of a mark pointed at on its edge).
    QRgb MarkColour(QRgb background, int tolerance) const {
        QRgb mark = At(m_click);
        for (int round = 0; round < 2; ++round) {
            const ColourMix mix(background, mark);
            QRgb best = mark;
            double bestShare = 1;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const QPoint p = m_click + QPoint(dx, dy);
                    if (!Inside(p)) {
                        continue;
                    }
                    const auto [share, rest] = mix.Of(At(p));
                    if (share > bestShare && rest <= tolerance / 2.0) {
                        best = At(p);
                        bestShare = share;
                    }
                }
            }
            mark = best;
        }
        return mark;
    }

    template <typename Visit> void ForEach(Visit visit) const {
        for (int dy = -SnapRadius; dy <= SnapRadius; ++dy) {
            for (int dx = -SnapRadius; dx <= SnapRadius; ++dx) {
                const QPoint p = m_click + QPoint(dx, dy);
                if (Inside(p)) {
                    visit(p);
                }
            }
        }
    }

private:
    const QImage& m_image;
    QPoint m_click;
};

// The arms of a region: its pieces in the ring, each fitted as a line.
std::vector<Fit> Arms(const Neighbourhood& around, const std::vector<Weighted>& pixels) {
    std::vector<Weighted> ring;
    for (const Weighted& p : pixels) {
        if (around.Distance(p.at) >= RingInner) {
            ring.push_back(p);
        }
    }
    // Pieces connected through neighbouring pixels (diagonals too).
    std::vector<int> piece(ring.size(), -1);
    int pieces = 0;
    for (std::size_t seed = 0; seed < ring.size(); ++seed) {
        if (piece[seed] >= 0) {
            continue;
        }
        piece[seed] = pieces;
        std::vector<std::size_t> open{seed};
        while (!open.empty()) {
            const std::size_t at = open.back();
            open.pop_back();
            for (std::size_t other = 0; other < ring.size(); ++other) {
                if (piece[other] < 0 && std::abs(ring[other].at.x() - ring[at].at.x()) <= 1 &&
                    std::abs(ring[other].at.y() - ring[at].at.y()) <= 1) {
                    piece[other] = pieces;
                    open.push_back(other);
                }
            }
        }
        ++pieces;
    }
    std::vector<Fit> arms;
    for (int which = 0; which < pieces; ++which) {
        std::vector<Weighted> arm;
        for (std::size_t at = 0; at < ring.size(); ++at) {
            if (piece[at] == which) {
                arm.push_back(ring[at]);
            }
        }
        const Fit fit = FitOf(arm);
        if (fit.mass > 1 && 2 * fit.along >= LeastArmLength) {
            arms.push_back(fit);
        }
    }
    return arms;
}

// Whether two directions are within an angle of each other (either way along them).
bool Parallel(QPointF a, QPointF b, double degrees) {
    const double cross = a.x() * b.y() - a.y() * b.x();
    const double lengths = std::hypot(a.x(), a.y()) * std::hypot(b.x(), b.y());
    return lengths > 0 && std::abs(cross) <= std::sin(degrees * M_PI / 180) * lengths;
}

// A line fitted slice by slice: the weighted centre across it of each whole pixel column (of a
// line nearer horizontal; rows for one nearer vertical) near the guide, then the straight line
// through those centres. Whole slices keep the ends of the stretch from cutting pixels off one
// side of the line only, which would tilt it. The slices taken lie, along the guide, between the
// ring's inner edge and the circle on both sides of the click (one side for a line ending).
std::optional<Fit> SliceFit(const Fit& guide, const std::vector<Weighted>& pixels, QPointF click,
                            bool bothSides, QPointF armSide) {
    const bool horizontal = std::abs(guide.direction.x()) >= std::abs(guide.direction.y());
    const auto along = [&](QPointF p) {
        return horizontal ? p.x() : p.y();
    };
    const auto across = [&](QPointF p) {
        return horizontal ? p.y() : p.x();
    };
    const QPointF foot = guide.Nearest(click);
    // Along the guide per unit of the slice coordinate.
    const double scale =
        1 / std::max(std::abs(horizontal ? guide.direction.x() : guide.direction.y()), 1e-9);
    const double side = along(armSide) * along(guide.direction);
    // Each slice's pixels across the line: where they are and how much of each the line covers.
    std::map<int, std::map<int, double>> slices;
    std::vector<Weighted> band;
    for (const Weighted& p : pixels) {
        const double distance =
            (along(p.at) - along(foot)) * scale * (along(guide.direction) < 0 ? -1 : 1);
        const bool sameSide = distance * side > 0;
        if (guide.Distance(p.at) > 3 || std::abs(distance) < RingInner ||
            std::abs(distance) > SnapRadius - 1 || !(bothSides || sameSide)) {
            continue;
        }
        band.push_back(p);
        slices[static_cast<int>(std::lround(along(p.at)))]
              [static_cast<int>(std::lround(across(p.at)))] += p.weight;
    }
    // Weighted least squares of across = c + m along over the slices.
    double s = 0;
    double sa = 0;
    double sc = 0;
    double saa = 0;
    double sac = 0;
    for (const auto& [position, cut] : slices) {
        // The line covers one stretch of the slice: it begins in the first pixel it covers, as
        // far before that pixel's far side as it covers of it, and ends likewise in the last.
        // Their middle is its centre; the pixels' weighted mean would be off by up to a tenth
        // of a pixel for a line whose width is no whole number of pixels.
        double mass = 0;
        std::optional<std::pair<int, double>> first;
        std::pair<int, double> last;
        for (const auto& [at, cover] : cut) {
            mass += cover;
            if (cover >= 0.02) {
                if (!first) {
                    first = std::pair{at, std::min(cover, 1.0)};
                }
                last = {at, std::min(cover, 1.0)};
            }
        }
        if (!first || mass <= 0) {
            continue;
        }
        const double centre = (first->first + last.first) / 2.0 + (last.second - first->second) / 2;
        s += mass;
        sa += mass * position;
        sc += mass * centre;
        saa += mass * position * position;
        sac += mass * position * centre;
    }
    const double spread = s * saa - sa * sa;
    if (s <= 0 || spread <= 1e-9 * s * s) {
        return std::nullopt;
    }
    const double slope = (s * sac - sa * sc) / spread;
    const double meanAlong = sa / s;
    const double meanAcross = sc / s;
    Fit fit;
    fit.mass = s;
    fit.mean = horizontal ? QPointF(meanAlong, meanAcross) : QPointF(meanAcross, meanAlong);
    const QPointF direction = horizontal ? QPointF(1, slope) : QPointF(slope, 1);
    fit.direction = direction / std::hypot(direction.x(), direction.y());
    // The line's width from the spread of the stretch's pixels across it.
    double spreadAcross = 0;
    double mass = 0;
    for (const Weighted& p : band) {
        spreadAcross += p.weight * fit.Distance(p.at) * fit.Distance(p.at);
        mass += p.weight;
    }
    fit.across = mass > 0 ? std::sqrt(spreadAcross / mass) : 0;
    return fit;
}

// Arms that continue each other make one line. Each line is fitted again from the pixels near
// its guide that lie, along it, between the ring's inner edge and the circle: a band of the
// same length on each side of the click, where neither a marker in the middle nor the circle's
// round edge weighs on one side more than on the other.
std::vector<Fit> Lines(const std::vector<Fit>& arms, const std::vector<Weighted>& pixels,
                       QPointF click) {
    std::vector<bool> used(arms.size(), false);
    std::vector<Fit> lines;
    for (std::size_t a = 0; a < arms.size(); ++a) {
        if (used[a]) {
            continue;
        }
        used[a] = true;
        Fit guide = arms[a];
        bool bothSides = false;
        for (std::size_t b = a + 1; b < arms.size() && !bothSides; ++b) {
            const QPointF joining = arms[b].mean - arms[a].mean;
            if (!used[b] && Parallel(joining, arms[a].direction, 15) &&
                Parallel(joining, arms[b].direction, 15)) {
                used[b] = true;
                bothSides = true;
                guide.mean = (arms[a].mean + arms[b].mean) / 2;
                guide.direction = joining / std::hypot(joining.x(), joining.y());
                guide.mass += arms[b].mass;
            }
        }
        // The side of the click the arm lies on, for a line that ends inside the circle.
        const QPointF armSide = arms[a].mean - guide.Nearest(click);
        for (int round = 0; round < 2; ++round) {
            const std::optional<Fit> fit = SliceFit(guide, pixels, click, bothSides, armSide);
            if (!fit) {
                break;
            }
            const double mass = guide.mass;
            guide = *fit;
            guide.mass = mass;
        }
        lines.push_back(guide);
    }
    std::sort(lines.begin(), lines.end(),
              [](const Fit& a, const Fit& b) { return a.mass > b.mass; });
    return lines;
}

} // namespace

std::optional<SnapResult> SnapToMark(const QImage& picture, QPoint pixel, int tolerance) {
    if (!picture.rect().contains(pixel)) {
        return std::nullopt;
    }
    const QImage image =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const Neighbourhood around(image, pixel);
    const QRgb background = around.Background();
    const QRgb pointed = around.At(pixel);
    if (ColourDistance(pointed, background) <= tolerance) {
        return std::nullopt;
    }
    ColourMix mix(background, around.MarkColour(background, tolerance));
    // A pixel of the mark's kind: at least `least` of it the mark's colour, and more of it that
    // than anything else (a grey line's edge is no half of a red marker, though within the
    // tolerance of one).
    const auto ofTheMark = [&](QPoint p, double least) {
        const auto [share, rest] = mix.Of(around.At(p));
        return share >= least && rest <= tolerance && rest <= MostForeign * share * mix.Span();
    };
    const double pointedShare = std::clamp(mix.Of(pointed).first, 0.0, 1.0);

    // The region: connected pixels of the mark's colour, at least as much of the mark as the
    // pointed one or half of it.
    const double least = std::min(0.5, pointedShare);
    std::vector<char> inRegion(static_cast<std::size_t>(Side * Side), 0);
    std::vector<QPoint> region{pixel};
    inRegion[around.Index(pixel)] = 1;
    bool leavesTheCircle = false;
    for (std::size_t next = 0; next < region.size(); ++next) {
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = region[next] + step;
            if (!around.Inside(q)) {
                leavesTheCircle |= around.PastTheCircle(q) && ofTheMark(q, least);
                continue;
            }
            char& seen = inRegion[around.Index(q)];
            if (seen == 0 && ofTheMark(q, least)) {
                seen = 1;
                region.push_back(q);
            }
        }
    }
    // A mark pointed at where it is thin (a tick of one pixel straddling two) shows its full
    // colour further on, where it is thick: the shares are taken from there.
    double strongest = 1;
    for (const QPoint p : region) {
        strongest = std::max(strongest, mix.Of(around.At(p)).first);
    }
    mix.Stretch(strongest);
    // Another colour the region touches (a line under or beside a marker): the commonest of the
    // pixels next to it that are neither the mark's nor the background's.
    {
        std::unordered_map<QRgb, int> others;
        for (const QPoint p : region) {
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + step;
                if (around.Inside(q) && inRegion[around.Index(q)] == 0 &&
                    mix.Of(around.At(q)).second > tolerance &&
                    ColourDistance(around.At(q), background) > tolerance) {
                    ++others[Neighbourhood::Coarse(around.At(q))];
                }
            }
        }
        if (!others.empty()) {
            mix.SetOtherColour(around.AverageOfCommonest(others));
        }
    }
    // The region and the pixels next to it, each for the share of it the mark covers.
    std::vector<char> counted(inRegion.size(), 0);
    std::vector<Weighted> pixels;
    for (const QPoint p : region) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (!around.Inside(q)) {
                    continue;
                }
                char& done = counted[around.Index(q)];
                if (done == 0) {
                    done = 1;
                    auto [share, rest] = mix.Of(around.At(q));
                    // A pixel that mixes in the other colour counts for the mark's share alone.
                    if (rest > MixSlack) {
                        if (const std::optional<double> beside =
                                mix.ShareBesideOther(around.At(q), MixSlack)) {
                            share = *beside;
                            rest = 0;
                        }
                    }
                    if (share > 0 && rest <= tolerance &&
                        rest <= MostForeign * share * mix.Span()) {
                        pixels.push_back({QPointF(q), std::min(share, 1.0)});
                    }
                }
            }
        }
    }
    const Fit whole = FitOf(pixels);
    if (whole.mass <= 0) {
        return std::nullopt;
    }
    if (!leavesTheCircle) {
        // A mark (cut by the picture's edge, maybe), or a short line ending inside the circle.
        if (Elongated(whole) && whole.along > 4) {
            return SnapResult{whole.Nearest(QPointF(pixel)), SnapKind::Line};
        }
        return SnapResult{whole.mean, SnapKind::Mark};
    }
    const std::vector<Fit> lines = Lines(Arms(around, pixels), pixels, QPointF(pixel));
    if (lines.empty()) {
        return SnapResult{whole.Nearest(QPointF(pixel)), SnapKind::Line};
    }
    const Fit& line = lines.front();
    for (std::size_t other = 1; other < lines.size(); ++other) {
        if (const std::optional<QPointF> crossing = Crossing(line, lines[other]);
            crossing && around.Distance(*crossing) <= SnapRadius) {
            return SnapResult{*crossing, SnapKind::Crossing};
        }
    }
    // One line: what lies off it beyond its width is a marker or a tick on it.
    const double halfWidth = std::max(0.5, line.across * std::sqrt(3.0));
    std::vector<Weighted> off;
    for (const Weighted& p : pixels) {
        if (line.Distance(p.at) > halfWidth + 1) {
            off.push_back(p);
        }
    }
    const Fit rest = FitOf(off);
    if (rest.mass < 3) {
        return SnapResult{line.Nearest(QPointF(pixel)), SnapKind::Line};
    }
    if (Elongated(rest)) {
        if (const std::optional<QPointF> crossing = Crossing(line, rest)) {
            return SnapResult{*crossing, SnapKind::Crossing};
        }
    }
    // A marker: on the line when its centre lies within the line's width of it.
    if (line.Distance(rest.mean) <= halfWidth + 1) {
        return SnapResult{line.Nearest(rest.mean), SnapKind::Mark};
    }
    return SnapResult{rest.mean, SnapKind::Mark};
}
