// Saving and opening a project as a user's largest session has it: a 24-megapixel scan with
// 100,000 points, their markers drawn along the curve they were read from.

#include "BenchMain.h"
#include "BenchSession.h"
#include "core/AppState.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "table/DataTable.h"
#include "table/frmData.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr int Width = 6000;
constexpr int Height = 4000;
constexpr int Points = 100000;

struct Session : BenchSession {
    // A scanned plot: grid lines and a curve; the points lie on the curve.
    void BuildLargest() {
        QImage picture(Width, Height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setPen(QPen(Qt::lightGray, 3));
        for (int x = 0; x < Width; x += 250) {
            painter.drawLine(x, 0, x, Height);
        }
        for (int y = 0; y < Height; y += 250) {
            painter.drawLine(0, y, Width, y);
        }
        painter.end();
        PictureSurface& surface = App().Document().Picture2();
        surface.SetPicture(picture);
        App().calibration.LeftX = 0;
        App().calibration.RightX = Width;
        App().calibration.BottomY = 0;
        App().calibration.TopY = Height;
        surface.SetScale(App().calibration.Edges());
        surface.SetDrawWidth(3);
        std::vector<QPointF> positions;
        std::vector<DataTable::Row> rows;
        for (int i = 0; i < Points; ++i) {
            const double x = Width * (i + 0.5) / Points;
            const double y = Height / 2.0 + Height / 3.0 * std::sin(x / 700);
            positions.emplace_back(x, y);
            rows.push_back(PaddedPointRow(i + 1, x, y));
        }
        surface.PSetMany(positions, 255);
        AppendPointRows(App().Data().Table(), std::move(rows));
        App().MainForm().EnableDataMenu();
    }
};

QString ProjectPath() {
    return QDir::temp().filePath(QStringLiteral("kurvex-bench.kurvexproj"));
}

void BM_SaveProject(benchmark::State& state) {
    Session session;
    session.BuildLargest();
    for (auto _ : state) {
        benchmark::DoNotOptimize(App().MainForm().SaveProjectTo(ProjectPath()));
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(ProjectPath()).size()) / 1e6;
}

void BM_OpenProject(benchmark::State& state) {
    {
        Session saving;
        saving.BuildLargest();
        App().MainForm().SaveProjectTo(ProjectPath());
    }
    Session session;
    for (auto _ : state) {
        benchmark::DoNotOptimize(App().MainForm().OpenProjectFile(ProjectPath()));
    }
    state.counters["rows"] = App().Data().Table().PointCount();
}

BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// Opening decodes the project's picture in this program started again as the decoder.
int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
