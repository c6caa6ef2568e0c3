// Several curves as a user works with them: switching the table the data window shows, and
// redrawing every curve's markers. Each beside its baseline, measured in the same run.

#include "BenchMain.h"
#include "BenchSession.h"
#include "session/Session.h"
#include "table/MarkerPositions.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/main/frmMain.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// A program with a 3000 x 2000 picture and curves of these sizes, the first one current.
struct Program : BenchSession {
    explicit Program(const std::vector<int>& curvePoints) {
        QImage picture(3000, 2000, QImage::Format_RGB32);
        picture.fill(Qt::white);
        App().Document().Picture2().SetPicture(picture);
        App().Document().Picture2().SetScale({0, 2000, 3000, 0});
        Session& session = App().session;
        for (std::size_t curve = 0; curve < curvePoints.size(); ++curve) {
            if (curve > 0) {
                session.AddCurve(session.UnusedCurveName(),
                                 CurvePaletteColor(static_cast<int>(curve) + 1));
            }
            std::vector<DataTable::Row> rows;
            for (int point = 1; point <= curvePoints[curve]; ++point) {
                rows.push_back(
                    PaddedPointRow(point, (point * 7919) % 3000, (point * 104729) % 2000));
            }
            AppendPointRows(session.Table(), std::move(rows));
        }
        session.SetCurrentCurve(0);
        App().Data().show();
        QApplication::processEvents();
    }
};

// Next Curve and back between a curve of 100,000 points and one of 100, the data window
// showing each; what a switch costs, the grid's repaint included.
void BM_SwitchTo100000PointCurve(benchmark::State& state) {
    Program program({100000, 100});
    for (auto _ : state) {
        App().MainForm().mnuDataNextCurve_Click();
        QApplication::processEvents();
        App().MainForm().mnuDataPreviousCurve_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchTo100000PointCurve)->Unit(benchmark::kMillisecond);

// The baseline: a bare table view handed the same two tables in turn.
void BM_BareViewSwitchingModels(benchmark::State& state) {
    Program program({100000, 100});
    QTableView view;
    view.resize(App().Data().GridData().size());
    view.show();
    for (auto _ : state) {
        view.setModel(&App().session.TableOf(1));
        QApplication::processEvents();
        view.setModel(&App().session.TableOf(0));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareViewSwitchingModels)->Unit(benchmark::kMillisecond);

// Refresh with 20 curves of 10,000 points: every curve's markers in its colour.
void BM_Redraw20CurvesOf10000Points(benchmark::State& state) {
    Program program(std::vector<int>(20, 10000));
    for (auto _ : state) {
        App().MainForm().mnuViewRefresh_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Redraw20CurvesOf10000Points)->Unit(benchmark::kMillisecond);

// The baseline: the same 200,000 markers drawn as one list in one colour.
void BM_Draw200000MarkersAtOnce(benchmark::State& state) {
    Program program(std::vector<int>(20, 10000));
    std::vector<QPointF> positions;
    for (int curve = 0; curve < 20; ++curve) {
        const std::vector<QPointF> some =
            MarkerPositions(App().session.TableOf(curve), false, false);
        positions.insert(positions.end(), some.begin(), some.end());
    }
    PictureSurface& picture = App().Document().Picture2();
    for (auto _ : state) {
        picture.Erase();
        picture.PSetMany(positions, PackedRgb(255, 0, 0));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Draw200000MarkersAtOnce)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
