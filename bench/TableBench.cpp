// The table at the sizes a long auto-read or a dense curve gives: appending, sorting,
// removing repeats and finding the markers of every point.

#include "core/NumberText.h"
#include "table/DataTable.h"
#include "table/MarkerPositions.h"
#include "table/TableSort.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::vector<DataTable::Row> Rows(int count, bool reversed, int repeatEvery) {
    std::vector<DataTable::Row> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const int value = reversed ? count - i : i;
        const double x = repeatEvery > 0 ? (value / repeatEvery) * 0.5 : value * 0.001;
        rows.push_back({PaddedNumberText(static_cast<double>(i)), PaddedNumberText(x),
                        PaddedNumberText(x * 2.0 + 1.0)});
    }
    return rows;
}

void BM_AppendMillionRowsInOneInsert(benchmark::State& state) {
    const auto rows = Rows(1000000, false, 0);
    for (auto _ : state) {
        DataTable table;
        table.AppendRows(rows);
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_AppendMillionRowsInOneInsert)->Unit(benchmark::kMillisecond);

void BM_AppendMillionRecordedPoints(benchmark::State& state) {
    for (auto _ : state) {
        DataTable table;
        for (int i = 0; i < 1000000; ++i) {
            AppendPointRow(table, i * 0.25, i * 0.5);
        }
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_AppendMillionRecordedPoints)->Unit(benchmark::kMillisecond);

// Times work on a fresh table of the rows at every round; filling the table is not timed.
template <typename Work>
void OnFreshTables(benchmark::State& state, const std::vector<DataTable::Row>& rows, Work work) {
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<DataTable>();
        table->AppendRows(rows);
        state.ResumeTiming();
        work(*table);
    }
}

void BM_Sort100000ReversedPoints(benchmark::State& state) {
    OnFreshTables(state, Rows(100000, true, 0),
                  [](DataTable& table) { SortPoints(table, SortKey::X); });
}
BENCHMARK(BM_Sort100000ReversedPoints)->Unit(benchmark::kMillisecond);

// The baseline of the sort: the same reading and writing of the texts around an insertion sort
// of the values, element by element, as the sort was first described.
void InsertionSortByX(DataTable& table) {
    const int count = table.PointCount();
    std::vector<double> keys(static_cast<size_t>(count));
    std::vector<double> partners(static_cast<size_t>(count));
    for (int row = 1; row <= count; ++row) {
        keys[static_cast<size_t>(row - 1)] = LeadingNumberValue(table.CellText(row, 1));
        partners[static_cast<size_t>(row - 1)] = LeadingNumberValue(table.CellText(row, 2));
    }
    for (size_t i = 1; i < keys.size(); ++i) {
        const double key = keys[i];
        const double partner = partners[i];
        size_t j = i;
        for (; j > 0 && keys[j - 1] > key; --j) {
            keys[j] = keys[j - 1];
            partners[j] = partners[j - 1];
        }
        keys[j] = key;
        partners[j] = partner;
    }
    std::vector<QString> xTexts(keys.size());
    std::vector<QString> yTexts(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        xTexts[i] = PlainNumberText(keys[i]);
        yTexts[i] = PlainNumberText(partners[i]);
    }
    table.SetPointValues(xTexts, yTexts);
}

void BM_InsertionSort100000ReversedPoints(benchmark::State& state) {
    OnFreshTables(state, Rows(100000, true, 0), InsertionSortByX);
}
BENCHMARK(BM_InsertionSort100000ReversedPoints)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RemoveRepeatsOf100000Points(benchmark::State& state) {
    // Every point twice.
    OnFreshTables(state, Rows(100000, true, 2), [](DataTable& table) {
        SortPoints(table, SortKey::X);
        RemoveRepeatedNeighbours(table);
    });
}
BENCHMARK(BM_RemoveRepeatsOf100000Points)->Unit(benchmark::kMillisecond);

void BM_MarkerPositionsOf100000Points(benchmark::State& state) {
    DataTable table;
    table.AppendRows(Rows(100000, false, 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MarkerPositions(table, false, true));
    }
}
BENCHMARK(BM_MarkerPositionsOf100000Points)->Unit(benchmark::kMillisecond);

} // namespace
