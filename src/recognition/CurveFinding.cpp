#include "recognition/CurveFinding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// A pixel is ink of a colour when it lies this near (summed red, green and blue steps) to a mix
// of that colour and the background; JPEG leaves a few steps of noise on either.
constexpr double MixTolerance = 60;
// Pixels whose red, green and blue spread less than this are grey: axes, grid, text, paper.
constexpr int GreySpread = 40;
// A pixel counts for a series once it holds this share of its colour; below it, it is a
// faint edge or the series seen through a legend's box.
constexpr double LeastCover = 0.25;
// Lines and markers leave most of a plot's area to its background; past this share of coloured
// pixels the picture is a colour map, a filled plot or a photograph.
constexpr double MostColouredShare = 0.4;
// A colour becomes a series with at least this many full pixels of it.
constexpr int FewestSeriesPixels = 25;
// The largest marker, as a share of the plot area's shorter side.
constexpr double LargestMarkerShare = 1.0 / 15;
// Markers are about as wide as they are high, whatever their turn; a dash is long and thin.
constexpr double MostMarkerElongation = 2.0;

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb Of(QRgb pixel) {
    return {static_cast<double>(qRed(pixel)), static_cast<double>(qGreen(pixel)),
            static_cast<double>(qBlue(pixel))};
}

int Spread(QRgb pixel) {
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    return std::max({r, g, b}) - std::min({r, g, b});
}

// How much of `color` over `background` a pixel holds (0 none, 1 all), and how far it lies from
// that mix.
struct Mix {
    double cover = 0;
    double distance = 0;
};

Mix MixOf(const Rgb& pixel, const Rgb& color, const Rgb& background) {
    const Rgb d{color.r - background.r, color.g - background.g, color.b - background.b};
    const Rgb p{pixel.r - background.r, pixel.g - background.g, pixel.b - background.b};
    const double length2 = d.r * d.r + d.g * d.g + d.b * d.b;
    if (length2 <= 0) {
        return {0, 1e9};
    }
    const double t = std::clamp((p.r * d.r + p.g * d.g + p.b * d.b) / length2, 0.0, 1.0);
    const double distance =
        std::fabs(p.r - t * d.r) + std::fabs(p.g - t * d.g) + std::fabs(p.b - t * d.b);
    return {t, distance};
}

// The region looked at, with each pixel's share of each series' colour.
struct Region {
    QRect box;
    std::vector<QRgb> pixels; // row by row
    Rgb background;
    QRgb At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y - box.top()) * box.width() + (x - box.left())];
    }
};

Region RegionOf(const QImage& picture, const QRect& box) {
    Region region{box, {}, {}};
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    region.pixels.reserve(static_cast<std::size_t>(box.width()) * box.height());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        region.pixels.insert(region.pixels.end(), line + box.left(), line + box.right() + 1);
    }
    // The background is the commonest colour, counted in steps of 8.
    std::vector<int> counts(32 * 32 * 32, 0);
    for (const QRgb pixel : region.pixels) {
        ++counts[static_cast<std::size_t>((qRed(pixel) >> 3) << 10 | (qGreen(pixel) >> 3) << 5 |
                                          (qBlue(pixel) >> 3))];
    }
    const auto commonest = static_cast<int>(
        std::distance(counts.begin(), std::max_element(counts.begin(), counts.end())));
    region.background = {static_cast<double>((commonest >> 10) * 8 + 4),
                         static_cast<double>(((commonest >> 5) & 31) * 8 + 4),
                         static_cast<double>((commonest & 31) * 8 + 4)};
    return region;
}

// The colours of the series: repeatedly the commonest colour not yet explained by a series
// found, taken at its full strength (the end of its mixes with the background).
std::vector<Rgb> SeriesColors(const Region& region) {
    std::vector<const QRgb*> unexplained;
    for (const QRgb& pixel : region.pixels) {
        if (Spread(pixel) >= GreySpread) {
            unexplained.push_back(&pixel);
        }
    }
    std::vector<Rgb> colors;
    std::vector<int> counts(16 * 16 * 16);
    while (static_cast<int>(colors.size()) < MostFoundCurves + 1 && !unexplained.empty()) {
        std::fill(counts.begin(), counts.end(), 0);
        const auto bin = [](QRgb pixel) {
            return static_cast<std::size_t>((qRed(pixel) >> 4) << 8 | (qGreen(pixel) >> 4) << 4 |
                                            (qBlue(pixel) >> 4));
        };
        for (const QRgb* pixel : unexplained) {
            ++counts[bin(*pixel)];
        }
        const auto top = static_cast<std::size_t>(
            std::distance(counts.begin(), std::max_element(counts.begin(), counts.end())));
        if (counts[top] < FewestSeriesPixels) {
            break;
        }
        Rgb seed{};
        for (const QRgb* pixel : unexplained) {
            if (bin(*pixel) == top) {
                const Rgb c = Of(*pixel);
                seed = {seed.r + c.r, seed.g + c.g, seed.b + c.b};
            }
        }
        seed = {seed.r / counts[top], seed.g / counts[top], seed.b / counts[top]};
        // The seed may be a half-covered edge: the series' own colour is the far end of the
        // mixes that lie along the same line from the background.
        const Rgb& bg = region.background;
        const Rgb along{seed.r - bg.r, seed.g - bg.g, seed.b - bg.b};
        double farthest = 1;
        std::vector<std::pair<double, Rgb>> onLine;
        for (const QRgb* pixel : unexplained) {
            const Rgb c = Of(*pixel);
            const Rgb p{c.r - bg.r, c.g - bg.g, c.b - bg.b};
            const double length2 = along.r * along.r + along.g * along.g + along.b * along.b;
            const double t = (p.r * along.r + p.g * along.g + p.b * along.b) / length2;
            const double off = std::fabs(p.r - t * along.r) + std::fabs(p.g - t * along.g) +
                               std::fabs(p.b - t * along.b);
            if (t > 0 && off <= MixTolerance / 2) {
                onLine.push_back({t, c});
                farthest = std::max(farthest, t);
            }
        }
        Rgb full{};
        int taken = 0;
        for (const auto& [t, c] : onLine) {
            if (t >= 0.9 * farthest) {
                full = {full.r + c.r, full.g + c.g, full.b + c.b};
                ++taken;
            }
        }
        const Rgb color = taken > 0 ? Rgb{full.r / taken, full.g / taken, full.b / taken} : seed;
        colors.push_back(color);
        std::erase_if(unexplained, [&](const QRgb* pixel) {
            return MixOf(Of(*pixel), color, bg).distance <= MixTolerance;
        });
    }
    return colors;
}

// For every pixel of the region: the series it belongs to (-1 none) and how much of it.
struct Coverage {
    std::vector<std::int8_t> series;
    std::vector<float> cover;
};

Coverage CoverageOf(const Region& region, const std::vector<Rgb>& colors) {
    Coverage coverage{std::vector<std::int8_t>(region.pixels.size(), -1),
                      std::vector<float>(region.pixels.size(), 0)};
    for (std::size_t at = 0; at < region.pixels.size(); ++at) {
        const QRgb pixel = region.pixels[at];
        if (Spread(pixel) < GreySpread / 2) {
            continue;
        }
        const Rgb c = Of(pixel);
        double best = MixTolerance;
        for (std::size_t k = 0; k < colors.size(); ++k) {
            const Mix mix = MixOf(c, colors[k], region.background);
            if (mix.distance <= best && mix.cover >= LeastCover) {
                best = mix.distance;
                coverage.series[at] = static_cast<std::int8_t>(k);
                coverage.cover[at] = static_cast<float>(mix.cover);
            }
        }
    }
    return coverage;
}

// JPEG leaves a series' own colour darker, paler or shifted along its edges and across a thick
// line's core; those pixels come out as colours of their own, lying on the series. A colour
// whose pixels mostly lie next to another's larger colour is that series.
void MergeFringes(Coverage& coverage, const QRect& box, std::size_t colorCount) {
    static_assert(MostFoundCurves < 32, "the colours around a pixel are kept as bits");
    const int width = box.width();
    const int height = box.height();
    std::vector<std::int64_t> pixels(colorCount, 0);
    std::vector<std::int64_t> beside(colorCount * colorCount, 0);
    constexpr int Reach = 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int own = coverage.series[static_cast<std::size_t>(y) * width + x];
            if (own < 0) {
                continue;
            }
            ++pixels[static_cast<std::size_t>(own)];
            std::uint32_t counted = 0; // the colours met around it, one bit each
            for (int dy = -Reach; dy <= Reach; ++dy) {
                for (int dx = -Reach; dx <= Reach; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                        continue;
                    }
                    const int other = coverage.series[static_cast<std::size_t>(ny) * width + nx];
                    if (other >= 0 && other != own && (counted & (1u << other)) == 0) {
                        counted |= 1u << other;
                        ++beside[static_cast<std::size_t>(own) * colorCount +
                                 static_cast<std::size_t>(other)];
                    }
                }
            }
        }
    }
    std::vector<int> into(colorCount);
    for (std::size_t k = 0; k < colorCount; ++k) {
        into[k] = static_cast<int>(k);
        for (std::size_t other = 0; other < colorCount; ++other) {
            if (other != k && pixels[other] > pixels[k] &&
                beside[k * colorCount + other] * 10 >= pixels[k] * 6) {
                into[k] = static_cast<int>(other);
                break;
            }
        }
    }
    for (std::size_t k = 0; k < colorCount; ++k) {
        // Follow to the colour that stays itself.
        int target = static_cast<int>(k);
        for (std::size_t step = 0;
             step < colorCount && into[static_cast<std::size_t>(target)] != target; ++step) {
            target = into[static_cast<std::size_t>(target)];
        }
        into[k] = target;
    }
    for (std::int8_t& series : coverage.series) {
        if (series >= 0) {
            series = static_cast<std::int8_t>(into[static_cast<std::size_t>(series)]);
        }
    }
}

struct Component {
    QRect box;
    double weight = 0;
    double sx = 0; // weighted sums of positions, for the centre and the spread
    double sy = 0;
    double sxx = 0;
    double syy = 0;
    double sxy = 0;
    std::vector<QPoint> pixels;

    QPointF Centre() const { return {sx / weight, sy / weight}; }
    double Elongation() const {
        const QPointF c = Centre();
        const double vxx = sxx / weight - c.x() * c.x();
        const double vyy = syy / weight - c.y() * c.y();
        const double vxy = sxy / weight - c.x() * c.y();
        const double mean = (vxx + vyy) / 2;
        const double root = std::sqrt(std::max(0.0, mean * mean - (vxx * vyy - vxy * vxy)));
        const double small = std::max(mean - root, 0.25 / 12);
        return std::sqrt((mean + root) / small);
    }
};

// Adds a pixel to a part at a weight.
void Take(Component& part, QPoint pixel, double w) {
    const double px = pixel.x();
    const double py = pixel.y();
    part.weight += w;
    part.sx += w * px;
    part.sy += w * py;
    part.sxx += w * px * px;
    part.syy += w * py * py;
    part.sxy += w * px * py;
    part.pixels.push_back(pixel);
    part.box |= QRect(pixel, QSize(1, 1));
}

std::vector<Component> ComponentsOf(const Region& region, const Coverage& coverage, int series) {
    const QRect& box = region.box;
    const int width = box.width();
    std::vector<bool> seen(coverage.series.size(), false);
    std::vector<Component> components;
    std::vector<std::size_t> stack;
    for (std::size_t start = 0; start < coverage.series.size(); ++start) {
        if (seen[start] || coverage.series[start] != series) {
            continue;
        }
        Component part;
        part.box = QRect();
        seen[start] = true;
        stack.push_back(start);
        while (!stack.empty()) {
            const std::size_t at = stack.back();
            stack.pop_back();
            const int x = static_cast<int>(at % width);
            const int y = static_cast<int>(at / width);
            Take(part, QPoint(x + box.left(), y + box.top()), coverage.cover[at]);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= box.height()) {
                        continue;
                    }
                    const std::size_t next = static_cast<std::size_t>(ny) * width + nx;
                    if (!seen[next] && coverage.series[next] == series) {
                        seen[next] = true;
                        stack.push_back(next);
                    }
                }
            }
        }
        components.push_back(std::move(part));
    }
    return components;
}

// A legend's sample: a short piece of the colour with the legend's text starting just right of
// it, on its height.
bool IsLegendSample(const Region& region, const Component& part, const QRect& inner) {
    const QRect& box = part.box;
    if (box.width() > region.box.width() / 6 || box.height() > region.box.height() / 10) {
        return false;
    }
    const int reach = 3 * std::max(box.height(), 10);
    const int half = std::max(box.height(), 8);
    const int middle = box.center().y();
    const QRect look =
        QRect(QPoint(box.right() + 2, middle - half), QPoint(box.right() + reach, middle + half))
            .intersected(inner);
    int ink = 0;
    for (int y = look.top(); y <= look.bottom(); ++y) {
        for (int x = look.left(); x <= look.right(); ++x) {
            const QRgb pixel = region.At(x, y);
            if (Spread(pixel) < GreySpread && qGray(pixel) < 128) {
                ++ink;
            }
        }
    }
    return ink >= 5;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

bool AreMarkers(const std::vector<Component>& parts, const QRect& area) {
    if (parts.size() < 3) {
        return false;
    }
    std::vector<double> sides;
    std::vector<double> elongations;
    for (const Component& part : parts) {
        sides.push_back(std::max(part.box.width(), part.box.height()));
        elongations.push_back(part.Elongation());
    }
    const double side = Median(sides);
    const double widest = *std::max_element(sides.begin(), sides.end());
    return side <= LargestMarkerShare * std::min(area.width(), area.height()) &&
           Median(elongations) <= MostMarkerElongation && widest <= 4 * side;
}

// The centres of markers; a part holding several touching markers is split among them.
// A line of another series drawn over a marker cuts it in pieces: pieces that together are no
// larger than one marker are one again, with the pixels the line hides inside it.
std::vector<Component> Rejoined(std::vector<Component> parts, const Coverage& coverage,
                                const QRect& box, int series) {
    std::vector<double> sides;
    for (const Component& part : parts) {
        sides.push_back(std::max(part.box.width(), part.box.height()));
    }
    const double side = Median(sides);
    for (std::size_t a = 0; a < parts.size(); ++a) {
        for (std::size_t b = a + 1; b < parts.size(); ++b) {
            const QRect both = parts[a].box | parts[b].box;
            if (parts[b].pixels.empty() || std::max(both.width(), both.height()) > 1.25 * side ||
                std::max(parts[a].box.width(), parts[a].box.height()) >= side ||
                std::max(parts[b].box.width(), parts[b].box.height()) >= side) {
                continue;
            }
            for (const QPoint& pixel : parts[b].pixels) {
                Take(parts[a], pixel,
                     coverage.cover[static_cast<std::size_t>(pixel.y() - box.top()) * box.width() +
                                    (pixel.x() - box.left())]);
            }
            parts[b] = Component{};
            // The hidden pixels: another series' between the pieces, within the marker.
            const QPointF middle = QRectF(both).center();
            for (int y = both.top(); y <= both.bottom(); ++y) {
                for (int x = both.left(); x <= both.right(); ++x) {
                    const std::size_t at =
                        static_cast<std::size_t>(y - box.top()) * box.width() + (x - box.left());
                    const int other = coverage.series[at];
                    if (other >= 0 && other != series &&
                        std::hypot(x - middle.x(), y - middle.y()) <= side / 2) {
                        Take(parts[a], QPoint(x, y), 1);
                    }
                }
            }
        }
    }
    std::erase_if(parts, [](const Component& part) { return part.pixels.empty(); });
    return parts;
}

std::vector<QPointF> MarkerCentres(const std::vector<Component>& parts, const Coverage& coverage,
                                   const QRect& box) {
    std::vector<double> weights;
    for (const Component& part : parts) {
        weights.push_back(part.weight);
    }
    const double single = Median(weights);
    std::vector<QPointF> centres;
    for (const Component& part : parts) {
        const int count = std::max(1, static_cast<int>(std::lround(part.weight / single)));
        if (count == 1) {
            centres.push_back(part.Centre());
            continue;
        }
        // k-means over the part's pixels, started along its longer side.
        std::vector<QPointF> means;
        const bool wide = part.box.width() >= part.box.height();
        for (int k = 0; k < count; ++k) {
            const double share = (k + 0.5) / count;
            means.push_back(
                wide ? QPointF(part.box.left() + share * part.box.width(), part.Centre().y())
                     : QPointF(part.Centre().x(), part.box.top() + share * part.box.height()));
        }
        for (int round = 0; round < 10; ++round) {
            std::vector<QPointF> sums(count);
            std::vector<double> totals(count, 0);
            for (const QPoint& pixel : part.pixels) {
                int nearest = 0;
                double best = 1e300;
                for (int k = 0; k < count; ++k) {
                    const QPointF d = QPointF(pixel) - means[k];
                    const double d2 = d.x() * d.x() + d.y() * d.y();
                    if (d2 < best) {
                        best = d2;
                        nearest = k;
                    }
                }
                const double w =
                    coverage.cover[static_cast<std::size_t>(pixel.y() - box.top()) * box.width() +
                                   (pixel.x() - box.left())];
                sums[nearest] += QPointF(pixel) * w;
                totals[nearest] += w;
            }
            for (int k = 0; k < count; ++k) {
                if (totals[k] > 0) {
                    means[k] = sums[k] / totals[k];
                }
            }
        }
        centres.insert(centres.end(), means.begin(), means.end());
    }
    std::sort(centres.begin(), centres.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    return centres;
}

// A run of a series' pixels down one column, with what hides parts of it: rows of another
// series between two runs count as the line's own, covered where another crossed over it.
struct Run {
    double centre = 0;
    double weight = 0;
};

std::vector<Run> ColumnRuns(const Coverage& coverage, const QRect& box, int series, int column,
                            int widestGap) {
    std::vector<Run> runs;
    const int width = box.width();
    const int x = column - box.left();
    int y = 0;
    while (y < box.height()) {
        const auto at = [&](int row) {
            return static_cast<std::size_t>(row) * width + x;
        };
        if (coverage.series[at(y)] != series) {
            ++y;
            continue;
        }
        double weight = 0;
        double sum = 0;
        int end = y;
        while (end < box.height()) {
            if (coverage.series[at(end)] == series) {
                const double w = coverage.cover[at(end)];
                weight += w;
                sum += w * (end + box.top());
                ++end;
                continue;
            }
            // Another series crossing: bridge it when this series goes on just past it.
            int past = end;
            while (past < box.height() && past - end <= widestGap &&
                   coverage.series[at(past)] >= 0 && coverage.series[at(past)] != series) {
                ++past;
            }
            if (past > end && past < box.height() && past - end <= widestGap &&
                coverage.series[at(past)] == series) {
                for (int row = end; row < past; ++row) {
                    weight += 1;
                    sum += row + box.top();
                }
                end = past;
                continue;
            }
            break;
        }
        runs.push_back({sum / weight, weight});
        y = end;
    }
    return runs;
}

// The centre line column by column: where a column holds several runs, the one that goes on
// from the points before it.
std::vector<QPointF> LineCentres(const Coverage& coverage, const QRect& box, int series,
                                 const QRect& span) {
    std::vector<QPointF> points;
    const int widestGap = std::max(4, box.height() / 50);
    for (int column = span.left(); column <= span.right(); ++column) {
        const std::vector<Run> runs = ColumnRuns(coverage, box, series, column, widestGap);
        if (runs.empty()) {
            continue;
        }
        std::optional<double> expected;
        if (points.size() >= 2) {
            const QPointF& a = points[points.size() - 2];
            const QPointF& b = points.back();
            const double slope = (b.y() - a.y()) / std::max(1.0, b.x() - a.x());
            expected = b.y() + slope * (column - b.x());
        } else if (!points.empty()) {
            expected = points.back().y();
        }
        const Run* chosen = &runs.front();
        for (const Run& run : runs) {
            if (expected ? std::fabs(run.centre - *expected) < std::fabs(chosen->centre - *expected)
                         : run.weight > chosen->weight) {
                chosen = &run;
            }
        }
        points.push_back({static_cast<double>(column), chosen->centre});
    }
    return points;
}

struct NamedColor {
    const char* name;
    int r;
    int g;
    int b;
};

constexpr std::array<NamedColor, 16> ColorNames{{
    {"Blue", 31, 119, 180},
    {"Orange", 255, 127, 14},
    {"Green", 44, 160, 44},
    {"Red", 214, 39, 40},
    {"Purple", 148, 103, 189},
    {"Brown", 140, 86, 75},
    {"Pink", 227, 119, 194},
    {"Olive", 188, 189, 34},
    {"Cyan", 23, 190, 207},
    {"Blue", 0, 0, 255},
    {"Green", 0, 128, 0},
    {"Red", 255, 0, 0},
    {"Cyan", 0, 191, 191},
    {"Magenta", 191, 0, 191},
    {"Yellow", 191, 191, 0},
    {"Navy", 0, 0, 128},
}};

} // namespace

QString ColorName(QRgb color) {
    const NamedColor* nearest = &ColorNames.front();
    double best = 1e300;
    for (const NamedColor& named : ColorNames) {
        const double d = std::pow(qRed(color) - named.r, 2) + std::pow(qGreen(color) - named.g, 2) +
                         std::pow(qBlue(color) - named.b, 2);
        if (d < best) {
            best = d;
            nearest = &named;
        }
    }
    return QString::fromLatin1(nearest->name);
}

CurveFinding FindCurves(const QImage& picture, const QRectF& area) {
    CurveFinding finding;
    QRect box = area.isEmpty() ? picture.rect() : area.toAlignedRect();
    // Inside the axis lines, clear of their ink.
    const int inset = std::max(3, std::min(box.width(), box.height()) / 250);
    box = box.adjusted(inset, inset, -inset, -inset).intersected(picture.rect());
    if (box.width() < 8 || box.height() < 8) {
        finding.refusal = QStringLiteral("The plot area is too small to hold a curve.");
        return finding;
    }
    const Region region = RegionOf(picture, box);
    const auto coloured = std::count_if(region.pixels.begin(), region.pixels.end(),
                                        [](QRgb pixel) { return Spread(pixel) >= GreySpread; });
    if (static_cast<double>(coloured) >
        MostColouredShare * static_cast<double>(region.pixels.size())) {
        finding.refusal =
            QStringLiteral("Most of the plot area is coloured: a colour map, a filled "
                           "plot or a photograph, not lines and markers on a plain "
                           "background.");
        return finding;
    }
    const std::vector<Rgb> colors = SeriesColors(region);
    if (static_cast<int>(colors.size()) > MostFoundCurves) {
        finding.refusal = QStringLiteral("The plot holds more than %1 colours, too many to tell "
                                         "its series apart by colour (a photograph or a colour "
                                         "map?).")
                              .arg(MostFoundCurves);
        return finding;
    }
    Coverage coverage = CoverageOf(region, colors);
    MergeFringes(coverage, box, colors.size());
    // The legend's text is looked for clear of ticks standing inside the frame.
    const int tickRoom = std::min(box.width(), box.height()) / 50;
    const QRect inner = box.adjusted(tickRoom, tickRoom, -tickRoom, -tickRoom);
    for (std::size_t k = 0; k < colors.size(); ++k) {
        std::vector<Component> parts = ComponentsOf(region, coverage, static_cast<int>(k));
        std::erase_if(parts, [&](const Component& part) {
            return part.weight < 2 || IsLegendSample(region, part, inner);
        });
        double weight = 0;
        QRect span;
        for (const Component& part : parts) {
            weight += part.weight;
            span |= part.box;
        }
        if (weight < FewestSeriesPixels) {
            continue;
        }
        Coverage own = coverage;
        // Only what is left of the series after its legend sample.
        for (std::size_t at = 0; at < own.series.size(); ++at) {
            if (own.series[at] == static_cast<std::int8_t>(k)) {
                own.series[at] = -2;
            }
        }
        for (const Component& part : parts) {
            for (const QPoint& pixel : part.pixels) {
                own.series[static_cast<std::size_t>(pixel.y() - box.top()) * box.width() +
                           (pixel.x() - box.left())] = static_cast<std::int8_t>(k);
            }
        }
        FoundCurve curve;
        const Rgb& c = colors[k];
        curve.color = qRgb(static_cast<int>(std::lround(c.r)), static_cast<int>(std::lround(c.g)),
                           static_cast<int>(std::lround(c.b)));
        curve.colorName = ColorName(curve.color);
        curve.markers = AreMarkers(parts, box);
        curve.points = curve.markers
                           ? MarkerCentres(Rejoined(parts, own, box, static_cast<int>(k)), own, box)
                           : LineCentres(own, box, static_cast<int>(k), span);
        finding.curves.push_back(std::move(curve));
    }
    if (finding.curves.empty()) {
        finding.refusal = QStringLiteral(
            "No coloured series was found inside the plot: only the background, greys and "
            "black (axes, grid, text), or too few pixels of any colour. A black or grey series "
            "can be read with AutoRead.");
    }
    return finding;
}
