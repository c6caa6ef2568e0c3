// Auto Scale and Find Curves measured on plots of several styles drawn into pixels: how many
// calibrate within half a pixel, whether any calibration far off is ever proposed, how many
// get the right number of series, and how far the points found lie from the true curves.

#include "RasterPlots.h"
#include "recognition/CurveFinding.h"
#include "recognition/LabelOcr.h"
#include "recognition/PlotAxesReading.h"
#include "session/PointValues.h"
#include "session/ProposedScale.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

using RasterPlots::Drawn;

// The worst distance (pixels) between where a calibrated session puts values and where the plot
// drew them, over a grid of points across the axes.
double CalibrationError(const Drawn& drawn, const ProposedCalibration& proposal) {
    Session session;
    session.Picture().SetPicture(drawn.image, PictureType::Bitmap);
    if (!ApplyProposedCalibration(session, proposal)) {
        return 1e300;
    }
    double worst = 0;
    for (int i = 0; i <= 4; ++i) {
        for (int j = 0; j <= 4; ++j) {
            const double x = drawn.xFrom + (drawn.xTo - drawn.xFrom) * i / 4;
            const double y =
                drawn.yLog
                    ? std::pow(10.0, std::log10(drawn.yFrom) +
                                         (std::log10(drawn.yTo) - std::log10(drawn.yFrom)) * j / 4)
                    : drawn.yFrom + (drawn.yTo - drawn.yFrom) * j / 4;
            const QPointF truth = drawn.PixelOf({x, y});
            const QPointF user = session.Picture().Coordinates().ToUser(truth);
            const std::optional<QPointF> values =
                FoundPointValues(session.settings, user.x(), user.y());
            if (!values) {
                return 1e300;
            }
            const QPointF landed = drawn.PixelOf(*values);
            worst = std::max(worst, std::hypot(landed.x() - truth.x(), landed.y() - truth.y()));
        }
    }
    return worst;
}

struct StyleFigures {
    int plots = 0;
    int calibrated = 0;  // proposed, within half a pixel
    int refused = 0;     // nothing proposed
    int farOff = 0;      // proposed more than 2 pixels off without a warning
    int warned = 0;      // proposed with a warning
    int rightSeries = 0; // as many series found as drawn
    std::vector<double> distances;
};

TEST(PlotCorpus, AxesAndCurvesAreFoundOnPlotsOfManyStyles) {
    LabelOcr ocr;
    ASSERT_TRUE(ocr.Ready());
    std::map<QString, StyleFigures> figures;
    StyleFigures all;
    const std::vector<RasterPlots::Style> styles = RasterPlots::Styles();
    const int dpis[] = {100, 150, 200, 300};
    const double turns[] = {0, 0, 0.5, -1.0};
    for (const RasterPlots::Style& style : styles) {
        for (int variant = 0; variant < 6; ++variant) {
            RasterPlots::Case plot;
            plot.style = style;
            plot.dotsPerInch = dpis[(variant + style.markerShape) % 4];
            plot.yLog = variant % 2 == 1;
            plot.seriesCount = 2 + (variant + static_cast<int>(style.lineWidthPt)) % 4;
            plot.turnDegrees = turns[variant % 4];
            plot.jpeg = variant % 3 == 2;
            plot.seed = variant;
            const Drawn drawn = RasterPlots::Draw(plot);
            const QString label = QStringLiteral("%1 dpi %2 %3 series %4 turn %5 %6")
                                      .arg(style.name)
                                      .arg(plot.dotsPerInch)
                                      .arg(plot.yLog ? "log" : "linear")
                                      .arg(plot.seriesCount)
                                      .arg(plot.turnDegrees)
                                      .arg(plot.jpeg ? "jpeg" : "");
            if (qEnvironmentVariableIsSet("KURVEX_CORPUS_DIR")) {
                drawn.image.save(qEnvironmentVariable("KURVEX_CORPUS_DIR") + QLatin1Char('/') +
                                 QString(label).replace(QLatin1Char(' '), QLatin1Char('_')) +
                                 QStringLiteral(".png"));
            }
            StyleFigures& f = figures[style.name];
            ++f.plots;
            const PlotAxesReading reading = ReadPlotAxes(drawn.image, nullptr, ocr);
            if (!reading.proposal) {
                ++f.refused;
                std::printf("refused: %s: %s\n", qPrintable(label), qPrintable(reading.refusal));
            } else {
                const double error = CalibrationError(drawn, *reading.proposal);
                f.calibrated += error <= 0.5 ? 1 : 0;
                f.farOff += error > 2 && reading.warnings.isEmpty() ? 1 : 0;
                f.warned += reading.warnings.isEmpty() ? 0 : 1;
                if (error > 0.5) {
                    std::printf("off by %.2f px: %s\n", error, qPrintable(label));
                }
            }
            const CurveFinding finding =
                FindCurves(drawn.image, FindPlotArea(drawn.image, nullptr));
            const bool right = finding.curves.size() == drawn.series.size();
            f.rightSeries += right ? 1 : 0;
            if (!right) {
                std::printf("%zu series of %zu: %s\n", finding.curves.size(), drawn.series.size(),
                            qPrintable(label));
            }
            for (const FoundCurve& curve : finding.curves) {
                // The true series of the nearest colour.
                const RasterPlots::Series* truth = &drawn.series.front();
                double best = 1e300;
                for (const RasterPlots::Series& series : drawn.series) {
                    const double d = std::pow(series.color.red() - qRed(curve.color), 2) +
                                     std::pow(series.color.green() - qGreen(curve.color), 2) +
                                     std::pow(series.color.blue() - qBlue(curve.color), 2);
                    if (d < best) {
                        best = d;
                        truth = &series;
                    }
                }
                if (curve.markers != truth->markers) {
                    std::printf("%s read as %s: %s\n", qPrintable(curve.colorName),
                                curve.markers ? "markers" : "a line", qPrintable(label));
                }
                for (const QPointF& point : curve.points) {
                    f.distances.push_back(RasterPlots::PixelsOff(drawn, *truth, point));
                }
            }
        }
    }
    std::printf("%-22s %6s %11s %8s %8s %8s %12s %14s\n", "style", "plots", "within 0.5", "refused",
                "warned", ">2 px", "series ok", "median px");
    for (const auto& [name, f] : figures) {
        std::vector<double> d = f.distances;
        std::sort(d.begin(), d.end());
        const double median = d.empty() ? 1e9 : d[d.size() / 2];
        std::printf("%-22s %6d %11d %8d %8d %8d %12d %14.3f\n", qPrintable(name), f.plots,
                    f.calibrated, f.refused, f.warned, f.farOff, f.rightSeries, median);
        all.plots += f.plots;
        all.calibrated += f.calibrated;
        all.refused += f.refused;
        all.farOff += f.farOff;
        all.warned += f.warned;
        all.rightSeries += f.rightSeries;
        all.distances.insert(all.distances.end(), f.distances.begin(), f.distances.end());
    }
    std::sort(all.distances.begin(), all.distances.end());
    ASSERT_FALSE(all.distances.empty());
    const double median = all.distances[all.distances.size() / 2];
    std::printf("%-22s %6d %11d %8d %8d %8d %12d %14.3f\n", "all", all.plots, all.calibrated,
                all.refused, all.warned, all.farOff, all.rightSeries, median);
    EXPECT_GE(all.calibrated * 10, all.plots * 9);
    EXPECT_EQ(all.farOff, 0);
    EXPECT_GE(all.rightSeries * 10, all.plots * 9);
    EXPECT_LE(median, 0.5);
}

} // namespace
