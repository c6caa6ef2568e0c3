// Finding the centre of what the user points at: one snapped click (a marker, a line, the
// background) on a 24-megapixel scan, and centre-line auto-read of a 1000-column grid over it
// beside the every-position reading of the same grid.

#include "extraction/AutoReadScan.h"
#include "extraction/MarkCentre.h"
#include "picture/DrawnPicture.h"

#include <QPainter>
#include <QPainterPath>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int Width = 6000;
constexpr int Height = 4000;
const QColor Curve(80, 255, 30);
constexpr PackedColor CurveColour = PackedRgb(80, 255, 30);

double CurveY(double x) {
    return Height / 2.0 + Height / 3.0 * std::sin(x / 700);
}

// A scan with grid lines, a thick curve and a round marker at (1000.4, 1000.6).
const QImage& Scan() {
    static const QImage scan = [] {
        QImage image(Width, Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::lightGray, 2));
        for (int x = 0; x < Width; x += 250) {
            painter.drawLine(x, 0, x, Height);
        }
        QPainterPath path;
        path.moveTo(0, CurveY(0));
        for (int x = 1; x <= Width; ++x) {
            path.lineTo(x, CurveY(x));
        }
        painter.setPen(QPen(Curve, 4));
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawEllipse(QPointF(1000.4, 1000.6), 5, 5);
        painter.end();
        return image;
    }();
    return scan;
}

void BM_SnapToMark(benchmark::State& state, QPoint pixel) {
    const QImage& scan = Scan();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SnapToMark(scan, pixel, 200));
    }
}

void BM_AutoRead1000Columns(benchmark::State& state) {
    DrawnPicture picture;
    picture.SetPicture(Scan());
    const EdgeValues edges{0, static_cast<double>(Height), static_cast<double>(Width), 0};
    picture.SetScale(edges);
    const AutoReadScan scan(picture, edges, 1000, 1000);
    const bool centreLine = state.range(0) == 1;
    for (auto _ : state) {
        std::int64_t found = 0;
        const auto count = [&](double, double) {
            ++found;
        };
        const auto goOn = [](std::int64_t) {
            return true;
        };
        if (centreLine) {
            scan.RunCentreLines(CurveColour, 100, count, goOn);
        } else {
            scan.Run(CurveColour, 100, count, goOn);
        }
        benchmark::DoNotOptimize(found);
        state.counters["found"] = static_cast<double>(found);
    }
    state.SetLabel(centreLine ? "centre of the line in each column" : "every grid position");
}

BENCHMARK_CAPTURE(BM_SnapToMark, marker, QPoint(1002, 1001))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SnapToMark, line, QPoint(3000, static_cast<int>(CurveY(3000))))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SnapToMark, background, QPoint(3100, 300))->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AutoRead1000Columns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
