#include "core/AppError.h"
#include "core/Settings.h"
#include "extraction/AutoReadGrid.h"
#include "extraction/AutoReadScan.h"
#include "extraction/NaturalSpline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::pair<double, double>> Visits(const EdgeValues& edges, int cols, int rows) {
    std::vector<std::pair<double, double>> visits;
    SweepAutoReadGrid(edges, cols, rows, [&](double x, double y) {
        visits.emplace_back(x, y);
        return true;
    });
    return visits;
}

TEST(AutoReadGrid, ColumnsFromTheLeftRowsFromTheBottomWhicheverWayTheEdgesRun) {
    const auto visits = Visits({0, 1, 1, 0}, 2, 2);
    ASSERT_EQ(visits.size(), 9u);
    EXPECT_EQ(visits[1], std::make_pair(0.0, 0.5));
    EXPECT_EQ(visits[3], std::make_pair(0.5, 0.0));
    const auto reversed = Visits({1, 0, 0, 1}, 2, 2); // right < left, top < bottom
    EXPECT_EQ(reversed.front(), std::make_pair(1.0, 1.0));
    EXPECT_EQ(reversed.back(), std::make_pair(0.0, 0.0));
    EXPECT_EQ(Visits({5, 1, 5, 0}, 10, 2).size(), 3u) << "equal edges are sampled once";
    EXPECT_TRUE(Visits({0, 1, 1, 0}, 0, 5).empty());
    EXPECT_TRUE(Visits({0, 1, 1, 0}, 5, -1).empty());
    EXPECT_EQ(Visits(NeutralFrame, 50, 50).size(), 51u * 51u);
}

TEST(AutoReadGrid, ASumThatStopsMovingEndsItsAxis) {
    // Steps far below the resolution of coordinates near 1e17: the running sums never move.
    const double far = 1e17;
    const auto visits = Visits({far, far + 64, far + 64, far}, 1000, 1000);
    EXPECT_LE(visits.size(), 1002u * 1002u);
    EXPECT_GE(visits.size(), 1u);
}

TEST(AutoReadGrid, ColourTestComparesPackedValues) {
    const int data = PackedRgb(80, 255, 30).Packed();
    EXPECT_TRUE(IsDataColour(data + 100, data, 100)) << "exactly the tolerance";
    EXPECT_FALSE(IsDataColour(data + 101, data, 100));
    EXPECT_TRUE(IsDataColour(data - 100, data, 100));
    EXPECT_FALSE(IsDataColour(data + 65536, data, 65535)) << "one step of blue";
    EXPECT_TRUE(IsDataColour(data + 256 - 200, data, 100)) << "green up, red down";
    EXPECT_FALSE(IsDataColour(-1, data, 100)) << "outside the picture";
    EXPECT_TRUE(IsDataColour(-1, 0, 1));
}

std::vector<float> Floats(std::initializer_list<float> values) {
    return values;
}

// Auto-read as it reads one position at a time through the picture's own lookup, drawing a
// marker at every find; the fast scan must find the same positions and leave the same image.
struct ScanResult {
    std::vector<std::pair<double, double>> found;
    QImage drawn;
};

DrawnPicture ScanPicture(const EdgeValues& edges, int drawWidth) {
    // Speckles of the data colour (pure red, packed 255) among shades of it.
    QImage image(97, 61, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, random() % 5 == 0 ? qRgb(255, 0, 0) : qRgb(255, 0, random() % 3));
        }
    }
    DrawnPicture picture;
    picture.SetPicture(image);
    picture.SetScale(edges);
    picture.SetDrawWidth(drawWidth);
    return picture;
}

// The sweep runs over `edges`; the picture is scaled to `pictureEdges` (by default the same).
// One position at a time goes through the picture's own lookup, as auto-read did at first.
ScanResult Scan(bool fast, const EdgeValues& edges, int cols, int rows, int colour, int tolerance,
                int marker, int drawWidth, std::optional<EdgeValues> pictureEdges = {}) {
    DrawnPicture picture = ScanPicture(pictureEdges.value_or(edges), drawWidth);
    ScanResult result;
    const auto found = [&](double x, double y) {
        result.found.emplace_back(x, y);
        picture.Dot(x, y, PackedColor::FromPacked(marker));
    };
    if (fast) {
        AutoReadScan(picture, edges, cols, rows)
            .Run(PackedColor::FromPacked(colour), tolerance, found,
                 [](std::int64_t) { return true; });
    } else {
        SweepAutoReadGrid(edges, cols, rows, [&](double x, double y) {
            const int pixel = picture.Point(static_cast<float>(x), static_cast<float>(y));
            if (IsDataColour(pixel, colour, tolerance)) {
                found(x, y);
            }
            return true;
        });
    }
    result.drawn = picture.Drawn();
    return result;
}

TEST(AutoReadScan, FindsWhatOnePositionAtATimeFinds) {
    const struct {
        EdgeValues edges;
        int cols, rows, colour, tolerance, marker, drawWidth;
    } cases[] = {
        {{0, 61, 97, 0}, 40, 30, 255, 0, 255 * 256, 1},           // the plain case
        {{0, 61, 97, 0}, 200, 150, 255, 2, 255, 3},               // markers found again
        {{-20.5, 80, 120, -7.25}, 77, 53, 255, 0, 65280, 1},      // edges off the pixel grid
        {{1e-3, 2e-3, 3e-3, 1e-3 / 3}, 50, 50, 255, 65535, 0, 1}, // tiny units, wide tolerance
    };
    for (const auto& c : cases) {
        const ScanResult slow =
            Scan(false, c.edges, c.cols, c.rows, c.colour, c.tolerance, c.marker, c.drawWidth);
        const ScanResult fast =
            Scan(true, c.edges, c.cols, c.rows, c.colour, c.tolerance, c.marker, c.drawWidth);
        EXPECT_FALSE(slow.found.empty());
        EXPECT_EQ(fast.found, slow.found) << c.cols << " x " << c.rows;
        EXPECT_EQ(fast.drawn, slow.drawn) << c.cols << " x " << c.rows;
    }
    // A sweep reaching past the picture on every side: there the picture reads -1, which
    // colour 0 within 1 takes.
    const EdgeValues beyond{-20.5, 80, 120, -7.25};
    const EdgeValues inPixels{0, 61, 97, 0};
    for (const int colour : {255, 0}) {
        const ScanResult slow = Scan(false, beyond, 77, 53, colour, 1, 65280, 1, inPixels);
        const ScanResult fast = Scan(true, beyond, 77, 53, colour, 1, 65280, 1, inPixels);
        EXPECT_FALSE(slow.found.empty());
        EXPECT_EQ(fast.found, slow.found) << colour;
        EXPECT_EQ(fast.drawn, slow.drawn) << colour;
    }
}

TEST(AutoReadScan, ReportsProgressAfterEachColumnAndCanBeStopped) {
    const EdgeValues edges{0, 61, 97, 0};
    DrawnPicture picture = ScanPicture(edges, 1);
    const AutoReadScan scan(picture, edges, 4, 2);
    EXPECT_EQ(scan.Positions(), 15);
    std::vector<std::int64_t> reports;
    EXPECT_FALSE(scan.Run(
        PackedColor::FromPacked(255), 0, [](double, double) {},
        [&](std::int64_t done) {
            reports.push_back(done);
            return reports.size() < 2;
        }));
    EXPECT_EQ(reports, (std::vector<std::int64_t>{3, 6}));
}

TEST(NaturalSpline, ArithmeticFaultsStopIt) {
    const auto errorOf = [](std::vector<float> u, int m, std::vector<float> v = {1, 2, 3, 4}) {
        try {
            NaturalSplineSamples(u, v, m);
        } catch (const AppError& error) {
            return error.number;
        }
        return 0;
    };
    EXPECT_EQ(errorOf(Floats({0, 1, 1, 2}), 10), 11) << "two equal independent values";
    EXPECT_EQ(errorOf(Floats({0, 1, 2, 3}), 0), 11) << "no samples asked for";
    EXPECT_EQ(errorOf(Floats({0, 1, 2, 3}), -2), 5);
    EXPECT_EQ(errorOf(Floats({0, 1, 2}), 10, Floats({1, 2, 3})), 5) << "too few points";
    EXPECT_EQ(errorOf(Floats({0, 1, 2, 3, 4}), 10), 5) << "more x than y";
    EXPECT_EQ(errorOf(Floats({0, 1e-38f, 2e-38f, 3e-38f}), 10), 6) << "overflow";
}

// The reference was computed by scripts/make_spline_reference.py from the interpolation
// rules alone: single-precision stores, double-precision arithmetic between them, written
// with the digits that read back to exactly the same singles. Every sample must be the same
// single, not merely close: a sum taken in single precision shows as a differing last digit.
TEST(NaturalSpline, SamplesMatchTheRulesToTheLastBit) {
    std::ifstream file(KURVEX_TEST_DATA "/spline-reference.txt");
    struct Case {
        std::string name;
        int samples = 0;
        std::vector<float> u, v;
        std::vector<std::pair<float, float>> expected;
    };
    std::vector<Case> cases;
    std::string kind;
    float first = 0;
    float second = 0;
    while (file >> kind) {
        if (kind == "case") {
            cases.emplace_back();
            file >> cases.back().name >> cases.back().samples;
        } else if (file >> first >> second; kind == "knot") {
            cases.back().u.push_back(first);
            cases.back().v.push_back(second);
        } else {
            cases.back().expected.emplace_back(first, second);
        }
    }
    ASSERT_EQ(cases.size(), 4u);
    for (const Case& c : cases) {
        std::vector<std::pair<float, float>> samples;
        for (const QPointF& sample : NaturalSplineSamples(c.u, c.v, c.samples)) {
            samples.emplace_back(static_cast<float>(sample.x()), static_cast<float>(sample.y()));
        }
        EXPECT_EQ(samples, c.expected) << c.name;
    }
}

} // namespace
