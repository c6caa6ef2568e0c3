// The long commands as the user runs them, on a fresh state with scripted answers: auto-read
// over growing grids, interpolation of growing sample counts, rotation of growing pictures.
// Each size shows where a command still finishes within a second.

#include "FakePlatform.h"
#include "core/AppState.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "table/DataTable.h"
#include "table/frmData.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

struct Session {
    FakePrompts* prompts = nullptr;
    std::unique_ptr<AppState> state;

    Session() {
        Platform platform;
        auto fakePrompts = std::make_unique<FakePrompts>();
        prompts = fakePrompts.get();
        platform.prompts = std::move(fakePrompts);
        platform.clock = std::make_unique<FakeClock>();
        platform.sound = std::make_unique<FakeSoundPlayer>();
        platform.shell = std::make_unique<FakeShell>();
        platform.screen = std::make_unique<FakeScreenSource>();
        platform.scanner = std::make_unique<FakeScanner>();
        state = std::make_unique<AppState>(std::move(platform));
        App().MainForm();
    }

    void WhitePicture(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        App().Document().Picture2().SetPicture(picture);
        App().calibration.LeftX = 0;
        App().calibration.RightX = width;
        App().calibration.BottomY = 0;
        App().calibration.TopY = height;
        App().Document().Picture2().SetScale(App().calibration.Edges());
    }
};

// A 6000 x 4000 scan without the data colour: every position is looked at, nothing is found.
void BM_AutoReadCommand(benchmark::State& state) {
    Session session;
    session.WhitePicture(6000, 4000);
    App().settings.GridCols = static_cast<int>(state.range(0));
    App().settings.GridRows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        App().MainForm().mnuDataAR_Click();
    }
    state.SetLabel(std::to_string(state.range(0)) + " x " + std::to_string(state.range(0)));
}

// Interpolation through 50 points, answered Yes, on a 6000 x 4000 scan.
void BM_InterpolateCommand(benchmark::State& state) {
    Session session;
    session.WhitePicture(6000, 4000);
    App().settings.SplinePoints = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        App().MainForm().mnuDataRemoveAll_Click();
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
    Session session;
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

BENCHMARK(BM_AutoReadCommand)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterpolateCommand)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(300000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
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
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
