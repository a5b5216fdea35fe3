// Big but legal input through the core: the protocol of 10 000 rows with 1 000-character
// fields and a 100 000-character conclusion, composed and packaged; the conclusion of 10 000
// rows; the cleaning of a 100 000-character text.
#include "hardening/big_input.h"
#include "protocol/clean_text.h"
#include "protocol/document.h"
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"
#include "results/conclusion.h"
#include "results/results_grid.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// "Отчет" without the disk: GenerateProtocol into the in-memory document, then the package.
void BigProtocol(benchmark::State& state) {
    const protocol::ProtocolData data = hardening::BigProtocol(
        static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)),
        static_cast<std::size_t>(state.range(2)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        protocol::Document document([&bytes](const protocol::Document& shown) {
            bytes = protocol::DocxPackage(shown).size();
        });
        protocol::GenerateProtocol(data, document, {});
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["package_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BigProtocol)
    ->ArgNames({"rows", "field", "conclusion"})
    ->Args({3, 1'000, 100'000})
    ->Args({10'000, 40, 2'000})
    ->Args({10'000, 1'000, 100'000})
    ->Unit(benchmark::kMillisecond);

// Step 3 to step 4 with 10 000 rows, half of them failing, each with a long location.
void ConclusionOfManyRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    results::ResultsGrid grid;
    results::PrepareResultsGrid(grid, rows);
    for (int r = 1; r <= rows; ++r) {
        grid.SetCell(results::ColLocation, r, hardening::CyrillicText(60, std::to_string(r)));
        grid.SetCell(results::ColCompliance, r, std::string(r % 2 ? results::Yes : results::No));
    }
    const std::string address = hardening::CyrillicText(1'000, "Адрес");
    std::size_t length = 0;
    for (auto _ : state) {
        length = results::BuildConclusion(grid, address).size();
        benchmark::DoNotOptimize(length);
    }
    state.counters["conclusion_bytes"] = static_cast<double>(length);
}
BENCHMARK(ConclusionOfManyRows)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Every typed text is cleaned before it reaches the document.
void CleanLongText(benchmark::State& state) {
    const std::string text = hardening::LongConclusion(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(protocol::CleanText(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(CleanLongText)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
