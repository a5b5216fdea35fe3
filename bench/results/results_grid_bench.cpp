#include "results/results_grid.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace results;

// A grid of fire cocks with pressures spread over the table, every row up to date.
ResultsGrid MeasuredGrid(int rows, RowRules& rules) {
    ResultsGrid grid;
    PrepareResultsGrid(grid, rows);
    for (int row = 1; row <= rows; ++row) {
        const int tenths = 5 + (row * 7) % 156; // 0,5 … 16,0 bar
        grid.SetCell(ColLocation, row, "этаж " + std::to_string(row));
        grid.SetCell(ColPressure, row,
                     std::to_string(tenths / 10) + "," + std::to_string(tenths % 10));
    }
    rules = RowRules{13, true, true, 2.5, ','};
    UpdateAllRows(grid, rules);
    return grid;
}

// A change of the nozzle diameter brings every row up to date, on screen or not.
void DiameterChange(benchmark::State& state) {
    RowRules rules;
    ResultsGrid grid = MeasuredGrid(static_cast<int>(state.range(0)), rules);
    for (auto _ : state) {
        rules.diameter = *rules.diameter == 13 ? 12 : 13;
        benchmark::DoNotOptimize(UpdateAllRows(grid, rules));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(DiameterChange)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One keystroke in a pressure cell: the text is stored and only its row is updated, so the
// time must not grow with the grid.
void Keystroke(benchmark::State& state) {
    RowRules rules;
    const int rows = static_cast<int>(state.range(0));
    ResultsGrid grid = MeasuredGrid(rows, rules);
    const int row = rows / 2 + 1;
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        grid.SetCell(ColPressure, row, longer ? "2,5" : "2,");
        benchmark::DoNotOptimize(UpdateRow(grid, row, rules));
    }
}
BENCHMARK(Keystroke)->Arg(10)->Arg(100000)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
