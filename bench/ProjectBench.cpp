// Saving and opening a project as a user's largest session has it: a 24-megapixel scan with
// 100,000 points, their markers drawn along the curve they were read from.

#include "BenchMain.h"
#include "BenchSession.h"
#include "ResidentMemory.h"
#include "app/AppState.h"
#include "project/ProjectFile.h"
#include "project/ProjectZip.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/main/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int Width = 6000;
constexpr int Height = 4000;
constexpr int Points = 100000;

struct Program : BenchSession {
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
        App().session.calibration.LeftX = 0;
        App().session.calibration.RightX = Width;
        App().session.calibration.BottomY = 0;
        App().session.calibration.TopY = Height;
        surface.SetScale(App().session.calibration.Edges());
        surface.SetDrawWidth(3);
        std::vector<QPointF> positions;
        std::vector<DataTable::Row> rows;
        for (int i = 0; i < Points; ++i) {
            const double x = Width * (i + 0.5) / Points;
            const double y = Height / 2.0 + Height / 3.0 * std::sin(x / 700);
            positions.emplace_back(x, y);
            rows.push_back(PaddedPointRow(i + 1, x, y));
        }
        surface.PSetMany(positions, PackedRgb(255, 0, 0));
        AppendPointRows(App().Data().Table(), std::move(rows));
        App().MainForm().EnableDataMenu();
    }
};

QString ProjectPath() {
    return QDir::temp().filePath(QStringLiteral("kurvex-bench.kurvexproj"));
}

void BM_SaveProject(benchmark::State& state) {
    Program session;
    session.BuildLargest();
    for (auto _ : state) {
        benchmark::DoNotOptimize(App().MainForm().SaveProjectTo(ProjectPath()));
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(ProjectPath()).size()) / 1e6;
}

void BM_OpenProject(benchmark::State& state) {
    {
        Program saving;
        saving.BuildLargest();
        App().MainForm().SaveProjectTo(ProjectPath());
    }
    Program session;
    for (auto _ : state) {
        benchmark::DoNotOptimize(App().MainForm().OpenProjectFile(ProjectPath()));
    }
    state.counters["rows"] = App().Data().Table().PointCount();
}

// The document of a project with no picture, `rows` as its table and `tiles` as its drawing.
QByteArray Document(const QByteArray& rows, const QByteArray& tiles) {
    return "{\"format\":1,\"program\":\"Kurvex\",\"picture\":{\"type\":\"none\"},"
           "\"calibration\":{\"X1\":\"0\",\"X2\":\"1\",\"Y1\":\"0\",\"Y2\":\"1\","
           "\"XPos1\":\"0\",\"XPos2\":\"1\",\"YPos1\":\"0\",\"YPos2\":\"1\",\"LeftX\":\"0\","
           "\"RightX\":\"1\",\"TopY\":\"1\",\"BottomY\":\"0\"},\"settings\":{\"SplineColor\":0,"
           "\"ARDataColor\":0,\"ARColorTolerance\":0,\"ARPointColor\":0,\"ScaleColor\":0,"
           "\"PointsColor\":0,\"ZoomLineColor\":0,\"DotSize\":3,\"SplinePoints\":50,"
           "\"GridCols\":50,\"GridRows\":50,\"SplineOnX\":true,\"XLog\":false,\"YLog\":false,"
           "\"EscUndo\":true,\"PointerIndex\":1},\"dataFile\":{\"name\":\"\",\"layout\":2},"
           "\"status\":[\"\",\"\",\"\",\"\"],\"table\":{\"headerFrozen\":true,\"rows\":[" +
           rows + "]},\"drawing\":[" + tiles + "]}";
}

// Project files made to cost memory, and the largest table a project may hold; each is opened
// as the user opens it. Reported: the file's size, the wall-clock time, the peak of memory
// above what the process held before, and the memory the session it made still holds.
QByteArray HostileProject(int which) {
    const QByteArray header = "[\"= Point =\",\"= X Axis =\",\"= Y Axis =\"]";
    QByteArray rows = header;
    QByteArray tiles;
    switch (which) {
    case 0: // tile 0 listed half a million times
        tiles = "0";
        for (int i = 1; i < 500000; ++i) {
            tiles += ",0";
        }
        break;
    case 1: // one cell of 500 million characters
        rows += ",[\"1\",\"" + QByteArray(500000000, '7') + "\",\"2\"]";
        break;
    case 2: // more rows than a project holds, each of empty cells
        for (int i = 0; i < MostProjectRows; ++i) {
            rows += ",[\"\",\"\",\"\"]";
        }
        break;
    case 3: // the largest document a project holds, of empty lists
        tiles = "[]" + QByteArray(",[]").repeated(
                           static_cast<qsizetype>(MostProjectDocumentBytes / 3 - 1000));
        break;
    case 4: // the largest document a project holds, one cell filling it
        rows += ",[\"1\",\"" + QByteArray(MostProjectDocumentBytes - 2000, '7') + "\",\"2\"]";
        break;
    default: // the most points a project holds, as the program writes them
        for (int i = 1; i < MostProjectRows; ++i) {
            const DataTable::Row row = PaddedPointRow(i, i * 0.123456789, std::sin(i * 1e-3));
            rows += ",[\"" + row[0].toLatin1() + "\",\"" + row[1].toLatin1() + "\",\"" +
                    row[2].toLatin1() + "\"]";
        }
        break;
    }
    return ZipContainer({{QStringLiteral("project.json"), Document(rows, tiles)}});
}

void BM_OpenHostileProject(benchmark::State& state) {
    const QString path = QDir::temp().filePath(QStringLiteral("kurvex-hostile.kurvexproj"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(HostileProject(static_cast<int>(state.range(0))));
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Program>();
        QCoreApplication::processEvents();
        const std::int64_t before = ResidentBytes("VmRSS:");
        ResetPeakMemory();
        state.ResumeTiming();
        const bool opened = App().MainForm().OpenProjectFile(path);
        state.PauseTiming();
        state.counters["opened"] = opened ? 1 : 0;
        state.counters["peak_MB"] = (ResidentBytes("VmHWM:") - before) / 1e6;
        state.counters["session_MB"] = (ResidentBytes("VmRSS:") - before) / 1e6;
        state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
        session.reset();
        state.ResumeTiming();
    }
    QFile::remove(path);
}

BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenHostileProject)
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// Opening decodes the project's picture in this program started again as the decoder.
int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
