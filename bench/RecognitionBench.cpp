// Finding a plot's axes in its pixels, Auto Scale and Find Curves as the commands run them, on a
// plot of 1920 x 1440 and of 24 megapixels, beside one pass over the same pixels that turns them
// grey (the baseline), and reading one label by OCR.

#include "BenchMain.h"
#include "VectorPlots.h"
#include "decoding/PdfPages.h"
#include "recognition/CurveFinding.h"
#include "recognition/LabelOcr.h"
#include "recognition/PictureAxes.h"
#include "recognition/PlotAxesReading.h"

#include <QGuiApplication>

#include <map>

#include <benchmark/benchmark.h>

namespace {

const QImage& Plot(int dotsPerInch) {
    static std::map<int, QImage> plots;
    QImage& plot = plots[dotsPerInch];
    if (plot.isNull()) {
        plot = RenderPdfPage(VectorPlots::PdfFile(VectorPlots::ThreeSeries()),
                             QStringLiteral("plot.pdf"), {1, dotsPerInch, false})
                   .image;
    }
    return plot;
}

// 300 dpi gives 1920 x 1440; 880 dpi gives 5632 x 4224, 23.8 megapixels.
void BM_GreyPass(benchmark::State& state) {
    const QImage& plot = Plot(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(plot.convertToFormat(QImage::Format_Grayscale8));
    }
}

void BM_FindPictureAxes(benchmark::State& state) {
    const QImage& plot = Plot(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PictureAxes axes = FindPictureAxes(plot);
        if (!axes.x || !axes.y) {
            state.SkipWithError("the axes were not found");
            return;
        }
    }
}

void BM_ReadOneLabel(benchmark::State& state) {
    const QImage& plot = Plot(300);
    const PictureAxes axes = FindPictureAxes(plot);
    LabelOcr reader;
    const QRect label = axes.x ? axes.x->ticks[1].labelInk.adjusted(-4, -4, 4, 4) : QRect();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.Read(plot.copy(label)));
    }
}

// Auto Scale as the command runs it on a picture of pixels: axes, every label's OCR, the fits.
void BM_AutoScale(benchmark::State& state) {
    const QImage& plot = Plot(static_cast<int>(state.range(0)));
    LabelOcr reader;
    for (auto _ : state) {
        if (!ReadPlotAxes(plot, nullptr, reader).proposal) {
            state.SkipWithError("nothing was proposed");
            return;
        }
    }
}

// Find Curves as the command runs it: the plot's area, then its series.
void BM_FindCurves(benchmark::State& state) {
    const QImage& plot = Plot(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (FindCurves(plot, FindPlotArea(plot, nullptr)).curves.size() != 3) {
            state.SkipWithError("the three series were not found");
            return;
        }
    }
}

BENCHMARK(BM_GreyPass)->Arg(300)->Arg(880)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindPictureAxes)->Arg(300)->Arg(880)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoScale)->Arg(300)->Arg(880)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindCurves)->Arg(300)->Arg(880)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOneLabel)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
