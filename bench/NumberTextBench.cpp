// Writing and reading the number texts of the table: every recorded, sorted and saved point
// passes through them.

#include "NumberTextReference.h"
#include "core/NumberText.h"
#include "table/DataTable.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

std::vector<double> RandomValues(size_t count) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1000.0, 1000.0);
    std::vector<double> values(count);
    for (double& v : values) {
        v = mantissa(random);
    }
    return values;
}

void BM_PaddedNumberText(benchmark::State& state) {
    const auto values = RandomValues(1000);
    for (auto _ : state) {
        for (const double v : values) {
            benchmark::DoNotOptimize(PaddedNumberText(v));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_PaddedNumberText);

// The baseline: the first version, one std::string at a time.
void BM_ReferencePaddedNumberText(benchmark::State& state) {
    const auto values = RandomValues(1000);
    for (auto _ : state) {
        for (const double v : values) {
            benchmark::DoNotOptimize(ReferenceNumberText::PaddedNumberText(v));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_ReferencePaddedNumberText);

void BM_LeadingNumberValue(benchmark::State& state) {
    std::vector<QString> texts;
    for (const double v : RandomValues(1000)) {
        texts.push_back(PaddedNumberText(v));
    }
    for (auto _ : state) {
        for (const QString& t : texts) {
            benchmark::DoNotOptimize(LeadingNumberValue(t));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_LeadingNumberValue);

void BM_ReferenceLeadingNumberValue(benchmark::State& state) {
    std::vector<QString> texts;
    for (const double v : RandomValues(1000)) {
        texts.push_back(PaddedNumberText(v));
    }
    for (auto _ : state) {
        for (const QString& t : texts) {
            benchmark::DoNotOptimize(ReferenceNumberText::LeadingNumberValue(t));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ReferenceLeadingNumberValue);

void BM_AppendPointRow(benchmark::State& state) {
    const auto values = RandomValues(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        DataTable table;
        for (const double v : values) {
            AppendPointRow(table, v, v);
        }
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendPointRow)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
