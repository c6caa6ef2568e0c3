// Undo and Redo of an auto-read of 100,000 points in the program with its windows shown,
// beside the auto-read itself as the baseline, measured in the same run.

#include "BenchMain.h"
#include "BenchSession.h"
#include "session/AutoRead.h"
#include "session/Session.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int Points = 100000;

// A 2000 x 1500 picture all of the auto-read colour and an auto-read grid of 400 x 250 steps:
// every position inside the picture is a point, 100,000 of them.
struct Program : BenchSession {
    Program() {
        Session& session = App().session;
        QImage picture(2000, 1500, QImage::Format_RGB32);
        picture.fill(session.settings.ARDataColor.ToQColor());
        App().Document().Picture2().SetPicture(picture);
        session.settings.GridCols = 400;
        session.settings.GridRows = 250;
        App().Data().show();
        App().Document().show();
        QApplication::processEvents();
        session.History().Clear();
    }
    static void AutoRead() {
        AutoReadInto(App().session, [](std::int64_t) { return true; });
        App().session.History().Commit(QStringLiteral("AutoRead"));
        QApplication::processEvents();
    }
    static void Undo() {
        App().MainForm().mnuEditUndo_Click();
        QApplication::processEvents();
    }
    static void Redo() {
        App().MainForm().mnuEditRedo_Click();
        QApplication::processEvents();
    }
};

// Times `measured` and takes it back with `back`, untimed; after `measured` the table must hold
// `points` points.
void TimeAndTakeBack(benchmark::State& state, void (*measured)(), void (*back)(), int points) {
    for (auto _ : state) {
        measured();
        state.PauseTiming();
        if (App().session.Table().PointCount() != points) {
            state.SkipWithError("the table does not hold the points it should");
            break;
        }
        back();
        state.ResumeTiming();
    }
}

void BM_AutoRead100000Points(benchmark::State& state) {
    Program program;
    TimeAndTakeBack(state, Program::AutoRead, Program::Undo, Points);
}
BENCHMARK(BM_AutoRead100000Points)->Unit(benchmark::kMillisecond);

void BM_UndoAutoRead100000Points(benchmark::State& state) {
    Program program;
    Program::AutoRead();
    TimeAndTakeBack(state, Program::Undo, Program::Redo, 0);
}
BENCHMARK(BM_UndoAutoRead100000Points)->Unit(benchmark::kMillisecond);

void BM_RedoAutoRead100000Points(benchmark::State& state) {
    Program program;
    Program::AutoRead();
    Program::Undo();
    TimeAndTakeBack(state, Program::Redo, Program::Undo, Points);
}
BENCHMARK(BM_RedoAutoRead100000Points)->Unit(benchmark::kMillisecond);

// One click on a table of 100,000 points, made a step: what the history adds to a click is
// finding the one row that changed. Beside it, the same click without the step.
void BM_PointOn100000AsAStep(benchmark::State& state) {
    Program program;
    Program::AutoRead();
    Session& session = App().session;
    for (auto _ : state) {
        session.Picture().Dot(500, 500, PackedRgb(255, 0, 0));
        AppendPointRow(session.Table(), 1.5, 2.5);
        session.History().Commit(QStringLiteral("Point"));
    }
}
BENCHMARK(BM_PointOn100000AsAStep)->Unit(benchmark::kMicrosecond);

void BM_PointOn100000(benchmark::State& state) {
    Program program;
    Program::AutoRead();
    Session& session = App().session;
    for (auto _ : state) {
        session.Picture().Dot(500, 500, PackedRgb(255, 0, 0));
        AppendPointRow(session.Table(), 1.5, 2.5);
    }
}
BENCHMARK(BM_PointOn100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
