// A batch run with --auto over plots of 2000 x 1500 pixels, in one job and in two: plots read per
// second, and how much the second job adds.

#include "BenchMain.h"
#include "RasterPlots.h"
#include "batch/BatchRun.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

#include <benchmark/benchmark.h>

namespace {

constexpr int Plots = 8;

// A folder of plots of several styles, drawn once.
QString PlotFolder() {
    static QTemporaryDir folder;
    static bool drawn = false;
    if (!drawn) {
        const std::vector<RasterPlots::Style> styles = RasterPlots::Styles();
        for (int at = 0; at < Plots; ++at) {
            RasterPlots::Case plot;
            plot.style = styles[static_cast<std::size_t>(at) % styles.size()];
            plot.dotsPerInch = 312; // 1997 x 1498
            plot.yLog = at % 2 == 1;
            plot.seriesCount = 2 + at % 4;
            RasterPlots::Draw(plot).image.save(
                folder.filePath(QStringLiteral("plot%1.png").arg(at)));
        }
        drawn = true;
    }
    return folder.path();
}

void BM_BatchAuto(benchmark::State& state) {
    const QString plots = PlotFolder();
    std::FILE* quiet = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        QTemporaryDir out;
        const int status =
            RunBatch({QStringLiteral("--auto"), QStringLiteral("--jobs"),
                      QString::number(state.range(0)), QStringLiteral("--out"), out.path(), plots},
                     quiet);
        if (status != 0) {
            state.SkipWithError("some plot was not read");
            break;
        }
    }
    std::fclose(quiet);
    state.SetItemsProcessed(state.iterations() * Plots);
}

BENCHMARK(BM_BatchAuto)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
