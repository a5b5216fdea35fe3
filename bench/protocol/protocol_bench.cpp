// Writing and saving a whole protocol, from NewWordDocument to the saved .docx, by result rows.
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

protocol::ProtocolData Protocol(int rows) {
    protocol::ProtocolData data;
    data.general = {
        {5, 3, 2024},           "г. Нижний Новгород",          "ул. Большая Покровская, д. 15",
        "жилой дом, 17 этажей", "ООО «Пожарная безопасность»", "Манометр МП-100"};
    data.JetFlow = 2.5;
    data.Dnas = "13";
    for (int i = 1; i <= rows; ++i)
        data.results.push_back({std::to_string(i), std::to_string(i), "лестничная клетка", "нет",
                                "2,4", "2,59", "Да"});
    data.Memo1 = "Пожарные краны обеспечивают требуемый расход воды.";
    return data;
}

void GenerateAndSave(benchmark::State& state) {
    const protocol::ProtocolData data = Protocol(static_cast<int>(state.range(0)));
    const auto folder = std::filesystem::temp_directory_path() / "naporis-bench";
    std::filesystem::create_directories(folder);
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        protocol::Document document(
            protocol::ShowAsFile(folder, "Протокол", [&](const std::filesystem::path& path) {
                bytes = std::filesystem::file_size(path);
                std::filesystem::remove(path);
                return true;
            }));
        protocol::GenerateProtocol(data, document, nullptr);
    }
    state.counters["docx_bytes"] = static_cast<double>(bytes);
    std::filesystem::remove_all(folder);
}

BENCHMARK(GenerateAndSave)->Arg(3)->Arg(253)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
