// Markers on a 24-megapixel scan: recording, redrawing the table and erasing must not depend
// on the size of the picture.

#include "picture/DrawnPicture.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

DrawnPicture& LargeScan() {
    static DrawnPicture picture = [] {
        QImage image(6000, 4000, QImage::Format_RGB32);
        image.fill(Qt::white);
        DrawnPicture p;
        p.SetPicture(image);
        p.SetScale({0, 100, 600, 0});
        p.SetDrawWidth(3);
        return p;
    }();
    return picture;
}

std::vector<QPointF> RandomPositions(size_t count) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> x(0, 600);
    std::uniform_real_distribution<double> y(0, 100);
    std::vector<QPointF> positions(count);
    for (QPointF& p : positions) {
        p = {x(random), y(random)};
    }
    return positions;
}

void BM_Draw100000DotsOneByOne(benchmark::State& state) {
    DrawnPicture& picture = LargeScan();
    const auto positions = RandomPositions(100000);
    for (auto _ : state) {
        for (const QPointF& p : positions) {
            picture.Dot(p.x(), p.y(), PackedRgb(255, 0, 0));
        }
        state.PauseTiming();
        picture.Erase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Draw100000DotsOneByOne)->Unit(benchmark::kMillisecond);

void BM_Redraw100000Markers(benchmark::State& state) {
    DrawnPicture& picture = LargeScan();
    const auto positions = RandomPositions(100000);
    for (auto _ : state) {
        picture.Dots(positions, PackedRgb(255, 0, 0));
        state.PauseTiming();
        picture.Erase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Redraw100000Markers)->Unit(benchmark::kMillisecond);

void BM_EraseAfterAFewMarkers(benchmark::State& state) {
    DrawnPicture& picture = LargeScan();
    const auto positions = RandomPositions(20);
    for (auto _ : state) {
        state.PauseTiming();
        picture.Dots(positions, PackedRgb(255, 0, 0));
        state.ResumeTiming();
        picture.Erase();
    }
}
BENCHMARK(BM_EraseAfterAFewMarkers)->Unit(benchmark::kMicrosecond);

void BM_EraseAfterManyMarkers(benchmark::State& state) {
    DrawnPicture& picture = LargeScan();
    const auto positions = RandomPositions(100000);
    for (auto _ : state) {
        state.PauseTiming();
        picture.Dots(positions, PackedRgb(255, 0, 0));
        state.ResumeTiming();
        picture.Erase();
    }
}
// Erasing is far quicker than drawing the markers again, so the rounds are counted.
BENCHMARK(BM_EraseAfterManyMarkers)->Unit(benchmark::kMicrosecond)->Iterations(20);

} // namespace
