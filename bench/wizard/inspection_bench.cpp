// Saving and opening a 10 000-row inspection file, the core alone: a user must not wait.
#include "wizard/inspection_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

wizard::Inspection Big(int rows) {
    wizard::Inspection x = wizard::NewInspection({5, 3, 2024});
    x.step = wizard::WizardStep::Conclusion;
    x.general = {
        {5, 3, 2024},           "г. Нижний Новгород",          "ул. Большая Покровская, 15",
        "жилой дом, 17 этажей", "ООО «Пожарная безопасность»", "Ствол-водомер"};
    x.building.type = requirement::BuildingType::Zhiloe;
    x.requirement = {3, 2.5};
    x.preparedFlow = 2.5;
    results::PrepareResultsGrid(x.grid, 3);
    while (x.grid.RowCount() - 1 < rows)
        results::AppendRow(x.grid);
    for (int r = 1; r <= rows; ++r) {
        x.grid.SetCell(results::ColLocation, r, "лестничная клетка, этаж " + std::to_string(r));
        x.grid.SetCell(results::ColPressure, r, "2,4");
        x.grid.SetCell(results::ColFlow, r, "2,59");
        x.grid.SetCell(results::ColCompliance, r, "Да");
    }
    x.conclusion = "1. На момент проверки расход воды соответствует требованиям.";
    return x;
}

std::filesystem::path File() {
    return std::filesystem::temp_directory_path() / "naporis-inspection-bench.naporis";
}

void SaveInspection(benchmark::State& state) {
    const wizard::Inspection x = Big(static_cast<int>(state.range(0)));
    for (auto _ : state)
        wizard::SaveInspectionFile(File(), x);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(File()));
    std::filesystem::remove(File());
}
BENCHMARK(SaveInspection)->Arg(10'000)->Unit(benchmark::kMillisecond);

void OpenInspection(benchmark::State& state) {
    const wizard::Inspection x = Big(static_cast<int>(state.range(0)));
    wizard::SaveInspectionFile(File(), x);
    for (auto _ : state) {
        const wizard::InspectionRead read = wizard::LoadInspectionFile(File());
        if (!read.inspection || !(*read.inspection == x))
            state.SkipWithError(("read back differently: " + read.problem).c_str());
    }
    std::filesystem::remove(File());
}
BENCHMARK(OpenInspection)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
