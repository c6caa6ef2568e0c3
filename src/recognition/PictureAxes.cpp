#include "recognition/PictureAxes.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr double Pi = 3.14159265358979323846;
// Axis lines are searched up to this slant, in steps of this many degrees.
constexpr double MostSlantDegrees = 2;
constexpr double SlantStepDegrees = 0.05;
// Row runs of ink this long or longer vote for lines: at the steepest slant a line of one pixel
// runs on for 1 / tan(2°), some 28 pixels, before it steps to the next row.
constexpr int ShortestVotingRun = 8;
// Grey pixels darker than this are ink: a thin black line that falls between two pixel rows
// leaves each of them half dark, about 128; a plot's grid lines are lighter.
constexpr int InkLightness = 150;

// The picture as dark (axis, tick, text) or not, in rows of the picture's orientation or turned
// a quarter so that vertical lines become rows: one search serves both.
class InkMask {
public:
    InkMask(const QImage& picture, bool transposed) : m_transposed(transposed) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        m_width = transposed ? rgb.height() : rgb.width();
        m_height = transposed ? rgb.width() : rgb.height();
        m_ink.assign(static_cast<std::size_t>(m_width) * m_height, 0);
        m_dark.assign(m_ink.size(), 0);
        for (int row = 0; row < rgb.height(); ++row) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
            for (int column = 0; column < rgb.width(); ++column) {
                const QRgb pixel = line[column];
                const int red = qRed(pixel);
                const int green = qGreen(pixel);
                const int blue = qBlue(pixel);
                const int lightest = std::max({red, green, blue});
                const int darkest = std::min({red, green, blue});
                const int light = (red * 299 + green * 587 + blue * 114) / 1000;
                // Grey: axes, ticks and text are black or grey, data are coloured. Ink is dark
                // grey; how dark every grey pixel is weighs it when a tick's centre is found.
                if (lightest - darkest < 70) {
                    const int x = transposed ? row : column;
                    const int y = transposed ? column : row;
                    const std::size_t at = static_cast<std::size_t>(y) * m_width + x;
                    m_ink[at] = light < InkLightness ? 1 : 0;
                    m_dark[at] = static_cast<unsigned char>(255 - light);
                }
            }
        }
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Ink(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height &&
               m_ink[static_cast<std::size_t>(y) * m_width + x] != 0;
    }
    // How dark a grey pixel is (0 for white or coloured ones), 0 to 255.
    int Dark(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height
                   ? m_dark[static_cast<std::size_t>(y) * m_width + x]
                   : 0;
    }
    bool Transposed() const { return m_transposed; }
    // Back to the picture's own positions.
    QPointF Picture(QPointF point) const {
        return m_transposed ? QPointF(point.y(), point.x()) : point;
    }
    QRect Picture(const QRect& box) const {
        return m_transposed ? QRect(box.top(), box.left(), box.height(), box.width()) : box;
    }

private:
    bool m_transposed;
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_ink;
    std::vector<unsigned char> m_dark;
};

// A line of the mask that runs along its rows: y = offset + slope * x, from x = first to last.
struct RowLine {
    double offset = 0;
    double slope = 0;
    int first = 0;
    int last = 0;
    double thickness = 1;
    double YAt(double x) const { return offset + slope * x; }
};

// How far the ink of a line reaches across it at a column, from its centre: rows up and down.
std::pair<int, int> InkAcross(const InkMask& mask, const RowLine& line, int x, int reach) {
    const int centre = static_cast<int>(std::lround(line.YAt(x)));
    int up = 0;
    while (up < reach && mask.Ink(x, centre - up - 1)) {
        ++up;
    }
    int down = 0;
    while (down < reach && mask.Ink(x, centre + down + 1)) {
        ++down;
    }
    return {up, down};
}

// Fits the line through the middle of its ink, each column's middle weighed by darkness within
// a little more than the line's half width of its present course.
void RefineCentre(const InkMask& mask, RowLine& line) {
    const int reach = static_cast<int>(std::ceil(line.thickness / 2)) + 1;
    for (int pass = 0; pass < 2; ++pass) {
        double n = 0;
        double sx = 0;
        double sy = 0;
        double sxx = 0;
        double sxy = 0;
        for (int x = line.first; x <= line.last; x += 3) {
            const int centre = static_cast<int>(std::lround(line.YAt(x)));
            double weighted = 0;
            double weight = 0;
            for (int y = centre - reach; y <= centre + reach; ++y) {
                const double dark = mask.Dark(x, y);
                weighted += y * dark;
                weight += dark;
            }
            if (weight <= 0) {
                continue;
            }
            const double middle = weighted / weight;
            n += 1;
            sx += x;
            sy += middle;
            sxx += static_cast<double>(x) * x;
            sxy += x * middle;
        }
        const double spread = n * sxx - sx * sx;
        if (n < 2 || spread <= 0) {
            return;
        }
        line.slope = (n * sxy - sx * sy) / spread;
        line.offset = (sy - line.slope * sx) / n;
    }
}

// The long straight lines along the rows: the strongest of a vote of every ink pixel over small
// slants, each taken where its ink runs longest with gaps of at most two pixels.
std::vector<RowLine> LongLines(const InkMask& mask, int shortest) {
    const int slants = static_cast<int>(std::lround(2 * MostSlantDegrees / SlantStepDegrees)) + 1;
    std::vector<double> slopes(static_cast<std::size_t>(slants));
    for (int at = 0; at < slants; ++at) {
        slopes[static_cast<std::size_t>(at)] =
            std::tan((-MostSlantDegrees + at * SlantStepDegrees) * Pi / 180);
    }
    const int margin =
        static_cast<int>(std::ceil(mask.Width() * std::tan(MostSlantDegrees * Pi / 180))) + 1;
    const int offsets = mask.Height() + 2 * margin;
    std::vector<int> votes(static_cast<std::size_t>(slants) * offsets, 0);
    for (int y = 0; y < mask.Height(); ++y) {
        int x = 0;
        while (x < mask.Width()) {
            if (!mask.Ink(x, y)) {
                ++x;
                continue;
            }
            // Only runs along the row vote: a line up to the steepest slant goes on in its row
            // for dozens of pixels, where text and ticks stop after a few, and most ink is text.
            int end = x;
            while (end < mask.Width() && mask.Ink(end, y)) {
                ++end;
            }
            for (; end - x >= ShortestVotingRun && x < end; ++x) {
                for (int at = 0; at < slants; ++at) {
                    const int offset =
                        static_cast<int>(std::lround(y - slopes[static_cast<std::size_t>(at)] * x)) +
                        margin;
                    if (offset >= 0 && offset < offsets) {
                        ++votes[static_cast<std::size_t>(at) * offsets + offset];
                    }
                }
            }
            x = end;
        }
    }
    std::vector<RowLine> lines;
    for (int at = 0; at < slants; ++at) {
        for (int offset = 0; offset < offsets; ++offset) {
            const int count = votes[static_cast<std::size_t>(at) * offsets + offset];
            if (count < shortest) {
                continue;
            }
            // The strongest within three rows and every slant.
            bool strongest = true;
            for (int other = 0; other < slants && strongest; ++other) {
                for (int near = std::max(0, offset - 3); near <= std::min(offsets - 1, offset + 3);
                     ++near) {
                    const int rival = votes[static_cast<std::size_t>(other) * offsets + near];
                    if (rival > count ||
                        (rival == count && (other < at || (other == at && near < offset)))) {
                        strongest = false;
                        break;
                    }
                }
            }
            if (!strongest) {
                continue;
            }
            RowLine line{static_cast<double>(offset - margin), slopes[static_cast<std::size_t>(at)],
                         0, 0, 1};
            // Where it runs longest.
            int runStart = -1;
            int gap = 0;
            int bestFirst = 0;
            int bestLast = -1;
            for (int x = 0; x <= mask.Width(); ++x) {
                const int y = static_cast<int>(std::lround(line.YAt(x)));
                const bool ink = x < mask.Width() &&
                                 (mask.Ink(x, y) || mask.Ink(x, y - 1) || mask.Ink(x, y + 1));
                if (ink) {
                    if (runStart < 0) {
                        runStart = x;
                    }
                    gap = 0;
                    if (x - runStart > bestLast - bestFirst) {
                        bestFirst = runStart;
                        bestLast = x;
                    }
                } else if (runStart >= 0 && ++gap > 2) {
                    runStart = -1;
                    gap = 0;
                }
            }
            if (bestLast - bestFirst + 1 < shortest) {
                continue;
            }
            line.first = bestFirst;
            line.last = bestLast;
            // Its thickness from the ink across it; then its centre line, fitted through the
            // darkness-weighted middle of every third column (the vote's slant is a step of
            // 0.05 degrees, too coarse for a long line).
            double thickness = 0;
            int samples = 0;
            for (int x = bestFirst; x <= bestLast; x += 3) {
                const auto [up, down] = InkAcross(mask, line, x, 8);
                thickness += up + down + 1;
                ++samples;
            }
            line.thickness = thickness / samples;
            RefineCentre(mask, line);
            lines.push_back(line);
        }
    }
    return lines;
}

// The centre of a tick across its width, below the pixel: its columns and those beside them,
// weighed by how dark they are over the tick's length (away from the line itself), so that the
// antialiased edges count in proportion.
double TickCentre(const InkMask& mask, const RowLine& line, int first, int end, int side, int half,
                  int length) {
    double weighted = 0;
    double weight = 0;
    for (int x = first - 2; x <= end + 1; ++x) {
        const int centre = static_cast<int>(std::lround(line.YAt(x)));
        for (int step = 1; step <= length; ++step) {
            const double dark = mask.Dark(x, centre + side * (half + 1 + step));
            weighted += x * dark;
            weight += dark;
        }
    }
    return weight > 0 ? weighted / weight : (first + end - 1) / 2.0;
}

// The ink of a label in rows from `start` on in `direction`, across `window` columns either side
// of a tick at `at`: it must begin within `nearest` rows, and ends at a gap of background.
QRect LabelInk(const InkMask& mask, double at, int start, int direction, int window, int nearest,
               int longestTick) {
    QRect ink;
    int emptyRows = 0;
    bool ended = false;
    for (int step = 1; step <= 6 * longestTick; ++step) {
        if (ink.isEmpty() && step > nearest) {
            break;
        }
        const int y = start + direction * step;
        bool any = false;
        for (int column = static_cast<int>(at) - window; column <= static_cast<int>(at) + window;
             ++column) {
            if (mask.Ink(column, y)) {
                ink |= QRect(column, y, 1, 1);
                any = true;
            }
        }
        // Digits stand apart across a vertical axis's labels (the scan runs along them there),
        // never along a horizontal one's.
        const int mostGap = mask.Transposed() ? std::max(3, ink.width() * 3 / 5) : 2;
        if (!any && !ink.isEmpty() && ++emptyRows > mostGap) {
            ended = true;
            break;
        }
        if (any) {
            emptyRows = 0;
        }
    }
    // Ink that runs on past a label's length is a line (the frame beside a corner tick).
    return ended ? ink : QRect();
}

// The ticks standing on a line: short runs of ink across it on one side, narrower than a few
// line widths, with the label's ink beyond them on that side.
std::vector<TickMark> TicksOn(const InkMask& mask, const RowLine& line, int longestTick) {
    std::vector<TickMark> ticks;
    std::vector<TickMark> corners;
    const int half = static_cast<int>(std::ceil(line.thickness / 2));
    const int window = std::max(6, longestTick * 2);
    for (const int side : {1, -1}) {
        // Columns where ink stands out from the line on this side, and how far.
        std::vector<int> reach(static_cast<std::size_t>(line.last - line.first + 1), 0);
        for (int x = line.first; x <= line.last; ++x) {
            const int centre = static_cast<int>(std::lround(line.YAt(x)));
            int length = 0;
            while (length <= longestTick && mask.Ink(x, centre + side * (half + 1 + length))) {
                ++length;
            }
            reach[static_cast<std::size_t>(x - line.first)] = length;
        }
        int x = line.first;
        while (x <= line.last) {
            const int length = reach[static_cast<std::size_t>(x - line.first)];
            if (length < 2 || length > longestTick) {
                ++x;
                continue;
            }
            int end = x;
            int tallest = 0;
            while (end <= line.last) {
                const int here = reach[static_cast<std::size_t>(end - line.first)];
                if (here < 2) {
                    break;
                }
                tallest = std::max(tallest, here);
                ++end;
            }
            // A tick is narrow; a wide block standing on the line is something else.
            if (end - x <= 2 * half + 4 && tallest <= longestTick) {
                const double at = TickCentre(mask, line, x, end, side, half, tallest);
                const int outer =
                    static_cast<int>(std::lround(line.YAt(at))) + side * (half + 1 + tallest);
                // The label: the first band of ink beyond the tick, across the tick's place; for a
                // tick pointing into the plot, beyond the line on the other side.
                const int centre = static_cast<int>(std::lround(line.YAt(at)));
                QRect ink = LabelInk(mask, at, outer, side, window, 2 * longestTick, longestTick);
                if (ink.isEmpty()) {
                    ink = LabelInk(mask, at, centre - side * (half + 1), -side, window,
                                   2 * longestTick + tallest, longestTick);
                }
                ticks.push_back({mask.Picture(QPointF(at, line.YAt(at))), mask.Picture(ink)});
            }
            x = end + 1;
        }
        // A corner: the frame's other side leaves the line at its end. Where ticks point into
        // the plot the corner has none of its own, but its label stands beyond the line.
        const int near = 2 * half + 4;
        for (const bool atStart : {true, false}) {
            int first = -1;
            int last = -1;
            for (int column = atStart ? line.first : line.last - near;
                 column <= (atStart ? line.first + near : line.last); ++column) {
                if (reach[static_cast<std::size_t>(column - line.first)] > longestTick) {
                    first = first < 0 ? column : first;
                    last = column;
                }
            }
            if (first < 0) {
                continue;
            }
            const double at = TickCentre(mask, line, first, last + 1, side, half, longestTick);
            const int centre = static_cast<int>(std::lround(line.YAt(at)));
            const QRect ink = LabelInk(mask, at, centre - side * (half + 1), -side, window,
                                       2 * longestTick + longestTick / 2, longestTick);
            if (!ink.isEmpty()) {
                corners.push_back({mask.Picture(QPointF(at, line.YAt(at))), mask.Picture(ink)});
            }
        }
    }
    for (const TickMark& corner : corners) {
        const bool ticked = std::any_of(ticks.begin(), ticks.end(), [&](const TickMark& tick) {
            return std::hypot(tick.onAxis.x() - corner.onAxis.x(),
                              tick.onAxis.y() - corner.onAxis.y()) < 2 * half + 3;
        });
        if (!ticked) {
            ticks.push_back(corner);
        }
    }
    return ticks;
}

std::optional<PictureAxis> BestAxis(const InkMask& mask, bool preferHigh) {
    const int side = std::min(mask.Width(), mask.Height());
    const int longestTick = std::max(4, side / 40);
    std::optional<PictureAxis> best;
    std::size_t bestLabelled = 0;
    double bestPlace = 0;
    for (const RowLine& line : LongLines(mask, mask.Width() / 4)) {
        PictureAxis axis{QLineF(mask.Picture(QPointF(line.first, line.YAt(line.first))),
                                mask.Picture(QPointF(line.last, line.YAt(line.last)))),
                         TicksOn(mask, line, longestTick)};
        std::size_t labelled = 0;
        for (const TickMark& tick : axis.ticks) {
            labelled += tick.labelInk.isEmpty() ? 0 : 1;
        }
        const double place = line.YAt((line.first + line.last) / 2.0) * (preferHigh ? 1 : -1);
        if (labelled > 0 &&
            (!best || labelled > bestLabelled || (labelled == bestLabelled && place > bestPlace))) {
            best = std::move(axis);
            bestLabelled = labelled;
            bestPlace = place;
        }
    }
    return best;
}

} // namespace

PictureAxes FindPictureAxes(const QImage& picture) {
    PictureAxes axes;
    // Horizontal lines: the lowest of as many labelled ticks; vertical lines, searched in the
    // turned mask: the leftmost.
    axes.x = BestAxis(InkMask(picture, false), true);
    axes.y = BestAxis(InkMask(picture, true), false);
    return axes;
}
