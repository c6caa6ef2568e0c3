// The long commands as the user runs them, on a fresh state with scripted answers: auto-read
// over growing grids, interpolation of growing sample counts, rotation of growing pictures.
// Each size shows where a command still finishes within a second.

#include "BenchMain.h"
#include "BenchSession.h"
#include "ResidentMemory.h"
#include "app/AppState.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/main/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

struct Program : BenchSession {
    void WhitePicture(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        App().Document().Picture2().SetPicture(picture);
        App().session.calibration.LeftX = 0;
        App().session.calibration.RightX = width;
        App().session.calibration.BottomY = 0;
        App().session.calibration.TopY = height;
        App().Document().Picture2().SetScale(App().session.calibration.Edges());
    }
};

// A 6000 x 4000 scan without the data colour: every position is looked at, nothing is found.
void BM_AutoReadCommand(benchmark::State& state) {
    Program session;
    session.WhitePicture(6000, 4000);
    App().session.settings.GridCols = static_cast<int>(state.range(0));
    App().session.settings.GridRows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        App().MainForm().mnuDataAR_Click();
    }
    state.SetLabel(std::to_string(state.range(0)) + " x " + std::to_string(state.range(0)));
}

// The baseline of auto-read: the same grid positions of the same picture, read in the same
// order (column after column, each from the bottom up) by a plain loop over its scan lines.
void BM_BareScanLineLoop(benchmark::State& state) {
    QImage picture(6000, 4000, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const int grid = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::int64_t hits = 0;
        for (int i = 0; i <= grid; ++i) {
            const int column = std::min(i * 6000 / grid, 5999);
            for (int j = 0; j <= grid; ++j) {
                const int row = std::max(3999 - j * 4000 / grid, 0);
                const QRgb rgb = reinterpret_cast<const QRgb*>(picture.constScanLine(row))[column];
                hits += rgb == qRgb(255, 0, 0) ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetLabel(std::to_string(grid) + " x " + std::to_string(grid));
}

// Auto-read of a 1000 x 1000 grid on a 6000 x 4000 scan whose data colour lies under every
// tenth grid row: 100,000 points found, recorded in the table and marked on the picture.
void BM_AutoReadManyHits(benchmark::State& state) {
    Program session;
    session.WhitePicture(6000, 4000);
    QImage picture = App().Document().Picture2().Picture();
    for (int j = 5; j < 1000; j += 10) {
        const int row = 4000 - 4 * j;
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
        std::fill(line, line + picture.width(), qRgb(255, 0, 0));
    }
    App().Document().Picture2().SetPicture(picture);
    App().Document().Picture2().SetScale(App().session.calibration.Edges());
    App().session.settings.GridCols = 1000;
    App().session.settings.GridRows = 1000;
    App().session.settings.ARDataColor = PackedRgb(255, 0, 0);
    App().session.settings.ARColorTolerance = 0;
    App().session.settings.ARPointColor = PackedRgb(0, 255, 0);
    for (auto _ : state) {
        App().MainForm().mnuDataAR_Click();
        state.PauseTiming();
        state.counters["points"] = App().Data().Table().PointCount();
        App().Data().Table().Clear();
        App().Document().Picture2().Erase();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Interpolation through 50 points, answered Yes, on a 6000 x 4000 scan.
void BM_InterpolateCommand(benchmark::State& state) {
    Program session;
    session.WhitePicture(6000, 4000);
    App().session.settings.SplinePoints = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        App().Data().Table().Clear();
        App().Document().Picture2().Erase();
        for (int i = 0; i < 50; ++i) {
            AppendPointRow(App().Data().Table(), i * 100.0, 2000.0 + (i % 7) * 100.0);
        }
        session.prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
        state.ResumeTiming();
        App().MainForm().mnuDataSpline_Click();
    }
}

// A turn by 1.5 degrees of a picture of (width x 2/3 width) pixels, undone between rounds.
void BM_RotateCommand(benchmark::State& state) {
    Program session;
    const int width = static_cast<int>(state.range(0));
    session.WhitePicture(width, width * 2 / 3);
    for (auto _ : state) {
        session.prompts->textAnswers = {QStringLiteral("1.5")};
        App().Document().RotatePicture();
        state.PauseTiming();
        App().Document().UndoRotate();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(width * (width * 2 / 3) / 1000000.0).substr(0, 4) + " MP");
}

// Grids of n x n steps.
void GridSizes(benchmark::internal::Benchmark* benchmark) {
    for (const int n : {250, 500, 1000, 2000, 3000}) {
        benchmark->Arg(n);
    }
    benchmark->Unit(benchmark::kMillisecond);
}

// The memory a 24-megapixel scan costs, in units of its pixel bytes (96 MB): taken in, with
// 1,000 points recorded and marked, and at the peak of a turn by 1.5 degrees.
void BM_MemoryOf24MegapixelScan(benchmark::State& state) {
    for (auto _ : state) {
        Program session;
        const double pixelBytes = 6000.0 * 4000.0 * 4.0;
        const std::int64_t before = ResidentBytes("VmRSS:");
        session.WhitePicture(6000, 4000);
        PictureSurface& picture = App().Document().Picture2();
        std::mt19937 random(5);
        for (int i = 0; i < 1000; ++i) {
            const double x = random() % 6000;
            const double y = random() % 4000;
            picture.PSet(x, y, PackedRgb(255, 0, 0));
            AppendPointRow(App().Data().Table(), x, y);
        }
        QCoreApplication::processEvents();
        state.counters["with_1000_marks"] = (ResidentBytes("VmRSS:") - before) / pixelBytes;
        state.counters["drawing_only"] =
            static_cast<double>(picture.Drawing().DrawingBytes()) / pixelBytes;
        const std::int64_t peakBefore = ResidentBytes("VmHWM:");
        session.prompts->textAnswers = {QStringLiteral("1.5")};
        App().Document().RotatePicture();
        state.counters["turn_peak"] =
            (std::max(ResidentBytes("VmHWM:"), peakBefore) - before) / pixelBytes;
        state.counters["after_turn"] = (ResidentBytes("VmRSS:") - before) / pixelBytes;
    }
}

// The baseline of the turn: Qt's own transformation of the same picture (smooth off).
void BM_QtTransformed(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    QImage picture(width, width * 2 / 3, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (auto _ : state) {
        benchmark::DoNotOptimize(picture.transformed(QTransform().rotate(1.5)));
    }
}

// The goal of the turn, as a ratio that holds on any machine: the whole command (a 24-megapixel
// scan by 1.5 degrees) within six times Qt's own transformation of the same picture, both timed
// here in turn.
void BM_RotateCommandOverQtTransformed(benchmark::State& state) {
    Program session;
    session.WhitePicture(6000, 4000);
    const QImage picture = App().Document().Picture2().Picture();
    double command = 0;
    double baseline = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        benchmark::DoNotOptimize(picture.transformed(QTransform().rotate(1.5)));
        baseline += static_cast<double>(clock.nsecsElapsed());
        session.prompts->textAnswers = {QStringLiteral("1.5")};
        clock.restart();
        App().Document().RotatePicture();
        command += static_cast<double>(clock.nsecsElapsed());
        App().Document().UndoRotate();
    }
    state.counters["ratio"] = command / baseline;
}

BENCHMARK(BM_AutoReadCommand)->Apply(GridSizes);
BENCHMARK(BM_RotateCommandOverQtTransformed)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareScanLineLoop)->Apply(GridSizes);
BENCHMARK(BM_AutoReadManyHits)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InterpolateCommand)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(300000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryOf24MegapixelScan)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtTransformed)->Arg(6000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_RotateCommand)
    ->Arg(1500)
    ->Arg(2500)
    ->Arg(3500)
    ->Arg(4500)
    ->Arg(6000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
