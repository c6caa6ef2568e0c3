// Reading a page's drawing: a figure of 100,000 strokes brought in through the decoder process
// with its drawing, next to the same page brought in as pixels only (the baseline; what the
// drawing adds is the difference), and what a mouse move and a Read Curve cost on it.

#include "BenchMain.h"
#include "VectorPlots.h"
#include "decoding/DecoderProcess.h"
#include "decoding/PdfPages.h"
#include "drawing/CurveReading.h"
#include "drawing/DrawingSnap.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int Elements = 100000;

const QString& PageFile() {
    static const QString path =
        TempFile(QStringLiteral("kurvex-bench-strokes.pdf"), VectorPlots::ManyPathsPdf(Elements));
    return path;
}

const LoadedPicture& Page() {
    static const LoadedPicture page = *DecodeInChildProcess(PageFile(), {}, {1, 300, false});
    return page;
}

void BM_ImportPagePixelsOnly(benchmark::State& state) {
    PdfPageRequest pixelsOnly{1, 300, false, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeInChildProcess(PageFile(), {}, pixelsOnly));
    }
}

void BM_ImportPageWithItsDrawing(benchmark::State& state) {
    for (auto _ : state) {
        const std::optional<LoadedPicture> page =
            DecodeInChildProcess(PageFile(), {}, {1, 300, false});
        if (!page || !page->drawing || page->drawing->paths.size() != Elements) {
            state.SkipWithError("the drawing did not come back whole");
            return;
        }
    }
}

// Where a click would snap, as every mouse move over the picture asks.
void BM_SnapOnTheDrawing(benchmark::State& state) {
    const VectorDrawing& drawing = *Page().drawing;
    double x = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SnapToDrawing(drawing, {x, 700}, 15));
        x = x < 1600 ? x + 7.3 : 100;
    }
}

void BM_ReadCurveOnTheDrawing(benchmark::State& state) {
    const VectorDrawing& drawing = *Page().drawing;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadCurveAt(drawing, {400, 700}, 15));
    }
}

BENCHMARK(BM_ImportPagePixelsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportPageWithItsDrawing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SnapOnTheDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCurveOnTheDrawing)->Unit(benchmark::kMillisecond);

} // namespace

// The import benchmarks start this program again as the decoder.
int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
