// Saving a million points in each layout, beside writing the same number of bytes straight
// to disk: the formatting should not be what limits a save.

#include "core/NumberText.h"
#include "table/DataFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

DataTable& MillionPoints() {
    static DataTable table;
    if (table.PointCount() == 0) {
        std::vector<DataTable::Row> rows;
        rows.reserve(1000000);
        for (int i = 1; i <= 1000000; ++i) {
            rows.push_back({PaddedNumberText(static_cast<double>(i)), PaddedNumberText(i / 3.0),
                            PaddedNumberText(-i / 7.0)});
        }
        table.AppendRows(std::move(rows));
    }
    return table;
}

void BM_SaveMillionPoints(benchmark::State& state) {
    const auto layout = static_cast<DataFileLayout>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("points.dat"));
    DataTable& table = MillionPoints();
    qint64 bytes = 0;
    for (auto _ : state) {
        WriteDataFile(table, path, layout, WriteMode::Replace);
        bytes += QFileInfo(path).size();
    }
    state.SetBytesProcessed(bytes);
    state.SetLabel(layout == DataFileLayout::FixedColumns ? "fixed columns"
                   : layout == DataFileLayout::Tab        ? "tab"
                                                          : "comma");
}
BENCHMARK(BM_SaveMillionPoints)
    ->Arg(static_cast<int>(DataFileLayout::FixedColumns))
    ->Arg(static_cast<int>(DataFileLayout::Tab))
    ->Arg(static_cast<int>(DataFileLayout::Comma))
    ->Unit(benchmark::kMillisecond);

// The disk alone: the same size as the comma file, written in 1 MiB pieces.
void BM_WriteSameBytesRaw(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("raw.dat"));
    const QByteArray piece(1 << 20, 'x');
    const qint64 total = 40LL * 1000 * 1000;
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (qint64 written = 0; written < total; written += piece.size()) {
            file.write(piece);
        }
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * total);
}
BENCHMARK(BM_WriteSameBytesRaw)->Unit(benchmark::kMillisecond);

} // namespace
